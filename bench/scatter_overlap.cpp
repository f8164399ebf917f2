// scatter_overlap: how much of each loose piece another piece covers at the
// start of a board, and how many pieces start off screen, for every size on
// every screen shape, over many scatters.  Pieces are drawn from their own
// outlines (the art generator's cuts).  `--before` measures the scatter the
// game had before the slots (four strips of whole-unit spots kept 4 or 2.5
// apart, the 45 degree camera on every screen), for the sizes it had.
// The last column counts pieces not wholly on the screen.
//
//   scatter_overlap [--before] [scatters per size and shape, default 200]
//   scatter_overlap --reach     each size's largest piece beside its row's reach
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "art/pieces_cut.h"
#include "base/random.h"
#include "puzzle/scatter.h"

namespace {

constexpr double CELL = 0.05; // board units per grid cell

// One piece's outline filled into cells round its centre.
struct PieceMask {
    int width, height;       // cells
    double originX, originY; // board units of cell (0, 0) relative to the piece's centre
    std::vector<uint8_t> inside;
};

bool pointInside(const std::vector<Point2>& outline, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Point2 &a = outline[i], &b = outline[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

PieceMask maskOf(const PieceCut& piece) {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const Point2& p : piece.outline) {
        x0 = std::min(x0, p.x - piece.target.x);
        x1 = std::max(x1, p.x - piece.target.x);
        y0 = std::min(y0, p.y - piece.target.y);
        y1 = std::max(y1, p.y - piece.target.y);
    }
    PieceMask mask{(int)std::ceil((x1 - x0) / CELL), (int)std::ceil((y1 - y0) / CELL), x0, y0, {}};
    mask.inside.resize((size_t)mask.width * mask.height);
    for (int r = 0; r < mask.height; r++)
        for (int c = 0; c < mask.width; c++)
            mask.inside[(size_t)r * mask.width + c] =
                pointInside(piece.outline, piece.target.x + x0 + (c + 0.5) * CELL,
                            piece.target.y + y0 + (r + 0.5) * CELL);
    return mask;
}

// The scatter as it was: whole-unit spots in four strips (narrowed to keep
// the pieces on the ground when every strip keeps some spots), kept apart by a distance.
std::vector<ScatterSpot> scatterBefore(const PuzzleSizeRow& size, ScatterGround ground) {
    struct Strip {
        int xRange, xBase, yRange, yBase;
    };
    Strip strips[4] = {{6, -20, 18, -15}, {6, 15, 27, -15}, {26, -13, 5, -14}, {18, -1, 5, 10}};
    auto narrow = [](int& base, int& range, double reach, double half) {
        double first = std::max((double)base, std::ceil(reach - half));
        double last = std::min((double)(base + range - 1), std::floor(half - reach));
        range = last >= first ? (int)(last - first) + 1 : 0;
        base = range > 0 ? (int)first : base;
    };
    Strip narrowed[4];
    bool holds = true;
    for (int i = 0; i < 4; i++) {
        narrowed[i] = strips[i];
        narrow(narrowed[i].xBase, narrowed[i].xRange, size.reach.x, ground.halfWidth);
        narrow(narrowed[i].yBase, narrowed[i].yRange, size.reach.y, ground.halfHeight);
        holds = holds && narrowed[i].xRange > 0 && narrowed[i].yRange > 0;
    }
    if (holds) std::copy(narrowed, narrowed + 4, strips);
    double apart = size.pieces == 48 ? 2.5 : 4.0;
    std::vector<ScatterSpot> spots;
    int misses = 0;
    while ((int)spots.size() < size.pieces) {
        if (++misses % 100000 == 0) spots.clear(); // jammed: start again, as the game did
        const Strip& s = strips[randomBelow(4)];
        int x = randomBelow(s.xRange) + s.xBase, y = randomBelow(s.yRange) + s.yBase;
        bool free = true;
        for (const ScatterSpot& o : spots)
            free = free && std::hypot(o.x - x, o.y - y) >= apart;
        if (free) spots.push_back({(double)x, (double)y});
    }
    return spots;
}

struct Shape {
    const char* name;
    double aspect;
};

const Shape SHAPES[] = {{"9:16", 9.0 / 16},   {"3:4", 3.0 / 4},   {"4:3", 4.0 / 3},
                        {"16:10", 16.0 / 10}, {"16:9", 16.0 / 9}, {"21:9", 21.0 / 9}};

} // namespace

// Each size's largest piece round its centre, beside the reach its row gives.
int printReaches() {
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        double x = 0, y = 0;
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            PuzzleCut cut;
            if (!makePuzzleCut(layout, size, cut)) return 1;
            for (const PieceCut& piece : cut.pieces)
                for (const Point2& p : piece.outline) {
                    x = std::max(x, std::fabs(p.x - piece.target.x));
                    y = std::max(y, std::fabs(p.y - piece.target.y));
                }
        }
        std::printf("%2d pieces: outlines reach %.3f x %.3f, the row says %.2f x %.2f\n",
                    size.pieces, x, y, size.reach.x, size.reach.y);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--reach") == 0) return printReaches();
    bool before = argc > 1 && std::strcmp(argv[1], "--before") == 0;
    int runs = argc > 1 + before ? std::atoi(argv[1 + before]) : 200;
    std::printf("%-6s %-6s %9s %9s %11s %9s %9s\n", "pieces", "screen", "widening", "worst %",
                "mean worst", "covered", "off scr.");
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        if (before && size.settingsCode > 1) continue; // the sizes it had
        std::vector<PieceMask> masks[CUT_LAYOUT_COUNT];
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            PuzzleCut cut;
            if (!makePuzzleCut(layout, size, cut)) return 1;
            for (const PieceCut& piece : cut.pieces)
                masks[layout].push_back(maskOf(piece));
        }
        for (const Shape& shape : SHAPES) {
            double widening = before ? 1 : viewWideningFor(shape.aspect);
            ScatterGround ground = groundFor(shape.aspect, widening);
            int gw = (int)std::ceil(2 * 40.0 / CELL), gh = gw; // covers the farthest strip
            std::vector<uint8_t> count((size_t)gw * gh);
            double worst = 0, sumWorst = 0;
            long pieceCount = 0, coveredPieces = 0, offScreen = 0;
            for (int run = 0; run < runs; run++) {
                int layout = run % CUT_LAYOUT_COUNT;
                std::vector<ScatterSpot> spots =
                    before ? scatterBefore(size, ground) : scatterSpots(size, ground);
                std::fill(count.begin(), count.end(), 0);
                auto cellsOf = [&](int i, auto visit) {
                    const PieceMask& m = masks[layout][(size_t)i];
                    int cx = (int)std::lround((spots[(size_t)i].x + m.originX) / CELL) + gw / 2;
                    int cy = (int)std::lround((spots[(size_t)i].y + m.originY) / CELL) + gh / 2;
                    for (int r = 0; r < m.height; r++)
                        for (int c = 0; c < m.width; c++)
                            if (m.inside[(size_t)r * m.width + c])
                                visit(count[(size_t)(cy + r) * gw + cx + c]);
                };
                for (int i = 0; i < size.pieces; i++)
                    cellsOf(i, [](uint8_t& n) { n++; });
                double runWorst = 0;
                for (int i = 0; i < size.pieces; i++) {
                    long all = 0, shared = 0;
                    cellsOf(i, [&](uint8_t& n) {
                        all++;
                        shared += n > 1;
                    });
                    double share = (double)shared / all;
                    runWorst = std::max(runWorst, share);
                    coveredPieces += shared > 0;
                    const PieceMask& m = masks[layout][(size_t)i];
                    ScatterSpot s = spots[(size_t)i];
                    offScreen += s.x + m.originX < -ground.halfWidth ||
                                 s.x + m.originX + m.width * CELL > ground.halfWidth ||
                                 s.y + m.originY < -ground.halfHeight ||
                                 s.y + m.originY + m.height * CELL > ground.halfHeight;
                    pieceCount++;
                }
                worst = std::max(worst, runWorst);
                sumWorst += runWorst;
            }
            std::printf("%-6d %-6s %9.2f %9.1f %11.1f %8.1f%% %8.1f%%\n", size.pieces, shape.name,
                        widening, 100 * worst, 100 * sumWorst / runs,
                        100.0 * coveredPieces / pieceCount, 100.0 * offScreen / pieceCount);
        }
    }
    return 0;
}
