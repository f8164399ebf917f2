// Every child's hands: a tap that acts the first time, a whole picture with
// keys only, two switches through the dialogs, a game pad, and a focus ring
// that can be seen on the lightest and the darkest picture.  Real SDL
// events, the stepped clock; nothing waits on time but the pieces' flights.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/input.h"
#include "base/video_context.h"
#include "game_driver.h"
#include "puzzle/piece_play.h"
#include "resources/mesh.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "scene/picking.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "screens/size_dialog.h"
#include "ui/dialog_layer.h"
#include "ui/focus_ring.h"

namespace {

constexpr int STEP_LIMIT = 400; // presses before a walk is taken to be lost

// The window pixel of an object's origin (a piece's or place's middle),
// where its meshes were last drawn.
bool originOnScreen(SceneObject* object, int& x, int& y) {
    if (!object || object->meshes.empty()) return false;
    GLdouble projection[16], wx, wy, wz;
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (!gluProject(0, 0, 0, object->meshes[0]->savedMatrix, projection, viewport, &wx, &wy, &wz))
        return false;
    x = (int)wx;
    y = viewport[3] - (int)wy;
    return true;
}

// Pointer to the object's middle and a press and release, all in one
// frame: what a touch screen sends.  Two frames run.  (The middle, not the
// centre of its triangles: a place's tabs pull that towards a neighbour,
// whose placed piece may lie over it.)
void tap(SceneObject* object) {
    int x = 0, y = 0;
    ASSERT_TRUE(originOnScreen(object, x, y));
    ASSERT_TRUE(mouseX != x || mouseY != y) << "a tap comes from somewhere else";
    queueMotion(x, y);
    queueLeftClick();
    step(2);
}

// The index of a piece or place of the board, or -1.
int pieceIndex(const SceneObject* object) {
    for (int i = 0; i < thePuzzle.pieceCount; ++i)
        if (pieceOf(i) == object) return i;
    return -1;
}

Settings boardRecord(bool big) {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = big;
    return record;
}

// Counts every press it sends.
struct Presser {
    int count = 0;
    void press(SDLKey key) {
        pressKey(key);
        ++count;
    }
    // Step with `key` until the ring marks `wanted`.
    bool stepTo(SDLKey key, SceneObject* wanted) {
        for (int n = 0; n < STEP_LIMIT && theFocusRing.target != wanted; ++n)
            press(key);
        return theFocusRing.target == wanted;
    }
};

void pushPadEvent(const SDL_Event& event) {
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 0);
    step();
}

void padButton(Uint8 button) {
    SDL_Event event = {};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = button;
    event.jbutton.state = SDL_PRESSED;
    pushPadEvent(event);
}

void padHat(Uint8 value) {
    SDL_Event event = {};
    event.type = SDL_JOYHATMOTION;
    event.jhat.type = SDL_JOYHATMOTION;
    event.jhat.value = value;
    pushPadEvent(event);
    event.jhat.value = SDL_HAT_CENTERED;
    pushPadEvent(event);
}

} // namespace

TEST(Taps, WelcomeSizeCardAndAWholePictureByTapsAlone) {
    startSession(true);
    waitMs(700);
    tap(buttonRunning(dialogTop, closePageOnOk)); // the welcome's ok
    ASSERT_FALSE(theSettings->showWelcome);
    waitMs(1100); // the size cards glide in
    tap(sizeCard(dialogTop, 0));
    ASSERT_NE(thePuzzle.puzzleScreen, nullptr);
    EXPECT_EQ(thePuzzle.pieceCount, 20);
    waitMs(1500);
    for (int i = 0; i < thePuzzle.pieceCount; ++i) {
        tap(pieceOf(i));
        ASSERT_EQ(theBoard.heldPiece, pieceOf(i)) << "piece " << i;
        tap(placeOf(i));
        ASSERT_EQ(theBoard.placedCount, i + 1) << "piece " << i;
        waitMs(1300); // it flies home (over other places) and drops in
    }
    EXPECT_TRUE(
        waitUntil([] { return theSettings->pictureDone[thePuzzle.currentPicture] == 1; }, 3000));
    endSession();
}

