// Carrying pieces, as a child with a finger plays: pressed and moved, a
// piece follows the pointer; let go over its place it goes home, over the
// tray it goes back, on the meadow it lies there, clear of the rest.  A
// press that jitters a little is still a click, and nothing that ends a
// carry early (the pointer leaving the window, another picture, a dialog,
// the focus lost) leaves a piece stuck or lost.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/frame_redraw.h"
#include "app/synthetic_input.h"
#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "game_driver.h"
#include "puzzle/puzzle_board.h"
#include "puzzle/scatter.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

namespace {

constexpr int32_t SIX_PIECES = 2; // the settings code of the 6-piece size

void startSixPieces() {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = SIX_PIECES;
    startSession(true, &record);
    waitMs(1500); // the pieces fly in
    ASSERT_EQ(thePuzzle.pieceCount, 6);
}

// The window pixel over a board point (x, y) at the pieces' height.
void boardPixel(double x, double y, int& px, int& py) {
    static const double IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    double fx = 0, fy = 0;
    EXPECT_TRUE(theVideo->pixelOf(IDENTITY, {x, y, -BOARD_DISTANCE}, fx, fy));
    px = (int)std::lround(fx);
    py = (int)std::lround(fy);
}

// Press on piece i (the pointer on its spot), then move held in `moves`
// even steps to (toX, toY), a frame a step; the button stays down.
void pressAndCarry(int i, int toX, int toY, int moves = 5) {
    ASSERT_TRUE(pointAt(pieceOf(i)));
    int x0 = mouseX, y0 = mouseY;
    queueLeftPress();
    step();
    ASSERT_EQ(pieceState(i), PieceState::Lifted);
    for (int k = 1; k <= moves; ++k) {
        queueMotion(x0 + (toX - x0) * k / moves, y0 + (toY - y0) * k / moves);
        step();
    }
}

// Let the button go and give the piece its frames to decide and glide.
void release() {
    queueLeftRelease();
    step(2);
}

double distanceOnBoard(SceneObject* a, double x, double y) {
    return std::hypot(a->positionX() - x, a->positionY() - y);
}

// Whether piece i lies wholly on the screen, off the tray and clear of
// every other loose piece.
void expectLyingClear(int i) {
    SceneObject* piece = pieceOf(i);
    PieceReach reach = currentSize().reach;
    ScatterGround ground = boardGround();
    double x = piece->positionX(), y = piece->positionY();
    EXPECT_LE(std::fabs(x) + reach.x, ground.halfWidth + 1e-6);
    EXPECT_LE(std::fabs(y) + reach.y, ground.halfHeight + 1e-6);
    EXPECT_TRUE(std::fabs(x) >= SCATTER_KEEP_OUT.x + reach.x - 1e-6 ||
                std::fabs(y) >= SCATTER_KEEP_OUT.y + reach.y - 1e-6)
        << "on the tray at " << x << ", " << y;
    for (int j = 0; j < thePuzzle.pieceCount; ++j) {
        if (j == i || pieceState(j) != PieceState::Loose) continue;
        SceneObject* other = pieceOf(j);
        EXPECT_TRUE(std::fabs(other->positionX() - x) >= 2 * reach.x - 1e-6 ||
                    std::fabs(other->positionY() - y) >= 2 * reach.y - 1e-6)
            << "over piece " << j;
    }
}

} // namespace

