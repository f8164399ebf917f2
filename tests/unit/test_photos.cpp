// The family's photos: header probing, EXIF orientation, the upright turn,
// centre crop and filtered scale, JPEGs decoded shrunk a band at a time,
// the folder scan, and the finished-photo file.  Images are generated
// here, a few pixels each.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "base/photo_progress.h"
#include "base/platform.h"
#include "resources/photo_image.h"
#include "resources/photo_jpeg.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"
#include "resources/photo_probe.h"
#include "tests/support/test_files.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The game tunes the allocator before it makes any picture: full-size
// pictures (8 MB) are then mapped apart and handed back when freed, and
// leave no holes in the heap for later tests to stumble on.
const bool allocatorTuned = (tuneMemoryAllocator(), true);

struct Rgb {
    uint8_t r, g, b;
};

constexpr Rgb RED = {255, 0, 0}, GREEN = {0, 255, 0}, BLUE = {0, 0, 255}, YELLOW = {255, 255, 0};
enum Quadrant { TL, TR, BL, BR };
constexpr Rgb QUADRANT_COLOURS[4] = {RED, GREEN, BLUE, YELLOW};

// A stored image whose four quadrants have their own colours.
RgbaImage quadrants(int width, int height) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            Rgb c = QUADRANT_COLOURS[(y >= height / 2) * 2 + (x >= width / 2)];
            image.pixels.insert(image.pixels.end(), {c.r, c.g, c.b, 255});
        }
    return image;
}

const uint8_t* pixelAt(const RgbaImage& image, int x, int y) {
    return &image.pixels[((size_t)y * image.width + x) * 4];
}

