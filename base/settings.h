// Settings: the few choices and the progress the game keeps between runs.
//
// Read once at start-up into *theSettings, changed freely while the game
// runs, written only when the game is left through its own exit paths
// (saveSettingsAndQuit).  A missing or damaged file means the defaults.
//
// File (little-endian, no padding):
//   int32 version (always 1), uint32 L, L reserved bytes (skipped),
//   showWelcome, menuHidden, soundOn, musicOn (one byte each),
//   pictureDone[10] (int32 each), bigPuzzle (int32).   56 bytes when L = 0.
//
// NOTE: the file is written to a temporary file in the same folder, flushed
// and renamed over the old one, so a crash or a full disk mid-write keeps
// the previous progress.  Flag bytes other than 0 read as on and are written
// back as 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

constexpr int PICTURE_COUNT = 10;
constexpr const char* SETTINGS_FILE_NAME = "marbleyardstudio_meadow_mosaics_cfg";
constexpr size_t SETTINGS_FILE_SIZE = 56;

struct Settings {
    bool showWelcome;                 // open the welcome dialog at start-up
    bool menuHidden;                  // the corner tab is closed
    bool soundOn;                     // sound effects
    bool musicOn;                     // music
    int32_t pictureDone[PICTURE_COUNT]; // 1 = picture completed
    int32_t bigPuzzle;                // 0 = 20 pieces, 1 = 48 pieces

    Settings();                             // defaults
    explicit Settings(std::istream& input); // read; defaults when bad
    void write(std::ostream& output) const; // the 56-byte layout
    void resetToDefaults();
};

extern Settings* theSettings;     // created at start-up, lives for the run
extern std::string settingsPath;  // full path, "" when no folder could be had

// Parse settings bytes; false (and defaults in out) when they are not valid.
bool readSettingsBytes(const uint8_t* data, size_t size, Settings& out);

// Start-up: find the path (platform settings folder) and read the file.
void loadSettings();
// Write *theSettings to settingsPath atomically; false when it could not.
bool saveSettings();
// The same for any record and path (tests).
bool writeSettingsFile(const Settings& settings, const std::string& path);
