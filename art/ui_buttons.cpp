// "buttons.pak": the buttons shared by several screens.
//
//   bar buttons "close", "view", "break", "menu", "help": 99.4 units from the
//     eye, 4.9 units across (the row stands 6.25 units apart at its closest),
//     a little in front of the menu tab they sit on;
//   "prev", "next": the arrows beside the board, 40.3 units from the eye,
//     2 across so even grown under the pointer they stay clear of the
//     board's edge at x = +-10;
//   "close_menu": the help dialog's close button in the top-right corner,
//     1.26 units from the screen's edge, so 2 units across;
//   "pti4ka" (a toggle that is on: a happy yellow bird), "pti4ka_cl" (off, and
//     the size selector: a sleepy grey bird) and "to4ka" (the dot on the other
//     size's spot): main menu objects whose spots are only 1.6 apart.
#include <cmath>

#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"

// Bar buttons: radius and outline in units at 99.4 from the eye.
constexpr double BAR_R = 2.42, BAR_LINE = 0.22, BAR_SIDE = 2.55;
// Depth in front of the menu tab, which lies at the same distance.
constexpr double BAR_DEPTH = -0.15;

static void barClose(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, BAR_R, RED_BUTTON, BAR_LINE);
    iconCross(cr, 0, 0.05, BAR_R * 1.25, BAR_LINE);
}
static void barView(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, BAR_R, BLUE_BUTTON, BAR_LINE);
    iconEye(cr, 0, 0.05, BAR_R * 1.4, BAR_LINE);
}
static void barBreak(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, BAR_R, ORANGE_BUTTON, BAR_LINE);
    iconRestart(cr, 0, 0.05, BAR_R * 1.45, BAR_LINE);
}
static void barMenu(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, BAR_R, GREEN_BUTTON, BAR_LINE);
    iconMenuLines(cr, 0, 0.05, BAR_R * 1.35, BAR_LINE);
}
static void barHelp(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, BAR_R, PURPLE_BUTTON, BAR_LINE);
    iconQuestion(cr, 0, 0.1, BAR_R * 1.45, BAR_LINE);
}

// Previous and next: units at 40.3 from the eye.
constexpr double ARROW_R = 0.99, ARROW_LINE = 0.08, ARROW_SIDE = 1.04;

static void arrowPrev(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, ARROW_R, TEAL_BUTTON, ARROW_LINE);
    iconArrow(cr, -0.04, 0.02, ARROW_R * 1.45, ArrowWay::Left, ARROW_LINE);
}
static void arrowNext(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, ARROW_R, TEAL_BUTTON, ARROW_LINE);
    iconArrow(cr, 0.04, 0.02, ARROW_R * 1.45, ArrowWay::Right, ARROW_LINE);
}

// Dialog-sized buttons: units at 34.9 from the eye, drawn with DIALOG_LINE.

static void closeMenu(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, 0.98, RED_BUTTON, DIALOG_LINE);
    iconCross(cr, 0, 0.02, 1.25, DIALOG_LINE);
}
static void birdOn(cairo_t* cr) {
    drawBird(cr, 0, 0.04, 1.0, true, DIALOG_LINE);
}
static void birdOff(cairo_t* cr) {
    drawBird(cr, 0, 0.04, 1.0, false, DIALOG_LINE);
}
static void dot(cairo_t* cr) {
    cairo_arc(cr, 0, 0, 0.27, 0, 2 * M_PI);
    fillGradientOutlined(cr, -0.27, rgb(0xffffff), 0.27, rgb(0xcfe9b8), INK, 0.05);
    cairo_arc(cr, 0, 0, 0.09, 0, 2 * M_PI);
    setColour(cr, rgb(0x7fbf5a));
    cairo_fill(cr);
}

constexpr double S = BAR_SIDE, A = ARROW_SIDE;
constexpr Sheet BUTTON_SHEETS[] = {
    {"close", -S, S, -S, S, BAR_DEPTH, 26, SheetLook::Blended, barClose},
    {"view", -S, S, -S, S, BAR_DEPTH, 26, SheetLook::Blended, barView},
    {"break", -S, S, -S, S, BAR_DEPTH, 26, SheetLook::Blended, barBreak},
    {"menu", -S, S, -S, S, BAR_DEPTH, 26, SheetLook::Blended, barMenu},
    {"help", -S, S, -S, S, BAR_DEPTH, 26, SheetLook::Blended, barHelp},
    {"prev", -A, A, -A, A, -0.05, 56, SheetLook::Blended, arrowPrev},
    {"next", -A, A, -A, A, -0.05, 56, SheetLook::Blended, arrowNext},
    {"close_menu", -1.05, 1.05, -1.05, 1.05, 0, 62, SheetLook::Blended, closeMenu},
    {"pti4ka", -0.95, 0.95, -0.72, 0.72, 0, 68, SheetLook::Blended, birdOn},
    {"pti4ka_cl", -0.95, 0.95, -0.72, 0.72, 0, 68, SheetLook::Blended, birdOff},
    {"to4ka", -0.34, 0.34, -0.34, 0.34, 0, 90, SheetLook::Blended, dot},
};

bool buildButtons(const std::string& outDir) {
    PakArchive pak;
    return addSheets(pak, BUTTON_SHEETS) && writeArchive(pak, outDir, "buttons.pak");
}
