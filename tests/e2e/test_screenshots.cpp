// Pictures of every screen, for a person to look at: with
// MEADOW_SCREENSHOT_DIR set, each screen of the game is saved there as a PNG
// once its animations have settled.  Without it the test is skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/game_main.h"
#include "base/settings.h"
#include "game_driver.h"
#include "puzzle/photo_walk.h"
#include "puzzle/picture_tables.h"
#include "puzzle/puzzle_board.h"
#include "resources/photo_library.h"
#include "scene/scene_object.h"
#include "base/video_context.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "screens/size_dialog.h"
#include "ui/dialog_layer.h"

namespace {

std::string folder;

void shoot(const char* name, uint32_t settleMs = 800) {
    waitMs(settleMs);
    step();
    saveScreenshot(folder + "/" + name + ".png");
}

// Open the main menu, choose the size with code `code`, close the menu.
void switchSizeInMenu(int32_t code) {
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    waitMs(700);
    ASSERT_TRUE(clickObject(sizeCard(dialogTop, code)));
    pressKey(SDLK_ESCAPE);
    waitMs(700);
}

void openAndShoot(SceneObject* opener, const char* name) {
    ASSERT_TRUE(clickObject(opener)) << name;
    queueMotion(5, 5); // the pointer out of the way
    shoot(name);
}

} // namespace

TEST(Screens, SaveEveryScreen) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    folder = dir;

    startSession(true);
    shoot("01_welcome");
    pressKey(SDLK_RETURN);
    shoot("02_size", 1200);
    pressKey(SDLK_RETURN);
    shoot("03_board", 1600);
    ASSERT_TRUE(clickObject(pieceOf(0)));
    queueMotion(5, 5);
    step();
    shoot("04_lifted_piece", 60);
    for (int i = 0; i < thePuzzle.pieceCount; ++i)
        ASSERT_TRUE(sendPiece(i)) << i;
    ASSERT_TRUE(waitUntil([] { return theBoard.object->hasModel; }, 3000));
    queueMotion(5, 5);
    shoot("05_finished", 1500);

    openAndShoot(buttonRunning(worldRoot, showMainMenu), "06_main_menu");
    openAndShoot(buttonRunning(dialogTop, showAboutDialog), "07_about");
    pressKey(SDLK_RETURN);
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    openAndShoot(buttonRunning(worldRoot, showHelpDialog), "08_help");
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    openAndShoot(buttonRunning(worldRoot, showExitDialog), "09_exit");
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    openAndShoot(buttonRunning(worldRoot, showBreakDialog), "10_break");
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    pressKey(SDLK_RIGHT);
    shoot("11_next_picture", 1800);
    openAndShoot(buttonRunning(worldRoot, toggleMenuClick), "12_tab_open");

    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    waitMs(700);
    SceneObject* menu = dialogTop;
    ASSERT_TRUE(clickObject(sizeCard(menu, 1)));
    openAndShoot(buttonRunning(menu, showBreakAllDialog), "13_break_all");
    pressKey(SDLK_ESCAPE);
    step();
    pressKey(SDLK_ESCAPE);
    queueMotion(5, 5);
    shoot("14_board_48", 1800);

    // Every picture's board in both sizes, starting with the 48-piece one.
    for (int size = 0; size < 2; ++size) {
        if (size == 1) {
            switchSizeInMenu(0);
        }
        for (int i = 0; i < PICTURE_TOTAL; ++i) {
            pressKey(SDLK_RIGHT);
            queueMotion(5, 5);
            std::string name = "board" + std::to_string(thePuzzle.pieceCount) + "_picture" +
                               std::to_string(thePuzzle.currentPicture);
            shoot(name.c_str(), 1800);
        }
    }
    endSession();
}

// Every size on this screen: the welcome, the size dialog, then each
// size's board, with one piece lifted ("<what>_<width>x<height>.png").
TEST(Screens, SaveEverySize) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    folder = dir;
    startSession(true);
    std::string screen =
        "_" + std::to_string(theVideo->width) + "x" + std::to_string(theVideo->height);
    shoot(("welcome" + screen).c_str());
    pressKey(SDLK_RETURN);
    shoot(("size_dialog" + screen).c_str(), 1200);
    ASSERT_TRUE(clickObject(sizeCard(dialogTop, PUZZLE_SIZES[0].settingsCode)));
    for (int i = 0; i < PUZZLE_SIZE_COUNT; ++i) {
        if (i > 0) switchSizeInMenu(PUZZLE_SIZES[i].settingsCode);
        queueMotion(5, 5);
        std::string board = "board" + std::to_string(PUZZLE_SIZES[i].pieces) + screen;
        shoot(board.c_str(), 1800);
        ASSERT_TRUE(clickObject(pieceOf(0)));
        queueMotion(5, 5);
        shoot((board + "_lifted").c_str(), 120);
        ASSERT_TRUE(clickObject(placeOf(0))); // a big lifted piece may stand over the bar
        waitMs(1000);
    }
    endSession();
}

