// Pictures of the countryside: the flower meadow, the farm and the little
// train.  Each scene is spread over the whole board so every piece holds
// something a child can match.
#include <algorithm>
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
    cairo_pattern_t* g =
        cairo_pattern_create_radial(x - s * 0.1, y - s * 0.2, s * 0.05, x, y, s * 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.45, 0.38);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.82, 0.08, 0.12);
    fillPatternOutlined(cr, g, INK, LINE);
    cairo_move_to(cr, x - s * 0.3, y);
    cairo_line_to(cr, x + s * 0.7, y);
    cairo_set_line_width(cr, s * 0.04);
    cairo_stroke(cr);
    const double spots[][3] = {{-0.2, -0.22, 0.1},   {0.2, -0.28, 0.09}, {0.35, -0.1, 0.07},
                               {-0.2, 0.22, 0.1},    {0.2, 0.28, 0.09},  {0.35, 0.1, 0.07},
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
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xb48cff),
                           rgb(0xffd84a), rgb(0xff9a5c), rgb(0x8fd0ff)};
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

// ---- 1: farm --------------------------------------------------------------------

// A red barn with a white-trimmed door and a hay loft, standing on groundY.
static void barn(cairo_t* cr, double x, double groundY, double width) {
    double w = width, h = w * 0.62, roofTop = groundY - h - w * 0.42;
    // Walls.
    cairo_move_to(cr, x, groundY);
    cairo_line_to(cr, x, groundY - h);
    cairo_line_to(cr, x + w * 0.5, roofTop + w * 0.06);
    cairo_line_to(cr, x + w, groundY - h);
    cairo_line_to(cr, x + w, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, roofTop, rgb(0xf0584a), groundY, rgb(0xb8302c), INK, LINE);
    // Planks.
    for (int i = 1; i < 8; i++) {
        double px = x + w * i / 8.0;
        cairo_move_to(cr, px, groundY);
        cairo_line_to(cr, px, groundY - h - (i < 4 ? i : 8 - i) * w * 0.1);
    }
    setColour(cr, rgb(0x8a2020, 0.35));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    // Roof.
    cairo_move_to(cr, x - w * 0.08, groundY - h + w * 0.04);
    cairo_line_to(cr, x + w * 0.5, roofTop);
    cairo_line_to(cr, x + w * 1.08, groundY - h + w * 0.04);
    cairo_line_to(cr, x + w * 1.08, groundY - h + w * 0.12);
    cairo_line_to(cr, x + w * 0.5, roofTop + w * 0.1);
    cairo_line_to(cr, x - w * 0.08, groundY - h + w * 0.12);
    cairo_close_path(cr);
    fillGradientOutlined(cr, roofTop, rgb(0x7a4a3a), groundY - h, rgb(0x4a2a2a), INK, LINE);
    // Hay loft with hay.
    double lx = x + w * 0.5, ly = groundY - h - w * 0.05;
    roundedRect(cr, lx - w * 0.12, ly - w * 0.14, w * 0.24, w * 0.2, w * 0.02);
    fillOutlined(cr, rgb(0x5a3020), INK, THIN);
    cairo_rectangle(cr, lx - w * 0.1, ly - w * 0.02, w * 0.2, w * 0.07);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN * 0.7);
    // Big door with the white X.
    double dw = w * 0.46, dh = h * 0.62, dx = x + (w - dw) / 2;
    cairo_rectangle(cr, dx, groundY - dh, dw, dh);
    fillOutlined(cr, rgb(0xd8403a), INK, THIN);
    cairo_rectangle(cr, dx, groundY - dh, dw, dh);
    cairo_move_to(cr, dx, groundY - dh);
    cairo_line_to(cr, dx + dw, groundY);
    cairo_move_to(cr, dx + dw, groundY - dh);
    cairo_line_to(cr, dx, groundY);
    cairo_move_to(cr, dx + dw / 2, groundY - dh);
    cairo_line_to(cr, dx + dw / 2, groundY);
    setColour(cr, INK);
    cairo_set_line_width(cr, w * 0.05);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xfffaf0));
    cairo_set_line_width(cr, w * 0.03);
    cairo_stroke(cr);
}

