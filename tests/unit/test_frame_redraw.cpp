// Screen rectangles of meshes, from which the frame decides what to repaint:
// a box must map to the pixels it covers (with a small margin), clipped to
// the window, and a box reaching behind the eye must claim the whole window.
// Then the decision itself, without GL: nothing, a part, or the whole frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/frame_redraw.h"
#include "resources/mesh.h"

namespace {

constexpr GLint VIEWPORT[4] = {0, 0, 1920, 1080};

// gluPerspective(45, 16/9, 0.1, 250) as GL keeps it.
void perspective(GLdouble m[16]) {
    double f = 1 / std::tan(22.5 * M_PI / 180), aspect = 1920.0 / 1080, n = 0.1, far = 250;
    for (int i = 0; i < 16; ++i)
        m[i] = 0;
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (far + n) / (n - far);
    m[11] = -1;
    m[14] = 2 * far * n / (n - far);
}

void translation(GLdouble m[16], double x, double y, double z) {
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? 1 : 0;
    m[12] = x, m[13] = y, m[14] = z;
}

void setBox(Mesh& mesh, double x0, double y0, double z0, double x1, double y1, double z1) {
    mesh.triangleCount = 1;
    mesh.boundsMin[0] = x0, mesh.boundsMin[1] = y0, mesh.boundsMin[2] = z0;
    mesh.boundsMax[0] = x1, mesh.boundsMax[1] = y1, mesh.boundsMax[2] = z1;
}

TEST(FrameRedraw, MeshRectanglesCoverTheirPixelsWithinTheWindow) {
    GLdouble projection[16], modelview[16];
    perspective(projection);
    translation(modelview, 0, 0, -100);
    Mesh mesh;
    // 10 units each way at 100 from the eye: 10 / (100 tan 22.5deg) of half the height.
    setBox(mesh, -10, -10, 0, 10, 10, 0);
    ScreenRect r = meshScreenRect(mesh, modelview, projection, VIEWPORT);
    double half = 10 / (100 * std::tan(22.5 * M_PI / 180)) * 540;
    EXPECT_NEAR(r.x0, 960 - half, 3.5);
    EXPECT_NEAR(r.x1, 960 + half, 3.5);
    EXPECT_NEAR(r.y0, 540 - half, 3.5);
    EXPECT_NEAR(r.y1, 540 + half, 3.5);
    EXPECT_LE(r.x0, 960 - half); // the margin lies outside the exact box
    EXPECT_GE(r.y1, 540 + half);

    // Partly off the window: clipped to it.  Wholly off: empty.
    translation(modelview, 70, 0, -100);
    r = meshScreenRect(mesh, modelview, projection, VIEWPORT);
    EXPECT_EQ(r.x1, 1920);
    EXPECT_GT(r.x0, 960);
    translation(modelview, 500, 0, -100);
    EXPECT_TRUE(meshScreenRect(mesh, modelview, projection, VIEWPORT).empty());

    // A box reaching behind the eye may cover anything.
    setBox(mesh, -1, -1, -1, 1, 1, 200);
    r = meshScreenRect(mesh, modelview, projection, VIEWPORT);
    EXPECT_EQ(r.x0, 0);
    EXPECT_EQ(r.y1, 1080);

    // No triangles, no pixels.
    mesh.triangleCount = 0;
    EXPECT_TRUE(meshScreenRect(mesh, modelview, projection, VIEWPORT).empty());
}

TEST(FrameRedraw, RectangleUnionsAndOverlaps) {
    ScreenRect a = {0, 0, 10, 10}, b = {20, 5, 30, 8}, none = {};
    ScreenRect u = unionRect(a, b);
    EXPECT_EQ(u.x0, 0);
    EXPECT_EQ(u.x1, 30);
    EXPECT_EQ(u.y1, 10);
    EXPECT_EQ(unionRect(none, b).x0, 20); // an empty rectangle adds nothing
    EXPECT_FALSE(rectsTouch(a, b));
    EXPECT_TRUE(rectsTouch(u, b));
    EXPECT_FALSE(rectsTouch(a, ScreenRect{10, 0, 12, 10})); // edges that only meet
    EXPECT_FALSE(rectsTouch(none, a));
}

// A redraw that has shown two small meshes at 100 from the eye on a software
// rasteriser's window, as the game's loop leaves it after a whole frame.
class RedrawDecision : public ::testing::Test {
  protected:
    Mesh left, right;
    GLdouble projection[16], at[16];
    FrameRedraw redraw;

