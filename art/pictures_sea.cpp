// Pictures by and in the water: under the sea and the beach (whose crab,
// starfish and shells come from the sea).  Same style and rules as the
// other pictures: everything alive has a face, and every part of the board
// holds something to find.
#include <cmath>

#include "art/pictures.h"

// ---- 2: under the sea -------------------------------------------------------------

// Branching coral.
static void coral(cairo_t* cr, double x, double groundY, double size, Rgba colour) {
    const double branches[][4] = {{0, 0, 0, -1.0},
                                  {0, -0.4, -0.45, -0.85},
                                  {0, -0.35, 0.5, -0.75},
                                  {-0.25, -0.65, -0.3, -1.1},
                                  {0.28, -0.58, 0.45, -1.0}};
    for (int pass = 0; pass < 2; pass++)
        for (const auto& b : branches) {
            cairo_move_to(cr, x + b[0] * size, groundY + b[1] * size);
            cairo_line_to(cr, x + b[2] * size, groundY + b[3] * size);
            setColour(cr, pass ? colour : INK);
            cairo_set_line_width(cr, size * (pass ? 0.16 : 0.16 + 0.09));
            cairo_stroke(cr);
        }
    for (const auto& b : branches) {
        cairo_new_path(cr);
        cairo_arc(cr, x + b[2] * size, groundY + b[3] * size, size * 0.04, 0, 2 * M_PI);
        setColour(cr, shade(colour, 0.4));
        cairo_fill(cr);
    }
}

// A starfish with a face.
static void starfish(cairo_t* cr, double x, double y, double size, Rgba colour, double turn) {
    starPath(cr, x, y, size, size * 0.5, 5, turn);
    fillGradientOutlined(cr, y - size, shade(colour, 0.25), y + size, shade(colour, -0.1), INK,
                         LINE);
    for (int i = 0; i < 5; i++) {
        double a = turn - M_PI / 2 + i * 2 * M_PI / 5;
        cairo_new_path(cr);
        cairo_arc(cr, x + cos(a) * size * 0.62, y + sin(a) * size * 0.62, size * 0.06, 0, 2 * M_PI);
        setColour(cr, shade(colour, 0.5));
        cairo_fill(cr);
    }
    happyFace(cr, x, y + size * 0.05, size * 0.6);
}

// A purple octopus sitting on the sand.
static void octopus(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba skin = rgb(0xb07aff);
    for (int i = 0; i < 6; i++) {
        double a = M_PI * (0.1 + i * 0.16), bx = x + cos(a) * s * 0.3;
        double tipX = x + cos(a) * s * 0.95, tipY = y + s * 0.35 + sin(a) * s * 0.2;
        double curl = i < 3 ? 1 : -1;
        cairo_move_to(cr, bx - s * 0.08, y + s * 0.1);
        cairo_curve_to(cr, bx - s * 0.1, y + s * 0.4, tipX - curl * s * 0.1, tipY + s * 0.05, tipX,
                       tipY);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.2);
        cairo_stroke_preserve(cr);
        setColour(cr, skin);
        cairo_set_line_width(cr, s * 0.13);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x - s * 0.5, y + s * 0.15);
    cairo_curve_to(cr, x - s * 0.6, y - s * 0.9, x + s * 0.6, y - s * 0.9, x + s * 0.5,
                   y + s * 0.15);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 0.7, rgb(0xd4b0ff), y + s * 0.15, skin, INK, LINE);
    for (int i = 0; i < 3; i++) {
        ellipsePath(cr, x - s * 0.2 + i * s * 0.25, y - s * 0.5 + (i % 2) * s * 0.1, s * 0.05,
                    s * 0.04);
        setColour(cr, rgb(0xe8d8ff));
        cairo_fill(cr);
    }
    happyFace(cr, x, y - s * 0.15, s * 0.55, true);
    shine(cr, x - s * 0.22, y - s * 0.55, s * 0.12, s * 0.06, -0.6, 0.7);
}

