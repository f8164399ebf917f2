// "main_menu.pak" and "reclama1.pak": the main menu page and the veil behind
// every dialog.
//
// The menu page holds (page units, 34.9 from the eye, z up): the sound and
// music birds at x -6.648 (z 3.314 and 1.704), one card per puzzle size
// ("menu_size6" ...: its cut and its number, where its PUZZLE_SIZES row puts
// it, two by two right of the middle; a bird sits on the chosen one), the close button at
// (8.091, 4.205), "break" at (-5.261, -0.684), "visit" at (-3.99, -3.328),
// "about" at (3.13, -3.328), and the three product tiles along z -10.576 at
// x -8.2, 0 and 8.2.  "fon_menu" is the card under the upper part and carries
// the pictures that say what each bird switches; "reclama" (shown at x-scale
// 0.9) is the card under the tiles.  Both stand at the page origin, so their
// depth is in their vertices, just behind the buttons.
//
// "block" lies at the world origin, 38.4 units from the eye: between the
// puzzle (40) and the dialogs (34.9, or 37.9 for a page that has stepped back).
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "art/art_language.h"
#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"
#include "puzzle/puzzle_sizes.h"

constexpr double RECLAMA_SCALE = 0.9; // x-scale the menu gives the tile card

// Spots of the page objects (z up), for drawing what stands beside them.
constexpr double TOGGLE_X = -6.648, SOUND_Z = 3.314, MUSIC_Z = 1.704;
constexpr double SIZE_CARD_HALF_W = 1.45, SIZE_CARD_HALF_H = 1.0; // 108 x 75 pixels at 1080 lines

// ---- The veil ------------------------------------------------------------------

static void drawBlock(cairo_t* cr) {
    setColour(cr, rgb(0x1c2846, 0.5));
    cairo_paint(cr);
}

// ---- The menu card ---------------------------------------------------------------

// A size's card: its cut on the meadow picture, its number below.
template <int SIZE> void drawSizeCard(cairo_t* cr) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[SIZE];
    double w = 2 * SIZE_CARD_HALF_W - 0.1, h = 2 * SIZE_CARD_HALF_H - 0.1;
    roundedRect(cr, -w / 2, -h / 2, w, h, 0.3);
    fillOutlined(cr, rgb(0xfff3c9), rgb(0xc9a66b), DIALOG_LINE * 0.8);
    double pw = w - 0.4, ph = 1.05;
    drawMeadowPicture(cr, -pw / 2, -h / 2 + 0.18, pw, ph, 0.03);
    drawJigsawSeams(cr, -pw / 2, -h / 2 + 0.18, pw, ph, size.columns, size.rows, 0.03);
    paintText(cr, std::to_string(size.pieces), 0.6, 0, h / 2 - 0.4, w - 0.6, 0.62, rgb(0x3fa535),
              WHITE);
}

static void drawMenuCard(cairo_t* cr) {
    paintPanel(cr, -10.45, -5.95, 20.9, 10.85, 1.0, DIALOG_LINE);
    paintCaption(cr, tr("Menu"), 1.05, -1.0, -5.0, 6, 1.5);
    // Sounds and music: a picture and a word beside each bird.
    iconSpeaker(cr, -8.75, -SOUND_Z, 1.15, rgb(0x7cc8ff), DIALOG_LINE);
    iconNote(cr, -8.75, -MUSIC_Z, 1.15, rgb(0xff9ccd), DIALOG_LINE);
    paintCaption(cr, tr("Sounds"), 0.72, -3.85, -SOUND_Z, 3.1, 1.5);
    paintCaption(cr, tr("Music"), 0.72, -3.85, -MUSIC_Z, 3.1, 1.5);
    // The size cards stand beside this piece (their own models).
    drawPiece(cr, -1.25, -2.42, 1.25, rgb(0x9be86a), DIALOG_LINE);
    // Flowers on the free corner.
    const Rgba petals[] = {rgb(0xff8fc0), rgb(0xffffff), rgb(0xc9a6ff), rgb(0xffd04d)};
    for (int i = 0; i < 5; i++) {
        double x = 1.2 + i * 1.9, y = 0.75 + (i % 2) * 0.45;
        cairo_move_to(cr, x, y + 0.2);
        cairo_line_to(cr, x, y + 1.0);
        setColour(cr, rgb(0x4f9d3a));
        cairo_set_line_width(cr, 0.09);
        cairo_stroke(cr);
        drawFlower(cr, x, y, 0.42, petals[i % 4], DIALOG_LINE * 0.7);
    }
}

