// Writers of small BMP/DIB files for the image tests: the headers field by field, so a test
// can make exactly the variant it needs (bare or with file header, core or information
// header, odd sizes, cut-short data), and temporary files to hand them to the readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

void putLe16(Bytes& out, unsigned value);
void putLe32(Bytes& out, std::uint32_t value);
Bytes operator+(Bytes a, const Bytes& b);

// The 14-byte file header; the file size field is left 0, as readers must not need it.
Bytes fileHeader(std::uint32_t pixelOffset);
// An information header; `size` above 40 pads it with zeros to that length.
Bytes infoHeader(std::int32_t width, std::int32_t height, unsigned bitCount,
                 std::uint32_t compression = 0, std::uint32_t coloursUsed = 0,
                 std::uint32_t size = 40);
Bytes coreHeader(unsigned width, unsigned height, unsigned bitCount);
// `count` colour entries of 4 (or 3) bytes, entry i = colourTableEntry(i).
Bytes colourTable(int count, int entrySize);
void colourTableEntry(int i, unsigned char& red, unsigned char& green, unsigned char& blue);

// The colour the 24- and 32-bit writers give pixel (x, y), y counted in file row order.
void patternColour(int x, int y, unsigned char& red, unsigned char& green, unsigned char& blue);
// Rows of the pattern, blue-green-red (and a fourth byte for 32 bits), padded to 4 bytes.
Bytes patternRows(int width, int rows, int bytesPerPixel);

// A whole 24-bit file with file header: header size 40, pixels at 54.
Bytes bmp24(std::int32_t width, std::int32_t height);

// Writes bytes to a file in the test's temporary folder and returns its path.
std::string writeTempFile(const std::string& name, const Bytes& bytes);
std::string tempPath(const std::string& name);
