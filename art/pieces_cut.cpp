#include "art/pieces_cut.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "art/art_common.h"

// How far a cut bends its grid towards the target spots: the weight that
// pulls each corner back to the regular grid, and the largest shift as a
// share of the smaller cell side.
static constexpr double CORNER_STIFFNESS = 0.35;
static constexpr double CORNER_MAX_SHIFT = 0.2;
// The classic tab, as shares of the smaller cell side: height, neck half
// width, head width (how far the head's curves reach), and the random
// spread of each.
static constexpr double TAB_HEIGHT = 0.30;
static constexpr double TAB_NECK = 0.09;
static constexpr double TAB_HEAD = 0.16;
// The tabs grow with the cells up to cells this big (board units): the
// largest pieces keep knobs a child's fingers know from the 20-piece cut
// without reaching so far that the pieces of 6 no longer lie apart round
// the tray.
static constexpr double TAB_CELL_MOST = 4.0;
static constexpr double TAB_SLIDE =
    0.06; // the tab's centre moves along its edge by up to this share
// How far a flattened curve may stray from the true one, in board units
// (a board unit is about 30 pixels on a full-HD screen).
static constexpr double FLATTEN_TOLERANCE = 0.01;

// Point arithmetic for the few places that need it.
static Point2 add(Point2 a, Point2 b) {
    return {a.x + b.x, a.y + b.y};
}
static Point2 sub(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}
static Point2 mul(Point2 a, double k) {
    return {a.x * k, a.y * k};
}
static double length(Point2 a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}

// ---- The grid -------------------------------------------------------------------

// Regular centre of a grid cell.
static Point2 cellCentre(int columns, int rows, int column, int row) {
    double w = 2 * BOARD_HALF_WIDTH / columns, h = 2 * BOARD_HALF_HEIGHT / rows;
    return {-BOARD_HALF_WIDTH + (column + 0.5) * w, -BOARD_HALF_HEIGHT + (row + 0.5) * h};
}

// For each piece, the cell nearest its target; false unless every cell gets exactly one piece.
static bool assignCells(PuzzleCut& cut, const PuzzleSizeRow& size) {
    int cells = cut.columns * cut.rows;
    std::vector<int> owner(cells, -1);
    cut.pieces.resize(cut.pieceCount);
    for (int i = 0; i < cut.pieceCount; i++) {
        TargetSpot target = pieceTargetFor(size, cut.layout, i);
        int best = 0;
        double bestDistance = 1e9;
        for (int cell = 0; cell < cells; cell++) {
            Point2 centre =
                cellCentre(cut.columns, cut.rows, cell % cut.columns, cell / cut.columns);
            double d = length(sub(centre, {target.x, target.y}));
            if (d < bestDistance) {
                bestDistance = d;
                best = cell;
            }
        }
        if (owner[best] >= 0) {
            std::fprintf(stderr, "art_gen: layout %d, %d pieces: pieces %d and %d share a cell\n",
                         cut.layout, cut.pieceCount, owner[best] + 1, i + 1);
            return false;
        }
        owner[best] = i;
        cut.pieces[i].column = best % cut.columns;
        cut.pieces[i].row = best / cut.columns;
        cut.pieces[i].target = target;
    }
    return true;
}

