// The hold ring: what a child-locked button shows while it is held.
//
// A ring of HOLD_RING_WEDGES wedges (drawn by the art generator,
// "hold_ring.pak": "track", the whole ring faint, and "wedge", one
// wedge of it from twelve o'clock clockwise) stands round the button, as
// the button's own child: it grows with the button and goes with it.  Its
// meshes are made once, with the button; filling it only moves wedges
// into place (and the empty ring out of sight, behind the eye), so a
// filling ring repaints only its own corner of the screen.
//
// Owned here: nothing but the ring objects, which their buttons own.
#pragma once

struct SceneObject;

constexpr int HOLD_RING_WEDGES = 24;
// The art's ring: outer radius 1, band width, in the ring's units.
constexpr double HOLD_RING_BAND = 0.24;

// The ring round `button` (from its meshes' box), added as its child, empty.
SceneObject* addHoldRing(SceneObject* button);
// Show `share` (0 to 1) of a hold of `holdMs` filled; 0 hides the ring.
// Asks the main loop to come back when the next wedge is due.
void fillHoldRing(SceneObject* ring, double share, double holdMs);
