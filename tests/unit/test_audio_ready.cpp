// WAVs already in the output format play from the archive's own bytes:
// the same samples the converter would give, nothing copied or freed; any
// other or malformed file goes through the converter as before.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/audio_mixer.h"
#include "resources/pak_library.h"
#include "tests/support/test_files.h"

namespace {

void putTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// A PCM WAV: `extra` is a chunk put between the format and the samples
// (empty: none); samples count up from 1 so any shift shows.
std::vector<uint8_t> makeWav(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t dataBytes,
                             const std::vector<uint8_t>& extra = {}) {
    std::vector<uint8_t> wav;
    putTag(wav, "RIFF");
    putU32(wav, (uint32_t)(36 + extra.size() + dataBytes));
    putTag(wav, "WAVE");
    putTag(wav, "fmt ");
    putU32(wav, 16);
    putU16(wav, 1);
    putU16(wav, channels);
    putU32(wav, rate);
    putU32(wav, rate * channels * (bits / 8));
    putU16(wav, (uint16_t)(channels * (bits / 8)));
    putU16(wav, bits);
    wav.insert(wav.end(), extra.begin(), extra.end());
    putTag(wav, "data");
    putU32(wav, dataBytes);
    for (uint32_t i = 0; i < dataBytes; i++)
        wav.push_back((uint8_t)(i * 7 + 1));
    return wav;
}

// A chunk of an odd length (so it carries one byte of padding).
std::vector<uint8_t> listChunk() {
    std::vector<uint8_t> chunk;
    putTag(chunk, "LIST");
    putU32(chunk, 5);
    chunk.insert(chunk.end(), {'I', 'N', 'F', 'O', 'x', 0});
    return chunk;
}

TEST(AudioReady, OutputFormatSamplesAreTheFilesOwnBytesAndMatchTheConverter) {
    for (const std::vector<uint8_t>& extra : {std::vector<uint8_t>{}, listChunk()}) {
        std::vector<uint8_t> wav = makeWav(MIX_RATE, 2, 16, 4000, extra);
        SDL_AudioCVT ready, converted;
        ASSERT_TRUE(mixReadyWav(wav.data(), (uint32_t)wav.size(), ready));
        EXPECT_EQ(ready.buf, wav.data() + wav.size() - 4000);
        EXPECT_EQ(ready.len_cvt, 4000);
        ASSERT_TRUE(convertWav(wav.data(), (uint32_t)wav.size(), converted));
        ASSERT_EQ(converted.len_cvt, ready.len_cvt);
        EXPECT_EQ(std::memcmp(converted.buf, ready.buf, 4000), 0);
        std::free(converted.buf);
    }
}

TEST(AudioReady, OtherFormatsAndMalformedFilesAreLeftToTheConverter) {
    SDL_AudioCVT out;
    EXPECT_FALSE(mixReadyWav(makeWav(44100, 2, 16, 400).data(), 444, out));
    EXPECT_FALSE(mixReadyWav(makeWav(MIX_RATE, 1, 16, 400).data(), 444, out));
    EXPECT_FALSE(mixReadyWav(makeWav(MIX_RATE, 2, 8, 400).data(), 444, out));
    std::vector<uint8_t> wav = makeWav(MIX_RATE, 2, 16, 400);
    std::vector<uint8_t> notPcm = wav;
    notPcm[20] = 3; // floating point
    EXPECT_FALSE(mixReadyWav(notPcm.data(), (uint32_t)notPcm.size(), out));
    // Samples running past the end of the file, half a frame, none.
    EXPECT_FALSE(mixReadyWav(wav.data(), (uint32_t)wav.size() - 1, out));
    std::vector<uint8_t> ragged = makeWav(MIX_RATE, 2, 16, 402);
    EXPECT_FALSE(mixReadyWav(ragged.data(), (uint32_t)ragged.size(), out));
    std::vector<uint8_t> empty = makeWav(MIX_RATE, 2, 16, 0);
    EXPECT_FALSE(mixReadyWav(empty.data(), (uint32_t)empty.size(), out));
    // Samples before any format, and no RIFF at all.
    std::vector<uint8_t> noFormat(wav.begin(), wav.begin() + 12);
    noFormat.insert(noFormat.end(), wav.begin() + 36, wav.end());
    EXPECT_FALSE(mixReadyWav(noFormat.data(), (uint32_t)noFormat.size(), out));
    EXPECT_FALSE(mixReadyWav((const uint8_t*)"RIFFnope", 8, out));
    EXPECT_FALSE(mixReadyWav(nullptr, 0, out));
    EXPECT_EQ(out.buf, nullptr);
}

TEST(AudioReady, TheMixerPlaysReadyMusicFromTheArchiveAndConvertsTheRest) {
    char pattern[] = "/tmp/meadow_audio_ready_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string dir = std::string(pattern) + "/";
    PakArchive music, sound;
    std::vector<uint8_t> song = makeWav(MIX_RATE, 2, 16, 8000);
    std::vector<uint8_t> click = makeWav(44100, 1, 16, 800);
    music.addEntry("music.wav", song.data(), (uint32_t)song.size());
    sound.addEntry("click.wav", click.data(), (uint32_t)click.size());
    ASSERT_TRUE(music.save(dir + "music.pak"));
    ASSERT_TRUE(sound.save(dir + "sound.pak"));
    std::string savedBase = thePakLibrary.baseDirectory;
    thePakLibrary.setBaseDirectory(dir);
    std::memset(mixChannels, 0, sizeof mixChannels);
    {
        AudioMixer mixer(false);
        mixer.play("music.wav", true);
        mixer.play("click.wav", false);
        ASSERT_EQ(mixer.sounds.size(), 2u);
        EntryBytes entry = thePakLibrary.open("music.pak")->entryData("music.wav");
        thePakLibrary.release("music.pak");
        EXPECT_EQ(mixChannels[0].data, entry.bytes + entry.size - 8000);
        EXPECT_EQ(mixChannels[0].len, 8000u);
        EXPECT_EQ(mixer.borrowed, (std::vector<uint8_t>{1, 0}));
        EXPECT_TRUE(mixChannels[1].data < entry.bytes || mixChannels[1].data > entry.bytes + entry.size);
        // The voice plays the file's own samples, every one of them.
        EXPECT_EQ(std::memcmp(mixChannels[0].data, song.data() + song.size() - 8000, 8000), 0);
    } // the mixer frees only what it converted, then lets the archives go
    EXPECT_EQ(thePakLibrary.openCount(), 0);
    std::memset(mixChannels, 0, sizeof mixChannels);
    thePakLibrary.setBaseDirectory(savedBase);
    std::filesystem::remove_all(dir);
}

} // namespace
