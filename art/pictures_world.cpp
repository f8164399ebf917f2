// Pictures of faraway places: a rocket in space, the forest and a snowy
// evening (whose moon is the one from space).  Same style and rules as the
// other pictures: everything alive has a face, and every part of the board
// holds something to find.
#include <cmath>

#include "art/pictures.h"

// ---- 3: rocket in space --------------------------------------------------------------

// Half of a planet's tilted ring, from angle `from` to `to` (radians).
static void ringHalf(cairo_t* cr, double x, double y, double r, double from, double to) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, -0.25);
    cairo_scale(cr, 1, 0.28);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, r * 1.75, from, to);
    cairo_restore(cr);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.3);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xffe08a));
    cairo_set_line_width(cr, r * 0.2);
    cairo_stroke(cr);
}

// A planet with an optional ring.
static void planet(cairo_t* cr, double x, double y, double r, Rgba colour, bool ring) {
    if (ring) ringHalf(cr, x, y, r, M_PI, 2 * M_PI); // behind the planet
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r * 1.1);
    Rgba light = shade(colour, 0.35), dark = shade(colour, -0.35);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    fillPatternOutlined(cr, g, INK, LINE);
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int i = 0; i < 3; i++) {
        ellipsePath(cr, x - r * 0.2 + i * r * 0.1, y - r * 0.45 + i * r * 0.42, r * 1.2, r * 0.09);
        setColour(cr, Rgba{light.r, light.g, light.b, 0.5});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (ring) ringHalf(cr, x, y, r, 0, M_PI); // in front of it
}

// The rocket, pointing up and to the right, with a child astronaut at the window.
static void rocket(cairo_t* cr, double x, double y, double size, double tilt) {
    double s = size;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    // Flame and its glow.
    softGlow(cr, 0, s * 1.25, s * 0.9, rgb(0xffd04a, 0.6));
    cairo_move_to(cr, -s * 0.3, s * 0.85);
    cairo_curve_to(cr, -s * 0.35, s * 1.3, -s * 0.1, s * 1.55, 0, s * 1.9);
    cairo_curve_to(cr, s * 0.1, s * 1.55, s * 0.35, s * 1.3, s * 0.3, s * 0.85);
    cairo_close_path(cr);
    fillGradientOutlined(cr, s * 0.85, rgb(0xffe04a), s * 1.9, rgb(0xff6a2a), INK, THIN);
    cairo_move_to(cr, -s * 0.15, s * 0.85);
    cairo_curve_to(cr, -s * 0.15, s * 1.15, -s * 0.05, s * 1.3, 0, s * 1.45);
    cairo_curve_to(cr, s * 0.05, s * 1.3, s * 0.15, s * 1.15, s * 0.15, s * 0.85);
    cairo_close_path(cr);
    setColour(cr, rgb(0xfffbe0));
    cairo_fill(cr);
    // Fins.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * s * 0.38, s * 0.1);
        cairo_curve_to(cr, side * s * 0.75, s * 0.35, side * s * 0.75, s * 0.7, side * s * 0.72,
                       s * 1.0);
        cairo_line_to(cr, side * s * 0.35, s * 0.78);
        cairo_close_path(cr);
        fillGradientOutlined(cr, s * 0.1, rgb(0xff6a5a), s * 1.0, rgb(0xc02a3a), INK, LINE);
    }
    // Body.
    cairo_move_to(cr, -s * 0.4, s * 0.9);
    cairo_curve_to(cr, -s * 0.55, s * 0.1, -s * 0.45, -s * 0.8, 0, -s * 1.35);
    cairo_curve_to(cr, s * 0.45, -s * 0.8, s * 0.55, s * 0.1, s * 0.4, s * 0.9);
    cairo_close_path(cr);
    fillPatternOutlined(cr,
                        sideLitGradient(-s * 0.5, s * 0.5, {0.82, 0.86, 0.94, 1}, 0.35,
                                        {1, 1, 1, 1}, {0.7, 0.74, 0.86, 1}),
                        INK, LINE);
    // Nose cone.
    cairo_move_to(cr, -s * 0.33, -s * 0.72);
    cairo_curve_to(cr, -s * 0.25, -s * 1.0, -s * 0.15, -s * 1.2, 0, -s * 1.35);
    cairo_curve_to(cr, s * 0.15, -s * 1.2, s * 0.25, -s * 1.0, s * 0.33, -s * 0.72);
    cairo_curve_to(cr, s * 0.1, -s * 0.78, -s * 0.1, -s * 0.78, -s * 0.33, -s * 0.72);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -s * 1.35, rgb(0xff8a7a), -s * 0.72, rgb(0xd83a3a), INK, LINE);
    // Window with the astronaut.
    cairo_new_path(cr);
    cairo_arc(cr, 0, -s * 0.18, s * 0.3, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffd54a), INK, LINE);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -s * 0.18, s * 0.23, 0, 2 * M_PI);
    fillGradientOutlined(cr, -s * 0.4, rgb(0xbfeaff), s * 0.05, rgb(0x6ab8f0), INK, THIN);
    cairo_save(cr);
    cairo_arc(cr, 0, -s * 0.18, s * 0.23, 0, 2 * M_PI);
    cairo_clip(cr);
    ellipsePath(cr, 0, -s * 0.12, s * 0.17, s * 0.16);
    fillOutlined(cr, rgb(0xffd8b8), INK, THIN * 0.8);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -s * 0.2, s * 0.18, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x8a5a3a), INK, THIN * 0.8);
    happyFace(cr, 0, -s * 0.1, s * 0.22);
    cairo_restore(cr);
    shine(cr, -s * 0.1, -s * 0.3, s * 0.08, s * 0.04, -0.7, 0.9);
    // Stripe and rivets.
    cairo_rectangle(cr, -s * 0.47, s * 0.35, s * 0.94, s * 0.12);
    setColour(cr, rgb(0x5ab0ff));
    cairo_fill(cr);
    shine(cr, -s * 0.22, s * 0.1, s * 0.05, s * 0.35, 0, 0.7);
    cairo_restore(cr);
}

