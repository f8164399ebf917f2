// "help_menu.pak": the welcome and help dialogs.
//
// Both show "help", the how-to-play card, pinned 7.8 units from the left
// edge and 4.3 from the top: it reaches 6.8 units left and 7.6 right of its
// spot and runs nearly the whole height of the screen, so on a 4:3 screen it
// ends at x -3.9 and on 16:9 at x -10.3.  Everything else stands at fixed
// spots right of the middle, where it is clear of the card on both:
// "puz_help" (the big picture of a puzzle being solved) at x 3.6..18.6 below
// height 6.6, "fon_wel" (the greeting, welcome dialog only) above it, and the
// welcome "ok" in the middle at (0, -3.839).  The help dialog's close button
// sits in the top-right corner, above the picture.
#include <cmath>

#include "art/art_language.h"
#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"

// ---- Shared bits -----------------------------------------------------------------

// A round number badge.
static void badge(cairo_t* cr, const char* digit, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillGradientOutlined(cr, cy - r, rgb(0xff9ccd), cy + r, rgb(0xe05a9c), INK, DIALOG_LINE);
    paintButtonLabel(cr, digit, r * 1.45, cx, cy - r * 0.05, r * 1.6, r * 1.6);
}

// A dashed curved arrow from (x0, y0) to (x1, y1), bulging by `bend`.
static void dashedArrow(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
    double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double cx = mx - dy / len * bend, cy = my + dx / len * bend;
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
    const double dashes[] = {0.35, 0.25};
    cairo_set_dash(cr, dashes, 2, 0);
    setColour(cr, rgb(0xe05a9c));
    cairo_set_line_width(cr, 0.16);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    double ax = x1 - cx, ay = y1 - cy, al = std::hypot(ax, ay);
    ax /= al;
    ay /= al;
    cairo_move_to(cr, x1 + ax * 0.3, y1 + ay * 0.3);
    cairo_line_to(cr, x1 - ax * 0.4 - ay * 0.35, y1 - ay * 0.4 + ax * 0.35);
    cairo_line_to(cr, x1 - ax * 0.4 + ay * 0.35, y1 - ay * 0.4 - ax * 0.35);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xe05a9c), INK, DIALOG_LINE * 0.6);
}

// The board picture of the help art: a meadow cut 5 x 3.
constexpr int BOARD_COLS = 5, BOARD_ROWS = 3;

