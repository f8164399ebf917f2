// Pictures with a big sky: the castle under a rainbow with its friendly
// dragon, and the hot-air balloons over the valley.  Same style and rules as
// the other pictures: everything alive has a face, and every part of the
// board holds something to find.
#include <algorithm>
#include <cmath>

#include "art/pictures.h"

// ---- 5: castle --------------------------------------------------------------------

// Top of a wall with square battlements from x0 to x1 at height y.
static void battlements(cairo_t* cr, double x0, double x1, double y, double size, Rgba stone) {
    int count = std::max(2, (int)((x1 - x0) / (size * 2)));
    double step = (x1 - x0) / count;
    for (int i = 0; i < count; i++) {
        cairo_rectangle(cr, x0 + i * step + step * 0.2, y - size, step * 0.6, size + 0.02);
        fillOutlined(cr, stone, INK, THIN);
    }
}

// A round tower with a pointed roof and a flag; x is its middle.
static void tower(cairo_t* cr, double x, double groundY, double topY, double width, Rgba roof,
                  Rgba flag) {
    Rgba stone = rgb(0xe8dcf4);
    cairo_rectangle(cr, x - width / 2, topY, width, groundY - topY);
    fillPatternOutlined(cr,
                        sideLitGradient(x - width / 2, x + width / 2, {0.82, 0.76, 0.9, 1}, 0.4,
                                        {0.97, 0.94, 1.0, 1}, {0.72, 0.66, 0.82, 1}),
                        INK, LINE);
    // A few stones.
    for (int i = 0; i < 4; i++) {
        double sy = topY + (groundY - topY) * (0.25 + i * 0.18);
        roundedRect(cr, x - width * (i % 2 ? 0.3 : 0.1), sy, width * 0.28, width * 0.12,
                    width * 0.04);
        setColour(cr, rgb(0xb8a8cc, 0.6));
        cairo_fill(cr);
    }
    // Window with warm light.
    double wy = topY + (groundY - topY) * 0.2;
    cairo_move_to(cr, x - width * 0.14, wy + width * 0.45);
    cairo_line_to(cr, x - width * 0.14, wy + width * 0.12);
    cairo_arc(cr, x, wy + width * 0.12, width * 0.14, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + width * 0.14, wy + width * 0.45);
    cairo_close_path(cr);
    fillGradientOutlined(cr, wy, rgb(0xfff2a0), wy + width * 0.45, rgb(0xffb84a), INK, THIN);
    (void)stone;
    // Roof.
    double roofH = width * 1.25;
    cairo_move_to(cr, x - width * 0.62, topY + 0.05);
    cairo_curve_to(cr, x - width * 0.3, topY - roofH * 0.3, x - width * 0.08, topY - roofH * 0.8, x,
                   topY - roofH);
    cairo_curve_to(cr, x + width * 0.08, topY - roofH * 0.8, x + width * 0.3, topY - roofH * 0.3,
                   x + width * 0.62, topY + 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, topY - roofH, shade(roof, 0.3), topY, shade(roof, -0.15), INK, LINE);
    shine(cr, x - width * 0.2, topY - roofH * 0.35, width * 0.06, roofH * 0.2, 0.25, 0.45);
    // Flag pole and waving flag.
    double poleTop = topY - roofH - width * 0.6;
    cairo_move_to(cr, x, topY - roofH);
    cairo_line_to(cr, x, poleTop);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN * 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, x, poleTop);
    cairo_curve_to(cr, x + width * 0.3, poleTop - width * 0.1, x + width * 0.5,
                   poleTop + width * 0.1, x + width * 0.8, poleTop);
    cairo_line_to(cr, x + width * 0.8, poleTop + width * 0.35);
    cairo_curve_to(cr, x + width * 0.5, poleTop + width * 0.45, x + width * 0.3,
                   poleTop + width * 0.25, x, poleTop + width * 0.35);
    cairo_close_path(cr);
    fillOutlined(cr, flag, INK, THIN);
}

