// The software synthesiser. FluidSynth's default gain of 0.2 leaves our mezzo-forte piano
// piece at -45 dBFS RMS; 3.0 (15 times, +23.5 dB) brings it to -21 dBFS RMS with peaks at
// -5 dBFS, level with the sound effects (peaks at -6 dBFS), so both are heard over each other.
#include "music/synthesiser.h"

#include <fluidsynth.h>

#include <filesystem>

namespace {

constexpr double SYNTH_GAIN = 3.0;

// Quiets FluidSynth's own chatter on standard error; errors still get through.
void quietLogging() {
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}

} // namespace

std::string findSoundFont() {
    // Debian's timgm6mb-soundfont is small and loads fast; default-GM is whichever GM
    // soundfont the system prefers.
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return "";
}

Synthesiser::Synthesiser(int sampleRate, const std::string& soundFontPath, int voices) {
    quietLogging();
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", SYNTH_GAIN);
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0); // the owner locks
    // Only the samples of the instruments a song selects are read into memory: the song
    // uses a few of the soundfont's 128, and the rest would cost 5 MB of resident memory.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings_, "synth.polyphony", voices);
    synth_ = new_fluid_synth(settings_);
    if (synth_ && fluid_synth_sfload(synth_, soundFontPath.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
    }
}

Synthesiser::~Synthesiser() {
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

void Synthesiser::send(const MidiEvent& event) {
    const int channel = event.status & 0x0F;
    switch (event.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, event.data1);
        break;
    case 0x90: // velocity 0 is a note-off; FluidSynth treats it so
        fluid_synth_noteon(synth_, channel, event.data1, event.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth_, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, event.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth_, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, event.data1 | event.data2 << 7);
        break;
    }
}

void Synthesiser::synthesize(short* stereo, int frames) {
    fluid_synth_write_s16(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}

void Synthesiser::reset() {
    fluid_synth_system_reset(synth_);
}
