// The game's spine: start-up, the main loop and its frame, shutdown.
//
// Start-up: the allocator's rule for large buffers, settings, video (full
// screen, hidden pointer), audio, caption, worldRoot, music, then the objects
// that live for the whole run and the first screen (buildPersistentObjects /
// openFirstScreen, provided by the game's screens).  The loop polls input
// and draws frames as fast as the display allows until worldRoot is dead,
// resting between frames only while nothing moves (app/still_rest.h);
// saveSettingsAndQuit is the only way out that keeps progress.
#pragma once

struct SceneObject;

extern SceneObject* worldRoot; // root of the scene tree; the game runs until it is dead

void saveSettingsAndQuit(); // write the settings, kill worldRoot

bool startGame();          // every start-up step up to the main loop
void pollInput();          // loop steps 1-2: reset flags, drain SDL events
void runFrame();           // one frame: draw, deferred meshes, swap, picking
void stepFrame();          // pollInput + runFrame (tests drive the game with it)
void runMainLoop();        // until worldRoot is dead
void shutdownGame();       // destroy worldRoot, the mixer and its sounds, close video
int gameMain();            // startGame, runMainLoop, shutdownGame

// Provided by the game's screens (screens/start_screen.cpp):
void buildPersistentObjects(); // background, menu tab holder, cursor, button bar
void openFirstScreen();        // welcome dialog, or the puzzle in the saved size
