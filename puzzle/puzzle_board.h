// The puzzle board: the puzzle screen, the board of one picture, the scatter
// of its pieces, walking through the pictures (the bundled ones, then the
// family's photos: puzzle/photo_walk.h), and the corner tab that previews
// the current picture.
//
// The puzzle screen (`puzzleScreen`) is built once per run, after the size
// is known: a frame with a previous and a next button, and under it `board`.
// A board holds the tray, then piece 1, place 1, piece 2, place 2 ...; the
// pieces fly in from behind the tray to their scattered start spots.  What
// a click on a piece or a place does is piece_play; what the last landing
// does, and the zoomed finished picture, is completion.
//
// Leaving a board always goes through `leaveBoard`, which starts the board's
// track 0: a fresh board is built two frames later (startBoardTrack1, then
// rebuildBoardAction), or, for a finished picture, after the screen has
// zoomed back down.  Only the start-up, the size choice, the completion and
// the end of the zoom out call showPicture directly.
//
// Everything here is owned by this module, in one record; the objects
// themselves are owned by their parents in the scene tree, the pointers only
// name them.
//
// NOTE: the size is chosen by selectPuzzleSize; nothing should build a
// board before it has run once (resetPuzzleState sets the 48-piece size so
// a stray call still finds archives).  Everything that differs between the
// sizes comes from the current PUZZLE_SIZES row; the start spots come from
// the scatter (puzzle/scatter.h).
#pragma once

#include <cstdint>

#include "puzzle/puzzle_sizes.h"
#include "puzzle/scatter.h"

struct SceneObject;

// The puzzle's state: one record, owned and written by this module.  Piece
// play and completion change it through the few functions below; every
// other module (and every test) only reads it, through thePuzzle.
struct PuzzleState {
    int32_t currentPicture = 0;             // the picture being played (puzzle/photo_walk.h)
    int32_t walkDirection = 1;              // the last step through the pictures, +1 or -1
    bool tabWaiting = false;                // the corner tab waits for the current photo's pictures
    int32_t sizeIndex = DEFAULT_SIZE_INDEX; // the PUZZLE_SIZES row played
    int32_t pieceCount = PUZZLE_SIZES[DEFAULT_SIZE_INDEX].pieces; // pieces of that size
    ScatterSpot scatter[MAX_PIECE_COUNT] = {};                    // start spots of this board
    int32_t placedCount = 0;             // pieces sent to their place on this board
    SceneObject* heldPiece = nullptr;    // the lifted piece, or the last one sent
    SceneObject* heldShadow = nullptr;   // the lifted piece's shadow
    SceneObject* puzzleScreen = nullptr; // frame, buttons and board
    SceneObject* board = nullptr;        // the current board, or the finished picture
    bool boardBusy = false;              // the screen zooms: picture switching is refused
    bool boardLeaving = false; // track 0 of this board was started: it no longer completes
    int32_t decodedAhead = -1; // the picture whose board was decoded ahead during this one, or -1
    SceneObject* menuTabParent = nullptr; // the start-up's holder of the corner tab
    SceneObject* menuTab = nullptr;       // the tab shown in it now
};

extern const PuzzleState& thePuzzle; // read-only outside this module

// Piece play: `piece` is lifted and casts `shadow` (the last shadow killed).
void holdPiece(SceneObject* piece, SceneObject* shadow);
// Piece play: the held piece was sent to its place (its shadow goes with it).
void pieceSent();
// Completion: the screen zooms (switching refused) or has come to rest.
void setBoardBusy(bool busy);

// The archives of the current picture in the chosen size.
PictureArchives currentArchives();

// The screen is still: have the images of the next board in the walk's
// direction decoded on the image worker now (a photo made by the photo
// worker), once per board, so the switch to it does not decode them while
// two boards are drawn.
void decodeNextBoardAhead();

// Every variable above back to its start value (a new run in the same process).
void resetPuzzleState();

// The size whose settings code is `code` (0: 20 pieces, 1: 48, 2: 6, 3: 12)
// for the boards from now on, and into the settings; any other code: nothing.
void selectPuzzleSize(int32_t code);

// The size played now.
const PuzzleSizeRow& currentSize();

// Frame, previous and next button; the two zoom tracks of the screen.
void buildPuzzleScreen();

// Replace `board` by the current picture: finished, or a fresh scattered board.
void showPicture();

// Tray, pieces and places of the current picture into `board`.
void buildBoard();

// The visible ground at the board's depth, as the camera shows it (a
// generous one without a window, for tests that build boards without one).
ScatterGround boardGround();

// Start the board's track 0: the way every part of the game leaves a board.
void leaveBoard();

// Effects of the previous and next buttons (click, or the arrow keys with no dialog open).
void prevPictureClick(void* arg);
void nextPictureClick(void* arg);

// Board track 0 of a scattered board: finish, start track 1.
void startBoardTrack1(void* arg);

// Board track 1: finish, build the next board (once a photo it shows is made).
void rebuildBoardAction(void* arg);

// The empty holder of the corner tab (the start-up adds it to worldRoot).
SceneObject* makeMenuTabParent();

// The corner tab: the current picture's preview, or the closed tab.
void showMenuTab();

// The open tab tips from upright to flat in 1300 ms.
void menuTabSpinAction(void* arg);

// Effect of the bar's "view" button: open or close the tab.
void toggleMenuClick(void* arg);