void expectColour(const RgbaImage& image, int x, int y, Rgb want, int tolerance = 2) {
    const uint8_t* p = pixelAt(image, x, y);
    EXPECT_NEAR(p[0], want.r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(p[1], want.g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(p[2], want.b, tolerance) << "at " << x << "," << y;
}

// The first bytes of a PNG of the given size (signature and IHDR).
Bytes pngHeader(uint32_t width, uint32_t height) {
    Bytes b = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            b.push_back((uint8_t)(v >> shift));
    b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
    return b;
}

void putBig16(Bytes& b, uint32_t v) {
    b.push_back((uint8_t)(v >> 8));
    b.push_back((uint8_t)v);
}

// A JPEG's start: SOI, an APP1 EXIF block whose only tag is the
// orientation (byte order "II" or "MM"), `padding` bytes of another
// segment, then a frame header (SOF0 or SOF2).
Bytes jpegFront(int orientation, bool bigEndian, size_t padding, uint32_t width, uint32_t height,
                bool progressive = false) {
    Bytes tiff = bigEndian ? Bytes{'M',  'M',  0, 42, 0, 0, 0, 8, 0, 1,
                                   0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, (uint8_t)orientation,
                                   0,    0,    0, 0,  0, 0}
                           : Bytes{'I',
                                   'I',
                                   42,
                                   0,
                                   8,
                                   0,
                                   0,
                                   0,
                                   1,
                                   0,
                                   0x12,
                                   0x01,
                                   3,
                                   0,
                                   1,
                                   0,
                                   0,
                                   0,
                                   (uint8_t)orientation,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0};
    Bytes b = {0xff, 0xd8, 0xff, 0xe1};
    putBig16(b, (uint32_t)(2 + 6 + tiff.size()));
    b.insert(b.end(), {'E', 'x', 'i', 'f', 0, 0});
    b.insert(b.end(), tiff.begin(), tiff.end());
    while (padding > 0) { // segments hold at most 64 KB each
        size_t part = std::min<size_t>(padding, 60000);
        b.insert(b.end(), {0xff, 0xe2});
        putBig16(b, (uint32_t)(part + 2));
        b.insert(b.end(), part, 0x55);
        padding -= part;
    }
    b.insert(b.end(), {0xff, (uint8_t)(progressive ? 0xc2 : 0xc0)});
    putBig16(b, 17);
    b.push_back(8);
    putBig16(b, height);
    putBig16(b, width);
    b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    return b;
}

// A real BMP file of `image`, written by SDL.
Bytes bmpBytes(const RgbaImage& image) {
    SDL_Surface* s =
        SDL_CreateRGBSurfaceFrom(const_cast<uint8_t*>(image.pixels.data()), image.width,
                                 image.height, 32, image.width * 4, 0xff, 0xff00, 0xff0000, 0);
    std::string path = "/tmp/meadow_photo_test_" + std::to_string(getpid()) + ".bmp";
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    Bytes b;
    for (int c; f && (c = std::fgetc(f)) != EOF;)
        b.push_back((uint8_t)c);
    if (f) std::fclose(f);
    std::remove(path.c_str());
    return b;
}

// A real JPEG of `image` written by libjpeg at quality 95 (no chroma
// halving, so quadrant edges stay sharp), with the EXIF block of
// jpegFront() when `orientation` is given.
Bytes jpegBytes(const RgbaImage& image, int orientation = 0, bool progressive = false,
                J_COLOR_SPACE colours = JCS_EXT_RGBX) {
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &out, &size);
    encoder.image_width = (JDIMENSION)image.width;
    encoder.image_height = (JDIMENSION)image.height;
    encoder.input_components = colours == JCS_GRAYSCALE ? 1 : 4;
    encoder.in_color_space = colours;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    for (int c = 0; c < encoder.num_components; c++)
        encoder.comp_info[c].h_samp_factor = encoder.comp_info[c].v_samp_factor = 1;
    if (progressive) jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    if (orientation) {
        Bytes front = jpegFront(orientation, false, 0, 1, 1);
        size_t length = (size_t)front[4] << 8 | front[5];
        jpeg_write_marker(&encoder, JPEG_APP0 + 1, front.data() + 6, (unsigned)(length - 2));
    }
    Bytes row((size_t)image.width * 4);
    while (encoder.next_scanline < encoder.image_height) {
        const uint8_t* pixels = pixelAt(image, 0, (int)encoder.next_scanline);
        for (int x = 0; x < image.width; x++)
            row[x] = colours == JCS_GRAYSCALE ? pixels[x * 4] : 0;
        JSAMPROW pointer = colours == JCS_GRAYSCALE ? row.data() : const_cast<uint8_t*>(pixels);
        if (colours == JCS_CMYK) { // full ink is what libjpeg's readers take for white
            for (int x = 0; x < image.width * 4; x++) row[x] = 255;
            pointer = row.data();
        }
        jpeg_write_scanlines(&encoder, &pointer, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

// A smooth picture with no two rows or columns alike: red across, green
// down, blue along the diagonal.
RgbaImage gradient(int width, int height) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            image.pixels.insert(image.pixels.end(),
                                {(uint8_t)(x * 255 / width), (uint8_t)(y * 255 / height),
                                 (uint8_t)((x + y) * 255 / (width + height)), 255});
    return image;
}

// A JPEG decoded whole at its full size, by libjpeg through SDL_image.
RgbaImage decodedWhole(const Bytes& jpeg) {
    SDL_Surface* loaded = IMG_Load_RW(SDL_RWFromConstMem(jpeg.data(), (int)jpeg.size()), 1);
    RgbaImage image;
    if (!loaded) return image;
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0xff,
                                             0xff00, 0xff0000, 0xff000000);
    SDL_BlitSurface(loaded, nullptr, rgba, nullptr);
    image.width = rgba->w;
    image.height = rgba->h;
    for (int y = 0; y < rgba->h; y++) {
        const uint8_t* row = static_cast<const uint8_t*>(rgba->pixels) + (size_t)y * rgba->pitch;
        image.pixels.insert(image.pixels.end(), row, row + rgba->w * 4);
    }
    SDL_FreeSurface(loaded);
    SDL_FreeSurface(rgba);
    for (size_t i = 3; i < image.pixels.size(); i += 4)
        image.pixels[i] = 255;
    return image;
}

// Largest difference of any colour byte, and the mean difference.
void expectAlike(const RgbaImage& a, const RgbaImage& b, int most, double mean) {
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    int worst = 0;
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size(); i++) {
        int d = std::abs(a.pixels[i] - b.pixels[i]);
        worst = std::max(worst, d);
        sum += d;
    }
    EXPECT_LE(worst, most);
    EXPECT_LE(sum / a.pixels.size(), mean);
}

} // namespace