TEST(PieceDrag, CarriedHomeItFollowsThePointerAndLandsOnItsPlace) {
    startSixPieces();
    SceneObject* piece = pieceOf(0);
    int px, py;
    ASSERT_TRUE(screenSpot(placeOf(0), px, py));
    pressAndCarry(0, px, py);
    EXPECT_EQ(pieceState(0), PieceState::Carried);
    // Carried, only what moved is painted (the lift's new glow was drawn whole).
    EXPECT_EQ(theRedraw.lastKind, RedrawKind::Part);
    // It keeps the spot it was held by under the pointer (as drawn a frame on).
    step();
    int sx, sy;
    ASSERT_TRUE(screenSpot(piece, sx, sy));
    EXPECT_LE(std::abs(sx - px), 3);
    EXPECT_LE(std::abs(sy - py), 3);
    int moves = playCount("puzzle_move.wav");
    release();
    EXPECT_EQ(pieceState(0), PieceState::Flying);
    EXPECT_EQ(theBoard.placedCount, 1);
    EXPECT_EQ(playCount("puzzle_move.wav"), moves + 1);
    EXPECT_EQ(thePicker.leftOut, nullptr);
    ASSERT_TRUE(waitUntil([] { return pieceState(0) == PieceState::Placed; }, 2000));
    EXPECT_DOUBLE_EQ(piece->positionX(), placeOf(0)->positionX());
    EXPECT_DOUBLE_EQ(piece->positionY(), placeOf(0)->positionY());
    EXPECT_DOUBLE_EQ(piece->positionZ(), 0);
    // Placed: a press on it lifts nothing.
    int ups = playCount("puzzle_up.wav");
    ASSERT_TRUE(screenSpot(piece, sx, sy));
    pointAtPixel(sx, sy);
    queueLeftClick();
    step();
    EXPECT_EQ(playCount("puzzle_up.wav"), ups);
    EXPECT_EQ(pieceState(0), PieceState::Placed);
}

TEST(PieceDrag, LetGoOnTheMeadowItLiesThereClearAndCanBeLiftedAgain) {
    startSixPieces();
    ScatterGround ground = boardGround();
    PieceReach reach = currentSize().reach;
    // Below the tray, in the middle: the meadow.
    double wantX = 0, wantY = -(ground.halfHeight - reach.y - 0.3);
    int px, py;
    boardPixel(wantX, wantY, px, py);
    pressAndCarry(1, px, py);
    release();
    EXPECT_EQ(pieceState(1), PieceState::Loose);
    EXPECT_EQ(theBoard.heldPiece, nullptr);
    waitMs(400); // the glide
    expectLyingClear(1);
    EXPECT_LT(distanceOnBoard(pieceOf(1), wantX, wantY), 4 * std::max(reach.x, reach.y));
    EXPECT_NEAR(pieceOf(1)->positionZ(), 0, 1e-9);

    // Let go right over another loose piece: it lies beside it instead.
    int ox, oy;
    ASSERT_TRUE(screenSpot(pieceOf(1), ox, oy));
    pressAndCarry(2, ox, oy);
    release();
    waitMs(400);
    expectLyingClear(2);
    expectLyingClear(1);

    // The board keeps the spot: a click there lifts it, a click on its place sends it.
    ASSERT_TRUE(clickObject(pieceOf(1)));
    EXPECT_EQ(pieceState(1), PieceState::Lifted);
    ASSERT_TRUE(clickObject(placeOf(1)));
    EXPECT_EQ(pieceState(1), PieceState::Flying);
}

TEST(PieceDrag, LetGoOverAWrongPlaceItGoesBackQuietly) {
    startSixPieces();
    SceneObject* piece = pieceOf(0);
    double x0 = piece->positionX(), y0 = piece->positionY();
    int px, py;
    ASSERT_TRUE(screenSpot(placeOf(3), px, py));
    pressAndCarry(0, px, py);
    size_t sounds = playedSounds.size();
    release();
    waitMs(400);
    EXPECT_EQ(playedSounds.size(), sounds); // no failure sound, nor any other
    EXPECT_EQ(pieceState(0), PieceState::Loose);
    EXPECT_EQ(theBoard.placedCount, 0);
    EXPECT_NEAR(piece->positionX(), x0, 1e-9);
    EXPECT_NEAR(piece->positionY(), y0, 1e-9);
    EXPECT_NEAR(piece->positionZ(), 0, 1e-9);
}

