// paktool: list, unpack and build the game's .pak archives.
//
//   paktool list ARCHIVE             one line per entry: name and size
//   paktool extract ARCHIVE PREFIX   write each entry to PREFIX + name
//   paktool build ARCHIVE FILE...    one entry per file, named by its path
#include <cstdio>
#include <cstring>
#include <string>

#include "resources/pak_archive.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: paktool list ARCHIVE\n"
                         "       paktool extract ARCHIVE PREFIX\n"
                         "       paktool build ARCHIVE FILE...\n");
    return 2;
}

// Open an archive for reading; prints why and returns false when it is unusable.
bool openArchive(PakArchive& archive, const char* path) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        std::fprintf(stderr, "paktool: cannot read %s\n", path);
        return false;
    }
    if (!parsePakBytes(bytes.data(), bytes.size(), archive)) {
        std::fprintf(stderr, "paktool: %s is not a valid archive\n", path);
        return false;
    }
    return true;
}

int listArchive(const char* path) {
    PakArchive archive;
    if (!openArchive(archive, path)) return 1;
    for (int i = 0; i < archive.entryCount(); i++)
        std::printf("%s %u\n", archive.names[(size_t)i].c_str(), archive.blobs[(size_t)i].size);
    return 0;
}

int extractArchive(const char* path, const char* prefix) {
    PakArchive archive;
    if (!openArchive(archive, path)) return 1;
    if (!archive.extractAll(prefix)) {
        std::fprintf(stderr, "paktool: could not write every entry under %s\n", prefix);
        return 1;
    }
    return 0;
}

int buildArchive(const char* path, int fileCount, char** files) {
    PakArchive archive;
    for (int i = 0; i < fileCount; i++) {
        if (!archive.addFile(files[i])) {
            std::fprintf(stderr, "paktool: cannot read %s\n", files[i]);
            return 1;
        }
    }
    if (!archive.save(path)) {
        std::fprintf(stderr, "paktool: cannot write %s (or a name is over 127 bytes)\n", path);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const char* command = argv[1];
    if (std::strcmp(command, "list") == 0 && argc == 3) return listArchive(argv[2]);
    if (std::strcmp(command, "extract") == 0 && argc == 4) return extractArchive(argv[2], argv[3]);
    if (std::strcmp(command, "build") == 0 && argc >= 4)
        return buildArchive(argv[2], argc - 3, argv + 3);
    return usage();
}
