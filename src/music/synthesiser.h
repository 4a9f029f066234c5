// The software synthesiser: FluidSynth with a General MIDI soundfont, played through the
// MidiSink interface. One instance renders at one sample rate; it is not thread-safe (its
// owner locks), and the FluidSynth objects it holds are its own.
#pragma once

#include "music/sequencer.h"

#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

// The first General MIDI soundfont found in the system's soundfont folders, or "" when
// there is none.
std::string findSoundFont();

// Voices the synthesiser can sound at once, allotted when it is made. The game's sonata
// sounds at most 12 at once; FluidSynth's default of 256 would hold 2 MB of idle voices.
constexpr int SYNTH_VOICES = 64;

class Synthesiser : public MidiSink {
public:
    // Loads the soundfont; ok() tells whether that worked.
    Synthesiser(int sampleRate, const std::string& soundFontPath, int voices = SYNTH_VOICES);
    ~Synthesiser() override;
    Synthesiser(const Synthesiser&) = delete;
    Synthesiser& operator=(const Synthesiser&) = delete;

    bool ok() const { return synth_ != nullptr; }

    void send(const MidiEvent& event) override;
    void synthesize(short* stereo, int frames) override;
    void reset() override;

private:
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
};
