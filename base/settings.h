// Settings: the few choices and the progress the game keeps between runs.
//
// Read once at start-up into *theSettings and changed freely while the game
// runs (a picture finished or restarted, the puzzle size, the sound and
// music switches, the welcome and the preview tab).  At the end of every
// frame saveSettingsIfChanged compares the record with what the file was
// last given and, when they differ, hands it to a writer thread: a slow disk
// never holds up a frame, and however the game ends nothing that changed is
// waiting to be saved but the write under way (the exits wait for it with
// finishSettingsWrites).  A missing or damaged file means the defaults.
//
// A save that fails (read-only folder, full disk, a folder in the file's
// place) prints one line on stderr with the path and the reason, and the
// game goes on; settingsAreSaved tells the exit dialog whether it may say
// that the pictures are kept.
//
// One copy of the game at a time: the first holds an flock on a lock file
// in the settings folder for its whole run (claimSettingsFolder); a second
// copy finds it taken and ends before it could overwrite the first one's
// progress with its own.
//
// File (little-endian, no padding):
//   int32 version (always 1), uint32 L, L reserved bytes (skipped),
//   showWelcome, menuHidden, soundOn, musicOn (one byte each),
//   pictureDone[10] (int32 each), bigPuzzle (int32).   56 bytes when L = 0.
//
// NOTE: the file is written to a temporary file in the same folder, flushed
// and renamed over the old one, so a crash or a full disk mid-write keeps
// the previous progress.  Flag bytes other than 0 read as on; a picture is
// done only at 1 and a size only at one of its codes (any other value is the
// 48-piece size); so what is written
// back is always 0 or 1.  Only a regular file is read, and never more of it
// than the header and the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

constexpr int PICTURE_COUNT = 10;
// `bigPuzzle` holds a puzzle size's code (puzzle/puzzle_sizes.h), below this;
// a file holding any other value reads as the 48-piece size's code.
constexpr int32_t PUZZLE_SIZE_CODES = 4;
constexpr int32_t BIG_PUZZLE_CODE = 1;
constexpr const char* SETTINGS_FILE_NAME = "marbleyardstudio_meadow_mosaics_cfg";
constexpr const char* SETTINGS_LOCK_NAME = "running.lock";
constexpr size_t SETTINGS_FILE_SIZE = 56;
constexpr int SETTINGS_WRITE_PATIENCE_MS = 800; // longest wait for a write under way

struct Settings {
    bool showWelcome;                 // open the welcome dialog at start-up
    bool menuHidden;                  // the corner tab is closed
    bool soundOn;                     // sound effects
    bool musicOn;                     // music
    int32_t pictureDone[PICTURE_COUNT]; // 1 = picture completed
    int32_t bigPuzzle;                  // puzzle size: 0 = 20, 1 = 48, 2 = 6, 3 = 12 pieces

    Settings();                             // defaults
    void write(std::ostream& output) const; // the 56-byte layout
    void resetToDefaults();
};

extern Settings* theSettings;     // created at start-up, lives for the run
extern std::string settingsPath;  // full path, "" when no folder could be had

// Parse settings bytes; false (and defaults in out) when they are not valid.
bool readSettingsBytes(const uint8_t* data, size_t size, Settings& out);

// Read a settings file; false (and the defaults) when it is missing, not a
// regular file or not valid.  Never blocks and never reads more than the
// header and the record, whatever the reserved length says.
bool readSettingsFile(const std::string& path, Settings& out);
// Start-up: find the path (platform settings folder) and read the file.
void loadSettings();
// Write *theSettings to settingsPath atomically, now; false when it could not.
bool saveSettings();
// Once a frame: hand *theSettings to the writer thread if it changed.
void saveSettingsIfChanged();
// Wait (at most timeoutMs) until every record handed over is written;
// false when a write is still under way.
bool finishSettingsWrites(int timeoutMs = SETTINGS_WRITE_PATIENCE_MS);
// True when the file holds the record as it is now; after a failed save it
// tries once more first.  Waits for the writer (the exit dialog asks).
bool settingsAreSaved();
// Take the settings folder's lock; false when another copy holds it.  No
// folder, or a read-only one without a lock file: true (nothing to guard).
bool claimSettingsFolder();
void releaseSettingsFolder();
// The same for any record and path; the errno of a failure in *error.
bool writeSettingsFile(const Settings& settings, const std::string& path, int* error = nullptr);
