// The art's own reader of compiled message catalogues, and the language a
// run of the generator draws in: catalogues written here in both byte
// orders, damaged ones, and the build's real ones.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "art/art_language.h"
#include "art/message_catalogue.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Entries = std::vector<std::pair<std::string, std::string>>;

void putWord(Bytes& bytes, size_t at, uint32_t value, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = (uint8_t)(value >> (bigEndian ? 24 - 8 * i : 8 * i));
}

// A catalogue laid out as msgfmt lays it out: header, both tables, then the
// strings, each closed by a NUL.  Entries must come sorted, as msgfmt sorts them.
Bytes moFile(const Entries& entries, bool bigEndian = false) {
    uint32_t count = (uint32_t)entries.size();
    uint32_t originals = 28, translations = originals + 8 * count;
    Bytes bytes(translations + 8 * count);
    putWord(bytes, 0, 0x950412de, bigEndian);
    putWord(bytes, 8, count, bigEndian);
    putWord(bytes, 12, originals, bigEndian);
    putWord(bytes, 16, translations, bigEndian);
    for (int column = 0; column < 2; ++column) {
        for (uint32_t i = 0; i < count; ++i) {
            const std::string& text = column == 0 ? entries[i].first : entries[i].second;
            uint32_t table = column == 0 ? originals : translations;
            putWord(bytes, table + 8 * i, (uint32_t)text.size(), bigEndian);
            putWord(bytes, table + 8 * i + 4, (uint32_t)bytes.size(), bigEndian);
            bytes.insert(bytes.end(), text.begin(), text.end());
            bytes.push_back(0);
        }
    }
    return bytes;
}

const Entries GERMAN = {
    {"", "Project-Id-Version: test\nLanguage: de\nContent-Type: text/plain; charset=UTF-8\n"},
    {"Click a piece", "Tipp ein Teil an"},
    {"Great!", "Toll!"},
    {std::string("One piece\0%s pieces", 19), std::string("Ein Teil\0%s Teile", 17)},
    {"Untranslated", ""},
    {"menu\4Yes", "Ja"},
};

bool read(const Bytes& bytes, MessageCatalogue& catalogue, std::string& error) {
    return readMessageCatalogue(bytes.data(), bytes.size(), catalogue, error);
}

TEST(MessageCatalogue, ReadsBothByteOrdersAlike) {
    for (bool bigEndian : {false, true}) {
        MessageCatalogue catalogue;
        std::string error;
        ASSERT_TRUE(read(moFile(GERMAN, bigEndian), catalogue, error)) << error;
        EXPECT_EQ(catalogueHeaderField(catalogue, "Language"), "de");
        EXPECT_EQ(catalogueHeaderField(catalogue, "Content-Type"), "text/plain; charset=UTF-8");
        EXPECT_EQ(catalogueHeaderField(catalogue, "Plural-Forms"), "");
        // An empty translation is no translation; a plural keeps its
        // singular; a context stays joined to its text.
        std::map<std::string, std::string> expected = {{"Click a piece", "Tipp ein Teil an"},
                                                       {"Great!", "Toll!"},
                                                       {"One piece", "Ein Teil"},
                                                       {"menu\4Yes", "Ja"}};
        EXPECT_EQ(catalogue.texts, expected) << (bigEndian ? "big-endian" : "little-endian");
    }
}

