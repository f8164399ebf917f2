// The game's sound effects: a fanfare when a picture is finished, and three
// small sounds for buttons, lifting a piece and a piece flying home.
//
// The fanfare is a short score played through FluidSynth (sound_score.h);
// the other three are synthesised here sample by sample from sines and
// seeded noise, so every build writes the same bytes.  Each effect starts
// and ends at zero (no click) and is levelled to EFFECT_PEAK_DB, leaving
// room for three voices to sound together with the music.
#pragma once

#include "art/sound_score.h"

constexpr double EFFECT_PEAK_DB = -6.0; // loudest sample of every effect

// "button.wav": a soft, short pop for every button (about 90 ms).
StereoSignal makeButtonSound();

// "puzzle_up.wav": a friendly rising bloop as a piece is lifted (about 220 ms).
StereoSignal makeLiftSound();

// "puzzle_move.wav": a soft swish as a piece flies to its place (about 620 ms).
StereoSignal makeFlightSound();

// The notes of the fanfare; its frames include the last chord ringing out.
Score fanfareScore();

// "final.wav": a bright brass-and-bells fanfare ending on G major (3 s).
StereoSignal makeFanfare(ScoreSynth& synth);
