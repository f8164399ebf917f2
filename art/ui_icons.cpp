// Pictograms, pieces, birds and the little meadow picture.
#include "art/ui_icons.h"

#include <algorithm>
#include <cmath>

#include "art/ui_paint.h"

// Stroke the current path as a white band with a dark edge, then clear it.
static void strokeWhite(cairo_t* cr, double width, double line) {
    setColour(cr, INK);
    cairo_set_line_width(cr, width + 2 * line);
    cairo_stroke_preserve(cr);
    setColour(cr, WHITE);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// Fill the current path white with a dark edge, then clear it.
static void fillWhite(cairo_t* cr, double line) {
    fillOutlined(cr, WHITE, INK, line);
}

void iconCross(cairo_t* cr, double cx, double cy, double s, double line) {
    double a = s * 0.34;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - a, cy - a);
    cairo_line_to(cr, cx + a, cy + a);
    cairo_move_to(cr, cx + a, cy - a);
    cairo_line_to(cr, cx - a, cy + a);
    strokeWhite(cr, s * 0.2, line);
}

void iconEye(cairo_t* cr, double cx, double cy, double s, double line) {
    double w = s * 0.55, h = s * 0.34;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w, cy);
    cairo_curve_to(cr, cx - w * 0.5, cy - h * 1.3, cx + w * 0.5, cy - h * 1.3, cx + w, cy);
    cairo_curve_to(cr, cx + w * 0.5, cy + h * 1.3, cx - w * 0.5, cy + h * 1.3, cx - w, cy);
    cairo_close_path(cr);
    fillWhite(cr, line * 1.2);
    cairo_arc(cr, cx, cy, h * 0.72, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0x4aa3e0), INK, line * 0.8);
    cairo_arc(cr, cx, cy, h * 0.36, 0, 2 * M_PI);
    setColour(cr, INK);
    cairo_fill(cr);
    cairo_arc(cr, cx - h * 0.25, cy - h * 0.25, h * 0.16, 0, 2 * M_PI);
    setColour(cr, WHITE);
    cairo_fill(cr);
}

void iconRestart(cairo_t* cr, double cx, double cy, double s, double line) {
    double r = s * 0.3, band = s * 0.15;
    double start = -M_PI * 0.3, end = start + M_PI * 1.5;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, start, end);
    strokeWhite(cr, band, line);
    // Arrow head at the end of the arc, pointing on round the turn.
    double hx = cx + r * std::cos(end), hy = cy + r * std::sin(end);
    double tx = -std::sin(end), ty = std::cos(end); // direction of travel
    double nx = std::cos(end), ny = std::sin(end);  // outwards
    double head = s * 0.2;
    cairo_move_to(cr, hx + nx * head, hy + ny * head);
    cairo_line_to(cr, hx + tx * head * 1.25, hy + ty * head * 1.25);
    cairo_line_to(cr, hx - nx * head, hy - ny * head);
    cairo_close_path(cr);
    fillWhite(cr, line);
}

void iconMenuLines(cairo_t* cr, double cx, double cy, double s, double line) {
    double w = s * 0.34, gap = s * 0.27;
    cairo_new_path(cr);
    for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, cx - w, cy + i * gap);
        cairo_line_to(cr, cx + w, cy + i * gap);
    }
    strokeWhite(cr, s * 0.1, line);
}

void iconQuestion(cairo_t* cr, double cx, double cy, double s, double line) {
    TextStyle style = {s * 0.95, true, WHITE, INK, line * 2};
    drawTextCentred(cr, "?", style, cx, cy);
}

void iconArrow(cairo_t* cr, double cx, double cy, double s, ArrowWay way, double line) {
    // A fat arrow pointing right, turned as asked.
    static const double shape[][2] = {{-0.42, -0.14}, {0.02, -0.14}, {0.02, -0.38}, {0.44, 0.0},
                                      {0.02, 0.38},   {0.02, 0.14},  {-0.42, 0.14}};
    double angle = way == ArrowWay::Right  ? 0
                   : way == ArrowWay::Down ? M_PI / 2
                   : way == ArrowWay::Left ? M_PI
                                           : -M_PI / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    for (const auto& p : shape)
        cairo_line_to(cr, p[0] * s, p[1] * s);
    cairo_close_path(cr);
    cairo_restore(cr);
    fillWhite(cr, line * 1.2);
}

