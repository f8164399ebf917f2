#include <cmath>

#include "art/pictures.h"

void gradientBand(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba* colours,
                  int count) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    for (int i = 0; i < count; i++)
        cairo_pattern_add_color_stop_rgba(gradient, count > 1 ? (double)i / (count - 1) : 0,
                                          colours[i].r, colours[i].g, colours[i].b, colours[i].a);
    cairo_set_source(cr, gradient);
    cairo_pattern_destroy(gradient);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
}

void hillPath(cairo_t* cr, const double* tops, int count, double bottom) {
    // A smooth curve through the tops: each span is a cubic whose handles lie
    // level with its ends, so every top is a gentle crest or dip.
    cairo_new_path(cr);
    cairo_move_to(cr, tops[0], tops[1]);
    for (int i = 1; i < count; i++) {
        double x0 = tops[2 * i - 2], y0 = tops[2 * i - 1], x1 = tops[2 * i], y1 = tops[2 * i + 1];
        double mid = (x1 - x0) * 0.5;
        cairo_curve_to(cr, x0 + mid, y0, x1 - mid, y1, x1, y1);
    }
    cairo_line_to(cr, tops[2 * count - 2], bottom);
    cairo_line_to(cr, tops[0], bottom);
    cairo_close_path(cr);
}

void hill(cairo_t* cr, const double* tops, int count, double bottom, Rgba top, Rgba low) {
    double highest = bottom;
    for (int i = 0; i < count; i++)
        highest = std::fmin(highest, tops[2 * i + 1]);
    hillPath(cr, tops, count, bottom);
    fillGradientOutlined(cr, highest, top, bottom, low, INK, LINE);
}

void shinyEye(cairo_t* cr, double x, double y, double size) {
    ellipsePath(cr, x, y, size * 0.42, size * 0.55);
    setColour(cr, INK);
    cairo_fill(cr);
    ellipsePath(cr, x - size * 0.12, y - size * 0.2, size * 0.17, size * 0.19);
    setColour(cr, WHITE);
    cairo_fill(cr);
    ellipsePath(cr, x + size * 0.15, y + size * 0.2, size * 0.07, size * 0.07);
    setColour(cr, rgb(0xffffff, 0.8));
    cairo_fill(cr);
}

void happyFace(cairo_t* cr, double x, double y, double size, bool openMouth) {
    double eye = size * 0.2;
    shinyEye(cr, x - size * 0.24, y - size * 0.08, eye);
    shinyEye(cr, x + size * 0.24, y - size * 0.08, eye);
    ellipsePath(cr, x - size * 0.38, y + size * 0.14, size * 0.12, size * 0.075);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    ellipsePath(cr, x + size * 0.38, y + size * 0.14, size * 0.12, size * 0.075);
    cairo_fill(cr);
    cairo_new_path(cr);
    if (openMouth) {
        cairo_move_to(cr, x - size * 0.14, y + size * 0.1);
        cairo_curve_to(cr, x - size * 0.12, y + size * 0.34, x + size * 0.12, y + size * 0.34,
                       x + size * 0.14, y + size * 0.1);
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xc8324a), INK, size * 0.04);
        ellipsePath(cr, x, y + size * 0.22, size * 0.065, size * 0.04);
        setColour(cr, rgb(0xff8fa0));
        cairo_fill(cr);
    } else {
        cairo_arc(cr, x, y + size * 0.02, size * 0.17, M_PI * 0.2, M_PI * 0.8);
        setColour(cr, INK);
        cairo_set_line_width(cr, size * 0.055);
        cairo_stroke(cr);
    }
}

