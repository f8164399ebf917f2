// The sea set: ten pictures by and under the sea, each with one creature
// or boat big in it and its own water colour: a whale spouting under a
// bright sky, an octopus by a green-water wreck, a turtle over a turquoise
// reef, a crab on a rock under a pink sky, a lighthouse and a boat at dusk,
// seahorses in a lime kelp garden, dolphins jumping at sunset, a yellow
// submarine in deep blue, jellyfish glowing at night and penguins on the
// ice.
#include <cmath>

#include "art/set_motifs.h"
#include "art/set_pictures.h"

// ---- Shared by the sea scenes ------------------------------------------------

// Water filling y from `top` to the bottom of the picture, in three colours.
static void water(cairo_t* cr, double top, Rgba high, Rgba middle, Rgba deep) {
    const Rgba stops[] = {high, middle, deep};
    gradientBand(cr, 0, top, PICTURE_WIDTH, PICTURE_HEIGHT, stops, 3);
}

// Slanting light from the surface, fading with depth.
static void sunbeams(cairo_t* cr, double depth, double alpha) {
    for (int i = 0; i < 5; i++) {
        double x = 1.5 + i * 4.3;
        cairo_move_to(cr, x - 0.5, 0);
        cairo_line_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 2.6, depth);
        cairo_line_to(cr, x + 1.1, depth);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, depth);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_fill(cr);
    }
}

// A sandy sea floor with a wavy top at about y.
static void seaFloor(cairo_t* cr, ArtRandom& random, double y, Rgba top, Rgba low) {
    cairo_move_to(cr, 0, y + 0.2);
    cairo_curve_to(cr, 4, y - 0.4, 7, y + 0.4, 10.5, y);
    cairo_curve_to(cr, 14, y - 0.4, 17, y + 0.4, 20, y - 0.2);
    cairo_line_to(cr, 20, 12.5);
    cairo_line_to(cr, 0, 12.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - 0.4, top, 12.2, low, INK, LINE);
    dotScatter(cr, random, 50, 0.2, y + 0.5, 19.8, 11.9, 0.03, 0.06, shade(low, -0.25));
}

// The wavy sea surface seen from the side: a band of waves at y.
static void waveRow(cairo_t* cr, double y, double height, Rgba colour) {
    cairo_move_to(cr, -0.5, y + height);
    for (int i = 0; i < 11; i++)
        cairo_curve_to(cr, i * 2 - 0.5 + 0.5, y - height, i * 2 - 0.5 + 1.5, y - height,
                       i * 2 + 1.5, y + height * 0.4);
    cairo_line_to(cr, 21, 12.5);
    cairo_line_to(cr, -0.5, 12.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - height, shade(colour, 0.25), 12.5, shade(colour, -0.3), INK, LINE);
}

// A five-armed starfish with a face.
static void seaStar(cairo_t* cr, double x, double y, double size, Rgba colour, double turn) {
    starPath(cr, x, y, size, size * 0.5, 5, turn);
    fillGradientOutlined(cr, y - size, shade(colour, 0.25), y + size, shade(colour, -0.1), INK,
                         LINE);
    happyFace(cr, x, y + size * 0.05, size * 0.6);
}

// A seagull gliding, wings out.
static void seagull(cairo_t* cr, double x, double y, double s) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + side * s * 0.3, y - s * 0.35, x + side * s * 0.7, y - s * 0.3,
                       x + side * s, y - s * 0.1);
        cairo_curve_to(cr, x + side * s * 0.6, y - s * 0.12, x + side * s * 0.3, y - s * 0.05, x,
                       y + s * 0.12);
        fillGradientOutlined(cr, y - s * 0.35, WHITE, y + s * 0.1, rgb(0xc8d4e8), INK, THIN);
    }
    oval(cr, x, y, s * 0.16, s * 0.12, WHITE, rgb(0xe0e8f0), THIN);
    shinyEye(cr, x - s * 0.05, y - s * 0.02, s * 0.06);
    cairo_move_to(cr, x - s * 0.14, y + s * 0.02);
    cairo_line_to(cr, x - s * 0.28, y + s * 0.05);
    cairo_line_to(cr, x - s * 0.14, y + s * 0.08);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffb020), INK, THIN * 0.7);
}

// A crescent moon with a sleepy face.
static void crescent(cairo_t* cr, double x, double y, double r) {
    softGlow(cr, x, y, r * 2.0, rgb(0xfff6c8, 0.35));
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, M_PI * 0.35, M_PI * 1.65);
    cairo_arc_negative(cr, x + r * 0.45, y - r * 0.05, r * 0.8, M_PI * 1.45, M_PI * 0.55);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - r, rgb(0xfffbe0), y + r, rgb(0xf0d890), INK, LINE);
    cairo_new_path(cr);
    cairo_arc(cr, x - r * 0.55, y - r * 0.1, r * 0.12, M_PI * 0.15, M_PI * 0.85);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.07);
    cairo_stroke(cr);
    ellipsePath(cr, x - r * 0.6, y + r * 0.18, r * 0.12, r * 0.07);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

// ---- The whale spouting --------------------------------------------------------

// A big blue whale at the surface, facing left, its back at about y.
static void whale(cairo_t* cr, double x, double y, double size) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    // Spout: a fountain of drops.
    cairo_move_to(cr, -0.12, -0.32);
    cairo_curve_to(cr, -0.14, -0.5, -0.2, -0.58, -0.34, -0.62);
    cairo_move_to(cr, -0.1, -0.32);
    cairo_curve_to(cr, -0.08, -0.5, -0.0, -0.58, 0.12, -0.62);
    limb(cr, rgb(0xc8f0ff), 0.07, T);
    const double drops[][3] = {{-0.38, -0.6, 0.06}, {-0.27, -0.68, 0.05}, {-0.11, -0.7, 0.07},
                               {0.04, -0.68, 0.05}, {0.16, -0.6, 0.06},   {-0.45, -0.5, 0.045},
                               {0.23, -0.5, 0.045}};
    for (const auto& d : drops)
        disc(cr, d[0], d[1], d[2], WHITE, rgb(0x9ae0ff), T);
    // Tail up behind.
    cairo_move_to(cr, 0.5, -0.05);
    cairo_curve_to(cr, 0.62, -0.15, 0.66, -0.3, 0.66, -0.38);
    cairo_curve_to(cr, 0.55, -0.48, 0.5, -0.55, 0.46, -0.62);
    cairo_curve_to(cr, 0.6, -0.58, 0.7, -0.5, 0.74, -0.44);
    cairo_curve_to(cr, 0.78, -0.52, 0.86, -0.6, 0.98, -0.62);
    cairo_curve_to(cr, 0.92, -0.52, 0.86, -0.44, 0.78, -0.36);
    cairo_curve_to(cr, 0.74, -0.2, 0.7, -0.08, 0.6, 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.62, rgb(0x6ab0f8), 0.05, rgb(0x2a6ad0), INK, L);
    // Body.
    cairo_move_to(cr, -0.6, 0.05);
    cairo_curve_to(cr, -0.62, -0.25, -0.35, -0.35, -0.05, -0.33);
    cairo_curve_to(cr, 0.3, -0.3, 0.5, -0.15, 0.62, 0.05);
    cairo_curve_to(cr, 0.4, 0.25, -0.3, 0.3, -0.6, 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.35, rgb(0x7ac0ff), 0.2, rgb(0x2a6ad0), INK, L);
    cairo_move_to(cr, -0.58, 0.06);
    cairo_curve_to(cr, -0.4, 0.02, -0.2, 0.08, 0.0, 0.1);
    cairo_curve_to(cr, -0.1, 0.22, -0.4, 0.22, -0.58, 0.06);
    fillOutlined(cr, rgb(0xd8f0ff), INK, T);
    cairo_move_to(cr, -0.02, 0.0);
    cairo_curve_to(cr, 0.05, 0.1, 0.12, 0.14, 0.2, 0.14);
    cairo_curve_to(cr, 0.14, 0.06, 0.08, 0.02, -0.02, 0.0);
    fillOutlined(cr, rgb(0x3a7ad8), INK, T);
    shinyEye(cr, -0.36, -0.12, 0.07);
    ellipsePath(cr, -0.45, -0.03, 0.05, 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -0.58, -0.02);
    cairo_curve_to(cr, -0.52, 0.03, -0.46, 0.03, -0.42, 0.0);
    setColour(cr, INK);
    cairo_set_line_width(cr, T);
    cairo_stroke(cr);
    shine(cr, -0.2, -0.25, 0.12, 0.03, 0.05, 0.6);
    cairo_restore(cr);
}

