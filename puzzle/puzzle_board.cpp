// The puzzle screen, the board of one picture and the corner tab.
#include "puzzle/puzzle_board.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/input.h"
#include "base/random.h"
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

// One size of the puzzle: its count, spacing and how far its pieces reach
// round their centres.
struct PuzzleSize {
    int32_t pieces;
    double minDistance;
    PieceReach reach;
};

constexpr PuzzleSize PUZZLE_SIZES[2] = {
    {SMALL_PIECE_COUNT, 4.0, PIECE_REACH_20},
    {BIG_PIECE_COUNT, 2.5, PIECE_REACH_48},
};
const PuzzleSize* activeSize = &PUZZLE_SIZES[1];

// The visible ground at the board's depth, and whether this scatter keeps
// to it (it gives up on a screen too small for the pieces: see scatterPieces).
double groundHalfWidth = HUGE_VAL, groundHalfHeight = HUGE_VAL;
bool keepOnGround = false;

// One strip around the tray where pieces may start: x and y ranges.
struct ScatterStrip {
    int32_t xRange, xBase, yRange, yBase;
};

constexpr ScatterStrip SCATTER_STRIPS[4] = {
    {6, -20, 18, -15}, // left
    {6, 15, 27, -15},  // right
    {26, -13, 5, -14}, // bottom
    {18, -1, 5, 10},   // top
};

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

// Failed draws between two checks that a free spot is left at all.
constexpr int32_t JAM_CHECK_MISSES = 1000;
// Fresh starts of one scatter before it stops keeping to the visible ground.
constexpr int32_t GROUND_RESTARTS = 50;

// One range of a strip (first value `base`, `range` values) narrowed to
// the spots whose piece, reaching `reach` each way, stays within `half` of
// the middle; a range of 0 when none does.
void narrowRange(int32_t& base, int32_t& range, double reach, double half) {
    double first = std::max((double)base, std::ceil(reach - half));
    double last = std::min((double)(base + range - 1), std::floor(half - reach));
    range = last >= first ? (int32_t)(last - first) + 1 : 0;
    base = range > 0 ? (int32_t)first : base;
}

// The part of a strip whose spots keep the largest piece on the visible ground.
ScatterStrip narrowedStrip(const ScatterStrip& strip) {
    ScatterStrip seen = strip;
    narrowRange(seen.xBase, seen.xRange, activeSize->reach.x, groundHalfWidth);
    narrowRange(seen.yBase, seen.yRange, activeSize->reach.y, groundHalfHeight);
    return seen;
}

// The strip this scatter draws from: on the visible ground while it keeps to it.
ScatterStrip visibleStrip(const ScatterStrip& strip) {
    return keepOnGround ? narrowedStrip(strip) : strip;
}

// Whether every strip keeps some spots on the visible ground.
bool groundHoldsEveryStrip() {
    for (const ScatterStrip& strip : SCATTER_STRIPS) {
        ScatterStrip seen = narrowedStrip(strip);
        if (seen.xRange == 0 || seen.yRange == 0) return false;
    }
    return true;
}

// Whether any spot of the four strips keeps minScatterDistance from the
// first n spots (leaves candidateX, candidateY as they were).
bool anySpotFree(int32_t n) {
    int32_t keepX = puzzle.candidateX, keepY = puzzle.candidateY;
    bool found = false;
    for (const ScatterStrip& whole : SCATTER_STRIPS) {
        ScatterStrip strip = visibleStrip(whole);
        for (int32_t x = 0; x < strip.xRange && !found; ++x)
            for (int32_t y = 0; y < strip.yRange && !found; ++y) {
                puzzle.candidateX = strip.xBase + x;
                puzzle.candidateY = strip.yBase + y;
                found = candidateIsFree(n);
            }
    }
    puzzle.candidateX = keepX;
    puzzle.candidateY = keepY;
    return found;
}

// The count and spacing of one size.
void useSize(const PuzzleSize& size) {
    activeSize = &size;
    puzzle.pieceCount = size.pieces;
    puzzle.minScatterDistance = size.minDistance;
}

// The archive a bundled picture's board is built from in the chosen size:
// its finished picture, or its pieces.
const char* boardArchiveFor(int32_t picture) {
    PictureArchives archives = walkArchivesFor(picture, puzzle.pieceCount == BIG_PIECE_COUNT);
    return pictureFinished(picture) ? archives.picture : archives.pieces;
}

