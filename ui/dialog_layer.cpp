// The dialog layer: the page stack, the close effects and button behaviour.
#include "ui/dialog_layer.h"

#include "audio/audio_mixer.h"
#include "base/input.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "ui/focus_ring.h"

SceneObject* dialogRoot = nullptr;
SceneObject* blockPlane = nullptr;
SceneObject* dialogTop = nullptr;
bool closeRequested = false;

namespace {

constexpr double LAYER_STEP_MS = 600;         // length of the stack's and a page's moves
constexpr double LAYER_MOVE_MS = 400;         // the part of it that moves
constexpr Vec3 LAYER_BACK_STEP = {2, -2, -3}; // world terms: right, down, away
constexpr Vec3 PAGE_OFFSET = {-2, -3, 2};     // page terms: the opposite step
constexpr int32_t LAYER_FORWARD_TRACK = 0;
constexpr int32_t LAYER_BACK_TRACK = 1;
constexpr int32_t PAGE_ACTIVATE_TRACK = 1;
constexpr int32_t BUTTON_IDLE_TRACK = 2;
constexpr int32_t BUTTON_HOVER_TRACK = 3;
constexpr double BUTTON_GROW_MS = 100;
constexpr double BUTTON_GROWTH = 0.07;
constexpr const char* BLOCK_ARCHIVE = "main_menu.pak";
constexpr const char* BLOCK_MODEL = "block";
constexpr const char* BUTTON_SOUND = "button.wav";

// Move currentObject by the step's share at time t, less what was applied (d0..d2).
void stepLayer(const Vec3& step) {
    Action* action = currentAction;
    double t = action->time < LAYER_MOVE_MS ? action->time : LAYER_MOVE_MS;
    double f = t / LAYER_MOVE_MS;
    currentObject->move(step.x * f - action->d0, step.y * f - action->d1, step.z * f - action->d2);
    action->d0 = step.x * f;
    action->d1 = step.y * f;
    action->d2 = step.z * f;
}

// What every close effect does once it fires: the stack comes forward, the
// top page goes, and the page below (or no dialog at all) is on top.
void closeTopPage(void* below) {
    currentAction->finish();
    if (dialogRoot) dialogRoot->startTrack(LAYER_FORWARD_TRACK);
    if (dialogTop) dialogTop->kill();
    if (below == dialogRoot)
        closeDialogLayer();
    else
        dialogTop = (SceneObject*)below;
}

// The idle and hover tracks every grown button has (tracks 2 and 3).
void addIdleAndHoverTracks(SceneObject* button) {
    button->addTrack();
    button->addAction(makeAction(0, buttonIdleAction));
    button->startTrack(BUTTON_IDLE_TRACK);
    button->addTrack();
    button->addAction(makeAction(0, buttonHoverAction));
}

} // namespace

void resetDialogLayer() {
    dialogRoot = nullptr;
    blockPlane = nullptr;
    dialogTop = nullptr;
    closeRequested = false;
}

bool currentClicked() {
    // The focus ring's choice is a click on the thing it marks.
    return (thePicker.isCurrentPicked() && leftClicked) || currentChosen();
}

void* effectArg(EffectFn fn) {
    return reinterpret_cast<void*>(fn);
}

EffectFn argEffect(void* arg) {
    return reinterpret_cast<EffectFn>(arg);
}

void openDialogLayer() {
    blockPlane = new SceneObject;
    blockPlane->setRotation(-90, 0, 0);
    blockPlane->addDrawHook(hookPickable, nullptr);
    blockPlane->loadModel(BLOCK_ARCHIVE, BLOCK_MODEL);
    worldRoot->addChild(blockPlane);

    dialogRoot = new SceneObject;
    dialogRoot->setRotation(-90, 0, 0);
    dialogRoot->addTrack();
    dialogRoot->addAction(makeAction(LAYER_STEP_MS, layerForwardAction));
    dialogRoot->addTrack();
    dialogRoot->addAction(makeAction(LAYER_STEP_MS, layerBackAction));
    worldRoot->addChild(dialogRoot);
    dialogTop = dialogRoot;
}

void closeDialogLayer() {
    if (dialogRoot) dialogRoot->kill();
    if (blockPlane) blockPlane->kill();
    dialogRoot = nullptr;
    blockPlane = nullptr;
    dialogTop = nullptr;
}

