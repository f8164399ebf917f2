// Big archive textures kept as spares: the next picture of the same size
// and kind is copied into one, with its own pixels; other sizes, kinds and
// small images never take one; the library drops them with its last archive.
#include <GL/gl.h>

#include "display_fixture.h"
#include "resources/pak_library.h"

namespace {

constexpr int SIDE = 512; // the smallest size kept as a spare

// A SIDE x SIDE image of one colour (channels 3 or 4).
std::vector<uint8_t> plainImage(int channels, uint8_t r, uint8_t g, uint8_t b) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < SIDE * SIDE; ++i) {
        pixels.insert(pixels.end(), {r, g, b});
        if (channels == 4) pixels.push_back(200);
    }
    return makePng(SIDE, SIDE, channels, pixels);
}

// The texel at (x, y) of a texture, RGBA.
std::vector<uint8_t> texel(GLuint name, int x, int y) {
    glBindTexture(GL_TEXTURE_2D, name);
    std::vector<uint8_t> all((size_t)SIDE * SIDE * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, all.data());
    size_t at = ((size_t)y * SIDE + x) * 4;
    return {all[at], all[at + 1], all[at + 2], all[at + 3]};
}

struct TextureSpares : testing::Test {
    void SetUp() override {
        ensureVideo();
        resetEngine();
        ASSERT_EQ(thePakLibrary.openCount(), 0);
        ASSERT_EQ(spareTextureCount(), 0);
    }
    void TearDown() override {
        EXPECT_EQ(thePakLibrary.openCount(), 0) << thePakLibrary.describe();
        EXPECT_EQ(spareTextureCount(), 0);
    }
};

} // namespace

TEST_F(TextureSpares, TheNextPictureOfTheSameSizeIsCopiedIntoTheSpareWithItsOwnPixels) {
    std::string first = writeArchive({{"pic", plainImage(3, 250, 0, 0)}});
    std::string second = writeArchive({{"pic", plainImage(3, 0, 0, 250)}});
    std::string keeper = writeArchive({{"small", makePng(2, 2, 3, std::vector<uint8_t>(12, 9))}});
    thePakLibrary.open(keeper); // keeps the library from emptying meanwhile

    GLuint red = thePakLibrary.texture(first, "pic");
    ASSERT_NE(red, 0u);
    EXPECT_EQ(texel(red, 7, 300), (std::vector<uint8_t>{250, 0, 0, 255}));
    thePakLibrary.releaseTexture(first, red);
    thePakLibrary.release(first); // its last user: the archive closes
    EXPECT_EQ(thePakLibrary.referenceCount(first), 0);
    EXPECT_EQ(spareTextureCount(), 1);
    EXPECT_TRUE(glIsTexture(red));

    GLuint blue = thePakLibrary.texture(second, "pic");
    EXPECT_EQ(blue, red); // the spare, filled again
    EXPECT_EQ(spareTextureCount(), 0);
    EXPECT_EQ(texel(blue, 7, 300), (std::vector<uint8_t>{0, 0, 250, 255}));
    EXPECT_EQ(texel(blue, SIDE - 1, SIDE - 1), (std::vector<uint8_t>{0, 0, 250, 255}));
    GLint format = 0, minFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_TRUE(format == GL_RGB || format == GL_RGB8);
    EXPECT_EQ(minFilter, GL_LINEAR);

    thePakLibrary.releaseTexture(second, blue);
    thePakLibrary.release(second);
    EXPECT_EQ(spareTextureCount(), 1);
    // The last archive closing deletes the spares with it.
    thePakLibrary.release(keeper);
    EXPECT_EQ(spareTextureCount(), 0);
    EXPECT_FALSE(glIsTexture(red));
}

TEST_F(TextureSpares, OtherKindsSizesAndSmallImagesNeverTakeASpare) {
    std::string pak = writeArchive({
        {"rgb", plainImage(3, 10, 20, 30)},
        {"rgba", plainImage(4, 40, 50, 60)},
        {"wide", makePng(SIDE * 2, SIDE / 2, 3, std::vector<uint8_t>((size_t)SIDE * SIDE * 3, 70))},
        {"tiny", makePng(2, 2, 3, std::vector<uint8_t>(12, 80))},
    });
    std::string keeper = writeArchive({{"small", makePng(2, 2, 3, std::vector<uint8_t>(12, 9))}});
    thePakLibrary.open(keeper);

    GLuint rgb = thePakLibrary.texture(pak, "rgb");
    GLuint tiny = thePakLibrary.texture(pak, "tiny");
    thePakLibrary.releaseTexture(pak, rgb);
    thePakLibrary.releaseTexture(pak, tiny);
    EXPECT_EQ(spareTextureCount(), 1); // the small one is deleted
    EXPECT_FALSE(glIsTexture(tiny));

    GLuint rgba = thePakLibrary.texture(pak, "rgba");
    GLuint wide = thePakLibrary.texture(pak, "wide");
    EXPECT_NE(rgba, rgb);
    EXPECT_NE(wide, rgb);
    EXPECT_EQ(spareTextureCount(), 1);
    EXPECT_EQ(texel(rgba, 3, 3), (std::vector<uint8_t>{40, 50, 60, 200}));
    // Two of a size and kind at most: a third is deleted.
    GLuint again = thePakLibrary.texture(pak, "rgb");
    EXPECT_EQ(again, rgb);
    std::string more = writeArchive({{"a", plainImage(3, 1, 1, 1)}, {"b", plainImage(3, 2, 2, 2)}});
    GLuint a = thePakLibrary.texture(more, "a");
    GLuint b = thePakLibrary.texture(more, "b");
    for (GLuint name : {a, b})
        thePakLibrary.releaseTexture(more, name);
    thePakLibrary.releaseTexture(pak, again);
    EXPECT_TRUE(glIsTexture(a) && glIsTexture(b));
    EXPECT_FALSE(glIsTexture(again));
    for (GLuint name : {rgba, wide})
        thePakLibrary.releaseTexture(pak, name);
    EXPECT_EQ(spareTextureCount(), 2 + 1 + 1); // RGB 512, RGBA 512, 1024 x 256
    thePakLibrary.release(keeper);
}
