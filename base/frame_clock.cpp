// The frame clock's two variables and its tick.
#include "base/frame_clock.h"

uint32_t frameTime = 0;
FrameClockSource frameClockSource = nullptr;

void tickFrameClock() {
    if (frameClockSource) frameTime = frameClockSource();
}
