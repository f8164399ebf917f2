// AudioMixer: one looping music track and short effects on three voices,
// mixed in SDL's audio callback at 22050 Hz, 16-bit little-endian stereo.
//
// play(name, music) takes the first free voice (a request that finds none is
// dropped), loading the WAV entry on first use from "music.pak" (music) or
// "sound.pak" (effects), converting it once and caching it until the mixer
// is destroyed at shutdown, which gives the archive references back.  A WAV
// already in the output format is not copied at all: its voice plays the
// samples straight from the archive's memory, which the cache's reference
// keeps open until the mixer goes (the start-up's music then costs nothing).
// Effects need sound on; music needs sound or music on to start, and the
// callback silences a looping voice as soon as music is off.  The mixer
// does not read the settings: whoever changes the player's switches tells
// it (setAudioSwitches); until then both are on.
//
// Threads: mixCallback runs on SDL's audio thread; the main thread changes a
// voice or the switches only under SDL_LockAudio.  The callback reads only
// the voices and audioSwitches.musicOn.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

constexpr int MIX_CHANNEL_COUNT = 3;
constexpr int MIX_RATE = 22050;
constexpr int MIX_SAMPLES = 512;
// The meadow's tune in "music.pak": started at start-up, and again when the
// player switches music back on.
constexpr const char* MUSIC_ENTRY = "music.wav";

struct MixChannel {
    const uint8_t* data; // converted samples, owned by the sound cache
    uint32_t pos;        // bytes already mixed
    uint32_t len;        // bytes in all
    bool loop;           // restart at the end while music is on
};

extern MixChannel mixChannels[MIX_CHANNEL_COUNT];

// The player's two switches as the mixer was last told them.
struct AudioSwitches {
    bool soundOn = true; // effects (and music) may start
    bool musicOn = true; // music may start and keeps looping
};

extern AudioSwitches audioSwitches; // written only by setAudioSwitches

// Tell the mixer the player's switches (start-up, the main menu's toggles).
void setAudioSwitches(bool soundOn, bool musicOn);

struct AudioMixer {
    bool unavailable = false;          // no device: every request is ignored
    bool deviceOpen = false;           // this mixer opened the device (and closes it)
    bool paused = false;               // the device is paused: nothing was playing
    bool asleep = false;               // the device was closed in a long quiet: play opens it
    uint32_t pausedAtMs = 0;           // when it was paused (the caller's clock)
    std::vector<SDL_AudioCVT> sounds;  // converted sounds, each owns its buf unless borrowed
    std::vector<uint8_t> borrowed;     // parallel: 1 when buf is the archive's own bytes
    std::vector<std::string> names;    // parallel to sounds
    std::vector<const char*> archives; // parallel: the archive each holds a reference on

    explicit AudioMixer(bool openDevice = true); // false: no device, for tests
    ~AudioMixer(); // closes the device, frees the sounds, releases their archives
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;
    void play(const std::string& name, bool music); // resumes a paused or sleeping device
    // Pause the device while every voice is free, so the callback stops
    // mixing silence, and close it once it has been paused for
    // AUDIO_SLEEP_AFTER_MS; the main loop calls it when it rests.
    void pauseWhenSilent(uint32_t nowMs);
    // Open the device and start it; false when it will not open.
    bool wake();
};

// A quiet this long closes the device: SDL's audio thread would otherwise
// wake for every buffer of silence while the board rests.  The first sound
// after it waits for the device to open again.
constexpr uint32_t AUDIO_SLEEP_AFTER_MS = 2000;

extern AudioMixer* theAudio;

// Tests and tools may watch every play request (before any gate).
extern void (*audioPlayObserver)(const std::string& name, bool music);

void mixCallback(void* userdata, Uint8* stream, int length);

// Decode a WAV held in memory and convert it to the output format.
bool convertWav(const uint8_t* bytes, uint32_t size, SDL_AudioCVT& out);

// The samples of a plain PCM WAV that is already in the output format
// (16-bit little-endian stereo at MIX_RATE, a data chunk of whole frames
// inside the file): out.buf points into bytes, len = len_cvt = their
// length.  False for anything else, which then goes through convertWav.
bool mixReadyWav(const uint8_t* bytes, uint32_t size, SDL_AudioCVT& out);
