// icon_gen: draws the game's desktop icon, a green jigsaw piece with a
// ladybird on it and a daisy on its top tab, and writes it as a freedesktop
// icon theme tree: OUT/hicolor/NxN/apps/NAME.png for every size in
// ICON_SIZES, and OUT/hicolor/scalable/apps/NAME.svg.
//
// The drawing is one function on a 256 x 256 unit square, so the PNG sizes
// and the SVG are the same picture.  It uses the art generator's workshop
// (art/art_common.h) for colours and shapes, and no text, so it needs no
// fonts.  The install rules in packaging/CMakeLists.txt copy the tree into
// share/icons/.
#include <cairo-svg.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>

#include "art/art_common.h"

namespace {

constexpr double ICON_UNITS = 256;            // the drawing's square, in units
constexpr int ICON_SIZES[] = {48, 64, 128, 256}; // PNG sizes, pixels
constexpr Rgba INK = rgb(0x3a2440);             // outline colour, as in the game's art
constexpr double OUTLINE = 7;                   // outline width, units
constexpr double THIN = 4;                      // outline width of small parts, units

// The jigsaw piece: a square body with a tab on the top and right edges, a
// blank on the left edge and a straight bottom edge, placed so the whole
// outline sits centred in the icon.
constexpr double BODY = 150;                    // side of the square body
constexpr double BODY_X = 30, BODY_Y = 76;      // its top-left corner

// One point of the classic tab outline: u along the edge (0..1), v away from
// the piece, both in edge lengths.
struct TabPoint {
    double u, v;
};

// The tab between the straight parts of an edge, as cubic curves of three
// points each (two control points and an end point).
constexpr TabPoint TAB_CURVES[][3] = {
    {{0.42, 0.00}, {0.45, 0.06}, {0.41, 0.12}},
    {{0.35, 0.22}, {0.40, 0.31}, {0.50, 0.31}},
    {{0.60, 0.31}, {0.65, 0.22}, {0.59, 0.12}},
    {{0.55, 0.06}, {0.58, 0.00}, {0.64, 0.00}},
};
constexpr double TAB_START = 0.36; // where the straight part before the tab ends
constexpr double TAB_HEIGHT = 0.31; // how far the tab's head reaches, in edge lengths

// Continue the path along one edge of the piece from (ax, ay) to (bx, by),
// the piece lying to the right of the direction of travel (clockwise on
// screen).  bulge: +1 tab, -1 blank, 0 straight.
void pieceEdge(cairo_t* cr, double ax, double ay, double bx, double by, int bulge) {
    double dx = bx - ax, dy = by - ay;
    double nx = dy * bulge, ny = -dx * bulge; // away from the piece, one edge length long
    auto at = [&](TabPoint p, double& x, double& y) {
        x = ax + dx * p.u + nx * p.v;
        y = ay + dy * p.u + ny * p.v;
    };
    if (bulge != 0) {
        double x, y;
        at({TAB_START, 0}, x, y);
        cairo_line_to(cr, x, y);
        for (const auto& curve : TAB_CURVES) {
            double x1, y1, x2, y2, x3, y3;
            at(curve[0], x1, y1);
            at(curve[1], x2, y2);
            at(curve[2], x3, y3);
            cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
        }
    }
    cairo_line_to(cr, bx, by);
}

// Path of the whole piece outline.
void piecePath(cairo_t* cr) {
    double x0 = BODY_X, y0 = BODY_Y, x1 = BODY_X + BODY, y1 = BODY_Y + BODY;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    pieceEdge(cr, x0, y0, x1, y0, 1);  // top: tab
    pieceEdge(cr, x1, y0, x1, y1, 1);  // right: tab
    pieceEdge(cr, x1, y1, x0, y1, 0);  // bottom: straight
    pieceEdge(cr, x0, y1, x0, y0, -1); // left: blank
    cairo_close_path(cr);
}

// The piece: a meadow-green gradient, a soft shadow below and a highlight rim.
void drawPiece(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 4, 8);
    piecePath(cr);
    setColour(cr, rgb(0x1e3a1a, 0.25));
    cairo_fill(cr);
    cairo_restore(cr);

    piecePath(cr);
    fillGradientOutlined(cr, BODY_Y - BODY * TAB_HEIGHT, rgb(0xb4ec7c), BODY_Y + BODY, rgb(0x3f9a36),
                         INK, OUTLINE);
    cairo_save(cr);
    piecePath(cr);
    cairo_clip(cr);
    cairo_translate(cr, 5, 6);
    piecePath(cr);
    cairo_set_line_width(cr, 8);
    setColour(cr, rgb(0xffffff, 0.35));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A daisy: white petals round a yellow middle with a small smile.
void drawDaisy(cairo_t* cr, double x, double y, double radius) {
    constexpr int PETALS = 8;
    for (int i = 0; i < PETALS; i++) {
        double a = i * 2 * M_PI / PETALS;
        cairo_save(cr);
        cairo_translate(cr, x + std::cos(a) * radius * 0.58, y + std::sin(a) * radius * 0.58);
        cairo_rotate(cr, a);
        ellipsePath(cr, 0, 0, radius * 0.46, radius * 0.27);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0xffffff), INK, THIN * 0.8);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius * 0.36, 0, 2 * M_PI);
    fillGradientOutlined(cr, y - radius * 0.36, rgb(0xffe27a), y + radius * 0.36, rgb(0xffb01f), INK,
                         THIN * 0.8);
    shine(cr, x - radius * 0.1, y - radius * 0.15, radius * 0.12, radius * 0.07, -0.4, 0.8);
}