TEST(Taps, AMouseClickOnAStillPointerActsInItsOwnFrame) {
    Settings record = boardRecord(false);
    startSession(true, &record);
    waitMs(1500);
    ASSERT_TRUE(pointAt(pieceOf(3)));
    queueLeftClick();
    step();
    EXPECT_EQ(theBoard.heldPiece, pieceOf(3));
    EXPECT_FALSE(pressWaiting);
    endSession();
}

TEST(FocusRing, TwentyPiecesWithTwoSwitchesSpaceAndReturn) {
    Settings record = boardRecord(false);
    startSession(true, &record);
    waitMs(1800);
    Presser keys;
    keys.press(SDLK_SPACE);
    ASSERT_TRUE(theFocusRing.shown);
    ASSERT_NE(theFocusRing.ring, nullptr);
    int lifts = 0;
    while (theBoard.placedCount < 20 && keys.count < 2000) {
        SceneObject* target = theFocusRing.target;
        ASSERT_NE(target, nullptr);
        int piece = theBoard.heldShadow ? pieceIndex(theBoard.heldPiece) : -1;
        if (piece < 0) {
            // No piece lifted: the ring walks loose pieces only.
            ASSERT_GE(pieceIndex(target), 0);
            keys.press(SDLK_RETURN);
            ASSERT_EQ(theBoard.heldPiece, target);
            ++lifts;
            continue;
        }
        if (target == placeOf(piece)) {
            int placed = theBoard.placedCount;
            keys.press(SDLK_RETURN);
            ASSERT_EQ(theBoard.placedCount, placed + 1);
            continue;
        }
        int placed = theBoard.placedCount;
        keys.press(SDLK_SPACE);
        EXPECT_EQ(theBoard.placedCount, placed); // walking past places sends nothing
    }
    EXPECT_EQ(theBoard.placedCount, 20);
    EXPECT_EQ(lifts, 20);
    EXPECT_TRUE(
        waitUntil([] { return theSettings->pictureDone[thePuzzle.currentPicture] == 1; }, 3000));
    std::printf("20 pieces with two switches (Space and Return): %d presses\n", keys.count);
    endSession();
}

TEST(FocusRing, AWrongPlaceDoesNothingAndShiftTabStepsBack) {
    Settings record = boardRecord(false);
    startSession(true, &record);
    waitMs(1800);
    pressKey(SDLK_SPACE);
    SceneObject* first = theFocusRing.target;
    pressKey(SDLK_SPACE);
    SceneObject* second = theFocusRing.target;
    EXPECT_NE(first, second);
    SDL_Event back = {};
    back.type = SDL_KEYDOWN;
    back.key.type = SDL_KEYDOWN;
    back.key.keysym.sym = SDLK_TAB;
    back.key.keysym.mod = KMOD_LSHIFT;
    ASSERT_EQ(SDL_PushEvent(&back), 0);
    step();
    EXPECT_EQ(theFocusRing.target, first);

    pressKey(SDLK_RETURN);
    int piece = pieceIndex(theBoard.heldPiece);
    ASSERT_GE(piece, 0);
    // A place that is not the piece's own: chosen, nothing happens.
    while (theFocusRing.target == placeOf(piece))
        pressKey(SDLK_SPACE);
    ASSERT_GE(pieceIndex(theBoard.heldPiece), 0);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(theBoard.placedCount, 0);
    EXPECT_NE(theBoard.heldShadow, nullptr);

    // The mouse moves: the ring goes, the pointer is back.
    queueMotion(40, 40);
    step(2);
    EXPECT_FALSE(theFocusRing.shown);
    EXPECT_EQ(theFocusRing.ring, nullptr);
    endSession();
}

