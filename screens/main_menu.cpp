// The main menu page: options, links and their replaceable birds.
#include "screens/main_menu.h"

#include <iterator>

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "puzzle/photo_walk.h"
#include "puzzle/picture_sets.h"
#include "puzzle/puzzle_board.h"
#include "puzzle/puzzle_sizes.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/size_dialog.h"
#include "screens/web_links.h"
#include "ui/dialog_layer.h"

namespace {

constexpr const char* MENU_ARCHIVE = "main_menu.pak";
constexpr const char* TILE_ARCHIVE = "reclama1.pak";
constexpr const char* BIRD_ON = "pti4ka";
constexpr const char* BIRD_OFF = "pti4ka_cl";
constexpr const char* SET_OPEN_SOUND = "button.wav"; // a tile took the child to its set

// The bird on the chosen size's card sits on its top left corner.
constexpr double SIZE_BIRD_X = -1.05, SIZE_BIRD_Z = 0.55;

// A toggle: where it stands, which switch it shows, its two effects.
struct MenuToggle {
    double x, z;
    bool Settings::*flag;
    EffectFn switchOn, switchOff;
};

constexpr MenuToggle SOUND_TOGGLE = {-6.648, 3.314, &Settings::soundOn, soundOnClick,
                                     soundOffClick};
constexpr MenuToggle MUSIC_TOGGLE = {-6.648, 1.704, &Settings::musicOn, musicOnClick,
                                     musicOffClick};

// A toggle showing its switch as it is now, onto the page.
void addToggle(SceneObject* page, const MenuToggle& toggle) {
    bool on = theSettings->*toggle.flag;
    DialogItem item = {ItemKind::Toggle, nullptr, on ? BIRD_ON : BIRD_OFF, toggle.x, toggle.z};
    item.acts[0] = on ? toggle.switchOff : toggle.switchOn;
    addDialogItem(page, item, BUTTON_ARCHIVE, DIALOG_DEPTH, nullptr);
}

void addSoundToggle(SceneObject* page) {
    addToggle(page, SOUND_TOGGLE);
}

void addMusicToggle(SceneObject* page) {
    addToggle(page, MUSIC_TOGGLE);
}

// One card per size into `holder`, as the sizes stand: the chosen one
// wears the bird, the others choose their size when clicked.
void addSizeCardsInto(SceneObject* holder) {
    int32_t chosen = sizeIndexForCode(theSettings->bigPuzzle);
    for (int32_t i = 0; i < PUZZLE_SIZE_COUNT; i++) {
        const PuzzleSizeRow& size = PUZZLE_SIZES[i];
        DialogItem item = {i == chosen ? ItemKind::Picture : ItemKind::Toggle, nullptr,
                           size.menuModel, size.menuSpot.x, size.menuSpot.z};
        item.acts[0] = menuSizeClick;
        item.number = i;
        SceneObject* card = addDialogItem(holder, item, MENU_ARCHIVE, DIALOG_DEPTH, nullptr);
        if (i == chosen)
            card->addChild(
                newModelObject(BUTTON_ARCHIVE, BIRD_ON, SIZE_BIRD_X, 0, SIZE_BIRD_Z, false));
    }
}

// The size cards, in a holder of their own, onto the page.
void addSizeCards(SceneObject* page) {
    SceneObject* holder = new SceneObject;
    addSizeCardsInto(holder);
    page->addChild(holder);
}

// The "Website" button, when the game has a home page to open.
void addWebsiteButton(SceneObject* page) {
    if (!websiteButtonShown()) return;
    DialogItem item = {ItemKind::Button, nullptr, "visit", -3.99, -3.328};
    item.click = openHomePageClick;
    item.guard = ButtonGuard::HiddenUnderLock;
    addDialogItem(page, item, MENU_ARCHIVE, DIALOG_DEPTH, nullptr);
}

// Where the set tiles stand, left to right, in PICTURE_SETS order.
constexpr double TILE_XS[] = {-8.2, 0, 8.2};
constexpr double TILE_Z = -10.576;
static_assert(std::size(TILE_XS) == SET_COUNT, "one tile per set");

// The sets' tiles onto the page.
void addSetTiles(SceneObject* page) {
    for (int32_t set = 0; set < SET_COUNT; set++) {
        DialogItem item = {ItemKind::Button, TILE_ARCHIVE, PICTURE_SETS[set].tile, TILE_XS[set],
                           TILE_Z};
        item.click = openPictureSetClick;
        item.number = set;
        addDialogItem(page, item, MENU_ARCHIVE, DIALOG_DEPTH, nullptr);
    }
}

// The menu's art first, then the birds, then its buttons.  Under the child
// lock the web link is not shown and restart-all wants a grown-up's hold.
// clang-format off
constexpr DialogItem MENU_ITEMS[] = {
    {ItemKind::Backdrop, nullptr, "reclama", 0, 0, 0, 0, {}, nullptr, 0, nullptr, 0.9},
    {ItemKind::Replaceable, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addSizeCards},
    {ItemKind::Toggle, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addSoundToggle},
    {ItemKind::Toggle, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addMusicToggle},
    {ItemKind::Card, nullptr, "close_menu", 8.091, 4.205, 0, 0, {closePageOnCancel}},
    {ItemKind::Button, nullptr, "about", 3.13, -3.328, 0, 0, {}, showAboutDialog},
    {ItemKind::Replaceable, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addWebsiteButton},
    {ItemKind::Button, nullptr, "break", -5.261, -0.684, 0, 0, {}, showBreakAllDialog, 0, nullptr,
     1, ButtonGuard::HoldUnderLock},
    {ItemKind::Replaceable, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addSetTiles},
};
// clang-format on

constexpr DialogLayout MAIN_MENU = {MENU_ARCHIVE, {"fon_menu", nullptr}, DIALOG_DEPTH,
                                    MENU_ITEMS,   std::size(MENU_ITEMS), -1};

// A clicked toggle: set its switch, replace it by one showing the new state.
void flipToggle(const MenuToggle& toggle, bool on) {
    if (!currentClicked()) return;
    theSettings->*toggle.flag = on;
    setAudioSwitches(theSettings->soundOn, theSettings->musicOn);
    if (on && toggle.flag == &Settings::musicOn) theAudio->play(MUSIC_ENTRY, true);
    currentObject->kill();
    addToggle(currentAction->other, toggle);
}

} // namespace

void showMainMenu() {
    if (currentClicked()) openDialog(MAIN_MENU);
}

void openPictureSetClick() {
    if (!currentClicked()) return;
    int32_t set = currentAction->number;
    if (set < 0 || set >= SET_COUNT) return;
    theAudio->play(SET_OPEN_SOUND, false);
    closeRequested = true; // the close button takes the menu away next frame
    showWalkPicture(firstUnfinishedOfSet(set));
}

void menuSizeClick() {
    if (!currentClicked()) return;
    switchPuzzleSize(PUZZLE_SIZES[currentAction->number].settingsCode);
    SceneObject* holder = currentAction->other;
    for (SceneObject* card : holder->children)
        card->kill();
    addSizeCardsInto(holder);
}

void soundOnClick() {
    flipToggle(SOUND_TOGGLE, true);
}

void soundOffClick() {
    flipToggle(SOUND_TOGGLE, false);
}

void musicOnClick() {
    flipToggle(MUSIC_TOGGLE, true);
}

void musicOffClick() {
    flipToggle(MUSIC_TOGGLE, false);
}
