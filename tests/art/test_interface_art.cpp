// The interface archives as the game will read them: every model the screens
// load exists and parses to its last byte, names pictures that the game can
// upload unchanged (power-of-two, 8-bit RGB or RGBA PNGs, with alpha exactly
// where the material needs it); the veil and the background cover the
// widest screens, and the cursor's tip is its origin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "resources/model_format.h"
#include "resources/pak_archive.h"
#include "tests/art/written_archives.h"

namespace {

constexpr double TAN_HALF_FOV = 0.41421356237; // tan(22.5 degrees)

struct Bounds {
    double x0 = 1e9, x1 = -1e9; // model x
    double y0 = 1e9, y1 = -1e9; // model y (depth)
    double z0 = 1e9, z1 = -1e9; // model z
};

struct Model {
    bool parsed = false;                 // header and every record read
    bool exact = false;                  // the records end exactly at the entry's end
    std::vector<std::string> textures;   // texture name per mesh
    std::vector<MeshMaterial> materials; // material per mesh
    Bounds bounds;                       // over all vertices
};

struct Picture {
    bool png = false;
    int width = 0, height = 0, bitDepth = 0, colourType = 0;
};

Model readModel(const std::string& pakName, const std::string& entry) {
    Model model;
    EntryBytes bytes = archive(pakName).entryData(entry);
    if (!bytes.bytes) return model;
    const uint8_t* cursor = bytes.bytes;
    const uint8_t* end = bytes.bytes + bytes.size;
    int32_t meshCount = 0;
    if (!readModelHeader(cursor, end, meshCount) || meshCount <= 0) return model;
    for (int m = 0; m < meshCount; m++) {
        MeshRecord record;
        if (!readMeshRecord(cursor, end, record)) return model;
        model.textures.push_back(record.textureName);
        model.materials.push_back(readMaterial(record.material));
        for (int v = 0; v < record.triangleCount * 3; v++) {
            double x = readDouble(record.positions + v * 24);
            double y = readDouble(record.positions + v * 24 + 8);
            double z = readDouble(record.positions + v * 24 + 16);
            Bounds& b = model.bounds;
            b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x);
            b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
            b.z0 = std::min(b.z0, z), b.z1 = std::max(b.z1, z);
        }
    }
    model.parsed = true;
    model.exact = cursor == end;
    return model;
}

