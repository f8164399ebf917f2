// The config files: the options a home or a school sets once.
//
// meadow_mosaics/meadow_mosaics.conf is read from every folder of
// $XDG_CONFIG_DIRS (default /etc/xdg), the least important first (the list
// names the most important first), and then from $XDG_CONFIG_HOME (default
// ~/.config); a later file overrides an earlier one, and the command line
// (app/command_line.h) overrides them all.  A school puts one file in
// /etc/xdg for every account; a family may keep its own in ~/.config.
//
// A file is lines of "name = value", with "#" comment lines and blank
// lines; the names are the long options without their dashes, the values
// those the options take ("child-lock = yes", "language = de").  A bad line
// (an unknown name, an option the file may not set, a bad value, no "=",
// bytes that are not UTF-8 text, a line over CONFIG_LINE_MAX bytes) becomes
// one problem naming the file and the line, and is skipped: the game always
// starts, whatever a file holds.  A missing or unreadable file is silent.
// The game never writes one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/command_line.h"

constexpr size_t CONFIG_LINE_MAX = 4096;       // bytes, without its newline
constexpr size_t CONFIG_FILE_MAX = 256 * 1024; // bytes read of one file; the rest is a problem
constexpr const char* CONFIG_FILE_NAME = "meadow_mosaics/meadow_mosaics.conf";

// The files to read, in order, from the variables' values (none: unset)
// and the home folder.
std::vector<std::string> configFilePaths(const char* configDirs, const char* configHome,
                                         const char* home);
// One file's text over `options`; each bad line adds "FILE:LINE: why" to `problems`.
void readConfigText(const std::string& text, const std::string& fileName, GameOptions& options,
                    std::vector<std::string>& problems);
// Every file of configFilePaths (from the environment) in order.
GameOptions readConfigFiles(std::vector<std::string>& problems);
