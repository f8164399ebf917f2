// The settings file: reading every shape of file, writing the 56-byte
// record, the atomic save that keeps old progress when writing fails, save
// on change and the one-copy lock.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/settings.h"
#include "resources/pak_archive.h"
#include "tests/support/test_files.h"

namespace {

// The bytes of a settings file with a reserved block of `reserved` bytes.
std::vector<uint8_t> settingsFile(int32_t version, uint32_t reserved, uint8_t flags[4],
                                  int32_t doneMask, int32_t big) {
    std::vector<uint8_t> bytes(8 + reserved + 48, 0xee);
    std::memcpy(&bytes[0], &version, 4);
    std::memcpy(&bytes[4], &reserved, 4);
    uint8_t* p = &bytes[8 + reserved];
    std::memcpy(p, flags, 4);
    for (int i = 0; i < PICTURE_COUNT; i++) {
        int32_t done = (doneMask >> i) & 1;
        std::memcpy(p + 4 + 4 * i, &done, 4);
    }
    std::memcpy(p + 44, &big, 4);
    return bytes;
}

bool isDefault(const Settings& s) {
    Settings d;
    return s.showWelcome == d.showWelcome && s.menuHidden == d.menuHidden &&
           s.soundOn == d.soundOn && s.musicOn == d.musicOn && s.bigPuzzle == d.bigPuzzle &&
           std::memcmp(s.pictureDone, d.pictureDone, sizeof d.pictureDone) == 0;
}

// Read through both readers, the bytes' and the file's (the start-up's),
// which must agree.
Settings readBoth(const std::vector<uint8_t>& bytes, bool* valid = nullptr) {
    Settings fromBytes;
    bool ok = readSettingsBytes(bytes.data(), bytes.size(), fromBytes);
    if (valid) *valid = ok;
    char path[] = "/tmp/meadow_settings_file_XXXXXX";
    int fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    if (fd >= 0) {
        EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), (ssize_t)bytes.size());
        ::close(fd);
    }
    Settings fromFile;
    EXPECT_EQ(readSettingsFile(path, fromFile), ok);
    std::remove(path);
    std::ostringstream a, b;
    fromBytes.write(a);
    fromFile.write(b);
    EXPECT_EQ(a.str(), b.str());
    return fromBytes;
}

void restoreXdg(const std::string& saved) {
    if (saved.empty()) {
        unsetenv("XDG_DATA_HOME");
    } else {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    }
}

} // namespace

TEST(Settings, DefaultsAreAFirstRun) {
    Settings s;
    EXPECT_TRUE(s.showWelcome);
    EXPECT_TRUE(s.menuHidden);
    EXPECT_TRUE(s.soundOn);
    EXPECT_TRUE(s.musicOn);
    EXPECT_EQ(s.bigPuzzle, 1);
    for (int32_t done : s.pictureDone)
        EXPECT_EQ(done, 0);
}

TEST(Settings, ReservedBlockIsSkippedAndRewrittenAway) {
    uint8_t flags[4] = {0, 1, 7, 0};
    std::vector<uint8_t> bytes = settingsFile(1, 5, flags, 1 << 3, 0);
    bool valid = false;
    Settings s = readBoth(bytes, &valid);
    EXPECT_TRUE(valid);
    EXPECT_FALSE(s.showWelcome);
    EXPECT_TRUE(s.menuHidden);
    EXPECT_TRUE(s.soundOn); // 7 reads as on
    EXPECT_FALSE(s.musicOn);
    EXPECT_EQ(s.pictureDone[3], 1);
    EXPECT_EQ(s.pictureDone[2], 0);
    EXPECT_EQ(s.bigPuzzle, 0);

    std::ostringstream out;
    s.write(out);
    std::string written = out.str();
    ASSERT_EQ(written.size(), SETTINGS_FILE_SIZE);
    EXPECT_EQ(written.substr(0, 12), std::string("\1\0\0\0\0\0\0\0\0\1\1\0", 12)); // 7 -> 1
    std::vector<uint8_t> again(written.begin(), written.end());
    uint8_t expectFlags[4] = {0, 1, 1, 0};
    EXPECT_EQ(again, settingsFile(1, 0, expectFlags, 1 << 3, 0));
}

