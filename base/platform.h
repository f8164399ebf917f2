// The Linux layer: the few things the game asks of the desktop.
//
//  - where progress is kept: $XDG_DATA_HOME/meadow_mosaics/, or
//    $HOME/.local/share/meadow_mosaics/ (created with its parents), and
//    how a progress file is replaced without ever losing the old one;
//  - where the archives are: beside the program, in the current folder, or
//    in the installed data folder (../share/meadow_mosaics/ from the program);
//  - how SDL must be set up before it starts (environment for sdl12-compat);
//  - ending cleanly: SIGTERM, SIGINT and SIGHUP only raise a flag the main
//    loop reads, and a lost X display ends the process at once;
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

// The path of an archive (a name such as "buttons.pak", or one with folders
// in it): the first of the folder holding the program (/proc/self/exe), the
// current folder and the installed data folder that has a regular file of
// that name; "" when none has.  An absolute name is taken as it is.
std::string archivePath(const std::string& name);
// The folders archivePath looks in, in its order, for messages.
std::string archiveSearchText();

// Write `size` bytes to `path` through a temporary file beside it, flushed
// and renamed over the old one, so a crash or a full disk part way through
// leaves the previous file intact; false (old file kept, the errno of the
// failure in *error) when it could not.
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         int* error = nullptr);

// Environment sdl12-compat must see before SDL_Init: render straight to the
// window (picking reads back what was drawn), and keep SDL's own SIGINT /
// SIGTERM handlers out (they would become quit requests, which the game
// ignores; catchEndSignals handles them).
void preparePlatformEnvironment();

// SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, the terminal closed) from now
// on only set the flag endRequested reads; the main loop then ends the run.
// SIGPIPE is ignored: a write to a lost display must fail, not kill.
void catchEndSignals();
bool endRequested();
void clearEndRequest(); // tests

// From now on a lost X display (server ended, remote session dropped) runs
// beforeExit and ends the process at once with status 1 and one line on
// stderr.  Xlib's own handler calls exit(), whose library finalisers unload
// sdl12-compat's table of SDL2 functions while SDL2's audio thread still
// calls the game's mixer through it: a crash instead of status 1.  False
// when the video does not run on X11 (nothing to watch).
bool watchDisplayConnection(void (*beforeExit)());

// False when no hardware OpenGL driver can run: no GPU device node under
// deviceRoot (dri/, nvidia0, nvidiactl, dxg) or LIBGL_ALWAYS_SOFTWARE set.
// Mesa then rasterises on the CPU whatever visual is asked for.
bool hardwareGlPossible(const std::string& deviceRoot = "/dev/");

// Very large buffers (the window's buffers) are mapped from the system and
// handed back when freed, at a fixed size limit that glibc does not raise;
// below it (textures, a decoded picture that lives only until its upload)
// the heap's memory is used again and again and its top is kept, so a
// picture switch takes no fresh pages and resident memory does not creep up
// with every switch.  Every thread shares that one heap, whose working size
// is asked for in huge pages (fewer page faults at start-up).  Called once
// at start-up.
void tuneMemoryAllocator();

// Start the desktop's browser on url without waiting; failure is silent.
void openWebPage(const std::string& url);
