// Photo progress: which of the family's photos have been finished, kept in
// a file of its own beside the settings file (the settings file keeps its
// 56 bytes for the bundled pictures).
//
// A photo is known by its file name (bytes, as in the folder) and its size
// in bytes, so a new photo saved under an old name starts unfinished.
// Finished photos that have left the folder stay in the file: when they
// come back they are still finished.  The shell loads the file at start-up
// into thePhotoProgress; the board marks a photo finished when its last
// piece lands, and restart-all clears the record; each change is written at
// once, atomically (a temporary file renamed over the old one).
//
// File (little-endian): int32 version (1), uint32 count N, then N records:
//   uint32 name length L (1..255), L name bytes, uint64 file size.
// A missing or damaged file means no photo is finished.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr const char* PHOTO_PROGRESS_FILE_NAME = "meadow_mosaics_photos";
constexpr size_t PHOTO_PROGRESS_MAX_RECORDS = 10000; // older records drop off past this

struct PhotoProgress {
    std::vector<std::string> names; // finished photos' file names
    std::vector<uint64_t> sizes;    // and their sizes, same order

    bool isDone(const std::string& name, uint64_t size) const;
    void markDone(const std::string& name, uint64_t size); // once per photo
    void markUndone(const std::string& name, uint64_t size);
    void clear();
};

extern PhotoProgress thePhotoProgress; // loaded at start-up, lives for the run
extern std::string photoProgressPath;  // full path, "" when there is no folder

// Parse the file's bytes; false (and nothing finished) when they are not valid.
bool readPhotoProgressBytes(const uint8_t* data, size_t size, PhotoProgress& out);
// The file's bytes for a record.
std::vector<uint8_t> encodePhotoProgress(const PhotoProgress& progress);

// Start-up: the path in `folder` (trailing '/', beside the settings) and the file read.
void loadPhotoProgress(const std::string& folder);
// Write thePhotoProgress to photoProgressPath atomically; false when it could not.
bool savePhotoProgress();