// A piece cut from the board picture at cell (c, r), drawn with its top-left
// corner at (x, y); the board itself has its top-left corner at (bx, by).
static void boardPiece(cairo_t* cr, double bx, double by, double bw, double bh, int c, int r,
                       double x, double y) {
    double cw = bw / BOARD_COLS, ch = bh / BOARD_ROWS;
    int sides[4];
    seamSides(c, r, BOARD_COLS, BOARD_ROWS, sides);
    cairo_save(cr);
    cairo_translate(cr, x - (bx + c * cw), y - (by + r * ch));
    piecePath(cr, bx + c * cw, by + r * ch, cw, ch, sides);
    cairo_save(cr);
    cairo_clip(cr);
    drawMeadowPicture(cr, bx, by, bw, bh, DIALOG_LINE);
    cairo_restore(cr);
    piecePath(cr, bx + c * cw, by + r * ch, cw, ch, sides);
    setColour(cr, INK);
    cairo_set_line_width(cr, DIALOG_LINE);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The empty place of cell (c, r) on the board.
static void boardHole(cairo_t* cr, double bx, double by, double bw, double bh, int c, int r,
                      Rgba colour) {
    double cw = bw / BOARD_COLS, ch = bh / BOARD_ROWS;
    int sides[4];
    seamSides(c, r, BOARD_COLS, BOARD_ROWS, sides);
    piecePath(cr, bx + c * cw, by + r * ch, cw, ch, sides);
    fillOutlined(cr, colour, INK, DIALOG_LINE);
}

// ---- "help": the how-to-play card --------------------------------------------------

static void drawHelpCard(cairo_t* cr) {
    paintPanel(cr, -6.7, -3.5, 14.2, 27.3, 1.0, DIALOG_LINE);
    // TRANSLATORS: every text is read aloud by a parent to a child of about
    // four: short, simple words, as you would say them.
    paintCaption(cr, tr("How to play"), 1.35, 0.4, -2.05, 12.5, 2.6);
    // Step 1: click a piece.
    badge(cr, "1", -5.1, 0.6, 0.62);
    drawPiece(cr, 0.2, 3.1, 4.4, rgb(0xffb04d), DIALOG_LINE);
    for (int i = 0; i < 3; i++) {
        double a = -M_PI * (0.25 + i * 0.25);
        cairo_move_to(cr, 1.6 + std::cos(a) * 0.7, 3.5 + std::sin(a) * 0.7);
        cairo_line_to(cr, 1.6 + std::cos(a) * 1.15, 3.5 + std::sin(a) * 1.15);
    }
    setColour(cr, rgb(0xe05a9c));
    cairo_set_line_width(cr, 0.14);
    cairo_stroke(cr);
    drawPointer(cr, 1.55, 3.45, 2.0, DIALOG_LINE * 1.3);
    paintCaption(cr, tr("Click a piece"), 1.0, 0.4, 6.85, 13, 1.7);
    // Step 2: click its place.
    cairo_move_to(cr, -5.5, 7.85);
    cairo_line_to(cr, 6.3, 7.85);
    setColour(cr, rgb(0xc9a66b, 0.6));
    cairo_set_line_width(cr, 0.06);
    cairo_stroke(cr);
    badge(cr, "2", -5.1, 8.85, 0.62);
    const int sides[4] = {1, -1, 1, -1};
    piecePath(cr, 2.2, 10.0, 3.0, 3.0, sides);
    const double dashes[] = {0.3, 0.2};
    fillOutlined(cr, rgb(0xa07048), INK, 0);
    piecePath(cr, 2.2, 10.0, 3.0, 3.0, sides);
    cairo_set_dash(cr, dashes, 2, 0);
    setColour(cr, INK);
    cairo_set_line_width(cr, DIALOG_LINE);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    piecePath(cr, -4.2, 10.6, 3.0, 3.0, sides);
    fillGradientOutlined(cr, 10.6, rgb(0xffd08a), 13.6, rgb(0xffb04d), INK, DIALOG_LINE);
    dashedArrow(cr, -1.9, 10.4, 2.4, 10.6, -1.2);
    drawPointer(cr, 3.7, 11.6, 2.0, DIALOG_LINE * 1.3);
    paintCaption(cr, tr("Click its place"), 1.0, 0.4, 15.15, 13, 1.9);
    // Step 3: another picture.
    cairo_move_to(cr, -5.5, 16.2);
    cairo_line_to(cr, 6.3, 16.2);
    setColour(cr, rgb(0xc9a66b, 0.6));
    cairo_set_line_width(cr, 0.06);
    cairo_stroke(cr);
    badge(cr, "3", -5.1, 17.2, 0.62);
    drawMeadowPicture(cr, -1.8, 17.8, 4.4, 2.64, DIALOG_LINE);
    cairo_rectangle(cr, -1.8, 17.8, 4.4, 2.64);
    setColour(cr, INK);
    cairo_set_line_width(cr, DIALOG_LINE);
    cairo_stroke(cr);
    paintRoundButton(cr, -3.6, 19.12, 1.0, TEAL_BUTTON, DIALOG_LINE);
    iconArrow(cr, -3.64, 19.14, 1.4, ArrowWay::Left, DIALOG_LINE);
    paintRoundButton(cr, 4.4, 19.12, 1.0, TEAL_BUTTON, DIALOG_LINE);
    iconArrow(cr, 4.44, 19.14, 1.4, ArrowWay::Right, DIALOG_LINE);
    paintCaption(cr, tr("More pictures"), 1.0, 0.4, 22.0, 13, 2.4);
}

// ---- "puz_help": a puzzle being solved --------------------------------------------

static void drawPuzzleHelp(cairo_t* cr) {
    paintCard(cr, 3.75, -6.45, 14.7, 19.9, 1.0, rgb(0xeaf8dc), rgb(0xc8eaa8), DIALOG_LINE);
    // The board with three empty places; the pink one is where the lifted piece goes.
    double bx = 4.7, by = -5.5, bw = 12.8, bh = 7.68;
    cairo_rectangle(cr, bx - 0.25, by - 0.25, bw + 0.5, bh + 0.5);
    fillGradientOutlined(cr, by, rgb(0xf6c98a), by + bh, rgb(0xd9944a), INK, DIALOG_LINE);
    drawMeadowPicture(cr, bx, by, bw, bh, DIALOG_LINE);
    drawJigsawSeams(cr, bx, by, bw, bh, BOARD_COLS, BOARD_ROWS, DIALOG_LINE);
    boardHole(cr, bx, by, bw, bh, 0, 2, rgb(0x8a5a2e));
    boardHole(cr, bx, by, bw, bh, 4, 0, rgb(0x8a5a2e));
    boardHole(cr, bx, by, bw, bh, 3, 1, rgb(0xf4a6c8));
    // The loose pieces below the board; the lifted one has a shadow and the pointer.
    double cw = bw / BOARD_COLS, ch = bh / BOARD_ROWS;
    boardPiece(cr, bx, by, bw, bh, 0, 2, 5.3, 7.9);
    boardPiece(cr, bx, by, bw, bh, 4, 0, 13.9, 8.6);
    double lx = 9.6, ly = 5.2;
    cairo_save(cr);
    cairo_translate(cr, 0.25, 0.35);
    int sides[4];
    seamSides(3, 1, BOARD_COLS, BOARD_ROWS, sides);
    piecePath(cr, lx, ly, cw, ch, sides);
    setColour(cr, rgb(0x000000, 0.25));
    cairo_fill(cr);
    cairo_restore(cr);
    boardPiece(cr, bx, by, bw, bh, 3, 1, lx, ly);
    drawPointer(cr, lx + cw * 0.6, ly + ch * 0.55, 2.2, DIALOG_LINE * 1.3);
    dashedArrow(cr, lx + cw * 0.75, ly - 0.2, bx + 3.5 * cw, by + 1.75 * ch + 0.3, -1.0);
    badge(cr, "1", lx - 0.5, ly + 0.2, 0.6);
    badge(cr, "2", bx + 3.5 * cw + 1.25, by + 1.5 * ch - 0.9, 0.6);
}

// ---- "fon_wel": the greeting ---------------------------------------------------------

static void drawWelcome(cairo_t* cr) {
    paintCard(cr, 3.75, -13.55, 14.7, 5.8, 1.0, rgb(0xfff6b8), rgb(0xffd77a), DIALOG_LINE);
    drawBird(cr, 5.6, -11.5, 1.5, true, DIALOG_LINE);
    cairo_save(cr);
    cairo_translate(cr, 33.2, 0);
    cairo_scale(cr, -1, 1);
    drawBird(cr, 16.6, -11.5, 1.5, true, DIALOG_LINE);
    cairo_restore(cr);
    paintText(cr, tr("Hello!"), 2.3, 11.1, -11.55, 8.0, 2.9, rgb(0xf08a1c), WHITE);
    // TRANSLATORS: "Meadow Mosaics" is the game's name: keep it as it is.
    paintCaption(cr, tr("Welcome to Meadow Mosaics!"), 0.8, 11.1, -9.05, 13.5, 1.3);
}

// ---- "ok" ------------------------------------------------------------------------------

static void drawOk(cairo_t* cr) {
    paintPillButton(cr, 0, 0, 5.6, 2.4, GREEN_BUTTON, DIALOG_LINE);
    iconTick(cr, -1.35, 0, 1.5, DIALOG_LINE);
    paintButtonLabel(cr, tr("OK"), 1.2, 0.75, -0.02, 2.4, 1.8);
}

constexpr Sheet HELP_SHEETS[] = {
    {"fon_wel", 3.6, 18.6, 7.6, 13.7, BACK_DEPTH, 48, SheetLook::Blended, drawWelcome},
    {"puz_help", 3.6, 18.6, -13.6, 6.6, BACK_DEPTH, 48, SheetLook::Blended, drawPuzzleHelp},
    {"help", -6.8, 7.6, -23.9, 3.6, 0, 44, SheetLook::Blended, drawHelpCard},
    {"ok", -2.85, 2.85, -1.25, 1.25, 0, 80, SheetLook::Blended, drawOk},
};

bool buildHelpDialogs(const std::string& outDir) {
    PakArchive pak;
    return addSheets(pak, HELP_SHEETS) && writeArchive(pak, outDir, "help_menu.pak");
}