// A little sailing boat far off.
static void smallSail(cairo_t* cr, double x, double y, double s, Rgba sail) {
    cairo_move_to(cr, x - s * 0.5, y - s * 0.2);
    cairo_line_to(cr, x + s * 0.5, y - s * 0.2);
    cairo_line_to(cr, x + s * 0.35, y);
    cairo_line_to(cr, x - s * 0.35, y);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xc8804a), INK, THIN);
    cairo_move_to(cr, x, y - s * 0.25);
    cairo_line_to(cr, x, y - s * 1.1);
    cairo_line_to(cr, x + s * 0.45, y - s * 0.3);
    cairo_close_path(cr);
    fillOutlined(cr, sail, INK, THIN);
}

static void drawWhale(cairo_t* cr) {
    ArtRandom random(401);
    skyBand(cr, 5.2, rgb(0x4ac0ff), rgb(0x8ad8ff), rgb(0xd8f6ff));
    sun(cr, 2.2, 1.7, 0.95);
    cloud(cr, 6.4, 1.1, 2.4);
    cloud(cr, 14.0, 0.9, 2.2);
    seagull(cr, 17.8, 1.4, 0.7);
    seagull(cr, 18.6, 3.4, 0.5);
    water(cr, 5.0, rgb(0x3aa0f0), rgb(0x1a70d0), rgb(0x0a4aa0));
    sunbeams(cr, 12, 0.12);
    smallSail(cr, 1.6, 5.2, 1.0, rgb(0xff6a5a));
    smallSail(cr, 19.0, 5.2, 0.8, rgb(0xffd84a));
    ripples(cr, random, 10, 0.5, 5.4, 19.5, 6.4, rgb(0xffffff, 0.7));
    whale(cr, 9.0, 7.2, 9.0);
    // The sea under the surface: fish and bubbles.
    fish(cr, 2.6, 9.6, 1.6, rgb(0xffa64a), rgb(0xffffff), true);
    fish(cr, 16.4, 10.4, 1.5, rgb(0xffd84a), rgb(0x5ab0ff), false);
    fish(cr, 12.0, 10.9, 1.1, rgb(0xff7aa8), rgb(0xffe0f0), false);
    fish(cr, 6.6, 11.0, 1.0, rgb(0x7ad86a), rgb(0xfff0a0), true);
    fish(cr, 18.4, 7.8, 1.0, rgb(0xb48cff), rgb(0xffffff), false);
    const double bubbles[][3] = {{4.8, 8.4, 0.2},   {5.2, 7.8, 0.14}, {14.2, 8.4, 0.18},
                                 {9.4, 10.4, 0.16}, {1.2, 7.4, 0.15}, {19.2, 11.2, 0.17}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- The octopus by the wreck ----------------------------------------------------

// A round octopus facing the child, waving its arms; (x, y) is the middle of its head.
static void waveOctopus(cairo_t* cr, double x, double y, double size, Rgba skin) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    for (int i = 0; i < 8; i++) {
        double a = M_PI * (-0.1 + i * 0.17);
        double ex = cos(a) * 0.95, ey = 0.25 + sin(a) * 0.55;
        double curl = i < 4 ? 0.18 : -0.18;
        cairo_move_to(cr, cos(a) * 0.25, 0.2);
        cairo_curve_to(cr, cos(a) * 0.5, 0.5, ex - curl, ey + 0.1, ex, ey);
        cairo_curve_to(cr, ex + curl * 0.5, ey - 0.08, ex + curl * 0.8, ey + 0.02, ex + curl * 0.4,
                       ey + 0.1);
        limb(cr, skin, 0.14, L);
    }
    cairo_move_to(cr, -0.42, 0.28);
    cairo_curve_to(cr, -0.55, -0.7, 0.55, -0.7, 0.42, 0.28);
    cairo_curve_to(cr, 0.2, 0.36, -0.2, 0.36, -0.42, 0.28);
    fillGradientOutlined(cr, -0.5, shade(skin, 0.3), 0.3, skin, INK, L);
    for (int i = 0; i < 3; i++)
        disc(cr, -0.2 + i * 0.2, -0.32 + (i % 2) * 0.08, 0.04, shade(skin, 0.45), shade(skin, 0.45),
             0);
    happyFace(cr, 0, 0.0, 0.5, true);
    shine(cr, -0.2, -0.35, 0.1, 0.05, -0.6, 0.7);
    (void)T;
    cairo_restore(cr);
}

// A sunken wooden ship lying tilted on the sand.
static void wreck(cairo_t* cr, double x, double groundY, double w) {
    cairo_save(cr);
    cairo_translate(cr, x, groundY);
    cairo_rotate(cr, -0.12);
    // Broken mast with a torn flag.
    cairo_rectangle(cr, w * 0.05, -w * 0.95, w * 0.05, w * 0.6);
    fillGradientOutlined(cr, -w * 0.95, rgb(0xb08050), -w * 0.35, rgb(0x7a5030), INK, LINE);
    cairo_move_to(cr, w * 0.1, -w * 0.92);
    cairo_line_to(cr, w * 0.36, -w * 0.86);
    cairo_line_to(cr, w * 0.28, -w * 0.8);
    cairo_line_to(cr, w * 0.34, -w * 0.72);
    cairo_line_to(cr, w * 0.1, -w * 0.74);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xe8e0d0), INK, THIN);
    // Hull.
    cairo_move_to(cr, -w * 0.5, -w * 0.42);
    cairo_line_to(cr, w * 0.5, -w * 0.42);
    cairo_curve_to(cr, w * 0.45, -w * 0.1, w * 0.3, 0, 0, 0);
    cairo_curve_to(cr, -w * 0.3, 0, -w * 0.5, -w * 0.1, -w * 0.5, -w * 0.42);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -w * 0.42, rgb(0xb07a4a), 0, rgb(0x6a4a2a), INK, LINE);
    cairo_new_path(cr);
    for (int i = 1; i < 4; i++) {
        cairo_move_to(cr, -w * 0.49, -w * 0.42 + i * w * 0.1);
        cairo_line_to(cr, w * 0.49, -w * 0.42 + i * w * 0.1);
    }
    setColour(cr, rgb(0x4a2a1a, 0.5));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    for (int i = 0; i < 3; i++) {
        disc(cr, -w * 0.28 + i * w * 0.22, -w * 0.27, w * 0.06, rgb(0xffe27a), rgb(0xe0a830));
        disc(cr, -w * 0.28 + i * w * 0.22, -w * 0.27, w * 0.035, rgb(0x1a4a5a), rgb(0x0a3a4a),
             THIN);
    }
    cairo_restore(cr);
}

// An open treasure chest with coins and a pearl.
static void treasureChest(cairo_t* cr, double x, double groundY, double w) {
    cairo_move_to(cr, x - w * 0.5, groundY - w * 0.5);
    cairo_curve_to(cr, x - w * 0.5, groundY - w * 1.0, x + w * 0.5, groundY - w * 1.0, x + w * 0.5,
                   groundY - w * 0.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - w, rgb(0xc88a50), groundY - w * 0.5, rgb(0x8a5a30), INK,
                         LINE);
    for (int i = 0; i < 5; i++)
        disc(cr, x - w * 0.36 + i * w * 0.18, groundY - w * 0.55 - (i % 2) * w * 0.08, w * 0.1,
             rgb(0xfff08a), rgb(0xf0b020), THIN);
    disc(cr, x + w * 0.05, groundY - w * 0.68, w * 0.09, WHITE, rgb(0xe0d8f0), THIN);
    roundedRect(cr, x - w * 0.5, groundY - w * 0.5, w, w * 0.5, w * 0.05);
    fillGradientOutlined(cr, groundY - w * 0.5, rgb(0xc88a50), groundY, rgb(0x8a5a30), INK, LINE);
    cairo_rectangle(cr, x - w * 0.5, groundY - w * 0.36, w, w * 0.08);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN);
    roundedRect(cr, x - w * 0.08, groundY - w * 0.42, w * 0.16, w * 0.2, w * 0.03);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN);
}