// A green sea turtle swimming to the right.
static void turtle(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba skin = rgb(0x9ae07a);
    const double flippers[][3] = {
        {0.45, -0.35, -0.5}, {-0.4, -0.3, 0.5}, {0.4, 0.3, 0.4}, {-0.4, 0.28, -0.4}};
    for (const auto& f : flippers) {
        cairo_save(cr);
        cairo_translate(cr, x + f[0] * s, y + f[1] * s);
        cairo_rotate(cr, f[2]);
        ellipsePath(cr, 0, 0, s * 0.3, s * 0.12);
        cairo_restore(cr);
        fillOutlined(cr, skin, INK, THIN);
    }
    double hx = x + s * 0.75, hy = y - s * 0.05;
    ellipsePath(cr, hx, hy, s * 0.27, s * 0.22);
    fillGradientOutlined(cr, hy - s * 0.22, shade(skin, 0.2), hy + s * 0.22, skin, INK, LINE);
    happyFace(cr, hx + s * 0.04, hy, s * 0.34);
    ellipsePath(cr, x, y, s * 0.6, s * 0.42);
    fillGradientOutlined(cr, y - s * 0.42, rgb(0x6ac88a), y + s * 0.42, rgb(0x2a8a5a), INK, LINE);
    const double plates[][2] = {{0, -0.05},    {-0.3, -0.05}, {0.3, -0.05}, {-0.15, -0.25},
                                {0.15, -0.25}, {-0.15, 0.17}, {0.15, 0.17}};
    for (const auto& p : plates) {
        ellipsePath(cr, x + p[0] * s, y + p[1] * s, s * 0.11, s * 0.09);
        fillOutlined(cr, rgb(0x9ae0a0), INK, THIN * 0.7);
    }
    shine(cr, x - s * 0.2, y - s * 0.28, s * 0.2, s * 0.06, -0.2, 0.5);
}

// A pink jellyfish with wavy tentacles.
static void jellyfish(cairo_t* cr, double x, double y, double size) {
    double s = size;
    for (int i = 0; i < 4; i++) {
        double tx = x - s * 0.3 + i * s * 0.2;
        cairo_move_to(cr, tx, y);
        cairo_curve_to(cr, tx + s * 0.15, y + s * 0.3, tx - s * 0.15, y + s * 0.6, tx + s * 0.05,
                       y + s * 0.9);
        setColour(cr, rgb(0xff8fc7));
        cairo_set_line_width(cr, s * 0.07);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, s * 0.45, M_PI, 2 * M_PI);
    cairo_curve_to(cr, x + s * 0.3, y + s * 0.12, x - s * 0.3, y + s * 0.12, x - s * 0.45, y);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 0.45, rgb(0xffc8e8), y + s * 0.1, rgb(0xff8fc7), INK, LINE);
    happyFace(cr, x, y - s * 0.15, s * 0.42);
    shine(cr, x - s * 0.2, y - s * 0.32, s * 0.1, s * 0.05, -0.6, 0.8);
}

// A red crab with claws up.
static void crab(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba shell = rgb(0xff6a4a);
    for (int side = -1; side <= 1; side += 2) {
        for (int leg = 0; leg < 3; leg++) {
            cairo_move_to(cr, x + side * s * 0.3, y + s * 0.05 + leg * s * 0.08);
            cairo_line_to(cr, x + side * s * (0.6 + leg * 0.05), y + s * (0.2 + leg * 0.1));
        }
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.06);
        cairo_stroke(cr);
        cairo_move_to(cr, x + side * s * 0.35, y - s * 0.1);
        cairo_line_to(cr, x + side * s * 0.6, y - s * 0.45);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.08);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.62, y - s * 0.55, s * 0.17, 0, 2 * M_PI);
        fillOutlined(cr, shell, INK, THIN);
        cairo_move_to(cr, x + side * s * 0.62, y - s * 0.55);
        cairo_line_to(cr, x + side * s * 0.62, y - s * 0.75);
        setColour(cr, INK);
        cairo_set_line_width(cr, THIN);
        cairo_stroke(cr);
    }
    ellipsePath(cr, x, y, s * 0.42, s * 0.3);
    fillGradientOutlined(cr, y - s * 0.3, shade(shell, 0.3), y + s * 0.3, shade(shell, -0.1), INK,
                         LINE);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.12, y - s * 0.22);
        cairo_line_to(cr, x + side * s * 0.15, y - s * 0.42);
        setColour(cr, INK);
        cairo_set_line_width(cr, THIN);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.15, y - s * 0.46, s * 0.09, 0, 2 * M_PI);
        fillOutlined(cr, WHITE, INK, THIN * 0.7);
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.15, y - s * 0.45, s * 0.05, 0, 2 * M_PI);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    ellipsePath(cr, x - s * 0.24, y + s * 0.02, s * 0.06, s * 0.04);
    ellipsePath(cr, x + s * 0.24, y + s * 0.02, s * 0.06, s * 0.04);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_arc(cr, x, y - s * 0.02, s * 0.1, M_PI * 0.2, M_PI * 0.8);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.04);
    cairo_stroke(cr);
}