// The moon with craters and a sleepy smile.
static void moon(cairo_t* cr, double x, double y, double r) {
    softGlow(cr, x, y, r * 1.8, rgb(0xfff6c8, 0.35));
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fillGradientOutlined(cr, y - r, rgb(0xfffbe0), y + r, rgb(0xf0d890), INK, LINE);
    const double craters[][3] = {
        {-0.45, -0.4, 0.16}, {0.5, -0.3, 0.12}, {0.4, 0.5, 0.14}, {-0.55, 0.35, 0.1}};
    for (const auto& c : craters) {
        cairo_new_path(cr);
        cairo_arc(cr, x + c[0] * r, y + c[1] * r, c[2] * r, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xe8c878), rgb(0xc8a858), THIN * 0.6);
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, x + side * r * 0.28, y - r * 0.05, r * 0.12, M_PI * 0.15, M_PI * 0.85);
        setColour(cr, INK);
        cairo_set_line_width(cr, r * 0.06);
        cairo_stroke(cr);
        ellipsePath(cr, x + side * r * 0.45, y + r * 0.2, r * 0.13, r * 0.08);
        setColour(cr, CHEEK);
        cairo_fill(cr);
    }
    cairo_arc(cr, x, y + r * 0.15, r * 0.18, M_PI * 0.2, M_PI * 0.8);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.06);
    cairo_stroke(cr);
}

// A flying saucer with a little green friend waving.
static void saucer(cairo_t* cr, double x, double y, double size) {
    double s = size;
    // Light beam.
    cairo_move_to(cr, x - s * 0.3, y + s * 0.2);
    cairo_line_to(cr, x + s * 0.3, y + s * 0.2);
    cairo_line_to(cr, x + s * 0.7, y + s * 1.3);
    cairo_line_to(cr, x - s * 0.7, y + s * 1.3);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + s * 1.3);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.6, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.6, 0);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
    // Dome with the alien.
    cairo_new_path(cr);
    cairo_arc(cr, x, y - s * 0.15, s * 0.42, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xd8f4ff, 0.9), INK, LINE);
    cairo_move_to(cr, x - s * 0.1, y - s * 0.45);
    cairo_line_to(cr, x - s * 0.15, y - s * 0.62);
    cairo_move_to(cr, x + s * 0.1, y - s * 0.45);
    cairo_line_to(cr, x + s * 0.15, y - s * 0.62);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    ellipsePath(cr, x, y - s * 0.28, s * 0.22, s * 0.2);
    fillOutlined(cr, rgb(0x8ae86a), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.15, y - s * 0.62, s * 0.05, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xffd54a), INK, THIN * 0.6);
    }
    happyFace(cr, x, y - s * 0.28, s * 0.3);
    // Saucer.
    ellipsePath(cr, x, y, s * 0.95, s * 0.3);
    fillGradientOutlined(cr, y - s * 0.3, rgb(0xe0e4f0), y + s * 0.3, rgb(0x9aa0c0), INK, LINE);
    for (int i = 0; i < 5; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, x - s * 0.6 + i * s * 0.3, y + s * 0.05, s * 0.07, 0, 2 * M_PI);
        fillOutlined(cr, i % 2 ? rgb(0xff8fc7) : rgb(0xffe04a), INK, THIN * 0.6);
    }
}

void drawSpace(cairo_t* cr) {
    ArtRandom random(103);
    const Rgba night[] = {rgb(0x1a1848), rgb(0x2e2470), rgb(0x5a3a90)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT, night, 3);
    // A soft band of stardust across the sky.
    cairo_save(cr);
    cairo_translate(cr, 10, 6);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.18);
    softGlow(cr, 0, 0, 12, rgb(0x9a7ad8, 0.35));
    cairo_restore(cr);
    for (int i = 0; i < 220; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0, 20), random.range(0, 12), random.range(0.02, 0.06), 0,
                  2 * M_PI);
        setColour(cr, rgb(0xffffff, random.range(0.4, 0.95)));
        cairo_fill(cr);
    }
    const double stars[][3] = {{1.2, 4.6, 0.3},  {6.4, 1.0, 0.25},   {9.4, 5.6, 0.22},
                               {13.2, 0.9, 0.3}, {19.0, 5.4, 0.26},  {11.5, 10.8, 0.28},
                               {4.8, 8.2, 0.2},  {17.0, 10.2, 0.22}, {8.0, 9.5, 0.18}};
    for (const auto& s : stars)
        twinkle(cr, s[0], s[1], s[2], rgb(0xfff08a));
    moon(cr, 2.8, 2.2, 1.45);
    planet(cr, 4.2, 10.2, 1.6, rgb(0xffa64a), true);
    planet(cr, 17.6, 2.2, 0.95, rgb(0x5ad8a0), false);
    planet(cr, 8.6, 3.0, 0.45, rgb(0xff7ab0), false);
    // A comet streaking across the top.
    cairo_move_to(cr, 10.4, 1.8);
    cairo_line_to(cr, 14.2, 0.4);
    cairo_line_to(cr, 10.6, 2.2);
    cairo_close_path(cr);
    cairo_pattern_t* tail = cairo_pattern_create_linear(10.5, 2.0, 14.2, 0.4);
    cairo_pattern_add_color_stop_rgba(tail, 0, 1, 0.95, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(tail, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, tail);
    cairo_pattern_destroy(tail);
    cairo_fill(cr);
    twinkle(cr, 10.45, 2.0, 0.28, rgb(0xfff6c0));
    saucer(cr, 16.4, 8.4, 1.7);
    rocket(cr, 10.8, 6.4, 2.3, 0.45);
}