// Regular grid corners, then nudged so each cell's middle (the mean of its
// corners) moves towards its target: a small least-squares fit that keeps
// the board's outline and corners where they are.
static void placeCorners(PuzzleCut& cut) {
    int nx = cut.columns + 1, ny = cut.rows + 1;
    double w = 2 * BOARD_HALF_WIDTH / cut.columns, h = 2 * BOARD_HALF_HEIGHT / cut.rows;
    std::vector<Point2> base(nx * ny);
    for (int j = 0; j < ny; j++)
        for (int i = 0; i < nx; i++)
            base[j * nx + i] = {-BOARD_HALF_WIDTH + i * w, -BOARD_HALF_HEIGHT + j * h};
    std::vector<Point2> shift(nx * ny, {0, 0});
    double maxShift = CORNER_MAX_SHIFT * std::min(w, h);
    for (int step = 0; step < 400; step++) {
        std::vector<Point2> gradient(nx * ny, {0, 0});
        for (const PieceCut& piece : cut.pieces) {
            int k[4] = {piece.row * nx + piece.column, piece.row * nx + piece.column + 1,
                        (piece.row + 1) * nx + piece.column + 1,
                        (piece.row + 1) * nx + piece.column};
            Point2 mean = {0, 0};
            for (int c : k)
                mean = add(mean, mul(add(base[c], shift[c]), 0.25));
            Point2 error = sub(mean, {piece.target.x, piece.target.y});
            for (int c : k)
                gradient[c] = add(gradient[c], mul(error, 0.25));
        }
        for (int j = 0; j < ny; j++)
            for (int i = 0; i < nx; i++) {
                int c = j * nx + i;
                Point2 g = add(gradient[c], mul(shift[c], CORNER_STIFFNESS));
                // Border corners slide along the border only; the four board corners stay.
                if (i == 0 || i == nx - 1) g.x = 0;
                if (j == 0 || j == ny - 1) g.y = 0;
                shift[c] = sub(shift[c], mul(g, 1.5));
                shift[c].x = std::clamp(shift[c].x, -maxShift, maxShift);
                shift[c].y = std::clamp(shift[c].y, -maxShift, maxShift);
            }
    }
    cut.corners.resize(nx * ny);
    for (int c = 0; c < nx * ny; c++)
        cut.corners[c] = add(base[c], shift[c]);
}

// ---- Edges ----------------------------------------------------------------------

// Distance of point p from the line through a and b.
static double distanceFromLine(Point2 p, Point2 a, Point2 b) {
    Point2 d = sub(b, a);
    double l = length(d);
    if (l < 1e-12) return length(sub(p, a));
    return std::fabs(d.x * (p.y - a.y) - d.y * (p.x - a.x)) / l;
}

// Append a cubic bezier (without its first point) in just enough straight
// steps: a curve's error falls with the square of its step count.
static void flattenCubic(std::vector<Point2>& out, Point2 p0, Point2 p1, Point2 p2, Point2 p3) {
    double bulge = std::max(distanceFromLine(p1, p0, p3), distanceFromLine(p2, p0, p3));
    int steps = std::clamp((int)std::ceil(std::sqrt(0.75 * bulge / FLATTEN_TOLERANCE)), 2, 12);
    for (int s = 1; s <= steps; s++) {
        double t = (double)s / steps, u = 1 - t;
        Point2 p = add(add(mul(p0, u * u * u), mul(p1, 3 * u * u * t)),
                       add(mul(p2, 3 * u * t * t), mul(p3, t * t * t)));
        out.push_back(p);
    }
}

// One inner edge from a to b with a tab on the side given by sign (+1 = to
// the left of a->b): four cubic curves, shoulder, neck and round head, each
// measure wobbled a little by the generator.
static std::vector<Point2> tabEdge(Point2 a, Point2 b, double sign, double size,
                                   ArtRandom& random) {
    Point2 along = sub(b, a);
    double edgeLength = length(along);
    Point2 u = mul(along, 1 / edgeLength);
    Point2 n = mul(Point2{-u.y, u.x}, sign);
    auto at = [&](double s, double v) { return add(a, add(mul(u, s), mul(n, v))); };

    double c = edgeLength * (0.5 + random.range(-TAB_SLIDE, TAB_SLIDE));
    double hh = size * TAB_HEIGHT * random.range(0.9, 1.1);
    double nw = size * TAB_NECK * random.range(0.9, 1.12);
    double hw = size * TAB_HEAD * random.range(0.92, 1.1);
    double tilt = size * random.range(-0.035, 0.035);
    double dipIn = size * random.range(-0.03, 0.02), dipOut = size * random.range(-0.03, 0.02);
    // Neck direction going up: leaning out, so the head is wider than the neck.
    const double lean = 0.287, rise = 0.958;

    std::vector<Point2> out = {a};
    Point2 k1 = at(c - nw, 0.32 * hh), k2 = at(c + tilt, hh), k3 = at(c + nw, 0.32 * hh);
    flattenCubic(out, a, at(0.5 * (c - nw), dipIn),
                 at(c - nw + lean * 0.3 * hh, 0.32 * hh - rise * 0.3 * hh), k1);
    flattenCubic(out, k1, at(c - nw - lean * 0.45 * hh, 0.32 * hh + rise * 0.45 * hh),
                 at(c + tilt - hw, hh), k2);
    flattenCubic(out, k2, at(c + tilt + hw, hh),
                 at(c + nw + lean * 0.45 * hh, 0.32 * hh + rise * 0.45 * hh), k3);
    flattenCubic(out, k3, at(c + nw - lean * 0.3 * hh, 0.32 * hh - rise * 0.3 * hh),
                 at(c + nw + 0.5 * (edgeLength - c - nw), dipOut), b);
    out.back() = b; // exactly the corner, so the four edges of a piece meet
    return out;
}

