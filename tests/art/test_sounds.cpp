// The written music and effects: every sound the game asks for is in its
// archive, decodes with SDL in the mixer's own format (so nothing is
// resampled at run time), lasts as long as it should and is levelled so the
// three mixed voices leave headroom.  The music must loop without a click.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "base/settings.h"
#include "resources/pak_archive.h"
#include "resources/pak_library.h"
#include "tests/art/written_archives.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int RATE = 22050;
constexpr int MIXER_BUFFER_FRAMES = 512;

struct SoundCheck {
    const char* name;  // entry in "sound.pak"
    double minSeconds; // shortest allowed
    double maxSeconds; // longest allowed
};

constexpr SoundCheck EFFECTS[] = {
    {"button.wav", 0.06, 0.12},
    {"final.wav", 2.5, 3.5},
    {"puzzle_up.wav", 0.15, 0.25},
    {"puzzle_move.wav", 0.5, 0.7},
};

constexpr double EFFECT_PEAK_MIN_DB = -7.0;
constexpr double EFFECT_PEAK_MAX_DB = -5.0;
constexpr double MUSIC_PEAK_MIN_DB = -15.0;
constexpr double MUSIC_PEAK_MAX_DB = -13.0;
constexpr int EDGE_LIMIT = 330; // about 1% of full scale: no audible step

struct Decoded {
    bool ok = false;             // SDL read it as a WAV
    SDL_AudioSpec format{};      // its rate, sample type and channels
    std::vector<int16_t> frames; // interleaved left/right samples
};

// Decodes one archive entry with SDL, as the mixer does.
Decoded decodeEntry(const std::string& pakName, const std::string& entry) {
    Decoded out;
    PakArchive pak(gameDir() + "/" + pakName);
    EntryBytes bytes = pak.entryData(entry);
    if (!pak.valid || !bytes.bytes) return out;
    SDL_RWops* reader = SDL_RWFromMem((void*)bytes.bytes, (int)bytes.size);
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(reader, 1, &out.format, &samples, &length)) return out;
    out.frames.resize(length / sizeof(int16_t));
    std::memcpy(out.frames.data(), samples, out.frames.size() * sizeof(int16_t));
    SDL_FreeWAV(samples);
    out.ok = true;
    return out;
}

size_t frameTotal(const Decoded& d) {
    return d.frames.size() / 2;
}

double seconds(const Decoded& d) {
    return (double)frameTotal(d) / RATE;
}

// Loudest sample in dBFS.
double peakDb(const Decoded& d) {
    int peak = 1;
    for (int16_t v : d.frames)
        peak = std::max(peak, std::abs((int)v));
    return 20.0 * std::log10(peak / 32768.0);
}

// RMS of frames [from, from + count) over both channels, in dBFS.
double rmsDb(const Decoded& d, size_t from, size_t count) {
    double sum = 1e-9;
    for (size_t i = 2 * from; i < 2 * (from + count); ++i)
        sum += (double)d.frames[i] * d.frames[i];
    return 10.0 * std::log10(sum / (2.0 * count) / (32768.0 * 32768.0));
}

void expectGameFormat(const Decoded& d, const char* name) {
    ASSERT_TRUE(d.ok) << name << " is missing or not a WAV";
    EXPECT_EQ(d.format.freq, RATE) << name;
    EXPECT_EQ(d.format.format, AUDIO_S16LSB) << name;
    EXPECT_EQ(d.format.channels, 2) << name;
}

// Both channels of frame i stay within EDGE_LIMIT of zero.
bool nearSilent(const Decoded& d, size_t i) {
    return std::abs((int)d.frames[2 * i]) <= EDGE_LIMIT &&
           std::abs((int)d.frames[2 * i + 1]) <= EDGE_LIMIT;
}

// Mono (left + right) samples of frames [from, to).
std::vector<double> monoSpan(const Decoded& d, size_t from, size_t to) {
    std::vector<double> out;
    for (size_t i = from; i < to; ++i)
        out.push_back((double)d.frames[2 * i] + d.frames[2 * i + 1]);
    return out;
}