TEST(Settings, DamagedFilesGiveTheDefaults) {
    uint8_t flags[4] = {0, 0, 0, 0};
    std::vector<uint8_t> wrongVersion = settingsFile(2, 0, flags, 0x3ff, 0);
    std::vector<uint8_t> shortFile = settingsFile(1, 0, flags, 0x3ff, 0);
    shortFile.pop_back();
    std::vector<uint8_t> hugeReserved = settingsFile(1, 0, flags, 0x3ff, 0);
    uint32_t huge = 0xfffffff0u;
    std::memcpy(&hugeReserved[4], &huge, 4);
    for (const auto& bytes : {wrongVersion, shortFile, hugeReserved, std::vector<uint8_t>{}}) {
        bool valid = true;
        EXPECT_TRUE(isDefault(readBoth(bytes, &valid)));
        EXPECT_FALSE(valid);
    }
}

TEST(Settings, SaveReplacesTheFileAtomically) {
    TempFolder temp;
    const std::string& dir = temp.path;
    std::string path = dir + SETTINGS_FILE_NAME;
    Settings s;
    s.pictureDone[3] = 1;
    ASSERT_TRUE(writeSettingsFile(s, path));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes.size(), SETTINGS_FILE_SIZE);
    EXPECT_EQ(access((path + ".tmp").c_str(), F_OK), -1); // no leftovers
    Settings back;
    ASSERT_TRUE(readSettingsBytes(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.pictureDone[3], 1);

    // A directory squatting on the temporary name makes the write fail; the
    // old file must come through untouched.  (Tests run as root, so a
    // read-only folder would not stop the write.)
    ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0700), 0);
    Settings changed;
    changed.bigPuzzle = 0;
    EXPECT_FALSE(writeSettingsFile(changed, path));
    std::vector<uint8_t> after;
    ASSERT_TRUE(readWholeFile(path, after));
    EXPECT_EQ(after, bytes);
    rmdir((path + ".tmp").c_str());

    EXPECT_FALSE(writeSettingsFile(changed, dir + "no/such/folder/cfg"));
    EXPECT_FALSE(writeSettingsFile(changed, ""));
}

TEST(Settings, LoadAndSaveThroughTheSettingsFolder) {
    TempFolder temp;
    const std::string& dir = temp.path;
    std::string savedXdg = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
    setenv("XDG_DATA_HOME", dir.c_str(), 1);

    loadSettings(); // first run: no file
    ASSERT_NE(theSettings, nullptr);
    EXPECT_EQ(settingsPath, dir + "meadow_mosaics/" + SETTINGS_FILE_NAME);
    EXPECT_TRUE(isDefault(*theSettings));
    theSettings->pictureDone[3] = 1;
    theSettings->musicOn = false;
    EXPECT_TRUE(saveSettings());
    theSettings->resetToDefaults();
    loadSettings();
    EXPECT_EQ(theSettings->pictureDone[3], 1);
    EXPECT_FALSE(theSettings->musicOn);

    // No folder to be had: defaults, and saving does nothing.
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    loadSettings();
    EXPECT_EQ(settingsPath, "");
    EXPECT_TRUE(isDefault(*theSettings));
    EXPECT_FALSE(saveSettings());

    if (!savedHome.empty()) setenv("HOME", savedHome.c_str(), 1);
    if (!savedXdg.empty()) setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    theSettings->resetToDefaults();
}

TEST(Settings, OnlyARegularFileIsReadAndNeverBlocks) {
    TempFolder temp;
    std::string fifo = temp.path + "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Settings s;
    s.showWelcome = false;
    EXPECT_FALSE(readSettingsFile(fifo, s)); // would block for ever if opened for reading
    EXPECT_TRUE(isDefault(s));
    EXPECT_FALSE(readSettingsFile(temp.path, s)); // a folder
    EXPECT_FALSE(readSettingsFile("/dev/zero", s));
    EXPECT_FALSE(readSettingsFile(temp.path + "missing", s));
    EXPECT_TRUE(isDefault(s));
}

TEST(Settings, ReservedLengthIsCheckedAgainstTheFileNotRead) {
    TempFolder temp;
    uint8_t flags[4] = {0, 0, 1, 1};
    std::string path = temp.path + SETTINGS_FILE_NAME;
    std::vector<uint8_t> reserved5 = settingsFile(1, 5, flags, 1 << 2, 0);
    std::ofstream(path, std::ios::binary).write((const char*)reserved5.data(), reserved5.size());
    Settings s;
    ASSERT_TRUE(readSettingsFile(path, s));
    EXPECT_EQ(s.pictureDone[2], 1);
    EXPECT_FALSE(s.showWelcome);

    // A record claimed 4 GB on: a sparse file just past it would take minutes
    // to skip through; the length alone is checked.
    std::vector<uint8_t> huge = settingsFile(1, 0, flags, 1 << 2, 0);
    uint32_t far = 0xfffffff0u;
    std::memcpy(&huge[4], &far, 4);
    std::ofstream(path, std::ios::binary).write((const char*)huge.data(), huge.size());
    ASSERT_EQ(truncate(path.c_str(), (off_t)1 << 31), 0); // 2 GB of holes
    EXPECT_FALSE(readSettingsFile(path, s));
    EXPECT_TRUE(isDefault(s));
}

