// The game's spine: start-up, the main loop, one frame, shutdown.
#include "app/game_main.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdlib>
#include <ctime>

#include "app/input.h"
#include "app/picking.h"
#include "app/platform.h"
#include "app/settings.h"
#include "app/video_context.h"
#include "audio/audio_mixer.h"
#include "resources/procedural_texture.h"
#include "scene/scene_object.h"

SceneObject* worldRoot = nullptr;

namespace {

constexpr const char* WINDOW_CAPTION = "meadow_mosaics";
constexpr const char* MUSIC_ENTRY = "music.wav";
constexpr float WORLD_DISTANCE = 100.0f; // the world root's origin, in front of the eye

// The scatter of the pieces differs from run to run: seeded once, before
// the entry point.
const bool randomSeeded = (std::srand((unsigned)std::time(nullptr)), true);

} // namespace

int randomBelow(int n) {
    return n > 0 ? std::rand() % n : 0;
}

void saveSettingsAndQuit() {
    saveSettings();
    if (worldRoot) worldRoot->kill();
}

bool startGame() {
    tuneMemoryAllocator();
    loadSettings();
    preparePlatformEnvironment();
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
    // Every clock starts from SDL's: an earlier run in this process may have
    // left frameTime ahead of it, and the first frame would then jump ahead.
    frameTime = SDL_GetTicks();
    theAudio = new AudioMixer();
    SDL_WM_SetCaption(WINDOW_CAPTION, WINDOW_CAPTION);
    worldRoot = new SceneObject;
    theAudio->play(MUSIC_ENTRY, true);
    buildPersistentObjects();
    openFirstScreen();
    return true;
}

void pollInput() {
    beginInputFrame();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        recordEvent(event); // a quit request is not acted on
}

void runFrame() {
    frameTime = SDL_GetTicks();
    theProceduralTextures.updateAll();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0, 0, -WORLD_DISTANCE);
    worldRoot->draw();
    Scene::drawDeferred(deferredMeshes);
    SDL_GL_SwapBuffers();
    thePicker.update();
}

void stepFrame() {
    pollInput();
    runFrame();
}

void runMainLoop() {
    while (!worldRoot->dead)
        stepFrame();
}

void shutdownGame() {
    delete worldRoot;
    worldRoot = nullptr;
    // The sounds go with their mixer, which gives their archives back: a
    // second start in the same process must not find the first one's.
    delete theAudio;
    theAudio = nullptr;
    delete theVideo; // shuts SDL down
    theVideo = nullptr;
}

int gameMain() {
    if (!startGame()) return 1;
    runMainLoop();
    shutdownGame();
    return 0;
}
