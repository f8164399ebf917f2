// Picture tables: one row per picture (what it shows, how it is cut, which
// archives hold its pieces and its finished picture), one row per cut layout
// (its place and shadow archives), and where each piece's place lies on the
// tray.
//
// Pictures are numbered by their row, 0..PICTURE_TOTAL-1, each played in two
// sizes (20 or 48 pieces).  A picture is cut in one of three layouts; the
// place and shadow archives depend only on the layout.  Piece i (0-based) is
// named "i+1" in the piece, place and shadow archives alike.  A new picture
// is a new row here and its drawing in the art generator; the settings file
// keeps one completed flag per picture, so the count must stay that file's.
//
// Target spots are the centres of the places in board units (the board spans
// x -10..10, y -6..6).  The art generator cuts the pictures to fit them and
// writes the archives these rows name, so the game and the art read the same
// tables.
#pragma once

#include <cstdint>
#include <iterator>

#include "base/settings.h"

constexpr int SMALL_PIECE_COUNT = 20;
constexpr int BIG_PIECE_COUNT = 48;
constexpr int MAX_PIECE_COUNT = 48;

// One picture of the game.
struct PictureRow {
    const char* name;           // what it shows (the art generator's messages and files)
    int32_t cutLayout;          // a CUT_LAYOUTS row: its targets, places and shadows
    const char* pieceArchive20; // tray and pieces of the 20-piece cut
    const char* pieceArchive48; // tray and pieces of the 48-piece cut
    const char* pictureArchive; // "final" and "prev", both sizes
};

// The pictures in the order the arrows walk through them.
inline constexpr PictureRow PICTURE_ROWS[] = {
    {"meadow", 0, "puzzle.pak", "puzzle_v2.pak", "common.pak"},
    {"farm", 1, "puzzle1.pak", "puzzle_v21.pak", "common1.pak"},
    {"sea", 2, "puzzle2.pak", "puzzle_v22.pak", "common2.pak"},
    {"space", 0, "puzzle3.pak", "puzzle_v23.pak", "common3.pak"},
    {"train", 1, "puzzle4.pak", "puzzle_v24.pak", "common4.pak"},
    {"castle", 1, "puzzle5.pak", "puzzle_v25.pak", "common5.pak"},
    {"beach", 0, "puzzle6.pak", "puzzle_v26.pak", "common6.pak"},
    {"forest", 2, "puzzle7.pak", "puzzle_v27.pak", "common7.pak"},
    {"snowman", 2, "puzzle8.pak", "puzzle_v28.pak", "common8.pak"},
    {"balloons", 0, "puzzle9.pak", "puzzle_v29.pak", "common9.pak"},
};
constexpr int PICTURE_TOTAL = (int)std::size(PICTURE_ROWS);
static_assert(PICTURE_TOTAL == PICTURE_COUNT,
              "the settings file keeps one completed flag per picture");

// One way of cutting the board, shared by every picture cut that way.
struct CutLayoutRow {
    const char* placeArchive20, *placeArchive48;   // the places on the tray
    const char* shadowArchive20, *shadowArchive48; // the lifted pieces' shadows
};

inline constexpr CutLayoutRow CUT_LAYOUTS[] = {
    {"plases.pak", "plases_v2.pak", "puzzle_sh.pak", "puzzle_v2_sh.pak"},
    {"plases1.pak", "plases_v21.pak", "puzzle_sh1.pak", "puzzle_v2_sh1.pak"},
    {"plases2.pak", "plases_v22.pak", "puzzle_sh2.pak", "puzzle_v2_sh2.pak"},
};
constexpr int CUT_LAYOUT_COUNT = (int)std::size(CUT_LAYOUTS);

struct TargetSpot {
    double x, y;
};

// Place centres per layout, pieces in the order the art numbers them.
extern const TargetSpot pieceTargets20[CUT_LAYOUT_COUNT][SMALL_PIECE_COUNT];
extern const TargetSpot pieceTargets48[CUT_LAYOUT_COUNT][BIG_PIECE_COUNT];

// The archives one picture is played from in one size.
struct PictureArchives {
    const char* pieces;  // tray and pieces
    const char* places;  // its layout's places
    const char* shadows; // its layout's shadows
    const char* picture; // finished picture and preview
};

// The archives of picture `picture` (0..PICTURE_TOTAL-1) in the 48-piece
// size when `big`, else the 20-piece size.
PictureArchives pictureArchivesFor(int picture, bool big);

// Target spot of a piece for a given piece count (20 or 48).
TargetSpot pieceTargetFor(int pieceCount, int layout, int piece);
