// The interface's house style: one friendly flat look for every panel,
// button and caption of the game.
//
// Everything is drawn in the units of the sheet it lands on (model units,
// y downwards), so sizes here are what the player sees once the model is
// placed.  Panels are cream cards with a warm dark outline and a soft shadow;
// buttons are glossy round or pill shapes in saturated colours with a white
// pictogram; captions are Comic Neue (Comfortaa for Cyrillic) with a light
// halo.  Line widths are passed in, because the same look is used 26 units
// from the eye (cursor), 35 (dialogs), 40 (the puzzle frame) and 99 (the
// button bar).
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "art/art_common.h"

// Colours shared by the whole interface.
constexpr Rgba INK = rgb(0x3d2b1f);          // outlines and dark text
constexpr Rgba CREAM_TOP = rgb(0xfffaea);    // panel gradient, top
constexpr Rgba CREAM_LOW = rgb(0xffe9b8);    // panel gradient, bottom
constexpr Rgba WHITE = rgb(0xffffff);        // pictograms
constexpr Rgba SHADOW = rgb(0x2a1a10, 0.22); // soft drop shadows

// A two-colour glossy fill of a button.
struct ButtonColours {
    Rgba top;    // gradient at the top
    Rgba bottom; // gradient at the bottom
};

constexpr ButtonColours GREEN_BUTTON = {rgb(0x9be86a), rgb(0x3fa535)};
constexpr ButtonColours RED_BUTTON = {rgb(0xff8a7a), rgb(0xdd3b3b)};
constexpr ButtonColours BLUE_BUTTON = {rgb(0x8fd6ff), rgb(0x2f86d8)};
constexpr ButtonColours ORANGE_BUTTON = {rgb(0xffd36b), rgb(0xf08a1c)};
constexpr ButtonColours PURPLE_BUTTON = {rgb(0xd6a6ff), rgb(0x8a4fd6)};
constexpr ButtonColours PINK_BUTTON = {rgb(0xffb0d8), rgb(0xe05a9c)};
constexpr ButtonColours TEAL_BUTTON = {rgb(0x8ff0dc), rgb(0x1fa88e)};

// Soft shadow under a rounded rectangle, offset down and right.
void paintShadow(cairo_t* cr, double x, double y, double w, double h, double radius, double spread);
// Cream card with outline, shadow and a light inner rim.
void paintPanel(cairo_t* cr, double x, double y, double w, double h, double radius, double line);
// Card in any two colours (same shape and rim as paintPanel).
void paintCard(cairo_t* cr, double x, double y, double w, double h, double radius, Rgba top,
               Rgba bottom, double line);
// Glossy round button face centred on (cx, cy).
void paintRoundButton(cairo_t* cr, double cx, double cy, double r, ButtonColours colours,
                      double line);
// Glossy pill button face centred on (cx, cy).
void paintPillButton(cairo_t* cr, double cx, double cy, double w, double h, ButtonColours colours,
                     double line);

// ---- Text ------------------------------------------------------------------------
//
// Every word of the interface is drawn through paintText, into a box given by
// its centre and size.  The text gets the biggest letters at which it fits the
// box: on one line, or broken into lines between words; it is never cut.  The
// boxes are sized for the languages whose words run long, so English keeps
// its one-line captions.  Each text drawn is recorded with its box, so the
// art's tests can lay it out again and check that it fits.

// One text as it was laid out.
struct TextRecord {
    std::string sheet;   // the sheet (model entry) it was drawn on
    std::string text;    // what it says, in the run's language
    double boxWidth;     // the box it had to fit, wide
    double boxHeight;    // and high
    double designSize;   // the size asked for
    TextStyle style;     // the size, outline and line width it got
    TextExtents extents; // the room it takes in that style
};

// Every text drawn so far, in order (owned here; drawSheet names the sheet).
extern std::vector<TextRecord> textRecords;
// The sheet whose picture is being drawn, for the records.
extern std::string textSheet;
// True when every recorded text fits its box with every letter in the font;
// otherwise false, with a message per text that does not.
bool recordedTextsFit();

// Text centred in a box of boxWidth x boxHeight around (cx, cy), with a halo outline.
void paintText(cairo_t* cr, const std::string& text, double size, double cx, double cy,
               double boxWidth, double boxHeight, Rgba fill, Rgba halo, bool bold = true);
// Dark caption on a light panel (white halo).
void paintCaption(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                  double boxWidth, double boxHeight);
// White label on a coloured button (dark outline).
void paintButtonLabel(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                      double boxWidth, double boxHeight);
