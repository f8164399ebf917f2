// The puzzle screen, the board of one picture and the corner tab.
#include "puzzle/puzzle_board.h"

#include <algorithm>
#include <cmath>
#include <string>

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

PuzzleState puzzle; // the one record; thePuzzle lets the others read it

} // namespace

const PuzzleState& thePuzzle = puzzle;

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
    {"buttons.pak", "prev", -11.205, 1.237, 59.7, prevPictureClick},
    {"buttons.pak", "next", 11.297, 1.237, 59.7, nextPictureClick},
};

constexpr double SCREEN_ZOOM_IN_MS = 1300;
constexpr double SCREEN_ZOOM_OUT_MS = 1000;
constexpr double PHOTO_WAIT_POLL_MS = 15; // how often a board waiting for a photo looks again
constexpr double BOARD_DEPTH = 60;
constexpr double TRAY_DEPTH = -0.2;
constexpr double PLACE_DEPTH = -0.1;
constexpr double PIECE_START_DEPTH = -50;
constexpr double PIECE_PULSE_MS = 300;
constexpr double PIECE_INTRO_MS = 1400;
constexpr const char* TRAY_MODEL = "plase";

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

// The archive a bundled picture's board is built from in the chosen size:
// its finished picture, or its pieces.
const char* boardArchiveFor(int32_t picture) {
    PictureArchives archives = walkArchivesFor(picture, currentSize());
    return pictureFinished(picture) ? archives.picture : archives.pieces;
}

// Walk `step` pictures on, when the screen is still and the button (or its key) asks.
void switchPicture(SDLKey key, int32_t step) {
    if (puzzle.boardBusy) return;
    if (!currentClicked() && !(dialogTop == nullptr && keyPressed(key))) return;
    puzzle.currentPicture = nextInWalk(puzzle.currentPicture, step);
    puzzle.walkDirection = step;
    requestPictureImages(puzzle.currentPicture);
    // A bundled picture's board decodes while this one leaves, unless it was
    // decoded while this one rested (a photo is made by the photo worker).
    if (!isPhotoPicture(puzzle.currentPicture))
        prefetchArchiveImages({boardArchiveFor(puzzle.currentPicture)});
    leaveBoard();
    // A photo still being made gets its tab with its board.
    puzzle.tabWaiting = !pictureImagesReady(puzzle.currentPicture);
    if (puzzle.tabWaiting) return;
    puzzle.currentPicture = settleOnPicture(puzzle.currentPicture, step);
    showMenuTab();
}

} // namespace

void resetPuzzleState() {
    puzzle = PuzzleState();
}

void holdPiece(SceneObject* piece, SceneObject* shadow) {
    if (puzzle.heldShadow) puzzle.heldShadow->kill();
    puzzle.heldShadow = shadow;
    puzzle.heldPiece = piece;
}

void pieceSent() {
    puzzle.placedCount += 1;
    puzzle.heldShadow = nullptr;
}

void setBoardBusy(bool busy) {
    puzzle.boardBusy = busy;
}

