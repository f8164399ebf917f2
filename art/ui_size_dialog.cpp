// "select_menu.pak": the question "how many pieces?" and one answer card
// per puzzle size (PUZZLE_SIZES: "size6", "size12", "low", "height").
//
// The title ends at height 10.5 (page units, 35 from the eye) after sinking
// from above; the cards end two by two where their rows put them (x -6 and
// 6, heights 2.4 and -7.2) after gliding in from the sides.  There is no
// card behind them: each is a card of its own.  The cards are 11 x 9 units,
// so even grown to 1.07 under the pointer they keep a gap between them and
// stay clear of the title; the dialog layer shrinks the whole page on a
// screen too narrow for it.
#include <array>
#include <string>
#include <utility>

#include "art/art_language.h"
#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"
#include "puzzle/puzzle_sizes.h"

constexpr double SIZE_DIALOG_LINE = 0.08;
constexpr double CHOICE_HALF_W = 5.5, CHOICE_HALF_H = 4.5;

// Each size's card colours, smallest first.
constexpr ButtonColours CARD_COLOURS[PUZZLE_SIZE_COUNT] = {TEAL_BUTTON, BLUE_BUTTON, GREEN_BUTTON,
                                                           ORANGE_BUTTON};

static void drawTitle(cairo_t* cr) {
    paintPanel(cr, -9.8, -1.35, 19.6, 2.7, 1.2, SIZE_DIALOG_LINE);
    drawPiece(cr, -8.1, 0, 1.6, rgb(0x9be86a), SIZE_DIALOG_LINE);
    drawPiece(cr, 8.1, 0, 1.6, rgb(0xffb04d), SIZE_DIALOG_LINE);
    paintCaption(cr, tr("How many pieces?"), 1.35, 0, 0, 13.5, 2.5);
}

// A choice card: the number big, over a little picture cut into that many pieces.
template <int SIZE> void drawChoice(cairo_t* cr) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[SIZE];
    ButtonColours colours = CARD_COLOURS[SIZE];
    double w = 2 * CHOICE_HALF_W - 0.25, h = 2 * CHOICE_HALF_H - 0.25;
    paintShadow(cr, -w / 2, -h / 2, w, h, 1.2, SIZE_DIALOG_LINE * 3);
    roundedRect(cr, -w / 2, -h / 2, w, h, 1.2);
    fillGradientOutlined(cr, -h / 2, colours.top, h / 2, colours.bottom, INK, SIZE_DIALOG_LINE);
    roundedRect(cr, -w / 2 + 0.45, -h / 2 + 0.45, w - 0.9, h - 0.9, 0.85);
    fillGradientOutlined(cr, -h / 2, CREAM_TOP, h / 2, CREAM_LOW, INK, SIZE_DIALOG_LINE * 0.8);
    double pw = 8.0, ph = 4.8, px = -pw / 2, py = -h / 2 + 0.85;
    drawMeadowPicture(cr, px, py, pw, ph, SIZE_DIALOG_LINE);
    drawJigsawSeams(cr, px, py, pw, ph, size.columns, size.rows, SIZE_DIALOG_LINE);
    std::string number = std::to_string(size.pieces);
    paintText(cr, number.c_str(), 2.5, 0, py + ph + 1.45, w - 2, 2.8, colours.bottom, WHITE);
}

constexpr double CW = CHOICE_HALF_W, CH = CHOICE_HALF_H;

template <size_t... SIZE> constexpr auto sizeSheets(std::index_sequence<SIZE...>) {
    return std::array<Sheet, 1 + sizeof...(SIZE)>{
        Sheet{"please", -10.0, 10.0, -1.55, 1.55, 0, 48, SheetLook::Blended, drawTitle},
        Sheet{PUZZLE_SIZES[SIZE].cardModel, -CW, CW, -CH, CH, 0, 48, SheetLook::Blended,
              drawChoice<(int)SIZE>}...};
}

constexpr auto SIZE_SHEETS = sizeSheets(std::make_index_sequence<PUZZLE_SIZE_COUNT>());

bool buildSizeDialog(const std::string& outDir) {
    PakArchive pak;
    return addSheets(pak, SIZE_SHEETS.data(), (int)SIZE_SHEETS.size()) &&
           writeArchive(pak, outDir, "select_menu.pak");
}
