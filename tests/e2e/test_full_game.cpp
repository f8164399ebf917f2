// Whole games, as a child plays them: the first start through the welcome
// and size dialogs, every piece of a picture lifted and sent, the fanfare
// and the zoom, the next picture, the exit, and a second start that keeps
// what was done.
#include <gtest/gtest.h>

#include <cmath>

#include "app/game_main.h"
#include "base/settings.h"
#include "game_driver.h"
#include "puzzle/piece_play.h"
#include "puzzle/completion.h"
#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"
#include "ui/dialog_layer.h"
#include "screens/size_dialog.h"

namespace {

// From the size page on: choose (20 pieces by Return, the others by a click), wait for the pieces
// to land.
void chooseSize(const PuzzleSizeRow& size) {
    ASSERT_NE(dialogTop, nullptr);
    ASSERT_EQ((int)dialogTop->children.size(), 1 + PUZZLE_SIZE_COUNT); // title, a card per size
    waitMs(1100);                                                      // the cards glide into place
    if (size.pieces != 20)
        ASSERT_TRUE(clickObject(sizeCard(dialogTop, size.settingsCode)));
    else
        pressKey(SDLK_RETURN);
    step();
    ASSERT_NE(thePuzzle.puzzleScreen, nullptr);
    EXPECT_EQ(dialogTop, nullptr);
    waitMs(1500); // pieces fly in
}

// Every piece lifted and sent, in a shuffled order; the picture completes once.
void playWholePicture(int expectedPieces) {
    ASSERT_EQ(thePuzzle.pieceCount, expectedPieces);
    ASSERT_EQ(theBoard.object->children.size(), 1u + 2u * expectedPieces);
    for (int k = 0; k < thePuzzle.pieceCount; ++k) {
        int i = (k * 7) % thePuzzle.pieceCount; // not in the art's order
        int lifts = playCount("puzzle_up.wav"), sends = playCount("puzzle_move.wav");
        ASSERT_TRUE(sendPiece(i)) << "piece " << i;
        EXPECT_EQ(playCount("puzzle_up.wav"), lifts + 1);
        EXPECT_EQ(playCount("puzzle_move.wav"), sends + 1);
        EXPECT_EQ(theBoard.placedCount, k + 1);
    }
    ASSERT_TRUE(
        waitUntil([] { return theSettings->pictureDone[thePuzzle.currentPicture] == 1; }, 3000));
    // On disk at once, whatever way the game ends next.
    ASSERT_TRUE(finishSettingsWrites());
    std::vector<uint8_t> saved = settingsFileBytes();
    ASSERT_EQ(saved.size(), SETTINGS_FILE_SIZE);
    EXPECT_EQ(saved[12 + 4 * thePuzzle.currentPicture], 1);
    EXPECT_EQ(playCount("final.wav"), 1);
    EXPECT_TRUE(theBoard.object->hasModel); // the finished picture
    EXPECT_TRUE(theBoard.object->children.empty());
    waitMs(1400);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.6, 1e-9);
    EXPECT_FALSE(screenZooming);
    waitMs(300);
    EXPECT_EQ(playCount("final.wav"), 1);
}

// Next picture: the screen zooms back to 1 and a scattered board follows.
void nextPictureAfterCompletion(int expectedPieces) {
    pressKey(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    waitMs(1100);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.0, 1e-9);
    EXPECT_EQ(theBoard.object->children.size(), 1u + 2u * expectedPieces);
    EXPECT_FALSE(screenZooming);
}

// Escape, then Return on the exit dialog: saved and ended.
void quitThroughExitDialog() {
    pressKey(SDLK_ESCAPE);
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    pressKey(SDLK_RETURN);
    step(20);
    EXPECT_TRUE(worldRoot->dead);
}

void expectSavedFile(int bigPuzzle) {
    std::vector<uint8_t> bytes = settingsFileBytes();
    ASSERT_EQ(bytes.size(), SETTINGS_FILE_SIZE);
    EXPECT_EQ(bytes[0], 1);  // version
    EXPECT_EQ(bytes[4], 0);  // no reserved block
    EXPECT_EQ(bytes[8], 0);  // showWelcome
    EXPECT_EQ(bytes[9], 1);  // menuHidden
    EXPECT_EQ(bytes[10], 1); // soundOn
    EXPECT_EQ(bytes[11], 1); // musicOn
    EXPECT_EQ(bytes[12], 1); // pictureDone[0]
    for (int i = 1; i < PICTURE_COUNT; ++i)
        EXPECT_EQ(bytes[12 + 4 * i], 0) << i;
    EXPECT_EQ(bytes[52], bigPuzzle);
}

// A second start in the same folder opens on the saved size, picture 0 finished.
void secondStartShowsFinishedPicture(int expectedPieces) {
    startSession(false);
    EXPECT_EQ(dialogTop, nullptr);
    ASSERT_NE(thePuzzle.puzzleScreen, nullptr);
    EXPECT_EQ(thePuzzle.pieceCount, expectedPieces);
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_TRUE(theBoard.object->hasModel);
    EXPECT_TRUE(theBoard.object->children.empty());
    waitMs(1400);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.6, 1e-9);
    endSession();
}

void playFirstStart(const PuzzleSizeRow& size) {
    bool big = size.pieces == 48; // the welcome's ok by a click; else by Return
    int pieces = size.pieces;
    startSession(true);
    ASSERT_NE(dialogTop, nullptr); // the welcome dialog
    EXPECT_EQ(thePuzzle.puzzleScreen, nullptr);
    EXPECT_TRUE(theSettings->showWelcome);
    waitMs(700);
    ASSERT_EQ(dialogTop->children.size(), 3u);
    if (big)
        ASSERT_TRUE(clickObject(buttonRunning(dialogTop, showSizeDialog)));
    else
        pressKey(SDLK_RETURN);
    EXPECT_FALSE(theSettings->showWelcome);
    chooseSize(size);
    EXPECT_EQ(theSettings->bigPuzzle, size.settingsCode);
    playWholePicture(pieces);
    nextPictureAfterCompletion(pieces);
    quitThroughExitDialog();
    endSession();
    expectSavedFile(size.settingsCode);
    secondStartShowsFinishedPicture(pieces);
}

} // namespace

TEST(FullGame, SixPiecesFromTheFirstStartToTheNextRun) {
    playFirstStart(PUZZLE_SIZES[sizeIndexForCode(2)]);
}

TEST(FullGame, TwelvePiecesFromTheFirstStartToTheNextRun) {
    playFirstStart(PUZZLE_SIZES[sizeIndexForCode(3)]);
}

TEST(FullGame, TwentyPiecesFromTheFirstStartToTheNextRun) {
    playFirstStart(PUZZLE_SIZES[sizeIndexForCode(0)]);
}

TEST(FullGame, FortyEightPiecesFromTheFirstStartToTheNextRun) {
    playFirstStart(PUZZLE_SIZES[sizeIndexForCode(1)]);
}
