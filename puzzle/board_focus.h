// What the focus ring (ui/focus_ring.h) walks on the puzzle screen, and in
// which order: the board first (the loose pieces while none is lifted, the
// free places while one is, so a child steps from the piece to where it may
// go), then the previous and next buttons, then the bar and the rest.  A
// wrong place is walked like any other: choosing it does nothing, as a
// click on it does nothing.  Placed pieces, filled places, the piece just
// sent and the finished picture are not walked.
//
// The start-up hands boardFocusRank to the ring as its focusRank.
#pragma once

#include <cstdint>

struct SceneObject;

constexpr int32_t FOCUS_RANK_BOARD = 0;  // pieces or places
constexpr int32_t FOCUS_RANK_ARROWS = 1; // previous and next
constexpr int32_t FOCUS_RANK_OTHERS = 2; // the bar, and everything on no board

// The ring's rank of an object; negative: not walked now.
int32_t boardFocusRank(const SceneObject* object);
