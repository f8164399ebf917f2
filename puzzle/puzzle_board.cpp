// The puzzle screen, the board of one picture and the corner tab.
#include "puzzle/puzzle_board.h"

#include <cmath>
#include <string>

#include "app/game_main.h"
#include "app/input.h"
#include "app/settings.h"
#include "base/random.h"
#include "app/video_context.h"
#include "puzzle/completion.h"
#include "puzzle/piece_play.h"
#include "resources/image_prefetch.h"
#include "scene/scene_object.h"
#include "screens/dialog_layer.h"

int32_t currentPicture = 0;
int32_t pieceCount = BIG_PIECE_COUNT;
double minScatterDistance = 2.5;
int32_t candidateX = 0, candidateY = 0;
int32_t scatterX[MAX_PIECE_COUNT], scatterY[MAX_PIECE_COUNT];
int32_t placedCount = 0;
SceneObject* heldPiece = nullptr;
SceneObject* heldShadow = nullptr;
SceneObject* puzzleScreen = nullptr;
SceneObject* board = nullptr;
bool boardBusy = false;
bool boardLeaving = false;
SceneObject* menuTabParent = nullptr;
SceneObject* menuTab = nullptr;

const char* const* pieceArchives = pieceArchives48;
const char* const* placeArchives = placeArchives48;
const char* const* pictureArchives = pictureArchivesAll;
const char* const* shadowArchives = shadowArchives48;

namespace {

// One size of the puzzle: its count, spacing and archive tables.
struct PuzzleSize {
    int32_t pieces;
    double minDistance;
    const char* const* pieceTable;
    const char* const* placeTable;
    const char* const* shadowTable;
};

constexpr PuzzleSize PUZZLE_SIZES[2] = {
    {SMALL_PIECE_COUNT, 4.0, pieceArchives20, placeArchives20, shadowArchives20},
    {BIG_PIECE_COUNT, 2.5, pieceArchives48, placeArchives48, shadowArchives48},
};

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

// Whether any spot of the four strips keeps minScatterDistance from the
// first n spots (leaves candidateX, candidateY as they were).
bool anySpotFree(int32_t n) {
    int32_t keepX = candidateX, keepY = candidateY;
    bool found = false;
    for (const ScatterStrip& strip : SCATTER_STRIPS)
        for (int32_t x = 0; x < strip.xRange && !found; ++x)
            for (int32_t y = 0; y < strip.yRange && !found; ++y) {
                candidateX = strip.xBase + x;
                candidateY = strip.yBase + y;
                found = candidateIsFree(n);
            }
    candidateX = keepX;
    candidateY = keepY;
    return found;
}

// Point the counts and the active tables at one size.
void useSize(const PuzzleSize& size) {
    pieceCount = size.pieces;
    minScatterDistance = size.minDistance;
    pieceArchives = size.pieceTable;
    placeArchives = size.placeTable;
    pictureArchives = pictureArchivesAll;
    shadowArchives = size.shadowTable;
}

// Walk `step` pictures on, when the screen is still and the button (or its key) asks.
void switchPicture(SDLKey key, int32_t step) {
    if (boardBusy) return;
    if (!currentClicked() && !(dialogTop == nullptr && keyPressed(key))) return;
    currentPicture = (currentPicture + step + PICTURE_TOTAL) % PICTURE_TOTAL;
    // The next board's images decode while this one leaves.
    bool done = theSettings->pictureDone[currentPicture] == 1;
    prefetchArchiveImages({done ? pictureArchives[currentPicture] : pieceArchives[currentPicture]});
    leaveBoard();
    showMenuTab();
}

} // namespace

void resetPuzzleState() {
    useSize(PUZZLE_SIZES[1]);
    currentPicture = 0;
    candidateX = candidateY = 0;
    for (int32_t i = 0; i < MAX_PIECE_COUNT; ++i)
        scatterX[i] = scatterY[i] = 0;
    placedCount = 0;
    heldPiece = heldShadow = nullptr;
    puzzleScreen = board = nullptr;
    boardBusy = false;
    boardLeaving = false;
    menuTabParent = menuTab = nullptr;
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
    puzzleScreen = new SceneObject;
    puzzleScreen->addTrack();
    puzzleScreen->addAction(makeAction(SCREEN_ZOOM_IN_MS, screenZoomInAction));
    puzzleScreen->addTrack();
    puzzleScreen->addAction(makeAction(SCREEN_ZOOM_OUT_MS, screenZoomOutAction));
    worldRoot->addChild(puzzleScreen);
    for (const ScreenPart& part : SCREEN_PARTS) {
        SceneObject* object =
            newModelObject(part.archive, part.model, part.x, part.y, part.z, part.click != nullptr);
        object->setRotation(-90, 0, 0);
        if (part.click) addMakeButtonTrack(object, part.click);
        puzzleScreen->addChild(object);
    }
}

