// The program's entry point: the options first (app/command_line.h), then
// the game.  --help, --version and a mistake end here, before the game
// touches the display, the sound device or the home folder.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_main.h"
#include "app/language.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; i++)
        arguments.push_back(argv[i]);
    CommandLine wanted = readCommandLine(arguments);
    if (!wanted.play) {
        std::fputs(wanted.answer.c_str(), wanted.answerIsError ? stderr : stdout);
        return wanted.exitStatus;
    }
    commandLineLanguage = wanted.language;
    return gameMain();
}
