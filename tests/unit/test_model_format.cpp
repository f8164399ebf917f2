// Model entries: written by buildModelEntry, read back record by record,
// and refused wherever a count or length runs past the entry.
#include <gtest/gtest.h>

#include <cstring>

#include "resources/model_format.h"

namespace {

// One triangle with recognisable values in every array.
MeshBuild triangleMesh(const std::string& texture) {
    MeshBuild mesh;
    mesh.textureName = texture;
    mesh.material = defaultMaterial();
    for (int i = 0; i < 9; i++) {
        mesh.positions.push_back(i + 0.5);
        mesh.normals.push_back(-i);
    }
    for (int i = 0; i < 6; i++)
        mesh.texCoords.push_back(i / 8.0);
    return mesh;
}

double doubleAt(const uint8_t* p, int index) {
    double v;
    std::memcpy(&v, p + 8 * index, sizeof v);
    return v;
}

int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset) {
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

} // namespace

TEST(ModelFormat, BuiltEntryReadsBackInBothHeaderForms) {
    MeshBuild blended = triangleMesh("a#ffffff");
    blended.material.blended = 1;
    blended.material.shininess = 12.5f;
    MeshBuild empty = triangleMesh("x");
    empty.positions.clear(); // no triangles: the record has no arrays
    for (bool longHeader : {false, true}) {
        std::vector<uint8_t> entry =
            buildModelEntry({triangleMesh("fon"), blended, empty}, longHeader);
        EXPECT_EQ(int32At(entry, longHeader ? 5 : 1), 3); // where the mesh count sits
        EXPECT_EQ(entry[0] == 255, longHeader);

        const uint8_t* cursor = entry.data();
        const uint8_t* end = entry.data() + entry.size();
        int32_t meshCount = -1;
        ASSERT_TRUE(readModelHeader(cursor, end, meshCount));
        ASSERT_EQ(meshCount, 3);

        MeshRecord first, second, third;
        ASSERT_TRUE(readMeshRecord(cursor, end, first));
        EXPECT_STREQ(first.textureName, "fon");
        EXPECT_EQ(first.textureNameLength, 4);
        EXPECT_EQ(first.triangleCount, 1);
        EXPECT_EQ(doubleAt(first.positions, 8), 8.5);
        EXPECT_EQ(doubleAt(first.normals, 3), -3);
        EXPECT_EQ(doubleAt(first.texCoords, 5), 5 / 8.0);
        MeshMaterial white = readMaterial(first.material);
        EXPECT_EQ(white.ambient[3], 1.0f);
        EXPECT_EQ(white.diffuse[0], 1.0f);
        EXPECT_EQ(white.specular[0], 0.0f);
        EXPECT_EQ(white.alphaTest, 0);

        ASSERT_TRUE(readMeshRecord(cursor, end, second));
        EXPECT_EQ(second.textureName[1], '#');
        EXPECT_EQ(readMaterial(second.material).blended, 1);
        EXPECT_EQ(readMaterial(second.material).shininess, 12.5f);

        ASSERT_TRUE(readMeshRecord(cursor, end, third));
        EXPECT_EQ(third.triangleCount, 0);
        EXPECT_EQ(cursor, end); // nothing left over, nothing overrun
        EXPECT_FALSE(readMeshRecord(cursor, end, third));
    }
}

TEST(ModelFormat, ShortArraysArePaddedToWholeTriangles) {
    MeshBuild mesh = triangleMesh("t");
    mesh.normals.clear();
    mesh.texCoords.resize(2);
    std::vector<uint8_t> entry = buildModelEntry({mesh});
    const uint8_t* cursor = entry.data();
    int32_t count;
    MeshRecord record;
    ASSERT_TRUE(readModelHeader(cursor, entry.data() + entry.size(), count));
    ASSERT_TRUE(readMeshRecord(cursor, entry.data() + entry.size(), record));
    EXPECT_EQ(doubleAt(record.normals, 8), 0.0);
    EXPECT_EQ(doubleAt(record.texCoords, 1), 1 / 8.0);
    EXPECT_EQ(doubleAt(record.texCoords, 5), 0.0);
}

TEST(ModelFormat, EveryTruncationIsRefused) {
    std::vector<uint8_t> entry = buildModelEntry({triangleMesh("fon")});
    // Cut the entry at every length short of whole: the header or the
    // record must fail, and nothing may read past the cut.
    for (size_t cut = 0; cut < entry.size(); cut++) {
        std::vector<uint8_t> part(entry.begin(), entry.begin() + (long)cut);
        const uint8_t* cursor = part.data();
        const uint8_t* end = part.data() + part.size();
        int32_t count = 0;
        MeshRecord record;
        bool whole = readModelHeader(cursor, end, count) && readMeshRecord(cursor, end, record);
        EXPECT_FALSE(whole) << "cut at " << cut;
    }
}

TEST(ModelFormat, BadCountsAndNamesAreRefused) {
    std::vector<uint8_t> entry = buildModelEntry({triangleMesh("fon")});
    const size_t nameLengthAt = 1 + 4;
    const size_t triangleCountAt = nameLengthAt + 4 + 4 + 80 + 60;
    struct Case {
        const char* what;
        size_t offset;
        int32_t value;
    };
    const Case cases[] = {
        {"zero name length", nameLengthAt, 0},
        {"negative name length", nameLengthAt, -4},
        {"name length past end", nameLengthAt, 0x7fffffff},
        {"negative triangles", triangleCountAt, -1},
        {"triangles past end", triangleCountAt, 2},
        {"triangles overflowing 32 bits", triangleCountAt, 0x7fffffff},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bad = entry;
        std::memcpy(bad.data() + c.offset, &c.value, 4);
        const uint8_t* cursor = bad.data();
        const uint8_t* end = bad.data() + bad.size();
        int32_t count;
        MeshRecord record;
        ASSERT_TRUE(readModelHeader(cursor, end, count)) << c.what;
        const uint8_t* before = cursor;
        EXPECT_FALSE(readMeshRecord(cursor, end, record)) << c.what;
        EXPECT_EQ(cursor, before) << c.what; // a refused record leaves the cursor
    }
    // A name without its zero byte inside T.
    std::vector<uint8_t> unterminated = entry;
    unterminated[nameLengthAt + 4 + 3] = 'x';
    const uint8_t* cursor = unterminated.data();
    int32_t count;
    MeshRecord record;
    ASSERT_TRUE(readModelHeader(cursor, unterminated.data() + unterminated.size(), count));
    EXPECT_FALSE(readMeshRecord(cursor, unterminated.data() + unterminated.size(), record));

    // A negative mesh count is not a model.
    std::vector<uint8_t> negative = {0, 0xff, 0xff, 0xff, 0xff};
    cursor = negative.data();
    EXPECT_FALSE(readModelHeader(cursor, negative.data() + negative.size(), count));
    EXPECT_EQ(count, 0);
}
