// The farm set: ten pictures of farm life, each with one animal or machine
// big in the middle and its own sky colour, so that a child tells them apart
// even as small tiles: a cow in a blue-sky meadow, a pig in the mud under a
// peach afternoon, hens by their coop in the straw, a red tractor in the
// wheat, a horse by the fence at a lilac dawn, sheep on a teal-sky hill, a
// duck pond, the barn at sunset, a scarecrow in the corn and the apple
// harvest.  Characters are drawn in their own unit (enterLocal), feet or
// bottom at y = 0.
#include <cmath>

#include "art/set_motifs.h"
#include "art/set_pictures.h"

// ---- Shared by the farm scenes ------------------------------------------------

// A wooden rail fence from x0 to x1 standing on groundY.
static void railFence(cairo_t* cr, double x0, double x1, double groundY, double height, Rgba wood) {
    for (int rail = 0; rail < 2; rail++) {
        double ry = groundY - height * (0.3 + rail * 0.4);
        roundedRect(cr, x0, ry - height * 0.08, x1 - x0, height * 0.16, height * 0.05);
        fillGradientOutlined(cr, ry - height * 0.08, shade(wood, 0.2), ry + height * 0.08, wood,
                             INK, THIN);
    }
    for (double px = x0 + height * 0.3; px < x1; px += height * 1.1) {
        roundedRect(cr, px - height * 0.09, groundY - height, height * 0.18, height, height * 0.05);
        fillGradientOutlined(cr, groundY - height, shade(wood, 0.25), groundY, shade(wood, -0.1),
                             INK, THIN);
    }
}

// A sunflower with a smiling face on a tall stem.
static void sunflower(cairo_t* cr, double x, double groundY, double height, double r) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + 0.2, groundY - height * 0.4, x - 0.2, groundY - height * 0.7, x,
                   groundY - height);
    limb(cr, rgb(0x4caf3e), r * 0.28 + 0.1, THIN);
    for (int side = -1; side <= 1; side += 2) {
        double ly = groundY - height * (side < 0 ? 0.35 : 0.55);
        cairo_move_to(cr, x, ly);
        cairo_curve_to(cr, x + side * r * 0.6, ly - r * 0.6, x + side * r * 1.2, ly - r * 0.3,
                       x + side * r * 1.4, ly - r * 0.5);
        cairo_curve_to(cr, x + side * r * 1.1, ly + r * 0.1, x + side * r * 0.5, ly + r * 0.2, x,
                       ly);
        fillGradientOutlined(cr, ly - r * 0.6, rgb(0x8be05a), ly + r * 0.2, rgb(0x3f9a36), INK,
                             THIN);
    }
    flower(cr, x, groundY - height, r, rgb(0xffc81e), rgb(0x8a5020), 12);
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - height, r * 0.38, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0x9a5a28), INK, THIN);
    happyFace(cr, x, groundY - height + r * 0.02, r * 0.62);
}

// A round hay bale seen from its end.
static void hayBale(cairo_t* cr, double x, double groundY, double r) {
    disc(cr, x, groundY - r, r, rgb(0xffe27a), rgb(0xd8a83a));
    cairo_new_path(cr);
    for (int i = 1; i < 4; i++)
        cairo_arc(cr, x, groundY - r, r * i / 4.2, 0, 2 * M_PI), cairo_new_sub_path(cr);
    setColour(cr, rgb(0xa87a2a, 0.7));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
}

// An apple with a leaf.
static void apple(cairo_t* cr, double x, double y, double r, Rgba skin) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - r * 0.75);
    cairo_curve_to(cr, x + r * 0.6, y - r * 1.15, x + r * 1.15, y - r * 0.5, x + r * 0.95,
                   y + r * 0.2);
    cairo_curve_to(cr, x + r * 0.8, y + r * 0.9, x + r * 0.3, y + r * 1.05, x, y + r * 0.85);
    cairo_curve_to(cr, x - r * 0.3, y + r * 1.05, x - r * 0.8, y + r * 0.9, x - r * 0.95,
                   y + r * 0.2);
    cairo_curve_to(cr, x - r * 1.15, y - r * 0.5, x - r * 0.6, y - r * 1.15, x, y - r * 0.75);
    fillGradientOutlined(cr, y - r, shade(skin, 0.25), y + r, shade(skin, -0.15), INK, THIN * 1.2);
    cairo_move_to(cr, x, y - r * 0.7);
    cairo_line_to(cr, x + r * 0.1, y - r * 1.2);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.12);
    cairo_stroke(cr);
    ellipsePath(cr, x + r * 0.42, y - r * 1.08, r * 0.3, r * 0.14);
    fillOutlined(cr, rgb(0x6ad04a), INK, THIN * 0.8);
    shine(cr, x - r * 0.45, y - r * 0.3, r * 0.16, r * 0.28, 0.3, 0.6);
}

// A fluffy little chick facing the child.
static void chick(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.12, groundY - s * 0.15);
        cairo_line_to(cr, x + side * s * 0.14, groundY);
        cairo_rel_line_to(cr, side * s * 0.1, 0);
        setColour(cr, rgb(0xf08a20));
        cairo_set_line_width(cr, s * 0.06);
        cairo_stroke(cr);
    }
    oval(cr, x, groundY - s * 0.45, s * 0.4, s * 0.36, rgb(0xfff27a), rgb(0xffc82a), THIN * 1.2);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * s * 0.36, groundY - s * 0.42, s * 0.1, s * 0.18);
        fillOutlined(cr, rgb(0xffd83a), INK, THIN);
    }
    happyFace(cr, x, groundY - s * 0.52, s * 0.5);
    cairo_move_to(cr, x - s * 0.08, groundY - s * 0.5);
    cairo_line_to(cr, x + s * 0.08, groundY - s * 0.5);
    cairo_line_to(cr, x, groundY - s * 0.38);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff9a20), INK, THIN * 0.7);
    cairo_move_to(cr, x, groundY - s * 0.8);
    cairo_curve_to(cr, x - s * 0.05, groundY - s * 0.95, x + s * 0.1, groundY - s * 0.95,
                   x + s * 0.06, groundY - s * 0.85);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
}

// Daisies dotted over a band of grass.
static void daisies(cairo_t* cr, ArtRandom& random, int count, double x0, double y0, double x1,
                    double y1, double r) {
    for (int i = 0; i < count; i++)
        flower(cr, random.range(x0, x1), random.range(y0, y1), r * random.range(0.8, 1.2),
               i % 3 ? WHITE : rgb(0xffe04a), rgb(0xffb02e));
}

// ---- The cow in the meadow ---------------------------------------------------

// A cow facing the child, feet on y = 0, about one unit tall.
static void frontCow(cairo_t* cr, double x, double groundY, double size) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    cairo_move_to(cr, 0.4, -0.5);
    cairo_curve_to(cr, 0.62, -0.48, 0.55, -0.25, 0.62, -0.15);
    setColour(cr, INK);
    cairo_set_line_width(cr, 0.03);
    cairo_stroke(cr);
    oval(cr, 0.63, -0.12, 0.04, 0.06, rgb(0x3a2a30), rgb(0x3a2a30), T);
    const double legs[] = {-0.34, -0.15, 0.08, 0.27};
    for (int i = 0; i < 4; i++) {
        roundedRect(cr, legs[i], -0.4, 0.13, 0.4, 0.04);
        fillGradientOutlined(cr, -0.4, WHITE, 0, rgb(0xe0d8d0), INK, T);
        roundedRect(cr, legs[i], -0.07, 0.13, 0.07, 0.02);
        fillOutlined(cr, rgb(0x4a3a3a), INK, T);
    }
    oval(cr, 0, -0.46, 0.48, 0.27, WHITE, rgb(0xe6e0d8), L);
    cairo_save(cr);
    ellipsePath(cr, 0, -0.46, 0.48, 0.27);
    cairo_clip(cr);
    ellipsePath(cr, -0.32, -0.5, 0.14, 0.12);
    ellipsePath(cr, 0.34, -0.38, 0.16, 0.13);
    ellipsePath(cr, 0.1, -0.26, 0.1, 0.07);
    setColour(cr, rgb(0x3a2a30));
    cairo_fill(cr);
    cairo_restore(cr);
    ellipsePath(cr, 0.05, -0.22, 0.12, 0.05);
    fillOutlined(cr, rgb(0xffb8c8), INK, T);
    // Collar and bell.
    cairo_move_to(cr, -0.2, -0.55);
    cairo_curve_to(cr, -0.1, -0.48, 0.1, -0.48, 0.2, -0.55);
    limb(cr, rgb(0xe84a4a), 0.07, T);
    cairo_move_to(cr, -0.07, -0.52);
    cairo_curve_to(cr, -0.08, -0.42, -0.1, -0.38, -0.1, -0.36);
    cairo_line_to(cr, 0.1, -0.36);
    cairo_curve_to(cr, 0.1, -0.38, 0.08, -0.42, 0.07, -0.52);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.52, rgb(0xffe66a), -0.36, rgb(0xe0a020), INK, T);
    // Head: horns, ears, face, muzzle.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.13, -0.92);
        cairo_curve_to(cr, side * 0.2, -1.02, side * 0.24, -1.04, side * 0.27, -1.1);
        cairo_curve_to(cr, side * 0.28, -1.0, side * 0.24, -0.94, side * 0.21, -0.88);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xfff0c8), INK, T);
        cairo_save(cr);
        cairo_translate(cr, side * 0.33, -0.82);
        cairo_rotate(cr, side * 0.35);
        ellipsePath(cr, 0, 0, 0.15, 0.07);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0xf2e8e0), INK, T);
        cairo_save(cr);
        cairo_translate(cr, side * 0.35, -0.82);
        cairo_rotate(cr, side * 0.35);
        ellipsePath(cr, 0, 0, 0.09, 0.035);
        cairo_restore(cr);
        setColour(cr, rgb(0xffb0c0));
        cairo_fill(cr);
    }
    oval(cr, 0, -0.76, 0.25, 0.27, WHITE, rgb(0xeae4dc), L);
    cairo_save(cr);
    ellipsePath(cr, 0, -0.76, 0.25, 0.27);
    cairo_clip(cr);
    ellipsePath(cr, 0.16, -0.92, 0.12, 0.11);
    setColour(cr, rgb(0x3a2a30));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    for (int i = 0; i < 3; i++) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, -0.05 + i * 0.05, -1.0 + (i % 2) * 0.02, 0.045, 0, 2 * M_PI);
    }
    fillOutlined(cr, rgb(0x8a5a3a), INK, T * 0.8);
    for (int side = -1; side <= 1; side += 2)
        shinyEye(cr, side * 0.1, -0.8, 0.1);
    cheeks(cr, 0, -0.7, 0.38, 0.09);
    oval(cr, 0, -0.59, 0.2, 0.13, rgb(0xffc8d0), rgb(0xf49aaa), T);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * 0.08, -0.62, 0.026, 0.036);
        setColour(cr, rgb(0xa04a5a));
        cairo_fill(cr);
    }
    smile(cr, 0, -0.51, 0.14);
    shine(cr, -0.12, -0.9, 0.05, 0.025, -0.5, 0.7);
    cairo_restore(cr);
}

