// Shared helpers of the display tests: one real full-screen window per
// process (opened on first use, as the game opens it), small archives
// written to a temporary folder, flat quads as model entries, tiny images,
// and a way to turn screen pixels into world-root coordinates.
//
// The suite DISABLED_Multisample* is run as its own process (its own ctest
// entry); when it opens the window, multisampling is kept on the software
// rasteriser so picking can be checked with it on.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/model_format.h"
#include "scene/scene_object.h"

// Open the window once for this process (the game's own video start-up).
void ensureVideo();

// A fresh folder under /tmp, removed with its files at process exit.
std::string tempFolder();

// Write an archive of (name, bytes) entries; returns its full path.
std::string writeArchive(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries);

// A world-root point for window pixel (x from the left, y from the top)
// at `distance` units in front of the eye.
struct WorldPoint {
    double x, y, z;
};
WorldPoint screenToWorld(double px, double py, double distance);

// A flat rectangle facing the eye, two triangles, texture coordinates 0..1.
MeshBuild quadMesh(double left, double bottom, double right, double top, double z,
                   const std::string& textureName, bool blended = false, bool alphaTest = false);

// A quad covering window pixels [px0, px1) x [py0, py1) at `distance`.
MeshBuild screenQuad(double px0, double py0, double px1, double py1, double distance,
                     const std::string& textureName = "", bool blended = false);

// A pickable object (hookPickable) whose model is one screenQuad, in an
// archive of its own.
SceneObject* pickableQuad(double px0, double py0, double px1, double py1, double distance);

// Image bytes: RGB (3 bytes a pixel) or RGBA (4) PNG, an 8-bit palette
// PNG, and a 24-bit BMP as SDL writes it.
std::vector<uint8_t> makePng(int width, int height, int channels, const std::vector<uint8_t>& rgb);
std::vector<uint8_t> makePalettePng(int width, int height, const std::vector<uint8_t>& palette,
                                    const std::vector<uint8_t>& indices);
std::vector<uint8_t> makeBmp(int width, int height, const std::vector<uint8_t>& rgb);

// Draw a frame of the given root the way the game does (runFrame), without
// touching the real input queue.  Returns nothing; the picker is updated.
void drawFrame(SceneObject* root);

// Steps 1-5 of a frame (clock, procedural textures, clear, the tree, the
// blended pass) without the swap and the picking, so the back buffer can be
// read.
void renderScene(SceneObject* root);

// The blended pass of renderScene: depth writes off, each queued mesh of
// deferredMeshes in order, depth writes on, the list emptied.
void drawBlendedMeshes();

// Read back one pixel of the back buffer, window y from the top.  RGB.
void readPixel(int px, int py, uint8_t out[3]);

// Clear the engine state a test may leave behind (picker, deferred list).
void resetEngine();

// A picking test's scene: a root of its own, the engine and input clean
// before and after, and no archive left open.
struct PickingScene : testing::Test {
    SceneObject root;

    void SetUp() override;
    void TearDown() override;
    // One frame with the pointer at (x, y): what the picker found.
    SceneObject* pickAt(int x, int y);
};
