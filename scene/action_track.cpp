// Actions, animators and track sets: the engine's per-frame clock for every
// object's timed behaviour.
#include "scene/action_track.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "base/frame_clock.h"

Action* currentAction = nullptr;

double actionDeadlineMs = HUGE_VAL;

void resetActionDeadline() {
    actionDeadlineMs = HUGE_VAL;
}

void Action::setTiming(double durationMs) {
    endless = durationMs == 0;
    if (!endless) duration = durationMs;
    finished = false;
    time = 0;
    age = 0;
}

void Action::setEffect(EffectFn fn, void* effectArg) {
    setEffect(fn, effectArg, 0, 0, 0, 0, 0, 0);
}

void Action::setEffect(EffectFn fn, void* effectArg, int32_t a, int32_t b, int32_t c, double x,
                       double y, double z) {
    effect = fn;
    arg = effectArg;
    i0 = a;
    i1 = b;
    i2 = c;
    d0 = x;
    d1 = y;
    d2 = z;
}

void Action::setEffect(EffectFn fn, int32_t a, double x, double y, double z) {
    setEffect(fn, nullptr, a, 0, 0, x, y, z);
}

void Action::setEffect(EffectFn fn, int32_t a, int32_t b, int32_t c, double x, double y, double z) {
    setEffect(fn, nullptr, a, b, c, x, y, z);
}

void Action::advance(double dtMs) {
    age += dtMs;
    if (!endless && age >= duration) finished = true;
    time += dtMs;
    currentAction = this;
    if (effect) effect(arg);
    // An ending action changes the next frame (its offset goes); a timed one
    // ends after the rest of its lifetime.
    double left = finished ? 0 : endless ? HUGE_VAL : duration - age;
    actionDeadlineMs = std::min(actionDeadlineMs, left);
}

Action makeAction(double durationMs, EffectFn fn, void* effectArg) {
    Action action;
    action.setTiming(durationMs);
    action.setEffect(fn, effectArg);
    return action;
}

Animator::Animator() : now(frameTime), last(frameTime) {
    transform.clear();
}

void Animator::advanceActions() {
    last = now;
    now = frameTime;
    transform.reset();
    uint32_t dt = now - last; // unsigned: a wrapped millisecond clock still gives the gap
    for (auto it = actions.begin(); it != actions.end();) {
        if (it->finished)
            it = actions.erase(it);
        else
            ++it;
    }
    // Effects may start tracks of this object, appending behind; those first
    // run in the next update, and the deque keeps running actions in place.
    size_t count = actions.size();
    for (size_t i = 0; i < count; i++)
        actions[i].advance((double)dt);
}

void Animator::update() {
    advanceActions();
    transform.apply();
}

void Animator::addAction(const Action& action) {
    actions.push_back(action);
    actions.back().target = &transform;
    actionDeadlineMs = 0; // it first runs in the next frame
}

int32_t TrackSet::addTrack() {
    spawns.emplace_back();
    current = (int32_t)spawns.size() - 1;
    return current;
}

void TrackSet::addAction(const Action& action) {
    if (current < 0 || current >= trackCount()) {
        if (spawns.empty()) addTrack();
        current = 0;
    }
    spawns[(size_t)current].push_back(action);
}

void TrackSet::startTrack(int32_t n) {
    if (n < 0 || n >= trackCount() || !animator) return;
    for (const Action& action : spawns[(size_t)n])
        animator->addAction(action);
}