// A metal milk churn.
static void milkChurn(cairo_t* cr, double x, double groundY, double h) {
    cairo_move_to(cr, x - h * 0.28, groundY);
    cairo_line_to(cr, x - h * 0.28, groundY - h * 0.6);
    cairo_curve_to(cr, x - h * 0.28, groundY - h * 0.75, x - h * 0.14, groundY - h * 0.8,
                   x - h * 0.14, groundY - h * 0.9);
    cairo_line_to(cr, x + h * 0.14, groundY - h * 0.9);
    cairo_curve_to(cr, x + h * 0.14, groundY - h * 0.8, x + h * 0.28, groundY - h * 0.75,
                   x + h * 0.28, groundY - h * 0.6);
    cairo_line_to(cr, x + h * 0.28, groundY);
    cairo_close_path(cr);
    fillPatternOutlined(cr,
                        sideLitGradient(x - h * 0.28, x + h * 0.28, rgb(0xb8c0d0), 0.35,
                                        rgb(0xf4f8ff), rgb(0x8a90a8)),
                        INK, LINE);
    roundedRect(cr, x - h * 0.18, groundY - h, h * 0.36, h * 0.12, h * 0.04);
    fillOutlined(cr, rgb(0xe84a4a), INK, THIN);
    cairo_rectangle(cr, x - h * 0.28, groundY - h * 0.42, h * 0.56, h * 0.1);
    fillOutlined(cr, rgb(0x5ab0ff), INK, THIN);
}

static void drawCowMeadow(cairo_t* cr) {
    ArtRandom random(301);
    skyBand(cr, 7.5, rgb(0x3a9af0), rgb(0x7cc4f7), rgb(0xd8f0ff));
    sun(cr, 18.2, 1.8, 1.0);
    cloud(cr, 3.0, 1.6, 3.2);
    cloud(cr, 11.4, 1.1, 2.4);
    bird(cr, 14.4, 2.4, 0.28);
    bird(cr, 15.2, 2.9, 0.22);
    const double far[] = {0, 5.8, 5, 5.0, 10, 5.9, 15, 5.1, 20, 5.7};
    hill(cr, far, 5, 12.5, rgb(0xa8e07a), rgb(0x7cc458));
    roundTree(cr, 1.8, 6.2, 2.4, rgb(0x4fb048));
    roundTree(cr, 17.4, 6.0, 2.2, rgb(0x5fbf4a));
    railFence(cr, 3.5, 16.2, 6.6, 1.0, rgb(0xc89060));
    const double near[] = {0, 7.2, 7, 6.7, 14, 7.3, 20, 6.8};
    hill(cr, near, 4, 12.5, rgb(0x8fdc5a), rgb(0x3f9a36));
    daisies(cr, random, 26, 0.3, 7.6, 19.7, 12.0, 0.28);
    grassTufts(cr, 0, 20, 12.2, 0.5, rgb(0x3f9a36), random, 22);
    milkChurn(cr, 3.4, 11.3, 2.0);
    frontCow(cr, 9.8, 11.6, 8.4);
    // A calf beside its mother.
    frontCow(cr, 15.8, 11.4, 3.6);
    stemFlower(cr, 1.1, 12.2, 2.0, 0.55, rgb(0xff8fc7), rgb(0xffd84a), 0.2);
    stemFlower(cr, 19.0, 12.2, 2.2, 0.6, rgb(0xb48cff), rgb(0xffd84a), -0.2);
    butterfly(cr, 5.2, 4.6, 0.7, rgb(0xffa0d8), -0.3);
    butterfly(cr, 14.0, 5.2, 0.55, rgb(0xffd84a), 0.3);
    bee(cr, 18.6, 4.2, 0.6, 0.1);
}

// ---- The pig in the mud --------------------------------------------------------

// A round pink pig sitting and facing the child, bottom on y = 0.
static void sittingPig(cairo_t* cr, double x, double groundY, double size, bool muddy) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    Rgba pink = rgb(0xffb8c8), deep = rgb(0xf28aa4);
    cairo_move_to(cr, 0.42, -0.3);
    cairo_curve_to(cr, 0.6, -0.35, 0.62, -0.5, 0.52, -0.5);
    cairo_curve_to(cr, 0.44, -0.5, 0.5, -0.38, 0.6, -0.42);
    setColour(cr, INK);
    cairo_set_line_width(cr, 0.05);
    cairo_stroke_preserve(cr);
    setColour(cr, deep);
    cairo_set_line_width(cr, 0.025);
    cairo_stroke(cr);
    oval(cr, 0, -0.36, 0.46, 0.36, pink, deep, L);
    for (int side = -1; side <= 1; side += 2) {
        oval(cr, side * 0.36, -0.1, 0.15, 0.1, pink, deep, T);
        roundedRect(cr, side * 0.15 - 0.06, -0.32, 0.12, 0.32, 0.05);
        fillGradientOutlined(cr, -0.32, pink, 0, deep, INK, T);
        roundedRect(cr, side * 0.15 - 0.06, -0.07, 0.12, 0.07, 0.03);
        fillOutlined(cr, rgb(0xa05a6a), INK, T);
    }
    if (muddy) {
        const double spots[][3] = {{-0.28, -0.45, 0.08}, {0.25, -0.25, 0.06}, {0.3, -0.55, 0.05}};
        for (const auto& m : spots) {
            ellipsePath(cr, m[0], m[1], m[2], m[2] * 0.8);
            setColour(cr, rgb(0x8a5a3a, 0.85));
            cairo_fill(cr);
        }
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 0.1, -1.02);
        cairo_line_to(cr, side * 0.3, -1.14);
        cairo_line_to(cr, side * 0.3, -0.88);
        cairo_close_path(cr);
        fillGradientOutlined(cr, -1.14, pink, -0.88, deep, INK, T);
    }
    oval(cr, 0, -0.82, 0.3, 0.27, rgb(0xffd4de), pink, L);
    for (int side = -1; side <= 1; side += 2)
        shinyEye(cr, side * 0.12, -0.9, 0.1);
    cheeks(cr, 0, -0.78, 0.42, 0.1);
    oval(cr, 0, -0.76, 0.13, 0.09, rgb(0xff9ab4), deep, T);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * 0.045, -0.76, 0.022, 0.036);
        setColour(cr, rgb(0xa04a5a));
        cairo_fill(cr);
    }
    if (muddy) {
        ellipsePath(cr, 0.2, -0.98, 0.05, 0.035);
        setColour(cr, rgb(0x8a5a3a, 0.85));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, -0.7, 0.1, M_PI * 0.2, M_PI * 0.8);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xc8324a), INK, T);
    shine(cr, -0.12, -0.98, 0.06, 0.03, -0.5, 0.7);
    cairo_restore(cr);
}

// A wooden feeding trough.
static void trough(cairo_t* cr, double x, double groundY, double w) {
    cairo_move_to(cr, x, groundY - w * 0.3);
    cairo_line_to(cr, x + w, groundY - w * 0.3);
    cairo_line_to(cr, x + w * 0.9, groundY);
    cairo_line_to(cr, x + w * 0.1, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - w * 0.3, rgb(0xc89060), groundY, rgb(0x8a5a30), INK, LINE);
    for (int i = 0; i < 4; i++) {
        apple(cr, x + w * (0.22 + i * 0.19), groundY - w * 0.33, w * 0.07,
              i % 2 ? rgb(0xf0403a) : rgb(0x8ad040));
    }
}

static void drawPigMud(cairo_t* cr) {
    ArtRandom random(302);
    skyBand(cr, 7.0, rgb(0xffa86a), rgb(0xffcf94), rgb(0xfff0cc));
    sun(cr, 2.0, 1.7, 1.0);
    cloud(cr, 9.6, 1.3, 2.6, rgb(0xfff4e8));
    cloud(cr, 16.8, 2.0, 2.8, rgb(0xfff4e8));
    const double far[] = {0, 6.0, 6, 5.2, 12, 6.1, 20, 5.4};
    hill(cr, far, 4, 12.5, rgb(0xcde87a), rgb(0x9cc85a));
    for (int i = 0; i < 7; i++)
        sunflower(cr, 0.8 + i * 3.1, 7.6, random.range(2.6, 3.4), 0.65);
    railFence(cr, -0.2, 20.2, 7.8, 1.3, rgb(0xb07a4a));
    const double near[] = {0, 7.7, 10, 7.5, 20, 7.8};
    hill(cr, near, 3, 12.5, rgb(0xa8d860), rgb(0x6aaa3a));
    // The big mud puddle.
    cairo_new_path(cr);
    ellipsePath(cr, 10.0, 10.6, 7.6, 1.7);
    fillGradientOutlined(cr, 8.9, rgb(0xb07a4a), 12.3, rgb(0x7a4a2a), INK, LINE);
    ripples(cr, random, 10, 3.5, 9.6, 16.5, 11.6, rgb(0xd8a878, 0.8));
    sittingPig(cr, 10.0, 11.0, 6.4, true);
    sittingPig(cr, 4.6, 11.3, 2.6, true);
    sittingPig(cr, 15.6, 11.4, 2.4, false);
    trough(cr, 16.9, 9.3, 2.8);
    // Mud splashes flying up.
    const double drops[][3] = {{6.4, 7.9, 0.18},  {6.9, 7.2, 0.13}, {13.4, 7.6, 0.16},
                               {13.9, 7.0, 0.12}, {7.4, 8.6, 0.1},  {12.7, 8.5, 0.11}};
    for (const auto& d : drops)
        disc(cr, d[0], d[1], d[2], rgb(0xb07a4a), rgb(0x7a4a2a), THIN);
    grassTufts(cr, 0, 3.4, 12.2, 0.55, rgb(0x4f9a36), random, 5);
    grassTufts(cr, 16.6, 20, 12.2, 0.55, rgb(0x4f9a36), random, 5);
    stemFlower(cr, 1.2, 12.2, 1.6, 0.5, rgb(0xffffff), rgb(0xffc02e), 0.2);
    stemFlower(cr, 19.2, 12.2, 1.5, 0.5, rgb(0xff8fc7), rgb(0xffc02e), -0.2);
    butterfly(cr, 13.6, 3.6, 0.6, rgb(0x7fd6ff), 0.3);
    bird(cr, 5.6, 3.0, 0.26);
    bird(cr, 6.4, 2.6, 0.2);
}

