// The 24-bit BMP reader; see rgb_image.h. Header offsets are those of the BMP format: the
// 14-byte file header (signature at 0, pixel-data offset at 10) and the information header
// after it (size at 0, width 4, height 8, bits per pixel 14, compression 16).
#include "images/rgb_image.h"

#include "images/image_limits.h"
#include "images/little_endian.h"
#include "images/scoped_file.h"

#include <cstdlib>

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

} // namespace

bool RgbImage::load(const char* fileName) {
    ScopedFile file;
    return file.open(fileName, "rb") && read(file.get());
}

bool RgbImage::read(std::FILE* file) {
    unsigned char fileHeader[FILE_HEADER_SIZE];
    unsigned char info[INFO_HEADER_SIZE];
    if (std::fread(fileHeader, 1, sizeof fileHeader, file) != sizeof fileHeader ||
        std::fread(info, 1, sizeof info, file) != sizeof info)
        return false;
    // A core header (12 bytes) lays its fields out differently, so only the 40-byte header
    // and its longer successors (108, 124), which begin with the same fields, are read.
    if (readLe16(fileHeader) != BMP_SIGNATURE || readLe32(info) < INFO_HEADER_SIZE ||
        readLe16(info + 14) != 24 || readLe32(info + 16) != 0)
        return false;
    const std::int32_t width = readLe32Signed(info + 4);
    const std::int32_t height = readLe32Signed(info + 8);
    if (!acceptedSize(width, height))
        return false;
    setSize(width, std::abs(height));
    clear();
    // Longer headers or a colour table push the rows further: honour the stated offset when
    // it lies beyond the headers (a smaller one cannot be right and is ignored).
    const long offset = static_cast<long>(readLe32(fileHeader + 10));
    const long headersEnd = FILE_HEADER_SIZE + INFO_HEADER_SIZE;
    if (offset > headersEnd && std::fseek(file, offset, SEEK_SET) != 0)
        return true;
    return readRows(file, height > 0);
}

bool RgbImage::readRows(std::FILE* file, bool bottomUp) {
    std::vector<unsigned char> row(fileRowLength(pictureWidth));
    for (int i = 0; i < pictureHeight; ++i) {
        if (std::fread(row.data(), 1, row.size(), file) != row.size())
            break; // the rows not read stay black
        const int y = bottomUp ? pictureHeight - 1 - i : i;
        RgbPixel* out = &pixels[static_cast<std::size_t>(y) * pictureWidth];
        for (int x = 0; x < pictureWidth; ++x)
            out[x] = RgbPixel{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
    }
    return true;
}

bool RgbImage::setSize(int newWidth, int newHeight) {
    if (newWidth < 0 || newHeight < 0 || newWidth > MAX_PICTURE_SIDE ||
        newHeight > MAX_PICTURE_SIDE)
        return false;
    pictureWidth = newWidth;
    pictureHeight = newHeight;
    pixels.assign(static_cast<std::size_t>(newWidth) * newHeight, RgbPixel{});
    return true;
}

void RgbImage::clear() {
    pixels.assign(pixels.size(), RgbPixel{});
}

RgbPixel& RgbImage::pixelAt(int x, int y) {
    if (x < 0 || x >= pictureWidth || y < 0 || y >= pictureHeight)
        return spare;
    return pixels[static_cast<std::size_t>(y) * pictureWidth + x];
}

const RgbPixel* RgbImage::data() const {
    return pictureWidth > 0 && pictureHeight > 0 ? pixels.data() : &spare;
}
