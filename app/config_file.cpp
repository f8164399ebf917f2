// The config files: found through the XDG variables, read line by line.
#include "app/config_file.h"

#include <cstdlib>
#include <fstream>

namespace {

// Blanks at either end off.
std::string trimmed(const std::string& text) {
    size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string::npos) return "";
    size_t to = text.find_last_not_of(" \t\r");
    return text.substr(from, to - from + 1);
}

// Well-formed UTF-8 with no control character but a tab.
bool isText(const std::string& line) {
    size_t i = 0;
    while (i < line.size()) {
        unsigned char c = (unsigned char)line[i];
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7f) return false;
            ++i;
            continue;
        }
        size_t more = c >= 0xc2 && c <= 0xdf   ? 1
                      : c >= 0xe0 && c <= 0xef ? 2
                      : c >= 0xf0 && c <= 0xf4 ? 3
                                               : 0;
        if (more == 0 || i + more >= line.size()) return false;
        unsigned char second = (unsigned char)line[i + 1];
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((c == 0xe0 && second < 0xa0) || (c == 0xed && second > 0x9f) ||
            (c == 0xf0 && second < 0x90) || (c == 0xf4 && second > 0x8f))
            return false;
        for (size_t k = 1; k <= more; ++k)
            if (((unsigned char)line[i + k] & 0xc0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

// What is wrong with one line, or "" when it was taken (or is blank or a comment).
std::string takeLine(const std::string& raw, GameOptions& options) {
    if (raw.size() > CONFIG_LINE_MAX)
        return "a line longer than " + std::to_string(CONFIG_LINE_MAX) + " bytes";
    if (!isText(raw)) return "not text";
    std::string line = trimmed(raw);
    if (line.empty() || line[0] == '#') return "";
    size_t equals = line.find('=');
    if (equals == std::string::npos) return "no '=' (lines are \"name = value\")";
    std::string name = trimmed(line.substr(0, equals));
    std::string value = trimmed(line.substr(equals + 1));
    const OptionRow* row = findOption(name);
    if (!row) return "unknown name '" + name + "'";
    if (!row->inConfigFile) return "'" + name + "' is for the command line only";
    std::string why;
    if (!row->set(options, value, why)) return "'" + name + "' " + why;
    return "";
}

// A variable's value, or "" when it is unset or empty.
std::string valueOf(const char* variable) {
    return variable ? std::string(variable) : std::string();
}

} // namespace

std::vector<std::string> configFilePaths(const char* configDirs, const char* configHome,
                                         const char* home) {
    std::vector<std::string> folders;
    std::string dirs = valueOf(configDirs);
    if (dirs.empty()) dirs = "/etc/xdg";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string folder = dirs.substr(start, end - start);
        // Relative folders are not allowed by the XDG rules: skipped.
        if (!folder.empty() && folder[0] == '/') folders.insert(folders.begin(), folder);
        start = end + 1;
    }
    std::string userFolder = valueOf(configHome);
    if (userFolder.empty() || userFolder[0] != '/') {
        std::string homeFolder = valueOf(home);
        userFolder = homeFolder.empty() || homeFolder[0] != '/' ? "" : homeFolder + "/.config";
    }
    if (!userFolder.empty()) folders.push_back(userFolder);
    std::vector<std::string> paths;
    for (const std::string& folder : folders)
        paths.push_back(folder + "/" + CONFIG_FILE_NAME);
    return paths;
}

void readConfigText(const std::string& text, const std::string& fileName, GameOptions& options,
                    std::vector<std::string>& problems) {
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string why = takeLine(text.substr(start, end - start), options);
        if (!why.empty())
            problems.push_back(fileName + ":" + std::to_string(number) + ": " + why + "; skipped");
        start = end + 1;
    }
}

GameOptions readConfigFiles(std::vector<std::string>& problems) {
    GameOptions options;
    for (const std::string& path : configFilePaths(
             std::getenv("XDG_CONFIG_DIRS"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))) {
        std::ifstream file(path, std::ios::binary);
        if (!file) continue;
        std::string text(CONFIG_FILE_MAX + 1, '\0');
        file.read(&text[0], (std::streamsize)text.size());
        if (file.bad()) continue; // a folder or an unreadable file: silent
        text.resize((size_t)file.gcount());
        if (text.size() > CONFIG_FILE_MAX) {
            text.resize(CONFIG_FILE_MAX);
            text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n'));
            problems.push_back(path + ": longer than " + std::to_string(CONFIG_FILE_MAX) +
                               " bytes; the rest is skipped");
        }
        readConfigText(text, path, options, problems);
    }
    return options;
}
