// The small dialogs, each one row of tables: background art and buttons.
#include "screens/dialogs.h"

#include <iterator>

#include "base/settings.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "screens/size_dialog.h"
#include "ui/dialog_layer.h"

namespace {

constexpr DialogItem WELCOME_ITEMS[] = {
    {ItemKind::Picture, nullptr, "help", 7.8, -4.3, -1, 1},
    {ItemKind::Card, nullptr, "ok", 0, -3.839, 0, 0, {closePageOnOk, showSizeDialog}},
};
constexpr DialogItem HELP_ITEMS[] = {
    {ItemKind::Picture, nullptr, "help", 7.8, -4.3, -1, 1},
    {ItemKind::Card, BUTTON_ARCHIVE, "close_menu", -1.26, -1.32, 1, 1, {closePageOnCancel}},
};
constexpr DialogItem ABOUT_ITEMS[] = {
    {ItemKind::Card, nullptr, "ok", -0.008, -4.21, 0, 0, {closePageOnOk}},
};
constexpr DialogItem EXIT_ITEMS[] = {
    {ItemKind::Card, nullptr, "cancel", -3.372, -1.443, 0, 0, {closePageOnCancel}},
    {ItemKind::Button, nullptr, "ok", 3.232, -1.443, 0, 0, {}, exitConfirmClick},
};
constexpr DialogItem BREAK_ITEMS[] = {
    {ItemKind::Card, nullptr, "cancel", -3.372, -1.443, 0, 0, {closePageOnCancel}},
    {ItemKind::Card, nullptr, "break", 3.232, -1.443, 0, 0, {closePageOnOk, resetPictureClick}},
};
constexpr DialogItem BREAK_ALL_ITEMS[] = {
    {ItemKind::Card, nullptr, "cancel", -3.372, -1.443, 0, 0, {closePageOnCancel}},
    {ItemKind::Card, nullptr, "break", 3.232, -1.443, 0, 0,
     {closePageAndParent, resetAllPicturesClick}},
};

constexpr DialogLayout WELCOME_DIALOG = {
    "help_menu.pak", {"fon_wel", "puz_help"}, DIALOG_DEPTH,
    WELCOME_ITEMS,   std::size(WELCOME_ITEMS), 1};
constexpr DialogLayout HELP_DIALOG = {
    "help_menu.pak", {"puz_help", nullptr}, DIALOG_DEPTH, HELP_ITEMS, std::size(HELP_ITEMS), -1};
constexpr DialogLayout ABOUT_DIALOG = {
    "about_menu.pak", {"fon_about", nullptr}, DIALOG_DEPTH, ABOUT_ITEMS, std::size(ABOUT_ITEMS), 0};
constexpr DialogLayout EXIT_DIALOG = {
    "exit_menu.pak", {"fon_exit", nullptr}, DIALOG_DEPTH, EXIT_ITEMS, std::size(EXIT_ITEMS), 1};
// The same question when the progress could not be saved: it does not
// promise that the finished pictures are kept.
constexpr DialogLayout EXIT_UNSAVED_DIALOG = {
    "exit_menu.pak", {"fon_exit_unsaved", nullptr}, DIALOG_DEPTH, EXIT_ITEMS,
    std::size(EXIT_ITEMS), 1};
constexpr DialogLayout BREAK_DIALOG = {
    "break_menu.pak", {"break_puzzle", nullptr}, DIALOG_DEPTH, BREAK_ITEMS,
    std::size(BREAK_ITEMS), 1};
constexpr DialogLayout BREAK_ALL_DIALOG = {
    "break_menu.pak", {"break_puzzles", nullptr}, DIALOG_DEPTH, BREAK_ALL_ITEMS,
    std::size(BREAK_ALL_ITEMS), 1};

} // namespace

void showWelcomeDialog() {
    openDialog(WELCOME_DIALOG);
}

void showHelpDialog() {
    if (currentTriggered(ACTION_HELP)) openDialog(HELP_DIALOG);
}

void showAboutDialog() {
    if (currentClicked()) openDialog(ABOUT_DIALOG);
}

void showExitDialog() {
    if (currentTriggered(ACTION_BACK)) openDialog(settingsAreSaved() ? EXIT_DIALOG : EXIT_UNSAVED_DIALOG);
}

void showBreakDialog() {
    if (currentClicked()) openDialog(BREAK_DIALOG);
}

void showBreakAllDialog() {
    if (currentClicked()) openDialog(BREAK_ALL_DIALOG);
}

void saveSettingsAndQuit() {
    settingsAreSaved(); // saves what changed; after a failed save, one more try
    if (worldRoot) worldRoot->kill();
}

void exitConfirmClick() {
    if (currentActivated(ACTION_CHOOSE)) saveSettingsAndQuit();
}

void resetPictureClick() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    setPictureFinished(thePuzzle.currentPicture, false);
    leaveBoard();
}

void resetAllPicturesClick() {
    if (!currentActivated(ACTION_CHOOSE)) return;
    clearFinishedPictures();
    leaveBoard();
}
