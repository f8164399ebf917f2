// The background music: a one-minute lullaby waltz in G major that loops
// for as long as the game runs.
//
// The tune lives in constexpr tables in sound_music.cpp (melody, one chord
// per bar, and which instruments play in each section); musicScore turns
// them into a Score, and makeMusic renders it and closes the loop.
//
// Closing the loop: the mixer restarts the music when it has played the
// last byte, so the file must flow from its last sample into its first.
// The score is rendered past its end so that the last notes can ring out,
// and that ringing is added onto the start of the file, where it sounds
// under the first bar just as it would when the tune comes round again.
//
// NOTE: the mixer restarts a looping voice only in the callback after the
// one in which it ran out, so the rest of that 512-frame buffer is silent.
// The loop is made one frame short of a whole number of buffers (the gap is
// then a single frame) and the level dips smoothly to zero over a couple of
// milliseconds on both sides of the seam, so neither that frame nor the very
// first start of the music clicks.
#pragma once

#include "art/sound_score.h"

constexpr double MUSIC_PEAK_DB = -14.0;   // loudest sample of the music
constexpr int MIXER_BUFFER_FRAMES = 512;  // frames per mixer callback
constexpr int MUSIC_SEAM_DIP_FRAMES = 48; // frames of fade on each side of the seam

// Frames in one pass of the loop: about a minute, one short of a whole
// number of mixer buffers.
size_t musicLoopFrames();

// The lullaby as notes; its frames include the ringing after the last bar.
Score musicScore();

// Adds everything after loopFrames onto the start and cuts the signal to
// loopFrames, so the end runs on into the beginning.
void foldLoopTail(StereoSignal& s, size_t loopFrames);

// The finished music: rendered, looped, levelled to MUSIC_PEAK_DB.
StereoSignal makeMusic(ScoreSynth& synth);
