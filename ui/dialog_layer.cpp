// The dialog layer: the page stack, the dialog builder, the close effects
// and button behaviour.
#include "ui/dialog_layer.h"

#include <cmath>
#include <iterator>
#include <vector>

#include "audio/audio_mixer.h"
#include "base/input.h"
#include "base/video_context.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/focus_state.h"
#include "ui/hold_ring.h"

SceneObject* dialogRoot = nullptr;
SceneObject* blockPlane = nullptr;
bool closeRequested = false;

namespace {

constexpr double LAYER_STEP_MS = 600;         // length of the stack's and a page's moves
constexpr double LAYER_MOVE_MS = 400;         // the part of it that moves
constexpr Vec3 LAYER_BACK_STEP = {2, -2, -3}; // world terms: right, down, away
constexpr Vec3 PAGE_OFFSET = {-2, -3, 2};     // page terms: the opposite step
constexpr double BUTTON_GROW_MS = 100;
constexpr double BUTTON_GROWTH = 0.07;
// The dialog art's distance from the eye: edge-pinned items keep to the
// view's corners at it.
constexpr double DIALOG_EYE_DISTANCE = 34.9;
constexpr const char* BLOCK_ARCHIVE = "main_menu.pak";
constexpr const char* BLOCK_MODEL = "block";
constexpr const char* BUTTON_SOUND = "button.wav";
// How far right of the middle the widest dialog reaches (the welcome's
// pictures), page units: a narrower screen gets its dialogs shrunk to fit.
constexpr double DIALOG_HALF_WIDTH = 19.2;
constexpr double BLOCK_DEPTH = 61.6; // the veil's distance from the world origin, towards the eye

constexpr TrackSpec LAYER_TRACKS[] = {
    {LAYER_FORWARD, LAYER_STEP_MS, layerForwardAction, nullptr},
    {LAYER_BACK, LAYER_STEP_MS, layerBackAction, nullptr},
};
constexpr TrackSpec PAGE_TRACKS[] = {
    {PAGE_SLIDE, LAYER_STEP_MS, pageSlideAction, nullptr},
    {PAGE_ACTIVATE, 0, pageActivateAction, nullptr},
};
// A click button's watcher waits in BUTTON_ACTS until it has settled; a
// card's effects run from the first frame.
constexpr TrackSpec CLICK_BUTTON_TRACKS[] = {
    {BUTTON_ACTS, 0, nullptr, nullptr},
    {BUTTON_SETTLE, -1, settleClickButton, nullptr},
    {BUTTON_IDLE, 0, buttonIdleAction, nullptr},
    {BUTTON_HOVER, 0, buttonHoverAction, nullptr},
};
constexpr TrackSpec CARD_TRACKS[] = {
    {BUTTON_ACTS, 0, nullptr, nullptr},
    {BUTTON_SETTLE, -1, settleCard, nullptr},
    {BUTTON_IDLE, 0, buttonIdleAction, nullptr},
    {BUTTON_HOVER, 0, buttonHoverAction, nullptr},
};
constexpr TrackSpec STILL_ITEM_TRACKS[] = {{BUTTON_ACTS, 0, nullptr, nullptr}};
static_assert(tracksInOrder(LAYER_TRACKS) && tracksInOrder(PAGE_TRACKS) &&
              tracksInOrder(CLICK_BUTTON_TRACKS) && tracksInOrder(CARD_TRACKS) &&
              tracksInOrder(STILL_ITEM_TRACKS));

// How each kind of item is made, in ItemKind's order: whether it is
// pickable and stands in the page's own plane, its tracks (none: art
// only), whether its acts are given its own page (toggles replace
// themselves on it) or the page below (cards close it), and whether they
// run from the first frame or once the button has settled.
struct ItemRule {
    ItemKind kind;
    bool pickable;
    bool inPagePlane;
    const TrackSpec* tracks;
    size_t trackCount;
    bool actsOnOwnPage;
    bool actsAtOnce;
};

constexpr ItemRule ITEM_RULES[] = {
    {ItemKind::Backdrop, false, true, nullptr, 0, false, false},
    {ItemKind::Picture, true, false, nullptr, 0, false, false},
    {ItemKind::Title, false, false, STILL_ITEM_TRACKS, std::size(STILL_ITEM_TRACKS), false, true},
    {ItemKind::Button, true, false, CLICK_BUTTON_TRACKS, std::size(CLICK_BUTTON_TRACKS), false,
     false},
    {ItemKind::Card, true, false, CARD_TRACKS, std::size(CARD_TRACKS), false, true},
    {ItemKind::Toggle, true, false, CARD_TRACKS, std::size(CARD_TRACKS), true, true},
    {ItemKind::Replaceable, true, false, STILL_ITEM_TRACKS, std::size(STILL_ITEM_TRACKS), true,
     true},
};

constexpr bool rulesInOrder() {
    for (size_t i = 0; i < std::size(ITEM_RULES); ++i)
        if ((size_t)ITEM_RULES[i].kind != i) return false;
    return true;
}
static_assert(rulesInOrder(), "one rule per item kind, in ItemKind's order");

// Each open page and the item Return presses on it.
struct PageRecord {
    const SceneObject* page;
    SceneObject* defaultButton;
};
std::vector<PageRecord> openPages;

// Move currentObject by the step's share at time t, less what was applied.
void stepLayer(const Vec3& step) {
    Action* action = currentAction;
    double t = action->time < LAYER_MOVE_MS ? action->time : LAYER_MOVE_MS;
    double f = t / LAYER_MOVE_MS;
    Vec3& applied = action->applied;
    currentObject->move(step.x * f - applied.x, step.y * f - applied.y, step.z * f - applied.z);
    applied = {step.x * f, step.y * f, step.z * f};
}

// What every close effect does once it fires: the stack comes forward, the
// top page goes, and the page below (or no dialog at all) is on top.
void closeTopPage(SceneObject* below) {
    currentAction->finish();
    // A second close of the same page in one frame (a click and a key, say):
    // the page below is on top already and stays open.
    if (below == dialogTop) return;
    if (dialogRoot) dialogRoot->startTrack(LAYER_FORWARD);
    if (dialogTop) dialogTop->kill();
    if (!openPages.empty()) openPages.pop_back();
    if (below == dialogRoot)
        closeDialogLayer();
    else
        dialogTop = below;
}

// The endless effects of an item, in order, into its first track.
void addActs(SceneObject* object, const EffectFn (&acts)[3], SceneObject* other, int32_t number) {
    for (EffectFn effect : acts) {
        if (!effect) continue;
        Action action = makeAction(0, effect);
        action.other = other;
        action.number = number;
        object->addAction(BUTTON_ACTS, action);
    }
}

// What shrinks the dialogs on a narrow screen (the stack's root is its only
// child, so the stack's steps shrink with it), or none.
SceneObject* dialogHolder = nullptr;

// Scale what `object` draws by `k` round the point `towardsEye` along the
// view axis from the world origin: what lies at that depth keeps it and
// draws k times as big.  NOTE: an object's own meshes are drawn at the
// square of its scale, its children at the scale itself.
void scaleAbout(SceneObject* object, double k, double towardsEye, bool ownMeshes) {
    if (k == 1) return;
    double scale = ownMeshes ? std::sqrt(k) : k;
    object->setPosition(0, 0, towardsEye * (1 - k));
    object->setScale(scale, scale, scale);
}

// The action that watches for `click` on `button`: the effect itself, or,
// under the child lock, the guard that wants it held, with its ring.
Action clickWatcher(SceneObject* button, EffectFn click, int32_t number, ButtonGuard guard) {
    bool held = childLock && guard == ButtonGuard::HoldUnderLock;
    Action watch = makeAction(0, held ? guardedClickAction : click);
    watch.number = number;
    if (held) {
        watch.then = click;
        watch.other = addHoldRing(button);
    }
    return watch;
}

} // namespace

