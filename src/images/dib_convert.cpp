// Uncompressed DIB rows to RGB; run-length data is passed to dib_rle. Source rows are
// padded to a multiple of 4 bytes: stride = (bitCount x width + 31) / 32 x 4.
#include "images/dib_convert.h"

#include "images/dib_rle.h"
#include "images/little_endian.h"

#include <algorithm>

namespace {

std::size_t rowStride(const DibFormat& format) {
    return (static_cast<std::size_t>(format.bitCount) * format.width + 31) / 32 * 4;
}

// A 5-bit channel widened to 8 bits by repeating its top bits, so 31 becomes 255 and 0
// stays 0: (v << 3) | (v >> 2).
unsigned char widen5(unsigned value) {
    return static_cast<unsigned char>(value << 3 | value >> 2);
}

// Pixel x of a row whose pixels are `bits` (1, 4 or 8) wide, most significant bits first.
unsigned paletteIndex(const unsigned char* row, int x, int bits) {
    const int perByte = 8 / bits;
    const int shift = 8 - bits * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

void convertRow(const DibFormat& format, const unsigned char* row, const DibTarget& target, int r) {
    for (int x = 0; x < format.width; ++x) {
        unsigned char* out = target.pixel(x, r);
        switch (format.bitCount) {
        case 16: {
            const unsigned value = readLe16(row + 2 * x);
            out[0] = widen5(value >> 10 & 31);
            out[1] = widen5(value >> 5 & 31);
            out[2] = widen5(value & 31);
            break;
        }
        case 24:
        case 32: {
            const unsigned char* in = row + x * (format.bitCount / 8);
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            break;
        }
        default:
            putIndexed(target, x, r, format.colours, paletteIndex(row, x, format.bitCount));
        }
    }
}

} // namespace

bool dibFormatSupported(const DibFormat& format) {
    switch (format.compression) {
    case DIB_RGB: {
        const int depth = format.bitCount;
        return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    }
    case DIB_RLE8:
        return format.bitCount == 8;
    case DIB_RLE4:
        return format.bitCount == 4;
    default: // bit-field masks, embedded JPEG or PNG
        return false;
    }
}

int convertDibPixels(const DibFormat& format, std::span<const unsigned char> bits,
                     const DibTarget& target) {
    if (format.compression != DIB_RGB)
        return decodeDibRunLengths(format, bits, target);
    const std::size_t stride = rowStride(format);
    const int rows = static_cast<int>(std::min<std::size_t>(format.rows, bits.size() / stride));
    for (int r = 0; r < rows; ++r)
        convertRow(format, bits.data() + r * stride, target, r);
    return rows;
}