// The meadow and the snowman with 48 pieces, one piece lifted: the boards
// that show best whether loose pieces stand out from the ground around them.
TEST(Screens, SaveLiftedPieces) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    folder = dir;

    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 1;
    startSession(true, &record);
    const struct {
        int picture;
        const char* name;
    } boards[] = {{0, "lifted_meadow"}, {8, "lifted_snowman"}};
    for (const auto& shown : boards) {
        while (thePuzzle.currentPicture != shown.picture) {
            pressKey(SDLK_RIGHT); // the ten come first in the walk
            step(4);              // the new board is built two frames on
        }
        waitMs(1800);
        ASSERT_TRUE(clickObject(pieceOf(7)));
        queueMotion(5, 5);
        shoot(shown.name, 120);
    }
    endSession();
}

// A family's photo half done.  The photo is drawn here like a holiday snap
// (sky, sea, sand, a sun, a bucket), 3000 x 2000, wider than the board, so
// its middle is what the pieces show.
TEST(Screens, SaveAPhotoHalfDone) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    folder = dir;

    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 0;
    startSession(true, &record);
    endSession();
    std::string photos = dataFolder() + PHOTO_FOLDER_NAME;
    std::filesystem::create_directories(photos);
    std::string beach =
        "convert -size 3000x2000 gradient:'#4ea6f0-#d9f1ff' "
        "\\( -size 3000x650 gradient:'#1a78bd-#48c0e4' \\) -geometry +0+950 -composite "
        "\\( -size 3000x420 gradient:'#f5e2a8-#d9b56c' \\) -geometry +0+1580 -composite "
        "-fill '#ffd84a' -draw 'circle 2250,420 2250,620' "
        "-fill white -draw 'ellipse 800,380 280,95 0,360' -draw 'ellipse 1060,340 210,85 0,360' "
        "-fill '#e8483c' -draw 'polygon 1350,1640 1650,1640 1610,1880 1390,1880' "
        "-fill '#2f9e4f' -draw 'rectangle 1900,1700 2200,1760' "
        "-attenuate 0.4 +noise Gaussian -quality 92 " +
        photos + "beach.jpg";
    ASSERT_EQ(std::system(beach.c_str()), 0);

    startSession(false);
    ASSERT_EQ(walkLength(), FIRST_PHOTO_PICTURE + 1);
    pressKey(SDLK_LEFT); // round from the first picture to the photo
    ASSERT_EQ(thePuzzle.currentPicture, FIRST_PHOTO_PICTURE);
    ASSERT_TRUE(waitForPictureImages());
    waitMs(1800);
    for (int i = 0; i < thePuzzle.pieceCount / 2; ++i)
        ASSERT_TRUE(sendPiece(i)) << i;
    queueMotion(5, 5);
    shoot("photo_half_done", 1200);
    endSession();
}

// A piece in the middle of a drag, on a 6-piece board: "drag_6pieces.png".
TEST(Screens, SavePieceMidDrag) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 2; // 6 pieces
    startSession(true, &record);
    waitMs(1500);
    int fromX, fromY, toX, toY;
    ASSERT_TRUE(pointAt(pieceOf(0)));
    ASSERT_TRUE(screenSpot(pieceOf(0), fromX, fromY));
    ASSERT_TRUE(screenSpot(placeOf(0), toX, toY));
    queueLeftPress();
    step();
    for (int k = 1; k <= 6; ++k) {
        queueMotion(fromX + (toX - fromX) * k / 10, fromY + (toY - fromY) * k / 10);
        step();
    }
    waitMs(400); // the pulse has settled; the piece is still held
    saveScreenshot(std::string(dir) + "/drag_6pieces.png");
    queueLeftRelease();
    step(2);
    endSession();
}

// The main menu with its set tiles, and a finished picture of each set,
// opened from its tile: main_menu_1920x1080.png, set_farm_finished.png,
// set_sea_finished.png, set_space_finished.png (scripts/screenshots --sets).
TEST(Screens, SaveTheMenuAndEachSetFinished) {
    const char* dir = std::getenv("MEADOW_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "set MEADOW_SCREENSHOT_DIR to save the screens";
    folder = dir;
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 0;
    startSession(true, &record);
    // Every set picture finished: a tile then opens its set's first, finished.
    for (int picture = FIRST_SET_PICTURE; picture < FIRST_PHOTO_PICTURE; ++picture)
        setPictureFinished(picture, true);
    waitMs(1500);
    std::string size = std::to_string(theVideo->width) + "x" + std::to_string(theVideo->height);
    openAndShoot(buttonRunning(worldRoot, showMainMenu), ("main_menu_" + size).c_str());
    for (int set = 0; set < SET_COUNT; ++set) {
        if (!dialogTop) {
            ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
        }
        waitMs(700);
        SceneObject* tile = nullptr;
        for (SceneObject* child : dialogTop->children)
            for (const Action& action : child->animator.actions)
                if (!child->dying && action.effect == openPictureSetClick && action.number == set)
                    tile = child;
        ASSERT_TRUE(clickObject(tile));
        ASSERT_TRUE(waitForPictureImages());
        queueMotion(5, 5);
        shoot(("set_" + std::string(PICTURE_SETS[set].name) + "_finished").c_str(), 2500);
    }
    endSession();
}
