// Archives read from disk: things that are not plain files in an archive's
// place, and entries that stay put while the archive is open.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "resources/pak_archive.h"
#include "resources/pak_library.h"
#include "tests/support/test_files.h"

TEST(PakFiles, AFolderInAnArchivesPlaceIsUnreadableNotACrash) {
    // A folder opens for reading and reports a size of LONG_MAX: reading
    // that much once ended the game with an allocation failure (a signal).
    TempFolder scratch;
    std::string folder = scratch.path + "buttons.pak";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    PakArchive archive(folder);
    EXPECT_FALSE(archive.valid);
    EXPECT_EQ(archive.entryCount(), 0);
    std::vector<uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(readWholeFile(folder, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(PakFiles, AFolderInAnArchivesPlaceEndsTheGameWithStatusOne) {
    TempFolder scratch;
    ASSERT_EQ(mkdir((scratch.path + "interface_my.pak").c_str(), 0755), 0);
    EXPECT_EXIT(
        {
            PakLibrary library;
            library.setBaseDirectory(scratch.path);
            library.open("interface_my.pak");
        },
        ::testing::ExitedWithCode(1), "interface_my\\.pak: not a regular file\n$");
}

// Work that may be left undone (decoding the next board ahead) asks without
// ending the game: a damaged or missing archive is null and not kept, so
// the open that needs it later still reports it.
TEST(PakFiles, AnArchiveOpenedIfUsableIsNullWhenDamagedAndCountedWhenWhole) {
    TempFolder scratch;
    ASSERT_EQ(mkdir((scratch.path + "puzzle_v21.pak").c_str(), 0755), 0);
    PakArchive whole;
    ASSERT_TRUE(whole.addEntry("a.bin", "abc", 3));
    ASSERT_TRUE(whole.save(scratch.path + "puzzle_v22.pak"));
    PakLibrary library;
    library.setBaseDirectory(scratch.path);
    EXPECT_EQ(library.openIfUsable("puzzle_v21.pak"), nullptr);
    EXPECT_EQ(library.openIfUsable("missing.pak"), nullptr);
    EXPECT_EQ(library.openCount(), 0);
    PakArchive* opened = library.openIfUsable("puzzle_v22.pak");
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(library.open("puzzle_v22.pak"), opened);
    EXPECT_EQ(library.referenceCount("puzzle_v22.pak"), 2);
    EXPECT_EXIT(library.open("puzzle_v21.pak"), ::testing::ExitedWithCode(1),
                "puzzle_v21\\.pak: not a regular file\n$");
}

TEST(PakFiles, EntriesReadFromDiskMatchTheBuilderAndStayPutWhileOpen) {
    TempFolder scratch;
    PakArchive built;
    std::vector<uint8_t> big(300000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (uint8_t)(i * 7);
    ASSERT_TRUE(built.addEntry("empty", nullptr, 0));
    ASSERT_TRUE(built.addEntry("big", big.data(), (uint32_t)big.size()));
    ASSERT_TRUE(built.addEntry("tiny", "x", 1));
    ASSERT_TRUE(built.save(scratch.path + "a.pak"));

    PakArchive read(scratch.path + "a.pak");
    ASSERT_TRUE(read.valid);
    ASSERT_EQ(read.entryCount(), 3);
    EntryBytes empty = read.entryData("empty");
    EntryBytes large = read.entryData("big");
    EXPECT_NE(empty.bytes, nullptr); // present, if empty
    EXPECT_EQ(empty.size, 0u);
    ASSERT_EQ(large.size, big.size());
    EXPECT_EQ(std::vector<uint8_t>(large.bytes, large.bytes + large.size), big);
    // Looking entries up again hands out the same bytes.
    EXPECT_EQ(read.entryData("big").bytes, large.bytes);
    EXPECT_EQ(read.entryData("tiny").size, 1u);
    EXPECT_EQ(read.entryData("tiny").bytes[0], 'x');
}

TEST(PakFiles, AnEmptyFileIsNotAnArchive) {
    TempFolder scratch;
    std::FILE* file = std::fopen((scratch.path + "empty.pak").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    PakArchive archive(scratch.path + "empty.pak");
    EXPECT_FALSE(archive.valid);
}
