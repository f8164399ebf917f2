// Puzzle sizes: one row per size a picture can be played in, smallest
// first, and everything that differs between them: the cut's grid, how the
// pieces are scattered and how far they reach, where their places lie on
// the tray, which archives hold them, the number the settings file keeps
// for it, its card on the size dialog and its card on the main menu.
//
// The game and the art generator read the same rows: the art cuts every
// picture in every size into the archives named here and draws the cards
// where the rows put them; the board, piece play, the scatter, the size
// dialog and the main menu ask the current row (currentSize, puzzle_board.h)
// and never test a piece count.  A new size is a new row here (its targets
// and archive names) and nothing else.
//
// The settings file keeps the size as `bigPuzzle`: 0 and 1 were the only
// values once (20 and 48 pieces), so they keep their meaning and the
// smaller sizes took the next numbers; any other value reads as 48 pieces.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>

#include "puzzle/picture_tables.h"

// Half extents round its centre of the largest piece of a size, its outline
// included: what the scatter keeps apart and on screen (the art checks its
// cuts fit).
struct PieceReach {
    double x, y;
};

// Where a card stands on its page (page units, z up).
struct CardSpot {
    double x, z;
};

// One size of the puzzle.
struct PuzzleSizeRow {
    int32_t pieces;        // pieces of a board
    int32_t columns, rows; // the cut's grid over the board
    int32_t settingsCode;  // `bigPuzzle` in the settings file
    PieceReach reach;      // the largest piece round its centre
    bool keptApart;        // the camera widens until its loose pieces lie apart on any screen
    const TargetSpot* targets[CUT_LAYOUT_COUNT];  // place centres, per cut layout
    const char* pieceArchives[PICTURE_TOTAL];     // tray and pieces, per picture
    const char* placeArchives[CUT_LAYOUT_COUNT];  // the places, per cut layout
    const char* shadowArchives[CUT_LAYOUT_COUNT]; // lifted shadows, rests and backs, per layout
    const char* cardModel;                        // its card on the size dialog
    CardSpot card;                                // where that card comes to rest
    const char* menuModel;                        // its card on the main menu
    CardSpot menuSpot;                            // where that card stands
};

// Place centres of a regular grid's cells over the board (x -10..10,
// y -6..6), rows from the top, as the art numbers the pieces: the art bends
// no corner when the targets sit on the cell middles.
template <int COLUMNS, int ROWS> constexpr std::array<TargetSpot, COLUMNS * ROWS> gridTargets() {
    std::array<TargetSpot, COLUMNS * ROWS> spots{};
    for (int r = 0; r < ROWS; r++)
        for (int c = 0; c < COLUMNS; c++)
            spots[r * COLUMNS + c] = {-10 + (c + 0.5) * 20 / COLUMNS, 6 - (r + 0.5) * 12 / ROWS};
    return spots;
}
template <int COLUMNS, int ROWS>
inline constexpr std::array<TargetSpot, COLUMNS * ROWS> GRID_TARGETS =
    gridTargets<COLUMNS, ROWS>();

// Place centres of the 20- and 48-piece cuts, nudged per layout.
extern const TargetSpot pieceTargets20[CUT_LAYOUT_COUNT][20];
extern const TargetSpot pieceTargets48[CUT_LAYOUT_COUNT][48];