void iconTick(cairo_t* cr, double cx, double cy, double s, double line) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - s * 0.34, cy + s * 0.02);
    cairo_line_to(cr, cx - s * 0.1, cy + s * 0.27);
    cairo_line_to(cr, cx + s * 0.36, cy - s * 0.28);
    strokeWhite(cr, s * 0.19, line);
}

void iconSpeaker(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - s * 0.45, cy - s * 0.14);
    cairo_line_to(cr, cx - s * 0.25, cy - s * 0.14);
    cairo_line_to(cr, cx - s * 0.02, cy - s * 0.38);
    cairo_line_to(cr, cx - s * 0.02, cy + s * 0.38);
    cairo_line_to(cr, cx - s * 0.25, cy + s * 0.14);
    cairo_line_to(cr, cx - s * 0.45, cy + s * 0.14);
    cairo_close_path(cr);
    fillOutlined(cr, fill, INK, line);
    for (int i = 1; i <= 2; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + s * 0.02, cy, s * 0.16 * i + s * 0.02, -M_PI / 3.2, M_PI / 3.2);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.09);
        cairo_stroke(cr);
    }
}

void iconNote(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line) {
    // Two beamed quavers.
    double hx1 = cx - s * 0.24, hx2 = cx + s * 0.24, hy = cy + s * 0.28;
    double top = cy - s * 0.4;
    cairo_new_path(cr);
    cairo_move_to(cr, hx1 + s * 0.12, hy - s * 0.02);
    cairo_line_to(cr, hx1 + s * 0.12, top + s * 0.06);
    cairo_line_to(cr, hx2 + s * 0.12, top);
    cairo_line_to(cr, hx2 + s * 0.12, hy - s * 0.02);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.09);
    cairo_stroke(cr);
    cairo_move_to(cr, hx1 + s * 0.12, top + s * 0.06);
    cairo_line_to(cr, hx2 + s * 0.12, top);
    cairo_set_line_width(cr, s * 0.16);
    cairo_stroke(cr);
    for (double hx : {hx1, hx2}) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.4);
        ellipsePath(cr, 0, 0, s * 0.16, s * 0.11);
        cairo_restore(cr);
        fillOutlined(cr, fill, INK, line);
    }
}

void iconHouse(cairo_t* cr, double cx, double cy, double s, double line) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - s * 0.44);
    cairo_line_to(cr, cx + s * 0.44, cy - s * 0.04);
    cairo_line_to(cr, cx + s * 0.3, cy - s * 0.04);
    cairo_line_to(cr, cx + s * 0.3, cy + s * 0.38);
    cairo_line_to(cr, cx - s * 0.3, cy + s * 0.38);
    cairo_line_to(cr, cx - s * 0.3, cy - s * 0.04);
    cairo_line_to(cr, cx - s * 0.44, cy - s * 0.04);
    cairo_close_path(cr);
    fillWhite(cr, line * 1.2);
    roundedRect(cr, cx - s * 0.09, cy + s * 0.1, s * 0.18, s * 0.28, s * 0.05);
    fillOutlined(cr, rgb(0xe8743b), INK, line * 0.7);
}

void iconInfo(cairo_t* cr, double cx, double cy, double s, double line) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - s * 0.3, s * 0.1, 0, 2 * M_PI);
    fillWhite(cr, line);
    cairo_move_to(cr, cx, cy - s * 0.08);
    cairo_line_to(cr, cx, cy + s * 0.34);
    strokeWhite(cr, s * 0.17, line);
}

void iconStar(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; i++) {
        double r = (i % 2 ? 0.22 : 0.5) * s, a = -M_PI / 2 + i * M_PI / 5;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    fillOutlined(cr, fill, INK, line);
}

void iconHeart(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.42);
    cairo_curve_to(cr, cx - s * 0.6, cy, cx - s * 0.45, cy - s * 0.5, cx, cy - s * 0.2);
    cairo_curve_to(cr, cx + s * 0.45, cy - s * 0.5, cx + s * 0.6, cy, cx, cy + s * 0.42);
    cairo_close_path(cr);
    fillOutlined(cr, fill, INK, line);
}

