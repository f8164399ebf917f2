// The corners of play where a game goes wrong: wrong places, shadows that
// must move, pieces in flight together, keys and clicks while dialogs are
// open, picture switching around the ends and during the zoom, the break
// dialogs, the main menu's birds, and a flag that must not outlive its board.
#include <gtest/gtest.h>

#include <cmath>

#include "app/game_main.h"
#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "game_driver.h"
#include "puzzle/photo_walk.h"
#include "puzzle/piece_play.h"
#include "puzzle/completion.h"
#include "puzzle/puzzle_board.h"
#include "resources/image_prefetch.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "screens/web_links.h"
#include "ui/dialog_layer.h"

namespace {

// A settings record that opens straight on the puzzle.
Settings puzzleRecord(int big, std::initializer_list<int> done = {}) {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = big;
    for (int picture : done)
        record.pictureDone[picture] = 1;
    return record;
}

void startOnPuzzle(int big, std::initializer_list<int> done = {}) {
    Settings record = puzzleRecord(big, done);
    startSession(true, &record);
}

bool inSubtree(SceneObject* root, SceneObject* object) {
    if (!root) return false;
    if (root == object) return true;
    for (SceneObject* child : root->children)
        if (inSubtree(child, object)) return true;
    return false;
}

// Live (not dying) children of an object.
int liveChildren(SceneObject* object) {
    int count = 0;
    for (SceneObject* child : object->children)
        count += !child->dying;
    return count;
}

int pageCount() {
    int pages = 0;
    for (SceneObject* page = dialogRoot; page && !page->children.empty();) {
        SceneObject* next = nullptr;
        for (SceneObject* child : page->children)
            if (!child->dying && !child->hasModel) next = child; // pages have no model
        if (!next) break;
        ++pages;
        page = next;
    }
    return pages;
}

} // namespace

// The mixer reads no settings of its own: the start-up tells it the saved
// switches, each on its own.
TEST(MainMenu, SavedSwitchesReachTheMixerAtStartUp) {
    Settings record = puzzleRecord(0);
    record.soundOn = false;
    startSession(true, &record);
    EXPECT_FALSE(audioSwitches.soundOn);
    EXPECT_TRUE(audioSwitches.musicOn);
    endSession();
    record.soundOn = true;
    record.musicOn = false;
    startSession(true, &record);
    EXPECT_TRUE(audioSwitches.soundOn);
    EXPECT_FALSE(audioSwitches.musicOn);
    endSession();
}

TEST(PiecePlay, WrongPlacesShadowsAndTwoPiecesInFlight) {
    startOnPuzzle(0);
    waitMs(1500);
    size_t sounds = playedSounds.size();

    // A place clicked with nothing lifted: nothing at all.
    ASSERT_TRUE(clickObject(placeOf(1)));
    EXPECT_EQ(playedSounds.size(), sounds);
    EXPECT_EQ(theBoard.placedCount, 0);

    // Lift A: it pulses in width and height only, with a shadow under it.
    SceneObject* a = pieceOf(0);
    ASSERT_TRUE(clickObject(a));
    EXPECT_EQ(theBoard.heldPiece, a);
    ASSERT_NE(theBoard.heldShadow, nullptr);
    EXPECT_EQ(a->children.back(), theBoard.heldShadow);
    step();
    EXPECT_GT(a->transform.scale.x, 1.0);
    EXPECT_EQ(a->transform.scale.z, 1.0);

    // The wrong place: nothing, and A stays lifted.
    sounds = playedSounds.size();
    ASSERT_TRUE(clickObject(placeOf(1)));
    EXPECT_EQ(playedSounds.size(), sounds);
    EXPECT_EQ(theBoard.placedCount, 0);
    EXPECT_FALSE(runsEffect(a, pieceFlyAction)); // it was not sent
    EXPECT_EQ(theBoard.heldPiece, a);

    // Lift B: the shadow moves to B; A lies loose again, level with the
    // others, wearing only its outline.
    SceneObject* b = pieceOf(2);
    double bRest = b->positionZ();
    ASSERT_TRUE(clickObject(b));
    EXPECT_EQ(theBoard.heldPiece, b);
    EXPECT_EQ(b->children.back(), theBoard.heldShadow);
    EXPECT_EQ(liveChildren(a), 1);
    EXPECT_NEAR(a->positionZ(), 0, 1e-9);
    EXPECT_NEAR(b->positionZ(), bRest + LIFTED_PIECE_RISE, 1e-9);

    // B and C sent one right after the other: both fly at once, both land.
    ASSERT_TRUE(clickObject(placeOf(2)));
    SceneObject* c = pieceOf(3);
    ASSERT_TRUE(sendPiece(3));
    EXPECT_EQ(theBoard.placedCount, 2);
    EXPECT_TRUE(runsEffect(b, pieceFlyAction) || runsEffect(b, pieceSettleAction));
    EXPECT_TRUE(runsEffect(c, pieceFlyAction));
    waitMs(1300);
    for (int i : {2, 3}) {
        SceneObject* piece = pieceOf(i);
        EXPECT_DOUBLE_EQ(piece->positionX(), placeOf(i)->positionX());
        EXPECT_DOUBLE_EQ(piece->positionY(), placeOf(i)->positionY());
        EXPECT_NEAR(piece->positionZ(), 0, 1e-9);
        EXPECT_NEAR(piece->transform.rotation.x, 0, 1e-4);
        EXPECT_NEAR(piece->transform.rotation.y, 0, 1e-4);
        EXPECT_EQ(liveChildren(piece), 0); // shadows and outline are gone
        EXPECT_TRUE(std::isfinite(piece->positionX()));
    }

    // A sent piece is not lifted again; a loose one is.
    sounds = playedSounds.size();
    pointAt(b);
    queueLeftClick();
    step();
    EXPECT_NE(theBoard.heldPiece, b);
    EXPECT_EQ(playCount("puzzle_up.wav"), 3);
    ASSERT_TRUE(clickObject(a));
    EXPECT_EQ(theBoard.heldPiece, a);
    EXPECT_EQ(playCount("puzzle_up.wav"), 4);
    EXPECT_EQ(playCount("final.wav"), 0);
    endSession();
}

