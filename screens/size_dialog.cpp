// The size dialog and the size switches.
#include "screens/size_dialog.h"

#include <array>
#include <utility>

#include "base/settings.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"

namespace {

constexpr const char* SIZE_ARCHIVE = "select_menu.pak";
constexpr const char* TITLE_MODEL = "please";
constexpr double SIZE_DEPTH = -65;
constexpr double SLIDE_MS = 1000;
constexpr double TITLE_START_Z = 19; // it sinks to 10.5, above the two rows of cards
constexpr double TITLE_DROP = -8.5;
constexpr double CARD_GLIDE = 17;
// Return chooses 20 pieces, as it did when there were two sizes.
constexpr int32_t RETURN_SIZE_CODE = 0;

// The card of size row `index`: it starts CARD_GLIDE further out on its
// side and glides in; it closes the page, then chooses (`number` = its row).
constexpr DialogItem sizeCard(int32_t index) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[index];
    bool left = size.card.x < 0;
    DialogItem card = {ItemKind::Card, nullptr, size.cardModel,
                       size.card.x + (left ? -CARD_GLIDE : CARD_GLIDE), size.card.z};
    card.acts[0] = closePageOnOk;
    card.acts[1] = sizeCardClick;
    card.acts[2] = left ? sizeButtonSlideRight : sizeButtonSlideLeft;
    card.number = index;
    return card;
}

// The title, then a card per size: the card Return chooses first, so that
// its close takes the key before any other card's.
constexpr std::array<DialogItem, 1 + PUZZLE_SIZE_COUNT> sizeItems() {
    std::array<DialogItem, 1 + PUZZLE_SIZE_COUNT> items{};
    items[0] = {ItemKind::Title, nullptr, TITLE_MODEL, 0, TITLE_START_Z};
    items[0].acts[0] = sizeTitleSlide;
    int32_t first = sizeIndexForCode(RETURN_SIZE_CODE), next = 1;
    items[next++] = sizeCard(first);
    for (int32_t i = 0; i < PUZZLE_SIZE_COUNT; i++)
        if (i != first) items[next++] = sizeCard(i);
    return items;
}

constexpr std::array<DialogItem, 1 + PUZZLE_SIZE_COUNT> SIZE_ITEMS = sizeItems();

constexpr DialogLayout SIZE_DIALOG = {
    SIZE_ARCHIVE, {nullptr, nullptr}, SIZE_DEPTH, SIZE_ITEMS.data(), SIZE_ITEMS.size(), 1};

// Move currentObject along x (or z) to `distance` * t / 1000, less what was applied.
void slide(double distance, bool alongX) {
    Action* action = currentAction;
    double t = action->finishAt(SLIDE_MS).t;
    double offset = distance * t / SLIDE_MS;
    double step = offset - action->applied.x;
    action->applied.x = offset;
    currentObject->move(alongX ? step : 0, 0, alongX ? 0 : step);
}

} // namespace

void showSizeDialog() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    openDialog(SIZE_DIALOG);
    theSettings->showWelcome = false;
}

void sizeCardClick() {
    const PuzzleSizeRow& size = PUZZLE_SIZES[currentAction->number];
    bool byKey = size.settingsCode == RETURN_SIZE_CODE;
    if (!currentActivated(byKey ? ACTION_CHOOSE : ACTION_NONE)) return;
    selectPuzzleSize(size.settingsCode);
    buildPuzzleScreen();
    showPicture();
}

void sizeTitleSlide() {
    slide(TITLE_DROP, false);
}

void sizeButtonSlideRight() {
    slide(CARD_GLIDE, true);
}

void sizeButtonSlideLeft() {
    slide(-CARD_GLIDE, true);
}

void switchPuzzleSize(int32_t code) {
    selectPuzzleSize(code);
    leaveBoard();
}
