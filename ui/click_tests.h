// The click tests every effect asks, and the child lock's guard on the
// buttons that end the game or undo a child's work.
//
// currentClicked: the picker found currentObject and the left button went
// down, or the focus ring acts on it (ui/focus_state.h).  currentActivated
// adds a shortcut action for the top dialog page (Return's ACTION_CHOOSE,
// Escape's ACTION_BACK); currentTriggered adds an opener's action while no
// dialog is open.  Effects never tell keys from clicks or the ring.
//
// The child lock (`childLock`, off unless the options turn it on): a
// child alone at the computer must not end the game, restart a finished
// picture or leave for a web page with a quick press.  Each button's row
// says how the lock guards it (ButtonGuard): not at all, hidden under the
// lock (the web links), or held (the close, restart and restart-all
// buttons).  A held button's click effect runs inside guardedClickAction,
// which the button behaviour (ui/dialog_layer.h) puts in its place: while
// the button waits, the click tests answer false for it, whatever was
// pressed; once it has been held for LOCK_HOLD_MS they answer true for one
// run of the effect, which opens its dialog as it always does.  Held means
// the left button (a touch) pressed on the button and kept there, Return
// or the pad's A kept down while the focus ring marks it, or the opener's
// own key (Escape for the close button: the key its effect asks
// currentTriggered about) kept down while no dialog is open.  Holds are told
// from presses and releases (base/input.h), never from key repeats.  While
// held, a ring (ui/hold_ring.h) fills round the button; let go early, it
// empties and nothing opens.
//
// Owned here: childLock, the guard's state, and dialogTop (the dialog
// layer's top page, which it alone writes: the tests ask whether a dialog
// is open).
#pragma once

#include <cstdint>

#include "base/input_bindings.h"

struct SceneObject;

extern bool childLock;         // set once at start-up from the options
extern SceneObject* dialogTop; // top page, dialogRoot, or none (no dialog open): ui/dialog_layer.h

constexpr uint32_t LOCK_HOLD_MS = 3000; // how long a guarded button is held to act

// How the child lock guards a button (a field of the rows that make buttons).
enum class ButtonGuard : int32_t {
    None,            // as without the lock
    HoldUnderLock,   // acts only when held for LOCK_HOLD_MS
    HiddenUnderLock, // not built (a web link)
};

bool currentClicked();
bool currentActivated(InputAction shortcut); // clicked, or `shortcut` on the top page
bool currentTriggered(InputAction action);   // clicked, or `action` while no dialog is open

// Whether currentObject (with `key`, its opener's key) is held now: since
// when, from its press.  One hold acts once: after it has, it is no longer held.
bool currentHeldSince(InputAction key, uint32_t& since);
// Whether currentObject has been held `ms` this frame (and the hold acts).
bool currentHeld(uint32_t ms, InputAction key = ACTION_NONE);

// The effect that stands for a held button's click effect (`then`, given
// `number`; `other` is its hold ring).
void guardedClickAction();

void resetClickTests(); // the guard's state to its start (a new run); childLock stays