// A spiral sea shell.
static void shell(cairo_t* cr, double x, double y, double size, Rgba colour) {
    cairo_move_to(cr, x - size * 0.5, y + size * 0.3);
    cairo_curve_to(cr, x - size * 0.5, y - size * 0.6, x + size * 0.5, y - size * 0.6,
                   x + size * 0.5, y + size * 0.3);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - size * 0.4, shade(colour, 0.3), y + size * 0.3, colour, INK, THIN);
    for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, x + i * size * 0.05, y + size * 0.3);
        cairo_line_to(cr, x + i * size * 0.3, y - size * 0.25);
    }
    setColour(cr, shade(colour, -0.3));
    cairo_set_line_width(cr, THIN * 0.7);
    cairo_stroke(cr);
}

void drawSea(cairo_t* cr) {
    ArtRandom random(102);
    const Rgba water[] = {rgb(0x7ae0f5), rgb(0x3ab0e0), rgb(0x2a80c8), rgb(0x2a5aa8)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, water, 4);
    // Sunbeams through the water.
    for (int i = 0; i < 5; i++) {
        double x = 2.0 + i * 4.2;
        cairo_move_to(cr, x - 0.5, 0);
        cairo_line_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 2.8, 10);
        cairo_line_to(cr, x + 1.2, 10);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 10);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_fill(cr);
    }
    // Wavy surface at the top.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 0.5);
    for (int i = 0; i < 10; i++)
        cairo_curve_to(cr, i * 2 + 0.5, 0.85, i * 2 + 1.5, 0.85, i * 2 + 2, 0.5);
    cairo_line_to(cr, 20, 0);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 0, rgb(0xe8fbff), 0.8, rgb(0xb0f0ff), INK, THIN);
    // Sand with a wavy top.
    cairo_move_to(cr, 0, 9.8);
    cairo_curve_to(cr, 3, 9.2, 6, 10.0, 9.5, 9.6);
    cairo_curve_to(cr, 13, 9.2, 16, 10.1, 20, 9.4);
    cairo_line_to(cr, 20, 12.5);
    cairo_line_to(cr, 0, 12.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 9.2, rgb(0xffe8b0), 12.2, rgb(0xe8c078), INK, LINE);
    for (int i = 0; i < 60; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0.2, 19.8), random.range(10.2, 11.9), random.range(0.03, 0.06),
                  0, 2 * M_PI);
        setColour(cr, rgb(0xc8a060, 0.6));
        cairo_fill(cr);
    }
    seaweed(cr, 0.8, 10.2, 5.2, 0.5, rgb(0x4ac85a), 0.22);
    seaweed(cr, 1.6, 10.0, 3.6, -0.4, rgb(0x3ab86a), 0.22);
    seaweed(cr, 18.9, 9.9, 5.8, -0.5, rgb(0x4ac85a), 0.22);
    seaweed(cr, 18.1, 10.0, 3.4, 0.4, rgb(0x6ad84a), 0.22);
    seaweed(cr, 9.2, 9.8, 2.8, 0.3, rgb(0x3ab86a), 0.22);
    coral(cr, 4.6, 10.4, 1.7, rgb(0xff7a9a));
    coral(cr, 15.6, 10.2, 1.5, rgb(0xffa64a));
    octopus(cr, 12.2, 10.4, 1.9);
    crab(cr, 6.9, 11.1, 1.2);
    starfish(cr, 2.6, 11.2, 0.6, rgb(0xffa64a), 0.2);
    starfish(cr, 17.3, 11.3, 0.55, rgb(0xff6a8a), -0.3);
    shell(cr, 9.8, 11.5, 0.5, rgb(0xffc8d8));
    shell(cr, 14.8, 11.7, 0.4, rgb(0xfff0c0));
    fish(cr, 3.6, 3.0, 1.7, rgb(0xffa64a), rgb(0xffffff), true);
    fish(cr, 15.9, 2.4, 1.5, rgb(0xffd84a), rgb(0x5ab0ff), false);
    fish(cr, 10.6, 6.4, 1.3, rgb(0xff7aa8), rgb(0xffe0f0), false);
    fish(cr, 17.2, 6.6, 1.0, rgb(0x7ad86a), rgb(0xfff0a0), false);
    fish(cr, 2.8, 7.0, 1.0, rgb(0xb48cff), rgb(0xffffff), true);
    turtle(cr, 8.6, 2.9, 2.0);
    jellyfish(cr, 13.2, 3.6, 1.3);
    const double bubbles[][3] = {{1.8, 1.6, 0.18}, {2.1, 1.1, 0.12},  {6.2, 5.0, 0.2},
                                 {6.5, 4.4, 0.13}, {12.5, 8.0, 0.2},  {12.9, 7.5, 0.14},
                                 {12.6, 6.9, 0.1}, {19.0, 4.0, 0.18}, {18.6, 3.5, 0.12},
                                 {5.4, 8.4, 0.16}, {15.6, 8.4, 0.15}, {8.2, 7.8, 0.12}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- 6: beach ---------------------------------------------------------------------

// A palm tree leaning to one side.
static void palm(cairo_t* cr, double x, double groundY, double height, double lean) {
    double topX = x + lean, topY = groundY - height;
    cairo_move_to(cr, x - 0.28, groundY);
    cairo_curve_to(cr, x - 0.2, groundY - height * 0.5, topX - 0.2, topY + height * 0.3,
                   topX - 0.12, topY);
    cairo_line_to(cr, topX + 0.12, topY);
    cairo_curve_to(cr, topX + 0.2, topY + height * 0.3, x + 0.2, groundY - height * 0.5, x + 0.28,
                   groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, topY, rgb(0xd0a060), groundY, rgb(0x9a6a3a), INK, LINE);
    for (int i = 1; i < 7; i++) {
        double t = i / 7.0;
        double bx = x + (topX - x) * t * t, by = groundY - height * t;
        cairo_move_to(cr, bx - 0.22, by);
        cairo_line_to(cr, bx + 0.22, by - 0.08);
    }
    setColour(cr, rgb(0x7a4a20, 0.6));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    const double leaves[][2] = {{-2.0, 0.9}, {-1.6, -0.5}, {0.3, -1.1}, {1.8, -0.3}, {2.0, 1.0}};
    for (const auto& l : leaves) {
        double ex = topX + l[0], ey = topY + l[1];
        cairo_move_to(cr, topX, topY);
        cairo_curve_to(cr, topX + l[0] * 0.4, topY - 0.7 + l[1] * 0.3, ex - l[0] * 0.2, ey - 0.4,
                       ex, ey);
        cairo_curve_to(cr, ex - l[0] * 0.3, ey - 0.05, topX + l[0] * 0.4, topY - 0.1 + l[1] * 0.3,
                       topX, topY);
        cairo_close_path(cr);
        fillGradientOutlined(cr, topY - 1, rgb(0x8ae05a), topY + 1, rgb(0x3a9a3a), INK, THIN * 1.2);
    }
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, topX - 0.2 + i * 0.2, topY + 0.2 + (i % 2) * 0.1, 0.17, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0x8a5a30), INK, THIN);
    }
}

