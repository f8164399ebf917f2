// libFuzzer target: archive bytes, through the parser the tools use
// (parsePakBytes, which copies entries) and through the reader the game uses
// (PakArchive from a path, whose entries point into one file buffer).  Every
// entry the reader accepts is read to its last byte, so AddressSanitizer
// stops any entry that runs past the file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/pak_archive.h"

namespace {

// An in-memory file the reader can open by path.
struct MemoryFile {
    int fd = memfd_create("meadow_fuzz_pak", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    ~MemoryFile() { close(fd); }
    bool fill(const uint8_t* data, size_t size) {
        if (fd < 0 || ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0) return false;
        while (size > 0) {
            ssize_t n = write(fd, data, size);
            if (n <= 0) return false;
            data += n;
            size -= (size_t)n;
        }
        return true;
    }
};

// Read every byte of every entry, and look each name up again.
unsigned touchEntries(const PakArchive& archive) {
    if (archive.names.size() != archive.blobs.size()) std::abort();
    unsigned sum = 0;
    for (size_t i = 0; i < archive.blobs.size(); ++i) {
        const EntryBytes& blob = archive.blobs[i];
        for (uint32_t k = 0; k < blob.size; ++k)
            sum += blob.bytes[k];
        int found = archive.findEntry(archive.names[i]);
        if (found < 0 || (size_t)found > i) std::abort(); // the first of equal names wins
    }
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static MemoryFile file;
    PakArchive copied;
    bool parsed = parsePakBytes(data, size, copied);
    if (!parsed && copied.entryCount() != 0) std::abort(); // rejected whole
    unsigned sumCopied = touchEntries(copied);

    if (!file.fill(data, size)) return 0;
    PakArchive read(file.path);
    if (read.valid != parsed) std::abort(); // both readers agree
    if (read.valid && (read.entryCount() != copied.entryCount() || touchEntries(read) != sumCopied))
        std::abort();
    return 0;
}