// Edge numbering: horizontal edges first (grid line j from the bottom, cell
// column i), then vertical edges (grid line i from the left, cell row j).
static int horizontalEdge(const PuzzleCut& cut, int i, int j) {
    return j * cut.columns + i;
}
static int verticalEdge(const PuzzleCut& cut, int i, int j) {
    return (cut.rows + 1) * cut.columns + j * (cut.columns + 1) + i;
}

// Flatten every edge: the board's border straight, inner edges with tabs.
static void makeEdges(PuzzleCut& cut, ArtRandom& random) {
    int nx = cut.columns + 1;
    double size = std::min({2 * BOARD_HALF_WIDTH / cut.columns, 2 * BOARD_HALF_HEIGHT / cut.rows,
                            TAB_CELL_MOST});
    cut.edges.assign((cut.rows + 1) * cut.columns + cut.rows * (cut.columns + 1), {});
    for (int j = 0; j <= cut.rows; j++)
        for (int i = 0; i < cut.columns; i++) {
            Point2 a = cut.corners[j * nx + i], b = cut.corners[j * nx + i + 1];
            bool border = j == 0 || j == cut.rows;
            double sign = random.chance(0.5) ? 1 : -1;
            cut.edges[horizontalEdge(cut, i, j)] =
                border ? std::vector<Point2>{a, b} : tabEdge(a, b, sign, size, random);
        }
    for (int j = 0; j < cut.rows; j++)
        for (int i = 0; i <= cut.columns; i++) {
            Point2 a = cut.corners[j * nx + i], b = cut.corners[(j + 1) * nx + i];
            bool border = i == 0 || i == cut.columns;
            double sign = random.chance(0.5) ? 1 : -1;
            cut.edges[verticalEdge(cut, i, j)] =
                border ? std::vector<Point2>{a, b} : tabEdge(a, b, sign, size, random);
        }
}

// Append an edge's points without its last one, forwards or backwards.
static void appendEdge(std::vector<Point2>& outline, const std::vector<Point2>& edge,
                       bool forwards) {
    if (forwards)
        outline.insert(outline.end(), edge.begin(), edge.end() - 1);
    else
        outline.insert(outline.end(), edge.rbegin(), edge.rend() - 1);
}

// ---- Triangulation ----------------------------------------------------------------

// What the tessellator's callbacks fill in.
struct TessResult {
    std::vector<Point2>* triangles;              // output, 3 points per triangle
    std::vector<std::unique_ptr<double[]>> made; // vertices made where edges cross
    bool ok;                                     // false on any tessellator error
    bool trianglesOnly;                          // false if anything but GL_TRIANGLES came out
};

static void GLAPIENTRY tessBegin(GLenum type, void* data) {
    if (type != GL_TRIANGLES) static_cast<TessResult*>(data)->trianglesOnly = false;
}
static void GLAPIENTRY tessVertex(void* vertex, void* data) {
    const double* v = static_cast<const double*>(vertex);
    static_cast<TessResult*>(data)->triangles->push_back({v[0], v[1]});
}
// Registering an edge-flag callback makes the tessellator emit plain triangles.
static void GLAPIENTRY tessEdgeFlag(GLboolean, void*) {}
static void GLAPIENTRY tessCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out,
                                   void* data) {
    TessResult* result = static_cast<TessResult*>(data);
    result->made.emplace_back(new double[3]{coords[0], coords[1], coords[2]});
    *out = result->made.back().get();
}
static void GLAPIENTRY tessError(GLenum, void* data) {
    static_cast<TessResult*>(data)->ok = false;
}

