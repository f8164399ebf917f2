// The picture and size tables: no two pictures or sizes share an archive
// (a row copied for a new one and not renamed would overwrite another's
// archives when the art is written), every size is found by its settings
// code, and a damaged code finds the 48-piece size.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "puzzle/puzzle_sizes.h"

TEST(PictureTables, EveryPictureAndSizeHasArchivesOfItsOwn) {
    std::set<std::string> names, archives;
    for (const PictureRow& row : PICTURE_ROWS) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
        ASSERT_GE(row.cutLayout, 0) << row.name;
        ASSERT_LT(row.cutLayout, CUT_LAYOUT_COUNT) << row.name;
        EXPECT_TRUE(archives.insert(row.pictureArchive).second) << row.pictureArchive;
    }
    for (const PuzzleSizeRow& size : PUZZLE_SIZES) {
        for (const char* file : size.pieceArchives)
            EXPECT_TRUE(archives.insert(file).second) << file << " named twice";
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            EXPECT_TRUE(archives.insert(size.placeArchives[layout]).second);
            EXPECT_TRUE(archives.insert(size.shadowArchives[layout]).second);
        }
    }
}

TEST(PictureTables, SizesAreFoundByTheirCodeSmallestFirst) {
    std::set<int32_t> codes;
    for (int i = 0; i < PUZZLE_SIZE_COUNT; i++) {
        const PuzzleSizeRow& size = PUZZLE_SIZES[i];
        EXPECT_TRUE(codes.insert(size.settingsCode).second) << size.pieces;
        EXPECT_EQ(sizeIndexForCode(size.settingsCode), i);
        EXPECT_EQ(size.columns * size.rows, size.pieces);
        if (i > 0) {
            EXPECT_GT(size.pieces, PUZZLE_SIZES[i - 1].pieces);
        }
    }
    // What the settings file held before the small sizes keeps its meaning.
    EXPECT_EQ(PUZZLE_SIZES[sizeIndexForCode(0)].pieces, 20);
    EXPECT_EQ(PUZZLE_SIZES[sizeIndexForCode(1)].pieces, 48);
    for (int32_t damaged : {-1, 4, 99})
        EXPECT_EQ(PUZZLE_SIZES[sizeIndexForCode(damaged)].pieces, 48) << damaged;
}

TEST(PictureTables, APictureIsPlayedFromItsSizesAndLayoutsArchives) {
    const PuzzleSizeRow& size = PUZZLE_SIZES[0];
    for (int p = 0; p < PICTURE_TOTAL; p++) {
        PictureArchives archives = pictureArchivesFor(p, size);
        int layout = PICTURE_ROWS[p].cutLayout;
        EXPECT_STREQ(archives.pieces, size.pieceArchives[p]);
        EXPECT_STREQ(archives.places, size.placeArchives[layout]);
        EXPECT_STREQ(archives.shadows, size.shadowArchives[layout]);
        EXPECT_STREQ(archives.picture, PICTURE_ROWS[p].pictureArchive);
    }
    TargetSpot outside = pieceTargetFor(size, 0, size.pieces);
    EXPECT_EQ(outside.x, 0);
    EXPECT_EQ(outside.y, 0);
}
