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
// Owned here: theFocusRing and focusRank.
#pragma once

#include <cstdint>
#include <vector>

#include "base/input_bindings.h"

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

// A thing's rectangle on the window, in pixels (origin top left).
struct ScreenBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

// The rank of an object for the ring: lower ranks come first; negative:
// not now.  Set by the puzzle for its board; every other object ranks 1.
using FocusRankFn = int32_t (*)(const SceneObject* object);
extern FocusRankFn focusRank;

struct FocusRing {
    bool shown = false;               // the ring is in use; the pointer hides
    SceneObject* target = nullptr;    // the marked thing (one of `things`)
    SceneObject* ring = nullptr;      // the ring object under worldRoot, or none
    SceneObject* page = nullptr;      // dialogTop when the ring last looked
    bool seekDefault = false;         // a new page: the ring goes to its default button
    bool acting = false;              // this frame's choice: a click on target
    InputAction move = ACTION_NONE;   // taken this frame, done at its end
    uint32_t movedAt = 0;             // frameTime of the last move (the breath)
    std::vector<SceneObject*> things; // this frame's things, in ring order
    std::vector<ScreenBox> boxes;     // their rectangles, same order
};

extern FocusRing theFocusRing;

void resetFocusRing();  // everything to its start value (a new run)
void takeFocusInput();  // after the input pass: the ring's press, or the pointer's return
void updateFocusRing(); // after the walk: things, the move, the ring object
bool currentFocused();  // the ring is shown and marks currentObject
bool currentChosen();   // the ring acts on currentObject this frame

// The on-window rectangle of an object's meshes as last drawn; false: none.
bool objectScreenBox(const SceneObject* object, ScreenBox& box);

// The ring object's endless action: stand round the target, breathing.
void focusRingFollowAction();
