// The mixer without a device: play requests, the sound cache and the
// mixing callback driven by hand, with WAVs built here into test archives.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "resources/pak_archive.h"
#include "resources/pak_library.h"
#include "tests/support/test_files.h"

namespace {

// A PCM WAV file of `frames` frames, every sample byte `sample`.
std::vector<uint8_t> makeWav(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t frames,
                             uint8_t sample) {
    uint32_t dataBytes = frames * channels * (bits / 8);
    std::vector<uint8_t> wav;
    for (char c : std::string("RIFF"))
        wav.push_back((uint8_t)c);
    putU32(wav, 36 + dataBytes);
    for (char c : std::string("WAVEfmt "))
        wav.push_back((uint8_t)c);
    putU32(wav, 16);
    putU16(wav, 1); // PCM
    putU16(wav, channels);
    putU32(wav, rate);
    putU32(wav, rate * channels * (bits / 8));
    putU16(wav, (uint16_t)(channels * (bits / 8)));
    putU16(wav, bits);
    for (char c : std::string("data"))
        wav.push_back((uint8_t)c);
    putU32(wav, dataBytes);
    wav.insert(wav.end(), dataBytes, sample);
    return wav;
}

// 22050 Hz stereo 16-bit already: converted length = decoded length.
constexpr uint32_t MUSIC_FRAMES = 768; // 1.5 callback buffers of 512 frames
constexpr int BUFFER_BYTES = MIX_SAMPLES * 4;

// Archives in a temp folder, a mixer without a device, switches all on.
class AudioTest : public ::testing::Test {
  protected:
    std::string dir;
    std::string savedBase;

    void SetUp() override {
        char pattern[] = "/tmp/meadow_audio_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = std::string(pattern) + "/";
        PakArchive music;
        std::vector<uint8_t> song = makeWav(MIX_RATE, 2, 16, MUSIC_FRAMES, 0x10);
        music.addEntry("music.wav", song.data(), (uint32_t)song.size());
        ASSERT_TRUE(music.save(dir + "music.pak"));
        PakArchive sound;
        std::vector<uint8_t> click = makeWav(44100, 1, 8, 4410, 0xc0);
        sound.addEntry("button.wav", click.data(), (uint32_t)click.size());
        sound.addEntry("broken.wav", "RIFFnope", 8);
        ASSERT_TRUE(sound.save(dir + "sound.pak"));

        savedBase = thePakLibrary.baseDirectory;
        thePakLibrary.setBaseDirectory(dir);
        setAudioSwitches(true, true);
        std::memset(mixChannels, 0, sizeof mixChannels);
    }
    void TearDown() override {
        std::memset(mixChannels, 0, sizeof mixChannels);
        setAudioSwitches(true, true);
        while (thePakLibrary.openCount() > 0)
            thePakLibrary.release(thePakLibrary.keys[0]);
        thePakLibrary.setBaseDirectory(savedBase);
        std::filesystem::remove_all(dir);
    }
    static bool isSilent(const std::vector<Uint8>& buffer, size_t from = 0) {
        for (size_t i = from; i < buffer.size(); i++)
            if (buffer[i] != 0) return false;
        return true;
    }
    static std::vector<Uint8> mixOnce() {
        std::vector<Uint8> buffer(BUFFER_BYTES, 0);
        mixCallback(nullptr, buffer.data(), (int)buffer.size());
        return buffer;
    }
};

std::vector<std::string> observed;
void observePlay(const std::string& name, bool music) {
    observed.push_back(name + (music ? ":music" : ":sound"));
}

} // namespace

TEST_F(AudioTest, ConvertsAnotherFormatToTheOutputFormat) {
    std::vector<uint8_t> wav = makeWav(44100, 1, 8, 4410, 0xc0);
    SDL_AudioCVT cvt;
    ASSERT_TRUE(convertWav(wav.data(), (uint32_t)wav.size(), cvt));
    // 0.1 s at 22050 Hz, stereo, 2 bytes per sample.
    EXPECT_EQ(cvt.len_cvt, 2205 * 4);
    const int16_t* samples = (const int16_t*)cvt.buf;
    EXPECT_GT(samples[cvt.len_cvt / 4], 0); // 0xc0 unsigned 8-bit is above the middle
    std::free(cvt.buf);

    EXPECT_FALSE(convertWav((const uint8_t*)"RIFFnope", 8, cvt));
    EXPECT_EQ(cvt.buf, nullptr);
    EXPECT_FALSE(convertWav(nullptr, 0, cvt));
    wav.resize(30); // cut inside the format chunk
    EXPECT_FALSE(convertWav(wav.data(), (uint32_t)wav.size(), cvt));
}