// ---- Hens and chicks by the coop --------------------------------------------

// A plump hen seen from the side, facing left, feet on y = 0.
static void sideHen(cairo_t* cr, double x, double groundY, double size, Rgba feather) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    for (int i = 0; i < 2; i++) {
        cairo_move_to(cr, -0.05 + i * 0.14, -0.22);
        cairo_line_to(cr, -0.05 + i * 0.14, 0);
        cairo_rel_line_to(cr, -0.1, 0);
        setColour(cr, rgb(0xf09a20));
        cairo_set_line_width(cr, 0.04);
        cairo_stroke(cr);
    }
    // Tail feathers.
    for (int i = 0; i < 3; i++) {
        double a = -0.9 + i * 0.35;
        cairo_save(cr);
        cairo_translate(cr, 0.38, -0.5);
        cairo_rotate(cr, a);
        ellipsePath(cr, 0.16, 0, 0.2, 0.08);
        cairo_restore(cr);
        fillGradientOutlined(cr, -0.8, shade(feather, 0.2), -0.3, shade(feather, -0.2), INK, T);
    }
    cairo_move_to(cr, -0.3, -0.7);
    cairo_curve_to(cr, -0.5, -0.4, -0.35, -0.15, 0.0, -0.16);
    cairo_curve_to(cr, 0.35, -0.15, 0.5, -0.35, 0.45, -0.55);
    cairo_curve_to(cr, 0.3, -0.6, 0.05, -0.55, -0.05, -0.75);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.75, shade(feather, 0.2), -0.15, shade(feather, -0.15), INK, L);
    // Wing.
    cairo_move_to(cr, -0.05, -0.5);
    cairo_curve_to(cr, 0.1, -0.56, 0.3, -0.5, 0.32, -0.38);
    cairo_curve_to(cr, 0.2, -0.26, 0.02, -0.28, -0.05, -0.5);
    fillGradientOutlined(cr, -0.56, shade(feather, 0.1), -0.26, shade(feather, -0.25), INK, T);
    // Head with comb and wattle.
    for (int i = 0; i < 3; i++)
        disc(cr, -0.3 + i * 0.07, -0.92 + (i % 2) * -0.02, 0.055, rgb(0xff5a4a), rgb(0xd8302a), T);
    oval(cr, -0.33, -0.62, 0.035, 0.06, rgb(0xff5a4a), rgb(0xd8302a), T);
    disc(cr, -0.23, -0.76, 0.17, shade(feather, 0.25), feather, L);
    cairo_move_to(cr, -0.37, -0.8);
    cairo_line_to(cr, -0.5, -0.75);
    cairo_line_to(cr, -0.37, -0.7);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, T);
    shinyEye(cr, -0.28, -0.8, 0.08);
    ellipsePath(cr, -0.2, -0.72, 0.04, 0.025);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The hen house on legs, with a ramp, a round door and a hen looking out.
static void coop(cairo_t* cr, double x, double groundY, double w) {
    double floor = groundY - w * 0.3, top = floor - w * 0.6;
    for (int side = 0; side < 2; side++) {
        cairo_rectangle(cr, x + w * (0.08 + side * 0.76), floor, w * 0.08, w * 0.3);
        fillOutlined(cr, rgb(0x8a5a30), INK, THIN);
    }
    cairo_rectangle(cr, x, top, w, w * 0.6);
    fillGradientOutlined(cr, top, rgb(0xffd89a), floor, rgb(0xe0a860), INK, LINE);
    cairo_new_path(cr);
    for (int i = 1; i < 6; i++) {
        cairo_move_to(cr, x, top + w * 0.1 * i);
        cairo_line_to(cr, x + w, top + w * 0.1 * i);
    }
    setColour(cr, rgb(0xa87a40, 0.5));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_move_to(cr, x - w * 0.1, top + w * 0.02);
    cairo_line_to(cr, x + w * 0.5, top - w * 0.4);
    cairo_line_to(cr, x + w * 1.1, top + w * 0.02);
    cairo_close_path(cr);
    fillGradientOutlined(cr, top - w * 0.4, rgb(0xff6a5a), top, rgb(0xc03a30), INK, LINE);
    // Round door with a hen peeking.
    cairo_new_path(cr);
    cairo_arc(cr, x + w * 0.5, top + w * 0.33, w * 0.17, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0x5a3a2a), INK, LINE);
    cairo_save(cr);
    cairo_arc(cr, x + w * 0.5, top + w * 0.33, w * 0.17, 0, 2 * M_PI);
    cairo_clip(cr);
    disc(cr, x + w * 0.5, top + w * 0.4, w * 0.12, WHITE, rgb(0xe8e0d8), THIN);
    happyFace(cr, x + w * 0.5, top + w * 0.38, w * 0.17);
    cairo_restore(cr);
    // Ramp down to the yard.
    cairo_move_to(cr, x + w * 0.9, floor);
    cairo_line_to(cr, x + w * 1.35, groundY);
    limb(cr, rgb(0xc89060), w * 0.1, THIN);
    // A weathervane cockerel on the roof.
    cairo_move_to(cr, x + w * 0.5, top - w * 0.4);
    cairo_line_to(cr, x + w * 0.5, top - w * 0.62);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN * 1.3);
    cairo_stroke(cr);
    sideHen(cr, x + w * 0.5, top - w * 0.6, w * 0.3, rgb(0x5a4a6a));
}

// A straw nest with eggs.
static void nest(cairo_t* cr, double x, double groundY, double w) {
    for (int i = 0; i < 3; i++)
        oval(cr, x - w * 0.22 + i * w * 0.22, groundY - w * 0.32, w * 0.13, w * 0.17, rgb(0xfffaf0),
             rgb(0xf0dcc0), THIN);
    cairo_move_to(cr, x - w * 0.5, groundY - w * 0.3);
    cairo_curve_to(cr, x - w * 0.45, groundY + w * 0.05, x + w * 0.45, groundY + w * 0.05,
                   x + w * 0.5, groundY - w * 0.3);
    cairo_curve_to(cr, x + w * 0.2, groundY - w * 0.2, x - w * 0.2, groundY - w * 0.2, x - w * 0.5,
                   groundY - w * 0.3);
    fillGradientOutlined(cr, groundY - w * 0.3, rgb(0xf0c860), groundY, rgb(0xc8963a), INK, LINE);
}

static void drawHenCoop(cairo_t* cr) {
    ArtRandom random(303);
    skyBand(cr, 7.0, rgb(0xffe36a), rgb(0xfff2a8), rgb(0xfffbe4));
    sun(cr, 17.6, 1.7, 1.05);
    cloud(cr, 9.8, 1.4, 2.6);
    cloud(cr, 2.2, 1.2, 2.0);
    const double far[] = {0, 6.2, 7, 5.6, 14, 6.3, 20, 5.8};
    hill(cr, far, 4, 12.5, rgb(0xb8e07a), rgb(0x8cc45a));
    roundTree(cr, 12.4, 6.4, 2.0, rgb(0x5fbf4a));
    railFence(cr, 8.0, 20.2, 7.4, 1.1, rgb(0xd8a870));
    // The straw yard.
    const double yard[] = {0, 7.4, 10, 7.2, 20, 7.5};
    hill(cr, yard, 3, 12.5, rgb(0xfff0a0), rgb(0xe8c060));
    cairo_new_path(cr);
    for (int i = 0; i < 70; i++) {
        double sx = random.range(0, 20), sy = random.range(7.8, 12), a = random.range(-0.6, 0.6);
        cairo_move_to(cr, sx, sy);
        cairo_rel_line_to(cr, 0.35 * cos(a), 0.35 * sin(a));
    }
    setColour(cr, rgb(0xc8962a, 0.8));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    dotScatter(cr, random, 40, 5, 10.6, 19.5, 12, 0.05, 0.09, rgb(0xf0a020));
    coop(cr, 0.8, 9.6, 5.4);
    nest(cr, 6.6, 11.8, 2.0);
    sideHen(cr, 11.6, 11.2, 5.2, rgb(0xc8783a));
    chick(cr, 15.2, 11.5, 1.6);
    chick(cr, 17.1, 11.8, 1.4);
    chick(cr, 16.3, 9.9, 1.2);
    chick(cr, 18.7, 10.6, 1.3);
    chick(cr, 8.0, 9.6, 1.1);
    chick(cr, 1.4, 12.0, 1.2);
    chick(cr, 3.4, 12.1, 1.0);
    cloud(cr, 13.8, 3.0, 1.8);
    bird(cr, 5.6, 2.0, 0.26);
    roundTree(cr, 16.0, 6.2, 1.6, rgb(0x6cc850));
    sunflower(cr, 19.3, 7.4, 3.4, 0.7);
    butterfly(cr, 6.4, 4.0, 0.6, rgb(0xff8fc7), -0.3);
    bird(cr, 13.8, 3.0, 0.26);
    bird(cr, 14.6, 2.6, 0.2);
}

// ---- The red tractor ----------------------------------------------------------

