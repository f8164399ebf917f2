// "about_menu.pak", "exit_menu.pak" and "break_menu.pak": the small dialogs.
//
// Each is a card at the page origin (its depth in its vertices, just behind
// the buttons) with one or two buttons standing on its lower part:
//   about: "fon_about" with "ok" at (-0.008, -4.21);
//   exit and break: "fon_exit" (or "fon_exit_unsaved" when the progress
//   could not be saved) / "break_puzzle" / "break_puzzles" with
//   "cancel" at (-3.372, -1.443) and "ok" / "break" at (3.232, -1.443).
// The yes/no buttons are 5.4 x 2.2: grown under the pointer they still keep
// 0.8 apart.  The words are short and every answer carries a picture too.
#include <cmath>

#include "art/art_language.h"
#include "art/ui_archives.h"
#include "art/ui_icons.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"

constexpr double ANSWER_W = 5.4, ANSWER_H = 2.2;
constexpr const char* GAME_NAME = "Meadow Mosaics";
constexpr const char* GAME_VERSION = "2.0.0";
constexpr const char* SOUNDFONT_NAME = "FluidR3Mono GM";

// ---- Buttons ---------------------------------------------------------------------------

// A yes/no pill: a pictogram on the left, a word on the right.
static void answer(cairo_t* cr, ButtonColours colours, const std::string& word,
                   void (*icon)(cairo_t*, double, double, double, double)) {
    paintPillButton(cr, 0, 0, ANSWER_W, ANSWER_H, colours, DIALOG_LINE);
    icon(cr, -ANSWER_W / 2 + 1.1, 0, 1.35, DIALOG_LINE);
    paintButtonLabel(cr, word, 1.0, 0.55, -0.02, ANSWER_W - 2.5, 1.7);
}

static void yesButton(cairo_t* cr) {
    answer(cr, GREEN_BUTTON, tr("Yes"), iconTick);
}
static void noButton(cairo_t* cr) {
    answer(cr, RED_BUTTON, tr("No"), iconCross);
}
static void againButton(cairo_t* cr) {
    answer(cr, ORANGE_BUTTON, tr("Yes"), iconRestart);
}
static void okButton(cairo_t* cr) {
    answer(cr, GREEN_BUTTON, tr("OK"), iconTick);
}

// ---- Question cards ------------------------------------------------------------------

// The card of a yes/no question: text above the buttons, which stand at z -1.443
// (y 0.34 and below in the card's drawing).  The question and its detail each
// have room for two lines, for the languages whose words run long.
constexpr double QUESTION_X = -9.8, QUESTION_W = 19.6, QUESTION_TOP = -6.6, QUESTION_H = 10.55;

static void questionCard(cairo_t* cr, const std::string& question, const std::string& detail) {
    paintPanel(cr, QUESTION_X, QUESTION_TOP, QUESTION_W, QUESTION_H, 1.1, DIALOG_LINE);
    paintCaption(cr, question, 1.3, 2.0, -4.85, 13.0, 2.6);
    paintCaption(cr, detail, 0.75, 2.0, -2.5, 13.0, 2.1);
}

// A bird waving goodbye, under a little moon, beside the question.
static void exitCard(cairo_t* cr, const std::string& detail) {
    questionCard(cr, tr("Leave the game?"), detail);
    drawBird(cr, -7.2, -3.7, 2.2, true, DIALOG_LINE);
    cairo_move_to(cr, -7.8, -3.5);
    cairo_curve_to(cr, -8.2, -4.2, -8.6, -4.7, -8.8, -5.15);
    setColour(cr, INK);
    cairo_set_line_width(cr, 0.12);
    cairo_stroke(cr);
}

static void drawExit(cairo_t* cr) {
    exitCard(cr, tr("Your finished pictures are kept."));
}

// While the progress cannot be saved (the game says why on its terminal).
static void drawExitUnsaved(cairo_t* cr) {
    exitCard(cr, tr("New pictures could not be saved."));
}

static void drawBreakOne(cairo_t* cr) {
    questionCard(cr, tr("Start this picture again?"), tr("Its pieces fly back off the board."));
    double x = -9.0, y = -5.8, w = 3.6, h = 2.16;
    drawMeadowPicture(cr, x, y, w, h, DIALOG_LINE);
    drawJigsawSeams(cr, x, y, w, h, 4, 3, DIALOG_LINE * 0.6);
    drawPiece(cr, -8.4, -2.7, 1.1, rgb(0x9be86a), DIALOG_LINE);
    drawPiece(cr, -6.3, -3.0, 1.0, rgb(0xffb04d), DIALOG_LINE);
}

static void drawBreakAll(cairo_t* cr) {
    questionCard(cr, tr("Start all pictures again?"), tr("Every finished picture starts over."));
    for (int i = 0; i < 3; i++) {
        double x = -9.1 + i * 0.5, y = -5.9 + i * 0.55, w = 2.7, h = 1.62;
        cairo_rectangle(cr, x - 0.12, y - 0.12, w + 0.24, h + 0.24);
        fillOutlined(cr, WHITE, INK, DIALOG_LINE);
        drawMeadowPicture(cr, x, y, w, h, DIALOG_LINE);
        drawJigsawSeams(cr, x, y, w, h, 3, 2, DIALOG_LINE * 0.6);
    }
    drawPiece(cr, -8.4, -2.35, 0.95, rgb(0xc9a6ff), DIALOG_LINE);
}

