// "interface_my.pak": what stays on screen the whole game.
//
//   "fon"        the meadow background, 100 units from the eye; two halves of
//                150 x 85 units each, wide enough for a 32:9 screen;
//   "cursor"     the pointer, 26 units from the eye at scale 0.8; its tip is
//                the model origin and it hangs down and right from there;
//   "puzz_plase" the wooden frame 40.3 units from the eye, just behind the
//                board (x -10..10, y -6..6) with round ears for the previous
//                and next buttons at x -11.205 and 11.297, height 1.237;
//   "menu_open"  the corner tab when open: a leafy board hanging from its top
//                edge with the button bar along its top and a picture frame
//                around the preview window (x -7.5..7.5, z -8..-17) below;
//   "menu"       the closed tab: just the leafy strip behind the button bar.
#include <cmath>

#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"

// ---- Background ----------------------------------------------------------------

// Half width and half height of the whole background, in units at 100 from the eye.
constexpr double FON_HALF_WIDTH = 150.0, FON_HALF_HEIGHT = 42.5;

// A gentle rolling hill line across the whole background.
static void hillPath(cairo_t* cr, double baseY, double amplitude, double wave, double phase) {
    cairo_new_path(cr);
    cairo_move_to(cr, -FON_HALF_WIDTH, FON_HALF_HEIGHT);
    for (double x = -FON_HALF_WIDTH; x <= FON_HALF_WIDTH + 0.5; x += 1.0)
        cairo_line_to(cr, x,
                      baseY - amplitude * std::sin(x / wave + phase) -
                          amplitude * 0.4 * std::sin(x / (wave * 0.43) + phase * 2.1));
    cairo_line_to(cr, FON_HALF_WIDTH, FON_HALF_HEIGHT);
    cairo_close_path(cr);
}

// The meadow under a soft sky: low contrast, no outlines, so the puzzle stays in front.
static void drawBackground(cairo_t* cr) {
    const double w = FON_HALF_WIDTH, h = FON_HALF_HEIGHT;
    cairo_rectangle(cr, -w, -h, 2 * w, 2 * h);
    fillGradientOutlined(cr, -h, rgb(0x8fd0fa), 8, rgb(0xe4f6ff), INK, 0);
    softGlow(cr, 58, -30, 26, rgb(0xfff8c8, 0.8));
    ArtRandom random(0x5eed0f0f);
    for (int i = 0; i < 26; i++) {
        double x = -w + (i + random.range(0.1, 0.9)) * (2 * w / 26);
        drawCloud(cr, x, random.range(-36, -10), random.range(9, 17), rgb(0xffffff, 0.75), 0);
    }
    hillPath(cr, 6, 3.0, 23, 0.7);
    fillGradientOutlined(cr, -2, rgb(0xcdeeb0), 20, rgb(0xb3e08f), INK, 0);
    hillPath(cr, 15, 3.5, 17, 2.3);
    fillGradientOutlined(cr, 8, rgb(0xaede84), 30, rgb(0x93d06a), INK, 0);
    hillPath(cr, 25, 3.0, 13, 4.1);
    fillGradientOutlined(cr, 20, rgb(0x8fcf66), h, rgb(0x74bf52), INK, 0);
    // Grass tufts and flowers scattered over the near hills.
    const Rgba petals[] = {rgb(0xffffff, 0.9), rgb(0xffb3d1, 0.9), rgb(0xfff09a, 0.9),
                           rgb(0xd3b8ff, 0.9)};
    for (int i = 0; i < 900; i++) {
        double x = random.range(-w, w), y = random.range(18, h);
        double r = 0.35 + (y - 18) * 0.03;
        if (random.chance(0.5)) {
            cairo_move_to(cr, x - r, y);
            cairo_line_to(cr, x - r * 0.4, y - r * 1.6);
            cairo_line_to(cr, x, y);
            cairo_line_to(cr, x + r * 0.5, y - r * 1.8);
            cairo_line_to(cr, x + r, y);
            cairo_close_path(cr);
            setColour(cr, rgb(0x5fae45, 0.55));
            cairo_fill(cr);
        } else {
            drawFlower(cr, x, y, r, petals[random.below(4)], 0);
        }
    }
}

// The two halves of the background: the same drawing, each on its own picture.
constexpr double FON_DENSITY = 13.66;
constexpr Sheet FON_HALVES[] = {
    {"fon_left", -150, 0, -42.5, 42.5, 0, FON_DENSITY, SheetLook::Opaque, drawBackground},
    {"fon_right", 0, 150, -42.5, 42.5, 0, FON_DENSITY, SheetLook::Opaque, drawBackground},
};

// ---- Cursor ---------------------------------------------------------------------

static void drawCursor(cairo_t* cr) {
    drawPointer(cr, 0, 0, 2.0, 0.2);
}

// ---- Puzzle frame ---------------------------------------------------------------

// The board's edges and the two buttons beside it, in frame units (x right, y down).
constexpr double FRAME_HALF_W = 10.95, FRAME_HALF_H = 6.95, FRAME_RADIUS = 1.0;
constexpr double EAR_RADIUS = 1.42, EAR_LEFT_X = -11.205, EAR_RIGHT_X = 11.297, EAR_Y = -1.237;
constexpr double FRAME_LINE = 0.1;