// A ladybird seen from above, head up, centred on the origin; length is
// about 2.4 * size from the antennae to the tail.
void drawLadybird(cairo_t* cr, double size) {
    double s = size;
    // Legs: three a side, under the shell.
    for (int leg = -1; leg <= 1; leg++)
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * s * 0.5, s * (0.1 + leg * 0.32));
            cairo_line_to(cr, side * s * 0.98, s * (0.1 + leg * 0.42));
            setColour(cr, INK);
            cairo_set_line_width(cr, s * 0.1);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
    // Antennae with round tips.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * s * 0.16, -s * 0.95);
        cairo_curve_to(cr, side * s * 0.2, -s * 1.2, side * s * 0.36, -s * 1.3, side * s * 0.5,
                       -s * 1.32);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.07);
        cairo_stroke(cr);
        cairo_arc(cr, side * s * 0.5, -s * 1.32, s * 0.09, 0, 2 * M_PI);
        fillOutlined(cr, INK, INK, 0);
    }
    // Head with a friendly face.
    ellipsePath(cr, 0, -s * 0.72, s * 0.5, s * 0.38);
    fillOutlined(cr, rgb(0x2d2333), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, side * s * 0.2, -s * 0.82, s * 0.13, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xffffff), INK, 0);
        cairo_arc(cr, side * s * 0.2 + s * 0.02, -s * 0.8, s * 0.065, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0x2d2333), INK, 0);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, -s * 0.7, s * 0.17, 0.2 * M_PI, 0.8 * M_PI);
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, s * 0.06);
    cairo_stroke(cr);
    // Shell: a red dome with a parting and black spots.
    ellipsePath(cr, 0, s * 0.15, s * 0.78, s * 0.86);
    cairo_pattern_t* dome =
        cairo_pattern_create_radial(-s * 0.25, -s * 0.2, s * 0.1, 0, s * 0.15, s * 0.95);
    cairo_pattern_add_color_stop_rgb(dome, 0, 1.0, 0.5, 0.42);
    cairo_pattern_add_color_stop_rgb(dome, 1, 0.8, 0.07, 0.12);
    fillPatternOutlined(cr, dome, INK, OUTLINE * 0.8);
    cairo_move_to(cr, 0, -s * 0.68);
    cairo_line_to(cr, 0, s * 1.0);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    constexpr double SPOTS[][3] = {{0.36, -0.22, 0.15}, {0.46, 0.32, 0.14}, {0.2, 0.72, 0.11}};
    for (const auto& spot : SPOTS)
        for (int side = -1; side <= 1; side += 2) {
            ellipsePath(cr, side * spot[0] * s, spot[1] * s, spot[2] * s, spot[2] * s);
            setColour(cr, rgb(0x2d2333));
            cairo_fill(cr);
        }
    shine(cr, -s * 0.36, -s * 0.25, s * 0.2, s * 0.09, -1.0, 0.7);
}

// The whole icon on the 256-unit square.
void drawIcon(cairo_t* cr) {
    drawPiece(cr);
    cairo_save(cr);
    cairo_translate(cr, BODY_X + BODY * 0.56, BODY_Y + BODY * 0.55);
    cairo_rotate(cr, 0.35);
    drawLadybird(cr, BODY * 0.27);
    cairo_restore(cr);
    drawDaisy(cr, BODY_X + BODY * 0.5, BODY_Y - BODY * 0.2, BODY * 0.14);
}

// mkdir -p: every folder of path, made readable by all.
bool makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writePng(const std::string& themeDir, const std::string& name, int size) {
    std::string folder = themeDir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    if (!makeFolders(folder)) return false;
    Canvas canvas = makeCanvas(size, size, true);
    useUnits(canvas, ICON_UNITS, ICON_UNITS);
    drawIcon(canvas.cr);
    bool ok = saveCanvasPng(canvas, folder + "/" + name + ".png");
    freeCanvas(canvas);
    return ok;
}

bool writeSvg(const std::string& themeDir, const std::string& name) {
    std::string folder = themeDir + "/scalable/apps";
    if (!makeFolders(folder)) return false;
    cairo_surface_t* surface =
        cairo_svg_surface_create((folder + "/" + name + ".svg").c_str(), ICON_UNITS, ICON_UNITS);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    drawIcon(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_gen OUTPUT_DIR ICON_NAME\n");
        return 2;
    }
    std::string themeDir = std::string(argv[1]) + "/hicolor";
    std::string name = argv[2];
    for (int size : ICON_SIZES)
        if (!writePng(themeDir, name, size)) {
            std::fprintf(stderr, "icon_gen: cannot write the %d pixel icon into %s\n", size,
                         themeDir.c_str());
            return 1;
        }
    if (!writeSvg(themeDir, name)) {
        std::fprintf(stderr, "icon_gen: cannot write the scalable icon into %s\n", themeDir.c_str());
        return 1;
    }
    return 0;
}
