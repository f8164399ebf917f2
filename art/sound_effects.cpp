// Sound effects of the game (see sound_effects.h).
#include "art/sound_effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 2.0 * PI;

// Noise that is the same on every build.
struct NoiseSource {
    uint32_t state; // xorshift state, never zero
};

// Next noise sample in [-1, 1).
float nextNoise(NoiseSource& n) {
    n.state ^= n.state << 13;
    n.state ^= n.state >> 17;
    n.state ^= n.state << 5;
    return (float)((double)n.state / 2147483648.0 - 1.0);
}

// Chamberlin state-variable filter; its band output is what the swish uses.
struct BandFilter {
    double low = 0.0;  // low-pass state
    double band = 0.0; // band-pass state
};

// Filters one sample around `centre` Hz with the given resonance; returns
// the band-pass output.
double bandPass(BandFilter& f, double in, double centre, double q) {
    double k = 2.0 * std::sin(PI * centre / SOUND_RATE);
    f.low += k * f.band;
    double high = in - f.low - f.band / q;
    f.band += k * high;
    return f.band;
}

// Seconds from the start at frame i.
double secondsAt(size_t i) {
    return (double)i / SOUND_RATE;
}

// Button pop: a sine that drops from about 1.5 kHz to 600 Hz within a few
// milliseconds, with a breath of noise on the attack.
constexpr double BUTTON_SECONDS = 0.09;

// Lift bloop: a rounded tone gliding up from 280 Hz to 1 kHz.
constexpr double LIFT_SECONDS = 0.22;
constexpr double LIFT_LOW_HZ = 280.0;
constexpr double LIFT_HIGH_HZ = 1000.0;
constexpr double LIFT_GLIDE_SECONDS = 0.16;

// Flight swish: noise through two band-pass filters whose centre rises from
// 350 Hz to 2.2 kHz and falls back, drifting from left to right.
constexpr double FLIGHT_SECONDS = 0.62;
constexpr double FLIGHT_LOW_HZ = 350.0;
constexpr double FLIGHT_HIGH_HZ = 2200.0;
constexpr double FLIGHT_Q = 3.0;
constexpr uint32_t FLIGHT_SEED = 0x5eed1234u;
constexpr uint32_t BUTTON_SEED = 0x00c0ffeeu;

// Fanfare: a tick is a tenth of a second.
constexpr double FANFARE_TICK_SECONDS = 0.1;
constexpr double FANFARE_SECONDS = 3.0;
constexpr double FANFARE_FADE_SECONDS = 0.35;
constexpr int CH_TRUMPET = 0;
constexpr int CH_BRASS = 1;
constexpr int CH_BELLS = 2;
constexpr int CH_TIMPANI = 3;

constexpr ScorePart FANFARE_BAND[] = {
    {CH_TRUMPET, 56, 110, 64, 50}, // trumpet
    {CH_BRASS, 61, 96, 64, 50},    // brass section
    {CH_BELLS, 9, 84, 80, 70},     // glockenspiel
    {CH_TIMPANI, 47, 100, 50, 40}, // timpani
};

// Trumpet calls G-B-D, leaps to the high G, and the band lands on G major
// with a glockenspiel sparkle and a timpani stroke.
constexpr ScoreNote FANFARE_NOTES[] = {
    {0, 1, CH_TRUMPET, 67, 96},  {1, 1, CH_TRUMPET, 71, 100}, {2, 1, CH_TRUMPET, 74, 104},
    {3, 4, CH_TRUMPET, 79, 112}, {7, 1, CH_TRUMPET, 74, 100}, {8, 14, CH_TRUMPET, 79, 118},
    {3, 4, CH_BRASS, 55, 90},    {3, 4, CH_BRASS, 62, 90},    {8, 14, CH_BRASS, 55, 104},
    {8, 14, CH_BRASS, 59, 104},  {8, 14, CH_BRASS, 62, 104},  {8, 14, CH_BRASS, 67, 104},
    {8, 2, CH_BELLS, 91, 80},    {9, 2, CH_BELLS, 95, 80},    {10, 2, CH_BELLS, 98, 84},
    {11, 8, CH_BELLS, 103, 90},  {8, 6, CH_TIMPANI, 43, 110},
};

} // namespace