// A rainbow arc centred at (x, y).
static void rainbow(cairo_t* cr, double x, double y, double radius, double width) {
    const Rgba bands[] = {rgb(0xff6a6a), rgb(0xffa64a), rgb(0xffe05a),
                          rgb(0x7ad86a), rgb(0x5ab0ff), rgb(0xa87aff)};
    double band = width / 6;
    for (int i = 0; i < 6; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, radius - i * band - band / 2, M_PI, 2 * M_PI);
        setColour(cr, Rgba{bands[i].r, bands[i].g, bands[i].b, 0.75});
        cairo_set_line_width(cr, band + 0.01);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        cairo_stroke(cr);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

// A small friendly dragon flying to the right.
static void dragon(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba green = rgb(0x6ad46a);
    // Tail.
    cairo_move_to(cr, x - s * 0.4, y);
    cairo_curve_to(cr, x - s * 0.9, y + s * 0.1, x - s * 1.1, y - s * 0.3, x - s * 1.3,
                   y - s * 0.25);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.2);
    cairo_stroke_preserve(cr);
    setColour(cr, green);
    cairo_set_line_width(cr, s * 0.12);
    cairo_stroke(cr);
    starPath(cr, x - s * 1.33, y - s * 0.26, s * 0.16, s * 0.08, 3, -0.5);
    fillOutlined(cr, rgb(0xff8a5a), INK, THIN);
    // Wing.
    cairo_move_to(cr, x - s * 0.1, y - s * 0.2);
    cairo_curve_to(cr, x - s * 0.3, y - s * 0.8, x - s * 0.6, y - s * 0.9, x - s * 0.75,
                   y - s * 0.95);
    cairo_curve_to(cr, x - s * 0.6, y - s * 0.7, x - s * 0.6, y - s * 0.55, x - s * 0.5,
                   y - s * 0.5);
    cairo_curve_to(cr, x - s * 0.45, y - s * 0.4, x - s * 0.35, y - s * 0.3, x - s * 0.3,
                   y - s * 0.2);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 0.95, rgb(0xffb0d0), y - s * 0.2, rgb(0xf07ab0), INK, THIN);
    // Body.
    ellipsePath(cr, x, y, s * 0.5, s * 0.32);
    fillGradientOutlined(cr, y - s * 0.32, shade(green, 0.3), y + s * 0.32, shade(green, -0.15),
                         INK, LINE);
    ellipsePath(cr, x + s * 0.05, y + s * 0.1, s * 0.3, s * 0.16);
    setColour(cr, rgb(0xfff0a0));
    cairo_fill(cr);
    // Head.
    double hx = x + s * 0.55, hy = y - s * 0.3;
    for (int i = 0; i < 2; i++) {
        cairo_move_to(cr, hx - s * 0.1 + i * s * 0.18, hy - s * 0.22);
        cairo_line_to(cr, hx - s * 0.05 + i * s * 0.18, hy - s * 0.42);
        cairo_line_to(cr, hx + s * 0.03 + i * s * 0.18, hy - s * 0.2);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xffd54a), INK, THIN);
    }
    ellipsePath(cr, hx, hy, s * 0.32, s * 0.27);
    fillGradientOutlined(cr, hy - s * 0.27, shade(green, 0.3), hy + s * 0.27, shade(green, -0.1),
                         INK, LINE);
    ellipsePath(cr, hx + s * 0.3, hy + s * 0.1, s * 0.11, s * 0.09);
    fillOutlined(cr, shade(green, 0.15), INK, THIN);
    happyFace(cr, hx - s * 0.04, hy, s * 0.4);
}