// ---- About ---------------------------------------------------------------------------

// The photo folder as most homes have it ($XDG_DATA_HOME is seldom moved).
constexpr const char* PHOTO_FOLDER_SHOWN = "~/.local/share/meadow_mosaics/pictures";

static void drawAbout(cairo_t* cr) {
    paintPanel(cr, -11.35, -10.05, 22.7, 16.2, 1.0, DIALOG_LINE);
    drawSun(cr, -8.9, -7.7, 1.05, DIALOG_LINE);
    drawBird(cr, 8.9, -7.6, 1.7, true, DIALOG_LINE);
    // The game's name is the same in every language.
    paintText(cr, GAME_NAME, 1.8, 0, -8.1, 14, 2.2, rgb(0x3fa535), WHITE);
    paintCaption(cr, trFormat("Version %s", GAME_VERSION), 0.85, 0, -6.5, 12, 1.1);
    paintCaption(cr, tr("A jigsaw game for little ones"), 0.8, 0, -5.25, 20, 1.1);
    // TRANSLATORS: "Marble Yard Studio" is the maker's name: keep it as it is.
    paintCaption(cr, tr("Made by Marble Yard Studio"), 0.8, 0, -4.15, 20, 1.1);
    paintCaption(cr, tr("Every picture, tune and button is drawn by the game itself."), 0.62, 0,
                 -3.05, 20.5, 1.1);
    cairo_move_to(cr, -9.0, -2.2);
    cairo_line_to(cr, 9.0, -2.2);
    setColour(cr, rgb(0xc9a66b, 0.7));
    cairo_set_line_width(cr, 0.05);
    cairo_stroke(cr);
    // TRANSLATORS: %s is the font's name; keep the licence's name as it is.
    paintCaption(cr, trFormat("Letters: %s font, SIL Open Font License 1.1", loadedFontFamily()),
                 0.62, 0, -1.5, 20.5, 0.8);
    paintCaption(cr, trFormat("Instruments: %s soundfont, MIT licence", SOUNDFONT_NAME), 0.62, 0,
                 -0.7, 20.5, 0.8);
    // Where a grown-up puts the family's own photos (the usual place; the
    // game also prints the folder it really uses when it starts).
    paintCaption(cr, tr("Photos put in this folder become puzzles too:"), 0.62, 0, 0.3, 20.5, 0.8);
    paintText(cr, PHOTO_FOLDER_SHOWN, 0.6, 0, 1.05, 20.5, 0.8, rgb(0x2f7fb0), WHITE);
    iconHeart(cr, -5.6, 2.15, 0.7, rgb(0xff6f9f), DIALOG_LINE);
    iconHeart(cr, 5.6, 2.15, 0.7, rgb(0xff6f9f), DIALOG_LINE);
    paintCaption(cr, tr("Thank you for playing!"), 0.75, 0, 2.1, 10, 1.1);
}

// ---- The archives ------------------------------------------------------------------------

constexpr double AW = ANSWER_W / 2 + 0.1, AH = ANSWER_H / 2 + 0.1;
constexpr double QX0 = QUESTION_X - 0.15, QX1 = QUESTION_X + QUESTION_W + 0.45;
constexpr double QZ0 = -(QUESTION_TOP + QUESTION_H) - 0.45, QZ1 = -QUESTION_TOP + 0.15;

constexpr Sheet ABOUT_SHEETS[] = {
    {"fon_about", -11.5, 11.8, -6.6, 10.2, BACK_DEPTH, 48, SheetLook::Blended, drawAbout},
    {"ok", -AW, AW, -AH, AH, 0, 80, SheetLook::Blended, okButton},
};
constexpr Sheet EXIT_SHEETS[] = {
    {"fon_exit", QX0, QX1, QZ0, QZ1, BACK_DEPTH, 48, SheetLook::Blended, drawExit},
    {"fon_exit_unsaved", QX0, QX1, QZ0, QZ1, BACK_DEPTH, 48, SheetLook::Blended, drawExitUnsaved},
    {"cancel", -AW, AW, -AH, AH, 0, 80, SheetLook::Blended, noButton},
    {"ok", -AW, AW, -AH, AH, 0, 80, SheetLook::Blended, yesButton},
};
constexpr Sheet BREAK_SHEETS[] = {
    {"break_puzzle", QX0, QX1, QZ0, QZ1, BACK_DEPTH, 48, SheetLook::Blended, drawBreakOne},
    {"break_puzzles", QX0, QX1, QZ0, QZ1, BACK_DEPTH, 48, SheetLook::Blended, drawBreakAll},
    {"cancel", -AW, AW, -AH, AH, 0, 80, SheetLook::Blended, noButton},
    {"break", -AW, AW, -AH, AH, 0, 80, SheetLook::Blended, againButton},
};

bool buildSmallDialogs(const std::string& outDir) {
    PakArchive about, exitPak, breakPak;
    return addSheets(about, ABOUT_SHEETS) && writeArchive(about, outDir, "about_menu.pak") &&
           addSheets(exitPak, EXIT_SHEETS) && writeArchive(exitPak, outDir, "exit_menu.pak") &&
           addSheets(breakPak, BREAK_SHEETS) && writeArchive(breakPak, outDir, "break_menu.pak");
}
