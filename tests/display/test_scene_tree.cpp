// The scene tree drawn for real: the blended pass, killing and freeing,
// scale, hooks, and that a freed tree leaves no archive or texture open.
#include <GL/gl.h>

#include <cmath>

#include "base/video_context.h"
#include "display_fixture.h"
#include "resources/mesh.h"
#include "resources/pak_library.h"
#include "resources/procedural_texture.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

struct SceneTree : testing::Test {
    void SetUp() override {
        ensureVideo();
        resetEngine();
    }
    void TearDown() override {
        resetEngine();
        EXPECT_EQ(thePakLibrary.openCount(), 0) << thePakLibrary.describe();
        EXPECT_EQ(theProceduralTextures.openCount(), 0);
    }
};

// An archive with one entry "q": a quad with the given texture, and the
// images the quads may name.
std::string quadArchive(const MeshBuild& mesh) {
    std::vector<uint8_t> halfRed = {255, 0, 0, 128};
    std::vector<uint8_t> halfBlue = {0, 0, 255, 128};
    std::vector<uint8_t> green = {0, 255, 0};
    return writeArchive({{"q", buildModelEntry({mesh})},
                         {"halfRed", makePng(1, 1, 4, halfRed)},
                         {"halfBlue", makePng(1, 1, 4, halfBlue)},
                         {"green", makePng(1, 1, 3, green)}});
}

SceneObject* quadObject(const MeshBuild& mesh) {
    SceneObject* object = new SceneObject;
    object->loadModel(quadArchive(mesh), "q");
    return object;
}

int counter = 0;
void countEffect() {
    ++counter;
}
void countHook() {
    counter += 100;
}
void killSelfEffect() {
    currentObject->kill();
}

} // namespace

TEST_F(SceneTree, BlendedMeshesAreDrawnAfterOpaqueOnesInTraversalOrder) {
    SceneObject root;
    // Nearest first in the walk, half-transparent red; then opaque green far
    // behind; then half-transparent blue between them.
    SceneObject* red = quadObject(quadMesh(-10, -10, 10, 10, 20, "halfRed", true));
    SceneObject* green = quadObject(quadMesh(-10, -10, 10, 10, 0, "green"));
    SceneObject* blue = quadObject(quadMesh(-10, -10, 10, 10, 10, "halfBlue", true));
    root.addChild(red);
    root.addChild(green);
    root.addChild(blue);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0, 0, -100);
    root.draw();
    ASSERT_EQ(deferredMeshes.size(), 2u);
    EXPECT_EQ(deferredMeshes[0], red->meshes[0]);
    EXPECT_EQ(deferredMeshes[1], blue->meshes[0]);
    drawBlendedMeshes();
    EXPECT_TRUE(deferredMeshes.empty());

    // Red over green, then blue over that: neither blended mesh wrote depth.
    uint8_t pixel[3];
    readPixel(theVideo->width / 2, theVideo->height / 2, pixel);
    EXPECT_NEAR(pixel[0], 64, 3);
    EXPECT_NEAR(pixel[1], 64, 3);
    EXPECT_NEAR(pixel[2], 128, 3);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(SceneTree, AKilledSubtreeIsFreedLeavesFirst) {
    SceneObject root;
    SceneObject* top = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    SceneObject* middle = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    SceneObject* leaf = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    std::string topPak = top->pakFiles[0], middlePak = middle->pakFiles[0];
    std::string leafPak = leaf->pakFiles[0];
    root.addChild(top);
    top->addChild(middle);
    middle->addChild(leaf);
    renderScene(&root);
    top->kill();

    renderScene(&root); // the subtree turns dying; the leaf becomes dead
    EXPECT_TRUE(middle->dying);
    EXPECT_TRUE(leaf->dead);
    // Each holds two references: its model, and its mesh's texture request.
    EXPECT_EQ(thePakLibrary.referenceCount(leafPak), 2);
    renderScene(&root); // the leaf is freed
    EXPECT_EQ(thePakLibrary.referenceCount(leafPak), 0);
    EXPECT_EQ(thePakLibrary.referenceCount(middlePak), 2);
    renderScene(&root); // then the middle
    EXPECT_EQ(thePakLibrary.referenceCount(middlePak), 0);
    EXPECT_EQ(thePakLibrary.referenceCount(topPak), 2);
    renderScene(&root); // the killed object last
    EXPECT_EQ(thePakLibrary.referenceCount(topPak), 0);
    EXPECT_TRUE(root.children.empty());
    EXPECT_FALSE(root.dead);
}