// An anchor half buried.
static void anchor(cairo_t* cr, double x, double groundY, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, groundY - h * 0.15);
    cairo_line_to(cr, x, groundY - h * 0.85);
    cairo_move_to(cr, x - h * 0.22, groundY - h * 0.7);
    cairo_line_to(cr, x + h * 0.22, groundY - h * 0.7);
    cairo_move_to(cr, x - h * 0.35, groundY - h * 0.35);
    cairo_curve_to(cr, x - h * 0.3, groundY - h * 0.1, x + h * 0.3, groundY - h * 0.1, x + h * 0.35,
                   groundY - h * 0.35);
    limb(cr, rgb(0x8a90a8), h * 0.1, THIN);
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - h * 0.92, h * 0.08, 0, 2 * M_PI);
    limb(cr, rgb(0x8a90a8), h * 0.06, THIN);
}

static void drawOctopusWreck(cairo_t* cr) {
    ArtRandom random(402);
    water(cr, 0, rgb(0x5ad8b0), rgb(0x1a9a8a), rgb(0x0a5a6a));
    sunbeams(cr, 10, 0.18);
    seaFloor(cr, random, 9.6, rgb(0xe8d8a0), rgb(0xb8a068));
    wreck(cr, 4.4, 10.4, 7.4);
    seaweed(cr, 19.2, 10.2, 6.0, -0.5, rgb(0x4ac85a), 0.26);
    seaweed(cr, 18.4, 10.2, 4.0, 0.4, rgb(0x6ad84a), 0.26);
    seaweed(cr, 8.8, 10.0, 3.0, 0.3, rgb(0x3ab86a), 0.26);
    treasureChest(cr, 16.2, 11.6, 2.6);
    anchor(cr, 1.2, 11.8, 2.6);
    waveOctopus(cr, 11.8, 5.8, 5.0, rgb(0xff8a4a));
    fish(cr, 3.0, 1.8, 1.4, rgb(0xffd84a), rgb(0x5ab0ff), true);
    fish(cr, 17.0, 2.0, 1.5, rgb(0xff7aa8), rgb(0xffe0f0), false);
    fish(cr, 7.4, 1.4, 1.0, rgb(0xb48cff), rgb(0xffffff), true);
    seaStar(cr, 6.8, 11.4, 0.6, rgb(0xff6a8a), 0.3);
    seaStar(cr, 13.0, 11.6, 0.5, rgb(0xffd84a), -0.2);
    const double bubbles[][3] = {{14.6, 2.8, 0.22}, {15.0, 2.2, 0.15}, {9.0, 3.0, 0.18},
                                 {1.4, 5.0, 0.16},  {2.6, 4.4, 0.12},  {19.2, 3.8, 0.17}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- The turtle over the coral -------------------------------------------------

// A sea turtle swimming left, seen from above a little: shell, flippers, head with a face.
static void bigTurtle(cairo_t* cr, double x, double y, double size) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    Rgba skin = rgb(0xa8e88a);
    const double flippers[][4] = {{-0.35, -0.3, 0.6, 0.34},
                                  {-0.3, 0.32, -0.5, 0.3},
                                  {0.42, -0.22, -0.4, 0.2},
                                  {0.42, 0.26, 0.4, 0.2}};
    for (const auto& f : flippers) {
        cairo_save(cr);
        cairo_translate(cr, f[0], f[1]);
        cairo_rotate(cr, f[2]);
        ellipsePath(cr, 0, 0, f[3], 0.11);
        cairo_restore(cr);
        fillGradientOutlined(cr, f[1] - 0.2, shade(skin, 0.2), f[1] + 0.2, skin, INK, L);
    }
    oval(cr, -0.62, -0.04, 0.22, 0.19, shade(skin, 0.2), skin, L);
    happyFace(cr, -0.64, -0.03, 0.3, true);
    oval(cr, 0.02, 0, 0.52, 0.38, rgb(0x7ad8a0), rgb(0x2a9a6a), L);
    const double plates[][2] = {{0.02, 0},     {-0.26, 0},    {0.3, 0},    {-0.12, -0.22},
                                {0.16, -0.22}, {-0.12, 0.22}, {0.16, 0.22}};
    for (const auto& p : plates)
        oval(cr, p[0], p[1], 0.11, 0.09, rgb(0xc8f0a0), rgb(0x9ad880), T);
    shine(cr, -0.15, -0.26, 0.16, 0.05, -0.2, 0.5);
    cairo_restore(cr);
}

// Round brain coral.
static void brainCoral(cairo_t* cr, double x, double groundY, double r, Rgba colour) {
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - r, shade(colour, 0.3), groundY, colour, INK, LINE);
    cairo_new_path(cr);
    for (int i = 1; i < 4; i++) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, groundY, r * i / 4.0, M_PI * 1.1, M_PI * 1.9);
    }
    setColour(cr, shade(colour, -0.25));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
}

// A fan coral: a spread of branches.
static void fanCoral(cairo_t* cr, double x, double groundY, double h, Rgba colour) {
    cairo_new_path(cr);
    for (int i = 0; i < 7; i++) {
        double a = M_PI * (1.2 + i * 0.1);
        cairo_move_to(cr, x, groundY);
        cairo_curve_to(cr, x, groundY - h * 0.4, x + cos(a) * h * 0.6, groundY + sin(a) * h * 0.7,
                       x + cos(a) * h * 0.75, groundY + sin(a) * h * 0.95);
    }
    limb(cr, colour, 0.2, THIN);
    for (int i = 0; i < 7; i++) {
        double a = M_PI * (1.2 + i * 0.1);
        disc(cr, x + cos(a) * h * 0.75, groundY + sin(a) * h * 0.95, 0.13, shade(colour, 0.4),
             colour, THIN);
    }
}

// A sea anemone with waving tips and a clownfish friend nearby.
static void anemone(cairo_t* cr, double x, double groundY, double w, Rgba colour) {
    cairo_new_path(cr);
    for (int i = 0; i < 9; i++) {
        double t = i / 8.0 - 0.5;
        cairo_move_to(cr, x + t * w * 0.6, groundY - w * 0.2);
        cairo_curve_to(cr, x + t * w * 0.8, groundY - w * 0.5, x + t * w * 1.1 + 0.1,
                       groundY - w * 0.6, x + t * w * 1.1, groundY - w * 0.8);
    }
    limb(cr, colour, 0.22, THIN);
    oval(cr, x, groundY - w * 0.12, w * 0.36, w * 0.16, shade(colour, -0.1), shade(colour, -0.3));
}

// A clownfish: an orange fish with white bands.
static void clownfish(cairo_t* cr, double x, double y, double s, bool right) {
    fish(cr, x, y, s, rgb(0xff8a2a), rgb(0xffffff), right);
}

