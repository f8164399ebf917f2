// The game's spine: start-up, the main loop and its frame, shutdown.
//
// Start-up: the allocator's rule for large buffers, settings, video (full
// screen, hidden pointer), the game pad if one is there, the focus ring
// (told the board's order), audio (told the settings' switches), caption,
// worldRoot (the scene's), music, then the objects that live for the whole
// run and the first screen (buildPersistentObjects / openFirstScreen, the
// start screen's).  The loop polls input and draws frames as fast as the
// display allows until worldRoot is dead (the screens' saveSettingsAndQuit:
// the exit dialog, the web links) or an end signal came (logout, Ctrl+C,
// the terminal closed), resting between frames only while nothing moves
// (app/still_rest.h); every frame ends by saving what changed, so however
// the game ends no progress is waiting.  gameMain first takes the settings
// folder's lock: a second copy ends there with status 0 and one line,
// before it opens a window.
#pragma once

bool startGame();          // every start-up step up to the main loop
void pollInput();          // loop steps 1-2: reset flags, drain SDL events
void runFrame();           // one frame: draw, deferred meshes, swap, picking
void updatePicking();      // the picker's pass, its painted pixel handed to the redraw
void stepFrame();          // pollInput + runFrame (tests drive the game with it)
void runMainLoop();        // until worldRoot is dead or an end signal came
void shutdownGame();       // finish saving, destroy worldRoot, the mixer and its sounds, close video
int gameMain();            // lock, startGame, runMainLoop, shutdownGame
