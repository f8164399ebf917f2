// Resting while nothing moves.
//
// A frame that drew nothing (the screen already shows it) means no input
// came and nothing moved.  Nothing will move before the soonest timed action
// ends (actionDeadlineMs) unless input comes, so the main loop then sleeps
// until one or the other, and a still board costs the CPU almost nothing.
// Frames that draw anything are followed by no rest at all, so every
// animation runs as fast as the display allows, as before.
//
// SDL 1.2 can only poll its event queue (its own wait polls it every 10 ms).
// When the window lives on an X display the game sleeps in poll() on the
// display's connection instead, so the first key press or pointer move wakes
// it at once; elsewhere, and while a game pad is open (its events come on
// a connection of its own), it looks at the queue every EVENT_LOOK_MS.  A
// tap waiting for the picker (base/input.h) is never rested on.  The mixer
// is paused while it has nothing to play, and its device closed once the
// quiet has lasted AUDIO_SLEEP_AFTER_MS.
//
// Only the main loop rests, and only on SDL's own clock: tests and the
// benchmark step frames themselves, a stepped clock is never waited for.
#pragma once

#include <cstdint>

#include "app/frame_redraw.h"

constexpr uint32_t STILL_REST_LONGEST_MS = 250; // wake at least this often all the same
constexpr uint32_t EVENT_LOOK_MS = 5;           // queue polling step without a display connection

// How long to rest after a frame of this kind, given the soonest timed
// action's end in ms from the frame's time: 0 after a drawn frame.
uint32_t stillRestMs(RedrawKind kind, double deadlineMs);

// Wait up to ms for an event in SDL's queue (left there); true when one came.
bool waitForEvent(uint32_t ms);

// After a frame: when it drew nothing, pause the silent mixer and rest
// until input or the next timed change.
void restWhileStill();
