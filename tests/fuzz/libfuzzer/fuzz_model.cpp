// libFuzzer target: model entry bytes, read the way SceneObject::loadModel
// reads them (header, then records until the count or the bytes run out).
// Every pointer a record hands out is read over its whole length, so
// AddressSanitizer stops any record whose counts run past the entry.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "resources/model_format.h"

namespace {

constexpr size_t POSITION_BYTES = 72; // per triangle
constexpr size_t NORMAL_BYTES = 72;
constexpr size_t TEXCOORD_BYTES = 48;

volatile unsigned touched; // keeps the reads from being optimised away

unsigned touch(const uint8_t* bytes, size_t size) {
    unsigned sum = 0;
    for (size_t i = 0; i < size; ++i)
        sum += bytes[i];
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy: no slack after the last byte for a bad read to hide in.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    if (size > 0) std::memcpy(copy.get(), data, size);
    const uint8_t* cursor = copy.get();
    const uint8_t* end = copy.get() + size;
    int32_t count = 0;
    if (!readModelHeader(cursor, end, count)) return 0;
    if (count < 0 || cursor > end) std::abort();
    unsigned sum = 0;
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* before = cursor;
        MeshRecord record;
        if (!readMeshRecord(cursor, end, record)) {
            if (cursor != before) std::abort(); // a refused record moves nothing
            break;
        }
        if (cursor <= before || cursor > end || record.triangleCount < 0) std::abort();
        size_t n = (size_t)record.triangleCount;
        sum += touch((const uint8_t*)record.textureName, (size_t)record.textureNameLength);
        if (std::strlen(record.textureName) >= (size_t)record.textureNameLength) std::abort();
        MeshMaterial material = readMaterial(record.material);
        sum += material.alphaTest + material.blended;
        sum += touch(record.positions, n * POSITION_BYTES);
        sum += touch(record.normals, n * NORMAL_BYTES);
        sum += touch(record.texCoords, n * TEXCOORD_BYTES);
    }
    touched = sum;
    return 0;
}
