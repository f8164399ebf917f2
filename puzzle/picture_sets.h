// Picture sets: the farm, sea and space sets the main menu's tiles open,
// ten pictures each, walked after the ten bundled pictures and before the
// family's photos (puzzle/photo_walk.h).
//
// A set's pictures are carried once each, as JPEG entries "1.jpg" ..
// "10.jpg" of the set's own archive, not cut per size: they are played the
// way the family's photos are, made into the board's pictures at play time
// (resources/photo_image.h) and cut with the borrowed cut of a bundled
// picture.  The art generator draws them into the archives named here and
// the game reads the same rows, so a new set is a new row here, its
// drawings in the art and a tile on the main menu.
//
// Finished set pictures are kept in the finished-photo file
// (base/photo_progress.h) under a key no photo file can have.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>

constexpr int32_t SET_SIZE = 10; // pictures in every set

// One set of pictures.
struct PictureSetRow {
    const char* name;    // "farm": the art's messages, the finished-picture keys
    const char* archive; // its pictures, "1.jpg" .. "10.jpg"
    const char* tile;    // the main menu's tile that opens it
};

// The sets in the order the arrows walk them.
inline constexpr PictureSetRow PICTURE_SETS[] = {
    {"farm", "set_farm.pak", "rec1"},
    {"sea", "set_sea.pak", "rec2"},
    {"space", "set_space.pak", "rec3"},
};
constexpr int32_t SET_COUNT = (int32_t)std::size(PICTURE_SETS);
constexpr int32_t SET_PICTURE_TOTAL = SET_COUNT * SET_SIZE; // pictures of every set

// The entry of picture `index` (0-based) in its set's archive.
inline std::string setPictureEntry(int32_t index) {
    return std::to_string(index + 1) + ".jpg";
}
