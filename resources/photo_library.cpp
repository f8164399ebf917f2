// Photo library: the folder scan, reading a photo's file, and the lines
// about photos that are skipped.
#include "resources/photo_library.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "resources/pak_library.h"
#include "resources/photo_file.h"
#include "resources/photo_image.h"
#include "resources/photo_prefetch.h"
#include "resources/photo_probe.h"

PhotoLibrary thePhotoLibrary;

namespace {

constexpr mode_t PHOTO_FOLDER_MODE = 0755;

// Header check of one file in the folder: fills `entry` or says why not.
bool probePhotoFile(int dirFd, const std::string& name, PhotoEntry& entry, std::string& why) {
    uint64_t size = 0;
    int fd = openRegularFile(dirFd, name, size, why);
    if (fd < 0) return false;
    std::vector<uint8_t> front;
    ImageHeader header;
    size_t got = readFront(fd, front, (size_t)std::min<uint64_t>(size, PROBE_FIRST_BYTES));
    ProbeResult result = probeImageHeader(front.data(), got, header);
    if (result == ProbeResult::NeedMore && size > got) {
        got = readFront(fd, front, (size_t)std::min<uint64_t>(size, PROBE_MOST_BYTES));
        result = probeImageHeader(front.data(), got, header);
    }
    ::close(fd);
    why = headerProblem(result, header);
    if (!why.empty()) return false;
    entry = {name, size, header.width, header.height, false};
    return true;
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not one.
size_t utf8Length(const std::string& s, size_t i) {
    unsigned char lead = (unsigned char)s[i];
    size_t length = lead >= 0xf0 && lead <= 0xf4 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
    if (lead >= 0xf5 || length == 0 || i + length > s.size()) return 0;
    for (size_t k = 1; k < length; k++)
        if (((unsigned char)s[i + k] & 0xc0) != 0x80) return 0;
    return length;
}

} // namespace

bool makePhotoFolder(const std::string& folder) {
    if (folder.empty()) return false;
    if (::mkdir(folder.c_str(), PHOTO_FOLDER_MODE) != 0 && errno != EEXIST) return false;
    struct stat info;
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void scanPhotoFolder(const std::string& folder, PhotoLibrary& out, int limit) {
    out.folder = folder;
    out.photos.clear();
    DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> names;
    while (const dirent* item = ::readdir(dir))
        if (item->d_name[0] != '.') names.push_back(item->d_name); // hidden, "." and ".."
    std::sort(names.begin(), names.end());                         // byte order
    size_t next = 0;
    for (; next < names.size() && out.count() < limit; next++) {
        PhotoEntry entry;
        std::string why;
        if (probePhotoFile(::dirfd(dir), names[next], entry, why))
            out.photos.push_back(entry);
        else
            reportSkippedPhoto(names[next], why);
    }
    ::closedir(dir);
    if (next < names.size())
        std::fprintf(stderr, "meadow_mosaics: %d photos offered; %zu more files in %s left out\n",
                     limit, names.size() - next, printableFileName(folder).c_str());
}

void reportSkippedPhoto(const std::string& fileName, const std::string& why) {
    std::fprintf(stderr, "meadow_mosaics: photo \"%s\" skipped: %s\n",
                 printableFileName(fileName).c_str(), why.c_str());
}

std::string printableFileName(const std::string& fileName) {
    std::string out;
    for (size_t i = 0; i < fileName.size();) {
        unsigned char byte = (unsigned char)fileName[i];
        size_t length = byte >= 0x80 ? utf8Length(fileName, i) : 1;
        if (length > 1 || (length == 1 && byte >= 0x20 && byte != 0x7f && byte != '\\')) {
            out.append(fileName, i, length);
            i += length;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        out += escaped;
        i++;
    }
    return out;
}

bool offerPhotoPictures(PhotoLibrary& library, int index, const BorrowedArchives& borrowed) {
    if (index < 0 || index >= library.count()) return false;
    if (library.offered == library.pathOf(index)) return true;
    PhotoEntry& photo = library.photos[(size_t)index];
    if (photo.broken) return false; // said so once already
    std::string why;
    if (!offerMadePictures(library, library.pathOf(index), borrowed, why)) {
        photo.broken = true;
        reportSkippedPhoto(photo.fileName, why);
        return false;
    }
    return true;
}

bool offerMadePictures(PhotoLibrary& library, const PhotoSource& source,
                       const BorrowedArchives& borrowed, std::string& why) {
    if (library.offered == source.path) return true;
    withdrawPhotoPictures(library);
    PhotoPictures pictures;
    if (!takePhotoPictures(source, pictures, why)) return false;
    auto upload = [](const RgbaImage& image) {
        return uploadMadeTexture(image.pixels.data(), image.width, image.height);
    };
    uint32_t picture = upload(pictures.picture), pale = upload(pictures.pale);
    uint32_t preview = upload(pictures.preview);
    for (const char* pieces : borrowed.pieces) {
        thePakLibrary.offerStandIn(pieces, PICTURE_IMAGE_ENTRY, picture);
        thePakLibrary.offerStandIn(pieces, PALE_IMAGE_ENTRY, pale);
    }
    thePakLibrary.offerStandIn(borrowed.picture, PICTURE_IMAGE_ENTRY, picture);
    thePakLibrary.offerStandIn(borrowed.picture, PREVIEW_IMAGE_ENTRY, preview);
    library.offered = source.path;
    return true;
}

void withdrawPhotoPictures(PhotoLibrary& library) {
    if (library.offered.empty()) return;
    thePakLibrary.withdrawStandIns();
    library.offered.clear();
}
