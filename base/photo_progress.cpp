// Photo progress: the finished-photo file, read at start-up and written
// atomically whenever a photo is finished or all are restarted.
#include "base/photo_progress.h"

#include <fstream>

#include "base/platform.h"

PhotoProgress thePhotoProgress;
std::string photoProgressPath;

namespace {

constexpr int32_t PROGRESS_VERSION = 1;
constexpr size_t PROGRESS_HEADER_BYTES = 8; // version and count
constexpr size_t NAME_LIMIT = 255;          // the longest file name Linux allows
constexpr size_t RECORD_FIXED = 4 + 8;      // name length and file size
constexpr uint64_t LARGEST_FILE =
    PROGRESS_HEADER_BYTES + PHOTO_PROGRESS_MAX_RECORDS * (RECORD_FIXED + NAME_LIMIT);

uint64_t readLittle(const uint8_t* p, int bytes) {
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | p[i];
    return v;
}

void putLittle(std::vector<uint8_t>& out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; i++)
        out.push_back((uint8_t)(v >> (8 * i)));
}

} // namespace

bool PhotoProgress::isDone(const std::string& name, uint64_t size) const {
    for (size_t i = 0; i < names.size(); i++)
        if (sizes[i] == size && names[i] == name) return true;
    return false;
}

void PhotoProgress::markDone(const std::string& name, uint64_t size) {
    if (name.empty() || name.size() > NAME_LIMIT || isDone(name, size)) return;
    if (names.size() >= PHOTO_PROGRESS_MAX_RECORDS) {
        names.erase(names.begin());
        sizes.erase(sizes.begin());
    }
    names.push_back(name);
    sizes.push_back(size);
}

void PhotoProgress::markUndone(const std::string& name, uint64_t size) {
    for (size_t i = 0; i < names.size(); i++)
        if (sizes[i] == size && names[i] == name) {
            names.erase(names.begin() + (long)i);
            sizes.erase(sizes.begin() + (long)i);
            return;
        }
}

void PhotoProgress::clear() {
    names.clear();
    sizes.clear();
}

bool readPhotoProgressBytes(const uint8_t* data, size_t size, PhotoProgress& out) {
    out.clear();
    if (!data || size < PROGRESS_HEADER_BYTES || (int32_t)readLittle(data, 4) != PROGRESS_VERSION)
        return false;
    uint64_t count = readLittle(data + 4, 4);
    if (count > PHOTO_PROGRESS_MAX_RECORDS) return false;
    size_t at = PROGRESS_HEADER_BYTES;
    PhotoProgress read;
    for (uint64_t i = 0; i < count; i++) {
        if (size - at < RECORD_FIXED) return false;
        uint64_t length = readLittle(data + at, 4);
        if (length == 0 || length > NAME_LIMIT || size - at - RECORD_FIXED < length) return false;
        read.names.emplace_back((const char*)data + at + 4, (size_t)length);
        read.sizes.push_back(readLittle(data + at + 4 + length, 8));
        at += RECORD_FIXED + length;
    }
    if (at != size) return false;
    out = read;
    return true;
}

std::vector<uint8_t> encodePhotoProgress(const PhotoProgress& progress) {
    std::vector<uint8_t> out;
    putLittle(out, (uint32_t)PROGRESS_VERSION, 4);
    putLittle(out, progress.names.size(), 4);
    for (size_t i = 0; i < progress.names.size(); i++) {
        putLittle(out, progress.names[i].size(), 4);
        out.insert(out.end(), progress.names[i].begin(), progress.names[i].end());
        putLittle(out, progress.sizes[i], 8);
    }
    return out;
}

void loadPhotoProgress(const std::string& folder) {
    photoProgressPath = folder.empty() ? "" : folder + PHOTO_PROGRESS_FILE_NAME;
    thePhotoProgress.clear();
    if (photoProgressPath.empty()) return;
    std::ifstream file(photoProgressPath, std::ios::binary | std::ios::ate);
    std::streamoff size = file ? (std::streamoff)file.tellg() : -1;
    if (size <= 0 || (uint64_t)size > LARGEST_FILE) return; // missing, or not ours
    std::vector<uint8_t> bytes((size_t)size);
    file.seekg(0);
    if (file.read((char*)bytes.data(), size))
        readPhotoProgressBytes(bytes.data(), bytes.size(), thePhotoProgress);
}

bool savePhotoProgress() {
    if (photoProgressPath.empty()) return false;
    std::vector<uint8_t> bytes = encodePhotoProgress(thePhotoProgress);
    return writeFileAtomically(photoProgressPath, bytes.data(), bytes.size());
}
