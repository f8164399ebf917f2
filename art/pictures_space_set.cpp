// The space set: ten pictures of stars, planets and the people and
// machines that go there, each with one friend big in it and its own sky:
// an astronaut floating in violet space, an alien by its saucer under a pink
// sky, a moon rover on the grey moon, ringed planets in deep blue, a space
// station over the earth, a comet over a night town, a robot on orange Mars,
// a star in a magenta nebula, the earth seen from the moon and a rocket
// launch on a bright morning.
#include <cmath>

#include "art/set_motifs.h"
#include "art/set_pictures.h"

// ---- Shared by the space scenes ----------------------------------------------

// A night sky from `top` to `low` over the whole picture, with small stars
// and a few twinkling big ones.
static void starrySky(cairo_t* cr, ArtRandom& random, Rgba top, Rgba low, int stars) {
    const Rgba stops[] = {top, mixColour(top, low, 0.5), low};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, stops, 3);
    dotScatter(cr, random, stars, 0, 0, 20, 12, 0.025, 0.065, rgb(0xffffff));
    for (int i = 0; i < 8; i++)
        twinkle(cr, random.range(0.5, 19.5), random.range(0.5, 11.5), random.range(0.15, 0.28),
                rgb(0xfff08a));
}

// A round planet with soft bands, an optional face and ring.
static void facePlanet(cairo_t* cr, double x, double y, double r, Rgba colour, bool face, Rgba ring,
                       bool ringed) {
    auto ringPart = [&](double from, double to) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -0.22);
        cairo_scale(cr, 1, 0.3);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, r * 1.7, from, to);
        cairo_restore(cr);
        limb(cr, ring, r * 0.28, THIN * 1.5);
    };
    if (ringed) ringPart(M_PI, 2 * M_PI);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r * 1.1);
    Rgba light = shade(colour, 0.35), dark = shade(colour, -0.3);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    fillPatternOutlined(cr, g, INK, LINE);
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int i = 0; i < 3; i++) {
        ellipsePath(cr, x - r * 0.1 + i * r * 0.1, y - r * 0.55 + i * r * 0.5, r * 1.2, r * 0.1);
        setColour(cr, Rgba{light.r, light.g, light.b, 0.45});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (face) happyFace(cr, x, y + r * 0.05, r * 0.9);
    shine(cr, x - r * 0.45, y - r * 0.5, r * 0.22, r * 0.1, -0.7, 0.6);
    if (ringed) ringPart(0, M_PI);
}

// The earth: blue sea, green lands, white clouds, optionally smiling.
static void earth(cairo_t* cr, double x, double y, double r, bool face) {
    softGlow(cr, x, y, r * 1.35, rgb(0x8ad8ff, 0.45));
    disc(cr, x, y, r, rgb(0x6ac8ff), rgb(0x2a70d0));
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_clip(cr);
    const double lands[][4] = {{-0.62, -0.42, 0.3, 0.26},
                               {-0.6, 0.45, 0.26, 0.2},
                               {0.62, -0.38, 0.28, 0.22},
                               {0.45, 0.62, 0.3, 0.16}};
    for (const auto& l : lands)
        oval(cr, x + l[0] * r, y + l[1] * r, l[2] * r, l[3] * r, rgb(0x8ae86a), rgb(0x4aa84a),
             THIN);
    const double clouds[][3] = {{-0.1, -0.78, 0.5}, {0.7, 0.2, 0.3}, {-0.3, 0.8, 0.35}};
    for (const auto& c : clouds) {
        roundedRect(cr, x + (c[0] - c[2] / 2) * r, y + c[1] * r, c[2] * r, r * 0.08, r * 0.04);
        setColour(cr, rgb(0xffffff, 0.85));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (face) happyFace(cr, x, y + r * 0.05, r * 0.9);
    shine(cr, x - r * 0.45, y - r * 0.5, r * 0.2, r * 0.09, -0.7, 0.7);
}

// A small satellite with two solar panels.
static void satellite(cairo_t* cr, double x, double y, double s, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    for (int side = -1; side <= 1; side += 2) {
        cairo_rectangle(cr, side > 0 ? s * 0.25 : -s * 0.95, -s * 0.18, s * 0.7, s * 0.36);
        fillGradientOutlined(cr, -s * 0.18, rgb(0x6a8ae8), s * 0.18, rgb(0x3a4aa8), INK, THIN);
    }
    roundedRect(cr, -s * 0.25, -s * 0.25, s * 0.5, s * 0.5, s * 0.08);
    fillGradientOutlined(cr, -s * 0.25, rgb(0xfff08a), s * 0.25, rgb(0xe0a830), INK, THIN);
    cairo_move_to(cr, 0, -s * 0.25);
    cairo_line_to(cr, 0, -s * 0.5);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    disc(cr, 0, -s * 0.52, s * 0.06, rgb(0xff6a6a), rgb(0xd83a3a), THIN * 0.7);
    cairo_restore(cr);
}

// A shooting star: a small star with a fading streak behind it to the upper right.
static void shootingStar(cairo_t* cr, double x, double y, double length) {
    cairo_move_to(cr, x, y - 0.12);
    cairo_line_to(cr, x + length, y - length * 0.45);
    cairo_line_to(cr, x, y + 0.12);
    cairo_close_path(cr);
    cairo_pattern_t* tail = cairo_pattern_create_linear(x, y, x + length, y - length * 0.45);
    cairo_pattern_add_color_stop_rgba(tail, 0, 1, 0.95, 0.7, 0.85);
    cairo_pattern_add_color_stop_rgba(tail, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, tail);
    cairo_pattern_destroy(tail);
    cairo_fill(cr);
    twinkle(cr, x, y, 0.22, rgb(0xfff6c0));
}

// A child astronaut facing the child, arms out; (x, y) the middle of the helmet.
static void astronaut(cairo_t* cr, double x, double y, double size, Rgba suit, double tilt) {
    enterLocal(cr, x, y, size);
    cairo_rotate(cr, tilt);
    double L = LINE / size, T = THIN / size;
    Rgba light = shade(suit, 0.35);
    // Backpack, legs and arms.
    roundedRect(cr, -0.34, 0.1, 0.68, 0.62, 0.1);
    fillOutlined(cr, rgb(0xb8c0d8), INK, L);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.12, 0.7);
        cairo_curve_to(cr, side * 0.15, 0.85, side * 0.22, 0.95, side * 0.28, 1.05);
        limb(cr, light, 0.2, L);
        oval(cr, side * 0.3, 1.08, 0.12, 0.08, rgb(0x8a90a8), rgb(0x5a6078), L);
        cairo_move_to(cr, side * 0.24, 0.32);
        cairo_curve_to(cr, side * 0.4, 0.3, side * 0.5, 0.15, side * 0.58, 0.0);
        limb(cr, light, 0.19, L);
        disc(cr, side * 0.6, -0.03, 0.09, rgb(0xff8a6a), rgb(0xd85a3a), L);
    }
    roundedRect(cr, -0.26, 0.22, 0.52, 0.55, 0.18);
    fillGradientOutlined(cr, 0.22, light, 0.77, suit, INK, L);
    roundedRect(cr, -0.13, 0.4, 0.26, 0.16, 0.04);
    fillOutlined(cr, rgb(0xd8e0f0), INK, T);
    for (int i = 0; i < 3; i++)
        disc(cr, -0.07 + i * 0.07, 0.48, 0.025,
             i == 0   ? rgb(0xff6a6a)
             : i == 1 ? rgb(0xffd84a)
                      : rgb(0x6ad86a),
             i == 0   ? rgb(0xff6a6a)
             : i == 1 ? rgb(0xffd84a)
                      : rgb(0x6ad86a),
             0);
    // Helmet with the face inside.
    disc(cr, 0, 0, 0.34, WHITE, rgb(0xd8e0f0), L);
    disc(cr, 0, 0.01, 0.26, rgb(0x9ad8ff), rgb(0x5a9ae0), L);
    cairo_save(cr);
    cairo_arc(cr, 0, 0.01, 0.26, 0, 2 * M_PI);
    cairo_clip(cr);
    disc(cr, 0, 0.05, 0.19, rgb(0xffe0c8), rgb(0xf4c0a0), T);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0.0, 0.2, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x8a5a3a), INK, T);
    happyFace(cr, 0, 0.08, 0.26, true);
    cairo_restore(cr);
    shine(cr, -0.14, -0.12, 0.08, 0.04, -0.7, 0.8);
    cairo_restore(cr);
}