TEST(PiecePlay, APieceSentAsItsBoardIsLeftDoesNotBlockTheNextBoard) {
    startOnPuzzle(0);
    waitMs(1500);
    ASSERT_TRUE(clickObject(pieceOf(0)));
    ASSERT_TRUE(pointAt(placeOf(0)));
    SceneObject* oldBoard = theBoard.object;
    queueLeftClick();     // send the piece ...
    queueKey(SDLK_RIGHT); // ... and leave the board in the same frame
    step();
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    EXPECT_EQ(theBoard.placedCount, 1);
    ASSERT_TRUE(waitUntil([&] { return theBoard.object != oldBoard; }, 1000));
    EXPECT_EQ(theBoard.heldPiece, nullptr);
    waitMs(1500);

    // Lift A, then B, then A again: A must still answer, and can be sent.
    SceneObject* a = pieceOf(0);
    ASSERT_TRUE(clickObject(a));
    step(3);
    ASSERT_TRUE(clickObject(pieceOf(1)));
    step(3);
    ASSERT_TRUE(clickObject(a));
    EXPECT_EQ(theBoard.heldPiece, a);
    ASSERT_TRUE(clickObject(placeOf(0)));
    EXPECT_EQ(theBoard.placedCount, 1);
    endSession();
}

TEST(PiecePlay, APieceSentFromItsOwnSpotStaysOnIt) {
    startOnPuzzle(0);
    waitMs(1500);
    SceneObject* piece = pieceOf(5);
    SceneObject* place = placeOf(5);
    ASSERT_TRUE(clickObject(piece));
    // Nothing is left to fly: the piece already stands over its place (behind it,
    // so the place can still be clicked).
    piece->setPosition(place->positionX(), place->positionY(), -0.5);
    ASSERT_TRUE(clickObject(place));
    for (int frame = 0; frame < 5; ++frame) {
        step();
        EXPECT_TRUE(std::isfinite(piece->positionX()) && std::isfinite(piece->positionY()) &&
                    std::isfinite(piece->positionZ()));
    }
    waitMs(1300);
    EXPECT_DOUBLE_EQ(piece->positionX(), place->positionX());
    EXPECT_DOUBLE_EQ(piece->positionY(), place->positionY());
    EXPECT_NEAR(piece->positionZ(), 0, 1e-9);
    endSession();
}

