// The application icon, drawn procedurally: the Hero's round yellow face looking right, with
// a dark eye, an open mouth and a red apple about to be eaten.
//
// Pixels are APP_ICON_SIZE x APP_ICON_SIZE, top row first, each a 32-bit value whose bytes in
// memory are red, green, blue, alpha (so the value reads 0xAABBGGRR on a little-endian CPU).
#pragma once

#include <cstdint>

constexpr int APP_ICON_SIZE = 32;

// The icon's pixels, made on the first call; the array lives for the whole program.
const uint32_t* appIconPixels();
