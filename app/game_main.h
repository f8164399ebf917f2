// The game's spine: start-up, the main loop and its frame, shutdown.
//
// Start-up: the allocator's rule for large buffers, settings, video (full
// screen, hidden pointer), audio, caption, worldRoot, music, then the objects
// that live for the whole run and the first screen (buildPersistentObjects /
// openFirstScreen, provided by the game's screens).  The loop polls input
// and draws frames as fast as the display allows until worldRoot is dead
// (saveSettingsAndQuit: the exit dialog, the web links) or an end signal
// came (logout, Ctrl+C, the terminal closed); every frame ends by saving
// what changed, so however the game ends no progress is waiting.  gameMain
// first takes the settings folder's lock: a second copy ends there with
// status 0 and one line, before it opens a window.
#pragma once

struct SceneObject;

extern SceneObject* worldRoot; // root of the scene tree; the game runs until it is dead

void saveSettingsAndQuit(); // save what changed, kill worldRoot

bool startGame();          // every start-up step up to the main loop
void pollInput();          // loop steps 1-2: reset flags, drain SDL events
void runFrame();           // one frame: draw, deferred meshes, swap, picking
void stepFrame();          // pollInput + runFrame (tests drive the game with it)
void runMainLoop();        // until worldRoot is dead or an end signal came
void shutdownGame();       // finish saving, destroy worldRoot, the mixer and its sounds, close video
int gameMain();            // lock, startGame, runMainLoop, shutdownGame

// Provided by the game's screens (screens/start_screen.cpp):
void buildPersistentObjects(); // background, menu tab holder, cursor, button bar
void openFirstScreen();        // welcome dialog, or the puzzle in the saved size
