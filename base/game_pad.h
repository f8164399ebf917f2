// The game pad: the first joystick SDL finds when the game starts, opened
// so that its buttons, hat and stick arrive as events (base/input turns them
// into actions through the bindings).  No pad, no change: nothing is opened
// and no joystick event ever comes.  A pad plugged in later is not seen
// (SDL 1.2 lists joysticks once).
#pragma once

bool openGamePad();  // true when a pad was found and opened
void closeGamePad(); // the pad and SDL's joystick subsystem closed
bool gamePadOpen();  // a pad is open (its events do not wake a display wait)