// A round silo with a domed top.
static void silo(cairo_t* cr, double x, double groundY, double width, double height) {
    cairo_rectangle(cr, x, groundY - height, width, height);
    fillPatternOutlined(cr,
                        sideLitGradient(x, x + width, {0.78, 0.8, 0.86, 1}, 0.35,
                                        {0.97, 0.97, 1.0, 1}, {0.62, 0.64, 0.72, 1}),
                        INK, LINE);
    for (int i = 1; i < 5; i++) {
        cairo_move_to(cr, x, groundY - height * i / 5);
        cairo_line_to(cr, x + width, groundY - height * i / 5);
    }
    setColour(cr, rgb(0x6a6a80, 0.5));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x + width / 2, groundY - height, width / 2, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - height - width / 2, rgb(0xff7a5a), groundY - height,
                         rgb(0xc8403a), INK, LINE);
}

// A white fence with posts and two rails from x0 to x1.
static void fence(cairo_t* cr, double x0, double x1, double groundY, double height) {
    for (int rail = 0; rail < 2; rail++) {
        double ry = groundY - height * (0.35 + rail * 0.38);
        cairo_rectangle(cr, x0, ry - height * 0.07, x1 - x0, height * 0.14);
        fillOutlined(cr, rgb(0xfff8ee), INK, THIN);
    }
    for (double px = x0 + 0.2; px < x1; px += height * 0.8) {
        cairo_move_to(cr, px - height * 0.08, groundY);
        cairo_line_to(cr, px - height * 0.08, groundY - height * 0.9);
        cairo_line_to(cr, px, groundY - height);
        cairo_line_to(cr, px + height * 0.08, groundY - height * 0.9);
        cairo_line_to(cr, px + height * 0.08, groundY);
        cairo_close_path(cr);
        fillGradientOutlined(cr, groundY - height, rgb(0xffffff), groundY, rgb(0xe0d8cc), INK,
                             THIN);
    }
}

// A friendly cow facing the child, standing with its feet on groundY.
static void cow(cairo_t* cr, double x, double groundY, double size) {
    double s = size, bodyY = groundY - s * 0.55;
    for (int leg = 0; leg < 4; leg++) {
        double lx = x - s * 0.55 + leg * s * 0.34;
        roundedRect(cr, lx, bodyY, s * 0.16, s * 0.55, s * 0.05);
        fillOutlined(cr, leg % 2 ? rgb(0xf4f0ea) : rgb(0xffffff), INK, THIN);
        roundedRect(cr, lx, groundY - s * 0.1, s * 0.16, s * 0.1, s * 0.03);
        fillOutlined(cr, rgb(0x4a3a3a), INK, THIN);
    }
    // Tail.
    cairo_move_to(cr, x + s * 0.6, bodyY - s * 0.1);
    cairo_curve_to(cr, x + s * 0.85, bodyY, x + s * 0.8, bodyY + s * 0.25, x + s * 0.85,
                   bodyY + s * 0.35);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.04);
    cairo_stroke(cr);
    ellipsePath(cr, x + s * 0.85, bodyY + s * 0.38, s * 0.05, s * 0.08);
    cairo_fill(cr);
    // Body with patches.
    roundedRect(cr, x - s * 0.7, bodyY - s * 0.5, s * 1.35, s * 0.72, s * 0.3);
    fillGradientOutlined(cr, bodyY - s * 0.5, rgb(0xffffff), bodyY + s * 0.2, rgb(0xe8e2da), INK,
                         LINE);
    cairo_save(cr);
    roundedRect(cr, x - s * 0.7, bodyY - s * 0.5, s * 1.35, s * 0.72, s * 0.3);
    cairo_clip(cr);
    ellipsePath(cr, x + s * 0.25, bodyY - s * 0.35, s * 0.28, s * 0.2);
    ellipsePath(cr, x - s * 0.2, bodyY + s * 0.05, s * 0.22, s * 0.16);
    ellipsePath(cr, x + s * 0.6, bodyY + s * 0.05, s * 0.15, s * 0.2);
    setColour(cr, rgb(0x3a2a30));
    cairo_fill(cr);
    cairo_restore(cr);
    // Head.
    double hx = x - s * 0.68, hy = bodyY - s * 0.45;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, hx + side * s * 0.18, hy - s * 0.28);
        cairo_curve_to(cr, hx + side * s * 0.25, hy - s * 0.45, hx + side * s * 0.3, hy - s * 0.45,
                       hx + side * s * 0.32, hy - s * 0.5);
        cairo_curve_to(cr, hx + side * s * 0.3, hy - s * 0.38, hx + side * s * 0.28, hy - s * 0.3,
                       hx + side * s * 0.26, hy - s * 0.22);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xfff0c8), INK, THIN);
        ellipsePath(cr, hx + side * s * 0.4, hy - s * 0.12, s * 0.16, s * 0.08);
        fillOutlined(cr, rgb(0xf4ece4), INK, THIN);
    }
    ellipsePath(cr, hx, hy, s * 0.34, s * 0.36);
    fillGradientOutlined(cr, hy - s * 0.36, rgb(0xffffff), hy + s * 0.36, rgb(0xeae4dc), INK, LINE);
    ellipsePath(cr, hx + s * 0.12, hy - s * 0.18, s * 0.12, s * 0.1);
    setColour(cr, rgb(0x3a2a30));
    cairo_fill(cr);
    ellipsePath(cr, hx, hy + s * 0.2, s * 0.27, s * 0.17);
    fillGradientOutlined(cr, hy + s * 0.05, rgb(0xffc8d0), hy + s * 0.37, rgb(0xf49aaa), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, hx + side * s * 0.1, hy + s * 0.2, s * 0.035, s * 0.05);
        setColour(cr, rgb(0xa04a5a));
        cairo_fill(cr);
        shinyEye(cr, hx + side * s * 0.13, hy - s * 0.07, s * 0.13);
    }
    cairo_arc(cr, hx, hy + s * 0.22, s * 0.1, M_PI * 0.25, M_PI * 0.75);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.025);
    cairo_stroke(cr);
}