// A rocket pointing up, `size` about its body length; (x, y) the middle of the body.
static void setRocket(cairo_t* cr, double x, double y, double size, Rgba body, Rgba trim,
                      bool flame) {
    enterLocal(cr, x, y, size);
    double L = LINE / size, T = THIN / size;
    if (flame) {
        cairo_move_to(cr, -0.2, 0.5);
        cairo_curve_to(cr, -0.25, 0.8, -0.05, 0.95, 0, 1.2);
        cairo_curve_to(cr, 0.05, 0.95, 0.25, 0.8, 0.2, 0.5);
        cairo_close_path(cr);
        fillGradientOutlined(cr, 0.5, rgb(0xffe04a), 1.2, rgb(0xff6a2a), INK, T);
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.22, 0.05);
        cairo_curve_to(cr, side * 0.45, 0.2, side * 0.46, 0.45, side * 0.44, 0.62);
        cairo_line_to(cr, side * 0.2, 0.5);
        cairo_close_path(cr);
        fillGradientOutlined(cr, 0.05, shade(trim, 0.3), 0.62, trim, INK, L);
    }
    cairo_move_to(cr, -0.25, 0.56);
    cairo_curve_to(cr, -0.34, 0.0, -0.28, -0.55, 0, -0.85);
    cairo_curve_to(cr, 0.28, -0.55, 0.34, 0.0, 0.25, 0.56);
    cairo_close_path(cr);
    fillPatternOutlined(
        cr,
        sideLitGradient(-0.32, 0.32, shade(body, -0.1), 0.35, shade(body, 0.4), shade(body, -0.25)),
        INK, L);
    cairo_move_to(cr, -0.2, -0.45);
    cairo_curve_to(cr, -0.15, -0.65, -0.1, -0.75, 0, -0.85);
    cairo_curve_to(cr, 0.1, -0.75, 0.15, -0.65, 0.2, -0.45);
    cairo_curve_to(cr, 0.07, -0.5, -0.07, -0.5, -0.2, -0.45);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.85, shade(trim, 0.3), -0.45, trim, INK, L);
    disc(cr, 0, -0.1, 0.17, rgb(0xffd54a), rgb(0xe0a020), L);
    disc(cr, 0, -0.1, 0.12, rgb(0xbfeaff), rgb(0x6ab8f0), T);
    happyFace(cr, 0, -0.08, 0.16);
    cairo_rectangle(cr, -0.29, 0.25, 0.58, 0.07);
    setColour(cr, trim);
    cairo_fill(cr);
    shine(cr, -0.13, -0.2, 0.03, 0.2, 0, 0.7);
    cairo_restore(cr);
}

// ---- The astronaut floating --------------------------------------------------

static void drawAstronaut(cairo_t* cr) {
    ArtRandom random(501);
    starrySky(cr, random, rgb(0x2a1260), rgb(0x6a3aa8), 200);
    cairo_save(cr);
    cairo_translate(cr, 10, 6);
    cairo_rotate(cr, 0.35);
    cairo_scale(cr, 1, 0.2);
    softGlow(cr, 0, 0, 12, rgb(0xd88aff, 0.35));
    cairo_restore(cr);
    earth(cr, 17.4, 9.6, 2.6, false);
    facePlanet(cr, 2.6, 2.6, 1.4, rgb(0xff9a5a), true, rgb(0xffe08a), false);
    satellite(cr, 16.2, 2.6, 1.2, 0.3);
    setRocket(cr, 3.0, 8.8, 3.2, rgb(0xe8eef8), rgb(0xff5a5a), false);
    // The safety line from the rocket to the astronaut.
    cairo_move_to(cr, 3.6, 8.6);
    cairo_curve_to(cr, 5.5, 10.5, 6.5, 7.2, 8.0, 7.6);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE * 1.6);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xffd84a));
    cairo_set_line_width(cr, LINE * 0.8);
    cairo_stroke(cr);
    astronaut(cr, 10.4, 4.6, 6.2, rgb(0xf4f6fc), -0.15);
    shootingStar(cr, 13.4, 1.0, 2.6);
    facePlanet(cr, 7.0, 11.2, 0.6, rgb(0x6ad8a0), false, WHITE, false);
}

// ---- The alien by its saucer ---------------------------------------------------

// A round green alien waving, facing the child, feet on y = 0.
static void alien(cairo_t* cr, double x, double groundY, double size) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    Rgba skin = rgb(0x8ae86a);
    for (int side = -1; side <= 1; side += 2) {
        oval(cr, side * 0.14, -0.04, 0.12, 0.06, rgb(0xb07aff), rgb(0x7a4ad8), T);
        cairo_move_to(cr, side * 0.14, -0.08);
        cairo_line_to(cr, side * 0.14, -0.25);
        limb(cr, skin, 0.1, T);
    }
    oval(cr, 0, -0.4, 0.28, 0.22, shade(skin, 0.2), skin, L);
    // One arm waving up, one down.
    cairo_move_to(cr, -0.24, -0.45);
    cairo_curve_to(cr, -0.4, -0.5, -0.45, -0.65, -0.42, -0.8);
    limb(cr, skin, 0.09, T);
    disc(cr, -0.42, -0.84, 0.06, shade(skin, 0.2), skin, T);
    cairo_move_to(cr, 0.24, -0.4);
    cairo_curve_to(cr, 0.36, -0.36, 0.4, -0.28, 0.4, -0.2);
    limb(cr, skin, 0.09, T);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.12, -0.9);
        cairo_curve_to(cr, side * 0.15, -1.02, side * 0.2, -1.08, side * 0.24, -1.12);
        setColour(cr, INK);
        cairo_set_line_width(cr, 0.025);
        cairo_stroke(cr);
        disc(cr, side * 0.25, -1.14, 0.05, rgb(0xffe04a), rgb(0xffa020), T);
    }
    oval(cr, 0, -0.72, 0.3, 0.24, shade(skin, 0.3), skin, L);
    // Three eyes.
    for (int i = -1; i <= 1; i++)
        disc(cr, i * 0.12, -0.78 + (i == 0 ? -0.04 : 0), 0.065, WHITE, rgb(0xf0f0f0), T * 0.8);
    for (int i = -1; i <= 1; i++)
        shinyEye(cr, i * 0.12, -0.775 + (i == 0 ? -0.04 : 0), 0.07);
    cheeks(cr, 0, -0.66, 0.4, 0.08);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -0.66, 0.09, M_PI * 0.15, M_PI * 0.85);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xc8324a), INK, T);
    disc(cr, 0, -0.42, 0.06, rgb(0xffe04a), rgb(0xffa020), T);
    shine(cr, -0.14, -0.88, 0.06, 0.03, -0.5, 0.7);
    cairo_restore(cr);
}

