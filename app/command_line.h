// The program's options, read before anything else happens.
//
// Started from its menu entry the game takes no options; from a terminal a
// parent, a packager or a software centre may ask it what it is
// (--help, --version) or start it in a language other than the desktop's
// (--language=uk).  The first two, and every mistake, are answered here and
// the program ends: no window, no sound device, no folder in the home
// folder, so they work on a machine with no display and leave no trace.
// The options are GNU's long ones, read by getopt_long: "--language uk"
// works as well as "--language=uk", and so does any unambiguous
// abbreviation ("--lang=uk", "--vers").
//
// main() reads the options with readCommandLine and, when the game is to
// play, hands the chosen language to app/language.h; otherwise it prints
// what readCommandLine wrote and ends with its status.
#pragma once

#include <string>
#include <vector>

// Exit statuses of the answers that end the program.
constexpr int COMMAND_LINE_ANSWERED = 0; // --help, --version
constexpr int COMMAND_LINE_REFUSED = 2;  // an option or a language the game does not know

// What the command line asks for.
struct CommandLine {
    bool play = true;           // false: print `answer` and end with `exitStatus`
    std::string language;       // --language's choice ("de", "pt_BR"); "" = the environment's
    std::string answer;         // help, version or the error, ending in a newline
    bool answerIsError = false; // the answer goes to standard error
    int exitStatus = COMMAND_LINE_ANSWERED;
};

// Read the arguments after the program's name (argv[1] on).  Touches
// nothing but getopt's own state.
CommandLine readCommandLine(const std::vector<std::string>& arguments);
// The --help text.
std::string usageText();
// The --version text.
std::string versionText();