TEST(PieceDrag, APressThatJittersIsAClickAndAClickedPieceCanBeCarried) {
    startSixPieces();
    ASSERT_TRUE(pointAt(pieceOf(4)));
    int x0 = mouseX, y0 = mouseY;
    queueLeftPress();
    step();
    queueMotion(x0 + 3, y0 - 2);
    step();
    queueMotion(x0 - 2, y0 + 3);
    release();
    EXPECT_EQ(pieceState(4), PieceState::Lifted);
    EXPECT_EQ(theBoard.heldPiece, pieceOf(4));
    // Lifted by that click, it is carried home all the same.
    int px, py;
    ASSERT_TRUE(screenSpot(placeOf(4), px, py));
    pressAndCarry(4, px, py);
    EXPECT_EQ(pieceState(4), PieceState::Carried);
    release();
    EXPECT_EQ(pieceState(4), PieceState::Flying);
    // And click-then-click still sends another.
    ASSERT_TRUE(sendPiece(5));
    EXPECT_EQ(theBoard.placedCount, 2);
}

TEST(PieceDrag, NothingThatEndsACarryEarlyLeavesAPieceStuck) {
    startSixPieces();
    // The pointer leaves the window while held, and is let go out there.
    pressAndCarry(0, theVideo->width / 2, theVideo->height - 5);
    queueMotion(theVideo->width + 200, theVideo->height + 100);
    step();
    release();
    waitMs(400);
    EXPECT_EQ(pieceState(0), PieceState::Loose);
    expectLyingClear(0);

    // A dialog opens while a piece is carried (F1): it lies down loose.
    ScatterGround ground = boardGround();
    int px, py;
    boardPixel(-(ground.halfWidth - 3), -2, px, py);
    pressAndCarry(1, px, py);
    pressKey(SDLK_F1);
    step();
    EXPECT_NE(dialogTop, nullptr);
    EXPECT_EQ(pieceState(1), PieceState::Loose);
    EXPECT_EQ(thePicker.leftOut, nullptr);
    release();
    pressKey(SDLK_ESCAPE);
    waitMs(800);
    EXPECT_EQ(dialogTop, nullptr);
    expectLyingClear(1);

    // The window loses the focus mid-carry: the piece is let go.
    pressAndCarry(2, px, py - 40);
    EXPECT_EQ(pieceState(2), PieceState::Carried);
    ASSERT_TRUE(queueFocusLossEvent());
    step(2);
    waitMs(400);
    EXPECT_EQ(pieceState(2), PieceState::Loose);
    expectLyingClear(2);
}

TEST(PieceDrag, ThePictureChangingMidCarryLeavesNothingOnThePointer) {
    startSixPieces();
    int px, py;
    ASSERT_TRUE(screenSpot(placeOf(2), px, py));
    pressAndCarry(2, px / 2, py);
    SceneObject* oldBoard = theBoard.object;
    pressKey(SDLK_RIGHT);
    ASSERT_TRUE(waitUntil([&] { return theBoard.object != oldBoard; }, 1000));
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    EXPECT_EQ(thePicker.leftOut, nullptr);
    waitMs(1500);
    // Still held, moved and let go over the new board: nothing moves.
    std::vector<double> xs;
    for (int i = 0; i < 6; ++i)
        xs.push_back(pieceOf(i)->positionX());
    queueMotion(px, py);
    step();
    release();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pieceState(i), PieceState::Loose);
        EXPECT_EQ(pieceOf(i)->positionX(), xs[(size_t)i]);
    }
    EXPECT_EQ(theBoard.heldPiece, nullptr);
}

TEST(PieceDrag, ASixPiecePictureFinishedByCarryingAlone) {
    startSixPieces();
    for (int k = 0; k < 6; ++k) {
        int i = (k * 5) % 6;
        int px, py;
        ASSERT_TRUE(screenSpot(placeOf(i), px, py));
        pressAndCarry(i, px, py, 3);
        release();
        // The last one sent, the picture may complete as an earlier one lands.
        ASSERT_TRUE(pieceState(i) == PieceState::Flying || theSettings->pictureDone[0] == 1)
            << "piece " << i;
    }
    ASSERT_TRUE(waitUntil([] { return theSettings->pictureDone[0] == 1; }, 3000));
    EXPECT_EQ(playCount("final.wav"), 1);
}
