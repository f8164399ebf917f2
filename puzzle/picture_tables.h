// Picture tables: one row per picture (what it shows, how it is cut, which
// archive holds its finished picture).
//
// Pictures are numbered by their row, 0..PICTURE_TOTAL-1, each played in
// every size of puzzle/puzzle_sizes.h (whose rows name the piece, place and
// shadow archives).  A picture is cut in one of three layouts; the place and
// shadow archives depend only on the layout and the size.  Piece i (0-based)
// is named "i+1" in the piece, place and shadow archives alike.  A new
// picture is a new row here, its archive names in the size rows and its
// drawing in the art generator; the settings file keeps one completed flag
// per picture, so the count must stay that file's.
//
// Target spots are the centres of the places in board units (the board spans
// x -10..10, y -6..6).  The art generator cuts the pictures to fit them and
// writes the archives the tables name, so the game and the art read the same
// tables.
#pragma once

#include <cstdint>
#include <iterator>

#include "base/settings.h"

// One picture of the game.
struct PictureRow {
    const char* name;           // what it shows (the art generator's messages and files)
    int32_t cutLayout;          // 0..CUT_LAYOUT_COUNT-1: its targets, places and shadows
    const char* pictureArchive; // "final" and "prev", every size
};

// The pictures in the order the arrows walk through them.
inline constexpr PictureRow PICTURE_ROWS[] = {
    {"meadow", 0, "common.pak"},    {"farm", 1, "common1.pak"},   {"sea", 2, "common2.pak"},
    {"space", 0, "common3.pak"},    {"train", 1, "common4.pak"},  {"castle", 1, "common5.pak"},
    {"beach", 0, "common6.pak"},    {"forest", 2, "common7.pak"}, {"snowman", 2, "common8.pak"},
    {"balloons", 0, "common9.pak"},
};
constexpr int PICTURE_TOTAL = (int)std::size(PICTURE_ROWS);
static_assert(PICTURE_TOTAL == PICTURE_COUNT,
              "the settings file keeps one completed flag per picture");

// Cut layouts: the ways of cutting the board, shared by every picture cut
// that way (its places, shadows and target spots, in every size).
constexpr int CUT_LAYOUT_COUNT = 3;

struct TargetSpot {
    double x, y;
};

// The archives one picture is played from in one size.
struct PictureArchives {
    const char* pieces;  // tray and pieces
    const char* places;  // its layout's places
    const char* shadows; // its layout's shadows
    const char* picture; // finished picture and preview
};