static void drawTurtleReef(cairo_t* cr) {
    ArtRandom random(403);
    water(cr, 0, rgb(0x8af0f0), rgb(0x3ad0d8), rgb(0x1aa0c0));
    sunbeams(cr, 11, 0.25);
    seaFloor(cr, random, 10.2, rgb(0xfff0c0), rgb(0xf0d090));
    brainCoral(cr, 2.2, 10.8, 1.8, rgb(0xff9ab8));
    fanCoral(cr, 5.6, 10.8, 3.2, rgb(0xb07aff));
    anemone(cr, 9.4, 11.2, 2.6, rgb(0xffa0c8));
    brainCoral(cr, 12.6, 11.0, 1.3, rgb(0xffd84a));
    fanCoral(cr, 15.6, 10.8, 3.4, rgb(0xff6a6a));
    brainCoral(cr, 18.8, 10.9, 1.6, rgb(0x7ad8a0));
    bigTurtle(cr, 10.0, 4.8, 8.4);
    clownfish(cr, 9.6, 8.2, 1.1, true);
    clownfish(cr, 3.4, 6.6, 1.3, true);
    fish(cr, 16.8, 1.8, 1.4, rgb(0x5ab0ff), rgb(0xffe04a), false);
    fish(cr, 2.6, 1.6, 1.2, rgb(0xffd84a), rgb(0xff7aa8), true);
    fish(cr, 17.6, 7.4, 1.2, rgb(0xb48cff), rgb(0xffffff), false);
    seaStar(cr, 13.6, 11.8, 0.45, rgb(0xff7a4a), 0.2);
    const double bubbles[][3] = {{4.4, 4.0, 0.2},   {4.7, 3.4, 0.14}, {15.0, 4.6, 0.18},
                                 {19.2, 4.4, 0.16}, {6.8, 1.2, 0.15}, {12.4, 0.8, 0.16}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- The crab on the rock -------------------------------------------------------

// A big crab facing the child, claws raised; (x, y) is the middle of its shell.
static void raisedCrab(cairo_t* cr, double x, double y, double size, Rgba shell) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        for (int leg = 0; leg < 3; leg++) {
            cairo_move_to(cr, side * 0.3, 0.05 + leg * 0.08);
            cairo_curve_to(cr, side * 0.5, 0.0 + leg * 0.08, side * 0.62, 0.1 + leg * 0.1,
                           side * (0.66 + leg * 0.03), 0.28 + leg * 0.09);
        }
        limb(cr, shade(shell, -0.1), 0.07, T);
        cairo_move_to(cr, side * 0.34, -0.08);
        cairo_curve_to(cr, side * 0.55, -0.15, side * 0.6, -0.3, side * 0.6, -0.42);
        limb(cr, shade(shell, -0.05), 0.1, T);
        // Claw: a round pincer with a notch.
        cairo_new_path(cr);
        cairo_arc(cr, side * 0.62, -0.58, 0.2, 0, 2 * M_PI);
        fillGradientOutlined(cr, -0.78, shade(shell, 0.3), -0.38, shell, INK, L);
        cairo_move_to(cr, side * 0.62, -0.58);
        cairo_line_to(cr, side * 0.56, -0.8);
        cairo_line_to(cr, side * 0.74, -0.76);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xffc8a0), INK, T);
    }
    oval(cr, 0, 0, 0.45, 0.32, shade(shell, 0.3), shade(shell, -0.1), L);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.12, -0.24);
        cairo_line_to(cr, side * 0.15, -0.44);
        limb(cr, shell, 0.05, T);
        disc(cr, side * 0.15, -0.48, 0.1, WHITE, rgb(0xf0f0f0), T);
        shinyEye(cr, side * 0.15, -0.47, 0.11);
    }
    cheeks(cr, 0, 0.02, 0.5, 0.1);
    happyFace(cr, 0, -0.02, 0.0001);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -0.02, 0.12, M_PI * 0.15, M_PI * 0.85);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xc8324a), INK, T);
    shine(cr, -0.2, -0.18, 0.1, 0.04, -0.3, 0.6);
    cairo_restore(cr);
}

// A big round rock with a lighter top.
static void bigRock(cairo_t* cr, double x, double groundY, double w, double h, Rgba colour) {
    cairo_move_to(cr, x - w * 0.5, groundY);
    cairo_curve_to(cr, x - w * 0.55, groundY - h * 0.7, x - w * 0.3, groundY - h, x, groundY - h);
    cairo_curve_to(cr, x + w * 0.35, groundY - h, x + w * 0.55, groundY - h * 0.6, x + w * 0.5,
                   groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h, shade(colour, 0.3), groundY, shade(colour, -0.2), INK,
                         LINE);
    shine(cr, x - w * 0.2, groundY - h * 0.8, w * 0.14, h * 0.06, -0.3, 0.4);
}

// A spiral snail shell on the sand.
static void spiralShell(cairo_t* cr, double x, double y, double r, Rgba colour) {
    disc(cr, x, y, r, shade(colour, 0.3), colour);
    cairo_new_path(cr);
    for (int i = 0; i < 40; i++) {
        double a = i * 0.3, rr = r * 0.85 * (1 - i / 45.0);
        if (i == 0)
            cairo_move_to(cr, x + cos(a) * rr, y + sin(a) * rr);
        else
            cairo_line_to(cr, x + cos(a) * rr, y + sin(a) * rr);
    }
    setColour(cr, shade(colour, -0.35));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
}

static void drawCrabRock(cairo_t* cr) {
    ArtRandom random(404);
    skyBand(cr, 5.0, rgb(0xff7ab8), rgb(0xffa8c8), rgb(0xffe0d8));
    sun(cr, 3.0, 1.8, 1.0);
    cloud(cr, 10.6, 1.2, 2.4, rgb(0xfff0f6));
    cloud(cr, 17.0, 2.2, 2.6, rgb(0xfff0f6));
    seagull(cr, 14.0, 3.6, 0.6);
    seagull(cr, 7.0, 3.2, 0.45);
    water(cr, 4.8, rgb(0x6ad0f0), rgb(0x3aa8e0), rgb(0x3aa8e0));
    ripples(cr, random, 8, 0.5, 5.2, 19.5, 6.4, rgb(0xffffff, 0.8));
    // The beach.
    cairo_move_to(cr, 0, 7.2);
    cairo_curve_to(cr, 5, 6.6, 12, 7.4, 20, 6.8);
    cairo_line_to(cr, 20, 12.5);
    cairo_line_to(cr, 0, 12.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 6.6, rgb(0xfff0c0), 12.2, rgb(0xf0c880), INK, LINE);
    dotScatter(cr, random, 50, 0.2, 7.6, 19.8, 12, 0.03, 0.06, rgb(0xc89a50));
    bigRock(cr, 16.8, 9.4, 4.0, 3.2, rgb(0xa098c0));
    // A tide pool.
    cairo_new_path(cr);
    ellipsePath(cr, 3.6, 10.4, 3.2, 1.0);
    fillGradientOutlined(cr, 9.4, rgb(0x8ae0ff), 11.4, rgb(0x3aa8e0), INK, LINE);
    seaStar(cr, 2.8, 10.4, 0.6, rgb(0xffa64a), 0.2);
    spiralShell(cr, 4.8, 10.5, 0.4, rgb(0xffc8d8));
    bigRock(cr, 10.0, 11.6, 9.0, 4.0, rgb(0x9a8ab8));
    raisedCrab(cr, 10.0, 7.0, 5.6, rgb(0xff5a3a));
    spiralShell(cr, 15.2, 11.4, 0.45, rgb(0xfff0c0));
    seaStar(cr, 18.6, 11.2, 0.65, rgb(0xff6a8a), -0.3);
    spiralShell(cr, 1.2, 12.0, 0.35, rgb(0xc8a0ff));
    seaweed(cr, 14.8, 9.6, 1.6, 0.3, rgb(0x4ac85a), 0.26);
    seaweed(cr, 19.4, 9.6, 2.0, -0.3, rgb(0x6ad84a), 0.26);
}

// ---- The lighthouse and the boat ----------------------------------------------

// A red and white lighthouse with a lit lamp and a beam to the right.
static void lighthouse(cairo_t* cr, double x, double groundY, double h) {
    double topY = groundY - h;
    cairo_move_to(cr, x + h * 0.06, topY + h * 0.08);
    cairo_line_to(cr, x + h * 1.6, topY - h * 0.1);
    cairo_line_to(cr, x + h * 1.6, topY + h * 0.3);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(x, 0, x + h * 1.6, 0);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1, 0.97, 0.6, 0.7);
    cairo_pattern_add_color_stop_rgba(beam, 1, 1, 0.97, 0.6, 0);
    cairo_set_source(cr, beam);
    cairo_pattern_destroy(beam);
    cairo_fill(cr);
    cairo_move_to(cr, x - h * 0.16, groundY);
    cairo_line_to(cr, x - h * 0.1, topY + h * 0.2);
    cairo_line_to(cr, x + h * 0.1, topY + h * 0.2);
    cairo_line_to(cr, x + h * 0.16, groundY);
    cairo_close_path(cr);
    fillOutlined(cr, WHITE, INK, LINE);
    cairo_save(cr);
    cairo_move_to(cr, x - h * 0.16, groundY);
    cairo_line_to(cr, x - h * 0.1, topY + h * 0.2);
    cairo_line_to(cr, x + h * 0.1, topY + h * 0.2);
    cairo_line_to(cr, x + h * 0.16, groundY);
    cairo_close_path(cr);
    cairo_clip(cr);
    for (int i = 0; i < 3; i++) {
        cairo_rectangle(cr, x - h * 0.2, topY + h * (0.3 + i * 0.24), h * 0.4, h * 0.12);
        setColour(cr, rgb(0xe84a4a));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    roundedRect(cr, x - h * 0.04, groundY - h * 0.14, h * 0.08, h * 0.14, h * 0.03);
    fillOutlined(cr, rgb(0x6a4a8a), INK, THIN);
    roundedRect(cr, x - h * 0.15, topY + h * 0.17, h * 0.3, h * 0.04, h * 0.01);
    fillOutlined(cr, rgb(0x3a2a4a), INK, THIN);
    softGlow(cr, x, topY + h * 0.09, h * 0.3, rgb(0xfff4a0, 0.7));
    roundedRect(cr, x - h * 0.08, topY + h * 0.02, h * 0.16, h * 0.15, h * 0.02);
    fillOutlined(cr, rgb(0xfff4a0), INK, THIN);
    cairo_move_to(cr, x - h * 0.12, topY + h * 0.03);
    cairo_line_to(cr, x, topY - h * 0.07);
    cairo_line_to(cr, x + h * 0.12, topY + h * 0.03);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xe84a4a), INK, THIN);
    // Its face on the tower.
    happyFace(cr, x, topY + h * 0.5, h * 0.16);
}

