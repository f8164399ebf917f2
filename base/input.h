// Input: SDL events of one frame turned into a few variables that handlers
// poll while the scene is drawn.  No callbacks, no queues of our own.
//
// The main loop calls beginInputFrame, then recordEvent for every event
// SDL_PollEvent returns.  A left press counts once (thePointer.down) however long
// it is held; only motion events move the pointer.  Every key press and
// every press of the game pad (button, hat, stick) is looked up in the
// bindings (base/input_bindings.h); of several in one frame only the last
// can be taken, by the first handler that asks for its action.
//
// A tap: a touch screen, a pen or a remote desktop moves the pointer and
// presses in the same instant, before the picker (scene/picking.h) has
// looked at the new point.  Such a press waits (pressWaiting) for the next
// frame, when the picker has looked exactly there; pointer motion after it
// waits with it.  A press where the picker last looked (every mouse click on
// a still pointer) counts at once, as it always did.  The main loop tells
// where the picker looked (pickerLookedAt).
//
// Held and let go: `thePointer` keeps the left button's (a touch's, a pen's)
// press and release: whether it is down, where and when it went down, and
// whether it came up this frame, so a handler can tell a click from a hold
// or a drag.  A release that comes while its press waits waits with it: the
// frame that counts the press sees the release too (a tap).  Keys and pad
// buttons are held from their press to their release (key up, button up),
// never judged by the keyboard's repeats: a repeated press of a key already
// down still counts as a press but leaves its hold running
// (`actionHeldSince`).  The window losing the keyboard's focus lets go of
// everything, so nothing stays held that the game will never see come up.
// Times are the frame clock's readings (base/frame_clock.h) as the events
// are taken, so a test's stepped clock times holds too.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

#include "base/input_bindings.h"

// The left button (mouse, touch or pen) as this frame left it.
struct PointerRecord {
    bool down = false;     // held now
    bool released = false; // came up this frame (or was let go with the focus)
    int pressX = 0;        // where the last press went down, window pixels
    int pressY = 0;
    uint32_t downSince = 0; // the clock's reading at that press
};

extern int mouseX, mouseY;             // window pixels, top-left origin
extern bool pointerMoved;              // a motion event moved the pointer this frame
extern bool leftClicked;               // left button went down this frame
extern PointerRecord thePointer;       // the left button's press and release
extern bool pressWaiting;              // a press away from the picker's point waits a frame
extern bool keyPending;                // a key or pad press came this frame
extern bool keyConsumed;               // a handler took it
extern SDL_KeyboardEvent lastKeyEvent; // the last key-down of this frame (none for a pad press)
extern InputAction pendingAction;      // the bound action of the frame's last press
extern bool shortcutsActive;           // written by the dialog layer per page

void beginInputFrame(); // keyPending, leftClicked false; a waiting press counts
void recordEvent(const SDL_Event& event);
void pickerLookedAt(int x, int y);       // the picker has named what lies at (x, y)
bool keyPressed(SDLKey sym);             // pending, not consumed, matches: take it
bool shortcutPressed(SDLKey sym);        // shortcutsActive && keyPressed
bool actionPressed(InputAction action);  // pending, not consumed, its action: take it
bool shortcutAction(InputAction action); // shortcutsActive && actionPressed
// Whether a key or pad button bound to `action` is down now; `since` gets
// the clock's reading at the earliest such press.  Presses are not taken.
bool actionHeldSince(InputAction action, uint32_t& since);
// How long the left button has been down, in ms of the clock (0 when it is up).
uint32_t pointerHeldMs(uint32_t now);
void resetInput(); // everything to its start value (tests)
