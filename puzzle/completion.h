// Completion: the zoom of a finished picture.  When the last piece has
// dropped in, puzzle_board marks the picture done, plays the fanfare and
// replaces the board by the finished picture, and the whole puzzle screen
// zooms up round it.  A finished picture stays finished,
// across runs too, until the child breaks it; whenever it is visited it is
// shown finished and zooms up again.  Leaving it first zooms the screen back
// down, then the zoom out takes its builder's next step (`then`: the next
// board).
//
// The zoom lives on two tracks of the puzzle screen (SCREEN_TRACKS in
// puzzle_board); the finished picture's board carries a leave track that
// starts the zoom out on the screen (its `other`), so leaving works the same
// for every board.  Both zooms keep the growth already applied and add only
// the difference, so a zoom out that overlaps a zoom in still ends at scale 1.
//
// Owned here: screenZooming, which refuses picture switching while the
// screen zooms.
#pragma once

#include <cstdint>

extern bool screenZooming; // a zoom runs: picture switching is refused

// Back to its start value (a new run in the same process).
void resetScreenZoom();

// The puzzle screen's tracks.
enum ScreenTrack : int32_t { SCREEN_ZOOM_IN, SCREEN_ZOOM_OUT };

// How long each zoom takes; its track lives a little longer, so the zoom's
// own last run sees its end.
constexpr double SCREEN_ZOOM_IN_MS = 1200;
constexpr double SCREEN_ZOOM_OUT_MS = 800;
constexpr double ZOOM_TRACK_SLACK_MS = 100;

// Zoom in: the screen grows in width and height round the finished picture.
void screenZoomInAction();

// Zoom out: back to its own size, then `then`.
void screenZoomOutAction();

// The finished picture's leave track: start the zoom out of the screen (`other`).
void startZoomOutAction();