// ---- 7: forest with animals --------------------------------------------------------

// A fox sitting, facing the child.
static void fox(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    Rgba fur = rgb(0xff8a3a);
    // Tail curling round.
    cairo_move_to(cr, x + s * 0.3, groundY - s * 0.1);
    cairo_curve_to(cr, x + s * 1.0, groundY - s * 0.05, x + s * 1.1, groundY - s * 0.6, x + s * 0.8,
                   groundY - s * 0.85);
    cairo_curve_to(cr, x + s * 0.75, groundY - s * 0.5, x + s * 0.6, groundY - s * 0.35,
                   x + s * 0.3, groundY - s * 0.35);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.85, shade(fur, 0.2), groundY, fur, INK, LINE);
    cairo_move_to(cr, x + s * 0.8, groundY - s * 0.85);
    cairo_curve_to(cr, x + s * 0.95, groundY - s * 0.7, x + s * 0.95, groundY - s * 0.6,
                   x + s * 0.92, groundY - s * 0.55);
    cairo_curve_to(cr, x + s * 0.85, groundY - s * 0.6, x + s * 0.8, groundY - s * 0.7, x + s * 0.8,
                   groundY - s * 0.85);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffffff), INK, THIN);
    // Body.
    cairo_move_to(cr, x - s * 0.38, groundY);
    cairo_curve_to(cr, x - s * 0.45, groundY - s * 0.5, x - s * 0.3, groundY - s * 0.8, x,
                   groundY - s * 0.8);
    cairo_curve_to(cr, x + s * 0.3, groundY - s * 0.8, x + s * 0.45, groundY - s * 0.5,
                   x + s * 0.38, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.8, shade(fur, 0.2), groundY, fur, INK, LINE);
    ellipsePath(cr, x, groundY - s * 0.35, s * 0.2, s * 0.3);
    setColour(cr, rgb(0xfff4e8));
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * s * 0.17, groundY - s * 0.04, s * 0.12, s * 0.07);
        fillOutlined(cr, rgb(0x5a3a3a), INK, THIN);
    }
    // Head with ears.
    double hy = groundY - s * 0.95;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.12, hy - s * 0.2);
        cairo_line_to(cr, x + side * s * 0.35, hy - s * 0.55);
        cairo_line_to(cr, x + side * s * 0.38, hy - s * 0.1);
        cairo_close_path(cr);
        fillOutlined(cr, fur, INK, THIN);
        cairo_move_to(cr, x + side * s * 0.2, hy - s * 0.2);
        cairo_line_to(cr, x + side * s * 0.33, hy - s * 0.42);
        cairo_line_to(cr, x + side * s * 0.33, hy - s * 0.16);
        cairo_close_path(cr);
        setColour(cr, rgb(0x5a3a3a));
        cairo_fill(cr);
    }
    cairo_move_to(cr, x - s * 0.42, hy - s * 0.05);
    cairo_curve_to(cr, x - s * 0.4, hy - s * 0.35, x + s * 0.4, hy - s * 0.35, x + s * 0.42,
                   hy - s * 0.05);
    cairo_curve_to(cr, x + s * 0.3, hy + s * 0.15, x + s * 0.12, hy + s * 0.3, x, hy + s * 0.32);
    cairo_curve_to(cr, x - s * 0.12, hy + s * 0.3, x - s * 0.3, hy + s * 0.15, x - s * 0.42,
                   hy - s * 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, hy - s * 0.3, shade(fur, 0.25), hy + s * 0.3, fur, INK, LINE);
    cairo_move_to(cr, x - s * 0.3, hy + s * 0.05);
    cairo_curve_to(cr, x - s * 0.15, hy + s * 0.02, x - s * 0.05, hy + s * 0.1, x, hy + s * 0.32);
    cairo_curve_to(cr, x + s * 0.05, hy + s * 0.1, x + s * 0.15, hy + s * 0.02, x + s * 0.3,
                   hy + s * 0.05);
    cairo_curve_to(cr, x + s * 0.2, hy + s * 0.25, x + s * 0.1, hy + s * 0.32, x, hy + s * 0.32);
    cairo_curve_to(cr, x - s * 0.1, hy + s * 0.32, x - s * 0.2, hy + s * 0.25, x - s * 0.3,
                   hy + s * 0.05);
    cairo_close_path(cr);
    setColour(cr, rgb(0xfff4e8));
    cairo_fill(cr);
    ellipsePath(cr, x, hy + s * 0.26, s * 0.05, s * 0.04);
    setColour(cr, INK);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        shinyEye(cr, x + side * s * 0.14, hy - s * 0.04, s * 0.12);
        ellipsePath(cr, x + side * s * 0.26, hy + s * 0.08, s * 0.06, s * 0.035);
        setColour(cr, CHEEK);
        cairo_fill(cr);
    }
}

