// Resting while nothing moves: the soonest timed change the actions report,
// and how long the loop may rest after a frame.
#include <gtest/gtest.h>

#include <cmath>

#include "app/still_rest.h"
#include "base/frame_clock.h"
#include "scene/action_track.h"
#include "scene/scene_object.h"

namespace {

void nothing() {}

void finishAtOnce() {
    currentAction->finish();
}

// One update of an animator at frameTime + dt, the deadline reset first as
// the main loop does.
void frame(Animator& animator, uint32_t dt) {
    frameTime += dt;
    resetActionDeadline();
    animator.advanceActions();
}

} // namespace

TEST(StillRest, TheSoonestTimedActionEndIsTheDeadline) {
    frameTime = 5000;
    Animator animator;
    animator.addAction(makeAction(0, nothing)); // a watcher waiting for input
    EXPECT_EQ(actionDeadlineMs, 0) << "an added action first runs in the next frame";
    frame(animator, 16);
    EXPECT_TRUE(std::isinf(actionDeadlineMs)) << "endless actions wait for input";

    animator.addAction(makeAction(800, nothing));
    animator.addAction(makeAction(300, nothing));
    frame(animator, 100);
    EXPECT_EQ(actionDeadlineMs, 200);
    frame(animator, 250); // the 300 ms one ends in this frame: the next differs
    EXPECT_EQ(actionDeadlineMs, 0);
    frame(animator, 10);
    EXPECT_EQ(actionDeadlineMs, 440);

    animator.addAction(makeAction(0, finishAtOnce));
    frame(animator, 10);
    EXPECT_EQ(actionDeadlineMs, 0) << "an endless action that ends itself";
    frame(animator, 10);
    EXPECT_EQ(actionDeadlineMs, 420);
}

TEST(StillRest, OnlyAStillFrameRestsAndNeverPastTheDeadline) {
    EXPECT_EQ(stillRestMs(RedrawKind::Whole, HUGE_VAL), 0u);
    EXPECT_EQ(stillRestMs(RedrawKind::Part, 100), 0u);
    EXPECT_EQ(stillRestMs(RedrawKind::Nothing, 0), 0u);
    EXPECT_EQ(stillRestMs(RedrawKind::Nothing, 16.2), 17u);
    EXPECT_EQ(stillRestMs(RedrawKind::Nothing, HUGE_VAL), STILL_REST_LONGEST_MS);
    EXPECT_EQ(stillRestMs(RedrawKind::Nothing, NAN), 0u);
}
