// Transforms, actions, animators and track sets, stepped by hand through
// frameTime without any GL.
#include <gtest/gtest.h>

#include <vector>

#include "scene/action_track.h"
#include "base/frame_clock.h"
#include "scene/scene_object.h"
#include "scene/transform.h"

namespace {

// What the counting effect saw, per call.
struct EffectLog {
    int calls = 0;
    double lastTime = 0;
    Action* lastAction = nullptr;
};

// The logs of this test: an action's `number` says which one is its own.
std::vector<EffectLog*> logBook;

EffectLog& ownLog() {
    return *logBook[(size_t)currentAction->number];
}

void countEffect() {
    EffectLog& log = ownLog();
    log.calls++;
    log.lastTime = currentAction->time;
    log.lastAction = currentAction;
}

// Moves its target by goal.x along x every frame it runs.
void offsetEffect() {
    currentAction->target->move(currentAction->goal.x, 0, 0);
}

// Counts, then ends itself on its second call.
void finishOnSecondCall() {
    EffectLog& log = ownLog();
    log.calls++;
    if (log.calls == 2) currentAction->finish();
}

// An action whose effect writes to `log`.
Action logged(double durationMs, EffectFn fn, EffectLog& log) {
    Action action = makeAction(durationMs, fn);
    action.number = (int32_t)logBook.size();
    logBook.push_back(&log);
    return action;
}

// An animator and its track set, as a scene object links them.
struct Rig {
    Animator animator;
    TrackSet tracks;
    Rig() { tracks.animator = &animator; }
    void step(uint32_t dt) {
        frameTime += dt;
        animator.advanceActions();
    }
};

class ActionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frameTime = 1000;
        logBook.clear();
    }
};

} // namespace

TEST(Transform, SettersGrowResetAndClear) {
    Transform t;
    EXPECT_FALSE(t.isScaled());
    EXPECT_EQ(t.scaleX(), 1.0);

    t.grow(0.2, 0.2, 0);
    EXPECT_TRUE(t.isScaled());
    EXPECT_DOUBLE_EQ(t.scale.x, 1.2);
    EXPECT_DOUBLE_EQ(t.scale.y, 1.2);
    EXPECT_DOUBLE_EQ(t.scale.z, 1.0);

    t.setPosition(1, 2, 3);
    t.move(1, -2, 0.5);
    EXPECT_EQ(t.positionX(), 2);
    EXPECT_EQ(t.positionY(), 0);
    EXPECT_EQ(t.positionZ(), 3.5);
    t.setRotation(0, 90, 0);
    t.turn(10, 0, -5);
    EXPECT_EQ(t.rotation.x, 10);
    EXPECT_EQ(t.rotation.y, 90);
    EXPECT_EQ(t.rotation.z, -5);

    t.setScale(2, 3, 4);
    t.reset(); // keeps the flag, so an animator offset that grew stays scaled
    EXPECT_TRUE(t.isScaled());
    EXPECT_EQ(t.scale.x, 1);
    EXPECT_EQ(t.scale.z, 1);
    EXPECT_EQ(t.positionX(), 0);
    EXPECT_EQ(t.rotation.y, 0);
    t.clear();
    EXPECT_FALSE(t.isScaled());
}

TEST_F(ActionTest, TimedActionRunsThroughTheFinishingFrameThenGoes) {
    Rig rig;
    EffectLog log;
    rig.animator.addAction(logged(800, countEffect, log));
    rig.step(500);
    EXPECT_EQ(log.calls, 1);
    EXPECT_FALSE(rig.animator.actions[0].isFinished());
    rig.step(350);
    EXPECT_EQ(log.calls, 2);
    EXPECT_EQ(log.lastTime, 850);
    EXPECT_EQ(rig.animator.actions[0].age, 850);
    EXPECT_TRUE(rig.animator.actions[0].isFinished());
    rig.step(16);
    EXPECT_EQ(log.calls, 2);
    EXPECT_TRUE(rig.animator.actions.empty());
}

TEST_F(ActionTest, NegativeDurationRunsOnceAndEndlessRunsUntilFinish) {
    Rig rig;
    EffectLog once, endless;
    rig.animator.addAction(logged(-1, countEffect, once));
    rig.animator.addAction(logged(0, finishOnSecondCall, endless));
    for (int i = 0; i < 5; i++)
        rig.step(1000000);
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(endless.calls, 2);
    EXPECT_TRUE(rig.animator.actions.empty());

    // Without a finish an endless action outlives any amount of time.
    EffectLog forever;
    rig.animator.addAction(logged(0, countEffect, forever));
    for (int i = 0; i < 10; i++)
        rig.step(100000000);
    EXPECT_EQ(forever.calls, 10);
    EXPECT_EQ(rig.animator.actions.size(), 1u);
}

TEST_F(ActionTest, ClockWrapGivesTheShortGap) {
    frameTime = UINT32_MAX - 15; // 16 ms before the wrap
    Rig rig;
    EffectLog log;
    rig.animator.addAction(logged(0, countEffect, log));
    rig.step(32);
    EXPECT_EQ(frameTime, 16u);
    EXPECT_EQ(log.lastTime, 32);
}

