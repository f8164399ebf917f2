// The mixer at shutdown: the sounds it cached go with it, and so do the
// archive references they held, so a second start in the same process
// begins with nothing open.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "resources/pak_archive.h"
#include "resources/pak_library.h"

namespace {

// A short 16-bit mono PCM WAV of silence.
std::vector<uint8_t> tinyWav() {
    const uint32_t rate = 22050, samples = 2205, dataBytes = samples * 2;
    std::vector<uint8_t> wav;
    auto put = [&wav](const void* p, size_t n) {
        const uint8_t* b = (const uint8_t*)p;
        wav.insert(wav.end(), b, b + n);
    };
    auto u32 = [&put](uint32_t v) { put(&v, 4); };
    auto u16 = [&put](uint16_t v) { put(&v, 2); };
    put("RIFF", 4);
    u32(36 + dataBytes);
    put("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    put("data", 4);
    u32(dataBytes);
    wav.resize(wav.size() + dataBytes, 0);
    return wav;
}

struct MixerShutdown : testing::Test {
    std::string dir, savedBase;
    Settings settings;
    Settings* savedSettings = nullptr;

    void SetUp() override {
        char pattern[] = "/tmp/meadow_mixer_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = std::string(pattern) + "/";
        std::vector<uint8_t> wav = tinyWav();
        for (const char* archive : {"sound.pak", "music.pak"}) {
            PakArchive pak;
            pak.addEntry(std::string(archive) == "sound.pak" ? "pop.wav" : "tune.wav", wav.data(),
                         (uint32_t)wav.size());
            ASSERT_TRUE(pak.save(dir + archive));
        }
        savedBase = thePakLibrary.baseDirectory;
        thePakLibrary.setBaseDirectory(dir);
        savedSettings = theSettings;
        theSettings = &settings;
    }
    void TearDown() override {
        std::memset(mixChannels, 0, sizeof mixChannels);
        theSettings = savedSettings;
        while (thePakLibrary.openCount() > 0)
            thePakLibrary.release(thePakLibrary.keys[0]);
        thePakLibrary.setBaseDirectory(savedBase);
        std::filesystem::remove_all(dir);
    }
};

} // namespace

TEST_F(MixerShutdown, DestroyingTheMixerGivesEveryArchiveBack) {
    {
        AudioMixer mixer(false);
        mixer.play("tune.wav", true);
        mixer.play("pop.wav", false);
        mixer.play("pop.wav", false); // cached: no second reference
        EXPECT_EQ(thePakLibrary.referenceCount("music.pak"), 1);
        EXPECT_EQ(thePakLibrary.referenceCount("sound.pak"), 1);
    }
    EXPECT_EQ(thePakLibrary.openCount(), 0) << thePakLibrary.describe();
}

TEST_F(MixerShutdown, ASecondMixerStartsFromNothing) {
    for (int start = 0; start < 3; ++start) {
        AudioMixer* mixer = new AudioMixer(false);
        mixer->play("tune.wav", true);
        EXPECT_EQ(thePakLibrary.referenceCount("music.pak"), 1) << start;
        delete mixer;
        EXPECT_EQ(thePakLibrary.openCount(), 0) << start;
    }
}

TEST_F(MixerShutdown, ASoundThatCouldNotBeLoadedHoldsNothing) {
    AudioMixer mixer(false);
    mixer.play("absent.wav", false);
    EXPECT_EQ(thePakLibrary.openCount(), 0);
}
