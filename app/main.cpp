// The program's entry point: the options first (the config files, then the
// command line: app/config_file.h, app/command_line.h), then the game.
// --help, --version and a mistake end here, before the game touches the
// display, the sound device or the home folder; a bad config line is one
// line on standard error and the game plays on.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/config_file.h"
#include "app/game_main.h"
#include "app/language.h"
#include "ui/click_tests.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; i++)
        arguments.push_back(argv[i]);
    std::vector<std::string> problems;
    GameOptions fromFiles = readConfigFiles(problems);
    CommandLine wanted = readCommandLine(arguments, fromFiles);
    if (!wanted.play) {
        std::fputs(wanted.answer.c_str(), wanted.answerIsError ? stderr : stdout);
        return wanted.exitStatus;
    }
    for (const std::string& problem : problems)
        std::fprintf(stderr, "meadow_mosaics: %s\n", problem.c_str());
    commandLineLanguage = wanted.options.language;
    childLock = wanted.options.childLock;
    return gameMain();
}