// A fishing boat with a friendly face on its bow, sitting on water line y.
static void fishingBoat(cairo_t* cr, double x, double y, double w) {
    roundedRect(cr, x - w * 0.1, y - w * 0.48, w * 0.32, w * 0.24, w * 0.03);
    fillGradientOutlined(cr, y - w * 0.48, WHITE, y - w * 0.24, rgb(0xe0e8f0), INK, LINE);
    for (int i = 0; i < 2; i++) {
        disc(cr, x + w * (-0.01 + i * 0.13), y - w * 0.36, w * 0.045, rgb(0xfff4a0), rgb(0xffd84a),
             THIN);
    }
    cairo_rectangle(cr, x + w * 0.2, y - w * 0.74, w * 0.03, w * 0.5);
    fillOutlined(cr, rgb(0x8a5a30), INK, THIN);
    cairo_move_to(cr, x + w * 0.235, y - w * 0.72);
    cairo_line_to(cr, x + w * 0.42, y - w * 0.66);
    cairo_line_to(cr, x + w * 0.235, y - w * 0.6);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffd84a), INK, THIN);
    cairo_move_to(cr, x - w * 0.5, y - w * 0.26);
    cairo_line_to(cr, x + w * 0.5, y - w * 0.3);
    cairo_curve_to(cr, x + w * 0.42, y - w * 0.05, x + w * 0.3, y + w * 0.02, x, y + w * 0.02);
    cairo_curve_to(cr, x - w * 0.3, y + w * 0.02, x - w * 0.42, y - w * 0.05, x - w * 0.5,
                   y - w * 0.26);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - w * 0.3, rgb(0x5ab0ff), y, rgb(0x2a6ad0), INK, LINE);
    cairo_rectangle(cr, x - w * 0.49, y - w * 0.22, w * 0.98, w * 0.04);
    fillOutlined(cr, WHITE, INK, THIN);
    happyFace(cr, x - w * 0.3, y - w * 0.1, w * 0.2);
}

// A pile of round rocks the lighthouse stands on.
static void rockPile(cairo_t* cr, double x, double groundY, double w) {
    const double rocks[][3] = {{-0.35, -0.1, 0.22},
                               {0.3, -0.1, 0.24},
                               {-0.05, -0.2, 0.3},
                               {0.5, 0.05, 0.2},
                               {-0.5, 0.05, 0.2}};
    for (const auto& r : rocks)
        oval(cr, x + r[0] * w, groundY + r[1] * w, r[2] * w, r[2] * w * 0.7, rgb(0xa098b8),
             rgb(0x6a6088));
}

static void drawLighthouse(cairo_t* cr) {
    ArtRandom random(405);
    const Rgba dusk[] = {rgb(0x2a2a7a), rgb(0x5a4aa8), rgb(0xb88ad8), rgb(0xffc8c8)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 7.0, dusk, 4);
    dotScatter(cr, random, 80, 0, 0, 20, 4.5, 0.03, 0.06, rgb(0xffffff, 0.9));
    twinkle(cr, 9.6, 1.0, 0.28, rgb(0xfff08a));
    twinkle(cr, 13.6, 2.4, 0.22, rgb(0xfff08a));
    twinkle(cr, 1.2, 1.2, 0.24, rgb(0xfff08a));
    crescent(cr, 17.4, 1.8, 1.2);
    cloud(cr, 12.0, 4.6, 2.2, rgb(0xe8d8ff));
    waveRow(cr, 7.0, 0.3, rgb(0x4a6ad0));
    waveRow(cr, 9.0, 0.35, rgb(0x3a58c0));
    ripples(cr, random, 10, 0.5, 7.6, 19.5, 11.8, rgb(0xffffff, 0.6));
    rockPile(cr, 3.4, 10.8, 4.6);
    lighthouse(cr, 3.4, 10.0, 8.6);
    fishingBoat(cr, 12.6, 10.2, 7.0);
    seagull(cr, 8.4, 3.4, 0.7);
    seagull(cr, 18.4, 5.6, 0.5);
    waveRow(cr, 11.2, 0.3, rgb(0x2a48a8));
    fish(cr, 18.2, 11.9, 0.9, rgb(0xffd84a), rgb(0xff7aa8), false);
    fish(cr, 7.8, 11.8, 0.8, rgb(0xff8a4a), rgb(0xffffff), true);
}

// ---- The seahorse garden -------------------------------------------------------

// A seahorse facing left, upright, head top at about y - size.
static void seahorse(cairo_t* cr, double x, double y, double size, Rgba colour) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    // Curled tail.
    cairo_move_to(cr, 0.1, -0.2);
    cairo_curve_to(cr, 0.2, 0.1, 0.15, 0.35, -0.05, 0.38);
    cairo_curve_to(cr, -0.2, 0.4, -0.22, 0.22, -0.08, 0.2);
    limb(cr, colour, 0.12, L);
    // Back fin.
    cairo_move_to(cr, 0.2, -0.55);
    cairo_curve_to(cr, 0.38, -0.55, 0.4, -0.35, 0.24, -0.3);
    cairo_close_path(cr);
    fillOutlined(cr, shade(colour, 0.35), INK, T);
    // Body and belly.
    cairo_move_to(cr, -0.1, -0.78);
    cairo_curve_to(cr, 0.25, -0.8, 0.35, -0.45, 0.2, -0.2);
    cairo_curve_to(cr, 0.1, -0.05, -0.1, -0.1, -0.12, -0.3);
    cairo_curve_to(cr, -0.14, -0.5, -0.05, -0.6, -0.1, -0.78);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.8, shade(colour, 0.3), -0.1, shade(colour, -0.1), INK, L);
    cairo_new_path(cr);
    for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, -0.1, -0.55 + i * 0.1);
        cairo_line_to(cr, 0.02, -0.57 + i * 0.1);
    }
    setColour(cr, shade(colour, -0.3));
    cairo_set_line_width(cr, T);
    cairo_stroke(cr);
    // Head with a snout and a crest.
    cairo_move_to(cr, -0.2, -0.86);
    cairo_line_to(cr, -0.42, -0.82);
    cairo_line_to(cr, -0.42, -0.74);
    cairo_line_to(cr, -0.16, -0.74);
    cairo_close_path(cr);
    fillOutlined(cr, colour, INK, T);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, -0.02 + i * 0.08, -0.98 + i * 0.03);
        cairo_line_to(cr, 0.04 + i * 0.08, -1.08 + i * 0.04);
        cairo_line_to(cr, 0.08 + i * 0.08, -0.96 + i * 0.04);
        cairo_close_path(cr);
        fillOutlined(cr, shade(colour, 0.35), INK, T);
    }
    disc(cr, -0.04, -0.86, 0.17, shade(colour, 0.3), colour, L);
    shinyEye(cr, -0.08, -0.89, 0.09);
    ellipsePath(cr, -0.02, -0.79, 0.05, 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    shine(cr, 0.05, -0.65, 0.04, 0.1, 0.2, 0.5);
    cairo_restore(cr);
}

// A sea flower: a round bloom on a wavy stalk.
static void seaFlower(cairo_t* cr, double x, double groundY, double h, Rgba colour) {
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + 0.3, groundY - h * 0.4, x - 0.3, groundY - h * 0.7, x, groundY - h);
    limb(cr, rgb(0x3ab86a), 0.16, THIN);
    flower(cr, x, groundY - h, 0.55, colour, rgb(0xfff07a), 8);
}

// A snail with a spiral shell, facing left.
static void seaSnail(cairo_t* cr, double x, double groundY, double s) {
    cairo_move_to(cr, x - s * 0.6, groundY);
    cairo_curve_to(cr, x - s * 0.6, groundY - s * 0.35, x + s * 0.4, groundY - s * 0.2, x + s * 0.5,
                   groundY);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffd8a8), INK, THIN);
    spiralShell(cr, x + s * 0.1, groundY - s * 0.4, s * 0.38, rgb(0xff9a6a));
    shinyEye(cr, x - s * 0.45, groundY - s * 0.2, s * 0.1);
}