TEST(FocusRing, TwoSwitchesThroughWelcomeSizePicturesMenuAndExit) {
    startSession(true);
    waitMs(700);
    Presser switches;
    switches.press(SDLK_SPACE); // the ring shows, on the welcome's default: its ok
    EXPECT_EQ(theFocusRing.target, pageDefaultButton(dialogTop));
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, buttonRunning(dialogTop, closePageOnOk)));
    switches.press(SDLK_RETURN);
    ASSERT_NE(dialogTop, nullptr); // the size page; Return chose nothing on it yet
    EXPECT_EQ(thePuzzle.puzzleScreen, nullptr);
    ASSERT_FALSE(theSettings->showWelcome);
    waitMs(1100);
    EXPECT_EQ(theFocusRing.target, pageDefaultButton(dialogTop)); // the new page's default
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, sizeCard(dialogTop, 1)));
    switches.press(SDLK_RETURN);
    ASSERT_NE(thePuzzle.puzzleScreen, nullptr);
    EXPECT_EQ(thePuzzle.pieceCount, 48);
    waitMs(1800);

    // The next picture's button, past every loose piece.
    ASSERT_TRUE(
        switches.stepTo(SDLK_SPACE, buttonRunning(thePuzzle.puzzleScreen, nextPictureClick)));
    switches.press(SDLK_RETURN);
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    waitMs(1800);

    // The main menu from the bar, and out through its close button.
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, buttonRunning(worldRoot, showMainMenu)));
    switches.press(SDLK_RETURN);
    ASSERT_NE(dialogTop, nullptr);
    SceneObject* menu = dialogTop;
    waitMs(700);
    EXPECT_NE(buttonRunning(menu, closePageOnCancel), nullptr);
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, buttonRunning(menu, closePageOnCancel)));
    switches.press(SDLK_RETURN);
    step(2);
    EXPECT_EQ(dialogTop, nullptr);

    // The bar's close button; the exit dialog's ring starts on its yes.
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, buttonRunning(worldRoot, showExitDialog)));
    switches.press(SDLK_RETURN);
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    EXPECT_EQ(theFocusRing.target, pageDefaultButton(dialogTop));
    ASSERT_TRUE(switches.stepTo(SDLK_SPACE, buttonRunning(dialogTop, exitConfirmClick)));
    switches.press(SDLK_RETURN);
    step(20);
    EXPECT_TRUE(worldRoot->dead);
    std::printf("welcome, size, next picture, menu and exit with two switches: %d presses\n",
                switches.count);
    endSession();
}

TEST(FocusRing, OnlyTheRingedCardGrowsWhileThePointerHides) {
    startSession(true);
    waitMs(700);
    tap(buttonRunning(dialogTop, closePageOnOk)); // the welcome's ok
    waitMs(1100);
    SceneObject* pointed = sizeCard(dialogTop, 1);
    ASSERT_TRUE(pointAt(pointed));
    waitMs(300);
    EXPECT_GT(pointed->scaleX(), 1); // it grows under the pointer
    Presser switches;
    switches.press(SDLK_SPACE); // the ring shows on the default card; the pointer hides
    SceneObject* ringed = theFocusRing.target;
    ASSERT_NE(ringed, pointed);
    waitMs(300);
    EXPECT_GT(ringed->scaleX(), 1);
    EXPECT_EQ(pointed->scaleX(), 1); // the hidden pointer marks nothing
    endSession();
}

TEST(FocusRing, PadMovesTheRingLiftsAPieceAndLeaves) {
    Settings record = boardRecord(false);
    startSession(true, &record);
    waitMs(1800);
    padHat(SDL_HAT_RIGHT); // the first direction only shows the ring
    ASSERT_TRUE(theFocusRing.shown);
    SceneObject* from = theFocusRing.target;
    ScreenBox before, after;
    ASSERT_TRUE(objectScreenBox(from, before));
    padHat(SDL_HAT_RIGHT);
    ASSERT_NE(theFocusRing.target, from);
    ASSERT_TRUE(objectScreenBox(theFocusRing.target, after));
    EXPECT_GT(after.centreX(), before.centreX());
    padHat(SDL_HAT_DOWN);
    ScreenBox below;
    ASSERT_TRUE(objectScreenBox(theFocusRing.target, below));
    EXPECT_GE(below.centreY(), after.centreY());

    SceneObject* marked = theFocusRing.target;
    ASSERT_GE(pieceIndex(marked), 0);
    padButton(0); // A
    EXPECT_EQ(theBoard.heldPiece, marked);
    EXPECT_NE(theBoard.heldShadow, nullptr);

    padButton(5); // the right shoulder: the next picture
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    waitMs(1800);
    padButton(1); // B: the exit dialog
    EXPECT_NE(dialogTop, nullptr);
    endSession();
}

