// The MIDI output: the one software synthesiser of the process, sounding through the audio
// device's music stream. midiOutOpen and midiOutClose open and close it: an output opens when the synthesiser (soundfont loaded) and the audio device
// are there. One handle is open at a time; handles are never 0.
//
// Open, close, play and stop come from the main thread; the audio thread renders. A lock
// inside keeps the sequencer consistent between them.
#pragma once

#include "music/midi_file.h"

#include <cstdint>
#include <memory>

using MidiOutHandle = uint32_t;

constexpr int MIDI_MAPPER = -1; // the default output; the only device there is

constexpr unsigned MIDI_OUT_OK = 0;
constexpr unsigned MIDI_OUT_BAD_DEVICE = 2;
constexpr unsigned MIDI_OUT_ALLOCATED = 4; // another handle has the output
constexpr unsigned MIDI_OUT_BAD_HANDLE = 5;
constexpr unsigned MIDI_OUT_NO_DRIVER = 6; // no audio device or no soundfont

// Opens the output and writes its handle; on failure the handle is left alone. The first
// open loads the soundfont.
unsigned midiOutOpen(MidiOutHandle* handle, int deviceId);
// Closes the output; whatever was playing on it stops.
unsigned midiOutClose(MidiOutHandle handle);

// Plays song from startMs on the open output handle; does nothing for any other handle.
void playOnOutput(MidiOutHandle handle, std::shared_ptr<const MidiSong> song, uint32_t startMs);
// Stops whatever plays on the output.
void stopOutput();
// Where the output is in the piece it plays, in milliseconds; 0 when nothing plays.
double outputPositionMs();