void piecePath(cairo_t* cr, double x, double y, double w, double h, const int sides[4]) {
    const double corners[5][2] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}, {x, y}};
    const double normals[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    double k = std::min(w, h);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    for (int side = 0; side < 4; side++) {
        double ax = corners[side][0], ay = corners[side][1];
        double dx = corners[side + 1][0] - ax, dy = corners[side + 1][1] - ay;
        double nx = normals[side][0] * sides[side], ny = normals[side][1] * sides[side];
        // Point a fraction t along the side and o (in knob units) out of it.
        auto px = [&](double t, double o) { return ax + dx * t + nx * o * k; };
        auto py = [&](double t, double o) { return ay + dy * t + ny * o * k; };
        if (sides[side] != 0) {
            cairo_line_to(cr, px(0.38, 0), py(0.38, 0));
            cairo_curve_to(cr, px(0.44, 0.06), py(0.44, 0.06), px(0.30, 0.24), py(0.30, 0.24),
                           px(0.5, 0.25), py(0.5, 0.25));
            cairo_curve_to(cr, px(0.70, 0.24), py(0.70, 0.24), px(0.56, 0.06), py(0.56, 0.06),
                           px(0.62, 0), py(0.62, 0));
        }
        cairo_line_to(cr, corners[side + 1][0], corners[side + 1][1]);
    }
    cairo_close_path(cr);
}

void drawPiece(cairo_t* cr, double cx, double cy, double s, Rgba fill, double line) {
    const int sides[4] = {1, 1, -1, -1};
    double w = s * 0.7;
    piecePath(cr, cx - w / 2, cy - w / 2 + s * 0.05, w, w, sides);
    fillGradientOutlined(cr, cy - w / 2, shade(fill, 0.25), cy + w / 2, fill, INK, line);
}

void drawPointer(cairo_t* cr, double x, double y, double s, double line) {
    static const double shape[][2] = {{0, 0},       {0, 0.8},     {0.2, 0.63}, {0.34, 0.94},
                                      {0.49, 0.87}, {0.35, 0.57}, {0.6, 0.55}};
    // The outline grows past the shape by half its width: move the shape in so
    // the outline's own tip is the point (x, y).
    double inset = line * 0.5 * 1.6;
    cairo_new_path(cr);
    for (const auto& p : shape)
        cairo_line_to(cr, x + inset + p[0] * s, y + inset + p[1] * s);
    cairo_close_path(cr);
    setColour(cr, INK);
    cairo_set_line_width(cr, line);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(x, y, x + s * 0.5, y + s);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.93, 0.45);
    cairo_pattern_add_color_stop_rgb(fill, 1, 1.0, 0.58, 0.16);
    cairo_set_source(cr, fill);
    cairo_pattern_destroy(fill);
    cairo_fill(cr);
    // A white shine along the left edge.
    cairo_move_to(cr, x + inset + s * 0.08, y + inset + s * 0.2);
    cairo_line_to(cr, x + inset + s * 0.08, y + inset + s * 0.55);
    setColour(cr, rgb(0xffffff, 0.85));
    cairo_set_line_width(cr, s * 0.06);
    cairo_stroke(cr);
}

