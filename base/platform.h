// The Linux layer: the few things the game asks of the desktop.
//
//  - where progress is kept: $XDG_DATA_HOME/meadow_mosaics/, or
//    $HOME/.local/share/meadow_mosaics/ (created with its parents), and
//    how a progress file is replaced without ever losing the old one;
//  - how SDL must be set up before it starts (environment for sdl12-compat);
//  - whether a hardware OpenGL driver could run at all (GPU device nodes);
//  - how the C library's allocator keeps large buffers (start-up);
//  - opening a web page in the user's browser (xdg-open, never a shell).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The folder for the settings file, created if missing, with a trailing '/';
// "" when no folder can be had (no HOME): the game then runs on defaults.
std::string settingsFolder();

// Write `size` bytes to `path` through a temporary file beside it, flushed
// and renamed over the old one, so a crash or a full disk part way through
// leaves the previous file intact; false (old file kept) when it could not.
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size);

// Environment sdl12-compat must see before SDL_Init: render straight to the
// window (picking reads back what was drawn), and let SIGINT / SIGTERM end
// the game (SDL would turn them into quit requests, which the game ignores).
void preparePlatformEnvironment();

// False when no hardware OpenGL driver can run: no GPU device node under
// deviceRoot (dri/, nvidia0, nvidiactl, dxg) or LIBGL_ALWAYS_SOFTWARE set.
// Mesa then rasterises on the CPU whatever visual is asked for.
bool hardwareGlPossible(const std::string& deviceRoot = "/dev/");

// Very large buffers (full-size textures, the window's buffers) are mapped
// from the system and handed back when freed, at a fixed size limit that
// glibc does not raise; below it (a decoded picture lives only until its
// upload) the heap's memory is used again and again and its top is kept, so
// a picture switch takes no fresh pages and resident memory does not creep
// up with every switch.  Every thread shares that one heap.  Called once at
// start-up.
void tuneMemoryAllocator();

// Start the desktop's browser on url without waiting; failure is silent.
void openWebPage(const std::string& url);