void sun(cairo_t* cr, double x, double y, double radius) {
    softGlow(cr, x, y, radius * 2.6, rgb(0xfff4a0, 0.55));
    for (int i = 0; i < 12; i++) {
        double a = i * M_PI / 6 + 0.13, w = 0.16;
        double inner = radius * 1.12, outer = radius * (i % 2 ? 1.55 : 1.75);
        cairo_move_to(cr, x + inner * cos(a - w), y + inner * sin(a - w));
        cairo_line_to(cr, x + outer * cos(a), y + outer * sin(a));
        cairo_line_to(cr, x + inner * cos(a + w), y + inner * sin(a + w));
        cairo_close_path(cr);
        fillOutlined(cr, rgb(0xffc93c), INK, THIN);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_pattern_t* disc =
        cairo_pattern_create_radial(x - radius * 0.3, y - radius * 0.3, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgb(disc, 0, 1.0, 0.96, 0.55);
    cairo_pattern_add_color_stop_rgb(disc, 1, 1.0, 0.76, 0.2);
    fillPatternOutlined(cr, disc, INK, LINE);
    happyFace(cr, x, y + radius * 0.1, radius * 1.2);
}

void cloud(cairo_t* cr, double x, double y, double width, Rgba tint) {
    // Five puffs on a flat base, as one outlined shape.
    const double puffs[][3] = {{-0.36, 0.05, 0.2},
                               {-0.16, -0.12, 0.27},
                               {0.1, -0.18, 0.3},
                               {0.33, -0.02, 0.22},
                               {0.0, 0.04, 0.26}};
    double h = width * 0.5;
    cairo_new_path(cr);
    for (const auto& p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + p[0] * width, y + p[1] * width, p[2] * width, 0, 2 * M_PI);
    }
    roundedRect(cr, x - width * 0.5, y - width * 0.05, width, width * 0.22, width * 0.11);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Outline the union: stroke first, then fill over the inner lines.
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y - h * 0.7, 0, y + width * 0.17);
    Rgba lowTint = mixColour(tint, rgb(0xc9dcff), 0.6);
    cairo_pattern_add_color_stop_rgba(g, 0, tint.r, tint.g, tint.b, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, lowTint.r, lowTint.g, lowTint.b, 1);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
    shine(cr, x - width * 0.1, y - width * 0.22, width * 0.12, width * 0.05, -0.3, 0.8);
}

void flower(cairo_t* cr, double x, double y, double radius, Rgba petal, Rgba middle, int petals) {
    for (int i = 0; i < petals; i++) {
        double a = i * 2 * M_PI / petals - M_PI / 2;
        cairo_save(cr);
        cairo_translate(cr, x + cos(a) * radius * 0.55, y + sin(a) * radius * 0.55);
        cairo_rotate(cr, a);
        ellipsePath(cr, 0, 0, radius * 0.5, radius * 0.33);
        cairo_restore(cr);
        fillGradientOutlined(cr, y - radius, shade(petal, 0.35), y + radius, petal, INK, THIN);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius * 0.36, 0, 2 * M_PI);
    fillGradientOutlined(cr, y - radius * 0.36, shade(middle, 0.3), y + radius * 0.36, middle, INK,
                         THIN);
    shine(cr, x - radius * 0.1, y - radius * 0.14, radius * 0.12, radius * 0.07, -0.4, 0.7);
}

void stemFlower(cairo_t* cr, double x, double groundY, double height, double radius, Rgba petal,
                Rgba middle, double lean) {
    double topX = x + lean, topY = groundY - height;
    cairo_new_path(cr);
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x, groundY - height * 0.5, topX, topY + height * 0.4, topX, topY);
    setColour(cr, INK);
    cairo_set_line_width(cr, radius * 0.2 + 0.05);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0x4caf3e));
    cairo_set_line_width(cr, radius * 0.2);
    cairo_stroke(cr);
    // One leaf half way up.
    double lx = x + lean * 0.3, ly = groundY - height * 0.4;
    double side = lean >= 0 ? -1 : 1;
    cairo_move_to(cr, lx, ly);
    cairo_curve_to(cr, lx + side * radius * 0.6, ly - radius * 0.7, lx + side * radius * 1.3,
                   ly - radius * 0.4, lx + side * radius * 1.5, ly - radius * 0.7);
    cairo_curve_to(cr, lx + side * radius * 1.2, ly + radius * 0.1, lx + side * radius * 0.5,
                   ly + radius * 0.2, lx, ly);
    fillGradientOutlined(cr, ly - radius, rgb(0x8be05a), ly + radius * 0.3, rgb(0x3f9a36), INK,
                         THIN);
    flower(cr, topX, topY, radius, petal, middle);
}

