// The language the game speaks: chosen once at start-up, from the command
// line's --language when it gave one (app/command_line.h), else from the
// environment.
//
// The game's words are pictures in its text archives; besides the English
// ones beside the program, the build draws a copy of each text archive per
// language into locale/<lang>/ (thePakLibrary opens that copy when there is
// one).  This module picks <lang> the way gettext would, by reading the
// variables itself, so that it works on a machine where the family's locale
// was never generated:
//   - the locale is LC_ALL, else LC_MESSAGES, else LANG (the first set and
//     not empty); none, "C", "POSIX" or "C.<codeset>" mean English;
//   - otherwise LANGUAGE, a list like "fr_CA:fr:en", comes first when set:
//     its first entry that the game speaks wins, and when none does, English
//     (as gettext does: it then shows the untranslated text);
//   - without LANGUAGE, the locale's own language.
// An entry matches with its codeset and modifier dropped ("de_AT.UTF-8@euro"
// is de_AT): the same language and country, else the plain language, else
// the one version of that language the game ships ("de_AT" is de, "pt_PT"
// and "pt" are pt_BR).  English, and anything the game does not speak, gives
// "en", whose archives are the default ones.
//
// The game reads no other environment variables but the XDG paths (base/platform.h).
#pragma once

#include <string>

// Every language the game ships, as named in po/LINGUAS, and English.
inline constexpr const char* GAME_LANGUAGES[] = {
    "en", "de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru", "uk",
};

// The language --language chose ("uk"), or "" to take the environment's.
// Set by main() before the game starts; read by useEnvironmentLanguage.
extern std::string commandLineLanguage;

// The four variables as the process found them ("" when unset).
struct LanguageEnvironment {
    std::string language;   // LANGUAGE: priority list, colon-separated
    std::string lcAll;      // LC_ALL
    std::string lcMessages; // LC_MESSAGES
    std::string lang;       // LANG
};

// Read LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
LanguageEnvironment readLanguageEnvironment();
// The game's language for that environment: "en", "de", "pt_BR", ...
std::string chooseLanguage(const LanguageEnvironment& environment);
// The game's language for one locale name ("de_AT.UTF-8"), or "" when it speaks none.
std::string matchLanguage(const std::string& localeName);
// Choose the language (the command line's, else the environment's) and
// point the archive library at it.
void useEnvironmentLanguage();