// A round pink pig seen from the side, facing left, with a face.
static void pig(cairo_t* cr, double x, double groundY, double size) {
    double s = size, bodyY = groundY - s * 0.45;
    for (int leg = 0; leg < 4; leg++) {
        roundedRect(cr, x - s * 0.42 + leg * s * 0.25, bodyY + s * 0.1, s * 0.14, s * 0.35,
                    s * 0.05);
        fillOutlined(cr, rgb(0xf7a8b8), INK, THIN);
    }
    cairo_move_to(cr, x + s * 0.5, bodyY - s * 0.05);
    cairo_curve_to(cr, x + s * 0.7, bodyY - s * 0.2, x + s * 0.55, bodyY - s * 0.3, x + s * 0.62,
                   bodyY - s * 0.15);
    cairo_curve_to(cr, x + s * 0.68, bodyY - s * 0.05, x + s * 0.75, bodyY - s * 0.15, x + s * 0.72,
                   bodyY - s * 0.25);
    setColour(cr, INK);
    cairo_set_line_width(cr, s * 0.03);
    cairo_stroke(cr);
    ellipsePath(cr, x, bodyY - s * 0.05, s * 0.55, s * 0.38);
    fillGradientOutlined(cr, bodyY - s * 0.43, rgb(0xffd0dc), bodyY + s * 0.33, rgb(0xf59ab0), INK,
                         LINE);
    shine(cr, x + s * 0.05, bodyY - s * 0.3, s * 0.2, s * 0.06, 0, 0.5);
    double hx = x - s * 0.5, hy = bodyY - s * 0.15;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, hx + side * s * 0.2, hy - s * 0.2);
        cairo_line_to(cr, hx + side * s * 0.3, hy - s * 0.42);
        cairo_line_to(cr, hx + side * s * 0.05, hy - s * 0.3);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xf59ab0), INK, THIN);
    }
    ellipsePath(cr, hx, hy, s * 0.3, s * 0.28);
    fillGradientOutlined(cr, hy - s * 0.28, rgb(0xffd6e0), hy + s * 0.28, rgb(0xf7a8b8), INK, LINE);
    ellipsePath(cr, hx - s * 0.02, hy + s * 0.1, s * 0.13, s * 0.09);
    fillOutlined(cr, rgb(0xff8fa8), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, hx - s * 0.02 + side * s * 0.045, hy + s * 0.1, s * 0.022, s * 0.035);
        setColour(cr, rgb(0xa04a5a));
        cairo_fill(cr);
        shinyEye(cr, hx + side * s * 0.11, hy - s * 0.1, s * 0.1);
        ellipsePath(cr, hx + side * s * 0.2, hy + s * 0.06, s * 0.05, s * 0.03);
        setColour(cr, CHEEK);
        cairo_fill(cr);
    }
}

