// Images decoded ahead on the worker thread: the texture made from a
// prefetched surface has the image's own pixels, whatever its layout; the
// archive is held exactly while the prefetch lasts; what is not an image is
// left alone, and a newer prefetch or a drop frees what was not taken.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstring>

#include "display_fixture.h"
#include "resources/image_prefetch.h"
#include "resources/pak_library.h"

namespace {

// The texel at (0, 0) of a texture, RGBA.
std::vector<uint8_t> firstTexel(GLuint name, int width, int height) {
    glBindTexture(GL_TEXTURE_2D, name);
    std::vector<uint8_t> all((size_t)width * height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, all.data());
    return {all[0], all[1], all[2], all[3]};
}

struct ImagePrefetch : testing::Test {
    void SetUp() override {
        ensureVideo();
        resetEngine();
        ASSERT_EQ(thePakLibrary.openCount(), 0);
    }
    void TearDown() override {
        dropPrefetchedImages();
        EXPECT_EQ(thePakLibrary.openCount(), 0) << thePakLibrary.describe();
    }
};

} // namespace

TEST_F(ImagePrefetch, TexturesFromPrefetchedSurfacesHaveTheImagesOwnPixels) {
    std::string pak = writeArchive({
        {"plain.png", makePng(4, 2, 3, std::vector<uint8_t>(4 * 2 * 3, 40))},
        {"clear.png", makePng(2, 2, 4, {10, 20, 30, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"palette.png", makePalettePng(2, 1, {200, 100, 50, 1, 2, 3}, {0, 1})},
        {"broken.png", {0x89, 'P', 'N', 'G', 1, 2, 3}},
        {"model", {1, 2, 3, 4}},
    });
    prefetchArchiveImages({pak});
    EXPECT_EQ(thePakLibrary.referenceCount(pak), 1);
    EXPECT_EQ(prefetchedImageCount(), 3); // the broken one and the model give nothing

    GLuint plain = thePakLibrary.texture(pak, "plain.png");
    GLuint clear = thePakLibrary.texture(pak, "clear.png");
    GLuint palette = thePakLibrary.texture(pak, "palette.png");
    EXPECT_EQ(thePakLibrary.texture(pak, "broken.png"), 0u);
    EXPECT_EQ(prefetchedImageCount(), 0); // all three taken
    EXPECT_EQ(firstTexel(plain, 4, 2), (std::vector<uint8_t>{40, 40, 40, 255}));
    EXPECT_EQ(firstTexel(clear, 2, 2), (std::vector<uint8_t>{10, 20, 30, 40}));
    EXPECT_EQ(firstTexel(palette, 2, 1), (std::vector<uint8_t>{200, 100, 50, 255}));

    dropPrefetchedImages(); // the textures' own references keep the archive
    EXPECT_EQ(thePakLibrary.referenceCount(pak), 4);
    thePakLibrary.releaseTexture(pak, plain);
    thePakLibrary.releaseTexture(pak, clear);
    thePakLibrary.releaseTexture(pak, palette);
    thePakLibrary.release(pak); // the broken entry's request counted one too
}

TEST_F(ImagePrefetch, ANewerPrefetchOrADropFreesWhatWasNotTaken) {
    std::vector<uint8_t> grey(8 * 8 * 3, 90);
    std::string first = writeArchive({{"a.png", makePng(8, 8, 3, grey)}});
    std::string second = writeArchive({{"b.png", makePng(8, 8, 3, grey)}});
    prefetchArchiveImages({first});
    prefetchArchiveImages({second});
    EXPECT_EQ(thePakLibrary.referenceCount(first), 0);
    EXPECT_EQ(thePakLibrary.referenceCount(second), 1);
    EXPECT_EQ(prefetchedImageCount(), 1);
    // No bytes, no surface.
    EXPECT_EQ(takePrefetchedImage(nullptr), nullptr);
    dropPrefetchedImages();
    EXPECT_EQ(prefetchedImageCount(), 0);
    EXPECT_EQ(thePakLibrary.openCount(), 0);
}

TEST_F(ImagePrefetch, TheImageTheWorkerIsOnIsWaitedForNotDecodedAgain) {
    // Big enough that its decode is still under way when it is asked for
    // at once; noise, so the PNG does not shrink to nothing.
    const int side = 1024;
    std::vector<uint8_t> noise((size_t)side * side * 3);
    uint32_t state = 12345;
    for (uint8_t& byte : noise) {
        state = state * 1664525u + 1013904223u;
        byte = (uint8_t)(state >> 24);
    }
    std::string pak = writeArchive({{"first.png", makePng(side, side, 3, noise)}});
    prefetchArchiveImages({pak});
    EntryBytes entry = thePakLibrary.entryData(pak, "first.png");
    SDL_Surface* surface = takePrefetchedImage(entry.bytes);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->w, side);
    EXPECT_EQ(0, std::memcmp(surface->pixels, noise.data(), (size_t)side * 3));
    SDL_FreeSurface(surface);
    EXPECT_EQ(prefetchedImageCount(), 0);
    thePakLibrary.release(pak); // entryData's reference
}
