// The program-wide 15-bit generator: state * 214013 + 2531011 (mod 2^32, by unsigned
// wrap-around), result the bits 16 to 30 of the new state.
#include "enemies/random.h"

uint32_t randomState = 1;

int nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return int((randomState >> 16) & 0x7FFFu);
}