static void drawSeahorseGarden(cairo_t* cr) {
    ArtRandom random(406);
    water(cr, 0, rgb(0xc0f08a), rgb(0x6ad8a0), rgb(0x2aa890));
    sunbeams(cr, 11, 0.3);
    seaFloor(cr, random, 10.4, rgb(0xfff4c8), rgb(0xe8d098));
    const Rgba greens[] = {rgb(0x3ab86a), rgb(0x4ac85a), rgb(0x6ad84a)};
    for (int i = 0; i < 9; i++)
        seaweed(cr, 0.6 + i * 2.35, 10.6, random.range(5.0, 8.5), random.range(-0.6, 0.6),
                greens[i % 3], 0.26);
    seaFlower(cr, 3.2, 11.4, 2.6, rgb(0xff8fc7));
    seaFlower(cr, 8.6, 11.6, 1.8, rgb(0xffd84a));
    seaFlower(cr, 12.6, 11.6, 2.2, rgb(0xb48cff));
    seaFlower(cr, 17.6, 11.5, 2.8, rgb(0xff7a5a));
    seaSnail(cr, 15.0, 11.9, 1.4);
    seahorse(cr, 8.8, 8.8, 7.0, rgb(0xffc83a));
    seahorse(cr, 15.2, 6.2, 4.2, rgb(0xff8ab8));
    seahorse(cr, 3.4, 5.0, 3.2, rgb(0x8ab8ff));
    fish(cr, 17.4, 1.6, 1.2, rgb(0xffa64a), rgb(0xffffff), false);
    fish(cr, 12.6, 1.2, 0.9, rgb(0x5ab0ff), rgb(0xffe04a), false);
    const double bubbles[][3] = {
        {5.6, 2.6, 0.2}, {5.9, 2.0, 0.14}, {11.8, 3.6, 0.18}, {1.2, 1.2, 0.16}, {19.0, 4.2, 0.17}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- Dolphins at sunset -----------------------------------------------------------

// A dolphin leaping in an arc, nose up to the left; (x, y) the middle of its body.
static void dolphin(cairo_t* cr, double x, double y, double size, double tilt, Rgba skin) {
    enterLocal(cr, x, y, size);
    cairo_rotate(cr, tilt);
    double L = LINE / size, T = THIN / size;
    cairo_move_to(cr, 0.4, 0.08);
    cairo_curve_to(cr, 0.52, 0.0, 0.6, -0.1, 0.66, -0.18);
    cairo_curve_to(cr, 0.6, -0.02, 0.62, 0.1, 0.7, 0.2);
    cairo_curve_to(cr, 0.6, 0.18, 0.5, 0.15, 0.4, 0.15);
    cairo_close_path(cr);
    fillOutlined(cr, shade(skin, -0.1), INK, L);
    cairo_move_to(cr, -0.02, -0.2);
    cairo_curve_to(cr, 0.06, -0.36, 0.16, -0.38, 0.2, -0.38);
    cairo_curve_to(cr, 0.14, -0.3, 0.14, -0.24, 0.16, -0.18);
    cairo_close_path(cr);
    fillOutlined(cr, shade(skin, -0.1), INK, L);
    cairo_move_to(cr, -0.62, 0.02);
    cairo_curve_to(cr, -0.5, -0.22, -0.1, -0.26, 0.2, -0.16);
    cairo_curve_to(cr, 0.35, -0.1, 0.45, 0.0, 0.45, 0.1);
    cairo_curve_to(cr, 0.2, 0.18, -0.2, 0.18, -0.45, 0.1);
    cairo_line_to(cr, -0.62, 0.08);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.26, shade(skin, 0.3), 0.18, skin, INK, L);
    cairo_move_to(cr, -0.45, 0.1);
    cairo_curve_to(cr, -0.2, 0.14, 0.1, 0.14, 0.3, 0.1);
    cairo_curve_to(cr, 0.1, 0.2, -0.2, 0.2, -0.45, 0.1);
    fillOutlined(cr, rgb(0xe8f4ff), INK, T);
    cairo_move_to(cr, -0.1, 0.08);
    cairo_curve_to(cr, -0.05, 0.2, 0.0, 0.24, 0.06, 0.26);
    cairo_curve_to(cr, 0.06, 0.18, 0.04, 0.12, 0.0, 0.08);
    fillOutlined(cr, shade(skin, -0.05), INK, T);
    shinyEye(cr, -0.36, -0.05, 0.07);
    ellipsePath(cr, -0.42, 0.03, 0.04, 0.025);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_move_to(cr, -0.6, 0.05);
    cairo_curve_to(cr, -0.55, 0.08, -0.5, 0.08, -0.45, 0.06);
    setColour(cr, INK);
    cairo_set_line_width(cr, T);
    cairo_stroke(cr);
    shine(cr, -0.1, -0.17, 0.12, 0.03, 0.05, 0.6);
    cairo_restore(cr);
}

// A splash of drops where a dolphin left the water.
static void splash(cairo_t* cr, double x, double y, double s) {
    for (int i = 0; i < 5; i++) {
        double a = M_PI * (1.15 + i * 0.175);
        disc(cr, x + cos(a) * s, y + sin(a) * s * 0.9, s * (0.12 + (i % 2) * 0.05), WHITE,
             rgb(0xb8e8ff), THIN);
    }
}

static void drawDolphinsSunset(cairo_t* cr) {
    ArtRandom random(407);
    const Rgba dusk[] = {rgb(0xb05ac8), rgb(0xff6a8a), rgb(0xff9a4a), rgb(0xffd86a)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 7.0, dusk, 4);
    sun(cr, 10.0, 6.6, 1.9);
    cloud(cr, 3.6, 2.0, 2.8, rgb(0xffd0e8));
    cloud(cr, 16.6, 1.4, 3.0, rgb(0xffd0e8));
    seagull(cr, 8.2, 1.6, 0.5);
    seagull(cr, 12.0, 2.4, 0.4);
    const Rgba sea[] = {rgb(0xc86ab0), rgb(0x6a5ac8), rgb(0x2a3a98)};
    gradientBand(cr, 0, 6.6, PICTURE_WIDTH, PICTURE_HEIGHT, sea, 3);
    cairo_move_to(cr, -0.1, 6.6);
    cairo_line_to(cr, 20.1, 6.6);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    // The sun's glittering path on the water.
    for (int i = 0; i < 9; i++) {
        double w = 0.4 + i * 0.2, y = 7.0 + i * 0.55;
        roundedRect(cr, 10.0 - w / 2 + random.range(-0.8, 0.8), y, w, 0.12, 0.06);
        setColour(cr, rgb(0xfff0a0, 0.75));
        cairo_fill(cr);
    }
    ripples(cr, random, 14, 0.5, 7.2, 19.5, 11.8, rgb(0xffd0f0, 0.7));
    dolphin(cr, 4.6, 6.2, 6.4, -0.35, rgb(0x7ab0e8));
    splash(cr, 8.2, 8.4, 1.0);
    dolphin(cr, 15.8, 4.8, 5.0, 0.4, rgb(0x9ab8f0));
    splash(cr, 12.8, 8.0, 0.8);
    dolphin(cr, 16.8, 10.0, 3.0, -0.2, rgb(0x8aa0e0));
    smallSail(cr, 1.6, 6.8, 1.1, rgb(0xfff4e0));
    fish(cr, 3.2, 11.0, 1.0, rgb(0xffd84a), rgb(0xff7aa8), true);
    fish(cr, 10.2, 11.4, 0.9, rgb(0xff8a4a), rgb(0xffffff), false);
}

// ---- The submarine among the fish ------------------------------------------------

// A yellow submarine facing right with a round window, a child looking out and a face.
static void submarine(cairo_t* cr, double x, double y, double size) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    // Headlight beam ahead.
    cairo_move_to(cr, 0.55, 0.02);
    cairo_line_to(cr, 1.4, -0.3);
    cairo_line_to(cr, 1.4, 0.4);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(0.55, 0, 1.4, 0);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1, 1, 0.7, 0.55);
    cairo_pattern_add_color_stop_rgba(beam, 1, 1, 1, 0.7, 0);
    cairo_set_source(cr, beam);
    cairo_pattern_destroy(beam);
    cairo_fill(cr);
    // Propeller at the back.
    for (int side = -1; side <= 1; side += 2)
        oval(cr, -0.66, side * 0.1, 0.05, 0.1, rgb(0xff8a4a), rgb(0xd85a2a), T);
    roundedRect(cr, -0.66, -0.03, 0.1, 0.06, 0.02);
    fillOutlined(cr, rgb(0x8a90a8), INK, T);
    // Tower and periscope.
    cairo_move_to(cr, -0.05, -0.3);
    cairo_line_to(cr, -0.05, -0.62);
    cairo_line_to(cr, 0.1, -0.62);
    limb(cr, rgb(0xb0b8c8), 0.06, T);
    roundedRect(cr, -0.22, -0.5, 0.36, 0.24, 0.06);
    fillGradientOutlined(cr, -0.5, rgb(0xffe66a), -0.26, rgb(0xf0b020), INK, L);
    // Hull.
    oval(cr, 0, 0, 0.62, 0.32, rgb(0xfff07a), rgb(0xf0a820), L);
    cairo_save(cr);
    ellipsePath(cr, 0, 0, 0.62, 0.32);
    cairo_clip(cr);
    cairo_rectangle(cr, -0.7, 0.12, 1.4, 0.06);
    setColour(cr, rgb(0xff6a4a));
    cairo_fill(cr);
    cairo_restore(cr);
    // Portholes, the middle one with a child.
    for (int i = 0; i < 2; i++)
        disc(cr, -0.38 + i * 0.2, -0.04, 0.07, rgb(0xd8f4ff), rgb(0x8ac8f0), T * 1.3);
    disc(cr, 0.06, -0.04, 0.15, rgb(0xc0c8d8), rgb(0x8a90a8), L);
    disc(cr, 0.06, -0.04, 0.12, rgb(0xd8f4ff), rgb(0x8ac8f0), T);
    cairo_save(cr);
    cairo_arc(cr, 0.06, -0.04, 0.12, 0, 2 * M_PI);
    cairo_clip(cr);
    disc(cr, 0.06, -0.0, 0.08, rgb(0xffe0c8), rgb(0xf4c0a0), T);
    cairo_new_path(cr);
    cairo_arc(cr, 0.06, -0.03, 0.085, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xf0a040), INK, T);
    happyFace(cr, 0.06, 0.01, 0.11);
    cairo_restore(cr);
    // The submarine's own face at the nose.
    for (int i = 0; i < 2; i++)
        shinyEye(cr, 0.36 + i * 0.1, -0.1, 0.06);
    cheeks(cr, 0.43, 0.0, 0.2, 0.05);
    smile(cr, 0.44, 0.06, 0.1);
    shine(cr, -0.2, -0.2, 0.16, 0.04, 0.0, 0.6);
    cairo_restore(cr);
}

