// The size dialog and the size switches.
#include "screens/size_dialog.h"

#include <iterator>

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

constexpr DialogItem SIZE_ITEMS[3] = {
    {ItemKind::Title, nullptr, "please", 0, 16, 0, 0, {sizeTitleSlide}},
    {ItemKind::Card, nullptr, "low", -25, -0.3, 0, 0,
     {closePageOnOk, smallPuzzleClick, sizeButtonSlideRight}},
    {ItemKind::Card, nullptr, "height", 25, -0.3, 0, 0,
     {closePageOnOk, bigPuzzleClick, sizeButtonSlideLeft}},
};

// Return chooses the 20-piece puzzle.
constexpr DialogLayout SIZE_DIALOG = {
    SIZE_ARCHIVE, {nullptr, nullptr}, SIZE_DEPTH, SIZE_ITEMS, std::size(SIZE_ITEMS), 1};

// Move currentObject along x (or z) to `distance` * t / 1000, less what was applied.
void slide(double distance, bool alongX) {
    Action* action = currentAction;
    double t = action->finishAt(SLIDE_MS).t;
    double offset = distance * t / SLIDE_MS;
    double step = offset - action->applied.x;
    action->applied.x = offset;
    currentObject->move(alongX ? step : 0, 0, alongX ? 0 : step);
}

// A size button's choice: the size, then the screen and its first board.
void choosePuzzle(int32_t mode) {
    if (!currentActivated(ACTION_CHOOSE)) return;
    selectPuzzleSize(mode);
    buildPuzzleScreen();
    showPicture();
}

} // namespace

void showSizeDialog() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    openDialog(SIZE_DIALOG);
    theSettings->showWelcome = false;
}

void smallPuzzleClick() {
    choosePuzzle(0);
}

void bigPuzzleClick() {
    choosePuzzle(1);
}

void sizeTitleSlide() {
    slide(TITLE_DROP, false);
}

void sizeButtonSlideRight() {
    slide(BUTTON_GLIDE, true);
}

void sizeButtonSlideLeft() {
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
