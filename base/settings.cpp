// Settings: reading the progress file at start-up, writing it back
// atomically whenever it changes (on a thread of its own), and the lock
// that keeps a second copy of the game from overwriting it.
#include "base/settings.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <ostream>

#include "base/little_endian.h"
#include "base/platform.h"

Settings* theSettings = nullptr;
std::string settingsPath;

namespace {

constexpr int32_t SETTINGS_VERSION = 1;
constexpr size_t HEADER_BYTES = 8;                         // version and L
constexpr size_t RECORD_BYTES = 4 + 4 * PICTURE_COUNT + 4; // flags, pictures, size
static_assert(HEADER_BYTES + RECORD_BYTES == SETTINGS_FILE_SIZE, "the file is 56 bytes");

// Where the record starts in a file of `size` bytes that opens with this
// header; false for another version, or a reserved length that runs past
// the end (a damaged file).  The one reading of the header, for bytes and
// files alike.
bool findRecord(const uint8_t (&header)[HEADER_BYTES], uint64_t size, uint64_t& recordAt) {
    if ((int32_t)readU32(header) != SETTINGS_VERSION) return false;
    recordAt = HEADER_BYTES + (uint64_t)readU32(header + 4);
    return recordAt + RECORD_BYTES <= size;
}

void putU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; i++)
        p[i] = (uint8_t)(v >> (8 * i));
}

// Fill the fields from the 48 bytes that follow the reserved block.  Only
// 1 marks a picture done (the board shows nothing else as finished) and
// only 0 chooses the small puzzle (as the first screen does), so the record
// holds, shows and writes back 0 or 1 whatever the file held.
void readRecord(const uint8_t* p, Settings& out) {
    out.showWelcome = p[0] != 0;
    out.menuHidden = p[1] != 0;
    out.soundOn = p[2] != 0;
    out.musicOn = p[3] != 0;
    for (int i = 0; i < PICTURE_COUNT; i++)
        out.pictureDone[i] = readU32(p + 4 + 4 * i) == 1 ? 1 : 0;
    uint32_t size = readU32(p + 4 + 4 * PICTURE_COUNT);
    out.bigPuzzle = size < (uint32_t)PUZZLE_SIZE_CODES ? (int32_t)size : BIG_PUZZLE_CODE;
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

// pread() until `size` bytes at `offset` are in, or the file ends or fails.
bool readAllAt(int fd, uint8_t* bytes, size_t size, uint64_t offset) {
    while (size > 0) {
        ssize_t n = ::pread(fd, bytes, size, (off_t)offset);
        if (n <= 0) return false;
        bytes += n;
        size -= (size_t)n;
        offset += (uint64_t)n;
    }
    return true;
}

// The writer thread and what it shares with the main thread.  Made once and
// never destroyed: the thread is detached and may still wait on these while
// the process ends.
struct SettingsWriter {
    std::mutex mutex;
    std::condition_variable wake; // a record waits, or a write finished
    Settings waiting;             // the newest record handed over
    std::string waitingPath;
    bool hasWaiting = false;
    bool writing = false;
    bool lastFailed = false; // the last write that finished failed
};
SettingsWriter* writer = nullptr;

// What the file was last given (main thread only): a frame whose record
// encodes the same has nothing to save.
uint8_t handedBytes[SETTINGS_FILE_SIZE];
bool handedValid = false;

int lockFd = -1; // the settings folder's lock, held for the run

// Write whatever waits, newest first, until the process ends.
void writeWaitingRecords() {
    std::unique_lock<std::mutex> lock(writer->mutex);
    for (;;) {
        writer->wake.wait(lock, [] { return writer->hasWaiting; });
        Settings record = writer->waiting;
        std::string path = writer->waitingPath;
        writer->hasWaiting = false;
        writer->writing = true;
        lock.unlock();
        int error = 0;
        bool ok = writeSettingsFile(record, path, &error);
        if (!ok)
            std::fprintf(stderr, "Meadow Mosaics: could not save progress to %s: %s\n",
                         path.c_str(), std::strerror(error));
        lock.lock();
        writer->writing = false;
        writer->lastFailed = !ok;
        writer->wake.notify_all();
    }
}

// Hand a record to the writer thread, starting it the first time.
void handToWriter(const Settings& record, const std::string& path) {
    if (!writer) {
        writer = new SettingsWriter;
        std::thread(writeWaitingRecords).detach();
    }
    std::lock_guard<std::mutex> lock(writer->mutex);
    writer->waiting = record;
    writer->waitingPath = path;
    writer->hasWaiting = true;
    writer->wake.notify_all();
}

} // namespace

