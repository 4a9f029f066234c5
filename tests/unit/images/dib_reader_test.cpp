// The DIB reader: headers of both kinds, every depth and compression it converts, the
// colour table's size and place, row order, and the failures with their messages.
#include "bmp_bytes.h"

#include "images/dib_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <span>

namespace {

// Decodes a file that must succeed: an RGB picture, bottom row first, tightly packed.
std::optional<Picture> decode(const Bytes& file) {
    PictureReading reading = decodeDibImage(file);
    EXPECT_EQ(reading.failure, "");
    if (const auto& picture = reading.picture) {
        EXPECT_EQ(picture->rowOrder, RowOrder::BottomFirst);
        EXPECT_EQ(picture->bytesPerPixel, 3);
        EXPECT_EQ(picture->pixels.size(),
                  static_cast<std::size_t>(picture->width) * picture->height * 3);
    }
    return std::move(reading.picture);
}

// Pixel (x, y) of a DIB picture, y counted from the bottom row (its first stored row).
std::array<int, 3> pixel(const Picture& picture, int x, int y) {
    const unsigned char* p = picture.pixel(x, y);
    return {p[0], p[1], p[2]};
}

std::array<int, 3> tableColour(int i) {
    unsigned char r, g, b;
    colourTableEntry(i, r, g, b);
    return {r, g, b};
}

std::array<int, 3> patternAt(int x, int fileRow) {
    unsigned char r, g, b;
    patternColour(x, fileRow, r, g, b);
    return {r, g, b};
}

TEST(DibColorCount, FromDepthOrColoursUsed) {
    struct Case {
        Bytes header;
        int count;
    };
    const Bytes info8 = infoHeader(1, 1, 8);
    const Case cases[] = {
        {coreHeader(1, 1, 1), 2},
        {coreHeader(1, 1, 4), 16},
        {coreHeader(1, 1, 8), 256},
        {coreHeader(1, 1, 24), 0},
        {infoHeader(1, 1, 1), 2},
        {infoHeader(1, 1, 4), 16},
        {infoHeader(1, 1, 8), 256},
        {infoHeader(1, 1, 16), 0},
        {infoHeader(1, 1, 8, 0, 100), 100},
        {infoHeader(1, 1, 24, 0, 7), 7},
        {Bytes(info8.begin(), info8.begin() + 39), 0},
        {Bytes{12, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dibColorCount(c.header), c.count) << testing::PrintToString(c.header);
}

// Width 5 at 24 bits: file rows of 16 bytes, image rows of 15.
TEST(DibReader, TwentyFourBitRowsLoseTheirPadding) {
    const std::optional<Picture> image =
        decode(fileHeader(54) + infoHeader(5, 3, 24) + patternRows(5, 3, 3));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 5);
    EXPECT_EQ(image->height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixel(*image, x, y), patternAt(x, y)) << x << "," << y;
}

TEST(DibReader, ThirtyTwoBitsDropTheFourthByte) {
    const std::optional<Picture> image = decode(infoHeader(3, 2, 32) + patternRows(3, 2, 4));
    ASSERT_TRUE(image);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixel(*image, x, y), patternAt(x, y));
}

// 5-5-5 words; 31 must widen to 255, 0 to 0, 16 to 132 (16 << 3 | 16 >> 2).
TEST(DibReader, SixteenBitsWidenEachChannel) {
    Bytes rows;
    putLe16(rows, 31 << 10);    // red
    putLe16(rows, 16 << 5 | 1); // half green, a trace of blue
    putLe16(rows, 0x7FFF);      // white
    putLe16(rows, 0);           // padding to 8 bytes
    const std::optional<Picture> image = decode(infoHeader(3, 1, 16) + rows);
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 0, 0), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(pixel(*image, 1, 0), (std::array<int, 3>{0, 132, 8}));
    EXPECT_EQ(pixel(*image, 2, 0), (std::array<int, 3>{255, 255, 255}));
}

TEST(DibReader, OneBitPixelsRunMostSignificantFirst) {
    const Bytes rows{0b10110000, 0, 0, 0};
    const std::optional<Picture> image = decode(infoHeader(4, 1, 1) + colourTable(2, 4) + rows);
    ASSERT_TRUE(image);
    const int expected[] = {1, 0, 1, 1};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(pixel(*image, x, 0), tableColour(expected[x])) << x;
}

// Bare DIB, information header, 16 colours: pixels at 40 + 16 x 4 = 104.
TEST(DibReader, BareDibPixelsFollowTheColourTable) {
    const Bytes file = infoHeader(2, 1, 4) + colourTable(16, 4) + Bytes{0xF3, 0, 0, 0};
    ASSERT_EQ(file.size(), 104u + 4);
    const std::optional<Picture> image = decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 0, 0), tableColour(15));
    EXPECT_EQ(pixel(*image, 1, 0), tableColour(3));
}

// Core header, 8 bits: 256 three-byte colours, pixels at 12 + 768 = 780.
TEST(DibReader, CoreHeaderColoursWiden) {
    const Bytes file =
        coreHeader(4, 2, 8) + colourTable(256, 3) + Bytes{0, 1, 254, 255, 7, 8, 9, 10};
    const std::optional<Picture> image = decode(file);
    ASSERT_TRUE(image);
    const int expected[2][4] = {{0, 1, 254, 255}, {7, 8, 9, 10}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixel(*image, x, y), tableColour(expected[y][x]));
    const std::optional<Picture> withFileHeader = decode(fileHeader(14 + 780) + file);
    ASSERT_TRUE(withFileHeader);
    EXPECT_EQ(pixel(*withFileHeader, 3, 1), tableColour(10));
}

