// Small Standard MIDI Files made by the tests: a header and track chunks around event bytes
// written out by hand, so each test shows exactly the bytes it feeds the reader.
#pragma once

#include <cstdint>
#include <vector>

namespace smf {

using Bytes = std::vector<uint8_t>;

inline Bytes cat(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline Bytes be32(uint32_t v) {
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

// delta as a variable-length quantity (seven bits a byte, most significant first), then the
// message bytes as given (running status is the caller's choice).
inline Bytes event(uint32_t delta, Bytes message) {
    Bytes out{uint8_t(delta & 0x7F)};
    while (delta >>= 7)
        out.insert(out.begin(), uint8_t(0x80 | (delta & 0x7F)));
    return cat({out, message});
}

inline Bytes tempo(uint32_t delta, uint32_t us) {
    return event(delta, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

inline Bytes endOfTrack(uint32_t delta) {
    return event(delta, {0xFF, 0x2F, 0x00});
}

inline Bytes track(const std::vector<Bytes>& events) {
    const Bytes body = cat(events);
    return cat({{'M', 'T', 'r', 'k'}, be32(uint32_t(body.size())), body});
}

inline Bytes file(int format, uint16_t division, const std::vector<Bytes>& tracks) {
    const Bytes header{
        0, uint8_t(format), 0, uint8_t(tracks.size()), uint8_t(division >> 8), uint8_t(division)};
    return cat({{'M', 'T', 'h', 'd'}, be32(6), header, cat(tracks)});
}

// A one-track file of one held note lasting lengthMs at 120 beats a minute (480 ticks a
// quarter, so a tick is 500000 / 480 us; lengthMs must be a multiple of 25 to be exact).
inline Bytes heldNote(uint32_t lengthMs) {
    return file(0, 480,
                {track({event(0, {0xC0, 0}), event(0, {0x90, 60, 100}),
                        event(lengthMs * 480 / 500, {0x80, 60, 0}), endOfTrack(0)})});
}

} // namespace smf
