// Photo pictures: JPEGs decoded shrunk by libjpeg and scaled into the
// picture a band of rows at a time, other images decoded whole by
// SDL_image; orientation from libexif, and the upright turn, crop and
// filtered scale in pixman composites.
#include "resources/photo_image.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <libexif/exif-data.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "resources/photo_jpeg.h"
#include "resources/photo_probe.h"

namespace {

// Where an upright pixel (u, v) lies in the stored W x H image:
// x = ux*u + vx*v + wx*W, y = uy*u + vy*v + hy*H.
struct OrientationMap {
    double ux, vx, wx;
    double uy, vy, hy;
};

// Indexed by orientation - 1, as EXIF numbers them.
constexpr OrientationMap ORIENTATION_MAPS[ORIENTATION_COUNT] = {
    {1, 0, 0, 0, 1, 0},   // 1 upright
    {-1, 0, 1, 0, 1, 0},  // 2 mirrored left to right
    {-1, 0, 1, 0, -1, 1}, // 3 upside down
    {1, 0, 0, 0, -1, 1},  // 4 mirrored top to bottom
    {0, 1, 0, 1, 0, 0},   // 5 mirrored along the diagonal
    {0, 1, 0, -1, 0, 1},  // 6 stored a quarter turn anticlockwise (phones held upright)
    {0, -1, 1, -1, 0, 1}, // 7 mirrored along the other diagonal
    {0, -1, 1, 1, 0, 0},  // 8 stored a quarter turn clockwise
};

// Reduction: each pass halves the picture along the axes that shrink by
// more than this, with the bilinear filter at exactly half size (an even
// 2 x 2 average); the last pass, bilinear too, then reads every source
// pixel.  pixman's bilinear paths are many times faster than its general
// convolution, which matters for a 12-megapixel photo.
constexpr double MOST_STEP_PER_PASS = 2.0;
// Rows of an RGB photo converted at a time (even, so halving pairs stay in one strip).
constexpr int STRIP_ROWS = 64;
// Rows of a shrunk JPEG scaled into the picture at a time, and the rows
// kept on either side so the filter reads across a band's edge as if the
// photo were whole (bilinear reads one row beyond; one more for rounding).
constexpr int BAND_ROWS = 64, BAND_MARGIN = 2;

// The tray's veil: warm white at 58 %, as the bundled pictures' pale copies.
constexpr double VEIL_RED = 1.0, VEIL_GREEN = 0.99, VEIL_BLUE = 0.96, VEIL_ALPHA = 0.58;
// Then the places' light fill (white), which tiles the tray and is drawn
// as part of it.
constexpr double PLACE_VEIL = 64.0 / 255;

// pixman's names for R, G, B(, A or unused) bytes in memory, and SDL's
// masks for the byte at an offset in a pixel: both depend on byte order.
constexpr bool BIG_ENDIAN_PIXELS = SDL_BYTEORDER == SDL_BIG_ENDIAN;
constexpr pixman_format_code_t RGBA_BYTES = BIG_ENDIAN_PIXELS ? PIXMAN_r8g8b8a8 : PIXMAN_a8b8g8r8;
constexpr pixman_format_code_t RGBX_BYTES = BIG_ENDIAN_PIXELS ? PIXMAN_r8g8b8x8 : PIXMAN_x8b8g8r8;
constexpr pixman_format_code_t RGB_BYTES = BIG_ENDIAN_PIXELS ? PIXMAN_r8g8b8 : PIXMAN_b8g8r8;

constexpr Uint32 byteMask(int offset, int bytesPerPixel) {
    return 0xFFu << (8 * (BIG_ENDIAN_PIXELS ? bytesPerPixel - 1 - offset : offset));
}
constexpr Uint32 RED_MASK = byteMask(0, 4), GREEN_MASK = byteMask(1, 4), BLUE_MASK = byteMask(2, 4),
                 ALPHA_MASK = byteMask(3, 4);
constexpr Uint32 RED_MASK_24 = byteMask(0, 3), BLUE_MASK_24 = byteMask(2, 3);

// Pixels pixman can read in place: R, G, B(, A) bytes, rows `stride` apart
// (a multiple of 4), alpha premultiplied.
struct PixelView {
    uint8_t* bytes;
    int width, height, stride;
    pixman_format_code_t format;
};

PixelView viewOf(const RgbaImage& image) {
    return {const_cast<uint8_t*>(image.pixels.data()), image.width, image.height, image.width * 4,
            RGBA_BYTES};
}

void makeWhite(RgbaImage& image, int width, int height) {
    image.width = width;
    image.height = height;
    image.pixels.assign((size_t)width * height * 4, 0xff);
}

pixman_image_t* pixmanImage(const PixelView& view) {
    return pixman_image_create_bits(view.format, view.width, view.height,
                                    reinterpret_cast<uint32_t*>(view.bytes), view.stride);
}

// A rectangle of output pixels.
struct PixelArea {
    int x, y, width, height;
};

// One composite of `source` into `area` of `target` through `toSource`.
bool compositeArea(const PixelView& source, const pixman_f_transform& toSource,
                   pixman_filter_t filter, pixman_op_t op, const PixelView& target,
                   const PixelArea& area) {
    pixman_transform_t fixed;
    if (!pixman_transform_from_pixman_f_transform(&fixed, &toSource)) return false;
    pixman_image_t* src = pixmanImage(source);
    pixman_image_t* dst = pixmanImage(target);
    bool ok = src && dst && pixman_image_set_transform(src, &fixed) &&
              pixman_image_set_filter(src, filter, nullptr, 0);
    if (ok) {
        pixman_image_set_repeat(src, PIXMAN_REPEAT_PAD); // edges do not fade to nothing
        pixman_image_composite32(op, src, nullptr, dst, area.x, area.y, 0, 0, area.x, area.y,
                                 area.width, area.height);
    }
    if (src) pixman_image_unref(src);
    if (dst) pixman_image_unref(dst);
    return ok;
}

// One composite of `source` into the whole of `target`.
bool composite(const PixelView& source, const pixman_f_transform& toSource, pixman_filter_t filter,
               pixman_op_t op, const PixelView& target) {
    return compositeArea(source, toSource, filter, op, target,
                         {0, 0, target.width, target.height});
}

// Rows [first, first + count) of a view.
PixelView rowsOf(const PixelView& view, int first, int count) {
    return {view.bytes + (size_t)first * view.stride, view.width, count, view.stride, view.format};
}

// One row of R, G, B bytes as R, G, B, A with A opaque (pixman's general
// reader of 24-bit pixels takes several times as long).
void addOpaqueAlpha(const uint8_t* rgb, int width, uint8_t* rgba) {
    for (int x = 0; x < width; x++, rgb += 3, rgba += 4) {
        rgba[0] = rgb[0];
        rgba[1] = rgb[1];
        rgba[2] = rgb[2];
        rgba[3] = 0xff;
    }
}

// `source` reduced by fx x fy (1 or 2 each) into a new RGBA image.  An RGB
// source (a JPEG's) gets its alpha a strip of rows at a time on the way:
// pixman's fast paths read 32-bit pixels, and a whole converted copy would
// double the photo's memory.
bool reduce(const PixelView& source, int fx, int fy, RgbaImage& out) {
    out.width = (source.width + fx - 1) / fx;
    out.height = (source.height + fy - 1) / fy;
    out.pixels.assign((size_t)out.width * out.height * 4, 0);
    pixman_f_transform halving = {{{(double)fx, 0, 0}, {0, (double)fy, 0}, {0, 0, 1}}};
    if (source.format != RGB_BYTES)
        return composite(source, halving, PIXMAN_FILTER_BILINEAR, PIXMAN_OP_SRC, viewOf(out));
    RgbaImage strip;
    strip.width = source.width;
    strip.height = STRIP_ROWS;
    strip.pixels.assign((size_t)strip.width * STRIP_ROWS * 4, 0);
    for (int first = 0; first < source.height; first += STRIP_ROWS) {
        int rows = std::min(STRIP_ROWS, source.height - first);
        for (int y = 0; y < rows; y++)
            addOpaqueAlpha(source.bytes + (size_t)(first + y) * source.stride, source.width,
                           strip.pixels.data() + (size_t)y * strip.width * 4);
        int outRows = std::min((rows + fy - 1) / fy, out.height - first / fy);
        if (!composite(rowsOf(viewOf(strip), 0, rows), halving, PIXMAN_FILTER_BILINEAR,
                       PIXMAN_OP_SRC, rowsOf(viewOf(out), first / fy, outRows)))
            return false;
    }
    return true;
}

// Composite `source` over `out` through `toSource` (output pixel -> source
// pixel), where one output pixel spans stepX x stepY source pixels: reduced
// first as often as needed (and made RGBA), then scaled.
bool compositeThrough(PixelView source, pixman_f_transform toSource, double stepX, double stepY,
                      RgbaImage& out) {
    RgbaImage reduced;
    while (source.format == RGB_BYTES || stepX > MOST_STEP_PER_PASS ||
           stepY > MOST_STEP_PER_PASS) {
        int fx = stepX > MOST_STEP_PER_PASS ? 2 : 1, fy = stepY > MOST_STEP_PER_PASS ? 2 : 1;
        RgbaImage next;
        if (!reduce(source, fx, fy, next)) return false;
        reduced = std::move(next); // the source it was made from goes only now
        source = viewOf(reduced);
        for (int c = 0; c < 3; c++) {
            toSource.m[0][c] /= fx;
            toSource.m[1][c] /= fy;
        }
        stepX /= fx;
        stepY /= fy;
    }
    return composite(source, toSource, PIXMAN_FILTER_BILINEAR, PIXMAN_OP_OVER, viewOf(out));
}

// How a width x height picture reads a stored image: output pixel ->
// stored pixel, and the stored pixels one output pixel spans along the
// stored x and y axes.
struct PictureMapping {
    pixman_f_transform toSource;
    double stepX, stepY;
};

// The mapping that turns a stored W x H image upright, crops its centre to
// PHOTO_ASPECT and scales that to width x height.
PictureMapping mapPicture(int orientation, int storedWidth, int storedHeight, int width,
                          int height) {
    int uprightWidth = 0, uprightHeight = 0;
    orientedSize(orientation, storedWidth, storedHeight, uprightWidth, uprightHeight);
    CropRect crop = centreCrop(uprightWidth, uprightHeight, PHOTO_ASPECT);
    double stepU = crop.width / width, stepV = crop.height / height;
    const OrientationMap& m = ORIENTATION_MAPS[orientation - 1];
    bool turned = m.ux == 0; // the stored x axis runs down the upright picture
    // Output (X, Y) -> upright (crop.x + X*stepU, crop.y + Y*stepV) -> stored.
    return {{{
                {m.ux * stepU, m.vx * stepV, m.ux * crop.x + m.vx * crop.y + m.wx * storedWidth},
                {m.uy * stepU, m.vy * stepV, m.uy * crop.x + m.vy * crop.y + m.hy * storedHeight},
                {0, 0, 1},
            }},
            turned ? stepV : stepU,
            turned ? stepU : stepV};
}

int checkedOrientation(int orientation) {
    return orientation < 1 || orientation > ORIENTATION_COUNT ? ORIENTATION_UPRIGHT : orientation;
}

bool orientCropScaleView(const PixelView& source, int orientation, int width, int height,
                         RgbaImage& out) {
    if (source.width < 1 || source.height < 1 || width < 1 || height < 1) return false;
    PictureMapping map =
        mapPicture(checkedOrientation(orientation), source.width, source.height, width, height);
    makeWhite(out, width, height);
    return compositeThrough(source, map.toSource, map.stepX, map.stepY, out);
}

// The output pixels along the axis that crosses stored rows (columns when
// the photo is turned, else rows), each with the band of stored rows that
// holds the pixel it reads: bands are filled in order, so each band's
// pixels are one run.
struct BandRuns {
    bool acrossColumns; // output x runs across the stored rows
    std::vector<int> band; // per output column or row
};

BandRuns bandRuns(const PictureMapping& map, int storedHeight, int width, int height) {
    BandRuns runs;
    runs.acrossColumns = map.toSource.m[1][0] != 0;
    double slope = runs.acrossColumns ? map.toSource.m[1][0] : map.toSource.m[1][1];
    int count = runs.acrossColumns ? width : height;
    runs.band.resize(count);
    for (int i = 0; i < count; i++) {
        // Bilinear reads rows floor(y - 1/2) and the one after, for pixel centres.
        double y = slope * (i + 0.5) + map.toSource.m[1][2];
        int row = std::clamp((int)std::floor(y - 0.5), 0, storedHeight - 1);
        runs.band[i] = row / BAND_ROWS;
    }
    return runs;
}

// Have the reader decode only the stored columns the picture reads through
// `map` (and the filter's margin), and move the mapping onto them.
bool cropToColumnsRead(JpegReader& reader, PictureMapping& map, int width, int height) {
    const double(&m)[3][3] = map.toSource.m;
    double lo = 1e30, hi = -1e30;
    for (double x : {0.5, width - 0.5})
        for (double y : {0.5, height - 0.5}) {
            lo = std::min(lo, m[0][0] * x + m[0][1] * y + m[0][2]);
            hi = std::max(hi, m[0][0] * x + m[0][1] * y + m[0][2]);
        }
    int first = std::clamp((int)std::floor(lo - 0.5) - BAND_MARGIN, 0, reader.width - 1);
    int end = std::clamp((int)std::floor(hi - 0.5) + 2 + BAND_MARGIN, first + 1, reader.width);
    int count = end - first;
    if (count == reader.width) return true;
    if (!cropJpegColumns(reader, first, count)) return false;
    map.toSource.m[0][2] -= first;
    return true;
}

// Scale the reader's rows into `out` through `map`, one band at a time,
// keeping only a band and its margins of the shrunk photo; rows above the
// crop are skipped and rows below it never decoded.
bool scaleJpegBands(JpegReader& reader, const PictureMapping& map, RgbaImage& out) {
    BandRuns runs = bandRuns(map, reader.height, out.width, out.height);
    size_t stride = (size_t)reader.width * 4;
    std::vector<uint8_t> rows((size_t)(BAND_ROWS + 2 * BAND_MARGIN) * stride);
    auto [firstBand, lastBand] = std::minmax_element(runs.band.begin(), runs.band.end());
    int firstRow = std::max(0, *firstBand * BAND_ROWS - BAND_MARGIN), heldRows = 0;
    if (!skipJpegRows(reader, firstRow)) return false;
    for (int b = *firstBand; b <= *lastBand; b++) {
        int from = std::max(0, b * BAND_ROWS - BAND_MARGIN);
        int to = std::min(reader.height, (b + 1) * BAND_ROWS + BAND_MARGIN);
        int kept = firstRow + heldRows - from; // the margin the last band shares
        std::memmove(rows.data(), rows.data() + (size_t)(from - firstRow) * stride,
                     (size_t)kept * stride);
        if (!readJpegRows(reader, rows.data() + (size_t)kept * stride, stride, to - from - kept))
            return false;
        firstRow = from;
        heldRows = to - from;
        auto first = std::find(runs.band.begin(), runs.band.end(), b);
        if (first == runs.band.end()) continue;
        int start = (int)(first - runs.band.begin());
        int length = (int)std::count(runs.band.begin(), runs.band.end(), b);
        PixelArea area = runs.acrossColumns ? PixelArea{start, 0, length, out.height}
                                            : PixelArea{0, start, out.width, length};
        pixman_f_transform toBand = map.toSource;
        toBand.m[1][2] -= firstRow;
        PixelView band = {rows.data(), reader.width, heldRows, (int)stride, RGBX_BYTES};
        if (!compositeArea(band, toBand, PIXMAN_FILTER_BILINEAR, PIXMAN_OP_SRC, viewOf(out), area))
            return false;
    }
    return true;
}

// The whole shrunk photo, for the rare picture too small for its file
// (more than twice smaller even at 1/8): reduced in passes like any image.
bool scaleJpegWhole(JpegReader& reader, int orientation, RgbaImage& out) {
    RgbaImage whole;
    whole.width = reader.width;
    whole.height = reader.height;
    whole.pixels.resize((size_t)whole.width * whole.height * 4);
    if (!readJpegRows(reader, whole.pixels.data(), (size_t)whole.width * 4, whole.height))
        return false;
    PixelView view = viewOf(whole);
    view.format = RGBX_BYTES;
    return orientCropScaleView(view, orientation, out.width, out.height, out);
}

JpegMade decodeJpegPicture(JpegReader& reader, const uint8_t* data, size_t size, int orientation,
                           int width, int height, RgbaImage& out) {
    if (!openJpeg(reader, data, size)) return JpegMade::Damaged;
    if (!reader.usable) return JpegMade::NotHandled;
    orientation = checkedOrientation(orientation);
    int eighths = jpegDecodeEighths(orientation, reader.width, reader.height, width, height);
    if (!startJpeg(reader, eighths)) return JpegMade::Damaged;
    PictureMapping map = mapPicture(orientation, reader.width, reader.height, width, height);
    makeWhite(out, width, height);
    bool banded = map.stepX <= MOST_STEP_PER_PASS && map.stepY <= MOST_STEP_PER_PASS;
    bool made = banded ? cropToColumnsRead(reader, map, width, height) &&
                             scaleJpegBands(reader, map, out)
                       : scaleJpegWhole(reader, orientation, out);
    return made ? JpegMade::Made : JpegMade::Damaged;
}

// Premultiply alpha in place, as pixman expects.
void premultiply(const PixelView& view) {
    for (int y = 0; y < view.height; y++) {
        uint8_t* p = view.bytes + (size_t)y * view.stride;
        for (int x = 0; x < view.width; x++, p += 4)
            for (int c = 0; c < 3; c++)
                p[c] = (uint8_t)((p[c] * p[3] + 127) / 255);
    }
}

// The surface's pixels as pixman can read them, converting the surface
// (palettes, other byte orders, odd strides) when they are not.
bool readableView(SDL_Surface*& surface, PixelView& view) {
    const SDL_PixelFormat* f = surface->format;
    bool rgb = f->BytesPerPixel == 3 && f->Rmask == RED_MASK_24 && f->Bmask == BLUE_MASK_24;
    bool rgba = f->BytesPerPixel == 4 && f->Rmask == RED_MASK && f->Gmask == GREEN_MASK &&
                f->Bmask == BLUE_MASK && f->Amask == ALPHA_MASK;
    if (!(rgb || rgba) || surface->pitch % 4 != 0) {
        SDL_Surface* converted = SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, surface->h, 32,
                                                      RED_MASK, GREEN_MASK, BLUE_MASK, ALPHA_MASK);
        if (!converted) return false;
        SDL_SetAlpha(surface, 0, 255); // copy alpha as it is, no blending
        bool ok = SDL_BlitSurface(surface, nullptr, converted, nullptr) == 0;
        SDL_FreeSurface(surface);
        surface = converted;
        if (!ok) return false;
        rgba = true;
    }
    view = {static_cast<uint8_t*>(surface->pixels), surface->w, surface->h, surface->pitch,
            rgba ? RGBA_BYTES : RGB_BYTES};
    if (rgba) premultiply(view);
    return true;
}

