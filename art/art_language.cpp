// The language of the interface's words, from the build's compiled catalogues.
#include "art/art_language.h"

#include <cstdio>

#include "art/art_common.h"
#include "art/message_catalogue.h"

namespace {

// A language the art is drawn in, and the family its letters are set in.
struct ArtLanguage {
    const char* code;   // catalogue name: po/<code>.po
    const char* family; // font family
};

// Every language the game ships; po/LINGUAS lists the same (less English).
constexpr ArtLanguage ART_LANGUAGES[] = {
    {"en", COMIC_NEUE}, {"de", COMIC_NEUE},    {"fr", COMIC_NEUE}, {"es", COMIC_NEUE},
    {"it", COMIC_NEUE}, {"pt_BR", COMIC_NEUE}, {"pl", COMIC_NEUE}, {"nl", COMIC_NEUE},
    {"ru", COMFORTAA},  {"uk", COMFORTAA},
};

std::string runLanguage = "en";
// The run's catalogue; empty for English.
MessageCatalogue runCatalogue;
// Each English text asked for that the catalogue does not translate.
std::vector<std::string> untranslatedTexts;

const ArtLanguage* findLanguage(const std::string& code) {
    for (const ArtLanguage& language : ART_LANGUAGES)
        if (code == language.code) return &language;
    return nullptr;
}

} // namespace

bool useArtLanguage(const std::string& language, const std::string& localeDir) {
    if (!findLanguage(language)) {
        std::fprintf(stderr, "art_gen: no language \"%s\" is known\n", language.c_str());
        return false;
    }
    runLanguage = language;
    runCatalogue = MessageCatalogue();
    untranslatedTexts.clear();
    if (language == "en") return true;
    std::string path = catalogueFile(language, localeDir), error;
    if (!loadMessageCatalogue(path, runCatalogue, error)) {
        std::fprintf(stderr, "art_gen: no catalogue for \"%s\": %s\n", language.c_str(),
                     error.c_str());
        return false;
    }
    // A catalogue of another language, or one without its header, would
    // draw the wrong words or English ones.
    std::string named = catalogueHeaderField(runCatalogue, "Language");
    if (named != language) {
        std::fprintf(stderr, "art_gen: %s is the catalogue of \"%s\", not \"%s\"\n", path.c_str(),
                     named.c_str(), language.c_str());
        return false;
    }
    return true;
}

std::string catalogueFile(const std::string& language, const std::string& localeDir) {
    return localeDir + "/" + language + "/LC_MESSAGES/" + TEXT_DOMAIN + ".mo";
}

const std::vector<std::string>& untranslatedArtTexts() {
    return untranslatedTexts;
}

const std::string& artLanguage() {
    return runLanguage;
}

const char* languageFontFamily(const std::string& language) {
    const ArtLanguage* known = findLanguage(language);
    return known ? known->family : COMIC_NEUE;
}

std::string tr(const char* english) {
    if (runLanguage == "en") return english;
    auto found = runCatalogue.texts.find(english);
    if (found != runCatalogue.texts.end()) return found->second;
    // Drawn in English it would pass unnoticed on a non-English screen.
    bool noted = false;
    for (const std::string& text : untranslatedTexts)
        noted = noted || text == english;
    if (!noted) untranslatedTexts.push_back(english);
    return english;
}

std::string trFormat(const char* english, const std::string& value) {
    std::string text = tr(english);
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}