// A school of small fish swimming the same way.
static void school(cairo_t* cr, double x, double y, double s, Rgba body, Rgba stripes, bool right) {
    const double at[][2] = {{0, 0}, {1.1, -0.5}, {1.2, 0.6}, {2.2, 0.1}, {2.4, -0.9}, {0.2, 1.1}};
    for (const auto& p : at)
        fish(cr, x + (right ? -p[0] : p[0]) * s, y + p[1] * s, s, body, stripes, right);
}

static void drawSubmarine(cairo_t* cr) {
    ArtRandom random(408);
    water(cr, 0, rgb(0x3a7ae8), rgb(0x1a4ab8), rgb(0x0a2a78));
    sunbeams(cr, 9, 0.14);
    dotScatter(cr, random, 60, 0, 0, 20, 12, 0.03, 0.07, rgb(0xc8e8ff, 0.5));
    seaFloor(cr, random, 10.8, rgb(0x8a7ab0), rgb(0x5a4a88));
    seaweed(cr, 1.0, 11.0, 4.0, 0.4, rgb(0x3ab89a), 0.26);
    seaweed(cr, 1.8, 11.0, 2.8, -0.3, rgb(0x4ac8aa), 0.26);
    seaweed(cr, 18.8, 11.0, 4.6, -0.4, rgb(0x3ab89a), 0.26);
    brainCoral(cr, 6.4, 11.4, 1.0, rgb(0xff8ab8));
    brainCoral(cr, 14.4, 11.3, 1.2, rgb(0xffa64a));
    seaStar(cr, 10.4, 11.5, 0.5, rgb(0xffd84a), 0.1);
    submarine(cr, 8.6, 6.0, 10.0);
    school(cr, 14.6, 2.0, 0.9, rgb(0xffd84a), rgb(0xff7a4a), false);
    school(cr, 4.0, 1.6, 0.8, rgb(0xff8ab8), rgb(0xffffff), true);
    school(cr, 16.0, 8.2, 0.8, rgb(0x7ae8a0), rgb(0xffffff), false);
    fish(cr, 2.2, 9.0, 1.4, rgb(0xb48cff), rgb(0xffe04a), true);
    const double bubbles[][3] = {{2.6, 6.2, 0.22}, {2.2, 5.4, 0.16}, {2.5, 4.7, 0.12},
                                 {9.4, 2.2, 0.18}, {8.9, 1.5, 0.13}, {19.2, 5.2, 0.16}};
    for (const auto& b : bubbles)
        bubble(cr, b[0], b[1], b[2]);
}

// ---- Jellyfish glowing at night --------------------------------------------------

// A glowing jellyfish with a face and long wavy tentacles; (x, y) the middle of its bell.
static void glowJelly(cairo_t* cr, double x, double y, double size, Rgba colour) {
    softGlow(cr, x, y + size * 0.3, size * 1.3, Rgba{colour.r, colour.g, colour.b, 0.45});
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    cairo_new_path(cr);
    for (int i = 0; i < 5; i++) {
        double tx = -0.3 + i * 0.15;
        cairo_move_to(cr, tx, 0.05);
        cairo_curve_to(cr, tx + 0.15, 0.35, tx - 0.15, 0.65, tx + 0.05, 1.0);
    }
    limb(cr, shade(colour, 0.35), 0.07, T);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 0.45, M_PI, 2 * M_PI);
    cairo_curve_to(cr, 0.35, 0.15, 0.2, 0.05, 0.1, 0.12);
    cairo_curve_to(cr, 0.0, 0.05, -0.1, 0.15, -0.2, 0.08);
    cairo_curve_to(cr, -0.3, 0.15, -0.4, 0.1, -0.45, 0);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.45, shade(colour, 0.6), 0.12, colour, INK, L);
    for (int i = 0; i < 3; i++)
        disc(cr, -0.22 + i * 0.22, -0.3 + (i % 2) * -0.05, 0.035, WHITE, WHITE, 0);
    happyFace(cr, 0, -0.13, 0.4);
    shine(cr, -0.22, -0.3, 0.08, 0.04, -0.7, 0.8);
    cairo_restore(cr);
}

// A friendly anglerfish with its glowing lamp.
static void anglerfish(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x - s * 0.1, y - s * 0.4);
    cairo_curve_to(cr, x - s * 0.2, y - s * 0.9, x - s * 0.6, y - s * 0.9, x - s * 0.7,
                   y - s * 0.6);
    limb(cr, rgb(0x6a5a9a), s * 0.06, THIN);
    softGlow(cr, x - s * 0.7, y - s * 0.55, s * 0.5, rgb(0xfff8a0, 0.8));
    disc(cr, x - s * 0.7, y - s * 0.55, s * 0.1, rgb(0xffffe0), rgb(0xfff08a), THIN);
    cairo_move_to(cr, x + s * 0.45, y);
    cairo_line_to(cr, x + s * 0.8, y - s * 0.3);
    cairo_line_to(cr, x + s * 0.8, y + s * 0.3);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x5a4a8a), INK, THIN);
    oval(cr, x, y, s * 0.5, s * 0.42, rgb(0x8a7ac8), rgb(0x4a3a7a));
    shinyEye(cr, x - s * 0.2, y - s * 0.12, s * 0.12);
    cairo_move_to(cr, x - s * 0.45, y + s * 0.1);
    cairo_curve_to(cr, x - s * 0.3, y + s * 0.25, x - s * 0.1, y + s * 0.25, x, y + s * 0.15);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN * 1.5);
    cairo_stroke(cr);
    ellipsePath(cr, x - s * 0.05, y, s * 0.07, s * 0.04);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