// The small pictures made from the board's picture.
bool makeSmallPictures(PhotoPictures& out) {
    return scaleImage(out.picture, PHOTO_PREVIEW_WIDTH, PHOTO_PREVIEW_HEIGHT, out.preview) &&
           makePalePicture(out.picture, out.pale);
}

} // namespace

int readExifOrientation(const uint8_t* data, size_t size) {
    if (!data || size < 4 || size > 0xffffffffu) return ORIENTATION_UPRIGHT;
    ExifData* exif = exif_data_new();
    if (!exif) return ORIENTATION_UPRIGHT;
    // libexif's option bit 1 rewrites tags it thinks malformed while loading;
    // the photo's tags are read as stored, never fixed up.
    constexpr ExifDataOption REWRITE_TAGS_WHILE_LOADING = (ExifDataOption)(1 << 1);
    exif_data_unset_option(exif, REWRITE_TAGS_WHILE_LOADING);
    exif_data_load_data(exif, data, (unsigned int)size);
    int orientation = ORIENTATION_UPRIGHT;
    ExifEntry* entry = exif_data_get_entry(exif, EXIF_TAG_ORIENTATION);
    if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->data &&
        entry->size >= 2) {
        int tag = exif_get_short(entry->data, exif_data_get_byte_order(exif));
        if (tag >= 1 && tag <= ORIENTATION_COUNT) orientation = tag;
    }
    exif_data_unref(exif);
    return orientation;
}