void drawBird(cairo_t* cr, double cx, double cy, double s, bool awake, double line) {
    Rgba top = awake ? rgb(0xffe45c) : rgb(0xd5dbe6);
    Rgba low = awake ? rgb(0xffa91f) : rgb(0x98a4b8);
    Rgba wing = awake ? rgb(0xff8a2a) : rgb(0x8290a8);
    double r = s * 0.5;
    cairo_new_path(cr);
    // Feet.
    for (double fx : {-0.18, 0.14}) {
        cairo_move_to(cr, cx + fx * s, cy + r * 0.9);
        cairo_line_to(cr, cx + fx * s, cy + r * 1.18);
    }
    setColour(cr, rgb(0xe07a1f));
    cairo_set_line_width(cr, s * 0.07);
    cairo_stroke(cr);
    // Tail.
    cairo_move_to(cr, cx - r * 0.8, cy + r * 0.1);
    cairo_line_to(cr, cx - r * 1.38, cy - r * 0.32);
    cairo_line_to(cr, cx - r * 1.3, cy + r * 0.32);
    cairo_close_path(cr);
    fillOutlined(cr, wing, INK, line);
    // Tuft.
    cairo_move_to(cr, cx + r * 0.05, cy - r * 0.9);
    cairo_curve_to(cr, cx - r * 0.1, cy - r * 1.35, cx + r * 0.35, cy - r * 1.35, cx + r * 0.3,
                   cy - r * 0.88);
    fillOutlined(cr, wing, INK, line);
    // Body.
    ellipsePath(cr, cx, cy, r * 1.02, r * 0.96);
    fillGradientOutlined(cr, cy - r, top, cy + r, low, INK, line);
    // Beak.
    cairo_move_to(cr, cx + r * 0.88, cy - r * 0.3);
    cairo_line_to(cr, cx + r * 1.42, cy - r * 0.1);
    cairo_line_to(cr, cx + r * 0.88, cy + r * 0.12);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff8c1a), INK, line);
    // Wing.
    cairo_move_to(cr, cx - r * 0.55, cy + r * 0.05);
    cairo_curve_to(cr, cx - r * 0.2, cy - r * 0.2, cx + r * 0.3, cy + r * 0.05, cx + r * 0.15,
                   cy + r * 0.45);
    cairo_curve_to(cr, cx - r * 0.1, cy + r * 0.65, cx - r * 0.5, cy + r * 0.5, cx - r * 0.55,
                   cy + r * 0.05);
    cairo_close_path(cr);
    fillOutlined(cr, wing, INK, line * 0.8);
    double ex = cx + r * 0.45, ey = cy - r * 0.3;
    if (awake) {
        cairo_arc(cr, ex, ey, r * 0.17, 0, 2 * M_PI);
        setColour(cr, INK);
        cairo_fill(cr);
        cairo_arc(cr, ex - r * 0.05, ey - r * 0.06, r * 0.06, 0, 2 * M_PI);
        setColour(cr, WHITE);
        cairo_fill(cr);
        // Rosy cheek.
        ellipsePath(cr, cx + r * 0.52, cy + r * 0.1, r * 0.16, r * 0.1);
        setColour(cr, rgb(0xff6f6f, 0.6));
        cairo_fill(cr);
    } else {
        cairo_arc(cr, ex, ey - r * 0.05, r * 0.15, M_PI * 0.15, M_PI * 0.85);
        setColour(cr, INK);
        cairo_set_line_width(cr, line * 0.9);
        cairo_stroke(cr);
    }
}

void drawFlower(cairo_t* cr, double cx, double cy, double r, Rgba petals, double line) {
    cairo_new_path(cr);
    for (int i = 0; i < 5; i++) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + r * 0.55 * std::cos(a), cy + r * 0.55 * std::sin(a), r * 0.45, 0,
                  2 * M_PI);
    }
    if (line > 0) {
        setColour(cr, INK);
        cairo_set_line_width(cr, line * 2);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, petals);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.32, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffd23f), INK, line * 0.8);
}

void drawCloud(cairo_t* cr, double cx, double cy, double w, Rgba colour, double line) {
    static const double puffs[][3] = {{-0.3, 0.05, 0.2},
                                      {-0.08, -0.1, 0.27},
                                      {0.18, -0.04, 0.23},
                                      {0.34, 0.08, 0.15},
                                      {0.02, 0.1, 0.2}};
    cairo_new_path(cr);
    for (const auto& p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + p[0] * w, cy + p[1] * w, p[2] * w, 0, 2 * M_PI);
    }
    if (line > 0) {
        setColour(cr, INK);
        cairo_set_line_width(cr, line * 2);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, colour);
    cairo_fill(cr);
}

void drawSun(cairo_t* cr, double cx, double cy, double r, double line) {
    cairo_new_path(cr);
    for (int i = 0; i < 12; i++) {
        double a = i * M_PI / 6, b = a + M_PI / 12;
        cairo_move_to(cr, cx + r * 1.05 * std::cos(a - 0.16), cy + r * 1.05 * std::sin(a - 0.16));
        cairo_line_to(cr, cx + r * 1.55 * std::cos(a), cy + r * 1.55 * std::sin(a));
        cairo_line_to(cr, cx + r * 1.05 * std::cos(a + 0.16), cy + r * 1.05 * std::sin(a + 0.16));
        (void)b;
    }
    fillOutlined(cr, rgb(0xffc93c), INK, line * 0.8);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillGradientOutlined(cr, cy - r, rgb(0xfff176), cy + r, rgb(0xffb300), INK, line);
    // Face.
    for (double ex : {-0.33, 0.33}) {
        cairo_arc(cr, cx + ex * r, cy - r * 0.15, r * 0.1, 0, 2 * M_PI);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + r * 0.05, r * 0.45, M_PI * 0.2, M_PI * 0.8);
    setColour(cr, INK);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}

