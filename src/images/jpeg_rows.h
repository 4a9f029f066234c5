// Conversion of one decoded JPEG row into a row of the reader's picture: RGB and grey rows
// are copied as they come (3 or 1 bytes a pixel); CMYK rows become RGB with each channel
// max(0, channel - (255 - k)), so k = 255 keeps c, m, y and a lower k darkens them.
#pragma once

#include <cstddef>
#include <cstdio> // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

// Appends the row of `width` pixels of `components` bytes to `out`; returns the bytes
// written, or 0 for a colour space the game does not take (the decode then stops).
std::size_t appendJpegRow(J_COLOR_SPACE space, const JSAMPLE* row, std::size_t width,
                          int components, unsigned char* out);
