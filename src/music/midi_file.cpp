// Standard MIDI File reading. Each track is decoded on its own into events stamped with
// their absolute tick; the events of all tracks (tempo changes and track ends among them)
// are then merged by tick and walked once to turn ticks into microseconds.
#include "music/midi_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>

namespace {

constexpr uint32_t DEFAULT_US_PER_QUARTER = 500000; // 120 beats a minute

// A cursor over untrusted bytes; every read checks that the bytes are there.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : pos_(data), end_(data + size) {}
    size_t left() const { return static_cast<size_t>(end_ - pos_); }
    bool atEnd() const { return pos_ == end_; }
    const uint8_t* here() const { return pos_; }

    bool u8(uint8_t& v) {
        if (left() < 1)
            return false;
        v = *pos_++;
        return true;
    }
    bool be(int bytes, uint32_t& v) {
        if (left() < static_cast<size_t>(bytes))
            return false;
        v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | *pos_++;
        return true;
    }
    bool skip(size_t n) {
        if (left() < n)
            return false;
        pos_ += n;
        return true;
    }

private:
    const uint8_t* pos_;
    const uint8_t* end_;
};

enum class Kind : uint8_t { Channel, Tempo, TrackEnd };

struct TickedEvent {
    uint64_t tick;
    Kind kind;
    uint32_t usPerQuarter; // Tempo only
    MidiEvent event;       // Channel only
};

// A variable-length quantity: seven bits a byte, high bit set on all but the last, at most
// four bytes (values up to 0x0FFFFFFF).
std::optional<MidiError> readVarLen(Reader& in, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        uint8_t b;
        if (!in.u8(b))
            return MidiError::Truncated;
        value = value << 7 | (b & 0x7F);
        if (!(b & 0x80))
            return std::nullopt;
    }
    return MidiError::Corrupt;
}

int dataBytes(uint8_t status) {
    const uint8_t type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 1 : 2; // program change, channel pressure
}

// A meta event after its 0xFF: records tempo changes; sets ended at the end of the track.
std::optional<MidiError> readMeta(Reader& in, uint64_t tick, std::vector<TickedEvent>& out,
                                  bool& ended) {
    uint8_t type;
    uint32_t length;
    if (!in.u8(type))
        return MidiError::Truncated;
    if (auto error = readVarLen(in, length))
        return error;
    if (in.left() < length)
        return MidiError::Truncated;
    if (type == 0x51) {
        Reader tempo(in.here(), length);
        uint32_t usPerQuarter;
        if (!tempo.be(3, usPerQuarter) || usPerQuarter == 0)
            return MidiError::Corrupt;
        out.push_back({tick, Kind::Tempo, usPerQuarter, {}});
    }
    ended = type == 0x2F;
    in.skip(length);
    return std::nullopt;
}

// A channel message whose first byte b is either its status or, under running status, its
// first data byte.
std::optional<MidiError> readChannel(Reader& in, uint8_t b, uint8_t& running, uint64_t tick,
                                     std::vector<TickedEvent>& out) {
    MidiEvent event;
    if (b & 0x80) {
        running = b;
        if (!in.u8(b))
            return MidiError::Truncated;
    } else if (running == 0) {
        return MidiError::Corrupt; // a data byte with no status to repeat
    }
    event.status = running;
    event.data1 = b;
    if (dataBytes(running) == 2 && !in.u8(event.data2))
        return MidiError::Truncated;
    if ((event.data1 | event.data2) & 0x80)
        return MidiError::Corrupt;
    out.push_back({tick, Kind::Channel, 0, event});
    return std::nullopt;
}

// One MTrk chunk's contents. Meta and system-exclusive events cancel running status.
std::optional<MidiError> readTrack(Reader in, std::vector<TickedEvent>& out) {
    uint64_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (!in.atEnd() && !ended) {
        uint32_t delta;
        uint8_t b;
        if (auto error = readVarLen(in, delta))
            return error;
        tick += delta;
        if (!in.u8(b))
            return MidiError::Truncated;
        std::optional<MidiError> error;
        if (b == 0xFF) {
            running = 0;
            error = readMeta(in, tick, out, ended);
        } else if (b == 0xF0 || b == 0xF7) {
            running = 0;
            uint32_t length;
            error = readVarLen(in, length);
            if (!error && !in.skip(length))
                error = MidiError::Truncated;
        } else if (b > 0xF0) {
            error = MidiError::Corrupt; // system common and real-time bytes have no place here
        } else {
            error = readChannel(in, b, running, tick, out);
        }
        if (error)
            return error;
    }
    out.push_back({tick, Kind::TrackEnd, 0, {}}); // a missing end-of-track ends at the chunk end
    return std::nullopt;
}

