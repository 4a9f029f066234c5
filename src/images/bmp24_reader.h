// The 24-bit BMP reader used by the board and Enemy textures.
//
// Only uncompressed 24-bit files with an information header (40 bytes or one of its longer
// successors) are read. The picture comes back as RGB, 3 bytes a pixel, TOP row first (the
// file stores the bottom row first; the reader turns the order round), so the texture's
// t = 0 edge is the picture's top. Pictures wider or taller than MAX_PICTURE_SIDE, empty
// ones and zero/negative widths are refused; top-down files (negative height) are turned
// over so that the top row still comes first. Rows missing from a short file stay black.
// The reader shows no message: its callers do.
#pragma once

#include "images/picture.h"

#include <cstdio>
#include <optional>

// Reads the named file; no picture when it cannot be opened or its headers are refused.
std::optional<Picture> loadBmp24Image(const char* fileName);
// The same from an open stream positioned at the file header (the fuzz target's way in).
std::optional<Picture> readBmp24Image(std::FILE* file);
