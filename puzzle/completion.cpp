// Completion: the fanfare, the completed flag and the zoomed finished picture.
#include "puzzle/completion.h"

#include "audio/audio_mixer.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"

namespace {

constexpr const char* FANFARE_SOUND = "final.wav";
constexpr const char* FINISHED_MODEL = "final";
constexpr double BOARD_DEPTH = 60;
constexpr double ZOOM_GROWTH = 0.6;
constexpr double ZOOM_IN_MS = 1200;
constexpr double ZOOM_OUT_MS = 800;
constexpr int32_t ZOOM_IN_TRACK = 0;
constexpr int32_t ZOOM_OUT_TRACK = 1;

// Grow currentObject's x and y scale to `growth`, less what was applied (d0).
void growTo(double growth) {
    Action* action = currentAction;
    currentObject->grow(growth - action->d0, growth - action->d0, 0);
    action->d0 = growth;
}

} // namespace

void completePicture() {
    theAudio->play(FANFARE_SOUND, false);
    setPictureFinished(thePuzzle.currentPicture, true);
    showPicture();
}

void showFinishedPicture() {
    thePuzzle.board->loadModel(currentArchives().picture, FINISHED_MODEL);
    thePuzzle.board->setPosition(0, 0, BOARD_DEPTH);
    thePuzzle.board->addTrack();
    thePuzzle.board->addAction(makeAction(-1, startScreenTrack1));
    thePuzzle.puzzleScreen->startTrack(ZOOM_IN_TRACK);
}

void screenZoomInAction(void*) {
    Action* action = currentAction;
    setBoardBusy(true);
    double t = action->time;
    if (t > ZOOM_IN_MS) {
        setBoardBusy(false);
        action->finish();
        t = ZOOM_IN_MS;
    }
    growTo(t * ZOOM_GROWTH / ZOOM_IN_MS);
}

void screenZoomOutAction(void*) {
    Action* action = currentAction;
    setBoardBusy(true);
    double t = action->time;
    bool done = t > ZOOM_OUT_MS;
    if (done) {
        setBoardBusy(false);
        action->finish();
        t = ZOOM_OUT_MS;
    }
    growTo(-ZOOM_GROWTH * t / ZOOM_OUT_MS);
    if (done) showPicture();
}

void startScreenTrack1(void*) {
    currentAction->finish();
    if (thePuzzle.puzzleScreen) thePuzzle.puzzleScreen->startTrack(ZOOM_OUT_TRACK);
}
