// The farm, sea and space sets in the real game: the main menu's tiles open
// their set's first unfinished picture (by a click, Return on the ring and
// the pad's A) and the game goes on; the arrows cross from the ten pictures
// into the farm set, from set to set, on to the photos and round; a set
// picture finished at 6 pieces stays finished across a restart until
// "Restart all".
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/settings.h"
#include "game_driver.h"
#include "puzzle/completion.h"
#include "puzzle/photo_walk.h"
#include "puzzle/picture_sets.h"
#include "puzzle/puzzle_board.h"
#include "resources/pak_library.h"
#include "resources/photo_library.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "ui/dialog_layer.h"
#include "ui/focus_state.h"

namespace {

constexpr int FARM = 0, SEA = 1, SPACE = 2; // PICTURE_SETS rows
constexpr int32_t SIX_PIECES_CODE = 2;      // the settings file's code for 6 pieces
constexpr Uint8 PAD_A = 0;                  // the pad's A button
constexpr int RING_STEPS = 80;              // Space presses before the ring is taken to be lost

int firstOf(int set) {
    return FIRST_SET_PICTURE + set * SET_SIZE;
}

Settings sixPieces() {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = SIX_PIECES_CODE;
    return record;
}

// The main menu, open and settled.
void openMenu() {
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    waitMs(700);
    ASSERT_NE(dialogTop, nullptr);
}

// The menu's tile of `set`.
SceneObject* tileOf(int set) {
    for (SceneObject* child : dialogTop->children)
        for (const Action& action : child->animator.actions)
            if (!child->dying && action.effect == openPictureSetClick && action.number == set)
                return child;
    return nullptr;
}

// Space until the ring marks the tile of `set`.
bool ringOnTile(int set) {
    SceneObject* tile = tileOf(set);
    for (int n = 0; n < RING_STEPS && tile && theFocusRing.target != tile; ++n)
        pressKey(SDLK_SPACE);
    return tile && theFocusRing.target == tile;
}

void pressPadButton(Uint8 button) {
    SDL_Event event = {};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = button;
    event.jbutton.state = SDL_PRESSED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    step();
}

// The new board built and still (a finished picture's zoom starts the
// frame after its board).
bool boardStill() {
    auto still = [] { return !screenZooming && !theBoard.leaving; };
    if (!waitUntil(still, 4000)) return false;
    step(2);
    return waitUntil(still, 4000);
}

// The menu has gone, the game runs on, and `picture`'s board stands, drawn
// from its own pictures.
void expectShown(int picture) {
    ASSERT_TRUE(waitUntil([] { return dialogTop == nullptr; }, 2000));
    ASSERT_TRUE(waitForPictureImages());
    ASSERT_TRUE(boardStill());
    waitMs(400);
    EXPECT_EQ(thePuzzle.currentPicture, picture);
    EXPECT_FALSE(worldRoot->dying);
    EXPECT_EQ(thePhotoLibrary.offered,
              std::string(PICTURE_SETS[setOfPicture(picture)].archive) + "/" +
                  setPictureEntry((picture - FIRST_SET_PICTURE) % SET_SIZE));
}

// An arrow key, and the board of the picture it leads to standing.
void walkOnto(SDLKey key) {
    pressKey(key);
    ASSERT_TRUE(waitForPictureImages());
    ASSERT_TRUE(boardStill());
    waitMs(400);
}

} // namespace

TEST(PictureSets, TilesOpenTheirSetAndTheArrowsWalkFromSetToSet) {
    Settings record = sixPieces();
    startSession(true, &record);
    endSession();
    std::string photos = dataFolder() + "pictures/";
    std::filesystem::create_directories(photos);
    ASSERT_EQ(std::system(("convert -size 300x180 xc:orange " + photos + "a.png").c_str()), 0);
    startSession(false);
    ASSERT_EQ(walkLength(), FIRST_PHOTO_PICTURE + 1);
    // The sea set's first picture is finished, and the space set's but its last.
    setPictureFinished(firstOf(SEA), true);
    for (int i = 0; i < SET_SIZE - 1; ++i)
        setPictureFinished(firstOf(SPACE) + i, true);
    waitMs(1200);

    // The farm tile, clicked: a short sound, the menu closes, the farm's first picture.
    openMenu();
    playedSounds.clear();
    ASSERT_TRUE(clickObject(tileOf(FARM)));
    EXPECT_GE(playCount("button.wav"), 1);
    expectShown(firstOf(FARM));
    ASSERT_EQ(theBoard.object->children.size(), 1u + 2u * 6u); // tray, six pieces and places
    walkOnto(SDLK_LEFT);                                           // back into the ten
    EXPECT_EQ(thePuzzle.currentPicture, PICTURE_TOTAL - 1);
    walkOnto(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, firstOf(FARM));

    // The sea tile by Return on the ring: its first unfinished picture.
    openMenu();
    ASSERT_TRUE(ringOnTile(SEA));
    playedSounds.clear();
    pressKey(SDLK_RETURN);
    EXPECT_GE(playCount("button.wav"), 1);
    expectShown(firstOf(SEA) + 1);
    walkOnto(SDLK_LEFT); // the finished one
    EXPECT_EQ(thePuzzle.currentPicture, firstOf(SEA));
    EXPECT_TRUE(theBoard.object->hasModel);
    walkOnto(SDLK_LEFT); // over into the farm set's last
    EXPECT_EQ(thePuzzle.currentPicture, firstOf(SEA) - 1);

    // The space tile by the pad's A: its last picture, then on to the photo and round.
    openMenu();
    ASSERT_TRUE(ringOnTile(SPACE));
    pressPadButton(PAD_A);
    expectShown(firstOf(SPACE) + SET_SIZE - 1);
    walkOnto(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, FIRST_PHOTO_PICTURE);
    EXPECT_EQ(thePhotoLibrary.offered, photos + "a.png");
    walkOnto(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(thePakLibrary.standInCount(), 0); // the made pictures' textures are given back
    EXPECT_FALSE(worldRoot->dying);
    endSession();
}

TEST(PictureSets, AFinishedSetPictureIsKeptUntilRestartAll) {
    Settings record = sixPieces();
    startSession(true, &record);
    waitMs(1200);
    openMenu();
    ASSERT_TRUE(clickObject(tileOf(FARM)));
    expectShown(firstOf(FARM));
    for (int i = 0; i < thePuzzle.pieceCount; ++i)
        ASSERT_TRUE(sendPiece(i)) << "piece " << i;
    ASSERT_TRUE(waitUntil([] { return pictureFinished(firstOf(FARM)); }, 3000));
    EXPECT_EQ(playCount("final.wav"), 1);
    waitMs(1500);
    endSession();

    // Next run: still finished, the settings file as it was; the farm tile
    // now opens the next picture.
    EXPECT_EQ(settingsFileBytes().size(), SETTINGS_FILE_SIZE);
    startSession(false);
    EXPECT_TRUE(pictureFinished(firstOf(FARM)));
    EXPECT_FALSE(pictureFinished(firstOf(FARM) + 1));
    waitMs(1200);
    openMenu();
    ASSERT_TRUE(clickObject(tileOf(FARM)));
    expectShown(firstOf(FARM) + 1);

    // Restart all clears it, for this run and the next.
    openMenu();
    ASSERT_TRUE(clickObject(buttonRunning(dialogTop, showBreakAllDialog)));
    waitMs(700);
    pressKey(SDLK_RETURN);
    EXPECT_FALSE(pictureFinished(firstOf(FARM)));
    endSession();
    startSession(false);
    EXPECT_FALSE(pictureFinished(firstOf(FARM)));
    endSession();
}