void drawCastle(cairo_t* cr) {
    ArtRandom random(105);
    const Rgba sky[] = {rgb(0x7ab8f5), rgb(0xb4d8fa), rgb(0xfbe4f0)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 8, sky, 3);
    rainbow(cr, 10.0, 7.5, 7.2, 1.5);
    sun(cr, 18.0, 1.7, 0.9);
    cloud(cr, 3.0, 6.2, 2.4);
    cloud(cr, 17.2, 5.6, 2.6);
    cloud(cr, 12.5, 0.9, 1.8);
    const double far[] = {0, 6.4, 5, 5.8, 10, 6.6, 15, 5.7, 20, 6.3};
    hill(cr, far, 5, 12.5, rgb(0xb8ea86), rgb(0x86cc60));
    roundTree(cr, 1.4, 6.6, 1.6, rgb(0x5fbf4a));
    roundTree(cr, 18.8, 6.5, 1.8, rgb(0x58b848));
    // The castle: back wall, keep, towers.
    Rgba stone = rgb(0xe2d6f0);
    cairo_rectangle(cr, 6.2, 5.3, 7.6, 3.7);
    fillGradientOutlined(cr, 5.3, rgb(0xf2ecfa), 9.0, rgb(0xcabce0), INK, LINE);
    battlements(cr, 6.2, 13.8, 5.3, 0.35, stone);
    cairo_rectangle(cr, 8.6, 3.6, 2.8, 2.4);
    fillGradientOutlined(cr, 3.6, rgb(0xf2ecfa), 6.0, rgb(0xd4c8e8), INK, LINE);
    battlements(cr, 8.6, 11.4, 3.6, 0.3, stone);
    tower(cr, 10.0, 3.6, 2.4, 1.0, rgb(0x5a9aff), rgb(0xffd54a));
    tower(cr, 6.0, 9.0, 4.4, 1.5, rgb(0xff6aa0), rgb(0x6ad0ff));
    tower(cr, 14.0, 9.0, 4.4, 1.5, rgb(0xa87aff), rgb(0xff7a5a));
    // Windows in the keep and the wall.
    for (int i = 0; i < 3; i++) {
        double wx = 7.3 + i * 2.7, wy = 6.3;
        if (i == 1) wy = 4.4;
        cairo_move_to(cr, wx - 0.22, wy + 0.7);
        cairo_line_to(cr, wx - 0.22, wy + 0.2);
        cairo_arc(cr, wx, wy + 0.2, 0.22, M_PI, 2 * M_PI);
        cairo_line_to(cr, wx + 0.22, wy + 0.7);
        cairo_close_path(cr);
        fillGradientOutlined(cr, wy, rgb(0xfff2a0), wy + 0.7, rgb(0xffb84a), INK, THIN);
    }
    // Gate with a wooden door.
    cairo_move_to(cr, 9.0, 9.0);
    cairo_line_to(cr, 9.0, 7.4);
    cairo_arc(cr, 10.0, 7.4, 1.0, M_PI, 2 * M_PI);
    cairo_line_to(cr, 11.0, 9.0);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 6.4, rgb(0xc88a50), 9.0, rgb(0x8a5a30), INK, LINE);
    for (int i = 1; i < 4; i++) {
        cairo_move_to(cr, 9.0 + i * 0.5, 9.0);
        cairo_line_to(cr, 9.0 + i * 0.5, 6.5 + (i == 2 ? 0 : 0.15));
    }
    setColour(cr, rgb(0x5a3a20, 0.7));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 10.35, 8.0, 0.08, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN * 0.6);
    // Ground, the moat and the bridge.
    const double near[] = {0, 8.9, 6, 8.6, 14, 8.6, 20, 8.9};
    hill(cr, near, 4, 12.5, rgb(0x93dc62), rgb(0x4fa83a));
    ellipsePath(cr, 10.0, 9.55, 6.2, 0.55);
    fillGradientOutlined(cr, 9.0, rgb(0x8fd8ff), 10.1, rgb(0x4a9ae0), INK, LINE);
    for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, 5.5 + i * 2.8, 9.5 + (i % 2) * 0.2);
        cairo_curve_to(cr, 5.8 + i * 2.8, 9.35 + (i % 2) * 0.2, 6.1 + i * 2.8, 9.35 + (i % 2) * 0.2,
                       6.4 + i * 2.8, 9.5 + (i % 2) * 0.2);
    }
    setColour(cr, rgb(0xffffff, 0.8));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_rectangle(cr, 9.0, 8.95, 2.0, 1.2);
    fillGradientOutlined(cr, 8.95, rgb(0xd89a60), 10.15, rgb(0xa06a38), INK, LINE);
    // The path down to the front.
    cairo_move_to(cr, 9.0, 10.15);
    cairo_curve_to(cr, 8.6, 10.8, 7.4, 11.3, 6.8, 12.2);
    cairo_line_to(cr, 10.2, 12.2);
    cairo_curve_to(cr, 10.6, 11.4, 11.2, 10.7, 11.0, 10.15);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 10.1, rgb(0xf5dca0), 12.2, rgb(0xe0b878), INK, LINE);
    roundTree(cr, 2.6, 10.8, 3.0, rgb(0x58b848));
    roundTree(cr, 17.6, 10.9, 3.2, rgb(0x5fbf4a));
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xffd84a), rgb(0xb48cff)};
    for (int i = 0; i < 6; i++) {
        double fx = i < 3 ? 4.6 + i * 0.8 : 12.4 + (i - 3) * 0.9;
        stemFlower(cr, fx, 12.2, random.range(0.9, 1.3), 0.38, petals[i % 4], rgb(0xffc02e),
                   random.range(-0.2, 0.2));
    }
    tulip(cr, 0.7, 12.2, 1.8, rgb(0xff5a6e));
    tulip(cr, 19.4, 12.2, 1.7, rgb(0xffb02e));
    grassTufts(cr, 0, 20, 12.25, 0.45, rgb(0x3f9a36), random, 20);
    dragon(cr, 3.6, 2.6, 1.9);
    butterfly(cr, 15.6, 7.9, 0.45, rgb(0xffd84a), 0.3);
}

