// Writers of small BMP/DIB files for the image tests: the headers field by field, so a test
// can make exactly the variant it needs, the colours their pixels must come out as (as a
// Grid of 3-byte pixels in stored order), and temporary files (one folder per test process).
#pragma once

#include "images/picture.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using Bytes = std::vector<unsigned char>;
using Rgb = std::array<int, 3>;
using Grid = std::vector<Rgb>;

inline void append(Bytes& a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    append(a, b);
    return a;
}

// value in bytes little-endian bytes; bytes past the eighth are zero.
inline Bytes le(std::uint64_t value, int bytes) {
    Bytes out;
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(i < 8 ? value >> 8 * i : 0));
    return out;
}

// The 14-byte file header; the file size field is left 0, as readers must not need it.
inline Bytes fileHeader(std::uint32_t pixelOffset) {
    return Bytes{'B', 'M'} + le(0, 8) + le(pixelOffset, 4);
}

// An information header; `size` above 40 pads it with zeros to that length.
inline Bytes infoHeader(std::int32_t width, std::int32_t height, unsigned bitCount,
                        std::uint32_t compression = 0, std::uint32_t coloursUsed = 0,
                        std::uint32_t size = 40) {
    Bytes out = le(size, 4) + le(std::uint32_t(width), 4) + le(std::uint32_t(height), 4) +
                le(1, 2) + le(bitCount, 2) + le(compression, 4) + le(0, 12) + le(coloursUsed, 4);
    out.resize(size < 40 ? 40 : size, 0);
    return out;
}

inline Bytes coreHeader(unsigned width, unsigned height, unsigned bitCount) {
    return le(12, 4) + le(width, 2) + le(height, 2) + le(1, 2) + le(bitCount, 2);
}

// Colour i of the tables the tests write, and of pixel (x, y) of the 24- and 32-bit rows
// (y counted in file row order).
inline Rgb tableColour(int i) {
    return {(i * 7 + 1) & 0xFF, (255 - i) & 0xFF, (i * 3 + 2) & 0xFF};
}
inline Rgb patternColour(int x, int y) {
    return {(x * 40 + 10) & 0xFF, (y * 30 + 20) & 0xFF, ((x + y) * 7 + 5) & 0xFF};
}

// A colour as a file stores it, blue first, then `extra` filler bytes no reader may take
// for a colour.
inline Bytes bgr(const Rgb& c, int extra, unsigned char filler) {
    return Bytes{Bytes::value_type(c[2]), Bytes::value_type(c[1]), Bytes::value_type(c[0])} +
           Bytes(extra, filler);
}

// `count` colour entries of 4 (or 3) bytes.
inline Bytes colourTable(int count, int entrySize) {
    Bytes out;
    for (int i = 0; i < count; ++i)
        append(out, bgr(tableColour(i), entrySize - 3, 0x55));
    return out;
}

// Rows of the pattern (and a fourth byte for 32 bits), each padded to 4 bytes.
inline Bytes patternRows(int width, int rows, int bytesPerPixel) {
    Bytes out;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x)
            append(out, bgr(patternColour(x, y), bytesPerPixel - 3, 0xEE));
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

// The pattern's file rows 0 .. filled - 1 (the rest black), file row 0 first or, turned,
// last.
inline Grid patternGrid(int width, int height, int filled, bool turned = false) {
    Grid grid;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int fileRow = turned ? height - 1 - y : y;
            grid.push_back(fileRow < filled ? patternColour(x, fileRow) : Rgb{});
        }
    return grid;
}

// The pixels of a 3-byte picture (or texture) in the order they are stored.
inline Grid gridOf(const std::vector<unsigned char>& rgb) {
    Grid grid;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        grid.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
    return grid;
}

// A whole 24-bit file with file header: header size 40, pixels at 54.
inline Bytes bmp24(std::int32_t width, std::int32_t height) {
    return fileHeader(54) + infoHeader(width, height, 24) +
           patternRows(width, height < 0 ? -height : height, 3);
}

inline std::string tempPath(const std::string& name) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("munchora_images_" + std::to_string(::getpid()));
    // Registered once the folder's name is made, so the removal runs before it is destroyed.
    static const bool made = std::filesystem::create_directories(folder) && !std::atexit([] {
                                 std::error_code ignored;
                                 std::filesystem::remove_all(tempPath(""), ignored);
                             });
    (void)made;
    return (folder / name).string();
}

// Writes bytes to a file in the test's temporary folder and returns its path.
inline std::string writeTempFile(const std::string& name, const Bytes& bytes) {
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}
