// Loose pieces a child can see: on the board of the lightest picture (48
// pieces) and of the darkest one (20 pieces), every loose piece's outline
// stands out from the ground round it, and no loose piece reaches off the
// screen.  Measured from the pixels the game shows: the frame as it is, and
// the same frame with the pieces taken away (the ground alone).
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/video_context.h"
#include "game_driver.h"
#include "puzzle/puzzle_board.h"
#include "resources/mesh.h"
#include "scene/scene_object.h"

namespace {

constexpr int WALLS_MESH = 1;         // a piece's side walls run along its outline
constexpr double OUT_OF_SIGHT = -500; // behind the camera's far plane

// A piece's outline on the window (GL pixels), from its walls' top edge
// where the piece was last drawn.
std::vector<std::pair<double, double>> outlineOnScreen(SceneObject* piece) {
    const Mesh& walls = *piece->meshes[WALLS_MESH];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<std::pair<double, double>> points;
    for (int32_t v = 0; v < 3 * walls.triangleCount; ++v) {
        double p[3];
        std::memcpy(p, walls.positions + 24 * v, sizeof p);
        if (p[2] != 0) continue; // the wall's lower edge
        double x, y, z;
        gluProject(p[0], p[1], p[2], walls.savedMatrix, projection, viewport, &x, &y, &z);
        points.push_back({x, y});
    }
    return points;
}

struct PieceFigure {
    double contrast; // median over the outline of its clearest pixel against the ground
    double ground;   // mean luma of the ground under the outline
};

// How clearly the piece's outline stands out: at each outline point the
// pixel within one of the cut (across it) that differs most from the ground
// there; the median over the outline, so overlaps by neighbours do not count.
PieceFigure measure(const std::vector<std::pair<double, double>>& outline, const Shot& shown,
                    const Shot& ground) {
    std::vector<double> contrasts;
    double groundSum = 0;
    size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
        auto [x, y] = outline[i];
        auto [nx, ny] = outline[(i + 1) % n];
        double dx = nx - x, dy = ny - y, length = std::hypot(dx, dy);
        if (length == 0) continue;
        double best = 0;
        for (int k = -1; k <= 1; ++k) {
            int px = (int)std::lround(x + k * dy / length),
                py = (int)std::lround(y - k * dx / length);
            best = std::max(best, std::fabs(shown.luma(px, py) - ground.luma(px, py)));
        }
        contrasts.push_back(best);
        groundSum += ground.luma((int)std::lround(x), (int)std::lround(y));
    }
    std::nth_element(contrasts.begin(), contrasts.begin() + contrasts.size() / 2, contrasts.end());
    return {contrasts[contrasts.size() / 2], groundSum / (double)contrasts.size()};
}

void checkBoard(int picture, bool big) {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = big;
    startSession(true, &record);
    while (thePuzzle.currentPicture != picture) {
        pressKey(SDLK_RIGHT); // the ten come first in the walk
        step(4);              // the new board is built two frames on
    }
    waitMs(1800); // the pieces land
    queueMotion(2, 2);
    Shot shown = showWholeFrame();
    std::vector<std::vector<std::pair<double, double>>> outlines;
    for (int i = 0; i < thePuzzle.pieceCount; ++i) {
        outlines.push_back(outlineOnScreen(pieceOf(i)));
        pieceOf(i)->move(0, 0, OUT_OF_SIGHT);
    }
    Shot ground = showWholeFrame();

    PieceFigure weakest = {1e9, 0}, lightest = {0, -1}, darkest = {0, 1e9};
    for (int i = 0; i < thePuzzle.pieceCount; ++i) {
        bool onScreen = true;
        for (auto [x, y] : outlines[i])
            onScreen = onScreen && x >= 0 && x < shown.width && y >= 0 && y < shown.height;
        EXPECT_TRUE(onScreen) << "picture " << picture << ": piece " << i + 1
                              << " reaches off the screen";
        PieceFigure figure = measure(outlines[i], shown, ground);
        EXPECT_GE(figure.contrast, CLEAR_CONTRAST)
            << "picture " << picture << ": piece " << i + 1 << " hardly stands out";
        if (figure.contrast < weakest.contrast) weakest = figure;
        if (figure.ground > lightest.ground) lightest = figure;
        if (figure.ground < darkest.ground) darkest = figure;
    }
    std::printf("picture %d, %d pieces, %dx%d: outline contrast (luma steps) weakest %.0f; "
                "on the lightest ground (%.0f) %.0f; on the darkest ground (%.0f) %.0f\n",
                picture, thePuzzle.pieceCount, shown.width, shown.height, weakest.contrast,
                lightest.ground, lightest.contrast, darkest.ground, darkest.contrast);
    endSession();
}

} // namespace

TEST(PieceOutlines, LoosePiecesOfTheLightestPictureStandOutAndLieOnScreen) {
    checkBoard(6, true); // the beach, 48 pieces
}

TEST(PieceOutlines, LoosePiecesOfTheDarkestPictureStandOutAndLieOnScreen) {
    checkBoard(3, false); // the rocket in the night sky, 20 pieces
}