void resetDialogLayer() {
    dialogRoot = nullptr;
    dialogHolder = nullptr;
    blockPlane = nullptr;
    dialogTop = nullptr;
    closeRequested = false;
    openPages.clear();
    resetClickTests();
}

void openDialog(const DialogLayout& layout) {
    if (!dialogTop) openDialogLayer();
    SceneObject* below = dialogTop;
    pushDialogPage();
    SceneObject* page = dialogTop;
    if (layout.background[0]) {
        SceneObject* background = new SceneObject;
        for (const char* model : layout.background)
            if (model) background->loadModel(layout.archive, model);
        page->addChild(background);
    }
    for (size_t i = 0; i < layout.itemCount; ++i) {
        const DialogItem& item = layout.items[i];
        SceneObject* object;
        if (item.make) {
            size_t before = page->children.size();
            item.make(page);
            object = page->children.size() > before ? page->children.back() : nullptr;
        } else {
            object = addDialogItem(page, item, layout.archive, layout.depth, below);
        }
        if ((int32_t)i == layout.defaultItem) openPages.back().defaultButton = object;
    }
}

SceneObject* addDialogItem(SceneObject* page, const DialogItem& item, const char* archive,
                           double depth, SceneObject* below) {
    const ItemRule& rule = ITEM_RULES[(size_t)item.kind];
    if (childLock && item.guard == ButtonGuard::HiddenUnderLock) return nullptr;
    double width = theVideo->halfWidthAt(DIALOG_EYE_DISTANCE);
    double height = theVideo->halfHeightAt(DIALOG_EYE_DISTANCE);
    SceneObject* object = newModelObject(item.archive ? item.archive : archive, item.model,
                                         item.x + item.xEdge * width, rule.inPagePlane ? 0 : depth,
                                         item.z + item.zEdge * height, rule.pickable);
    if (item.scaleX != 1) object->setScale(item.scaleX, 1, 1);
    if (rule.tracks) {
        object->tracks.setTracks(rule.tracks, rule.trackCount);
        addActs(object, item.acts, rule.actsOnOwnPage ? page : below, item.number);
        if (item.click)
            object->addAction(BUTTON_ACTS,
                              clickWatcher(object, item.click, item.number, item.guard));
        if (rule.actsAtOnce) object->startTrack(BUTTON_ACTS);
        object->startTrack(BUTTON_SETTLE); // none for still items
    }
    page->addChild(object);
    return object;
}