// A tractor wheel: black tyre with treads and a yellow hub.
static void tractorWheel(cairo_t* cr, double x, double y, double r) {
    cairo_new_path(cr);
    for (int i = 0; i < 16; i++) {
        double a = i * M_PI / 8;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + cos(a) * r * 0.95, y + sin(a) * r * 0.95, r * 0.12, 0, 2 * M_PI);
    }
    setColour(cr, rgb(0x3a3440));
    cairo_fill(cr);
    disc(cr, x, y, r * 0.95, rgb(0x5a5460), rgb(0x2a2430));
    disc(cr, x, y, r * 0.55, rgb(0xffe66a), rgb(0xf0b020), THIN * 1.3);
    for (int i = 0; i < 6; i++) {
        double a = i * M_PI / 3;
        cairo_new_path(cr);
        cairo_arc(cr, x + cos(a) * r * 0.36, y + sin(a) * r * 0.36, r * 0.06, 0, 2 * M_PI);
        setColour(cr, rgb(0xc08a10));
        cairo_fill(cr);
    }
    disc(cr, x, y, r * 0.16, rgb(0xff6a5a), rgb(0xc03a30), THIN);
}

// A red tractor facing right with its farmer, wheels on groundY.
static void tractor(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    // Exhaust pipe and puffs.
    roundedRect(cr, x + s * 0.47, groundY - s * 0.98, s * 0.05, s * 0.4, s * 0.02);
    fillOutlined(cr, rgb(0x5a5460), INK, THIN);
    for (int i = 0; i < 3; i++)
        disc(cr, x + s * (0.45 - i * 0.12), groundY - s * (1.08 + i * 0.1), s * (0.05 + i * 0.03),
             rgb(0xffffff), rgb(0xd8dce8), THIN);
    // Cab.
    cairo_move_to(cr, x - s * 0.32, groundY - s * 0.5);
    cairo_line_to(cr, x - s * 0.3, groundY - s * 1.05);
    cairo_line_to(cr, x + s * 0.12, groundY - s * 1.05);
    cairo_line_to(cr, x + s * 0.16, groundY - s * 0.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 1.05, rgb(0xff6a5a), groundY - s * 0.5, rgb(0xc8302c),
                         INK, LINE);
    roundedRect(cr, x - s * 0.36, groundY - s * 1.12, s * 0.56, s * 0.08, s * 0.03);
    fillOutlined(cr, rgb(0xfff4e0), INK, THIN);
    roundedRect(cr, x - s * 0.24, groundY - s * 0.98, s * 0.32, s * 0.3, s * 0.04);
    fillOutlined(cr, rgb(0xd8f4ff), INK, THIN);
    // The farmer: face, straw hat.
    cairo_save(cr);
    roundedRect(cr, x - s * 0.24, groundY - s * 0.98, s * 0.32, s * 0.3, s * 0.04);
    cairo_clip(cr);
    oval(cr, x - s * 0.08, groundY - s * 0.72, s * 0.1, s * 0.08, rgb(0x5ab0ff), rgb(0x2a70d0),
         THIN);
    disc(cr, x - s * 0.08, groundY - s * 0.82, s * 0.08, rgb(0xffe0c8), rgb(0xf4c0a0), THIN);
    happyFace(cr, x - s * 0.08, groundY - s * 0.81, s * 0.13);
    oval(cr, x - s * 0.08, groundY - s * 0.9, s * 0.14, s * 0.025, rgb(0xffe27a), rgb(0xe0b040),
         THIN);
    cairo_new_path(cr);
    cairo_arc(cr, x - s * 0.08, groundY - s * 0.9, s * 0.07, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffe27a), INK, THIN);
    cairo_restore(cr);
    shine(cr, x + s * 0.02, groundY - s * 0.92, s * 0.04, s * 0.015, -0.6, 0.8);
    // Hood with a face at its front.
    roundedRect(cr, x + s * 0.1, groundY - s * 0.72, s * 0.62, s * 0.34, s * 0.08);
    fillGradientOutlined(cr, groundY - s * 0.72, rgb(0xff7a6a), groundY - s * 0.38, rgb(0xc8302c),
                         INK, LINE);
    cairo_new_path(cr);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, x + s * (0.2 + i * 0.08), groundY - s * 0.66);
        cairo_line_to(cr, x + s * (0.2 + i * 0.08), groundY - s * 0.46);
    }
    setColour(cr, rgb(0x8a1a1a, 0.6));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    for (int i = 0; i < 2; i++)
        disc(cr, x + s * (0.52 + i * 0.12), groundY - s * 0.62, s * 0.055, WHITE, rgb(0xe0e8f0),
             THIN);
    for (int i = 0; i < 2; i++)
        shinyEye(cr, x + s * (0.53 + i * 0.12), groundY - s * 0.615, s * 0.06);
    cheeks(cr, x + s * 0.6, groundY - s * 0.53, s * 0.2, s * 0.05);
    smile(cr, x + s * 0.6, groundY - s * 0.46, s * 0.1);
    roundedRect(cr, x + s * 0.7, groundY - s * 0.68, s * 0.06, s * 0.26, s * 0.02);
    fillOutlined(cr, rgb(0xb0b8c8), INK, THIN);
    // Chassis and wheels.
    roundedRect(cr, x - s * 0.4, groundY - s * 0.46, s * 1.14, s * 0.12, s * 0.04);
    fillOutlined(cr, rgb(0x4a3a4a), INK, THIN);
    tractorWheel(cr, x + s * 0.55, groundY - s * 0.19, s * 0.19);
    tractorWheel(cr, x - s * 0.2, groundY - s * 0.36, s * 0.36);
    // Mudguard over the big wheel.
    cairo_new_path(cr);
    cairo_arc(cr, x - s * 0.2, groundY - s * 0.36, s * 0.42, M_PI * 1.05, M_PI * 1.95);
    limb(cr, rgb(0xff6a5a), s * 0.07, THIN);
}

static void drawTractor(cairo_t* cr) {
    ArtRandom random(304);
    skyBand(cr, 6.0, rgb(0x2a7ae0), rgb(0x5aa8f0), rgb(0xb8e0ff));
    sun(cr, 2.2, 1.8, 1.1);
    cloud(cr, 14.2, 1.2, 2.6);
    cloud(cr, 18.4, 3.0, 2.2);
    bird(cr, 6.6, 2.2, 0.3);
    bird(cr, 7.4, 2.7, 0.22);
    // Wheat fields in stripes, far to near.
    const double far[] = {0, 5.6, 6, 5.0, 13, 5.7, 20, 5.2};
    hill(cr, far, 4, 12.5, rgb(0xa8d870), rgb(0x88c058));
    roundTree(cr, 15.0, 5.6, 1.6, rgb(0x5fbf4a));
    roundTree(cr, 16.4, 5.5, 1.3, rgb(0x6cc850));
    const double field[] = {0, 6.6, 8, 6.2, 20, 6.7};
    hill(cr, field, 3, 12.5, rgb(0xffe27a), rgb(0xf0b83a));
    cairo_new_path(cr);
    for (int i = 0; i < 9; i++) {
        double y = 7.1 + i * 0.6;
        cairo_move_to(cr, 0, y + 0.1);
        cairo_curve_to(cr, 6, y - 0.15, 14, y + 0.2, 20, y);
    }
    setColour(cr, rgb(0xd8962a, 0.55));
    cairo_set_line_width(cr, THIN * 1.4);
    cairo_stroke(cr);
    hayBale(cr, 1.7, 8.4, 1.1);
    hayBale(cr, 4.0, 8.0, 0.8);
    hayBale(cr, 18.2, 8.5, 1.2);
    // The tractor driving through.
    tractor(cr, 9.0, 11.2, 7.8);
    // Wheat ears along the front.
    for (int i = 0; i < 26; i++) {
        double wx = 0.3 + i * 0.78 + random.range(-0.15, 0.15);
        if (wx > 6.4 && wx < 15.2) continue;
        double top = 10.2 + random.range(-0.4, 0.4);
        cairo_move_to(cr, wx, 12.2);
        cairo_line_to(cr, wx, top);
        setColour(cr, rgb(0xc8962a));
        cairo_set_line_width(cr, THIN * 1.2);
        cairo_stroke(cr);
        oval(cr, wx, top - 0.25, 0.11, 0.3, rgb(0xffe27a), rgb(0xe0a830), THIN);
    }
    butterfly(cr, 17.0, 3.8, 0.6, rgb(0xff8fc7), 0.2);
}

// ---- The horse by the fence ----------------------------------------------------

// A horse seen from the side, facing left, feet on y = 0, one unit long.
static void horse(cairo_t* cr, double x, double groundY, double size, Rgba coat, Rgba mane) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    // Tail.
    cairo_move_to(cr, 0.42, -0.78);
    cairo_curve_to(cr, 0.62, -0.75, 0.62, -0.45, 0.55, -0.3);
    cairo_curve_to(cr, 0.5, -0.45, 0.46, -0.6, 0.4, -0.68);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -0.8, shade(mane, 0.2), -0.3, mane, INK, T);
    const double legs[] = {-0.32, -0.16, 0.2, 0.34};
    for (int i = 0; i < 4; i++) {
        Rgba c = i % 2 ? shade(coat, -0.12) : coat;
        roundedRect(cr, legs[i] - 0.05, -0.55, 0.1, 0.55, 0.04);
        fillGradientOutlined(cr, -0.55, c, 0, shade(c, -0.1), INK, T);
        roundedRect(cr, legs[i] - 0.055, -0.07, 0.11, 0.07, 0.02);
        fillOutlined(cr, rgb(0x4a3a3a), INK, T);
    }
    oval(cr, 0, -0.68, 0.46, 0.22, shade(coat, 0.2), shade(coat, -0.1), L);
    // Neck and head.
    cairo_move_to(cr, -0.42, -0.62);
    cairo_curve_to(cr, -0.5, -0.8, -0.5, -1.0, -0.46, -1.12);
    cairo_line_to(cr, -0.24, -1.12);
    cairo_curve_to(cr, -0.24, -0.95, -0.16, -0.8, -0.06, -0.8);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -1.12, shade(coat, 0.2), -0.62, coat, INK, L);
    for (int side = 0; side < 2; side++) {
        cairo_move_to(cr, -0.44 + side * 0.12, -1.2);
        cairo_line_to(cr, -0.42 + side * 0.12, -1.36);
        cairo_line_to(cr, -0.34 + side * 0.12, -1.2);
        cairo_close_path(cr);
        fillOutlined(cr, coat, INK, T);
    }
    cairo_save(cr);
    cairo_translate(cr, -0.5, -1.1);
    cairo_rotate(cr, -0.6);
    ellipsePath(cr, 0, 0, 0.26, 0.14);
    cairo_restore(cr);
    fillGradientOutlined(cr, -1.25, shade(coat, 0.25), -0.95, coat, INK, L);
    oval(cr, -0.62, -0.97, 0.1, 0.08, shade(coat, 0.45), shade(coat, 0.25), T);
    ellipsePath(cr, -0.66, -0.98, 0.02, 0.03);
    setColour(cr, INK);
    cairo_fill(cr);
    shinyEye(cr, -0.46, -1.16, 0.09);
    ellipsePath(cr, -0.4, -1.07, 0.05, 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    smile(cr, -0.58, -0.92, 0.1);
    // Mane along the back of the neck, and a forelock.
    cairo_move_to(cr, -0.34, -1.26);
    cairo_curve_to(cr, -0.24, -1.12, -0.22, -0.92, -0.08, -0.8);
    limb(cr, mane, 0.13, T);
    cairo_move_to(cr, -0.4, -1.26);
    cairo_curve_to(cr, -0.46, -1.3, -0.5, -1.26, -0.52, -1.22);
    limb(cr, mane, 0.08, T);
    shine(cr, 0.15, -0.84, 0.14, 0.03, 0.05, 0.5);
    cairo_restore(cr);
}

