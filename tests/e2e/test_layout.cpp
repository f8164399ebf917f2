// Where the game's screens put things, measured on the window the game drew:
// every dialog and the board with its bar, on whatever screen this runs on
// (the suite runs it on 4:3, 16:9, 21:9 and a 9:16 portrait screen).  Whatever is drawn lies inside
// the window, a button grown under the pointer still stays clear of every other button, and the
// arrows and the bar leave the board free.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/game_main.h"
#include "base/video_context.h"
#include "game_driver.h"
#include "puzzle/puzzle_board.h"
#include "resources/mesh.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "ui/dialog_layer.h"

namespace {

constexpr double HOVER = 1.07; // buttons grow this much under the pointer
constexpr double SLACK = 1.0;  // pixels of rounding allowed at the window's edges
// Dialog art is cut from quads whose clear margins may reach a little past a
// 4:3 window's edges while all that shows stays inside.
constexpr double ART_MARGIN = 0.012; // of the window's height

struct Box {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9; // window pixels, y down
    double z0 = 1e9, z1 = -1e9;                      // window depth, 0 nearest
    bool empty() const { return x0 > x1; }
    void add(const Box& o) {
        x0 = std::min(x0, o.x0), y0 = std::min(y0, o.y0);
        x1 = std::max(x1, o.x1), y1 = std::max(y1, o.y1);
        z0 = std::min(z0, o.z0), z1 = std::max(z1, o.z1);
    }
    Box grown(double by) const {
        double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hw = (x1 - x0) / 2 * by,
               hh = (y1 - y0) / 2 * by;
        Box b;
        b.x0 = cx - hw, b.x1 = cx + hw, b.y0 = cy - hh, b.y1 = cy + hh;
        return b;
    }
};

bool overlap(const Box& a, const Box& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

// The window rectangle of an object's own meshes as last drawn.
Box meshBox(const SceneObject* object) {
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    Box box;
    for (const Mesh* mesh : object->meshes) {
        for (int v = 0; v < 3 * mesh->triangleCount; ++v) {
            double p[3];
            std::memcpy(p, mesh->positions + (size_t)v * sizeof p, sizeof p);
            GLdouble wx, wy, wz;
            if (!gluProject(p[0], p[1], p[2], mesh->savedMatrix, projection, viewport, &wx, &wy,
                            &wz))
                continue;
            Box point;
            point.x0 = point.x1 = wx;
            point.y0 = point.y1 = viewport[3] - wy;
            point.z0 = point.z1 = wz;
            box.add(point);
        }
    }
    return box;
}

// A button: clickable, and it grows under the pointer (one of its tracks
// holds the hover action).  Dialog art is clickable too, but stays still.
bool isButton(const SceneObject* object) {
    bool pickable = false;
    for (DrawHookFn hook : object->drawHooks)
        pickable = pickable || hook == hookPickable;
    if (!pickable) return false;
    for (const std::vector<Action>& track : object->tracks.spawns)
        for (const Action& action : track)
            if (action.effect == buttonHoverAction) return true;
    return false;
}

struct Drawn {
    std::string what;
    Box box;
    bool button;
};

// Every living object under root that has meshes (or only the buttons),
// except the subtrees left out.
void collect(SceneObject* root, const std::vector<SceneObject*>& leftOut, bool buttonsOnly,
             const std::string& path, std::vector<Drawn>& drawn) {
    for (size_t i = 0; i < root->children.size(); ++i) {
        SceneObject* child = root->children[i];
        if (child->dying || std::find(leftOut.begin(), leftOut.end(), child) != leftOut.end())
            continue;
        std::string name = path + "/" + std::to_string(i);
        if (!child->meshes.empty() && (isButton(child) || !buttonsOnly)) {
            Box box = meshBox(child);
            if (!box.empty()) drawn.push_back({name, box, isButton(child)});
        }
        collect(child, leftOut, buttonsOnly, name, drawn);
    }
}

void windowSize(int& width, int& height) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2], height = viewport[3];
}

// The screen as it stands: everything inside the window, buttons apart.
void checkLaidOut(const char* screen, const std::vector<Drawn>& drawn) {
    SCOPED_TRACE(screen);
    int width, height;
    windowSize(width, height);
    int buttons = 0;
    for (const Drawn& d : drawn) {
        SCOPED_TRACE(d.what);
        Box b = d.button ? d.box.grown(HOVER) : d.box;
        double slack = d.button ? SLACK : ART_MARGIN * height;
        EXPECT_GE(b.x0, -slack);
        EXPECT_GE(b.y0, -slack);
        EXPECT_LE(b.x1, width + slack);
        EXPECT_LE(b.y1, height + slack);
        if (!d.button) continue;
        ++buttons;
        for (const Drawn& other : drawn) {
            if (other.button && &other != &d) {
                EXPECT_FALSE(overlap(b, other.box)) << "grown, it covers " << other.what;
            }
        }
    }
    EXPECT_GT(buttons, 0) << "no button to press";
}

void settle() {
    queueMotion(1, 1); // the pointer rests in the corner
    waitMs(1800);
    step();
}