TEST(PhotoProbe, ReadsSizesFromHeadersAlone) {
    ImageHeader h;
    Bytes png = pngHeader(640, 480);
    ASSERT_EQ(probeImageHeader(png.data(), png.size(), h), ProbeResult::Image);
    EXPECT_EQ(h.kind, ImageKind::Png);
    EXPECT_EQ(h.width, 640u);
    EXPECT_EQ(h.height, 480u);

    // The frame header lies behind 5000 bytes of other segments.
    Bytes jpeg = jpegFront(6, false, 5000, 4032, 3024);
    EXPECT_EQ(probeImageHeader(jpeg.data(), 2000, h), ProbeResult::NeedMore);
    ASSERT_EQ(probeImageHeader(jpeg.data(), jpeg.size(), h), ProbeResult::Image);
    EXPECT_EQ(h.kind, ImageKind::Jpeg);
    EXPECT_EQ(h.width, 4032u);
    EXPECT_EQ(h.height, 3024u);
    EXPECT_EQ(headerProblem(ProbeResult::Image, h), "");

    Bytes bmp = bmpBytes(quadrants(6, 4));
    ASSERT_EQ(probeImageHeader(bmp.data(), bmp.size(), h), ProbeResult::Image);
    EXPECT_EQ(h.kind, ImageKind::Bmp);
    EXPECT_EQ(h.width, 6u);
    EXPECT_EQ(h.height, 4u);

    const char text[] = "hello, this is not a picture";
    EXPECT_EQ(probeImageHeader((const uint8_t*)text, sizeof text, h), ProbeResult::NotImage);
    EXPECT_EQ(probeImageHeader(png.data(), 20, h), ProbeResult::NotImage); // cut short
    Bytes zero = pngHeader(0, 10);
    EXPECT_EQ(probeImageHeader(zero.data(), zero.size(), h), ProbeResult::NotImage);
}

TEST(PhotoProbe, PngsCutShortAreToldApartFromWholeOnes) {
    Bytes png = pngHeader(4, 4);
    png.insert(png.end(), {0, 0, 0, 2, 'I', 'D', 'A', 'T', 0x78, 0x9c, 1, 2, 3, 4});
    png.insert(png.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xae, 0x42, 0x60, 0x82});
    EXPECT_TRUE(pngChunksComplete(png.data(), png.size()));
    for (size_t cut = 0; cut < png.size(); cut++)
        EXPECT_FALSE(pngChunksComplete(png.data(), cut)) << cut;
    png[png.size() - 24] = 0x7f; // an IDAT length past the end
    EXPECT_FALSE(pngChunksComplete(png.data(), png.size()));
}

TEST(PhotoProbe, BudgetRefusesHugePicturesButTakesPhoneSizes) {
    ImageHeader h;
    Bytes huge = pngHeader(20000, 20000);
    ASSERT_EQ(probeImageHeader(huge.data(), huge.size(), h), ProbeResult::Image);
    EXPECT_EQ(headerProblem(ProbeResult::Image, h), "too many pixels (20000 x 20000)");

    Bytes phone = jpegFront(1, false, 0, 4000, 3000);
    ASSERT_EQ(probeImageHeader(phone.data(), phone.size(), h), ProbeResult::Image);
    EXPECT_LE(decodeBytesFor(h), PHOTO_DECODE_BUDGET);
    // A progressive JPEG of the same size needs libjpeg's whole-image buffers too.
    Bytes progressive = jpegFront(1, false, 0, 4000, 3000, true);
    ASSERT_EQ(probeImageHeader(progressive.data(), progressive.size(), h), ProbeResult::Image);
    EXPECT_NE(headerProblem(ProbeResult::Image, h), "");
}

TEST(PhotoOrientation, ReadsEveryTagInBothByteOrders) {
    for (bool bigEndian : {false, true})
        for (int tag = 1; tag <= 8; tag++) {
            Bytes jpeg = jpegFront(tag, bigEndian, 0, 64, 48);
            EXPECT_EQ(readExifOrientation(jpeg.data(), jpeg.size()), tag) << bigEndian;
        }
    Bytes odd = jpegFront(9, false, 0, 64, 48);
    EXPECT_EQ(readExifOrientation(odd.data(), odd.size()), ORIENTATION_UPRIGHT);
    Bytes png = pngHeader(64, 48);
    EXPECT_EQ(readExifOrientation(png.data(), png.size()), ORIENTATION_UPRIGHT);
}