static void drawHorseFence(cairo_t* cr) {
    ArtRandom random(305);
    skyBand(cr, 7.0, rgb(0x9a7ae0), rgb(0xd8a8f0), rgb(0xffd8e8));
    // Purple mountains far away.
    cairo_move_to(cr, -0.5, 6.5);
    cairo_curve_to(cr, 1.5, 4.5, 3.0, 2.8, 4.5, 2.8);
    cairo_curve_to(cr, 6.0, 2.8, 7.5, 4.6, 9.5, 5.4);
    cairo_curve_to(cr, 11.5, 4.0, 13.0, 3.4, 14.5, 3.4);
    cairo_curve_to(cr, 16.5, 3.4, 18.5, 5.0, 20.5, 6.0);
    cairo_line_to(cr, 20.5, 7.0);
    cairo_line_to(cr, -0.5, 7.0);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 2.8, rgb(0x8a7ad0), 7.0, rgb(0xb8a0e8), INK, LINE);
    cairo_move_to(cr, 3.6, 3.5);
    cairo_curve_to(cr, 4.0, 3.0, 4.3, 2.8, 4.5, 2.8);
    cairo_curve_to(cr, 4.8, 2.8, 5.1, 3.0, 5.5, 3.5);
    cairo_line_to(cr, 4.9, 3.4);
    cairo_line_to(cr, 4.5, 3.8);
    cairo_line_to(cr, 4.1, 3.4);
    cairo_close_path(cr);
    fillOutlined(cr, WHITE, INK, THIN);
    sun(cr, 13.9, 4.4, 0.9);
    cloud(cr, 16.6, 1.2, 2.8, rgb(0xffe8f4));
    cloud(cr, 7.2, 1.0, 2.2, rgb(0xffe8f4));
    bird(cr, 12.2, 1.8, 0.26);
    bird(cr, 13.0, 2.3, 0.2);
    const double meadow[] = {0, 6.8, 8, 6.4, 20, 7.0};
    hill(cr, meadow, 3, 12.5, rgb(0xa0e07a), rgb(0x4fa83a));
    roundTree(cr, 18.4, 7.0, 3.0, rgb(0x5fbf4a));
    railFence(cr, -0.2, 20.2, 9.0, 1.8, rgb(0xfff4ea));
    horse(cr, 8.6, 11.8, 7.4, rgb(0xc0804a), rgb(0xfff0b0));
    // A foal beside her.
    horse(cr, 16.6, 11.6, 3.4, rgb(0xe8c8a0), rgb(0x8a5a3a));
    // A bluebird on a post and flowers along the path.
    bird(cr, 2.0, 5.8, 0.3);
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xffd84a), rgb(0xb48cff)};
    for (int i = 0; i < 10; i++)
        flower(cr, 0.6 + i * 2.1 + random.range(-0.3, 0.3), 11.7 + random.range(-0.2, 0.2), 0.32,
               petals[i % 4], rgb(0xffc02e));
    grassTufts(cr, 0, 20, 12.25, 0.4, rgb(0x3f9a36), random, 20);
    butterfly(cr, 2.4, 8.0, 0.55, rgb(0xffd84a), -0.2);
}

// ---- Sheep on the hill ----------------------------------------------------------

// Puffs of wool (x, y, radius) outlined as one shape `line` wide and filled.
static void woolPath(cairo_t* cr, const double (*puffs)[3], int count, double line) {
    cairo_new_path(cr);
    for (int i = 0; i < count; i++) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, puffs[i][0], puffs[i][1], puffs[i][2], 0, 2 * M_PI);
    }
    setColour(cr, INK);
    cairo_set_line_width(cr, line * 2);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xfffcf6));
    cairo_fill(cr);
}

// A woolly sheep facing the child, feet on y = 0, about one unit wide.
static void sheep(cairo_t* cr, double x, double groundY, double size) {
    enterLocal(cr, x, groundY, size);
    double L = LINE / size, T = THIN / size;
    for (int i = 0; i < 4; i++) {
        roundedRect(cr, -0.3 + i * 0.18, -0.3, 0.08, 0.3, 0.03);
        fillOutlined(cr, rgb(0x4a3a4a), INK, T);
    }
    const double wool[][3] = {{-0.32, -0.45, 0.18}, {-0.16, -0.58, 0.2}, {0.05, -0.62, 0.2},
                              {0.26, -0.55, 0.2},   {0.36, -0.4, 0.16},  {0.2, -0.32, 0.18},
                              {-0.05, -0.32, 0.2},  {-0.26, -0.32, 0.17}};
    woolPath(cr, wool, 8, L);
    cairo_new_path(cr);
    for (const auto& w : wool) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, w[0] * 0.9 + 0.01, w[1] * 0.9 - 0.05, w[2] * 0.5, M_PI * 1.1, M_PI * 1.6);
    }
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, 0.04);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, side * 0.2, -0.66);
        cairo_rotate(cr, side * 0.4);
        ellipsePath(cr, 0, 0, 0.1, 0.045);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0x5a4a5a), INK, T);
    }
    oval(cr, -0.02, -0.56, 0.15, 0.17, rgb(0x6a5a6a), rgb(0x4a3a4a), T * 1.2);
    const double top[][3] = {{-0.08, -0.72, 0.06}, {0.0, -0.75, 0.07}, {0.07, -0.71, 0.06}};
    woolPath(cr, top, 3, T);
    for (int side = -1; side <= 1; side += 2) {
        disc(cr, -0.02 + side * 0.06, -0.59, 0.04, WHITE, WHITE, T * 0.6);
        shinyEye(cr, -0.02 + side * 0.06, -0.585, 0.045);
    }
    cheeks(cr, -0.02, -0.5, 0.2, 0.05);
    cairo_new_path(cr);
    cairo_arc(cr, -0.02, -0.48, 0.04, M_PI * 0.2, M_PI * 0.8);
    setColour(cr, rgb(0xffb0c0));
    cairo_set_line_width(cr, 0.015);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A little windmill with four sails.
static void windmill(cairo_t* cr, double x, double groundY, double h) {
    cairo_move_to(cr, x - h * 0.2, groundY);
    cairo_line_to(cr, x - h * 0.13, groundY - h * 0.75);
    cairo_line_to(cr, x + h * 0.13, groundY - h * 0.75);
    cairo_line_to(cr, x + h * 0.2, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h * 0.75, rgb(0xfff8ee), groundY, rgb(0xe8d8c8), INK, LINE);
    cairo_move_to(cr, x - h * 0.17, groundY - h * 0.74);
    cairo_line_to(cr, x, groundY - h * 0.92);
    cairo_line_to(cr, x + h * 0.17, groundY - h * 0.74);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xe85a4a), INK, LINE);
    roundedRect(cr, x - h * 0.05, groundY - h * 0.2, h * 0.1, h * 0.2, h * 0.04);
    fillOutlined(cr, rgb(0xa86a3a), INK, THIN);
    double hubY = groundY - h * 0.72;
    for (int i = 0; i < 4; i++) {
        cairo_save(cr);
        cairo_translate(cr, x, hubY);
        cairo_rotate(cr, 0.4 + i * M_PI / 2);
        cairo_rectangle(cr, h * 0.05, -h * 0.07, h * 0.45, h * 0.14);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0xfff4d8), INK, THIN);
    }
    disc(cr, x, hubY, h * 0.05, rgb(0xffd54a), rgb(0xe0a020), THIN);
}

static void drawSheepHill(cairo_t* cr) {
    ArtRandom random(306);
    skyBand(cr, 8.0, rgb(0x2ab0b0), rgb(0x6ad8cc), rgb(0xc8f8ee));
    sun(cr, 10.4, 1.6, 0.85);
    cloud(cr, 2.4, 1.6, 2.8);
    cloud(cr, 16.4, 1.2, 3.0);
    cloud(cr, 6.2, 3.6, 1.8);
    bird(cr, 14.0, 3.6, 0.26);
    bird(cr, 14.7, 3.2, 0.2);
    const double back[] = {0, 7.0, 3, 5.4, 7, 7.4, 20, 6.8};
    hill(cr, back, 4, 12.5, rgb(0x9ce06a), rgb(0x6ac04a));
    windmill(cr, 3.0, 5.8, 3.6);
    // The big round hill the sheep stand on.
    const double big[] = {3, 12.5, 7, 6.6, 13, 6.0, 18, 8.0, 21, 9.0};
    hill(cr, big, 5, 12.5, rgb(0x8ce85a), rgb(0x3f9a36));
    const double front[] = {-1, 9.6, 4, 10.4, 9, 11.6};
    hill(cr, front, 3, 12.5, rgb(0x7ad050), rgb(0x4aa83a));
    daisies(cr, random, 18, 5.0, 8.2, 19.8, 12.0, 0.26);
    sheep(cr, 10.6, 10.8, 6.4);
    sheep(cr, 16.6, 9.6, 3.0);
    sheep(cr, 4.2, 11.6, 2.6);
    sheep(cr, 18.6, 11.9, 2.0);
    roundTree(cr, 15.8, 6.9, 2.0, rgb(0x4fb048));
    stemFlower(cr, 0.8, 12.2, 1.4, 0.45, rgb(0xff8fc7), rgb(0xffc02e), 0.2);
    butterfly(cr, 7.8, 5.6, 0.55, rgb(0xffa0d8), -0.2);
}

// ---- The duck pond --------------------------------------------------------------

