// The interface's house style: panels, buttons and captions.
#include "art/ui_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void paintShadow(cairo_t* cr, double x, double y, double w, double h, double radius,
                 double spread) {
    // Layers growing outwards, each faint: together a soft edge.
    const int layers = 8;
    for (int i = layers; i >= 1; i--) {
        double grow = spread * i / layers;
        roundedRect(cr, x + spread * 0.5 - grow / 2, y + spread * 0.8 - grow / 2, w + grow,
                    h + grow, radius + grow / 2);
        setColour(cr, {SHADOW.r, SHADOW.g, SHADOW.b, SHADOW.a / layers * 1.6});
        cairo_fill(cr);
    }
}

void paintCard(cairo_t* cr, double x, double y, double w, double h, double radius, Rgba top,
               Rgba bottom, double line) {
    paintShadow(cr, x, y, w, h, radius, line * 3);
    roundedRect(cr, x, y, w, h, radius);
    fillGradientOutlined(cr, y, top, y + h, bottom, INK, line);
    // A light rim just inside the outline gives the card a soft edge.
    double inset = line * 1.6;
    roundedRect(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset,
                std::max(radius - inset, 0.0));
    setColour(cr, rgb(0xffffff, 0.55));
    cairo_set_line_width(cr, line * 0.9);
    cairo_stroke(cr);
}

void paintPanel(cairo_t* cr, double x, double y, double w, double h, double radius, double line) {
    paintCard(cr, x, y, w, h, radius, CREAM_TOP, CREAM_LOW, line);
}

// The glossy highlight on the upper part of a button.
static void paintGloss(cairo_t* cr, double cx, double cy, double w, double h) {
    cairo_save(cr);
    ellipsePath(cr, cx, cy, w / 2, h / 2);
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, cy - h / 2, 0, cy + h / 2);
    cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.6);
    cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss);
    cairo_pattern_destroy(gloss);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paintRoundButton(cairo_t* cr, double cx, double cy, double r, ButtonColours colours,
                      double line) {
    cairo_new_path(cr);
    // Shadow: a darker disc a little lower.
    cairo_arc(cr, cx + r * 0.04, cy + r * 0.08, r, 0, 2 * M_PI);
    setColour(cr, SHADOW);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - line / 2, 0, 2 * M_PI);
    fillGradientOutlined(cr, cy - r, colours.top, cy + r, colours.bottom, INK, line);
    paintGloss(cr, cx, cy - r * 0.45, r * 1.3, r * 0.8);
}

void paintPillButton(cairo_t* cr, double cx, double cy, double w, double h, ButtonColours colours,
                     double line) {
    double x = cx - w / 2 + line / 2, y = cy - h / 2 + line / 2;
    double iw = w - line - h * 0.03, ih = h - line - h * 0.06;
    roundedRect(cr, x + h * 0.03, y + h * 0.06, iw, ih, ih / 2);
    setColour(cr, SHADOW);
    cairo_fill(cr);
    roundedRect(cr, x, y, iw, ih, ih / 2);
    fillGradientOutlined(cr, y, colours.top, y + ih, colours.bottom, INK, line);
    paintGloss(cr, x + iw / 2, y + ih * 0.28, iw * 0.86, ih * 0.42);
}

std::vector<TextRecord> textRecords;
std::string textSheet;

void paintText(cairo_t* cr, const std::string& text, double size, double cx, double cy,
               double boxWidth, double boxHeight, Rgba fill, Rgba halo, bool bold) {
    TextStyle style = {size, bold, fill, halo, size * 0.16};
    style = fitTextInBox(cr, text, style, boxWidth, boxHeight);
    drawTextCentred(cr, text, style, cx, cy);
    textRecords.push_back(
        {textSheet, text, boxWidth, boxHeight, size, style, measureText(cr, text, style)});
}

bool recordedTextsFit() {
    bool fit = true;
    for (const TextRecord& record : textRecords) {
        const TextExtents& room = record.extents;
        if (room.missingGlyphs > 0)
            std::fprintf(stderr, "art_gen: %s: the font lacks %d letters of \"%s\"\n",
                         record.sheet.c_str(), room.missingGlyphs, record.text.c_str());
        else if (room.width > record.boxWidth || room.height > record.boxHeight)
            std::fprintf(stderr, "art_gen: %s: \"%s\" takes %.2f x %.2f of a %.2f x %.2f box\n",
                         record.sheet.c_str(), record.text.c_str(), room.width, room.height,
                         record.boxWidth, record.boxHeight);
        else
            continue;
        fit = false;
    }
    return fit;
}

void paintCaption(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                  double boxWidth, double boxHeight) {
    paintText(cr, text, size, cx, cy, boxWidth, boxHeight, INK, rgb(0xffffff, 0.9));
}

void paintButtonLabel(cairo_t* cr, const std::string& text, double size, double cx, double cy,
                      double boxWidth, double boxHeight) {
    paintText(cr, text, size, cx, cy, boxWidth, boxHeight, WHITE, INK);
}
