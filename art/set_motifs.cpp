#include "art/set_motifs.h"

#include <cmath>

void disc(cairo_t* cr, double x, double y, double r, Rgba top, Rgba low, double line) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fillGradientOutlined(cr, y - r, top, y + r, low, INK, line);
}

void oval(cairo_t* cr, double x, double y, double rx, double ry, Rgba top, Rgba low, double line) {
    cairo_new_path(cr);
    ellipsePath(cr, x, y, rx, ry);
    fillGradientOutlined(cr, y - ry, top, y + ry, low, INK, line);
}

void limb(cairo_t* cr, Rgba colour, double width, double line) {
    setColour(cr, INK);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, width - line * 2);
    cairo_stroke(cr);
}

void cheeks(cairo_t* cr, double x, double y, double apart, double size) {
    cairo_new_path(cr);
    ellipsePath(cr, x - apart / 2, y, size / 2, size * 0.32);
    ellipsePath(cr, x + apart / 2, y, size / 2, size * 0.32);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

void skyBand(cairo_t* cr, double bottom, Rgba top, Rgba middle, Rgba low) {
    const Rgba stops[] = {top, middle, low};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, bottom, stops, 3);
}

void dotScatter(cairo_t* cr, ArtRandom& random, int count, double x0, double y0, double x1,
                double y1, double r0, double r1, Rgba colour) {
    for (int i = 0; i < count; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(x0, x1), random.range(y0, y1), random.range(r0, r1), 0,
                  2 * M_PI);
        setColour(cr, Rgba{colour.r, colour.g, colour.b, colour.a * random.range(0.55, 1.0)});
        cairo_fill(cr);
    }
}

void ripples(cairo_t* cr, ArtRandom& random, int count, double x0, double y0, double x1, double y1,
             Rgba colour) {
    cairo_new_path(cr);
    for (int i = 0; i < count; i++) {
        double x = random.range(x0, x1), y = random.range(y0, y1), w = random.range(0.35, 0.8);
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w * 0.5, y - w * 0.25, x + w * 0.5, y - w * 0.25, x + w, y);
    }
    setColour(cr, colour);
    cairo_set_line_width(cr, THIN * 1.3);
    cairo_stroke(cr);
}

void enterLocal(cairo_t* cr, double x, double y, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size, size);
}

void smile(cairo_t* cr, double x, double y, double size) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y - size * 0.3, size * 0.5, M_PI * 0.22, M_PI * 0.78);
    setColour(cr, INK);
    cairo_set_line_width(cr, size * 0.16);
    cairo_stroke(cr);
}
