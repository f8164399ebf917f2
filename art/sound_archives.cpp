// The game's music and sound effects, written into "music.pak" and
// "sound.pak" by the art generator.
#include "art/art_common.h"
#include "art/art_gen.h"
#include "art/sound_effects.h"
#include "art/sound_music.h"
#include "resources/pak_archive.h"

#include <cstdio>

namespace {

// Adds one signal to an archive as a WAV entry.
bool addWav(PakArchive& pak, const char* name, const StereoSignal& s) {
    std::vector<uint8_t> wav = encodeWav(s);
    return pak.addEntry(name, wav.data(), (uint32_t)wav.size());
}

} // namespace

// Writes "music.pak" and "sound.pak" into outDir.
bool buildSoundArchives(const std::string& outDir) {
    ScoreSynth synth;
    std::string error;
    if (!openScoreSynth(synth, error)) {
        std::fprintf(stderr, "art_gen: %s\n", error.c_str());
        return false;
    }
    StereoSignal music = makeMusic(synth);
    StereoSignal fanfare = makeFanfare(synth);
    closeScoreSynth(synth);

    PakArchive musicPak;
    PakArchive soundPak;
    bool ok = addWav(musicPak, "music.wav", music) &&
              addWav(soundPak, "button.wav", makeButtonSound()) &&
              addWav(soundPak, "final.wav", fanfare) &&
              addWav(soundPak, "puzzle_up.wav", makeLiftSound()) &&
              addWav(soundPak, "puzzle_move.wav", makeFlightSound());
    if (!ok) {
        std::fprintf(stderr, "art_gen: a sound did not fit its archive\n");
        return false;
    }
    return writeArchive(musicPak, outDir, "music.pak") &&
           writeArchive(soundPak, outDir, "sound.pak");
}