// ---- Buttons of the menu ----------------------------------------------------------

constexpr double PILL_W = 5.2, PILL_H = 1.9;

// A pill button with a pictogram on the left and a word on the right.
static void pill(cairo_t* cr, ButtonColours colours, const std::string& word,
                 void (*icon)(cairo_t*, double, double, double, double)) {
    paintPillButton(cr, 0, 0, PILL_W, PILL_H, colours, DIALOG_LINE);
    icon(cr, -PILL_W / 2 + 0.95, -0.02, 1.15, DIALOG_LINE);
    paintButtonLabel(cr, word, 0.78, 0.55, -0.02, PILL_W - 2.2, 1.5);
}

static void aboutButton(cairo_t* cr) {
    pill(cr, BLUE_BUTTON, tr("About"), iconInfo);
}
static void visitButton(cairo_t* cr) {
    pill(cr, GREEN_BUTTON, tr("Website"), iconHouse);
}
static void breakAllButton(cairo_t* cr) {
    pill(cr, ORANGE_BUTTON, tr("Restart all"), iconRestart);
}
static void closeButton(cairo_t* cr) {
    paintRoundButton(cr, 0, 0, 0.84, RED_BUTTON, DIALOG_LINE);
    iconCross(cr, 0, 0.02, 1.05, DIALOG_LINE);
}

// ---- The product tiles --------------------------------------------------------------

constexpr double TILE_HALF_W = 3.6, TILE_HALF_H = 2.7;

// A tile's card and caption; `picture` fills the window above the caption.
static void tile(cairo_t* cr, const std::string& caption,
                 void (*picture)(cairo_t*, double, double, double, double)) {
    double w = 2 * TILE_HALF_W - 0.2, h = 2 * TILE_HALF_H - 0.2;
    paintPanel(cr, -w / 2, -h / 2, w, h, 0.55, DIALOG_LINE);
    double px = -w / 2 + 0.32, py = -h / 2 + 0.32, pw = w - 0.64, ph = h - 1.75;
    cairo_save(cr);
    roundedRect(cr, px, py, pw, ph, 0.3);
    cairo_clip(cr);
    picture(cr, px, py, pw, ph);
    cairo_restore(cr);
    roundedRect(cr, px, py, pw, ph, 0.3);
    setColour(cr, INK);
    cairo_set_line_width(cr, DIALOG_LINE);
    cairo_stroke(cr);
    paintCaption(cr, caption, 0.82, 0, h / 2 - 0.7, w - 0.6, 1.2);
}

static void farmPicture(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    fillGradientOutlined(cr, y, rgb(0x8fd6ff), y + h, rgb(0xe0f6ff), INK, 0);
    drawSun(cr, x + w * 0.15, y + h * 0.25, h * 0.13, DIALOG_LINE * 0.6);
    cairo_rectangle(cr, x, y + h * 0.68, w, h * 0.32);
    setColour(cr, rgb(0x7ccc56));
    cairo_fill(cr);
    // The barn.
    double bx = x + w * 0.55, by = y + h * 0.3, bw = w * 0.32, bh = h * 0.5;
    cairo_move_to(cr, bx - bw * 0.1, by + bh * 0.3);
    cairo_line_to(cr, bx + bw / 2, by - bh * 0.1);
    cairo_line_to(cr, bx + bw * 1.1, by + bh * 0.3);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x9a4a2a), INK, DIALOG_LINE);
    cairo_rectangle(cr, bx, by + bh * 0.3, bw, bh * 0.75);
    fillOutlined(cr, rgb(0xe0483c), INK, DIALOG_LINE);
    cairo_rectangle(cr, bx + bw * 0.3, by + bh * 0.62, bw * 0.4, bh * 0.43);
    fillOutlined(cr, WHITE, INK, DIALOG_LINE * 0.8);
    // A fence.
    for (int i = 0; i < 4; i++) {
        double fx = x + w * (0.06 + i * 0.1);
        cairo_rectangle(cr, fx, y + h * 0.56, w * 0.03, h * 0.3);
    }
    cairo_rectangle(cr, x + w * 0.04, y + h * 0.64, w * 0.36, h * 0.05);
    fillOutlined(cr, rgb(0xf4d19b), INK, DIALOG_LINE * 0.6);
}

