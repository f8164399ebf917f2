// The language of the interface's words: gettext over the build's catalogues.
#include "art/art_language.h"

#include <libintl.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "art/art_common.h"

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
    if (language == "en") return true;
    // gettext reads LANGUAGE only under a locale other than "C"; C.UTF-8 is
    // built into the C library, so no locale of the build machine is needed.
    if (!std::setlocale(LC_ALL, "C.UTF-8")) {
        std::fprintf(stderr, "art_gen: the C library has no C.UTF-8 locale\n");
        return false;
    }
    setenv("LANGUAGE", language.c_str(), 1);
    bindtextdomain(TEXT_DOMAIN, localeDir.c_str());
    bind_textdomain_codeset(TEXT_DOMAIN, "UTF-8");
    // The catalogue's header names its language; without the catalogue,
    // gettext would quietly hand back the English.
    const char* header = dgettext(TEXT_DOMAIN, "");
    std::string expected = "Language: " + language + "\n";
    if (!header || !std::strstr(header, expected.c_str())) {
        std::fprintf(stderr, "art_gen: no catalogue for \"%s\" in %s\n", language.c_str(),
                     localeDir.c_str());
        return false;
    }
    return true;
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
    return dgettext(TEXT_DOMAIN, english);
}

std::string trFormat(const char* english, const std::string& value) {
    std::string text = tr(english);
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}