TEST_F(AudioTest, EffectsShareOneCachedBufferAndTheFourthRequestIsDropped) {
    AudioMixer mixer(false);
    mixer.play("button.wav", false);
    mixer.play("button.wav", false);
    ASSERT_EQ(mixer.sounds.size(), 1u);
    EXPECT_EQ(mixer.names[0], "button.wav");
    EXPECT_EQ(mixChannels[0].data, mixer.sounds[0].buf);
    EXPECT_EQ(mixChannels[1].data, mixer.sounds[0].buf);
    EXPECT_EQ(mixChannels[1].len, (uint32_t)mixer.sounds[0].len_cvt);
    EXPECT_EQ(thePakLibrary.referenceCount("sound.pak"), 1); // one per converted sound
    mixer.play("music.wav", true);
    EXPECT_TRUE(mixChannels[2].loop);
    MixChannel before[MIX_CHANNEL_COUNT];
    std::memcpy(before, mixChannels, sizeof before);
    mixer.play("music.wav", true); // no free voice, even for music
    EXPECT_EQ(std::memcmp(before, mixChannels, sizeof before), 0);

    // Effects run out and free their voices; the music voice stays taken.
    for (int i = 0; i < 10; i++)
        mixOnce();
    EXPECT_EQ(mixChannels[0].pos, mixChannels[0].len);
    EXPECT_TRUE(mixChannels[2].loop);
    mixer.play("button.wav", false);
    EXPECT_EQ(mixChannels[0].pos, 0u);
}

TEST_F(AudioTest, SoundOnMusicOffFreesTheMusicVoiceWithoutMixing) {
    setAudioSwitches(true, false);
    AudioMixer mixer(false);
    mixer.play("music.wav", true);
    ASSERT_TRUE(mixChannels[0].loop);
    std::vector<Uint8> buffer = mixOnce();
    EXPECT_TRUE(isSilent(buffer));
    EXPECT_FALSE(mixChannels[0].loop);
    EXPECT_EQ(mixChannels[0].pos, mixChannels[0].len);
}

TEST_F(AudioTest, SoundOffMusicOnPlaysOnlyMusic) {
    setAudioSwitches(false, true);
    AudioMixer mixer(false);
    mixer.play("button.wav", false);
    EXPECT_EQ(mixChannels[0].data, nullptr);
    EXPECT_TRUE(mixer.sounds.empty());
    mixer.play("music.wav", true);
    EXPECT_TRUE(mixChannels[0].loop);
    EXPECT_FALSE(isSilent(mixOnce()));

    setAudioSwitches(false, false); // both off: nothing starts at all
    std::memset(mixChannels, 0, sizeof mixChannels);
    mixer.play("music.wav", true);
    EXPECT_EQ(mixChannels[0].data, nullptr);
}

TEST_F(AudioTest, LoopingMusicRestartsInTheCallbackAfterItsEnd) {
    AudioMixer mixer(false);
    mixer.play("music.wav", true);
    ASSERT_EQ(mixChannels[0].len, MUSIC_FRAMES * 4);
    EXPECT_FALSE(isSilent(mixOnce()));
    std::vector<Uint8> tail = mixOnce(); // the last half buffer, then silence
    EXPECT_FALSE(isSilent(std::vector<Uint8>(tail.begin(), tail.begin() + BUFFER_BYTES / 2)));
    EXPECT_TRUE(isSilent(tail, BUFFER_BYTES / 2));
    EXPECT_EQ(mixChannels[0].pos, mixChannels[0].len);
    EXPECT_TRUE(mixChannels[0].loop); // still taken while music is on
    mixer.play("button.wav", false);
    EXPECT_EQ(mixChannels[1].data, mixer.sounds[1].buf);
    mixOnce();
    EXPECT_EQ(mixChannels[0].pos, (uint32_t)BUFFER_BYTES); // started over

    setAudioSwitches(true, false);
    mixOnce();
    EXPECT_EQ(mixChannels[0].pos, mixChannels[0].len);
    EXPECT_FALSE(mixChannels[0].loop);
}

