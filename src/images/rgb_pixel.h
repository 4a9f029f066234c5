// One 8-bit-per-channel colour as the texture uploads take it: red, green, blue, packed in
// that order with no padding, so an array of them is a GL_RGB / GL_UNSIGNED_BYTE picture.
#pragma once

#include <cstdint>

struct RgbPixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

static_assert(sizeof(RgbPixel) == 3, "pixel arrays are uploaded as packed RGB bytes");
