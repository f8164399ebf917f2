// libFuzzer target: settings file bytes, through readSettingsBytes; a
// record it accepts must come back unchanged through write and read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "base/settings.h"

namespace {

bool same(const Settings& a, const Settings& b) {
    if (a.showWelcome != b.showWelcome || a.menuHidden != b.menuHidden ||
        a.soundOn != b.soundOn || a.musicOn != b.musicOn || a.bigPuzzle != b.bigPuzzle)
        return false;
    for (int i = 0; i < PICTURE_COUNT; ++i)
        if (a.pictureDone[i] != b.pictureDone[i]) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    if (size > 0) std::memcpy(copy.get(), data, size);
    Settings fromBytes;
    bool ok = readSettingsBytes(copy.get(), size, fromBytes);
    if (!ok && !same(fromBytes, Settings())) std::abort(); // refused: defaults

    std::ostringstream out;
    fromBytes.write(out);
    std::string written = out.str();
    if (written.size() != SETTINGS_FILE_SIZE) std::abort();
    Settings again;
    if (!readSettingsBytes((const uint8_t*)written.data(), written.size(), again)) std::abort();
    if (!same(again, fromBytes)) std::abort();
    return 0;
}