void drawMeadowPicture(cairo_t* cr, double x, double y, double w, double h, double line) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y, w, h);
    fillGradientOutlined(cr, y, rgb(0x7fcbff), y + h * 0.6, rgb(0xd8f1ff), INK, 0);
    drawSun(cr, x + w * 0.78, y + h * 0.24, h * 0.12, line * 0.7);
    drawCloud(cr, x + w * 0.3, y + h * 0.2, w * 0.22, WHITE, 0);
    // Two hills.
    cairo_move_to(cr, x, y + h * 0.62);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.42, x + w * 0.55, y + h * 0.5, x + w * 0.7,
                   y + h * 0.6);
    cairo_curve_to(cr, x + w * 0.85, y + h * 0.66, x + w, y + h * 0.58, x + w, y + h * 0.58);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y + h * 0.45, rgb(0x9ee06a), y + h, rgb(0x57b443), INK, 0);
    cairo_move_to(cr, x, y + h * 0.82);
    cairo_curve_to(cr, x + w * 0.35, y + h * 0.68, x + w * 0.7, y + h * 0.72, x + w, y + h * 0.8);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    setColour(cr, rgb(0x3f9d3a));
    cairo_fill(cr);
    const Rgba petals[] = {rgb(0xff6fa8), rgb(0xffffff), rgb(0xb58cff), rgb(0xff9f43)};
    for (int i = 0; i < 6; i++)
        drawFlower(cr, x + w * (0.1 + i * 0.16), y + h * (0.86 + 0.05 * (i % 2)), h * 0.06,
                   petals[i % 4], 0);
    cairo_restore(cr);
}

// The knob of seam n (counted as drawJigsawSeams counts) points this way.
static int verticalSeamWay(int c, int r) {
    return (c + r) % 2 ? 1 : -1;
}
static int horizontalSeamWay(int c, int r) {
    return (c * 3 + r) % 2 ? 1 : -1;
}

void seamSides(int c, int r, int cols, int rows, int sides[4]) {
    sides[0] = r == 0 ? 0 : -horizontalSeamWay(c, r);
    sides[1] = c == cols - 1 ? 0 : -verticalSeamWay(c + 1, r);
    sides[2] = r == rows - 1 ? 0 : horizontalSeamWay(c, r + 1);
    sides[3] = c == 0 ? 0 : verticalSeamWay(c, r);
}

void drawJigsawSeams(cairo_t* cr, double x, double y, double w, double h, int cols, int rows,
                     double line) {
    double cw = w / cols, ch = h / rows;
    double k = std::min(cw, ch);
    cairo_new_path(cr);
    // One seam from (ax, ay) along (dx, dy) with a knob to side `dir`.
    auto seam = [&](double ax, double ay, double dx, double dy, int dir) {
        double nx = -dy / std::hypot(dx, dy) * dir, ny = dx / std::hypot(dx, dy) * dir;
        auto px = [&](double t, double o) { return ax + dx * t + nx * o * k; };
        auto py = [&](double t, double o) { return ay + dy * t + ny * o * k; };
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, px(0.38, 0), py(0.38, 0));
        cairo_curve_to(cr, px(0.44, 0.06), py(0.44, 0.06), px(0.30, 0.24), py(0.30, 0.24),
                       px(0.5, 0.25), py(0.5, 0.25));
        cairo_curve_to(cr, px(0.70, 0.24), py(0.70, 0.24), px(0.56, 0.06), py(0.56, 0.06),
                       px(0.62, 0), py(0.62, 0));
        cairo_line_to(cr, ax + dx, ay + dy);
    };
    for (int c = 1; c < cols; c++)
        for (int r = 0; r < rows; r++)
            seam(x + c * cw, y + r * ch, 0, ch, verticalSeamWay(c, r));
    for (int r = 1; r < rows; r++)
        for (int c = 0; c < cols; c++)
            seam(x + c * cw, y + r * ch, cw, 0, horizontalSeamWay(c, r));
    setColour(cr, rgb(0xffffff, 0.75));
    cairo_set_line_width(cr, line * 1.8);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0x3d2b1f, 0.7));
    cairo_set_line_width(cr, line * 0.7);
    cairo_stroke(cr);
    cairo_rectangle(cr, x, y, w, h);
    setColour(cr, INK);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
}