// A sailing boat on the water line y.
static void sailboat(cairo_t* cr, double x, double y, double size) {
    double s = size;
    cairo_move_to(cr, x, y - s * 0.15);
    cairo_line_to(cr, x, y - s * 1.3);
    cairo_line_to(cr, x + s * 0.7, y - s * 0.25);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 1.3, rgb(0xffffff), y, rgb(0xe0e8f0), INK, THIN);
    cairo_move_to(cr, x - 0.04, y - s * 0.2);
    cairo_line_to(cr, x - 0.04, y - s * 1.05);
    cairo_line_to(cr, x - s * 0.55, y - s * 0.25);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff6a5a), INK, THIN);
    cairo_move_to(cr, x - s * 0.7, y - s * 0.2);
    cairo_line_to(cr, x + s * 0.85, y - s * 0.2);
    cairo_line_to(cr, x + s * 0.6, y + s * 0.12);
    cairo_line_to(cr, x - s * 0.5, y + s * 0.12);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x5ab0ff), INK, THIN);
}

// A striped beach umbrella standing in the sand.
static void umbrella(cairo_t* cr, double x, double groundY, double size) {
    double s = size, topY = groundY - s * 1.25;
    cairo_move_to(cr, x, groundY);
    cairo_line_to(cr, x + s * 0.1, topY);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.08);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xfff8e8));
    cairo_set_line_width(cr, s * 0.05);
    cairo_stroke(cr);
    for (int i = 0; i < 6; i++) {
        double a0 = M_PI + i * M_PI / 6, a1 = a0 + M_PI / 6;
        cairo_move_to(cr, x + s * 0.1, topY - s * 0.02);
        cairo_line_to(cr, x + s * 0.1 + cos(a0) * s, topY + s * 0.3 + sin(a0) * s * 0.55);
        cairo_line_to(cr, x + s * 0.1 + cos(a1) * s, topY + s * 0.3 + sin(a1) * s * 0.55);
        cairo_close_path(cr);
        fillOutlined(cr, i % 2 ? rgb(0xffffff) : rgb(0xff5a6a), INK, THIN);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x + s * 0.1, topY - s * 0.27, s * 0.06, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN);
}

