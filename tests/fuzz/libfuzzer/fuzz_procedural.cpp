// libFuzzer target: procedural texture recipes (a mesh's texture name with
// '#' second).  A recipe the parser accepts must be one the generators can
// make: it is generated once into a buffer of exactly its size, so
// AddressSanitizer stops a generator that writes or reads past it.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "resources/procedural_texture.h"

namespace {

constexpr int64_t MAX_GENERATED_PIXELS = 1 << 16; // bigger ones are only parsed (time)

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ProceduralSpec spec;
    if (!parseProceduralSpec(std::string((const char*)data, size), spec)) return 0;
    bool plasma = spec.kind == "Plasma";
    if (!plasma && spec.kind != "Fire") std::abort();
    if (spec.width < 1 || spec.height < 1 || spec.width > 2048 || spec.height > 2048) std::abort();
    if ((int64_t)spec.width * spec.height > MAX_GENERATED_PIXELS) return 0;
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[(size_t)spec.width * spec.height * 4]);
    if (plasma) {
        uint8_t colour[3] = {spec.red, spec.green, spec.blue};
        plasmaGenerator(12345, spec.width, spec.height, pixels.get(), colour);
    } else {
        FireState* fire = createFireState(spec.width, spec.height);
        for (int frame = 0; frame < 3; ++frame)
            fireGenerator(frame, spec.width, spec.height, pixels.get(), fire);
        destroyFireState(fire);
    }
    return 0;
}
