// What start-up decodes while the window opens: the meadow's archive, then
// the archive the first board draws its pictures from, in the saved size,
// and nothing more (a picture decoded for nothing is time and memory).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings.h"
#include "puzzle/photo_walk.h"
#include "screens/start_screen.h"

namespace {

struct FirstScreen : testing::Test {
    Settings settings;
    Settings* saved = nullptr;
    void SetUp() override {
        saved = theSettings;
        theSettings = &settings;
    }
    void TearDown() override { theSettings = saved; }
};

} // namespace

TEST_F(FirstScreen, TheWelcomeNeedsOnlyTheMeadow) {
    settings.showWelcome = true;
    std::vector<std::string> names = firstScreenArchives();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "interface_my.pak");
}

TEST_F(FirstScreen, TheBoardsArchiveFollowsTheSavedSizeAndProgress) {
    settings.showWelcome = false;
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        settings.bigPuzzle = size.settingsCode;
        PictureArchives first = walkArchivesFor(0, size);
        settings.pictureDone[0] = 0;
        EXPECT_EQ(firstScreenArchives(), (std::vector<std::string>{"interface_my.pak", first.pieces}));
        // A finished first picture opens on the picture itself, not its pieces.
        settings.pictureDone[0] = 1;
        EXPECT_EQ(firstScreenArchives(), (std::vector<std::string>{"interface_my.pak", first.picture}));
    }
}
