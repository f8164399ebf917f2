// The game's spine: start-up, the main loop, one frame, shutdown.
#include "app/game_main.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/frame_redraw.h"
#include "app/language.h"
#include "app/still_rest.h"
#include "audio/audio_mixer.h"
#include "base/frame_clock.h"
#include "base/game_pad.h"
#include "base/input.h"
#include "base/photo_progress.h"
#include "base/platform.h"
#include "base/random.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "puzzle/board_focus.h"
#include "puzzle/puzzle_board.h"
#include "puzzle/scatter.h"
#include "resources/image_prefetch.h"
#include "resources/mesh.h"
#include "resources/pak_library.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"
#include "resources/procedural_texture.h"
#include "scene/action_track.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/start_screen.h"
#include "ui/click_tests.h"
#include "ui/focus_ring.h"

namespace {

constexpr const char* WINDOW_CAPTION = "meadow_mosaics";

// The scatter of the pieces differs from run to run: seeded once, before
// the entry point.
const bool randomSeeded = (seedRandom((unsigned)std::time(nullptr)), true);

// Before a lost display ends the process: the save under way, if any, ends.
void finishSavingBeforeExit() {
    finishSettingsWrites();
}

// No window could be opened: the first screen's pictures are still being
// decoded on a worker, and exit would unload the decoder under it.
void stopWorkersBeforeVideoExit() {
    finishSettingsWrites();
    stopPhotoPrefetch();
    dropPrefetchedImages();
}

// An archive that cannot be used: say where it was looked for or what is
// wrong with it, and end at once (see pak_library.h), the last save done.
// SceneObject::loadModel reports a damaged archive by its name.
void endOnArchiveFailure(const std::string& fileName) {
    finishSettingsWrites();
    std::string path = archivePath(fileName);
    if (!path.empty()) path = languageArchivePath(path, thePakLibrary.language);
    if (path.empty()) {
        std::fprintf(stderr, "Meadow Mosaics: cannot find the archive %s %s\n", fileName.c_str(),
                     archiveSearchText().c_str());
    } else {
        reportPakFailure(path);
    }
    std::_Exit(1);
}

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

// Under the child lock the game keeps the pointer and the keyboard while
// it has the focus (where the window system lets a program do so); it lets
// them go when the focus goes, so the desktop is never left stuck.
void grabWhileFocused(const SDL_Event& event) {
    if (!childLock || event.type != SDL_ACTIVEEVENT) return;
    if (!(event.active.state & SDL_APPINPUTFOCUS)) return;
    SDL_WM_GrabInput(event.active.gain ? SDL_GRAB_ON : SDL_GRAB_OFF);
}

} // namespace

bool startGame() {
    tuneMemoryAllocator();
    loadSettings();
    pakLocate = archivePath;
    if (pakOpenFailure == exitOnPakFailure) pakOpenFailure = endOnArchiveFailure;
    findFamilyPhotos();
    useEnvironmentLanguage();
    // The first screen's pictures decode on a worker while the window opens.
    prefetchArchiveImages(firstScreenArchives());
    preparePlatformEnvironment();
    beforeVideoFailureExit = stopWorkersBeforeVideoExit;
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
    // A narrow screen sees more round the board, so the pieces have room.
    theVideo->widenView(viewWideningFor((double)theVideo->width / theVideo->height));
    watchDisplayConnection(finishSavingBeforeExit);
    theRedraw.probeBackBuffer();
    openGamePad();
    resetFocusRing();
    focusRank = boardFocusRank;
    // Every clock starts from SDL's: an earlier run in this process may have
    // left frameTime ahead of it, and the first frame would then jump ahead.
    if (!frameClockSource) frameClockSource = SDL_GetTicks;
    tickFrameClock();
    setAudioSwitches(theSettings->soundOn, theSettings->musicOn);
    theAudio = new AudioMixer();
    SDL_WM_SetCaption(WINDOW_CAPTION, WINDOW_CAPTION);
    if (childLock && (SDL_GetAppState() & SDL_APPINPUTFOCUS)) SDL_WM_GrabInput(SDL_GRAB_ON);
    worldRoot = new SceneObject;
    theAudio->play(MUSIC_ENTRY, true);
    buildPersistentObjects();
    openFirstScreen();
    dropPrefetchedImages();
    return true;
}

void pollInput() {
    beginInputFrame();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        // The window shown again or uncovered: its pixels may be gone.
        if (event.type == SDL_VIDEOEXPOSE || event.type == SDL_ACTIVEEVENT) theRedraw.invalidate();
        recordEvent(event); // a quit request is not acted on
        grabWhileFocused(event);
    }
    takeFocusInput();
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
    // Before the picker's pass empties this frame's clickable objects.
    updateFocusRing();
    updatePicking();
    // A still screen leaves the cores free: the next board decodes now.
    if (theRedraw.lastKind == RedrawKind::Nothing) decodeNextBoardAhead();
    // Whatever this frame's effects changed goes to the file now.
    saveSettingsIfChanged();
}

void updatePicking() {
    thePicker.update();
    pickerLookedAt(mouseX, mouseY);
    if (thePicker.paintedX >= 0)
        theRedraw.spoil({thePicker.paintedX, thePicker.paintedY, thePicker.paintedX + 1,
                         thePicker.paintedY + 1});
}

void stepFrame() {
    pollInput();
    runFrame();
}

void runMainLoop() {
    while (!worldRoot->dead && !endRequested()) {
        stepFrame();
        restWhileStill();
    }
}

void shutdownGame() {
    saveSettingsIfChanged();
    finishSettingsWrites();
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
    closeGamePad();
    delete theVideo; // shuts SDL down
    theVideo = nullptr;
}

int gameMain() {
    catchEndSignals();
    // A second copy would overwrite the first one's progress with its own.
    if (!claimSettingsFolder()) {
        std::fprintf(stderr, "Meadow Mosaics is already running.\n");
        return 0;
    }
    if (!startGame()) return 1;
    runMainLoop();
    shutdownGame();
    releaseSettingsFolder();
    return 0;
}
