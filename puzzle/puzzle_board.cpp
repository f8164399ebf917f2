// The puzzle screen, the board of one picture and the corner tab.
#include "puzzle/puzzle_board.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/audio_mixer.h"
#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "puzzle/completion.h"
#include "puzzle/photo_walk.h"
#include "puzzle/piece_play.h"
#include "resources/image_prefetch.h"
#include "resources/pak_library.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

namespace {

PuzzleRun puzzle;  // the whole run's record; thePuzzle lets the others read it
BoardState board;  // the current board's record; theBoard lets the others read it

} // namespace

const PuzzleRun& thePuzzle = puzzle;
const BoardState& theBoard = board;

namespace {

// A fixed part of the puzzle screen.
struct ScreenPart {
    const char* archive;
    const char* model;
    double x, y, z;
    EffectFn click; // none for the frame
};

constexpr ScreenPart SCREEN_PARTS[3] = {
    {"interface_my.pak", "puzz_plase", 0, 0, 59.7, nullptr},
    {BUTTON_ARCHIVE, "prev", -11.205, 1.237, 59.7, prevPictureClick},
    {BUTTON_ARCHIVE, "next", 11.297, 1.237, 59.7, nextPictureClick},
};

constexpr double PHOTO_WAIT_POLL_MS = 15; // how often a board waiting for a photo looks again
constexpr double BOARD_DEPTH = 60;
constexpr double TRAY_DEPTH = -0.2;
constexpr double PLACE_DEPTH = -0.1;
constexpr double PIECE_START_DEPTH = -50;
constexpr const char* TRAY_MODEL = "plase";
constexpr const char* FANFARE_SOUND = "final.wav";
constexpr const char* FINISHED_MODEL = "final";
constexpr const char* LIFT_SOUND = "puzzle_up.wav";
constexpr const char* SEND_SOUND = "puzzle_move.wav";

constexpr const char* INTERFACE_ARCHIVE = "interface_my.pak";
constexpr double MENU_TAB_X = 16.85;    // from the left edge
constexpr double MENU_TAB_OPEN_Y = 1.2; // below the top edge
constexpr double MENU_TAB_CLOSED_Y = 5.85;
constexpr double MENU_TAB_Z = 0.6;
constexpr double MENU_TAB_SPIN_MS = 1400;
constexpr double MENU_TAB_TIP_MS = 1300;
constexpr double MENU_TAB_TIP_ANGLE = -90;

// The ground of a board built without a window (tests): a 16:9 screen's.
constexpr double WINDOWLESS_ASPECT = 16.0 / 9;

// The tracks of the puzzle's objects.  The flight and the drop are given
// their goal when a piece is sent; the drop's landing comes back here.
constexpr TrackSpec SCREEN_TRACKS[] = {
    {SCREEN_ZOOM_IN, SCREEN_ZOOM_IN_MS, screenZoomInAction, nullptr},
    {SCREEN_ZOOM_OUT, SCREEN_ZOOM_OUT_MS, screenZoomOutAction, showPicture},
};
// Endless rebuild: it waits for the pictures, however many frames a photo
// still being made takes.
constexpr TrackSpec BOARD_TRACKS[] = {
    {BOARD_LEAVE, -1, startRebuildAction, nullptr},
    {BOARD_REBUILD, 0, rebuildBoardAction, nullptr},
};
constexpr TrackSpec FINISHED_BOARD_TRACKS[] = {
    {BOARD_LEAVE, -1, startZoomOutAction, nullptr},
};
constexpr TrackSpec PIECE_TRACKS[] = {
    {PIECE_GRAB, 0, pieceGrabAction, nullptr},
    {PIECE_PULSE, PIECE_PULSE_MS, piecePulseAction, nullptr},
    {PIECE_INTRO, PIECE_INTRO_MS, pieceIntroAction, nullptr},
    {PIECE_FLY, PIECE_FLY_MS, pieceFlyAction, nullptr},
    {PIECE_SETTLE, PIECE_SETTLE_MS, pieceSettleAction, pieceLanded},
};
enum PlaceTrack : int32_t { PLACE_WATCH };
constexpr TrackSpec PLACE_TRACKS[] = {{PLACE_WATCH, 0, placeClickAction, nullptr}};
enum MenuTabTrack : int32_t { MENU_TAB_SPIN };
constexpr TrackSpec MENU_TAB_TRACKS[] = {
    {MENU_TAB_SPIN, MENU_TAB_SPIN_MS, menuTabSpinAction, nullptr}};
static_assert(tracksInOrder(SCREEN_TRACKS) && tracksInOrder(BOARD_TRACKS) &&
              tracksInOrder(FINISHED_BOARD_TRACKS) && tracksInOrder(PIECE_TRACKS) &&
              tracksInOrder(PLACE_TRACKS) && tracksInOrder(MENU_TAB_TRACKS));

// The archive a bundled picture's board is built from in the chosen size:
// its finished picture, or its pieces.
const char* boardArchiveFor(int32_t picture) {
    PictureArchives archives = walkArchivesFor(picture, currentSize());
    return pictureFinished(picture) ? archives.picture : archives.pieces;
}

// Leave the board for `picture`, reached walking `step` (+1 or -1).
void goToPicture(int32_t picture, int32_t step) {
    puzzle.currentPicture = picture;
    puzzle.walkDirection = step;
    requestPictureImages(puzzle.currentPicture);
    // A bundled picture's board decodes while this one leaves, unless it was
    // decoded while this one rested (a set picture or a photo is made by the
    // photo worker).
    if (!isMadePicture(puzzle.currentPicture))
        prefetchArchiveImages({boardArchiveFor(puzzle.currentPicture)});
    leaveBoard();
    // A photo still being made gets its tab with its board.
    puzzle.tabWaiting = !pictureImagesReady(puzzle.currentPicture);
    if (puzzle.tabWaiting) return;
    puzzle.currentPicture = settleOnPicture(puzzle.currentPicture, step);
    showMenuTab();
}

// Walk `step` pictures on, when the screen is still and the button (or its action) asks.
void switchPicture(InputAction action, int32_t step) {
    if (screenZooming) return;
    if (!currentTriggered(action)) return;
    goToPicture(nextInWalk(puzzle.currentPicture, step), step);
}

// A child of piece `name` of the current shadow archive, from the entry
// prefix + name: its outline and soft shadow or its back.
SceneObject* newPieceChild(const char* prefix, const std::string& name) {
    SceneObject* child = new SceneObject;
    child->loadModel(currentArchives().shadows, prefix + name);
    return child;
}

// The finished-picture branch of showPicture, into the new empty board.
void showFinishedPicture() {
    board.object->loadModel(currentArchives().picture, FINISHED_MODEL);
    board.object->setPosition(0, 0, BOARD_DEPTH);
    board.object->setTracks(FINISHED_BOARD_TRACKS);
    board.object->firstAction(BOARD_LEAVE).other = puzzle.puzzleScreen;
    puzzle.puzzleScreen->startTrack(SCREEN_ZOOM_IN);
}

} // namespace

