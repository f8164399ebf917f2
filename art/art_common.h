// The art generator's shared workshop: what every drawing, model and archive
// builder of art_gen uses.
//
// Pictures are drawn with cairo onto a `Canvas` and stored in the archives as
// PNG files, always 8-bit truecolour (RGB for opaque canvases, RGBA for ones
// with alpha), because the game hands decoded pixels to the GL unchanged.
// Their rows are stored unfiltered at zlib's best compression: the game
// decodes a board's 2048 x 1024 picture while the player waits for the next
// board, and undoing PNG's row filters took more than half of that time.
// Text is set with pango in one family per run: `initArtFonts` builds a
// private fontconfig holding nothing but that family's files (Comic Neue, or
// Comfortaa for Cyrillic) and refuses to go on if anything else would load,
// so a letter the family lacks shows up as a missing glyph, never as a
// stand-in from some other font.  Models are `MeshBuild` lists (resources/
// model_format.h) filled with the quad and triangle helpers below; image
// texture coordinate t = 0 is the top row of the image.
//
// Every random choice the art makes comes from an `ArtRandom` with a fixed
// seed, so every build writes byte-identical archives.
//
// Conventions the helpers follow: models shown with rotation (-90, 0, 0) lie
// in their x-z plane and face -y (x right, z up on screen); unrotated models
// lie in the x-y plane and face +z (x right, y up).
//
// NOTE: cairo and pango objects are not shared between threads; a builder
// that draws on several threads gives each thread its own canvas.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/model_format.h"
#include "resources/pak_archive.h"

// ---- Colours ----------------------------------------------------------------

struct Rgba {
    double r, g, b, a; // 0..1 each
};