Settings::Settings() {
    resetToDefaults();
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
    uint8_t header[HEADER_BYTES];
    std::memcpy(header, data, HEADER_BYTES);
    uint64_t recordAt = 0;
    if (!findRecord(header, size, recordAt)) return false;
    readRecord(data + recordAt, out);
    return true;
}

bool readSettingsFile(const std::string& path, Settings& out) {
    out.resetToDefaults();
    // Only a regular file is read: a FIFO would block the start until some
    // writer came, and a device could be read for ever.  Not blocking on the
    // open either, in case the path turns into one between the two looks.
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    uint8_t header[HEADER_BYTES];
    uint8_t record[RECORD_BYTES];
    // The record lies after the reserved block, which is never read.
    uint64_t recordAt = 0;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              readAllAt(fd, header, sizeof header, 0) &&
              findRecord(header, (uint64_t)info.st_size, recordAt) &&
              readAllAt(fd, record, sizeof record, recordAt);
    ::close(fd);
    if (ok) readRecord(record, out);
    return ok;
}

void loadSettings() {
    std::string folder = settingsFolder();
    settingsPath = folder.empty() ? "" : folder + SETTINGS_FILE_NAME;
    if (!theSettings) theSettings = new Settings();
    readSettingsFile(settingsPath, *theSettings);
    // What was read counts as saved: a damaged file is replaced only once
    // something changes, as a file written by an older run is.
    encode(*theSettings, handedBytes);
    handedValid = true;
}

void saveSettingsIfChanged() {
    if (!theSettings || settingsPath.empty()) return;
    uint8_t bytes[SETTINGS_FILE_SIZE];
    encode(*theSettings, bytes);
    if (handedValid && std::memcmp(bytes, handedBytes, sizeof bytes) == 0) return;
    std::memcpy(handedBytes, bytes, sizeof bytes);
    handedValid = true;
    handToWriter(*theSettings, settingsPath);
}

bool finishSettingsWrites(int timeoutMs) {
    if (!writer) return true;
    std::unique_lock<std::mutex> lock(writer->mutex);
    return writer->wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [] { return !writer->hasWaiting && !writer->writing; });
}

bool settingsAreSaved() {
    saveSettingsIfChanged();
    finishSettingsWrites(SETTINGS_WRITE_PATIENCE_MS);
    bool failed = false;
    if (writer) {
        std::lock_guard<std::mutex> lock(writer->mutex);
        failed = writer->lastFailed || writer->hasWaiting || writer->writing;
    }
    if (!failed) return true;
    // The folder may be writable again (space freed, a disk remounted).
    handedValid = false;
    saveSettingsIfChanged();
    finishSettingsWrites(SETTINGS_WRITE_PATIENCE_MS);
    std::lock_guard<std::mutex> lock(writer->mutex);
    return !writer->lastFailed && !writer->hasWaiting && !writer->writing;
}

bool claimSettingsFolder() {
    releaseSettingsFolder();
    std::string folder = settingsFolder();
    if (folder.empty()) return true; // no folder: nothing to overwrite
    std::string path = folder + SETTINGS_LOCK_NAME;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC); // a read-only folder
    if (fd < 0) return true; // nothing can be saved there either
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    lockFd = fd;
    return true;
}

void releaseSettingsFolder() {
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

bool saveSettings() {
    if (!theSettings || settingsPath.empty()) return false;
    return writeSettingsFile(*theSettings, settingsPath);
}

bool writeSettingsFile(const Settings& settings, const std::string& path, int* error) {
    uint8_t bytes[SETTINGS_FILE_SIZE];
    encode(settings, bytes);
    return writeFileAtomically(path, bytes, sizeof bytes, error);
}