// A duck swimming, facing left, waterline at y = 0.
static void duck(cairo_t* cr, double x, double waterY, double size, Rgba body, bool duckling) {
    enterLocal(cr, x, waterY, size);
    double L = LINE / size, T = THIN / size;
    cairo_move_to(cr, -0.42, -0.3);
    cairo_curve_to(cr, -0.45, -0.05, -0.2, 0.05, 0.1, 0.05);
    cairo_curve_to(cr, 0.35, 0.05, 0.5, -0.15, 0.55, -0.45);
    cairo_curve_to(cr, 0.35, -0.3, 0.2, -0.42, -0.05, -0.4);
    cairo_curve_to(cr, -0.2, -0.4, -0.3, -0.35, -0.42, -0.3);
    fillGradientOutlined(cr, -0.45, shade(body, 0.2), 0.05, shade(body, -0.12), INK, L);
    cairo_move_to(cr, -0.05, -0.3);
    cairo_curve_to(cr, 0.1, -0.36, 0.3, -0.3, 0.36, -0.2);
    cairo_curve_to(cr, 0.2, -0.1, 0.0, -0.12, -0.05, -0.3);
    fillGradientOutlined(cr, -0.36, shade(body, 0.05), -0.1, shade(body, -0.2), INK, T);
    disc(cr, -0.3, -0.6, 0.2, shade(body, 0.25), body, L);
    if (!duckling) {
        cairo_save(cr);
        disc(cr, -0.3, -0.6, 0.0001, body, body, 0);
        cairo_restore(cr);
    }
    cairo_move_to(cr, -0.46, -0.62);
    cairo_curve_to(cr, -0.6, -0.66, -0.66, -0.6, -0.68, -0.55);
    cairo_curve_to(cr, -0.6, -0.5, -0.52, -0.52, -0.46, -0.54);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff9a20), INK, T);
    shinyEye(cr, -0.35, -0.66, 0.08);
    ellipsePath(cr, -0.26, -0.56, 0.045, 0.028);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    shine(cr, -0.24, -0.72, 0.05, 0.025, -0.5, 0.7);
    cairo_restore(cr);
}

// A lily pad with an optional pink flower.
static void lilyPad(cairo_t* cr, double x, double y, double r, bool bloom) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_arc(cr, x, y, r, -1.3, 4.5);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.4);
    cairo_translate(cr, -x, -y);
    cairo_restore(cr);
    cairo_new_path(cr);
    ellipsePath(cr, x, y, r, r * 0.38);
    fillGradientOutlined(cr, y - r * 0.38, rgb(0x8ae05a), y + r * 0.38, rgb(0x3f9a36), INK, THIN);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + r * 0.9, y - r * 0.12);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    if (bloom) flower(cr, x - r * 0.2, y - r * 0.2, r * 0.45, rgb(0xffa8d0), rgb(0xffe04a), 8);
}

// A frog sitting, facing the child, bottom on y.
static void frog(cairo_t* cr, double x, double y, double s) {
    oval(cr, x, y - s * 0.3, s * 0.45, s * 0.3, rgb(0x8ae86a), rgb(0x4aa83a));
    for (int side = -1; side <= 1; side += 2) {
        disc(cr, x + side * s * 0.2, y - s * 0.6, s * 0.15, rgb(0x8ae86a), rgb(0x5ab84a));
        shinyEye(cr, x + side * s * 0.2, y - s * 0.6, s * 0.13);
        oval(cr, x + side * s * 0.38, y - s * 0.04, s * 0.16, s * 0.06, rgb(0x7ad85a),
             rgb(0x4aa83a), THIN);
    }
    cheeks(cr, x, y - s * 0.3, s * 0.55, s * 0.12);
    smile(cr, x, y - s * 0.24, s * 0.3);
}

// A bulrush: a stalk with a brown head.
static void bulrush(cairo_t* cr, double x, double groundY, double h, double lean) {
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x, groundY - h * 0.5, x + lean, groundY - h * 0.8, x + lean, groundY - h);
    limb(cr, rgb(0x6ac04a), 0.14, THIN);
    oval(cr, x + lean * 0.95, groundY - h * 0.82, 0.14, h * 0.12, rgb(0xb07a4a), rgb(0x7a4a2a),
         THIN);
}

static void drawDuckPond(cairo_t* cr) {
    ArtRandom random(307);
    skyBand(cr, 6.0, rgb(0x6ae0e8), rgb(0xa8f0f0), rgb(0xe8fff8));
    cloud(cr, 4.4, 1.4, 3.0);
    cloud(cr, 14.8, 1.8, 2.6);
    sun(cr, 10.0, 1.4, 0.8);
    const double far[] = {0, 5.2, 6, 4.6, 13, 5.3, 20, 4.8};
    hill(cr, far, 4, 12.5, rgb(0xa8e07a), rgb(0x6ac04a));
    roundTree(cr, 2.0, 5.5, 2.4, rgb(0x4fb048));
    roundTree(cr, 17.8, 5.2, 2.8, rgb(0x5fbf4a));
    roundTree(cr, 12.6, 5.0, 1.6, rgb(0x6cc850));
    // The pond.
    cairo_new_path(cr);
    ellipsePath(cr, 10.0, 9.0, 11.0, 3.8);
    fillGradientOutlined(cr, 5.2, rgb(0x8ae0ff), 12.8, rgb(0x2a8ad8), INK, LINE);
    ripples(cr, random, 16, 1.5, 6.5, 18.5, 11.8, rgb(0xffffff, 0.75));
    lilyPad(cr, 3.6, 10.6, 1.2, true);
    lilyPad(cr, 16.4, 11.2, 1.3, false);
    lilyPad(cr, 14.0, 7.4, 0.8, true);
    lilyPad(cr, 5.4, 7.2, 0.7, false);
    frog(cr, 16.4, 11.1, 1.6);
    duck(cr, 8.8, 9.8, 6.0, rgb(0xfffcf4), false);
    duck(cr, 12.8, 9.4, 1.8, rgb(0xffe04a), true);
    duck(cr, 14.8, 9.0, 1.6, rgb(0xffe04a), true);
    duck(cr, 16.5, 8.6, 1.4, rgb(0xffe04a), true);
    for (int i = 0; i < 5; i++)
        bulrush(cr, 0.3 + i * 0.45, 12.4, 3.4 + (i % 2) * 0.8, 0.2 - i * 0.1);
    for (int i = 0; i < 4; i++)
        bulrush(cr, 18.4 + i * 0.5, 12.4, 3.0 + (i % 2) * 0.9, -0.1 + i * 0.1);
    butterfly(cr, 7.2, 3.8, 0.5, rgb(0x7fd6ff), 0.2);
    bee(cr, 15.4, 4.2, 0.55, -0.1);
    bird(cr, 6.8, 2.4, 0.26);
}

// ---- The barn at sunset -----------------------------------------------------------

// A red barn with a friendly face: two round loft windows for eyes, the door a smile.
static void smilingBarn(cairo_t* cr, double x, double groundY, double w) {
    double h = w * 0.55, eaves = groundY - h, ridge = eaves - w * 0.45;
    cairo_move_to(cr, x, groundY);
    cairo_line_to(cr, x, eaves);
    cairo_line_to(cr, x + w * 0.2, ridge + w * 0.12);
    cairo_line_to(cr, x + w * 0.5, ridge);
    cairo_line_to(cr, x + w * 0.8, ridge + w * 0.12);
    cairo_line_to(cr, x + w, eaves);
    cairo_line_to(cr, x + w, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, ridge, rgb(0xff6a50), groundY, rgb(0xb02a30), INK, LINE);
    cairo_new_path(cr);
    for (int i = 1; i < 10; i++) {
        cairo_move_to(cr, x + w * i / 10, groundY);
        cairo_line_to(cr, x + w * i / 10, eaves - (i < 5 ? i : 10 - i) * w * 0.06);
    }
    setColour(cr, rgb(0x7a1a20, 0.35));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_move_to(cr, x - w * 0.06, eaves + w * 0.03);
    cairo_line_to(cr, x + w * 0.2, ridge + w * 0.1);
    cairo_line_to(cr, x + w * 0.5, ridge - w * 0.03);
    cairo_line_to(cr, x + w * 0.8, ridge + w * 0.1);
    cairo_line_to(cr, x + w * 1.06, eaves + w * 0.03);
    limb(cr, rgb(0xfff4e4), w * 0.06, THIN);
    // Eyes: round loft windows lit from inside.
    for (int side = -1; side <= 1; side += 2) {
        double ex = x + w * (0.5 + side * 0.17), ey = eaves - w * 0.1;
        disc(cr, ex, ey, w * 0.1, rgb(0xfff4b0), rgb(0xffc84a));
        shinyEye(cr, ex, ey + w * 0.01, w * 0.1);
    }
    cheeks(cr, x + w * 0.5, eaves + w * 0.05, w * 0.56, w * 0.1);
    // The door, its top arched like a smile.
    double dw = w * 0.4, dx = x + w * 0.3, dTop = groundY - h * 0.62;
    cairo_move_to(cr, dx, groundY);
    cairo_line_to(cr, dx, dTop);
    cairo_curve_to(cr, dx + dw * 0.3, dTop + h * 0.12, dx + dw * 0.7, dTop + h * 0.12, dx + dw,
                   dTop);
    cairo_line_to(cr, dx + dw, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, dTop, rgb(0xffd86a), groundY, rgb(0xf0a030), INK, LINE);
    cairo_new_path(cr);
    cairo_move_to(cr, dx + dw / 2, dTop + h * 0.09);
    cairo_line_to(cr, dx + dw / 2, groundY);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
}

// An owl perched, facing the child.
static void perchedOwl(cairo_t* cr, double x, double y, double s) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.15, y - s * 0.5);
        cairo_line_to(cr, x + side * s * 0.32, y - s * 0.72);
        cairo_line_to(cr, x + side * s * 0.35, y - s * 0.4);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0x9a7a6a), INK, THIN);
    }
    oval(cr, x, y - s * 0.38, s * 0.36, s * 0.42, rgb(0xb89a8a), rgb(0x7a5a4a));
    oval(cr, x, y - s * 0.22, s * 0.2, s * 0.2, rgb(0xfff0d8), rgb(0xe8d0b0), THIN);
    for (int side = -1; side <= 1; side += 2) {
        disc(cr, x + side * s * 0.14, y - s * 0.52, s * 0.13, WHITE, rgb(0xf0f0f0), THIN);
        shinyEye(cr, x + side * s * 0.14, y - s * 0.52, s * 0.14);
    }
    cairo_move_to(cr, x - s * 0.05, y - s * 0.42);
    cairo_line_to(cr, x + s * 0.05, y - s * 0.42);
    cairo_line_to(cr, x, y - s * 0.32);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, THIN);
}

