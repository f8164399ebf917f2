// Every text of every language fits its box.  The art generator reports each
// text it drew (text_<lang>.tsv: the box, the size and line width it chose);
// here each one is laid out again with pango, in the family that language is
// set in, and measured: letters, line spacing and halo inside the box, every
// letter in the font, lines broken only between words, and not shrunk past
// reading.  The languages must draw the same texts in the same boxes as
// English, in their own words, and leave their archives in locale/<lang>/.
#include <gtest/gtest.h>

#include <cairo.h>
#include <pango/pangocairo.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art/art_common.h"
#include "base/platform.h"
#include "resources/photo_library.h"

namespace {

constexpr double OVERSCALE = 100.0;    // as the generator lays text out
constexpr double SMALLEST_SHARE = 0.6; // of the size asked: smaller is too hard to read
constexpr double SLACK = 1e-6;         // rounding of the reported numbers

const char* const TEXT_ARCHIVES[] = {"main_menu.pak", "reclama1.pak",   "select_menu.pak",
                                     "help_menu.pak", "about_menu.pak", "exit_menu.pak",
                                     "break_menu.pak"};

struct DrawnText {
    std::string sheet, text;
    double boxWidth = 0, boxHeight = 0, designSize = 0;
    double size = 0, outline = 0, wrapWidth = 0;
    bool bold = true;
};

struct Report {
    std::string language, family;
    std::vector<DrawnText> texts;
};

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> languages() {
    std::vector<std::string> list;
    std::stringstream all(environment("MEADOW_LANGUAGES"));
    for (std::string code; std::getline(all, code, ',');)
        if (!code.empty()) list.push_back(code);
    return list;
}

Report readReport(const std::string& language) {
    Report report;
    std::ifstream file(environment("MEADOW_TEXT_REPORTS") + "/text_" + language + ".tsv");
    std::string line;
    if (!std::getline(file, line)) return report;
    std::stringstream header(line);
    std::getline(header, report.language, '\t');
    std::getline(header, report.family, '\t');
    while (std::getline(file, line)) {
        std::stringstream row(line);
        DrawnText t;
        std::string field[8];
        for (std::string& f : field)
            std::getline(row, f, '\t');
        std::getline(row, t.text);
        t.sheet = field[0];
        t.boxWidth = std::stod(field[1]);
        t.boxHeight = std::stod(field[2]);
        t.designSize = std::stod(field[3]);
        t.size = std::stod(field[4]);
        t.outline = std::stod(field[5]);
        t.wrapWidth = std::stod(field[6]);
        t.bold = field[7] == "1";
        report.texts.push_back(t);
    }
    return report;
}

// The text laid out as the game's art shows it, measured in drawing units.
struct Measured {
    double width = 0, height = 0;
    int missingGlyphs = 0;
    bool breaksBetweenWords = true;
};

Measured layOut(cairo_t* cr, const std::string& family, const DrawnText& t) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, family.c_str());
    pango_font_description_set_weight(font, t.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, t.size * OVERSCALE * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    if (t.wrapWidth > 0) {
        pango_layout_set_width(layout, (int)(t.wrapWidth * OVERSCALE * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_text(layout, t.text.c_str(), -1);
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout, &ink, &logical);
    double unit = PANGO_SCALE * OVERSCALE;
    Measured m;
    m.width =
        (std::max(ink.x + ink.width, logical.x + logical.width) - std::min(ink.x, logical.x)) /
            unit +
        t.outline;
    m.height =
        (std::max(ink.y + ink.height, logical.y + logical.height) - std::min(ink.y, logical.y)) /
            unit +
        t.outline;
    m.missingGlyphs = pango_layout_get_unknown_glyphs_count(layout);
    for (int i = 1; i < pango_layout_get_line_count(layout); i++) {
        int start = pango_layout_get_line_readonly(layout, i)->start_index;
        char before = start > 0 ? t.text[(size_t)start - 1] : '\0';
        if (before != ' ' && before != '\n' && before != '-') m.breaksBetweenWords = false;
    }
    g_object_unref(layout);
    return m;
}

bool isFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 4;
}

} // namespace

