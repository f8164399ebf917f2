// Random, truncated and mutated input for every reader of outside data:
// archives, model entries, the settings file, photo headers and the
// finished-photo file.  Each input is copied into
// a buffer of exactly its own size, so under AddressSanitizer any read past
// the end stops the test.  The generator is seeded: failures repeat.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <cstdio>
#include <random>
#include <sstream>
#include <vector>

#include "base/photo_progress.h"
#include "base/settings.h"
#include "resources/photo_probe.h"
#include "resources/model_format.h"
#include "resources/pak_archive.h"

namespace {

constexpr int RANDOM_ROUNDS = 20000;
constexpr int MUTATION_ROUNDS = 20000;
constexpr double TIME_BUDGET_SECONDS = 3.0; // per reader, so sanitizer builds stay quick

using Bytes = std::vector<uint8_t>;

// A heap copy of exactly the input's size (a vector may keep spare capacity
// that AddressSanitizer would not flag).
struct ExactCopy {
    uint8_t* data;
    size_t size;
    explicit ExactCopy(const Bytes& input) : data(new uint8_t[input.size()]), size(input.size()) {
        if (size > 0) std::memcpy(data, input.data(), size);
    }
    ~ExactCopy() { delete[] data; }
    ExactCopy(const ExactCopy&) = delete;
    ExactCopy& operator=(const ExactCopy&) = delete;
};

// Stops a loop once its reader has had its share of time.
struct Budget {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    bool spent() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
               TIME_BUDGET_SECONDS;
    }
};

Bytes randomBytes(std::mt19937& rng, size_t maxSize) {
    Bytes bytes(rng() % (maxSize + 1));
    for (uint8_t& b : bytes)
        b = (uint8_t)rng();
    return bytes;
}

// Flip, overwrite, insert or delete a few bytes; sometimes plant an extreme
// 32-bit value where a count or length might sit.
Bytes mutate(std::mt19937& rng, Bytes bytes) {
    int edits = 1 + (int)(rng() % 4);
    for (int i = 0; i < edits; i++) {
        size_t at = bytes.empty() ? 0 : rng() % bytes.size();
        switch (rng() % 5) {
        case 0:
            if (!bytes.empty()) bytes[at] ^= (uint8_t)(1u << (rng() % 8));
            break;
        case 1:
            if (!bytes.empty()) bytes[at] = (uint8_t)rng();
            break;
        case 2:
            bytes.insert(bytes.begin() + (long)at, (uint8_t)rng());
            break;
        case 3:
            if (!bytes.empty()) bytes.erase(bytes.begin() + (long)at);
            break;
        default: {
            static const uint32_t extremes[] = {0,          1,          0x7f,       0x80,      0xff,
                                                0x7fffffff, 0x80000000, 0xffffffff, 0xfffffff0};
            uint32_t v = extremes[rng() % (sizeof extremes / sizeof extremes[0])];
            if (bytes.size() >= 4) std::memcpy(&bytes[rng() % (bytes.size() - 3)], &v, 4);
        }
        }
    }
    return bytes;
}

// Run a reader on every prefix of a valid input, then on random and
// mutated inputs, each in a heap buffer of exactly its size.
template <typename Reader> void exercise(const Bytes& valid, size_t maxRandomSize, Reader read) {
    std::mt19937 rng(20240611u);
    for (size_t cut = 0; cut <= valid.size(); cut++)
        read(Bytes(valid.begin(), valid.begin() + (long)cut));
    Budget budget;
    for (int i = 0; i < RANDOM_ROUNDS && !budget.spent(); i++)
        read(randomBytes(rng, maxRandomSize));
    for (int i = 0; i < MUTATION_ROUNDS && !budget.spent(); i++)
        read(mutate(rng, valid));
}

Bytes sampleArchive() {
    PakArchive archive;
    archive.addEntry("fon_menu", "abcdef", 6);
    archive.addEntry("", nullptr, 0);
    archive.addEntry(std::string(127, 'n'), "z", 1);
    std::string path = "/tmp/meadow_fuzz_sample.pak";
    EXPECT_TRUE(archive.save(path));
    Bytes bytes;
    EXPECT_TRUE(readWholeFile(path, bytes));
    std::remove(path.c_str());
    return bytes;
}

Bytes sampleModel() {
    MeshBuild mesh;
    mesh.textureName = "a#00ff00";
    mesh.material = defaultMaterial();
    mesh.positions.assign(18, 0.25);
    mesh.normals.assign(18, 1.0);
    mesh.texCoords.assign(12, 0.5);
    MeshBuild flat = mesh;
    flat.textureName = "rec1";
    flat.positions.clear();
    return buildModelEntry({mesh, flat}, true);
}

} // namespace

