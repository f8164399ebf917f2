// The end-to-end driver: the real game, started in this process with the
// real archives, played through real SDL events.
//
// startSession points the settings folder at a fresh temporary folder (or
// reuses the last one), moves into $MEADOW_GAME_DIR where the archives lie,
// fixes the random seed and runs the game's own start-up.  The test then
// pushes mouse and key events into SDL's queue and runs frames with
// stepFrame; where to click is found by projecting the matrices a mesh saved
// when it was last drawn onto the window.  The game's frame clock is a
// stepped one here: every frame is FRAME_STEP_MS after the one before (25
// frames a second, as software rendering draws them), so a second of
// animation is a fixed number of frames, run as fast as the machine draws
// them, and a slow machine sees the same frames as a fast one.
//
// Every sound the game asks for is recorded in `playedSounds`.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/settings.h"
#include "scene/action_track.h"
#include "tests/support/stepped_clock.h"

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
// The session's game data folder (settings, photos), with a trailing '/'.
std::string dataFolder();

constexpr uint32_t FRAME_STEP_MS = 40; // the game's clock from one frame to the next

// Run frames, each FRAME_STEP_MS on the game's clock after the last.
void step(int frames = 1);
// Run frames until `ms` of the game's clock have passed.
void waitMs(uint32_t ms);
// The next frame comes `ms` later than it would (a frame the machine was slow to draw).
void delayNextFrame(uint32_t ms);
// Run frames until the condition holds or `ms` of the game's clock have
// passed; its last value.
template <typename Condition> bool waitUntil(Condition condition, uint32_t ms = 5000) {
    for (uint32_t waited = 0; !condition(); waited += FRAME_STEP_MS) {
        if (waited > ms) return false;
        step();
    }
    return true;
}

// Frames until the current picture's images can be had (a family photo is
// made on the photo worker, in real time); false after `realMs` real
// milliseconds.  Stepped frames cost next to nothing while a board waits,
// so stepped time alone would race past the worker.
bool waitForPictureImages(uint32_t realMs = 10000);

// Queue events without running a frame.
void queueKey(SDLKey key);
void queueMotion(int x, int y);
void queueLeftClick();
// The left button's press alone and its release alone (a hold, a drag).
void queueLeftPress();
void queueLeftRelease();
// A key's press alone and its release alone (a key held down).
void queueKeyDown(SDLKey key);
void queueKeyUp(SDLKey key);

// A key press, taken in the next frame.
void pressKey(SDLKey key);

// The object's on-screen spot (centre of its triangles), window pixels.
bool screenSpot(SceneObject* object, int& x, int& y);
// Move the pointer over the object and run frames until the picker finds it
// (false for none).
bool pointAt(SceneObject* object, int maxFrames = 30);
// pointAt, then a left click handled in the next frame.  False when it could not be picked.
bool clickObject(SceneObject* object);
// Move the pointer to a window pixel and run two frames.
void pointAtPixel(int x, int y);

// Whether the object's live actions run the effect.
bool runsEffect(SceneObject* object, EffectFn effect);
// The first living object under root (depth first, root itself left out)
// that runs the effect: a button found by what it does, not by where its
// builder happened to put it among its siblings.  Null if none.
SceneObject* buttonRunning(SceneObject* root, EffectFn effect);

// The card under `root` (the size page or the main menu) that chooses the
// size with settings code `code`; none for the menu's card of the size chosen.
SceneObject* sizeCard(SceneObject* root, int32_t code);

// Piece i and place i of the current board.
SceneObject* pieceOf(int i);
SceneObject* placeOf(int i);

// Lift piece i and send it to its own place.
bool sendPiece(int i);

// How often a sound was requested since the list was last cleared.
int playCount(const std::string& name);

// The screen as the player sees it, read back from GL: rows from the bottom.
struct Shot {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    double luma(int x, int y) const; // y from the bottom, clamped to the screen
};
// How far apart in luma (steps of 255) a piece's outline, or the focus
// ring, and what lies around it must be to stand out clearly.
constexpr double CLEAR_CONTRAST = 60;
// A whole frame drawn and shown, then read back: the software rasteriser
// keeps the back buffer's pixels across the swap (the game's partial
// redraw relies on it); only the pixel under the pointer is touched after.
Shot showWholeFrame();

// Save the whole X screen as an image (for looking at the screens).
void saveScreenshot(const std::string& path);