// A flying saucer standing on three legs, its hatch open.
static void landedSaucer(cairo_t* cr, double x, double groundY, double w) {
    for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, x + i * w * 0.3, groundY - w * 0.25);
        cairo_line_to(cr, x + i * w * 0.38, groundY);
        limb(cr, rgb(0xa0a8c0), w * 0.04, THIN);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - w * 0.33, w * 0.26, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - w * 0.6, rgb(0xe0f8ff), groundY - w * 0.33, rgb(0x9ad8f0),
                         INK, LINE);
    shine(cr, x - w * 0.1, groundY - w * 0.5, w * 0.06, w * 0.025, -0.6, 0.8);
    ellipsePath(cr, x, groundY - w * 0.3, w * 0.5, w * 0.12);
    fillGradientOutlined(cr, groundY - w * 0.42, rgb(0xf0f0ff), groundY - w * 0.18, rgb(0xa0a0c8),
                         INK, LINE);
    for (int i = 0; i < 7; i++)
        disc(cr, x - w * 0.36 + i * w * 0.12, groundY - w * 0.28, w * 0.025,
             i % 2 ? rgb(0xff8fc7) : rgb(0xffe04a), i % 2 ? rgb(0xff8fc7) : rgb(0xffe04a), THIN);
}

// A round alien plant: a stalk with a glowing bulb.
static void bulbPlant(cairo_t* cr, double x, double groundY, double h, Rgba colour) {
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + 0.3, groundY - h * 0.4, x - 0.3, groundY - h * 0.7, x, groundY - h);
    limb(cr, rgb(0x5a9a8a), 0.16, THIN);
    disc(cr, x, groundY - h, h * 0.16, shade(colour, 0.4), colour);
    disc(cr, x - h * 0.05, groundY - h * 1.04, h * 0.04, WHITE, WHITE, 0);
}

static void drawAlienSaucer(cairo_t* cr) {
    ArtRandom random(502);
    skyBand(cr, 8.0, rgb(0xd86ac8), rgb(0xff9ad0), rgb(0xffd8e8));
    dotScatter(cr, random, 40, 0, 0, 20, 3.5, 0.03, 0.06, rgb(0xffffff));
    facePlanet(cr, 3.0, 2.2, 1.5, rgb(0x8ab8ff), true, WHITE, false);
    facePlanet(cr, 16.8, 1.6, 0.8, rgb(0xffd84a), false, WHITE, false);
    facePlanet(cr, 18.6, 3.4, 0.5, rgb(0xff8a6a), false, WHITE, false);
    const double far[] = {0, 7.0, 5, 6.0, 11, 7.2, 16, 6.2, 20, 6.8};
    hill(cr, far, 5, 12.5, rgb(0xb89aff), rgb(0x8a6ad8));
    const double near[] = {0, 8.4, 9, 8.0, 20, 8.6};
    hill(cr, near, 3, 12.5, rgb(0xb8f06a), rgb(0x6ab84a));
    dotScatter(cr, random, 30, 0, 9, 20, 12, 0.08, 0.16, rgb(0x8ad05a));
    bulbPlant(cr, 0.8, 10.4, 3.2, rgb(0xff8ac8));
    bulbPlant(cr, 2.0, 11.6, 2.0, rgb(0xffe04a));
    bulbPlant(cr, 18.2, 10.8, 3.4, rgb(0x6ae0ff));
    bulbPlant(cr, 19.4, 11.8, 1.8, rgb(0xff8ac8));
    landedSaucer(cr, 6.4, 10.4, 8.0);
    alien(cr, 13.6, 11.6, 6.6);
    bulbPlant(cr, 9.4, 12.4, 1.4, rgb(0x6ae0ff));
    shootingStar(cr, 9.0, 1.4, 2.4);
    const double sparkles[][2] = {{5.6, 3.8},  {9.8, 4.6},  {1.2, 5.0},
                                  {16.8, 4.6}, {19.2, 5.6}, {12.8, 2.6}};
    for (const auto& s : sparkles)
        twinkle(cr, s[0], s[1], 0.28, rgb(0xfff6a0));
    satellite(cr, 10.6, 3.6, 0.8, -0.3);
    // A little alien pet: a round fluffy thing.
    disc(cr, 16.8, 11.4, 0.6, rgb(0xffb0e0), rgb(0xff7ac0));
    happyFace(cr, 16.8, 11.4, 0.8);
}

// ---- The moon rover ---------------------------------------------------------------

// A six-wheeled moon rover facing right with a camera head for eyes.
static void rover(cairo_t* cr, double x, double groundY, double w) {
    // Solar panel on a mast.
    cairo_move_to(cr, x - w * 0.2, groundY - w * 0.42);
    cairo_line_to(cr, x - w * 0.25, groundY - w * 0.62);
    limb(cr, rgb(0xa0a8c0), w * 0.035, THIN);
    cairo_save(cr);
    cairo_translate(cr, x - w * 0.25, groundY - w * 0.66);
    cairo_rotate(cr, -0.2);
    cairo_rectangle(cr, -w * 0.3, -w * 0.04, w * 0.6, w * 0.08);
    cairo_restore(cr);
    fillGradientOutlined(cr, groundY - w * 0.75, rgb(0x6a8ae8), groundY - w * 0.6, rgb(0x3a4aa8),
                         INK, LINE);
    // Neck and camera head.
    cairo_move_to(cr, x + w * 0.3, groundY - w * 0.42);
    cairo_line_to(cr, x + w * 0.32, groundY - w * 0.62);
    limb(cr, rgb(0xa0a8c0), w * 0.04, THIN);
    roundedRect(cr, x + w * 0.16, groundY - w * 0.8, w * 0.34, w * 0.2, w * 0.06);
    fillGradientOutlined(cr, groundY - w * 0.8, rgb(0xf4f6fc), groundY - w * 0.6, rgb(0xc0c8d8),
                         INK, LINE);
    for (int i = 0; i < 2; i++) {
        disc(cr, x + w * (0.26 + i * 0.14), groundY - w * 0.71, w * 0.055, WHITE, rgb(0xe0e8f0),
             THIN);
        shinyEye(cr, x + w * (0.265 + i * 0.14), groundY - w * 0.705, w * 0.06);
    }
    cheeks(cr, x + w * 0.33, groundY - w * 0.64, w * 0.24, w * 0.05);
    // Body.
    roundedRect(cr, x - w * 0.45, groundY - w * 0.45, w * 0.9, w * 0.22, w * 0.06);
    fillGradientOutlined(cr, groundY - w * 0.45, rgb(0xffe66a), groundY - w * 0.23, rgb(0xf0a820),
                         INK, LINE);
    smile(cr, x + w * 0.3, groundY - w * 0.3, w * 0.1);
    cairo_rectangle(cr, x - w * 0.35, groundY - w * 0.4, w * 0.4, w * 0.08);
    fillOutlined(cr, rgb(0xff6a5a), INK, THIN);
    // Wheels on rocker arms.
    cairo_move_to(cr, x - w * 0.38, groundY - w * 0.1);
    cairo_line_to(cr, x, groundY - w * 0.24);
    cairo_line_to(cr, x + w * 0.38, groundY - w * 0.1);
    limb(cr, rgb(0x8a90a8), w * 0.04, THIN);
    for (int i = -1; i <= 1; i++) {
        disc(cr, x + i * w * 0.38, groundY - w * 0.1, w * 0.1, rgb(0x5a5460), rgb(0x2a2430));
        disc(cr, x + i * w * 0.38, groundY - w * 0.1, w * 0.04, rgb(0xffd54a), rgb(0xe0a020), THIN);
    }
}

