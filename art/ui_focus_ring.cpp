// "focus_ring.pak": the ring that marks what keys, switches and the pad act on.
//
//   "corner"  one quarter of the ring's rounded corner: a sheet of
//             FOCUS_RING_CORNER_SIDE units square whose outer corner is the model's
//             origin (the top right one; the game turns it for the others);
//   "edge"    one unit of the straight side along x, its outer rim on z = 0,
//             that the game stretches between two corners.
// Both stand 30 units from the eye, in front of every dialog.  The band is
// dark, bright, dark from the outside in: the dark rims stand out on the
// lightest pictures, the bright middle on the darkest.
#include <cmath>

#include "art/ui_archives.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"
#include "ui/focus_ring.h"

namespace {

constexpr double RING_SIDE = FOCUS_RING_CORNER_SIDE;
constexpr double RING_DENSITY = 160; // texels per unit

// One stripe of the band: from `from` to `to` units in from the outer rim;
// the last one ends at the band's width, FOCUS_RING_BAND.
struct RingStripe {
    double from, to;
    Rgba colour;
};

constexpr RingStripe RING_STRIPES[] = {
    {0.00, 0.08, rgb(0x1d1248)},
    {0.08, 0.40, rgb(0xffd21f)},
    {0.17, 0.31, rgb(0xfff7b8)},
    {0.40, FOCUS_RING_BAND, rgb(0x1d1248)},
};

// The quarter ring round (-RING_SIDE, RING_SIDE) in picture units (y down).
void drawCorner(cairo_t* cr) {
    const double cx = -RING_SIDE, cy = RING_SIDE;
    for (const RingStripe& stripe : RING_STRIPES) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, RING_SIDE - stripe.from, -M_PI / 2, 0);
        cairo_arc_negative(cr, cx, cy, RING_SIDE - stripe.to, 0, -M_PI / 2);
        cairo_close_path(cr);
        setColour(cr, stripe.colour);
        cairo_fill(cr);
    }
}

// A unit of straight band under the top rim.
void drawEdge(cairo_t* cr) {
    for (const RingStripe& stripe : RING_STRIPES) {
        cairo_rectangle(cr, -0.5, stripe.from, 1.0, stripe.to - stripe.from);
        setColour(cr, stripe.colour);
        cairo_fill(cr);
    }
}

constexpr Sheet RING_SHEETS[] = {
    {"corner", -RING_SIDE, 0, -RING_SIDE, 0, 0, RING_DENSITY, SheetLook::Blended, drawCorner},
    {"edge", -0.5, 0.5, -RING_SIDE, 0, 0, RING_DENSITY, SheetLook::Blended, drawEdge},
};

} // namespace

bool buildFocusRing(const std::string& outDir) {
    PakArchive pak;
    return addSheets(pak, RING_SHEETS) && writeArchive(pak, outDir, "focus_ring.pak");
}