SceneObject* pageDefaultButton(const SceneObject* page) {
    for (const PageRecord& record : openPages)
        if (record.page == page) return record.defaultButton;
    return nullptr;
}

void openDialogLayer() {
    blockPlane = new SceneObject;
    blockPlane->setRotation(-90, 0, 0);
    blockPlane->addDrawHook(hookPickable);
    blockPlane->loadModel(BLOCK_ARCHIVE, BLOCK_MODEL);
    // A widened camera sees more than the veil was drawn for: it grows with it.
    if (theVideo) scaleAbout(blockPlane, theVideo->viewWidening, BLOCK_DEPTH, true);
    worldRoot->addChild(blockPlane);

    dialogRoot = new SceneObject;
    dialogRoot->setRotation(-90, 0, 0);
    dialogRoot->setTracks(LAYER_TRACKS);
    // A screen too narrow for the widest dialog gets them all shrunk to fit.
    double seen = theVideo ? theVideo->halfWidthAt(DIALOG_EYE_DISTANCE) : 0;
    if (seen > 0 && seen < DIALOG_HALF_WIDTH) {
        dialogHolder = new SceneObject;
        scaleAbout(dialogHolder, seen / DIALOG_HALF_WIDTH, WORLD_DISTANCE - DIALOG_EYE_DISTANCE,
                   false);
        dialogHolder->addChild(dialogRoot);
        worldRoot->addChild(dialogHolder);
    } else {
        worldRoot->addChild(dialogRoot);
    }
    dialogTop = dialogRoot;
}