// A round owl sitting on a branch.
static void owl(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba feathers = rgb(0xa87a5a);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.2, y - s * 0.45);
        cairo_line_to(cr, x + side * s * 0.38, y - s * 0.72);
        cairo_line_to(cr, x + side * s * 0.42, y - s * 0.38);
        cairo_close_path(cr);
        fillOutlined(cr, feathers, INK, THIN);
    }
    ellipsePath(cr, x, y, s * 0.45, s * 0.55);
    fillGradientOutlined(cr, y - s * 0.55, shade(feathers, 0.2), y + s * 0.55,
                         shade(feathers, -0.15), INK, LINE);
    ellipsePath(cr, x, y + s * 0.18, s * 0.28, s * 0.32);
    setColour(cr, rgb(0xf4e0c0));
    cairo_fill(cr);
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, x - s * 0.12 + i * s * 0.12, y + s * 0.2 + (i % 2) * s * 0.1, s * 0.05, 0,
                  M_PI);
        setColour(cr, shade(feathers, -0.1));
        cairo_set_line_width(cr, THIN * 0.8);
        cairo_stroke(cr);
    }
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * s * 0.4, y + s * 0.1, s * 0.1, s * 0.28);
        fillOutlined(cr, shade(feathers, -0.1), INK, THIN);
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.18, y - s * 0.2, s * 0.17, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xfffbe8), INK, THIN);
        shinyEye(cr, x + side * s * 0.18, y - s * 0.19, s * 0.17);
    }
    cairo_move_to(cr, x - s * 0.06, y - s * 0.06);
    cairo_line_to(cr, x + s * 0.06, y - s * 0.06);
    cairo_line_to(cr, x, y + s * 0.06);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, THIN * 0.7);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, x + side * s * 0.12, y + s * 0.55, s * 0.06, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xffa020), INK, THIN * 0.7);
    }
}

// A hedgehog walking to the left.
static void hedgehog(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    cairo_new_path(cr);
    for (int i = 0; i <= 12; i++) {
        double a = M_PI + i * M_PI / 12;
        double r = i % 2 ? s * 0.55 : s * 0.7;
        double px = x + s * 0.1 + cos(a) * r * 1.1, py = groundY - s * 0.1 + sin(a) * r;
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.8, rgb(0x9a6a4a), groundY, rgb(0x6a4a3a), INK, LINE);
    for (int side = 0; side < 2; side++) {
        ellipsePath(cr, x - s * 0.2 + side * s * 0.5, groundY - s * 0.05, s * 0.1, s * 0.07);
        fillOutlined(cr, rgb(0x5a3a3a), INK, THIN);
    }
    double hx = x - s * 0.55, hy = groundY - s * 0.25;
    cairo_move_to(cr, hx + s * 0.25, hy - s * 0.3);
    cairo_curve_to(cr, hx - s * 0.05, hy - s * 0.3, hx - s * 0.3, hy - s * 0.05, hx - s * 0.4,
                   hy + s * 0.05);
    cairo_curve_to(cr, hx - s * 0.2, hy + s * 0.2, hx + s * 0.1, hy + s * 0.25, hx + s * 0.25,
                   hy + s * 0.2);
    cairo_close_path(cr);
    fillGradientOutlined(cr, hy - s * 0.3, rgb(0xffe8c8), hy + s * 0.25, rgb(0xf0c8a0), INK, LINE);
    cairo_new_path(cr);
    cairo_arc(cr, hx - s * 0.4, hy + s * 0.04, s * 0.06, 0, 2 * M_PI);
    setColour(cr, INK);
    cairo_fill(cr);
    shinyEye(cr, hx - s * 0.05, hy - s * 0.08, s * 0.13);
    ellipsePath(cr, hx - s * 0.12, hy + s * 0.1, s * 0.06, s * 0.035);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

// A white bunny sitting, facing the child.
static void bunny(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    Rgba fur = rgb(0xfaf6fa);
    ellipsePath(cr, x + s * 0.35, groundY - s * 0.3, s * 0.12, s * 0.12);
    fillOutlined(cr, fur, INK, THIN);
    ellipsePath(cr, x, groundY - s * 0.35, s * 0.38, s * 0.36);
    fillGradientOutlined(cr, groundY - s * 0.7, fur, groundY, rgb(0xe0d8e8), INK, LINE);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * s * 0.18, groundY - s * 0.04, s * 0.14, s * 0.07);
        fillOutlined(cr, fur, INK, THIN);
        ellipsePath(cr, x + side * s * 0.14, groundY - s * 1.25, s * 0.1, s * 0.35);
        fillOutlined(cr, fur, INK, THIN);
        ellipsePath(cr, x + side * s * 0.14, groundY - s * 1.22, s * 0.05, s * 0.25);
        setColour(cr, rgb(0xffb0c8));
        cairo_fill(cr);
    }
    double hy = groundY - s * 0.8;
    ellipsePath(cr, x, hy, s * 0.3, s * 0.27);
    fillGradientOutlined(cr, hy - s * 0.27, fur, hy + s * 0.27, rgb(0xe8e0ee), INK, LINE);
    happyFace(cr, x, hy + s * 0.02, s * 0.42);
    ellipsePath(cr, x, hy + s * 0.03, s * 0.04, s * 0.03);
    setColour(cr, rgb(0xff8fa8));
    cairo_fill(cr);
}

