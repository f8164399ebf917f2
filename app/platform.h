// The Linux layer: the few things the game asks of the desktop.
//
//  - where progress is kept: $XDG_DATA_HOME/meadow_mosaics/, or
//    $HOME/.local/share/meadow_mosaics/ (created with its parents);
//  - how SDL must be set up before it starts (environment for sdl12-compat);
//  - opening a web page in the user's browser (xdg-open, never a shell).
#pragma once

#include <string>

// The folder for the settings file, created if missing, with a trailing '/';
// "" when no folder can be had (no HOME): the game then runs on defaults.
std::string settingsFolder();

// Environment sdl12-compat must see before SDL_Init: render straight to the
// window (picking reads back what was drawn), and let SIGINT / SIGTERM end
// the game (SDL would turn them into quit requests, which the game ignores).
void preparePlatformEnvironment();

// Start the desktop's browser on url without waiting; failure is silent.
void openWebPage(const std::string& url);
