// libFuzzer target: the readers of a family's photo folder that the game
// writes itself: photo headers (the sizes checked before any decode), the
// JPEG reader around libjpeg (whose errors jump back out of the decoder)
// and the finished-photo file.  Each input goes to all three, in a buffer
// of exactly its size; an accepted progress file must come back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "base/photo_progress.h"
#include "resources/photo_jpeg.h"
#include "resources/photo_probe.h"

namespace {

// Read every row of a JPEG the header check lets through, at 1/8 size.
void readJpeg(const uint8_t* data, size_t size) {
    JpegReader reader;
    if (openJpeg(reader, data, size) && startJpeg(reader, 1)) {
        if (reader.width < 1 || reader.height < 1) std::abort();
        std::vector<uint8_t> row((size_t)reader.width * 4);
        for (int y = 0; y < reader.height; y++)
            if (!readJpegRows(reader, row.data(), row.size(), 1)) break;
    }
    closeJpeg(reader);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    if (size > 0) std::memcpy(copy.get(), data, size);

    ImageHeader header;
    ProbeResult result = probeImageHeader(copy.get(), size, header);
    if (result == ProbeResult::Image && (header.width == 0 || header.height == 0)) std::abort();
    if (result != ProbeResult::Image && header.kind != ImageKind::None) std::abort();
    if (result == ProbeResult::Image && headerProblem(result, header).empty() &&
        decodeBytesFor(header) > PHOTO_DECODE_BUDGET)
        std::abort();
    if (result == ProbeResult::Image && header.kind == ImageKind::Jpeg &&
        headerProblem(result, header).empty())
        readJpeg(copy.get(), size);

    // A PNG found whole holds at least its signature and one empty chunk.
    if (pngChunksComplete(copy.get(), size) && size < 20) std::abort();

    PhotoProgress progress;
    if (readPhotoProgressBytes(copy.get(), size, progress)) {
        std::vector<uint8_t> again = encodePhotoProgress(progress);
        if (again.size() != size || std::memcmp(again.data(), data, size) != 0) std::abort();
    } else if (!progress.names.empty()) {
        std::abort();
    }
    return 0;
}
