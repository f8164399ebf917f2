// libFuzzer target: config file text, through readConfigText; whatever it
// holds, every problem names the file and a line that exists, and the
// options come out as one of the values the options take.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/config_file.h"
#include "app/language.h"

// The option table's language check, without the archive library the
// language module also tells: the game's names exactly.
std::string matchLanguage(const std::string& name) {
    for (const char* known : GAME_LANGUAGES)
        if (name == known) return known;
    return "";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text((const char*)data, size);
    GameOptions options;
    std::vector<std::string> problems;
    readConfigText(text, "f", options, problems);
    size_t lines = 1;
    for (char c : text)
        lines += c == '\n';
    for (const std::string& problem : problems) {
        if (problem.rfind("f:", 0) != 0) std::abort();
        size_t line = std::strtoul(problem.c_str() + 2, nullptr, 10);
        if (line < 1 || line > lines) std::abort();
    }
    if (problems.size() > lines) std::abort();
    if (options.help || options.version) std::abort(); // the file may not ask them
    return 0;
}
