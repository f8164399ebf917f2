// The program's options, read before anything else happens: from the config
// files (app/config_file.h), then from the command line.
//
// Started from its menu entry the game takes no options; from a terminal a
// parent, a packager or a software centre may ask it what it is
// (--help, --version), start it in a language other than the desktop's
// (--language=uk) or with the child lock (--child-lock).  The first two, and
// every mistake, are answered here and the program ends: no window, no sound
// device, no folder in the home folder, so they work on a machine with no
// display and leave no trace.  The options are GNU's long ones, read by
// getopt_long: "--language uk" works as well as "--language=uk", and so does
// any unambiguous abbreviation ("--lang=uk", "--vers").
//
// One table, OPTIONS, names every option once: its name, the value it
// takes, its line of --help and the setter that writes it into the one
// options record, GameOptions.  getopt's table, --help and the config
// reader are all made from it.  A flag (no value on the command line) takes
// yes or no in a config file: "child-lock = yes".
//
// main() reads the config files into a GameOptions, hands it to
// readCommandLine with the arguments and, when the game is to play, hands
// the record's values down (the language to app/language.h, the lock to the
// click tests); otherwise it prints what readCommandLine wrote and ends
// with its status.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Exit statuses of the answers that end the program.
constexpr int COMMAND_LINE_ANSWERED = 0; // --help, --version
constexpr int COMMAND_LINE_REFUSED = 2;  // an option or a value the game does not know

// Everything the options choose.
struct GameOptions {
    std::string language;   // "de", "pt_BR"; "" = the environment's
    bool childLock = false; // no quick press ends the game or restarts a picture
    bool help = false;      // --help: print the help and end
    bool version = false;   // --version: print the version and end
};

// Writes an option's value into the record; false: the value is not one
// the option takes (`why` then says what it takes).  A flag is given
// "yes" from the command line.
using OptionSetter = bool (*)(GameOptions& options, const std::string& value, std::string& why);

struct OptionRow {
    const char* name;      // the long option, without its dashes
    const char* valueName; // what --help shows for its value; none: a flag
    const char* help;      // its lines of --help (after the name), "\n" between lines
    bool inConfigFile;     // may stand in a config file
    OptionSetter set;
};

extern const OptionRow OPTIONS[];
extern const size_t OPTION_COUNT;

// The row of `name`, or none.
const OptionRow* findOption(const std::string& name);

// What the command line asks for.
struct CommandLine {
    bool play = true;           // false: print `answer` and end with `exitStatus`
    GameOptions options;        // the config files' choices, the command line's over them
    std::string answer;         // help, version or the error, ending in a newline
    bool answerIsError = false; // the answer goes to standard error
    int exitStatus = COMMAND_LINE_ANSWERED;
};

// Read the arguments after the program's name (argv[1] on) over `fromFiles`.
// Touches nothing but getopt's own state.
CommandLine readCommandLine(const std::vector<std::string>& arguments,
                            const GameOptions& fromFiles = GameOptions());
// The --help text.
std::string usageText();
// The --version text.
std::string versionText();
