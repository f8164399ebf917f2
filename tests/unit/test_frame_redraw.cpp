// Screen rectangles of meshes, from which the frame decides what to repaint:
// a box must map to the pixels it covers (with a small margin), clipped to
// the window, and a box reaching behind the eye must claim the whole window.
// Then the decision itself, without GL: nothing, a part, or the whole frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>

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

// No two rectangles of a part overlap (those pixels would be painted twice),
// and no change is left out when they are joined.
TEST(FrameRedraw, PartRectanglesStayApartAndCoverEveryChange) {
    auto covers = [](const std::vector<ScreenRect>& rects, const ScreenRect& r) {
        for (const ScreenRect& in : rects)
            if (in.x0 <= r.x0 && in.y0 <= r.y0 && r.x1 <= in.x1 && r.y1 <= in.y1) return true;
        return false;
    };
    auto apart = [](const std::vector<ScreenRect>& rects) {
        for (size_t a = 0; a < rects.size(); ++a)
            for (size_t b = a + 1; b < rects.size(); ++b)
                if (rectsTouch(rects[a], rects[b])) return false;
        return true;
    };
    std::vector<ScreenRect> rects;
    ScreenRect left = {0, 0, 10, 10}, right = {100, 0, 110, 10}, edge = {10, 0, 20, 10};
    addDisjointRect(rects, left);
    addDisjointRect(rects, right);
    addDisjointRect(rects, edge); // only meets `left` at its edge
    addDisjointRect(rects, ScreenRect{});
    EXPECT_EQ(rects.size(), 3u);
    // A bridge over two of them joins those two.
    ScreenRect bridge = {15, 5, 105, 6};
    addDisjointRect(rects, bridge);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(covers(rects, left) && covers(rects, right) && covers(rects, bridge));
    // A rectangle beside one and over another, whose joined box then
    // overlaps the first too.
    rects = {{0, 0, 10, 10}, {5, 20, 30, 30}};
    addDisjointRect(rects, ScreenRect{12, 5, 25, 25});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x0, 0);
    EXPECT_EQ(rects[0].y1, 30);

    // Many small changes: joined to the fewest pixels, near ones first.
    rects.clear();
    std::vector<ScreenRect> changes;
    for (int i = 0; i < 12; ++i)
        changes.push_back({i * 100, (i % 2) * 300, i * 100 + 30 + (i % 3), (i % 2) * 300 + 20});
    changes.push_back({0, 0, 5, 5}); // inside the first
    for (const ScreenRect& r : changes)
        addDisjointRect(rects, r);
    EXPECT_EQ(rects.size(), 12u);
    limitRects(rects, 8);
    EXPECT_EQ(rects.size(), 8u);
    EXPECT_TRUE(apart(rects));
    for (const ScreenRect& r : changes)
        EXPECT_TRUE(covers(rects, r)) << r.x0 << "," << r.y0;
    limitRects(rects, 1);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x1, changes[11].x1);
    EXPECT_EQ(rects[0].y1, 320);
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
    show(0);

    // Both meshes move: two rectangles, not the screen between them.
    record(-4);
    translation(right.savedMatrix, 2, 0, -100);
    redraw.recordNext();
    ASSERT_EQ(decideAt(64, part), RedrawKind::Part);
    ASSERT_EQ(redraw.partRects.size(), 2u);
    for (const ScreenRect& r : redraw.partRects)
        EXPECT_FALSE(rectsTouch(r, ScreenRect{950, 0, 970, 1080})); // the middle stays
    EXPECT_LT(part.x0, 950); // the box around them spans it
    EXPECT_GT(part.x1, 970);
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
        Mesh made; // made (and destroyed) elsewhere: the frame shows none of it
        record();
        EXPECT_EQ(decideAt(16, part), RedrawKind::Nothing);
    }
    // A shown mesh destroyed and another made at its address, where it was.
    right.~Mesh();
    new (&right) Mesh();
    setBox(right, 9, -1, 0, 11, 1, 0);
    record();
    EXPECT_EQ(decideAt(16, part), RedrawKind::Whole);
    // The backdrop's copy is not taken for it either.
    BackdropCopy copy;
    copy.valid = true;
    copy.meshes = {{&right, redraw.shown[1].serial, 0, {}}};
    std::copy(at, at + 16, copy.meshes[0].matrix);
    std::copy(projection, projection + 16, copy.projection);
    std::copy(VIEWPORT, VIEWPORT + 4, copy.viewport);
    right.backdrop = true;
    redraw.recordNext();
    EXPECT_FALSE(copy.matches(redraw.next, projection, VIEWPORT));
    copy.meshes[0].serial = right.serial;
    EXPECT_TRUE(copy.matches(redraw.next, projection, VIEWPORT));
    right.backdrop = false;
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
