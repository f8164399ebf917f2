// The main menu page: options, links and their replaceable birds.
#include "screens/main_menu.h"

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "puzzle/puzzle_sizes.h"
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
constexpr const char* MUSIC_ENTRY = "music.wav";

// The bird on the chosen size's card sits on its top left corner.
constexpr double SIZE_BIRD_X = -1.05, SIZE_BIRD_Z = 0.55;

// The menu's art, at the page's origin, x scaled.
struct MenuArt {
    const char* model;
    double scaleX;
};

constexpr MenuArt MENU_ART[2] = {{"fon_menu", 1}, {"reclama", 0.9}};

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

// The menu's buttons, after the birds, in order.  `click` none: the close button.
struct MenuButton {
    const char* archive;
    const char* model;
    double x, z;
    EffectFn click;
    int32_t i0, i1, i2;
};

constexpr MenuButton MENU_BUTTONS[7] = {
    {MENU_ARCHIVE, "close_menu", 8.091, 4.205, nullptr, 0, 0, 0},
    {MENU_ARCHIVE, "about", 3.13, -3.328, showAboutDialog, 0, 0, 0},
    {MENU_ARCHIVE, "visit", -3.99, -3.328, openHomePageClick, 0, 0, 0},
    {MENU_ARCHIVE, "break", -5.261, -0.684, showBreakAllDialog, 0, 0, 0},
    {TILE_ARCHIVE, "rec1", -8.2, -10.576, openProductPageClick, 0, 1, 1},
    {TILE_ARCHIVE, "rec2", 0, -10.576, openProductPageClick, 1, 1, 1},
    {TILE_ARCHIVE, "rec3", 8.2, -10.576, openProductPageClick, 2, 1, 1},
};

// One card per size into `holder`: the chosen one wears the bird, the
// others choose their size when clicked.
void addSizeCards(SceneObject* holder) {
    int32_t chosen = sizeIndexForCode(theSettings->bigPuzzle);
    for (int32_t i = 0; i < PUZZLE_SIZE_COUNT; i++) {
        const PuzzleSizeRow& size = PUZZLE_SIZES[i];
        SceneObject* card = newModelObject(MENU_ARCHIVE, size.menuModel, size.menuSpot.x,
                                           DIALOG_DEPTH, size.menuSpot.z, i != chosen);
        if (i == chosen) {
            card->addChild(
                newModelObject(BUTTON_ARCHIVE, BIRD_ON, SIZE_BIRD_X, 0, SIZE_BIRD_Z, false));
        } else {
            int32_t track = card->addTrack();
            Action choose = makeAction(0, menuSizeClick, holder);
            choose.i0 = i;
            card->addAction(choose);
            card->startTrack(track);
            addHoverTrack(card);
        }
        holder->addChild(card);
    }
}

// A toggle showing its switch as it is now, onto the page.
void addToggle(SceneObject* page, const MenuToggle& toggle) {
    bool on = theSettings->*toggle.flag;
    SceneObject* bird = newModelObject(BUTTON_ARCHIVE, on ? BIRD_ON : BIRD_OFF, toggle.x,
                                       DIALOG_DEPTH, toggle.z, true);
    addEndlessTrack(bird, {on ? toggle.switchOff : toggle.switchOn}, page);
    addHoverTrack(bird);
    page->addChild(bird);
}

// A clicked toggle: set its switch, replace it by one showing the new state.
void flipToggle(void* page, const MenuToggle& toggle, bool on) {
    if (!currentClicked()) return;
    theSettings->*toggle.flag = on;
    setAudioSwitches(theSettings->soundOn, theSettings->musicOn);
    if (on && toggle.flag == &Settings::musicOn) theAudio->play(MUSIC_ENTRY, true);
    currentObject->kill();
    addToggle((SceneObject*)page, toggle);
}

} // namespace

void showMainMenu(void*) {
    if (!currentClicked()) return;
    if (!dialogTop) openDialogLayer();
    SceneObject* below = dialogTop;
    pushDialogPage();
    SceneObject* page = dialogTop;
    for (const MenuArt& art : MENU_ART) {
        SceneObject* object = newModelObject(MENU_ARCHIVE, art.model, 0, 0, 0, false);
        if (art.scaleX != 1) object->setScale(art.scaleX, 1, 1);
        page->addChild(object);
    }
    SceneObject* sizeCards = new SceneObject;
    addSizeCards(sizeCards);
    page->addChild(sizeCards);
    addToggle(page, SOUND_TOGGLE);
    addToggle(page, MUSIC_TOGGLE);
    for (const MenuButton& button : MENU_BUTTONS) {
        SceneObject* object =
            newModelObject(button.archive, button.model, button.x, DIALOG_DEPTH, button.z, true);
        if (button.click) {
            addMakeButtonTrack(object, button.click, button.i0, button.i1, button.i2);
        } else {
            addEndlessTrack(object, {closePageOnCancel}, below);
            addHoverTrack(object);
        }
        page->addChild(object);
    }
}

void menuSizeClick(void* holder) {
    if (!currentClicked()) return;
    switchPuzzleSize(PUZZLE_SIZES[currentAction->i0].settingsCode);
    SceneObject* cards = (SceneObject*)holder;
    for (SceneObject* card : cards->children)
        card->kill();
    addSizeCards(cards);
}

void soundOnClick(void* page) {
    flipToggle(page, SOUND_TOGGLE, true);
}

void soundOffClick(void* page) {
    flipToggle(page, SOUND_TOGGLE, false);
}

void musicOnClick(void* page) {
    flipToggle(page, MUSIC_TOGGLE, true);
}

void musicOffClick(void* page) {
    flipToggle(page, MUSIC_TOGGLE, false);
}