// A crater: a rimmed dip in the ground.
static void crater(cairo_t* cr, double x, double y, double w, Rgba ground) {
    ellipsePath(cr, x, y, w * 0.5, w * 0.16);
    fillGradientOutlined(cr, y - w * 0.16, shade(ground, -0.25), y + w * 0.16, shade(ground, -0.05),
                         INK, THIN * 1.3);
    cairo_new_path(cr);
    ellipsePath(cr, x, y + w * 0.03, w * 0.38, w * 0.1);
    setColour(cr, shade(ground, -0.35));
    cairo_fill(cr);
}

// A planted flag on a pole.
static void flag(cairo_t* cr, double x, double groundY, double h, Rgba colour) {
    cairo_move_to(cr, x, groundY);
    cairo_line_to(cr, x, groundY - h);
    limb(cr, rgb(0xd8dce8), h * 0.06, THIN);
    cairo_move_to(cr, x, groundY - h);
    cairo_curve_to(cr, x + h * 0.2, groundY - h * 1.05, x + h * 0.35, groundY - h * 0.95,
                   x + h * 0.5, groundY - h);
    cairo_line_to(cr, x + h * 0.5, groundY - h * 0.68);
    cairo_curve_to(cr, x + h * 0.35, groundY - h * 0.63, x + h * 0.2, groundY - h * 0.73, x,
                   groundY - h * 0.68);
    cairo_close_path(cr);
    fillOutlined(cr, colour, INK, THIN);
    twinkle(cr, x + h * 0.25, groundY - h * 0.84, h * 0.1, rgb(0xffe04a));
}

