// Picture tables: which archive holds which art for each picture and size,
// how each picture is cut, and where each piece's place lies on the tray.
//
// Ten pictures, 0..9, each in two sizes (20 or 48 pieces).  A picture is cut
// in one of three layouts (pictureCutLayout); the place and shadow archives
// depend only on the layout.  Piece i (0-based) is named "i+1" in the piece,
// place and shadow archives alike.
//
// Target spots are the centres of the places in board units (the board spans
// x -10..10, y -6..6).  The art generator cuts the pictures to fit them, so
// the game and the art read the same tables.
#pragma once

#include <cstdint>

constexpr int PICTURE_TOTAL = 10;
constexpr int CUT_LAYOUT_COUNT = 3;
constexpr int SMALL_PIECE_COUNT = 20;
constexpr int BIG_PIECE_COUNT = 48;
constexpr int MAX_PIECE_COUNT = 48;

struct TargetSpot {
    double x, y;
};

// The cut layout of each picture.
extern const int32_t pictureCutLayout[PICTURE_TOTAL];

// Place centres per layout, pieces in the order the art numbers them.
extern const TargetSpot pieceTargets20[CUT_LAYOUT_COUNT][SMALL_PIECE_COUNT];
extern const TargetSpot pieceTargets48[CUT_LAYOUT_COUNT][BIG_PIECE_COUNT];

// Archive file names per picture, for each size.
extern const char* const pieceArchives20[PICTURE_TOTAL];   // "puzzle.pak" ...
extern const char* const pieceArchives48[PICTURE_TOTAL];   // "puzzle_v2.pak" ...
extern const char* const pictureArchivesAll[PICTURE_TOTAL]; // "common.pak" ... (both sizes)
extern const char* const placeArchives20[PICTURE_TOTAL];   // "plases.pak" ...
extern const char* const placeArchives48[PICTURE_TOTAL];   // "plases_v2.pak" ...
extern const char* const shadowArchives20[PICTURE_TOTAL];  // "puzzle_sh.pak" ...
extern const char* const shadowArchives48[PICTURE_TOTAL];  // "puzzle_v2_sh.pak" ...

// Place and shadow archives of one cut layout (the same for every picture cut that way).
extern const char* const layoutPlaceArchives20[CUT_LAYOUT_COUNT];
extern const char* const layoutPlaceArchives48[CUT_LAYOUT_COUNT];
extern const char* const layoutShadowArchives20[CUT_LAYOUT_COUNT];
extern const char* const layoutShadowArchives48[CUT_LAYOUT_COUNT];

// Target spot of a piece for a given piece count (20 or 48).
TargetSpot pieceTargetFor(int pieceCount, int layout, int piece);
