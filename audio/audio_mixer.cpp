// AudioMixer: the sound cache, the three voices and SDL's mixing callback.
#include "audio/audio_mixer.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "resources/pak_library.h"

MixChannel mixChannels[MIX_CHANNEL_COUNT];
AudioSwitches audioSwitches;
AudioMixer* theAudio = nullptr;
void (*audioPlayObserver)(const std::string& name, bool music) = nullptr;

namespace {

constexpr Uint16 MIX_FORMAT = AUDIO_S16LSB;
constexpr Uint8 MIX_CHANNELS_OUT = 2; // stereo
constexpr const char* MUSIC_ARCHIVE = "music.pak";
constexpr const char* SOUND_ARCHIVE = "sound.pak";

bool isFree(const MixChannel& voice) {
    return voice.pos == voice.len && !voice.loop;
}

} // namespace

void setAudioSwitches(bool soundOn, bool musicOn) {
    SDL_LockAudio();
    audioSwitches.soundOn = soundOn;
    audioSwitches.musicOn = musicOn;
    SDL_UnlockAudio();
}

AudioMixer::AudioMixer(bool openDevice) {
    if (!openDevice) return;
    if (SDL_Init(SDL_INIT_AUDIO) < 0 || !wake()) unavailable = true;
}

bool AudioMixer::wake() {
    SDL_AudioSpec desired;
    std::memset(&desired, 0, sizeof desired);
    desired.freq = MIX_RATE;
    desired.format = MIX_FORMAT;
    desired.channels = MIX_CHANNELS_OUT;
    desired.samples = MIX_SAMPLES;
    desired.callback = mixCallback;
    desired.userdata = nullptr;
    // No record for the obtained format: SDL converts to exactly this one.
    if (SDL_OpenAudio(&desired, nullptr) < 0) return false;
    deviceOpen = true;
    asleep = false;
    paused = false;
    SDL_PauseAudio(0);
    return true;
}

AudioMixer::~AudioMixer() {
    if (deviceOpen) SDL_CloseAudio();
    // Voices point into the cached buffers: silence them before freeing.
    for (MixChannel& voice : mixChannels) {
        for (const SDL_AudioCVT& sound : sounds)
            if (voice.data == sound.buf) voice = {nullptr, 0, 0, false};
    }
    for (size_t i = 0; i < sounds.size(); i++)
        if (!borrowed[i]) std::free(sounds[i].buf);
    for (const char* archive : archives)
        thePakLibrary.release(archive);
}

void AudioMixer::play(const std::string& name, bool music) {
    if (audioPlayObserver) audioPlayObserver(name, music);
    if (unavailable) return;
    if (!audioSwitches.soundOn && !(music && audioSwitches.musicOn)) return;
    int voice = -1;
    for (int i = 0; i < MIX_CHANNEL_COUNT && voice < 0; i++)
        if (isFree(mixChannels[i])) voice = i;
    if (voice < 0) return;

    size_t index = 0;
    while (index < names.size() && names[index] != name)
        index++;
    if (index == names.size()) {
        const char* archive = music ? MUSIC_ARCHIVE : SOUND_ARCHIVE;
        EntryBytes entry = thePakLibrary.entryData(archive, name);
        SDL_AudioCVT sound;
        bool ready = entry.bytes && mixReadyWav(entry.bytes, entry.size, sound);
        if (!ready && (!entry.bytes || !convertWav(entry.bytes, entry.size, sound))) {
            // Nothing is cached, so a later request tries again; the
            // reference is given back so the archive's count stays honest.
            thePakLibrary.release(archive);
            return;
        }
        names.push_back(name);
        sounds.push_back(sound);
        borrowed.push_back(ready ? 1 : 0);
        archives.push_back(archive);
    }
    // A device closed for the quiet opens again for this sound; one that
    // will not open drops it, and the next sound tries again.
    if (asleep && !wake()) return;
    const SDL_AudioCVT& sound = sounds[index];
    if (deviceOpen) SDL_LockAudio();
    mixChannels[voice] = {sound.buf, 0, (uint32_t)sound.len_cvt, music};
    if (deviceOpen) SDL_UnlockAudio();
    if (paused) SDL_PauseAudio(0);
    paused = false;
}

