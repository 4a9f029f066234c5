// The sequencer: sends a song's events to a synthesiser at their sample frames and has it
// render the audio in between, so every event lands on the frame its time gives.
//
// Positions are counted in frames of the output's sample rate. The sequencer is not
// thread-safe: its owner (the MIDI output) calls it under one lock from both the main
// thread (play, stop) and the audio thread (render).
#pragma once

#include "music/midi_file.h"

#include <cstdint>
#include <memory>

// Where the sequencer's events go and where its audio comes from.
class MidiSink {
public:
    virtual ~MidiSink() = default;
    virtual void send(const MidiEvent& event) = 0;
    // Renders frames stereo frames of interleaved 16-bit samples.
    virtual void synthesize(short* stereo, int frames) = 0;
    // Silences every voice at once and returns programs and controllers to their defaults.
    virtual void reset() = 0;
};

class Sequencer {
public:
    explicit Sequencer(int sampleRate) : sampleRate_(sampleRate) {}

    // Starts song at startMs. Events before it that are not notes (programs, controllers,
    // pitch bends) are sent at once, so the piece sounds as if played from its beginning.
    void play(std::shared_ptr<const MidiSong> song, uint32_t startMs, MidiSink& sink);
    // Cuts the sound off; render gives silence until the next play.
    void stop(MidiSink& sink);
    // Fills the buffer: the synthesiser's output while playing (its voices ring on after
    // the last event), zeros when stopped.
    void render(MidiSink& sink, short* stereo, int frames);

    bool playing() const { return song_ != nullptr; }
    double positionMs() const { return frame_ * 1000.0 / sampleRate_; }

private:
    uint64_t frameOf(const MidiEvent& event) const;

    int sampleRate_;
    std::shared_ptr<const MidiSong> song_;
    size_t next_ = 0;    // the first event not yet sent
    uint64_t frame_ = 0; // song position of the next frame rendered
};