// ---- 9: hot-air balloons ------------------------------------------------------------

// Path of a balloon's envelope: round top narrowing to its mouth.
static void envelopePath(cairo_t* cr, double x, double y, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - r * 0.32, y + r * 1.22);
    cairo_curve_to(cr, x - r * 0.6, y + r * 0.9, x - r * 1.0, y + r * 0.55, x - r, y);
    cairo_arc(cr, x, y, r, M_PI, 2 * M_PI);
    cairo_curve_to(cr, x + r * 1.0, y + r * 0.55, x + r * 0.6, y + r * 0.9, x + r * 0.32,
                   y + r * 1.22);
    cairo_close_path(cr);
}

// A hot-air balloon with vertical stripes and a basket carrying a passenger.
static void balloon(cairo_t* cr, double x, double y, double r, Rgba a, Rgba b, int passenger) {
    // Ropes and basket.
    double by = y + r * 1.62;
    cairo_move_to(cr, x - r * 0.32, y + r * 1.22);
    cairo_line_to(cr, x - r * 0.26, by);
    cairo_move_to(cr, x + r * 0.32, y + r * 1.22);
    cairo_line_to(cr, x + r * 0.26, by);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.035);
    cairo_stroke(cr);
    // The passenger peeking over the basket rim.
    Rgba fur = passenger == 0 ? rgb(0xc08850) : passenger == 1 ? rgb(0xf4f0f4) : rgb(0xffa050);
    double py = by - r * 0.12;
    if (passenger == 1)
        for (int side = -1; side <= 1; side += 2) {
            ellipsePath(cr, x + side * r * 0.09, py - r * 0.36, r * 0.055, r * 0.18);
            fillOutlined(cr, fur, INK, THIN * 0.7);
        }
    else
        for (int side = -1; side <= 1; side += 2) {
            cairo_new_path(cr);
            cairo_arc(cr, x + side * r * 0.18, py - r * 0.18, r * 0.08, 0, 2 * M_PI);
            fillOutlined(cr, fur, INK, THIN * 0.7);
        }
    ellipsePath(cr, x, py, r * 0.24, r * 0.21);
    fillOutlined(cr, fur, INK, THIN);
    happyFace(cr, x, py - r * 0.02, r * 0.34);
    roundedRect(cr, x - r * 0.3, by, r * 0.6, r * 0.38, r * 0.06);
    fillGradientOutlined(cr, by, rgb(0xe0a860), by + r * 0.38, rgb(0xa86a30), INK, LINE * 0.8);
    for (int i = 1; i < 3; i++) {
        cairo_move_to(cr, x - r * 0.3, by + r * 0.127 * i);
        cairo_line_to(cr, x + r * 0.3, by + r * 0.127 * i);
    }
    setColour(cr, rgb(0x7a4a20, 0.6));
    cairo_set_line_width(cr, THIN * 0.7);
    cairo_stroke(cr);
    // Envelope with stripes (curved gores), shading and shine.
    envelopePath(cr, x, y, r);
    setColour(cr, a);
    cairo_fill(cr);
    cairo_save(cr);
    envelopePath(cr, x, y, r);
    cairo_clip(cr);
    for (int i = -2; i <= 2; i += 2) {
        double k = i * 0.28;
        cairo_move_to(cr, x + k * r - r * 0.13, y + r * 1.3);
        cairo_curve_to(cr, x + k * r * 2.0 - r * 0.2, y + r * 0.2, x + k * r * 1.6 - r * 0.2,
                       y - r * 0.7, x + k * r * 0.4 - r * 0.05, y - r * 1.05);
        cairo_line_to(cr, x + k * r * 0.4 + r * 0.1, y - r * 1.05);
        cairo_curve_to(cr, x + k * r * 1.6 + r * 0.25, y - r * 0.7, x + k * r * 2.0 + r * 0.2,
                       y + r * 0.2, x + k * r + r * 0.13, y + r * 1.3);
        cairo_close_path(cr);
        setColour(cr, b);
        cairo_fill(cr);
    }
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r * 1.4);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0, 0.2, 0.3);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_paint(cr);
    cairo_restore(cr);
    envelopePath(cr, x, y, r);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    roundedRect(cr, x - r * 0.34, y + r * 1.16, r * 0.68, r * 0.12, r * 0.04);
    fillOutlined(cr, shade(b, -0.2), INK, THIN);
    shine(cr, x - r * 0.45, y - r * 0.45, r * 0.2, r * 0.09, -0.7, 0.6);
}

