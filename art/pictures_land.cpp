// Pictures on dry land under an open sky: the flower meadow, the farm, the
// little train, the castle and the hot-air balloons.  Each scene is spread
// over the whole board so every piece holds something a child can match.
#include <cmath>

#include "art/pictures.h"

// A sky from deep blue at the top to pale near the horizon at y = horizon.
static void daySky(cairo_t* cr, double horizon) {
    const Rgba sky[] = {rgb(0x5fb4f0), rgb(0x9ad4f7), rgb(0xdff4ff)};
    gradientBand(cr, 0, 0, PICTURE_WIDTH, horizon, sky, 3);
}

// ---- 0: flower meadow with a ladybird ------------------------------------------------

// A ladybird seen from above, head to the left, with a face on its head.
static void ladybird(cairo_t* cr, double x, double y, double size) {
    double s = size;
    for (int leg = 0; leg < 3; leg++)
        for (int side = -1; side <= 1; side += 2) {
            double lx = x + (leg - 1) * s * 0.28;
            cairo_move_to(cr, lx, y + side * s * 0.3);
            cairo_line_to(cr, lx + (leg - 1) * s * 0.1, y + side * s * 0.5);
            setColour(cr, INK);
            cairo_set_line_width(cr, s * 0.05);
            cairo_stroke(cr);
        }
    // Shell: two red halves with black spots.
    ellipsePath(cr, x + s * 0.12, y, s * 0.58, s * 0.5);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - s * 0.1, y - s * 0.2, s * 0.05, x, y, s * 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.45, 0.38);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.82, 0.08, 0.12);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill_preserve(cr);
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    cairo_move_to(cr, x - s * 0.3, y);
    cairo_line_to(cr, x + s * 0.7, y);
    cairo_set_line_width(cr, s * 0.04);
    cairo_stroke(cr);
    const double spots[][3] = {{-0.2, -0.22, 0.1}, {0.2, -0.28, 0.09}, {0.35, -0.1, 0.07},
                               {-0.2, 0.22, 0.1},  {0.2, 0.28, 0.09},  {0.35, 0.1, 0.07},
                               {-0.02, -0.12, 0.06}, {-0.02, 0.12, 0.06}};
    for (const auto& sp : spots) {
        ellipsePath(cr, x + (sp[0] + 0.15) * s, y + sp[1] * s, sp[2] * s, sp[2] * s);
        setColour(cr, rgb(0x2d2333));
        cairo_fill(cr);
    }
    shine(cr, x - s * 0.1, y - s * 0.3, s * 0.2, s * 0.07, -0.2, 0.7);
    // Head with a big friendly face looking at the child.
    ellipsePath(cr, x - s * 0.52, y, s * 0.36, s * 0.34);
    fillOutlined(cr, rgb(0x2d2333), INK, LINE);
    for (int side = -1; side <= 1; side += 2) {
        double tipX = x - s * 0.52 + side * s * 0.34, tipY = y - s * 0.62;
        cairo_move_to(cr, x - s * 0.52 + side * s * 0.1, y - s * 0.3);
        cairo_curve_to(cr, x - s * 0.52 + side * s * 0.14, y - s * 0.45, tipX - side * s * 0.1,
                       tipY + s * 0.04, tipX, tipY);
        setColour(cr, INK);
        cairo_set_line_width(cr, s * 0.04);
        cairo_stroke(cr);
        cairo_arc(cr, tipX, tipY, s * 0.06, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // The face stands upright, eyes side by side, whichever way the bug crawls.
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x - s * 0.52 + side * s * 0.14, y - s * 0.07, s * 0.12, s * 0.14);
        fillOutlined(cr, WHITE, INK, THIN * 0.6);
        shinyEye(cr, x - s * 0.52 + side * s * 0.14 + s * 0.01, y - s * 0.05, s * 0.15);
        ellipsePath(cr, x - s * 0.52 + side * s * 0.23, y + s * 0.12, s * 0.06, s * 0.04);
        setColour(cr, rgb(0xff7a8a, 0.8));
        cairo_fill(cr);
    }
    cairo_arc(cr, x - s * 0.52, y + s * 0.06, s * 0.1, M_PI * 0.15, M_PI * 0.85);
    setColour(cr, rgb(0xff9aa8));
    cairo_set_line_width(cr, s * 0.035);
    cairo_stroke(cr);
}