void closeDialogLayer() {
    if (dialogRoot) dialogRoot->kill();
    if (dialogHolder) dialogHolder->kill();
    dialogHolder = nullptr;
    if (blockPlane) blockPlane->kill();
    dialogRoot = nullptr;
    blockPlane = nullptr;
    dialogTop = nullptr;
    openPages.clear();
}

void pushDialogPage() {
    dialogRoot->startTrack(LAYER_BACK);
    SceneObject* page = new SceneObject;
    page->setTracks(PAGE_TRACKS);
    page->startTrack(PAGE_SLIDE);
    page->startTrack(PAGE_ACTIVATE);
    dialogTop->addChild(page);
    dialogTop = page;
    openPages.push_back({page, nullptr});
}

void layerBackAction() {
    stepLayer(LAYER_BACK_STEP);
}

void layerForwardAction() {
    stepLayer({-LAYER_BACK_STEP.x, -LAYER_BACK_STEP.y, -LAYER_BACK_STEP.z});
}

void pageSlideAction() {
    double t = currentAction->time < LAYER_MOVE_MS ? currentAction->time : LAYER_MOVE_MS;
    double f = t / LAYER_MOVE_MS;
    currentObject->setPosition(PAGE_OFFSET.x * f, PAGE_OFFSET.y * f, PAGE_OFFSET.z * f);
}

void pageActivateAction() {
    shortcutsActive = currentObject == dialogTop;
}

void closePageOnCancel() {
    if (!currentActivated(ACTION_BACK) && !closeRequested) return;
    closeRequested = false;
    closeTopPage(currentAction->other);
}

void closePageOnOk() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    keyConsumed = false; // the button's next effect sees the same Return
    closeTopPage(currentAction->other);
}

void closePageAndParent() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    SceneObject* below = currentAction->other;
    keyConsumed = false;
    closeRequested = true;
    closeTopPage(below);
    if (below != dialogRoot && below) below->startTrack(PAGE_ACTIVATE);
}

void settleClickButton() {
    currentObject->startTrack(BUTTON_ACTS);
    currentObject->startTrack(BUTTON_IDLE);
}

void settleCard() {
    currentObject->startTrack(BUTTON_IDLE);
}

// The button the child points at: under the pointer, or, while the ring is
// in use and the pointer hidden, in the ring alone.
bool currentHovered() {
    return theFocusRing.shown ? currentFocused() : thePicker.isCurrentPicked();
}

void buttonIdleAction() {
    SceneObject* button = currentObject;
    Action* action = currentAction;
    if (button->scaleX() != 1) {
        double s = 1 + (BUTTON_GROW_MS - action->time) * BUTTON_GROWTH / BUTTON_GROW_MS;
        button->setScale(s, s, s);
    }
    if (action->time > BUTTON_GROW_MS || button->scaleX() == 1) button->setScale(1, 1, 1);
    if (currentHovered()) {
        action->finish();
        button->startTrack(BUTTON_HOVER);
    }
}

void buttonHoverAction() {
    SceneObject* button = currentObject;
    Action* action = currentAction;
    double s = 1 + action->time * BUTTON_GROWTH / BUTTON_GROW_MS;
    if (action->time > BUTTON_GROW_MS) s = 1 + BUTTON_GROWTH;
    button->setScale(s, s, s);
    if (currentClicked()) theAudio->play(BUTTON_SOUND, false);
    if (currentHovered()) return;
    action->finish();
    button->startTrack(BUTTON_IDLE);
}

SceneObject* newModelObject(const char* archive, const char* model, double x, double y, double z,
                            bool pickable) {
    SceneObject* object = new SceneObject;
    if (pickable) object->addDrawHook(hookPickable);
    object->setPosition(x, y, z);
    object->loadModel(archive, model);
    return object;
}

void makeClickButton(SceneObject* object, EffectFn click, int32_t number, ButtonGuard guard) {
    object->setTracks(CLICK_BUTTON_TRACKS);
    object->addAction(BUTTON_ACTS, clickWatcher(object, click, number, guard));
    object->startTrack(BUTTON_SETTLE);
}
