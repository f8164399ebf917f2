// Playing note tables through FluidSynth (see sound_score.h).
#include "art/sound_score.h"

#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace {

// Where Debian puts the FluidR3Mono soundfont, most specific first.
constexpr const char* SOUNDFONT_PATHS[] = {
    "/usr/share/sounds/sf3/FluidR3Mono_GM.sf3",
    "/usr/share/fluidr3mono-gm-soundfont/FluidR3Mono_GM.sf3",
};

// General MIDI controller numbers the parts set.
constexpr int CC_VOLUME = 7;
constexpr int CC_PAN = 10;
constexpr int CC_REVERB = 91;
constexpr int CC_CHORUS = 93;

// A small, soft room: enough to blur the music box into a lullaby without
// washing out the melody.
constexpr double REVERB_ROOM = 0.45;
constexpr double REVERB_DAMP = 0.4;
constexpr double REVERB_WIDTH = 0.8;
constexpr double REVERB_LEVEL = 0.7;

struct KeyEvent {
    size_t frame; // when it happens
    bool on;      // key pressed (true) or let go
    int channel;  // MIDI channel
    int key;      // MIDI key
    int velocity; // for presses
};

// Both key events of every note, in time order; at one frame releases
// come first so a repeated key sounds again.
std::vector<KeyEvent> keyEvents(const Score& score) {
    std::vector<KeyEvent> events;
    events.reserve(score.notes.size() * 2);
    for (const ScoreNote& n : score.notes) {
        size_t on = (size_t)std::lround(n.start * score.framesPerTick);
        size_t off = (size_t)std::lround((n.start + n.length) * score.framesPerTick);
        events.push_back({on, true, n.channel, n.key, n.velocity});
        events.push_back({off, false, n.channel, n.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const KeyEvent& a, const KeyEvent& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
    });
    return events;
}

// Renders frames [from, to) of the synth into the signal.
void renderSpan(fluid_synth_t* synth, StereoSignal& out, size_t from, size_t to) {
    if (to <= from) return;
    fluid_synth_write_float(synth, (int)(to - from), out.left.data() + from, 0, 1,
                            out.right.data() + from, 0, 1);
}

} // namespace

std::string findSoundfont() {
    for (const char* path : SOUNDFONT_PATHS) {
        struct stat st;
        if (stat(path, &st) == 0 && S_ISREG(st.st_mode)) return path;
    }
    return "";
}

bool openScoreSynth(ScoreSynth& s, std::string& error) {
    std::string font = findSoundfont();
    if (font.empty()) {
        error = std::string("the FluidR3Mono GM soundfont is missing (") + SOUNDFONT_PATHS[0] +
                "); install the package fluidr3mono-gm-soundfont";
        return false;
    }
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", SOUND_RATE);
    fluid_settings_setint(s.settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
    fluid_settings_setnum(s.settings, "synth.reverb.room-size", REVERB_ROOM);
    fluid_settings_setnum(s.settings, "synth.reverb.damp", REVERB_DAMP);
    fluid_settings_setnum(s.settings, "synth.reverb.width", REVERB_WIDTH);
    fluid_settings_setnum(s.settings, "synth.reverb.level", REVERB_LEVEL);
    s.synth = new_fluid_synth(s.settings);
    if (!s.synth || fluid_synth_sfload(s.synth, font.c_str(), 1) == FLUID_FAILED) {
        error = "FluidSynth could not load the soundfont " + font;
        closeScoreSynth(s);
        return false;
    }
    return true;
}

void closeScoreSynth(ScoreSynth& s) {
    if (s.synth) delete_fluid_synth(s.synth);
    if (s.settings) delete_fluid_settings(s.settings);
    s.synth = nullptr;
    s.settings = nullptr;
}

StereoSignal renderScore(ScoreSynth& s, const Score& score) {
    StereoSignal out = makeSilence(score.frames);
    fluid_synth_system_reset(s.synth);
    for (const ScorePart& p : score.parts) {
        fluid_synth_program_change(s.synth, p.channel, p.program);
        fluid_synth_cc(s.synth, p.channel, CC_VOLUME, p.volume);
        fluid_synth_cc(s.synth, p.channel, CC_PAN, p.pan);
        fluid_synth_cc(s.synth, p.channel, CC_REVERB, p.reverb);
        fluid_synth_cc(s.synth, p.channel, CC_CHORUS, 0);
    }
    size_t done = 0;
    for (const KeyEvent& e : keyEvents(score)) {
        size_t at = std::min(e.frame, score.frames);
        renderSpan(s.synth, out, done, at);
        done = std::max(done, at);
        if (e.on)
            fluid_synth_noteon(s.synth, e.channel, e.key, e.velocity);
        else
            fluid_synth_noteoff(s.synth, e.channel, e.key);
    }
    renderSpan(s.synth, out, done, score.frames);
    fluid_synth_all_sounds_off(s.synth, -1);
    return out;
}
