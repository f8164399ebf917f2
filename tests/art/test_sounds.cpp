// The written music and effects: every sound the game asks for is in its
// archive, decodes with SDL in the mixer's own format (so nothing is
// resampled at run time), lasts as long as it should and is levelled so the
// three mixed voices leave headroom.  The music must loop without a click.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/pak_archive.h"

namespace {

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
    SDL_AudioSpec spec{};        // its format
    std::vector<int16_t> frames; // interleaved left/right samples
};

std::string gameDir() {
    const char* dir = std::getenv("MEADOW_GAME_DIR");
    return dir ? dir : ".";
}

// Decodes one archive entry with SDL, as the mixer does.
Decoded decodeEntry(const std::string& pakName, const std::string& entry) {
    Decoded out;
    PakArchive pak(gameDir() + "/" + pakName);
    EntryBytes bytes = pak.entryData(entry);
    if (!pak.valid || !bytes.bytes) return out;
    SDL_RWops* reader = SDL_RWFromMem((void*)bytes.bytes, (int)bytes.size);
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(reader, 1, &out.spec, &samples, &length)) return out;
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
    EXPECT_EQ(d.spec.freq, RATE) << name;
    EXPECT_EQ(d.spec.format, AUDIO_S16LSB) << name;
    EXPECT_EQ(d.spec.channels, 2) << name;
}

// Both channels of frame i stay within EDGE_LIMIT of zero.
bool nearSilent(const Decoded& d, size_t i) {
    return std::abs((int)d.frames[2 * i]) <= EDGE_LIMIT &&
           std::abs((int)d.frames[2 * i + 1]) <= EDGE_LIMIT;
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
