// The focus ring: play without aiming a pointer.
//
// A thick bright ring (drawn by the art generator, "focus_ring.pak") stands
// round one thing a child can act on.  Tab or Space (a switch) steps it on,
// Shift+Tab back, the pad's d-pad or stick moves it to the nearest thing
// that way; Return (the other switch) or the pad's A acts on the thing under
// it exactly as a click would: currentClicked() (ui/dialog_layer.h) is true
// for that object in that frame, so lifting, sending, buttons and their
// sounds need nothing of their own.  Nothing here waits for time: a child
// may stop and think between two presses as long as it likes.
//
// The things are the picker's candidates of the frame (every clickable
// object registers with it while drawn), less the plane behind the
// dialogs and pictures that run no action (nothing answers a click on
// them), only those on the top page while a dialog is open, and only
// those focusRank admits (the board: loose pieces while none is lifted,
// free places while one is).  They are walked by rank, then in reading
// order on the screen: rows from the top, each from the left.
//
// The first step or direction only shows the ring (on the thing it last
// marked, or the first; on a dialog, its default button); until then Return
// keeps its old meaning, the dialog's default button.  A page that comes on
// top while the ring is in use brings the ring to its default button, so
// Return means the same with the ring as without it.  The pointer hides
// while the ring is in use, and a mouse motion hides the ring and brings
// the pointer back.
//
// A frame: takeFocusInput after the input pass takes a step, direction or
// choice; the walk draws (the ring, worldRoot's last child, follows its
// thing from that thing's meshes as drawn earlier in the same walk, and
// breathes gently for a moment after each move); updateFocusRing, after
// the walk and before the picker's pass, collects the things and moves.
//
// Owned here: focusRank; the ring's state is ui/focus_state's.
#pragma once

#include <cstdint>

#include "ui/focus_state.h"

struct SceneObject;

// The ring stands this far in front of the eye: before the dialogs (34.9),
// behind the pointer (26).  Sizes below are in units at that depth.
constexpr double FOCUS_RING_EYE_DEPTH = 30;
// The side of its corner pieces and the width of its band (the art draws them so).
constexpr double FOCUS_RING_CORNER_SIDE = 0.8;
constexpr double FOCUS_RING_BAND = 0.48;
// How far the ring's outer rim stands out from its thing's rectangle at
// rest: the whole band lies outside it and hides nothing of the thing.
constexpr double FOCUS_RING_MARGIN = FOCUS_RING_BAND + 0.06;

// The rank of an object for the ring: lower ranks come first; negative:
// not now.  Set by the puzzle for its board; every other object ranks 1.
using FocusRankFn = int32_t (*)(const SceneObject* object);
extern FocusRankFn focusRank;

void updateFocusRing(); // after the walk: things, the move, the ring object

// The on-window rectangle of an object's meshes as last drawn; false: none.
bool objectScreenBox(const SceneObject* object, ScreenBox& box);

// The ring object's endless action: stand round the target, breathing.
void focusRingFollowAction();