TEST_F(AudioTest, ObserverSeesEveryRequestAndBadSoundsAreNotCached) {
    observed.clear();
    audioPlayObserver = observePlay;
    AudioMixer silent(false);
    silent.unavailable = true;
    silent.play("final.wav", false);
    AudioMixer mixer(false);
    mixer.play("broken.wav", false);
    mixer.play("missing.wav", false);
    audioPlayObserver = nullptr;
    EXPECT_EQ(observed, (std::vector<std::string>{"final.wav:sound", "broken.wav:sound",
                                                  "missing.wav:sound"}));
    EXPECT_TRUE(mixer.sounds.empty());
    EXPECT_EQ(mixChannels[0].data, nullptr);
    EXPECT_EQ(thePakLibrary.openCount(), 0); // failed loads keep no reference

    setAudioSwitches(false, false);
    setAudioSwitches(true, true); // switched on again: effects play
    mixer.play("button.wav", false);
    EXPECT_NE(mixChannels[0].data, nullptr);
    mixOnce();
}

// SDL's silent audio driver for one test, whatever the machine has.
struct DummyAudioDriver {
    const char* saved = getenv("SDL_AUDIODRIVER");
    std::string driver = saved ? saved : "";
    DummyAudioDriver() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    ~DummyAudioDriver() {
        if (saved)
            setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
    }
};

// Until the device's thread has moved voice 0 past `pos` (or two seconds).
bool voiceMovesPast(uint32_t pos) {
    for (int i = 0; i < 200; i++) {
        SDL_LockAudio();
        uint32_t now = mixChannels[0].pos;
        SDL_UnlockAudio();
        if (now > pos) return true;
        SDL_Delay(10);
    }
    return false;
}

TEST_F(AudioTest, DeviceCallbackPlaysMusicOnItsOwnThread) {
    DummyAudioDriver dummy;
    AudioMixer* mixer = new AudioMixer();
    ASSERT_TRUE(mixer->deviceOpen);
    mixer->play("music.wav", true);
    EXPECT_TRUE(voiceMovesPast(0));
    delete mixer; // closes the device, then frees the buffers it played
    EXPECT_EQ(mixChannels[0].data, nullptr);
}

TEST_F(AudioTest, AQuietDeviceClosesAfterAWhileAndTheNextSoundOpensIt) {
    DummyAudioDriver dummy;
    AudioMixer mixer;
    ASSERT_TRUE(mixer.deviceOpen);
    mixer.play("button.wav", false);
    for (int i = 0; i < 200 && !(mixChannels[0].pos == mixChannels[0].len); i++)
        SDL_Delay(10);
    ASSERT_EQ(mixChannels[0].pos, mixChannels[0].len) << "the click played out";

    const uint32_t quiet = 5000;
    mixer.pauseWhenSilent(quiet);
    EXPECT_TRUE(mixer.paused);
    mixer.pauseWhenSilent(quiet + AUDIO_SLEEP_AFTER_MS - 1);
    EXPECT_TRUE(mixer.deviceOpen);
    mixer.pauseWhenSilent(quiet + AUDIO_SLEEP_AFTER_MS);
    EXPECT_FALSE(mixer.deviceOpen);
    EXPECT_TRUE(mixer.asleep);

    // The music opens it again and plays at once; while it loops the
    // device never sleeps, however long the board rests.
    mixer.play("music.wav", true);
    EXPECT_TRUE(mixer.deviceOpen);
    EXPECT_FALSE(mixer.asleep);
    EXPECT_TRUE(voiceMovesPast(0));
    mixer.pauseWhenSilent(quiet * 10);
    mixer.pauseWhenSilent(quiet * 100);
    EXPECT_FALSE(mixer.paused);
    EXPECT_TRUE(mixer.deviceOpen);
}
