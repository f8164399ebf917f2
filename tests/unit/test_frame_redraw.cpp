// Screen rectangles of meshes, from which the frame decides what to repaint:
// a box must map to the pixels it covers (with a small margin), clipped to
// the window, and a box reaching behind the eye must claim the whole window.
#include <gtest/gtest.h>

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

} // namespace