static void drawMoonRover(cairo_t* cr) {
    ArtRandom random(503);
    starrySky(cr, random, rgb(0x06061a), rgb(0x1a1a40), 220);
    earth(cr, 16.4, 2.6, 1.6, true);
    facePlanet(cr, 1.4, 1.4, 0.7, rgb(0xff9a5a), false, WHITE, false);
    twinkle(cr, 9.6, 3.0, 0.3, rgb(0xfff08a));
    satellite(cr, 1.8, 4.4, 0.7, 0.4);
    satellite(cr, 5.0, 1.8, 0.9, -0.3);
    shootingStar(cr, 9.0, 1.2, 2.2);
    Rgba ground = rgb(0xc8c8d8);
    const double far[] = {0, 6.4, 4, 5.4, 9, 6.6, 14, 5.8, 20, 6.2};
    hill(cr, far, 5, 12.5, rgb(0xa8a8c0), rgb(0x8a8aa8));
    const double near[] = {0, 7.6, 8, 7.2, 20, 7.8};
    hill(cr, near, 3, 12.5, shade(ground, 0.2), shade(ground, -0.15));
    crater(cr, 2.6, 9.2, 3.4, ground);
    crater(cr, 17.4, 10.8, 3.6, ground);
    crater(cr, 13.8, 8.2, 2.0, ground);
    crater(cr, 4.2, 11.6, 2.2, ground);
    crater(cr, 7.4, 7.8, 1.4, ground);
    // Wheel tracks behind the rover.
    cairo_new_path(cr);
    for (int i = 0; i < 2; i++) {
        cairo_move_to(cr, 0, 11.0 + i * 0.5);
        cairo_curve_to(cr, 2.0, 10.9 + i * 0.5, 3.5, 11.3 + i * 0.5, 5.4, 11.2 + i * 0.5);
    }
    setColour(cr, shade(ground, -0.4));
    cairo_set_line_width(cr, LINE * 1.5);
    cairo_set_dash(cr, (const double[]){0.12, 0.12}, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    flag(cr, 17.0, 8.6, 2.8, rgb(0xff6a8a));
    rover(cr, 10.0, 11.6, 8.6);
    for (int i = 0; i < 5; i++)
        oval(cr, 0.8 + i * 0.7, 10.4 + (i % 2) * 1.2, 0.25, 0.12, shade(ground, -0.05),
             shade(ground, -0.25), THIN);
    for (int i = 0; i < 3; i++)
        oval(cr, 16.2 + i * 1.3, 9.2 + (i % 2) * 0.4, 0.3, 0.15, shade(ground, -0.05),
             shade(ground, -0.25), THIN);
    dotScatter(cr, random, 30, 0, 8, 20, 12, 0.05, 0.12, shade(ground, -0.3));
}

// ---- The ringed planets ---------------------------------------------------------

static void drawRingedPlanets(cairo_t* cr) {
    ArtRandom random(504);
    starrySky(cr, random, rgb(0x0a2a6a), rgb(0x1a5ab0), 200);
    facePlanet(cr, 10.0, 6.2, 3.4, rgb(0xffb84a), true, rgb(0xff8ac8), true);
    facePlanet(cr, 2.8, 2.8, 1.6, rgb(0x7ad8a0), true, rgb(0xfff08a), true);
    facePlanet(cr, 17.4, 3.0, 1.8, rgb(0xb07aff), true, WHITE, false);
    facePlanet(cr, 16.6, 9.6, 1.4, rgb(0x5ab0ff), true, rgb(0xffe08a), true);
    facePlanet(cr, 3.2, 9.6, 1.2, rgb(0xff6a6a), true, WHITE, false);
    facePlanet(cr, 7.2, 1.2, 0.5, rgb(0xffe04a), false, WHITE, false);
    facePlanet(cr, 13.4, 11.2, 0.55, rgb(0x8ae0ff), false, WHITE, false);
    facePlanet(cr, 19.2, 6.6, 0.45, rgb(0xff9ad0), false, WHITE, false);
    shootingStar(cr, 12.6, 1.0, 2.6);
    satellite(cr, 6.6, 10.8, 0.9, 0.4);
}

// ---- The space station -------------------------------------------------------------

// A space station: modules in a row with solar wings and a round window module.
static void station(cairo_t* cr, double x, double y, double w) {
    cairo_rectangle(cr, x - w * 0.5, y - w * 0.015, w, w * 0.03);
    fillOutlined(cr, rgb(0xb0b8c8), INK, THIN);
    for (int side = -1; side <= 1; side += 2)
        for (int row = -1; row <= 1; row += 2) {
            double px = x + side * w * 0.38, py = y + row * w * 0.14;
            cairo_move_to(cr, px, y);
            cairo_line_to(cr, px, py);
            setColour(cr, INK);
            cairo_set_line_width(cr, THIN * 1.5);
            cairo_stroke(cr);
            cairo_rectangle(cr, px - w * 0.1, py - w * 0.06, w * 0.2, w * 0.12);
            fillGradientOutlined(cr, py - w * 0.06, rgb(0x6a8ae8), py + w * 0.06, rgb(0x3a4aa8),
                                 INK, LINE);
            cairo_new_path(cr);
            for (int i = 1; i < 4; i++) {
                cairo_move_to(cr, px - w * 0.1 + i * w * 0.05, py - w * 0.06);
                cairo_line_to(cr, px - w * 0.1 + i * w * 0.05, py + w * 0.06);
            }
            setColour(cr, rgb(0xc8d8ff, 0.6));
            cairo_set_line_width(cr, THIN);
            cairo_stroke(cr);
        }
    for (int i = -1; i <= 1; i += 2) {
        roundedRect(cr, x + i * w * 0.2 - w * 0.1, y - w * 0.05, w * 0.2, w * 0.1, w * 0.04);
        fillGradientOutlined(cr, y - w * 0.05, rgb(0xf4f6fc), y + w * 0.05, rgb(0xb8c0d8), INK,
                             LINE);
        for (int k = 0; k < 2; k++)
            disc(cr, x + i * w * 0.2 + (k - 0.5) * w * 0.08, y, w * 0.018, rgb(0xfff4a0),
                 rgb(0xffd84a), THIN);
    }
    disc(cr, x, y, w * 0.11, rgb(0xffe66a), rgb(0xf0a820));
    disc(cr, x, y, w * 0.075, rgb(0xd8f4ff), rgb(0x8ac8f0), THIN);
    happyFace(cr, x, y + w * 0.005, w * 0.12);
}

// A little shuttle with wings, flying to the left.
static void shuttle(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x + s * 0.2, y);
    cairo_line_to(cr, x + s * 0.5, y + s * 0.3);
    cairo_line_to(cr, x + s * 0.55, y);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x5ab0ff), INK, THIN);
    cairo_move_to(cr, x - s * 0.55, y);
    cairo_curve_to(cr, x - s * 0.45, y - s * 0.18, x + s * 0.2, y - s * 0.18, x + s * 0.55,
                   y - s * 0.14);
    cairo_line_to(cr, x + s * 0.55, y + s * 0.12);
    cairo_curve_to(cr, x + s * 0.2, y + s * 0.16, x - s * 0.45, y + s * 0.16, x - s * 0.55, y);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 0.18, WHITE, y + s * 0.16, rgb(0xc8d0e0), INK, LINE);
    cairo_move_to(cr, x + s * 0.35, y - s * 0.12);
    cairo_line_to(cr, x + s * 0.5, y - s * 0.4);
    cairo_line_to(cr, x + s * 0.58, y - s * 0.12);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff6a5a), INK, THIN);
    shinyEye(cr, x - s * 0.32, y - s * 0.04, s * 0.08);
    ellipsePath(cr, x - s * 0.25, y + s * 0.05, s * 0.05, s * 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

static void drawSpaceStation(cairo_t* cr) {
    ArtRandom random(505);
    starrySky(cr, random, rgb(0x06303a), rgb(0x0a5a6a), 180);
    // The earth's curve along the bottom.
    cairo_new_path(cr);
    cairo_arc(cr, 10.0, 30.0, 20.5, 0, 2 * M_PI);
    softGlow(cr, 10.0, 30.0, 21.6, rgb(0x8ae8ff, 0.6));
    cairo_new_path(cr);
    cairo_arc(cr, 10.0, 30.0, 20.5, 0, 2 * M_PI);
    fillGradientOutlined(cr, 9.5, rgb(0x6ac8ff), 12.5, rgb(0x2a70d0), INK, LINE);
    cairo_save(cr);
    cairo_arc(cr, 10.0, 30.0, 20.5, 0, 2 * M_PI);
    cairo_clip(cr);
    oval(cr, 4.0, 11.2, 3.0, 0.8, rgb(0x8ae86a), rgb(0x4aa84a), THIN);
    oval(cr, 15.4, 11.6, 2.4, 0.7, rgb(0x8ae86a), rgb(0x4aa84a), THIN);
    for (int i = 0; i < 4; i++) {
        roundedRect(cr, 1.0 + i * 5.0, 10.4 + (i % 2) * 0.5, 2.4, 0.2, 0.1);
        setColour(cr, rgb(0xffffff, 0.85));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    facePlanet(cr, 17.8, 1.8, 1.0, rgb(0xfff0c0), true, WHITE, false);
    facePlanet(cr, 1.6, 5.6, 0.8, rgb(0xff8a5a), false, WHITE, false);
    facePlanet(cr, 6.4, 1.0, 0.45, rgb(0xb07aff), false, WHITE, false);
    satellite(cr, 18.6, 5.8, 0.8, -0.4);
    twinkle(cr, 12.8, 1.0, 0.3, rgb(0xfff08a));
    twinkle(cr, 1.2, 8.6, 0.3, rgb(0xfff08a));
    twinkle(cr, 19.2, 8.4, 0.28, rgb(0xfff08a));
    station(cr, 10.0, 4.8, 13.0);
    astronaut(cr, 5.0, 7.6, 2.6, rgb(0xf4f6fc), 0.3);
    shuttle(cr, 15.4, 8.0, 3.0);
    satellite(cr, 2.2, 1.6, 0.9, 0.2);
    shootingStar(cr, 11.6, 0.8, 2.0);
}

// A child cheering, arms up, feet on y.
static void cheeringChild(cairo_t* cr, double x, double groundY, double s, Rgba shirt, Rgba hair) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.15, groundY - s * 0.5);
        cairo_line_to(cr, x + side * s * 0.32, groundY - s * 0.85);
        limb(cr, rgb(0xffd8b8), s * 0.1, THIN);
        cairo_move_to(cr, x + side * s * 0.08, groundY - s * 0.25);
        cairo_line_to(cr, x + side * s * 0.1, groundY);
        limb(cr, rgb(0x5a6aa8), s * 0.1, THIN);
    }
    roundedRect(cr, x - s * 0.18, groundY - s * 0.58, s * 0.36, s * 0.38, s * 0.1);
    fillGradientOutlined(cr, groundY - s * 0.58, shade(shirt, 0.2), groundY - s * 0.2, shirt, INK,
                         LINE);
    disc(cr, x, groundY - s * 0.78, s * 0.2, rgb(0xffe0c8), rgb(0xf4c0a0));
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - s * 0.8, s * 0.21, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    fillOutlined(cr, hair, INK, THIN);
    happyFace(cr, x, groundY - s * 0.75, s * 0.28, true);
}

// ---- The comet over the night town ------------------------------------------------

// A comet with a smiling head and a long tail to the upper right.
static void comet(cairo_t* cr, double x, double y, double r, double length) {
    const Rgba tails[] = {rgb(0xffe08a, 0.8), rgb(0x8ad8ff, 0.6), rgb(0xff9ad8, 0.5)};
    for (int i = 0; i < 3; i++) {
        double spread = r * (1.0 - i * 0.25), off = (i - 1) * r * 0.5;
        cairo_move_to(cr, x, y - spread);
        cairo_curve_to(cr, x + length * 0.4, y - spread - length * 0.12 + off, x + length * 0.7,
                       y - length * 0.4 + off, x + length, y - length * 0.5 + off);
        cairo_curve_to(cr, x + length * 0.7, y - length * 0.3 + off, x + length * 0.4,
                       y + spread - length * 0.08 + off, x, y + spread);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + length, y - length * 0.5);
        cairo_pattern_add_color_stop_rgba(g, 0, tails[i].r, tails[i].g, tails[i].b, tails[i].a);
        cairo_pattern_add_color_stop_rgba(g, 1, tails[i].r, tails[i].g, tails[i].b, 0);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_fill(cr);
    }
    softGlow(cr, x, y, r * 2.2, rgb(0xfff4b0, 0.6));
    disc(cr, x, y, r, rgb(0xfffbe0), rgb(0xffd84a));
    happyFace(cr, x, y + r * 0.05, r * 1.1, true);
}