// A squirrel sitting with its big tail, facing right.
static void squirrel(cairo_t* cr, double x, double y, double size) {
    double s = size;
    Rgba fur = rgb(0xd8743a);
    cairo_move_to(cr, x - s * 0.15, y + s * 0.3);
    cairo_curve_to(cr, x - s * 0.9, y + s * 0.3, x - s * 0.9, y - s * 0.8, x - s * 0.3,
                   y - s * 0.7);
    cairo_curve_to(cr, x - s * 0.6, y - s * 0.4, x - s * 0.5, y, x - s * 0.1, y + s * 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, y - s * 0.8, shade(fur, 0.25), y + s * 0.3, fur, INK, LINE);
    ellipsePath(cr, x, y + s * 0.05, s * 0.25, s * 0.3);
    fillGradientOutlined(cr, y - s * 0.25, shade(fur, 0.2), y + s * 0.35, fur, INK, LINE);
    ellipsePath(cr, x + s * 0.05, y + s * 0.1, s * 0.12, s * 0.18);
    setColour(cr, rgb(0xfff0d8));
    cairo_fill(cr);
    // Acorn in its paws.
    ellipsePath(cr, x + s * 0.22, y + s * 0.05, s * 0.08, s * 0.1);
    fillOutlined(cr, rgb(0xc8904a), INK, THIN * 0.7);
    cairo_new_path(cr);
    cairo_arc(cr, x + s * 0.22, y - s * 0.04, s * 0.09, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x7a5030), INK, THIN * 0.7);
    double hx = x + s * 0.1, hy = y - s * 0.35;
    cairo_move_to(cr, hx - s * 0.1, hy - s * 0.15);
    cairo_line_to(cr, hx - s * 0.05, hy - s * 0.38);
    cairo_line_to(cr, hx + s * 0.08, hy - s * 0.15);
    cairo_close_path(cr);
    fillOutlined(cr, fur, INK, THIN);
    ellipsePath(cr, hx, hy, s * 0.22, s * 0.2);
    fillGradientOutlined(cr, hy - s * 0.2, shade(fur, 0.25), hy + s * 0.2, fur, INK, LINE);
    happyFace(cr, hx + s * 0.03, hy, s * 0.32);
}

// A forest tree with a tall trunk and a dark round crown.
static void forestTree(cairo_t* cr, double x, double groundY, double height, double width,
                       Rgba crown) {
    cairo_move_to(cr, x - width * 0.14, groundY);
    cairo_curve_to(cr, x - width * 0.1, groundY - height * 0.4, x - width * 0.1,
                   groundY - height * 0.7, x - width * 0.08, groundY - height * 0.75);
    cairo_line_to(cr, x + width * 0.08, groundY - height * 0.75);
    cairo_curve_to(cr, x + width * 0.1, groundY - height * 0.7, x + width * 0.1,
                   groundY - height * 0.4, x + width * 0.14, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - height, rgb(0xa87a4a), groundY, rgb(0x6a4a2a), INK, LINE);
    double cy = groundY - height * 0.78;
    const double blobs[][3] = {
        {-0.3, 0.05, 0.32}, {0.3, 0.05, 0.32}, {0, -0.15, 0.4}, {0, 0.12, 0.3}};
    crownPath(cr, blobs, 4, x, cy, width);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - width * 0.55, 0, cy + width * 0.45);
    Rgba light = shade(crown, 0.25), dark = shade(crown, -0.2);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
}

void drawForest(cairo_t* cr) {
    ArtRandom random(107);
    const Rgba light[] = {rgb(0xd8f4b0), rgb(0xf4f8c8), rgb(0xb8e090)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 8, light, 3);
    // Far trees as soft silhouettes.
    for (int i = 0; i < 9; i++) {
        double x = 0.5 + i * 2.4 + random.range(-0.3, 0.3);
        ellipsePath(cr, x, 4.6 + random.range(-0.4, 0.3), 1.5, 2.2);
        setColour(cr, rgb(0x9ad08a, 0.8));
        cairo_fill(cr);
    }
    // Sunbeams.
    for (int i = 0; i < 4; i++) {
        double x = 3 + i * 4.5;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 1.0, 0);
        cairo_line_to(cr, x + 3.0, 9);
        cairo_line_to(cr, x + 1.6, 9);
        cairo_close_path(cr);
        setColour(cr, rgb(0xffffe0, 0.35));
        cairo_fill(cr);
    }
    const double ground[] = {0, 7.4, 6, 7.0, 13, 7.5, 20, 7.1};
    hill(cr, ground, 4, 12.5, rgb(0x9ad862), rgb(0x5aa83a));
    // The path winding towards the front.
    cairo_move_to(cr, 9.4, 7.3);
    cairo_curve_to(cr, 8.8, 8.4, 11.8, 9.2, 10.2, 10.4);
    cairo_curve_to(cr, 9.2, 11.2, 8.0, 11.6, 7.6, 12.5);
    cairo_line_to(cr, 12.0, 12.5);
    cairo_curve_to(cr, 12.4, 11.4, 13.2, 10.6, 12.6, 9.9);
    cairo_curve_to(cr, 12.0, 9.0, 9.8, 8.4, 10.4, 7.3);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 7.3, rgb(0xf5e0b0), 12.5, rgb(0xe0c080), INK, LINE);
    forestTree(cr, 1.4, 8.4, 8.0, 3.0, rgb(0x3a9a4a));
    forestTree(cr, 6.0, 7.6, 6.6, 2.6, rgb(0x4aa84a));
    forestTree(cr, 14.2, 7.8, 7.4, 2.8, rgb(0x3a9a4a));
    forestTree(cr, 18.8, 8.6, 8.2, 3.0, rgb(0x4aa84a));
    // The owl's branch on the right-hand tree.
    cairo_move_to(cr, 14.3, 4.6);
    cairo_curve_to(cr, 15.0, 4.4, 15.8, 4.6, 16.6, 4.3);
    setColour(cr, INK);
    cairo_set_line_width(cr, 0.35);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0x8a5a3a));
    cairo_set_line_width(cr, 0.22);
    cairo_stroke(cr);
    owl(cr, 15.7, 3.75, 1.3);
    squirrel(cr, 2.6, 5.6, 1.2);
    // Bushes and mushrooms.
    for (int i = 0; i < 3; i++) {
        double bx = i == 0 ? 4.2 : i == 1 ? 16.8 : 12.9;
        double by = i == 2 ? 7.7 : 8.6;
        const double blobs[][3] = {{-0.5, 0, 0.5}, {0.4, 0, 0.55}, {0, -0.3, 0.6}};
        cairo_new_path(cr);
        for (const auto& b : blobs) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, bx + b[0], by + b[1], b[2], 0, 2 * M_PI);
        }
        setColour(cr, INK);
        cairo_set_line_width(cr, LINE * 2);
        cairo_stroke_preserve(cr);
        setColour(cr, rgb(0x6ac850));
        cairo_fill(cr);
        for (int k = 0; k < 3; k++) {
            cairo_new_path(cr);
            cairo_arc(cr, bx - 0.4 + k * 0.4, by - 0.25 + (k % 2) * 0.3, 0.09, 0, 2 * M_PI);
            fillOutlined(cr, rgb(0xff5a7a), INK, THIN * 0.6);
        }
    }
    mushroom(cr, 12.4, 11.8, 1.1, rgb(0xff4a4a));
    mushroom(cr, 13.3, 11.9, 0.7, rgb(0xff8a4a));
    mushroom(cr, 0.8, 11.9, 0.8, rgb(0xff4a4a));
    fox(cr, 4.8, 11.6, 2.4);
    bunny(cr, 16.6, 11.6, 1.9);
    hedgehog(cr, 10.3, 10.5, 1.3);
    const Rgba petals[] = {rgb(0xffffff), rgb(0xffd84a), rgb(0xb48cff), rgb(0xff8fc7)};
    for (int i = 0; i < 5; i++)
        stemFlower(cr, 7.0 + i * 0.7 + (i > 2 ? 6.8 : 0), 12.2, random.range(0.7, 1.0), 0.3,
                   petals[i % 4], rgb(0xffc02e), random.range(-0.2, 0.2));
    grassTufts(cr, 0, 20, 12.25, 0.45, rgb(0x3f9a36), random, 22);
    butterfly(cr, 9.4, 4.2, 0.6, rgb(0x7fd6ff), 0.2);
    butterfly(cr, 11.6, 2.2, 0.5, rgb(0xffa0d8), -0.2);
    bee(cr, 7.6, 2.6, 0.55, -0.1);
}

