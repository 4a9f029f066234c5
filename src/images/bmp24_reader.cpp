// The 24-bit BMP reader; see bmp24_reader.h. Header offsets are those of the BMP format:
// the 14-byte file header (signature at 0, pixel-data offset at 10) and the information
// header after it (size at 0, width 4, height 8, bits per pixel 14, compression 16).
#include "images/bmp24_reader.h"

#include "images/image_limits.h"
#include "images/little_endian.h"
#include "images/scoped_file.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint16_t BMP_SIGNATURE = 0x4D42; // "BM" read as a little-endian word
constexpr long FILE_HEADER_SIZE = 14;
constexpr long INFO_HEADER_SIZE = 40;

bool acceptedSize(std::int32_t width, std::int32_t height) {
    return width >= 1 && width <= MAX_PICTURE_SIDE && height != 0 && height >= -MAX_PICTURE_SIDE &&
           height <= MAX_PICTURE_SIDE;
}

// Each file row is 3 bytes a pixel padded to a multiple of 4: width 1 -> 4, width 5 -> 16.
std::size_t fileRowLength(int width) {
    return (3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
}

// Fills the picture from the file's rows, blue-green-red to red-green-blue; rows the file
// does not hold stay black.
void readRows(std::FILE* file, bool bottomUp, Picture& picture) {
    std::vector<unsigned char> row(fileRowLength(picture.width));
    for (int i = 0; i < picture.height; ++i) {
        if (std::fread(row.data(), 1, row.size(), file) != row.size())
            return;
        unsigned char* out = picture.pixel(0, bottomUp ? picture.height - 1 - i : i);
        for (int x = 0; x < picture.width; ++x, out += 3) {
            out[0] = row[3 * x + 2];
            out[1] = row[3 * x + 1];
            out[2] = row[3 * x];
        }
    }
}

} // namespace

std::optional<Picture> loadBmp24Image(const char* fileName) {
    ScopedFile file;
    if (!file.open(fileName, "rb"))
        return std::nullopt;
    return readBmp24Image(file.get());
}

std::optional<Picture> readBmp24Image(std::FILE* file) {
    unsigned char fileHeader[FILE_HEADER_SIZE];
    unsigned char info[INFO_HEADER_SIZE];
    if (std::fread(fileHeader, 1, sizeof fileHeader, file) != sizeof fileHeader ||
        std::fread(info, 1, sizeof info, file) != sizeof info)
        return std::nullopt;
    // A core header (12 bytes) lays its fields out differently, so only the 40-byte header
    // and its longer successors (108, 124), which begin with the same fields, are read.
    if (readLe16(fileHeader) != BMP_SIGNATURE || readLe32(info) < INFO_HEADER_SIZE ||
        readLe16(info + 14) != 24 || readLe32(info + 16) != 0)
        return std::nullopt;
    const std::int32_t width = readLe32Signed(info + 4);
    const std::int32_t height = readLe32Signed(info + 8);
    if (!acceptedSize(width, height))
        return std::nullopt;
    Picture picture = Picture::black(width, std::abs(height), 3, RowOrder::TopFirst);
    // Longer headers or a colour table push the rows further: honour the stated offset when
    // it lies beyond the headers (a smaller one cannot be right and is ignored). An offset
    // the stream cannot reach leaves the picture black.
    const long offset = static_cast<long>(readLe32(fileHeader + 10));
    const long headersEnd = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    if (offset <= headersEnd || std::fseek(file, offset, SEEK_SET) == 0)
        readRows(file, height > 0, picture);
    return picture;
}