TEST(Settings, PictureValuesReadAsZeroOrOneAndSizesAsAKnownCode) {
    uint8_t flags[4] = {0, 0, 0, 0};
    std::vector<uint8_t> bytes = settingsFile(1, 0, flags, 0, 7);
    int32_t odd[] = {2, -1, 1, 256};
    for (int i = 0; i < 4; i++)
        std::memcpy(&bytes[12 + 4 * i], &odd[i], 4);
    Settings s = readBoth(bytes);
    EXPECT_EQ(s.pictureDone[0], 0);
    EXPECT_EQ(s.pictureDone[1], 0);
    EXPECT_EQ(s.pictureDone[2], 1);
    EXPECT_EQ(s.pictureDone[3], 0);
    EXPECT_EQ(s.bigPuzzle, 1); // no size has code 7: the 48-piece size, as before the small sizes
    // The small sizes' codes, 2 and 3, and the old 0 and 1, read as they are.
    for (int32_t code : {0, 1, 2, 3}) {
        std::memcpy(&bytes[52], &code, 4);
        EXPECT_EQ(readBoth(bytes).bigPuzzle, code);
    }
    for (int32_t damaged : {4, -1, 256}) {
        std::memcpy(&bytes[52], &damaged, 4);
        EXPECT_EQ(readBoth(bytes).bigPuzzle, 1) << damaged;
    }
    std::ostringstream out;
    s.write(out);
    std::string written = out.str();
    for (size_t i = 12; i < written.size(); i++)
        EXPECT_LE((uint8_t)written[i], 1) << "byte " << i;
}

// Save on change, through the writer thread, as the frames of the game do.
TEST(Settings, ChangesAreSavedOnceAndFailuresAreSaid) {
    TempFolder temp;
    std::string savedXdg = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", temp.path.c_str(), 1);
    loadSettings();
    saveSettingsIfChanged(); // nothing changed: no file
    ASSERT_TRUE(finishSettingsWrites());
    EXPECT_EQ(access(settingsPath.c_str(), F_OK), -1);
    EXPECT_TRUE(settingsAreSaved());

    theSettings->pictureDone[5] = 1;
    saveSettingsIfChanged();
    ASSERT_TRUE(finishSettingsWrites());
    Settings back;
    ASSERT_TRUE(readSettingsFile(settingsPath, back));
    EXPECT_EQ(back.pictureDone[5], 1);
    EXPECT_TRUE(settingsAreSaved());

    // A folder in the file's place: the game goes on, says so once per
    // failed save, and no longer claims the pictures are kept.
    std::filesystem::remove(settingsPath);
    ASSERT_EQ(mkdir(settingsPath.c_str(), 0700), 0);
    theSettings->musicOn = false;
    testing::internal::CaptureStderr();
    saveSettingsIfChanged();
    ASSERT_TRUE(finishSettingsWrites());
    saveSettingsIfChanged(); // the same record: not tried again every frame
    ASSERT_TRUE(finishSettingsWrites());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Meadow Mosaics: could not save progress to " + settingsPath +
                  ": Is a directory\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(settingsAreSaved());
    testing::internal::GetCapturedStderr();
    rmdir(settingsPath.c_str());
    EXPECT_TRUE(settingsAreSaved()); // tried again: the folder is gone
    ASSERT_TRUE(readSettingsFile(settingsPath, back));
    EXPECT_FALSE(back.musicOn);

    restoreXdg(savedXdg);
    theSettings->resetToDefaults();
}

TEST(Settings, OneCopyHoldsTheFolder) {
    TempFolder temp;
    std::string savedXdg = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", temp.path.c_str(), 1);
    ASSERT_TRUE(claimSettingsFolder());
    // Another copy: its own open of the lock file.
    std::string lock = temp.path + "meadow_mosaics/" + SETTINGS_LOCK_NAME;
    int other = open(lock.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0); // held by the first
    releaseSettingsFolder();
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(claimSettingsFolder()); // now the other one runs
    close(other);
    EXPECT_TRUE(claimSettingsFolder());
    releaseSettingsFolder();
    restoreXdg(savedXdg);
}
