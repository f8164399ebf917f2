// The frame clock: the one time every animation of a frame reads.
//
// The main loop ticks it once at the top of each frame; action tracks
// (scene/) and procedural textures (resources/) read frameTime and nothing
// else, so every object of a frame sees the same instant.  The source is
// SDL's millisecond timer in the game; tests and the monkey put a stepped
// clock of their own in its place, so thousands of frames of play run as fast
// as the machine draws them.
#pragma once

#include <cstdint>

using FrameClockSource = uint32_t (*)(); // milliseconds, wrapping at 2^32

extern uint32_t frameTime;                 // this frame's time in ms
extern FrameClockSource frameClockSource; // what tickFrameClock reads; set by the shell

// frameTime = frameClockSource() (unchanged while no source is set).
void tickFrameClock();
