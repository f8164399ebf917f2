// The start screen: what the start-up builds once per run, and the first
// screen it opens.
//
// buildPersistentObjects (called by the start-up after worldRoot exists)
// first puts the game's own state back to its start values, so a second
// start in the same process begins clean, then adds to worldRoot, in this
// order: the meadow background, the holder of the corner tab (with the
// tab), the cursor that follows the mouse, and the button bar (close, view,
// break, menu, help), each button pinned to the top corners of the view.
//
// openFirstScreen opens the welcome dialog while the settings ask for it;
// otherwise the puzzle screen in the saved size.
#pragma once

#include <string>
#include <vector>

// The start-up's two calls into the game's screens, after worldRoot exists.
void buildPersistentObjects(); // background, menu tab holder, cursor, button bar
void openFirstScreen();        // welcome dialog, or the puzzle in the saved size

// The archives whose pictures the first screen shows, in the order it needs
// them (the meadow, then the first board unless the welcome comes first).
// Needs only the settings: start-up decodes them while the window opens.
std::vector<std::string> firstScreenArchives();

// Cursor, endless: stand under the mouse pointer, tilted with its place;
// out of sight while the focus ring is in use.
void cursorFollowAction();
