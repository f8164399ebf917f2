// The real window: its size, camera and the software-rasteriser path.
#include <GL/gl.h>

#include <cstring>

#include "base/input.h"
#include "base/video_context.h"
#include "display_fixture.h"

TEST(VideoContext, OpensAtDesktopSizeWithTheCameraOfTheGame) {
    ensureVideo();
    EXPECT_EQ(theVideo->width, 1920);
    EXPECT_EQ(theVideo->height, 1080);
    ASSERT_NE(screenSurface, nullptr);
    EXPECT_EQ(screenSurface->w, 1920);
    EXPECT_EQ(screenSurface->h, 1080);
    EXPECT_NEAR(theVideo->halfHeightAt(100), 41.42, 0.01);
    EXPECT_NEAR(theVideo->halfWidthAt(100), 73.64, 0.01);
    EXPECT_DOUBLE_EQ(theVideo->halfWidthAt(-26), -theVideo->halfWidthAt(26));
    EXPECT_DOUBLE_EQ(theVideo->halfHeightAt(-26), -theVideo->halfHeightAt(26));
    // The corner lies on the near plane, below and left of the eye.
    EXPECT_LT(theVideo->corner.x, 0);
    EXPECT_LT(theVideo->corner.y, 0);
    EXPECT_NEAR(theVideo->corner.z, -0.05, 1e-3);
}

TEST(VideoContext, SoftwareRasteriserRunsWithoutMultisampling) {
    ensureVideo();
    const char* renderer = (const char*)glGetString(GL_RENDERER);
    ASSERT_NE(renderer, nullptr);
    ASSERT_TRUE(isSoftwareRenderer(renderer)) << renderer;
    EXPECT_FALSE(theVideo->multisampled);
    GLint sampleBuffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    EXPECT_EQ(sampleBuffers, 0);
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 24);
}

TEST(VideoContext, FixedStateIsWhatMeshesAndPickingRelyOn) {
    ensureVideo();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LEQUAL);
    GLfloat alphaRef = 0;
    glGetFloatv(GL_ALPHA_TEST_REF, &alphaRef);
    EXPECT_NEAR(alphaRef, 0.9, 1e-6);
}

TEST(VideoContext, RecognisesSoftwareRasterisers) {
    EXPECT_TRUE(isSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(isSoftwareRenderer("Gallium 0.4 on softpipe"));
    EXPECT_TRUE(isSoftwareRenderer("Mesa X11 swrast"));
    EXPECT_FALSE(isSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23)"));
    EXPECT_FALSE(isSoftwareRenderer(nullptr));
}

// The pointer is hidden with an invisible cursor, not by switching SDL to
// relative mode: an absolute move still lands at its pixel.
TEST(VideoContext, HiddenPointerStillMovesToAbsolutePositions) {
    ensureVideo();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    SDL_WarpMouse(700, 300);
    bool moved = false;
    for (int tries = 0; tries < 50 && !moved; ++tries) {
        SDL_PumpEvents();
        while (SDL_PollEvent(&event)) {
            recordEvent(event);
            moved |= event.type == SDL_MOUSEMOTION;
        }
        if (!moved) SDL_Delay(10);
    }
    ASSERT_TRUE(moved);
    EXPECT_EQ(mouseX, 700);
    EXPECT_EQ(mouseY, 300);
    resetInput();
}

TEST(SmallVideoContext, FourByThreeScreenIsNarrowerAtTheSameHeight) {
    ensureVideo();
    EXPECT_EQ(theVideo->width, 1024);
    EXPECT_EQ(theVideo->height, 768);
    EXPECT_NEAR(theVideo->halfHeightAt(100), 41.42, 0.01);
    EXPECT_NEAR(theVideo->halfWidthAt(100), 55.23, 0.01);
}

// On a machine with a GPU device the game first asks for a multisampled
// window; finding a software rasteriser behind it, it must start the video
// afresh without multisampling (the old context would otherwise survive).
// Its own process: see the detected-software entry in tests/CMakeLists.txt.
TEST(DISABLED_DetectedSoftwareVideo, RetriesWithAFreshPlainWindow) {
    ensureVideo();
    ASSERT_NE(videoDeviceRoot, "/dev/");
    ASSERT_TRUE(isSoftwareRenderer((const char*)glGetString(GL_RENDERER)));
    EXPECT_FALSE(theVideo->multisampled);
    GLint sampleBuffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    EXPECT_EQ(sampleBuffers, 0);
    EXPECT_EQ(theVideo->width, 1920);
    EXPECT_NEAR(theVideo->halfHeightAt(100), 41.42, 0.01);
}
