// The DIB reader's work on a file in memory; see dib_reader.h. Header layouts are the BMP
// format's: the 14-byte file header (pixel-data offset at byte 10); the 12-byte core header
// (width 4, height 6, bits per pixel 10; 16-bit unsigned fields; 3-byte colours); the
// 40-byte information header (width 4, height 8, bits per pixel 14, compression 16, colours
// used 32; 32-bit fields; 4-byte colours). Every offset taken from the file is checked
// against the file's real size before it is used.
#include "images/dib_reader.h"

#include "images/dib_convert.h"
#include "images/image_limits.h"
#include "images/little_endian.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t CORE_HEADER_SIZE = 12;
constexpr std::uint32_t INFO_HEADER_SIZE = 40;

// The player's messages, shown by loadDibImage.
constexpr const char* UNKNOWN_FORMAT = "Unknown DIB file format.";
constexpr const char* OUT_OF_MEMORY = "Out of memory.";
constexpr const char* CONVERSION_ERROR = "Image file conversion error.";

struct DibHeader {
    DibFormat format;
    std::int32_t height = 0; // signed: negative for a top-down picture
    std::size_t size = 0;
    std::size_t colourEntrySize = 0;
};

bool readHeader(std::span<const unsigned char> header, DibHeader& out) {
    if (header.size() < 4)
        return false;
    const std::uint32_t size = readLe32(header.data());
    const unsigned char* h = header.data();
    if (size == CORE_HEADER_SIZE && header.size() >= CORE_HEADER_SIZE) {
        out.format.width = readLe16(h + 4);
        out.height = readLe16(h + 6);
        out.format.bitCount = readLe16(h + 10);
        out.colourEntrySize = 3;
    } else if (size == INFO_HEADER_SIZE && header.size() >= INFO_HEADER_SIZE) {
        out.format.width = readLe32Signed(h + 4);
        out.height = readLe32Signed(h + 8);
        out.format.bitCount = readLe16(h + 14);
        out.format.compression = readLe32(h + 16);
        out.colourEntrySize = 4;
    } else {
        return false;
    }
    out.size = size;
    return true;
}

bool acceptedSize(int width, std::int32_t height) {
    return width >= 1 && width <= MAX_PICTURE_SIDE && height != 0 && height >= -MAX_PICTURE_SIDE &&
           height <= MAX_PICTURE_SIDE;
}

// Entries that would lie past the end of the file stay black.
std::vector<DibColour> readColourTable(std::span<const unsigned char> file, std::size_t start,
                                       std::size_t count, std::size_t entrySize) {
    std::vector<DibColour> colours(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t offset = start + i * entrySize;
        if (offset + entrySize > file.size())
            break;
        const unsigned char* entry = file.data() + offset;
        // A core header's 3-byte entries widen to 4 bytes with a zero fourth byte.
        colours[i] = {entry[0], entry[1], entry[2], entrySize == 4 ? entry[3] : std::uint8_t{0}};
    }
    return colours;
}

// Rows are converted in file order; a top-down file's first row is the top, so swapping
// rows end for end gives the bottom-first order the reader delivers.
void turnOver(Picture& picture) {
    const std::size_t rowBytes = picture.rowBytes();
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(picture.pixel(0, top), picture.pixel(0, top) + rowBytes,
                         picture.pixel(0, bottom));
}

PictureReading failed(const char* message) {
    return {std::nullopt, message};
}

// The picture is as large as the header says (at most MAX_PICTURE_SIDE a side, 192 MiB),
// so running out of memory is a bad file's fault, told to the player, not a broken program.
PictureReading convert(const DibHeader& header, std::span<const unsigned char> bits) {
    const DibFormat& format = header.format;
    std::optional<Picture> picture;
    try {
        picture = Picture::black(format.width, format.rows, 3, RowOrder::BottomFirst);
    } catch (const std::bad_alloc&) {
        return failed(OUT_OF_MEMORY);
    }
    const DibTarget target{picture->pixels.data(), format.width, format.rows};
    if (convertDibPixels(format, bits, target) == 0)
        return failed(CONVERSION_ERROR);
    if (header.height < 0)
        turnOver(*picture);
    return {std::move(picture), {}};
}

} // namespace

std::uint16_t dibColorCount(std::span<const unsigned char> header) {
    if (header.size() < 4)
        return 0;
    int bitCount = 0;
    if (readLe32(header.data()) == CORE_HEADER_SIZE) {
        if (header.size() < CORE_HEADER_SIZE)
            return 0;
        bitCount = readLe16(header.data() + 10);
    } else {
        if (header.size() < INFO_HEADER_SIZE)
            return 0;
        if (const std::uint32_t used = readLe32(header.data() + 32); used != 0)
            return static_cast<std::uint16_t>(used);
        bitCount = readLe16(header.data() + 14);
    }
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

PictureReading decodeDibImage(std::span<const unsigned char> file) {
    const bool hasFileHeader = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    const std::size_t headerStart = hasFileHeader ? FILE_HEADER_SIZE : 0;
    DibHeader header;
    if (file.size() < headerStart || !readHeader(file.subspan(headerStart), header))
        return failed(UNKNOWN_FORMAT);
    if (!acceptedSize(header.format.width, header.height))
        return failed(UNKNOWN_FORMAT);
    header.format.rows = std::abs(header.height);
    if (!dibFormatSupported(header.format))
        return failed(CONVERSION_ERROR);

    const std::size_t count = dibColorCount(file.subspan(headerStart));
    const std::size_t tableStart = headerStart + header.size;
    const std::vector<DibColour> colours =
        readColourTable(file, tableStart, count, header.colourEntrySize);
    header.format.colours = colours;
    // A bare DIB's pixels follow its colour table: 40 + 4n (or 12 + 3n) bytes in.
    const std::size_t pixelOffset =
        hasFileHeader ? readLe32(file.data() + 10) : tableStart + count * header.colourEntrySize;
    if (pixelOffset >= file.size())
        return failed(CONVERSION_ERROR);
    return convert(header, file.subspan(pixelOffset));
}
