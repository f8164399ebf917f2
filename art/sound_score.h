// Scores: the game's music written as plain note tables and played offline
// through FluidSynth with the FluidR3Mono General MIDI soundfont.
//
// A Score is what the composers in sound_music.cpp and sound_effects.cpp
// build from their constexpr tables: notes on a grid of ticks, the
// instrument of each channel, how many frames one tick lasts and how many
// frames to render in all (the notes plus the ringing after them).
// renderScore plays it on a ScoreSynth into a StereoSignal at 22050 Hz;
// nothing goes near an audio device, and the same score always renders the
// same samples.
//
// One ScoreSynth is opened per generator run and shared by every score: the
// soundfont is read once and its samples are decoded only for the
// instruments a score asks for.
//
// NOTE: the soundfont is chosen by its file path, from the Debian package
// fluidr3mono-gm-soundfont (MIT licence).  If it is missing the generator
// fails and says which package to install; it never falls back to another
// soundfont.
#pragma once

#include "art/sound_wav.h"

#include <fluidsynth.h>

#include <string>
#include <vector>

struct ScoreNote {
    int start;    // first tick
    int length;   // ticks held before the key is let go
    int channel;  // MIDI channel, 0..15 (9 is the drum kit)
    int key;      // MIDI key, 60 = middle C
    int velocity; // 1..127
};

struct ScorePart {
    int channel; // MIDI channel this part plays on
    int program; // General MIDI instrument, 0..127
    int volume;  // channel volume (controller 7), 0..127
    int pan;     // 0 = left, 64 = centre, 127 = right
    int reverb;  // reverb send (controller 91), 0..127
};

struct Score {
    std::vector<ScorePart> parts; // one per channel in use
    std::vector<ScoreNote> notes; // any order
    double framesPerTick = 0.0;   // tick length in sample frames
    size_t frames = 0;            // frames rendered in all, ringing included
};

struct ScoreSynth {
    fluid_settings_t* settings = nullptr; // FluidSynth settings, owned
    fluid_synth_t* synth = nullptr;       // the synthesizer, owned
};

// Path of the soundfont, or "" when it is not installed.
std::string findSoundfont();

// Opens the synthesizer at 22050 Hz with the soundfont loaded; on failure
// fills `error` with a one-line reason and leaves the synth closed.
bool openScoreSynth(ScoreSynth& synth, std::string& error);

// Frees the synthesizer and its settings.
void closeScoreSynth(ScoreSynth& synth);

// Plays a score from silence and returns its samples (score.frames long).
StereoSignal renderScore(ScoreSynth& synth, const Score& score);