TEST(PhotoOrientation, AllEightTurnTheStoredCornersUpright) {
    // Which stored quadrant shows at the upright top-left, top-right,
    // bottom-left and bottom-right, as EXIF describes each orientation.
    const Quadrant shows[8][4] = {
        {TL, TR, BL, BR}, // 1 as stored
        {TR, TL, BR, BL}, // 2 mirrored left to right
        {BR, BL, TR, TL}, // 3 upside down
        {BL, BR, TL, TR}, // 4 mirrored top to bottom
        {TL, BL, TR, BR}, // 5 rows became columns
        {BL, TL, BR, TR}, // 6 needs a quarter turn clockwise (a phone held upright)
        {BR, TR, BL, TL}, // 7 the other diagonal
        {TR, BR, TL, BL}, // 8 needs a quarter turn anticlockwise
    };
    RgbaImage stored = quadrants(48, 32); // not square: a turn must swap the sides
    for (int o = 1; o <= 8; o++) {
        int w = 0, h = 0;
        orientedSize(o, 48, 32, w, h);
        EXPECT_EQ(w, o >= 5 ? 32 : 48);
        RgbaImage out;
        ASSERT_TRUE(orientCropScale(stored, o, 50, 30, out));
        SCOPED_TRACE("orientation " + std::to_string(o));
        expectColour(out, 5, 5, QUADRANT_COLOURS[shows[o - 1][0]]);
        expectColour(out, 44, 5, QUADRANT_COLOURS[shows[o - 1][1]]);
        expectColour(out, 5, 24, QUADRANT_COLOURS[shows[o - 1][2]]);
        expectColour(out, 44, 24, QUADRANT_COLOURS[shows[o - 1][3]]);
    }
}

TEST(PhotoCrop, KeepsTheCentreAtTheBoardsShape) {
    CropRect wide = centreCrop(1000, 300, PHOTO_ASPECT);
    EXPECT_DOUBLE_EQ(wide.width, 500);
    EXPECT_DOUBLE_EQ(wide.x, 250);
    EXPECT_DOUBLE_EQ(wide.height, 300);
    CropRect tall = centreCrop(300, 1000, PHOTO_ASPECT);
    EXPECT_DOUBLE_EQ(tall.height, 180);
    EXPECT_DOUBLE_EQ(tall.y, 410);

    // A panorama: red, green, blue thirds.  Only the green middle is kept,
    // not the whole width squeezed in.
    RgbaImage pano;
    pano.width = 200;
    pano.height = 40;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 200; x++) {
            Rgb c = x < 60 ? RED : x < 140 ? GREEN : BLUE;
            pano.pixels.insert(pano.pixels.end(), {c.r, c.g, c.b, 255});
        }
    RgbaImage out;
    ASSERT_TRUE(orientCropScale(pano, 1, 100, 60, out));
    expectColour(out, 0, 0, GREEN);
    expectColour(out, 99, 59, GREEN);
}

TEST(PhotoScale, AveragesWhenReducingAndFillsFromOnePixel) {
    // A one-pixel checkerboard reduced four times is an even grey, where
    // picking single pixels would give black and white.
    RgbaImage checks;
    checks.width = checks.height = 64;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            uint8_t v = (x + y) % 2 ? 255 : 0;
            checks.pixels.insert(checks.pixels.end(), {v, v, v, 255});
        }
    RgbaImage small;
    ASSERT_TRUE(scaleImage(checks, 16, 16, small));
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
            ASSERT_NEAR(pixelAt(small, x, y)[0], 128, 12) << x << "," << y;

    RgbaImage dot;
    dot.width = dot.height = 1;
    dot.pixels = {10, 200, 30, 255};
    RgbaImage big;
    ASSERT_TRUE(orientCropScale(dot, 6, PHOTO_PREVIEW_WIDTH, PHOTO_PREVIEW_HEIGHT, big));
    expectColour(big, 0, 0, {10, 200, 30});
    expectColour(big, PHOTO_PREVIEW_WIDTH - 1, PHOTO_PREVIEW_HEIGHT - 1, {10, 200, 30});
}

TEST(PhotoScale, TransparencyShowsOnWhiteAndTheTrayIsVeiled) {
    RgbaImage glass;
    glass.width = 10;
    glass.height = 6;
    for (int i = 0; i < 60; i++)
        glass.pixels.insert(glass.pixels.end(), {255, 0, 0, (uint8_t)(i < 30 ? 0 : 128)});
    RgbaImage out;
    ASSERT_TRUE(orientCropScale(glass, 1, 20, 12, out));
    expectColour(out, 10, 1, {255, 255, 255});
    expectColour(out, 10, 10, {255, 127, 127}, 3);
    EXPECT_EQ(pixelAt(out, 10, 10)[3], 255);

    RgbaImage black;
    black.width = 8;
    black.height = 4;
    black.pixels.assign(8 * 4 * 4, 0);
    for (size_t i = 3; i < black.pixels.size(); i += 4)
        black.pixels[i] = 255;
    RgbaImage pale;
    ASSERT_TRUE(makePalePicture(black, pale));
    EXPECT_EQ(pale.width, PHOTO_PALE_WIDTH);
    // The warm veil, then the places' white fill the tray wears.
    expectColour(pale, 100, 100, {175, 173, 170});
}

