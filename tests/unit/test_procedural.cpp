// Procedural textures without GL: recipes, the Plasma and Fire
// generators and the Fire palette.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "resources/procedural_texture.h"

namespace {

const uint8_t* pixelAt(const std::vector<uint8_t>& pixels, int w, int x, int y) {
    return &pixels[((size_t)y * w + x) * 4];
}

// Plasma's sum for a pixel at time 0, as the generator forms it.
double plasmaSum(int x, int y, int w, int h) {
    double cx = 6.28 / w, cy = 6.28 / h;
    return std::sin(x * cx) + std::sin(x * 2 * cx) + std::sin(x * 4 * cx) + std::sin(y * cy) +
           std::sin(y * 2 * cy) + std::sin(y * 4 * cy);
}

} // namespace

TEST(ProceduralSpec, ReadsKindSizesAndColour) {
    ProceduralSpec spec;
    ASSERT_TRUE(parseProceduralSpec("x#Plasma64x32,10,200,300", spec));
    EXPECT_EQ(spec.kind, "Plasma");
    EXPECT_EQ(spec.width, 64);
    EXPECT_EQ(spec.height, 32);
    EXPECT_EQ(spec.red, 10);
    EXPECT_EQ(spec.green, 200);
    EXPECT_EQ(spec.blue, 300 & 0xFF);                        // low 8 bits
    ASSERT_TRUE(parseProceduralSpec("a#Fire128x 64", spec)); // spaces before a number
    EXPECT_EQ(spec.kind, "Fire");
    EXPECT_EQ(spec.width, 128);
    EXPECT_EQ(spec.height, 64);
}

TEST(ProceduralSpec, RejectsWhatNoGeneratorCanMake) {
    ProceduralSpec spec;
    EXPECT_FALSE(parseProceduralSpec("x#Smoke64x64", spec));      // unknown kind
    EXPECT_FALSE(parseProceduralSpec("x#Plasma", spec));          // no digit
    EXPECT_FALSE(parseProceduralSpec("x#Plasma64x64,1,2", spec)); // colour cut short
    EXPECT_FALSE(parseProceduralSpec("x#Plasma0x64,1,2,3", spec));
    EXPECT_FALSE(parseProceduralSpec("x#Plasma64x4096,1,2,3", spec));
    EXPECT_FALSE(parseProceduralSpec("x#Fire48x64", spec)); // width not a power of two
    EXPECT_FALSE(parseProceduralSpec("x#Fire64x1", spec));  // h/2 would be 0
    EXPECT_FALSE(parseProceduralSpec("xPlasma64x64,1,2,3", spec));
}

TEST(Plasma, TimeZeroCornerIsOnTheGridInTheLightenedColour) {
    const int w = 64, h = 64;
    std::vector<uint8_t> pixels((size_t)w * h * 4);
    uint8_t colour[3] = {10, 20, 250};
    plasmaGenerator(0, w, h, pixels.data(), colour);
    const uint8_t* p = pixelAt(pixels, w, 0, 0);
    EXPECT_EQ(p[0], 18); // s = 0, v = 128, d = 8
    EXPECT_EQ(p[1], 127);
    EXPECT_EQ(p[2], (uint8_t)(250 + 8)); // wraps modulo 256
    EXPECT_EQ(p[3], 255);
}

TEST(Plasma, ContourBandsAreOpaqueAndTheRestClear) {
    const int w = 64, h = 64;
    std::vector<uint8_t> pixels((size_t)w * h * 4);
    uint8_t colour[3] = {100, 50, 0};
    plasmaGenerator(0, w, h, pixels.data(), colour);
    int bands = 0, clear = 0;
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            if (x % 16 == 0 || y % 16 == 0) continue;
            int n = (int)(plasmaSum(x, y, w, h) * 21 + 128) & 0xFF;
            const uint8_t* p = pixelAt(pixels, w, x, y);
            if (n == 123) { // the base colour plus 3, opaque
                ++bands;
                EXPECT_EQ(p[0], 103);
                EXPECT_EQ(p[1], 53);
                EXPECT_EQ(p[2], 3);
                EXPECT_EQ(p[3], 255);
            } else if (n == 128 || n == 127 || n == 120) {
                ++clear;
                EXPECT_EQ(p[3], 0);
            }
        }
    }
    EXPECT_GT(bands, 0);
    EXPECT_GT(clear, 0);
}