void tulip(cairo_t* cr, double x, double groundY, double height, Rgba colour) {
    double top = groundY - height, r = height * 0.16;
    cairo_new_path(cr);
    cairo_move_to(cr, x, groundY);
    cairo_line_to(cr, x, top + r);
    setColour(cr, INK);
    cairo_set_line_width(cr, r * 0.32 + 0.05);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0x4caf3e));
    cairo_set_line_width(cr, r * 0.32);
    cairo_stroke(cr);
    // Long leaf from the ground.
    cairo_move_to(cr, x, groundY);
    cairo_curve_to(cr, x + r * 1.6, groundY - height * 0.2, x + r * 1.4, groundY - height * 0.45,
                   x + r * 0.9, groundY - height * 0.6);
    cairo_curve_to(cr, x + r * 0.8, groundY - height * 0.35, x + r * 0.4, groundY - height * 0.15,
                   x, groundY);
    fillGradientOutlined(cr, groundY - height * 0.6, rgb(0x8be05a), groundY, rgb(0x3f9a36), INK,
                         THIN);
    // Cup with three points.
    cairo_move_to(cr, x - r, top);
    cairo_line_to(cr, x - r * 0.45, top + r * 0.45);
    cairo_line_to(cr, x, top - r * 0.1);
    cairo_line_to(cr, x + r * 0.45, top + r * 0.45);
    cairo_line_to(cr, x + r, top);
    cairo_curve_to(cr, x + r * 1.1, top + r * 1.1, x + r * 0.6, top + r * 1.4, x, top + r * 1.4);
    cairo_curve_to(cr, x - r * 0.6, top + r * 1.4, x - r * 1.1, top + r * 1.1, x - r, top);
    cairo_close_path(cr);
    fillGradientOutlined(cr, top, shade(colour, 0.3), top + r * 1.4, colour, INK, THIN);
    shine(cr, x - r * 0.45, top + r * 0.7, r * 0.14, r * 0.3, 0.2, 0.55);
}

void grassTufts(cairo_t* cr, double x0, double x1, double y, double height, Rgba colour,
                ArtRandom& random, int count) {
    for (int i = 0; i < count; i++) {
        double x = x0 + (x1 - x0) * (i + random.range(0.1, 0.9)) / count;
        double h = height * random.range(0.6, 1.1), lean = random.range(-0.15, 0.15);
        Rgba c = shade(colour, random.range(-0.15, 0.2));
        for (int blade = -1; blade <= 1; blade++) {
            double bx = x + blade * height * 0.12, bh = h * (blade == 0 ? 1.0 : 0.7);
            cairo_move_to(cr, bx - height * 0.06, y);
            cairo_curve_to(cr, bx - height * 0.03, y - bh * 0.6, bx + lean + blade * height * 0.1,
                           y - bh * 0.8, bx + lean + blade * height * 0.2, y - bh);
            cairo_curve_to(cr, bx + height * 0.02, y - bh * 0.6, bx + height * 0.06, y - bh * 0.3,
                           bx + height * 0.06, y);
            cairo_close_path(cr);
        }
        setColour(cr, c);
        cairo_fill(cr);
    }
}

void crownPath(cairo_t* cr, const double (*blobs)[3], int count, double x, double y, double unit) {
    cairo_new_path(cr);
    for (int i = 0; i < count; i++) {
        const double* b = blobs[i];
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + b[0] * unit, y + b[1] * unit, b[2] * unit, 0, 2 * M_PI);
    }
    setColour(cr, INK);
    cairo_set_line_width(cr, LINE * 2);
    cairo_stroke_preserve(cr);
}

