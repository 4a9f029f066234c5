// Row conversion for the JPEG reader; see jpeg_rows.h.
#include "images/jpeg_rows.h"

#include <algorithm>
#include <cstring>

namespace {

unsigned char lessUnderCover(int channel, int k) {
    return static_cast<unsigned char>(std::max(0, channel - (255 - k)));
}

std::size_t appendCmykRow(const JSAMPLE* row, std::size_t width, unsigned char* out) {
    for (std::size_t x = 0; x < width; ++x, row += 4) {
        *out++ = lessUnderCover(row[0], row[3]);
        *out++ = lessUnderCover(row[1], row[3]);
        *out++ = lessUnderCover(row[2], row[3]);
    }
    return width * 3;
}

} // namespace

std::size_t appendJpegRow(J_COLOR_SPACE space, const JSAMPLE* row, std::size_t width,
                          int components, unsigned char* out) {
    switch (space) {
    case JCS_RGB:
    case JCS_GRAYSCALE: {
        const std::size_t bytes = width * static_cast<std::size_t>(components);
        std::memcpy(out, row, bytes);
        return bytes;
    }
    case JCS_CMYK:
        return appendCmykRow(row, width, out);
    default:
        return 0;
    }
}
