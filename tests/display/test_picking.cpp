// Picking with real frames: depth and order tie-breaks, the pointer's own
// pixel, transparent texels, killed objects, the screen's edge rows.
#include <GL/gl.h>

#include "base/input.h"
#include "base/video_context.h"
#include "display_fixture.h"
#include "resources/pak_library.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

struct Picking : PickingScene {};

bool clickSeen = false;
void clickEffect() {
    clickSeen = thePicker.isCurrentPicked() && leftClicked;
}

} // namespace

TEST_F(Picking, TheNearerObjectWinsWhateverTheDrawingOrder) {
    for (bool nearFirst : {false, true}) {
        SceneObject* far = pickableQuad(800, 400, 1000, 600, 100);
        SceneObject* near = pickableQuad(850, 450, 950, 550, 90);
        root.addChild(nearFirst ? near : far);
        root.addChild(nearFirst ? far : near);
        EXPECT_EQ(pickAt(900, 500), near) << nearFirst;
        EXPECT_EQ(thePicker.hits.size(), 2u);
        EXPECT_EQ(pickAt(820, 420), far) << nearFirst;
        TearDown();
    }
}

TEST_F(Picking, AtEqualDepthTheLaterRegisteredWins) {
    SceneObject* first = pickableQuad(800, 400, 1000, 600, 100);
    SceneObject* second = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(first);
    root.addChild(second);
    EXPECT_EQ(pickAt(900, 500), second);
    std::swap(root.children[0], root.children[1]);
    EXPECT_EQ(pickAt(900, 500), first);
}

TEST_F(Picking, OnePixelOutsideTheEdgeIsAHitButNotPicked) {
    // The quad covers columns 800..899 and rows 400..599 exactly.
    SceneObject* quad = pickableQuad(800, 400, 900, 600, 100);
    root.addChild(quad);
    EXPECT_EQ(pickAt(900, 500), nullptr);
    ASSERT_EQ(thePicker.hits.size(), 1u); // the 2x2 region still touches it
    EXPECT_EQ(thePicker.hits[0], quad);
    EXPECT_EQ(pickAt(899, 500), quad);
    EXPECT_EQ(pickAt(850, 600), nullptr); // one row below the bottom edge
    EXPECT_EQ(pickAt(850, 599), quad);
    EXPECT_EQ(pickAt(850, 399), nullptr); // one row above the top edge
    EXPECT_EQ(pickAt(850, 400), quad);
}

TEST_F(Picking, ATransparentTexelIsStillPicked) {
    // Alpha-tested and fully transparent: the quad does not show at all.
    MeshBuild mesh = screenQuad(800, 400, 1000, 600, 100, "clear");
    mesh.material.alphaTest = 1;
    std::string pak = writeArchive(
        {{"q", buildModelEntry({mesh})}, {"clear", makePng(1, 1, 4, {255, 255, 255, 0})}});
    SceneObject* ghost = new SceneObject;
    ghost->addDrawHook(hookPickable);
    ghost->loadModel(pak, "q");
    root.addChild(ghost);
    renderScene(&root);
    uint8_t pixel[3];
    readPixel(900, 500, pixel);
    EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 0);
    resetEngine();
    EXPECT_EQ(pickAt(900, 500), ghost);
}

TEST_F(Picking, AnUnseenMeshDrawsNothingYetIsPicked) {
    // Opaque white, blended or not: an unseen mesh leaves the screen black
    // (the blended pass included), and the pointer still finds it.
    for (int blended = 0; blended <= 1; ++blended) {
        MeshBuild mesh = screenQuad(800, 400, 1000, 600, 100, "white");
        mesh.material.unseen = 1;
        mesh.material.blended = (uint8_t)blended;
        std::string pak = writeArchive(
            {{"q", buildModelEntry({mesh})}, {"white", makePng(1, 1, 4, {255, 255, 255, 255})}});
        SceneObject* area = new SceneObject;
        area->addDrawHook(hookPickable);
        area->loadModel(pak, "q");
        root.addChild(area);
        renderScene(&root);
        uint8_t pixel[3];
        readPixel(900, 500, pixel);
        EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 0) << "blended " << blended;
        resetEngine();
        EXPECT_EQ(pickAt(900, 500), area) << "blended " << blended;
        EXPECT_EQ(pickAt(700, 500), nullptr) << "blended " << blended;
        TearDown();
    }
}

TEST_F(Picking, AKilledObjectIsNotPickableFromTheNextFrame) {
    SceneObject* quad = pickableQuad(800, 400, 1000, 600, 100);
    root.addChild(quad);
    EXPECT_EQ(pickAt(900, 500), quad);
    quad->kill();
    EXPECT_EQ(pickAt(900, 500), nullptr);
    EXPECT_TRUE(thePicker.hits.empty());
}

TEST_F(Picking, TheScreensEdgeRowsAndColumnsArePickable) {
    SceneObject* wall = pickableQuad(0, 0, theVideo->width, theVideo->height, 100);
    root.addChild(wall);
    EXPECT_EQ(pickAt(0, 0), wall);
    EXPECT_EQ(pickAt(theVideo->width - 1, theVideo->height - 1), wall);
    EXPECT_EQ(pickAt(theVideo->width - 1, 0), wall);
}

TEST_F(Picking, NothingRegisteredOrTooManyHitsPicksNothing) {
    EXPECT_EQ(pickAt(900, 500), nullptr);
    // 70 overlapping objects overflow the 255-word selection buffer.
    for (int i = 0; i < 70; ++i)
        root.addChild(pickableQuad(800, 400, 1000, 600, 100));
    EXPECT_EQ(pickAt(900, 500), nullptr);
    EXPECT_TRUE(thePicker.hits.empty());
}

TEST_F(Picking, AClickIsMatchedAgainstThePickOfThePreviousFrame) {
    SceneObject* button = pickableQuad(800, 400, 1000, 600, 100);
    button->addAction(0, makeAction(0, clickEffect));
    button->startTrack(0);
    root.addChild(button);
    mouseX = 900;
    mouseY = 500;
    leftClicked = true;
    clickSeen = false;
    drawFrame(&root); // nothing was picked before this frame
    EXPECT_FALSE(clickSeen);
    drawFrame(&root);
    EXPECT_TRUE(clickSeen);
}

// The same on the 4:3 screen: the pick reads the pointer's own pixel there too.
struct SmallPicking : Picking {};

TEST_F(SmallPicking, CornersAndEdgesOfTheScreenAreExact) {
    ASSERT_EQ(theVideo->height, 768);
    SceneObject* wall = pickableQuad(0, 0, theVideo->width, theVideo->height, 100);
    SceneObject* tile = pickableQuad(500, 300, 600, 400, 95);
    root.addChild(wall);
    root.addChild(tile);
    EXPECT_EQ(pickAt(0, 0), wall);
    EXPECT_EQ(pickAt(theVideo->width - 1, theVideo->height - 1), wall);
    EXPECT_EQ(pickAt(550, 300), tile);
    EXPECT_EQ(pickAt(550, 299), wall);
    EXPECT_EQ(pickAt(599, 399), tile);
    EXPECT_EQ(pickAt(600, 399), wall);
}