    void SetUp() override {
        perspective(projection);
        translation(at, 0, 0, -100);
        setBox(left, -11, -1, 0, -9, 1, 0);
        setBox(right, 9, -1, 0, 11, 1, 0);
        redraw.keepsBackBuffer = true;
        record();
        ScreenRect part;
        ASSERT_EQ(decideAt(0, part), RedrawKind::Whole); // nothing shown yet
        show(0);
    }
    void TearDown() override { recordedMeshes.clear(); }

    // This frame's walk: both meshes, `left` moved by dx.
    void record(double dx = 0) {
        recordedMeshes.clear();
        translation(left.savedMatrix, dx, 0, -100);
        std::copy(at, at + 16, right.savedMatrix);
        recordedMeshes = {&left, &right};
        redraw.recordNext();
    }
    RedrawKind decideAt(uint32_t ticks, ScreenRect& part) {
        return redraw.decide(ticks, projection, VIEWPORT, part);
    }
    // What finishFrame notes once it has drawn and swapped.
    void show(uint32_t ticks) {
        redraw.shown.swap(redraw.next);
        std::copy(projection, projection + 16, redraw.projection);
        std::copy(VIEWPORT, VIEWPORT + 4, redraw.viewport);
        redraw.seenMeshGeneration = meshGeneration;
        redraw.wholeTicks = ticks;
        redraw.damage = {};
        redraw.valid = true;
    }
};

TEST_F(RedrawDecision, AStillFrameDrawsNothingAndAMovedMeshOnlyItsPart) {
    ScreenRect part;
    record();
    EXPECT_EQ(decideAt(16, part), RedrawKind::Nothing);

    record(-2); // the left mesh moves left: where it was and where it is
    ASSERT_EQ(decideAt(32, part), RedrawKind::Part);
    ScreenRect before = redraw.shown[0].rect, now = redraw.next[0].rect;
    EXPECT_EQ(part.x0, now.x0);
    EXPECT_EQ(part.x1, before.x1);
    EXPECT_LT(part.x1, VIEWPORT[2] / 2); // the right mesh is not in it
    EXPECT_FALSE(rectsTouch(part, redraw.next[1].rect));
    show(0);

    // Pixels spoilt behind the frame's back (picking) are repainted too.
    record(-2);
    redraw.damage = {100, 100, 101, 101};
    ASSERT_EQ(decideAt(48, part), RedrawKind::Part);
    EXPECT_EQ(part.x0, 100);
    EXPECT_EQ(part.y1, 101);
}

TEST_F(RedrawDecision, WholeFramesWhenPartsCannotBeTrusted) {
    ScreenRect part;
    record();
    // A second gone: a still screen stays as it is, a change repaints it whole.
    EXPECT_EQ(decideAt(WHOLE_FRAME_EVERY_MS, part), RedrawKind::Nothing);
    record(-2);
    EXPECT_EQ(decideAt(WHOLE_FRAME_EVERY_MS, part), RedrawKind::Whole);
    record();
    redraw.wholeNext = true; // the window was exposed
    EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
    redraw.wholeNext = false;
    {
        Mesh made; // a mesh made (or destroyed) since
        record();
        EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
    }
    show(0);
    setBox(left, -70, -40, 0, 70, 40, 0); // grown to most of the screen, and moved
    record(-1);
    EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
    record();
    recordedMeshes.pop_back(); // another list of meshes
    redraw.recordNext();
    EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
    redraw.keepsBackBuffer = false; // a back buffer that loses its pixels
    record();
    EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
}

} // namespace
