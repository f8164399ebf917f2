// The sets' archives as the game will read them: each holds its ten JPEGs
// and nothing else, and each is made into a board's pictures by the game's
// own photo path (resources/photo_image.h), with a real picture in it (not
// one flat colour).  Reads the archives art_gen wrote into $MEADOW_GAME_DIR.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "puzzle/picture_sets.h"
#include "resources/pak_archive.h"
#include "resources/photo_image.h"

namespace {

// How many of a picture's sampled pixels differ from its top left one.
int pixelsUnlikeTheCorner(const RgbaImage& image) {
    int unlike = 0;
    const uint8_t* corner = image.pixels.data();
    for (int y = 0; y < image.height; y += 16)
        for (int x = 0; x < image.width; x += 16) {
            const uint8_t* p = &image.pixels[((size_t)y * image.width + x) * 4];
            int difference = std::abs(p[0] - corner[0]) + std::abs(p[1] - corner[1]) +
                             std::abs(p[2] - corner[2]);
            unlike += difference > 24;
        }
    return unlike;
}

} // namespace

TEST(SetArchives, EachSetHoldsItsPicturesAsTheGameMakesThem) {
    const char* dir = std::getenv("MEADOW_GAME_DIR");
    ASSERT_NE(dir, nullptr) << "MEADOW_GAME_DIR must name the folder art_gen wrote";
    for (const PictureSetRow& set : PICTURE_SETS) {
        PakArchive archive(std::string(dir) + "/" + set.archive);
        ASSERT_TRUE(archive.valid) << set.archive;
        EXPECT_EQ(archive.entryCount(), SET_SIZE) << set.archive;
        for (int i = 0; i < SET_SIZE; i++) {
            EntryBytes jpeg = archive.entryData(setPictureEntry(i));
            ASSERT_NE(jpeg.bytes, nullptr) << set.archive << " " << setPictureEntry(i);
            PhotoPictures pictures;
            std::string why;
            ASSERT_TRUE(makePhotoPictures(jpeg.bytes, jpeg.size, pictures, why))
                << set.archive << " " << setPictureEntry(i) << ": " << why;
            EXPECT_EQ(pictures.picture.width, PHOTO_PICTURE_WIDTH);
            EXPECT_EQ(pictures.picture.height, PHOTO_PICTURE_HEIGHT);
            EXPECT_GT(pixelsUnlikeTheCorner(pictures.picture), 1000)
                << set.archive << " " << setPictureEntry(i) << " is nearly one colour";
        }
    }
}
