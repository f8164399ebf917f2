// Photo files: opening and reading a photo within its budget.
//
// The photo folder's scan (resources/photo_library.h) reads each file's
// first bytes and the photo worker (resources/photo_prefetch.h) the whole
// file, both through these few calls, so a folder holding a FIFO, a device
// or a file larger than PHOTO_FILE_BUDGET never blocks or floods either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Open `name` in `dirFd` for reading when it is a regular file with bytes in
// it, within the budget; -1 with `why` set (in the player's terms) otherwise.
// Never blocks (a FIFO named like a photo) and never opens a device.
int openRegularFile(int dirFd, const std::string& name, uint64_t& size, std::string& why);

// Read up to `want` bytes from the start of fd into `buffer`; the count read.
size_t readFront(int fd, std::vector<uint8_t>& buffer, size_t want);

// Read the whole of a photo file (at most PHOTO_FILE_BUDGET bytes) into
// `out`; false with `why` set when it is not a readable regular file.
bool readPhotoFile(const std::string& path, std::vector<uint8_t>& out, std::string& why);