TEST(PiecePlay, APieceSentWhileItStillTurnsFaceUpLandsFlat) {
    // A quick child (or a tap) lifts a piece in the first moments of its
    // turn over and sends it home: it lands before the turn would end.  The
    // driver needs a few frames to aim, so the turn is set back to its start.
    startOnPuzzle(0);
    SceneObject* piece = pieceOf(0);
    ASSERT_TRUE(sendPiece(0));
    bool turning = false;
    for (Action& action : piece->animator.actions)
        if (action.effect == pieceIntroAction && !action.finished) {
            action.time = action.age = 0;
            turning = true;
        }
    ASSERT_TRUE(turning);
    // Landed: back, outline and shadow gone, and the turn with them.
    ASSERT_TRUE(waitUntil([&] { return piece->children.empty(); }, 3000));
    EXPECT_FALSE(runsEffect(piece, pieceIntroAction));
    waitMs(1500); // past the end of the turn
    EXPECT_NEAR(piece->transform.rotation.x, 0, 1e-3);
    EXPECT_NEAR(piece->positionZ(), 0, 1e-9);
    EXPECT_DOUBLE_EQ(piece->positionX(), placeOf(0)->positionX());
    endSession();
}

TEST(PiecePlay, TheLastPieceLandingAsTheBoardIsLeftMarksNoPicture) {
    startOnPuzzle(0);
    waitMs(1500);
    for (int i = 0; i < thePuzzle.pieceCount - 1; ++i)
        ASSERT_TRUE(sendPiece(i)) << i;
    waitMs(1300); // every other piece has landed
    SceneObject* last = pieceOf(thePuzzle.pieceCount - 1);
    ASSERT_TRUE(sendPiece(thePuzzle.pieceCount - 1));
    ASSERT_TRUE(waitUntil([&] { return runsEffect(last, pieceSettleAction); }, 2000));
    waitMs(100);
    // A slow frame: the next picture is asked for and the drop ends in it.
    queueKey(SDLK_RIGHT);
    delayNextFrame(600);
    step();
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    step(3);
    for (int i = 0; i < PICTURE_COUNT; ++i)
        EXPECT_EQ(theSettings->pictureDone[i], 0) << i;
    EXPECT_EQ(playCount("final.wav"), 0);
    ASSERT_TRUE(waitUntil([] { return theBoard.object->children.size() == 41u; }, 2000));
    EXPECT_FALSE(theBoard.object->hasModel);
    endSession();
}

TEST(Dialogs, TheFirstDialogsIgnoreEscapeAndF1) {
    startSession(true);
    SceneObject* welcome = dialogTop;
    ASSERT_NE(welcome, nullptr);
    waitMs(700);
    pressKey(SDLK_ESCAPE);
    pressKey(SDLK_F1);
    pressKey(SDLK_LEFT);
    step();
    EXPECT_EQ(dialogTop, welcome);
    EXPECT_EQ(pageCount(), 1);
    pressKey(SDLK_RETURN);
    SceneObject* sizePage = dialogTop;
    ASSERT_NE(sizePage, welcome);
    EXPECT_EQ(pageCount(), 1);
    waitMs(1100);
    pressKey(SDLK_ESCAPE);
    step();
    EXPECT_EQ(dialogTop, sizePage);
    EXPECT_EQ(thePuzzle.puzzleScreen, nullptr);
    pressKey(SDLK_RETURN); // the small puzzle is the default
    EXPECT_EQ(thePuzzle.pieceCount, 20);
    EXPECT_EQ(theSettings->bigPuzzle, 0);
    step(2);
    EXPECT_EQ(dialogTop, nullptr);
    EXPECT_EQ(blockPlane, nullptr);
    endSession();
}

