// PakArchive: reading, looking up and building .pak archives.  Textures
// made from entries are handled in resources/texture.cpp.
#include "resources/pak_archive.h"

#include <sys/stat.h>

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

// Copy size bytes into a fresh heap buffer.
std::unique_ptr<uint8_t[]> copyBytes(const void* bytes, uint32_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size == 0 ? 1 : size]);
    if (size > 0) std::memcpy(copy.get(), bytes, size);
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

// Find every entry of archive bytes without copying anything; false when
// the bytes are not a whole, well-formed archive.
bool scanEntries(const uint8_t* data, size_t size, std::vector<ParsedEntry>& entries) {
    if (!data || size < COUNT_BYTES) return false;
    int32_t count = (int32_t)readU32(data);
    // Every entry takes at least its length byte and size field, so a count
    // beyond what the file could hold is rejected before anything is kept.
    size_t pos = COUNT_BYTES;
    if (count > 0 && (uint64_t)count > (size - pos) / (1 + SIZE_BYTES)) return false;

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
    return true;
}

// Open a regular file for reading and tell its size; null for anything else.
// (A folder opens too, and reports a size of LONG_MAX: reading it would
// try to allocate that much and abort.)
std::FILE* openRegularFile(const std::string& path, size_t& size) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    struct stat info;
    if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        std::fclose(file);
        return nullptr;
    }
    size = (size_t)info.st_size;
    return file;
}

// The whole file in one fresh buffer (not zeroed first: it is read over at
// once); false when it cannot be opened or read whole.
bool readFileBuffer(const std::string& path, std::unique_ptr<uint8_t[]>& out, size_t& size) {
    std::FILE* file = openRegularFile(path, size);
    if (!file) return false;
    out.reset(new uint8_t[size == 0 ? 1 : size]);
    bool ok = size == 0 || std::fread(out.get(), 1, size, file) == size;
    std::fclose(file);
    return ok;
}

} // namespace

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    out.clear();
    size_t size = 0;
    std::FILE* file = openRegularFile(path, size);
    if (!file) return false;
    out.resize(size);
    bool ok = size == 0 || std::fread(out.data(), 1, size, file) == size;
    std::fclose(file);
    if (!ok) out.clear();
    return ok;
}

bool parsePakBytes(const uint8_t* data, size_t size, PakArchive& out) {
    std::vector<ParsedEntry> entries;
    if (!scanEntries(data, size, entries)) return false;
    for (const ParsedEntry& entry : entries)
        out.addEntry(entry.name, entry.bytes, entry.size);
    return true;
}

PakArchive::PakArchive(const std::string& path) {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    std::vector<ParsedEntry> entries;
    valid = readFileBuffer(path, bytes, size) && scanEntries(bytes.get(), size, entries);
    if (!valid) return;
    fileBytes = std::move(bytes);
    for (const ParsedEntry& entry : entries) {
        blobs.push_back({entry.bytes, entry.size});
        names.push_back(entry.name);
        textureNames.push_back(0);
        textureCounts.push_back(0);
    }
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
    copies.push_back(copyBytes(bytes, size));
    blobs.push_back({copies.back().get(), size});
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