// A hen (or, small and yellow, a chick) facing right.
static void hen(cairo_t* cr, double x, double groundY, double size, bool chick) {
    double s = size, bodyY = groundY - s * 0.45;
    Rgba feather = chick ? rgb(0xffe04a) : rgb(0xffffff);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * s * 0.1, bodyY + s * 0.25);
        cairo_line_to(cr, x + side * s * 0.1, groundY);
        setColour(cr, rgb(0xf0a030));
        cairo_set_line_width(cr, s * 0.06);
        cairo_stroke(cr);
    }
    if (!chick) {
        cairo_move_to(cr, x - s * 0.3, bodyY - s * 0.05);
        cairo_curve_to(cr, x - s * 0.55, bodyY - s * 0.35, x - s * 0.6, bodyY - s * 0.2,
                       x - s * 0.5, bodyY + s * 0.05);
        cairo_close_path(cr);
        fillOutlined(cr, feather, INK, THIN);
    }
    ellipsePath(cr, x, bodyY, s * 0.38, s * 0.3);
    fillGradientOutlined(cr, bodyY - s * 0.3, feather, bodyY + s * 0.3, shade(feather, -0.12), INK,
                         THIN * 1.2);
    ellipsePath(cr, x - s * 0.05, bodyY + s * 0.02, s * 0.16, s * 0.1);
    fillOutlined(cr, shade(feather, -0.08), INK, THIN * 0.8);
    double hx = x + s * (chick ? 0.2 : 0.28), hy = bodyY - s * (chick ? 0.2 : 0.3);
    if (!chick) {
        for (int i = 0; i < 3; i++) {
            cairo_new_path(cr);
            cairo_arc(cr, hx - s * 0.08 + i * s * 0.08, hy - s * 0.2, s * 0.06, 0, 2 * M_PI);
            fillOutlined(cr, rgb(0xf0403a), INK, THIN * 0.7);
        }
        ellipsePath(cr, hx + s * 0.12, hy + s * 0.14, s * 0.04, s * 0.07);
        fillOutlined(cr, rgb(0xf0403a), INK, THIN * 0.7);
    }
    cairo_new_path(cr);
    cairo_arc(cr, hx, hy, s * 0.2, 0, 2 * M_PI);
    fillGradientOutlined(cr, hy - s * 0.2, feather, hy + s * 0.2, shade(feather, -0.1), INK,
                         THIN * 1.2);
    cairo_move_to(cr, hx + s * 0.17, hy - s * 0.04);
    cairo_line_to(cr, hx + s * 0.32, hy + s * 0.02);
    cairo_line_to(cr, hx + s * 0.17, hy + s * 0.07);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffa020), INK, THIN * 0.7);
    shinyEye(cr, hx + s * 0.06, hy - s * 0.04, s * 0.09);
    ellipsePath(cr, hx - s * 0.02, hy + s * 0.08, s * 0.05, s * 0.03);
    setColour(cr, CHEEK);
    cairo_fill(cr);
}