// A sandcastle with a little flag.
static void sandcastle(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    Rgba sand = rgb(0xf5c870);
    for (int i = -1; i <= 1; i += 2) {
        cairo_rectangle(cr, x + i * s * 0.55 - s * 0.22, groundY - s * 0.95, s * 0.44, s * 0.95);
        fillGradientOutlined(cr, groundY - s, shade(sand, 0.2), groundY, sand, INK, LINE);
        for (int k = 0; k < 2; k++) {
            cairo_rectangle(cr, x + i * s * 0.55 - s * 0.22 + k * s * 0.28, groundY - s * 1.1,
                            s * 0.16, s * 0.16);
            fillOutlined(cr, shade(sand, 0.15), INK, THIN);
        }
    }
    cairo_move_to(cr, x - s * 0.4, groundY);
    cairo_line_to(cr, x - s * 0.35, groundY - s * 1.2);
    cairo_line_to(cr, x + s * 0.35, groundY - s * 1.2);
    cairo_line_to(cr, x + s * 0.4, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 1.2, shade(sand, 0.25), groundY, sand, INK, LINE);
    cairo_move_to(cr, x - s * 0.15, groundY);
    cairo_line_to(cr, x - s * 0.15, groundY - s * 0.3);
    cairo_arc(cr, x, groundY - s * 0.3, s * 0.15, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + s * 0.15, groundY);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xb8864a), INK, THIN);
    cairo_move_to(cr, x, groundY - s * 1.2);
    cairo_line_to(cr, x, groundY - s * 1.75);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_move_to(cr, x, groundY - s * 1.75);
    cairo_line_to(cr, x + s * 0.38, groundY - s * 1.62);
    cairo_line_to(cr, x, groundY - s * 1.5);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff5a6a), INK, THIN);
    for (int i = 0; i < 5; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, x - s * 0.25 + i * s * 0.12, groundY - s * 0.7 - (i % 2) * s * 0.15, s * 0.03,
                  0, 2 * M_PI);
        setColour(cr, rgb(0xc89a4a));
        cairo_fill(cr);
    }
}

// A beach ball with coloured segments.
static void beachBall(cairo_t* cr, double x, double y, double r) {
    const Rgba colours[] = {rgb(0xff5a6a), rgb(0xffffff), rgb(0x5ab0ff),
                            rgb(0xffffff), rgb(0xffd54a), rgb(0xffffff)};
    for (int i = 0; i < 6; i++) {
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r, i * M_PI / 3 - M_PI / 2, (i + 1) * M_PI / 3 - M_PI / 2);
        cairo_close_path(cr);
        setColour(cr, colours[i]);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r * 0.15, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffffff), INK, THIN);
    shine(cr, x - r * 0.4, y - r * 0.45, r * 0.22, r * 0.1, -0.7, 0.7);
}

// A bucket with a spade in it.
static void bucket(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    cairo_move_to(cr, x + s * 0.1, groundY - s * 0.7);
    cairo_line_to(cr, x + s * 0.6, groundY - s * 1.5);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.12);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xffd54a));
    cairo_set_line_width(cr, s * 0.07);
    cairo_stroke(cr);
    cairo_move_to(cr, x + s * 0.48, groundY - s * 1.45);
    cairo_line_to(cr, x + s * 0.75, groundY - s * 1.85);
    cairo_line_to(cr, x + s * 0.9, groundY - s * 1.6);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x5ab0ff), INK, THIN);
    cairo_move_to(cr, x - s * 0.45, groundY - s * 0.85);
    cairo_line_to(cr, x + s * 0.45, groundY - s * 0.85);
    cairo_line_to(cr, x + s * 0.35, groundY);
    cairo_line_to(cr, x - s * 0.35, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.85, rgb(0x8ae05a), groundY, rgb(0x3aa83a), INK, LINE);
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - s * 0.85, s * 0.45, M_PI, 2 * M_PI);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
}

