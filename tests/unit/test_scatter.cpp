// The scatter on every screen shape, with the camera the start-up gives
// it: every piece wholly on screen and off the tray, and no two pieces of a
// size that lies apart overlapping; 48 pieces as far apart as they go;
// landscape screens keep the 45 degree camera.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "base/random.h"
#include "puzzle/scatter.h"

namespace {

struct Shape {
    const char* name;
    double aspect;
};

constexpr Shape SHAPES[] = {{"9:16", 9.0 / 16},   {"3:4", 3.0 / 4},   {"4:3", 4.0 / 3},
                            {"16:10", 16.0 / 10}, {"16:9", 16.0 / 9}, {"21:9", 21.0 / 9}};

constexpr int SCATTERS = 60;

// Whether two pieces as large as `reach` overlap, centres `a` and `b`.
bool overlap(ScatterSpot a, ScatterSpot b, PieceReach reach) {
    return std::fabs(a.x - b.x) < 2 * reach.x - 1e-9 && std::fabs(a.y - b.y) < 2 * reach.y - 1e-9;
}

} // namespace

TEST(Scatter, PiecesLieOnScreenOffTheTrayAndApartOnEveryShape) {
    seedRandom(26);
    for (const Shape& shape : SHAPES) {
        ScatterGround ground = groundFor(shape.aspect, viewWideningFor(shape.aspect));
        for (const PuzzleSizeRow& size : PUZZLE_SIZES)
            for (int run = 0; run < SCATTERS; run++) {
                std::vector<ScatterSpot> spots = scatterSpots(size, ground);
                ASSERT_EQ((int)spots.size(), size.pieces);
                for (int i = 0; i < size.pieces; i++) {
                    ScatterSpot s = spots[(size_t)i];
                    ASSERT_LE(std::fabs(s.x) + size.reach.x, ground.halfWidth)
                        << shape.name << ", " << size.pieces << " pieces: piece " << i;
                    ASSERT_LE(std::fabs(s.y) + size.reach.y, ground.halfHeight)
                        << shape.name << ", " << size.pieces << " pieces: piece " << i;
                    bool offTray = std::fabs(s.x) - size.reach.x >= SCATTER_KEEP_OUT.x - 1e-9 ||
                                   std::fabs(s.y) - size.reach.y >= SCATTER_KEEP_OUT.y - 1e-9;
                    ASSERT_TRUE(offTray) << shape.name << ", " << size.pieces << ": piece " << i;
                    if (!size.keptApart) continue;
                    for (int j = 0; j < i; j++)
                        ASSERT_FALSE(overlap(s, spots[(size_t)j], size.reach))
                            << shape.name << ", " << size.pieces << " pieces: " << i << ", " << j;
                }
            }
    }
}

TEST(Scatter, LandscapeKeepsTheCameraAndNarrowScreensWidenIt) {
    for (double aspect : {16.0 / 10, 16.0 / 9, 21.0 / 9, 32.0 / 9})
        EXPECT_EQ(viewWideningFor(aspect), 1) << aspect;
    // Narrower screens need more, and the tray with its frame fits across.
    double before = 1;
    for (double aspect : {4.0 / 3, 1.0, 3.0 / 4, 9.0 / 16}) {
        double widening = viewWideningFor(aspect);
        EXPECT_GT(widening, before) << aspect;
        EXPECT_GE(groundFor(aspect, widening).halfWidth, SCATTER_KEEP_OUT.x) << aspect;
        before = widening;
    }
}

TEST(Scatter, ACrampedGroundStillGetsEveryPieceOnIt) {
    // Too small for even one slot round the tray: the pieces still start
    // (overlapping), each wholly on the ground.
    seedRandom(7);
    ScatterGround cramped = {14, 8};
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        std::vector<ScatterSpot> spots = scatterSpots(size, cramped);
        ASSERT_EQ((int)spots.size(), size.pieces);
        for (ScatterSpot s : spots) {
            EXPECT_LE(std::fabs(s.x) + size.reach.x, cramped.halfWidth + 1e-9);
            EXPECT_LE(std::fabs(s.y) + size.reach.y, cramped.halfHeight + 1e-9);
        }
    }
}

TEST(Scatter, FortyEightPiecesSpreadWhenTheyCannotLieApart) {
    // A ground with room for some 48-piece slots but not all: the leftovers
    // go where they overlap least, so no two share a centre.
    seedRandom(11);
    const PuzzleSizeRow& size = PUZZLE_SIZES[PUZZLE_SIZE_COUNT - 1];
    ScatterGround ground = groundFor(16.0 / 9, 0.8);
    ASSERT_LT(scatterRoom(size.reach, ground), size.pieces);
    std::vector<ScatterSpot> spots = scatterSpots(size, ground);
    for (size_t i = 0; i < spots.size(); i++)
        for (size_t j = 0; j < i; j++)
            EXPECT_GT(std::hypot(spots[i].x - spots[j].x, spots[i].y - spots[j].y), 0.5);
}

// A piece let go anywhere on the screen (on the tray, in a busy corner,
// half off the edge, over another piece) comes to lie on screen, off the
// tray and the corners and clear of the scatter's pieces, on every shape;
// let go where it already fits, it stays exactly there.
TEST(Scatter, APieceLetGoLiesNearestWhereItFitsOnEveryShape) {
    seedRandom(35);
    for (const Shape& shape : SHAPES) {
        ScatterGround ground = groundFor(shape.aspect, viewWideningFor(shape.aspect));
        for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
            if (!size.keptApart) continue;
            std::vector<ScatterSpot> others = scatterSpots(size, ground);
            ScatterSpot free = others.back();
            others.pop_back();
            PieceReach reach = size.reach;
            EXPECT_DOUBLE_EQ(nearestFreeSpot(free, reach, ground, others).x, free.x);
            for (double fx = -1.2; fx <= 1.2; fx += 0.2)
                for (double fy = -1.2; fy <= 1.2; fy += 0.2) {
                    ScatterSpot wanted = {fx * ground.halfWidth, fy * ground.halfHeight};
                    ScatterSpot at = nearestFreeSpot(wanted, reach, ground, others);
                    ASSERT_LE(std::fabs(at.x) + reach.x, ground.halfWidth) << shape.name;
                    ASSERT_LE(std::fabs(at.y) + reach.y, ground.halfHeight) << shape.name;
                    ASSERT_TRUE(std::fabs(at.x) >= SCATTER_KEEP_OUT.x + reach.x - 1e-9 ||
                                std::fabs(at.y) >= SCATTER_KEEP_OUT.y + reach.y - 1e-9)
                        << shape.name << " on the tray";
                    for (const ScreenCorner& corner : SCATTER_CORNERS) {
                        double x0 =
                            corner.left ? -ground.halfWidth : ground.halfWidth - corner.width;
                        bool inside = at.x + reach.x > x0 + 1e-9 &&
                                      at.x - reach.x < x0 + corner.width - 1e-9 &&
                                      at.y + reach.y > ground.halfHeight - corner.height + 1e-9;
                        ASSERT_FALSE(inside) << shape.name << " in a corner";
                    }
                    for (const ScatterSpot& other : others)
                        ASSERT_FALSE(overlap(at, other, reach)) << shape.name << " " << size.pieces;
                }
        }
    }
}
