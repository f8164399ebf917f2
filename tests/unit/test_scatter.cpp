// The scatter of a board's pieces: every board gets its spots, apart and
// inside the strips around the tray, even when the draws pack the strips
// so tightly that no free spot is left, and on every screen shape from 4:3
// to 21:9 every piece lies wholly on the visible ground.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "puzzle/puzzle_board.h"

namespace {

// Inside one of the four strips of randomScatterCandidate.
bool inAStrip(int32_t x, int32_t y) {
    return (x >= -20 && x <= -15 && y >= -15 && y <= 2) ||
           (x >= 15 && x <= 20 && y >= -15 && y <= 11) ||
           (x >= -13 && x <= 12 && y >= -14 && y <= -10) ||
           (x >= -1 && x <= 16 && y >= 10 && y <= 14);
}

// Every pair of the board's spots is at least minScatterDistance apart.
bool spotsApart() {
    for (int32_t i = 0; i < thePuzzle.pieceCount; ++i)
        for (int32_t j = 0; j < i; ++j) {
            int32_t dx = theBoard.scatterX[i] - theBoard.scatterX[j],
                    dy = theBoard.scatterY[i] - theBoard.scatterY[j];
            if (dx * dx + dy * dy < thePuzzle.minScatterDistance * thePuzzle.minScatterDistance)
                return false;
        }
    return true;
}

TEST(Scatter, ManyBoardsOfBothSizesFinishApartAndInsideTheStrips) {
    resetPuzzleState();
    // glibc's generator from seed 1 packs the strips into a dead end (no
    // spot left for the next piece) within the first 6,000 48-piece boards;
    // drawing on from there never ends.
    std::srand(1);
    for (int board = 0; board < 6000; ++board) {
        scatterPieces();
        for (int32_t i = 0; i < thePuzzle.pieceCount; ++i)
            ASSERT_TRUE(inAStrip(theBoard.scatterX[i], theBoard.scatterY[i]))
                << "board " << board << " piece " << i;
        ASSERT_TRUE(spotsApart()) << "board " << board;
    }
    selectPuzzleSize(0);
    for (int board = 0; board < 500; ++board) {
        scatterPieces();
        ASSERT_TRUE(spotsApart()) << "20 pieces, board " << board;
    }
    resetPuzzleState();
}

TEST(Scatter, TheSpotsFollowTheDrawsWhileSpotsAreFree) {
    // The same generator state gives the same board: spots are the draws
    // that were free, in order.
    resetPuzzleState();
    std::srand(42);
    scatterPieces();
    int32_t firstX[MAX_PIECE_COUNT], firstY[MAX_PIECE_COUNT];
    for (int32_t i = 0; i < thePuzzle.pieceCount; ++i) {
        firstX[i] = theBoard.scatterX[i];
        firstY[i] = theBoard.scatterY[i];
    }
    std::srand(42);
    randomScatterCandidate();
    EXPECT_EQ(theBoard.candidateX, firstX[0]);
    EXPECT_EQ(theBoard.candidateY, firstY[0]);
    std::srand(42);
    scatterPieces();
    for (int32_t i = 0; i < thePuzzle.pieceCount; ++i) {
        EXPECT_EQ(theBoard.scatterX[i], firstX[i]);
        EXPECT_EQ(theBoard.scatterY[i], firstY[i]);
    }
}

// Half the visible height at the board's depth: 40 units from the eye
// under the game's 45 degree camera.
const double GROUND_HALF_HEIGHT = 40 * std::tan(22.5 * M_PI / 180);

TEST(Scatter, EveryPieceLiesWhollyOnScreenFromFourByThreeToTwentyOneByNine) {
    for (double aspect : {4.0 / 3, 16.0 / 10, 16.0 / 9, 64.0 / 27})
        for (int32_t mode : {0, 1}) {
            resetPuzzleState();
            selectPuzzleSize(mode);
            PieceReach reach = mode ? PIECE_REACH_48 : PIECE_REACH_20;
            double halfWidth = GROUND_HALF_HEIGHT * aspect;
            setScatterGround(halfWidth, GROUND_HALF_HEIGHT);
            std::srand(3);
            for (int board = 0; board < 300; ++board) {
                scatterPieces();
                ASSERT_TRUE(spotsApart()) << aspect << " board " << board;
                for (int32_t i = 0; i < thePuzzle.pieceCount; ++i) {
                    ASSERT_TRUE(inAStrip(theBoard.scatterX[i], theBoard.scatterY[i]));
                    ASSERT_LE(std::fabs(theBoard.scatterX[i]) + reach.x, halfWidth)
                        << "aspect " << aspect << ", " << thePuzzle.pieceCount << " pieces, board " << board;
                    ASSERT_LE(std::fabs(theBoard.scatterY[i]) + reach.y, GROUND_HALF_HEIGHT)
                        << "aspect " << aspect << ", " << thePuzzle.pieceCount << " pieces, board " << board;
                }
            }
        }
    resetPuzzleState();
}

TEST(Scatter, AScreenTooSmallForThePiecesStillGetsEveryPieceAStart) {
    // Ground that keeps no strip at all, and ground that keeps a sliver of
    // each strip, too small to hold 48 pieces apart: the scatter ends with
    // the whole strips rather than drawing for ever.
    for (double halfWidth : {10.0, 17.6}) {
        resetPuzzleState();
        setScatterGround(halfWidth, 12.4);
        std::srand(5);
        scatterPieces();
        EXPECT_TRUE(spotsApart());
        for (int32_t i = 0; i < thePuzzle.pieceCount; ++i)
            EXPECT_TRUE(inAStrip(theBoard.scatterX[i], theBoard.scatterY[i]));
    }
    resetPuzzleState();
}

} // namespace
