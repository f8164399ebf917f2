// PakArchive: reading, looking up and building .pak archives.  Textures
// made from entries are handled in resources/texture.cpp.
#include "resources/pak_archive.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t COUNT_BYTES = 4;       // the entry count N at the front
constexpr size_t SIZE_BYTES = 4;        // each entry's data size S
constexpr size_t MAX_NAME_LENGTH = 127; // the length byte is read as signed

// Little-endian 32-bit value at p (no alignment needed).
uint32_t readU32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

// Append v little-endian to a file; false on a short write.
bool writeU32(std::FILE* file, uint32_t v) {
    const uint8_t bytes[4] = {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16),
                              (uint8_t)(v >> 24)};
    return std::fwrite(bytes, 1, 4, file) == 4;
}

// Copy size bytes into a fresh heap buffer the archive owns.
uint8_t* copyBytes(const void* bytes, uint32_t size) {
    uint8_t* copy = new uint8_t[size == 0 ? 1 : size];
    if (size > 0) std::memcpy(copy, bytes, size);
    return copy;
}

// Write a whole buffer to path, replacing the file; false on any failure.
bool writeWholeFile(const std::string& path, const uint8_t* bytes, uint32_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

// One entry as found by the scan, before anything is copied.
struct ParsedEntry {
    std::string name;
    const uint8_t* bytes;
    uint32_t size;
};

} // namespace

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    out.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long length = ok ? std::ftell(file) : -1;
    ok = ok && length >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        out.resize((size_t)length);
        ok = length == 0 || std::fread(out.data(), 1, out.size(), file) == out.size();
    }
    std::fclose(file);
    if (!ok) out.clear();
    return ok;
}

bool parsePakBytes(const uint8_t* data, size_t size, PakArchive& out) {
    if (!data || size < COUNT_BYTES) return false;
    int32_t count = (int32_t)readU32(data);
    // Every entry takes at least its length byte and size field, so a count
    // beyond what the file could hold is rejected before anything is kept.
    size_t pos = COUNT_BYTES;
    if (count > 0 && (uint64_t)count > (size - pos) / (1 + SIZE_BYTES)) return false;

    std::vector<ParsedEntry> entries;
    entries.reserve(count > 0 ? (size_t)count : 0);
    for (int32_t i = 0; i < count; i++) {
        if (size - pos < 1) return false;
        int8_t nameLength = (int8_t)data[pos++];
        if (nameLength < 0 || size - pos < (size_t)nameLength + SIZE_BYTES) return false;
        const char* name = (const char*)data + pos;
        size_t nameEnd = 0;
        while (nameEnd < (size_t)nameLength && name[nameEnd] != 0)
            nameEnd++;
        pos += (size_t)nameLength;
        uint32_t dataSize = readU32(data + pos);
        pos += SIZE_BYTES;
        if (size - pos < dataSize) return false;
        entries.push_back({std::string(name, nameEnd), data + pos, dataSize});
        pos += dataSize;
    }
    for (const ParsedEntry& entry : entries)
        out.addEntry(entry.name, entry.bytes, entry.size);
    return true;
}

PakArchive::PakArchive(const std::string& path) {
    std::vector<uint8_t> bytes;
    valid = readWholeFile(path, bytes) && parsePakBytes(bytes.data(), bytes.size(), *this);
}

PakArchive::~PakArchive() {
    for (EntryBytes& blob : blobs)
        delete[] blob.bytes;
}

int PakArchive::findEntry(const std::string& name) const {
    for (size_t i = 0; i < names.size(); i++)
        if (names[i] == name) return (int)i;
    return -1;
}

EntryBytes PakArchive::entryData(const std::string& name) const {
    int index = findEntry(name);
    if (index < 0) return {nullptr, 0};
    return blobs[(size_t)index];
}

bool PakArchive::addEntry(const std::string& name, const void* bytes, uint32_t size) {
    if (size > 0 && !bytes) return false;
    blobs.push_back({copyBytes(bytes, size), size});
    names.push_back(name);
    textureNames.push_back(0);
    textureCounts.push_back(0);
    return true;
}

bool PakArchive::addFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes) || bytes.size() > UINT32_MAX) return false;
    return addEntry(path, bytes.data(), (uint32_t)bytes.size());
}

bool PakArchive::save(const std::string& path) const {
    // A longer name would come back with a negative length byte and make the
    // whole file unreadable, so it is refused before anything is written.
    for (const std::string& name : names)
        if (name.size() > MAX_NAME_LENGTH) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = writeU32(file, (uint32_t)names.size());
    for (size_t i = 0; ok && i < names.size(); i++) {
        uint8_t nameLength = (uint8_t)(names[i].size() & 0xff);
        ok = std::fwrite(&nameLength, 1, 1, file) == 1 &&
             std::fwrite(names[i].data(), 1, names[i].size(), file) == names[i].size() &&
             writeU32(file, blobs[i].size) &&
             (blobs[i].size == 0 ||
              std::fwrite(blobs[i].bytes, 1, blobs[i].size, file) == blobs[i].size);
    }
    return std::fclose(file) == 0 && ok;
}

bool PakArchive::extractAll(const std::string& prefix) const {
    bool ok = true;
    for (size_t i = 0; i < names.size(); i++)
        ok = writeWholeFile(prefix + names[i], blobs[i].bytes, blobs[i].size) && ok;
    return ok;
}