TEST(PhotoPictures, DecodesAFileIntoTheThreeBoardPictures) {
    Bytes bmp = bmpBytes(quadrants(60, 36));
    PhotoPictures pictures;
    std::string why;
    ASSERT_TRUE(makePhotoPictures(bmp.data(), bmp.size(), pictures, why)) << why;
    EXPECT_EQ(pictures.picture.width, PHOTO_PICTURE_WIDTH);
    EXPECT_EQ(pictures.picture.height, PHOTO_PICTURE_HEIGHT);
    EXPECT_EQ(pictures.preview.width, PHOTO_PREVIEW_WIDTH);
    EXPECT_EQ(pictures.pale.height, PHOTO_PALE_HEIGHT);
    expectColour(pictures.picture, 10, 10, RED);
    expectColour(pictures.picture, PHOTO_PICTURE_WIDTH - 10, PHOTO_PICTURE_HEIGHT - 10, YELLOW);
    expectColour(pictures.preview, 5, PHOTO_PREVIEW_HEIGHT - 5, BLUE);

    Bytes damaged(bmp.begin(), bmp.begin() + 60);
    EXPECT_FALSE(makePhotoPictures(damaged.data(), damaged.size(), pictures, why));
    Bytes huge = pngHeader(20000, 20000);
    EXPECT_FALSE(makePhotoPictures(huge.data(), huge.size(), pictures, why));
    EXPECT_EQ(why, "too many pixels (20000 x 20000)");
}

TEST(PhotoJpeg, DecodesAtTheFewestEighthsThatCoverThePicture) {
    // A phone photo held upright: its crop is 3000 x 1800, 6/8 of which is
    // the first to cover 2048 x 1024; held sideways, 5/8 of 4000 x 2400.
    EXPECT_EQ(jpegDecodeEighths(6, 4000, 3000, PHOTO_PICTURE_WIDTH, PHOTO_PICTURE_HEIGHT), 6);
    EXPECT_EQ(jpegDecodeEighths(1, 4000, 3000, PHOTO_PICTURE_WIDTH, PHOTO_PICTURE_HEIGHT), 5);
    // Small photos are decoded whole, big ones as small as the file allows.
    EXPECT_EQ(jpegDecodeEighths(1, 640, 480, PHOTO_PICTURE_WIDTH, PHOTO_PICTURE_HEIGHT), 8);
    EXPECT_EQ(jpegDecodeEighths(1, 16000, 9600, 100, 60), 1);
}

TEST(PhotoJpeg, AllEightOrientationsComeUprightFromAShrunkDecode) {
    const Quadrant topLeft[8] = {TL, TR, BR, BL, TL, BL, BR, TR};
    const Quadrant bottomRight[8] = {BR, BL, TL, TR, BR, TR, TL, BL};
    RgbaImage stored = quadrants(320, 192);
    for (int o = 1; o <= 8; o++) {
        SCOPED_TRACE("orientation " + std::to_string(o));
        Bytes jpeg = jpegBytes(stored, o);
        PhotoPictures pictures;
        std::string why;
        ASSERT_TRUE(makePhotoPictures(jpeg.data(), jpeg.size(), pictures, why)) << why;
        expectColour(pictures.picture, 40, 40, QUADRANT_COLOURS[topLeft[o - 1]], 12);
        expectColour(pictures.picture, PHOTO_PICTURE_WIDTH - 40, PHOTO_PICTURE_HEIGHT - 40,
                     QUADRANT_COLOURS[bottomRight[o - 1]], 12);
        expectColour(pictures.preview, 5, 5, QUADRANT_COLOURS[topLeft[o - 1]], 12);
    }
}

