// The language the game speaks, from --language or LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
#include "app/language.h"

#include <cstdlib>

#include "resources/pak_library.h"

namespace {

constexpr const char* ENGLISH = "en";

// An environment variable, or "" when it is unset.
std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "de" of "de_AT".
std::string languagePart(const std::string& name) {
    return name.substr(0, name.find('_'));
}

// True for the locales that choose no language: "C", "POSIX", "C.UTF-8".
bool isPlainLocale(const std::string& locale) {
    std::string name = locale.substr(0, locale.find('.'));
    return name.empty() || name == "C" || name == "POSIX";
}

} // namespace

std::string commandLineLanguage;

LanguageEnvironment readLanguageEnvironment() {
    return {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"),
            environment("LANG")};
}

std::string matchLanguage(const std::string& localeName) {
    std::string name = localeName.substr(0, localeName.find_first_of(".@"));
    for (const char* known : GAME_LANGUAGES)
        if (name == known) return known;
    std::string language = languagePart(name);
    if (language.empty()) return "";
    for (const char* known : GAME_LANGUAGES)
        if (language == known) return known;
    for (const char* known : GAME_LANGUAGES)
        if (language == languagePart(known)) return known;
    return "";
}

std::string chooseLanguage(const LanguageEnvironment& environment) {
    std::string locale = !environment.lcAll.empty()        ? environment.lcAll
                         : !environment.lcMessages.empty() ? environment.lcMessages
                                                           : environment.lang;
    if (isPlainLocale(locale)) return ENGLISH;
    if (environment.language.empty()) {
        std::string match = matchLanguage(locale);
        return match.empty() ? ENGLISH : match;
    }
    const std::string& list = environment.language;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        std::string match = matchLanguage(list.substr(start, end - start));
        if (!match.empty()) return match;
        start = end + 1;
    }
    return ENGLISH;
}

void useEnvironmentLanguage() {
    std::string language = !commandLineLanguage.empty() ? commandLineLanguage
                                                        : chooseLanguage(readLanguageEnvironment());
    thePakLibrary.setLanguage(language == ENGLISH ? "" : language);
}