// Smallest first: the order the size dialog and the main menu show them in.
// Each row: pieces, grid (columns, rows), settings code, reach, kept apart,
// targets per layout; piece archives per picture; place and shadow archives
// per layout; the size dialog's card and spot; the main menu's card and spot.
// clang-format off
inline constexpr PuzzleSizeRow PUZZLE_SIZES[] = {
    {6, 3, 2, 2, {4.75, 4.45}, true,
     {GRID_TARGETS<3, 2>.data(), GRID_TARGETS<3, 2>.data(), GRID_TARGETS<3, 2>.data()},
     {"puzzle_p6.pak", "puzzle_p6_1.pak", "puzzle_p6_2.pak", "puzzle_p6_3.pak",
      "puzzle_p6_4.pak", "puzzle_p6_5.pak", "puzzle_p6_6.pak", "puzzle_p6_7.pak",
      "puzzle_p6_8.pak", "puzzle_p6_9.pak"},
     {"plases_p6.pak", "plases_p6_1.pak", "plases_p6_2.pak"},
     {"puzzle_p6_sh.pak", "puzzle_p6_sh1.pak", "puzzle_p6_sh2.pak"},
     "size6", {-6.0, 2.4}, "menu_size6", {1.55, 3.2}},
    {12, 4, 3, 3, {3.9, 3.45}, true,
     {GRID_TARGETS<4, 3>.data(), GRID_TARGETS<4, 3>.data(), GRID_TARGETS<4, 3>.data()},
     {"puzzle_p12.pak", "puzzle_p12_1.pak", "puzzle_p12_2.pak", "puzzle_p12_3.pak",
      "puzzle_p12_4.pak", "puzzle_p12_5.pak", "puzzle_p12_6.pak", "puzzle_p12_7.pak",
      "puzzle_p12_8.pak", "puzzle_p12_9.pak"},
     {"plases_p12.pak", "plases_p12_1.pak", "plases_p12_2.pak"},
     {"puzzle_p12_sh.pak", "puzzle_p12_sh1.pak", "puzzle_p12_sh2.pak"},
     "size12", {6.0, 2.4}, "menu_size12", {4.75, 3.2}},
    {20, 5, 4, 0, {3.45, 3.1}, true,
     {pieceTargets20[0], pieceTargets20[1], pieceTargets20[2]},
     {"puzzle.pak", "puzzle1.pak", "puzzle2.pak", "puzzle3.pak", "puzzle4.pak", "puzzle5.pak",
      "puzzle6.pak", "puzzle7.pak", "puzzle8.pak", "puzzle9.pak"},
     {"plases.pak", "plases1.pak", "plases2.pak"},
     {"puzzle_sh.pak", "puzzle_sh1.pak", "puzzle_sh2.pak"},
     "low", {-6.0, -7.2}, "menu_size20", {1.55, 1.0}},
    // 48 small pieces may touch on a narrow screen rather than every board shrink for them.
    {48, 8, 6, 1, {2.25, 2.25}, false,
     {pieceTargets48[0], pieceTargets48[1], pieceTargets48[2]},
     {"puzzle_v2.pak", "puzzle_v21.pak", "puzzle_v22.pak", "puzzle_v23.pak", "puzzle_v24.pak",
      "puzzle_v25.pak", "puzzle_v26.pak", "puzzle_v27.pak", "puzzle_v28.pak", "puzzle_v29.pak"},
     {"plases_v2.pak", "plases_v21.pak", "plases_v22.pak"},
     {"puzzle_v2_sh.pak", "puzzle_v2_sh1.pak", "puzzle_v2_sh2.pak"},
     "height", {6.0, -7.2}, "menu_size48", {4.75, 1.0}},
};
// clang-format on
constexpr int PUZZLE_SIZE_COUNT = (int)std::size(PUZZLE_SIZES);
// The row a freshly installed game starts with, and what a damaged settings
// field reads as: 48 pieces.
constexpr int DEFAULT_SIZE_INDEX = PUZZLE_SIZE_COUNT - 1;

constexpr bool codesFitTheSettings() {
    for (const PuzzleSizeRow& size : PUZZLE_SIZES)
        if (size.settingsCode < 0 || size.settingsCode >= PUZZLE_SIZE_CODES) return false;
    return PUZZLE_SIZES[DEFAULT_SIZE_INDEX].settingsCode == BIG_PUZZLE_CODE;
}
static_assert(codesFitTheSettings(), "every size keeps its code in the settings file");

// The most pieces any board has: what per-piece arrays hold.
constexpr int32_t maxPieceCount() {
    int32_t most = 0;
    for (const PuzzleSizeRow& size : PUZZLE_SIZES)
        most = size.pieces > most ? size.pieces : most;
    return most;
}
constexpr int32_t MAX_PIECE_COUNT = maxPieceCount();

// The row whose settings code is `code`; DEFAULT_SIZE_INDEX for any other.
constexpr int sizeIndexForCode(int32_t code) {
    for (int i = 0; i < PUZZLE_SIZE_COUNT; i++)
        if (PUZZLE_SIZES[i].settingsCode == code) return i;
    return DEFAULT_SIZE_INDEX;
}

// The archives of picture `picture` (0..PICTURE_TOTAL-1) in one size.
PictureArchives pictureArchivesFor(int picture, const PuzzleSizeRow& size);

// The centre of piece `piece`'s place in cut layout `layout`; (0, 0) out of range.
TargetSpot pieceTargetFor(const PuzzleSizeRow& size, int layout, int piece);
