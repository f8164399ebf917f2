// The interface archives as the game will read them: every model the screens
// load exists and parses to its last byte, names pictures that the game can
// upload unchanged (power-of-two, 8-bit RGB or RGBA PNGs, with alpha exactly
// where the material needs it), and lands on screen where the screens put it:
// inside the visible area on 16:9 and 4:3 screens, buttons clear of each
// other even when grown under the pointer, the button bar clear of the
// preview window, the arrows clear of the board.
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

namespace {

constexpr double TAN_HALF_FOV = 0.41421356237; // tan(22.5 degrees)
constexpr double HOVER = 1.07;                 // buttons grow this much under the pointer

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

std::string gameDir() {
    const char* dir = std::getenv("MEADOW_GAME_DIR");
    return dir ? dir : ".";
}

// Archives stay open for the whole test run.
PakArchive& archive(const std::string& name) {
    static std::map<std::string, std::unique_ptr<PakArchive>> open;
    auto& slot = open[name];
    if (!slot) slot = std::make_unique<PakArchive>(gameDir() + "/" + name);
    return *slot;
}

double readDouble(const uint8_t* p) {
    double d;
    std::memcpy(&d, p, sizeof d);
    return d;
}

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

// ---- Placement on screen -----------------------------------------------------------

// An object as a screen puts it: x-z-plane model at (x, z) on screen whose
// model y = 0 lies `distance` units from the eye (nearer for negative y).
// Horizontal and vertical positions may be pinned to the screen's edges:
// x = x + xEdge * halfWidth(pinDistance), likewise z.
struct Placement {
    const char* pak;
    const char* entry;
    double x, z;        // position (with the edge terms below)
    int xEdge, zEdge;   // -1, 0 or +1 times the half extent at pinDistance
    double pinDistance; // where the edge terms are measured
    double distance;    // eye distance of the model's y = 0
    double scaleX;      // extra x scale the screen gives it
    bool button;        // grows under the pointer
    bool solid;         // must not overlap the other solid objects of its screen
};

constexpr double PAGE = 34.9, BACK = 100.0, BAR = 99.4;

// Where something is on the screen, in fractions of the half extents (-1..1).
struct ScreenRect {
    double x0, x1, z0, z1;
};

ScreenRect place(const Placement& p, const Model& m, double aspect, bool grown) {
    double pinH = TAN_HALF_FOV * p.pinDistance, pinW = pinH * aspect;
    double x = p.x + p.xEdge * pinW, z = p.z + p.zEdge * pinH;
    double g = grown && p.button ? HOVER : 1.0;
    // The nearest vertex decides the reach: it shows largest.
    double d = p.distance + m.bounds.y0 * g;
    double h = TAN_HALF_FOV * d, w = h * aspect;
    return {(x + m.bounds.x0 * p.scaleX * g) / w, (x + m.bounds.x1 * p.scaleX * g) / w,
            (z + m.bounds.z0 * g) / h, (z + m.bounds.z1 * g) / h};
}

bool overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.z0 < b.z1 && b.z0 < a.z1;
}

struct Screen {
    const char* name;
    std::vector<Placement> objects;
};

