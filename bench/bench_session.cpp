// The benchmark's hold on the real game: start-up, timed frames, pointing.
#include "bench/bench_session.h"

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>

#include "app/frame_redraw.h"
#include "app/game_main.h"
#include "app/synthetic_input.h"
#include "base/frame_clock.h"
#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "puzzle/completion.h"
#include "puzzle/puzzle_board.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

constexpr int POINTING_FRAMES = 30;
constexpr double SWITCH_GIVE_UP_MS = 30000; // a board that never comes ends the wait
constexpr const char* GAME_FOLDER = "meadow_mosaics/";

} // namespace

double nowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

namespace {

double usageMs(int who) {
    rusage usage;
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

double threadCpuMs() {
    return usageMs(RUSAGE_THREAD);
}

double processCpuMs() {
    return usageMs(RUSAGE_SELF);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

bool prepareBenchRun(bool showWelcome) {
    const char* gameDir = std::getenv("MEADOW_GAME_DIR");
    if (!gameDir || chdir(gameDir) != 0) {
        std::fprintf(stderr, "MEADOW_GAME_DIR must name the game folder\n");
        return false;
    }
    char pattern[] = "/tmp/meadow_bench_XXXXXX";
    if (!mkdtemp(pattern)) return false;
    std::string home = pattern;
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    std::string folder = home + "/" + GAME_FOLDER;
    if (mkdir(folder.c_str(), 0700) != 0) return false;
    Settings record;
    record.showWelcome = showWelcome;
    record.bigPuzzle = 1;
    return writeSettingsFile(record, folder + SETTINGS_FILE_NAME);
}

bool startBenchGame(bool showWelcome) {
    return prepareBenchRun(showWelcome) && startGame();
}

double timedStep() {
    double start = nowMs();
    stepFrame();
    return nowMs() - start;
}

void runFor(double ms) {
    double end = nowMs() + ms;
    while (nowMs() < end && !worldRoot->dead)
        stepFrame();
}

bool settleBoard() {
    double start = nowMs();
    do {
        if (nowMs() - start > SWITCH_GIVE_UP_MS || worldRoot->dead) return false;
        stepFrame();
    } while (screenZooming || theRedraw.lastKind != RedrawKind::Nothing);
    return true;
}

double emptyFrame() {
    double start = nowMs();
    pollInput();
    frameTime = SDL_GetTicks();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    SDL_GL_SwapBuffers();
    thePicker.candidates.clear();
    updatePicking();
    return nowMs() - start;
}

bool pointAtObject(SceneObject* object) {
    for (int frame = 0; frame < POINTING_FRAMES; ++frame) {
        int x, y;
        if (!objectScreenSpot(object, x, y)) return false;
        if (mouseX != x || mouseY != y) queueMotionEvent(x, y);
        stepFrame();
        if (thePicker.picked == object) return true;
    }
    return false;
}

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    return -1;
}

void report(const std::string& name, double value) {
    std::printf("%s %.3f\n", name.c_str(), value);
    std::fflush(stdout);
}

double switchToNextPicture(double windowMs, std::vector<double>* frames) {
    // The game takes no arrow while a board is leaving, arriving or zooming
    // (a child's extra presses are ignored); on a slow machine the last
    // switch may still be under way, so wait for the board to be still.
    double waitStart = nowMs();
    while (screenZooming) {
        if (nowMs() - waitStart > SWITCH_GIVE_UP_MS) {
            std::fprintf(stderr, "meadow_bench: the board stayed busy %.0f s\n",
                         SWITCH_GIVE_UP_MS / 1000);
            return -1;
        }
        timedStep();
    }
    SceneObject* old = theBoard.object;
    queueKeyEvent(SDLK_RIGHT);
    double longest = 0;
    double start = nowMs(), end = start + windowMs;
    while (nowMs() < end || theBoard.object == old) {
        if (nowMs() - start > SWITCH_GIVE_UP_MS) {
            std::fprintf(stderr, "meadow_bench: no new board %.0f s after the key\n",
                         SWITCH_GIVE_UP_MS / 1000);
            return -1;
        }
        double t = timedStep();
        // Only frames that painted are the animation's.  A still frame
        // shows nothing new: the work it may start (the meadow's copy, the
        // next board's decode) waits for no picture on the screen.
        if (theRedraw.lastKind == RedrawKind::Nothing) continue;
        if (t > longest) longest = t;
        if (frames) frames->push_back(t);
    }
    return longest;
}

bool shownAndDone(const std::string& text, double& shown, double& done) {
    double last = 0;
    if (!lastLineNumber(text, last)) return false;
    size_t end = text.find_last_not_of(" \t\r\n");
    size_t start = text.find_last_of('\n', end);
    if (start == std::string::npos || !lastLineNumber(text.substr(0, start), shown)) return false;
    done = last;
    return true;
}

std::string readUntilEnd(int fd) {
    std::string text;
    char buffer[512];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return text;
        text.append(buffer, (size_t)n);
    }
}

bool lastLineNumber(const std::string& text, double& value) {
    size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) return false;
    size_t start = text.find_last_of('\n', end);
    start = start == std::string::npos ? 0 : start + 1;
    std::string line = text.substr(start, end + 1 - start);
    char* rest = nullptr;
    double parsed = std::strtod(line.c_str(), &rest);
    if (rest == line.c_str() || *rest != '\0' || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}