TEST(Dialogs, KeysAndClicksReachOnlyTheTopPage) {
    startOnPuzzle(0);
    waitMs(1500);

    // F1 opens help; arrows and F1 do nothing under it; Escape closes only help.
    pressKey(SDLK_F1);
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    pressKey(SDLK_RIGHT);
    pressKey(SDLK_LEFT);
    pressKey(SDLK_F1);
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(pageCount(), 1);
    pressKey(SDLK_ESCAPE);
    step(2);
    EXPECT_EQ(dialogTop, nullptr);
    waitMs(200);
    EXPECT_EQ(dialogTop, nullptr); // the same Escape did not open the exit dialog

    // Help by its button: a piece and the next button behind it cannot be clicked.
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showHelpDialog)));
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    for (SceneObject* behind :
         {pieceOf(0), buttonRunning(thePuzzle.puzzleScreen, nextPictureClick)}) {
        int x, y;
        ASSERT_TRUE(screenSpot(behind, x, y));
        pointAtPixel(x, y);
        EXPECT_TRUE(thePicker.picked == blockPlane || inSubtree(dialogRoot, thePicker.picked));
        queueLeftClick();
        step(2);
    }
    EXPECT_EQ(theBoard.heldPiece, nullptr);
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(playCount("puzzle_up.wav"), 0);
    pressKey(SDLK_ESCAPE);
    step(2);
    ASSERT_EQ(dialogTop, nullptr);

    // Under the exit dialog the bar's own buttons are out of reach too.
    pressKey(SDLK_ESCAPE);
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    for (EffectFn opener : {showMainMenu, showBreakDialog, toggleMenuClick}) {
        int x, y;
        SceneObject* button = buttonRunning(worldRoot, opener);
        ASSERT_TRUE(button && screenSpot(button, x, y));
        pointAtPixel(x, y);
        EXPECT_TRUE(thePicker.picked == blockPlane || inSubtree(dialogRoot, thePicker.picked));
    }
    pressKey(SDLK_ESCAPE);
    step(2);
    ASSERT_EQ(dialogTop, nullptr);

    // Menu, then about on it: Escape does nothing to either, Return closes about only.
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    SceneObject* menu = dialogTop;
    waitMs(700);
    ASSERT_TRUE(clickObject(buttonRunning(menu, showAboutDialog)));
    SceneObject* about = dialogTop;
    ASSERT_NE(about, menu);
    waitMs(700);
    pressKey(SDLK_ESCAPE);
    step();
    EXPECT_EQ(dialogTop, about);
    EXPECT_EQ(pageCount(), 2);
    pressKey(SDLK_RETURN);
    step();
    EXPECT_EQ(dialogTop, menu);
    pressKey(SDLK_RETURN); // nothing on the menu takes Return
    step();
    EXPECT_EQ(dialogTop, menu);
    EXPECT_FALSE(worldRoot->dying);
    pressKey(SDLK_ESCAPE);
    step(2);
    EXPECT_EQ(dialogTop, nullptr);
    EXPECT_EQ(dialogRoot, nullptr);
    endSession();
}

TEST(PictureSwitching, WrapsAtBothEndsAndWaitsForTheZoom) {
    startOnPuzzle(0, {0});
    const int last = FIRST_PHOTO_PICTURE - 1; // the space set's last: the walk's end
    setPictureFinished(last, true);
    SceneObject* next = buttonRunning(thePuzzle.puzzleScreen, nextPictureClick);
    SceneObject* prev = buttonRunning(thePuzzle.puzzleScreen, prevPictureClick);
    EXPECT_TRUE(theBoard.object->hasModel); // picture 0 is finished
    ASSERT_TRUE(waitUntil([] { return !screenZooming; }, 3000));
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.6, 1e-9);

    // Previous from 0 is the last; while the screen zooms out nothing more switches.
    pressKey(SDLK_LEFT);
    EXPECT_EQ(thePuzzle.currentPicture, last);
    step(2);
    EXPECT_TRUE(screenZooming);
    pressKey(SDLK_RIGHT);
    clickObject(next);
    EXPECT_EQ(thePuzzle.currentPicture, last);

    // The last is finished too: it zooms in, and nothing switches meanwhile.
    ASSERT_TRUE(waitForPictureImages()); // made from its set's JPEG
    SceneObject* leaving = theBoard.object;
    ASSERT_TRUE(waitUntil([&] { return theBoard.object != leaving; }, 2000));
    step();
    EXPECT_TRUE(screenZooming);
    pressKey(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, last);
    ASSERT_TRUE(waitUntil([] { return !screenZooming; }, 2000));
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.6, 1e-9);

    // Next from the last is 0 (by the button): finished and zoomed up again.
    ASSERT_TRUE(clickObject(next));
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    leaving = theBoard.object;
    ASSERT_TRUE(waitUntil([&] { return theBoard.object != leaving; }, 2000));
    step();
    ASSERT_TRUE(waitUntil([] { return !screenZooming; }, 2000));
    EXPECT_TRUE(theBoard.object->hasModel);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.6, 1e-9);

    // On to picture 1: back to scale 1 and a scattered board.
    pressKey(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, 1);
    ASSERT_TRUE(waitUntil([] { return theBoard.object->children.size() == 41u; }, 2000));
    step(2);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.0, 1e-9);
    EXPECT_FALSE(screenZooming);

    // The corner tab opens on the current picture's preview and follows it.
    EXPECT_TRUE(theSettings->menuHidden);
    SceneObject* view = buttonRunning(worldRoot, toggleMenuClick);
    ASSERT_TRUE(clickObject(view));
    EXPECT_FALSE(theSettings->menuHidden);
    ASSERT_EQ(thePuzzle.menuTab->pakFiles.size(), 2u);
    EXPECT_EQ(thePuzzle.menuTab->pakFiles[1], "common1.pak");
    ASSERT_TRUE(clickObject(prev));
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(thePuzzle.menuTab->pakFiles[1], "common.pak");
    ASSERT_TRUE(clickObject(view));
    EXPECT_TRUE(theSettings->menuHidden);
    EXPECT_EQ(thePuzzle.menuTab->pakFiles.size(), 1u);
    endSession();
}

