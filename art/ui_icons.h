// Pictograms a child who cannot read yet understands: the white symbols on
// the buttons (cross, eye, circular arrow, menu lines, question mark,
// arrows, tick, speaker, note, house, "i"), jigsaw pieces, the two birds of
// the menu toggles, flowers, clouds and the little meadow picture that the
// help and size dialogs cut into pieces.
//
// Every function draws centred on (cx, cy) at size s (about the symbol's
// height) in the current cairo units, with outlines of width `line`.
#pragma once

#include <cairo.h>

#include "art/art_common.h"

// Direction of an arrow pictogram.
enum class ArrowWay { Left, Right, Up, Down };

// White cross: close, no.
void iconCross(cairo_t* cr, double cx, double cy, double s, double line);
// Open eye with a blue iris: show or hide the picture tab.
void iconEye(cairo_t* cr, double cx, double cy, double s, double line);
// Circular arrow: start again.
void iconRestart(cairo_t* cr, double cx, double cy, double s, double line);
// Three lines: the menu.
void iconMenuLines(cairo_t* cr, double cx, double cy, double s, double line);
// Question mark: help.
void iconQuestion(cairo_t* cr, double cx, double cy, double s, double line);
// Fat white arrow: previous, next.
void iconArrow(cairo_t* cr, double cx, double cy, double s, ArrowWay way, double line);
// Tick: yes, OK.
void iconTick(cairo_t* cr, double cx, double cy, double s, double line);
// Loudspeaker with sound waves: sound effects.
void iconSpeaker(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line);
// Two beamed notes: music.
void iconNote(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line);
// Little house: the web site.
void iconHouse(cairo_t* cr, double cx, double cy, double s, double line);
// Letter i: about.
void iconInfo(cairo_t* cr, double cx, double cy, double s, double line);
// Five-pointed star.
void iconStar(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line);
// Heart.
void iconHeart(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line);

// Path of a jigsaw piece of w x h whose sides (top, right, bottom, left) have a
// knob out (+1), a hole in (-1) or are flat (0).
void piecePath(cairo_t* cr, double x, double y, double w, double h, const int sides[4]);
// A single coloured jigsaw piece centred on (cx, cy), about s across.
void drawPiece(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line);
// The arrow pointer of the game, tip at (x, y), about s tall.
void drawPointer(cairo_t* cr, double x, double y, double s, double line);
// The toggle bird: awake and yellow, or asleep and grey-blue; s = body height.
void drawBird(cairo_t* cr, double cx, double cy, double s, bool awake, double line);
// A five-petal flower.
void drawFlower(cairo_t* cr, double cx, double cy, double r, Rgba petals, double line);
// A fluffy cloud about w across.
void drawCloud(cairo_t* cr, double cx, double cy, double w, Rgba colour, double line);
// A smiling sun with rays.
void drawSun(cairo_t* cr, double cx, double cy, double r, double line);
// A small meadow picture (sky, sun, hills, flowers) filling the rectangle.
void drawMeadowPicture(cairo_t* cr, double x, double y, double w, double h, double line);
// Sides (top, right, bottom, left) of the piece in column c, row r of a
// cols x rows cut made by drawJigsawSeams, for piecePath.
void seamSides(int c, int r, int cols, int rows, int sides[4]);
// Jigsaw seams over a rectangle cut into cols x rows pieces.
void drawJigsawSeams(cairo_t* cr, double x, double y, double w, double h, int cols, int rows,
                     double line);
