// The walk with the sets: the ten pictures, then the farm, sea and space
// sets, then the photos, and round; the sets' pictures take every cut
// layout; a finished set picture is kept in the finished-photo record
// beside photos (an old file reads as it did) and the first unfinished
// picture of a set is the one its tile opens.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/photo_progress.h"
#include "base/settings.h"
#include "puzzle/photo_walk.h"
#include "puzzle/picture_sets.h"
#include "resources/photo_library.h"

namespace {

struct Walk : testing::Test {
    Settings settings;
    Settings* saved = nullptr;
    void SetUp() override {
        saved = theSettings;
        theSettings = &settings;
        thePhotoLibrary = PhotoLibrary();
        thePhotoProgress.clear();
    }
    void TearDown() override {
        theSettings = saved;
        thePhotoLibrary = PhotoLibrary();
        thePhotoProgress.clear();
    }
};

} // namespace

TEST_F(Walk, TheTenThenEachSetThenThePhotosAndRound) {
    EXPECT_EQ(walkLength(), PICTURE_TOTAL + SET_COUNT * SET_SIZE);
    EXPECT_EQ(nextInWalk(PICTURE_TOTAL - 1, 1), FIRST_SET_PICTURE);
    EXPECT_EQ(setOfPicture(FIRST_SET_PICTURE), 0);
    EXPECT_EQ(setOfPicture(FIRST_SET_PICTURE + SET_SIZE - 1), 0);
    EXPECT_EQ(setOfPicture(FIRST_SET_PICTURE + SET_SIZE), 1);
    EXPECT_EQ(setOfPicture(PICTURE_TOTAL - 1), -1);
    EXPECT_EQ(nextInWalk(FIRST_PHOTO_PICTURE - 1, 1), 0); // no photos: round
    EXPECT_EQ(nextInWalk(0, -1), FIRST_PHOTO_PICTURE - 1);

    thePhotoLibrary.photos.push_back({"a.jpg", 100, 40, 30, false});
    thePhotoLibrary.photos.push_back({"b.jpg", 200, 40, 30, true}); // found unreadable
    EXPECT_EQ(nextInWalk(FIRST_PHOTO_PICTURE - 1, 1), FIRST_PHOTO_PICTURE);
    EXPECT_EQ(nextInWalk(FIRST_PHOTO_PICTURE, 1), 0);
    EXPECT_TRUE(isMadePicture(FIRST_SET_PICTURE) && isMadePicture(FIRST_PHOTO_PICTURE));
    EXPECT_FALSE(isPhotoPicture(FIRST_SET_PICTURE) || isSetPicture(FIRST_PHOTO_PICTURE));
    EXPECT_FALSE(isMadePicture(PICTURE_TOTAL - 1));
}

TEST_F(Walk, EverySetIsCutInEveryLayout) {
    for (int set = 0; set < SET_COUNT; set++) {
        std::set<int> layouts;
        for (int i = 0; i < SET_SIZE; i++) {
            int row = cutRowOf(FIRST_SET_PICTURE + set * SET_SIZE + i);
            ASSERT_GE(row, 0);
            ASSERT_LT(row, PICTURE_TOTAL);
            layouts.insert(PICTURE_ROWS[row].cutLayout);
        }
        EXPECT_EQ((int)layouts.size(), CUT_LAYOUT_COUNT) << PICTURE_SETS[set].name;
    }
}

TEST_F(Walk, FinishedSetPicturesSitBesideThePhotosInAnOldFile) {
    // A file from before the sets: one finished photo.
    PhotoProgress old;
    old.markDone("beach.jpg", 1234);
    std::vector<uint8_t> bytes = encodePhotoProgress(old);
    ASSERT_TRUE(readPhotoProgressBytes(bytes.data(), bytes.size(), thePhotoProgress));

    int sea = FIRST_SET_PICTURE + SET_SIZE;
    EXPECT_EQ(firstUnfinishedOfSet(1), sea);
    setPictureFinished(sea, true);
    setPictureFinished(sea + 1, true);
    EXPECT_EQ(firstUnfinishedOfSet(1), sea + 2);
    EXPECT_EQ(firstUnfinishedOfSet(0), FIRST_SET_PICTURE); // the other sets untouched
    EXPECT_FALSE(pictureFinished(FIRST_SET_PICTURE + 2 * SET_SIZE + 1));
    for (int32_t done : settings.pictureDone)
        EXPECT_EQ(done, 0); // nothing of the sets in the settings record

    // Written and read again: the photo and both set pictures.
    bytes = encodePhotoProgress(thePhotoProgress);
    PhotoProgress back;
    ASSERT_TRUE(readPhotoProgressBytes(bytes.data(), bytes.size(), back));
    thePhotoProgress = back;
    EXPECT_TRUE(thePhotoProgress.isDone("beach.jpg", 1234));
    EXPECT_TRUE(pictureFinished(sea) && pictureFinished(sea + 1));

    setPictureFinished(sea, false);
    EXPECT_EQ(firstUnfinishedOfSet(1), sea);
    for (int i = 0; i < SET_SIZE; i++)
        setPictureFinished(sea + i, true);
    EXPECT_EQ(firstUnfinishedOfSet(1), sea); // all finished: the first again
    clearFinishedPictures();
    EXPECT_FALSE(pictureFinished(sea + 1));
    EXPECT_FALSE(thePhotoProgress.isDone("beach.jpg", 1234));
}
