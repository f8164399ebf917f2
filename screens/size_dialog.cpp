// The size dialog and the size switches.
#include "screens/size_dialog.h"

#include "base/input.h"
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

// The card of size row `index`: it starts CARD_GLIDE further out on its
// side and glides in; its track 0 closes the page, then chooses.
void addSizeCard(int32_t index, SceneObject* below) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[index];
    double side = size.card.x < 0 ? -1 : 1;
    SceneObject* card =
        newModelObject(SIZE_ARCHIVE, size.cardModel, size.card.x + side * CARD_GLIDE, SIZE_DEPTH,
                       size.card.z, true);
    int32_t track = card->addTrack();
    card->addAction(makeAction(0, closePageOnOk, below));
    Action choose = makeAction(0, sizeCardClick);
    choose.i0 = index;
    card->addAction(choose);
    card->addAction(makeAction(0, side < 0 ? sizeButtonSlideRight : sizeButtonSlideLeft));
    card->startTrack(track);
    addHoverTrack(card);
    dialogTop->addChild(card);
}

} // namespace

void showSizeDialog(void*) {
    if (!currentClicked() && !shortcutPressed(SDLK_RETURN)) return;
    if (!dialogTop) openDialogLayer();
    SceneObject* below = dialogTop;
    pushDialogPage();
    theSettings->showWelcome = false;
    SceneObject* title =
        newModelObject(SIZE_ARCHIVE, TITLE_MODEL, 0, SIZE_DEPTH, TITLE_START_Z, false);
    addEndlessTrack(title, {sizeTitleSlide}, below);
    dialogTop->addChild(title);
    // Every card closes the page on Return: the card Return chooses runs
    // first, so it is the one that takes the key.
    int32_t returnIndex = sizeIndexForCode(RETURN_SIZE_CODE);
    addSizeCard(returnIndex, below);
    for (int32_t i = 0; i < PUZZLE_SIZE_COUNT; i++)
        if (i != returnIndex) addSizeCard(i, below);
}

void sizeCardClick(void*) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[currentAction->i0];
    bool byKey = size.settingsCode == RETURN_SIZE_CODE && shortcutPressed(SDLK_RETURN);
    if (!currentClicked() && !byKey) return;
    selectPuzzleSize(size.settingsCode);
    buildPuzzleScreen();
    showPicture();
}

void sizeTitleSlide(void*) {
    slide(TITLE_DROP, false);
}

void sizeButtonSlideRight(void*) {
    slide(CARD_GLIDE, true);
}

void sizeButtonSlideLeft(void*) {
    slide(-CARD_GLIDE, true);
}

void switchPuzzleSize(int32_t code) {
    selectPuzzleSize(code);
    leaveBoard();
}
