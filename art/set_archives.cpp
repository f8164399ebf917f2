// buildSetArchives: the three picture sets, each picture drawn once and
// kept as a JPEG in its set's archive (puzzle/picture_sets.h).
//
// Nothing here is cut: the game makes a set picture into its board's
// pictures at play time, as it does a family photo, so one picture costs
// one JPEG instead of a cut copy per size.  The pictures are drawn in the
// board's 20 x 12 shape, which the game crops to, at SET_JPEG_WIDTH across:
// a little under the board texture's 2048, which the game scales it up to.
//
// Set MEADOW_ART_LOOK to a folder to also get every set picture as a PNG there.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include <jpeglib.h> // after <cstdio>: it needs size_t and FILE

#include "art/art_gen.h"
#include "art/set_pictures.h"
#include "puzzle/picture_sets.h"

constexpr int SET_JPEG_WIDTH = 1600, SET_JPEG_HEIGHT = 960; // the board's 20 x 12 shape
constexpr int SET_JPEG_QUALITY = 90;                        // clean outlines on flat colours

// The drawers of each row of PICTURE_SETS, in its order.
static const PictureDrawer* const SET_DRAWERS[] = {FARM_SET_DRAWERS, SEA_SET_DRAWERS,
                                                   SPACE_SET_DRAWERS};
static_assert(std::size(SET_DRAWERS) == SET_COUNT, "every set has its drawings");
static_assert(SET_PICTURE_COUNT == SET_SIZE, "the art draws as many pictures as a set holds");

// The canvas (RGB24: cairo's native-endian 0x00RRGGBB words) as JPEG bytes.
static std::vector<uint8_t> canvasJpeg(Canvas& canvas) {
    cairo_surface_flush(canvas.surface);
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    int stride = cairo_image_surface_get_stride(canvas.surface);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors); // errors here are the generator's own: they exit
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = (JDIMENSION)canvas.width;
    info.image_height = (JDIMENSION)canvas.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, SET_JPEG_QUALITY, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row((size_t)canvas.width * 3);
    while (info.next_scanline < info.image_height) {
        const uint32_t* pixels = (const uint32_t*)(data + (size_t)info.next_scanline * stride);
        for (int x = 0; x < canvas.width; x++) {
            row[(size_t)x * 3] = (uint8_t)(pixels[x] >> 16);
            row[(size_t)x * 3 + 1] = (uint8_t)(pixels[x] >> 8);
            row[(size_t)x * 3 + 2] = (uint8_t)pixels[x];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes(out, out + outSize);
    std::free(out);
    return bytes;
}

// One set's archive: each picture drawn and kept as a JPEG.
static bool writeSetArchive(const PictureSetRow& set, const PictureDrawer* drawers,
                            const std::string& outDir) {
    PakArchive pak;
    bool ok = true;
    for (int i = 0; i < SET_SIZE && ok; i++) {
        Canvas drawn = makeCanvas(SET_JPEG_WIDTH, SET_JPEG_HEIGHT, false);
        drawPictureWith(drawers[i], drawn);
        if (const char* look = std::getenv("MEADOW_ART_LOOK"))
            saveCanvasPng(drawn,
                          std::string(look) + "/set_" + set.name + std::to_string(i + 1) + ".png");
        std::vector<uint8_t> jpeg = canvasJpeg(drawn);
        freeCanvas(drawn);
        ok = pak.addEntry(setPictureEntry(i), jpeg.data(), (uint32_t)jpeg.size());
    }
    return ok && writeArchive(pak, outDir, set.archive);
}

bool buildSetArchives(const std::string& outDir) {
    for (int s = 0; s < SET_COUNT; s++)
        if (!writeSetArchive(PICTURE_SETS[s], SET_DRAWERS[s], outDir)) {
            std::fprintf(stderr, "art_gen: the %s set failed\n", PICTURE_SETS[s].name);
            return false;
        }
    return true;
}
