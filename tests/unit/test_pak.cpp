// Pak archives and the archive library: round trips through real files,
// lookups, malformed input and reference counting.
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

namespace {

std::string entryText(const PakArchive& archive, const std::string& name) {
    EntryBytes e = archive.entryData(name);
    return e.bytes ? std::string((const char*)e.bytes, e.size) : "<absent>";
}

std::vector<std::string> failedPaths; // what pakOpenFailure was told
void recordFailure(const std::string& path) {
    failedPaths.push_back(path);
}

// Replaces the exit-on-failure handler for the life of a test.
struct FailureRecorder {
    void (*saved)(const std::string&);
    FailureRecorder() : saved(pakOpenFailure) {
        failedPaths.clear();
        pakOpenFailure = recordFailure;
    }
    ~FailureRecorder() { pakOpenFailure = saved; }
};

} // namespace

TEST(PakArchive, SaveAndReadBackKeepsEveryEntry) {
    TempFolder temp;
    const std::string& dir = temp.path;
    std::string longName(127, 'n');
    PakArchive built;
    EXPECT_TRUE(built.addEntry("fon_menu", "first", 5));
    EXPECT_TRUE(built.addEntry(longName, "long", 4));
    EXPECT_TRUE(built.addEntry("empty", nullptr, 0));
    EXPECT_TRUE(built.addEntry("fon_menu", "second", 6));
    ASSERT_TRUE(built.save(dir + "a.pak"));

    PakArchive read(dir + "a.pak");
    ASSERT_TRUE(read.valid);
    ASSERT_EQ(read.entryCount(), 4);
    EXPECT_EQ(read.names, built.names);
    EXPECT_EQ(read.textureNames, std::vector<uint32_t>(4, 0));
    EXPECT_EQ(read.textureCounts, std::vector<int32_t>(4, 0));
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(read.blobs[i].size, built.blobs[i].size);
    EXPECT_EQ(entryText(read, "fon_menu"), "first"); // the first of two wins
    EXPECT_EQ(entryText(read, longName), "long");
    EXPECT_EQ(read.findEntry("empty"), 2);
    EXPECT_NE(read.entryData("empty").bytes, nullptr);
    EXPECT_EQ(read.entryData("empty").size, 0u);
    EXPECT_EQ(entryText(read, "Fon_menu"), "<absent>"); // case matters
    EXPECT_EQ(read.findEntry("fon_men"), -1);
}

TEST(PakArchive, RefusesToWriteANameTheReaderWouldReject) {
    TempFolder temp;
    const std::string& dir = temp.path;
    PakArchive built;
    built.addEntry(std::string(128, 'x'), "x", 1);
    EXPECT_FALSE(built.save(dir + "long.pak"));
    EXPECT_FALSE(built.save(dir + "no/such/folder.pak"));
}

TEST(PakArchive, EmptyAndNegativeCountsHoldNoEntries) {
    TempFolder temp;
    const std::string& dir = temp.path;
    writeBytes(dir + "zero.pak", {0, 0, 0, 0});
    writeBytes(dir + "negative.pak", {0xff, 0xff, 0xff, 0xff, 1, 2, 3});
    for (const char* name : {"zero.pak", "negative.pak"}) {
        PakArchive archive(dir + name);
        EXPECT_TRUE(archive.valid) << name;
        EXPECT_EQ(archive.entryCount(), 0) << name;
        EXPECT_EQ(archive.entryData("anything").bytes, nullptr);
    }
}

TEST(PakArchive, ExtractAllThenAddFileGivesTheSameBytes) {
    TempFolder temp;
    const std::string& dir = temp.path;
    PakArchive built;
    built.addEntry("music.wav", "RIFF....", 8);
    built.addEntry("rec1", "\0\1\2", 3);
    ASSERT_TRUE(built.extractAll(dir + "x_"));

    PakArchive again;
    EXPECT_TRUE(again.addFile(dir + "x_music.wav"));
    EXPECT_TRUE(again.addFile(dir + "x_rec1"));
    EXPECT_FALSE(again.addFile(dir + "x_missing"));
    ASSERT_EQ(again.entryCount(), 2);
    EXPECT_EQ(again.names[0], dir + "x_music.wav");
    EXPECT_EQ(entryText(again, dir + "x_rec1"), std::string("\0\1\2", 3));
    EXPECT_EQ(entryText(again, dir + "x_music.wav"), "RIFF....");
}

