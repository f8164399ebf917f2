// Little-endian numbers in the game's files (settings, archives), read from
// bytes with no alignment needed.
#pragma once

#include <cstdint>

inline uint32_t readU32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