void drawBeach(cairo_t* cr) {
    ArtRandom random(106);
    const Rgba sky[] = {rgb(0x5fb4f0), rgb(0x9ad4f7), rgb(0xe8f8ff)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 5, sky, 3);
    sun(cr, 16.4, 1.7, 1.05);
    cloud(cr, 4.2, 1.6, 3.0);
    cloud(cr, 10.6, 1.0, 2.0);
    bird(cr, 8.0, 3.0, 0.3);
    bird(cr, 8.8, 2.5, 0.24);
    bird(cr, 12.8, 3.3, 0.26);
    // The sea, with waves and a boat.
    const Rgba sea[] = {rgb(0x3ab0e8), rgb(0x5ac8f0), rgb(0x8ae0f5)};
    gradientBand(cr, 0, 4.6, PICTURE_WIDTH, 7.4, sea, 3);
    cairo_move_to(cr, 0, 4.6);
    cairo_line_to(cr, 20, 4.6);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    for (int row = 0; row < 3; row++)
        for (int i = 0; i < 6; i++) {
            double wx = 0.6 + i * 3.3 + row * 1.4, wy = 5.2 + row * 0.65;
            cairo_move_to(cr, wx, wy);
            cairo_curve_to(cr, wx + 0.3, wy - 0.2, wx + 0.6, wy - 0.2, wx + 0.9, wy);
        }
    setColour(cr, rgb(0xffffff, 0.85));
    cairo_set_line_width(cr, THIN * 1.3);
    cairo_stroke(cr);
    sailboat(cr, 8.2, 5.6, 1.4);
    // An island far away.
    cairo_new_path(cr);
    cairo_arc(cr, 13.0, 4.75, 1.0, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 3.7, rgb(0x8ad86a), 4.75, rgb(0x4aa83a), INK, THIN);
    // Sand with foam at its edge.
    cairo_move_to(cr, 0, 7.6);
    cairo_curve_to(cr, 4, 7.0, 8, 7.8, 12, 7.3);
    cairo_curve_to(cr, 15, 7.0, 18, 7.6, 20, 7.2);
    cairo_line_to(cr, 20, 12.5);
    cairo_line_to(cr, 0, 12.5);
    cairo_close_path(cr);
    cairo_save(cr);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 7, 0, 12);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.93, 0.72);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.95, 0.78, 0.5);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, 0, 7.5);
    cairo_curve_to(cr, 4, 6.9, 8, 7.7, 12, 7.2);
    cairo_curve_to(cr, 15, 6.9, 18, 7.5, 20, 7.1);
    setColour(cr, rgb(0xffffff, 0.9));
    cairo_set_line_width(cr, 0.15);
    cairo_stroke(cr);
    for (int i = 0; i < 50; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0.2, 19.8), random.range(8.2, 11.9), random.range(0.03, 0.06), 0,
                  2 * M_PI);
        setColour(cr, rgb(0xd8a860, 0.6));
        cairo_fill(cr);
    }
    palm(cr, 2.0, 9.6, 5.6, 0.9);
    // Towel under the umbrella.
    cairo_move_to(cr, 13.8, 10.6);
    cairo_line_to(cr, 17.8, 10.6);
    cairo_line_to(cr, 17.2, 9.2);
    cairo_line_to(cr, 14.4, 9.2);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x8fd0ff), INK, THIN);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, 14.2 + i * 0.05, 10.2 - i * 0.4);
        cairo_line_to(cr, 17.5 - i * 0.15, 10.2 - i * 0.4);
    }
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, 0.12);
    cairo_stroke(cr);
    umbrella(cr, 16.0, 9.9, 2.4);
    sandcastle(cr, 7.0, 10.3, 1.6);
    bucket(cr, 4.6, 11.6, 0.9);
    beachBall(cr, 11.2, 10.6, 0.75);
    crab(cr, 13.2, 11.4, 1.0);
    starfish(cr, 18.6, 11.2, 0.55, rgb(0xff8a5a), 0.3);
    shell(cr, 9.3, 11.6, 0.45, rgb(0xffc8d8));
    shell(cr, 1.2, 11.5, 0.4, rgb(0xfff0c0));
}
