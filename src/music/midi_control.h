// The MIDI player control the music window drives: it holds one attached MIDI file, knows
// the piece's length, and starts and stops its playback on a MIDI output. The function
// names are those of the player library the game was written against.
//
// Times are milliseconds. Main thread only; the sound itself is made by the MIDI output
// (midi_out.h) on the audio thread.
#pragma once

#include "music/midi_file.h"
#include "music/midi_out.h"

#include <memory>
#include <string>

class MidiControl {
public:
    MidiControl() = default;
    ~MidiControl(); // stops playback that is still going
    MidiControl(const MidiControl&) = delete;
    MidiControl& operator=(const MidiControl&) = delete;

    // Attaches a MIDI file (read and checked now); returns 0, or a negative MidiError
    // code, in which case no file is attached.
    int ConnectDataFile(const std::string& path);
    // Where the next playback starts.
    void SetStartPosition(uint32_t ms);
    // The attached piece's length in milliseconds; with no file attached, the error code
    // of the failed attach (negative).
    int GetTimeLength() const;
    // play 1: plays the attached file from the start position on output (if it points at an
    // open handle; otherwise the request stands but nothing sounds). play 0: stops.
    void SetPlayingStatus(int play, const MidiOutHandle* output);

    // Whether playback has been requested and not stopped since.
    bool isPlaying() const { return playing_; }

private:
    std::shared_ptr<const MidiSong> song_;
    int attachError_ = static_cast<int>(MidiError::CannotOpen);
    uint32_t startMs_ = 0;
    bool playing_ = false;
};
