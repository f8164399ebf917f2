// PakLibrary: archives shared by file name with reference counts.
#include "resources/pak_library.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string nameAsItStands(const std::string& fileName) {
    return fileName;
}

// Index of the open archive with this key, or -1.
int findKey(const std::vector<std::string>& keys, const std::string& fileName) {
    for (size_t i = 0; i < keys.size(); i++)
        if (keys[i] == fileName) return (int)i;
    return -1;
}

// Index of the stand-in with this GL name, or -1.
int findStandIn(const std::vector<TextureStandIn>& standIns, uint32_t glName) {
    for (size_t i = 0; i < standIns.size(); i++)
        if (standIns[i].glName == glName) return (int)i;
    return -1;
}

// Retire every withdrawn stand-in no mesh holds any more.  A GL name offered
// for several entries (one photo for both puzzle sizes) counts its users on
// its first entry and goes once, with its last.
void dropUnusedStandIns(std::vector<TextureStandIn>& standIns) {
    for (size_t i = 0; i < standIns.size();) {
        if (standIns[i].offered || standIns[i].users > 0) {
            i++;
            continue;
        }
        uint32_t glName = standIns[i].glName;
        standIns.erase(standIns.begin() + (long)i);
        if (findStandIn(standIns, glName) < 0) retireMadeTexture(glName);
    }
}

} // namespace

// The game cannot go on without its art: say which file and end with status
// 1, at once.  Not std::exit: that unloads libraries and runs destructors
// while SDL's audio thread and the rasteriser's threads still run, and one
// of them then crashes on the way out (a signal instead of status 1, now
// and then).
void exitOnPakFailure(const std::string& path) {
    reportPakFailure(path);
    std::_Exit(1);
}

std::string languageArchivePath(const std::string& path, const std::string& language) {
    if (language.empty()) return path;
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string copy =
        path.substr(0, nameStart) + "locale/" + language + "/" + path.substr(nameStart);
    struct stat info;
    return ::stat(copy.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? copy : path;
}

PakLibrary thePakLibrary;
void (*pakOpenFailure)(const std::string& path) = exitOnPakFailure;
std::string (*pakLocate)(const std::string& fileName) = nameAsItStands;

std::string pakProblem(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
    if (!S_ISREG(info.st_mode)) return "not a regular file";
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    return "damaged (cut short, or not a game archive)";
}

void reportPakFailure(const std::string& path) {
    std::fprintf(stderr, "Meadow Mosaics: cannot use the archive %s: %s\n", path.c_str(),
                 pakProblem(path).c_str());
}

PakLibrary::~PakLibrary() {
    for (PakArchive* archive : archives)
        delete archive;
}

// An archive opened (or found open) with one more reference; one that
// cannot be read ends the game when it must open, else is null.
static PakArchive* openArchive(PakLibrary& library, const std::string& fileName, bool mustOpen) {
    int index = findKey(library.keys, fileName);
    if (index >= 0) {
        library.counts[(size_t)index]++;
        return library.archives[(size_t)index];
    }
    const std::string& base = library.baseDirectory;
    std::string path = (base.empty() || base[0] != '0') ? base + fileName : pakLocate(fileName);
    if (path.empty()) path = fileName; // nowhere: fails as missing
    path = languageArchivePath(path, library.language);
    PakArchive* archive = new PakArchive(path);
    if (!archive->valid) {
        if (!mustOpen) {
            delete archive;
            return nullptr;
        }
        pakOpenFailure(path);
        // Still here (a test's handler): keep the archive, which is empty, so
        // callers find no entries and release it as usual.
    }
    library.archives.push_back(archive);
    library.keys.push_back(fileName);
    library.counts.push_back(1);
    return archive;
}

PakArchive* PakLibrary::open(const std::string& fileName) {
    return openArchive(*this, fileName, true);
}

PakArchive* PakLibrary::openIfUsable(const std::string& fileName) {
    return openArchive(*this, fileName, false);
}

EntryBytes PakLibrary::entryData(const std::string& fileName, const std::string& entryName) {
    return open(fileName)->entryData(entryName);
}

uint32_t PakLibrary::texture(const std::string& fileName, const std::string& entryName) {
    PakArchive* archive = open(fileName);
    for (TextureStandIn& standIn : standIns)
        if (standIn.offered && standIn.fileName == fileName && standIn.entryName == entryName) {
            // Users are counted on the first stand-in of a GL name.
            ++standIns[(size_t)findStandIn(standIns, standIn.glName)].users;
            return standIn.glName;
        }
    return archive->texture(entryName);
}

void PakLibrary::releaseTexture(const std::string& fileName, uint32_t glName) {
    int index = findKey(keys, fileName);
    if (index < 0) return;
    int standIn = findStandIn(standIns, glName);
    if (standIn < 0) {
        archives[(size_t)index]->releaseTexture(glName);
    } else {
        --standIns[(size_t)standIn].users;
        dropUnusedStandIns(standIns);
    }
    release(fileName);
}

void PakLibrary::offerStandIn(const std::string& fileName, const std::string& entryName,
                              uint32_t glName) {
    if (glName != 0) standIns.push_back({fileName, entryName, glName, 0, true});
}

void PakLibrary::withdrawStandIns() {
    for (TextureStandIn& standIn : standIns)
        standIn.offered = false;
    dropUnusedStandIns(standIns);
}

void PakLibrary::release(const std::string& fileName) {
    int index = findKey(keys, fileName);
    if (index < 0) return;
    size_t i = (size_t)index;
    if (--counts[i] > 0) return;
    delete archives[i];
    archives.erase(archives.begin() + index);
    keys.erase(keys.begin() + index);
    counts.erase(counts.begin() + index);
    if (archives.empty()) dropSpareTextures();
}

int32_t PakLibrary::referenceCount(const std::string& fileName) const {
    int index = findKey(keys, fileName);
    return index < 0 ? 0 : counts[(size_t)index];
}

std::string PakLibrary::describe() const {
    std::string text;
    for (size_t i = 0; i < keys.size(); i++)
        text += keys[i] + "=" + std::to_string(counts[i]) + "\n";
    return text;
}
