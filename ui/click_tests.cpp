// The click tests and the child lock's guard.
#include "ui/click_tests.h"

#include "base/frame_clock.h"
#include "base/input.h"
#include "scene/action_track.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/focus_state.h"
#include "ui/hold_ring.h"

bool childLock = false;
SceneObject* dialogTop = nullptr;

namespace {

// What the click tests answer while a guarded button's effect runs.
enum class GuardMode { Open, Waiting, Held };
GuardMode guardMode = GuardMode::Open;
InputAction openerKey = ACTION_NONE; // what the waiting effect asked currentTriggered about

// Where a hold comes from.
enum class HoldSource { None, Pointer, Ring, Key };

// The left press that began on a guarded button (only compared, never used).
const SceneObject* pressedOn = nullptr;
// The hold that last acted: it acts no more.
HoldSource firedSource = HoldSource::None;
uint32_t firedSince = 0;

// The hold on currentObject now, if any.
HoldSource holdOn(InputAction key, uint32_t& since) {
    const SceneObject* self = currentObject;
    bool picked = thePicker.isCurrentPicked();
    if (leftClicked && picked) pressedOn = self;
    if (!thePointer.down && pressedOn == self) pressedOn = nullptr;
    if (thePointer.down && pressedOn == self && picked) {
        since = thePointer.downSince;
        return HoldSource::Pointer;
    }
    if (currentFocused() && actionHeldSince(ACTION_CHOOSE, since) && since >= theFocusRing.movedAt)
        return HoldSource::Ring;
    if (key != ACTION_NONE && dialogTop == nullptr && actionHeldSince(key, since))
        return HoldSource::Key;
    return HoldSource::None;
}

} // namespace

bool currentClicked() {
    if (guardMode != GuardMode::Open) return guardMode == GuardMode::Held;
    // The focus ring's choice is a click on the thing it marks.
    return (thePicker.isCurrentPicked() && leftClicked) || currentChosen();
}

bool currentActivated(InputAction shortcut) {
    if (guardMode != GuardMode::Open) return guardMode == GuardMode::Held;
    return currentClicked() || (shortcut != ACTION_NONE && shortcutAction(shortcut));
}

bool currentTriggered(InputAction action) {
    if (guardMode == GuardMode::Waiting) openerKey = action;
    if (guardMode != GuardMode::Open) return guardMode == GuardMode::Held;
    return currentClicked() || (dialogTop == nullptr && actionPressed(action));
}

bool currentHeldSince(InputAction key, uint32_t& since) {
    HoldSource source = holdOn(key, since);
    if (source == HoldSource::None) return false;
    return !(source == firedSource && since == firedSince);
}

bool currentHeld(uint32_t ms, InputAction key) {
    uint32_t since = 0;
    HoldSource source = holdOn(key, since);
    if (source == HoldSource::None || (source == firedSource && since == firedSince)) return false;
    if ((uint32_t)(frameTime - since) < ms) return false;
    firedSource = source;
    firedSince = since;
    if (source == HoldSource::Pointer) pressedOn = nullptr;
    return true;
}

void guardedClickAction() {
    Action* action = currentAction;
    EffectFn click = action->then;
    // The effect runs with every test false: it tells which key opens it.
    guardMode = GuardMode::Waiting;
    openerKey = ACTION_NONE;
    click();
    guardMode = GuardMode::Open;
    InputAction key = openerKey;
    uint32_t since = 0;
    double share = 0;
    if (currentHeldSince(key, since)) share = (double)(uint32_t)(frameTime - since) / LOCK_HOLD_MS;
    if (share >= 1 && currentHeld(LOCK_HOLD_MS, key)) {
        fillHoldRing(action->other, 0, LOCK_HOLD_MS);
        guardMode = GuardMode::Held;
        click();
        guardMode = GuardMode::Open;
        return;
    }
    fillHoldRing(action->other, share, LOCK_HOLD_MS);
}

void resetClickTests() {
    guardMode = GuardMode::Open;
    openerKey = ACTION_NONE;
    pressedOn = nullptr;
    firedSource = HoldSource::None;
    firedSince = 0;
}
