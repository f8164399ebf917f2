// Piece play: lifting a piece, sending it to its place, the flight and the drop.
#include "puzzle/piece_play.h"

#include <cmath>
#include <string>

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "puzzle/completion.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

bool retireHeldPiece = false;

namespace {

constexpr double PI_APPROX = 3.141592;
constexpr double PULSE_MS = 200;
constexpr double PULSE_GROWTH = 0.2;
constexpr double INTRO_MS = 1300;
constexpr double INTRO_TURN = 180;
constexpr double INTRO_RISE = 50;
constexpr double FLY_MS = 700;
constexpr double FLY_ACTION_MS = 800;
constexpr double FLY_RISE = 5;
constexpr double SETTLE_MS = 400;
constexpr double SETTLE_ACTION_MS = 500;
constexpr double SETTLE_TILT = 20;
constexpr int32_t PULSE_TRACK = 1;
constexpr const char* LIFT_SOUND = "puzzle_up.wav";
constexpr const char* SEND_SOUND = "puzzle_move.wav";

} // namespace

void resetPiecePlay() {
    retireHeldPiece = false;
}

SceneObject* newPieceChild(const char* prefix, const std::string& name) {
    SceneObject* child = new SceneObject;
    child->loadModel(currentArchives().shadows, prefix + name);
    return child;
}

void pieceGrabAction(void*) {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    if (retireHeldPiece && piece == thePuzzle.heldPiece) {
        retireHeldPiece = false;
        action->finish();
    }
    if (!currentClicked()) return;
    // The piece sent just before (keys and switches can follow a send in
    // the very next frame) has not retired yet: it does now, or this lift
    // would take its place as heldPiece and it would stay liftable.
    if (retireHeldPiece && thePuzzle.heldPiece && thePuzzle.heldPiece != piece) {
        for (Action& watcher : thePuzzle.heldPiece->animator.actions)
            if (watcher.effect == pieceGrabAction) watcher.finish();
        retireHeldPiece = false;
    }
    theAudio->play(LIFT_SOUND, false);
    // heldShadow is there exactly while heldPiece is lifted (not yet sent).
    SceneObject* held = thePuzzle.heldShadow ? thePuzzle.heldPiece : nullptr;
    if (held && held != piece) held->move(0, 0, -LIFTED_PIECE_RISE); // let go: it sinks back
    if (held != piece) piece->move(0, 0, LIFTED_PIECE_RISE);
    SceneObject* shadow = new SceneObject;
    shadow->loadModel(currentArchives().shadows, std::to_string(action->i0));
    piece->addChild(shadow);
    holdPiece(piece, shadow);
    piece->startTrack(PULSE_TRACK);
}

void piecePulseAction(void*) {
    Action* action = currentAction;
    int32_t t = (int32_t)action->time;
    if (t > PULSE_MS) {
        action->finish();
        t = (int32_t)PULSE_MS;
    }
    double s = 1 + PULSE_GROWTH * std::sin(t * PI_APPROX / PULSE_MS);
    currentObject->setScale(s, s, 1.0);
    // The piece's meshes show at s squared, a child's at s times its own
    // scale squared: its outline and its lifted look (whose veil lies on
    // the face) keep up at the square root of s.
    double follow = std::sqrt(s);
    for (SceneObject* child : currentObject->children)
        child->setScale(follow, follow, 1.0);
}

void pieceIntroAction(void* back) {
    Action* action = currentAction;
    double t = action->time;
    if (t > INTRO_MS) {
        action->finish();
        t = INTRO_MS;
        // Face up from now on: the back could only be hidden under the face.
        if (back) ((SceneObject*)back)->kill();
    }
    double angle = t * INTRO_TURN / INTRO_MS;
    currentObject->turn(angle - action->d0, 0, 0);
    double z = t * INTRO_RISE / INTRO_MS;
    currentObject->move(0, 0, z - action->d1);
    action->d0 = angle;
    action->d1 = z;
}

void placeClickAction(void* ownPiece) {
    if (!currentClicked() || ownPiece != thePuzzle.heldPiece) return;
    Action* action = currentAction;
    SceneObject* place = currentObject;
    retireHeldPiece = true;
    theAudio->play(SEND_SOUND, false);
    Action fly;
    fly.setTiming(FLY_ACTION_MS);
    fly.setEffect(pieceFlyAction, thePuzzle.heldShadow, 0, 0, 0, place->positionX(),
                  place->positionY(), flightSpeed());
    int32_t track = thePuzzle.heldPiece->addTrack();
    thePuzzle.heldPiece->addAction(fly);
    thePuzzle.heldPiece->startTrack(track);
    action->finish();
    pieceSent();
}

double flightSpeed() {
    double dx = thePuzzle.heldPiece->positionX() - currentObject->positionX();
    double dy = thePuzzle.heldPiece->positionY() - currentObject->positionY();
    return std::sqrt(dx * dx + dy * dy) / FLY_MS;
}

void pieceFlyAction(void* shadow) {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    double placeX = action->d0, placeY = action->d1;
    if (action->time >= FLY_MS) {
        action->finish();
        Action settle;
        settle.setTiming(SETTLE_ACTION_MS);
        settle.setEffect(pieceSettleAction, shadow, 0, 0, 0, placeX, placeY, 0);
        int32_t track = piece->addTrack();
        piece->addAction(settle);
        piece->startTrack(track);
        return;
    }
    int32_t dt = (int32_t)(action->time - action->i0);
    action->i0 = (int32_t)action->time;
    double dx = placeX - piece->positionX(), dy = placeY - piece->positionY();
    double r = std::sqrt(dx * dx + dy * dy);
    // Sent pieces start raised (they were lifted): the same top as ever.
    double rise = dt * (FLY_RISE - LIFTED_PIECE_RISE) / FLY_MS;
    if (r > 0) // standing on the spot already: only the rise, no direction to divide by
        piece->move(dx / r * action->d2 * dt, dy / r * action->d2 * dt, rise);
    else
        piece->move(0, 0, rise);
}

void pieceSettleAction(void* shadow) {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    double t = action->time;
    bool landed = t > SETTLE_MS;
    if (landed) {
        action->finish();
        t = SETTLE_MS;
    }
    piece->setPosition(action->d0, action->d1, FLY_RISE - t * FLY_RISE / SETTLE_MS);
    double angle = t * PI_APPROX / SETTLE_MS;
    piece->setRotation(-SETTLE_TILT * std::sin(angle), SETTLE_TILT * std::sin(angle), 0);
    if (!landed) return;
    // Shadows and outline go: the piece is part of the picture now.
    if (shadow) ((SceneObject*)shadow)->kill();
    for (SceneObject* child : piece->children)
        child->kill();
    // A board that is being left (another picture, a restart, a size switch)
    // no longer completes: the flag would land on the wrong picture.
    if (thePuzzle.placedCount == thePuzzle.pieceCount && !thePuzzle.boardLeaving) completePicture();
}
