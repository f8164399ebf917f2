// The lullaby waltz and its seamless loop (see sound_music.h).
#include "art/sound_music.h"

#include <algorithm>

namespace {

// Time grid: a tick is a sixteenth note; the waltz has three crotchets,
// so twelve ticks, to the bar.
constexpr int EIGHTH = 2;
constexpr int BAR_TICKS = 12;
constexpr int BAR_COUNT = 32;
constexpr int LOOP_TICKS = BAR_TICKS * BAR_COUNT;
constexpr double LOOP_SECONDS = 60.0; // 96 crotchets a minute
constexpr double RING_SECONDS = 4.0;  // rendered after the last bar, then folded

// MIDI channels of the band.
constexpr int CH_MUSIC_BOX = 0;
constexpr int CH_FLUTE = 1;
constexpr int CH_PAD = 2;
constexpr int CH_MARIMBA = 3;
constexpr int CH_BASS = 4;

// The band: channel, General MIDI instrument, volume, pan, reverb send.
constexpr ScorePart BAND[] = {
    {CH_MUSIC_BOX, 10, 112, 60, 70}, // music box
    {CH_FLUTE, 73, 92, 70, 60},      // flute
    {CH_PAD, 89, 58, 64, 80},        // warm pad
    {CH_MARIMBA, 12, 104, 44, 50},   // marimba, a little to the left
    {CH_BASS, 45, 84, 84, 40},       // pizzicato strings, a little to the right
};

// The music box sounds an octave above the written tune.
constexpr int MUSIC_BOX_OCTAVE = 12;

struct TuneNote {
    int key;     // MIDI key as written (flute pitch)
    int eighths; // length in eighth notes
};

// Keys of the tune, as written.
constexpr int FS4 = 66, G4 = 67, A4 = 69, B4 = 71, C5 = 72, CS5 = 73, D5 = 74, E5 = 76, G5 = 79,
              A5 = 81;

// The tune, one bar to a line.  A (bars 1-8) asks, A' (9-16) answers and
// comes home, B (17-24) climbs through C and A minor and turns back, A''
// (25-32) answers again and steps up to the first note of the loop.
// clang-format off
constexpr TuneNote TUNE[] = {
    // A
    {B4, 4}, {D5, 2},
    {G5, 4}, {D5, 2},
    {E5, 2}, {D5, 2}, {C5, 2},
    {B4, 6},
    {C5, 4}, {E5, 2},
    {D5, 2}, {C5, 2}, {A4, 2},
    {A4, 2}, {B4, 2}, {C5, 2},
    {D5, 6},
    // A'
    {B4, 4}, {D5, 2},
    {G5, 4}, {D5, 2},
    {E5, 2}, {D5, 2}, {C5, 2},
    {B4, 6},
    {C5, 4}, {E5, 2},
    {D5, 2}, {C5, 2}, {A4, 2},
    {FS4, 2}, {A4, 2}, {C5, 2},
    {B4, 2}, {G4, 4},
    // B
    {E5, 2}, {G5, 2}, {E5, 2},
    {D5, 4}, {B4, 2},
    {C5, 2}, {E5, 2}, {A5, 2},
    {G5, 4}, {D5, 2},
    {E5, 1}, {D5, 1}, {C5, 2}, {E5, 2},
    {D5, 2}, {B4, 2}, {G4, 2},
    {A4, 2}, {CS5, 2}, {E5, 2},
    {D5, 4}, {C5, 2},
    // A''
    {B4, 4}, {D5, 2},
    {G5, 4}, {D5, 2},
    {E5, 2}, {D5, 2}, {C5, 2},
    {B4, 6},
    {C5, 4}, {E5, 2},
    {D5, 2}, {C5, 2}, {A4, 2},
    {FS4, 2}, {A4, 2}, {C5, 2},
    {B4, 2}, {G4, 2}, {A4, 2},
};
// clang-format on

struct Chord {
    int bass;   // pizzicato root, MIDI key
    int pad[3]; // pad voicing, low to high
};

constexpr Chord G_MAJOR = {43, {55, 59, 62}};
constexpr Chord C_MAJOR = {48, {55, 60, 64}};
constexpr Chord A_MINOR = {45, {57, 60, 64}};
constexpr Chord D_MAJOR = {38, {54, 57, 62}};
constexpr Chord D_SEVENTH = {38, {54, 57, 60}};
constexpr Chord E_MINOR = {40, {55, 59, 64}};
constexpr Chord A_SEVENTH = {45, {55, 57, 61}};

// One chord per bar.
constexpr const Chord* BAR_CHORDS[BAR_COUNT] = {
    &G_MAJOR, &G_MAJOR, &C_MAJOR, &G_MAJOR, &A_MINOR, &D_MAJOR, &A_MINOR,   &D_MAJOR,   // A
    &G_MAJOR, &G_MAJOR, &C_MAJOR, &G_MAJOR, &A_MINOR, &D_MAJOR, &D_SEVENTH, &G_MAJOR,   // A'
    &C_MAJOR, &G_MAJOR, &A_MINOR, &G_MAJOR, &C_MAJOR, &E_MINOR, &A_SEVENTH, &D_SEVENTH, // B
    &G_MAJOR, &G_MAJOR, &C_MAJOR, &G_MAJOR, &A_MINOR, &D_MAJOR, &D_SEVENTH, &G_MAJOR,   // A''
};

struct Section {
    int firstBar;   // 0-based, inclusive
    int endBar;     // exclusive
    bool musicBox;  // the music box sings the tune
    bool flute;     // the flute sings the tune
    bool arpeggios; // marimba rolls the chord in eighths instead of "oom-pah-pah"
    bool fifths;    // the bass answers its root with the fifth on beat three
};

constexpr Section SECTIONS[] = {
    {0, 8, true, false, false, false},  // A
    {8, 16, true, false, true, false},  // A'
    {16, 24, false, true, false, true}, // B
    {24, 32, true, true, true, false},  // A''
};

// Marimba roll over a bar: bass an octave up, then the pad voicing up an
// octave, rising and falling.
constexpr int ARPEGGIO_STEPS = 6;

// True when the tune fills exactly the loop and no note crosses a barline.
constexpr bool tuneFitsBars() {
    int tick = 0;
    for (const TuneNote& n : TUNE) {
        int end = tick + n.eighths * EIGHTH;
        if (n.eighths <= 0 || tick / BAR_TICKS != (end - 1) / BAR_TICKS) return false;
        tick = end;
    }
    return tick == LOOP_TICKS;
}
static_assert(tuneFitsBars(), "the tune must fill 32 whole bars");

// The section a bar belongs to.
const Section& sectionOf(int bar) {
    for (const Section& s : SECTIONS)
        if (bar >= s.firstBar && bar < s.endBar) return s;
    return SECTIONS[0];
}

// The tune on the music box and/or flute, as each section asks.
void addTune(Score& score) {
    int tick = 0;
    for (const TuneNote& n : TUNE) {
        int length = n.eighths * EIGHTH;
        bool downbeat = tick % BAR_TICKS == 0;
        const Section& s = sectionOf(tick / BAR_TICKS);
        if (s.musicBox)
            score.notes.push_back(
                {tick, length, CH_MUSIC_BOX, n.key + MUSIC_BOX_OCTAVE, downbeat ? 92 : 80});
        if (s.flute) score.notes.push_back({tick, length, CH_FLUTE, n.key, downbeat ? 84 : 74});
        tick += length;
    }
}

// Sustained pad chords; bars that repeat a chord hold it on.
void addPad(Score& score) {
    for (int bar = 0; bar < BAR_COUNT;) {
        int end = bar + 1;
        while (end < BAR_COUNT && BAR_CHORDS[end] == BAR_CHORDS[bar])
            ++end;
        for (int key : BAR_CHORDS[bar]->pad)
            score.notes.push_back({bar * BAR_TICKS, (end - bar) * BAR_TICKS, CH_PAD, key, 64});
        bar = end;
    }
}

// Marimba: chord on beats two and three, or a rolling arpeggio.
void addMarimba(Score& score, int bar) {
    const Chord& c = *BAR_CHORDS[bar];
    int start = bar * BAR_TICKS;
    if (sectionOf(bar).arpeggios) {
        const int keys[ARPEGGIO_STEPS] = {c.bass + 12,   c.pad[0] + 12, c.pad[1] + 12,
                                          c.pad[2] + 12, c.pad[1] + 12, c.pad[0] + 12};
        for (int i = 0; i < ARPEGGIO_STEPS; ++i)
            score.notes.push_back(
                {start + i * EIGHTH, EIGHTH, CH_MARIMBA, keys[i], i == 0 ? 66 : 58});
        return;
    }
    for (int beat = 1; beat < 3; ++beat)
        for (int v = 1; v < 3; ++v)
            score.notes.push_back(
                {start + beat * 2 * EIGHTH, 2 * EIGHTH, CH_MARIMBA, c.pad[v] + 12, 60});
}

// Pizzicato root on the downbeat, and the fifth on beat three in B.
void addBass(Score& score, int bar) {
    const Chord& c = *BAR_CHORDS[bar];
    int start = bar * BAR_TICKS;
    if (sectionOf(bar).fifths) {
        score.notes.push_back({start, 4 * EIGHTH, CH_BASS, c.bass, 92});
        score.notes.push_back({start + 4 * EIGHTH, 2 * EIGHTH, CH_BASS, c.bass + 7, 76});
        return;
    }
    score.notes.push_back({start, BAR_TICKS, CH_BASS, c.bass, 92});
}

} // namespace

