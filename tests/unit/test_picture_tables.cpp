// The picture table: every row names archives of its own, the layouts it
// uses exist, and each size's archives follow the row and its layout.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "puzzle/picture_tables.h"

TEST(PictureTables, EveryPictureHasArchivesOfItsOwnAndAKnownLayout) {
    std::set<std::string> names, archives;
    for (const PictureRow& row : PICTURE_ROWS) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
        ASSERT_GE(row.cutLayout, 0) << row.name;
        ASSERT_LT(row.cutLayout, CUT_LAYOUT_COUNT) << row.name;
        // A row copied for a new picture and not renamed would overwrite
        // another picture's archives when the art is written.
        for (const char* file : {row.pieceArchive20, row.pieceArchive48, row.pictureArchive})
            EXPECT_TRUE(archives.insert(file).second) << file << " named twice";
    }
    for (const CutLayoutRow& layout : CUT_LAYOUTS)
        for (const char* file : {layout.placeArchive20, layout.placeArchive48,
                                 layout.shadowArchive20, layout.shadowArchive48})
            EXPECT_TRUE(archives.insert(file).second) << file << " named twice";
}

TEST(PictureTables, ArchivesOfAPictureFollowItsSizeAndLayout) {
    for (int p = 0; p < PICTURE_TOTAL; p++) {
        const PictureRow& row = PICTURE_ROWS[p];
        const CutLayoutRow& layout = CUT_LAYOUTS[row.cutLayout];
        PictureArchives small = pictureArchivesFor(p, false);
        PictureArchives big = pictureArchivesFor(p, true);
        EXPECT_STREQ(small.pieces, row.pieceArchive20);
        EXPECT_STREQ(big.pieces, row.pieceArchive48);
        EXPECT_STREQ(small.places, layout.placeArchive20);
        EXPECT_STREQ(big.places, layout.placeArchive48);
        EXPECT_STREQ(small.shadows, layout.shadowArchive20);
        EXPECT_STREQ(big.shadows, layout.shadowArchive48);
        EXPECT_STREQ(small.picture, row.pictureArchive);
        EXPECT_STREQ(big.picture, row.pictureArchive);
    }
}
