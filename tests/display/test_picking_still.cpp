// Picking on frames that repeat the last one: with the pointer resting and
// nothing moved, the two stages are skipped and the pick stays; anything
// that could change the answer (an object moving, replaced, reordered, the
// pointer moving, the pick cleared from outside) makes them run again.
#include <cstring>

#include "base/input.h"
#include "display_fixture.h"
#include "resources/pak_library.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

constexpr GLuint POISON = 0xDEADBEEF;

struct StillPicking : PickingScene {
    // Mark the selection buffer so a skipped selection stage shows (a stage
    // that runs and finds a hit writes its record over the mark).
    void poisonSelectBuffer() {
        for (GLuint& word : thePicker.selectBuffer)
            word = POISON;
    }
    bool selectionStageRan() const { return thePicker.selectBuffer[0] != POISON; }
};

} // namespace

TEST_F(StillPicking, AStillFrameKeepsThePickWithoutDrawingTheStagesAgain) {
    SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    for (int frame = 0; frame < 3; ++frame) {
        poisonSelectBuffer();
        EXPECT_EQ(pickAt(900, 500), quad);
        EXPECT_FALSE(selectionStageRan()) << frame;
        ASSERT_EQ(thePicker.hits.size(), 1u);
        EXPECT_EQ(thePicker.hits[0], quad);
        EXPECT_TRUE(thePicker.candidates.empty()); // still emptied for the next frame
    }
}

TEST_F(StillPicking, AnObjectMovingAwayFromARestingPointerIsNoLongerPicked) {
    SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    quad->move(30, 0, 0); // far to the right
    EXPECT_EQ(pickAt(900, 500), nullptr);
    EXPECT_TRUE(thePicker.hits.empty());
    quad->move(-30, 0, 0);
    EXPECT_EQ(pickAt(900, 500), quad);
}

TEST_F(StillPicking, AnObjectReplacedByAnotherElsewhereIsNotPickedThroughItsOldPlace) {
    // The replacement may well get the old object's and mesh's addresses,
    // and its matrices are the same (the quads carry their place in their
    // vertices): only the fact that meshes were destroyed tells them apart.
    for (int round = 0; round < 4; ++round) {
        SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
        root.addChild(quad);
        ASSERT_EQ(pickAt(900, 500), quad);
        ASSERT_EQ(pickAt(900, 500), quad);
        root.children.clear();
        delete quad;
        SceneObject* other = pickableQuad(100, 100, 200, 200, 100);
        root.addChild(other);
        EXPECT_EQ(pickAt(900, 500), nullptr) << round;
        EXPECT_EQ(pickAt(150, 150), other) << round;
        root.children.clear();
        delete other;
    }
}

TEST_F(StillPicking, ReorderedCandidatesAtEqualDepthAreWeighedAgain) {
    SceneObject* first = pickableQuad(800, 400, 1000, 600, 100);
    SceneObject* second = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(first);
    root.addChild(second);
    ASSERT_EQ(pickAt(900, 500), second); // the later registered wins
    ASSERT_EQ(pickAt(900, 500), second);
    std::swap(root.children[0], root.children[1]);
    EXPECT_EQ(pickAt(900, 500), first);
}

TEST_F(StillPicking, ThePointerMovingAndComingBackIsFollowed) {
    SceneObject* left = pickableQuad(100, 400, 300, 600, 100);
    SceneObject* right = pickableQuad(1500, 400, 1700, 600, 100);
    root.addChild(left);
    root.addChild(right);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(pickAt(200, 500), left);
        EXPECT_EQ(pickAt(200, 500), left);
        EXPECT_EQ(pickAt(1600, 500), right);
        EXPECT_EQ(pickAt(900, 500), nullptr);
    }
}

TEST_F(StillPicking, APickClearedFromOutsideIsFoundAgain) {
    SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    thePicker.picked = nullptr;
    EXPECT_EQ(pickAt(900, 500), quad);
    thePicker.hits.clear();
    thePicker.picked = nullptr;
    EXPECT_EQ(pickAt(900, 500), quad);
    ASSERT_EQ(thePicker.hits.size(), 1u);
}

TEST_F(StillPicking, AnObjectThatStopsBeingDrawnLeavesThePickAtOnce) {
    SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    ASSERT_EQ(pickAt(900, 500), quad);
    quad->kill(); // not registered from this frame on; freed later
    EXPECT_EQ(pickAt(900, 500), nullptr);
    EXPECT_EQ(pickAt(900, 500), nullptr);
}