void orientedSize(int orientation, int width, int height, int& uprightWidth, int& uprightHeight) {
    bool swapped = orientation >= 5 && orientation <= ORIENTATION_COUNT;
    uprightWidth = swapped ? height : width;
    uprightHeight = swapped ? width : height;
}

CropRect centreCrop(int width, int height, double aspect) {
    if ((double)width > height * aspect) {
        double cropWidth = height * aspect;
        return {(width - cropWidth) / 2, 0, cropWidth, (double)height};
    }
    double cropHeight = width / aspect;
    return {0, (height - cropHeight) / 2, (double)width, cropHeight};
}

int jpegDecodeEighths(int orientation, int storedWidth, int storedHeight, int width,
                      int height) {
    int uprightWidth = 0, uprightHeight = 0;
    orientedSize(orientation, storedWidth, storedHeight, uprightWidth, uprightHeight);
    CropRect crop = centreCrop(uprightWidth, uprightHeight, PHOTO_ASPECT);
    for (int eighths = 1; eighths < 8; eighths++)
        if (crop.width * eighths / 8 >= width && crop.height * eighths / 8 >= height)
            return eighths;
    return 8;
}

JpegMade makeJpegPicture(const uint8_t* data, size_t size, int orientation, int width, int height,
                         RgbaImage& out) {
    if (width < 1 || height < 1) return JpegMade::NotHandled;
    JpegReader reader;
    JpegMade made = decodeJpegPicture(reader, data, size, orientation, width, height, out);
    closeJpeg(reader);
    return made;
}