TEST(MessageCatalogue, RefusesEveryDamagedShape) {
    Bytes good = moFile(GERMAN);
    MessageCatalogue catalogue;
    std::string error;
    // Cut short anywhere before the last string's NUL.
    for (size_t size = 0; size < good.size(); ++size) {
        Bytes cut(good.begin(), good.begin() + size);
        EXPECT_FALSE(read(cut, catalogue, error)) << "cut to " << size << " bytes";
        EXPECT_TRUE(catalogue.texts.empty() && catalogue.header.empty());
    }
    auto damaged = [&](size_t at, uint32_t value) {
        Bytes bytes = good;
        putWord(bytes, at, value, false);
        return bytes;
    };
    const std::pair<const char*, Bytes> shapes[] = {
        {"bad magic", damaged(0, 0x12345678)},
        {"unknown revision", damaged(4, 2u << 16)},
        {"huge count", damaged(8, 0xffffffff)},
        {"originals past the end", damaged(12, (uint32_t)good.size())},
        {"translations at the top of the range", damaged(16, 0xfffffff8)},
        {"a length past the end", damaged(28 + 8, 0xffffffff)},
        {"an offset past the end", damaged(28 + 8 + 4, 0xfffffffe)},
        {"a string without its NUL", damaged(28 + 8, 14)},
    };
    for (const auto& [name, bytes] : shapes) {
        EXPECT_FALSE(read(bytes, catalogue, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_TRUE(catalogue.texts.empty()) << name;
    }
    // Minor revisions and trailing bytes (the hash table msgfmt adds) are fine.
    Bytes longer = damaged(4, 1);
    longer.resize(longer.size() + 64, 0xee);
    EXPECT_TRUE(read(longer, catalogue, error)) << error;
}

// A run of the generator reads the build's catalogue, refuses one that is
// missing or names another language, and lists what it could not translate.
TEST(MessageCatalogue, ArtLanguageFailsRatherThanDrawEnglish) {
    char folder[] = "/tmp/meadow_catalogue_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string localeDir = folder;
    auto write = [&](const std::string& language, const Bytes& bytes) {
        std::string dir = localeDir + "/" + language + "/LC_MESSAGES";
        ASSERT_EQ(std::system(("mkdir -p " + dir).c_str()), 0);
        std::FILE* file = std::fopen(catalogueFile(language, localeDir).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    };
    write("de", moFile(GERMAN, true));
    write("fr", moFile(GERMAN));
    Bytes cut = moFile(GERMAN);
    cut.resize(cut.size() / 2);
    write("es", cut);

    EXPECT_FALSE(useArtLanguage("fr", localeDir)); // German words under fr/
    EXPECT_FALSE(useArtLanguage("es", localeDir)); // damaged
    EXPECT_FALSE(useArtLanguage("it", localeDir)); // none at all
    EXPECT_FALSE(useArtLanguage("xx", localeDir)); // no such language
    ASSERT_TRUE(useArtLanguage("de", localeDir));
    EXPECT_EQ(tr("Click a piece"), "Tipp ein Teil an");
    EXPECT_EQ(trFormat("Great!", "x"), "Toll!");
    EXPECT_TRUE(untranslatedArtTexts().empty());
    EXPECT_EQ(tr("Untranslated"), "Untranslated");
    EXPECT_EQ(tr("Untranslated"), "Untranslated");
    EXPECT_EQ(untranslatedArtTexts(), std::vector<std::string>{"Untranslated"});
    ASSERT_TRUE(useArtLanguage("en", localeDir));
    EXPECT_EQ(tr("Untranslated"), "Untranslated");
    EXPECT_TRUE(untranslatedArtTexts().empty());
    std::system(("rm -rf " + localeDir).c_str());
}

// The catalogues this build compiled from po/ with msgfmt.
TEST(MessageCatalogue, ReadsTheBuildsCatalogues) {
    const char* localeDir = std::getenv("MEADOW_LOCALE_DIR");
    const char* languages = std::getenv("MEADOW_LANGUAGES");
    if (!localeDir || !languages) GTEST_SKIP() << "MEADOW_LOCALE_DIR or MEADOW_LANGUAGES unset";
    std::string list = languages;
    int count = 0;
    for (size_t at = 0; at < list.size();) {
        size_t end = list.find(',', at);
        if (end == std::string::npos) end = list.size();
        std::string language = list.substr(at, end - at);
        at = end + 1;
        ASSERT_TRUE(useArtLanguage(language, localeDir)) << language;
        EXPECT_NE(tr("Click a piece"), "Click a piece") << language;
        EXPECT_TRUE(untranslatedArtTexts().empty()) << language;
        ++count;
    }
    EXPECT_GE(count, 9);
    useArtLanguage("en", localeDir);
}

} // namespace