static void framePath(cairo_t* cr, double grow) {
    cairo_new_path(cr);
    roundedRect(cr, -FRAME_HALF_W - grow, -FRAME_HALF_H - grow, 2 * (FRAME_HALF_W + grow),
                2 * (FRAME_HALF_H + grow), FRAME_RADIUS + grow);
    cairo_new_sub_path(cr);
    cairo_arc(cr, EAR_LEFT_X, EAR_Y, EAR_RADIUS + grow, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, EAR_RIGHT_X, EAR_Y, EAR_RADIUS + grow, 0, 2 * M_PI);
}

static void drawFrame(cairo_t* cr) {
    // Soft shadow, then the outline as a wider stroke under the fill, so the
    // ears and the plate read as one shape.
    for (int i = 5; i >= 1; i--) {
        cairo_save(cr);
        cairo_translate(cr, 0.12, 0.2);
        framePath(cr, 0.06 * i);
        setColour(cr, rgb(0x2a1a10, 0.06));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    framePath(cr, 0);
    setColour(cr, INK);
    cairo_set_line_width(cr, FRAME_LINE * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, -FRAME_HALF_H, 0, FRAME_HALF_H);
    cairo_pattern_add_color_stop_rgb(wood, 0, 0.98, 0.80, 0.52);
    cairo_pattern_add_color_stop_rgb(wood, 1, 0.86, 0.58, 0.30);
    cairo_set_source(cr, wood);
    cairo_pattern_destroy(wood);
    cairo_fill(cr);
    // Wood grain.
    ArtRandom random(0xf4a3e);
    for (int i = 0; i < 40; i++) {
        double y = random.range(-FRAME_HALF_H + 0.2, FRAME_HALF_H - 0.2);
        double x = random.range(-FRAME_HALF_W, FRAME_HALF_W - 3);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 1, y - 0.1, x + 2, y + 0.1, x + 3, y);
        setColour(cr, rgb(0x9a5a26, 0.25));
        cairo_set_line_width(cr, 0.06);
        cairo_stroke(cr);
    }
    // The recess the tray lies in.
    roundedRect(cr, -10.15, -6.15, 20.3, 12.3, 0.3);
    fillOutlined(cr, rgb(0x8a5a2e), INK, FRAME_LINE);
    // A flower on each corner.
    const Rgba petals[] = {rgb(0xff7eb6), rgb(0xffffff), rgb(0xb58cff), rgb(0xffa94d)};
    const double corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; i++)
        drawFlower(cr, corners[i][0] * (FRAME_HALF_W - 0.42), corners[i][1] * (FRAME_HALF_H - 0.42),
                   0.42, petals[i], 0.04);
}

// ---- Menu tab -------------------------------------------------------------------

// The leafy board of the tab, in tab units (x right, y down from the hanging edge).
constexpr double TAB_LINE = 0.24;

static void leafBoard(cairo_t* cr, double x, double y, double w, double h) {
    paintCard(cr, x, y, w, h, 2.2, rgb(0xd4f5a8), rgb(0x98d872), TAB_LINE);
    // A few leaves along the bottom edge.
    for (int i = 0; i < 7; i++) {
        double lx = x + w * (0.08 + i * 0.14), ly = y + h - 0.55;
        cairo_save(cr);
        cairo_translate(cr, lx, ly);
        cairo_rotate(cr, (i % 2 ? 0.5 : -0.5));
        ellipsePath(cr, 0, 0, 0.9, 0.42);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0x6fc04f), INK, TAB_LINE * 0.7);
    }
}

static void drawMenuOpen(cairo_t* cr) {
    leafBoard(cr, -15.8, 0.2, 31.6, 18.4);
    // The picture frame around the preview window (x -7.5..7.5, y 8..17).
    roundedRect(cr, -8.3, 7.45, 16.6, 10.3, 0.6);
    fillGradientOutlined(cr, 7.45, rgb(0xffd98a), 17.75, rgb(0xe0a04a), INK, TAB_LINE);
    cairo_rectangle(cr, -7.55, 7.95, 15.1, 9.1);
    fillOutlined(cr, rgb(0x5a3a22), INK, TAB_LINE * 0.6);
    // Flowers beside the frame.
    drawFlower(cr, -12.2, 12.0, 1.4, rgb(0xff8fc0), TAB_LINE * 0.6);
    drawFlower(cr, -10.4, 15.6, 0.9, rgb(0xffffff), TAB_LINE * 0.6);
    drawFlower(cr, 12.2, 12.6, 1.4, rgb(0xc9a6ff), TAB_LINE * 0.6);
    drawFlower(cr, 10.4, 9.4, 0.9, rgb(0xffe066), TAB_LINE * 0.6);
}

static void drawMenuClosed(cairo_t* cr) {
    leafBoard(cr, -15.8, -3.1, 31.6, 6.2);
}

// ---- The archive -----------------------------------------------------------------

constexpr Sheet INTERFACE_SHEETS[] = {
    {"cursor", -0.05, 1.5, -2.2, 0.05, 0, 110, SheetLook::Cutout, drawCursor},
    {"puzz_plase", -13.0, 13.0, -7.4, 7.4, 0.05, 40, SheetLook::Blended, drawFrame},
    {"menu_open", -16.0, 16.0, -19.0, 0.0, 0, 32, SheetLook::Blended, drawMenuOpen},
    {"menu", -16.0, 16.0, -3.4, 3.4, 0, 32, SheetLook::Blended, drawMenuClosed},
};

bool buildInterfaceMy(const std::string& outDir) {
    PakArchive pak;
    return addSheetModel(pak, "fon", FON_HALVES, 2) && addSheets(pak, INTERFACE_SHEETS) &&
           writeArchive(pak, outDir, "interface_my.pak");
}
