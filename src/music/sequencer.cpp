// The sequencer. An event at time t microseconds belongs to frame floor(t * rate / 1e6);
// render splits its buffer at each such frame so the synthesiser hears the event exactly
// there (FluidSynth itself then rounds to its 64-frame blocks).
#include "music/sequencer.h"

#include <algorithm>
#include <cstring>

namespace {

bool isNote(const MidiEvent& event) {
    const uint8_t type = event.status & 0xF0;
    return type == 0x80 || type == 0x90;
}

} // namespace

uint64_t Sequencer::frameOf(const MidiEvent& event) const {
    // A hostile file can place events past 2^64 frames; 2^62 frames (3 million years at
    // 44100 Hz) is never reached, and keeps the conversion defined.
    constexpr double NEVER = 0x1p62;
    const double frame = event.timeUs * sampleRate_ / 1e6;
    return static_cast<uint64_t>(frame < NEVER ? frame : NEVER);
}

void Sequencer::play(std::shared_ptr<const MidiSong> song, uint32_t startMs, MidiSink& sink) {
    sink.reset();
    song_ = std::move(song);
    frame_ = static_cast<uint64_t>(startMs) * sampleRate_ / 1000;
    next_ = 0;
    const double startUs = startMs * 1000.0;
    for (; next_ < song_->events.size() && song_->events[next_].timeUs < startUs; ++next_) {
        if (!isNote(song_->events[next_]))
            sink.send(song_->events[next_]);
    }
}

void Sequencer::stop(MidiSink& sink) {
    sink.reset();
    song_.reset();
    frame_ = 0;
    next_ = 0;
}

void Sequencer::render(MidiSink& sink, short* stereo, int frames) {
    if (!song_) {
        std::memset(stereo, 0, sizeof(short) * 2 * frames);
        return;
    }
    const std::vector<MidiEvent>& events = song_->events;
    while (frames > 0) {
        while (next_ < events.size() && frameOf(events[next_]) <= frame_)
            sink.send(events[next_++]);
        int chunk = frames;
        if (next_ < events.size())
            chunk = static_cast<int>(std::min<uint64_t>(frames, frameOf(events[next_]) - frame_));
        sink.synthesize(stereo, chunk);
        stereo += 2 * chunk;
        frames -= chunk;
        frame_ += chunk;
    }
}
