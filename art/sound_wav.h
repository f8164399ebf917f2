// Sound buffers of the art generator and the WAV files made from them.
//
// Every sound of the game is built as a StereoSignal: two float channels at
// the game's own output rate (22050 Hz), full scale = 1.0.  The builders in
// sound_music.cpp and sound_effects.cpp fill one, shape its edges, bring its
// loudest sample to a chosen level and hand it to encodeWav, which writes
// the plain RIFF/PCM file the mixer loads (16-bit little-endian, 2 channels,
// 22050 Hz, so the mixer's conversion step has nothing to do).
//
// NOTE: the mixer adds its three voices at full volume and clips, so levels
// are chosen here, once: music peaks near -14 dBFS, effects near -6 dBFS.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int SOUND_RATE = 22050; // sample frames per second of every sound

struct StereoSignal {
    std::vector<float> left;  // left channel, full scale = 1.0
    std::vector<float> right; // right channel, same length as left
};

// A silent signal of the given number of frames.
StereoSignal makeSilence(size_t frames);

// Frames in a signal.
inline size_t frameCount(const StereoSignal& s) {
    return s.left.size();
}

// Frames in a duration given in seconds, rounded to the nearest frame.
size_t framesFor(double seconds);

// Largest absolute sample over both channels.
float peakLevel(const StereoSignal& s);

// Scales the signal so its largest sample sits at the given level in dBFS.
void scaleToPeak(StereoSignal& s, double peakDb);

// Raised-cosine fade over the first `in` and last `out` frames, so the
// sound starts and stops at zero without a click.
void fadeEdges(StereoSignal& s, size_t in, size_t out);

// The signal as a RIFF WAV file: PCM, 22050 Hz, 16-bit, stereo.
std::vector<uint8_t> encodeWav(const StereoSignal& s);
