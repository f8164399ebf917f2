// Input: SDL events of one frame turned into a few variables that handlers
// poll while the scene is drawn.  No callbacks, no queues of our own.
//
// The main loop calls beginInputFrame, then recordEvent for every event
// SDL_PollEvent returns.  A left press counts once (leftLatch) however long
// it is held; only motion events move the pointer; of several key presses
// in one frame only the last can be taken, by the first handler that asks.
#pragma once

#include <SDL/SDL.h>

extern int mouseX, mouseY;            // window pixels, top-left origin
extern bool leftClicked;              // left button went down this frame
extern bool leftLatch;                // a press counted, its release not yet seen
extern bool keyPending;               // a key went down this frame
extern bool keyConsumed;              // a handler took it
extern SDL_KeyboardEvent lastKeyEvent; // the last key-down of this frame
extern bool shortcutsActive;          // written by the dialog layer per page

void beginInputFrame();                 // keyPending, leftClicked false
void recordEvent(const SDL_Event& event);
bool keyPressed(SDLKey sym);            // pending, not consumed, matches: take it
bool shortcutPressed(SDLKey sym);       // shortcutsActive && keyPressed
void resetInput();                      // everything to its start value (tests)