// Energy of the samples at one frequency (Goertzel).
double energyAt(const std::vector<double>& x, double hz) {
    double k = 2.0 * std::cos(2.0 * PI * hz / RATE);
    double s1 = 0.0, s2 = 0.0;
    for (double v : x) {
        double s0 = v + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - k * s1 * s2;
}

// Energy of one pitch class over three octaves, given its frequency in the lowest.
double pitchClassEnergy(const std::vector<double>& x, double hz) {
    return energyAt(x, hz) + energyAt(x, 2.0 * hz) + energyAt(x, 4.0 * hz);
}

// Upward zero crossings per second over frames [from, to) of the left channel.
double crossingRate(const Decoded& d, size_t from, size_t to) {
    int crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        if (d.frames[2 * (i - 1)] < 0 && d.frames[2 * i] >= 0) ++crossings;
    return crossings * (double)RATE / (double)(to - from);
}

} // namespace

TEST(Sounds, EffectsDecodeInTheMixerFormat) {
    for (const SoundCheck& e : EFFECTS)
        expectGameFormat(decodeEntry("sound.pak", e.name), e.name);
}

TEST(Sounds, EffectsHaveTheirLengthsAndHeadroom) {
    for (const SoundCheck& e : EFFECTS) {
        Decoded d = decodeEntry("sound.pak", e.name);
        ASSERT_TRUE(d.ok) << e.name;
        EXPECT_GE(seconds(d), e.minSeconds) << e.name;
        EXPECT_LE(seconds(d), e.maxSeconds) << e.name;
        EXPECT_GE(peakDb(d), EFFECT_PEAK_MIN_DB) << e.name;
        EXPECT_LE(peakDb(d), EFFECT_PEAK_MAX_DB) << e.name;
    }
}

TEST(Sounds, EffectsStartAndEndWithoutAClick) {
    for (const SoundCheck& e : EFFECTS) {
        Decoded d = decodeEntry("sound.pak", e.name);
        ASSERT_TRUE(d.ok) << e.name;
        EXPECT_TRUE(nearSilent(d, 0)) << e.name << " starts with a step";
        EXPECT_TRUE(nearSilent(d, frameTotal(d) - 1)) << e.name << " stops with a step";
    }
}

TEST(Sounds, MusicIsAMinuteAtBackgroundLevel) {
    Decoded d = decodeEntry("music.pak", "music.wav");
    expectGameFormat(d, "music.wav");
    ASSERT_TRUE(d.ok);
    EXPECT_GE(seconds(d), 55.0);
    EXPECT_LE(seconds(d), 65.0);
    EXPECT_GE(peakDb(d), MUSIC_PEAK_MIN_DB);
    EXPECT_LE(peakDb(d), MUSIC_PEAK_MAX_DB);
}

TEST(Sounds, MusicNeverDropsOut) {
    Decoded d = decodeEntry("music.pak", "music.wav");
    ASSERT_TRUE(d.ok);
    for (size_t from = 0; from + RATE <= frameTotal(d); from += RATE)
        EXPECT_GT(rmsDb(d, from, RATE), -45.0) << "silence at " << from / RATE << " s";
}

TEST(Sounds, MusicLoopSeamIsContinuous) {
    Decoded d = decodeEntry("music.pak", "music.wav");
    ASSERT_TRUE(d.ok);
    size_t last = frameTotal(d) - 1;
    // The mixer restarts the music one callback after it runs out; a loop one
    // frame short of whole buffers leaves a single silent frame there, which
    // is only inaudible if the seam itself sits at zero.
    EXPECT_EQ(frameTotal(d) % MIXER_BUFFER_FRAMES, (size_t)MIXER_BUFFER_FRAMES - 1);
    EXPECT_TRUE(nearSilent(d, last));
    EXPECT_TRUE(nearSilent(d, 0));
    for (int c = 0; c < 2; ++c)
        EXPECT_LE(std::abs(d.frames[2 * last + c] - d.frames[c]), EDGE_LIMIT);
    // No jump in loudness either: the ringing of the last bar carries on
    // under the first.
    size_t window = 2 * RATE;
    EXPECT_NEAR(rmsDb(d, 0, window), rmsDb(d, frameTotal(d) - window, window), 4.0);
}

