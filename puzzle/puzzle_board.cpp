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
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

namespace {

PuzzleRun puzzle; // the whole run's record; thePuzzle lets the others read it
BoardState board; // the current board's record; theBoard lets the others read it

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
    {SCREEN_ZOOM_IN, SCREEN_ZOOM_IN_MS + ZOOM_TRACK_SLACK_MS, screenZoomInAction, nullptr},
    {SCREEN_ZOOM_OUT, SCREEN_ZOOM_OUT_MS + ZOOM_TRACK_SLACK_MS, screenZoomOutAction, showPicture},
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
constexpr double SLACK = MOTION_TRACK_SLACK_MS;
constexpr TrackSpec PIECE_TRACKS[] = {
    {PIECE_GRAB, 0, pieceGrabAction, nullptr},
    {PIECE_PULSE, PIECE_PULSE_MS + SLACK, piecePulseAction, nullptr},
    {PIECE_INTRO, PIECE_INTRO_MS + SLACK, pieceIntroAction, nullptr},
    {PIECE_FLY, PIECE_FLY_MS + SLACK, pieceFlyAction, nullptr},
    {PIECE_SETTLE, PIECE_SETTLE_MS + SLACK, pieceSettleAction, pieceLanded},
    {PIECE_GLIDE, PIECE_GLIDE_MS + SLACK, pieceGlideAction, nullptr},
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
    thePicker.leftOut = nullptr;
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
    thePicker.leftOut = nullptr; // a carried piece goes with its board
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
        place->firstAction(PLACE_WATCH).number = n;
        place->startTrack(PLACE_WATCH);
        board.object->addChild(place);
        board.pieces[i] = {piece, place, PieceState::Loose};
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

SceneObject* boardPiece(int32_t i) {
    return i >= 0 && i < puzzle.pieceCount ? board.pieces[i].piece : nullptr;
}

SceneObject* boardPlace(int32_t i) {
    return i >= 0 && i < puzzle.pieceCount ? board.pieces[i].place : nullptr;
}

PieceState pieceState(int32_t i) {
    return i >= 0 && i < puzzle.pieceCount ? board.pieces[i].state : PieceState::Loose;
}

namespace {

// The board's piece transitions.  Each changes one piece's state and starts
// what shows it; nothing else writes a PieceRecord's state.

// Piece i is lifted (pressed, clicked or chosen): sound, glow, pulse; the
// piece lifted before lies loose again.
void liftPiece(int32_t i) {
    PieceRecord& record = board.pieces[i];
    SceneObject* piece = record.piece;
    theAudio->play(LIFT_SOUND, false);
    SceneObject* held = board.heldShadow ? board.heldPiece : nullptr;
    if (held && held != piece) {
        held->move(0, 0, -LIFTED_PIECE_RISE); // let go: it sinks back
        for (PieceRecord& other : board.pieces)
            if (other.piece == held) other.state = PieceState::Loose;
    }
    if (record.state == PieceState::Loose) {
        endPieceGlide(piece); // caught on its way down: it rises from where it is
        piece->move(0, 0, LIFTED_PIECE_RISE);
    }
    SceneObject* shadow = new SceneObject;
    shadow->loadModel(currentArchives().shadows, std::to_string(i + 1));
    piece->addChild(shadow);
    if (board.heldShadow) board.heldShadow->kill();
    board.heldShadow = shadow;
    board.heldPiece = piece;
    record.state = PieceState::Lifted;
    piece->startTrack(PIECE_PULSE);
}

// Window pixel (x, y) on the board's plane at height z (board units): the
// lifted pieces' plane unless told.
ScatterSpot pointerOnBoard(int x, int y, double z = LIFTED_PIECE_RISE) {
    Vec3 at = theVideo->pixelToPlane(x, y, WORLD_DISTANCE - BOARD_DEPTH - z);
    return {at.x, at.y};
}

// The pointer went down on piece i and stays down: keep where it took hold
// (on the piece as it lies now), in case it moves on.
void gripPiece(int32_t i) {
    SceneObject* piece = board.pieces[i].piece;
    ScatterSpot at = pointerOnBoard(thePointer.pressX, thePointer.pressY, piece->positionZ());
    board.grip = {i, piece->positionX() - at.x, piece->positionY() - at.y, piece->positionX(),
                  piece->positionY()};
}

// Lifted piece i starts to follow the pointer, face up at the lifted height.
void startCarry(int32_t i) {
    PieceRecord& record = board.pieces[i];
    endPieceMotions(record.piece);
    record.state = PieceState::Carried;
    thePicker.leftOut = record.piece; // the place under it must show through
}

// Piece i, carried, lies down loose at `spot` (board units), gliding there.
void dropAt(int32_t i, ScatterSpot spot) {
    PieceRecord& record = board.pieces[i];
    if (board.heldShadow) board.heldShadow->kill();
    board.heldShadow = nullptr;
    board.heldPiece = nullptr;
    board.grip = PieceGrip();
    thePicker.leftOut = nullptr;
    record.state = PieceState::Loose;
    Action& glide = record.piece->firstAction(PIECE_GLIDE);
    glide.goal = {spot.x, spot.y, 0};
    record.piece->startTrack(PIECE_GLIDE);
}

// Where a loose or lifted piece lies, or will once its glide ends.
ScatterSpot lyingSpot(const SceneObject* piece) {
    for (const Action& running : piece->animator.actions)
        if (!running.finished && running.effect == pieceGlideAction)
            return {running.goal.x, running.goal.y};
    return {piece->positionX(), piece->positionY()};
}

// Piece i (lifted or carried) flies to its place from where it is.
void sendHome(int32_t i) {
    PieceRecord& record = board.pieces[i];
    SceneObject* piece = record.piece;
    SceneObject* place = record.place;
    theAudio->play(SEND_SOUND, false);
    double dx = piece->positionX() - place->positionX();
    double dy = piece->positionY() - place->positionY();
    Action& fly = piece->firstAction(PIECE_FLY);
    fly.goal = {place->positionX(), place->positionY(), 0};
    fly.speed = flightSpeed(std::sqrt(dx * dx + dy * dy));
    fly.other = board.heldShadow;
    piece->startTrack(PIECE_FLY);
    // Sent, it answers nothing more: the picker looks through it, so it
    // hides no place it flies over, nor later the edges of its neighbours'.
    std::vector<DrawHookFn>& hooks = piece->drawHooks;
    hooks.erase(std::remove(hooks.begin(), hooks.end(), hookPickable), hooks.end());
    record.state = PieceState::Flying;
    board.placedCount += 1;
    board.heldShadow = nullptr;
    board.grip = PieceGrip();
    thePicker.leftOut = nullptr;
}

// Carried piece i is let go at the pointer: home when over its own place
// (`homeAllowed`), back where it was picked up when over the tray, else
// on the meadow where it is, as near as it may lie.
void letGo(int32_t i, bool homeAllowed) {
    PieceRecord& record = board.pieces[i];
    if (homeAllowed && thePicker.picked == record.place) {
        sendHome(i);
        return;
    }
    ScatterSpot pointer = pointerOnBoard(mouseX, mouseY);
    if (std::fabs(pointer.x) < SCATTER_TRAY.x && std::fabs(pointer.y) < SCATTER_TRAY.y) {
        dropAt(i, {board.grip.fromX, board.grip.fromY});
        return;
    }
    std::vector<ScatterSpot> others;
    for (int32_t j = 0; j < puzzle.pieceCount; ++j) {
        const PieceRecord& other = board.pieces[j];
        if (j != i && (other.state == PieceState::Loose || other.state == PieceState::Lifted))
            others.push_back(lyingSpot(other.piece));
    }
    ScatterSpot here = {record.piece->positionX(), record.piece->positionY()};
    dropAt(i, nearestFreeSpot(here, currentSize().reach, boardGround(), others));
}

// A frame of carried piece i: it follows the pointer until let go; a
// dialog, the board leaving or the window losing the pointer lay it down.
void carryPiece(int32_t i) {
    SceneObject* piece = board.pieces[i].piece;
    if (board.leaving || dialogTop) {
        letGo(i, false);
        return;
    }
    // Let go where the picker has not looked yet: one frame more under the
    // pointer, so the place the piece is let go over is the one it sees.
    bool looked = !pointerMoved || board.grip.piece < 0;
    if (!thePointer.down && looked) {
        letGo(i, true);
        return;
    }
    if (!thePointer.down) board.grip.piece = -1; // decided in the next frame
    ScatterSpot at = pointerOnBoard(mouseX, mouseY);
    piece->setPosition(at.x + board.grip.offsetX, at.y + board.grip.offsetY, piece->positionZ());
}

// The pointer went down on piece i and is still down: it becomes a carry
// once it has moved far enough; a release before that was a click.
void watchGrip(int32_t i) {
    if (!thePointer.down || !theVideo) {
        board.grip = PieceGrip();
        return;
    }
    double dx = mouseX - thePointer.pressX, dy = mouseY - thePointer.pressY;
    double reach = DRAG_START_SHARE * theVideo->height;
    if (dx * dx + dy * dy > reach * reach) {
        startCarry(i);
        carryPiece(i);
    }
}

bool sent(PieceState state) {
    return state == PieceState::Flying || state == PieceState::Placed;
}

} // namespace

void pieceGrabAction() {
    Action* action = currentAction;
    int32_t i = action->number - 1;
    PieceState state = board.pieces[i].state;
    if (sent(state)) {
        action->finish(); // sent: it is never lifted again
        return;
    }
    if (state == PieceState::Carried) {
        carryPiece(i);
        return;
    }
    // While another piece is carried, nothing else is lifted.
    if (!thePicker.leftOut && currentClicked()) {
        // A press that stays down may carry it (a tap, a key or the ring's
        // choice does not); where it took hold is seen before it rises.
        if (leftClicked && thePointer.down && !dialogTop) gripPiece(i);
        liftPiece(i);
        return;
    }
    if (board.grip.piece == i) watchGrip(i);
}

void placeClickAction() {
    Action* action = currentAction;
    int32_t i = action->number - 1;
    PieceState state = board.pieces[i].state;
    if (sent(state)) {
        action->finish(); // its piece is on its way: the place stops watching
        return;
    }
    if (currentClicked() && state == PieceState::Lifted) sendHome(i);
}

void pieceLanded() {
    for (PieceRecord& record : board.pieces)
        if (record.piece == currentObject) record.state = PieceState::Placed;
    // A board that is being left (another picture, a restart, a size switch)
    // no longer completes: the flag would land on the wrong picture.
    if (board.placedCount == puzzle.pieceCount && !board.leaving) completePicture();
}

void completePicture() {
    theAudio->play(FANFARE_SOUND, false);
    setPictureFinished(puzzle.currentPicture, true);
    showPicture();
}