bool orientCropScale(const RgbaImage& source, int orientation, int width, int height,
                     RgbaImage& out) {
    if ((size_t)source.width * source.height * 4 != source.pixels.size()) return false;
    // pixman blends premultiplied colour: work on a premultiplied copy.
    RgbaImage premultiplied = source;
    premultiply(viewOf(premultiplied));
    return orientCropScaleView(viewOf(premultiplied), orientation, width, height, out);
}

bool scaleImage(const RgbaImage& source, int width, int height, RgbaImage& out) {
    if (source.width < 1 || source.height < 1 || width < 1 || height < 1) return false;
    double stepX = (double)source.width / width, stepY = (double)source.height / height;
    pixman_f_transform toSource = {{{stepX, 0, 0}, {0, stepY, 0}, {0, 0, 1}}};
    makeWhite(out, width, height);
    return compositeThrough(viewOf(source), toSource, stepX, stepY, out);
}

// One solid colour (premultiplied by pixman's rule) laid over the whole image.
static bool layVeil(RgbaImage& out, double red, double green, double blue, double alpha) {
    auto channel = [alpha](double value) { return (uint16_t)std::lround(value * alpha * 0xffff); };
    pixman_color_t veil = {channel(red), channel(green), channel(blue),
                           (uint16_t)std::lround(alpha * 0xffff)};
    pixman_image_t* solid = pixman_image_create_solid_fill(&veil);
    pixman_image_t* dst = pixmanImage(viewOf(out));
    if (solid && dst)
        pixman_image_composite32(PIXMAN_OP_OVER, solid, nullptr, dst, 0, 0, 0, 0, 0, 0, out.width,
                                 out.height);
    if (solid) pixman_image_unref(solid);
    if (dst) pixman_image_unref(dst);
    return solid && dst;
}