// A dialog once settled: its art and its buttons; and every page of the
// stack, the pages stepped back included, in front of the veil that hides
// the puzzle.
void settleAndCheck(const char* screen) {
    settle();
    ASSERT_NE(dialogTop, nullptr) << screen;
    if (const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR"))
        saveScreenshot(std::string(dir) + "/layout_" + screen + ".png");
    std::vector<Drawn> drawn;
    collect(dialogTop, {}, false, "", drawn);
    checkLaidOut(screen, drawn);

    Box veil = meshBox(blockPlane);
    ASSERT_FALSE(veil.empty()) << screen;
    std::vector<Drawn> pages;
    collect(dialogRoot, {}, false, "", pages);
    for (const Drawn& d : pages)
        EXPECT_LT(d.box.z1, veil.z0) << screen << ": " << d.what << " lies behind the veil";
}

// A button of the screen, found by what it does.
SceneObject* button(EffectFn effect) {
    return buttonRunning(worldRoot, effect);
}

void closeTopPage() {
    pressKey(SDLK_ESCAPE);
    waitMs(700);
}

} // namespace

TEST(Layout, EveryDialogFitsTheWindowWithItsButtonsApart) {
    startSession(true);
    settleAndCheck("welcome");
    pressKey(SDLK_RETURN);
    settleAndCheck("size");
    pressKey(SDLK_RETURN);
    waitMs(1800);

    ASSERT_TRUE(clickObject(button(showMainMenu)));
    settleAndCheck("main menu");
    ASSERT_TRUE(clickObject(button(showAboutDialog)));
    settleAndCheck("about");
    pressKey(SDLK_RETURN); // the about page answers Return only
    waitMs(700);
    ASSERT_TRUE(clickObject(button(menuSizeClick))); // the smallest size not chosen
    settleAndCheck("main menu, another size");
    ASSERT_TRUE(clickObject(button(showBreakAllDialog)));
    settleAndCheck("break all");
    closeTopPage();
    closeTopPage();

    ASSERT_TRUE(clickObject(button(showHelpDialog)));
    settleAndCheck("help");
    closeTopPage();
    ASSERT_TRUE(clickObject(button(showExitDialog)));
    settleAndCheck("exit");
    closeTopPage();
    ASSERT_TRUE(clickObject(button(showBreakDialog)));
    settleAndCheck("break");
    closeTopPage();
    endSession();
}

TEST(Layout, BarAndArrowsLeaveTheBoardFree) {
    Settings record;
    record.showWelcome = false;
    startSession(true, &record);
    for (bool tabOpen : {false, true}) {
        SCOPED_TRACE(tabOpen ? "tab open" : "tab closed");
        if (tabOpen) {
            ASSERT_TRUE(clickObject(button(toggleMenuClick)));
        }
        settle();
        // The board's buttons, the pieces and places left out: they are the board.
        std::vector<Drawn> drawn;
        collect(worldRoot, {theBoard.object}, true, "", drawn);
        checkLaidOut("bar", drawn);
        Box board;
        for (int i = 0; i < thePuzzle.pieceCount; ++i)
            board.add(meshBox(placeOf(i)));
        ASSERT_FALSE(board.empty());
        for (const Drawn& d : drawn) {
            EXPECT_FALSE(overlap(d.box.grown(HOVER), board)) << d.what << " covers the board";
        }
        // No loose piece lies over a button of the bar (nor the arrows).
        for (int i = 0; i < thePuzzle.pieceCount; ++i)
            for (const Drawn& d : drawn) {
                EXPECT_FALSE(overlap(meshBox(pieceOf(i)), d.box.grown(HOVER)))
                    << "piece " << i << " lies over " << d.what;
            }
        // The frame, the arrows and every loose piece lie wholly on screen.
        std::vector<Drawn> screen;
        collect(thePuzzle.puzzleScreen, {}, false, "", screen);
        int width, height;
        windowSize(width, height);
        for (const Drawn& d : screen) {
            EXPECT_GE(d.box.x0, -SLACK) << d.what;
            EXPECT_GE(d.box.y0, -SLACK) << d.what;
            EXPECT_LE(d.box.x1, width + SLACK) << d.what;
            EXPECT_LE(d.box.y1, height + SLACK) << d.what;
        }
    }
    endSession();
}

// The meadow behind everything is as sharp as its art on any screen, and
// keeps only the columns the screen can show: its texture, drawn stretched
// by uScale, still has a column for every pixel a half covers.
TEST(Layout, TheMeadowKeepsAColumnForEveryPixelItCovers) {
    Settings record;
    record.showWelcome = false;
    startSession(true, &record);
    settle();
    const SceneObject* meadow = nullptr;
    for (const SceneObject* child : worldRoot->children)
        if (!child->meshes.empty() && child->meshes[0]->backdrop) meadow = child;
    ASSERT_NE(meadow, nullptr);
    ASSERT_EQ(meadow->meshes.size(), 2u);
    double halfPixels = (meshBox(meadow).x1 - meshBox(meadow).x0) / 2;
    int width, height;
    windowSize(width, height);
    EXPECT_GT(halfPixels, width / 2.0); // more of it lies beyond the edges
    for (const Mesh* half : meadow->meshes) {
        GLint columns = 0;
        glBindTexture(GL_TEXTURE_2D, half->texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &columns);
        // A screen that shows at most half of each half (16:9 and narrower).
        if (width <= halfPixels) {
            EXPECT_GT(half->uScale, 1) << "the columns off screen were kept";
        }
        // A widened camera (a portrait screen) shows the meadow larger than
        // its art was drawn for: there it is only as sharp as the art.
        if (theVideo->viewWidening == 1) {
            EXPECT_GE(columns * half->uScale, halfPixels)
                << columns << " columns for " << halfPixels << " pixels on a " << width
                << " wide window";
        }
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    endSession();
}
