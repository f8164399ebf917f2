// Photo files: opening and reading a photo within its budget.
#include "resources/photo_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "resources/photo_probe.h"

namespace {

// Why a name cannot be opened, in the player's terms.
std::string openProblem(int error) {
    if (error == ELOOP) return "a link that loops";
    if (error == ENOENT) return "a link that leads nowhere";
    if (error == EACCES) return "not readable";
    return std::strerror(error);
}

} // namespace

int openRegularFile(int dirFd, const std::string& name, uint64_t& size, std::string& why) {
    int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        why = openProblem(errno);
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "not a regular file";
    } else if (info.st_size <= 0) {
        why = "empty file";
    } else if ((uint64_t)info.st_size > PHOTO_FILE_BUDGET) {
        why = "file too large";
    } else {
        size = (uint64_t)info.st_size;
        return fd;
    }
    ::close(fd);
    return -1;
}

size_t readFront(int fd, std::vector<uint8_t>& buffer, size_t want) {
    buffer.resize(want);
    size_t got = 0;
    while (got < want) {
        ssize_t n = ::pread(fd, buffer.data() + got, want - got, (off_t)got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += (size_t)n;
    }
    buffer.resize(got);
    return got;
}

bool readPhotoFile(const std::string& path, std::vector<uint8_t>& out, std::string& why) {
    uint64_t size = 0;
    int fd = openRegularFile(AT_FDCWD, path, size, why);
    if (fd < 0) return false;
    size_t got = readFront(fd, out, (size_t)size);
    ::close(fd);
    if (got == 0) why = "not readable";
    return got > 0; // a file that shrank since the scan is read as far as it goes
}