// A little house with a lit window and a chimney.
static void nightHouse(cairo_t* cr, double x, double groundY, double w, Rgba walls, Rgba roof) {
    double h = w * 0.75;
    cairo_rectangle(cr, x + w * 0.62, groundY - h - w * 0.45, w * 0.14, w * 0.3);
    fillOutlined(cr, shade(roof, -0.2), INK, THIN);
    cairo_rectangle(cr, x, groundY - h, w, h);
    fillGradientOutlined(cr, groundY - h, shade(walls, 0.15), groundY, walls, INK, LINE);
    cairo_move_to(cr, x - w * 0.1, groundY - h + 0.02);
    cairo_line_to(cr, x + w * 0.5, groundY - h - w * 0.5);
    cairo_line_to(cr, x + w * 1.1, groundY - h + 0.02);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h - w * 0.5, shade(roof, 0.2), groundY - h, roof, INK, LINE);
    softGlow(cr, x + w * 0.3, groundY - h * 0.6, w * 0.35, rgb(0xfff0a0, 0.5));
    roundedRect(cr, x + w * 0.14, groundY - h * 0.8, w * 0.32, w * 0.3, w * 0.04);
    fillGradientOutlined(cr, groundY - h * 0.8, rgb(0xfff8c0), groundY - h * 0.4, rgb(0xffc84a),
                         INK, THIN);
    cairo_new_path(cr);
    cairo_move_to(cr, x + w * 0.3, groundY - h * 0.8);
    cairo_line_to(cr, x + w * 0.3, groundY - h * 0.4);
    cairo_move_to(cr, x + w * 0.14, groundY - h * 0.6);
    cairo_line_to(cr, x + w * 0.46, groundY - h * 0.6);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    roundedRect(cr, x + w * 0.6, groundY - h * 0.55, w * 0.26, h * 0.55, w * 0.05);
    fillOutlined(cr, rgb(0x8a5a3a), INK, THIN);
}

static void drawCometTown(cairo_t* cr) {
    ArtRandom random(506);
    starrySky(cr, random, rgb(0x101a50), rgb(0x3a4aa0), 160);
    comet(cr, 6.4, 4.2, 1.3, 12.0);
    const double far[] = {0, 8.4, 5, 7.4, 11, 8.2, 16, 7.2, 20, 7.9};
    hill(cr, far, 5, 12.5, rgb(0x4a5aa8), rgb(0x3a4a8a));
    const double near[] = {0, 9.6, 10, 9.2, 20, 9.8};
    hill(cr, near, 3, 12.5, rgb(0x3a8a6a), rgb(0x2a5a4a));
    nightHouse(cr, 0.8, 10.6, 2.4, rgb(0xffd8b0), rgb(0xe84a4a));
    nightHouse(cr, 4.4, 10.2, 2.0, rgb(0xd8e8ff), rgb(0x5a7ad8));
    nightHouse(cr, 13.6, 10.2, 2.2, rgb(0xfff0c0), rgb(0xb07aff));
    nightHouse(cr, 17.0, 10.6, 2.6, rgb(0xffd0e0), rgb(0xff8a4a));
    pineTree(cr, 3.6, 10.8, 2.4, rgb(0x2a7a5a), false);
    pineTree(cr, 12.6, 10.6, 2.6, rgb(0x2a7a5a), false);
    pineTree(cr, 19.6, 11.2, 2.0, rgb(0x2a7a5a), false);
    // A child on the hill cheering beside a telescope pointed at the comet.
    cairo_new_path(cr);
    for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, 9.0, 9.0);
        cairo_line_to(cr, 9.0 + i * 0.6, 10.7);
    }
    limb(cr, rgb(0x8a5a3a), 0.14, THIN);
    cairo_move_to(cr, 9.6, 9.4);
    cairo_line_to(cr, 8.0, 7.8);
    limb(cr, rgb(0x5ab0ff), 0.5, LINE);
    cairo_move_to(cr, 8.25, 8.05);
    cairo_line_to(cr, 7.9, 7.7);
    limb(cr, rgb(0xffd84a), 0.62, LINE);
    cheeringChild(cr, 11.0, 10.9, 2.4, rgb(0xff8a6a), rgb(0xf0c040));
    grassTufts(cr, 0, 20, 12.3, 0.5, rgb(0x2a6a4a), random, 20);
    for (int i = 0; i < 6; i++)
        softGlow(cr, random.range(1, 19), random.range(11, 12), 0.22, rgb(0xfff890, 0.8));
    facePlanet(cr, 17.6, 1.8, 1.0, rgb(0xfff0c0), true, WHITE, false);
}

// ---- The robot on Mars --------------------------------------------------------------

// A boxy friendly robot facing the child, feet on y = 0.
static void robot(cairo_t* cr, double x, double groundY, double size) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    Rgba metal = rgb(0x8ad0e8);
    for (int side = -1; side <= 1; side += 2) {
        roundedRect(cr, side * 0.14 - 0.06, -0.32, 0.12, 0.28, 0.03);
        fillOutlined(cr, rgb(0xa0a8c0), INK, T);
        roundedRect(cr, side * 0.14 - 0.1, -0.08, 0.2, 0.08, 0.03);
        fillOutlined(cr, rgb(0x5a6078), INK, T);
        cairo_move_to(cr, side * 0.3, -0.56);
        cairo_curve_to(cr, side * 0.42, -0.5, side * 0.46, -0.4, side * 0.46, -0.3);
        limb(cr, rgb(0xa0a8c0), 0.08, T);
        cairo_new_path(cr);
        cairo_arc(cr, side * 0.46, -0.26, 0.06, M_PI * 0.1, M_PI * 1.9);
        limb(cr, rgb(0xffa64a), 0.04, T);
    }
    roundedRect(cr, -0.3, -0.7, 0.6, 0.4, 0.08);
    fillGradientOutlined(cr, -0.7, shade(metal, 0.3), -0.3, shade(metal, -0.15), INK, L);
    roundedRect(cr, -0.16, -0.62, 0.32, 0.2, 0.04);
    fillOutlined(cr, rgb(0x3a3a5a), INK, T);
    for (int i = 0; i < 3; i++)
        disc(cr, -0.09 + i * 0.09, -0.52, 0.03,
             i == 0   ? rgb(0xff6a6a)
             : i == 1 ? rgb(0xffd84a)
                      : rgb(0x6ad86a),
             i == 0   ? rgb(0xff6a6a)
             : i == 1 ? rgb(0xffd84a)
                      : rgb(0x6ad86a),
             0);
    cairo_move_to(cr, 0, -1.04);
    cairo_line_to(cr, 0, -1.14);
    limb(cr, rgb(0xa0a8c0), 0.03, T);
    disc(cr, 0, -1.16, 0.045, rgb(0xff8a8a), rgb(0xff4a4a), T);
    roundedRect(cr, -0.04, -0.76, 0.08, 0.08, 0.02);
    fillOutlined(cr, rgb(0xa0a8c0), INK, T);
    for (int side = -1; side <= 1; side += 2) {
        roundedRect(cr, side * 0.3 - 0.04, -0.93, 0.08, 0.1, 0.02);
        fillOutlined(cr, rgb(0xffa64a), INK, T);
    }
    roundedRect(cr, -0.28, -1.04, 0.56, 0.32, 0.1);
    fillGradientOutlined(cr, -1.04, shade(metal, 0.35), -0.72, shade(metal, -0.1), INK, L);
    for (int side = -1; side <= 1; side += 2) {
        disc(cr, side * 0.11, -0.9, 0.075, WHITE, rgb(0xe8f0f8), T);
        shinyEye(cr, side * 0.11, -0.895, 0.08);
    }
    cheeks(cr, 0, -0.8, 0.38, 0.07);
    smile(cr, 0, -0.76, 0.12);
    shine(cr, -0.16, -0.99, 0.06, 0.02, 0, 0.7);
    cairo_restore(cr);
}

