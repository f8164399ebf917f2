// The focus ring's state, and what the click tests ask of it.
//
// The ring (ui/focus_ring.h) walks the things a child can act on; this is
// the part every button reads: whether the ring is in use, what it marks,
// and whether it acts on that this frame.  The dialog layer's click test
// counts the ring's choice as a click (currentChosen) and its buttons grow
// under the ring as under the pointer (currentFocused).  takeFocusInput
// runs after the input pass: a step or a pad direction is kept for the
// ring's move at the end of the frame, Return (or pad A) becomes the
// choice while the ring is shown, and a mouse motion puts the ring away.
//
// Owned here: theFocusRing (its things and moves are ui/focus_ring's).
#pragma once

#include <cstdint>
#include <vector>

#include "base/input_bindings.h"

struct SceneObject;

// A thing's rectangle on the window, in pixels (origin top left).
struct ScreenBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

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

void resetFocusRing(); // everything to its start value (a new run)
void takeFocusInput(); // after the input pass: the ring's press, or the pointer's return
bool currentFocused(); // the ring is shown and marks currentObject
bool currentChosen();  // the ring acts on currentObject this frame
