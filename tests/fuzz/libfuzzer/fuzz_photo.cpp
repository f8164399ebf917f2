// libFuzzer target: the readers of a family's photo folder that the game
// writes itself: photo headers (the sizes checked before any decode) and
// the finished-photo file.  Each input goes to both, in a buffer of exactly
// its size; an accepted progress file must come back unchanged.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/photo_progress.h"
#include "resources/photo_probe.h"

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