void roundTree(cairo_t* cr, double x, double groundY, double height, Rgba crown) {
    double trunkW = height * 0.13, crownR = height * 0.3;
    double crownY = groundY - height + crownR;
    cairo_new_path(cr);
    cairo_move_to(cr, x - trunkW * 0.6, groundY);
    cairo_curve_to(cr, x - trunkW * 0.45, groundY - height * 0.3, x - trunkW * 0.5, crownY,
                   x - trunkW * 0.4, crownY);
    cairo_line_to(cr, x + trunkW * 0.4, crownY);
    cairo_curve_to(cr, x + trunkW * 0.5, crownY, x + trunkW * 0.45, groundY - height * 0.3,
                   x + trunkW * 0.6, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, crownY, rgb(0xb07a4a), groundY, rgb(0x7a4b2a), INK, LINE);
    // Crown: three overlapping circles outlined as one.
    const double blobs[][3] = {{-0.55, 0.15, 0.72}, {0.55, 0.15, 0.72}, {0.0, -0.25, 0.85}};
    crownPath(cr, blobs, 3, x, crownY, crownR);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - crownR * 0.4, crownY - crownR * 0.6,
                                                     crownR * 0.1, x, crownY, crownR * 1.5);
    Rgba light = shade(crown, 0.3), dark = shade(crown, -0.25);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_fill(cr);
    shine(cr, x - crownR * 0.35, crownY - crownR * 0.55, crownR * 0.3, crownR * 0.14, -0.4, 0.35);
}

void pineTree(cairo_t* cr, double x, double groundY, double height, Rgba green, bool snowy) {
    double w = height * 0.42;
    cairo_new_path(cr);
    cairo_rectangle(cr, x - height * 0.05, groundY - height * 0.2, height * 0.1, height * 0.2);
    fillOutlined(cr, rgb(0x8a5a36), INK, THIN);
    for (int tier = 0; tier < 3; tier++) {
        double bottom = groundY - height * (0.15 + tier * 0.25);
        double top = bottom - height * 0.42;
        double half = w * (1.0 - tier * 0.25);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.3, top + height * 0.15, x + half * 0.7,
                       bottom - height * 0.08, x + half, bottom);
        cairo_curve_to(cr, x + half * 0.4, bottom + height * 0.05, x - half * 0.4,
                       bottom + height * 0.05, x - half, bottom);
        cairo_curve_to(cr, x - half * 0.7, bottom - height * 0.08, x - half * 0.3,
                       top + height * 0.15, x, top);
        cairo_close_path(cr);
        fillGradientOutlined(cr, top, shade(green, 0.25), bottom, shade(green, -0.2), INK, THIN);
        if (snowy) {
            cairo_move_to(cr, x, top);
            cairo_curve_to(cr, x + half * 0.2, top + height * 0.08, x + half * 0.35,
                           top + height * 0.14, x + half * 0.45, top + height * 0.2);
            cairo_curve_to(cr, x + half * 0.2, top + height * 0.17, x - half * 0.2,
                           top + height * 0.22, x - half * 0.4, top + height * 0.19);
            cairo_curve_to(cr, x - half * 0.3, top + height * 0.12, x - half * 0.15,
                           top + height * 0.07, x, top);
            cairo_close_path(cr);
            fillOutlined(cr, rgb(0xf8fcff), INK, THIN * 0.7);
        }
    }
}

void bird(cairo_t* cr, double x, double y, double size) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - size, y - size * 0.2);
    cairo_curve_to(cr, x - size * 0.6, y - size * 0.6, x - size * 0.2, y - size * 0.4, x, y);
    cairo_curve_to(cr, x + size * 0.2, y - size * 0.4, x + size * 0.6, y - size * 0.6, x + size,
                   y - size * 0.2);
    setColour(cr, INK);
    cairo_set_line_width(cr, size * 0.16);
    cairo_stroke(cr);
}

