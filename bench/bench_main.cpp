// meadow_bench: timings and memory of the real game on the display it finds.
//
//   meadow_bench frames           48-piece board: at rest, pointer moving, dragging, drawn whole; empty
//   meadow_bench startup          process start to the first frame shown, and done (forks itself)
//   meadow_bench switches         picture-switch hitch (back to back, and after a rest),
//                                 peak and steady memory
//   meadow_bench saves            frames around a settings save; the write itself
//   meadow_bench idle SECONDS     empty frames for a while (a floor for /usr/bin/time)
//   meadow_bench photos PHOTO     the family's photos: scan, switch hitch, peak memory
//   meadow_bench waiting [music]  a bare window waiting for events until killed,
//                                 the mixer playing the music if asked (a floor
//                                 for the still board's CPU, read from outside)
//
// Every figure is printed as "name value" (milliseconds or kilobytes);
// scripts/bench gathers them into one table.  Nothing is asserted.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/frame_redraw.h"
#include "app/game_main.h"
#include "app/synthetic_input.h"
#include "audio/audio_mixer.h"
#include "base/input.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "bench/bench_photos.h"
#include "bench/bench_session.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"

namespace {

constexpr int FRAME_RUNS = 9; // interleaved runs of each kind of frame
constexpr int FRAMES_PER_RUN = 40;
constexpr int WARM_FRAMES = 3;      // after switching kinds, not timed
constexpr double LANDING_MS = 2500; // pieces fly in for 1.3 s
constexpr int STARTUP_RUNS = 7;
constexpr int HITCH_SWITCHES = 5;
constexpr double HITCH_WINDOW_MS = 1500;
constexpr int RESTED_SWITCHES = 3;
constexpr uint32_t REST_MS = 2000; // a child looking at the picture before the next
constexpr int MEMORY_SWITCHES = 200;
constexpr int STEADY_AFTER = 10; // every picture visited once
constexpr int MIDWAY_AFTER = 100; // halfway: memory still growing shows as a slope
constexpr int HELD_PIECE = 10;
constexpr double LET_GO_MS = 500; // a piece let go glides down
constexpr int SAVE_RUNS = 15;
constexpr int FRAMES_AROUND_SAVE = 5; // timed before the change and from it on
constexpr const char* T0_VARIABLE = "MEADOW_BENCH_T0_MS";

SceneObject* pieceOf(int i) {
    return boardPiece(i);
}

// One frame with the pointer a step further round a circle over the board:
// the cursor moves and the pieces it crosses pulse.
double movingPointerFrame(int& step) {
    double angle = 0.05 * step++;
    int x = theVideo->width / 2 + (int)(0.3 * theVideo->width * std::cos(angle));
    int y = theVideo->height / 2 + (int)(0.3 * theVideo->height * std::sin(angle));
    queueMotionEvent(x, y);
    return timedStep();
}

// A press on the piece that the dragged frames carry; false when it could not be pointed at.
bool pressOnPiece(int& x0, int& y0) {
    if (!pointAtObject(pieceOf(HELD_PIECE))) return false;
    x0 = mouseX;
    y0 = mouseY;
    queueLeftPressEvent();
    timedStep();
    return true;
}

// One frame with the pressed piece carried a step further round a circle
// about where it was pressed: the piece follows the pointer.
double draggedFrame(int& step, int x0, int y0) {
    double angle = 0.15 * step++;
    double radius = 0.05 * theVideo->height;
    queueMotionEvent(x0 + (int)(radius * std::cos(angle)), y0 + (int)(radius * std::sin(angle)));
    return timedStep();
}

// The carried piece let go, and given the time to lie down.
void letGoOfPiece() {
    queueLeftReleaseEvent();
    runFor(LET_GO_MS);
}

// Whole frames: every frame drawn in full, as if everything had changed.
double wholeFrame() {
    redrawEveryFrame = true;
    double ms = timedStep();
    redrawEveryFrame = false;
    return ms;
}

int benchFrames() {
    if (!startBenchGame(false)) return 1;
    runFor(LANDING_MS);
    if (!theBoard.object || (int)theBoard.object->children.size() != 1 + 2 * thePuzzle.pieceCount)
        return 1;
    // Wall time per frame, and CPU time per frame of the main thread (the
    // game's own work and the GL calls) and of the whole process (the
    // rasteriser's threads too): the CPU figures shake less under load.
    // Kinds: the board at rest with the pointer still over a piece (the
    // screen already shows the frame), the pointer moving (parts painted),
    // a piece carried under the pointer, every frame whole, and the empty frame.
    constexpr int KINDS = 5;
    const char* names[KINDS] = {"game", "moving", "dragged", "whole", "empty"};
    std::vector<double> wall[KINDS], mainCpu[KINDS], allCpu[KINDS];
    int moveStep = 0, dragStep = 0, pressX = 0, pressY = 0;
    for (int run = 0; run < FRAME_RUNS; ++run) {
        for (int kind = 0; kind < KINDS; ++kind) {
            if (kind == 0 && !pointAtObject(pieceOf(HELD_PIECE)))
                std::fprintf(stderr, "the piece was not picked\n");
            if (kind == 2 && !pressOnPiece(pressX, pressY))
                std::fprintf(stderr, "the piece to carry was not picked\n");
            auto frame = [&]() {
                switch (kind) {
                case 0:
                    return timedStep();
                case 1:
                    return movingPointerFrame(moveStep);
                case 2:
                    return draggedFrame(dragStep, pressX, pressY);
                case 3:
                    return wholeFrame();
                default:
                    return emptyFrame();
                }
            };
            for (int i = 0; i < WARM_FRAMES; ++i)
                frame();
            std::vector<double> times;
            double main0 = threadCpuMs(), all0 = processCpuMs();
            for (int i = 0; i < FRAMES_PER_RUN; ++i)
                times.push_back(frame());
            mainCpu[kind].push_back((threadCpuMs() - main0) / FRAMES_PER_RUN);
            allCpu[kind].push_back((processCpuMs() - all0) / FRAMES_PER_RUN);
            wall[kind].push_back(median(times));
            if (kind == 2) letGoOfPiece();
        }
    }
    report("width", theVideo->width);
    report("height", theVideo->height);
    report("pieces", thePuzzle.pieceCount);
    for (int kind = 0; kind < KINDS; ++kind) {
        std::string name = names[kind];
        report("frame_" + name + "_ms", median(wall[kind]));
        report("frame_" + name + "_main_cpu_ms", median(mainCpu[kind]));
        report("frame_" + name + "_cpu_ms", median(allCpu[kind]));
    }
    shutdownGame();
    return 0;
}

double firstShownMs = 0; // the child's first swap, on nowMs()'s clock

void noteFirstShown() {
    if (firstShownMs == 0) firstShownMs = nowMs();
}

// Child of benchStartup: the times from the parent's fork to the first frame
// on the screen (its swap), then to the end of that frame (the picker's
// first look at what is under the pointer comes after the swap), one a line.
int startupChild(const char* kind) {
    const char* t0 = std::getenv(T0_VARIABLE);
    const char* gameDir = std::getenv("MEADOW_GAME_DIR");
    if (!t0 || !gameDir || chdir(gameDir) != 0) return 1;
    if (std::strcmp(kind, "floor") == 0) {
        // A bare full-screen OpenGL window at the desktop's size, cleared and
        // shown once: what any program pays before the game adds anything.
        preparePlatformEnvironment();
        SDL_Init(SDL_INIT_VIDEO);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        SDL_SetVideoMode(info->current_w, info->current_h, 32, SDL_OPENGL | SDL_FULLSCREEN);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        noteFirstShown();
    } else {
        theRedraw.onShown = noteFirstShown;
        startGame();
        stepFrame();
    }
    std::printf("%.3f\n%.3f\n", firstShownMs - std::atof(t0), nowMs() - std::atof(t0));
    std::fflush(stdout);
    std::_Exit(0);
}

struct StartupTimes {
    double shown = -1, done = -1;
};

// One child run: fork, exec this program as a child, read its figures.
StartupTimes timeStartup(const char* self, const char* kind, const std::string& dataHome) {
    StartupTimes times;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return times;
    char t0[32];
    std::snprintf(t0, sizeof t0, "%.3f", nowMs());
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        close(pipeEnds[0]);
        setenv(T0_VARIABLE, t0, 1);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        execl(self, self, "startup-child", kind, (char*)nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    // Read to the end: the game says a line of its own at start-up, and a
    // pipe closed early would kill the child before it reached its figure.
    std::string text = readUntilEnd(pipeEnds[0]);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!finished || !shownAndDone(text, times.shown, times.done)) return StartupTimes();
    return times;
}

int benchStartup(const char* self) {
    // Two settings folders, prepared here so the children only start the game.
    if (!prepareBenchRun(false)) return 1;
    std::string puzzleHome = std::getenv("XDG_DATA_HOME");
    if (!prepareBenchRun(true)) return 1;
    std::string welcomeHome = std::getenv("XDG_DATA_HOME");
    const char* kinds[] = {"floor", "puzzle", "welcome"};
    std::vector<double> shown[3], done[3];
    for (int run = 0; run < STARTUP_RUNS; ++run)
        for (int k = 0; k < 3; ++k) {
            StartupTimes t = timeStartup(self, kinds[k], k == 2 ? welcomeHome : puzzleHome);
            shown[k].push_back(t.shown);
            done[k].push_back(t.done);
        }
    for (int k = 0; k < 3; ++k) {
        report(std::string("startup_") + kinds[k] + "_ms", median(shown[k]));
        report(std::string("startup_") + kinds[k] + "_done_ms", median(done[k]));
    }
    return 0;
}

int benchSwitches() {
    if (!startBenchGame(false)) return 1;
    runFor(LANDING_MS);
    report("rss_start_kb", statusKilobytes("VmRSS"));
    std::vector<double> hitches, typical;
    for (int s = 0; s < HITCH_SWITCHES; ++s) {
        std::vector<double> frames;
        hitches.push_back(switchToNextPicture(HITCH_WINDOW_MS, &frames));
        typical.push_back(median(frames));
    }
    report("hitch_ms", median(hitches));
    report("hitch_worst_ms", maximum(hitches));
    report("hitch_floor_ms", median(typical));
    report("peak_after_5_kb", statusKilobytes("VmHWM"));
    double steady = 0, midway = 0;
    for (int s = HITCH_SWITCHES; s < MEMORY_SWITCHES; ++s) {
        switchToNextPicture(0, nullptr);
        if (s + 1 == STEADY_AFTER) {
            runFor(200);
            steady = statusKilobytes("VmRSS");
        }
        if (s + 1 == MIDWAY_AFTER) {
            runFor(200);
            midway = statusKilobytes("VmRSS");
        }
    }
    runFor(200);
    report("rss_after_10_kb", steady);
    report("rss_after_100_kb", midway);
    report("rss_after_200_kb", statusKilobytes("VmRSS"));
    report("peak_after_200_kb", statusKilobytes("VmHWM"));
    // As a child switches: the board lands, the screen rests (the game
    // sleeps in its wait for input, the cores go idle), then the arrow.
    std::vector<double> rested;
    for (int s = 0; s < RESTED_SWITCHES; ++s) {
        if (!settleBoard()) break;
        SDL_Delay(REST_MS);
        rested.push_back(switchToNextPicture(HITCH_WINDOW_MS, nullptr));
    }
    report("hitch_rested_ms", median(rested));
    report("hitch_rested_worst_ms", maximum(rested));
    shutdownGame();
    return 0;
}

// A switch flipped while the pointer moves over the board (frames that
// draw): the longest of the frames from the change on, against the longest
// of as many frames just before it (no save); and the write itself
// (written, flushed, renamed) as it would cost if the frame did it.
int benchSaves() {
    if (!startBenchGame(false)) return 1;
    runFor(LANDING_MS);
    std::vector<double> withSave, without, direct;
    int moveStep = 0;
    auto longestOfFrames = [&moveStep]() {
        double longest = 0;
        for (int i = 0; i < FRAMES_AROUND_SAVE; ++i)
            longest = std::max(longest, movingPointerFrame(moveStep));
        return longest;
    };
    for (int run = 0; run < SAVE_RUNS; ++run) {
        without.push_back(longestOfFrames());
        theSettings->soundOn = !theSettings->soundOn;
        withSave.push_back(longestOfFrames());
        finishSettingsWrites();
        double start = nowMs();
        saveSettings();
        direct.push_back(nowMs() - start);
    }
    report("save_frame_ms", median(withSave));
    report("save_frame_worst_ms", maximum(withSave));
    report("save_floor_ms", median(without));
    report("save_floor_worst_ms", maximum(without));
    report("save_write_ms", median(direct));
    report("save_write_worst_ms", maximum(direct));
    shutdownGame();
    return 0;
}

int benchIdle(double seconds) {
    if (!prepareBenchRun(false)) return 1;
    preparePlatformEnvironment();
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
    double end = nowMs() + seconds * 1000;
    while (nowMs() < end)
        emptyFrame();
    delete theVideo;
    return 0;
}

// What any SDL program pays while it waits for input, and with music what
// the mixing itself costs; SIGTERM ends it.
int benchWaiting(bool music) {
    if (!prepareBenchRun(false)) return 1;
    preparePlatformEnvironment();
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
    SDL_WM_SetCaption("meadow_bench", "meadow_bench");
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    if (music) {
        theAudio = new AudioMixer();
        theAudio->play(MUSIC_ENTRY, true);
    }
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
    }
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: meadow_bench frames|startup|switches|saves|idle SECONDS|photos PHOTO|"
                 "waiting [music]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    std::string mode = argv[1];
    if (mode == "frames") return benchFrames();
    if (mode == "startup") return benchStartup("/proc/self/exe");
    if (mode == "startup-child" && argc == 3) return startupChild(argv[2]);
    if (mode == "switches") return benchSwitches();
    if (mode == "saves") return benchSaves();
    if (mode == "idle" && argc == 3) return benchIdle(std::atof(argv[2]));
    if (mode == "photos" && argc == 3) return benchPhotos(argv[2]);
    if (mode == "waiting") return benchWaiting(argc == 3 && std::string(argv[2]) == "music");
    return usage();
}
