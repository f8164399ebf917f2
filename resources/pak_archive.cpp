// PakArchive: reading, looking up and building .pak archives.  Textures
// made from entries are handled in resources/texture.cpp.
#include "resources/pak_archive.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "base/little_endian.h"

namespace {

constexpr size_t COUNT_BYTES = 4;       // the entry count N at the front
constexpr size_t SIZE_BYTES = 4;        // each entry's data size S
constexpr size_t MAX_NAME_LENGTH = 127; // the length byte is read as signed

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
std::FILE* openArchiveFile(const std::string& path, size_t& size) {
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

#if defined(__has_feature)
#if __has_feature(address_sanitizer) // clang's way of telling
#define PAK_ON_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) // gcc's
#define PAK_ON_HEAP 1
#endif

#if defined(PAK_ON_HEAP)
// Under AddressSanitizer the file goes on the heap instead, where a read past
// its end is caught (a mapping is padded to a whole page).
uint8_t* mapPopulated(size_t size) {
    return new (std::nothrow) uint8_t[size == 0 ? 1 : size];
}

void unmap(uint8_t* bytes, size_t) {
    delete[] bytes;
}

size_t spareCount() {
    return 0;
}
#else
// File buffers are private mappings, made a whole number of MAPPING_STEP
// bytes long.  One whose archive closes is kept as a spare (at most
// SPARE_MAPPINGS of them) for the next archive it fits, so that the game's
// usual round (the next picture's archives opened, the last one's closed)
// reads into memory that is already there.
constexpr size_t MAPPING_STEP = 256 * 1024;
constexpr size_t SPARE_MAPPINGS = 4;
constexpr size_t MAX_SPARE_WASTE = 2; // a spare serves files from 1/2 of its length up

struct Mapping {
    uint8_t* bytes;
    size_t length; // a multiple of MAPPING_STEP
};

std::vector<Mapping> liveMappings;  // mappings of open archives
std::vector<Mapping> spareMappings; // mappings of closed archives, kept for reuse

size_t mappingLength(size_t size) {
    return (size / MAPPING_STEP + 1) * MAPPING_STEP;
}

// A private, writable mapping of at least size bytes, its pages all present
// (a spare, or a new one filled in at once); null when the system refuses.
uint8_t* mapPopulated(size_t size) {
    size_t length = mappingLength(size);
    int best = -1;
    for (size_t i = 0; i < spareMappings.size(); ++i) {
        size_t spare = spareMappings[i].length;
        if (spare >= length && spare <= length * MAX_SPARE_WASTE &&
            (best < 0 || spare < spareMappings[(size_t)best].length))
            best = (int)i;
    }
    if (best >= 0) {
        liveMappings.push_back(spareMappings[(size_t)best]);
        spareMappings.erase(spareMappings.begin() + best);
        return liveMappings.back().bytes;
    }
    void* bytes = ::mmap(nullptr, length, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (bytes == MAP_FAILED) return nullptr;
    liveMappings.push_back({(uint8_t*)bytes, length});
    return (uint8_t*)bytes;
}

// Give a buffer from mapPopulated back: kept as a spare; when there are too
// many spares the one kept longest is unmapped.  Null: nothing.
void unmap(uint8_t* bytes, size_t) {
    if (!bytes) return;
    size_t i = 0;
    while (i < liveMappings.size() && liveMappings[i].bytes != bytes)
        ++i;
    if (i == liveMappings.size()) return;
    spareMappings.push_back(liveMappings[i]);
    liveMappings.erase(liveMappings.begin() + (long)i);
    if (spareMappings.size() <= SPARE_MAPPINGS) return;
    ::munmap(spareMappings[0].bytes, spareMappings[0].length);
    spareMappings.erase(spareMappings.begin());
}

size_t spareCount() {
    return spareMappings.size();
}
#endif

// The whole file in one fresh mapping (see mapPopulated); false when it
// cannot be opened or read whole (nothing is kept then).
bool readFileBuffer(const std::string& path, uint8_t*& out, size_t& size) {
    out = nullptr;
    std::FILE* file = openArchiveFile(path, size);
    if (!file) return false;
    uint8_t* bytes = mapPopulated(size);
    bool ok = bytes && (size == 0 || std::fread(bytes, 1, size, file) == size);
    std::fclose(file);
    if (ok) {
        out = bytes;
    } else {
        unmap(bytes, size);
    }
    return ok;
}

} // namespace

int spareArchiveBuffers() {
    return (int)spareCount();
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    out.clear();
    size_t size = 0;
    std::FILE* file = openArchiveFile(path, size);
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
    uint8_t* bytes = nullptr;
    size_t size = 0;
    std::vector<ParsedEntry> entries;
    valid = readFileBuffer(path, bytes, size) && scanEntries(bytes, size, entries);
    if (!valid) {
        unmap(bytes, size);
        return;
    }
    fileBytes = bytes;
    fileSize = size;
    for (const ParsedEntry& entry : entries) {
        blobs.push_back({entry.bytes, entry.size});
        names.push_back(entry.name);
        textureNames.push_back(0);
        textureColumns.emplace_back();
        textureCounts.push_back(0);
    }
}

PakArchive::~PakArchive() {
    unmap(fileBytes, fileSize);
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
    textureColumns.emplace_back();
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
