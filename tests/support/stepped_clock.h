// A frame clock for driving the game from a test: it moves only when the
// test moves it, by one frame's step before each frame (or by more, for a
// frame the machine was slow to draw).  Installed as the frame clock's
// source before the game starts, it makes the game's animations a matter of
// frames, not of wall-clock time: the frames run as fast as the machine
// draws them, and a loaded machine sees exactly the frames an idle one does.
#pragma once

#include <cstdint>

#include "base/frame_clock.h"

inline uint32_t steppedNow = 1000;   // the clock's reading, ms
inline uint32_t steppedFrameMs = 16; // what one frame moves it by

inline uint32_t steppedClock() {
    return steppedNow;
}

// From now on the game reads the stepped clock, moved by frameMs a frame
// (startGame keeps a source it finds set).
inline void installSteppedClock(uint32_t frameMs) {
    steppedFrameMs = frameMs;
    frameClockSource = steppedClock;
}

// Before each frame.
inline void advanceSteppedClock() {
    steppedNow += steppedFrameMs;
}

// A frame that comes ms later than it would.
inline void delaySteppedClock(uint32_t ms) {
    steppedNow += ms;
}
