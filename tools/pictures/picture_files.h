// Writers of the picture generator's output: uncompressed 24-bit BMP (bottom row first, rows
// padded to 4 bytes, the layout both of the game's BMP readers take) and baseline JPEG
// through libjpeg's compressor. Both return false when the file cannot be written.
#pragma once

#include "canvas.h"

#include <string>

bool writeBmp24(const std::string& path, const Canvas& canvas);
bool writeJpeg(const std::string& path, const Canvas& canvas, int quality);