// Striped fields on a far hill, between x0 and x1 under the hill line y.
static void fieldStripes(cairo_t* cr, double x0, double x1, double y0, double y1, Rgba a, Rgba b) {
    for (int i = 0; i < 8; i++) {
        double t0 = (double)i / 8, t1 = (double)(i + 1) / 8;
        cairo_move_to(cr, x0 + (x1 - x0) * t0, y1);
        cairo_line_to(cr, x0 + (x1 - x0) * (0.3 + 0.4 * t0), y0);
        cairo_line_to(cr, x0 + (x1 - x0) * (0.3 + 0.4 * t1), y0);
        cairo_line_to(cr, x0 + (x1 - x0) * t1, y1);
        cairo_close_path(cr);
        setColour(cr, i % 2 ? a : b);
        cairo_fill(cr);
    }
}

void drawFarm(cairo_t* cr) {
    ArtRandom random(101);
    daySky(cr, 7);
    sun(cr, 2.1, 1.9, 1.05);
    cloud(cr, 8.6, 1.5, 3.0);
    cloud(cr, 16.2, 2.2, 2.6);
    bird(cr, 12.2, 1.3, 0.28);
    bird(cr, 13.0, 1.8, 0.22);
    const double far[] = {0, 5.4, 5, 4.6, 10, 5.3, 15.5, 4.4, 20, 5.2};
    hill(cr, far, 5, 12.5, rgb(0xc9e88a), rgb(0xa6d46a));
    // Patchwork fields on the far hill.
    cairo_save(cr);
    hillPath(cr, far, 5, 12.5);
    cairo_clip(cr);
    fieldStripes(cr, 1.0, 6.5, 4.8, 7.0, rgb(0xffe27a), rgb(0xf5cd4a));
    fieldStripes(cr, 12.5, 19.5, 4.5, 7.0, rgb(0x9ed86a), rgb(0x86c85a));
    cairo_restore(cr);
    hill(cr, far, 5, 12.5, rgb(0, 0), rgb(0, 0));
    roundTree(cr, 11.2, 5.4, 1.6, rgb(0x5fbf4a));
    roundTree(cr, 19.0, 5.3, 1.8, rgb(0x6cc850));
    const double near[] = {0, 7.6, 7, 7.0, 13, 7.5, 20, 7.1};
    hill(cr, near, 4, 12.5, rgb(0x93dc62), rgb(0x4fa83a));
    grassTufts(cr, 0, 20, 7.7, 0.3, rgb(0x5fb84a), random, 22);
    barn(cr, 1.6, 8.9, 5.0);
    silo(cr, 6.9, 8.9, 1.2, 3.6);
    fence(cr, 8.3, 20.2, 9.2, 1.1);
    roundTree(cr, 17.6, 8.2, 3.4, rgb(0x58b848));
    // Apples in the big tree.
    const double apples[][2] = {{16.9, 5.6}, {18.2, 5.3}, {17.5, 6.4}, {18.6, 6.3}, {16.7, 6.7}};
    for (const auto& a : apples) {
        cairo_new_path(cr);
        cairo_arc(cr, a[0], a[1], 0.16, 0, 2 * M_PI);
        fillOutlined(cr, rgb(0xf0403a), INK, THIN);
        shine(cr, a[0] - 0.05, a[1] - 0.06, 0.05, 0.03, -0.5, 0.8);
    }
    cow(cr, 13.4, 10.9, 2.6);
    pig(cr, 8.6, 11.5, 1.9);
    hen(cr, 3.0, 11.2, 1.6, false);
    hen(cr, 4.6, 11.6, 0.8, true);
    hen(cr, 5.5, 11.3, 0.7, true);
    grassTufts(cr, 0, 20, 12.2, 0.5, rgb(0x3f9a36), random, 20);
    stemFlower(cr, 19.2, 12.1, 1.4, 0.45, rgb(0xff8fc7), rgb(0xffc02e), -0.2);
    stemFlower(cr, 0.7, 12.2, 1.1, 0.4, rgb(0xffffff), rgb(0xffc02e), 0.2);
    butterfly(cr, 10.8, 6.4, 0.55, rgb(0xffd84a), 0.2);
}

// ---- 4: little train ----------------------------------------------------------------

