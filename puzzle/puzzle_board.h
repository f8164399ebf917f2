// The puzzle board: the puzzle screen, the board of one picture, the scatter
// of its pieces, walking through the pictures (the bundled ones, then the
// family's photos: puzzle/photo_walk.h), and the corner tab that previews
// the current picture.
//
// The puzzle screen (`puzzleScreen`) is built once per run, after the size
// is known: a frame with a previous and a next button, and under it the
// board.  A board holds the tray, then piece 1, place 1, piece 2, place 2
// ...; the pieces fly in from behind the tray to their scattered start
// spots.  A click on a loose piece lifts it; a click on its own place sends
// it there; the last landing completes the picture.  A piece may also be
// carried: pressed and moved while held further than DRAG_START_SHARE of
// the screen's height, it is lifted as by a click and follows the pointer;
// let go over its own place it flies home, over the tray it goes back to
// where it was picked up, anywhere else it lies there (moved only as far as
// it must to lie on screen and clear of the tray, the corners and the other
// pieces).  Whatever else ends a carry (another picture, a dialog, the
// window losing the focus) leaves the piece lying loose.
//
// Leaving a board always goes through `leaveBoard`, which starts the board's
// leave track: a fresh board is built two frames later (startRebuildAction,
// then rebuildBoardAction), or, for a finished picture, after the screen has
// zoomed back down.  Only the start-up, the size choice, the completion and
// the end of the zoom out call showPicture directly.
//
// The state lives in two records by lifetime: PuzzleRun for the whole run
// (picture, walk, size, screen and tab) and BoardState for one board (its
// scatter, a record per piece, held piece, placed count, leaving flag), which showPicture
// replaces whole in one statement with every board it builds.  Only this
// module writes either; the others (and every test) read them through
// thePuzzle and theBoard.  The objects themselves are owned by their
// parents in the scene tree, the pointers only name them.
//
// Every effect that reads or changes the board's state is here: lifting a
// piece, sending it, its landing and the completion.  The motions they start
// are piece_play's (PIECE_TRACKS) and completion's (SCREEN_TRACKS), which
// tell this module when they are done through their actions' `then`.
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

// What lives for the whole run.
struct PuzzleRun {
    int32_t currentPicture = 0;             // the picture being played (puzzle/photo_walk.h)
    int32_t walkDirection = 1;              // the last step through the pictures, +1 or -1
    bool tabWaiting = false;                // the corner tab waits for the current photo's pictures
    int32_t sizeIndex = DEFAULT_SIZE_INDEX; // the PUZZLE_SIZES row played
    int32_t pieceCount = PUZZLE_SIZES[DEFAULT_SIZE_INDEX].pieces; // pieces of that size
    SceneObject* puzzleScreen = nullptr;                          // frame, buttons and board
    SceneObject* menuTabParent = nullptr; // the start-up's holder of the corner tab
    SceneObject* menuTab = nullptr;       // the tab shown in it now
};

// Where a piece is in its play.  Only the board's transitions change it:
// liftPiece (loose or lifted to lifted), startCarry (to carried), letGo and
// dropAt (carried to loose), sendHome (lifted or carried to flying); the
// landing makes it placed.  The pieces' motions only animate.
enum class PieceState : uint8_t { Loose, Lifted, Carried, Flying, Placed };

// One piece of the board, and its place.
struct PieceRecord {
    SceneObject* piece = nullptr;
    SceneObject* place = nullptr;
    PieceState state = PieceState::Loose;
};

// A press on a piece, while the pointer stays down: it may become a carry.
struct PieceGrip {
    int32_t piece = -1;              // the piece pressed, or -1
    double offsetX = 0, offsetY = 0; // the piece's centre from the pointer, board units
    double fromX = 0, fromY = 0;     // where the piece lay when it was pressed
};

// What lives for one board, from its building to the next one's.
struct BoardState {
    SceneObject* object = nullptr; // the board: tray, pieces, places, or the finished picture
    ScatterSpot scatter[MAX_PIECE_COUNT] = {}; // start spots of this board
    PieceRecord pieces[MAX_PIECE_COUNT] = {};  // piece i and place i, and where the piece is
    int32_t placedCount = 0;                   // pieces sent to their place
    SceneObject* heldPiece = nullptr;  // the lifted (or carried) piece, or the last one sent
    SceneObject* heldShadow = nullptr; // the lifted piece's shadow, none once it is sent
    PieceGrip grip = {};               // the piece under a held pointer
    bool leaving = false;              // its leave track was started: it no longer completes
    int32_t decodedAhead = -1; // the picture whose board was decoded ahead during this one, or -1
};

extern const PuzzleRun& thePuzzle; // read-only outside this module
extern const BoardState& theBoard; // read-only outside this module

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

// Frame, previous and next button; the zoom tracks of the screen.
void buildPuzzleScreen();

// How far a held pointer must move from its press, as a share of the
// screen's height, for the piece under it to be carried (less: a click).
constexpr double DRAG_START_SHARE = 0.015;

// Piece i and place i of the current board (none past the last).
SceneObject* boardPiece(int32_t i);
SceneObject* boardPlace(int32_t i);
// The state of piece i of the current board.
PieceState pieceState(int32_t i);

// Replace `board` by the current picture: finished, or a fresh scattered board.
void showPicture();

// Tray, pieces and places of the current picture into the board that
// showPicture has just made (its record fresh).
void buildBoard();

// The visible ground at the board's depth, as the camera shows it (a
// 16:9 screen's without a window, for tests that build boards without one).
ScatterGround boardGround();

// Start the board's leave track: the way every part of the game leaves a board.
void leaveBoard();

// Leave the board for picture `picture` of the walk (a set's tile on the
// main menu), walking on from there; nothing when it is shown already.
void showWalkPicture(int32_t picture);

// Effects of the previous and next buttons (click, or the arrow keys with no dialog open).
void prevPictureClick();
void nextPictureClick();

// A board's tracks: leaving it, and building the next one.
enum BoardTrack : int32_t { BOARD_LEAVE, BOARD_REBUILD };

// Leave track of a scattered board: start the rebuild (a frame later).
void startRebuildAction();

// Rebuild track: finish, build the next board (once a photo it shows is made).
void rebuildBoardAction();

// A piece's watcher, endless (`number` = the piece, from 1): lift it when
// pressed, carry it while the pointer moves held, let it go on release.
void pieceGrabAction();

// A place's watcher, endless (`number` = its piece, from 1): send the lifted
// piece when it is its own.
void placeClickAction();

// A sent piece has landed: the board completes after its last one.
void pieceLanded();

// The last piece has landed: fanfare, completed flag, the finished picture.
void completePicture();

// The empty holder of the corner tab (the start-up adds it to worldRoot).
SceneObject* makeMenuTabParent();

// The corner tab: the current picture's preview, or the closed tab.
void showMenuTab();

// The open tab tips from upright to flat, once, as it appears.
void menuTabSpinAction();

// Effect of the bar's "view" button: open or close the tab.
void toggleMenuClick();