TEST(Sounds, LiftBloopRises) {
    Decoded d = decodeEntry("sound.pak", "puzzle_up.wav");
    ASSERT_TRUE(d.ok);
    size_t ms = RATE / 1000;
    EXPECT_GT(crossingRate(d, 100 * ms, 150 * ms), 1.5 * crossingRate(d, 5 * ms, 45 * ms));
}

TEST(Sounds, FanfareLandsOnAMajorChord) {
    Decoded d = decodeEntry("sound.pak", "final.wav");
    ASSERT_TRUE(d.ok);
    // The held chord: G, B and D sound, B flat (a minor third) does not.
    std::vector<double> chord = monoSpan(d, RATE * 12 / 10, RATE * 2);
    double g = pitchClassEnergy(chord, 196.00);
    double b = pitchClassEnergy(chord, 246.94);
    double d5 = pitchClassEnergy(chord, 293.66);
    double bFlat = pitchClassEnergy(chord, 233.08);
    EXPECT_GT(b, 10.0 * bFlat);
    EXPECT_GT(g, 10.0 * bFlat);
    EXPECT_GT(d5, 10.0 * bFlat);
}

// The game's mixer with no device, reading the build's archives, with
// sound and music on; everything is put back afterwards.
class MixerOnGameArchives : public ::testing::Test {
  protected:
    Settings settings;                 // sound and music on
    Settings* savedSettings = nullptr; // the test binary's own settings
    std::string savedBase;             // the library's folder before the test

    void SetUp() override {
        settings.soundOn = settings.musicOn = true;
        savedSettings = theSettings;
        theSettings = &settings;
        savedBase = thePakLibrary.baseDirectory;
        thePakLibrary.setBaseDirectory(gameDir() + "/");
        std::memset(mixChannels, 0, sizeof mixChannels);
    }
    void TearDown() override {
        std::memset(mixChannels, 0, sizeof mixChannels);
        while (thePakLibrary.openCount() > 0)
            thePakLibrary.release(thePakLibrary.keys[0]);
        thePakLibrary.setBaseDirectory(savedBase);
        theSettings = savedSettings;
    }
};

// The music through the game's own mixer, across its first restart: within
// two milliseconds either side of the seam, where the loop sits at zero and
// the mixer leaves its one silent frame, the stream must not step.
TEST_F(MixerOnGameArchives, MusicRestartsWithoutAClick) {
    AudioMixer mixer(false);
    mixer.play("music.wav", true);
    ASSERT_TRUE(mixChannels[0].loop);
    size_t loopBytes = mixChannels[0].len;
    std::vector<Uint8> buffer(MIXER_BUFFER_FRAMES * 4);
    std::vector<int16_t> stream;
    while (stream.size() * 2 < loopBytes + 4 * buffer.size()) {
        std::fill(buffer.begin(), buffer.end(), 0);
        mixCallback(nullptr, buffer.data(), (int)buffer.size());
        const int16_t* samples = (const int16_t*)buffer.data();
        stream.insert(stream.end(), samples, samples + buffer.size() / 2);
    }
    std::memset(mixChannels, 0, sizeof mixChannels);
    size_t seam = loopBytes / 4; // the frame after the last one of the loop
    int worst = 0;
    for (size_t i = 2 * (seam - RATE / 500); i < 2 * (seam + RATE / 500); ++i)
        worst = std::max(worst, std::abs(stream[i + 2] - stream[i]));
    EXPECT_LE(worst, EDGE_LIMIT);
}
