// The scatter: slots round the tray, taken at random.
#include "puzzle/scatter.h"

#include <algorithm>
#include <cmath>

#include "base/random.h"

namespace {

// A rectangle of the ground, board units.
struct Band {
    double x0, x1, y0, y1;
};

// The slots of one band for pieces `reach` large: as many whole slots as
// fit each way, spread evenly over the band.
void addSlots(const Band& band, PieceReach reach, std::vector<Band>& slots) {
    int columns = (int)std::floor((band.x1 - band.x0) / (2 * reach.x));
    int rows = (int)std::floor((band.y1 - band.y0) / (2 * reach.y));
    if (columns <= 0 || rows <= 0) return;
    double w = (band.x1 - band.x0) / columns, h = (band.y1 - band.y0) / rows;
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < columns; c++)
            slots.push_back(
                {band.x0 + c * w, band.x0 + (c + 1) * w, band.y0 + r * h, band.y0 + (r + 1) * h});
}

// How many slots a band holds for pieces `reach` large.
int slotCount(const Band& band, PieceReach reach) {
    return std::max(0, (int)std::floor((band.x1 - band.x0) / (2 * reach.x))) *
           std::max(0, (int)std::floor((band.y1 - band.y0) / (2 * reach.y)));
}

// The part of `band` beside, below or above `corner` (whichever holds the
// most slots, then the most ground); the band itself when they do not meet.
Band clearOf(const Band& band, const Band& corner, PieceReach reach) {
    if (band.x1 <= corner.x0 || corner.x1 <= band.x0 || band.y1 <= corner.y0 ||
        corner.y1 <= band.y0)
        return band;
    Band parts[4] = {{band.x0, std::min(band.x1, corner.x0), band.y0, band.y1},
                     {std::max(band.x0, corner.x1), band.x1, band.y0, band.y1},
                     {band.x0, band.x1, band.y0, std::min(band.y1, corner.y0)},
                     {band.x0, band.x1, std::max(band.y0, corner.y1), band.y1}};
    auto area = [](const Band& b) { return std::max(0.0, (b.x1 - b.x0) * (b.y1 - b.y0)); };
    Band best = parts[0];
    for (const Band& part : parts) {
        int slots = slotCount(part, reach), bestSlots = slotCount(best, reach);
        if (slots > bestSlots || (slots == bestSlots && area(part) > area(best))) best = part;
    }
    return best;
}

// The four bands round the tray, clear of the screen's busy corners;
// `wideTopAndBottom`: top and bottom take the corners, else left and right do.
std::vector<Band> bandsRoundTray(ScatterGround ground, bool wideTopAndBottom, PieceReach reach) {
    double gx = ground.halfWidth - SCATTER_EDGE_MARGIN,
           gy = ground.halfHeight - SCATTER_EDGE_MARGIN;
    double kx = std::min(SCATTER_KEEP_OUT.x, gx), ky = std::min(SCATTER_KEEP_OUT.y, gy);
    std::vector<Band> bands =
        wideTopAndBottom
            ? std::vector<Band>{{-gx, gx, ky, gy},
                                {-gx, gx, -gy, -ky},
                                {-gx, -kx, -ky, ky},
                                {kx, gx, -ky, ky}}
            : std::vector<Band>{
                  {-gx, -kx, -gy, gy}, {kx, gx, -gy, gy}, {-kx, kx, ky, gy}, {-kx, kx, -gy, -ky}};
    for (const ScreenCorner& corner : SCATTER_CORNERS) {
        double x0 = corner.left ? -ground.halfWidth : ground.halfWidth - corner.width;
        Band zone = {x0, x0 + corner.width, ground.halfHeight - corner.height, ground.halfHeight};
        for (Band& band : bands)
            band = clearOf(band, zone, reach);
    }
    return bands;
}