// A little house with a pointed roof.
static void cottage(cairo_t* cr, double x, double groundY, double w, Rgba walls, Rgba roof) {
    double h = w * 0.7;
    cairo_rectangle(cr, x, groundY - h, w, h);
    fillGradientOutlined(cr, groundY - h, shade(walls, 0.2), groundY, walls, INK, THIN);
    cairo_move_to(cr, x - w * 0.12, groundY - h + 0.02);
    cairo_line_to(cr, x + w * 0.5, groundY - h - w * 0.5);
    cairo_line_to(cr, x + w * 1.12, groundY - h + 0.02);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h - w * 0.5, shade(roof, 0.2), groundY - h, roof, INK, THIN);
    cairo_rectangle(cr, x + w * 0.15, groundY - h * 0.7, w * 0.25, w * 0.22);
    fillOutlined(cr, rgb(0xfff2a0), INK, THIN * 0.7);
    cairo_rectangle(cr, x + w * 0.58, groundY - h * 0.6, w * 0.24, h * 0.6);
    fillOutlined(cr, rgb(0xa86a40), INK, THIN * 0.7);
}

void drawBalloons(cairo_t* cr) {
    ArtRandom random(109);
    const Rgba sky[] = {rgb(0x4aa8f0), rgb(0x8fd0f8), rgb(0xd8f2ff), rgb(0xfff0d8)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 10, sky, 4);
    sun(cr, 10.6, 1.5, 0.85);
    cloud(cr, 16.8, 8.0, 2.6);
    cloud(cr, 2.0, 7.4, 2.2);
    cloud(cr, 18.4, 1.2, 2.0);
    cloud(cr, 6.0, 0.6, 1.6);
    bird(cr, 13.0, 3.4, 0.26);
    bird(cr, 13.7, 3.0, 0.2);
    bird(cr, 1.4, 4.6, 0.22);
    // The valley below: hills, fields and houses.
    const double far[] = {0, 9.6, 5, 9.0, 11, 9.7, 16, 9.0, 20, 9.5};
    hill(cr, far, 5, 12.5, rgb(0xb8ea86), rgb(0x86cc60));
    cottage(cr, 3.6, 9.9, 0.9, rgb(0xfff0d8), rgb(0xf0584a));
    cottage(cr, 5.0, 10.0, 0.75, rgb(0xfff8e8), rgb(0x5a9aff));
    cottage(cr, 14.2, 9.8, 0.85, rgb(0xfff0d8), rgb(0xff9a3c));
    roundTree(cr, 7.2, 9.9, 1.2, rgb(0x5fbf4a));
    roundTree(cr, 12.6, 9.8, 1.1, rgb(0x58b848));
    roundTree(cr, 16.2, 9.9, 1.2, rgb(0x6cc850));
    const double near[] = {0, 10.8, 7, 10.4, 14, 11.0, 20, 10.5};
    hill(cr, near, 4, 12.5, rgb(0x93dc62), rgb(0x4fa83a));
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xffd84a), rgb(0xb48cff)};
    for (int i = 0; i < 12; i++)
        flower(cr, 0.8 + i * 1.65 + random.range(-0.3, 0.3), 11.5 + random.range(-0.25, 0.35), 0.28,
               petals[i % 4], rgb(0xffc02e));
    grassTufts(cr, 0, 20, 12.25, 0.4, rgb(0x3f9a36), random, 20);
    // Balloons, far ones first.
    balloon(cr, 9.6, 4.4, 0.5, rgb(0xffa64a), rgb(0xfff0a0), 2);
    balloon(cr, 17.4, 4.6, 0.75, rgb(0x7ad86a), rgb(0xffffff), 1);
    balloon(cr, 2.7, 1.9, 0.95, rgb(0xa87aff), rgb(0xffd54a), 2);
    balloon(cr, 11.8, 6.3, 1.05, rgb(0x5ab0ff), rgb(0xffffff), 0);
    balloon(cr, 6.6, 3.4, 1.9, rgb(0xff5a5a), rgb(0xffd54a), 0);
    balloon(cr, 15.0, 1.9, 1.35, rgb(0xff9acb), rgb(0x8fe0ff), 1);
}