// The length of a tick as a fraction, microseconds over ticks, multiplied out only at the
// end so that whole results stay whole. A quarter-note division gives tempo / division;
// SMPTE (negative high byte: frames a second; low byte: ticks a frame) 1e6 / (fps * ticks),
// where 29 stands for 29.97 drop-frame, 30000 / 1001 frames a second.
struct Timing {
    bool smpte = false;
    double us = 0;
    double ticks = 0;
};

std::optional<Timing> timingOf(uint32_t division) {
    if (division & 0x8000) {
        const int fps = -static_cast<int8_t>(division >> 8);
        const int ticksPerFrame = division & 0xFF;
        if ((fps != 24 && fps != 25 && fps != 29 && fps != 30) || ticksPerFrame == 0)
            return std::nullopt;
        if (fps == 29)
            return Timing{true, 1e6 * 1001, 30000.0 * ticksPerFrame};
        return Timing{true, 1e6, static_cast<double>(fps * ticksPerFrame)};
    }
    if (division == 0)
        return std::nullopt;
    return Timing{false, DEFAULT_US_PER_QUARTER, static_cast<double>(division)};
}

// Walks the merged events in tick order, keeping the time of the last tempo change.
void stampTimes(const std::vector<TickedEvent>& merged, Timing timing, MidiSong& song) {
    double segmentUs = 0;
    uint64_t segmentTick = 0;
    for (const TickedEvent& e : merged) {
        const double ticks = static_cast<double>(e.tick - segmentTick);
        const double us = segmentUs + ticks * timing.us / timing.ticks;
        if (e.kind == Kind::Tempo) {
            ++song.tempoChanges;
            if (!timing.smpte) {
                segmentUs = us;
                segmentTick = e.tick;
                timing.us = e.usPerQuarter;
            }
        } else if (e.kind == Kind::TrackEnd) {
            song.lengthUs = std::max(song.lengthUs, us);
        } else {
            song.events.push_back(e.event);
            song.events.back().timeUs = us;
        }
    }
}

} // namespace

uint32_t MidiSong::lengthMs() const {
    const double ms = std::round(lengthUs / 1000.0);
    return ms >= std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                     : static_cast<uint32_t>(ms);
}

std::variant<MidiSong, MidiError> parseMidi(const uint8_t* data, size_t size) {
    if (size > MAX_MIDI_FILE_BYTES)
        return MidiError::TooLarge;
    Reader in(data, size);
    uint32_t id, headerLength, format, trackCount, division;
    if (!in.be(4, id) || id != 0x4D546864 /* "MThd" */ || !in.be(4, headerLength) ||
        headerLength < 6)
        return MidiError::NotMidi;
    if (!in.be(2, format) || !in.be(2, trackCount) || !in.be(2, division) ||
        !in.skip(headerLength - 6))
        return MidiError::Truncated;
    const std::optional<Timing> timing = timingOf(division);
    if (format > 1 || !timing)
        return MidiError::Unsupported;
    if (trackCount == 0)
        return MidiError::Corrupt;

    MidiSong song;
    song.format = static_cast<int>(format);
    std::vector<TickedEvent> merged;
    while (song.trackCount < static_cast<int>(trackCount)) {
        uint32_t chunkId, length;
        if (!in.be(4, chunkId) || !in.be(4, length) || in.left() < length)
            return MidiError::Truncated;
        if (chunkId == 0x4D54726B /* "MTrk" */) {
            if (auto error = readTrack(Reader(in.here(), length), merged))
                return *error;
            ++song.trackCount;
        }
        in.skip(length); // chunks of other types are skipped, as the format asks
    }
    std::stable_sort(merged.begin(), merged.end(),
                     [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });
    stampTimes(merged, *timing, song);
    return song;
}

std::variant<MidiSong, MidiError> readMidiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return MidiError::CannotOpen;
    // One byte more than the limit is enough to know the file is too large.
    std::vector<uint8_t> bytes(MAX_MIDI_FILE_BYTES + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return MidiError::CannotOpen;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return parseMidi(bytes.data(), bytes.size());
}