TEST(PhotoJpeg, BandsOfRowsMakeThePictureAWholeDecodeWould) {
    // 480 x 320 shrunk to 4/8 or 5/8 for a 200 x 120 picture is three or
    // four bands of rows.  Against the same shrunk decode held whole, a
    // band read one row off, or without its margins, shows in the fine
    // stripes of blue.
    RgbaImage stored = gradient(480, 320);
    for (int y = 0; y < 320; y++)
        for (int x = 0; x < 480; x++)
            stored.pixels[((size_t)y * 480 + x) * 4 + 2] = (x / 5 + y / 3) % 2 ? 255 : 0;
    Bytes striped = jpegBytes(stored);
    for (int o = 1; o <= 8; o++) {
        SCOPED_TRACE("orientation " + std::to_string(o));
        JpegReader reader;
        ASSERT_TRUE(openJpeg(reader, striped.data(), striped.size()));
        ASSERT_TRUE(startJpeg(reader, jpegDecodeEighths(o, 480, 320, 200, 120)));
        EXPECT_LT(reader.width, 480);
        RgbaImage shrunk;
        shrunk.width = reader.width;
        shrunk.height = reader.height;
        shrunk.pixels.resize((size_t)reader.width * reader.height * 4);
        ASSERT_TRUE(readJpegRows(reader, shrunk.pixels.data(), (size_t)reader.width * 4,
                                 reader.height));
        closeJpeg(reader);
        RgbaImage banded, reference;
        ASSERT_EQ(makeJpegPicture(striped.data(), striped.size(), o, 200, 120, banded),
                  JpegMade::Made);
        ASSERT_TRUE(orientCropScale(shrunk, o, 200, 120, reference));
        expectAlike(banded, reference, 2, 0.05);
    }
    // The shrunk decode shows what a whole-size one does, turned and
    // cropped alike.
    Bytes smooth = jpegBytes(gradient(480, 320));
    RgbaImage whole = decodedWhole(smooth);
    ASSERT_EQ(whole.width, 480);
    RgbaImage shrunk, reference;
    ASSERT_EQ(makeJpegPicture(smooth.data(), smooth.size(), 6, 200, 120, shrunk), JpegMade::Made);
    ASSERT_TRUE(orientCropScale(whole, 6, 200, 120, reference));
    expectAlike(shrunk, reference, 8, 1.5);
    // So small a picture that even 1/8 is more than twice its size: the
    // shrunk photo is reduced further in passes, and the stripes average
    // out as they do from the whole size (picked pixels would show them).
    RgbaImage wholeStriped = decodedWhole(striped);
    ASSERT_EQ(makeJpegPicture(striped.data(), striped.size(), 7, 10, 6, shrunk), JpegMade::Made);
    ASSERT_TRUE(orientCropScale(wholeStriped, 7, 10, 6, reference));
    expectAlike(shrunk, reference, 4, 1.05);
}

TEST(PhotoJpeg, GreyProgressiveAndCmykFilesAreReadOrHandedOn) {
    RgbaImage stored = quadrants(160, 96);
    RgbaImage out;
    Bytes progressive = jpegBytes(stored, 0, true);
    ASSERT_EQ(makeJpegPicture(progressive.data(), progressive.size(), 8, 100, 60, out),
              JpegMade::Made);
    expectColour(out, 5, 5, QUADRANT_COLOURS[TR], 12);
    Bytes grey = jpegBytes(stored, 0, false, JCS_GRAYSCALE);
    ASSERT_EQ(makeJpegPicture(grey.data(), grey.size(), 1, 100, 60, out), JpegMade::Made);
    expectColour(out, 95, 5, {0, 0, 0}, 4); // green's red byte, as grey
    expectColour(out, 5, 5, {255, 255, 255}, 4);
    Bytes cmyk = jpegBytes(stored, 0, false, JCS_CMYK);
    EXPECT_EQ(makeJpegPicture(cmyk.data(), cmyk.size(), 1, 100, 60, out), JpegMade::NotHandled);
    PhotoPictures pictures;
    std::string why;
    EXPECT_TRUE(makePhotoPictures(cmyk.data(), cmyk.size(), pictures, why)) << why;
}

