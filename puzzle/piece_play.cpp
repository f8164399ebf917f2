// Piece play: the pulse, the fly-in, the flight and the drop of a piece.
#include "puzzle/piece_play.h"

#include <cmath>

#include "scene/scene_object.h"

namespace {

constexpr double PI_APPROX = 3.141592;
constexpr double PULSE_MS = PIECE_PULSE_MS;
constexpr double PULSE_GROWTH = 0.2;
constexpr double INTRO_MS = PIECE_INTRO_MS;
constexpr double INTRO_TURN = 180;
constexpr double INTRO_RISE = 50;
constexpr double FLY_MS = PIECE_FLY_MS;
constexpr double FLY_RISE = 5;
constexpr double SETTLE_MS = PIECE_SETTLE_MS;
constexpr double SETTLE_TILT = 20;

} // namespace

double flightSpeed(double distance) {
    return distance / FLY_MS;
}

void piecePulseAction() {
    int32_t t = (int32_t)currentAction->finishAt(PULSE_MS).t;
    double s = 1 + PULSE_GROWTH * std::sin(t * PI_APPROX / PULSE_MS);
    currentObject->setScale(s, s, 1.0);
    // The piece's meshes show at s squared, a child's at s times its own
    // scale squared: its outline and its lifted look (whose veil lies on
    // the face) keep up at the square root of s.
    double follow = std::sqrt(s);
    for (SceneObject* child : currentObject->children)
        child->setScale(follow, follow, 1.0);
}

void pieceIntroAction() {
    Action* action = currentAction;
    ClampedTime clamped = action->finishAt(INTRO_MS);
    double t = clamped.t;
    // Face up from now on: the back could only be hidden under the face.
    if (clamped.ended && action->other) action->other->kill();
    double angle = t * INTRO_TURN / INTRO_MS;
    currentObject->turn(angle - action->applied.x, 0, 0);
    double z = t * INTRO_RISE / INTRO_MS;
    currentObject->move(0, 0, z - action->applied.z);
    action->applied.x = angle;
    action->applied.z = z;
}

void pieceFlyAction() {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    double placeX = action->goal.x, placeY = action->goal.y;
    if (action->time >= FLY_MS) {
        action->finish();
        Action& settle = piece->firstAction(PIECE_SETTLE);
        settle.goal = action->goal;
        settle.other = action->other;
        piece->startTrack(PIECE_SETTLE);
        return;
    }
    int32_t dt = (int32_t)action->stepMs;
    double dx = placeX - piece->positionX(), dy = placeY - piece->positionY();
    double r = std::sqrt(dx * dx + dy * dy);
    // Sent pieces start raised (they were lifted): the same top as ever.
    double rise = dt * (FLY_RISE - LIFTED_PIECE_RISE) / FLY_MS;
    if (r > 0) // standing on the spot already: only the rise, no direction to divide by
        piece->move(dx / r * action->speed * dt, dy / r * action->speed * dt, rise);
    else
        piece->move(0, 0, rise);
}

void pieceSettleAction() {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    ClampedTime clamped = action->finishAt(SETTLE_MS);
    double t = clamped.t;
    piece->setPosition(action->goal.x, action->goal.y, FLY_RISE - t * FLY_RISE / SETTLE_MS);
    double angle = t * PI_APPROX / SETTLE_MS;
    piece->setRotation(-SETTLE_TILT * std::sin(angle), SETTLE_TILT * std::sin(angle), 0);
    if (!clamped.ended) return;
    // A piece lifted in the first moments of its turn over lands before the
    // turn ends: the turn stops here, or it would tip the landed piece and
    // drop a back that goes below with the other children.
    for (Action& running : piece->animator.actions)
        if (running.effect == pieceIntroAction) running.finish();
    // Shadows and outline go: the piece is part of the picture now.
    if (action->other) action->other->kill();
    for (SceneObject* child : piece->children)
        child->kill();
    if (action->then) action->then();
}

void pieceGlideAction() {
    SceneObject* piece = currentObject;
    Action* action = currentAction;
    const Vec3& goal = action->goal;
    // What is left of the way is shared out over what is left of the time.
    double before = action->time - action->stepMs;
    double share = before >= PIECE_GLIDE_MS ? 1 : action->stepMs / (PIECE_GLIDE_MS - before);
    if (action->time >= PIECE_GLIDE_MS || share >= 1) {
        action->finish();
        piece->setPosition(goal.x, goal.y, goal.z);
        return;
    }
    piece->move((goal.x - piece->positionX()) * share, (goal.y - piece->positionY()) * share,
                (goal.z - piece->positionZ()) * share);
}

void endPieceGlide(SceneObject* piece) {
    for (Action& running : piece->animator.actions)
        if (!running.finished && running.effect == pieceGlideAction) {
            piece->setPosition(running.goal.x, running.goal.y, running.goal.z);
            running.finish();
        }
}

void endPieceMotions(SceneObject* piece) {
    endPieceGlide(piece);
    for (Action& running : piece->animator.actions)
        if (!running.finished && running.effect == pieceIntroAction) {
            if (running.other) running.other->kill();
            piece->turn(INTRO_TURN - running.applied.x, 0, 0);
            piece->move(0, 0, INTRO_RISE - running.applied.z);
            running.applied = {INTRO_TURN, 0, INTRO_RISE};
            running.finish();
        }
}
