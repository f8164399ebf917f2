// The main menu page: options, links and their replaceable birds.
#include "screens/main_menu.h"

#include <iterator>

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/size_dialog.h"
#include "screens/web_links.h"
#include "ui/dialog_layer.h"

namespace {

constexpr const char* MENU_ARCHIVE = "main_menu.pak";
constexpr const char* BUTTON_ARCHIVE = "buttons.pak";
constexpr const char* TILE_ARCHIVE = "reclama1.pak";
constexpr const char* BIRD_ON = "pti4ka";
constexpr const char* BIRD_OFF = "pti4ka_cl";
constexpr const char* SIZE_DOT = "to4ka";
constexpr const char* MUSIC_ENTRY = "music.wav";

// The size bird's spot for 20 and for 48 pieces; the dot sits at the other.
constexpr double SIZE_BIRD_X = 0.51;
constexpr double SIZE_BIRD_Z[2] = {1.62, 3.22};
constexpr double SIZE_DOT_Z[2] = {1.6, -1.6};

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

// The size bird for the size now chosen, with its dot, onto the page.
void addSizeBird(SceneObject* page) {
    int big = theSettings->bigPuzzle == 1 ? 1 : 0;
    DialogItem item = {ItemKind::Replaceable, nullptr, BIRD_OFF, SIZE_BIRD_X, SIZE_BIRD_Z[big]};
    item.acts[0] = big ? switchToSmallClick : switchToBigClick;
    SceneObject* bird = addDialogItem(page, item, BUTTON_ARCHIVE, DIALOG_DEPTH, nullptr);
    bird->addChild(newModelObject(BUTTON_ARCHIVE, SIZE_DOT, 0, 0, SIZE_DOT_Z[big], false));
}

// The menu's art first, then the birds, then its buttons.
constexpr DialogItem MENU_ITEMS[] = {
    {ItemKind::Backdrop, nullptr, "reclama", 0, 0, 0, 0, {}, nullptr, 0, nullptr, 0.9},
    {ItemKind::Replaceable, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addSizeBird},
    {ItemKind::Toggle, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addSoundToggle},
    {ItemKind::Toggle, nullptr, nullptr, 0, 0, 0, 0, {}, nullptr, 0, addMusicToggle},
    {ItemKind::Card, nullptr, "close_menu", 8.091, 4.205, 0, 0, {closePageOnCancel}},
    {ItemKind::Button, nullptr, "about", 3.13, -3.328, 0, 0, {}, showAboutDialog},
    {ItemKind::Button, nullptr, "visit", -3.99, -3.328, 0, 0, {}, openHomePageClick},
    {ItemKind::Button, nullptr, "break", -5.261, -0.684, 0, 0, {}, showBreakAllDialog},
    {ItemKind::Button, TILE_ARCHIVE, "rec1", -8.2, -10.576, 0, 0, {}, openProductPageClick, 0},
    {ItemKind::Button, TILE_ARCHIVE, "rec2", 0, -10.576, 0, 0, {}, openProductPageClick, 1},
    {ItemKind::Button, TILE_ARCHIVE, "rec3", 8.2, -10.576, 0, 0, {}, openProductPageClick, 2},
};

constexpr DialogLayout MAIN_MENU = {
    MENU_ARCHIVE, {"fon_menu", nullptr}, DIALOG_DEPTH, MENU_ITEMS, std::size(MENU_ITEMS), -1};

// A clicked toggle: set its switch, replace it by one showing the new state.
void flipToggle(const MenuToggle& toggle, bool on) {
    if (!currentClicked()) return;
    theSettings->*toggle.flag = on;
    setAudioSwitches(theSettings->soundOn, theSettings->musicOn);
    if (on && toggle.flag == &Settings::musicOn) theAudio->play(MUSIC_ENTRY, true);
    currentObject->kill();
    addToggle(currentAction->other, toggle);
}

// The clicked size bird: the other size, and a bird on the other spot.
void flipSize(void (*switchSize)()) {
    if (!currentClicked()) return;
    switchSize();
    currentObject->kill();
    addSizeBird(currentAction->other);
}

} // namespace

void showMainMenu() {
    if (currentClicked()) openDialog(MAIN_MENU);
}

void switchToBigClick() {
    flipSize(switchToBigPuzzle);
}

void switchToSmallClick() {
    flipSize(switchToSmallPuzzle);
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