StereoSignal makeButtonSound() {
    StereoSignal s = makeSilence(framesFor(BUTTON_SECONDS));
    NoiseSource noise = {BUTTON_SEED};
    double phase = 0.0;
    float smooth = 0.0f;
    for (size_t i = 0; i < frameCount(s); ++i) {
        double t = secondsAt(i);
        phase += TWO_PI * (600.0 + 900.0 * std::exp(-t / 0.012)) / SOUND_RATE;
        smooth += 0.3f * (nextNoise(noise) - smooth);
        double v = std::sin(phase) * std::exp(-t / 0.016) + 0.35 * smooth * std::exp(-t / 0.002);
        s.left[i] = s.right[i] = (float)v;
    }
    fadeEdges(s, framesFor(0.001), framesFor(0.02));
    scaleToPeak(s, EFFECT_PEAK_DB);
    return s;
}

StereoSignal makeLiftSound() {
    StereoSignal s = makeSilence(framesFor(LIFT_SECONDS));
    double phase = 0.0;
    for (size_t i = 0; i < frameCount(s); ++i) {
        double t = secondsAt(i);
        double glide = std::pow(std::min(t / LIFT_GLIDE_SECONDS, 1.0), 0.6);
        phase += TWO_PI * LIFT_LOW_HZ * std::pow(LIFT_HIGH_HZ / LIFT_LOW_HZ, glide) / SOUND_RATE;
        double tone = std::sin(phase) + 0.25 * std::sin(2.0 * phase) + 0.08 * std::sin(3.0 * phase);
        double env = (1.0 - std::exp(-t / 0.004)) * std::exp(-t / 0.075);
        s.left[i] = s.right[i] = (float)(tone * env);
    }
    fadeEdges(s, framesFor(0.002), framesFor(0.04));
    scaleToPeak(s, EFFECT_PEAK_DB);
    return s;
}

StereoSignal makeFlightSound() {
    StereoSignal s = makeSilence(framesFor(FLIGHT_SECONDS));
    NoiseSource noise = {FLIGHT_SEED};
    BandFilter first, second;
    size_t n = frameCount(s);
    for (size_t i = 0; i < n; ++i) {
        double u = (double)i / (double)n;
        double rise = std::sin(PI * std::pow(u, 0.8));
        double centre = FLIGHT_LOW_HZ * std::pow(FLIGHT_HIGH_HZ / FLIGHT_LOW_HZ, rise);
        double v = bandPass(first, nextNoise(noise), centre, FLIGHT_Q);
        v = bandPass(second, v, centre, FLIGHT_Q);
        double env = std::pow(std::sin(PI * std::pow(u, 0.7)), 2.0);
        double pan = PI / 4.0 + (u - 0.5) * PI / 4.0;
        s.left[i] = (float)(v * env * std::cos(pan));
        s.right[i] = (float)(v * env * std::sin(pan));
    }
    fadeEdges(s, framesFor(0.005), framesFor(0.02));
    scaleToPeak(s, EFFECT_PEAK_DB);
    return s;
}

Score fanfareScore() {
    Score score;
    score.parts.assign(std::begin(FANFARE_BAND), std::end(FANFARE_BAND));
    score.notes.assign(std::begin(FANFARE_NOTES), std::end(FANFARE_NOTES));
    score.framesPerTick = FANFARE_TICK_SECONDS * SOUND_RATE;
    score.frames = framesFor(FANFARE_SECONDS);
    return score;
}

StereoSignal makeFanfare(ScoreSynth& synth) {
    StereoSignal s = renderScore(synth, fanfareScore());
    fadeEdges(s, framesFor(0.002), framesFor(FANFARE_FADE_SECONDS));
    scaleToPeak(s, EFFECT_PEAK_DB);
    return s;
}