void butterfly(cairo_t* cr, double x, double y, double size, Rgba wings, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * size * 0.42, -size * 0.25, size * 0.42, size * 0.36);
        fillGradientOutlined(cr, -size * 0.6, shade(wings, 0.35), size * 0.1, wings, INK, THIN);
        ellipsePath(cr, side * size * 0.33, size * 0.25, size * 0.3, size * 0.26);
        fillGradientOutlined(cr, 0, shade(wings, 0.2), size * 0.5, shade(wings, -0.1), INK, THIN);
        ellipsePath(cr, side * size * 0.45, -size * 0.28, size * 0.13, size * 0.13);
        setColour(cr, rgb(0xffffff, 0.75));
        cairo_fill(cr);
    }
    ellipsePath(cr, 0, 0, size * 0.11, size * 0.45);
    fillOutlined(cr, rgb(0x5a3a5a), INK, THIN);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * size * 0.03, -size * 0.4);
        cairo_curve_to(cr, side * size * 0.1, -size * 0.65, side * size * 0.2, -size * 0.7,
                       side * size * 0.28, -size * 0.72);
        setColour(cr, INK);
        cairo_set_line_width(cr, THIN);
        cairo_stroke(cr);
        cairo_arc(cr, side * size * 0.28, -size * 0.72, size * 0.05, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void starPath(cairo_t* cr, double x, double y, double outer, double inner, int points,
              double turn) {
    cairo_new_path(cr);
    for (int i = 0; i < points * 2; i++) {
        double a = turn - M_PI / 2 + i * M_PI / points;
        double r = i % 2 ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, x + r * cos(a), y + r * sin(a));
        else
            cairo_line_to(cr, x + r * cos(a), y + r * sin(a));
    }
    cairo_close_path(cr);
}

void twinkle(cairo_t* cr, double x, double y, double size, Rgba colour) {
    softGlow(cr, x, y, size * 1.8, Rgba{colour.r, colour.g, colour.b, 0.35});
    starPath(cr, x, y, size, size * 0.45, 5);
    fillOutlined(cr, colour, INK, THIN * 0.8);
}

void fish(cairo_t* cr, double x, double y, double size, Rgba body, Rgba stripes, bool facingRight) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (facingRight) cairo_scale(cr, -1, 1);
    double s = size;
    // Tail.
    cairo_move_to(cr, s * 0.35, 0);
    cairo_curve_to(cr, s * 0.6, -s * 0.1, s * 0.7, -s * 0.35, s * 0.8, -s * 0.35);
    cairo_curve_to(cr, s * 0.72, -s * 0.1, s * 0.72, s * 0.1, s * 0.8, s * 0.35);
    cairo_curve_to(cr, s * 0.7, s * 0.35, s * 0.6, s * 0.1, s * 0.35, 0);
    cairo_close_path(cr);
    fillOutlined(cr, stripes, INK, THIN);
    // Top fin.
    cairo_move_to(cr, -s * 0.15, -s * 0.3);
    cairo_curve_to(cr, -s * 0.05, -s * 0.5, s * 0.2, -s * 0.48, s * 0.25, -s * 0.2);
    cairo_close_path(cr);
    fillOutlined(cr, stripes, INK, THIN);
    // Body.
    ellipsePath(cr, 0, 0, s * 0.48, s * 0.34);
    fillGradientOutlined(cr, -s * 0.34, shade(body, 0.3), s * 0.34, shade(body, -0.1), INK,
                         LINE * 0.8);
    cairo_save(cr);
    ellipsePath(cr, 0, 0, s * 0.48, s * 0.34);
    cairo_clip(cr);
    for (int i = 0; i < 2; i++) {
        double sx = s * (0.02 + i * 0.2);
        cairo_rectangle(cr, sx, -s * 0.4, s * 0.08, s * 0.8);
        setColour(cr, Rgba{stripes.r, stripes.g, stripes.b, 0.85});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Side fin and face.
    ellipsePath(cr, s * 0.02, s * 0.1, s * 0.1, s * 0.06);
    fillOutlined(cr, shade(stripes, 0.2), INK, THIN * 0.8);
    shinyEye(cr, -s * 0.25, -s * 0.07, s * 0.15);
    ellipsePath(cr, -s * 0.2, s * 0.1, s * 0.06, s * 0.035);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_arc(cr, -s * 0.36, s * 0.05, s * 0.06, M_PI * 0.1, M_PI * 0.9);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN * 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    shine(cr, x + (facingRight ? 0.1 : -0.1) * s, y - s * 0.2, s * 0.12, s * 0.05, 0, 0.6);
}

void bubble(cairo_t* cr, double x, double y, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    fillOutlined(cr, rgb(0xe8f8ff, 0.25), rgb(0xffffff, 0.85), radius * 0.15);
    shine(cr, x - radius * 0.35, y - radius * 0.35, radius * 0.25, radius * 0.14, -0.7, 0.9);
}