// Colours used 100 at 8 bits: a table of 100 entries, pixels at 40 + 400 = 440; indices
// beyond the table are black.
TEST(DibReader, ColoursUsedSetsTheTableSize) {
    const Bytes file = infoHeader(3, 1, 8, 0, 100) + colourTable(100, 4) + Bytes{99, 0, 100, 0};
    const std::optional<Picture> image = decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 0, 0), tableColour(99));
    EXPECT_EQ(pixel(*image, 1, 0), tableColour(0));
    EXPECT_EQ(pixel(*image, 2, 0), (std::array<int, 3>{0, 0, 0}));
}

TEST(DibReader, TopDownFilesAreTurnedOver) {
    const std::optional<Picture> image = decode(infoHeader(2, -3, 24) + patternRows(2, 3, 3));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->height, 3);
    for (int y = 0; y < 3; ++y) // file row 0 is the top: the last stored row
        EXPECT_EQ(pixel(*image, 1, y), patternAt(1, 2 - y));
}

// 8 bits, 4 x 3: a run, an end of line, a literal of 3 (padded to 4 bytes), a delta of
// (1, 0) and a run that overflows its row; skipped pixels stay black.
TEST(DibReader, RunLengthEightBits) {
    const Bytes codes{2, 5, 0, 0,             // row 0: 5 5 . ., end of line
                      0, 3, 1, 2, 3, 0, 0, 0, // row 1: 1 2 3 ., end of line
                      0, 2, 1, 0,             // pen from (0, 2) to (1, 2)
                      9, 4, 0, 1};            // row 2: . 4 4 4 (rest dropped), end of bitmap
    const std::optional<Picture> image =
        decode(infoHeader(4, 3, 8, 1) + colourTable(256, 4) + codes);
    ASSERT_TRUE(image);
    const int black = -1;
    const int expected[3][4] = {{5, 5, black, black}, {1, 2, 3, black}, {black, 4, 4, 4}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const int index = expected[y][x];
            const std::array<int, 3> colour =
                index == black ? std::array<int, 3>{0, 0, 0} : tableColour(index);
            EXPECT_EQ(pixel(*image, x, y), colour) << x << "," << y;
        }
    }
}

// 4 bits, 5 x 2: a run alternates the two nibbles; a literal of 5 nibbles takes 3 bytes
// padded to 4.
TEST(DibReader, RunLengthFourBits) {
    const Bytes codes{5, 0x12, 0,    0,                    // row 0: 1 2 1 2 1
                      0, 5,    0x34, 0x56, 0x70, 0, 0, 1}; // row 1: 3 4 5 6 7, end of bitmap
    const std::optional<Picture> image =
        decode(infoHeader(5, 2, 4, 2) + colourTable(16, 4) + codes);
    ASSERT_TRUE(image);
    const int expected[2][5] = {{1, 2, 1, 2, 1}, {3, 4, 5, 6, 7}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixel(*image, x, y), tableColour(expected[y][x])) << x << "," << y;
}

TEST(DibReader, ShortPixelDataKeepsTheWholeRows) {
    Bytes file = infoHeader(2, 4, 24) + patternRows(2, 4, 3);
    file.resize(40 + 8 + 3); // one whole row of 8 bytes and a bit
    const std::optional<Picture> image = decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(pixel(*image, 1, 0), patternAt(1, 0));
    EXPECT_EQ(pixel(*image, 1, 1), (std::array<int, 3>{0, 0, 0}));
}

TEST(DibReader, RefusesHostileAndUnknownFiles) {
    const Bytes header108 = infoHeader(2, 2, 24, 0, 0, 108);
    const char* const unknown = "Unknown DIB file format.";
    const char* const conversion = "Image file conversion error.";
    const std::vector<std::tuple<const char*, Bytes, const char*>> cases = {
        {"header 108", header108 + patternRows(2, 2, 3), unknown},
        {"header 124", infoHeader(2, 2, 24, 0, 0, 124) + patternRows(2, 2, 3), unknown},
        {"header cut short", Bytes(header108.begin(), header108.begin() + 30), unknown},
        {"file header only", fileHeader(54), unknown},
        {"three bytes", Bytes{'B', 'M', 0}, unknown},
        {"100000 x 100000", infoHeader(100000, 100000, 24) + Bytes(20), unknown},
        {"core 65535 wide", coreHeader(65535, 1, 24) + Bytes(20), unknown},
        {"lowest height", infoHeader(1, INT32_MIN, 24) + Bytes(20), unknown},
        {"zero width", infoHeader(0, 1, 24) + Bytes(20), unknown},
        {"negative width", infoHeader(-2, 1, 24) + Bytes(20), unknown},
        {"zero height", infoHeader(1, 0, 24) + Bytes(20), unknown},
        {"bit fields", infoHeader(1, 1, 16, 3) + Bytes(20), conversion},
        {"RLE8 at 4 bits", infoHeader(1, 1, 4, 1) + Bytes(80), conversion},
        {"7 bits", infoHeader(1, 1, 7) + Bytes(20), conversion},
        {"no pixel data", infoHeader(1, 1, 24), conversion},
        {"offset past the end", fileHeader(4000) + infoHeader(1, 1, 24) + Bytes(4), conversion},
        {"less than a row", infoHeader(4, 1, 24) + Bytes(11), conversion},
        {"colour table past the end", infoHeader(1, 1, 8) + Bytes(10), conversion},
    };
    for (const auto& [what, bytes, message] : cases) {
        const PictureReading reading = decodeDibImage(bytes);
        EXPECT_EQ(reading.failure, message) << what;
        EXPECT_FALSE(reading.picture) << what;
    }
}

} // namespace
