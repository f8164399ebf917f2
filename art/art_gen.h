// The art generator: draws every picture, model and sound of the game and
// writes the .pak archives the game opens, into one output folder.
// Each builder writes its own archives; main.cpp runs them all.
#pragma once

#include <string>

// The ten pictures: "puzzle*.pak", "puzzle_v2*.pak", "common*.pak",
// "plases*.pak", "plases_v2*.pak", "puzzle_sh*.pak", "puzzle_v2_sh*.pak".
bool buildPictureArchives(const std::string& outDir);

// The farm, sea and space sets, each picture once as a JPEG: "set_farm.pak",
// "set_sea.pak", "set_space.pak" (puzzle/picture_sets.h).
bool buildSetArchives(const std::string& outDir);
// Interface and dialogs: "interface_my.pak", "buttons.pak", "main_menu.pak",
// "reclama1.pak", "select_menu.pak", "help_menu.pak", "about_menu.pak",
// "exit_menu.pak", "break_menu.pak".
bool buildInterfaceArchives(const std::string& outDir);

// Only the interface archives with words in them, in the run's language
// (art/art_language.h): "main_menu.pak", "reclama1.pak", "select_menu.pak",
// "help_menu.pak", "about_menu.pak", "exit_menu.pak", "break_menu.pak".
bool buildTextArchives(const std::string& outDir);

// Sounds: "music.pak" and "sound.pak".
bool buildSoundArchives(const std::string& outDir);