size_t musicLoopFrames() {
    size_t frames = framesFor(LOOP_SECONDS);
    return frames - frames % MIXER_BUFFER_FRAMES + (MIXER_BUFFER_FRAMES - 1);
}

Score musicScore() {
    Score score;
    score.parts.assign(std::begin(BAND), std::end(BAND));
    score.framesPerTick = (double)musicLoopFrames() / LOOP_TICKS;
    score.frames = musicLoopFrames() + framesFor(RING_SECONDS);
    addTune(score);
    addPad(score);
    for (int bar = 0; bar < BAR_COUNT; ++bar) {
        addMarimba(score, bar);
        addBass(score, bar);
    }
    return score;
}

void foldLoopTail(StereoSignal& s, size_t loopFrames) {
    size_t n = frameCount(s);
    for (size_t i = loopFrames; i < n; ++i) {
        s.left[(i - loopFrames) % loopFrames] += s.left[i];
        s.right[(i - loopFrames) % loopFrames] += s.right[i];
    }
    s.left.resize(std::min(n, loopFrames));
    s.right.resize(std::min(n, loopFrames));
}

StereoSignal makeMusic(ScoreSynth& synth) {
    StereoSignal music = renderScore(synth, musicScore());
    foldLoopTail(music, musicLoopFrames());
    fadeEdges(music, MUSIC_SEAM_DIP_FRAMES, MUSIC_SEAM_DIP_FRAMES);
    scaleToPeak(music, MUSIC_PEAK_DB);
    return music;
}