// A red rock of Mars.
static void marsRock(cairo_t* cr, double x, double groundY, double w) {
    cairo_move_to(cr, x - w * 0.5, groundY);
    cairo_line_to(cr, x - w * 0.35, groundY - w * 0.45);
    cairo_line_to(cr, x, groundY - w * 0.6);
    cairo_line_to(cr, x + w * 0.4, groundY - w * 0.35);
    cairo_line_to(cr, x + w * 0.5, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - w * 0.6, rgb(0xd87a5a), groundY, rgb(0x9a4a3a), INK, LINE);
}

static void drawRobotMars(cairo_t* cr) {
    ArtRandom random(507);
    skyBand(cr, 7.0, rgb(0xe8845a), rgb(0xffb07a), rgb(0xffdcb0));
    sun(cr, 16.8, 1.8, 0.8);
    facePlanet(cr, 3.0, 1.8, 0.8, rgb(0xd8c8b8), true, WHITE, false);
    facePlanet(cr, 6.0, 3.0, 0.45, rgb(0xc8b8a8), false, WHITE, false);
    // Far mesas and dunes.
    cairo_move_to(cr, -0.5, 7.0);
    cairo_line_to(cr, 1.0, 4.6);
    cairo_line_to(cr, 4.2, 4.6);
    cairo_line_to(cr, 5.2, 6.2);
    cairo_line_to(cr, 11.6, 6.2);
    cairo_line_to(cr, 12.4, 4.0);
    cairo_line_to(cr, 15.4, 4.0);
    cairo_line_to(cr, 16.6, 6.6);
    cairo_line_to(cr, 20.5, 6.6);
    cairo_line_to(cr, 20.5, 7.2);
    cairo_line_to(cr, -0.5, 7.2);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 4.0, rgb(0xe89a7a), 7.2, rgb(0xc86a5a), INK, LINE);
    const double near[] = {0, 7.2, 6, 6.8, 13, 7.4, 20, 7.0};
    hill(cr, near, 4, 12.5, rgb(0xf08a5a), rgb(0xb8483a));
    dotScatter(cr, random, 60, 0, 7.6, 20, 12, 0.05, 0.12, rgb(0x8a3a2a));
    crater(cr, 3.0, 10.6, 3.4, rgb(0xe07a50));
    crater(cr, 16.8, 8.4, 2.4, rgb(0xe07a50));
    marsRock(cr, 1.2, 8.6, 1.6);
    marsRock(cr, 18.4, 11.6, 2.6);
    marsRock(cr, 14.6, 11.8, 1.4);
    robot(cr, 9.6, 11.6, 8.6);
    rover(cr, 16.0, 10.4, 3.2);
    flag(cr, 5.6, 9.4, 2.6, rgb(0x5ab0ff));
    for (int i = 0; i < 3; i++)
        disc(cr, 13.0 + i * 0.7, 11.9 - i * 0.1, 0.3 - i * 0.06, rgb(0xffd0b0), rgb(0xf0a080),
             THIN);
    shootingStar(cr, 12.8, 1.2, 2.0);
    satellite(cr, 13.8, 3.4, 0.8, 0.3);
    cloud(cr, 19.0, 4.6, 1.6, rgb(0xffe8d8));
    cloud(cr, 7.4, 0.9, 1.4, rgb(0xffe8d8));
    marsRock(cr, 3.0, 12.4, 1.2);
}

// ---- The star in the nebula ---------------------------------------------------------

// A big five-pointed star with a face and a glow.
static void bigStar(cairo_t* cr, double x, double y, double r) {
    softGlow(cr, x, y, r * 2.2, rgb(0xfff4a0, 0.55));
    starPath(cr, x, y, r, r * 0.55, 5);
    fillGradientOutlined(cr, y - r, rgb(0xfff8b0), y + r, rgb(0xffc83a), INK, LINE * 1.3);
    happyFace(cr, x, y + r * 0.1, r * 0.75, true);
    shine(cr, x - r * 0.25, y - r * 0.35, r * 0.12, r * 0.05, -0.8, 0.8);
}

static void drawStarNebula(cairo_t* cr) {
    ArtRandom random(508);
    const Rgba deep[] = {rgb(0x3a0a5a), rgb(0x5a1a7a), rgb(0x2a0a4a)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, deep, 3);
    // Nebula clouds in pink, violet, teal and gold.
    const Rgba glows[] = {rgb(0xff6ac8, 0.55), rgb(0x8a6aff, 0.5), rgb(0x4ae0d8, 0.45),
                          rgb(0xffb84a, 0.45)};
    for (int i = 0; i < 26; i++)
        softGlow(cr, random.range(0, 20), random.range(0, 12), random.range(1.4, 3.2),
                 glows[i % 4]);
    dotScatter(cr, random, 240, 0, 0, 20, 12, 0.025, 0.07, rgb(0xffffff));
    bigStar(cr, 10.0, 6.2, 4.4);
    const Rgba colours[] = {rgb(0xfff08a), rgb(0xffb0e0), rgb(0xa8e8ff), rgb(0xffc87a)};
    const double stars[][3] = {{2.0, 2.0, 0.6},   {5.0, 1.0, 0.35},   {16.4, 1.6, 0.55},
                               {18.6, 4.6, 0.4},  {1.6, 6.4, 0.45},   {3.8, 10.4, 0.6},
                               {16.6, 9.8, 0.6},  {13.6, 11.4, 0.35}, {19.0, 11.0, 0.3},
                               {7.4, 11.4, 0.35}, {14.4, 0.8, 0.3},   {5.0, 4.8, 0.3}};
    int k = 0;
    for (const auto& s : stars)
        twinkle(cr, s[0], s[1], s[2], colours[k++ % 4]);
    for (int i = 0; i < 3; i++) {
        const double at[][2] = {{2.0, 2.0}, {16.6, 9.8}, {3.8, 10.4}};
        happyFace(cr, at[i][0], at[i][1] + 0.08, 0.5);
    }
    shootingStar(cr, 15.0, 3.4, 2.6);
    shootingStar(cr, 1.4, 8.6, 2.0);
}

// ---- The earth from the moon --------------------------------------------------------