// A big leaf lying flat, pointing right.
static void bigLeaf(cairo_t* cr, double x, double y, double length, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double l = length;
    cairo_move_to(cr, -l * 0.5, 0);
    cairo_curve_to(cr, -l * 0.2, -l * 0.42, l * 0.3, -l * 0.3, l * 0.5, 0);
    cairo_curve_to(cr, l * 0.3, l * 0.3, -l * 0.2, l * 0.42, -l * 0.5, 0);
    cairo_close_path(cr);
    fillGradientOutlined(cr, -l * 0.3, rgb(0x9be86a), l * 0.3, rgb(0x3f9a36), INK, LINE);
    cairo_move_to(cr, -l * 0.55, 0);
    cairo_curve_to(cr, -l * 0.1, -l * 0.03, l * 0.2, -l * 0.02, l * 0.45, 0);
    for (int i = 0; i < 3; i++) {
        double vx = -l * 0.25 + i * l * 0.22;
        cairo_move_to(cr, vx, 0);
        cairo_line_to(cr, vx + l * 0.12, -l * 0.16);
        cairo_move_to(cr, vx, 0);
        cairo_line_to(cr, vx + l * 0.12, l * 0.16);
    }
    setColour(cr, rgb(0x2f7a2a, 0.8));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawMeadow(cairo_t* cr) {
    ArtRandom random(100);
    daySky(cr, 7.5);
    sun(cr, 17.2, 2.1, 1.15);
    cloud(cr, 3.6, 1.9, 3.4);
    cloud(cr, 10.2, 1.3, 2.4);
    bird(cr, 7.2, 3.2, 0.3);
    bird(cr, 8.0, 2.7, 0.22);
    const double far[] = {0, 6.0, 4.5, 4.7, 9.5, 5.9, 14.5, 4.6, 20, 5.6};
    hill(cr, far, 5, 12.5, rgb(0xb8ea86), rgb(0x86cc60));
    roundTree(cr, 2.2, 5.6, 2.2, rgb(0x5fbf4a));
    roundTree(cr, 13.6, 5.0, 2.0, rgb(0x6cc850));
    // Tiny flowers dotted over the far hill.
    for (int i = 0; i < 40; i++) {
        double fx = random.range(0.3, 19.7), fy = random.range(5.9, 7.2);
        cairo_new_path(cr);
        cairo_arc(cr, fx, fy, 0.07, 0, 2 * M_PI);
        setColour(cr, i % 3 == 0 ? rgb(0xffffff) : i % 3 == 1 ? rgb(0xffe066) : rgb(0xff9ccf));
        cairo_fill(cr);
    }
    const double near[] = {0, 7.4, 6, 6.7, 12.5, 7.5, 20, 6.8};
    hill(cr, near, 4, 12.5, rgb(0x93dc62), rgb(0x46a23a));
    grassTufts(cr, 0, 20, 7.6, 0.35, rgb(0x5fb84a), random, 26);

    // Flowers across the meadow, back row smaller.
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xb48cff), rgb(0xffd84a),
                           rgb(0xff9a5c), rgb(0x8fd0ff)};
    for (int i = 0; i < 9; i++) {
        double x = 0.9 + i * 2.2 + random.range(-0.4, 0.4);
        if (x > 5.8 && x < 10.8) continue; // room for the ladybird's leaf
        stemFlower(cr, x, 8.6 + random.range(-0.2, 0.2), random.range(1.0, 1.5),
                   random.range(0.38, 0.5), petals[i % 6], rgb(0xffc02e), random.range(-0.3, 0.3));
    }
    tulip(cr, 1.2, 11.6, 2.6, rgb(0xff5a6e));
    tulip(cr, 4.6, 11.8, 2.3, rgb(0xffb02e));
    tulip(cr, 15.9, 11.7, 2.5, rgb(0xc86cff));
    tulip(cr, 19.2, 11.9, 2.2, rgb(0xff5a6e));
    stemFlower(cr, 12.8, 12.1, 2.6, 0.8, rgb(0xffffff), rgb(0xffc02e), 0.2);
    stemFlower(cr, 17.6, 12.2, 1.8, 0.65, rgb(0xff8fc7), rgb(0xffd84a), -0.2);
    stemFlower(cr, 2.9, 12.3, 1.5, 0.6, rgb(0x8fd0ff), rgb(0xffd84a), 0.25);
    bigLeaf(cr, 8.4, 9.9, 5.6, -0.08);
    ladybird(cr, 8.5, 9.75, 2.5);
    grassTufts(cr, 0, 20, 12.2, 0.5, rgb(0x3f9a36), random, 22);
    butterfly(cr, 5.6, 5.2, 0.75, rgb(0xffa0d8), -0.3);
    butterfly(cr, 14.6, 6.6, 0.6, rgb(0x7fd6ff), 0.35);
    butterfly(cr, 11.4, 3.9, 0.5, rgb(0xffd84a), 0.15);
    bee(cr, 18.2, 5.3, 0.65, 0.1);
}

// Placeholders until each scene is drawn.
void drawFarm(cairo_t* cr) { drawMeadow(cr); }
void drawTrain(cairo_t* cr) { drawMeadow(cr); }
void drawCastle(cairo_t* cr) { drawMeadow(cr); }
void drawBalloons(cairo_t* cr) { drawMeadow(cr); }
