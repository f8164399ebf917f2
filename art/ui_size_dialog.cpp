// "select_menu.pak": the question "how many pieces?" and its two answers.
//
// The title ends at height 7.5 and the two buttons at x -8 and 8, height
// -0.3 (page units, 35 from the eye) after sliding in from above and from
// the sides.  There is no card behind them: each is a card of its own.  The
// buttons are 13 x 11 units, so even grown to 1.07 under the pointer they
// keep a gap between them and stay clear of the title and a 4:3 screen's edges.
#include "art/art_language.h"
#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"

constexpr double LINE = 0.08;
constexpr double CHOICE_HALF_W = 6.5, CHOICE_HALF_H = 5.5;

static void drawTitle(cairo_t* cr) {
    paintPanel(cr, -9.8, -1.35, 19.6, 2.7, 1.2, LINE);
    drawPiece(cr, -8.1, 0, 1.6, rgb(0x9be86a), LINE);
    drawPiece(cr, 8.1, 0, 1.6, rgb(0xffb04d), LINE);
    paintCaption(cr, tr("How many pieces?"), 1.35, 0, 0, 13.5, 2.5);
}

// A choice card: the number big, over a little picture cut into that many pieces.
static void choice(cairo_t* cr, const char* number, int cols, int rows, ButtonColours colours) {
    double w = 2 * CHOICE_HALF_W - 0.25, h = 2 * CHOICE_HALF_H - 0.25;
    paintShadow(cr, -w / 2, -h / 2, w, h, 1.2, LINE * 3);
    roundedRect(cr, -w / 2, -h / 2, w, h, 1.2);
    fillGradientOutlined(cr, -h / 2, colours.top, h / 2, colours.bottom, INK, LINE);
    roundedRect(cr, -w / 2 + 0.45, -h / 2 + 0.45, w - 0.9, h - 0.9, 0.85);
    fillGradientOutlined(cr, -h / 2, CREAM_TOP, h / 2, CREAM_LOW, INK, LINE * 0.8);
    double pw = 9.0, ph = 5.4, px = -pw / 2, py = -h / 2 + 1.0;
    drawMeadowPicture(cr, px, py, pw, ph, LINE);
    drawJigsawSeams(cr, px, py, pw, ph, cols, rows, LINE);
    paintText(cr, number, 3.1, 0, py + ph + 1.75, w - 2, 3.5, colours.bottom, WHITE);
}

static void drawLow(cairo_t* cr) {
    choice(cr, "20", 5, 4, GREEN_BUTTON);
}
static void drawHigh(cairo_t* cr) {
    choice(cr, "48", 8, 6, ORANGE_BUTTON);
}

constexpr double CW = CHOICE_HALF_W, CH = CHOICE_HALF_H;
constexpr Sheet SIZE_SHEETS[] = {
    {"please", -10.0, 10.0, -1.55, 1.55, 0, 48, SheetLook::Blended, drawTitle},
    {"low", -CW, CW, -CH, CH, 0, 48, SheetLook::Blended, drawLow},
    {"height", -CW, CW, -CH, CH, 0, 48, SheetLook::Blended, drawHigh},
};

bool buildSizeDialog(const std::string& outDir) {
    PakArchive pak;
    return addSheets(pak, SIZE_SHEETS) && writeArchive(pak, outDir, "select_menu.pak");
}