void pushDialogPage() {
    dialogRoot->startTrack(LAYER_BACK_TRACK);
    SceneObject* page = new SceneObject;
    page->addTrack();
    page->addAction(makeAction(LAYER_STEP_MS, pageSlideAction));
    page->addTrack();
    page->addAction(makeAction(0, pageActivateAction));
    page->startTrack(0);
    page->startTrack(PAGE_ACTIVATE_TRACK);
    dialogTop->addChild(page);
    dialogTop = page;
}

void layerBackAction(void*) {
    stepLayer(LAYER_BACK_STEP);
}

void layerForwardAction(void*) {
    stepLayer({-LAYER_BACK_STEP.x, -LAYER_BACK_STEP.y, -LAYER_BACK_STEP.z});
}

void pageSlideAction(void*) {
    double t = currentAction->time < LAYER_MOVE_MS ? currentAction->time : LAYER_MOVE_MS;
    double f = t / LAYER_MOVE_MS;
    currentObject->setPosition(PAGE_OFFSET.x * f, PAGE_OFFSET.y * f, PAGE_OFFSET.z * f);
}

void pageActivateAction(void*) {
    shortcutsActive = currentObject == dialogTop;
}

void closePageNow(void* below) {
    closeTopPage(below);
}

void closePageOnCancel(void* below) {
    if (!currentClicked() && !shortcutAction(ACTION_BACK) && !closeRequested) return;
    closeRequested = false;
    closeTopPage(below);
}

void closePageOnOk(void* below) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    keyConsumed = false; // the button's next effect sees the same Return
    closeTopPage(below);
}

void closePageAndParent(void* below) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    keyConsumed = false;
    closeRequested = true;
    closeTopPage(below);
    if (below != dialogRoot && below) ((SceneObject*)below)->startTrack(PAGE_ACTIVATE_TRACK);
}

void makeButton(void* click) {
    Action* action = currentAction;
    int32_t i0 = action->i0, i1 = action->i1, i2 = action->i2;
    action->finish();
    SceneObject* button = currentObject;
    int32_t track = button->addTrack();
    Action watch;
    watch.setTiming(0);
    watch.setEffect(argEffect(click), nullptr, i0, i1, i2, 0, 0, 0);
    button->addAction(watch);
    button->startTrack(track);
    addIdleAndHoverTracks(button);
}

void makeHoverButton(void*) {
    currentAction->finish();
    addIdleAndHoverTracks(currentObject);
}

void buttonIdleAction(void*) {
    SceneObject* button = currentObject;
    Action* action = currentAction;
    if (button->scaleX() != 1) {
        double s = 1 + (BUTTON_GROW_MS - action->time) * BUTTON_GROWTH / BUTTON_GROW_MS;
        button->setScale(s, s, s);
    }
    if (action->time > BUTTON_GROW_MS || button->scaleX() == 1) button->setScale(1, 1, 1);
    if (thePicker.isCurrentPicked() || currentFocused()) {
        action->finish();
        button->startTrack(BUTTON_HOVER_TRACK);
    }
}

void buttonHoverAction(void*) {
    SceneObject* button = currentObject;
    Action* action = currentAction;
    double s = 1 + action->time * BUTTON_GROWTH / BUTTON_GROW_MS;
    if (action->time > BUTTON_GROW_MS) s = 1 + BUTTON_GROWTH;
    button->setScale(s, s, s);
    if (currentClicked()) theAudio->play(BUTTON_SOUND, false);
    if (thePicker.isCurrentPicked() || currentFocused()) return;
    action->finish();
    button->startTrack(BUTTON_IDLE_TRACK);
}

SceneObject* newModelObject(const char* archive, const char* model, double x, double y, double z,
                            bool pickable) {
    SceneObject* object = new SceneObject;
    if (pickable) object->addDrawHook(hookPickable, nullptr);
    object->setPosition(x, y, z);
    object->loadModel(archive, model);
    return object;
}

void addEndlessTrack(SceneObject* object, std::initializer_list<EffectFn> effects, void* arg) {
    int32_t track = object->addTrack();
    for (EffectFn effect : effects)
        if (effect) object->addAction(makeAction(0, effect, arg));
    object->startTrack(track);
}

void addMakeButtonTrack(SceneObject* object, EffectFn click, int32_t i0, int32_t i1, int32_t i2) {
    int32_t track = object->addTrack();
    Action once;
    once.setTiming(-1);
    once.setEffect(makeButton, effectArg(click), i0, i1, i2, 0, 0, 0);
    object->addAction(once);
    object->startTrack(track);
}

void addHoverTrack(SceneObject* object) {
    int32_t track = object->addTrack();
    object->addAction(makeAction(-1, makeHoverButton));
    object->startTrack(track);
}
