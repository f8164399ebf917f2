// Small shapes the three picture sets share (set_pictures.h), on top of the
// motifs of the ten pictures (pictures.h).
//
// They are drawn in the same units, ink and outline widths: a gradient disc
// or oval with its outline, a limb stroked as ink under colour, a sky band,
// scattered dots for stars, sand or pollen, and ripple lines on water.  Each
// set's own characters (the cow, the whale, the astronaut) stay in its own
// file, since no other set draws them.
#pragma once

#include "art/pictures.h"

// A disc at (x, y) filled with a vertical gradient from `top` to `low`, outlined in ink.
void disc(cairo_t* cr, double x, double y, double r, Rgba top, Rgba low, double line = LINE);
// An oval at (x, y) filled and outlined like `disc`.
void oval(cairo_t* cr, double x, double y, double rx, double ry, Rgba top, Rgba low,
          double line = LINE);
// Stroke the current path as a limb: ink `width` wide under `colour`, `line` narrower each side.
void limb(cairo_t* cr, Rgba colour, double width, double line = LINE);
// Two rosy cheeks `apart` from each other around (x, y), each `size` wide.
void cheeks(cairo_t* cr, double x, double y, double apart, double size);
// A sky filling y 0..bottom from `top` through `middle` to `low`.
void skyBand(cairo_t* cr, double bottom, Rgba top, Rgba middle, Rgba low);
// `count` round dots of radius r0..r1 scattered over a rectangle (stars, sand, pollen).
void dotScatter(cairo_t* cr, ArtRandom& random, int count, double x0, double y0, double x1,
                double y1, double r0, double r1, Rgba colour);
// Short curved ripple lines on water between x0 and x1 in rows from y0 to y1.
void ripples(cairo_t* cr, ArtRandom& random, int count, double x0, double y0, double x1, double y1,
             Rgba colour);
// A smiling mouth: an arc under (x, y), `size` wide.
void smile(cairo_t* cr, double x, double y, double size);
// Move the origin to (x, y) and make one unit `size` long, after a cairo_save
// (the caller restores): characters are drawn once in their own unit, where
// outlines are LINE / size wide.
void enterLocal(cairo_t* cr, double x, double y, double size);
