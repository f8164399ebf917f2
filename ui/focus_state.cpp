// The focus ring's state: its press taken, its choice and its mark.
#include "ui/focus_state.h"

#include "base/input.h"
#include "scene/scene_object.h"

FocusRing theFocusRing;

void resetFocusRing() {
    theFocusRing = FocusRing();
}

void takeFocusInput() {
    FocusRing& focus = theFocusRing;
    if (pointerMoved) focus.shown = false; // the mouse is back
    if (!keyPending || keyConsumed) return;
    // A press the ring takes is gone for every other handler: a close
    // effect that hands Return on to its button's next effect cannot
    // revive it for a page opened in the same frame.
    if (isFocusMove(pendingAction)) {
        keyPending = false;
        focus.move = pendingAction;
    } else if (pendingAction == ACTION_CHOOSE && focus.shown && focus.target) {
        keyPending = false;
        focus.acting = true;
    }
}

bool currentFocused() {
    return theFocusRing.shown && theFocusRing.target == currentObject;
}

bool currentChosen() {
    return theFocusRing.acting && theFocusRing.target == currentObject;
}