TEST(TextFit, EveryTextOfEveryLanguageFitsItsBox) {
    std::vector<std::string> all = languages();
    ASSERT_GE(all.size(), 9u) << "MEADOW_LANGUAGES names the build's languages";
    all.insert(all.begin(), "en");
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* cr = cairo_create(surface);
    // Unhinted metrics measure the same at any sharpness: this one is a
    // small sheet's, where hinted ones would be rounded the most.
    cairo_scale(cr, 16 / OVERSCALE, 16 / OVERSCALE);
    for (const std::string& language : all) {
        Report report = readReport(language);
        ASSERT_EQ(report.language, language) << "no text report for " << language;
        ASSERT_FALSE(report.texts.empty());
        ASSERT_TRUE(initArtFonts(report.family)) << language;
        for (const DrawnText& t : report.texts) {
            SCOPED_TRACE(language + " " + t.sheet + ": " + t.text);
            Measured m = layOut(cr, report.family, t);
            EXPECT_LE(m.width, t.boxWidth + SLACK);
            EXPECT_LE(m.height, t.boxHeight + SLACK);
            EXPECT_EQ(m.missingGlyphs, 0);
            EXPECT_TRUE(m.breaksBetweenWords);
            EXPECT_GE(t.size, t.designSize * SMALLEST_SHARE);
            EXPECT_LE(t.size, t.designSize + SLACK);
        }
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    ASSERT_TRUE(initArtFonts()); // the other art tests expect Comic Neue
}

TEST(TextFit, EveryLanguageSaysTheSameThingsInItsOwnWords) {
    Report english = readReport("en");
    ASSERT_FALSE(english.texts.empty());
    EXPECT_EQ(english.family, "Comic Neue");
    std::string gameDir = environment("MEADOW_GAME_DIR");
    for (const std::string& language : languages()) {
        SCOPED_TRACE(language);
        Report report = readReport(language);
        ASSERT_EQ(report.texts.size(), english.texts.size());
        int translated = 0, words = 0;
        for (size_t i = 0; i < english.texts.size(); i++) {
            const DrawnText &mine = report.texts[i], &source = english.texts[i];
            EXPECT_EQ(mine.sheet, source.sheet);
            EXPECT_EQ(mine.boxWidth, source.boxWidth);
            EXPECT_EQ(mine.boxHeight, source.boxHeight);
            bool isWord = std::any_of(source.text.begin(), source.text.end(), ::isalpha);
            words += isWord;
            translated += isWord && mine.text != source.text;
        }
        // A few words are the same in many languages ("OK", "Menu", "Info").
        EXPECT_GE(translated, words * 3 / 4);
        for (const char* archive : TEXT_ARCHIVES)
            EXPECT_TRUE(isFile(gameDir + "/locale/" + language + "/" + archive)) << archive;
    }
    // Cyrillic is set in a family that has it.
    EXPECT_EQ(readReport("ru").family, "Comfortaa");
    EXPECT_EQ(readReport("uk").family, "Comfortaa");
}

// The about page tells grown-ups where photos go: the folder it draws must be
// the one the game reads on a usual home (no XDG_DATA_HOME), in every language.
TEST(TextFit, TheAboutPageShowsTheFolderTheGameReadsPhotosFrom) {
    char home[] = "/tmp/meadow_about_home_XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    std::string savedHome = environment("HOME"), savedData = environment("XDG_DATA_HOME");
    setenv("HOME", home, 1);
    unsetenv("XDG_DATA_HOME");
    std::string folder = settingsFolder() + PHOTO_FOLDER_NAME;
    setenv("HOME", savedHome.c_str(), 1);
    if (!savedData.empty()) setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    std::filesystem::remove_all(home);
    ASSERT_EQ(folder.compare(0, std::strlen(home), home), 0) << folder;
    std::string shown = "~" + folder.substr(std::strlen(home));
    if (shown.back() == '/') shown.pop_back();

    std::vector<std::string> all = languages();
    all.insert(all.begin(), "en");
    for (const std::string& language : all) {
        Report report = readReport(language);
        bool found = std::any_of(report.texts.begin(), report.texts.end(), [&](const DrawnText& t) {
            return t.sheet == "fon_about" && t.text == shown;
        });
        EXPECT_TRUE(found) << language << " does not show " << shown;
    }
}