void AudioMixer::pauseWhenSilent(uint32_t nowMs) {
    if (!deviceOpen) return;
    if (paused) {
        // Paused, SDL's audio thread still wakes for every buffer of
        // silence; after a while of quiet the device is closed altogether.
        if (nowMs - pausedAtMs >= AUDIO_SLEEP_AFTER_MS) {
            SDL_CloseAudio();
            deviceOpen = false;
            asleep = true;
        }
        return;
    }
    SDL_LockAudio();
    bool silent = true;
    for (const MixChannel& voice : mixChannels)
        silent = silent && isFree(voice);
    SDL_UnlockAudio();
    if (!silent) return;
    SDL_PauseAudio(1);
    paused = true;
    pausedAtMs = nowMs;
}

void mixCallback(void*, Uint8* stream, int length) {
    if (length <= 0) return;
    for (MixChannel& voice : mixChannels) {
        if (voice.loop) {
            if (voice.pos == voice.len) voice.pos = 0;
            if (!audioSwitches.musicOn) {
                voice.loop = false;
                voice.pos = voice.len;
            }
        }
        uint32_t n = voice.len - voice.pos;
        if (n > (uint32_t)length) n = (uint32_t)length;
        if (n > 0 && voice.data) SDL_MixAudio(stream, voice.data + voice.pos, n, SDL_MIX_MAXVOLUME);
        voice.pos += n;
    }
}

namespace {

constexpr uint16_t WAV_PCM = 1;
constexpr uint16_t MIX_FRAME_BYTES = 4; // 16-bit stereo

uint32_t wavU32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

uint16_t wavU16(const uint8_t* p) {
    return (uint16_t)(p[0] | p[1] << 8);
}

} // namespace

bool mixReadyWav(const uint8_t* bytes, uint32_t size, SDL_AudioCVT& out) {
    std::memset(&out, 0, sizeof out);
    if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return false;
    bool formatReady = false;
    // Chunks one after the other, each padded to an even length; the
    // format must come before the samples.
    for (uint32_t pos = 12; size - pos >= 8;) {
        const uint8_t* chunk = bytes + pos;
        uint32_t length = wavU32(chunk + 4);
        if (length > size - pos - 8) return false;
        const uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16) return false;
            formatReady = wavU16(body) == WAV_PCM && wavU16(body + 2) == MIX_CHANNELS_OUT &&
                          wavU32(body + 4) == (uint32_t)MIX_RATE &&
                          wavU16(body + 12) == MIX_FRAME_BYTES && wavU16(body + 14) == 16;
            if (!formatReady) return false;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!formatReady || length == 0 || length % MIX_FRAME_BYTES != 0 || length > INT_MAX)
                return false;
            out.buf = const_cast<Uint8*>(body);
            out.len = out.len_cvt = (int)length;
            out.len_mult = 1;
            out.len_ratio = 1.0;
            return true;
        }
        pos += 8 + length + (length & 1);
        if (pos > size) return false;
    }
    return false;
}

bool convertWav(const uint8_t* bytes, uint32_t size, SDL_AudioCVT& out) {
    std::memset(&out, 0, sizeof out);
    if (!bytes || size == 0 || size > INT_MAX) return false;
    SDL_RWops* reader = SDL_RWFromMem((void*)bytes, (int)size);
    if (!reader) return false;
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 sampleBytes = 0;
    if (!SDL_LoadWAV_RW(reader, 1, &spec, &samples, &sampleBytes)) return false;

    bool ok = SDL_BuildAudioCVT(&out, spec.format, spec.channels, spec.freq, MIX_FORMAT,
                                MIX_CHANNELS_OUT, MIX_RATE) >= 0;
    // The conversion works in place, in a buffer len_mult times the input.
    uint64_t bufferBytes = (uint64_t)sampleBytes * (uint64_t)(out.len_mult > 0 ? out.len_mult : 1);
    ok = ok && sampleBytes > 0 && bufferBytes <= INT_MAX;
    if (ok) out.buf = (Uint8*)std::malloc((size_t)bufferBytes);
    ok = ok && out.buf;
    if (ok) {
        std::memcpy(out.buf, samples, sampleBytes);
        out.len = (int)sampleBytes;
        ok = SDL_ConvertAudio(&out) == 0 && out.len_cvt > 0 && (uint64_t)out.len_cvt <= bufferBytes;
    }
    SDL_FreeWAV(samples);
    if (!ok) {
        std::free(out.buf);
        std::memset(&out, 0, sizeof out);
    }
    return ok;
}