void resetPuzzleState() {
    puzzle = PuzzleRun();
    board = BoardState();
    resetScreenZoom();
}

void decodeNextBoardAhead() {
    if (!puzzle.puzzleScreen || !board.object || screenZooming || board.leaving ||
        puzzle.tabWaiting)
        return;
    int32_t next = nextInWalk(puzzle.currentPicture, puzzle.walkDirection);
    if (next == board.decodedAhead || next == puzzle.currentPicture) return;
    board.decodedAhead = next;
    if (isMadePicture(next)) {
        prefetchAhead(puzzle.currentPicture, puzzle.walkDirection);
        return;
    }
    // A damaged archive is left for the switch onto it to report.
    const char* archive = boardArchiveFor(next);
    if (!thePakLibrary.openIfUsable(archive)) return;
    prefetchArchiveImages({archive});
    thePakLibrary.release(archive);
}

PictureArchives currentArchives() {
    return walkArchivesFor(puzzle.currentPicture, currentSize());
}

void selectPuzzleSize(int32_t code) {
    int index = sizeIndexForCode(code);
    if (PUZZLE_SIZES[index].settingsCode != code) return;
    if (theSettings) theSettings->bigPuzzle = code;
    puzzle.sizeIndex = index;
    puzzle.pieceCount = PUZZLE_SIZES[index].pieces;
}

const PuzzleSizeRow& currentSize() {
    return PUZZLE_SIZES[puzzle.sizeIndex];
}