// A spoked red wheel.
static void wheel(cairo_t* cr, double x, double y, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fillGradientOutlined(cr, y - r, rgb(0xff6a5a), y + r, rgb(0xc02a2a), INK, LINE);
    for (int i = 0; i < 3; i++) {
        double a = i * M_PI / 3;
        cairo_move_to(cr, x + cos(a) * r * 0.8, y + sin(a) * r * 0.8);
        cairo_line_to(cr, x - cos(a) * r * 0.8, y - sin(a) * r * 0.8);
    }
    setColour(cr, rgb(0x8a1a1a));
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r * 0.25, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN);
}

// The engine, facing right: boiler with a smiling round front, chimney, cab.
static void engine(cairo_t* cr, double x, double railY) {
    // Cab at the back.
    roundedRect(cr, x, railY - 3.3, 2.2, 2.6, 0.12);
    fillGradientOutlined(cr, railY - 3.3, rgb(0x5ab0ff), railY - 0.7, rgb(0x2a70d0), INK, LINE);
    roundedRect(cr, x - 0.2, railY - 3.6, 2.6, 0.42, 0.15);
    fillGradientOutlined(cr, railY - 3.6, rgb(0xff6a5a), railY - 3.2, rgb(0xc8302c), INK, LINE);
    roundedRect(cr, x + 0.45, railY - 2.9, 1.3, 0.95, 0.12);
    fillOutlined(cr, rgb(0xd8f4ff), INK, THIN);
    shine(cr, x + 0.8, railY - 2.65, 0.25, 0.08, -0.4, 0.8);
    // Boiler.
    roundedRect(cr, x + 2.1, railY - 2.55, 3.0, 1.75, 0.5);
    fillGradientOutlined(cr, railY - 2.55, rgb(0x7cd86a), railY - 0.8, rgb(0x3a9a3a), INK, LINE);
    for (int i = 0; i < 2; i++) {
        cairo_rectangle(cr, x + 2.9 + i * 1.1, railY - 2.55, 0.18, 1.75);
        fillOutlined(cr, rgb(0xffd54a), INK, THIN);
    }
    // Chimney and dome.
    cairo_move_to(cr, x + 4.0, railY - 2.5);
    cairo_line_to(cr, x + 3.9, railY - 3.6);
    cairo_line_to(cr, x + 3.75, railY - 3.95);
    cairo_line_to(cr, x + 4.75, railY - 3.95);
    cairo_line_to(cr, x + 4.6, railY - 3.6);
    cairo_line_to(cr, x + 4.5, railY - 2.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, railY - 3.95, rgb(0x5a4a6a), railY - 2.5, rgb(0x2d2333), INK, LINE);
    cairo_new_path(cr);
    cairo_arc(cr, x + 2.95, railY - 2.55, 0.35, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffd54a), INK, THIN);
    // Chassis and wheels.
    roundedRect(cr, x - 0.1, railY - 0.95, 5.6, 0.4, 0.1);
    fillOutlined(cr, rgb(0x3a2440), INK, THIN);
    wheel(cr, x + 0.9, railY - 0.55, 0.55);
    wheel(cr, x + 2.6, railY - 0.42, 0.42);
    wheel(cr, x + 3.8, railY - 0.42, 0.42);
    // Cow-catcher.
    cairo_move_to(cr, x + 5.4, railY - 0.9);
    cairo_line_to(cr, x + 6.0, railY - 0.1);
    cairo_line_to(cr, x + 5.3, railY - 0.1);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xff6a5a), INK, THIN);
    // The round smiling front.
    double fx = x + 5.3, fy = railY - 1.68;
    cairo_new_path(cr);
    cairo_arc(cr, fx, fy, 0.95, 0, 2 * M_PI);
    fillGradientOutlined(cr, fy - 0.95, rgb(0xe8f0ff), fy + 0.95, rgb(0xb8c4dc), INK, LINE);
    happyFace(cr, fx, fy + 0.05, 1.25, true);
}