// Walk `step` pictures on, when the screen is still and the button (or its action) asks.
void switchPicture(InputAction key, int32_t step) {
    if (puzzle.boardBusy) return;
    if (!currentClicked() && !(dialogTop == nullptr && actionPressed(key))) return;
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
    activeSize = &PUZZLE_SIZES[1];
    groundHalfWidth = groundHalfHeight = HUGE_VAL;
    keepOnGround = false;
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
    return walkArchivesFor(puzzle.currentPicture, puzzle.pieceCount == BIG_PIECE_COUNT);
}

void selectPuzzleSize(int32_t mode) {
    if (mode != 0 && mode != 1) return;
    if (theSettings) theSettings->bigPuzzle = mode;
    useSize(PUZZLE_SIZES[mode]);
}

double pieceTargetX(int32_t layout, int32_t piece) {
    int size = theSettings->bigPuzzle == 1 ? BIG_PIECE_COUNT : SMALL_PIECE_COUNT;
    return pieceTargetFor(size, layout, piece).x;
}

double pieceTargetY(int32_t layout, int32_t piece) {
    int size = theSettings->bigPuzzle == 1 ? BIG_PIECE_COUNT : SMALL_PIECE_COUNT;
    return pieceTargetFor(size, layout, piece).y;
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
    if (theVideo)
        setScatterGround(theVideo->halfWidthAt(WORLD_DISTANCE - BOARD_DEPTH),
                         theVideo->halfHeightAt(WORLD_DISTANCE - BOARD_DEPTH));
    scatterPieces();
    int32_t layout = PICTURE_ROWS[cutRowOf(puzzle.currentPicture)].cutLayout;
    for (int32_t i = 0; i < puzzle.pieceCount; ++i) {
        int32_t n = i + 1;
        std::string name = std::to_string(n);
        SceneObject* piece = newModelObject(pieceArchive, name.c_str(), puzzle.scatterX[i],
                                            puzzle.scatterY[i], PIECE_START_DEPTH, true);
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

        SceneObject* place = newModelObject(placeArchive, name.c_str(), pieceTargetX(layout, i),
                                            pieceTargetY(layout, i), PLACE_DEPTH, true);
        place->addTrack();
        place->addAction(makeAction(0, placeClickAction, piece));
        place->startTrack(0);
        puzzle.board->addChild(place);
    }
}

void setScatterGround(double halfWidth, double halfHeight) {
    groundHalfWidth = halfWidth;
    groundHalfHeight = halfHeight;
}

void scatterPieces() {
    keepOnGround = groundHoldsEveryStrip();
    int32_t misses = 0, restarts = 0;
    for (int32_t i = 0; i < puzzle.pieceCount;) {
        randomScatterCandidate();
        if (!candidateIsFree(i)) {
            // The spots drawn so far can leave no free spot at all (with 48
            // pieces that happens now and then), and drawing on would never
            // end: start the whole scatter again.  A screen whose ground
            // cannot hold the pieces apart at all gets the whole strips.
            if (++misses % JAM_CHECK_MISSES == 0 && !anySpotFree(i)) {
                i = 0;
                if (++restarts == GROUND_RESTARTS) keepOnGround = false;
            }
            continue;
        }
        puzzle.scatterX[i] = puzzle.candidateX;
        puzzle.scatterY[i] = puzzle.candidateY;
        ++i;
    }
}

void randomScatterCandidate() {
    ScatterStrip strip = visibleStrip(SCATTER_STRIPS[randomBelow(4)]);
    puzzle.candidateX = randomBelow(strip.xRange) + strip.xBase;
    puzzle.candidateY = randomBelow(strip.yRange) + strip.yBase;
}

bool candidateIsFree(int32_t n) {
    for (int32_t j = 0; j < n; ++j) {
        int32_t dx = puzzle.scatterX[j] - puzzle.candidateX,
                dy = puzzle.scatterY[j] - puzzle.candidateY;
        if (std::sqrt((double)(dx * dx + dy * dy)) < puzzle.minScatterDistance) return false;
    }
    return true;
}

void leaveBoard() {
    if (!puzzle.board) return;
    puzzle.boardLeaving = true;
    puzzle.board->startTrack(0);
}

void prevPictureClick(void*) {
    switchPicture(ACTION_PREVIOUS_PICTURE, -1);
}

void nextPictureClick(void*) {
    switchPicture(ACTION_NEXT_PICTURE, 1);
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
