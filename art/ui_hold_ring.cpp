// "hold_ring.pak": the ring that fills round a child-locked button while a
// grown-up holds it.
//
//   "track"  the whole ring, faint: outer radius 1 round the model's origin,
//            HOLD_RING_BAND wide, so the grown-up sees what there is to fill;
//   "wedge"  one of HOLD_RING_WEDGES equal parts of the band, bright, from
//            twelve o'clock clockwise; the game turns copies of it round.
// The game stretches both round its button's box.  The band is dark,
// bright, dark from the outside in, as the focus ring's: the dark rims
// stand out on light buttons, the bright middle on dark ones.
#include <cmath>

#include "art/ui_archives.h"
#include "art/ui_paint.h"
#include "art/ui_sheet.h"
#include "ui/hold_ring.h"

namespace {

constexpr double HOLD_RING_DENSITY = 256; // texels per unit
constexpr double INNER = 1 - HOLD_RING_BAND;
constexpr double TOP = -M_PI / 2; // twelve o'clock, in the picture (y down)
// Each wedge reaches a little into the next, so no seam shows between them.
constexpr double WEDGE_OVERLAP = 0.6 * M_PI / 180;

// One stripe of the band, as a share of its width from the outer rim.
struct HoldStripe {
    double from, to;
    Rgba colour;
};

constexpr HoldStripe WEDGE_STRIPES[] = {
    {0.00, 0.16, rgb(0x1d1248)},
    {0.16, 0.84, rgb(0xffd21f)},
    {0.36, 0.64, rgb(0xfff7b8)},
    {0.84, 1.00, rgb(0x1d1248)},
};
constexpr HoldStripe TRACK_STRIPES[] = {
    {0.00, 1.00, rgb(0x1d1248, 0.45)},
    {0.16, 0.84, rgb(0xffffff, 0.55)},
};

// The band's stripes between two angles of the picture (clockwise from `from`).
void drawBand(cairo_t* cr, const HoldStripe* stripes, int count, double from, double to) {
    for (int i = 0; i < count; ++i) {
        const HoldStripe& stripe = stripes[i];
        double outer = 1 - stripe.from * HOLD_RING_BAND, inner = 1 - stripe.to * HOLD_RING_BAND;
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, outer, from, to);
        cairo_arc_negative(cr, 0, 0, inner, to, from);
        cairo_close_path(cr);
        setColour(cr, stripe.colour);
        cairo_fill(cr);
    }
}

void drawTrack(cairo_t* cr) {
    // Two halves: a full circle's path would join its inner and outer rims.
    drawBand(cr, TRACK_STRIPES, 2, TOP, TOP + M_PI);
    drawBand(cr, TRACK_STRIPES, 2, TOP + M_PI, TOP + 2 * M_PI);
}

void drawWedge(cairo_t* cr) {
    drawBand(cr, WEDGE_STRIPES, 4, TOP, TOP + 2 * M_PI / HOLD_RING_WEDGES + WEDGE_OVERLAP);
}

// The wedge's box: from twelve o'clock to a little past its turn.
const double WEDGE_END = 2 * M_PI / HOLD_RING_WEDGES + WEDGE_OVERLAP;

} // namespace

bool buildHoldRing(const std::string& outDir) {
    const Sheet sheets[] = {
        {"track", -1, 1, -1, 1, 0, HOLD_RING_DENSITY, SheetLook::Blended, drawTrack},
        {"wedge", -0.02, std::sin(WEDGE_END) + 0.02, INNER * std::cos(WEDGE_END) - 0.02, 1.0, 0,
         HOLD_RING_DENSITY, SheetLook::Blended, drawWedge},
    };
    PakArchive pak;
    return addSheets(pak, sheets) && writeArchive(pak, outDir, "hold_ring.pak");
}