void bee(cairo_t* cr, double x, double y, double size, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    double s = size;
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * s * 0.12, -s * 0.38, s * 0.18, s * 0.26);
        fillOutlined(cr, rgb(0xe9f6ff, 0.9), INK, THIN);
    }
    ellipsePath(cr, 0, 0, s * 0.5, s * 0.33);
    fillGradientOutlined(cr, -s * 0.33, rgb(0xffe066), s * 0.33, rgb(0xf5a623), INK, THIN);
    cairo_save(cr);
    ellipsePath(cr, 0, 0, s * 0.5, s * 0.33);
    cairo_clip(cr);
    for (int i = 0; i < 2; i++) {
        cairo_rectangle(cr, s * (0.02 + i * 0.2), -s * 0.4, s * 0.09, s * 0.8);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shinyEye(cr, -s * 0.26, -s * 0.05, s * 0.14);
    ellipsePath(cr, -s * 0.33, s * 0.12, s * 0.06, s * 0.035);
    setColour(cr, CHEEK);
    cairo_fill(cr);
    cairo_move_to(cr, s * 0.5, 0);
    cairo_line_to(cr, s * 0.62, s * 0.04);
    setColour(cr, INK);
    cairo_set_line_width(cr, THIN);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void mushroom(cairo_t* cr, double x, double groundY, double size, Rgba cap) {
    double s = size;
    cairo_new_path(cr);
    cairo_move_to(cr, x - s * 0.18, groundY);
    cairo_curve_to(cr, x - s * 0.2, groundY - s * 0.3, x - s * 0.15, groundY - s * 0.5,
                   x - s * 0.14, groundY - s * 0.55);
    cairo_line_to(cr, x + s * 0.14, groundY - s * 0.55);
    cairo_curve_to(cr, x + s * 0.15, groundY - s * 0.5, x + s * 0.2, groundY - s * 0.3,
                   x + s * 0.18, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - s * 0.55, rgb(0xfff6e0), groundY, rgb(0xe8d2aa), INK, THIN);
    double capY = groundY - s * 0.5;
    cairo_move_to(cr, x - s * 0.5, capY);
    cairo_curve_to(cr, x - s * 0.5, capY - s * 0.55, x + s * 0.5, capY - s * 0.55, x + s * 0.5,
                   capY);
    cairo_curve_to(cr, x + s * 0.3, capY + s * 0.08, x - s * 0.3, capY + s * 0.08, x - s * 0.5,
                   capY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, capY - s * 0.45, shade(cap, 0.25), capY, cap, INK, THIN);
    const double spots[][3] = {{-0.25, -0.15, 0.07}, {0.05, -0.3, 0.08}, {0.28, -0.12, 0.06}};
    for (const auto& sp : spots) {
        ellipsePath(cr, x + sp[0] * s, capY + sp[1] * s, sp[2] * s, sp[2] * s * 0.8);
        setColour(cr, rgb(0xfffdf5));
        cairo_fill(cr);
    }
}

// A swaying strand of seaweed from the sea floor, halfWidth wide at its foot.
void seaweed(cairo_t* cr, double x, double groundY, double height, double sway, Rgba colour,
             double halfWidth) {
    double w = halfWidth;
    cairo_move_to(cr, x - w, groundY);
    cairo_curve_to(cr, x - w + sway, groundY - height * 0.35, x - w - sway, groundY - height * 0.7,
                   x + sway * 0.5, groundY - height);
    cairo_curve_to(cr, x + w - sway, groundY - height * 0.7, x + w + sway, groundY - height * 0.35,
                   x + w, groundY);
    cairo_close_path(cr);
    fillGradientOutlined(cr, groundY - height, shade(colour, 0.3), groundY, shade(colour, -0.2),
                         INK, THIN);
}

// ---- The pictures ----------------------------------------------------------------

void drawPicture(int index, Canvas& canvas) {
    drawPictureWith(PICTURE_DRAWERS[index], canvas);
}

void drawPictureWith(PictureDrawer drawer, Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    cairo_save(cr);
    useUnits(canvas, PICTURE_WIDTH, PICTURE_HEIGHT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_rectangle(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
    cairo_clip(cr);
    drawer(cr);
    cairo_restore(cr);
}