// Colour from 0xRRGGBB and an alpha.
constexpr Rgba rgb(uint32_t hex, double a = 1.0) {
    return {((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0, a};
}
// Mix two colours: t = 0 gives a, t = 1 gives b.
Rgba mixColour(Rgba a, Rgba b, double t);
// The same colour lighter (amount > 0, towards white) or darker (< 0, towards black).
Rgba shade(Rgba c, double amount);
// Set a plain colour as cairo's source.
void setColour(cairo_t* cr, Rgba c);

// ---- Canvas -----------------------------------------------------------------

struct Canvas {
    cairo_surface_t* surface = nullptr; // ARGB32 or RGB24 image surface
    cairo_t* cr = nullptr;              // drawing context on it
    int width = 0, height = 0;          // pixels
    bool alpha = false;                 // ARGB32 (RGBA PNG) or RGB24 (RGB PNG)
};

// New canvas of w x h pixels, cleared to transparent (alpha) or black.
Canvas makeCanvas(int width, int height, bool alpha);
// Free the canvas's context and surface.
void freeCanvas(Canvas& canvas);
// The canvas as PNG file bytes: 8-bit RGB or RGBA, never palette or grey,
// every row unfiltered (the game's loader then only inflates).
std::vector<uint8_t> canvasPng(Canvas& canvas);
// Write the canvas as a PNG file (for looking at the art while working on it).
bool saveCanvasPng(Canvas& canvas, const std::string& path);
// Scale the context so that a w x h rectangle of drawing units fills the
// canvas, with y pointing down (units need not be square).
void useUnits(Canvas& canvas, double unitsWide, double unitsHigh);
// True when width and height are powers of two no larger than 2048.
bool isTextureSize(int width, int height);

// ---- Shapes -------------------------------------------------------------------

// Path of a rectangle with rounded corners.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// Path of an ellipse centred at (cx, cy).
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// Fill the current path with a colour and stroke it with an outline; clears the path.
void fillOutlined(cairo_t* cr, Rgba fill, Rgba outline, double lineWidth);
// Fill the current path with `pattern` (taken over and destroyed), then stroke it with an
// outline when lineWidth > 0; clears the path.
void fillPatternOutlined(cairo_t* cr, cairo_pattern_t* pattern, Rgba outline, double lineWidth);
// Fill the current path with a vertical gradient from top colour (at y0) to bottom (at y1),
// then stroke it with an outline when lineWidth > 0; clears the path.
void fillGradientOutlined(cairo_t* cr, double y0, Rgba top, double y1, Rgba bottom, Rgba outline,
                          double lineWidth);
// Soft white highlight ellipse turned by angle (radians): the shine on round things.
void shine(cairo_t* cr, double x, double y, double rx, double ry, double angle, double alpha = 0.6);
// A horizontal gradient across x0..x1 for a round body lit from the left: `edge` at x0,
// `light` at the share lightAt of the way, `shadow` at x1 (alpha ignored).
cairo_pattern_t* sideLitGradient(double x0, double x1, Rgba edge, double lightAt, Rgba light,
                                 Rgba shadow);
// A soft round glow: radial gradient from colour at the centre to transparent at radius.
void softGlow(cairo_t* cr, double cx, double cy, double radius, Rgba colour);

// ---- Text ---------------------------------------------------------------------

constexpr const char* COMIC_NEUE = "Comic Neue"; // the Latin alphabets
constexpr const char* COMFORTAA = "Comfortaa";   // Cyrillic

// Build a private font set of one family and make it pango's default; false
// (with a message on stderr) when its files are missing or another family loads.
bool initArtFonts(const std::string& family = COMIC_NEUE);
// Family name of the font pango loads for text, for the check above and the tests.
std::string loadedFontFamily();

struct TextStyle {
    double size;          // em size in the context's current units
    bool bold;            // the Bold face instead of Regular
    Rgba fill;            // letter colour
    Rgba outline;         // outline colour (drawn under the letters)
    double outlineWidth;  // 0 = no outline
    double wrapWidth = 0; // lines broken at word ends to this width; 0 = one line
};

// The room a text takes in a style: letters, line spacing and outline.
struct TextExtents {
    double width = 0, height = 0; // in the context's current units
    int lines = 0;                // lines after breaking
    bool wordsWhole = true;       // every line break falls between words
    int missingGlyphs = 0;        // characters the font has no letter for
};

// Lay the text out in the style and measure it.
TextExtents measureText(cairo_t* cr, const std::string& text, const TextStyle& style);
// Draw text centred on (cx, cy); each line is centred on its own.
void drawTextCentred(cairo_t* cr, const std::string& text, const TextStyle& style, double cx,
                     double cy);
// The style (size not above style.size, lines broken at word ends or not) with the
// biggest letters at which the text, outline included, fits a box of that size.
TextStyle fitTextInBox(cairo_t* cr, const std::string& text, const TextStyle& style,
                       double boxWidth, double boxHeight);

// ---- Models -------------------------------------------------------------------

struct Vec3 {
    double x, y, z;
};

// Empty mesh on an image entry (or procedural recipe) with a material.
MeshBuild makeMesh(const std::string& textureName, const MeshMaterial& material);
// Material of a mesh drawn in the blended pass (after the opaque ones, no depth writes).
MeshMaterial blendedMaterial();
// Material of a hard-edged cut-out drawn with the alpha test (alpha > 0.9 kept).
MeshMaterial alphaTestMaterial();
// Material of a mesh never drawn, there only for the pointer to find.
MeshMaterial unseenMaterial();
// One triangle with a normal per vertex and texture coordinates (s, t) per vertex.
void addTriangle(MeshBuild& mesh, const Vec3 p[3], const Vec3 n[3], const double st[6]);
// One triangle with one normal for all three vertices.
void addFlatTriangle(MeshBuild& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 normal, const double st[6]);
// Rectangle in the x-z plane at depth y, facing -y (shown with rotation -90 about x):
// x0..x1 left to right, z0..z1 bottom to top; the image's s0..s1 runs left to right
// and t0 (top) .. t1 (bottom) top to bottom.
void addQuadXZ(MeshBuild& mesh, double x0, double x1, double z0, double z1, double y, double s0 = 0,
               double t0 = 0, double s1 = 1, double t1 = 1);
// Rectangle in the x-y plane at height z, facing +z (unrotated models):
// x0..x1 left to right, y0..y1 bottom to top, image as above.
void addQuadXY(MeshBuild& mesh, double x0, double x1, double y0, double y1, double z, double s0 = 0,
               double t0 = 0, double s1 = 1, double t1 = 1);
// Triangles in the mesh.
int triangleCount(const MeshBuild& mesh);

// ---- Random ---------------------------------------------------------------------

// The art's own random generator (xorshift64*): the same seed gives the same art.
struct ArtRandom {
    uint64_t state; // never 0

    explicit ArtRandom(uint64_t seed);
    uint32_t next();                       // 32 random bits
    double unit();                         // 0 <= x < 1
    double range(double low, double high); // low <= x < high
    int below(int n);                      // 0 <= k < n (n > 0)
    bool chance(double p);                 // true with probability p
};

// ---- Archives -------------------------------------------------------------------

// Add a canvas to an archive as a PNG image entry.
bool addPngEntry(PakArchive& pak, const std::string& name, Canvas& canvas);
// Add a model entry made of the given meshes.
bool addModelEntry(PakArchive& pak, const std::string& name, const std::vector<MeshBuild>& meshes);
// Write the archive as outDir/fileName; prints a message and returns false on failure.
bool writeArchive(const PakArchive& pak, const std::string& outDir, const std::string& fileName);
// Elapsed seconds on a steady clock since some fixed moment (for timings).
double artSeconds();
