// Run-length DIB decoding; see dib_rle.h. The pen (x, row) never leaves [0, width] x
// [0, rows]: positions past the end are clamped so long files cannot overflow it.
#include "images/dib_rle.h"

#include <algorithm>

namespace {

struct Pen {
    const DibFormat& format;
    const DibTarget& target;
    int x = 0;
    int row = 0;

    bool done() const { return row >= format.rows; }

    void put(unsigned index) {
        if (x < format.width && row < format.rows)
            putIndexed(target, x, row, format.colours, index);
        x = std::min(x + 1, format.width);
    }
    void move(int dx, int dy) {
        x = std::min(x + dx, format.width);
        row = std::min(row + dy, format.rows);
    }
};

// Pixel k of a run or literal: a byte in RLE8, alternately the high and low nibble in RLE4.
unsigned runPixel(bool fourBit, unsigned value, int k) {
    if (!fourBit)
        return value;
    return k % 2 == 0 ? value >> 4 : value & 15;
}

// Literal pixels after (0, n): n bytes in RLE8, n nibbles in RLE4, padded to an even byte
// count. Returns the number of bytes the literal occupies.
std::size_t putLiteral(Pen& pen, bool fourBit, int count, std::span<const unsigned char> data) {
    const std::size_t bytes = fourBit ? (count + 1) / 2 : count;
    for (int k = 0; k < count && (fourBit ? k / 2 : k) < static_cast<int>(data.size()); ++k)
        pen.put(runPixel(fourBit, data[fourBit ? k / 2 : k], k));
    return (bytes + 1) & ~std::size_t{1};
}

} // namespace

int decodeDibRunLengths(const DibFormat& format, std::span<const unsigned char> bits,
                        const DibTarget& target) {
    const bool fourBit = format.compression == DIB_RLE4;
    Pen pen{format, target};
    std::size_t i = 0;
    while (i + 1 < bits.size() && !pen.done()) {
        const int count = bits[i];
        const unsigned value = bits[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                pen.put(runPixel(fourBit, value, k));
        } else if (value == 0) {
            pen.x = 0;
            pen.move(0, 1);
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 1 >= bits.size())
                break;
            pen.move(bits[i], bits[i + 1]);
            i += 2;
        } else {
            i += putLiteral(pen, fourBit, static_cast<int>(value), bits.subspan(i));
        }
    }
    return i > 0 ? format.rows : 0;
}
