// Actions, animators and track sets: every motion and every timed piece of
// game logic.
//
// An Action is a small by-value record: a running time, a lifetime and an
// effect function that the engine calls once per frame while it runs.
// Durations: 0 = endless (runs until its effect calls finish), negative = runs
// its effect exactly once, otherwise a lifetime in ms.  An effect takes no
// argument: it reads currentObject and currentAction, and what its builder
// gave this copy sits in the action's named fields (the object it works on
// besides its own, its goal, its next step).
//
// An object's Animator holds its live actions.  Each frame its update resets
// the animation offset `transform`, advances every live action by the
// milliseconds since the last update (unsigned 32-bit difference, so the
// millisecond clock may wrap) and multiplies the rebuilt offset onto the GL
// matrix.  Effects add into `target` (the offset, vanishing when the action
// ends) or change currentObject's own placement (a lasting change).
//
// A TrackSet holds tracks: prepared lists of actions that startTrack copies
// into the animator.  Each kind of object names its tracks in an enum and
// lists them, in that order, in one table of TrackSpec rows (tracksInOrder
// checks it when the game is compiled); code starts a track by its name,
// never by counting who added what before it.
//
// Owned here: currentAction, which an effect reads beside the scene's
// currentObject to find its own record.
//
// NOTE: actions live in a deque, so an effect that starts a track of its own
// object (appending to the animator while it is being updated) does not move
// the action that is running; actions spawned during an update first run in
// the next update.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "scene/transform.h"

struct SceneObject;

using EffectFn = void (*)();

// An effect's time held at its end, and whether this run reached it.
struct ClampedTime {
    double t;
    bool ended;
};

struct Action {
    Transform* target = nullptr; // the owning animator's offset, set on spawn
    double time = 0;             // ms since spawn; effects may reset it
    double stepMs = 0;           // ms the latest advance added to time
    EffectFn effect = nullptr;
    EffectFn then = nullptr;      // the step its builder chose for when its work is done
    SceneObject* other = nullptr; // another object it works on: the page below, a piece's back
    int32_t number = 0;           // which of several alike: a piece, a product tile
    Vec3 goal = {0, 0, 0};        // where it heads: a place's x and y
    double speed = 0;             // units per ms on the way to goal
    Vec3 applied = {0, 0, 0};     // moved, turned or grown so far: it adds only the difference
    bool endless = false;         // duration 0 was given
    bool finished = false;        // removed at the start of the next update
    double duration = 0;          // ms; ignored when endless
    double age = 0;               // ms, compared with duration

    void setTiming(double durationMs);
    void finish() { finished = true; }
    bool isFinished() const { return finished; }
    // The time held at endMs; once past it the action finishes.
    ClampedTime finishAt(double endMs);
    void advance(double dtMs); // age, time, then the effect (currentAction = this)
};

// An action with timing and effect in one call.
Action makeAction(double durationMs, EffectFn fn);

struct Animator {
    uint32_t now;               // frameTime at the last update
    uint32_t last;              // the update before
    Transform transform;        // animation offset, rebuilt every update
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

// One row of a kind's track table: the track's name and its one action.
struct TrackSpec {
    int32_t track;     // the kind's enum value: row i names track i
    double durationMs; // as for makeAction
    EffectFn effect;   // none: an empty track that the builder fills
    EffectFn then;     // the action's next step, or none
};

// Whether every row of a table stands at its own track's number.
template <size_t N>
constexpr bool tracksInOrder(const TrackSpec (&table)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (table[i].track != (int32_t)i) return false;
    return true;
}

struct TrackSet {
    std::vector<std::vector<Action>> spawns; // one list per track
    Animator* animator = nullptr;            // receives spawned copies

    // The tracks become the table's, each with its row's action (if any).
    void setTracks(const TrackSpec* table, size_t count);
    template <size_t N>
    void setTracks(const TrackSpec (&table)[N]) {
        setTracks(table, N);
    }
    void addAction(int32_t track, const Action& action); // makes the track if missing
    // The first action of a track, for the builder to give this object's
    // copy its own fields; the track must hold one.
    Action& firstAction(int32_t track);
    void startTrack(int32_t track); // unknown track: nothing happens
    int32_t trackCount() const { return (int32_t)spawns.size(); }
};

extern Action* currentAction; // the action whose effect runs (set by Action::advance)
