// Photo library: the family's own photos, found in the game's pictures
// folder and offered as puzzles after the bundled pictures.
//
// The shell scans the folder once at start-up (scanPhotoFolder) into
// thePhotoLibrary; the scan reads only each file's first bytes (the
// header, resources/photo_probe.h), so a folder of a thousand photos starts
// as fast as an empty one.  A photo is decoded only when its board is
// built (resources/photo_image.h).
//
// Photos are taken in file-name order (bytes, as the file system has them:
// names need not be UTF-8), at most PHOTO_LIMIT of them.  Hidden files are
// passed over quietly; anything else that is not a readable PNG, JPEG or
// BMP within the decode budget (a folder, a FIFO, a symlink that loops or
// leads nowhere, an empty or damaged file, a 20000 x 20000 picture) is
// skipped with one line on stderr.
//
// A photo is played with the pieces, places, shadows and tray of a bundled
// picture whose archives it borrows: offerPhotoPictures decodes it and
// hands its pictures to thePakLibrary as stand-ins for the borrowed
// archives' picture, pale and preview images (resources/pak_library.h), so
// the board, piece play and completion run unchanged.  One photo is
// offered at a time.  A set picture's JPEG (puzzle/picture_sets.h) is
// offered the same way (offerMadePictures), in the photos' place.
//
// A photo is known by its file name and size: the finished-photo store
// (base/photo_progress.h) keys on the same pair.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/photo_prefetch.h"

constexpr int PHOTO_LIMIT = 100;                       // photos offered at most
constexpr const char* PHOTO_FOLDER_NAME = "pictures/"; // under the game's data folder

struct PhotoEntry {
    std::string fileName;   // bytes as in the folder, no path
    uint64_t fileSize;      // bytes, when scanned
    uint32_t width, height; // stored pixels, from the header
    bool broken;            // failed to decode when its board was due: passed over
};

// Image entries of the bundled archives a photo's pictures stand in for
// (the names the art generator gives them).
constexpr const char* PICTURE_IMAGE_ENTRY = "picture.png"; // pieces and finished picture
constexpr const char* PALE_IMAGE_ENTRY = "pale.png";       // the tray
constexpr const char* PREVIEW_IMAGE_ENTRY = "preview.png"; // the menu tab

// The bundled archives a photo borrows.
struct BorrowedArchives {
    std::vector<const char*> pieces; // tray and pieces, one archive per size
    const char* picture = nullptr;   // finished picture and preview
};

struct PhotoLibrary {
    std::string folder;             // with a trailing '/', "" when there is none
    std::vector<PhotoEntry> photos; // offered photos, in name order
    std::string offered;            // the source (path or key) whose pictures stand in, or ""

    int count() const { return (int)photos.size(); }
    std::string pathOf(int index) const { return folder + photos[(size_t)index].fileName; }
};

extern PhotoLibrary thePhotoLibrary; // filled by the shell at start-up

// Create `folder` (one level) if it is missing; false when it cannot be had.
bool makePhotoFolder(const std::string& folder);

// List the photos of `folder` (trailing '/') into `out`, at most `limit`.
void scanPhotoFolder(const std::string& folder, PhotoLibrary& out, int limit = PHOTO_LIMIT);

// One line on stderr about a photo that is skipped: its name printed safely
// (control bytes and bytes that are not printable ASCII escaped as \xNN).
void reportSkippedPhoto(const std::string& fileName, const std::string& why);

// The name as it is printed in those lines.
std::string printableFileName(const std::string& fileName);

// Make photo `index`'s pictures and offer them in place of `borrowed`'s
// images (nothing to do when it is already offered).  False, with the photo
// marked broken and one line on stderr, when it cannot be made.
bool offerPhotoPictures(PhotoLibrary& library, int index, const BorrowedArchives& borrowed);
// Make `source`'s pictures and offer them in place of `borrowed`'s images
// (nothing to do when they are offered already); false with `why` set.
bool offerMadePictures(PhotoLibrary& library, const PhotoSource& source,
                       const BorrowedArchives& borrowed, std::string& why);
// The archives' own images again for every request from now on.
void withdrawPhotoPictures(PhotoLibrary& library);
