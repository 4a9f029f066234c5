// Small Standard MIDI Files made by the tests: a header and track chunks around event bytes
// written out by hand, so each test shows exactly the bytes it feeds the reader.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace smf {

using Bytes = std::vector<uint8_t>;

inline void append(Bytes& out, std::initializer_list<Bytes> parts) {
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
}

inline Bytes be32(uint32_t v) {
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

// A variable-length quantity, seven bits a byte, most significant first.
inline Bytes varLen(uint32_t v) {
    Bytes out{uint8_t(v & 0x7F)};
    while (v >>= 7)
        out.insert(out.begin(), uint8_t(0x80 | (v & 0x7F)));
    return out;
}

inline Bytes tempo(uint32_t delta, uint32_t usPerQuarter) {
    Bytes out = varLen(delta);
    append(out, {{0xFF, 0x51, 0x03, uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8),
                  uint8_t(usPerQuarter)}});
    return out;
}

inline Bytes endOfTrack(uint32_t delta) {
    Bytes out = varLen(delta);
    append(out, {{0xFF, 0x2F, 0x00}});
    return out;
}

// delta, then the message bytes as given (running status is the caller's choice).
inline Bytes event(uint32_t delta, Bytes message) {
    Bytes out = varLen(delta);
    append(out, {message});
    return out;
}

inline Bytes track(std::initializer_list<Bytes> events) {
    Bytes body;
    for (const Bytes& e : events)
        append(body, {e});
    Bytes out{'M', 'T', 'r', 'k'};
    append(out, {be32(uint32_t(body.size())), body});
    return out;
}

inline Bytes file(int format, uint16_t division, std::initializer_list<Bytes> tracks) {
    Bytes out{'M',
              'T',
              'h',
              'd',
              0,
              0,
              0,
              6,
              0,
              uint8_t(format),
              0,
              uint8_t(tracks.size()),
              uint8_t(division >> 8),
              uint8_t(division)};
    for (const Bytes& t : tracks)
        append(out, {t});
    return out;
}

// A one-track file of one held note lasting lengthMs at 120 beats a minute (480 ticks a
// quarter, so a tick is 500000 / 480 us; lengthMs must be a multiple of 25 to be exact).
inline Bytes heldNote(uint32_t lengthMs, uint8_t key = 60) {
    const uint32_t ticks = lengthMs * 480 / 500;
    return file(0, 480,
                {track({event(0, {0xC0, 0}), event(0, {0x90, key, 100}),
                        event(ticks, {0x80, key, 0}), endOfTrack(0)})});
}

} // namespace smf
