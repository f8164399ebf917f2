// Sound buffers and their WAV files (see sound_wav.h).
#include "art/sound_wav.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int CHANNELS = 2;
constexpr int BYTES_PER_SAMPLE = 2;
constexpr uint32_t WAV_HEADER_BYTES = 44;

// Appends a little-endian 32-bit value.
void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back((uint8_t)(v >> (8 * i)));
}

// Appends a little-endian 16-bit value.
void putU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back((uint8_t)(v & 0xff));
    out.push_back((uint8_t)(v >> 8));
}

// Appends four ASCII characters.
void putTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// One float sample as a rounded, clamped 16-bit value.
int16_t toS16(float v) {
    double scaled = std::round((double)v * 32767.0);
    return (int16_t)std::clamp(scaled, -32768.0, 32767.0);
}

// Rising half of a raised cosine: 0 at i = 0, nearly 1 at i = n - 1.
float riseGain(size_t i, size_t n) {
    constexpr double PI = 3.14159265358979323846;
    return (float)(0.5 - 0.5 * std::cos(PI * (double)i / (double)n));
}

} // namespace

StereoSignal makeSilence(size_t frames) {
    StereoSignal s;
    s.left.assign(frames, 0.0f);
    s.right.assign(frames, 0.0f);
    return s;
}

size_t framesFor(double seconds) {
    return (size_t)std::lround(seconds * SOUND_RATE);
}

float peakLevel(const StereoSignal& s) {
    float peak = 0.0f;
    for (float v : s.left)
        peak = std::max(peak, std::fabs(v));
    for (float v : s.right)
        peak = std::max(peak, std::fabs(v));
    return peak;
}

void scaleToPeak(StereoSignal& s, double peakDb) {
    float peak = peakLevel(s);
    if (peak <= 0.0f) return;
    float gain = (float)(std::pow(10.0, peakDb / 20.0) / peak);
    for (float& v : s.left)
        v *= gain;
    for (float& v : s.right)
        v *= gain;
}

void fadeEdges(StereoSignal& s, size_t in, size_t out) {
    size_t n = frameCount(s);
    in = std::min(in, n);
    out = std::min(out, n);
    for (size_t i = 0; i < in; ++i) {
        float g = riseGain(i, in);
        s.left[i] *= g;
        s.right[i] *= g;
    }
    for (size_t i = 0; i < out; ++i) {
        float g = riseGain(i, out);
        s.left[n - 1 - i] *= g;
        s.right[n - 1 - i] *= g;
    }
}

std::vector<uint8_t> encodeWav(const StereoSignal& s) {
    uint32_t frames = (uint32_t)frameCount(s);
    uint32_t dataBytes = frames * CHANNELS * BYTES_PER_SAMPLE;
    std::vector<uint8_t> out;
    out.reserve(WAV_HEADER_BYTES + dataBytes);
    putTag(out, "RIFF");
    putU32(out, WAV_HEADER_BYTES - 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);                                       // format chunk size
    putU16(out, 1);                                        // PCM
    putU16(out, CHANNELS);                                 // channels
    putU32(out, SOUND_RATE);                               // frames per second
    putU32(out, SOUND_RATE * CHANNELS * BYTES_PER_SAMPLE); // bytes per second
    putU16(out, CHANNELS * BYTES_PER_SAMPLE);              // bytes per frame
    putU16(out, 8 * BYTES_PER_SAMPLE);                     // bits per sample
    putTag(out, "data");
    putU32(out, dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        putU16(out, (uint16_t)toS16(s.left[i]));
        putU16(out, (uint16_t)toS16(s.right[i]));
    }
    return out;
}