TEST_F(SceneTree, DeadChildrenGoInOneScanAndTheRestKeepOrder) {
    SceneObject root;
    SceneObject* child[4];
    for (SceneObject*& c : child) {
        c = new SceneObject;
        root.addChild(c);
    }
    child[1]->kill();
    child[3]->kill();
    renderScene(&root);
    EXPECT_TRUE(child[1]->dead && child[3]->dead);
    renderScene(&root);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0], child[0]);
    EXPECT_EQ(root.children[1], child[2]);
}

TEST_F(SceneTree, AScaledObjectShowsItsMeshesAtTheSquareAndItsChildAtTheScale) {
    SceneObject root;
    SceneObject* parent = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    SceneObject* child = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    parent->setScale(2, 2, 2);
    parent->addChild(child);
    root.addChild(parent);
    renderScene(&root);
    const double* own = parent->meshes[0]->savedMatrix;
    const double* below = child->meshes[0]->savedMatrix;
    EXPECT_DOUBLE_EQ(own[0], 4);
    EXPECT_DOUBLE_EQ(own[5], 4);
    EXPECT_DOUBLE_EQ(own[10], 4);
    EXPECT_DOUBLE_EQ(own[14], -100);
    EXPECT_DOUBLE_EQ(below[0], 2);
    EXPECT_DOUBLE_EQ(below[10], 2);
}

TEST_F(SceneTree, HooksAroundMeshesNeedAModelButEffectsRunWithout) {
    SceneObject root;
    SceneObject* bare = new SceneObject;
    bare->addDrawHook(countHook);
    bare->addDrawHook(hookPickable);
    bare->addAction(0, makeAction(0, countEffect));
    bare->startTrack(0);
    bare->addChild(new SceneObject);
    root.addChild(bare);
    counter = 0;
    renderScene(&root);
    EXPECT_EQ(counter, 1);                     // the effect only: hooks run before meshes
    EXPECT_TRUE(thePicker.candidates.empty()); // no model: never pickable
}

TEST_F(SceneTree, AnObjectThatKillsItselfStillDrawsThatFrameAndIsFreedTheNext) {
    SceneObject root;
    SceneObject* self = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    self->addDrawHook(hookPickable);
    self->addAction(0, makeAction(0, killSelfEffect));
    self->startTrack(0);
    root.addChild(self);
    renderScene(&root);
    EXPECT_EQ(thePicker.candidates.size(), 1u); // its meshes and hooks ran
    EXPECT_TRUE(self->dead);
    renderScene(&root);
    EXPECT_TRUE(root.children.empty());
}

TEST_F(SceneTree, AKilledTreeWithTexturesLeavesNothingOpen) {
    SceneObject* root = new SceneObject;
    std::string pak = writeArchive(
        {{"m", buildModelEntry({quadMesh(0, 0, 1, 1, 0, "img"), quadMesh(0, 0, 1, 1, 0, "img"),
                                quadMesh(0, 0, 1, 1, 0, "x#Fire32x16"),
                                quadMesh(0, 0, 1, 1, 0, "x#Plasma16x16,1,2,3", true)})},
         {"img", makePng(1, 1, 3, {1, 2, 3})}});
    for (int i = 0; i < 3; ++i) {
        SceneObject* branch = new SceneObject;
        branch->loadModel(pak, "m");
        SceneObject* twig = new SceneObject;
        twig->loadModel(pak, "m");
        branch->addChild(twig);
        root->addChild(branch);
    }
    renderScene(root);
    EXPECT_EQ(thePakLibrary.openCount(), 1);
    EXPECT_EQ(theProceduralTextures.openCount(), 2);
    root->kill();
    int frames = 0;
    while (!root->dead && frames < 10) {
        renderScene(root);
        ++frames;
    }
    EXPECT_TRUE(root->dead);
    EXPECT_LE(frames, 4); // a chain of depth 2 under the root
    delete root;
    EXPECT_EQ(thePakLibrary.openCount(), 0);
    EXPECT_EQ(theProceduralTextures.openCount(), 0);
}

TEST_F(SceneTree, DeletingAnObjectDirectlyFreesItsChildrenToo) {
    SceneObject* parent = new SceneObject;
    SceneObject* child = quadObject(quadMesh(0, 0, 1, 1, 0, ""));
    child->addChild(quadObject(quadMesh(0, 0, 1, 1, 0, "")));
    parent->addChild(child);
    EXPECT_EQ(thePakLibrary.openCount(), 2);
    delete parent;
    EXPECT_EQ(thePakLibrary.openCount(), 0);
}
