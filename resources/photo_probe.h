// Photo headers: what kind of image a family's photo file is and how big it
// is, read from its first bytes without decoding it.
//
// The photo folder is scanned at start-up (resources/photo_library.h) and a
// photo is decoded only when its board is built; both first ask this module
// whether the file is an image the game reads (PNG, JPEG, BMP) and whether
// its pixels fit the decode budget.  A 20000 x 20000 picture is refused
// from its header alone, before a byte of it is decoded.
//
// NOTE: JPEG keeps its size in the frame header, after any number of
// application segments (a phone's EXIF block with its thumbnail is often
// 30 to 60 KB); the probe walks the segments and says when it needs more of
// the file than it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class ImageKind { None, Png, Jpeg, Bmp };

enum class ProbeResult {
    Image,    // kind, width and height are filled in
    NotImage, // not a kind the game reads, or a damaged header
    NeedMore, // a JPEG whose frame header lies beyond the bytes given
};

struct ImageHeader {
    ImageKind kind = ImageKind::None;
    uint32_t width = 0, height = 0; // pixels, both at least 1 when probed
    bool progressive = false;       // a progressive JPEG (decoded with whole-image buffers)
};

// Most bytes a decode may take: the decoded pixels and the decoder's own
// whole-image buffers.
constexpr uint64_t PHOTO_DECODE_BUDGET = 64ull << 20;
// Largest photo file read into memory.
constexpr uint64_t PHOTO_FILE_BUDGET = 64ull << 20;
// How much of a file the folder scan reads to find the size: first this,
// then, for a JPEG with large segments in front, up to the second.
constexpr size_t PROBE_FIRST_BYTES = 64 << 10;
constexpr size_t PROBE_MOST_BYTES = 1 << 20;

// Read the header from the first `size` bytes of a file.
ProbeResult probeImageHeader(const uint8_t* data, size_t size, ImageHeader& out);

// Bytes the decode of such an image takes at most (pixels and decoder buffers).
uint64_t decodeBytesFor(const ImageHeader& header);

// Whether PNG bytes hold whole chunks from the signature to the end chunk.
// SDL_image's PNG reader does not notice the end of its input: given a
// file cut short, the PNG library would read on for ever.
bool pngChunksComplete(const uint8_t* data, size_t size);

// Why a probed header cannot be used ("not a PNG, JPEG or BMP picture",
// "too many pixels (W x H)", ...), or "" when it can.  NeedMore counts as a
// damaged file here: callers ask once they have read all they will read.
std::string headerProblem(ProbeResult result, const ImageHeader& header);