// The slots of whichever way of banding holds more.
std::vector<Band> slotsRoundTray(PieceReach reach, ScatterGround ground) {
    std::vector<Band> best;
    for (bool wide : {true, false}) {
        std::vector<Band> slots;
        for (const Band& band : bandsRoundTray(ground, wide, reach))
            addSlots(band, reach, slots);
        if (slots.size() > best.size()) best = slots;
    }
    return best;
}

// A number from lo to hi, in a thousand steps.
double between(double lo, double hi) {
    return hi <= lo ? (lo + hi) / 2 : lo + (hi - lo) * randomBelow(1001) / 1000.0;
}

// A spot somewhere in `slot` for a piece `reach` large.
ScatterSpot spotIn(const Band& slot, PieceReach reach) {
    return {between(slot.x0 + reach.x, slot.x1 - reach.x),
            between(slot.y0 + reach.y, slot.y1 - reach.y)};
}

// How far apart two pieces lie, in piece sizes: 1 or more when they do not overlap.
double apartness(ScatterSpot a, ScatterSpot b, PieceReach reach) {
    return std::max(std::fabs(a.x - b.x) / (2 * reach.x), std::fabs(a.y - b.y) / (2 * reach.y));
}

// Draws per piece that finds no slot: the one that overlaps least is taken.
constexpr int LEFTOVER_DRAWS = 400;

// A spot for a piece that found no slot: of a few drawn in the bands (or
// anywhere on the ground when no band has room), the one farthest from the others.
ScatterSpot leftoverSpot(const std::vector<ScatterSpot>& taken, PieceReach reach,
                         ScatterGround ground) {
    std::vector<Band> bands;
    for (const Band& band : bandsRoundTray(ground, true, reach))
        if (band.x1 - band.x0 >= 2 * reach.x && band.y1 - band.y0 >= 2 * reach.y)
            bands.push_back(band);
    if (bands.empty()) {
        double gx = ground.halfWidth - SCATTER_EDGE_MARGIN;
        double gy = ground.halfHeight - SCATTER_EDGE_MARGIN;
        bands.push_back({-gx, gx, -gy, gy});
    }
    ScatterSpot best = {0, 0};
    double bestApart = -1;
    for (int draw = 0; draw < LEFTOVER_DRAWS; draw++) {
        ScatterSpot spot = spotIn(bands[(size_t)randomBelow((int)bands.size())], reach);
        double apart = 1e9;
        for (const ScatterSpot& other : taken)
            apart = std::min(apart, apartness(spot, other, reach));
        if (apart > bestApart) {
            bestApart = apart;
            best = spot;
        }
    }
    return best;
}

// The widest the camera ever gets, and the step it widens by.
constexpr double MOST_WIDENING = 4;
constexpr double WIDENING_STEP = 0.01;

// Whether the ground holds the tray and frame, and every size that lies apart.
bool groundHoldsEverySize(ScatterGround ground) {
    if (ground.halfWidth < SCATTER_KEEP_OUT.x + SCATTER_EDGE_MARGIN) return false;
    if (ground.halfHeight < SCATTER_KEEP_OUT.y + SCATTER_EDGE_MARGIN) return false;
    for (const PuzzleSizeRow& size : PUZZLE_SIZES)
        if (size.keptApart && scatterRoom(size.reach, ground) < size.pieces) return false;
    return true;
}

} // namespace

std::vector<ScatterSpot> scatterSpots(const PuzzleSizeRow& size, ScatterGround ground) {
    std::vector<Band> slots = slotsRoundTray(size.reach, ground);
    // The slots in a random order: the first ones are taken.
    for (int i = (int)slots.size() - 1; i > 0; i--)
        std::swap(slots[(size_t)i], slots[(size_t)randomBelow(i + 1)]);
    std::vector<ScatterSpot> spots;
    for (int i = 0; i < size.pieces; i++)
        spots.push_back(i < (int)slots.size() ? spotIn(slots[(size_t)i], size.reach)
                                              : leftoverSpot(spots, size.reach, ground));
    return spots;
}

