// The small dialogs, each one row of tables: background art and buttons.
#include "screens/dialogs.h"

#include <iterator>

#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "screens/size_dialog.h"
#include "ui/dialog_layer.h"

namespace {

constexpr double EYE_DISTANCE = 34.9; // of the dialog art: pins it to the view's corners

// One object of a dialog page.  Position: x + xEdge * halfWidthAt(34.9),
// DIALOG_DEPTH, z + zEdge * halfHeightAt(34.9).  Every object is pickable.
// Either track 0 holds the endless effects `close` (with the page below)
// and `then`, or makeButton installs `click`; `hover` adds track 1.
struct DialogItem {
    const char* archive; // none: the dialog's own archive
    const char* model;
    double x, xEdge, z, zEdge;
    EffectFn close;
    EffectFn then;
    EffectFn click;
    bool hover;
};

// A dialog: its archive, the models of its background object, its items.
struct DialogLayout {
    const char* archive;
    const char* background[2]; // loaded into one object; the second may be none
    const DialogItem* items;
    int itemCount;
};

constexpr DialogItem WELCOME_ITEMS[] = {
    {nullptr, "help", 7.8, -1, -4.3, 1, nullptr, nullptr, nullptr, false},
    {nullptr, "ok", 0, 0, -3.839, 0, closePageOnOk, showSizeDialog, nullptr, true},
};
constexpr DialogItem HELP_ITEMS[] = {
    {nullptr, "help", 7.8, -1, -4.3, 1, nullptr, nullptr, nullptr, false},
    {"buttons.pak", "close_menu", -1.26, 1, -1.32, 1, closePageOnCancel, nullptr, nullptr, true},
};
constexpr DialogItem ABOUT_ITEMS[] = {
    {nullptr, "ok", -0.008, 0, -4.21, 0, closePageOnOk, nullptr, nullptr, true},
};
constexpr DialogItem EXIT_ITEMS[] = {
    {nullptr, "cancel", -3.372, 0, -1.443, 0, closePageOnCancel, nullptr, nullptr, true},
    {nullptr, "ok", 3.232, 0, -1.443, 0, nullptr, nullptr, exitConfirmClick, false},
};
constexpr DialogItem BREAK_ITEMS[] = {
    {nullptr, "cancel", -3.372, 0, -1.443, 0, closePageOnCancel, nullptr, nullptr, true},
    {nullptr, "break", 3.232, 0, -1.443, 0, closePageOnOk, resetPictureClick, nullptr, true},
};
constexpr DialogItem BREAK_ALL_ITEMS[] = {
    {nullptr, "cancel", -3.372, 0, -1.443, 0, closePageOnCancel, nullptr, nullptr, true},
    {nullptr, "break", 3.232, 0, -1.443, 0, closePageAndParent, resetAllPicturesClick, nullptr,
     true},
};

constexpr DialogLayout WELCOME_DIALOG = {
    "help_menu.pak", {"fon_wel", "puz_help"}, WELCOME_ITEMS, (int)std::size(WELCOME_ITEMS)};
constexpr DialogLayout HELP_DIALOG = {
    "help_menu.pak", {"puz_help", nullptr}, HELP_ITEMS, (int)std::size(HELP_ITEMS)};
constexpr DialogLayout ABOUT_DIALOG = {
    "about_menu.pak", {"fon_about", nullptr}, ABOUT_ITEMS, (int)std::size(ABOUT_ITEMS)};
constexpr DialogLayout EXIT_DIALOG = {
    "exit_menu.pak", {"fon_exit", nullptr}, EXIT_ITEMS, (int)std::size(EXIT_ITEMS)};
// The same question when the progress could not be saved: it does not
// promise that the finished pictures are kept.
constexpr DialogLayout EXIT_UNSAVED_DIALOG = {
    "exit_menu.pak", {"fon_exit_unsaved", nullptr}, EXIT_ITEMS, (int)std::size(EXIT_ITEMS)};
constexpr DialogLayout BREAK_DIALOG = {
    "break_menu.pak", {"break_puzzle", nullptr}, BREAK_ITEMS, (int)std::size(BREAK_ITEMS)};
constexpr DialogLayout BREAK_ALL_DIALOG = {
    "break_menu.pak", {"break_puzzles", nullptr}, BREAK_ALL_ITEMS, (int)std::size(BREAK_ALL_ITEMS)};

// Push a page and fill it from the layout.
void openDialog(const DialogLayout& layout) {
    if (!dialogTop) openDialogLayer();
    SceneObject* below = dialogTop;
    pushDialogPage();
    SceneObject* background = new SceneObject;
    for (const char* model : layout.background)
        if (model) background->loadModel(layout.archive, model);
    dialogTop->addChild(background);
    double width = theVideo->halfWidthAt(EYE_DISTANCE);
    double height = theVideo->halfHeightAt(EYE_DISTANCE);
    for (int i = 0; i < layout.itemCount; ++i) {
        const DialogItem& item = layout.items[i];
        SceneObject* object = newModelObject(item.archive ? item.archive : layout.archive,
                                             item.model, item.x + item.xEdge * width, DIALOG_DEPTH,
                                             item.z + item.zEdge * height, true);
        if (item.close) addEndlessTrack(object, {item.close, item.then}, below);
        if (item.click) addMakeButtonTrack(object, item.click);
        if (item.hover) addHoverTrack(object);
        dialogTop->addChild(object);
    }
}

// The opener's trigger: a click, or its action while no dialog is open.
bool clickedOrKey(InputAction action) {
    return currentClicked() || (dialogTop == nullptr && actionPressed(action));
}

} // namespace

void showWelcomeDialog() {
    openDialog(WELCOME_DIALOG);
}

void showHelpDialog(void*) {
    if (clickedOrKey(ACTION_HELP)) openDialog(HELP_DIALOG);
}

void showAboutDialog(void*) {
    if (currentClicked()) openDialog(ABOUT_DIALOG);
}

void showExitDialog(void*) {
    if (clickedOrKey(ACTION_BACK)) openDialog(settingsAreSaved() ? EXIT_DIALOG : EXIT_UNSAVED_DIALOG);
}

void showBreakDialog(void*) {
    if (currentClicked()) openDialog(BREAK_DIALOG);
}

void showBreakAllDialog(void*) {
    if (currentClicked()) openDialog(BREAK_ALL_DIALOG);
}

void saveSettingsAndQuit() {
    settingsAreSaved(); // saves what changed; after a failed save, one more try
    if (worldRoot) worldRoot->kill();
}

void exitConfirmClick(void*) {
    if (currentClicked() || shortcutAction(ACTION_CHOOSE)) saveSettingsAndQuit();
}

void resetPictureClick(void*) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    setPictureFinished(thePuzzle.currentPicture, false);
    leaveBoard();
}

void resetAllPicturesClick(void*) {
    if (!currentClicked() && !shortcutAction(ACTION_CHOOSE)) return;
    clearFinishedPictures();
    leaveBoard();
}
