// The monkey: the real game with the real art, played by seeded random
// clicks and keys for a given number of frames, in a sanitizer build.
//
// Every frame it may move the pointer somewhere, move it onto a clickable
// object and click it the frame after, click where it is, or press a key
// (Escape only now and then: Escape then Return leaves the game).  When the
// game ends through one of its own exits it is shut down, checked to hold
// no archive and no procedural texture, and started again on the same
// settings folder.  The game's exits (the exit dialog's yes, the menu's web
// links) are one click or one Return away on several screens, so a game
// would last a few hundred frames and most of the run would go on starting
// and stopping it: for its first GAME_FRAMES_BEFORE_EXIT frames the monkey
// clicks no button that ends the game and presses no Return that would
// (the focus ring's or the page's default button), and plays on instead.  AddressSanitizer stops
// any bad access, LeakSanitizer reports what was never freed at the end.  The game's clock is
// stepped by FRAME_STEP_MS a frame: the frames are played as fast as the machine draws them, and a
// seed plays the same game on a fast machine and a slow one.
//
//   monkey_tests [FRAMES [SEED]]    defaults: 20000 frames, seed 1
//
// Needs MEADOW_GAME_DIR (the normal build's game folder: the sanitizer build
// makes no art).  The browser stand-in keeps web-link buttons from starting
// anything.
#include <SDL/SDL.h>
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/frame_redraw.h"
#include "app/game_main.h"
#include "app/synthetic_input.h"
#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "resources/mesh.h"
#include "resources/pak_library.h"
#include "resources/procedural_texture.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/web_links.h"
#include "ui/dialog_layer.h"
#include "ui/focus_state.h"
#include "tests/support/stepped_clock.h"

