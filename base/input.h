// Input: SDL events of one frame turned into a few variables that handlers
// poll while the scene is drawn.  No callbacks, no queues of our own.
//
// The main loop calls beginInputFrame, then recordEvent for every event
// SDL_PollEvent returns.  A left press counts once (leftLatch) however long
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
#pragma once

#include <SDL/SDL.h>

#include "base/input_bindings.h"

extern int mouseX, mouseY;             // window pixels, top-left origin
extern bool pointerMoved;              // a motion event moved the pointer this frame
extern bool leftClicked;               // left button went down this frame
extern bool leftLatch;                 // a press counted, its release not yet seen
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
void resetInput();                       // everything to its start value (tests)
