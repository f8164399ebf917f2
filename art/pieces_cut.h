// How a picture is cut into jigsaw pieces.
//
// A cut (`PuzzleCut`) belongs to one cut layout (0..2) and one size (a
// PUZZLE_SIZES row) and is shared by every picture cut that way.  The board
// (x -10..10, y -6..6, y up) is divided into the size's grid of cells
// whose inner corners are nudged so that each cell's middle moves towards its
// piece's target spot; then every inner grid edge gets a classic tab or blank
// drawn from bezier curves, its side and wobble chosen by the layout's own
// seeded generator, so the three layouts look different.  The board's outer
// edges stay straight.
//
// Each edge is flattened once into a polyline; a piece walks its four edges
// (two of them backwards), so two neighbours share exactly the same points.
//
// Piece i of a cut is the grid cell whose regular centre lies nearest to
// the size's targets[layout][i] (puzzle/puzzle_sizes.h); `makePuzzleCut`
// refuses (returns false) when that is not one piece per cell.  Outlines and
// front triangles are in board coordinates; models subtract the target so a
// piece placed at its target covers exactly its part of the picture.
#pragma once

#include <string>
#include <vector>

#include "puzzle/puzzle_sizes.h"

struct Point2 {
    double x, y;
};

struct PieceCut {
    int column, row;               // grid cell (row 0 at the bottom)
    TargetSpot target;             // centre of the piece's place on the tray
    std::vector<Point2> outline;   // counter-clockwise, board coordinates, not closed
    std::vector<Point2> triangles; // front face, 3 points per triangle, counter-clockwise
};

struct PuzzleCut {
    int layout = 0;              // 0..2
    int pieceCount = 0;          // the size's pieces
    int columns = 0, rows = 0;   // grid size
    std::vector<Point2> corners; // (columns+1) x (rows+1) grid corners, row-major from the bottom
    std::vector<std::vector<Point2>>
        edges;                    // flattened edge curves, each from its first corner to its second
    std::vector<PieceCut> pieces; // pieces[i] is piece i (named i+1)
};

// Board extent, in board units.
constexpr double BOARD_HALF_WIDTH = 10.0;
constexpr double BOARD_HALF_HEIGHT = 6.0;

// Cut the board for one layout and size; false (with a message) when the
// target table does not give one piece per grid cell or a piece cannot be triangulated.
bool makePuzzleCut(int layout, const PuzzleSizeRow& size, PuzzleCut& out);
// Signed area of a closed polygon (positive when counter-clockwise).
double polygonArea(const std::vector<Point2>& polygon);
// Triangulate a simple polygon with GLU's tessellator: counter-clockwise triangles.
bool triangulate(const std::vector<Point2>& polygon, std::vector<Point2>& triangles);
// The outline moved along its normals by distance (outwards when > 0), one point per point.
std::vector<Point2> offsetOutline(const std::vector<Point2>& outline, double distance);