// ---- 8: snowman ---------------------------------------------------------------------

// A snowflake with six arms.
static void snowflake(cairo_t* cr, double x, double y, double size) {
    for (int i = 0; i < 6; i++) {
        double a = i * M_PI / 3;
        double ex = x + cos(a) * size, ey = y + sin(a) * size;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, ex, ey);
        double mx = x + cos(a) * size * 0.55, my = y + sin(a) * size * 0.55;
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, mx, my);
            cairo_line_to(cr, mx + cos(a + side * 0.8) * size * 0.35,
                          my + sin(a + side * 0.8) * size * 0.35);
        }
    }
    setColour(cr, rgb(0xffffff, 0.95));
    cairo_set_line_width(cr, size * 0.16);
    cairo_stroke(cr);
}

// A cosy house with a snowy roof and warm windows.
static void snowHouse(cairo_t* cr, double x, double groundY, double w) {
    double h = w * 0.65;
    cairo_rectangle(cr, x + w * 0.65, groundY - h - w * 0.55, w * 0.15, w * 0.35);
    fillOutlined(cr, rgb(0xc8604a), INK, THIN);
    cairo_rectangle(cr, x, groundY - h, w, h);
    fillGradientOutlined(cr, groundY - h, rgb(0xf0b070), groundY, rgb(0xc8844a), INK, LINE);
    cairo_move_to(cr, x - w * 0.12, groundY - h + 0.05);
    cairo_line_to(cr, x + w * 0.5, groundY - h - w * 0.45);
    cairo_line_to(cr, x + w * 1.12, groundY - h + 0.05);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h - w * 0.45, rgb(0xb04a4a), groundY - h, rgb(0x8a3a3a), INK,
                         LINE);
    // Snow on the roof.
    cairo_move_to(cr, x - w * 0.14, groundY - h + 0.02);
    cairo_line_to(cr, x + w * 0.5, groundY - h - w * 0.5);
    cairo_line_to(cr, x + w * 1.14, groundY - h + 0.02);
    cairo_curve_to(cr, x + w * 1.0, groundY - h - w * 0.05, x + w * 0.9, groundY - h + w * 0.05,
                   x + w * 0.8, groundY - h - w * 0.1);
    cairo_curve_to(cr, x + w * 0.6, groundY - h - w * 0.2, x + w * 0.3, groundY - h - w * 0.05,
                   x - w * 0.14, groundY - h + 0.02);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - h - w * 0.5, rgb(0xffffff), groundY - h, rgb(0xe0ecff), INK,
                         THIN);
    for (int i = 0; i < 2; i++) {
        double wx = x + w * (0.15 + i * 0.5);
        softGlow(cr, wx + w * 0.1, groundY - h * 0.6, w * 0.35, rgb(0xffe08a, 0.5));
        cairo_rectangle(cr, wx, groundY - h * 0.75, w * 0.22, w * 0.22);
        fillGradientOutlined(cr, groundY - h * 0.75, rgb(0xfff6b0), groundY - h * 0.75 + w * 0.22,
                             rgb(0xffc04a), INK, THIN);
        cairo_move_to(cr, wx + w * 0.11, groundY - h * 0.75);
        cairo_line_to(cr, wx + w * 0.11, groundY - h * 0.75 + w * 0.22);
        cairo_move_to(cr, wx, groundY - h * 0.75 + w * 0.11);
        cairo_line_to(cr, wx + w * 0.22, groundY - h * 0.75 + w * 0.11);
        setColour(cr, INK);
        cairo_set_line_width(cr, THIN * 0.7);
        cairo_stroke(cr);
    }
}