// A moon bunny sitting, facing the child.
static void moonBunny(cairo_t* cr, double x, double groundY, double s) {
    for (int side = -1; side <= 1; side += 2) {
        oval(cr, x + side * s * 0.13, groundY - s * 1.05, s * 0.08, s * 0.28, WHITE, rgb(0xe8e4f0));
        oval(cr, x + side * s * 0.13, groundY - s * 1.02, s * 0.04, s * 0.18, rgb(0xffc0d0),
             rgb(0xffa0b8), 0);
    }
    oval(cr, x, groundY - s * 0.3, s * 0.34, s * 0.3, WHITE, rgb(0xe0dcec));
    disc(cr, x, groundY - s * 0.7, s * 0.25, WHITE, rgb(0xeae6f4));
    happyFace(cr, x, groundY - s * 0.68, s * 0.38);
    oval(cr, x - s * 0.14, groundY - s * 0.05, s * 0.12, s * 0.06, WHITE, rgb(0xe0dcec), THIN);
    oval(cr, x + s * 0.14, groundY - s * 0.05, s * 0.12, s * 0.06, WHITE, rgb(0xe0dcec), THIN);
}

static void drawEarthFromMoon(cairo_t* cr) {
    ArtRandom random(509);
    starrySky(cr, random, rgb(0x000010), rgb(0x10183a), 240);
    earth(cr, 10.0, 4.4, 4.0, true);
    facePlanet(cr, 2.4, 1.8, 0.9, rgb(0xff8a5a), false, WHITE, false);
    facePlanet(cr, 17.8, 1.6, 0.7, rgb(0xb07aff), true, rgb(0xffe08a), true);
    satellite(cr, 16.8, 6.0, 1.0, -0.4);
    // The moon's cream ground, close up.
    Rgba ground = rgb(0xf4e4a8);
    const double far[] = {0, 8.6, 5, 8.0, 10, 8.8, 15, 8.0, 20, 8.6};
    hill(cr, far, 5, 12.5, rgb(0xf8ecc0), rgb(0xe0c880));
    crater(cr, 3.4, 10.0, 3.0, ground);
    crater(cr, 16.0, 10.6, 3.6, ground);
    crater(cr, 9.4, 11.4, 2.0, ground);
    crater(cr, 12.6, 9.2, 1.4, ground);
    moonBunny(cr, 6.6, 11.2, 2.6);
    flag(cr, 13.2, 11.0, 2.4, rgb(0x6ad8a0));
    astronaut(cr, 18.2, 8.2, 2.2, rgb(0xf4f6fc), -0.2);
    dotScatter(cr, random, 30, 0, 9, 20, 12, 0.05, 0.1, rgb(0xc8a860));
}

// ---- The rocket launch ------------------------------------------------------------

// The launch tower: a red lattice beside the rocket.
static void launchTower(cairo_t* cr, double x, double groundY, double h) {
    double w = h * 0.12;
    cairo_new_path(cr);
    cairo_rectangle(cr, x, groundY - h, w, h);
    for (int i = 0; i < 8; i++) {
        double y0 = groundY - h + i * h / 8;
        cairo_move_to(cr, x, y0);
        cairo_line_to(cr, x + w, y0 + h / 8);
        cairo_move_to(cr, x + w, y0);
        cairo_line_to(cr, x, y0 + h / 8);
    }
    limb(cr, rgb(0xe85a4a), 0.16, THIN);
    cairo_move_to(cr, x + w, groundY - h * 0.8);
    cairo_line_to(cr, x + w * 2.2, groundY - h * 0.8);
    limb(cr, rgb(0xe85a4a), 0.2, THIN);
    disc(cr, x + w * 0.5, groundY - h - 0.15, 0.15, rgb(0xff8a8a), rgb(0xff3a3a), THIN);
}

// Big round smoke puffs along the ground.
static void smokeClouds(cairo_t* cr, double x0, double x1, double y, double r) {
    cairo_new_path(cr);
    for (double x = x0; x <= x1; x += r * 1.1) {
        double k = std::fabs(x - (x0 + x1) / 2) / ((x1 - x0) / 2);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y - r * (1.2 - k * 0.6), r * (1.1 - k * 0.35), 0, 2 * M_PI);
    }
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - r * 2.4, 0, y);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.86, 0.88, 0.94);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
}

static void drawRocketLaunch(cairo_t* cr) {
    ArtRandom random(510);
    skyBand(cr, 9.0, rgb(0x3aa8ff), rgb(0x8ad8ff), rgb(0xe0f8ff));
    sun(cr, 2.2, 1.8, 1.0);
    cloud(cr, 16.6, 1.4, 2.8);
    cloud(cr, 6.2, 3.4, 2.0);
    cloud(cr, 2.6, 6.0, 2.2);
    cloud(cr, 17.4, 5.4, 2.4);
    bird(cr, 15.0, 3.4, 0.3);
    bird(cr, 15.8, 3.0, 0.22);
    bird(cr, 12.8, 1.2, 0.26);
    bird(cr, 4.0, 8.0, 0.24);
    bird(cr, 18.6, 7.8, 0.26);
    bird(cr, 19.3, 7.4, 0.2);
    const double far[] = {0, 8.4, 6, 7.8, 13, 8.6, 20, 8.0};
    hill(cr, far, 4, 12.5, rgb(0xa8e07a), rgb(0x7cc458));
    const double near[] = {0, 9.6, 10, 9.2, 20, 9.7};
    hill(cr, near, 3, 12.5, rgb(0x8fdc5a), rgb(0x3f9a36));
    launchTower(cr, 6.4, 9.6, 7.6);
    // The rocket rising on its flame, with smoke all round its feet.
    softGlow(cr, 10.0, 9.0, 2.6, rgb(0xffd04a, 0.6));
    setRocket(cr, 10.0, 5.2, 5.6, rgb(0xf4f6fc), rgb(0xff5a5a), false);
    smokeClouds(cr, 6.0, 14.0, 10.2, 1.3);
    smokeClouds(cr, 3.0, 7.2, 11.0, 0.8);
    smokeClouds(cr, 12.8, 17.0, 11.0, 0.8);
    for (int i = 0; i < 5; i++)
        shine(cr, 7.0 + i * 1.5, 9.0 + (i % 2) * 0.5, 0.4, 0.15, -0.3, 0.9);
    cheeringChild(cr, 1.4, 12.0, 2.4, rgb(0xffd84a), rgb(0x8a5a3a));
    cheeringChild(cr, 18.4, 12.0, 2.4, rgb(0xb07aff), rgb(0x3a2a2a));
    cheeringChild(cr, 16.4, 12.2, 1.8, rgb(0x6ad86a), rgb(0xf0c040));
    flag(cr, 3.4, 11.6, 1.8, rgb(0xff8ac8));
    grassTufts(cr, 0, 20, 12.3, 0.4, rgb(0x3f9a36), random, 16);
    butterfly(cr, 18.0, 6.4, 0.55, rgb(0xffd84a), 0.2);
}

const PictureDrawer SPACE_SET_DRAWERS[SET_PICTURE_COUNT] = {
    drawAstronaut, drawAlienSaucer, drawMoonRover,  drawRingedPlanets, drawSpaceStation,
    drawCometTown, drawRobotMars,   drawStarNebula, drawEarthFromMoon, drawRocketLaunch,
};
