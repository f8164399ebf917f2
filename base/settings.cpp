// Settings: reading the progress file at start-up and writing it back
// atomically when the game is left through its own exits.
#include "base/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>

#include "base/platform.h"

Settings* theSettings = nullptr;
std::string settingsPath;

namespace {

constexpr int32_t SETTINGS_VERSION = 1;
constexpr size_t HEADER_BYTES = 8;                         // version and L
constexpr size_t RECORD_BYTES = 4 + 4 * PICTURE_COUNT + 4; // flags, pictures, size
static_assert(HEADER_BYTES + RECORD_BYTES == SETTINGS_FILE_SIZE, "the file is 56 bytes");

uint32_t readU32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

void putU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; i++)
        p[i] = (uint8_t)(v >> (8 * i));
}

// Fill the fields from the 48 bytes that follow the reserved block.
void readRecord(const uint8_t* p, Settings& out) {
    out.showWelcome = p[0] != 0;
    out.menuHidden = p[1] != 0;
    out.soundOn = p[2] != 0;
    out.musicOn = p[3] != 0;
    for (int i = 0; i < PICTURE_COUNT; i++)
        out.pictureDone[i] = (int32_t)readU32(p + 4 + 4 * i);
    out.bigPuzzle = (int32_t)readU32(p + 4 + 4 * PICTURE_COUNT);
}

// The whole file as this game writes it: version 1, L = 0, the record.
void encode(const Settings& s, uint8_t (&out)[SETTINGS_FILE_SIZE]) {
    putU32(out, (uint32_t)SETTINGS_VERSION);
    putU32(out + 4, 0);
    uint8_t* p = out + HEADER_BYTES;
    p[0] = s.showWelcome ? 1 : 0;
    p[1] = s.menuHidden ? 1 : 0;
    p[2] = s.soundOn ? 1 : 0;
    p[3] = s.musicOn ? 1 : 0;
    for (int i = 0; i < PICTURE_COUNT; i++)
        putU32(p + 4 + 4 * i, (uint32_t)s.pictureDone[i]);
    putU32(p + 4 + 4 * PICTURE_COUNT, (uint32_t)s.bigPuzzle);
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

Settings::Settings() {
    resetToDefaults();
}

Settings::Settings(std::istream& input) {
    resetToDefaults();
    uint8_t header[HEADER_BYTES];
    if (!input.read((char*)header, sizeof header)) return;
    if ((int32_t)readU32(header) != SETTINGS_VERSION) return;
    // The reserved block is skipped without being held: L may be anything.
    uint64_t reserved = readU32(header + 4);
    while (reserved > 0) {
        std::streamsize step = (std::streamsize)(reserved > 1u << 30 ? 1u << 30 : reserved);
        input.ignore(step);
        if (input.gcount() != step) return;
        reserved -= (uint64_t)step;
    }
    uint8_t record[RECORD_BYTES];
    if (!input.read((char*)record, sizeof record)) return;
    readRecord(record, *this);
}

void Settings::write(std::ostream& output) const {
    uint8_t bytes[SETTINGS_FILE_SIZE];
    encode(*this, bytes);
    output.write((const char*)bytes, sizeof bytes);
}

void Settings::resetToDefaults() {
    showWelcome = true;
    menuHidden = true;
    soundOn = true;
    musicOn = true;
    for (int32_t& done : pictureDone)
        done = 0;
    bigPuzzle = 1;
}

bool readSettingsBytes(const uint8_t* data, size_t size, Settings& out) {
    out.resetToDefaults();
    if (!data || size < HEADER_BYTES) return false;
    if ((int32_t)readU32(data) != SETTINGS_VERSION) return false;
    uint64_t reserved = readU32(data + 4);
    if ((uint64_t)size - HEADER_BYTES < reserved + RECORD_BYTES) return false;
    readRecord(data + HEADER_BYTES + reserved, out);
    return true;
}

void loadSettings() {
    std::string folder = settingsFolder();
    settingsPath = folder.empty() ? "" : folder + SETTINGS_FILE_NAME;
    if (!theSettings) theSettings = new Settings();
    theSettings->resetToDefaults();
    if (settingsPath.empty()) return;
    std::ifstream file(settingsPath, std::ios::binary);
    if (file) *theSettings = Settings(file);
}

bool saveSettings() {
    if (!theSettings || settingsPath.empty()) return false;
    return writeSettingsFile(*theSettings, settingsPath);
}

bool writeSettingsFile(const Settings& settings, const std::string& path) {
    // Written beside the old file and renamed over it, so a crash or a full
    // disk part way through leaves the previous progress intact.
    if (path.empty()) return false;
    uint8_t bytes[SETTINGS_FILE_SIZE];
    encode(settings, bytes);
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes, sizeof bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}