namespace {

// The nearest point to `wanted` inside `allowed` and outside every one of
// `blocked` (open rectangles).  The nearest point of such a region is
// `wanted` itself or lies on edges, so it is found among the crossings of
// wanted's lines and the rectangles' edges.
bool nearestClear(ScatterSpot wanted, const Band& allowed, const std::vector<Band>& blocked,
                  ScatterSpot& found) {
    constexpr double EDGE = 1e-6;
    if (allowed.x0 > allowed.x1 || allowed.y0 > allowed.y1) return false;
    std::vector<double> xs = {std::clamp(wanted.x, allowed.x0, allowed.x1), allowed.x0, allowed.x1};
    std::vector<double> ys = {std::clamp(wanted.y, allowed.y0, allowed.y1), allowed.y0, allowed.y1};
    for (const Band& b : blocked) {
        xs.insert(xs.end(), {b.x0, b.x1});
        ys.insert(ys.end(), {b.y0, b.y1});
    }
    double best = HUGE_VAL;
    for (double x : xs) {
        if (x < allowed.x0 - EDGE || x > allowed.x1 + EDGE) continue;
        for (double y : ys) {
            double d = (x - wanted.x) * (x - wanted.x) + (y - wanted.y) * (y - wanted.y);
            if (d >= best || y < allowed.y0 - EDGE || y > allowed.y1 + EDGE) continue;
            bool clear = true;
            for (const Band& b : blocked)
                if (x > b.x0 + EDGE && x < b.x1 - EDGE && y > b.y0 + EDGE && y < b.y1 - EDGE) {
                    clear = false;
                    break;
                }
            if (!clear) continue;
            best = d;
            found = {x, y};
        }
    }
    return best < HUGE_VAL;
}

} // namespace

ScatterSpot nearestFreeSpot(ScatterSpot wanted, PieceReach reach, ScatterGround ground,
                            const std::vector<ScatterSpot>& others) {
    double gx = ground.halfWidth - SCATTER_EDGE_MARGIN - reach.x;
    double gy = ground.halfHeight - SCATTER_EDGE_MARGIN - reach.y;
    Band allowed = {-gx, gx, -gy, gy};
    // Where the piece's centre may not be: the tray and frame, the corners,
    // each grown by the piece's reach.
    std::vector<Band> blocked = {{-SCATTER_KEEP_OUT.x - reach.x, SCATTER_KEEP_OUT.x + reach.x,
                                  -SCATTER_KEEP_OUT.y - reach.y, SCATTER_KEEP_OUT.y + reach.y}};
    for (const ScreenCorner& corner : SCATTER_CORNERS) {
        double x0 = corner.left ? -ground.halfWidth : ground.halfWidth - corner.width;
        blocked.push_back({x0 - reach.x, x0 + corner.width + reach.x,
                           ground.halfHeight - corner.height - reach.y, HUGE_VAL});
    }
    std::vector<Band> withOthers = blocked;
    for (const ScatterSpot& other : others)
        withOthers.push_back({other.x - 2 * reach.x, other.x + 2 * reach.x, other.y - 2 * reach.y,
                              other.y + 2 * reach.y});
    ScatterSpot found = wanted;
    if (nearestClear(wanted, allowed, withOthers, found)) return found;
    if (nearestClear(wanted, allowed, blocked, found)) return found;
    return {std::clamp(wanted.x, std::min(-gx, 0.0), std::max(gx, 0.0)),
            std::clamp(wanted.y, std::min(-gy, 0.0), std::max(gy, 0.0))};
}

int scatterRoom(PieceReach reach, ScatterGround ground) {
    return (int)slotsRoundTray(reach, ground).size();
}

ScatterGround groundFor(double aspect, double widening) {
    double halfHeight = BOARD_DISTANCE * std::tan(22.5 * M_PI / 180) * widening;
    return {halfHeight * aspect, halfHeight};
}

double viewWideningFor(double aspect) {
    double widening = 1;
    while (widening < MOST_WIDENING && !groundHoldsEverySize(groundFor(aspect, widening)))
        widening += WIDENING_STEP;
    return widening;
}
