// The size dialog and the size switches.
#include "screens/size_dialog.h"

#include "base/input.h"
#include "base/settings.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

namespace {

constexpr const char* SIZE_ARCHIVE = "select_menu.pak";
constexpr double SIZE_DEPTH = -65;
constexpr double SLIDE_MS = 1000;
constexpr double TITLE_DROP = -8.5;
constexpr double BUTTON_GLIDE = 17;

// One object of the size page; `effects` form its endless track 0.
struct SizeItem {
    const char* model;
    double x, z;
    bool button; // pickable, with the hover track
    EffectFn effects[3];
};

constexpr SizeItem SIZE_ITEMS[3] = {
    {"please", 0, 16, false, {sizeTitleSlide, nullptr, nullptr}},
    {"low", -25, -0.3, true, {closePageOnOk, smallPuzzleClick, sizeButtonSlideRight}},
    {"height", 25, -0.3, true, {closePageOnOk, bigPuzzleClick, sizeButtonSlideLeft}},
};

// Move currentObject along x (or z) to `distance` * t / 1000, less what was applied (d0).
void slide(double distance, bool alongX) {
    Action* action = currentAction;
    double t = action->time;
    if (t > SLIDE_MS) {
        action->finish();
        t = SLIDE_MS;
    }
    double offset = distance * t / SLIDE_MS;
    double step = offset - action->d0;
    action->d0 = offset;
    currentObject->move(alongX ? step : 0, 0, alongX ? 0 : step);
}

// A size button's choice: the size, then the screen and its first board.
void choosePuzzle(int32_t mode) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    selectPuzzleSize(mode);
    buildPuzzleScreen();
    showPicture();
}

} // namespace

void showSizeDialog(void*) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    if (!dialogTop) openDialogLayer();
    SceneObject* below = dialogTop;
    pushDialogPage();
    theSettings->showWelcome = false;
    for (const SizeItem& item : SIZE_ITEMS) {
        SceneObject* object =
            newModelObject(SIZE_ARCHIVE, item.model, item.x, SIZE_DEPTH, item.z, item.button);
        addEndlessTrack(object, {item.effects[0], item.effects[1], item.effects[2]}, below);
        if (item.button) addHoverTrack(object);
        dialogTop->addChild(object);
    }
}

void smallPuzzleClick(void*) {
    choosePuzzle(0);
}

void bigPuzzleClick(void*) {
    choosePuzzle(1);
}

void sizeTitleSlide(void*) {
    slide(TITLE_DROP, false);
}

void sizeButtonSlideRight(void*) {
    slide(BUTTON_GLIDE, true);
}

void sizeButtonSlideLeft(void*) {
    slide(-BUTTON_GLIDE, true);
}

void switchToSmallPuzzle() {
    selectPuzzleSize(0);
    leaveBoard();
}

void switchToBigPuzzle() {
    selectPuzzleSize(1);
    leaveBoard();
}