void buildPuzzleScreen() {
    puzzle.puzzleScreen = new SceneObject;
    puzzle.puzzleScreen->setTracks(SCREEN_TRACKS);
    worldRoot->addChild(puzzle.puzzleScreen);
    for (const ScreenPart& part : SCREEN_PARTS) {
        SceneObject* object =
            newModelObject(part.archive, part.model, part.x, part.y, part.z, part.click != nullptr);
        object->setRotation(-90, 0, 0);
        if (part.click) makeClickButton(object, part.click);
        puzzle.puzzleScreen->addChild(object);
    }
}

void showPicture() {
    if (!puzzle.puzzleScreen) return;
    puzzle.currentPicture = settleOnPicture(puzzle.currentPicture, puzzle.walkDirection);
    if (puzzle.tabWaiting) {
        puzzle.tabWaiting = false;
        showMenuTab();
    }
    if (board.object) board.object->kill();
    board = BoardState{new SceneObject};
    puzzle.puzzleScreen->addChild(board.object);
    if (pictureFinished(puzzle.currentPicture)) {
        showFinishedPicture();
        return;
    }
    board.object->setPosition(0, 0, BOARD_DEPTH);
    board.object->setTracks(BOARD_TRACKS);
    buildBoard();
}

void buildBoard() {
    PictureArchives archives = currentArchives();
    const char* pieceArchive = archives.pieces;
    const char* placeArchive = archives.places;
    board.object->addChild(newModelObject(pieceArchive, TRAY_MODEL, 0, 0, TRAY_DEPTH, false));
    std::vector<ScatterSpot> spots = scatterSpots(currentSize(), boardGround());
    std::copy(spots.begin(), spots.end(), board.scatter);
    int32_t layout = PICTURE_ROWS[cutRowOf(puzzle.currentPicture)].cutLayout;
    for (int32_t i = 0; i < puzzle.pieceCount; ++i) {
        int32_t n = i + 1;
        std::string name = std::to_string(n);
        SceneObject* piece = newModelObject(pieceArchive, name.c_str(), board.scatter[i].x,
                                            board.scatter[i].y, PIECE_START_DEPTH, true);
        piece->setRotation(-180, 0, 0);
        SceneObject* back = newPieceChild(PIECE_BACK_PREFIX, name);
        piece->addChild(back);
        piece->addChild(newPieceChild(PIECE_REST_PREFIX, name));
        piece->setTracks(PIECE_TRACKS);
        piece->firstAction(PIECE_GRAB).number = n;
        piece->firstAction(PIECE_INTRO).other = back;
        piece->startTrack(PIECE_GRAB);
        piece->startTrack(PIECE_INTRO);
        board.object->addChild(piece);

        TargetSpot target = pieceTargetFor(currentSize(), layout, i);
        SceneObject* place =
            newModelObject(placeArchive, name.c_str(), target.x, target.y, PLACE_DEPTH, true);
        place->setTracks(PLACE_TRACKS);
        place->firstAction(PLACE_WATCH).other = piece;
        place->startTrack(PLACE_WATCH);
        board.object->addChild(place);
    }
}

ScatterGround boardGround() {
    if (!theVideo) return groundFor(WINDOWLESS_ASPECT, 1);
    double distance = WORLD_DISTANCE - BOARD_DEPTH;
    return {theVideo->halfWidthAt(distance), theVideo->halfHeightAt(distance)};
}

void leaveBoard() {
    if (!board.object) return;
    board.leaving = true;
    board.object->startTrack(BOARD_LEAVE);
}

void showWalkPicture(int32_t picture) {
    if (picture < 0 || picture >= walkLength() || !board.object) return;
    if (picture != puzzle.currentPicture) goToPicture(picture, 1);
}

void prevPictureClick() {
    switchPicture(ACTION_PREVIOUS_PICTURE, -1);
}

void nextPictureClick() {
    switchPicture(ACTION_NEXT_PICTURE, 1);
}

void startRebuildAction() {
    currentAction->finish();
    currentObject->startTrack(BOARD_REBUILD);
}

void rebuildBoardAction() {
    // A photo still being made: the old board stays until it is ready, and
    // the still screen is looked at again soon even if no input comes.
    if (!pictureImagesReady(thePuzzle.currentPicture)) {
        actionDeadlineMs = std::min(actionDeadlineMs, PHOTO_WAIT_POLL_MS);
        return;
    }
    currentAction->finish();
    showPicture();
    dropPrefetchedImages();
}

