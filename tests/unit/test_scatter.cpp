// The scatter of a board's pieces: every board gets its spots, apart and
// inside the strips around the tray, even when the draws pack the strips
// so tightly that no free spot is left.
#include <gtest/gtest.h>

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
            int32_t dx = thePuzzle.scatterX[i] - thePuzzle.scatterX[j],
                    dy = thePuzzle.scatterY[i] - thePuzzle.scatterY[j];
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
            ASSERT_TRUE(inAStrip(thePuzzle.scatterX[i], thePuzzle.scatterY[i]))
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
        firstX[i] = thePuzzle.scatterX[i];
        firstY[i] = thePuzzle.scatterY[i];
    }
    std::srand(42);
    randomScatterCandidate();
    EXPECT_EQ(thePuzzle.candidateX, firstX[0]);
    EXPECT_EQ(thePuzzle.candidateY, firstY[0]);
    std::srand(42);
    scatterPieces();
    for (int32_t i = 0; i < thePuzzle.pieceCount; ++i) {
        EXPECT_EQ(thePuzzle.scatterX[i], firstX[i]);
        EXPECT_EQ(thePuzzle.scatterY[i], firstY[i]);
    }
}

} // namespace
