// The dialog layer: every dialog of the game is a stack of pages in front of
// the puzzle, built from one layout table, plus the behaviour every button
// shares.
//
// openDialogLayer adds two objects to worldRoot: `blockPlane`, a pickable
// plane that catches every click meant for what lies behind the dialogs, and
// `dialogRoot`, turned -90 degrees about x, under which the pages hang, each
// page the child of the one below.  Turned like that, page y is depth and
// page z is height on the screen.  pushDialogPage sends the stack one step
// back while the new page comes forward to where the old top page stood; the
// close effects undo that.  On a screen too narrow for the widest dialog,
// dialogRoot hangs in a holder that shrinks the whole stack to fit; with a
// widened camera (base/video_context.h) the veil grows with it.
//
// `dialogTop` is the top page (or dialogRoot while the layer holds no page
// yet); it is none while no dialog is open, and that is how the rest of the
// game asks whether a dialog is open.  Each page's endless activate action
// turns shortcuts on for the top page's buttons only, so Return and Escape
// act on the top page alone.
//
// A dialog is a DialogLayout: its archive, a background at the page's
// origin and a table of items, each of a kind that says how it behaves
// (buttons and cards grow under the pointer, cards act from the first frame
// on the page below, toggles and replaceable items stand for a state and
// replace themselves).  openDialog pushes one page and builds it from the
// table; it remembers which item Return presses (pageDefaultButton).
//
// Every click or key test that means "this button was pressed" is
// currentActivated; an opener's "a click, or its key while no dialog is
// open" is currentTriggered (both ui/click_tests.h, with the child lock's
// guard: a button's row says whether the lock hides it or wants it held,
// and makeClickButton and addDialogItem do what it says).
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/input_bindings.h"
#include "scene/action_track.h"
#include "ui/click_tests.h"

struct SceneObject;

extern SceneObject* dialogRoot; // root of the page stack while the layer is open
extern SceneObject* blockPlane; // the plane that blocks clicks behind the dialogs
extern bool closeRequested;     // the next closePageOnCancel fires by itself

constexpr double DIALOG_DEPTH = -65.1; // page y of dialog art and buttons
// The archive of the buttons several screens share (the bar, the picture
// switches, the menu's birds, the help's close).
constexpr const char* BUTTON_ARCHIVE = "buttons.pak";

// Every variable above back to its start value (a new run in the same process).
void resetDialogLayer();

// How an item of a dialog page behaves.
enum class ItemKind : int32_t {
    Backdrop,    // art in the page's own plane (y 0), not pickable, x scaled by scaleX
    Picture,     // art at the items' depth, pickable: it takes clicks meant for what is behind
    Title,       // art at the items' depth, not pickable, running `acts` (its slide)
    Button,      // grows under the pointer; `click` (given `number`) watches once it has settled
    Card,        // grows under the pointer; `acts` run from the first frame, given the page below
    Toggle,      // grows under the pointer; `acts` given the page it stands on
    Replaceable, // `acts` given the page it stands on
};

// Toggles and replaceable items show a state: a layout names the function
// that adds one as things stand (through addDialogItem), and their click
// effects replace them through it too.
using ItemMaker = void (*)(SceneObject* page);

// One item of a dialog page.  Position on the page: x + xEdge * the view's
// half width and z + zEdge * its half height at the dialog art's distance
// (pinned to the view's edges), at the layout's depth.
struct DialogItem {
    ItemKind kind;
    const char* archive; // none: the layout's own
    const char* model;
    double x, z;
    double xEdge = 0, zEdge = 0;
    EffectFn acts[3] = {};    // endless, in this order, from the first frame, given `number`
    EffectFn click = nullptr; // Button
    int32_t number = 0;       // its click's and its acts' `number`
    ItemMaker make = nullptr; // Toggle, Replaceable in a layout: adds it as things stand
    double scaleX = 1;        // Backdrop
    ButtonGuard guard = ButtonGuard::None; // Button: how the child lock guards it
};

// A dialog: its archive, its background (the models of one object at the
// page's origin; none: no such object), the depth of its items, its items
// and the one that Return presses (-1: none).
struct DialogLayout {
    const char* archive;
    const char* background[2];
    double depth;
    const DialogItem* items;
    size_t itemCount;
    int32_t defaultItem;
};

// Push a page (opening the layer if no dialog is open) and build it.
void openDialog(const DialogLayout& layout);
// One item onto `page`; `below` is the page under it (for cards).  None
// when the child lock hides it.
SceneObject* addDialogItem(SceneObject* page, const DialogItem& item, const char* archive,
                           double depth, SceneObject* below);
// The item of `page` that Return presses, or none.
SceneObject* pageDefaultButton(const SceneObject* page);

// blockPlane and dialogRoot with its tracks; dialogTop = dialogRoot.
void openDialogLayer();
// Kill both; dialogTop = none.
void closeDialogLayer();
// The stack recedes; a new page slides in and becomes dialogTop.
void pushDialogPage();

// The page stack's tracks: one step back or forward.
enum LayerTrack : int32_t { LAYER_FORWARD, LAYER_BACK };
void layerBackAction();
void layerForwardAction();
// A page's tracks: it slides in; it turns shortcuts on while it is on top.
enum PageTrack : int32_t { PAGE_SLIDE, PAGE_ACTIVATE };
void pageSlideAction();
void pageActivateAction();

// Close effects of cards; `other` = the page below (possibly dialogRoot).
void closePageOnCancel();  // click, Escape on the top page, or closeRequested
void closePageOnOk();      // click or Return; gives the key back
void closePageAndParent(); // click or Return; the page below closes next frame

// A button's tracks: its own effects, its settling (once), idle and hover.
enum ButtonTrack : int32_t { BUTTON_ACTS, BUTTON_SETTLE, BUTTON_IDLE, BUTTON_HOVER };
// Once: start the click watcher and the idle track / the idle track only.
void settleClickButton();
void settleCard();
// Idle: shrink back to the button's own size; wait for the pointer or the
// focus ring.
void buttonIdleAction();
// Hover: grow a little, so the child sees what the pointer (or the focus
// ring) is on; the click sound; back to idle when both have left.
void buttonHoverAction();

// A new object at (x, y, z) with one model; pickable on request.
SceneObject* newModelObject(const char* archive, const char* model, double x, double y, double z,
                            bool pickable);
// Make `object` a button whose click effect (given `number`) watches once it
// has settled; it grows under the pointer.  Under the child lock a button
// guarded HoldUnderLock gets its hold ring and acts only when held
// (guardedClickAction); HiddenUnderLock is for its builder to leave out.
void makeClickButton(SceneObject* object, EffectFn click, int32_t number = 0,
                     ButtonGuard guard = ButtonGuard::None);