// The snowman with hat, scarf, carrot nose and stick arms.
static void snowman(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    double r1 = s * 0.5, r2 = s * 0.38, r3 = s * 0.3;
    double y1 = groundY - r1, y2 = y1 - r1 - r2 * 0.7, y3 = y2 - r2 - r3 * 0.7;
    // Stick arms.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * r2 * 0.8, y2 - r2 * 0.1);
        cairo_line_to(cr, x + side * s * 0.85, y2 - s * 0.45);
        cairo_move_to(cr, x + side * s * 0.72, y2 - s * 0.37);
        cairo_line_to(cr, x + side * s * 0.8, y2 - s * 0.55);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.07);
        cairo_stroke_preserve(cr);
        setColour(cr, rgb(0x8a5a3a));
        cairo_set_line_width(cr, s * 0.04);
        cairo_stroke(cr);
    }
    const double balls[][2] = {{y1, r1}, {y2, r2}, {y3, r3}};
    for (const auto& b : balls) {
        cairo_new_path(cr);
        cairo_arc(cr, x, b[0], b[1], 0, 2 * M_PI);
        cairo_pattern_t* g = cairo_pattern_create_radial(x - b[1] * 0.3, b[0] - b[1] * 0.4,
                                                         b[1] * 0.1, x, b[0], b[1] * 1.1);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.8, 0.86, 0.96);
        fillPatternOutlined(cr, g, INK, LINE);
    }
    for (int i = 0; i < 3; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y2 - r2 * 0.2 + i * r2 * 0.35 + (i == 2 ? r1 * 0.5 : 0), s * 0.045, 0,
                  2 * M_PI);
        setColour(cr, rgb(0x3a2a3a));
        cairo_fill(cr);
    }
    // Scarf.
    roundedRect(cr, x - r3 * 0.95, y3 + r3 * 0.65, r3 * 1.9, s * 0.14, s * 0.06);
    fillOutlined(cr, rgb(0xff5a5a), INK, THIN);
    cairo_move_to(cr, x + r3 * 0.3, y3 + r3 * 0.8);
    cairo_line_to(cr, x + r3 * 0.75, y3 + r3 * 1.9);
    cairo_line_to(cr, x + r3 * 0.35, y3 + r3 * 1.95);
    cairo_line_to(cr, x + r3 * 0.05, y3 + r3 * 0.85);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff5a5a), INK, THIN);
    for (int i = 0; i < 3; i++) {
        cairo_rectangle(cr, x - r3 * 0.7 + i * r3 * 0.55, y3 + r3 * 0.65, s * 0.05, s * 0.14);
        setColour(cr, rgb(0xffffff, 0.85));
        cairo_fill(cr);
    }
    // Face: coal eyes, carrot nose, smile and cheeks.
    for (int side = -1; side <= 1; side += 2) {
        shinyEye(cr, x + side * r3 * 0.35, y3 - r3 * 0.12, r3 * 0.3);
        ellipsePath(cr, x + side * r3 * 0.58, y3 + r3 * 0.25, r3 * 0.16, r3 * 0.1);
        setColour(cr, CHEEK);
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, y3 - r3 * 0.02);
    cairo_line_to(cr, x + r3 * 0.75, y3 + r3 * 0.12);
    cairo_line_to(cr, x, y3 + r3 * 0.2);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff8a2a), INK, THIN);
    for (int i = 0; i < 5; i++) {
        double a = M_PI * (0.25 + i * 0.125);
        cairo_new_path(cr);
        cairo_arc(cr, x + cos(a) * r3 * 0.5, y3 + r3 * 0.05 + sin(a) * r3 * 0.5, s * 0.022, 0,
                  2 * M_PI);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    // Top hat.
    roundedRect(cr, x - r3 * 1.0, y3 - r3 * 0.85, r3 * 2.0, r3 * 0.22, r3 * 0.08);
    fillOutlined(cr, rgb(0x3a2a4a), INK, THIN);
    cairo_rectangle(cr, x - r3 * 0.65, y3 - r3 * 1.8, r3 * 1.3, r3 * 1.0);
    fillGradientOutlined(cr, y3 - r3 * 1.8, rgb(0x5a4a6a), y3 - r3 * 0.8, rgb(0x2a1a3a), INK, LINE);
    cairo_rectangle(cr, x - r3 * 0.65, y3 - r3 * 1.05, r3 * 1.3, r3 * 0.2);
    fillOutlined(cr, rgb(0x4ac86a), INK, THIN);
}

// A little penguin with a hat.
static void penguin(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * s * 0.14, groundY - s * 0.03, s * 0.14, s * 0.06);
        fillOutlined(cr, rgb(0xffa020), INK, THIN);
    }
    ellipsePath(cr, x, groundY - s * 0.5, s * 0.38, s * 0.5);
    fillGradientOutlined(cr, groundY - s, rgb(0x4a4a6a), groundY, rgb(0x2a2a3a), INK, LINE);
    ellipsePath(cr, x, groundY - s * 0.42, s * 0.26, s * 0.38);
    setColour(cr, rgb(0xfafaff));
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, x + side * s * 0.38, groundY - s * 0.5);
        cairo_rotate(cr, side * 0.5);
        ellipsePath(cr, 0, 0, s * 0.08, s * 0.25);
        cairo_restore(cr);
        fillOutlined(cr, rgb(0x3a3a5a), INK, THIN);
    }
    double hy = groundY - s * 0.75;
    ellipsePath(cr, x, hy, s * 0.22, s * 0.18);
    setColour(cr, rgb(0xfafaff));
    cairo_fill(cr);
    happyFace(cr, x, hy, s * 0.36);
    cairo_move_to(cr, x - s * 0.06, hy + s * 0.03);
    cairo_line_to(cr, x + s * 0.06, hy + s * 0.03);
    cairo_line_to(cr, x, hy + s * 0.12);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, THIN * 0.6);
    // Woolly hat with a bobble.
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - s * 0.93, s * 0.24, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0x5ab0ff), INK, THIN);
    cairo_new_path(cr);
    cairo_arc(cr, x, groundY - s * 1.2, s * 0.08, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffffff), INK, THIN);
}

