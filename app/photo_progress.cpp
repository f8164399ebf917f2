// Photo progress: the finished-photo file, read at start-up and written
// atomically whenever a photo is finished or all are restarted.
#include "app/photo_progress.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "resources/pak_archive.h"

PhotoProgress thePhotoProgress;
std::string photoProgressPath;

namespace {

constexpr int32_t PROGRESS_VERSION = 1;
constexpr size_t HEADER_BYTES = 8;    // version and count
constexpr size_t NAME_LIMIT = 255;    // the longest file name Linux allows
constexpr size_t RECORD_FIXED = 4 + 8; // name length and file size

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

// write() until everything is out or an error occurs.
bool writeAll(int fd, const uint8_t* bytes, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n <= 0) return false;
        bytes += n;
        size -= (size_t)n;
    }
    return true;
}

// Make the rename itself durable; failure here loses nothing already written.
void syncFolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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

void PhotoProgress::clear() {
    names.clear();
    sizes.clear();
}

bool readPhotoProgressBytes(const uint8_t* data, size_t size, PhotoProgress& out) {
    out.clear();
    if (!data || size < HEADER_BYTES || (int32_t)readLittle(data, 4) != PROGRESS_VERSION)
        return false;
    uint64_t count = readLittle(data + 4, 4);
    if (count > PHOTO_PROGRESS_MAX_RECORDS) return false;
    size_t at = HEADER_BYTES;
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
    std::vector<uint8_t> bytes;
    if (!photoProgressPath.empty() && readWholeFile(photoProgressPath, bytes))
        readPhotoProgressBytes(bytes.data(), bytes.size(), thePhotoProgress);
}

bool savePhotoProgress() {
    if (photoProgressPath.empty()) return false;
    std::vector<uint8_t> bytes = encodePhotoProgress(thePhotoProgress);
    return writeFileAtomically(photoProgressPath, bytes.data(), bytes.size());
}

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size) {
    // Written beside the old file and renamed over it, so a crash or a full
    // disk part way through leaves the previous file intact.
    if (path.empty()) return false;
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}