uint32_t bigEndian(const uint8_t* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

Picture readPicture(const std::string& pakName, const std::string& entry) {
    static const uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Picture picture;
    EntryBytes bytes = archive(pakName).entryData(entry);
    if (!bytes.bytes || bytes.size < 33 || std::memcmp(bytes.bytes, SIGNATURE, 8) != 0 ||
        std::memcmp(bytes.bytes + 12, "IHDR", 4) != 0)
        return picture;
    picture.png = true;
    picture.width = (int)bigEndian(bytes.bytes + 16);
    picture.height = (int)bigEndian(bytes.bytes + 20);
    picture.bitDepth = bytes.bytes[24];
    picture.colourType = bytes.bytes[25];
    return picture;
}

bool powerOfTwo(int n) {
    return n > 0 && n <= 2048 && (n & (n - 1)) == 0;
}

// Every model the game loads from the interface archives.
struct EntryName {
    const char* pak;
    const char* entry;
};

constexpr EntryName INTERFACE_MODELS[] = {
    {"interface_my.pak", "fon"},
    {"interface_my.pak", "cursor"},
    {"interface_my.pak", "puzz_plase"},
    {"interface_my.pak", "menu_open"},
    {"interface_my.pak", "menu"},
    {"buttons.pak", "close"},
    {"buttons.pak", "view"},
    {"buttons.pak", "break"},
    {"buttons.pak", "menu"},
    {"buttons.pak", "help"},
    {"buttons.pak", "prev"},
    {"buttons.pak", "next"},
    {"buttons.pak", "close_menu"},
    {"buttons.pak", "pti4ka"},
    {"buttons.pak", "pti4ka_cl"},
    {"buttons.pak", "to4ka"},
    {"main_menu.pak", "block"},
    {"main_menu.pak", "fon_menu"},
    {"main_menu.pak", "reclama"},
    {"main_menu.pak", "about"},
    {"main_menu.pak", "visit"},
    {"main_menu.pak", "break"},
    {"main_menu.pak", "close_menu"},
    {"reclama1.pak", "rec1"},
    {"reclama1.pak", "rec2"},
    {"reclama1.pak", "rec3"},
    {"select_menu.pak", "please"},
    {"select_menu.pak", "low"},
    {"select_menu.pak", "height"},
    {"help_menu.pak", "fon_wel"},
    {"help_menu.pak", "puz_help"},
    {"help_menu.pak", "help"},
    {"help_menu.pak", "ok"},
    {"about_menu.pak", "fon_about"},
    {"about_menu.pak", "ok"},
    {"exit_menu.pak", "fon_exit"},
    {"exit_menu.pak", "fon_exit_unsaved"},
    {"exit_menu.pak", "cancel"},
    {"exit_menu.pak", "ok"},
    {"break_menu.pak", "break_puzzle"},
    {"break_menu.pak", "break_puzzles"},
    {"break_menu.pak", "cancel"},
    {"break_menu.pak", "break"},
};

TEST(InterfaceArt, EveryModelParsesAndNamesUploadablePictures) {
    for (const EntryName& name : INTERFACE_MODELS) {
        SCOPED_TRACE(std::string(name.pak) + " " + name.entry);
        ASSERT_TRUE(archive(name.pak).valid);
        Model model = readModel(name.pak, name.entry);
        ASSERT_TRUE(model.parsed);
        EXPECT_TRUE(model.exact) << "bytes left after the last mesh";
        for (size_t m = 0; m < model.textures.size(); m++) {
            SCOPED_TRACE(model.textures[m]);
            ASSERT_NE(model.textures[m].size() > 1 ? model.textures[m][1] : 0, '#');
            Picture picture = readPicture(name.pak, model.textures[m]);
            ASSERT_TRUE(picture.png);
            EXPECT_TRUE(powerOfTwo(picture.width) && powerOfTwo(picture.height))
                << picture.width << " x " << picture.height;
            EXPECT_EQ(picture.bitDepth, 8);
            // Cut-outs and blended meshes need the alpha channel; an opaque mesh
            // with one would only waste memory and hide a mistake.
            const MeshMaterial& material = model.materials[m];
            int wanted = material.blended || material.alphaTest ? 6 : 2;
            EXPECT_EQ(picture.colourType, wanted);
        }
    }
}

// ---- Depth ------------------------------------------------------------------------

// Where each dialog and the bar put these models on the window, and that
// they stay on it, apart, and in front of the veil, is measured on the
// screens the game really builds (tests/e2e/test_layout.cpp).  What is left
// here is what the art alone must give.

constexpr double BACK = 100.0; // eye distance of the veil's and the background's y = 0

TEST(InterfaceArt, VeilAndBackgroundReachTheSidesOfTheWidestScreens) {
    Model veil = readModel("main_menu.pak", "block");
    ASSERT_TRUE(veil.parsed);
    EXPECT_LT(BACK + veil.bounds.y0, 40.0) << "the veil must stand in front of the puzzle";
    // The veil and the background reach the sides of a 32:9 screen.
    for (const EntryName& name :
         {EntryName{"main_menu.pak", "block"}, EntryName{"interface_my.pak", "fon"}}) {
        SCOPED_TRACE(name.entry);
        Model m = readModel(name.pak, name.entry);
        double h = TAN_HALF_FOV * (BACK + m.bounds.y0), w = h * 32.0 / 9.0;
        EXPECT_LE(m.bounds.x0, -w);
        EXPECT_GE(m.bounds.x1, w);
        EXPECT_LE(m.bounds.z0, -h);
        EXPECT_GE(m.bounds.z1, h);
    }
}

TEST(InterfaceArt, CursorTipIsTheModelOrigin) {
    Model cursor = readModel("interface_my.pak", "cursor");
    ASSERT_TRUE(cursor.parsed);
    ASSERT_EQ(cursor.materials.size(), 1u);
    // Drawn in the opaque pass with the alpha test: a blended cursor would be
    // painted over by the veil that is queued after it.
    EXPECT_TRUE(cursor.materials[0].alphaTest);
    EXPECT_FALSE(cursor.materials[0].blended);
    // The pointer hangs down and right from its tip at the origin.
    EXPECT_LE(cursor.bounds.x0, 0.0);
    EXPECT_GT(cursor.bounds.x0, -0.15);
    EXPECT_GE(cursor.bounds.z1, 0.0);
    EXPECT_LT(cursor.bounds.z1, 0.15);
    double height = (cursor.bounds.z1 - cursor.bounds.z0) * 0.8;
    EXPECT_GT(height, 1.2);
    EXPECT_LT(height, 2.0);
}

} // namespace