namespace {

constexpr double BREATH_SETTLED_MS = 2000; // the ring rests again after a move

// Across the ring's band at points along its straight sides: at each, the
// pixel that differs most from the ground there.  Sorted, weakest first.
std::vector<double> ringContrasts(const ScreenBox& box, const Shot& shown, const Shot& ground) {
    double unit = theVideo->height / (2 * theVideo->halfHeightAt(FOCUS_RING_EYE_DEPTH));
    double margin = FOCUS_RING_MARGIN * unit, band = FOCUS_RING_BAND * unit;
    double corner = FOCUS_RING_CORNER_SIDE * unit;
    double left = box.left - margin, right = box.right + margin;
    double top = box.top - margin, bottom = box.bottom + margin;
    std::vector<double> found;
    auto across = [&](double x, double y, double dx, double dy) {
        double best = 0;
        for (double d = 0; d <= band; d += 1) {
            // Box rows count from the top, the read-back's from the bottom.
            int px = (int)(x + d * dx), py = shown.height - 1 - (int)(y + d * dy);
            best = std::max(best, std::fabs(shown.luma(px, py) - ground.luma(px, py)));
        }
        found.push_back(best);
    };
    for (double x = left + corner; x <= right - corner; x += 2) {
        across(x, top, 0, 1);
        across(x, bottom, 0, -1);
    }
    for (double y = top + corner; y <= bottom - corner; y += 2) {
        across(left, y, 1, 0);
        across(right, y, -1, 0);
    }
    std::sort(found.begin(), found.end());
    return found;
}

void checkRingContrast(int picture, bool big) {
    Settings record = boardRecord(big);
    startSession(true, &record);
    while (thePuzzle.currentPicture != picture) {
        pressKey(SDLK_LEFT);
        step(4);
    }
    waitMs(1800);
    queueMotion(2, 2);
    Shot ground = showWholeFrame();
    double weakest = 1e9, weakestMedian = 1e9;
    pressKey(SDLK_TAB);
    for (int k = 0; k < thePuzzle.pieceCount; k += 4) {
        while (theFocusRing.target != pieceOf(k))
            pressKey(SDLK_TAB);
        waitMs(BREATH_SETTLED_MS);
        ScreenBox box;
        ASSERT_TRUE(objectScreenBox(pieceOf(k), box));
        std::vector<double> contrasts = ringContrasts(box, showWholeFrame(), ground);
        ASSERT_FALSE(contrasts.empty());
        double median = contrasts[contrasts.size() / 2];
        double low = contrasts[contrasts.size() / 10];
        EXPECT_GE(median, CLEAR_CONTRAST) << "picture " << picture << ", piece " << k + 1;
        EXPECT_GE(low, CLEAR_CONTRAST) << "picture " << picture << ", piece " << k + 1;
        weakest = std::min(weakest, low);
        weakestMedian = std::min(weakestMedian, median);
    }
    std::printf("picture %d, %d pieces: the ring against the ground (luma steps): weakest "
                "median %.0f, weakest tenth %.0f\n",
                picture, thePuzzle.pieceCount, weakestMedian, weakest);
    endSession();
}

} // namespace

TEST(FocusRing, StandsOutOnTheLightestPicture) {
    checkRingContrast(6, true); // the beach, 48 pieces
}

TEST(FocusRing, StandsOutOnTheDarkestPicture) {
    checkRingContrast(3, false); // the rocket in the night sky, 20 pieces
}

// With MEADOW_SCREENSHOT_DIR set: the ring on a loose piece, on a place
// while a piece is lifted, and on a dialog's button.
TEST(FocusRing, SaveScreenshots) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    std::string folder = dir;
    Settings record = boardRecord(false);
    startSession(true, &record);
    waitMs(1800);
    pressKey(SDLK_TAB);
    pressKey(SDLK_TAB);
    waitMs(BREATH_SETTLED_MS);
    saveScreenshot(folder + "/focus_ring_piece.png");
    pressKey(SDLK_RETURN);
    int piece = pieceIndex(theBoard.heldPiece);
    ASSERT_GE(piece, 0);
    for (int n = 0; n < STEP_LIMIT && theFocusRing.target != placeOf(piece); ++n)
        pressKey(SDLK_TAB);
    waitMs(BREATH_SETTLED_MS);
    saveScreenshot(folder + "/focus_ring_place.png");
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    for (int n = 0;
         n < STEP_LIMIT && theFocusRing.target != buttonRunning(dialogTop, exitConfirmClick); ++n)
        pressKey(SDLK_TAB);
    waitMs(BREATH_SETTLED_MS);
    saveScreenshot(folder + "/focus_ring_dialog.png");
    endSession();
}