std::vector<Screen> dialogScreens() {
    auto page = [](const char* pak, const char* entry, double x, double z, bool button = true) {
        return Placement{pak, entry, x, z, 0, 0, PAGE, PAGE, 1, button, true};
    };
    auto back = [](const char* pak, const char* entry, bool solid = false) {
        return Placement{pak, entry, 0, 0, 0, 0, PAGE, BACK, 1, false, solid};
    };
    Placement helpText = {"help_menu.pak", "help", 7.8, -4.3, -1, 1, PAGE, PAGE, 1, false, true};
    Placement helpClose = {"buttons.pak", "close_menu", -1.26, -1.32, 1,   1,
                           PAGE,          PAGE,         1,     true,  true};
    Placement tiles = {"main_menu.pak", "reclama", 0, 0, 0, 0, PAGE, BACK, 0.9, false, false};
    Placement sizeTitle = {"select_menu.pak", "please", 0, 7.5, 0, 0, 35, 35, 1, false, true};
    Placement small = {"select_menu.pak", "low", -8, -0.3, 0, 0, 35, 35, 1, true, true};
    Placement big = {"select_menu.pak", "height", 8, -0.3, 0, 0, 35, 35, 1, true, true};
    std::vector<Screen> screens = {
        {"main menu",
         {back("main_menu.pak", "fon_menu"), tiles,
          page("buttons.pak", "pti4ka_cl", 0.51, 1.62, false),
          page("buttons.pak", "to4ka", 0.51, 3.22, false),
          page("buttons.pak", "pti4ka", -6.648, 3.314),
          page("buttons.pak", "pti4ka_cl", -6.648, 1.704),
          page("main_menu.pak", "close_menu", 8.091, 4.205),
          page("main_menu.pak", "about", 3.13, -3.328),
          page("main_menu.pak", "visit", -3.99, -3.328),
          page("main_menu.pak", "break", -5.261, -0.684),
          page("reclama1.pak", "rec1", -8.2, -10.576), page("reclama1.pak", "rec2", 0, -10.576),
          page("reclama1.pak", "rec3", 8.2, -10.576)}},
        {"main menu, 48 pieces",
         {page("buttons.pak", "pti4ka_cl", 0.51, 3.22, false),
          page("buttons.pak", "to4ka", 0.51, 1.62, false),
          page("buttons.pak", "pti4ka", -6.648, 3.314),
          page("main_menu.pak", "close_menu", 8.091, 4.205)}},
        {"size", {sizeTitle, small, big}},
        {"welcome",
         {back("help_menu.pak", "fon_wel", true), back("help_menu.pak", "puz_help", true), helpText,
          page("help_menu.pak", "ok", 0, -3.839)}},
        {"help", {back("help_menu.pak", "puz_help", true), helpText, helpClose}},
        {"about",
         {back("about_menu.pak", "fon_about"), page("about_menu.pak", "ok", -0.008, -4.21)}},
        {"exit",
         {back("exit_menu.pak", "fon_exit"), page("exit_menu.pak", "cancel", -3.372, -1.443),
          page("exit_menu.pak", "ok", 3.232, -1.443)}},
        {"exit unsaved",
         {back("exit_menu.pak", "fon_exit_unsaved"), page("exit_menu.pak", "cancel", -3.372, -1.443),
          page("exit_menu.pak", "ok", 3.232, -1.443)}},
        {"break",
         {back("break_menu.pak", "break_puzzle"), page("break_menu.pak", "cancel", -3.372, -1.443),
          page("break_menu.pak", "break", 3.232, -1.443)}},
        {"break all",
         {back("break_menu.pak", "break_puzzles"), page("break_menu.pak", "cancel", -3.372, -1.443),
          page("break_menu.pak", "break", 3.232, -1.443)}},
    };
    return screens;
}

std::vector<Placement> barButtons() {
    std::vector<Placement> bar = {
        {"buttons.pak", "close", -4, -4, 1, 1, BACK, BAR, 1, true, true},
        {"buttons.pak", "menu", 7.5, -5.8, -1, 1, BACK, BAR, 1, true, true},
        {"buttons.pak", "view", 16.5, -5.8, -1, 1, BACK, BAR, 1, true, true},
        {"buttons.pak", "help", 22.746, -5.8, -1, 1, BACK, BAR, 1, true, true},
        {"buttons.pak", "break", 28.992, -5.8, -1, 1, BACK, BAR, 1, true, true},
    };
    return bar;
}

constexpr double ASPECTS[] = {16.0 / 9.0, 4.0 / 3.0};

// Everything on screen, and solid things apart, on both screen shapes.
void checkScreen(const Screen& screen) {
    for (double aspect : ASPECTS) {
        SCOPED_TRACE(std::string(screen.name) + (aspect > 1.5 ? ", 16:9" : ", 4:3"));
        std::vector<ScreenRect> solids;
        for (const Placement& p : screen.objects) {
            SCOPED_TRACE(std::string(p.pak) + " " + p.entry);
            Model model = readModel(p.pak, p.entry);
            ASSERT_TRUE(model.parsed);
            ScreenRect r = place(p, model, aspect, true);
            EXPECT_GE(r.x0, -1.0);
            EXPECT_LE(r.x1, 1.0);
            EXPECT_GE(r.z0, -1.0);
            EXPECT_LE(r.z1, 1.0);
            if (!p.solid) continue;
            for (const ScreenRect& other : solids)
                EXPECT_FALSE(overlap(r, other)) << "overlaps an earlier object";
            solids.push_back(place(p, model, aspect, false));
        }
    }
}

TEST(InterfaceArt, DialogsStayOnScreenAndButtonsApart) {
    for (const Screen& screen : dialogScreens())
        checkScreen(screen);
}

