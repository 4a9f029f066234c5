// Standard MIDI File reading: the events of every track merged into one timeline in
// microseconds, through the file's tempo map, and the length of the piece.
//
// Formats 0 and 1 are read (format 2, independent sequences, is refused). Times come from
// the division: ticks per quarter note with the tempo changes of any track (default
// 500000 us per quarter, 120 beats a minute), or SMPTE frames with ticks per frame, where
// tempo changes do not apply. The input is untrusted: every length is checked against the
// bytes that are there, and a bad file gives a negative MidiError instead of a song.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

enum class MidiError : int {
    CannotOpen = -1,  // no such file, or it cannot be read
    NotMidi = -2,     // no "MThd" header, or a header too short
    Truncated = -3,   // a chunk or an event runs past the end of the data
    Corrupt = -4,     // an event that cannot be decoded
    Unsupported = -5, // format 2, or a division that cannot be timed
    TooLarge = -6,    // bigger than any piece the player needs to hold
};

// A channel message to send to the synthesiser; status carries the channel in its low bits.
struct MidiEvent {
    double timeUs = 0;
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

struct MidiSong {
    int format = 0;
    int trackCount = 0;
    int tempoChanges = 0; // tempo events found (they count only with a quarter-note division)
    std::vector<MidiEvent> events; // in time order; events at the same time keep file order
    double lengthUs = 0;           // the latest end of track
    uint32_t lengthMs() const;     // lengthUs rounded to milliseconds, saturated at INT32_MAX
};

// The largest file accepted: a piano piece takes tens of kilobytes; this bounds the memory a
// hostile file can make the player use (at most one event per two bytes).
constexpr size_t MAX_MIDI_FILE_BYTES = 1u << 20;

std::variant<MidiSong, MidiError> parseMidi(const uint8_t* data, size_t size);
std::variant<MidiSong, MidiError> readMidiFile(const std::string& path);
