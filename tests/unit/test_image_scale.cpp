// Narrowing images to the width they are shown at.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "resources/image_scale.h"

TEST(ImageScale, WidthHalvesOnlyWhileTheHalfStillCoversTheShownWidth) {
    EXPECT_EQ(narrowedWidth(2048, 0), 2048);   // no limit
    EXPECT_EQ(narrowedWidth(2048, -5), 2048);
    EXPECT_EQ(narrowedWidth(2048, 960), 1024); // shown 960 wide
    EXPECT_EQ(narrowedWidth(2048, 640), 1024); // 512 would be too narrow
    EXPECT_EQ(narrowedWidth(2048, 1024), 1024);
    EXPECT_EQ(narrowedWidth(2048, 1025), 2048);
    EXPECT_EQ(narrowedWidth(2048, 300), 512);
    EXPECT_EQ(narrowedWidth(2048, 1), 1);
    EXPECT_EQ(narrowedWidth(6, 1), 3); // stops at an odd width
    EXPECT_EQ(narrowedWidth(7, 1), 7);
}

TEST(ImageScale, ColumnsAreAveragedPerChannelWithRounding) {
    // Two rows of four RGB pixels, rows padded to 16 bytes as SDL pads them.
    const int pitch = 16;
    std::vector<uint8_t> image(pitch * 2, 0xEE); // the padding must never be read
    const uint8_t rows[2][12] = {{0, 10, 255, 1, 11, 255, 100, 0, 7, 200, 255, 8},
                                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < 12; ++i)
            image[y * pitch + i] = rows[y][i];
    std::vector<uint8_t> out;
    ASSERT_EQ(narrowImage(image.data(), 4, 2, pitch, 3, 2, out), 2);
    const std::vector<uint8_t> expected = {1,  11, 255, 150, 128, 8, // (0+1+1)/2 rounds up
                                           3,  4,  5,   9,   10,  11};
    EXPECT_EQ(out, expected);
}

TEST(ImageScale, SeveralHalvingsAverageAllTheirColumnsAndKeepAlpha) {
    // One RGBA row of eight pixels shown at most two wide: four columns each.
    std::vector<uint8_t> image;
    for (int x = 0; x < 8; ++x)
        image.insert(image.end(), {(uint8_t)(x * 10), 0, 255, (uint8_t)(x < 4 ? 0 : 255)});
    std::vector<uint8_t> out;
    ASSERT_EQ(narrowImage(image.data(), 8, 1, 32, 4, 2, out), 2);
    const std::vector<uint8_t> expected = {15, 0, 255, 0, 55, 0, 255, 255};
    EXPECT_EQ(out, expected);
}

TEST(ImageScale, AnImageAlreadyNarrowEnoughIsCopiedPacked) {
    std::vector<uint8_t> image = {1, 2, 3, 99, 4, 5, 6, 99}; // 1 x 2 RGB, pitch 4
    std::vector<uint8_t> out;
    ASSERT_EQ(narrowImage(image.data(), 1, 2, 4, 3, 0, out), 1);
    const std::vector<uint8_t> expected = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(out, expected);
}

TEST(ImageScale, KeptColumnsHoldTheSeenPartInAPowerOfTwoInsideTheImage) {
    struct Case {
        int width;
        double seenFirst, seenLast;
        int first, kept;
    } cases[] = {
        {2048, 0, 1, 0, 2048},                  // all of it seen
        {2048, 0, 0.433, 0, 1024},              // the meadow's right half on 16:9
        {2048, 0.449, 0.882, 851, 1024},        // its left half: centred on the part
        {2048, 0.9, 1.3, 1792, 256},            // past the right edge: kept inside
        {2048, -0.5, 0.1, 0, 256},              // past the left edge
        {2048, 0.25, 0.7502, 0, 2048},          // one column more than half
        {2048, 0.5, 0.5, 0, 2048},              // nothing asked for: all of it
        {2048, 0.7, 0.2, 0, 2048},              // backwards: all of it
        {6, 0.1, 0.3, 0, 3},                    // an odd half stops the halving
        {0, 0, 1, 0, 0},                        // no image
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " " << c.seenFirst << ".." << c.seenLast);
        int first = -1, kept = -1;
        keptColumns(c.width, c.seenFirst, c.seenLast, first, kept);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(kept, c.kept);
    }
}