SceneObject* makeMenuTabParent() {
    puzzle.menuTabParent = new SceneObject;
    return puzzle.menuTabParent;
}

void showMenuTab() {
    if (puzzle.menuTab) puzzle.menuTab->kill();
    puzzle.menuTab = new SceneObject;
    double left = MENU_TAB_X - theVideo->halfWidthAt(WORLD_DISTANCE);
    double top = theVideo->halfHeightAt(WORLD_DISTANCE);
    if (!theSettings->menuHidden) {
        puzzle.menuTab->setPosition(left, top - MENU_TAB_OPEN_Y, MENU_TAB_Z);
        puzzle.menuTab->loadModel(INTERFACE_ARCHIVE, "menu_open");
        puzzle.menuTab->loadModel(currentArchives().picture, "prev");
        puzzle.menuTab->setTracks(MENU_TAB_TRACKS);
        puzzle.menuTab->startTrack(MENU_TAB_SPIN);
    } else {
        puzzle.menuTab->setPosition(left, top - MENU_TAB_CLOSED_Y, MENU_TAB_Z);
        puzzle.menuTab->setRotation(-90, 0, 0);
        puzzle.menuTab->loadModel(INTERFACE_ARCHIVE, "menu");
    }
    puzzle.menuTabParent->addChild(puzzle.menuTab);
}

void menuTabSpinAction() {
    Action* action = currentAction;
    double t = action->finishAt(MENU_TAB_TIP_MS).t;
    double angle = MENU_TAB_TIP_ANGLE * t / MENU_TAB_TIP_MS;
    currentObject->turn(angle - action->applied.x, 0, 0);
    action->applied.x = angle;
}

void toggleMenuClick() {
    if (!currentClicked()) return;
    theSettings->menuHidden = !theSettings->menuHidden;
    showMenuTab();
}

void pieceGrabAction() {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    if (board.retireHeldPiece && piece == board.heldPiece) {
        board.retireHeldPiece = false;
        action->finish();
    }
    if (!currentClicked()) return;
    // The piece sent just before (keys and switches can follow a send in
    // the very next frame) has not retired yet: it does now, or this lift
    // would take its place as heldPiece and it would stay liftable.
    if (board.retireHeldPiece && board.heldPiece && board.heldPiece != piece) {
        for (Action& watcher : board.heldPiece->animator.actions)
            if (watcher.effect == pieceGrabAction) watcher.finish();
        board.retireHeldPiece = false;
    }
    theAudio->play(LIFT_SOUND, false);
    // heldShadow is there exactly while heldPiece is lifted (not yet sent).
    SceneObject* held = board.heldShadow ? board.heldPiece : nullptr;
    if (held && held != piece) held->move(0, 0, -LIFTED_PIECE_RISE); // let go: it sinks back
    if (held != piece) piece->move(0, 0, LIFTED_PIECE_RISE);
    SceneObject* shadow = new SceneObject;
    shadow->loadModel(currentArchives().shadows, std::to_string(action->number));
    piece->addChild(shadow);
    if (board.heldShadow) board.heldShadow->kill();
    board.heldShadow = shadow;
    board.heldPiece = piece;
    piece->startTrack(PIECE_PULSE);
}

void placeClickAction() {
    Action* action = currentAction;
    if (!currentClicked() || action->other != board.heldPiece) return;
    SceneObject* place = currentObject;
    SceneObject* piece = board.heldPiece;
    board.retireHeldPiece = true;
    theAudio->play(SEND_SOUND, false);
    double dx = piece->positionX() - place->positionX();
    double dy = piece->positionY() - place->positionY();
    Action& fly = piece->firstAction(PIECE_FLY);
    fly.goal = {place->positionX(), place->positionY(), 0};
    fly.speed = flightSpeed(std::sqrt(dx * dx + dy * dy));
    fly.other = board.heldShadow;
    piece->startTrack(PIECE_FLY);
    action->finish();
    board.placedCount += 1;
    board.heldShadow = nullptr;
}

void pieceLanded() {
    // A board that is being left (another picture, a restart, a size switch)
    // no longer completes: the flag would land on the wrong picture.
    if (board.placedCount == puzzle.pieceCount && !board.leaving) completePicture();
}

void completePicture() {
    theAudio->play(FANFARE_SOUND, false);
    setPictureFinished(puzzle.currentPicture, true);
    showPicture();
}
