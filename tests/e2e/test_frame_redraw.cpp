// Painting only what changed must show exactly what painting everything
// shows: every frame of a stretch of real play (the pieces flying out to
// their places, many rectangles apart, the pointer sweeping over the board,
// a piece lifted, carried and flying home, a dialog opening) is
// read back and compared, pixel for pixel, with the same frame drawn whole
// from nothing.  Whole frames are compared too: they start from the kept
// copy of the meadow, which must be exact.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstring>
#include <vector>

#include "app/frame_redraw.h"
#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "game_driver.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"

namespace {

struct Comparison {
    int frames[3] = {};     // by RedrawKind
    int apartFrames = 0;    // parts painted in more than one rectangle
    int wrongFrames = 0;
    int worstPixels = 0;    // most wrong pixels in one frame
    int worstX = 0, worstY = 0; // one wrong pixel of that frame
};
Comparison seen;
std::vector<uint8_t> shownPixels, wholePixels;

void readBack(std::vector<uint8_t>& out) {
    out.resize((size_t)theVideo->width * theVideo->height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, theVideo->width, theVideo->height, GL_RGB, GL_UNSIGNED_BYTE, out.data());
}

// After each drawn frame: what the back buffer holds against a whole redraw.
void compareWithWhole() {
    ++seen.frames[(int)theRedraw.lastKind];
    if (theRedraw.lastKind == RedrawKind::Nothing) return;
    if (theRedraw.lastKind == RedrawKind::Part && theRedraw.partRects.size() > 1) ++seen.apartFrames;
    readBack(shownPixels);
    theRedraw.redrawShownWhole();
    readBack(wholePixels);
    int wrong = 0, firstWrong = -1;
    for (size_t i = 0; i < shownPixels.size(); i += 3)
        if (std::memcmp(&shownPixels[i], &wholePixels[i], 3) != 0) {
            if (firstWrong < 0) firstWrong = (int)(i / 3);
            ++wrong;
        }
    if (wrong == 0) return;
    ++seen.wrongFrames;
    if (wrong > seen.worstPixels) {
        seen.worstPixels = wrong;
        seen.worstX = firstWrong % theVideo->width;
        seen.worstY = firstWrong / theVideo->width;
    }
}

struct FrameRedrawPlay : testing::Test {
    void SetUp() override {
        Settings record;
        record.showWelcome = false;
        record.bigPuzzle = 1;
        startSession(true, &record);
        seen = Comparison();
    }
    void TearDown() override {
        theRedraw.onDrawn = nullptr;
        endSession();
    }
};

TEST_F(FrameRedrawPlay, PartsPaintedMatchTheWholeFrameThroughPlay) {
    ASSERT_TRUE(theRedraw.keepsBackBuffer) << "the software rasteriser keeps its back buffer";
    ASSERT_TRUE(theRedraw.keepsBackdrop);
    theRedraw.onDrawn = compareWithWhole;
    waitMs(2500); // the pieces fly out and land

    // The pointer sweeps across the board and the pieces under it pulse.
    for (int x = 100; x < theVideo->width - 100; x += 37)
        pointAtPixel(x, theVideo->height / 2 + (x % 200) - 100);
    // A piece lifted (its shadow: a new mesh, a whole frame), carried a
    // while, then sent to its place: it flies home in parts.
    ASSERT_TRUE(pointAt(pieceOf(5)));
    queueLeftClick();
    step();
    ASSERT_EQ(theBoard.heldPiece, pieceOf(5));
    for (int i = 0; i < 10; ++i)
        pointAtPixel(theVideo->width / 2 + 13 * i, theVideo->height / 3 + 7 * i);
    ASSERT_TRUE(clickObject(placeOf(5)));
    waitMs(1500);
    // A still pointer over a still board, for more than a second: the screen
    // already shows it.
    int before = seen.frames[(int)RedrawKind::Part] + seen.frames[(int)RedrawKind::Whole];
    waitMs(1200);
    int after = seen.frames[(int)RedrawKind::Part] + seen.frames[(int)RedrawKind::Whole];
    EXPECT_LE(after - before, 1); // at most the pick's pixel: no repaint for time alone
    // The exit dialog zooms in over everything.
    pressKey(SDLK_ESCAPE);
    waitMs(1200);

    EXPECT_GT(seen.frames[(int)RedrawKind::Part], 30);
    EXPECT_GT(seen.apartFrames, 10);
    EXPECT_GT(seen.frames[(int)RedrawKind::Whole], 0);
    EXPECT_TRUE(theRedraw.backdrop.valid) << "the frames started from the meadow's copy";
    EXPECT_EQ(seen.wrongFrames, 0) << "worst frame: " << seen.worstPixels
                                   << " pixels differ, one at " << seen.worstX << ","
                                   << seen.worstY;
}

TEST_F(FrameRedrawPlay, EveryFrameWholeWhenAskedOrTheWindowIsExposed) {
    waitMs(2500);
    theRedraw.onDrawn = compareWithWhole;
    step(5);
    EXPECT_EQ(seen.frames[(int)RedrawKind::Whole], 0);
    SDL_Event expose = {};
    expose.type = SDL_VIDEOEXPOSE;
    SDL_PushEvent(&expose);
    step();
    EXPECT_EQ(seen.frames[(int)RedrawKind::Whole], 1);
    redrawEveryFrame = true;
    step(5);
    redrawEveryFrame = false;
    EXPECT_EQ(seen.frames[(int)RedrawKind::Whole], 6);
    EXPECT_EQ(seen.wrongFrames, 0);
}

} // namespace
