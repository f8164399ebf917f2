// Synthetic input: the program driving itself as a player would.
//
// The benchmark, the end-to-end tests and the monkey play the real game by
// putting ordinary SDL events in its queue (taken by the next frame's
// input pass) and by aiming at objects where the last frame drew them.
// Nothing in the game itself calls these.
#pragma once

#include <SDL/SDL.h>

struct SceneObject;

// Queue a pointer motion to a window pixel (origin top left); false when
// SDL's event queue is full.
bool queueMotionEvent(int x, int y);
// Queue a left button press and its release.
bool queueLeftClickEvents();
// Queue a left button press alone, or its release alone (a hold, a drag).
bool queueLeftPressEvent();
bool queueLeftReleaseEvent();
// Queue a key press and its release (a keystroke).
bool queueKeyEvent(SDLKey key);
// Queue a key's press alone, or its release alone (a key held down).
bool queueKeyDownEvent(SDLKey key);
bool queueKeyUpEvent(SDLKey key);
// Queue the window losing the keyboard's focus (another window came up).
bool queueFocusLossEvent();

// The centre of an object's triangles on the window as its meshes' last
// draw left them (window pixels, origin top left); false when it has no
// triangles or the spot lies outside the window.
bool objectScreenSpot(const SceneObject* object, int& x, int& y);
