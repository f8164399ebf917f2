// The scatter: where the loose pieces of a fresh board start, where a piece
// let go on the meadow comes to lie, and how much the camera must widen so
// that they have room on the screen it has.
//
// Pieces start round the tray, never on it: outside SCATTER_KEEP_OUT (the
// tray, its frame and the previous/next buttons) and the corners the bar,
// the tab and the close button take (SCATTER_CORNERS), wholly on the
// visible ground at the board's depth.  The ground round the tray is cut into four
// bands (top and bottom the whole width, left and right between them; or
// left and right the whole height, top and bottom between them, whichever
// holds more; a band a corner reaches into is cut back to the larger part
// left), each band into slots as big as the size's largest piece
// (PieceReach both ways), and the pieces take slots at random, each lying
// anywhere in its slot.  So no two pieces overlap while the ground has a
// slot for each; where it has not (48 small pieces on a narrow screen),
// the pieces left over go where they overlap least.
//
// The board calls scatterSpots with the ground the camera shows; the
// start-up asks viewWideningFor once, before the camera is set, so that
// every size that must lie apart does on this screen.  Nothing here keeps
// state; chance comes from base/random.
#pragma once

#include <vector>

#include "puzzle/puzzle_sizes.h"

// Half extents, board units, of what the pieces keep clear of: the tray
// (x -10..10, y -6..6), the frame round it and the previous/next buttons.
constexpr PieceReach SCATTER_KEEP_OUT = {12.4, 6.9};
// Half extents of the tray itself: a piece let go over it, off its own
// place, goes back to where it was picked up.
constexpr PieceReach SCATTER_TRAY = {10, 6};
// Pieces keep this far from the screen's edges.
constexpr double SCATTER_EDGE_MARGIN = 0.2;

// A corner of the screen the pieces keep clear of, board units at the
// board's depth: how far it reaches in from the side and down from the top.
struct ScreenCorner {
    bool left;            // the top left corner, else the top right one
    double width, height; // from the screen's side and top
};
// The corner tab with the button bar on it, open as far as it goes (the
// tab, puzzle_board; the bar, screens/start_screen), and the close button.
// NOTE: they are pinned to the screen's corners 100 from the eye; what they
// cover at the board's depth keeps its size whatever the camera's widening.
constexpr ScreenCorner SCATTER_CORNERS[] = {{true, 13.4, 8.2}, {false, 2.6, 2.6}};
// The board lies this far from the eye (its tray at 40.2, its pieces at 40).
constexpr double BOARD_DISTANCE = 40;

struct ScatterSpot {
    double x, y; // a piece's centre at its start, board units
};

// The visible ground at the board's depth: half width and height, board units.
struct ScatterGround {
    double halfWidth, halfHeight;
};

// One start spot per piece of `size`: wholly on `ground`, off the tray, and
// apart from each other while the ground has room for them.
std::vector<ScatterSpot> scatterSpots(const PuzzleSizeRow& size, ScatterGround ground);

// Where a piece `reach` large, let go at `wanted`, comes to lie: the nearest
// spot wholly on `ground`, off the tray and its frame, clear of the busy
// corners and of the pieces lying at `others`; when the others leave no
// room, the nearest clear of the tray and the corners alone.
ScatterSpot nearestFreeSpot(ScatterSpot wanted, PieceReach reach, ScatterGround ground,
                            const std::vector<ScatterSpot>& others);

// How many pieces as large as `reach` the ground holds apart round the tray.
int scatterRoom(PieceReach reach, ScatterGround ground);

// The ground a screen of shape `aspect` (width / height) shows at the
// board's depth with the camera widened by `widening` (1: the 45 degree view).
ScatterGround groundFor(double aspect, double widening);

// How much a screen of shape `aspect` must widen the camera (1 or more) so
// that the tray, its frame and buttons fit its width and every size that
// lies apart has room; 1 for every landscape screen from 16:10 on.
double viewWideningFor(double aspect);
