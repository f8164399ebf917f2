// The focus ring: the things a child can act on, walked by keys, switches and a pad.
#include "ui/focus_ring.h"

#include <algorithm>
#include <cmath>

#include "base/frame_clock.h"
#include "base/input.h"
#include "base/video_context.h"
#include "resources/mesh.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

FocusRankFn focusRank = nullptr;

namespace {

constexpr const char* RING_ARCHIVE = "focus_ring.pak";
constexpr const char* RING_CORNER = "corner";
constexpr const char* RING_EDGE = "edge";
constexpr double RING_EYE_DEPTH = FOCUS_RING_EYE_DEPTH;
constexpr double RING_CORNER_SIDE = FOCUS_RING_CORNER_SIDE;
constexpr double RING_MARGIN = FOCUS_RING_MARGIN;
// How much further the ring swells while it breathes after a move.
constexpr double RING_BREATH = 0.22;
constexpr double RING_BREATH_PERIOD_MS = 900;
constexpr double RING_BREATH_MS = 2 * RING_BREATH_PERIOD_MS;
// A thing counts as lying in a pad direction once its centre is this many
// pixels that way; the one across the direction is three times as far.
constexpr double DIRECTION_MIN_PIXELS = 4;
constexpr double ACROSS_WEIGHT = 3;

// One of the eight pieces of the ring: a corner (turned about the page's
// depth) or an edge (stretched along its length), and where it stands on
// the ring's rectangle (sign of x and z).
struct RingPiece {
    const char* model;
    double turn;
    double sideX, sideZ;
    bool alongX; // an edge that runs along x (top, bottom); else along z
};

constexpr RingPiece RING_PIECES[8] = {
    {RING_CORNER, 0, 1, 1, false},     {RING_CORNER, -90, -1, 1, false},
    {RING_CORNER, 180, -1, -1, false}, {RING_CORNER, 90, 1, -1, false},
    {RING_EDGE, 0, 0, 1, true},        {RING_EDGE, 180, 0, -1, true},
    {RING_EDGE, 90, 1, 0, false},      {RING_EDGE, -90, -1, 0, false},
};

// The ring's one track.
enum RingTrack : int32_t { RING_FOLLOW };
constexpr TrackSpec RING_TRACKS[] = {{RING_FOLLOW, 0, focusRingFollowAction, nullptr}};
static_assert(tracksInOrder(RING_TRACKS));

struct Thing {
    int32_t rank;
    ScreenBox box;
    SceneObject* object;
};

bool contains(const std::vector<SceneObject*>& list, const SceneObject* object) {
    return object && std::find(list.begin(), list.end(), object) != list.end();
}

bool inSubtree(const SceneObject* root, const SceneObject* object) {
    if (root == object) return true;
    for (const SceneObject* child : root->children)
        if (inSubtree(child, object)) return true;
    return false;
}

bool onWindow(const ScreenBox& box) {
    return theVideo && box.right >= 0 && box.bottom >= 0 && box.left < theVideo->width &&
           box.top < theVideo->height;
}

// Reading order within one rank: rows from the top, each from the left.  A
// row takes every thing whose middle lies within half the height of the
// row's first (highest) thing, so a tray's row of places stays one row
// whatever tabs pull their rectangles up or down.
void readingOrder(std::vector<Thing>::iterator first, std::vector<Thing>::iterator last) {
    std::sort(first, last,
              [](const Thing& a, const Thing& b) { return a.box.centreY() < b.box.centreY(); });
    while (first != last) {
        double rowEnd = first->box.centreY() + (first->box.bottom - first->box.top) / 2;
        auto rowLast = std::find_if(first, last,
                                    [rowEnd](const Thing& t) { return t.box.centreY() > rowEnd; });
        std::sort(first, rowLast,
                  [](const Thing& a, const Thing& b) { return a.box.centreX() < b.box.centreX(); });
        first = rowLast;
    }
}

// This frame's things, by rank and in reading order.
void collectThings(FocusRing& focus) {
    std::vector<Thing> found;
    for (SceneObject* object : thePicker.candidates) {
        // The plane behind the dialogs, pictures that only show (no action
        // answers a click on them), and what lies under the top page.
        if (object == blockPlane || object->animator.actions.empty() ||
            (dialogTop && !inSubtree(dialogTop, object)))
            continue;
        int32_t rank = focusRank ? focusRank(object) : 1;
        ScreenBox box;
        if (rank < 0 || !objectScreenBox(object, box) || !onWindow(box)) continue;
        found.push_back({rank, box, object});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Thing& a, const Thing& b) { return a.rank < b.rank; });
    for (auto first = found.begin(); first != found.end();) {
        auto last = std::find_if(first, found.end(),
                                 [first](const Thing& t) { return t.rank != first->rank; });
        readingOrder(first, last);
        first = last;
    }
    focus.things.clear();
    focus.boxes.clear();
    for (const Thing& thing : found) {
        focus.things.push_back(thing.object);
        focus.boxes.push_back(thing.box);
    }
}

