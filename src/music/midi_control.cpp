// The MIDI player control. The song is shared with the output's sequencer, so a song
// replaced by a new attach stays alive until the audio thread has let go of it.
#include "music/midi_control.h"

MidiControl::~MidiControl() {
    if (playing_)
        stopOutput();
}

int MidiControl::ConnectDataFile(const std::string& path) {
    auto result = readMidiFile(path);
    if (auto* error = std::get_if<MidiError>(&result)) {
        song_.reset();
        attachError_ = static_cast<int>(*error);
        return attachError_;
    }
    song_ = std::make_shared<const MidiSong>(std::move(std::get<MidiSong>(result)));
    return 0;
}

void MidiControl::SetStartPosition(uint32_t ms) {
    startMs_ = ms;
}

int MidiControl::GetTimeLength() const {
    return song_ ? static_cast<int>(song_->lengthMs()) : attachError_;
}

void MidiControl::SetPlayingStatus(int play, const MidiOutHandle* output) {
    if (play && song_ && output)
        playOnOutput(*output, song_, startMs_);
    else
        stopOutput();
    playing_ = play != 0;
}
