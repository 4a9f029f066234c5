// What the DIB converter needs to know about a bitmap once its header has been read: the
// records shared by the DIB header parser, the converters and the run-length decoders.
//
// rows is the picture's height as a positive count; the converters write row r of the
// source data (in file order) to row r of the target, 3 bytes a pixel (red, green, blue),
// rows tightly packed. Whether file order is bottom-up or top-down is the caller's concern.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// One colour-table entry in the information header's order: blue, green, red, reserved.
struct DibColour {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

// The compression codes of the BMP format that the converter knows.
constexpr std::uint32_t DIB_RGB = 0;  // uncompressed
constexpr std::uint32_t DIB_RLE8 = 1; // run-length encoded, 8 bits per pixel
constexpr std::uint32_t DIB_RLE4 = 2; // run-length encoded, 4 bits per pixel

struct DibFormat {
    int width = 0;
    int rows = 0;
    int bitCount = 0;
    std::uint32_t compression = DIB_RGB;
    std::span<const DibColour> colours; // indices past its end are black
};

// The target of a conversion: width x rows pixels of 3 bytes, zeroed (black) beforehand.
struct DibTarget {
    unsigned char* rgb = nullptr;
    int width = 0;
    int rows = 0;

    unsigned char* pixel(int x, int row) const {
        return rgb + (static_cast<std::size_t>(row) * width + x) * 3;
    }
};

// Writes one colour-table entry (black when the index lies outside the table).
inline void putIndexed(const DibTarget& target, int x, int row, std::span<const DibColour> colours,
                       unsigned index) {
    unsigned char* out = target.pixel(x, row);
    const DibColour colour = index < colours.size() ? colours[index] : DibColour{};
    out[0] = colour.red;
    out[1] = colour.green;
    out[2] = colour.blue;
}