// Where the ring starts when what it marked is gone: a dialog's default
// button, or the first thing.
SceneObject* startThing(const FocusRing& focus) {
    SceneObject* start = dialogTop ? pageDefaultButton(dialogTop) : nullptr;
    if (contains(focus.things, start)) return start;
    return focus.things.empty() ? nullptr : focus.things.front();
}

// The nearest thing from the target in a pad direction; the target when none lies that way.
SceneObject* thingToward(const FocusRing& focus, InputAction direction, int at) {
    double dx = direction == ACTION_LEFT ? -1 : direction == ACTION_RIGHT ? 1 : 0;
    double dy = direction == ACTION_UP ? -1 : direction == ACTION_DOWN ? 1 : 0;
    const ScreenBox& from = focus.boxes[(size_t)at];
    SceneObject* best = focus.target;
    double bestScore = HUGE_VAL;
    for (size_t i = 0; i < focus.things.size(); ++i) {
        double x = focus.boxes[i].centreX() - from.centreX();
        double y = focus.boxes[i].centreY() - from.centreY();
        double along = x * dx + y * dy;
        double across = std::fabs(x * dy - y * dx);
        if (along < DIRECTION_MIN_PIXELS) continue;
        double score = along + ACROSS_WEIGHT * across;
        if (score < bestScore) {
            bestScore = score;
            best = focus.things[i];
        }
    }
    return best;
}

// The thing a step or direction leads to from the target.
SceneObject* movedTarget(const FocusRing& focus, InputAction move) {
    int count = (int)focus.things.size();
    if (count == 0) return nullptr;
    auto found = std::find(focus.things.begin(), focus.things.end(), focus.target);
    int at = found == focus.things.end() ? -1 : (int)(found - focus.things.begin());
    if (move == ACTION_STEP) return focus.things[(size_t)((at + 1) % count)];
    if (move == ACTION_STEP_BACK)
        return focus.things[(size_t)(at < 0 ? count - 1 : (at + count - 1) % count)];
    return at < 0 ? startThing(focus) : thingToward(focus, move, at);
}

void dropRingObject(FocusRing& focus) {
    if (focus.ring) focus.ring->kill();
    focus.ring = nullptr;
}

// The ring object, worldRoot's last child: drawn after everything it can mark.
void keepRingObject(FocusRing& focus) {
    if (!focus.shown || !focus.target || !worldRoot) {
        dropRingObject(focus);
        return;
    }
    if (focus.ring && worldRoot->children.back() == focus.ring) return;
    dropRingObject(focus);
    SceneObject* ring = new SceneObject;
    ring->setRotation(-90, 0, 0);
    for (const RingPiece& piece : RING_PIECES) {
        SceneObject* part = new SceneObject;
        part->loadModel(RING_ARCHIVE, piece.model);
        part->setRotation(0, piece.turn, 0);
        ring->addChild(part);
    }
    ring->setTracks(RING_TRACKS);
    ring->startTrack(RING_FOLLOW);
    worldRoot->addChild(ring);
    focus.ring = ring;
}

// A window pixel as a point of the ring's plane (x right, z up).
double planeX(double pixelX) {
    return theVideo->pixelToPlane(pixelX, 0, RING_EYE_DEPTH).x;
}
double planeZ(double pixelY) {
    return theVideo->pixelToPlane(0, pixelY, RING_EYE_DEPTH).y;
}