// A cat curled on a hay bale, facing the child.
static void cat(cairo_t* cr, double x, double y, double s, Rgba fur) {
    cairo_move_to(cr, x + s * 0.35, y - s * 0.1);
    cairo_curve_to(cr, x + s * 0.7, y - s * 0.1, x + s * 0.7, y - s * 0.5, x + s * 0.55,
                   y - s * 0.6);
    limb(cr, fur, s * 0.14, THIN);
    oval(cr, x, y - s * 0.25, s * 0.42, s * 0.26, shade(fur, 0.2), fur);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.1, y - s * 0.75);
        cairo_line_to(cr, x + side * s * 0.28, y - s * 0.9);
        cairo_line_to(cr, x + side * s * 0.3, y - s * 0.62);
        cairo_close_path(cr);
        fillOutlined(cr, fur, INK, THIN);
    }
    disc(cr, x, y - s * 0.58, s * 0.28, shade(fur, 0.25), fur);
    happyFace(cr, x, y - s * 0.56, s * 0.42);
}

static void drawBarnSunset(cairo_t* cr) {
    ArtRandom random(308);
    const Rgba dusk[] = {rgb(0x5a3a9a), rgb(0xc85a9a), rgb(0xff8a5a), rgb(0xffc86a)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 8.0, dusk, 4);
    dotScatter(cr, random, 30, 0, 0, 20, 2.2, 0.03, 0.06, rgb(0xffffff, 0.9));
    twinkle(cr, 3.0, 1.0, 0.25, rgb(0xfff08a));
    twinkle(cr, 17.4, 0.8, 0.22, rgb(0xfff08a));
    sun(cr, 16.4, 6.4, 1.6);
    cloud(cr, 5.4, 2.6, 2.6, rgb(0xffd0e0));
    cloud(cr, 12.4, 1.8, 2.0, rgb(0xffd0e0));
    bird(cr, 8.6, 3.6, 0.3);
    bird(cr, 9.4, 4.1, 0.22);
    const double far[] = {0, 7.0, 6, 6.4, 13, 7.2, 20, 6.6};
    hill(cr, far, 4, 12.5, rgb(0x9a6ab0), rgb(0x7a4a90));
    const double near[] = {0, 8.4, 8, 8.0, 20, 8.6};
    hill(cr, near, 3, 12.5, rgb(0x6ab85a), rgb(0x3a7a3a));
    roundTree(cr, 1.6, 8.6, 3.2, rgb(0x3f8a48));
    smilingBarn(cr, 5.0, 11.0, 9.2);
    perchedOwl(cr, 9.6, 3.6, 1.4);
    hayBale(cr, 16.6, 11.6, 1.3);
    cat(cr, 16.6, 9.0, 1.6, rgb(0xff9a4a));
    // A lantern by the door and fireflies.
    cairo_move_to(cr, 3.2, 11.5);
    cairo_line_to(cr, 3.2, 8.8);
    limb(cr, rgb(0x8a5a3a), 0.2, THIN);
    softGlow(cr, 3.2, 8.6, 1.2, rgb(0xfff0a0, 0.7));
    roundedRect(cr, 2.95, 8.3, 0.5, 0.6, 0.1);
    fillOutlined(cr, rgb(0xffe27a), INK, THIN);
    for (int i = 0; i < 14; i++) {
        double fx = random.range(0.5, 19.5), fy = random.range(8.5, 12);
        if (fx > 4.6 && fx < 14.6 && fy < 11) continue;
        softGlow(cr, fx, fy, 0.25, rgb(0xfff890, 0.8));
    }
    grassTufts(cr, 0, 20, 12.3, 0.5, rgb(0x2f6a3a), random, 22);
    sideHen(cr, 13.6, 11.9, 1.2, WHITE);
}

// ---- The scarecrow in the corn ---------------------------------------------------

// A stalk of corn with two cobs.
static void cornStalk(cairo_t* cr, double x, double groundY, double h, double lean) {
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x, groundY - h * 0.5, x + lean, groundY - h * 0.8, x + lean, groundY - h);
    limb(cr, rgb(0x7ac850), 0.2, THIN);
    for (int i = 0; i < 3; i++) {
        double ly = groundY - h * (0.3 + i * 0.22), side = i % 2 ? 1 : -1;
        cairo_move_to(cr, x + lean * 0.3, ly);
        cairo_curve_to(cr, x + side * 0.5, ly - 0.5, x + side * 0.9, ly - 0.3, x + side * 1.2,
                       ly + 0.1);
        cairo_curve_to(cr, x + side * 0.8, ly - 0.1, x + side * 0.4, ly - 0.05, x + lean * 0.3,
                       ly + 0.15);
        fillGradientOutlined(cr, ly - 0.5, rgb(0x9ae06a), ly + 0.15, rgb(0x4aa83a), INK, THIN);
    }
    for (int i = 0; i < 2; i++) {
        double cy = groundY - h * (0.45 + i * 0.2), side = i % 2 ? -1 : 1;
        cairo_save(cr);
        cairo_translate(cr, x + side * 0.22, cy);
        cairo_rotate(cr, side * 0.35);
        ellipsePath(cr, 0, 0, 0.17, 0.42);
        cairo_restore(cr);
        fillGradientOutlined(cr, cy - 0.42, rgb(0xfff07a), cy + 0.42, rgb(0xf0b030), INK, THIN);
    }
}

// A pumpkin with a friendly face.
static void pumpkin(cairo_t* cr, double x, double groundY, double r) {
    for (int i = -1; i <= 1; i++)
        oval(cr, x + i * r * 0.42, groundY - r * 0.75, r * 0.55, r * 0.75, rgb(0xffb04a),
             rgb(0xe8701a));
    oval(cr, x, groundY - r * 0.75, r * 0.5, r * 0.76, rgb(0xffc05a), rgb(0xf07a20));
    cairo_move_to(cr, x, groundY - r * 1.45);
    cairo_line_to(cr, x + r * 0.1, groundY - r * 1.8);
    limb(cr, rgb(0x6ab04a), r * 0.22, THIN);
    happyFace(cr, x, groundY - r * 0.72, r * 0.9);
}

// A friendly crow, facing left.
static void crow(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x + s * 0.3, y - s * 0.2);
    cairo_line_to(cr, x + s * 0.65, y - s * 0.35);
    cairo_line_to(cr, x + s * 0.6, y - s * 0.05);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x4a3a6a), INK, THIN);
    oval(cr, x, y - s * 0.25, s * 0.38, s * 0.26, rgb(0x6a5a8a), rgb(0x3a2a5a));
    disc(cr, x - s * 0.25, y - s * 0.55, s * 0.2, rgb(0x6a5a8a), rgb(0x4a3a6a));
    cairo_move_to(cr, x - s * 0.42, y - s * 0.58);
    cairo_line_to(cr, x - s * 0.62, y - s * 0.5);
    cairo_line_to(cr, x - s * 0.42, y - s * 0.46);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffc03a), INK, THIN);
    disc(cr, x - s * 0.28, y - s * 0.6, s * 0.07, WHITE, WHITE, THIN * 0.6);
    shinyEye(cr, x - s * 0.29, y - s * 0.6, s * 0.08);
    ellipsePath(cr, x - s * 0.18, y - s * 0.48, s * 0.05, s * 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

// The scarecrow on its pole, arms out, facing the child.
static void scarecrow(cairo_t* cr, double x, double groundY, double s) {
    cairo_rectangle(cr, x - s * 0.03, groundY - s * 0.7, s * 0.06, s * 0.7);
    fillOutlined(cr, rgb(0x9a6a3a), INK, THIN);
    // Arms with straw hands.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = -1; i <= 1; i++) {
            cairo_move_to(cr, x + side * s * 0.5, groundY - s * 0.66);
            cairo_line_to(cr, x + side * s * 0.62, groundY - s * (0.66 + i * 0.05));
        }
        setColour(cr, rgb(0xe8b83a));
        cairo_set_line_width(cr, s * 0.02);
        cairo_stroke(cr);
    }
    roundedRect(cr, x - s * 0.52, groundY - s * 0.71, s * 1.04, s * 0.1, s * 0.04);
    fillGradientOutlined(cr, groundY - s * 0.71, rgb(0x6ab0ff), groundY - s * 0.61, rgb(0x3a80d8),
                         INK, LINE);
    // Shirt with a patch and trousers.
    cairo_move_to(cr, x - s * 0.18, groundY - s * 0.72);
    cairo_line_to(cr, x + s * 0.18, groundY - s * 0.72);
    cairo_line_to(cr, x + s * 0.2, groundY - s * 0.38);
    cairo_line_to(cr, x - s * 0.2, groundY - s * 0.38);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.72, rgb(0x6ab0ff), groundY - s * 0.38, rgb(0x3a80d8),
                         INK, LINE);
    roundedRect(cr, x + s * 0.04, groundY - s * 0.55, s * 0.1, s * 0.09, s * 0.01);
    fillOutlined(cr, rgb(0xff7a8a), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        roundedRect(cr, x + side * s * 0.1 - s * 0.07, groundY - s * 0.4, s * 0.14, s * 0.3,
                    s * 0.03);
        fillGradientOutlined(cr, groundY - s * 0.4, rgb(0xb08a5a), groundY - s * 0.1, rgb(0x8a6a3a),
                             INK, THIN);
    }
    for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, x - s * 0.14 + i * s * 0.09, groundY - s * 0.11);
        cairo_line_to(cr, x - s * 0.15 + i * s * 0.1, groundY - s * 0.05);
    }
    setColour(cr, rgb(0xe8b83a));
    cairo_set_line_width(cr, s * 0.02);
    cairo_stroke(cr);
    // Head, straw hair and hat.
    double hy = groundY - s * 0.84;
    for (int i = 0; i < 7; i++) {
        cairo_move_to(cr, x - s * 0.12 + i * s * 0.04, hy - s * 0.06);
        cairo_line_to(cr, x - s * 0.2 + i * s * 0.066, hy + s * 0.08);
    }
    setColour(cr, rgb(0xf0c040));
    cairo_set_line_width(cr, s * 0.02);
    cairo_stroke(cr);
    disc(cr, x, hy, s * 0.14, rgb(0xfff0c8), rgb(0xf0d098));
    happyFace(cr, x, hy + s * 0.01, s * 0.22, true);
    ellipsePath(cr, x, hy - s * 0.1, s * 0.24, s * 0.04);
    fillGradientOutlined(cr, hy - s * 0.14, rgb(0xffe27a), hy - s * 0.06, rgb(0xd8a83a), INK, THIN);
    cairo_move_to(cr, x - s * 0.12, hy - s * 0.11);
    cairo_curve_to(cr, x - s * 0.12, hy - s * 0.26, x + s * 0.12, hy - s * 0.26, x + s * 0.12,
                   hy - s * 0.11);
    cairo_close_path(cr);
    fillGradientOutlined(cr, hy - s * 0.25, rgb(0xffe27a), hy - s * 0.11, rgb(0xd8a83a), INK, THIN);
    cairo_rectangle(cr, x - s * 0.12, hy - s * 0.15, s * 0.24, s * 0.03);
    fillOutlined(cr, rgb(0xe84a4a), INK, THIN * 0.7);
}

