// The game's one pseudo-random generator: a 15-bit linear congruential generator,
// state * 214013 + 2531011 modulo 2^32 (unsigned wrap-around), result the bits 16 to 30 of
// the new state. It starts at state 1 and is never reseeded, so the same input always gives
// the same game; the board's apples and the enemies draw from it in frame order.
#pragma once

#include <cstdint>

class Random {
public:
    // The next value, 0 .. 32767.
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFFu);
    }
    // One value scaled into [0, 1).
    double nextUnit() { return next() / 32768.0; }
    // trunc(nextUnit() * n): an integer 0 .. n - 1.
    int below(int n) { return int(nextUnit() * n); }

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};