// While a board rests, the next board's images are decoded on the worker, in
// the direction the child last walked; the switch then takes them as they
// are instead of decoding them again while two boards are drawn.
TEST(PictureSwitching, TheNextBoardIsDecodedWhileThisOneRests) {
    startOnPuzzle(0, {1});
    // Onto a finished picture (its picture archive) and then onto one to
    // play (its pieces): neither is decoded twice.
    for (int picture : {1, 2}) {
        SCOPED_TRACE(picture);
        ASSERT_TRUE(waitUntil([&] { return theBoard.decodedAhead == picture; }, 4000));
        int decoded = prefetchDecodeCount();
        EXPECT_GT(prefetchedImageCount(), 0);
        pressKey(SDLK_RIGHT);
        ASSERT_EQ(thePuzzle.currentPicture, picture);
        SceneObject* leaving = theBoard.object;
        ASSERT_TRUE(waitUntil([&] { return theBoard.object != leaving; }, 3000));
        EXPECT_EQ(prefetchDecodeCount(), decoded); // taken, not decoded again
        EXPECT_EQ(prefetchedImageCount(), 0);      // nothing left over once it stands
    }
    // Walking back: the board behind is the one decoded next.
    ASSERT_TRUE(waitUntil([] { return theBoard.decodedAhead == 3; }, 4000));
    pressKey(SDLK_LEFT);
    ASSERT_EQ(thePuzzle.currentPicture, 1);
    ASSERT_TRUE(waitUntil([] { return theBoard.decodedAhead == 0; }, 6000));
    endSession();
}

TEST(BreakDialogs, BreakAFinishedPictureThenBreakEverything) {
    startOnPuzzle(0, {0, 3, 5});
    ASSERT_TRUE(waitUntil([] { return !screenZooming; }, 2000));

    // Break the finished picture: after the zoom out, a fresh board of it.
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showBreakDialog)));
    ASSERT_NE(dialogTop, nullptr);
    waitMs(700);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(theSettings->pictureDone[0], 0);
    step(2);
    EXPECT_EQ(dialogTop, nullptr);
    ASSERT_TRUE(waitUntil([] { return theBoard.object->children.size() == 41u; }, 2000));
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    step(2);
    EXPECT_NEAR(thePuzzle.puzzleScreen->scaleX(), 1.0, 1e-9);
    EXPECT_EQ(theSettings->pictureDone[3], 1);

    // Break all, cancelled: back on the menu, nothing changed.
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    SceneObject* menu = dialogTop;
    waitMs(700);
    ASSERT_TRUE(clickObject(buttonRunning(menu, showBreakAllDialog)));
    ASSERT_NE(dialogTop, menu);
    waitMs(700);
    ASSERT_TRUE(clickObject(buttonRunning(dialogTop, closePageOnCancel)));
    step();
    EXPECT_EQ(dialogTop, menu);
    EXPECT_EQ(theSettings->pictureDone[3], 1);
    EXPECT_EQ(theSettings->pictureDone[5], 1);

    // Break all, confirmed: every flag cleared, both pages closed.
    waitMs(700);
    ASSERT_TRUE(clickObject(buttonRunning(menu, showBreakAllDialog)));
    waitMs(700);
    pressKey(SDLK_RETURN);
    for (int i = 0; i < PICTURE_COUNT; ++i)
        EXPECT_EQ(theSettings->pictureDone[i], 0) << i;
    step(3);
    EXPECT_EQ(dialogTop, nullptr);
    EXPECT_EQ(dialogRoot, nullptr);
    EXPECT_FALSE(closeRequested);
    endSession();
}

