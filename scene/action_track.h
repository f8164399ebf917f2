// Actions, animators and track sets: every motion and every timed piece of
// game logic.
//
// An Action is a small by-value record: a running time, a lifetime and an
// effect function that the engine calls once per frame while it runs.
// Durations: 0 = endless (runs until its effect calls finish), negative = runs
// its effect exactly once, otherwise a lifetime in ms.
//
// An object's Animator holds its live actions.  Each frame its update resets
// the animation offset `transform`, advances every live action by the
// milliseconds since the last update (unsigned 32-bit difference, so the
// millisecond clock may wrap) and multiplies the rebuilt offset onto the GL
// matrix.  Effects add into `target` (the offset, vanishing when the action
// ends) or change currentObject's own placement (a lasting change).
//
// A TrackSet holds numbered tracks: prepared lists of actions that
// startTrack copies into the animator.  Track numbers come from the order of
// addTrack.
//
// Owned here: currentAction, which an effect reads beside the scene's
// currentObject to find its own record.
//
// NOTE: actions live in a deque, so an effect that starts a track of its own
// object (appending to the animator while it is being updated) does not move
// the action that is running; actions spawned during an update first run in
// the next update.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "scene/transform.h"

using EffectFn = void (*)(void* arg);

struct Action {
    Transform* target = nullptr; // the owning animator's offset, set on spawn
    double time = 0;             // ms since spawn; effects may reset it
    int32_t i0 = 0, i1 = 0, i2 = 0;
    double d0 = 0, d1 = 0, d2 = 0;
    EffectFn effect = nullptr;
    void* arg = nullptr;
    bool endless = false;  // duration 0 was given
    bool finished = false; // removed at the start of the next update
    double duration = 0;   // ms; ignored when endless
    double age = 0;        // ms, compared with duration

    void setTiming(double durationMs);
    void setEffect(EffectFn fn, void* arg);
    void setEffect(EffectFn fn, void* arg, int32_t i0, int32_t i1, int32_t i2, double d0, double d1,
                   double d2);
    void setEffect(EffectFn fn, int32_t i0, double d0, double d1, double d2);
    void setEffect(EffectFn fn, int32_t i0, int32_t i1, int32_t i2, double d0, double d1,
                   double d2);
    void finish() { finished = true; }
    bool isFinished() const { return finished; }
    void advance(double dtMs); // age, time, then the effect (currentAction = this)
};

// Convenience for builders: an action with timing and effect in one call.
Action makeAction(double durationMs, EffectFn fn, void* arg = nullptr);

struct Animator {
    uint32_t now;              // frameTime at the last update
    uint32_t last;             // the update before
    Transform transform;       // animation offset, rebuilt every update
    std::deque<Action> actions; // live actions in spawn order

    Animator(); // clock starts at frameTime
    void update();
    void advanceActions(); // the update without its final apply (no GL), for tests
    void addAction(const Action& action);
};

// The frame's soonest timed change, in ms from frameTime: when the first
// timed action will end (0 once one has ended or an action was added, since
// the next frame differs then).  Endless actions wait for input and count for
// nothing.  The main loop resets it before the walk and, when the frame drew
// nothing, rests no longer than this.
extern double actionDeadlineMs;
void resetActionDeadline(); // to "no timed action"

struct TrackSet {
    int32_t current = -1;                    // track that addAction appends to
    std::vector<std::vector<Action>> spawns; // one list per track
    Animator* animator = nullptr;            // receives spawned copies

    int32_t addTrack();
    void addAction(const Action& action); // creates track 0 if there is none
    void startTrack(int32_t n);           // unknown n: nothing happens
    int32_t trackCount() const { return (int32_t)spawns.size(); }
};

extern Action* currentAction; // the action whose effect runs (set by Action::advance)