namespace {

constexpr int DEFAULT_FRAMES = 20000;
constexpr uint32_t FRAME_STEP_MS = 16; // the game's clock from one frame to the next

// Keys the game knows, and some it does not; Escape is drawn separately.
constexpr SDLKey KEYS[] = {SDLK_RETURN, SDLK_RIGHT, SDLK_LEFT, SDLK_SPACE, SDLK_UP,
                           SDLK_DOWN,   SDLK_F1,    SDLK_TAB,  SDLK_a,     SDLK_1};
constexpr int ESCAPE_ONE_IN = 100; // of the key presses: a quit every few thousand frames
constexpr int GAME_FRAMES_BEFORE_EXIT = 1500; // a game's frames before its exits may be taken

// The buttons that end the game.
constexpr EffectFn EXIT_EFFECTS[] = {exitConfirmClick, openHomePageClick};

// What a frame does, in percent.
constexpr int IDLE = 30, MOVE = 30, TARGET = 22, CLICK = 8; // the rest: a key

std::mt19937 rng;
int failures = 0;
bool exitsOpen = false; // the game has lasted long enough to be left

int below(int n) {
    return (int)(rng() % (unsigned)n);
}

// Queued through the game's own synthetic input; a full queue is only noted.
void noteFull(bool queued) {
    if (!queued) std::fprintf(stderr, "monkey: the event queue is full\n");
}

void queueMotion(int x, int y) {
    noteFull(queueMotionEvent(x, y));
}

void queueClick() {
    noteFull(queueLeftClickEvents());
}

void queueKey(SDLKey key) {
    noteFull(queueKeyEvent(key));
}

bool endsGame(const SceneObject* object) {
    if (!object) return false;
    for (const Action& action : object->animator.actions)
        for (EffectFn effect : EXIT_EFFECTS)
            if (action.effect == effect && !action.finished) return true;
    return false;
}

// `wanted` if it is a living object of the tree under `object`: the game's
// pointers to objects (the pick, the ring's mark, the top page) may
// outlive what they named, so they are found before being followed.
const SceneObject* living(const SceneObject* object, const SceneObject* wanted) {
    if (!object || !wanted || object->dying) return nullptr;
    if (object == wanted) return object;
    for (const SceneObject* child : object->children)
        if (const SceneObject* found = living(child, wanted)) return found;
    return nullptr;
}

// Whether `object` or a living object under it ends the game.
bool holdsExit(const SceneObject* object) {
    if (!object || object->dying) return false;
    if (endsGame(object)) return true;
    for (const SceneObject* child : object->children)
        if (holdsExit(child)) return true;
    return false;
}

// Every living object that can be clicked, in drawing order.
void collectClickable(SceneObject* object, std::vector<SceneObject*>& out) {
    if (object->dying) return;
    for (DrawHookFn hook : object->drawHooks)
        if (hook == hookPickable && !object->meshes.empty() && (exitsOpen || !endsGame(object))) {
            out.push_back(object);
            break;
        }
    for (SceneObject* child : object->children)
        collectClickable(child, out);
}

// Whether a click now, or Return now, could end the game.
bool clickMayExit() {
    return endsGame(living(worldRoot, thePicker.picked));
}
bool returnMayExit() {
    return (theFocusRing.shown && endsGame(living(worldRoot, theFocusRing.target))) ||
           holdsExit(living(worldRoot, dialogTop));
}

// One frame's worth of monkey business, queued before the frame runs.
void actOnce(bool& clickNext) {
    if (clickNext) {
        if (exitsOpen || !clickMayExit()) queueClick();
        clickNext = false;
        return;
    }
    int roll = below(100);
    if (roll < IDLE) return;
    roll -= IDLE;
    if (roll < MOVE) {
        queueMotion(below(theVideo->width), below(theVideo->height));
        return;
    }
    roll -= MOVE;
    if (roll < TARGET) {
        std::vector<SceneObject*> clickable;
        collectClickable(worldRoot, clickable);
        int x, y;
        if (!clickable.empty() && objectScreenSpot(clickable[below((int)clickable.size())], x, y)) {
            queueMotion(x, y);
            clickNext = true; // once the picker has seen the pointer there
        }
        return;
    }
    roll -= TARGET;
    if (roll < CLICK) {
        if (exitsOpen || !clickMayExit()) queueClick();
        return;
    }
    SDLKey key = below(ESCAPE_ONE_IN) == 0 ? SDLK_ESCAPE : KEYS[below((int)std::size(KEYS))];
    if (key == SDLK_RETURN && !exitsOpen && returnMayExit()) key = SDLK_ESCAPE;
    queueKey(key);
}

// After a shutdown the game must hold no archive and no procedural texture.
void expectNothingHeld(const char* when) {
    if (thePakLibrary.openCount() != 0) {
        std::fprintf(stderr, "FAIL (%s): archives still open:\n%s", when,
                     thePakLibrary.describe().c_str());
        ++failures;
    }
    if (theProceduralTextures.openCount() != 0) {
        std::fprintf(stderr, "FAIL (%s): %d procedural textures still held\n", when,
                     theProceduralTextures.openCount());
        ++failures;
    }
    if (!deferredMeshes.empty()) {
        std::fprintf(stderr, "FAIL (%s): blended meshes still queued\n", when);
        ++failures;
    }
}

// A folder with an xdg-open that does nothing, first on PATH.
std::string installBrowserStandIn(const std::string& folder) {
    std::string script = folder + "/xdg-open";
    std::ofstream(script) << "#!/bin/sh\nexit 0\n";
    chmod(script.c_str(), 0755);
    const char* path = std::getenv("PATH");
    setenv("PATH", (folder + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    return script;
}

// Libraries the window system loads with the window and unloads again at
// every shutdown (Mesa's rasteriser among them): what little they keep for
// good would show in the leak report under no library name at all, where no
// suppression can reach it.  Pinned after the first start, they keep their
// names.
int pinLibrary(dl_phdr_info* info, size_t, void*) {
    if (info->dlpi_name && info->dlpi_name[0] != 0)
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

void pinLoadedLibraries() {
    dl_iterate_phdr(pinLibrary, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : DEFAULT_FRAMES;
    unsigned seed = argc > 2 ? (unsigned)std::atoi(argv[2]) : 1u;
    rng.seed(seed);
    std::srand(seed);
    const char* gameDir = std::getenv("MEADOW_GAME_DIR");
    if (!gameDir || chdir(gameDir) != 0 || access("interface_my.pak", R_OK) != 0) {
        std::fprintf(stderr, "monkey: MEADOW_GAME_DIR must name a game folder with its archives\n");
        return 2;
    }
    char pattern[] = "/tmp/meadow_monkey_XXXXXX";
    if (!mkdtemp(pattern)) return 2;
    std::string scratch = pattern;
    setenv("XDG_DATA_HOME", scratch.c_str(), 1);
    installBrowserStandIn(scratch);

    int starts = 0, clicksQueued = 0;
    int drawn[3] = {}; // frames that drew nothing, a part, the whole
    installSteppedClock(FRAME_STEP_MS);
    startGame();
    ++starts;
    pinLoadedLibraries();
    bool clickNext = false;
    int gameFrames = 0;
    for (int frame = 0; frame < frames; ++frame) {
        exitsOpen = ++gameFrames > GAME_FRAMES_BEFORE_EXIT;
        bool clicking = clickNext;
        actOnce(clickNext);
        clicksQueued += clicking;
        advanceSteppedClock();
        stepFrame();
        ++drawn[(int)theRedraw.lastKind];
        if (worldRoot->dead) {
            shutdownGame();
            resetInput();
            expectNothingHeld("after a game ended");
            if (below(3) == 0) std::filesystem::remove_all(scratch + "/meadow_mosaics");
            startGame();
            ++starts;
            gameFrames = 0;
            clickNext = false;
        }
    }
    shutdownGame();
    expectNothingHeld("at the end");
    delete theSettings;
    theSettings = nullptr;
    std::filesystem::remove_all(scratch);
    std::printf("monkey: %d frames (%d whole, %d in part, %d unchanged), seed %u, %d starts, "
                "%d targeted clicks, %d failures\n",
                frames, drawn[(int)RedrawKind::Whole], drawn[(int)RedrawKind::Part],
                drawn[(int)RedrawKind::Nothing], seed, starts, clicksQueued, failures);
    return failures == 0 ? 0 : 1;
}