// A carriage with round windows and passengers peeking out.
static void carriage(cairo_t* cr, double x, double railY, Rgba colour, int passengers) {
    roundedRect(cr, x - 0.1, railY - 3.35, 4.7, 0.4, 0.15);
    fillGradientOutlined(cr, railY - 3.35, rgb(0xfff3d0), railY - 2.95, rgb(0xe8c890), INK, LINE);
    roundedRect(cr, x, railY - 3.0, 4.5, 2.2, 0.2);
    fillGradientOutlined(cr, railY - 3.0, shade(colour, 0.3), railY - 0.8, shade(colour, -0.15),
                         INK, LINE);
    roundedRect(cr, x - 0.1, railY - 0.95, 4.7, 0.35, 0.1);
    fillOutlined(cr, rgb(0x3a2440), INK, THIN);
    wheel(cr, x + 0.9, railY - 0.42, 0.42);
    wheel(cr, x + 3.6, railY - 0.42, 0.42);
    // Windows with a passenger each: bear, bunny, cat.
    for (int i = 0; i < 2; i++) {
        double wx = x + 1.15 + i * 2.2, wy = railY - 2.0;
        roundedRect(cr, wx - 0.8, wy - 0.75, 1.6, 1.35, 0.35);
        fillOutlined(cr, rgb(0xd8f4ff), INK, THIN);
        cairo_save(cr);
        roundedRect(cr, wx - 0.8, wy - 0.75, 1.6, 1.35, 0.35);
        cairo_clip(cr);
        int kind = (passengers + i) % 3;
        Rgba fur = kind == 0 ? rgb(0xc08850) : kind == 1 ? rgb(0xf4f0f4) : rgb(0xffa050);
        if (kind == 1)
            for (int side = -1; side <= 1; side += 2) {
                ellipsePath(cr, wx + side * 0.2, wy - 0.45, 0.13, 0.4);
                fillOutlined(cr, fur, INK, THIN);
                ellipsePath(cr, wx + side * 0.2, wy - 0.42, 0.06, 0.28);
                setColour(cr, rgb(0xffb0c0));
                cairo_fill(cr);
            }
        else
            for (int side = -1; side <= 1; side += 2) {
                if (kind == 0) {
                    cairo_new_path(cr);
                    cairo_arc(cr, wx + side * 0.38, wy - 0.05, 0.17, 0, 2 * M_PI);
                } else {
                    cairo_move_to(cr, wx + side * 0.15, wy - 0.2);
                    cairo_line_to(cr, wx + side * 0.45, wy - 0.45);
                    cairo_line_to(cr, wx + side * 0.45, wy + 0.05);
                    cairo_close_path(cr);
                }
                fillOutlined(cr, fur, INK, THIN);
            }
        ellipsePath(cr, wx, wy + 0.3, 0.5, 0.45);
        fillGradientOutlined(cr, wy - 0.15, shade(fur, 0.2), wy + 0.75, fur, INK, THIN);
        happyFace(cr, wx, wy + 0.33, 0.72);
        cairo_restore(cr);
        shine(cr, wx - 0.45, wy - 0.5, 0.18, 0.06, -0.6, 0.7);
    }
}