TEST(PhotoJpeg, DamagedFilesFailOrAreFinishedInGreyNeverWorse) {
    Bytes jpeg = jpegBytes(gradient(320, 200), 6);
    RgbaImage out;
    // Cut inside the headers: nothing to show.
    for (size_t cut : {(size_t)0, (size_t)2, (size_t)40, (size_t)200})
        EXPECT_EQ(makeJpegPicture(jpeg.data(), cut, 1, 100, 60, out), JpegMade::Damaged) << cut;
    // Cut inside the picture: the rest is grey, as any photo viewer shows it.
    ASSERT_EQ(makeJpegPicture(jpeg.data(), jpeg.size() / 2, 1, 100, 60, out), JpegMade::Made);
    expectColour(out, 50, 59, {128, 128, 128}, 2);
    // Bytes overwritten anywhere: made or refused, and libjpeg's memory freed
    // either way (the memcheck and sanitizer runs would see a leak).
    std::mt19937 rng(16);
    int made = 0, refused = 0;
    for (int round = 0; round < 200; round++) {
        Bytes broken = jpeg;
        for (int i = 0; i < 4; i++)
            broken[rng() % broken.size()] = (uint8_t)rng();
        JpegMade result = makeJpegPicture(broken.data(), broken.size(), 1, 100, 60, out);
        (result == JpegMade::Made ? made : refused)++;
    }
    EXPECT_GT(made, 0);
    EXPECT_GT(refused, 0);
    // Cut just before the scan: the header check passes, the decode cannot.
    size_t scan = 2;
    while (scan + 1 < jpeg.size() && !(jpeg[scan] == 0xff && jpeg[scan + 1] == 0xda))
        scan++;
    PhotoPictures pictures;
    std::string why;
    EXPECT_FALSE(makePhotoPictures(jpeg.data(), scan, pictures, why));
    EXPECT_EQ(why, "damaged picture");
}

TEST(PhotoFolder, OffersImagesInByteOrderAndSkipsTheRestWithOneLineEach) {
    TempFolder folder;
    const std::string& d = folder.path;
    Bytes png = pngHeader(800, 600);
    writeBytes(d + "b photo.png", png);                              // a space
    writeBytes(d + "a\nnewline.png", png);                           // a newline
    writeBytes(d + "c\xff\xfe.png", png);                            // not UTF-8
    writeBytes(d + "d.jpg", jpegFront(6, false, 70000, 4000, 3000)); // size behind 64 KB
    writeBytes(d + "e.png", {'n', 'o', 'p', 'e'});                   // not an image
    writeBytes(d + "f.png", {});                                     // empty
    writeBytes(d + "g.png", pngHeader(20000, 20000));
    writeBytes(d + ".hidden.png", png);
    ASSERT_EQ(symlink("h.png", (d + "h.png").c_str()), 0);    // loops
    ASSERT_EQ(symlink("gone.png", (d + "i.png").c_str()), 0); // leads nowhere
    ASSERT_EQ(mkfifo((d + "j.png").c_str(), 0600), 0);        // would block a reader
    ASSERT_EQ(mkdir((d + "k.png").c_str(), 0700), 0);
    ASSERT_EQ(symlink("b photo.png", (d + "l.png").c_str()), 0); // a link to a photo is one

    testing::internal::CaptureStderr();
    PhotoLibrary library;
    scanPhotoFolder(d, library);
    std::string lines = testing::internal::GetCapturedStderr();

    std::vector<std::string> names;
    for (const PhotoEntry& photo : library.photos)
        names.push_back(photo.fileName);
    EXPECT_EQ(names, (std::vector<std::string>{"a\nnewline.png", "b photo.png", "c\xff\xfe.png",
                                               "d.jpg", "l.png"}));
    EXPECT_EQ(library.photos[3].width, 4000u);
    EXPECT_EQ(library.photos[1].fileSize, png.size());
    EXPECT_EQ(library.pathOf(1), d + "b photo.png");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 7) << lines; // e .. k
    EXPECT_NE(lines.find("\"h.png\" skipped: a link that loops"), std::string::npos) << lines;
    EXPECT_NE(lines.find("too many pixels"), std::string::npos);

    PhotoLibrary three;
    testing::internal::CaptureStderr();
    scanPhotoFolder(d, three, 3);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(three.count(), 3);
    EXPECT_EQ(three.photos[2].fileName, "c\xff\xfe.png");

    PhotoLibrary none;
    scanPhotoFolder(d + "missing/", none);
    EXPECT_EQ(none.count(), 0);
    EXPECT_TRUE(makePhotoFolder(d + "made/"));
    EXPECT_TRUE(makePhotoFolder(d + "made/")); // already there
}

TEST(PhotoFolder, PrintsNamesOnOneSafeLine) {
    EXPECT_EQ(printableFileName("a\nb"), "a\\x0ab");
    EXPECT_EQ(printableFileName("c\xff.png"), "c\\xff.png");
    EXPECT_EQ(printableFileName("Gro\xc3\x9fmutter.jpg"), "Gro\xc3\x9fmutter.jpg");
    EXPECT_EQ(printableFileName("back\\slash\x7f"), "back\\x5cslash\\x7f");
}

