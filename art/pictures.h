// The ten puzzle pictures and the small shapes they are made of.
//
// Every picture is drawn with cairo in board units: the drawing spans
// x 0..20 and y 0..12 with y pointing DOWN (cairo's way), which is the board
// x -10..10, y 6..-6 seen from the front.  `drawPicture` scales that onto a
// canvas of any size (the puzzle texture is 2048 x 1024, so the scale is not
// uniform, and the game stretches it back onto the 20 x 12 board).
//
// The style is shared by all ten: soft vertical gradients, big round shapes,
// one dark plum outline colour (`INK`) in two widths, and friendly faces with
// shiny eyes and rosy cheeks on everything alive.  Motif functions below
// draw one thing at a position and size; the picture files
// (pictures_land.cpp, pictures_sky.cpp, pictures_sea.cpp, pictures_world.cpp)
// compose them.  Random details
// (grass, stars, snow) take an `ArtRandom` so they come out the same each build.
#pragma once

#include <iterator>

#include "art/art_common.h"
#include "puzzle/picture_tables.h"

constexpr double PICTURE_WIDTH = 20.0;  // drawing units across (board units)
constexpr double PICTURE_HEIGHT = 12.0; // drawing units down

constexpr Rgba INK = rgb(0x3a2440);         // outline colour of everything
constexpr double LINE = 0.075;              // main outline width
constexpr double THIN = 0.045;              // detail line width
constexpr Rgba CHEEK = rgb(0xff7a8a, 0.55); // rosy cheeks
constexpr Rgba WHITE = rgb(0xffffff);

// One picture: draws the whole scene in drawing units.
using PictureDrawer = void (*)(cairo_t* cr);

// Draw picture `index` (a row of the game's PICTURE_ROWS, in
// puzzle/picture_tables.h) filling the whole canvas.
void drawPicture(int index, Canvas& canvas);
// Draw any picture drawer filling the whole canvas, the same way.
void drawPictureWith(PictureDrawer drawer, Canvas& canvas);

// ---- Picture drawers (pictures_*.cpp) -------------------------------------------------

void drawMeadow(cairo_t* cr);   // 0 flower meadow with a ladybird
void drawFarm(cairo_t* cr);     // 1 farm
void drawSea(cairo_t* cr);      // 2 under the sea
void drawSpace(cairo_t* cr);    // 3 rocket in space
void drawTrain(cairo_t* cr);    // 4 little train
void drawCastle(cairo_t* cr);   // 5 castle
void drawBeach(cairo_t* cr);    // 6 beach
void drawForest(cairo_t* cr);   // 7 forest with animals
void drawSnowman(cairo_t* cr);  // 8 snowman
void drawBalloons(cairo_t* cr); // 9 hot-air balloons

// One drawer per row of the game's picture table (PICTURE_ROWS), in its order.
inline constexpr PictureDrawer PICTURE_DRAWERS[] = {
    drawMeadow, drawFarm,  drawSea,    drawSpace,   drawTrain,
    drawCastle, drawBeach, drawForest, drawSnowman, drawBalloons,
};
static_assert(std::size(PICTURE_DRAWERS) == PICTURE_TOTAL,
              "every row of the picture table has its drawing");

// ---- Motifs (picture_motifs.cpp) -------------------------------------------------

// Fill the rectangle x0..x1, y0..y1 with a vertical gradient of several stops.
void gradientBand(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgba* colours,
                  int count);
// Path of a rolling hill through the given tops (x, y pairs), closed down to `bottom`.
void hillPath(cairo_t* cr, const double* tops, int count, double bottom);
// A rolling hill: the path through the given tops (x, y pairs) closed down to `bottom`,
// filled from `top` colour to `low` colour and outlined.
void hill(cairo_t* cr, const double* tops, int count, double bottom, Rgba top, Rgba low);
// A happy face: shiny eyes, cheeks and a smile, centred at (x, y), size = face width.
void happyFace(cairo_t* cr, double x, double y, double size, bool openMouth = false);
// One shiny eye (dark oval with a white highlight).
void shinyEye(cairo_t* cr, double x, double y, double size);
// The sun with rays and a face.
void sun(cairo_t* cr, double x, double y, double radius);
// A fluffy cloud centred at (x, y), `width` across.
void cloud(cairo_t* cr, double x, double y, double width, Rgba tint = WHITE);
// A daisy-like flower head with `petals` round petals.
void flower(cairo_t* cr, double x, double y, double radius, Rgba petal, Rgba middle,
            int petals = 6);
// A flower on a curved stem with one leaf, standing on groundY.
void stemFlower(cairo_t* cr, double x, double groundY, double height, double radius, Rgba petal,
                Rgba middle, double lean);
// A tulip on a stem.
void tulip(cairo_t* cr, double x, double groundY, double height, Rgba colour);
// Blades of grass along a line, in two greens.
void grassTufts(cairo_t* cr, double x0, double x1, double y, double height, Rgba colour,
                ArtRandom& random, int count);
// A leafy crown's path: circles (x, y, radius in `unit`s from (x, y)) outlined as one
// in thick ink; the path stays for the crown's fill.
void crownPath(cairo_t* cr, const double (*blobs)[3], int count, double x, double y, double unit);
// A round leafy tree standing on groundY.
void roundTree(cairo_t* cr, double x, double groundY, double height, Rgba crown);
// A pine tree standing on groundY, optionally with snow on its branches.
void pineTree(cairo_t* cr, double x, double groundY, double height, Rgba green, bool snowy);
// A small bird in flight (two curved wings).
void bird(cairo_t* cr, double x, double y, double size);
// A butterfly with round wings.
void butterfly(cairo_t* cr, double x, double y, double size, Rgba wings, double tilt);
// Path of a star with `points` tips.
void starPath(cairo_t* cr, double x, double y, double outer, double inner, int points,
              double turn = 0);
// A twinkling star filled and outlined.
void twinkle(cairo_t* cr, double x, double y, double size, Rgba colour);
// A friendly fish facing left (mirror with facingRight).
void fish(cairo_t* cr, double x, double y, double size, Rgba body, Rgba stripes, bool facingRight);
// A swaying strand of seaweed (or kelp) standing on groundY, halfWidth wide at its foot.
void seaweed(cairo_t* cr, double x, double groundY, double height, double sway, Rgba colour,
             double halfWidth);
// A round bubble with a shine.
void bubble(cairo_t* cr, double x, double y, double radius);
// A bee with stripes and wings.
void bee(cairo_t* cr, double x, double y, double size, double tilt);
// A mushroom with a spotted cap.
void mushroom(cairo_t* cr, double x, double groundY, double size, Rgba cap);
