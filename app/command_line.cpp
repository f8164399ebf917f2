// The program's options: one table for getopt, --help and the config files.
#include "app/command_line.h"

#include <getopt.h>

#include <iterator>

#include "app/language.h"

#ifndef MEADOW_VERSION
#error "MEADOW_VERSION must be the game's version (CMakeLists.txt defines it)"
#endif

namespace {

constexpr const char* PROGRAM = "meadow_mosaics";
constexpr size_t HELP_COLUMN = 23; // where the options' help starts

// The languages, as the help and the refusal list them.
std::string languageList() {
    std::string list;
    for (const char* known : GAME_LANGUAGES)
        list += std::string(list.empty() ? "" : " ") + known;
    return list;
}

// "yes" or "no" (and their usual spellings); false: neither.
bool readYesNo(const std::string& value, bool& yes, std::string& why) {
    for (const char* word : {"yes", "true", "on", "1"}) {
        if (value != word) continue;
        yes = true;
        return true;
    }
    for (const char* word : {"no", "false", "off", "0"}) {
        if (value != word) continue;
        yes = false;
        return true;
    }
    why = "takes yes or no";
    return false;
}

bool setLanguage(GameOptions& options, const std::string& value, std::string& why) {
    std::string matched = matchLanguage(value);
    if (matched.empty()) {
        why = "no language '" + value + "'; the game speaks " + languageList();
        return false;
    }
    options.language = matched;
    return true;
}

bool setChildLock(GameOptions& options, const std::string& value, std::string& why) {
    return readYesNo(value, options.childLock, why);
}

bool setNoChildLock(GameOptions& options, const std::string& value, std::string& why) {
    bool yes;
    if (!readYesNo(value, yes, why)) return false;
    options.childLock = !yes;
    return true;
}

bool setHelp(GameOptions& options, const std::string& value, std::string& why) {
    return readYesNo(value, options.help, why);
}

bool setVersion(GameOptions& options, const std::string& value, std::string& why) {
    return readYesNo(value, options.version, why);
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

// The options' part of --help: one entry per row, its lines indented.
std::string optionsHelp() {
    std::string text;
    for (size_t i = 0; i < OPTION_COUNT; ++i) {
        const OptionRow& row = OPTIONS[i];
        std::string head = std::string("      --") + row.name;
        if (row.valueName) head += std::string("=") + row.valueName;
        head += std::string(head.size() < HELP_COLUMN ? HELP_COLUMN - head.size() : 1, ' ');
        std::string help = row.help;
        if (std::string(row.name) == "language") help += " " + languageList();
        size_t start = 0;
        while (true) {
            size_t end = help.find('\n', start);
            text += (start == 0 ? head : std::string(HELP_COLUMN, ' ')) +
                    help.substr(start, end == std::string::npos ? end : end - start) + "\n";
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    return text;
}

} // namespace

const OptionRow OPTIONS[] = {
    {"language", "LL", "speak LL instead of the desktop's language; LL is one\nof", true,
     setLanguage},
    {"child-lock", nullptr,
     "a child alone at the computer: the close, restart and\n"
     "restart-all buttons and Escape open their dialog only\n"
     "when held for 3 seconds; no web links; the game keeps\n"
     "the pointer and keyboard while it has the focus",
     true, setChildLock},
    {"no-child-lock", nullptr, "play without the lock, whatever a config file says", true,
     setNoChildLock},
    {"help", nullptr, "show this help and end", false, setHelp},
    {"version", nullptr, "show the version and end", false, setVersion},
};
const size_t OPTION_COUNT = std::size(OPTIONS);

const OptionRow* findOption(const std::string& name) {
    for (const OptionRow& row : OPTIONS)
        if (name == row.name) return &row;
    return nullptr;
}

std::string usageText() {
    return "Usage: " + std::string(PROGRAM) +
           " [--language=LL] [--child-lock]\n"
           "Meadow Mosaics: 3D jigsaw puzzles for young children.  Click a loose\n"
           "piece, then its place on the tray, and the piece flies home.  The game\n"
           "runs full screen; Escape leaves it.\n"
           "\n" +
           optionsHelp() +
           "\n"
           "Keys: Left and Right walk through the pictures, F1 shows the help page,\n"
           "Escape leaves (or closes a dialog), Return takes the dialog's default.\n"
           "Tab or Space shows a ring and moves it, Return acts on what it marks:\n"
           "two switches (Space and Return) or a game pad play the whole game.\n"
           "\n"
           "The child lock's way out for a grown-up: hold Escape (or the mouse button\n"
           "on the close button) for 3 seconds, then answer the question.\n"
           "\n"
           "Config files: every option but --help and --version may stand in\n"
           "meadow_mosaics/meadow_mosaics.conf in each folder of $XDG_CONFIG_DIRS\n"
           "(/etc/xdg) and then in $XDG_CONFIG_HOME (~/.config), one a line,\n"
           "\"name = value\": \"child-lock = yes\", \"language = de\".  A later file\n"
           "overrides an earlier one, the command line overrides both.\n"
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

CommandLine readCommandLine(const std::vector<std::string>& arguments,
                            const GameOptions& fromFiles) {
    // getopt_long reorders and keeps pointers into its array: a copy of our own.
    std::vector<std::string> words = arguments;
    words.insert(words.begin(), PROGRAM);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // getopt's table from ours: each option answers with its row's index.
    std::vector<option> longOptions;
    for (size_t i = 0; i < OPTION_COUNT; ++i)
        longOptions.push_back({OPTIONS[i].name,
                               OPTIONS[i].valueName ? required_argument : no_argument, nullptr,
                               (int)(i + 1) << 8});
    longOptions.push_back({nullptr, 0, nullptr, 0});

    CommandLine wanted;
    wanted.options = fromFiles;
    wanted.options.help = wanted.options.version = false;
    optind = 0; // start afresh (glibc), whatever read the options before
    opterr = 0; // its messages are ours
    int code;
    // "+": stop at the first word that is not an option (it is refused below);
    // ":": a missing value is told apart from an unknown option.
    while ((code = getopt_long((int)words.size(), argv.data(), "+:", longOptions.data(),
                               nullptr)) != -1) {
        size_t row = (size_t)(code >> 8);
        if (row < 1 || row > OPTION_COUNT) return refuseOption(code, argv[optind - 1]);
        std::string why;
        if (!OPTIONS[row - 1].set(wanted.options, optarg ? optarg : "yes", why))
            return refusal(why);
    }
    if (optind < (int)words.size())
        return refusal("unexpected argument '" + std::string(argv[optind]) + "' (see --help)");
    if (wanted.options.help) return answered(usageText());
    if (wanted.options.version) return answered(versionText());
    return wanted;
}