static void seaPicture(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    fillGradientOutlined(cr, y, rgb(0x63c8f2), y + h, rgb(0x1f6fb8), INK, 0);
    cairo_move_to(cr, x, y + h * 0.85);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.75, x + w * 0.7, y + h * 0.95, x + w, y + h * 0.82);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    setColour(cr, rgb(0xf5dc9b));
    cairo_fill(cr);
    // The fish.
    double fx = x + w * 0.45, fy = y + h * 0.48;
    cairo_move_to(cr, fx + w * 0.14, fy);
    cairo_line_to(cr, fx + w * 0.3, fy - h * 0.17);
    cairo_line_to(cr, fx + w * 0.3, fy + h * 0.17);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff8a2a), INK, DIALOG_LINE);
    ellipsePath(cr, fx, fy, w * 0.19, h * 0.2);
    fillGradientOutlined(cr, fy - h * 0.2, rgb(0xffd04d), fy + h * 0.2, rgb(0xff8a2a), INK,
                         DIALOG_LINE);
    cairo_arc(cr, fx - w * 0.09, fy - h * 0.04, h * 0.045, 0, 2 * M_PI);
    setColour(cr, INK);
    cairo_fill(cr);
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, x + w * (0.2 + i * 0.04), y + h * (0.35 - i * 0.1), h * (0.035 + i * 0.01), 0,
                  2 * M_PI);
        fillOutlined(cr, rgb(0xffffff, 0.5), rgb(0xffffff), DIALOG_LINE * 0.5);
    }
    for (double sx : {0.12, 0.85}) {
        cairo_move_to(cr, x + w * sx, y + h);
        cairo_curve_to(cr, x + w * (sx - 0.05), y + h * 0.8, x + w * (sx + 0.05), y + h * 0.7,
                       x + w * sx, y + h * 0.55);
        setColour(cr, rgb(0x2fa55a));
        cairo_set_line_width(cr, w * 0.03);
        cairo_stroke(cr);
    }
}

static void spacePicture(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    fillGradientOutlined(cr, y, rgb(0x1b1f5e), y + h, rgb(0x4b3b9a), INK, 0);
    ArtRandom random(0x57a5);
    for (int i = 0; i < 18; i++) {
        cairo_arc(cr, x + random.range(0, w), y + random.range(0, h), random.range(0.03, 0.07), 0,
                  2 * M_PI);
        setColour(cr, rgb(0xfff6c0));
        cairo_fill(cr);
    }
    iconStar(cr, x + w * 0.15, y + h * 0.25, h * 0.22, rgb(0xffe066), DIALOG_LINE * 0.6);
    // A ringed planet.
    double px = x + w * 0.75, py = y + h * 0.3;
    cairo_arc(cr, px, py, h * 0.17, 0, 2 * M_PI);
    fillGradientOutlined(cr, py - h * 0.17, rgb(0xffb3d1), py + h * 0.17, rgb(0xe05a9c), INK,
                         DIALOG_LINE);
    ellipsePath(cr, px, py, h * 0.3, h * 0.07);
    setColour(cr, rgb(0xffe066));
    cairo_set_line_width(cr, DIALOG_LINE * 1.5);
    cairo_stroke(cr);
    // The rocket, flying up and right.
    cairo_save(cr);
    cairo_translate(cr, x + w * 0.42, y + h * 0.55);
    cairo_rotate(cr, 0.6);
    double rh = h * 0.62, rw = rh * 0.34;
    cairo_move_to(cr, -rw * 0.5, rh * 0.25);
    cairo_line_to(cr, -rw * 0.95, rh * 0.5);
    cairo_line_to(cr, rw * 0.95, rh * 0.5);
    cairo_line_to(cr, rw * 0.5, rh * 0.25);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xe0483c), INK, DIALOG_LINE);
    cairo_move_to(cr, 0, -rh * 0.5);
    cairo_curve_to(cr, rw * 0.7, -rh * 0.3, rw * 0.55, rh * 0.2, rw * 0.45, rh * 0.4);
    cairo_line_to(cr, -rw * 0.45, rh * 0.4);
    cairo_curve_to(cr, -rw * 0.55, rh * 0.2, -rw * 0.7, -rh * 0.3, 0, -rh * 0.5);
    fillOutlined(cr, WHITE, INK, DIALOG_LINE);
    cairo_arc(cr, 0, -rh * 0.1, rw * 0.22, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0x7cc8ff), INK, DIALOG_LINE * 0.8);
    cairo_move_to(cr, -rw * 0.25, rh * 0.45);
    cairo_line_to(cr, 0, rh * 0.75);
    cairo_line_to(cr, rw * 0.25, rh * 0.45);
    fillOutlined(cr, rgb(0xffb300), INK, DIALOG_LINE * 0.7);
    cairo_restore(cr);
}