// The eight pieces round a rectangle of half extents (w, h) about the ring's origin.
void placeRingPieces(SceneObject* ring, double w, double h) {
    w = std::max(w, RING_CORNER_SIDE);
    h = std::max(h, RING_CORNER_SIDE);
    for (size_t i = 0; i < ring->children.size() && i < 8; ++i) {
        const RingPiece& piece = RING_PIECES[i];
        SceneObject* part = ring->children[i];
        part->setPosition(piece.sideX * w, 0, piece.sideZ * h);
        if (piece.model != RING_EDGE) continue;
        // Meshes show at the square of their object's scale.
        double length = 2 * ((piece.alongX ? w : h) - RING_CORNER_SIDE);
        part->setScale(std::sqrt(std::max(length, 1e-4)), 1, 1);
    }
}

} // namespace

void updateFocusRing() {
    FocusRing& focus = theFocusRing;
    focus.acting = false;
    InputAction move = focus.move;
    focus.move = ACTION_NONE;
    if (!focus.shown && move == ACTION_NONE) {
        focus.page = dialogTop;
        dropRingObject(focus);
        return;
    }
    collectThings(focus);
    SceneObject* before = focus.target;
    if (focus.page != dialogTop) {
        focus.page = dialogTop;
        focus.seekDefault = focus.shown && dialogTop;
    }
    // The new page's default button, as soon as it is drawn.
    SceneObject* wanted = focus.seekDefault ? pageDefaultButton(dialogTop) : nullptr;
    if (!wanted) focus.seekDefault = false;
    if (contains(focus.things, wanted)) {
        focus.target = wanted;
        focus.seekDefault = false;
    }
    if (move != ACTION_NONE && !focus.shown) {
        focus.shown = true; // the first press only shows the ring
        if (!contains(focus.things, focus.target)) focus.target = startThing(focus);
    } else if (move != ACTION_NONE) {
        focus.target = movedTarget(focus, move);
    } else if (!contains(focus.things, focus.target)) {
        focus.target = startThing(focus);
    }
    if (focus.target != before || move != ACTION_NONE) focus.movedAt = frameTime;
    keepRingObject(focus);
}

bool objectScreenBox(const SceneObject* object, ScreenBox& box) {
    bool any = false;
    for (const Mesh* mesh : object->meshes) {
        for (int corner = 0; corner < 8; ++corner) {
            Vec3 p = {corner & 1 ? mesh->boundsMax[0] : mesh->boundsMin[0],
                      corner & 2 ? mesh->boundsMax[1] : mesh->boundsMin[1],
                      corner & 4 ? mesh->boundsMax[2] : mesh->boundsMin[2]};
            double sx, sy;
            if (!theVideo->pixelOf(mesh->savedMatrix, p, sx, sy)) continue;
            if (!any) box = {sx, sy, sx, sy};
            box.left = std::min(box.left, sx);
            box.right = std::max(box.right, sx);
            box.top = std::min(box.top, sy);
            box.bottom = std::max(box.bottom, sy);
            any = true;
        }
    }
    return any;
}

void focusRingFollowAction() {
    const FocusRing& focus = theFocusRing;
    SceneObject* ring = currentObject;
    // Only a thing drawn in this walk is sure to be alive.
    ScreenBox box;
    if (!theVideo || !contains(thePicker.candidates, focus.target) ||
        !objectScreenBox(focus.target, box))
        return;
    double since = (double)(uint32_t)(frameTime - focus.movedAt);
    double swell = 0;
    if (since < RING_BREATH_MS) {
        double s = std::sin(since * M_PI / RING_BREATH_PERIOD_MS);
        swell = RING_BREATH * s * s;
    }
    double margin = RING_MARGIN + swell;
    double left = planeX(box.left), right = planeX(box.right);
    double top = planeZ(box.top), bottom = planeZ(box.bottom);
    ring->setPosition((left + right) / 2, (top + bottom) / 2, WORLD_DISTANCE - RING_EYE_DEPTH);
    placeRingPieces(ring, (right - left) / 2 + margin, (top - bottom) / 2 + margin);
}