void decodeNextBoardAhead() {
    if (!puzzle.puzzleScreen || !puzzle.board || puzzle.boardBusy || puzzle.boardLeaving ||
        puzzle.tabWaiting)
        return;
    int32_t next = nextInWalk(puzzle.currentPicture, puzzle.walkDirection);
    if (next == puzzle.decodedAhead || next == puzzle.currentPicture) return;
    puzzle.decodedAhead = next;
    if (isPhotoPicture(next)) {
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
    puzzle.puzzleScreen->addTrack();
    puzzle.puzzleScreen->addAction(makeAction(SCREEN_ZOOM_IN_MS, screenZoomInAction));
    puzzle.puzzleScreen->addTrack();
    puzzle.puzzleScreen->addAction(makeAction(SCREEN_ZOOM_OUT_MS, screenZoomOutAction));
    worldRoot->addChild(puzzle.puzzleScreen);
    for (const ScreenPart& part : SCREEN_PARTS) {
        SceneObject* object =
            newModelObject(part.archive, part.model, part.x, part.y, part.z, part.click != nullptr);
        object->setRotation(-90, 0, 0);
        if (part.click) addMakeButtonTrack(object, part.click);
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
    if (puzzle.board) puzzle.board->kill();
    puzzle.board = new SceneObject;
    puzzle.puzzleScreen->addChild(puzzle.board);
    puzzle.heldShadow = nullptr;
    puzzle.heldPiece = nullptr;
    puzzle.boardLeaving = false;
    puzzle.decodedAhead = -1;
    if (pictureFinished(puzzle.currentPicture)) {
        showFinishedPicture();
        return;
    }
    puzzle.board->setPosition(0, 0, BOARD_DEPTH);
    puzzle.board->addTrack();
    puzzle.board->addAction(makeAction(-1, startBoardTrack1));
    puzzle.board->addTrack();
    // Endless: it rebuilds once the pictures are ready, however many frames
    // a photo still being made takes.
    puzzle.board->addAction(makeAction(0, rebuildBoardAction));
    buildBoard();
}

void buildBoard() {
    puzzle.placedCount = 0;
    resetPiecePlay();
    PictureArchives archives = currentArchives();
    const char* pieceArchive = archives.pieces;
    const char* placeArchive = archives.places;
    puzzle.board->addChild(newModelObject(pieceArchive, TRAY_MODEL, 0, 0, TRAY_DEPTH, false));
    std::vector<ScatterSpot> spots = scatterSpots(currentSize(), boardGround());
    std::copy(spots.begin(), spots.end(), puzzle.scatter);
    int32_t layout = PICTURE_ROWS[cutRowOf(puzzle.currentPicture)].cutLayout;
    for (int32_t i = 0; i < puzzle.pieceCount; ++i) {
        int32_t n = i + 1;
        std::string name = std::to_string(n);
        SceneObject* piece = newModelObject(pieceArchive, name.c_str(), puzzle.scatter[i].x,
                                            puzzle.scatter[i].y, PIECE_START_DEPTH, true);
        piece->setRotation(-180, 0, 0);
        SceneObject* back = newPieceChild(PIECE_BACK_PREFIX, name);
        piece->addChild(back);
        piece->addChild(newPieceChild(PIECE_REST_PREFIX, name));
        piece->addTrack();
        Action grab;
        grab.setTiming(0);
        grab.setEffect(pieceGrabAction, n, 0, 0, 0);
        piece->addAction(grab);
        piece->startTrack(0);
        piece->addTrack();
        piece->addAction(makeAction(PIECE_PULSE_MS, piecePulseAction));
        piece->addTrack();
        piece->addAction(makeAction(PIECE_INTRO_MS, pieceIntroAction, back));
        piece->startTrack(2);
        puzzle.board->addChild(piece);

        TargetSpot target = pieceTargetFor(currentSize(), layout, i);
        SceneObject* place =
            newModelObject(placeArchive, name.c_str(), target.x, target.y, PLACE_DEPTH, true);
        place->addTrack();
        place->addAction(makeAction(0, placeClickAction, piece));
        place->startTrack(0);
        puzzle.board->addChild(place);
    }
}

ScatterGround boardGround() {
    if (!theVideo) return groundFor(WINDOWLESS_ASPECT, 1);
    double distance = WORLD_DISTANCE - BOARD_DEPTH;
    return {theVideo->halfWidthAt(distance), theVideo->halfHeightAt(distance)};
}

void leaveBoard() {
    if (!puzzle.board) return;
    puzzle.boardLeaving = true;
    puzzle.board->startTrack(0);
}

void prevPictureClick(void*) {
    switchPicture(SDLK_LEFT, -1);
}

void nextPictureClick(void*) {
    switchPicture(SDLK_RIGHT, 1);
}

void startBoardTrack1(void*) {
    currentAction->finish();
    currentObject->startTrack(1);
}

void rebuildBoardAction(void*) {
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
        puzzle.menuTab->addTrack();
        puzzle.menuTab->addAction(makeAction(MENU_TAB_SPIN_MS, menuTabSpinAction));
        puzzle.menuTab->startTrack(0);
    } else {
        puzzle.menuTab->setPosition(left, top - MENU_TAB_CLOSED_Y, MENU_TAB_Z);
        puzzle.menuTab->setRotation(-90, 0, 0);
        puzzle.menuTab->loadModel(INTERFACE_ARCHIVE, "menu");
    }
    puzzle.menuTabParent->addChild(puzzle.menuTab);
}

void menuTabSpinAction(void*) {
    Action* action = currentAction;
    double t = action->time < MENU_TAB_TIP_MS ? action->time : MENU_TAB_TIP_MS;
    double angle = MENU_TAB_TIP_ANGLE * t / MENU_TAB_TIP_MS;
    currentObject->turn(angle - action->d0, 0, 0);
    action->d0 = angle;
    if (action->time > MENU_TAB_TIP_MS) action->finish();
}

void toggleMenuClick(void*) {
    if (!currentClicked()) return;
    theSettings->menuHidden = !theSettings->menuHidden;
    showMenuTab();
}
