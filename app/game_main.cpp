// The game's spine: start-up, the main loop, one frame, shutdown.
#include "app/game_main.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/frame_redraw.h"
#include "app/language.h"
#include "app/still_rest.h"
#include "audio/audio_mixer.h"
#include "base/frame_clock.h"
#include "base/input.h"
#include "base/photo_progress.h"
#include "base/platform.h"
#include "base/random.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "resources/image_prefetch.h"
#include "resources/mesh.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"
#include "resources/procedural_texture.h"
#include "scene/action_track.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/start_screen.h"

namespace {

constexpr const char* WINDOW_CAPTION = "meadow_mosaics";
constexpr const char* MUSIC_ENTRY = "music.wav";

// The scatter of the pieces differs from run to run: seeded once, before
// the entry point.
const bool randomSeeded = (seedRandom((unsigned)std::time(nullptr)), true);

// The family's photos: their folder made when missing, scanned (headers
// only) and the finished ones read; one line says where photos go.
void findFamilyPhotos() {
    std::string folder = settingsFolder();
    loadPhotoProgress(folder);
    std::string photos = folder.empty() ? "" : folder + PHOTO_FOLDER_NAME;
    if (!makePhotoFolder(photos)) photos = "";
    scanPhotoFolder(photos, thePhotoLibrary);
    if (photos.empty()) return;
    std::printf("meadow_mosaics: %d photos to play; put JPEG or PNG photos in %s\n",
                thePhotoLibrary.count(), printableFileName(photos).c_str());
    std::fflush(stdout);
}

} // namespace

bool startGame() {
    tuneMemoryAllocator();
    loadSettings();
    findFamilyPhotos();
    useEnvironmentLanguage();
    preparePlatformEnvironment();
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
    theRedraw.probeBackBuffer();
    // Every clock starts from SDL's: an earlier run in this process may have
    // left frameTime ahead of it, and the first frame would then jump ahead.
    if (!frameClockSource) frameClockSource = SDL_GetTicks;
    tickFrameClock();
    setAudioSwitches(theSettings->soundOn, theSettings->musicOn);
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
    while (SDL_PollEvent(&event)) {
        // The window shown again or uncovered: its pixels may be gone.
        if (event.type == SDL_VIDEOEXPOSE || event.type == SDL_ACTIVEEVENT) theRedraw.invalidate();
        recordEvent(event); // a quit request is not acted on
    }
}

void runFrame() {
    tickFrameClock();
    theProceduralTextures.updateAll();
    glLoadIdentity();
    glTranslatef(0, 0, -(float)WORLD_DISTANCE);
    resetActionDeadline();
    // The walk runs every action and records what it would draw; then only
    // what changed is painted (cleared first) and swapped.
    recordOpaqueMeshes = true;
    worldRoot->draw();
    recordOpaqueMeshes = false;
    theRedraw.finishFrame(frameTime);
    updatePicking();
}

void updatePicking() {
    thePicker.update();
    if (thePicker.paintedX >= 0)
        theRedraw.spoil({thePicker.paintedX, thePicker.paintedY, thePicker.paintedX + 1,
                         thePicker.paintedY + 1});
}

void stepFrame() {
    pollInput();
    runFrame();
}

void runMainLoop() {
    while (!worldRoot->dead) {
        stepFrame();
        restWhileStill();
    }
}

void shutdownGame() {
    dropPrefetchedImages();
    delete worldRoot;
    worldRoot = nullptr;
    // The photo's pictures go while the GL that holds them is still there.
    stopPhotoPrefetch();
    withdrawPhotoPictures(thePhotoLibrary);
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
