// The three picture sets, drawn small straight from their drawers: every set
// picture is a real drawing in the pictures' ink, and no two of the forty
// pictures (the ten and the three sets) are copies or near-copies of one
// another when compared as tiny thumbnails, as a child sees them on the
// shelf.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "art/set_pictures.h"

namespace {

constexpr int LOOK_W = 320, LOOK_H = 200;    // each picture is drawn this size
constexpr int THUMB_W = 32, THUMB_H = 20;    // and compared at this size
constexpr int THUMB_STEP = LOOK_W / THUMB_W; // pixels averaged per thumbnail pixel
static_assert(LOOK_H / THUMB_H == THUMB_STEP, "thumbnail cells are square");

// At most this many of a set picture's 48 pieces may hold no outline and only
// a plain gradient (open sky or water): the ten pictures have 0 to 8.
constexpr int MOST_EMPTY_PIECES = 8;

// The smallest mean difference (0..255 a channel) two thumbnails of
// different pictures may have.  Measured: a copy gives 0, the same picture
// with everything nudged a quarter of a unit gives at most 14 (half a unit,
// 20 to 25), while the closest two of the forty (the meadow and the little
// train, both green hills under a blue sky) differ by 27 and the closest
// pair with a set picture (the meadow and the cow's meadow) by 34.
constexpr double NEAR_COPY = 16.0;

struct DrawnPicture {
    std::string name;
    std::vector<uint8_t> rgb; // LOOK_W x LOOK_H, three bytes a pixel, rows top down
};

std::vector<uint8_t> drawRgb(PictureDrawer drawer) {
    Canvas canvas = makeCanvas(LOOK_W, LOOK_H, false);
    drawPictureWith(drawer, canvas);
    cairo_surface_flush(canvas.surface);
    const uint8_t* pixels = cairo_image_surface_get_data(canvas.surface);
    int stride = cairo_image_surface_get_stride(canvas.surface);
    std::vector<uint8_t> rgb;
    rgb.reserve(LOOK_W * LOOK_H * 3);
    for (int y = 0; y < LOOK_H; y++)
        for (int x = 0; x < LOOK_W; x++) {
            uint32_t p;
            std::memcpy(&p, pixels + y * stride + x * 4, 4);
            rgb.push_back((p >> 16) & 0xff);
            rgb.push_back((p >> 8) & 0xff);
            rgb.push_back(p & 0xff);
        }
    freeCanvas(canvas);
    return rgb;
}

// The forty pictures, drawn once for the whole run.
const std::vector<DrawnPicture>& fortyPictures() {
    static std::vector<DrawnPicture> drawn;
    if (!drawn.empty()) return drawn;
    for (int i = 0; i < PICTURE_TOTAL; i++)
        drawn.push_back({"picture " + std::to_string(i), drawRgb(PICTURE_DRAWERS[i])});
    const struct {
        const char* name;
        const PictureDrawer* drawers;
    } sets[] = {{"farm", FARM_SET_DRAWERS}, {"sea", SEA_SET_DRAWERS}, {"space", SPACE_SET_DRAWERS}};
    for (const auto& set : sets)
        for (int i = 0; i < SET_PICTURE_COUNT; i++)
            drawn.push_back(
                {std::string(set.name) + " " + std::to_string(i), drawRgb(set.drawers[i])});
    return drawn;
}

// How many of the 48 pieces (8 x 6) hold nothing to match: no outline and
// hardly more colours than a plain gradient.
int emptyPieces(const std::vector<uint8_t>& rgb, const int ink[3]) {
    int empty = 0;
    for (int cy = 0; cy < 6; cy++)
        for (int cx = 0; cx < 8; cx++) {
            std::set<int> colours;
            int inked = 0, pixels = 0;
            for (int y = cy * LOOK_H / 6; y < (cy + 1) * LOOK_H / 6; y++)
                for (int x = cx * LOOK_W / 8; x < (cx + 1) * LOOK_W / 8; x++, pixels++) {
                    const uint8_t* p = &rgb[(y * LOOK_W + x) * 3];
                    colours.insert((p[0] >> 3) << 10 | (p[1] >> 3) << 5 | p[2] >> 3);
                    inked += std::abs(p[0] - ink[0]) + std::abs(p[1] - ink[1]) +
                                 std::abs(p[2] - ink[2]) <
                             40;
                }
            empty += inked * 200 <= pixels && colours.size() <= 24;
        }
    return empty;
}

std::vector<double> thumbnail(const std::vector<uint8_t>& rgb) {
    std::vector<double> thumb(THUMB_W * THUMB_H * 3, 0.0);
    for (int y = 0; y < LOOK_H; y++)
        for (int x = 0; x < LOOK_W; x++)
            for (int c = 0; c < 3; c++)
                thumb[((y / THUMB_STEP) * THUMB_W + x / THUMB_STEP) * 3 + c] +=
                    rgb[(y * LOOK_W + x) * 3 + c];
    for (double& v : thumb)
        v /= THUMB_STEP * THUMB_STEP;
    return thumb;
}

double meanDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); i++)
        sum += std::abs(a[i] - b[i]);
    return sum / a.size();
}

} // namespace

