// The archives the build wrote, as the art tests read them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "resources/pak_archive.h"

// The game folder the build drew into (MEADOW_GAME_DIR).
inline std::string gameDir() {
    const char* dir = std::getenv("MEADOW_GAME_DIR");
    return dir ? dir : ".";
}

// An archive of the game folder, opened once and kept open for the whole
// test run: the tests read each many times.
inline PakArchive& archive(const std::string& name) {
    static std::map<std::string, std::unique_ptr<PakArchive>> open;
    auto& slot = open[name];
    if (!slot) slot = std::make_unique<PakArchive>(gameDir() + "/" + name);
    return *slot;
}

// A double as the model entries store it.
inline double readDouble(const uint8_t* at) {
    double d;
    std::memcpy(&d, at, sizeof d);
    return d;
}