static void tileFarm(cairo_t* cr) {
    tile(cr, tr("Farm Puzzles"), farmPicture);
}
static void tileSea(cairo_t* cr) {
    tile(cr, tr("Sea Puzzles"), seaPicture);
}
static void tileSpace(cairo_t* cr) {
    tile(cr, tr("Space Puzzles"), spacePicture);
}

// The card under the tiles, drawn in screen units (the menu shrinks it to 0.9 in x).
static void drawTileCard(cairo_t* cr) {
    cairo_scale(cr, 1 / RECLAMA_SCALE, 1);
    paintCard(cr, -12.65, 5.75, 25.3, 8.35, 1.0, rgb(0xe6f4ff), rgb(0xbfe3ff), DIALOG_LINE);
    iconStar(cr, -6.3, 6.72, 0.7, rgb(0xffd04d), DIALOG_LINE);
    iconStar(cr, 6.3, 6.72, 0.7, rgb(0xffd04d), DIALOG_LINE);
    paintCaption(cr, tr("More puzzles to play"), 0.8, 0, 6.72, 11, 1.4);
}

// ---- The archives -------------------------------------------------------------------

constexpr Sheet MAIN_MENU_SHEETS[] = {
    {"block", -60, 60, -17, 17, -61.6, 0.25, SheetLook::Blended, drawBlock},
    {"fon_menu", -10.6, 10.6, -5.0, 6.1, BACK_DEPTH, 48, SheetLook::Blended, drawMenuCard},
    {"reclama", -14.2, 14.2, -14.2, -5.6, BACK_DEPTH, 40, SheetLook::Blended, drawTileCard},
    {"about", -2.65, 2.65, -1.0, 1.0, 0, 80, SheetLook::Blended, aboutButton},
    {"visit", -2.65, 2.65, -1.0, 1.0, 0, 80, SheetLook::Blended, visitButton},
    {"break", -2.65, 2.65, -1.0, 1.0, 0, 80, SheetLook::Blended, breakAllButton},
    {"close_menu", -0.9, 0.9, -0.9, 0.9, 0, 70, SheetLook::Blended, closeButton},
};

constexpr double TW = TILE_HALF_W, TH = TILE_HALF_H;
constexpr Sheet TILE_SHEETS[] = {
    {"rec1", -TW, TW, -TH, TH, 0, 64, SheetLook::Blended, tileFarm},
    {"rec2", -TW, TW, -TH, TH, 0, 64, SheetLook::Blended, tileSea},
    {"rec3", -TW, TW, -TH, TH, 0, 64, SheetLook::Blended, tileSpace},
};

constexpr double SW = SIZE_CARD_HALF_W, SH = SIZE_CARD_HALF_H;
template <size_t... SIZE> constexpr auto sizeCardSheets(std::index_sequence<SIZE...>) {
    return std::array<Sheet, sizeof...(SIZE)>{Sheet{PUZZLE_SIZES[SIZE].menuModel, -SW, SW, -SH, SH,
                                                    0, 70, SheetLook::Blended,
                                                    drawSizeCard<(int)SIZE>}...};
}
constexpr auto SIZE_CARD_SHEETS = sizeCardSheets(std::make_index_sequence<PUZZLE_SIZE_COUNT>());

bool buildMainMenu(const std::string& outDir) {
    PakArchive menu, tiles;
    return addSheets(menu, MAIN_MENU_SHEETS) &&
           addSheets(menu, SIZE_CARD_SHEETS.data(), (int)SIZE_CARD_SHEETS.size()) &&
           writeArchive(menu, outDir, "main_menu.pak") && addSheets(tiles, TILE_SHEETS) &&
           writeArchive(tiles, outDir, "reclama1.pak");
}
