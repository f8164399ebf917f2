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

ClampedTime Action::finishAt(double endMs) {
    if (time <= endMs) return {time, false};
    finish();
    return {endMs, true};
}

void Action::advance(double dtMs) {
    age += dtMs;
    if (!endless && age >= duration) finished = true;
    time += dtMs;
    stepMs = dtMs;
    currentAction = this;
    if (effect) effect();
    // An ending action changes the next frame (its offset goes); a timed one
    // ends after the rest of its lifetime.
    double left = finished ? 0 : endless ? HUGE_VAL : duration - age;
    actionDeadlineMs = std::min(actionDeadlineMs, left);
}

Action makeAction(double durationMs, EffectFn fn) {
    Action action;
    action.setTiming(durationMs);
    action.effect = fn;
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

void TrackSet::setTracks(const TrackSpec* table, size_t count) {
    spawns.assign(count, {});
    for (size_t i = 0; i < count; ++i) {
        if (!table[i].effect) continue;
        Action action = makeAction(table[i].durationMs, table[i].effect);
        action.then = table[i].then;
        spawns[i].push_back(action);
    }
}

void TrackSet::addAction(int32_t track, const Action& action) {
    if (track < 0) return;
    if (track >= trackCount()) spawns.resize((size_t)track + 1);
    spawns[(size_t)track].push_back(action);
}

Action& TrackSet::firstAction(int32_t track) {
    return spawns[(size_t)track].front();
}

void TrackSet::startTrack(int32_t track) {
    if (track < 0 || track >= trackCount() || !animator) return;
    for (const Action& action : spawns[(size_t)track])
        animator->addAction(action);
}
