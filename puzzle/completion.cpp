// Completion: the zoom of the puzzle screen round a finished picture.
#include "puzzle/completion.h"

#include "scene/scene_object.h"

bool screenZooming = false;

namespace {

constexpr double ZOOM_GROWTH = 0.6;
constexpr double ZOOM_IN_MS = SCREEN_ZOOM_IN_MS;
constexpr double ZOOM_OUT_MS = SCREEN_ZOOM_OUT_MS;

// Grow currentObject's x and y scale to `growth`, less what was applied.
void growTo(double growth) {
    Action* action = currentAction;
    double step = growth - action->applied.x;
    currentObject->grow(step, step, 0);
    action->applied.x = growth;
}

} // namespace

void resetScreenZoom() {
    screenZooming = false;
}

void screenZoomInAction() {
    ClampedTime clamped = currentAction->finishAt(ZOOM_IN_MS);
    screenZooming = !clamped.ended;
    growTo(clamped.t * ZOOM_GROWTH / ZOOM_IN_MS);
}

void screenZoomOutAction() {
    Action* action = currentAction;
    ClampedTime clamped = action->finishAt(ZOOM_OUT_MS);
    screenZooming = !clamped.ended;
    growTo(-ZOOM_GROWTH * clamped.t / ZOOM_OUT_MS);
    if (clamped.ended && action->then) action->then();
}

void startZoomOutAction() {
    currentAction->finish();
    if (currentAction->other) currentAction->other->startTrack(SCREEN_ZOOM_OUT);
}
