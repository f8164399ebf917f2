// How the art stores its images: every row unfiltered (the game's loader
// then only inflates), and the very pixels cairo's own PNG file holds.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "art/art_common.h"
#include "resources/pak_archive.h"

namespace {

uint32_t be32(const uint8_t* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

// The filter byte of every row of an 8-bit RGB or RGBA PNG, in order;
// empty when the file cannot be read that far.
std::vector<uint8_t> rowFilters(const uint8_t* png, size_t size) {
    if (size < 33) return {};
    uint32_t width = be32(png + 16), height = be32(png + 20);
    int channels = png[25] == 6 ? 4 : 3;
    std::vector<uint8_t> packed;
    for (size_t pos = 8; pos + 12 <= size;) {
        uint32_t length = be32(png + pos);
        if (length > size - pos - 12) return {};
        if (std::memcmp(png + pos + 4, "IDAT", 4) == 0)
            packed.insert(packed.end(), png + pos + 8, png + pos + 8 + length);
        pos += 12 + length;
    }
    size_t rowBytes = 1 + (size_t)width * channels;
    std::vector<uint8_t> rows(rowBytes * height);
    uLongf unpacked = (uLongf)rows.size();
    if (uncompress(rows.data(), &unpacked, packed.data(), (uLong)packed.size()) != Z_OK ||
        unpacked != rows.size())
        return {};
    std::vector<uint8_t> filters;
    for (uint32_t y = 0; y < height; y++)
        filters.push_back(rows[y * rowBytes]);
    return filters;
}

// A PNG decoded to RGBA with libpng's simple reader; empty on failure.
std::vector<uint8_t> decodeRgba(const std::vector<uint8_t>& file) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return {};
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
    return pixels;
}

std::vector<uint8_t> cairoPng(Canvas& canvas) {
    std::vector<uint8_t> bytes;
    cairo_surface_flush(canvas.surface);
    cairo_surface_write_to_png_stream(
        canvas.surface,
        [](void* out, const unsigned char* data, unsigned int length) {
            auto* v = static_cast<std::vector<uint8_t>*>(out);
            v->insert(v->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    return bytes;
}

} // namespace

TEST(PngEncoding, CanvasesKeepCairosPixelsInUnfilteredRows) {
    for (bool alpha : {false, true}) {
        Canvas canvas = makeCanvas(64, 32, alpha);
        cairo_pattern_t* ramp = cairo_pattern_create_linear(0, 0, 64, 32);
        cairo_pattern_add_color_stop_rgba(ramp, 0, 0.9, 0.2, 0.1, 1);
        cairo_pattern_add_color_stop_rgba(ramp, 1, 0.1, 0.3, 0.8, 0.4);
        cairo_set_source(canvas.cr, ramp);
        cairo_paint(canvas.cr);
        cairo_pattern_destroy(ramp);
        ellipsePath(canvas.cr, 30, 16, 12, 9);
        setColour(canvas.cr, rgb(0x33cc66, 0.55));
        cairo_fill(canvas.cr);

        std::vector<uint8_t> ours = canvasPng(canvas);
        std::vector<uint8_t> filters = rowFilters(ours.data(), ours.size());
        ASSERT_EQ(filters.size(), 32u) << "alpha " << alpha;
        EXPECT_EQ(filters, std::vector<uint8_t>(32, 0)) << "alpha " << alpha;
        std::vector<uint8_t> mine = decodeRgba(ours), theirs = decodeRgba(cairoPng(canvas));
        ASSERT_EQ(mine.size(), (size_t)64 * 32 * 4);
        EXPECT_EQ(mine, theirs) << "alpha " << alpha;
        freeCanvas(canvas);
    }
}

TEST(PngEncoding, TheBoardsPicturesInTheArchivesAreUnfiltered) {
    const char* dir = std::getenv("MEADOW_GAME_DIR");
    ASSERT_NE(dir, nullptr);
    for (const char* file : {"puzzle_v2.pak", "puzzle.pak", "common.pak"}) {
        PakArchive archive(std::string(dir) + "/" + file);
        ASSERT_TRUE(archive.valid) << file;
        EntryBytes picture = archive.entryData("picture.png");
        ASSERT_NE(picture.bytes, nullptr) << file;
        std::vector<uint8_t> filters = rowFilters(picture.bytes, picture.size);
        ASSERT_EQ(filters.size(), 1024u) << file;
        EXPECT_EQ(filters, std::vector<uint8_t>(1024, 0)) << file;
    }
}