TEST(FuzzReaders, PakBytes) {
    Bytes valid = sampleArchive();
    exercise(valid, 64, [](const Bytes& input) {
        ExactCopy exact(input);
        PakArchive archive;
        bool ok = parsePakBytes(exact.data, exact.size, archive);
        if (!ok) {
            EXPECT_EQ(archive.entryCount(), 0);
            return;
        }
        // Whatever was accepted must be consistent and readable to the end.
        ASSERT_EQ(archive.blobs.size(), archive.names.size());
        uint64_t total = 0;
        for (const EntryBytes& blob : archive.blobs) {
            for (uint32_t i = 0; i < blob.size; i++)
                total += blob.bytes[i];
            EXPECT_LE(blob.size, exact.size);
        }
        (void)total;
    });
}

TEST(FuzzReaders, ModelEntries) {
    Bytes valid = sampleModel();
    exercise(valid, 512, [](const Bytes& input) {
        ExactCopy exact(input);
        const uint8_t* cursor = exact.data;
        const uint8_t* end = exact.data + exact.size;
        int32_t count = 0;
        if (readModelHeader(cursor, end, count)) {
            EXPECT_GE(count, 0);
            MeshRecord record;
            for (int32_t i = 0; i < count && readMeshRecord(cursor, end, record); i++) {
                EXPECT_LE(cursor, end);
                // Touch the first and last byte of everything the record names.
                volatile uint8_t sink = (uint8_t)record.textureName[0];
                sink = record.material[MESH_MATERIAL_BYTES - 1];
                int64_t n = record.triangleCount;
                if (n > 0) {
                    sink = record.positions[72 * n - 1];
                    sink = record.normals[72 * n - 1];
                    sink = record.texCoords[48 * n - 1];
                }
                (void)sink;
                EXPECT_LT(std::strlen(record.textureName), (size_t)record.textureNameLength);
                (void)readMaterial(record.material);
            }
        }
    });
}

TEST(FuzzReaders, SettingsBytes) {
    Settings sample;
    sample.pictureDone[4] = 1;
    std::ostringstream out;
    sample.write(out);
    std::string text = out.str();
    Bytes valid(text.begin(), text.end());
    exercise(valid, 96, [](const Bytes& input) {
        ExactCopy exact(input);
        Settings settings;
        if (!readSettingsBytes(exact.data, exact.size, settings)) {
            Settings defaults;
            EXPECT_EQ(settings.bigPuzzle, defaults.bigPuzzle);
            EXPECT_EQ(settings.showWelcome, defaults.showWelcome);
        }
        // Whatever the bytes, the record holds only what the game writes.
        for (int32_t done : settings.pictureDone)
            EXPECT_TRUE(done == 0 || done == 1);
        EXPECT_TRUE(settings.bigPuzzle >= 0 && settings.bigPuzzle < PUZZLE_SIZE_CODES);
    });
}

TEST(FuzzReaders, PhotoHeaders) {
    // A JPEG with an EXIF block and a frame header, then a PNG header.
    Bytes jpeg = {0xff, 0xd8, 0xff, 0xe1, 0, 16, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8,
                  0,    0,    0,    0xff, 0xc2, 0, 11, 8, 0x0b, 0xb8, 0x0f, 0xa0, 1, 1, 0x11, 0};
    Bytes png = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                 0,    0,   3,   0x20, 0,    0,    2,    0x58};
    for (const Bytes& valid : {jpeg, png})
        exercise(valid, 64, [](const Bytes& input) {
            ExactCopy exact(input);
            ImageHeader header;
            ProbeResult result = probeImageHeader(exact.data, exact.size, header);
            if (result == ProbeResult::Image) {
                EXPECT_GE(header.width, 1u);
                EXPECT_GE(header.height, 1u);
            } else {
                EXPECT_EQ(header.kind, ImageKind::None);
            }
            EXPECT_FALSE(headerProblem(result, header).empty() && result != ProbeResult::Image);
            if (pngChunksComplete(exact.data, exact.size)) {
                EXPECT_GE(exact.size, 20u);
            }
        });
}

TEST(FuzzReaders, PhotoProgressBytes) {
    PhotoProgress sample;
    sample.markDone("dog.jpg", 4096);
    sample.markDone("x\nb", 1);
    Bytes valid = encodePhotoProgress(sample);
    exercise(valid, 64, [](const Bytes& input) {
        ExactCopy exact(input);
        PhotoProgress read;
        if (!readPhotoProgressBytes(exact.data, exact.size, read)) {
            EXPECT_TRUE(read.names.empty());
            return;
        }
        // Whatever was accepted comes back byte for byte.
        ASSERT_EQ(read.names.size(), read.sizes.size());
        EXPECT_EQ(encodePhotoProgress(read), input);
    });
}
