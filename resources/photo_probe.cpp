// Photo headers: PNG's IHDR, JPEG's frame header behind its segments, and
// BMP's info header, each read only after checking the bytes are there.
#include "resources/photo_probe.h"

#include <cstring>

namespace {

constexpr uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
constexpr size_t PNG_HEADER_BYTES = 24;      // signature, IHDR length and type, width, height
constexpr size_t PNG_CHUNK_FRAME_BYTES = 12; // length, type and CRC around a chunk's data
constexpr size_t BMP_HEADER_BYTES = 26;      // file header, info header size, width, height
constexpr uint32_t BMP_CORE_HEADER = 12;     // the old OS/2 info header: 16-bit sizes

// JPEG markers that carry no length, and the frame headers that give the size.
constexpr uint8_t JPEG_START = 0xd8, JPEG_END = 0xd9, JPEG_SCAN = 0xda;
constexpr uint8_t JPEG_TEM = 0x01, JPEG_RESTART_FIRST = 0xd0, JPEG_RESTART_LAST = 0xd7;
constexpr uint8_t JPEG_FRAME_FIRST = 0xc0, JPEG_FRAME_LAST = 0xcf;
constexpr uint8_t JPEG_HUFFMAN = 0xc4, JPEG_EXTENSION = 0xc8, JPEG_ARITHMETIC = 0xcc;
// Progressive frames: SOF2, SOF6, SOF10, SOF14.
constexpr uint8_t JPEG_PROGRESSIVE[] = {0xc2, 0xc6, 0xca, 0xce};

// Bytes per pixel a decode holds: the surface (at most RGBA), and for a
// progressive JPEG also libjpeg's coefficients for the whole image (16 bits
// per sample, three full-size components at most).
constexpr uint64_t SURFACE_BYTES_PER_PIXEL = 4;
constexpr uint64_t PROGRESSIVE_EXTRA_BYTES_PER_PIXEL = 6;

uint32_t bigEndian16(const uint8_t* p) {
    return (uint32_t)p[0] << 8 | p[1];
}

uint32_t bigEndian32(const uint8_t* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

uint32_t littleEndian32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

// Fill `out` when both sizes are real.
ProbeResult found(ImageKind kind, uint32_t width, uint32_t height, ImageHeader& out) {
    if (width == 0 || height == 0) return ProbeResult::NotImage;
    out.kind = kind;
    out.width = width;
    out.height = height;
    return ProbeResult::Image;
}

ProbeResult probePng(const uint8_t* data, size_t size, ImageHeader& out) {
    if (size < PNG_HEADER_BYTES || std::memcmp(data + 12, "IHDR", 4) != 0)
        return ProbeResult::NotImage;
    uint32_t width = bigEndian32(data + 16), height = bigEndian32(data + 20);
    if (width > 0x7fffffffu || height > 0x7fffffffu) return ProbeResult::NotImage;
    return found(ImageKind::Png, width, height, out);
}

ProbeResult probeBmp(const uint8_t* data, size_t size, ImageHeader& out) {
    if (size < BMP_HEADER_BYTES) return ProbeResult::NotImage;
    uint32_t infoSize = littleEndian32(data + 14);
    if (infoSize == BMP_CORE_HEADER) {
        uint32_t width = data[18] | (uint32_t)data[19] << 8;
        uint32_t height = data[20] | (uint32_t)data[21] << 8;
        return found(ImageKind::Bmp, width, height, out);
    }
    if (infoSize < 40) return ProbeResult::NotImage;
    int64_t width = (int32_t)littleEndian32(data + 18);
    int64_t height = (int32_t)littleEndian32(data + 22); // negative: rows top first
    if (width <= 0) return ProbeResult::NotImage;
    if (height < 0) height = -height;
    return found(ImageKind::Bmp, (uint32_t)width, (uint32_t)height, out);
}

bool isProgressive(uint8_t marker) {
    for (uint8_t m : JPEG_PROGRESSIVE)
        if (m == marker) return true;
    return false;
}

bool isFrameHeader(uint8_t marker) {
    return marker >= JPEG_FRAME_FIRST && marker <= JPEG_FRAME_LAST && marker != JPEG_HUFFMAN &&
           marker != JPEG_EXTENSION && marker != JPEG_ARITHMETIC;
}

// Walk the segments after the start marker up to the first frame header.
ProbeResult probeJpeg(const uint8_t* data, size_t size, ImageHeader& out) {
    size_t at = 2;
    for (;;) {
        while (at < size && data[at] == 0xff && at + 1 < size && data[at + 1] == 0xff)
            ++at; // fill bytes before a marker
        if (at + 2 > size) return ProbeResult::NeedMore;
        if (data[at] != 0xff) return ProbeResult::NotImage;
        uint8_t marker = data[at + 1];
        at += 2;
        if (marker == JPEG_TEM || (marker >= JPEG_RESTART_FIRST && marker <= JPEG_RESTART_LAST))
            continue;
        if (marker == JPEG_START || marker == JPEG_END || marker == JPEG_SCAN)
            return ProbeResult::NotImage; // no frame before the image data
        if (at + 2 > size) return ProbeResult::NeedMore;
        uint32_t length = bigEndian16(data + at);
        if (length < 2) return ProbeResult::NotImage;
        if (isFrameHeader(marker)) {
            if (length < 7) return ProbeResult::NotImage;
            if (at + 7 > size) return ProbeResult::NeedMore;
            out.progressive = isProgressive(marker);
            return found(ImageKind::Jpeg, bigEndian16(data + at + 5), bigEndian16(data + at + 3),
                         out);
        }
        at += length;
    }
}

} // namespace

ProbeResult probeImageHeader(const uint8_t* data, size_t size, ImageHeader& out) {
    out = ImageHeader();
    if (!data) return ProbeResult::NotImage;
    if (size >= sizeof PNG_SIGNATURE && std::memcmp(data, PNG_SIGNATURE, sizeof PNG_SIGNATURE) == 0)
        return probePng(data, size, out);
    if (size >= 3 && data[0] == 0xff && data[1] == JPEG_START && data[2] == 0xff)
        return probeJpeg(data, size, out);
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return probeBmp(data, size, out);
    return ProbeResult::NotImage;
}

bool pngChunksComplete(const uint8_t* data, size_t size) {
    if (!data || size < sizeof PNG_SIGNATURE ||
        std::memcmp(data, PNG_SIGNATURE, sizeof PNG_SIGNATURE) != 0)
        return false;
    size_t at = sizeof PNG_SIGNATURE;
    while (size - at >= PNG_CHUNK_FRAME_BYTES) {
        uint64_t length = bigEndian32(data + at);
        if (length > 0x7fffffffu || size - at - PNG_CHUNK_FRAME_BYTES < length) return false;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += PNG_CHUNK_FRAME_BYTES + (size_t)length;
    }
    return false;
}

uint64_t decodeBytesFor(const ImageHeader& header) {
    uint64_t pixels = (uint64_t)header.width * header.height;
    uint64_t perPixel = SURFACE_BYTES_PER_PIXEL;
    if (header.progressive) perPixel += PROGRESSIVE_EXTRA_BYTES_PER_PIXEL;
    return pixels * perPixel;
}

std::string headerProblem(ProbeResult result, const ImageHeader& header) {
    if (result == ProbeResult::NotImage) return "not a PNG, JPEG or BMP picture";
    if (result == ProbeResult::NeedMore) return "damaged picture (no size in its first bytes)";
    if (decodeBytesFor(header) > PHOTO_DECODE_BUDGET)
        return "too many pixels (" + std::to_string(header.width) + " x " +
               std::to_string(header.height) + ")";
    return "";
}