void showPicture() {
    if (!puzzleScreen) return;
    if (board) board->kill();
    board = new SceneObject;
    puzzleScreen->addChild(board);
    heldShadow = nullptr;
    heldPiece = nullptr;
    boardLeaving = false;
    if (theSettings->pictureDone[currentPicture] == 1) {
        showFinishedPicture();
        return;
    }
    board->setPosition(0, 0, BOARD_DEPTH);
    board->addTrack();
    board->addAction(makeAction(-1, startBoardTrack1));
    board->addTrack();
    board->addAction(makeAction(-1, rebuildBoardAction));
    buildBoard();
}

void buildBoard() {
    placedCount = 0;
    resetPiecePlay();
    const char* pieceArchive = pieceArchives[currentPicture];
    const char* placeArchive = placeArchives[currentPicture];
    board->addChild(newModelObject(pieceArchive, TRAY_MODEL, 0, 0, TRAY_DEPTH, false));
    scatterPieces();
    int32_t layout = pictureCutLayout[currentPicture];
    for (int32_t i = 0; i < pieceCount; ++i) {
        int32_t n = i + 1;
        std::string name = std::to_string(n);
        SceneObject* piece = newModelObject(pieceArchive, name.c_str(), scatterX[i], scatterY[i],
                                            PIECE_START_DEPTH, true);
        piece->setRotation(-180, 0, 0);
        piece->addTrack();
        Action grab;
        grab.setTiming(0);
        grab.setEffect(pieceGrabAction, n, 0, 0, 0);
        piece->addAction(grab);
        piece->startTrack(0);
        piece->addTrack();
        piece->addAction(makeAction(PIECE_PULSE_MS, piecePulseAction));
        piece->addTrack();
        piece->addAction(makeAction(PIECE_INTRO_MS, pieceIntroAction));
        piece->startTrack(2);
        board->addChild(piece);

        SceneObject* place = newModelObject(placeArchive, name.c_str(), pieceTargetX(layout, i),
                                            pieceTargetY(layout, i), PLACE_DEPTH, true);
        place->addTrack();
        place->addAction(makeAction(0, placeClickAction, piece));
        place->startTrack(0);
        board->addChild(place);
    }
}

void scatterPieces() {
    int32_t misses = 0;
    for (int32_t i = 0; i < pieceCount;) {
        randomScatterCandidate();
        if (!candidateIsFree(i)) {
            // The spots drawn so far can leave no free spot at all (with 48
            // pieces that happens now and then), and drawing on would never
            // end: start the whole scatter again.
            if (++misses % JAM_CHECK_MISSES == 0 && !anySpotFree(i)) i = 0;
            continue;
        }
        scatterX[i] = candidateX;
        scatterY[i] = candidateY;
        ++i;
    }
}

void randomScatterCandidate() {
    const ScatterStrip& strip = SCATTER_STRIPS[randomBelow(4)];
    candidateX = randomBelow(strip.xRange) + strip.xBase;
    candidateY = randomBelow(strip.yRange) + strip.yBase;
}

bool candidateIsFree(int32_t n) {
    for (int32_t j = 0; j < n; ++j) {
        int32_t dx = scatterX[j] - candidateX, dy = scatterY[j] - candidateY;
        if (std::sqrt((double)(dx * dx + dy * dy)) < minScatterDistance) return false;
    }
    return true;
}

void leaveBoard() {
    if (!board) return;
    boardLeaving = true;
    board->startTrack(0);
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
    currentAction->finish();
    showPicture();
    dropPrefetchedImages();
}

SceneObject* makeMenuTabParent() {
    menuTabParent = new SceneObject;
    return menuTabParent;
}

void showMenuTab() {
    if (menuTab) menuTab->kill();
    menuTab = new SceneObject;
    double left = MENU_TAB_X - theVideo->halfWidthAt(100);
    double top = theVideo->halfHeightAt(100);
    if (!theSettings->menuHidden) {
        menuTab->setPosition(left, top - MENU_TAB_OPEN_Y, MENU_TAB_Z);
        menuTab->loadModel(INTERFACE_ARCHIVE, "menu_open");
        menuTab->loadModel(pictureArchives[currentPicture], "prev");
        menuTab->addTrack();
        menuTab->addAction(makeAction(MENU_TAB_SPIN_MS, menuTabSpinAction));
        menuTab->startTrack(0);
    } else {
        menuTab->setPosition(left, top - MENU_TAB_CLOSED_Y, MENU_TAB_Z);
        menuTab->setRotation(-90, 0, 0);
        menuTab->loadModel(INTERFACE_ARCHIVE, "menu");
    }
    menuTabParent->addChild(menuTab);
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