void drawTrain(cairo_t* cr) {
    ArtRandom random(104);
    daySky(cr, 7);
    sun(cr, 17.8, 1.6, 0.95);
    cloud(cr, 2.6, 1.5, 2.8);
    cloud(cr, 12.8, 1.0, 2.2);
    bird(cr, 15.0, 2.8, 0.26);
    bird(cr, 15.7, 3.3, 0.2);
    // A far mountain with snow, and hills.
    cairo_move_to(cr, 3.0, 6.5);
    cairo_curve_to(cr, 5.0, 5.0, 6.2, 2.6, 7.4, 2.6);
    cairo_curve_to(cr, 8.6, 2.6, 9.8, 5.0, 12.0, 6.5);
    cairo_close_path(cr);
    fillGradientOutlined(cr, 2.6, rgb(0xa8b8f0), 6.5, rgb(0x7a8ad0), INK, LINE);
    cairo_move_to(cr, 6.2, 3.7);
    cairo_curve_to(cr, 6.6, 2.9, 7.0, 2.6, 7.4, 2.6);
    cairo_curve_to(cr, 7.8, 2.6, 8.2, 2.9, 8.6, 3.7);
    cairo_line_to(cr, 8.1, 3.45);
    cairo_line_to(cr, 7.7, 3.8);
    cairo_line_to(cr, 7.3, 3.4);
    cairo_line_to(cr, 6.9, 3.8);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xffffff), INK, THIN);
    const double far[] = {0, 5.6, 4, 5.0, 9.5, 6.0, 14.5, 4.9, 20, 5.5};
    hill(cr, far, 5, 12.5, rgb(0xb8ea86), rgb(0x86cc60));
    // A little house and trees on the far hill.
    cairo_rectangle(cr, 0.6, 4.6, 1.4, 1.1);
    fillGradientOutlined(cr, 4.6, rgb(0xfff4d8), 5.7, rgb(0xf0d8a8), INK, THIN);
    cairo_move_to(cr, 0.4, 4.7);
    cairo_line_to(cr, 1.3, 3.9);
    cairo_line_to(cr, 2.2, 4.7);
    cairo_close_path(cr);
    fillOutlined(cr, rgb(0xf0584a), INK, THIN);
    cairo_rectangle(cr, 1.1, 4.9, 0.4, 0.35);
    fillOutlined(cr, rgb(0x8fd8ff), INK, THIN * 0.7);
    roundTree(cr, 3.2, 5.5, 1.6, rgb(0x5fbf4a));
    roundTree(cr, 12.6, 5.6, 1.4, rgb(0x6cc850));
    roundTree(cr, 18.6, 5.5, 1.7, rgb(0x58b848));
    const double near[] = {0, 7.4, 6, 7.0, 13, 7.6, 20, 7.0};
    hill(cr, near, 4, 12.5, rgb(0x93dc62), rgb(0x4fa83a));
    grassTufts(cr, 0, 20, 7.6, 0.3, rgb(0x5fb84a), random, 22);
    // The track.
    double railY = 9.7;
    for (double x = 0.1; x < 20.2; x += 0.55) {
        roundedRect(cr, x, railY - 0.05, 0.32, 0.5, 0.06);
        fillOutlined(cr, rgb(0xa0683a), INK, THIN * 0.8);
    }
    cairo_rectangle(cr, -0.5, railY + 0.02, 21, 0.14);
    fillOutlined(cr, rgb(0x9aa0b8), INK, THIN);
    // Smoke puffs drifting back from the chimney.
    const double puffs[][3] = {{16.15, 5.2, 0.38},
                               {15.7, 4.55, 0.5},
                               {14.9, 3.95, 0.6},
                               {13.9, 3.5, 0.68},
                               {12.7, 3.2, 0.74}};
    cairo_new_path(cr);
    for (const auto& p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI);
    }
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE * 2);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xf4f6fc));
    cairo_fill(cr);
    for (const auto& p : puffs)
        shine(cr, p[0] - p[2] * 0.3, p[1] - p[2] * 0.35, p[2] * 0.3, p[2] * 0.12, -0.4, 0.9);
    engine(cr, 11.9, railY);
    carriage(cr, 6.6, railY, rgb(0xff9a3c), 0);
    carriage(cr, 1.3, railY, rgb(0xc07aff), 2);
    // Couplings.
    cairo_rectangle(cr, 5.8, railY - 0.85, 0.8, 0.15);
    cairo_rectangle(cr, 11.1, railY - 0.85, 0.8, 0.15);
    fillOutlined(cr, rgb(0x3a2440), INK, THIN * 0.5);
    // Flowers along the line.
    const Rgba petals[] = {rgb(0xff8fc7), rgb(0xffffff), rgb(0xffd84a), rgb(0x8fd0ff),
                           rgb(0xb48cff)};
    for (int i = 0; i < 9; i++)
        stemFlower(cr, 0.8 + i * 2.3 + random.range(-0.3, 0.3), 12.2, random.range(1.0, 1.5),
                   random.range(0.35, 0.45), petals[i % 5], rgb(0xffc02e), random.range(-0.3, 0.3));
    grassTufts(cr, 0, 20, 12.2, 0.45, rgb(0x3f9a36), random, 22);
    butterfly(cr, 9.3, 6.4, 0.55, rgb(0xff8fc7), -0.2);
}
