// The game's language: chosen from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as
// gettext would, without any locale being generated, and the archive
// library reading a language's copy of an archive only where one exists.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/language.h"
#include "resources/pak_archive.h"
#include "resources/pak_library.h"

namespace {

// LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
LanguageEnvironment env(const char* language, const char* lcAll, const char* lcMessages,
                        const char* lang) {
    return {language, lcAll, lcMessages, lang};
}

} // namespace

TEST(Language, LocaleNamesMatchTheLanguagesTheGameSpeaks) {
    EXPECT_EQ(matchLanguage("de_AT.UTF-8"), "de");
    EXPECT_EQ(matchLanguage("de_DE.utf8@euro"), "de");
    EXPECT_EQ(matchLanguage("fr"), "fr");
    EXPECT_EQ(matchLanguage("pt_BR.UTF-8"), "pt_BR");
    // The one Portuguese the game ships serves every Portuguese.
    EXPECT_EQ(matchLanguage("pt_PT.UTF-8"), "pt_BR");
    EXPECT_EQ(matchLanguage("pt"), "pt_BR");
    EXPECT_EQ(matchLanguage("uk_UA.UTF-8"), "uk");
    EXPECT_EQ(matchLanguage("en_GB.UTF-8"), "en");
    EXPECT_EQ(matchLanguage("ja_JP.UTF-8"), "");
    EXPECT_EQ(matchLanguage(""), "");
    EXPECT_EQ(matchLanguage("_DE"), "");
    EXPECT_EQ(matchLanguage("d"), "");
}

TEST(Language, LocaleVariablesFollowGettextsPrecedence) {
    EXPECT_EQ(chooseLanguage(env("", "", "", "de_DE.UTF-8")), "de");
    EXPECT_EQ(chooseLanguage(env("", "", "ru_RU.UTF-8", "de_DE.UTF-8")), "ru");
    EXPECT_EQ(chooseLanguage(env("", "it_IT.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8")), "it");
    // Nothing set, the C locale, or a language the game does not speak: English.
    EXPECT_EQ(chooseLanguage(env("", "", "", "")), "en");
    EXPECT_EQ(chooseLanguage(env("", "", "", "C")), "en");
    EXPECT_EQ(chooseLanguage(env("", "", "", "C.UTF-8")), "en");
    EXPECT_EQ(chooseLanguage(env("", "POSIX", "", "de_DE.UTF-8")), "en");
    EXPECT_EQ(chooseLanguage(env("", "", "", "ja_JP.UTF-8")), "en");
}

TEST(Language, LanguageListComesFirstUnlessTheLocaleIsC) {
    EXPECT_EQ(chooseLanguage(env("nl:de", "", "", "fr_FR.UTF-8")), "nl");
    // Entries the game does not speak are skipped; empty ones too.
    EXPECT_EQ(chooseLanguage(env("ja::pl_PL:de", "", "", "fr_FR.UTF-8")), "pl");
    EXPECT_EQ(chooseLanguage(env("ja:ko", "", "", "fr_FR.UTF-8")), "en");
    EXPECT_EQ(chooseLanguage(env("en_GB:en", "", "", "de_DE.UTF-8")), "en");
    // Under the C locale the list is not read at all.
    EXPECT_EQ(chooseLanguage(env("de", "", "", "C")), "en");
    EXPECT_EQ(chooseLanguage(env("de", "C", "", "fr_FR.UTF-8")), "en");
    EXPECT_EQ(chooseLanguage(env("de", "", "", "")), "en");
}

TEST(Language, TheLibraryReadsALanguagesCopyOnlyWhereOneExists) {
    char pattern[] = "/tmp/meadow_language_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string dir = std::string(pattern) + "/";
    std::filesystem::create_directories(dir + "locale/de");
    PakArchive english, german, sounds;
    english.addEntry("word", "Hello", 5);
    german.addEntry("word", "Hallo", 5);
    sounds.addEntry("word", "none", 4);
    ASSERT_TRUE(english.save(dir + "help_menu.pak"));
    ASSERT_TRUE(german.save(dir + "locale/de/help_menu.pak"));
    ASSERT_TRUE(sounds.save(dir + "sound.pak"));
    // A folder where a copy would be is not a copy.
    std::filesystem::create_directories(dir + "locale/de/sound.pak");

    EXPECT_EQ(languageArchivePath(dir + "help_menu.pak", ""), dir + "help_menu.pak");
    EXPECT_EQ(languageArchivePath(dir + "help_menu.pak", "de"), dir + "locale/de/help_menu.pak");
    EXPECT_EQ(languageArchivePath(dir + "help_menu.pak", "fr"), dir + "help_menu.pak");
    EXPECT_EQ(languageArchivePath(dir + "sound.pak", "de"), dir + "sound.pak");

    PakLibrary library;
    library.setBaseDirectory(dir);
    library.setLanguage("de");
    EntryBytes word = library.entryData("help_menu.pak", "word");
    ASSERT_EQ(word.size, 5u);
    EXPECT_EQ(std::string((const char*)word.bytes, 5), "Hallo");
    EXPECT_EQ(library.entryData("sound.pak", "word").size, 4u);
    // The key is the name the caller gave, whichever copy was read.
    EXPECT_EQ(library.referenceCount("help_menu.pak"), 1);
    library.release("help_menu.pak");
    library.release("sound.pak");
    EXPECT_EQ(library.openCount(), 0);
    std::filesystem::remove_all(dir);
}
