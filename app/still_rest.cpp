// Resting while nothing moves: how long, and waiting for input meanwhile.
#include "app/still_rest.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <cmath>

#include "audio/audio_mixer.h"
#include "base/frame_clock.h"
#include "base/game_pad.h"
#include "base/input.h"
#include "base/platform.h"
#include "scene/action_track.h"

namespace {

// The X display's connection, or -1 (another window system, no window).
int displayConnection() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display)
        return -1;
    return ConnectionNumber(info.info.x11.display);
}

} // namespace

uint32_t stillRestMs(RedrawKind kind, double deadlineMs) {
    if (kind != RedrawKind::Nothing || !(deadlineMs > 0)) return 0;
    return (uint32_t)std::ceil(std::min(deadlineMs, (double)STILL_REST_LONGEST_MS));
}

bool waitForEvent(uint32_t ms) {
    uint32_t start = SDL_GetTicks();
    // A pad's events come on a connection of their own: the queue is looked at instead.
    int connection = gamePadOpen() ? -1 : displayConnection();
    for (;;) {
        // Pumping reads everything the display has sent, so a wait on its
        // connection only ends for what comes after.
        SDL_PumpEvents();
        SDL_Event event;
        if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0) return true;
        if (endRequested()) return true; // a signal cut the wait short: the loop ends the run
        uint32_t waited = SDL_GetTicks() - start;
        if (waited >= ms) return false;
        uint32_t left = ms - waited;
        pollfd display = {connection, POLLIN, 0};
        bool slept = connection >= 0 && poll(&display, 1, (int)left) >= 0 &&
                     !(display.revents & (POLLERR | POLLHUP | POLLNVAL));
        if (!slept) SDL_Delay(std::min(left, EVENT_LOOK_MS));
    }
}

void restWhileStill() {
    // A stepped clock of a test's own is not waited for in real time.
    if (frameClockSource != SDL_GetTicks) return;
    // A tap waits for the next frame, which must come at once.
    if (pressWaiting) return;
    uint32_t rest = stillRestMs(theRedraw.lastKind, actionDeadlineMs);
    if (rest == 0) return;
    if (theAudio) theAudio->pauseWhenSilent(SDL_GetTicks());
    uint32_t spent = SDL_GetTicks() - frameTime; // the frame itself
    if (spent < rest) waitForEvent(rest - spent);
}