TEST(PhotoProgressFile, KeepsNamesAndSizesThroughTheFile) {
    PhotoProgress progress;
    progress.markDone("dog.jpg", 12345);
    progress.markDone("a\nb\xff", 7);
    progress.markDone("dog.jpg", 12345); // once only
    EXPECT_EQ(progress.names.size(), 2u);
    EXPECT_TRUE(progress.isDone("dog.jpg", 12345));
    EXPECT_FALSE(progress.isDone("dog.jpg", 12346)); // a new photo under the old name
    progress.markDone("cat.png", 1);
    progress.markUndone("cat.png", 1); // restarted
    EXPECT_FALSE(progress.isDone("cat.png", 1));

    Bytes bytes = encodePhotoProgress(progress);
    PhotoProgress back;
    ASSERT_TRUE(readPhotoProgressBytes(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.names, progress.names);
    EXPECT_EQ(back.sizes, progress.sizes);
    for (size_t cut = 0; cut < bytes.size(); cut++) {
        EXPECT_FALSE(readPhotoProgressBytes(bytes.data(), cut, back)) << cut;
        EXPECT_TRUE(back.names.empty());
    }
    Bytes huge = {1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff};
    EXPECT_FALSE(readPhotoProgressBytes(huge.data(), huge.size(), back));
}

TEST(PhotoProgressFile, SavesAtomicallyBesideTheSettingsAndClears) {
    TempFolder folder;
    loadPhotoProgress(folder.path);
    EXPECT_TRUE(thePhotoProgress.names.empty());
    thePhotoProgress.markDone("beach.png", 99);
    ASSERT_TRUE(savePhotoProgress());
    struct stat info;
    EXPECT_NE(stat((photoProgressPath + ".tmp").c_str(), &info), 0);
    loadPhotoProgress(folder.path);
    EXPECT_TRUE(thePhotoProgress.isDone("beach.png", 99));

    thePhotoProgress.clear();
    ASSERT_TRUE(savePhotoProgress());
    loadPhotoProgress(folder.path);
    EXPECT_TRUE(thePhotoProgress.names.empty());

    writeBytes(photoProgressPath, {1, 0, 0});
    loadPhotoProgress(folder.path); // damaged: nothing finished, no crash
    EXPECT_TRUE(thePhotoProgress.names.empty());
    loadPhotoProgress("");
    EXPECT_FALSE(savePhotoProgress());
}

TEST(PhotoPrefetch, MakesNeighboursOnTheWorkerAndHandsThemOver) {
    TempFolder folder;
    Bytes bmp = bmpBytes(quadrants(60, 36));
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        writeBytes(folder.path + name, bmp);
    writeBytes(folder.path + "bad.bmp", Bytes(bmp.begin(), bmp.begin() + 60));
    int before = thePhotoPrefetch.madeCount;
    prefetchPhotos({folder.path + "a.bmp", folder.path + "b.bmp", folder.path + "bad.bmp"});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    auto madeSoFar = [] {
        std::lock_guard<std::mutex> hold(thePhotoPrefetch.lock);
        return thePhotoPrefetch.madeCount;
    };
    while (madeSoFar() < before + 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(madeSoFar(), before + 3);

    PhotoPictures pictures;
    std::string why;
    ASSERT_TRUE(takePhotoPictures(folder.path + "b.bmp", pictures, why)) << why;
    EXPECT_EQ(pictures.picture.width, PHOTO_PICTURE_WIDTH);
    expectColour(pictures.picture, 10, 10, RED);
    EXPECT_FALSE(takePhotoPictures(folder.path + "bad.bmp", pictures, why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(madeSoFar(), before + 3); // handed over, not made again

    // A photo no longer wanted is dropped; one never asked for is made on the spot.
    prefetchPhotos({});
    ASSERT_TRUE(takePhotoPictures(folder.path + "c.bmp", pictures, why)) << why;
    EXPECT_TRUE(thePhotoPrefetch.jobs.empty());
    EXPECT_FALSE(takePhotoPictures(folder.path + "missing.bmp", pictures, why));
    stopPhotoPrefetch();
    EXPECT_FALSE(workerThreadRunning(thePhotoPrefetch.worker));
}
