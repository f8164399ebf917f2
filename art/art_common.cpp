#include "art/art_common.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

// The font families the art may set text in, and the Debian files that hold
// them: Comic Neue (fonts-comic-neue) for the Latin alphabets, Comfortaa
// (fonts-comfortaa), round and friendly too, for Cyrillic, which Comic Neue
// lacks.  Only the family a run asks for goes into its private font set.
struct ArtFontFamily {
    const char* family;   // as fontconfig names it
    const char* package;  // Debian package, for the message when it is missing
    const char* files[4]; // Regular and Bold, as .otf or .ttf; nullptr = unused
};

static constexpr ArtFontFamily ART_FONT_FAMILIES[] = {
    {COMIC_NEUE,
     "fonts-comic-neue",
     {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
      "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
      "/usr/share/fonts/truetype/comic-neue/ComicNeue-Regular.ttf",
      "/usr/share/fonts/truetype/comic-neue/ComicNeue-Bold.ttf"}},
    {COMFORTAA,
     "fonts-comfortaa",
     {"/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf",
      "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf", nullptr, nullptr}},
};

// The family every layout of this run asks for (set by initArtFonts).
static std::string artFamily = COMIC_NEUE;

// ---- Colours ----------------------------------------------------------------

Rgba mixColour(Rgba a, Rgba b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba shade(Rgba c, double amount) {
    Rgba towards = amount >= 0 ? Rgba{1, 1, 1, c.a} : Rgba{0, 0, 0, c.a};
    return mixColour(c, towards, std::fabs(amount));
}

void setColour(cairo_t* cr, Rgba c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

// ---- Canvas -----------------------------------------------------------------

Canvas makeCanvas(int width, int height, bool alpha) {
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.alpha = alpha;
    canvas.surface =
        cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height);
    canvas.cr = cairo_create(canvas.surface);
    cairo_set_antialias(canvas.cr, CAIRO_ANTIALIAS_BEST);
    cairo_set_line_join(canvas.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(canvas.cr, CAIRO_LINE_CAP_ROUND);
    return canvas;
}

void freeCanvas(Canvas& canvas) {
    if (canvas.cr) cairo_destroy(canvas.cr);
    if (canvas.surface) cairo_surface_destroy(canvas.surface);
    canvas.cr = nullptr;
    canvas.surface = nullptr;
}

// cairo's PNG writer hands the file out in pieces; this gathers them.
static cairo_status_t appendPngBytes(void* closure, const unsigned char* data,
                                     unsigned int length) {
    std::vector<uint8_t>* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// A PNG file being read from memory by libpng.
struct PngReader {
    const std::vector<uint8_t>* bytes;
    size_t pos;
};

static void readPngBytes(png_structp png, png_bytep out, png_size_t length) {
    PngReader* reader = static_cast<PngReader*>(png_get_io_ptr(png));
    if (reader->bytes->size() - reader->pos < length) png_error(png, "short PNG");
    std::memcpy(out, reader->bytes->data() + reader->pos, length);
    reader->pos += length;
}

static void writePngBytes(png_structp png, png_bytep data, png_size_t length) {
    std::vector<uint8_t>* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

static void flushPngBytes(png_structp) {}

// The rows of an 8-bit RGB or RGBA PNG as they are stored (no conversion);
// false for anything else.
static bool readPngRows(const std::vector<uint8_t>& file, uint32_t& width, uint32_t& height,
                        int& colourType, std::vector<uint8_t>& pixels) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    PngReader reader = {&file, 0};
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, readPngBytes);
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    colourType = png_get_color_type(png, info);
    bool ok = png_get_bit_depth(png, info) == 8 &&
              png_get_interlace_type(png, info) == PNG_INTERLACE_NONE &&
              (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGBA);
    if (ok) {
        size_t rowBytes = png_get_rowbytes(png, info);
        pixels.assign(rowBytes * height, 0);
        for (uint32_t y = 0; y < height; y++)
            rows.push_back(pixels.data() + rowBytes * y);
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

// The same rows written as a PNG the game decodes quickly: no row filters
// (undoing them costs the reader more than the smaller file saves) and
// zlib's best compression, which with no filters still makes the pictures
// smaller than cairo's own files.  Empty on failure.
static std::vector<uint8_t> writeUnfilteredPng(uint32_t width, uint32_t height, int colourType,
                                               std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return bytes;
    }
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        bytes.clear();
        return bytes;
    }
    png_set_write_fn(png, &bytes, writePngBytes, flushPngBytes);
    png_set_IHDR(png, info, width, height, 8, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    // zlib's own default level: the strongest one makes the archives 1%
    // smaller and takes twice as long to draw them all.
    png_set_compression_level(png, Z_DEFAULT_COMPRESSION);
    png_write_info(png, info);
    size_t rowBytes = pixels.size() / (height ? height : 1);
    for (uint32_t y = 0; y < height; y++)
        rows.push_back(pixels.data() + rowBytes * y);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

std::vector<uint8_t> canvasPng(Canvas& canvas) {
    // cairo writes RGB24 surfaces as 8-bit RGB and ARGB32 as 8-bit RGBA
    // (unpremultiplied), which is exactly what the game uploads.  Its file
    // is read back and written again unfiltered: the same pixels, byte for
    // byte, in a file that inflates without undoing filters.
    std::vector<uint8_t> cairoFile;
    cairo_surface_flush(canvas.surface);
    if (cairo_surface_write_to_png_stream(canvas.surface, appendPngBytes, &cairoFile) !=
        CAIRO_STATUS_SUCCESS)
        return {};
    uint32_t width = 0, height = 0;
    int colourType = 0;
    std::vector<uint8_t> pixels;
    if (!readPngRows(cairoFile, width, height, colourType, pixels)) return {};
    return writeUnfilteredPng(width, height, colourType, pixels);
}

bool saveCanvasPng(Canvas& canvas, const std::string& path) {
    cairo_surface_flush(canvas.surface);
    return cairo_surface_write_to_png(canvas.surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void useUnits(Canvas& canvas, double unitsWide, double unitsHigh) {
    cairo_identity_matrix(canvas.cr);
    cairo_scale(canvas.cr, canvas.width / unitsWide, canvas.height / unitsHigh);
}

bool isTextureSize(int width, int height) {
    auto powerOfTwo = [](int n) { return n > 0 && n <= 2048 && (n & (n - 1)) == 0; };
    return powerOfTwo(width) && powerOfTwo(height);
}

// ---- Shapes -------------------------------------------------------------------

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// Fill the current path with the current source, then stroke it with an
// outline when lineWidth > 0; clears the path.
static void fillThenOutline(cairo_t* cr, Rgba outline, double lineWidth) {
    if (lineWidth <= 0) {
        cairo_fill(cr);
        return;
    }
    cairo_fill_preserve(cr);
    setColour(cr, outline);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void fillOutlined(cairo_t* cr, Rgba fill, Rgba outline, double lineWidth) {
    setColour(cr, fill);
    fillThenOutline(cr, outline, lineWidth);
}

void fillPatternOutlined(cairo_t* cr, cairo_pattern_t* pattern, Rgba outline, double lineWidth) {
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    fillThenOutline(cr, outline, lineWidth);
}

void fillGradientOutlined(cairo_t* cr, double y0, Rgba top, double y1, Rgba bottom, Rgba outline,
                          double lineWidth) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    fillPatternOutlined(cr, gradient, outline, lineWidth);
}

void shine(cairo_t* cr, double x, double y, double rx, double ry, double angle, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    ellipsePath(cr, 0, 0, rx, ry);
    cairo_restore(cr);
    setColour(cr, rgb(0xffffff, alpha));
    cairo_fill(cr);
}

cairo_pattern_t* sideLitGradient(double x0, double x1, Rgba edge, double lightAt, Rgba light,
                                 Rgba shadow) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgb(gradient, 0, edge.r, edge.g, edge.b);
    cairo_pattern_add_color_stop_rgb(gradient, lightAt, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, shadow.r, shadow.g, shadow.b);
    return gradient;
}

void softGlow(cairo_t* cr, double cx, double cy, double radius, Rgba colour) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, colour.r, colour.g, colour.b, colour.a);
    cairo_pattern_add_color_stop_rgba(glow, 1, colour.r, colour.g, colour.b, 0);
    cairo_set_source(cr, glow);
    cairo_pattern_destroy(glow);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

// ---- Text ---------------------------------------------------------------------

bool initArtFonts(const std::string& family) {
    const ArtFontFamily* wanted = nullptr;
    for (const ArtFontFamily& known : ART_FONT_FAMILIES)
        if (family == known.family) wanted = &known;
    if (!wanted) {
        std::fprintf(stderr, "art_gen: no font family \"%s\" is known\n", family.c_str());
        return false;
    }
    FcConfig* config = FcConfigCreate();
    int added = 0;
    for (const char* file : wanted->files)
        if (file && FcConfigAppFontAddFile(config, (const FcChar8*)file)) added++;
    if (added == 0) {
        std::fprintf(stderr, "art_gen: no %s font files found (package %s)\n", wanted->family,
                     wanted->package);
        FcConfigDestroy(config);
        return false;
    }
    FcConfigSetCurrent(config);
    PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (!map || !PANGO_IS_FC_FONT_MAP(map)) {
        std::fprintf(stderr, "art_gen: pango has no fontconfig font map\n");
        return false;
    }
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), config);
    pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(map));
    g_object_unref(map);
    artFamily = family;
    std::string loaded = loadedFontFamily();
    if (loaded != family) {
        std::fprintf(stderr, "art_gen: text would be set in \"%s\", not %s\n", loaded.c_str(),
                     family.c_str());
        return false;
    }
    return true;
}

std::string loadedFontFamily() {
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    PangoFontDescription* wanted = pango_font_description_from_string(artFamily.c_str());
    pango_font_description_set_weight(wanted, PANGO_WEIGHT_BOLD);
    pango_font_description_set_absolute_size(wanted, 20 * PANGO_SCALE);
    PangoFont* font = pango_font_map_load_font(map, context, wanted);
    std::string family;
    if (font) {
        PangoFontDescription* loaded = pango_font_describe(font);
        const char* name = pango_font_description_get_family(loaded);
        family = name ? name : "";
        pango_font_description_free(loaded);
        g_object_unref(font);
    }
    pango_font_description_free(wanted);
    g_object_unref(context);
    return family;
}

// A pango layout for the text in the style's size, in the context's current
// units, broken at word ends to wrapWidth when that is above 0.  Metrics are
// not hinted: hinting rounds them to the pixels of the sheet being drawn, and
// a text must measure the same whatever the sharpness of its sheet.
static PangoLayout* makeLayout(cairo_t* cr, const std::string& text, double size, bool bold,
                               double wrapWidth) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, artFamily.c_str());
    pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    if (wrapWidth > 0) {
        pango_layout_set_width(layout, (int)(wrapWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

// pango lays text out in whole device units; a layout in tiny user units
// (board units) would be rounded badly, so text is laid out at 100x and scaled back.
static constexpr double TEXT_OVERSCALE = 100.0;

// The rectangle that holds both the letters (ink) and the line boxes, in pango units.
static PangoRectangle layoutBox(PangoLayout* layout) {
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout, &ink, &logical);
    int x0 = std::min(ink.x, logical.x), y0 = std::min(ink.y, logical.y);
    int x1 = std::max(ink.x + ink.width, logical.x + logical.width);
    int y1 = std::max(ink.y + ink.height, logical.y + logical.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

// True when every line after the first starts just after a space, a line
// break or a hyphen: pango breaks a word that is wider than the line inside it.
static bool brokenAtWordEnds(PangoLayout* layout, const std::string& text) {
    int lines = pango_layout_get_line_count(layout);
    for (int i = 1; i < lines; i++) {
        int start = pango_layout_get_line_readonly(layout, i)->start_index;
        if (start <= 0 || start > (int)text.size()) return false;
        unsigned char before = (unsigned char)text[(size_t)start - 1];
        if (before != ' ' && before != '\n' && before != '-') return false;
    }
    return true;
}

TextExtents measureText(cairo_t* cr, const std::string& text, const TextStyle& style) {
    cairo_save(cr);
    cairo_scale(cr, 1 / TEXT_OVERSCALE, 1 / TEXT_OVERSCALE);
    PangoLayout* layout = makeLayout(cr, text, style.size * TEXT_OVERSCALE, style.bold,
                                     style.wrapWidth * TEXT_OVERSCALE);
    PangoRectangle box = layoutBox(layout);
    double unit = PANGO_SCALE * TEXT_OVERSCALE;
    TextExtents extents;
    extents.width = box.width / unit + style.outlineWidth;
    extents.height = box.height / unit + style.outlineWidth;
    extents.lines = pango_layout_get_line_count(layout);
    extents.wordsWhole = brokenAtWordEnds(layout, text);
    extents.missingGlyphs = pango_layout_get_unknown_glyphs_count(layout);
    g_object_unref(layout);
    cairo_restore(cr);
    return extents;
}

void drawTextCentred(cairo_t* cr, const std::string& text, const TextStyle& style, double cx,
                     double cy) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1 / TEXT_OVERSCALE, 1 / TEXT_OVERSCALE);
    PangoLayout* layout = makeLayout(cr, text, style.size * TEXT_OVERSCALE, style.bold,
                                     style.wrapWidth * TEXT_OVERSCALE);
    PangoRectangle box = layoutBox(layout);
    double x = box.x / (double)PANGO_SCALE, y = box.y / (double)PANGO_SCALE;
    double w = box.width / (double)PANGO_SCALE, h = box.height / (double)PANGO_SCALE;
    cairo_move_to(cr, -w / 2 - x, -h / 2 - y);
    pango_cairo_layout_path(cr, layout);
    if (style.outlineWidth > 0) {
        setColour(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * TEXT_OVERSCALE);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, style.fill);
    cairo_fill(cr);
    g_object_unref(layout);
    cairo_restore(cr);
}

// Whether the text in this style fits the box, words whole.
static bool fitsBox(const TextExtents& extents, double boxWidth, double boxHeight) {
    return extents.width <= boxWidth && extents.height <= boxHeight && extents.wordsWhole;
}

TextStyle fitTextInBox(cairo_t* cr, const std::string& text, const TextStyle& style,
                       double boxWidth, double boxHeight) {
    // One line, shrunk in proportion until it fits (the outline shrinks with it).
    TextStyle line = style;
    line.wrapWidth = 0;
    double outlineShare = style.size > 0 ? style.outlineWidth / style.size : 0;
    for (int tries = 0; tries < 8; tries++) {
        TextExtents extents = measureText(cr, text, line);
        if (fitsBox(extents, boxWidth, boxHeight) || extents.width <= 0) break;
        double scale = std::min(boxWidth / extents.width, boxHeight / extents.height);
        line.size *= std::min(scale, 1.0) * 0.995;
        line.outlineWidth = line.size * outlineShare;
    }
    // Broken into lines at word ends, when that keeps the letters bigger.
    if (text.find_first_of(" \n") == std::string::npos) return line;
    for (double size = style.size; size > line.size * 1.02; size *= 0.96) {
        TextStyle wrapped = style;
        wrapped.size = size;
        wrapped.outlineWidth = size * outlineShare;
        wrapped.wrapWidth = boxWidth - wrapped.outlineWidth;
        if (fitsBox(measureText(cr, text, wrapped), boxWidth, boxHeight)) return wrapped;
    }
    return line;
}

// ---- Models -------------------------------------------------------------------

MeshBuild makeMesh(const std::string& textureName, const MeshMaterial& material) {
    MeshBuild mesh;
    mesh.textureName = textureName;
    mesh.material = material;
    return mesh;
}

MeshMaterial blendedMaterial() {
    MeshMaterial m = defaultMaterial();
    m.blended = 1;
    return m;
}

MeshMaterial unseenMaterial() {
    MeshMaterial m = defaultMaterial();
    m.unseen = 1;
    return m;
}

MeshMaterial alphaTestMaterial() {
    MeshMaterial m = defaultMaterial();
    m.alphaTest = 1;
    return m;
}

void addTriangle(MeshBuild& mesh, const Vec3 p[3], const Vec3 n[3], const double st[6]) {
    for (int v = 0; v < 3; v++) {
        mesh.positions.insert(mesh.positions.end(), {p[v].x, p[v].y, p[v].z});
        mesh.normals.insert(mesh.normals.end(), {n[v].x, n[v].y, n[v].z});
        mesh.texCoords.insert(mesh.texCoords.end(), {st[2 * v], st[2 * v + 1]});
    }
}

void addFlatTriangle(MeshBuild& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 normal, const double st[6]) {
    const Vec3 p[3] = {a, b, c};
    const Vec3 n[3] = {normal, normal, normal};
    addTriangle(mesh, p, n, st);
}

void addQuadXZ(MeshBuild& mesh, double x0, double x1, double z0, double z1, double y, double s0,
               double t0, double s1, double t1) {
    // Seen from -y with z up, x runs to the right: counter-clockwise is
    // bottom-left, bottom-right, top-right.
    const Vec3 normal = {0, -1, 0};
    const double lower[6] = {s0, t1, s1, t1, s1, t0};
    const double upper[6] = {s0, t1, s1, t0, s0, t0};
    addFlatTriangle(mesh, {x0, y, z0}, {x1, y, z0}, {x1, y, z1}, normal, lower);
    addFlatTriangle(mesh, {x0, y, z0}, {x1, y, z1}, {x0, y, z1}, normal, upper);
}

void addQuadXY(MeshBuild& mesh, double x0, double x1, double y0, double y1, double z, double s0,
               double t0, double s1, double t1) {
    const Vec3 normal = {0, 0, 1};
    const double lower[6] = {s0, t1, s1, t1, s1, t0};
    const double upper[6] = {s0, t1, s1, t0, s0, t0};
    addFlatTriangle(mesh, {x0, y0, z}, {x1, y0, z}, {x1, y1, z}, normal, lower);
    addFlatTriangle(mesh, {x0, y0, z}, {x1, y1, z}, {x0, y1, z}, normal, upper);
}

int triangleCount(const MeshBuild& mesh) {
    return (int)(mesh.positions.size() / 9);
}

// ---- Random ---------------------------------------------------------------------

ArtRandom::ArtRandom(uint64_t seed) : state(seed ? seed : 0x9e3779b97f4a7c15ull) {}

uint32_t ArtRandom::next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return (uint32_t)((state * 0x2545f4914f6cdd1dull) >> 32);
}

double ArtRandom::unit() {
    return next() / 4294967296.0;
}

double ArtRandom::range(double low, double high) {
    return low + (high - low) * unit();
}

int ArtRandom::below(int n) {
    return (int)(unit() * n);
}

bool ArtRandom::chance(double p) {
    return unit() < p;
}

// ---- Archives -------------------------------------------------------------------

bool addPngEntry(PakArchive& pak, const std::string& name, Canvas& canvas) {
    std::vector<uint8_t> png = canvasPng(canvas);
    if (png.empty()) {
        std::fprintf(stderr, "art_gen: could not encode image \"%s\"\n", name.c_str());
        return false;
    }
    return pak.addEntry(name, png.data(), (uint32_t)png.size());
}

bool addModelEntry(PakArchive& pak, const std::string& name, const std::vector<MeshBuild>& meshes) {
    std::vector<uint8_t> bytes = buildModelEntry(meshes);
    return pak.addEntry(name, bytes.data(), (uint32_t)bytes.size());
}

bool writeArchive(const PakArchive& pak, const std::string& outDir, const std::string& fileName) {
    std::string path = outDir + "/" + fileName;
    if (!pak.save(path)) {
        std::fprintf(stderr, "art_gen: could not write %s\n", path.c_str());
        return false;
    }
    return true;
}

double artSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
