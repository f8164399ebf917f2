// The end-to-end driver: the real game, started in this process with the
// real archives, played through real SDL events.
//
// startSession points the settings folder at a fresh temporary folder (or
// reuses the last one), moves into $MEADOW_GAME_DIR where the archives lie,
// fixes the random seed and runs the game's own start-up.  The test then
// pushes mouse and key events into SDL's queue and runs frames with
// stepFrame; where to click is found by projecting the matrices a mesh saved
// when it was last drawn onto the window.  Animations take real time, so
// waits run frames until the clock has moved on.
//
// Every sound the game asks for is recorded in `playedSounds`.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/settings.h"

struct SceneObject;

// A played sound request.
struct PlayedSound {
    std::string name;
    bool music;
};

extern std::vector<PlayedSound> playedSounds;

// Start the game.  fresh: a new, empty settings folder; otherwise the last one.
// With a record, that record is written as the settings file first.
void startSession(bool fresh, const Settings* record = nullptr, unsigned seed = 1234);
// Shut the game down (whatever state the tree is in).
void endSession();

// The settings file of the current folder, as bytes ("" when missing).
std::vector<uint8_t> settingsFileBytes();
std::string settingsFilePath();

// Run frames.
void step(int frames = 1);
// Run frames until `ms` of the game's clock have passed.
void waitMs(uint32_t ms);
// Run frames until the condition holds or `ms` have passed; its last value.
template <typename Condition> bool waitUntil(Condition condition, uint32_t ms = 5000) {
    uint32_t start = SDL_GetTicks();
    while (!condition()) {
        if (SDL_GetTicks() - start > ms) return false;
        step();
    }
    return true;
}

// Queue events without running a frame.
void queueKey(SDLKey key);
void queueMotion(int x, int y);
void queueLeftClick();

// A key press, taken in the next frame.
void pressKey(SDLKey key);

// The object's on-screen spot (centre of its triangles), window pixels.
bool screenSpot(SceneObject* object, int& x, int& y);
// Move the pointer over the object and run frames until the picker finds it.
bool pointAt(SceneObject* object, int maxFrames = 30);
// pointAt, then a left click handled in the next frame.  False when it could not be picked.
bool clickObject(SceneObject* object);
// Move the pointer to a window pixel and run two frames.
void pointAtPixel(int x, int y);

// Piece i and place i of the current board.
SceneObject* pieceOf(int i);
SceneObject* placeOf(int i);

// Lift piece i and send it to its own place.
bool sendPiece(int i);

// How often a sound was requested since the list was last cleared.
int playCount(const std::string& name);

// Save the whole X screen as an image (for looking at the screens).
void saveScreenshot(const std::string& path);