bool makePalePicture(const RgbaImage& picture, RgbaImage& out) {
    return scaleImage(picture, PHOTO_PALE_WIDTH, PHOTO_PALE_HEIGHT, out) &&
           layVeil(out, VEIL_RED, VEIL_GREEN, VEIL_BLUE, VEIL_ALPHA) &&
           layVeil(out, 1, 1, 1, PLACE_VEIL);
}

bool makePhotoPictures(const uint8_t* data, size_t size, PhotoPictures& out, std::string& why) {
    ImageHeader header;
    why = headerProblem(probeImageHeader(data, size, header), header);
    if (!why.empty()) return false;
    if (header.kind == ImageKind::Png && !pngChunksComplete(data, size)) {
        why = "damaged picture (cut short)";
        return false;
    }
    int orientation = ORIENTATION_UPRIGHT;
    if (header.kind == ImageKind::Jpeg) {
        orientation = readExifOrientation(data, size);
        JpegMade made = makeJpegPicture(data, size, orientation, PHOTO_PICTURE_WIDTH,
                                        PHOTO_PICTURE_HEIGHT, out.picture);
        if (made == JpegMade::Damaged) {
            why = "damaged picture";
            return false;
        }
        if (made == JpegMade::Made) {
            if (makeSmallPictures(out)) return true;
            why = "could not be scaled";
            return false;
        }
        // Colours libjpeg does not turn into RGB here (CMYK): SDL_image's way.
    }
    SDL_RWops* stream = SDL_RWFromConstMem(data, (int)size);
    SDL_Surface* surface = stream ? IMG_Load_RW(stream, 1) : nullptr;
    if (!surface) {
        why = "damaged picture";
        return false;
    }
    PixelView view;
    bool ok =
        readableView(surface, view) && orientCropScaleView(view, orientation, PHOTO_PICTURE_WIDTH,
                                                           PHOTO_PICTURE_HEIGHT, out.picture);
    SDL_FreeSurface(surface);
    if (!ok || !makeSmallPictures(out)) {
        why = "could not be scaled";
        return false;
    }
    return true;
}