// A red sled.
static void sled(cairo_t* cr, double x, double groundY, double size) {
    double s = size;
    cairo_move_to(cr, x - s * 0.6, groundY);
    cairo_line_to(cr, x + s * 0.5, groundY);
    cairo_curve_to(cr, x + s * 0.7, groundY, x + s * 0.75, groundY - s * 0.2, x + s * 0.6,
                   groundY - s * 0.25);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.08);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xc8ccd8));
    cairo_set_line_width(cr, s * 0.04);
    cairo_stroke(cr);
    for (int i = 0; i < 2; i++) {
        cairo_move_to(cr, x - s * 0.35 + i * s * 0.6, groundY);
        cairo_line_to(cr, x - s * 0.35 + i * s * 0.6, groundY - s * 0.2);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.05);
        cairo_stroke(cr);
    }
    roundedRect(cr, x - s * 0.6, groundY - s * 0.32, s * 1.15, s * 0.14, s * 0.05);
    fillGradientOutlined(cr, groundY - s * 0.32, rgb(0xff6a5a), groundY - s * 0.18, rgb(0xc02a2a),
                         INK, THIN);
}

void drawSnowman(cairo_t* cr) {
    ArtRandom random(108);
    const Rgba sky[] = {rgb(0x2a3a88), rgb(0x5a6ac0), rgb(0xb8a8e0), rgb(0xf8c8d8)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, 7.5, sky, 4);
    for (int i = 0; i < 40; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0, 20), random.range(0, 4.5), random.range(0.02, 0.05), 0,
                  2 * M_PI);
        setColour(cr, rgb(0xffffff, random.range(0.5, 0.9)));
        cairo_fill(cr);
    }
    moon(cr, 16.8, 1.9, 0.95);
    twinkle(cr, 3.4, 1.2, 0.26, rgb(0xfff08a));
    twinkle(cr, 9.2, 0.8, 0.22, rgb(0xfff08a));
    twinkle(cr, 13.0, 2.4, 0.2, rgb(0xfff08a));
    // Snowy hills in layers.
    const double far[] = {0, 5.8, 5, 5.0, 11, 6.0, 16, 5.0, 20, 5.6};
    hill(cr, far, 5, 12.5, rgb(0xe8f0ff), rgb(0xc0d0f0));
    pineTree(cr, 8.2, 6.2, 2.2, rgb(0x3a8a6a), true);
    pineTree(cr, 9.4, 6.0, 1.7, rgb(0x4a9a6a), true);
    pineTree(cr, 19.0, 5.9, 2.0, rgb(0x3a8a6a), true);
    snowHouse(cr, 1.6, 7.2, 3.6);
    // Smoke from the chimney.
    for (int i = 0; i < 4; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, 4.1 + i * 0.35, 3.6 - i * 0.6, 0.22 + i * 0.08, 0, 2 * M_PI);
        setColour(cr, rgb(0xffffff, 0.7 - i * 0.12));
        cairo_fill(cr);
    }
    const double near[] = {0, 7.6, 7, 7.0, 13, 7.8, 20, 7.2};
    hill(cr, near, 4, 12.5, rgb(0xffffff), rgb(0xd0def8));
    pineTree(cr, 14.4, 8.2, 3.6, rgb(0x2a7a5a), true);
    pineTree(cr, 18.6, 9.0, 4.2, rgb(0x3a8a6a), true);
    pineTree(cr, 0.9, 10.6, 3.2, rgb(0x3a8a6a), true);
    // Footprints in the snow.
    for (int i = 0; i < 7; i++) {
        ellipsePath(cr, 4.6 + i * 0.55, 11.6 - i * 0.12 + (i % 2) * 0.18, 0.12, 0.07);
        setColour(cr, rgb(0xb8c8e8));
        cairo_fill(cr);
    }
    snowman(cr, 10.2, 11.2, 4.4);
    penguin(cr, 15.6, 11.6, 1.6);
    sled(cr, 6.2, 10.3, 1.6);
    // A robin on the snowman's hand, drawn around where it perches.
    cairo_save(cr);
    cairo_translate(cr, 13.6, 3.62);
    cairo_scale(cr, 1.6, 1.6);
    ellipsePath(cr, -0.05, -0.04, 0.28, 0.22);
    fillOutlined(cr, rgb(0x8a5a3a), INK, THIN);
    ellipsePath(cr, 0.05, 0.06, 0.16, 0.12);
    setColour(cr, rgb(0xff6a4a));
    cairo_fill(cr);
    shinyEye(cr, 0.07, -0.14, 0.08);
    cairo_move_to(cr, 0.2, -0.11);
    cairo_line_to(cr, 0.37, -0.07);
    cairo_line_to(cr, 0.2, -0.01);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, THIN * 0.5);
    cairo_restore(cr);
    // Falling snow over everything.
    for (int i = 0; i < 26; i++)
        snowflake(cr, random.range(0.3, 19.7), random.range(0.3, 11.7), random.range(0.1, 0.22));
    for (int i = 0; i < 90; i++) {
        cairo_new_path(cr);
        cairo_arc(cr, random.range(0, 20), random.range(0, 12), random.range(0.04, 0.08), 0,
                  2 * M_PI);
        setColour(cr, rgb(0xffffff, 0.85));
        cairo_fill(cr);
    }
}