TEST(InterfaceArt, DialogArtStandsBetweenTheVeilAndTheEye) {
    // Page art stands 34.9 to 35.1 units from the eye, and a page that has
    // stepped back (3 units further) must still be in front of the veil.
    Model veil = readModel("main_menu.pak", "block");
    ASSERT_TRUE(veil.parsed);
    double veilDistance = BACK + veil.bounds.y0;
    EXPECT_LT(veilDistance, 40.0) << "the veil must cover the puzzle";
    for (const Screen& screen : dialogScreens())
        for (const Placement& p : screen.objects) {
            SCOPED_TRACE(std::string(p.pak) + " " + p.entry);
            Model m = readModel(p.pak, p.entry);
            double nearest = p.distance + m.bounds.y0, farthest = p.distance + m.bounds.y1;
            EXPECT_GT(nearest, 34.5);
            EXPECT_LT(farthest, 35.3);
            EXPECT_LT(farthest + 3.0, veilDistance);
        }
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

TEST(InterfaceArt, ButtonBarFitsAndLeavesThePreviewWindowFree) {
    Screen bar = {"button bar", barButtons()};
    checkScreen(bar);
    // The bar stands on the menu tab; both lie 99.4 from the eye, so the
    // buttons must be nearer than the tab's faces, and clear of the window
    // (x -7.5..7.5, z -8..-17 from the tab's origin) that shows the preview.
    Model open = readModel("interface_my.pak", "menu_open");
    Model closed = readModel("interface_my.pak", "menu");
    ASSERT_TRUE(open.parsed && closed.parsed);
    EXPECT_LE(open.bounds.x0, -7.5);
    EXPECT_GE(open.bounds.x1, 7.5);
    EXPECT_LE(open.bounds.z0, -17.0);
    for (const Placement& p : bar.objects) {
        if (std::string(p.entry) == "close") continue;
        SCOPED_TRACE(p.entry);
        Model m = readModel(p.pak, p.entry);
        EXPECT_LT(m.bounds.y1, std::min(open.bounds.y0, closed.bounds.y0) - 0.05);
        EXPECT_GT(m.bounds.y0, -0.05 - 0.5) << "still lies on the tab";
        // In tab coordinates (tab origin 16.85 from the left, 1.2 below the top).
        double x = p.x - 16.85, z = p.z + 1.2;
        double bottom = z + m.bounds.z0 * HOVER;
        EXPECT_GT(bottom, -8.0) << "reaches into the preview window";
        EXPECT_GE(x + m.bounds.x0 * HOVER, open.bounds.x0);
        EXPECT_LE(x + m.bounds.x1 * HOVER, open.bounds.x1);
        // The closed strip stands 5.85 below the top and carries the whole row.
        double zc = p.z + 5.85;
        EXPECT_GE(zc + m.bounds.z0, closed.bounds.z0);
        EXPECT_LE(zc + m.bounds.z1, closed.bounds.z1);
        EXPECT_GE(x + m.bounds.x0, closed.bounds.x0);
        EXPECT_LE(x + m.bounds.x1, closed.bounds.x1);
    }
}

TEST(InterfaceArt, ArrowsStandBesideTheBoardOnTheFrame) {
    // Board: x -10..10, y -6..6 at 40 from the eye; frame and arrows at 40.3.
    Model frame = readModel("interface_my.pak", "puzz_plase");
    ASSERT_TRUE(frame.parsed);
    double scale = 40.3 / 40.0; // the same screen extent at the frame's depth
    EXPECT_LE(frame.bounds.x0, -10 * scale);
    EXPECT_GE(frame.bounds.x1, 10 * scale);
    EXPECT_LE(frame.bounds.z0, -6 * scale);
    EXPECT_GE(frame.bounds.z1, 6 * scale);
    EXPECT_GT(frame.bounds.y0, 0.0) << "the frame must lie behind the arrows";
    const struct {
        const char* entry;
        double x;
    } arrows[] = {{"prev", -11.205}, {"next", 11.297}};
    for (const auto& arrow : arrows) {
        SCOPED_TRACE(arrow.entry);
        Model m = readModel("buttons.pak", arrow.entry);
        ASSERT_TRUE(m.parsed);
        EXPECT_LT(m.bounds.y1, frame.bounds.y0);
        double inner = arrow.x < 0 ? arrow.x + m.bounds.x1 * HOVER : arrow.x + m.bounds.x0 * HOVER;
        EXPECT_GT(std::fabs(inner), 10 * scale) << "the arrow covers the board";
        EXPECT_GT(m.bounds.x1 - m.bounds.x0, 1.8) << "too small to hit";
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
