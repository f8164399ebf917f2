// Transforms, actions, animators and track sets, stepped by hand through
// frameTime without any GL.
#include <gtest/gtest.h>

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

void countEffect(void* arg) {
    EffectLog* log = (EffectLog*)arg;
    log->calls++;
    log->lastTime = currentAction->time;
    log->lastAction = currentAction;
}

// Moves its target by d0 along x every frame it runs.
void offsetEffect(void*) {
    currentAction->target->move(currentAction->d0, 0, 0);
}

// Counts, then ends itself on its second call.
void finishOnSecondCall(void* arg) {
    EffectLog* log = (EffectLog*)arg;
    log->calls++;
    if (log->calls == 2) currentAction->finish();
}

// Starts track i0 of the track set in arg: a track starting a track.
void startTrackEffect(void* arg) {
    ((TrackSet*)arg)->startTrack(currentAction->i0);
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
    void SetUp() override { frameTime = 1000; }
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
    rig.animator.addAction(makeAction(800, countEffect, &log));
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
    rig.animator.addAction(makeAction(-1, countEffect, &once));
    rig.animator.addAction(makeAction(0, finishOnSecondCall, &endless));
    for (int i = 0; i < 5; i++)
        rig.step(1000000);
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(endless.calls, 2);
    EXPECT_TRUE(rig.animator.actions.empty());

    // Without a finish an endless action outlives any amount of time.
    EffectLog forever;
    rig.animator.addAction(makeAction(0, countEffect, &forever));
    for (int i = 0; i < 10; i++)
        rig.step(100000000);
    EXPECT_EQ(forever.calls, 10);
    EXPECT_EQ(rig.animator.actions.size(), 1u);
}

TEST_F(ActionTest, ClockWrapGivesTheShortGap) {
    frameTime = UINT32_MAX - 15; // 16 ms before the wrap
    Rig rig;
    EffectLog log;
    rig.animator.addAction(makeAction(0, countEffect, &log));
    rig.step(32);
    EXPECT_EQ(frameTime, 16u);
    EXPECT_EQ(log.lastTime, 32);
}

TEST_F(ActionTest, TrackStartedTwiceSpawnsTwoCopiesWhoseOffsetsAdd) {
    Rig rig;
    int32_t track = rig.tracks.addTrack();
    EXPECT_EQ(track, 0);
    Action push = makeAction(300, offsetEffect);
    push.d0 = 2.5;
    rig.tracks.addAction(push);
    rig.tracks.startTrack(track);
    rig.tracks.startTrack(track);
    ASSERT_EQ(rig.animator.actions.size(), 2u);
    EXPECT_EQ(rig.animator.actions[0].target, &rig.animator.transform);
    rig.step(16);
    EXPECT_EQ(rig.animator.transform.positionX(), 5.0);
    // The offset is rebuilt every update, not accumulated over frames.
    rig.step(16);
    EXPECT_EQ(rig.animator.transform.positionX(), 5.0);
    // The track's template is untouched by running.
    EXPECT_EQ(rig.tracks.spawns[0][0].time, 0);
    EXPECT_EQ(rig.tracks.spawns[0][0].target, nullptr);
}

TEST_F(ActionTest, CallerMistakesAreHarmless) {
    Rig rig;
    EffectLog log;
    rig.tracks.addAction(makeAction(-1, countEffect, &log)); // before any addTrack
    EXPECT_EQ(rig.tracks.trackCount(), 1);
    rig.tracks.startTrack(1);
    rig.tracks.startTrack(-1);
    EXPECT_TRUE(rig.animator.actions.empty());
    rig.tracks.startTrack(0);
    rig.step(10);
    EXPECT_EQ(log.calls, 1);

    TrackSet unlinked; // no animator yet: starting does nothing
    unlinked.addTrack();
    unlinked.addAction(makeAction(-1, countEffect, &log));
    unlinked.startTrack(0);
}

TEST_F(ActionTest, TrackStartedFromAnEffectRunsNextUpdate) {
    Rig rig;
    EffectLog log;
    int32_t first = rig.tracks.addTrack();
    int32_t second = rig.tracks.addTrack();
    rig.tracks.addAction(makeAction(0, countEffect, &log));
    Action starter = makeAction(-1, startTrackEffect, &rig.tracks);
    starter.i0 = second;
    rig.tracks.current = first;
    rig.tracks.addAction(starter);
    // Enough pushes that a vector would have moved the running action.
    for (int i = 0; i < 40; i++)
        rig.tracks.startTrack(first);
    rig.step(10);
    EXPECT_EQ(log.calls, 0);
    EXPECT_EQ(rig.animator.actions.size(), 80u);
    rig.step(10);
    EXPECT_EQ(log.calls, 40);
    EXPECT_EQ(rig.animator.actions.size(), 40u);
    // Spawned actions get the whole gap since the previous update.
    EXPECT_EQ(log.lastTime, 10);
}
