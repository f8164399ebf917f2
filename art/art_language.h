// The language the interface's words are drawn in.
//
// English is the source: every word the art draws stands in the code in
// English, wrapped in tr() (or trFormat() when a name or number goes into
// it), which is how xgettext finds them for po/meadow_mosaics.pot.  A run of
// art_gen draws in one language: English by default, or the language that
// useArtLanguage sets up from the build's compiled catalogue
// (LOCALE_DIR/<lang>/LC_MESSAGES/meadow_mosaics.mo, read directly by
// art/message_catalogue.h, never through the locale).  Each language also
// names the font family its alphabet is set in.
//
// A text the run's catalogue does not translate is drawn in English and
// listed by untranslatedArtTexts; art_gen then fails, so no language's
// archives ever carry English words by mistake.
//
// Which archives carry words, and so are drawn once per language, is
// TEXT_ARCHIVE_STEPS in art/ui_archives.cpp.
#pragma once

#include <string>
#include <vector>

// The message catalogues' domain: po/<lang>.po compiles to meadow_mosaics.mo.
constexpr const char* TEXT_DOMAIN = "meadow_mosaics";

// Draw this run's words in `language` ("de", "pt_BR"), from the catalogues
// under localeDir; false, with a message, when the language is unknown or
// its catalogue does not load or names another language.
bool useArtLanguage(const std::string& language, const std::string& localeDir);
// Where the build compiled the language's catalogue under localeDir.
std::string catalogueFile(const std::string& language, const std::string& localeDir);
// The English texts asked for so far that the run's catalogue lacks.
const std::vector<std::string>& untranslatedArtTexts();
// The run's language: "en" unless useArtLanguage chose another.
const std::string& artLanguage();
// The font family the language's alphabet is set in.
const char* languageFontFamily(const std::string& language);

// The English text in the run's language.
std::string tr(const char* english);
// The same, with the one "%s" of the text replaced by value (a name or a number
// that stays as it is in every language).
std::string trFormat(const char* english, const std::string& value);
