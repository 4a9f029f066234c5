// The one program-wide pseudo-random generator: a 15-bit linear congruential generator,
// state * 214013 + 2531011 modulo 2^32, result (state >> 16) & 0x7FFF. Its state starts at 1
// and is never reseeded, so every run with the same input sees the same sequence. The
// enemies and the board drawing draw from it in frame order.
#pragma once

#include <cstdint>

extern uint32_t randomState;

// The next value, 0 .. 32767.
int nextRandom();
