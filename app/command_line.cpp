// The program's options: --help, --version, --language=LL.
#include "app/command_line.h"

#include <getopt.h>

#include "app/language.h"

#ifndef MEADOW_VERSION
#error "MEADOW_VERSION must be the game's version (CMakeLists.txt defines it)"
#endif

namespace {

constexpr const char* PROGRAM = "meadow_mosaics";

// getopt_long's answers for the long options.
enum OptionCode : int {
    OPTION_HELP = 'h',
    OPTION_VERSION = 'V',
    OPTION_LANGUAGE = 'l',
};

constexpr option LONG_OPTIONS[] = {
    {"help", no_argument, nullptr, OPTION_HELP},
    {"version", no_argument, nullptr, OPTION_VERSION},
    {"language", required_argument, nullptr, OPTION_LANGUAGE},
    {nullptr, 0, nullptr, 0},
};

// "+": stop at the first word that is not an option (it is refused below);
// ":": a missing value is told apart from an unknown option.
constexpr const char* SHORT_OPTIONS = "+:";

// The languages, as the help and the refusal list them.
std::string languageList() {
    std::string list;
    for (const char* known : GAME_LANGUAGES)
        list += std::string(list.empty() ? "" : " ") + known;
    return list;
}

// The answer to a mistake: one line on standard error, status 2.
CommandLine refusal(const std::string& line) {
    CommandLine refused;
    refused.play = false;
    refused.answer = std::string(PROGRAM) + ": " + line + "\n";
    refused.answerIsError = true;
    refused.exitStatus = COMMAND_LINE_REFUSED;
    return refused;
}

// A refusal for what getopt_long could not take in `word`.
CommandLine refuseOption(int code, const std::string& word) {
    if (code == ':') return refusal("the option '" + word + "' needs a value (see --help)");
    if (optopt != 0) return refusal("the option '" + word + "' takes no value (see --help)");
    return refusal("unknown option '" + word + "' (see --help)");
}

// An answer that ends the program at once with status 0.
CommandLine answered(const std::string& text) {
    CommandLine answer;
    answer.play = false;
    answer.answer = text;
    return answer;
}

} // namespace

std::string usageText() {
    return "Usage: " + std::string(PROGRAM) +
           " [--language=LL]\n"
           "Meadow Mosaics: 3D jigsaw puzzles for young children.  Click a loose\n"
           "piece, then its place on the tray, and the piece flies home.  The game\n"
           "runs full screen; Escape leaves it.\n"
           "\n"
           "      --language=LL  speak LL instead of the desktop's language; LL is one of\n"
           "                     " +
           languageList() +
           "\n"
           "      --help         show this help and end\n"
           "      --version      show the version and end\n"
           "\n"
           "Keys: Left and Right walk through the pictures, F1 shows the help page,\n"
           "Escape leaves (or closes a dialog), Return takes the dialog's default.\n"
           "Tab or Space shows a ring and moves it, Return acts on what it marks:\n"
           "two switches (Space and Return) or a game pad play the whole game.\n"
           "\n"
           "Your own photos become puzzles too: put JPEG, PNG or BMP files in\n"
           "${XDG_DATA_HOME:-~/.local/share}/meadow_mosaics/pictures/.  Progress is\n"
           "kept in that meadow_mosaics folder.  More in meadow_mosaics(6).\n";
}

std::string versionText() {
    return std::string(PROGRAM) +
           " (Meadow Mosaics) " MEADOW_VERSION "\n"
           "Copyright Marble Yard Studio.  The game is free software under the MIT\n"
           "licence: you may share and change it.  There is NO WARRANTY.\n";
}

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    // getopt_long reorders and keeps pointers into its array: a copy of our own.
    std::vector<std::string> words = arguments;
    words.insert(words.begin(), PROGRAM);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CommandLine wanted;
    bool help = false, version = false;
    optind = 0; // start afresh (glibc), whatever read the options before
    opterr = 0; // its messages are ours
    int code;
    while ((code = getopt_long((int)words.size(), argv.data(), SHORT_OPTIONS, LONG_OPTIONS,
                               nullptr)) != -1) {
        if (code == OPTION_HELP) {
            help = true;
        } else if (code == OPTION_VERSION) {
            version = true;
        } else if (code == OPTION_LANGUAGE) {
            wanted.language = matchLanguage(optarg);
            if (wanted.language.empty())
                return refusal("no language '" + std::string(optarg) + "'; the game speaks " +
                               languageList());
        } else {
            return refuseOption(code, argv[optind - 1]);
        }
    }
    if (optind < (int)words.size())
        return refusal("unexpected argument '" + std::string(argv[optind]) + "' (see --help)");
    if (help) return answered(usageText());
    if (version) return answered(versionText());
    return wanted;
}