bool triangulate(const std::vector<Point2>& polygon, std::vector<Point2>& triangles) {
    triangles.clear();
    GLUtesselator* tess = gluNewTess();
    if (!tess) return false;
    TessResult result = {&triangles, {}, true, true};
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(tessBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(tessVertex));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(tessEdgeFlag));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(tessCombine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(tessError));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessNormal(tess, 0, 0, 1);
    std::vector<double> coords(polygon.size() * 3);
    gluTessBeginPolygon(tess, &result);
    gluTessBeginContour(tess);
    for (size_t i = 0; i < polygon.size(); i++) {
        coords[3 * i] = polygon[i].x;
        coords[3 * i + 1] = polygon[i].y;
        coords[3 * i + 2] = 0;
        gluTessVertex(tess, &coords[3 * i], &coords[3 * i]);
    }
    gluTessEndContour(tess);
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    if (!result.ok || !result.trianglesOnly || triangles.size() % 3 != 0) return false;
    // Wind every triangle counter-clockwise seen from +z (the face the player sees).
    for (size_t t = 0; t < triangles.size(); t += 3)
        if (polygonArea({triangles[t], triangles[t + 1], triangles[t + 2]}) < 0)
            std::swap(triangles[t + 1], triangles[t + 2]);
    return true;
}

double polygonArea(const std::vector<Point2>& polygon) {
    double sum = 0;
    for (size_t i = 0; i < polygon.size(); i++) {
        const Point2& p = polygon[i];
        const Point2& q = polygon[(i + 1) % polygon.size()];
        sum += p.x * q.y - q.x * p.y;
    }
    return sum / 2;
}

std::vector<Point2> offsetOutline(const std::vector<Point2>& outline, double distance) {
    size_t n = outline.size();
    std::vector<Point2> out(n);
    for (size_t i = 0; i < n; i++) {
        Point2 prev = outline[(i + n - 1) % n], here = outline[i], next = outline[(i + 1) % n];
        Point2 d1 = sub(here, prev), d2 = sub(next, here);
        Point2 n1 = mul(Point2{d1.y, -d1.x}, 1 / std::max(length(d1), 1e-12));
        Point2 n2 = mul(Point2{d2.y, -d2.x}, 1 / std::max(length(d2), 1e-12));
        Point2 m = add(n1, n2);
        double ml = length(m);
        m = ml > 1e-9 ? mul(m, 1 / ml) : n1;
        // Mitre, limited so sharp corners do not shoot out.
        double cosine = std::max(0.5, m.x * n1.x + m.y * n1.y);
        out[i] = add(here, mul(m, distance / cosine));
    }
    return out;
}

// ---- The whole cut -----------------------------------------------------------------

bool makePuzzleCut(int layout, const PuzzleSizeRow& size, PuzzleCut& out) {
    int pieceCount = size.pieces;
    out = PuzzleCut();
    out.layout = layout;
    out.pieceCount = pieceCount;
    out.columns = size.columns;
    out.rows = size.rows;
    if (!assignCells(out, size)) return false;
    placeCorners(out);
    ArtRandom random(0x5eed0000u + 97u * layout + pieceCount);
    makeEdges(out, random);
    for (int i = 0; i < pieceCount; i++) {
        PieceCut& piece = out.pieces[i];
        int c = piece.column, r = piece.row;
        appendEdge(piece.outline, out.edges[horizontalEdge(out, c, r)], true);
        appendEdge(piece.outline, out.edges[verticalEdge(out, c + 1, r)], true);
        appendEdge(piece.outline, out.edges[horizontalEdge(out, c, r + 1)], false);
        appendEdge(piece.outline, out.edges[verticalEdge(out, c, r)], false);
        if (!triangulate(piece.outline, piece.triangles)) {
            std::fprintf(stderr,
                         "art_gen: piece %d of layout %d (%d pieces) will not triangulate\n", i + 1,
                         layout, pieceCount);
            return false;
        }
    }
    return true;
}