static void drawScarecrowCorn(cairo_t* cr) {
    ArtRandom random(309);
    skyBand(cr, 7.0, rgb(0x8ad8c0), rgb(0xc8f0d8), rgb(0xfff4d0));
    sun(cr, 6.6, 1.6, 0.9);
    cloud(cr, 2.6, 1.5, 2.4);
    cloud(cr, 16.8, 1.3, 2.6);
    const double far[] = {0, 6.0, 7, 5.5, 14, 6.2, 20, 5.6};
    hill(cr, far, 4, 12.5, rgb(0xd8e87a), rgb(0xb8d05a));
    for (int i = 0; i < 9; i++)
        cornStalk(cr, 0.6 + i * 2.4, 8.4, 3.0, random.range(-0.2, 0.2));
    const double near[] = {0, 8.2, 10, 7.9, 20, 8.3};
    hill(cr, near, 3, 12.5, rgb(0xb8a860), rgb(0x8a7040));
    for (int i = 0; i < 3; i++) {
        cornStalk(cr, 1.2 + i * 2.0, 12.6, 6.6 - i * 0.6, random.range(-0.2, 0.2));
        cornStalk(cr, 18.8 - i * 2.0, 12.6, 6.6 - i * 0.6, random.range(-0.2, 0.2));
    }
    scarecrow(cr, 10.0, 12.4, 10.6);
    crow(cr, 5.0, 5.0, 1.3);
    crow(cr, 15.8, 4.2, 1.1);
    crow(cr, 13.9, 2.7, 0.8);
    pumpkin(cr, 6.9, 12.2, 1.0);
    pumpkin(cr, 13.3, 12.2, 0.85);
    pumpkin(cr, 11.7, 12.4, 0.55);
}

// ---- The apple harvest ------------------------------------------------------------

// A wicker basket brimming with apples.
static void appleBasket(cairo_t* cr, double x, double groundY, double w, ArtRandom& random) {
    const Rgba skins[] = {rgb(0xf0403a), rgb(0x8ad040), rgb(0xffc83a), rgb(0xe8303a)};
    for (int i = 0; i < 7; i++)
        apple(cr, x - w * 0.36 + i * w * 0.12,
              groundY - w * 0.5 - (i % 2) * w * 0.08 - (i > 1 && i < 5) * w * 0.08, w * 0.1,
              skins[random.below(4)]);
    cairo_move_to(cr, x - w * 0.5, groundY - w * 0.5);
    cairo_line_to(cr, x + w * 0.5, groundY - w * 0.5);
    cairo_line_to(cr, x + w * 0.4, groundY);
    cairo_line_to(cr, x - w * 0.4, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - w * 0.5, rgb(0xe8b870), groundY, rgb(0xb07a3a), INK, LINE);
    cairo_new_path(cr);
    for (int i = 1; i < 4; i++) {
        cairo_move_to(cr, x - w * (0.5 - i * 0.025), groundY - w * 0.5 + i * w * 0.125);
        cairo_line_to(cr, x + w * (0.5 - i * 0.025), groundY - w * 0.5 + i * w * 0.125);
    }
    setColour(cr, rgb(0x8a5a2a, 0.6));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    happyFace(cr, x, groundY - w * 0.25, w * 0.35);
}

// A hedgehog carrying an apple on its spines, facing left.
static void appleHedgehog(cairo_t* cr, double x, double groundY, double s) {
    cairo_new_path(cr);
    for (int i = 0; i < 11; i++) {
        double a = M_PI * (1.05 + i * 0.09);
        cairo_move_to(cr, x + cos(a) * s * 0.35 + s * 0.08, groundY - s * 0.3 + sin(a) * s * 0.28);
        cairo_line_to(cr, x + cos(a) * s * 0.55 + s * 0.08, groundY - s * 0.3 + sin(a) * s * 0.5);
        cairo_line_to(cr, x + cos(a + 0.12) * s * 0.35 + s * 0.08,
                      groundY - s * 0.3 + sin(a + 0.12) * s * 0.28);
    }
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x7a5a4a), INK, THIN);
    oval(cr, x + s * 0.08, groundY - s * 0.3, s * 0.42, s * 0.3, rgb(0x9a7a6a), rgb(0x6a4a3a));
    apple(cr, x + s * 0.1, groundY - s * 0.78, s * 0.18, rgb(0xf0403a));
    cairo_move_to(cr, x - s * 0.2, groundY - s * 0.45);
    cairo_curve_to(cr, x - s * 0.4, groundY - s * 0.4, x - s * 0.55, groundY - s * 0.25,
                   x - s * 0.58, groundY - s * 0.15);
    cairo_curve_to(cr, x - s * 0.45, groundY - s * 0.05, x - s * 0.25, groundY - s * 0.05,
                   x - s * 0.15, groundY - s * 0.1);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.45, rgb(0xf4dcc0), groundY, rgb(0xd8b890), INK, LINE);
    disc(cr, x - s * 0.58, groundY - s * 0.16, s * 0.04, rgb(0x3a2a30), rgb(0x3a2a30), THIN);
    shinyEye(cr, x - s * 0.36, groundY - s * 0.28, s * 0.07);
    ellipsePath(cr, x - s * 0.3, groundY - s * 0.18, s * 0.05, s * 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    for (int i = 0; i < 2; i++)
        oval(cr, x - s * 0.12 + i * s * 0.3, groundY - s * 0.03, s * 0.07, s * 0.04, rgb(0xd8b890),
             rgb(0xb89870), THIN);
}

// An apple tree with red apples in its crown.
static void appleTree(cairo_t* cr, double x, double groundY, double h, ArtRandom& random) {
    roundTree(cr, x, groundY, h, rgb(0x5abf4a));
    double crownY = groundY - h + h * 0.3;
    for (int i = 0; i < 7; i++)
        apple(cr, x + random.range(-h * 0.38, h * 0.38), crownY + random.range(-h * 0.2, h * 0.22),
              h * 0.045, rgb(0xf0403a));
}

static void drawAppleHarvest(cairo_t* cr) {
    ArtRandom random(310);
    skyBand(cr, 7.0, rgb(0xff9ab8), rgb(0xffc8d8), rgb(0xfff0f0));
    cloud(cr, 10.0, 1.2, 2.4);
    cloud(cr, 3.0, 2.4, 1.8);
    cloud(cr, 6.6, 0.9, 1.6);
    cloud(cr, 14.2, 3.4, 1.6);
    bird(cr, 7.4, 3.4, 0.24);
    sun(cr, 17.8, 1.6, 0.9);
    bird(cr, 13.0, 2.0, 0.26);
    bird(cr, 13.8, 1.6, 0.2);
    const double far[] = {0, 6.0, 6, 5.4, 14, 6.1, 20, 5.6};
    hill(cr, far, 4, 12.5, rgb(0xb8e88a), rgb(0x8ccc60));
    for (int i = 0; i < 6; i++)
        appleTree(cr, 1.2 + i * 3.5, 6.2, 1.8, random);
    const double near[] = {0, 7.6, 10, 7.2, 20, 7.7};
    hill(cr, near, 3, 12.5, rgb(0x93dc62), rgb(0x4fa83a));
    appleTree(cr, 3.4, 10.2, 6.8, random);
    appleTree(cr, 16.8, 10.0, 6.4, random);
    // A ladder leaning on the right tree.
    cairo_new_path(cr);
    cairo_move_to(cr, 13.2, 11.6);
    cairo_line_to(cr, 14.6, 5.6);
    cairo_move_to(cr, 14.1, 11.6);
    cairo_line_to(cr, 15.4, 5.8);
    for (int i = 1; i < 8; i++) {
        double t = i / 8.0;
        cairo_move_to(cr, 13.2 + 1.4 * t, 11.6 - 6.0 * t);
        cairo_line_to(cr, 14.1 + 1.3 * t, 11.6 - 5.8 * t);
    }
    limb(cr, rgb(0xd8a060), 0.18, THIN);
    appleBasket(cr, 9.2, 11.8, 5.4, random);
    appleHedgehog(cr, 17.2, 12.0, 3.6);
    for (int i = 0; i < 5; i++)
        apple(cr, 1.0 + i * 1.3, 11.6 + (i % 2) * 0.3, 0.3, i % 2 ? rgb(0x8ad040) : rgb(0xf0403a));
    stemFlower(cr, 0.6, 10.6, 1.4, 0.4, rgb(0xffffff), rgb(0xffc02e), 0.2);
    grassTufts(cr, 0, 20, 12.3, 0.4, rgb(0x3f9a36), random, 20);
    butterfly(cr, 9.4, 4.6, 0.6, rgb(0xffd84a), 0.2);
    bee(cr, 6.6, 3.4, 0.55, -0.1);
}

const PictureDrawer FARM_SET_DRAWERS[SET_PICTURE_COUNT] = {
    drawCowMeadow, drawPigMud,   drawHenCoop,    drawTractor,       drawHorseFence,
    drawSheepHill, drawDuckPond, drawBarnSunset, drawScarecrowCorn, drawAppleHarvest,
};
