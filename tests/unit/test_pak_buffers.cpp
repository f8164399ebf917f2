// The file buffers of archives read from disk: a closed archive's buffer
// serves the next archive it fits, which reads its own bytes into it; a
// buffer far too big for a file is not used for it; few are kept.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resources/pak_archive.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
#define HEAP_ARCHIVES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEAP_ARCHIVES 1
#endif
#endif

// An archive of one entry "data" of `size` bytes, all `fill`, at path.
void writeFilled(const std::string& path, size_t size, uint8_t fill) {
    std::vector<uint8_t> bytes(size, fill);
    PakArchive built;
    ASSERT_TRUE(built.addEntry("data", bytes.data(), (uint32_t)bytes.size()));
    ASSERT_TRUE(built.save(path));
}

// Whether the entry "data" has `size` bytes, all `fill`.
bool holds(const PakArchive& archive, size_t size, uint8_t fill) {
    EntryBytes entry = archive.entryData("data");
    if (!entry.bytes || entry.size != size) return false;
    for (size_t i = 0; i < size; ++i)
        if (entry.bytes[i] != fill) return false;
    return true;
}

struct PakBuffers : testing::Test {
    std::string folder;
    void SetUp() override {
        char pattern[] = "/tmp/meadow_pak_buffers_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
    }
    void TearDown() override {
        std::system(("rm -rf " + folder).c_str());
    }
};

} // namespace

TEST_F(PakBuffers, TheNextArchiveReadsItsOwnBytesIntoTheLastOnesBuffer) {
    constexpr size_t BIG = 3000000, BIGGER = 3100000, SMALL = 200000;
    writeFilled(folder + "a.pak", BIG, 0xaa);
    writeFilled(folder + "b.pak", BIGGER, 0xbb);
    writeFilled(folder + "c.pak", SMALL, 0xcc);
    int sparesBefore = spareArchiveBuffers();
    const uint8_t* first = nullptr;
    {
        PakArchive a(folder + "a.pak");
        ASSERT_TRUE(a.valid);
        EXPECT_TRUE(holds(a, BIG, 0xaa));
        first = a.fileBytes;
    }
#ifndef HEAP_ARCHIVES
    EXPECT_EQ(spareArchiveBuffers(), sparesBefore + 1);
    {
        PakArchive b(folder + "b.pak");
        EXPECT_EQ(b.fileBytes, first); // the spare, read over
        EXPECT_TRUE(holds(b, BIGGER, 0xbb));
        EXPECT_EQ(spareArchiveBuffers(), sparesBefore);
        // While b holds it, a second archive gets a buffer of its own.
        PakArchive again(folder + "a.pak");
        EXPECT_NE(again.fileBytes, first);
        EXPECT_TRUE(holds(again, BIG, 0xaa));
        EXPECT_TRUE(holds(b, BIGGER, 0xbb));
    }
    {
        // A 3 MB buffer is too big for a 200 kB archive.
        PakArchive c(folder + "c.pak");
        EXPECT_NE(c.fileBytes, first);
        EXPECT_TRUE(holds(c, SMALL, 0xcc));
    }
#else
    (void)first;
    EXPECT_EQ(spareArchiveBuffers(), sparesBefore);
#endif
}

TEST_F(PakBuffers, FewBuffersAreKeptAndAFailedReadKeepsNone) {
    std::vector<std::string> paths;
    for (int i = 0; i < 8; ++i) {
        paths.push_back(folder + std::to_string(i) + ".pak");
        writeFilled(paths.back(), 100000 + 300000 * (size_t)i, (uint8_t)i);
    }
    {
        std::vector<PakArchive*> open;
        for (const std::string& path : paths)
            open.push_back(new PakArchive(path));
        for (size_t i = 0; i < open.size(); ++i)
            EXPECT_TRUE(holds(*open[i], 100000 + 300000 * i, (uint8_t)i)) << i;
        for (PakArchive* archive : open)
            delete archive;
    }
    EXPECT_LE(spareArchiveBuffers(), 4);
    int spares = spareArchiveBuffers();
    // A file cut short is not an archive; its buffer is given back, and
    // the one it took (if any) is kept for the next.
    std::vector<uint8_t> cut = {5, 0, 0, 0, 1, 'x'};
    FILE* file = std::fopen((folder + "cut.pak").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(cut.data(), 1, cut.size(), file);
    std::fclose(file);
    PakArchive broken(folder + "cut.pak");
    EXPECT_FALSE(broken.valid);
    EXPECT_EQ(broken.fileBytes, nullptr);
    EXPECT_EQ(spareArchiveBuffers(), spares);
}