TEST(MainMenu, BirdsSwapInTheFrameTheyAreClicked) {
    startOnPuzzle(0);
    waitMs(1500);
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    SceneObject* page = dialogTop;
    waitMs(700);

    // A card per size in one holder; the bird sits on the 20-piece card,
    // which is not clickable.
    SceneObject* sound = buttonRunning(page, soundOffClick);
    SceneObject* music = buttonRunning(page, musicOffClick);
    ASSERT_TRUE(sound && music);
    int twenty = sizeIndexForCode(0), fortyEight = sizeIndexForCode(1);
    SceneObject* cards = nullptr;
    for (SceneObject* child : page->children)
        if ((int)child->children.size() == PUZZLE_SIZE_COUNT && !child->children[0]->meshes.empty())
            cards = child;
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(cards->children[twenty]->children.size(), 1u); // the bird
    EXPECT_FALSE(runsEffect(cards->children[twenty], menuSizeClick));
    SceneObject* card48 = cards->children[fortyEight];
    EXPECT_TRUE(runsEffect(card48, menuSizeClick));
    EXPECT_TRUE(card48->children.empty());
    ASSERT_TRUE(clickObject(card48));
    EXPECT_TRUE(card48->dying);
    EXPECT_EQ(theSettings->bigPuzzle, 1);
    EXPECT_EQ(thePuzzle.pieceCount, 48);
    // The fresh cards, in the same frame and on the same spots: the bird on 48 now.
    ASSERT_EQ((int)cards->children.size(), 2 * PUZZLE_SIZE_COUNT);
    SceneObject* new48 = cards->children[PUZZLE_SIZE_COUNT + fortyEight];
    EXPECT_EQ(new48->children.size(), 1u);
    EXPECT_DOUBLE_EQ(new48->positionX(), card48->positionX());
    EXPECT_DOUBLE_EQ(new48->positionZ(), card48->positionZ());
    EXPECT_TRUE(runsEffect(cards->children[PUZZLE_SIZE_COUNT + twenty], menuSizeClick));

    // Sound off: the toggle is replaced in the same frame, on the same spot.
    EXPECT_TRUE(runsEffect(sound, soundOffClick));
    ASSERT_TRUE(clickObject(sound));
    EXPECT_FALSE(theSettings->soundOn);
    EXPECT_FALSE(audioSwitches.soundOn); // the mixer was told
    SceneObject* soundOff = page->children.back();
    EXPECT_TRUE(sound->dying);
    EXPECT_TRUE(runsEffect(soundOff, soundOnClick));
    EXPECT_DOUBLE_EQ(soundOff->positionX(), sound->positionX());
    EXPECT_DOUBLE_EQ(soundOff->positionZ(), sound->positionZ());

    // Music off, then on: "music.wav" is asked for as music in that very frame.
    ASSERT_TRUE(clickObject(music));
    EXPECT_FALSE(theSettings->musicOn);
    EXPECT_FALSE(audioSwitches.musicOn);
    SceneObject* musicOff = page->children.back();
    ASSERT_TRUE(pointAt(musicOff));
    size_t before = playedSounds.size();
    queueLeftClick();
    step();
    EXPECT_TRUE(theSettings->musicOn);
    EXPECT_TRUE(audioSwitches.musicOn);
    bool musicAsked = false;
    for (size_t i = before; i < playedSounds.size(); ++i)
        musicAsked |= playedSounds[i].name == "music.wav" && playedSounds[i].music;
    EXPECT_TRUE(musicAsked);

    // Closing the menu shows the same picture in 48 pieces.
    pressKey(SDLK_ESCAPE);
    ASSERT_TRUE(waitUntil([] { return theBoard.object->children.size() == 97u; }, 2000));
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(dialogTop, nullptr);
    endSession();
}

TEST(WebLinks, TheHomePageIsABuildSettingAndTheMenuShowsItsButtonOnlyWithOne) {
    EXPECT_EQ(taggedAddress("https://games.test/meadow"),
              "https://games.test/meadow/?utm_source=software&utm_medium=meadow_mosaics"
              "_win&utm_term=prog&utm_content=2.0.0&utm_campaign=meadow_mosaics_win");
    EXPECT_EQ(taggedAddress(""), "");
    EXPECT_EQ(websiteButtonShown(), !homePageAddress().empty());
    Settings record;
    record.showWelcome = false;
    startSession(true, &record);
    waitMs(1200);
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    waitMs(700);
    EXPECT_EQ(buttonRunning(dialogTop, openHomePageClick) != nullptr, websiteButtonShown());
    EXPECT_NE(buttonRunning(dialogTop, showBreakAllDialog), nullptr);
    endSession();
}
