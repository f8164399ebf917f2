// The hold ring: built once round its button, filled by moving its wedges.
#include "ui/hold_ring.h"

#include <algorithm>
#include <cmath>

#include "resources/mesh.h"
#include "scene/action_track.h"
#include "scene/scene_object.h"

namespace {

constexpr const char* HOLD_RING_ARCHIVE = "hold_ring.pak";
constexpr double WEDGE_TURN = 360.0 / HOLD_RING_WEDGES;
// Out of sight: behind the eye, whatever the button's depth (the cursor waits so too).
constexpr double HIDDEN_Y = -1000;
// How far the ring stands out from the button's box: a share of its larger
// half side, so the band hides little of the button.
constexpr double HOLD_RING_MARGIN = 0.14;
// In front of the button's face, towards the eye (model -y).
constexpr double RING_LIFT = 0.05;

void place(SceneObject* object, bool shown) {
    object->setPosition(0, shown ? 0 : HIDDEN_Y, 0);
}

} // namespace

SceneObject* addHoldRing(SceneObject* button) {
    double low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
    bool any = false;
    for (const Mesh* mesh : button->meshes)
        for (int i = 0; i < 3; ++i) {
            low[i] = any ? std::min(low[i], mesh->boundsMin[i]) : mesh->boundsMin[i];
            high[i] = any ? std::max(high[i], mesh->boundsMax[i]) : mesh->boundsMax[i];
            if (i == 2) any = true;
        }
    double halfX = std::max((high[0] - low[0]) / 2, 0.1);
    double halfZ = std::max((high[2] - low[2]) / 2, 0.1);
    double margin = HOLD_RING_MARGIN * std::max(halfX, halfZ);
    // The band's inner rim lies just outside the box's sides.
    double grow = 1 / (1 - HOLD_RING_BAND);
    SceneObject* ring = new SceneObject;
    ring->setPosition((low[0] + high[0]) / 2, low[1] - RING_LIFT, (low[2] + high[2]) / 2);
    ring->setScale((halfX + margin) * grow, 1, (halfZ + margin) * grow);
    SceneObject* track = new SceneObject;
    track->loadModel(HOLD_RING_ARCHIVE, "track");
    place(track, false);
    ring->addChild(track);
    for (int i = 0; i < HOLD_RING_WEDGES; ++i) {
        SceneObject* wedge = new SceneObject;
        wedge->loadModel(HOLD_RING_ARCHIVE, "wedge");
        wedge->setRotation(0, i * WEDGE_TURN, 0);
        place(wedge, false);
        ring->addChild(wedge);
    }
    button->addChild(ring);
    return ring;
}

void fillHoldRing(SceneObject* ring, double share, double holdMs) {
    if (!ring || ring->children.size() != 1 + HOLD_RING_WEDGES) return;
    share = std::clamp(share, 0.0, 1.0);
    int filled = (int)std::floor(share * HOLD_RING_WEDGES);
    place(ring->children[0], share > 0);
    for (int i = 0; i < HOLD_RING_WEDGES; ++i)
        place(ring->children[(size_t)i + 1], i < filled);
    if (share <= 0 || share >= 1) return;
    // The next wedge is due then, whether or not anything else moves.
    double nextMs = ((filled + 1.0) / HOLD_RING_WEDGES - share) * holdMs;
    actionDeadlineMs = std::min(actionDeadlineMs, std::max(nextMs, 1.0));
}
