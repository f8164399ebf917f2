// The dialog layer: every dialog of the game is a stack of pages in front of
// the puzzle, plus the behaviour every button shares.
//
// openDialogLayer adds two objects to worldRoot: `blockPlane`, a pickable
// plane that catches every click meant for what lies behind the dialogs, and
// `dialogRoot`, turned -90 degrees about x, under which the pages hang, each
// page the child of the one below.  Turned like that, page y is depth and
// page z is height on the screen; dialog art stands at page depth -65.1.
// pushDialogPage sends the stack one step back while the new page comes
// forward to where the old top page stood; the close effects undo that.
//
// `dialogTop` is the top page (or dialogRoot while the layer holds no page
// yet); it is none while no dialog is open, and that is how the rest of the
// game asks whether a dialog is open.  Each page's endless
// pageActivateAction turns shortcuts on for the top page's buttons only, so
// Return and Escape act on the top page alone.
//
// Buttons: track 0 is the builder's (makeButton with the click effect, or
// the button's endless close/action effects); makeButton and
// makeHoverButton add the idle (track 2, started) and hover (track 3)
// actions: a button grows to 1.07 under the pointer and every click on it
// plays "button.wav".
//
// Dialog builders follow one pattern: test the trigger; open the layer if
// dialogTop is none; remember `below` = dialogTop; push a page; add the art
// and the buttons to dialogTop, close effects with `below` as argument.
//
// NOTE: makeButton receives the click effect through the action's pointer
// argument; effectArg / argEffect are the only conversions between the two.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "scene/action_track.h"

struct SceneObject;

extern SceneObject* dialogRoot; // root of the page stack while the layer is open
extern SceneObject* blockPlane; // the plane that blocks clicks behind the dialogs
extern SceneObject* dialogTop;  // top page, dialogRoot, or none (no dialog open)
extern bool closeRequested;     // the next closePageOnCancel fires by itself

constexpr double DIALOG_DEPTH = -65.1; // page y of dialog art and buttons

// Every variable above back to its start value (a new run in the same process).
void resetDialogLayer();

// The click test: the picker found currentObject and the left button went
// down, or the focus ring acts on currentObject (ui/focus_ring.h).
bool currentClicked();

// A click effect carried in an action's pointer argument, and back.
void* effectArg(EffectFn fn);
EffectFn argEffect(void* arg);

// blockPlane and dialogRoot with its two tracks; dialogTop = dialogRoot.
void openDialogLayer();
// Kill both; dialogTop = none.
void closeDialogLayer();
// The stack recedes; a new page slides in and becomes dialogTop.
void pushDialogPage();

// dialogRoot track 1 / 0, 600 ms: one step back / forward in 400 ms.
void layerBackAction(void* arg);
void layerForwardAction(void* arg);
// Page track 0, 600 ms: slide to (-2, -3, 2) in 400 ms.
void pageSlideAction(void* arg);
// Page track 1, endless: shortcuts on while this page is the top page.
void pageActivateAction(void* arg);

// Close effects; arg = the page below (possibly dialogRoot).
void closePageNow(void* arg);       // at once
void closePageOnCancel(void* arg);  // click, Escape on the top page, or closeRequested
void closePageOnOk(void* arg);      // click or Return; gives the key back
void closePageAndParent(void* arg); // click or Return; the page below closes next frame

// Once: the click effect (arg, with i0..i2) as endless track 1, idle and hover tracks.
void makeButton(void* arg);
// Once: idle and hover tracks only.
void makeHoverButton(void* arg);
// Track 2: shrink back to 1 in 100 ms; wait for the pointer or the focus ring.
void buttonIdleAction(void* arg);
// Track 3: grow to 1.07 in 100 ms; click sound; back to idle when the pointer
// (or the focus ring) leaves.
void buttonHoverAction(void* arg);

// Builder helpers.  A new object at (x, y, z) with one model; pickable on request.
SceneObject* newModelObject(const char* archive, const char* model, double x, double y, double z,
                            bool pickable);
// A new track of endless actions, one per effect in order (all with `arg`;
// none skipped), started.
void addEndlessTrack(SceneObject* object, std::initializer_list<EffectFn> effects, void* arg);
// A new track: makeButton once with the click effect and i0..i2, started.
void addMakeButtonTrack(SceneObject* object, EffectFn click, int32_t i0 = 0, int32_t i1 = 0,
                        int32_t i2 = 0);
// Next track = makeHoverButton once, started.
void addHoverTrack(SceneObject* object);
