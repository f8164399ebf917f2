// Dialogs built from their layouts: which button Return presses on each
// page, and that Return presses exactly that one, on the top page only.
#include "game_driver.h"

#include <gtest/gtest.h>

#include "base/settings.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "screens/size_dialog.h"
#include "ui/dialog_layer.h"

namespace {

// A settings record that opens straight on the puzzle, some pictures done.
void startOnPuzzle() {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 0;
    record.pictureDone[0] = 1;
    startSession(true, &record);
}

// Click the bar's button that opens a dialog; wait for the page to settle.
bool openFromBar(EffectFn opener) {
    SceneObject* button = buttonRunning(worldRoot, opener);
    if (!button || !clickObject(button)) return false;
    waitMs(700);
    return true;
}

} // namespace

TEST(Dialogs, EachPageKnowsTheButtonReturnPresses) {
    startSession(true); // the welcome first
    waitMs(700);
    SceneObject* welcome = dialogTop;
    EXPECT_TRUE(runsEffect(pageDefaultButton(welcome), showSizeDialog));
    pressKey(SDLK_RETURN);
    waitMs(700);
    SceneObject* sizes = dialogTop;
    ASSERT_NE(sizes, welcome);
    EXPECT_EQ(pageDefaultButton(welcome), nullptr) << "a closed page keeps no record";
    EXPECT_EQ(pageDefaultButton(sizes), sizeCard(sizes, 0)); // the 20-piece card
    pressKey(SDLK_RETURN);
    waitMs(700);
    EXPECT_EQ(dialogTop, nullptr);
    EXPECT_EQ(thePuzzle.pieceCount, 20);

    ASSERT_TRUE(openFromBar(showHelpDialog));
    EXPECT_EQ(pageDefaultButton(dialogTop), nullptr) << "help closes with Escape only";
    pressKey(SDLK_RETURN);
    step(3);
    EXPECT_NE(dialogTop, nullptr);
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    EXPECT_EQ(dialogTop, nullptr);

    ASSERT_TRUE(openFromBar(showExitDialog));
    EXPECT_TRUE(runsEffect(pageDefaultButton(dialogTop), exitConfirmClick));
    pressKey(SDLK_ESCAPE);
    waitMs(700);
    endSession();
}

TEST(Dialogs, ReturnActsOnTheTopPageOnly) {
    startOnPuzzle();
    waitMs(1500);
    ASSERT_TRUE(openFromBar(showMainMenu));
    SceneObject* menu = dialogTop;
    EXPECT_EQ(pageDefaultButton(menu), nullptr);
    SceneObject* breakAll = buttonRunning(menu, showBreakAllDialog);
    ASSERT_TRUE(breakAll && clickObject(breakAll));
    waitMs(700);
    ASSERT_NE(dialogTop, menu);
    EXPECT_TRUE(runsEffect(pageDefaultButton(dialogTop), closePageAndParent));
    // Return presses the break-all page's default: every picture starts
    // over, and the menu below closes with it.
    pressKey(SDLK_RETURN);
    waitMs(1400);
    EXPECT_EQ(dialogTop, nullptr);
    EXPECT_FALSE(pictureFinished(0));

    ASSERT_TRUE(openFromBar(showBreakDialog));
    EXPECT_TRUE(runsEffect(pageDefaultButton(dialogTop), resetPictureClick));
    SceneObject* before = theBoard.object;
    pressKey(SDLK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return theBoard.object != before; }, 2000));
    EXPECT_EQ(dialogTop, nullptr);
    endSession();
}
