// The art generator's own workshop: fonts, PNG output, the seeded random
// generator, quads, the triangulation and the jigsaw cuts.  These run on
// the generator's code directly, without the archives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "art/art_common.h"
#include "art/pieces_cut.h"

namespace {

// Colour type byte of a PNG's header (2 = RGB, 6 = RGBA) and its bit depth.
void pngKind(const std::vector<uint8_t>& png, int& colourType, int& bitDepth) {
    ASSERT_GT(png.size(), 33u);
    ASSERT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
    bitDepth = png[24];
    colourType = png[25];
}

bool pointInPolygon(const std::vector<Point2>& polygon, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point2 &a = polygon[i], &b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

} // namespace

TEST(ArtCore, TextIsSetInComicNeueAndLeavesInk) {
    ASSERT_TRUE(initArtFonts());
    EXPECT_EQ(loadedFontFamily(), "Comic Neue");
    Canvas canvas = makeCanvas(128, 64, true);
    useUnits(canvas, 4, 2);
    drawTextCentred(canvas.cr, "Hi!", {1.0, true, rgb(0xffcc00), rgb(0x3a2440), 0.05}, 2, 1);
    cairo_surface_flush(canvas.surface);
    const uint8_t* pixels = cairo_image_surface_get_data(canvas.surface);
    int stride = cairo_image_surface_get_stride(canvas.surface), inked = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 128; x++)
            inked += pixels[y * stride + x * 4 + 3] > 128;
    EXPECT_GT(inked, 100);
    freeCanvas(canvas);
}

TEST(ArtCore, CanvasesBecomeTruecolourPngs) {
    Canvas opaque = makeCanvas(16, 8, false), clear = makeCanvas(16, 8, true);
    int type = 0, depth = 0;
    pngKind(canvasPng(opaque), type, depth);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(depth, 8);
    pngKind(canvasPng(clear), type, depth);
    EXPECT_EQ(type, 6);
    EXPECT_EQ(depth, 8);
    freeCanvas(opaque);
    freeCanvas(clear);
    EXPECT_TRUE(isTextureSize(2048, 1024));
    EXPECT_FALSE(isTextureSize(4096, 1024));
    EXPECT_FALSE(isTextureSize(1000, 512));
}

TEST(ArtCore, RandomIsRepeatableAndInRange) {
    ArtRandom a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 1000; i++) {
        uint32_t x = a.next();
        EXPECT_EQ(x, b.next());
        differs |= x != c.next();
        double u = a.unit();
        b.unit();
        EXPECT_TRUE(u >= 0 && u < 1);
        int k = a.below(7);
        b.below(7);
        EXPECT_TRUE(k >= 0 && k < 7);
    }
    EXPECT_TRUE(differs);
    ArtRandom zero(0); // a zero seed must not stick at zero
    EXPECT_NE(zero.next() | zero.next(), 0u);
}

TEST(ArtCore, QuadsFaceTheWayTheirNormalsSay) {
    MeshBuild xy = makeMesh("t.png", defaultMaterial()), xz = makeMesh("t.png", defaultMaterial());
    addQuadXY(xy, -1, 1, -2, 2, 0.5);
    addQuadXZ(xz, -1, 1, -2, 2, -0.05);
    for (const MeshBuild* mesh : {&xy, &xz}) {
        ASSERT_EQ(triangleCount(*mesh), 2);
        for (int t = 0; t < 2; t++) {
            const double* p = &mesh->positions[t * 9];
            double ux = p[3] - p[0], uy = p[4] - p[1], uz = p[5] - p[2];
            double vx = p[6] - p[0], vy = p[7] - p[1], vz = p[8] - p[2];
            double cross[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
            const double* n = &mesh->normals[t * 9];
            EXPECT_GT(cross[0] * n[0] + cross[1] * n[1] + cross[2] * n[2], 0);
        }
    }
    // The top of the image (t = 0) is at the top of the quad in both planes.
    EXPECT_EQ(xy.texCoords[5], 0.0); // third vertex of the first triangle: (x1, y1)
    EXPECT_EQ(xy.positions[7], 2.0);
    EXPECT_EQ(xz.texCoords[5], 0.0);
    EXPECT_EQ(xz.positions[8], 2.0);
}

TEST(ArtCore, TriangulationCoversConcaveShapesEitherWayRound) {
    // A U shape, given counter-clockwise and then clockwise.
    std::vector<Point2> u = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    for (int pass = 0; pass < 2; pass++) {
        std::vector<Point2> triangles;
        ASSERT_TRUE(triangulate(u, triangles));
        double area = 0;
        for (size_t t = 0; t < triangles.size(); t += 3) {
            double a = polygonArea({triangles[t], triangles[t + 1], triangles[t + 2]});
            EXPECT_GT(a, 0);
            area += a;
        }
        EXPECT_NEAR(area, 7.0, 1e-12);
        std::reverse(u.begin(), u.end());
    }
    // Moving a square's outline outwards grows it by the expected strip.
    std::vector<Point2> square = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    EXPECT_NEAR(polygonArea(offsetOutline(square, 0.5)), 9.0, 1e-9);
    EXPECT_NEAR(polygonArea(offsetOutline(square, -0.5)), 1.0, 1e-9);
}

TEST(ArtCore, CutsAreRepeatableDistinctAndHoldTheirTargets) {
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        PuzzleCut cuts[CUT_LAYOUT_COUNT];
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            ASSERT_TRUE(makePuzzleCut(layout, size, cuts[layout]));
            PuzzleCut again;
            ASSERT_TRUE(makePuzzleCut(layout, size, again));
            ASSERT_EQ(again.pieces.size(), cuts[layout].pieces.size());
            for (size_t i = 0; i < again.pieces.size(); i++) {
                const PieceCut &a = cuts[layout].pieces[i], &b = again.pieces[i];
                ASSERT_EQ(a.outline.size(), b.outline.size());
                EXPECT_EQ(std::memcmp(a.outline.data(), b.outline.data(),
                                      a.outline.size() * sizeof(Point2)),
                          0);
                EXPECT_GT(polygonArea(a.outline), 0) << "outline must run counter-clockwise";
                EXPECT_TRUE(pointInPolygon(a.outline, a.target.x, a.target.y))
                    << "piece " << i + 1 << " of layout " << layout << " does not hold its target";
            }
        }
        // The layouts are cut differently: their middle edges are not the same curves.
        for (int a = 0; a < CUT_LAYOUT_COUNT; a++)
            for (int b = a + 1; b < CUT_LAYOUT_COUNT; b++) {
                int same = 0, tabbed = 0;
                for (size_t e = 0; e < cuts[a].edges.size(); e++) {
                    if (cuts[a].edges[e].size() == 2) continue; // the straight border
                    tabbed++;
                    same += cuts[a].edges[e].size() == cuts[b].edges[e].size() &&
                            std::memcmp(cuts[a].edges[e].data(), cuts[b].edges[e].data(),
                                        cuts[a].edges[e].size() * sizeof(Point2)) == 0;
                }
                EXPECT_GT(tabbed, 0);
                EXPECT_EQ(same, 0) << "layouts " << a << " and " << b;
            }
    }
}
