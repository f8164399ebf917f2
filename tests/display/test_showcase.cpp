// A small scene driven the way the game drives itself: real pointer moves
// through SDL, stepFrame, a cursor object that follows the pointer, textured,
// procedural and blended meshes, and a pickable button under the cursor.
// With MEADOW_SCREENSHOT set to a path, the last frame is saved there as BMP.
#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

#include "app/game_main.h"
#include "base/input.h"
#include "base/video_context.h"
#include "display_fixture.h"
#include "resources/pak_library.h"
#include "resources/procedural_texture.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

constexpr double CURSOR_Z = 74; // 26 units in front of the eye

// The game's cursor rule: the pointer's place at 26 units from the eye.
void followPointerEffect() {
    double u = ((double)mouseX / theVideo->width - 0.5) * 2;
    double v = ((double)mouseY / theVideo->height - 0.5) * 2;
    double a = theVideo->halfWidthAt(-26) * u;
    double b = theVideo->halfHeightAt(-26) * v;
    currentObject->setPosition(-a, b, CURSOR_Z);
}

// The button leans while the pointer is on it.
void leanWhenPickedEffect() {
    currentObject->setRotation(0, thePicker.isCurrentPicked() ? 25 : 0, 0);
}

std::vector<uint8_t> checkerboard(int side, int cell) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            bool light = ((x / cell) + (y / cell)) % 2 == 0;
            rgb.insert(rgb.end(), {(uint8_t)(light ? 90 : 40), (uint8_t)(light ? 140 : 90),
                                   (uint8_t)(light ? 70 : 40)});
        }
    return rgb;
}

std::vector<uint8_t> solid(int side, std::initializer_list<uint8_t> colour) {
    std::vector<uint8_t> out;
    for (int i = 0; i < side * side; ++i)
        out.insert(out.end(), colour);
    return out;
}

void saveScreenshot(const char* path) {
    int w = theVideo->width, h = theVideo->height;
    SDL_Surface* shot =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    std::vector<uint8_t> rows((size_t)w * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    SDL_LockSurface(shot);
    for (int y = 0; y < h; ++y) // GL's rows run upwards
        std::copy_n(&rows[(size_t)(h - 1 - y) * w * 3], (size_t)w * 3,
                    (uint8_t*)shot->pixels + (size_t)y * shot->pitch);
    SDL_UnlockSurface(shot);
    SDL_SaveBMP(shot, path);
    SDL_FreeSurface(shot);
}

void pumpUntilMotion() {
    for (int tries = 0; tries < 50; ++tries) {
        SDL_PumpEvents();
        SDL_Event event;
        if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_MOUSEMOTION)) > 0) return;
        SDL_Delay(10);
    }
}

} // namespace

TEST(Showcase, TheCursorFollowsThePointerOverPickableButtons) {
    ensureVideo();
    resetEngine();
    resetInput();
    std::string pak = writeArchive({
        {"ground", buildModelEntry({quadMesh(-80, -45, 80, 45, 0, "grass")})},
        {"grass", makePng(64, 64, 3, checkerboard(64, 8))},
        {"button", buildModelEntry({quadMesh(-6, -6, 6, 6, 0.6, "sun")})},
        {"sun", makePng(4, 4, 3, solid(4, {250, 200, 40}))},
        {"panels", buildModelEntry({quadMesh(-60, 5, -30, 35, 1, "x#Plasma64x64,40,60,200"),
                                    quadMesh(30, 5, 60, 35, 1, "x#Fire64x64"),
                                    quadMesh(-25, -30, 25, 0, 2, "veil", true)})},
        {"veil", makePng(1, 1, 4, {120, 180, 255, 110})},
        {"cursor", buildModelEntry({quadMesh(0, -1.2, 0.8, 0, 0, "pink")})},
        {"pink", makePng(2, 2, 3, solid(2, {255, 0, 200}))},
    });
    SceneObject* root = new SceneObject;
    SceneObject* ground = new SceneObject;
    ground->loadModel(pak, "ground");
    root->addChild(ground);
    SceneObject* panels = new SceneObject;
    panels->loadModel(pak, "panels");
    root->addChild(panels);
    SceneObject* button = new SceneObject;
    button->setPosition(20, -20, 0);
    button->loadModel(pak, "button");
    button->addDrawHook(hookPickable);
    button->addAction(0, makeAction(0, leanWhenPickedEffect));
    button->startTrack(0);
    root->addChild(button);
    SceneObject* cursor = new SceneObject;
    cursor->setScale(0.8, 0.8, 0.8);
    cursor->loadModel(pak, "cursor");
    cursor->addAction(0, makeAction(0, followPointerEffect));
    cursor->startTrack(0);
    root->addChild(cursor);
    worldRoot = root;

    // Point at the button's centre: (20, -20) at 100 units from the eye.
    int px = (int)((20 / theVideo->halfWidthAt(100) + 1) / 2 * theVideo->width);
    int py = (int)((1 + 20 / theVideo->halfHeightAt(100)) / 2 * theVideo->height);
    SDL_WarpMouse((Uint16)px, (Uint16)py);
    pumpUntilMotion();
    for (int frame = 0; frame < 4; ++frame)
        stepFrame();
    EXPECT_EQ(mouseX, px);
    EXPECT_EQ(mouseY, py);
    EXPECT_EQ(thePicker.picked, button);

    // The cursor's tip lies at the pointer: just right of and below it is pink.
    renderScene(root);
    uint8_t pixel[3];
    readPixel(px + 4, py + 6, pixel);
    EXPECT_GT(pixel[0], 200);
    EXPECT_LT(pixel[1], 60);
    EXPECT_GT(pixel[2], 150);
    readPixel(px - 4, py - 4, pixel); // above-left of the tip: the button, not the cursor
    EXPECT_GT(pixel[1], 120);
    if (const char* path = std::getenv("MEADOW_SCREENSHOT")) saveScreenshot(path);

    root->kill();
    for (int frame = 0; frame < 5 && !root->dead; ++frame)
        stepFrame();
    EXPECT_TRUE(root->dead);
    delete root;
    worldRoot = nullptr;
    resetEngine();
    resetInput();
    EXPECT_EQ(thePakLibrary.openCount(), 0);
    EXPECT_EQ(theProceduralTextures.openCount(), 0);
}