TEST(Fire, PaletteRampsMatchTheirEndpoints) {
    FireState* fire = createFireState(64, 32);
    auto expectEntry = [&](int i, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
        EXPECT_EQ(fire->palette[i][0], r) << i;
        EXPECT_EQ(fire->palette[i][1], g) << i;
        EXPECT_EQ(fire->palette[i][2], b) << i;
        EXPECT_EQ(fire->palette[i][3], a) << i;
    };
    expectEntry(0, 0, 0, 0, 100);
    expectEntry(32, 127, 25, 18, 177);
    expectEntry(64, 255, 51, 36, 255);
    expectEntry(160, 182, 172, 115, 255);
    expectEntry(254, 252, 228, 53, 255);
    EXPECT_EQ(fire->rows, 35);
    destroyFireState(fire);
}

TEST(Fire, EdgeColumnsStayColdAndHeatNeverReachesEntry255) {
    const int w = 32, h = 16;
    FireState* fire = createFireState(w, h);
    // Fill every cell, hidden rows included, with the hottest value.
    for (int i = 0; i < w * fire->rows; ++i)
        fire->current[i] = 255;
    fire->palette[255][0] = 1; // a marker: entry 255 must never be used
    std::vector<uint8_t> pixels((size_t)w * h * 4);
    std::srand(7);
    for (int step = 0; step < 5; ++step) {
        fireGenerator(0, w, h, pixels.data(), fire);
        for (int y = 0; y < h; ++y) {
            for (int x : {0, w - 1}) {
                const uint8_t* p = pixelAt(pixels, w, x, y);
                EXPECT_EQ(p[0], 0);
                EXPECT_EQ(p[3], 100);
            }
        }
        for (int i = 0; i < w * h; ++i)
            EXPECT_NE(fire->current[i], 255);
    }
    destroyFireState(fire);
}

TEST(Fire, ColdGridWithoutVisibleSparksIsAllEntryZero) {
    const int w = 16, h = 8;
    // Find a seed that gives no sparks below the picture and a visible
    // spark too weak to survive one cooling step (under 16).
    FireState* fire = createFireState(w, h);
    std::vector<uint8_t> pixels((size_t)w * h * 4);
    for (unsigned seed = 1; seed < 100000; ++seed) {
        std::srand(seed);
        if ((std::rand() & (w - 1)) != 0) continue;
        std::rand();
        std::rand();
        if ((std::rand() & 0xFF) >= 16) continue;
        std::srand(seed);
        fireGenerator(0, w, h, pixels.data(), fire);
        for (int i = 0; i < w * h; ++i) {
            EXPECT_EQ(pixels[i * 4 + 0], 0);
            EXPECT_EQ(pixels[i * 4 + 3], 100);
        }
        destroyFireState(fire);
        return;
    }
    destroyFireState(fire);
    FAIL() << "no seed with a cold visible spark";
}

TEST(Fire, HiddenRowsKeepTheirHeatAcrossTheSwap) {
    const int w = 8, h = 4;
    FireState* fire = createFireState(w, h);
    uint8_t* first = fire->current;
    first[(h + 2) * w + 3] = 200; // heat in a hidden row of the current grid
    std::vector<uint8_t> pixels((size_t)w * h * 4);
    std::srand(1);
    fireGenerator(0, w, h, pixels.data(), fire);
    EXPECT_NE(fire->current, first);
    fireGenerator(0, w, h, pixels.data(), fire);
    ASSERT_EQ(fire->current, first);      // two steps later the grid is current again
    EXPECT_GE(first[(h + 2) * w + 3], 1); // hidden rows are never rewritten by cooling
    destroyFireState(fire);
}