TEST(SetPictures, EverySetPictureIsAFullDrawingInInk) {
    const std::vector<DrawnPicture>& drawn = fortyPictures();
    ASSERT_EQ(drawn.size(), (size_t)PICTURE_TOTAL + 3 * SET_PICTURE_COUNT);
    const int ink[3] = {(int)(INK.r * 255 + 0.5), (int)(INK.g * 255 + 0.5),
                        (int)(INK.b * 255 + 0.5)};
    for (size_t p = PICTURE_TOTAL; p < drawn.size(); p++) {
        const std::vector<uint8_t>& rgb = drawn[p].rgb;
        std::set<int> colours; // at 5 bits a channel
        int inked = 0;
        for (size_t i = 0; i < rgb.size(); i += 3) {
            colours.insert((rgb[i] >> 3) << 10 | (rgb[i + 1] >> 3) << 5 | rgb[i + 2] >> 3);
            inked += std::abs(rgb[i] - ink[0]) + std::abs(rgb[i + 1] - ink[1]) +
                         std::abs(rgb[i + 2] - ink[2]) <
                     40;
        }
        double inkShare = (double)inked / (LOOK_W * LOOK_H);
        // A picture of gradients, many things and faces has hundreds of colours;
        // a blank or flat canvas has one or two.
        EXPECT_GT(colours.size(), 400u) << drawn[p].name;
        // Outlines in ink on every thing (the ten have 1 to 4 % ink), but not
        // a picture drowned in ink.
        EXPECT_GT(inkShare, 0.005) << drawn[p].name;
        EXPECT_LT(inkShare, 0.3) << drawn[p].name;
        EXPECT_LE(emptyPieces(rgb, ink), MOST_EMPTY_PIECES) << drawn[p].name;
    }
}

TEST(SetPictures, NoTwoOfTheFortyPicturesAreNearCopies) {
    const std::vector<DrawnPicture>& drawn = fortyPictures();
    std::vector<std::vector<double>> thumbs;
    for (const DrawnPicture& picture : drawn)
        thumbs.push_back(thumbnail(picture.rgb));
    double closest = 1e9;
    std::string closestPair;
    for (size_t a = 0; a < thumbs.size(); a++)
        for (size_t b = a + 1; b < thumbs.size(); b++) {
            double difference = meanDifference(thumbs[a], thumbs[b]);
            EXPECT_GT(difference, NEAR_COPY) << drawn[a].name << " and " << drawn[b].name;
            if (difference < closest) {
                closest = difference;
                closestPair = drawn[a].name + " and " + drawn[b].name;
            }
        }
    RecordProperty("closest_pair", closestPair + ": " + std::to_string(closest));
    std::printf("closest pair: %s, mean difference %.1f\n", closestPair.c_str(), closest);
}