static void drawJellyfishNight(cairo_t* cr) {
    ArtRandom random(409);
    water(cr, 0, rgb(0x1a1a5a), rgb(0x10103a), rgb(0x080820));
    dotScatter(cr, random, 140, 0, 0, 20, 12, 0.03, 0.07, rgb(0x9af8ff, 0.8));
    crescent(cr, 2.0, 1.2, 0.7);
    glowJelly(cr, 10.0, 4.4, 6.0, rgb(0xff7ac8));
    glowJelly(cr, 3.6, 5.4, 3.2, rgb(0x6ae0ff));
    glowJelly(cr, 16.6, 2.6, 3.0, rgb(0xb88aff));
    glowJelly(cr, 17.2, 8.0, 2.2, rgb(0x8aff9a));
    glowJelly(cr, 6.4, 1.4, 1.6, rgb(0xffd84a));
    glowJelly(cr, 13.6, 8.8, 1.6, rgb(0x6ae0ff));
    anglerfish(cr, 4.0, 10.0, 2.4);
    // Glowing sea floor plants.
    for (int i = 0; i < 8; i++) {
        double px = 7.4 + i * 1.7, h = random.range(0.8, 1.6);
        cairo_move_to(cr, px, 12.3);
        cairo_curve_to(cr, px + 0.2, 12.3 - h * 0.5, px - 0.2, 12.3 - h * 0.8, px, 12.3 - h);
        limb(cr, rgb(0x3a8a9a), 0.14, THIN);
        softGlow(cr, px, 12.3 - h, 0.5, rgb(0x9affe8, 0.7));
        disc(cr, px, 12.3 - h, 0.15, rgb(0xd8fff8), rgb(0x8affe0), THIN);
    }
    fish(cr, 19.0, 5.6, 1.0, rgb(0x6a8ae8), rgb(0xc8e8ff), false);
}

// ---- Penguins on the ice ----------------------------------------------------------

// A penguin standing, facing the child, feet on y = 0; a scarf of its own colour.
static void icePenguin(cairo_t* cr, double x, double groundY, double size, Rgba scarf) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    for (int side = -1; side <= 1; side += 2) {
        oval(cr, side * 0.13, -0.03, 0.13, 0.06, rgb(0xffb030), rgb(0xf08a20), T);
        cairo_save(cr);
        cairo_translate(cr, side * 0.36, -0.45);
        cairo_rotate(cr, side * -0.5);
        ellipsePath(cr, 0, 0, 0.08, 0.25);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0x3a3a5a), INK, T);
    }
    oval(cr, 0, -0.48, 0.36, 0.48, rgb(0x4a4a6a), rgb(0x2a2a3a), L);
    oval(cr, 0, -0.4, 0.25, 0.36, WHITE, rgb(0xe8eef8), 0);
    oval(cr, 0, -0.78, 0.2, 0.15, WHITE, rgb(0xf0f4fa), 0);
    happyFace(cr, 0, -0.78, 0.34);
    cairo_move_to(cr, -0.06, -0.76);
    cairo_line_to(cr, 0.06, -0.76);
    cairo_line_to(cr, 0, -0.66);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, T * 0.8);
    cairo_move_to(cr, -0.28, -0.58);
    cairo_curve_to(cr, -0.1, -0.52, 0.1, -0.52, 0.28, -0.58);
    limb(cr, scarf, 0.08, T);
    roundedRect(cr, 0.12, -0.56, 0.08, 0.2, 0.03);
    fillOutlined(cr, scarf, INK, T);
    cairo_restore(cr);
}

// A floating slab of ice.
static void iceFloe(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x - w * 0.5, y);
    cairo_line_to(cr, x - w * 0.45, y - h);
    cairo_line_to(cr, x + w * 0.45, y - h);
    cairo_line_to(cr, x + w * 0.5, y);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - h, rgb(0xd8f0ff), y, rgb(0x9ac8e8), INK, LINE);
    ellipsePath(cr, x, y - h, w * 0.45, h * 0.35);
    fillOutlined(cr, WHITE, INK, LINE);
}

// An iceberg: a pointed hill of ice.
static void iceberg(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x - w * 0.5, y);
    cairo_line_to(cr, x - w * 0.25, y - h * 0.6);
    cairo_line_to(cr, x - w * 0.05, y - h);
    cairo_line_to(cr, x + w * 0.15, y - h * 0.7);
    cairo_line_to(cr, x + w * 0.3, y - h * 0.8);
    cairo_line_to(cr, x + w * 0.5, y);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - h, WHITE, y, rgb(0xb8dcf4), INK, LINE);
    cairo_move_to(cr, x - w * 0.05, y - h);
    cairo_line_to(cr, x + w * 0.05, y);
    cairo_line_to(cr, x + w * 0.5, y);
    cairo_line_to(cr, x + w * 0.3, y - h * 0.8);
    cairo_line_to(cr, x + w * 0.15, y - h * 0.7);
    cairo_close_path(cr);
    setColour(cr, rgb(0x8ab8e0, 0.35));
    cairo_fill(cr);
}

// A grey seal lying on the ice, facing left.
static void seal(cairo_t* cr, double x, double groundY, double s) {
    cairo_move_to(cr, x + s * 0.45, groundY - s * 0.1);
    cairo_line_to(cr, x + s * 0.75, groundY - s * 0.3);
    cairo_line_to(cr, x + s * 0.72, groundY);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x8a90a8), INK, THIN);
    cairo_move_to(cr, x - s * 0.4, groundY);
    cairo_curve_to(cr, x - s * 0.5, groundY - s * 0.4, x - s * 0.2, groundY - s * 0.55, x - s * 0.1,
                   groundY - s * 0.3);
    cairo_curve_to(cr, x + s * 0.1, groundY - s * 0.3, x + s * 0.5, groundY - s * 0.3, x + s * 0.55,
                   groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.55, rgb(0xc0c8d8), groundY, rgb(0x8a90a8), INK, LINE);
    happyFace(cr, x - s * 0.3, groundY - s * 0.32, s * 0.3);
    ellipsePath(cr, x - s * 0.3, groundY - s * 0.27, s * 0.04, s * 0.03);
    setColour(cr, INK);
    cairo_fill(cr);
}

static void drawPenguinsIce(cairo_t* cr) {
    ArtRandom random(410);
    skyBand(cr, 6.0, rgb(0x9ad0ff), rgb(0xc8e8ff), rgb(0xf0faff));
    // Soft green and pink lights in the polar sky.
    cairo_save(cr);
    cairo_translate(cr, 10, 1.8);
    cairo_scale(cr, 1, 0.22);
    softGlow(cr, -3, 0, 8, rgb(0x8af0c0, 0.55));
    softGlow(cr, 5, 2, 7, rgb(0xffa8e0, 0.45));
    cairo_restore(cr);
    sun(cr, 17.8, 1.5, 0.8);
    cloud(cr, 3.0, 1.2, 2.4);
    iceberg(cr, 4.0, 6.2, 6.0, 4.2);
    iceberg(cr, 15.6, 6.2, 4.4, 2.8);
    water(cr, 6.0, rgb(0x5ab0e8), rgb(0x3a8ad8), rgb(0x2a6ac0));
    ripples(cr, random, 12, 0.5, 6.4, 19.5, 11.8, rgb(0xffffff, 0.7));
    iceFloe(cr, 9.8, 12.6, 14.0, 3.6);
    iceFloe(cr, 17.6, 8.6, 4.0, 1.0);
    seal(cr, 17.6, 8.0, 2.4);
    icePenguin(cr, 9.6, 10.4, 6.8, rgb(0xe84a4a));
    icePenguin(cr, 5.0, 10.6, 3.4, rgb(0x5ab0ff));
    icePenguin(cr, 13.6, 10.6, 3.0, rgb(0xffd84a));
    icePenguin(cr, 3.0, 11.2, 1.6, rgb(0x7ad86a));
    fish(cr, 1.6, 8.2, 1.0, rgb(0xffa64a), rgb(0xffffff), true);
    fish(cr, 18.6, 11.2, 1.0, rgb(0xffd84a), rgb(0x5ab0ff), false);
    dotScatter(cr, random, 40, 0, 0, 20, 6, 0.04, 0.08, rgb(0xffffff));
    seagull(cr, 9.6, 1.2, 0.5);
    cloud(cr, 13.4, 1.4, 2.0);
    seagull(cr, 7.6, 3.6, 0.45);
}

const PictureDrawer SEA_SET_DRAWERS[SET_PICTURE_COUNT] = {
    drawWhale,          drawOctopusWreck,   drawTurtleReef, drawCrabRock,       drawLighthouse,
    drawSeahorseGarden, drawDolphinsSunset, drawSubmarine,  drawJellyfishNight, drawPenguinsIce,
};
