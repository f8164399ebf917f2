// The interface's house style: one friendly flat look for every panel,
// button and caption of the game.
//
// Everything is drawn in the units of the sheet it lands on (model units,
// y downwards), so sizes here are what the player sees once the model is
// placed.  Panels are cream cards with a warm dark outline and a soft shadow;
// buttons are glossy round or pill shapes in saturated colours with a white
// pictogram; captions are Comic Neue with a light halo.  Line widths are
// passed in, because the same look is used 26 units from the eye (cursor),
// 35 (dialogs), 40 (the puzzle frame) and 99 (the button bar).
#pragma once

#include <cairo.h>

#include <string>

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
// Text centred on (cx, cy), shrunk to maxWidth if needed, with a halo outline.
void paintText(cairo_t* cr, const std::string& text, double size, double cx, double cy,
               double maxWidth, Rgba fill, Rgba halo, bool bold = true);
// Dark caption on a light panel (white halo).
void paintCaption(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                  double maxWidth);
// White label on a coloured button (dark outline).
void paintButtonLabel(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                      double maxWidth);
// Width of a line of text at that size.
double textWidth(cairo_t* cr, const std::string& text, double size, bool bold = true);
