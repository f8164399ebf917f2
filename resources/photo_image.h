// Photo pictures: a family's photo file made into the three pictures a
// puzzle board shows, the same sizes as the bundled pictures' textures.
//
// The work goes file bytes -> header check (resources/photo_probe.h) ->
// decode -> pixman composites that turn the photo upright by its EXIF
// orientation (libexif reads the tag), crop its centre to the board's 20 x
// 12 shape and scale it, filtered, to the picture's texture size; the pale
// tray picture and the menu-tab preview are scaled from that.  Transparent
// parts of a photo show on white.
//
// A JPEG (a phone's photo) is decoded by libjpeg already shrunk to the
// fewest eighths of its size that still cover the picture
// (resources/photo_jpeg.h), and its rows go into the picture a band at a
// time: turning, cropping and scaling are one mapping, so the photo is
// never held whole, at full size or upright.  Other images are decoded
// whole by SDL_image and reduced in halving passes.
//
// Nothing here touches GL or the video: the board uploads the pixels
// (resources/photo_library.h), and tests run it all on generated images.
//
// NOTE: pixels are RGBA bytes in that order, rows top first, no padding:
// what glTexImage2D reads as GL_RGBA / GL_UNSIGNED_BYTE.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Sizes of the bundled pictures' textures, and the board's shape they are
// stretched onto (20 x 12 board units).
constexpr int PHOTO_PICTURE_WIDTH = 2048, PHOTO_PICTURE_HEIGHT = 1024;
constexpr int PHOTO_PALE_WIDTH = 1024, PHOTO_PALE_HEIGHT = 512;
constexpr int PHOTO_PREVIEW_WIDTH = 512, PHOTO_PREVIEW_HEIGHT = 256;
constexpr double PHOTO_ASPECT = 20.0 / 12.0;

struct RgbaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels; // width * height * 4 bytes
};

// A region of the upright photo, in pixels (fractions allowed).
struct CropRect {
    double x, y, width, height;
};

// The three pictures of one photo's board.
struct PhotoPictures {
    RgbaImage picture; // the pieces and the finished picture
    RgbaImage pale;    // the tray, washed out
    RgbaImage preview; // the menu tab
};

// EXIF orientation 1..8 (1 = stored upright; 5..8 swap width and height).
constexpr int ORIENTATION_UPRIGHT = 1, ORIENTATION_COUNT = 8;

// The orientation tag in a JPEG's EXIF block; 1 when there is none or it is bad.
int readExifOrientation(const uint8_t* data, size_t size);

// Width and height of a stored width x height image once turned upright.
void orientedSize(int orientation, int width, int height, int& uprightWidth, int& uprightHeight);

// The centre of an upright width x height image with the given aspect (width / height).
CropRect centreCrop(int width, int height, double aspect);

// Turn `source` upright, crop its centre to PHOTO_ASPECT and scale it to
// width x height with a smoothing filter, over white.  False when pixman
// cannot take the image.
bool orientCropScale(const RgbaImage& source, int orientation, int width, int height,
                     RgbaImage& out);

// Scale a whole image to width x height (no crop), filtered.
bool scaleImage(const RgbaImage& source, int width, int height, RgbaImage& out);

// The tray's washed-out copy: the picture scaled and veiled in warm white.
bool makePalePicture(const RgbaImage& picture, RgbaImage& out);

// How a JPEG went: made into the picture, damaged, or in colours (CMYK)
// left to SDL_image's decode.
enum class JpegMade { Made, Damaged, NotHandled };

// The eighths of its stored size (1..8) a JPEG is decoded at for a width x
// height picture: the fewest that keep its crop at least that big.
int jpegDecodeEighths(int orientation, int storedWidth, int storedHeight, int width, int height);

// Decode JPEG bytes shrunk by libjpeg and make them the upright, cropped,
// filtered width x height picture, a band of rows at a time.
JpegMade makeJpegPicture(const uint8_t* data, size_t size, int orientation, int width, int height,
                         RgbaImage& out);

// Decode a photo file's bytes and make its three pictures; `why` says what
// was wrong when it returns false (not an image, over budget, damaged).
bool makePhotoPictures(const uint8_t* data, size_t size, PhotoPictures& out, std::string& why);