// A kind of object with three named tracks, the last filled by its builder.
enum RigTrack : int32_t { RIG_PUSH, RIG_STARTER, RIG_FILLED };

// The rig whose RIG_FILLED the starter starts (a bare track set has no object
// for `other` to name).
TrackSet* starterTracks = nullptr;

void startFilledTrack() {
    starterTracks->startTrack(RIG_FILLED);
}

constexpr TrackSpec RIG_TRACKS[] = {
    {RIG_PUSH, 300, offsetEffect, nullptr},
    {RIG_STARTER, -1, startFilledTrack, nullptr},
    {RIG_FILLED, 0, nullptr, nullptr},
};
static_assert(tracksInOrder(RIG_TRACKS));
constexpr TrackSpec SWAPPED_TRACKS[] = {
    {RIG_STARTER, -1, startFilledTrack, nullptr},
    {RIG_PUSH, 300, offsetEffect, nullptr},
};
static_assert(!tracksInOrder(SWAPPED_TRACKS), "a table out of its enum's order is caught");

TEST_F(ActionTest, TrackStartedTwiceSpawnsTwoCopiesWhoseOffsetsAdd) {
    Rig rig;
    rig.tracks.setTracks(RIG_TRACKS);
    ASSERT_EQ(rig.tracks.trackCount(), 3);
    rig.tracks.firstAction(RIG_PUSH).goal.x = 2.5; // this object's own copy of the row
    rig.tracks.startTrack(RIG_PUSH);
    rig.tracks.startTrack(RIG_PUSH);
    ASSERT_EQ(rig.animator.actions.size(), 2u);
    EXPECT_EQ(rig.animator.actions[0].target, &rig.animator.transform);
    rig.step(16);
    EXPECT_EQ(rig.animator.transform.positionX(), 5.0);
    // The offset is rebuilt every update, not accumulated over frames.
    rig.step(16);
    EXPECT_EQ(rig.animator.transform.positionX(), 5.0);
    // The track's template is untouched by running.
    EXPECT_EQ(rig.tracks.spawns[RIG_PUSH][0].time, 0);
    EXPECT_EQ(rig.tracks.spawns[RIG_PUSH][0].target, nullptr);
}

TEST_F(ActionTest, CallerMistakesAreHarmless) {
    Rig rig;
    EffectLog log;
    rig.tracks.addAction(RIG_FILLED, logged(-1, countEffect, log)); // before any table
    EXPECT_EQ(rig.tracks.trackCount(), 3);
    rig.tracks.startTrack(RIG_PUSH); // made empty on the way
    rig.tracks.startTrack(7);
    rig.tracks.startTrack(-1);
    EXPECT_TRUE(rig.animator.actions.empty());
    rig.tracks.startTrack(RIG_FILLED);
    rig.step(10);
    EXPECT_EQ(log.calls, 1);

    TrackSet unlinked; // no animator yet: starting does nothing
    unlinked.addAction(0, logged(-1, countEffect, log));
    unlinked.startTrack(0);
}

TEST_F(ActionTest, TrackStartedFromAnEffectRunsNextUpdate) {
    Rig rig;
    EffectLog log;
    rig.tracks.setTracks(RIG_TRACKS);
    rig.tracks.addAction(RIG_FILLED, logged(0, countEffect, log));
    starterTracks = &rig.tracks;
    // Enough pushes that a vector would have moved the running action.
    for (int i = 0; i < 40; i++)
        rig.tracks.startTrack(RIG_STARTER);
    rig.step(10);
    EXPECT_EQ(log.calls, 0);
    EXPECT_EQ(rig.animator.actions.size(), 80u);
    rig.step(10);
    EXPECT_EQ(log.calls, 40);
    EXPECT_EQ(rig.animator.actions.size(), 40u);
    // Spawned actions get the whole gap since the previous update.
    EXPECT_EQ(log.lastTime, 10);
}

// Clamps and finishes at 100 ms, logging what it was given.
double clampedSeen = -1;
bool endedSeen = false;
void clampAt100() {
    ClampedTime clamped = currentAction->finishAt(100);
    clampedSeen = clamped.t;
    endedSeen = clamped.ended;
}

TEST_F(ActionTest, FinishAtHoldsTheTimeAndEndsTheActionOnlyPastIt) {
    Rig rig;
    rig.animator.addAction(makeAction(0, clampAt100));
    rig.step(60);
    EXPECT_EQ(clampedSeen, 60);
    EXPECT_FALSE(endedSeen);
    EXPECT_EQ(rig.animator.actions[0].stepMs, 60);
    rig.step(40); // exactly at the end: not past it
    EXPECT_EQ(clampedSeen, 100);
    EXPECT_FALSE(endedSeen);
    EXPECT_FALSE(rig.animator.actions[0].isFinished());
    rig.step(25);
    EXPECT_EQ(clampedSeen, 100);
    EXPECT_TRUE(endedSeen);
    EXPECT_TRUE(rig.animator.actions[0].isFinished());
    EXPECT_EQ(rig.animator.actions[0].stepMs, 25);
}