TEST(PakArchive, MalformedBytesAreRejectedWhole) {
    // One good entry "ab" = "xyz" for reference, then damaged variants.
    const std::vector<uint8_t> good = {1, 0, 0, 0, 2, 'a', 'b', 3, 0, 0, 0, 'x', 'y', 'z'};
    PakArchive ok;
    ASSERT_TRUE(parsePakBytes(good.data(), good.size(), ok));
    EXPECT_EQ(entryText(ok, "ab"), "xyz");

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"short count", {1, 0, 0}},
        {"count past end", {2, 0, 0, 0, 2, 'a', 'b', 3, 0, 0, 0, 'x', 'y', 'z'}},
        {"absurd count", {0xff, 0xff, 0xff, 0x7f, 0, 0, 0, 0, 0}},
        {"negative name length", {1, 0, 0, 0, 0x80, 'a', 0, 0, 0, 0}},
        {"name past end", {1, 0, 0, 0, 9, 'a', 'b'}},
        {"size field cut", {1, 0, 0, 0, 2, 'a', 'b', 3, 0}},
        {"data past end", {1, 0, 0, 0, 2, 'a', 'b', 4, 0, 0, 0, 'x', 'y', 'z'}},
        {"huge size", {1, 0, 0, 0, 2, 'a', 'b', 0xff, 0xff, 0xff, 0xff, 'x'}},
    };
    for (const Case& c : cases) {
        PakArchive archive;
        EXPECT_FALSE(parsePakBytes(c.bytes.data(), c.bytes.size(), archive)) << c.what;
        EXPECT_EQ(archive.entryCount(), 0) << c.what;
        EXPECT_TRUE(archive.blobs.empty() && archive.textureNames.empty()) << c.what;
    }
    // Names stop at their first zero byte.
    const std::vector<uint8_t> zeroInName = {1, 0, 0, 0, 3, 'a', 0, 'b', 1, 0, 0, 0, 'q'};
    PakArchive cut;
    ASSERT_TRUE(parsePakBytes(zeroInName.data(), zeroInName.size(), cut));
    EXPECT_EQ(cut.names[0], "a");
}

TEST(PakLibrary, SharesByKeyAndRereadsAfterTheLastRelease) {
    TempFolder temp;
    const std::string& dir = temp.path;
    PakArchive built;
    built.addEntry("v", "1", 1);
    ASSERT_TRUE(built.save(dir + "buttons.pak"));

    PakLibrary library;
    library.setBaseDirectory(dir);
    PakArchive* first = library.open("buttons.pak");
    EXPECT_EQ(library.open("buttons.pak"), first);
    EXPECT_EQ(library.referenceCount("buttons.pak"), 2);
    EXPECT_EQ(library.entryData("buttons.pak", "missing").bytes, nullptr); // still counts
    EXPECT_EQ(library.referenceCount("buttons.pak"), 3);
    EXPECT_EQ(library.describe(), "buttons.pak=3\n");

    library.release("buttons.pak");
    library.release("buttons.pak");
    EXPECT_EQ(library.openCount(), 1);
    library.release("buttons.pak");
    EXPECT_EQ(library.openCount(), 0);
    EXPECT_EQ(library.referenceCount("buttons.pak"), 0);
    library.release("buttons.pak"); // not open: nothing happens
    library.releaseTexture("buttons.pak", 7);
    EXPECT_EQ(library.openCount(), 0);

    // Opened again, the file is read anew.
    PakArchive changed;
    changed.addEntry("v", "2", 1);
    ASSERT_TRUE(changed.save(dir + "buttons.pak"));
    EntryBytes v = library.entryData("buttons.pak", "v");
    ASSERT_NE(v.bytes, nullptr);
    EXPECT_EQ(v.bytes[0], '2');

    // Keys are the names as given: the same file under two spellings is
    // two archives with counts of their own.
    PakArchive* dotted = library.open("./buttons.pak");
    EXPECT_NE(dotted, library.open("buttons.pak"));
    EXPECT_EQ(library.openCount(), 2);
    EXPECT_EQ(library.referenceCount("buttons.pak"), 2);
    EXPECT_EQ(library.referenceCount("./buttons.pak"), 1);
    library.release("buttons.pak");
    EXPECT_EQ(library.describe(), "buttons.pak=1\n./buttons.pak=1\n");
}

TEST(PakLibrary, UnreadableArchivesReachTheFailureHandler) {
    FailureRecorder recorder;
    TempFolder temp;
    const std::string& dir = temp.path;
    writeBytes(dir + "broken.pak", {5, 0, 0, 0, 1, 'a'});

    PakLibrary library;
    library.setBaseDirectory(dir);
    PakArchive* missing = library.open("missing.pak");
    PakArchive* broken = library.open("broken.pak");
    ASSERT_EQ(failedPaths.size(), 2u);
    EXPECT_EQ(failedPaths[0], dir + "missing.pak");
    EXPECT_EQ(failedPaths[1], dir + "broken.pak");
    // The handler returned: an empty archive stands in, counted as usual.
    EXPECT_FALSE(missing->valid);
    EXPECT_EQ(missing->entryCount(), 0);
    EXPECT_EQ(broken->entryCount(), 0);
    EXPECT_EQ(library.entryData("broken.pak", "a").bytes, nullptr);
    EXPECT_EQ(library.referenceCount("broken.pak"), 2);
    EXPECT_EQ(failedPaths.size(), 2u); // not reported again while open
}

TEST(PakLibrary, DefaultFailureNamesTheFileAndEndsTheGame) {
    EXPECT_EXIT(
        {
            PakLibrary library;
            library.open("/nonexistent/meadow/none.pak");
        },
        ::testing::ExitedWithCode(1),
        "^Meadow Mosaics: cannot use the archive /nonexistent/meadow/none\\.pak: No such file or "
        "directory\n$");
}
