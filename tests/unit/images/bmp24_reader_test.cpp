// The 24-bit reader: row order and padding, short files, what it refuses, and hostile
// headers.
#include "bmp_bytes.h"

#include "images/bmp24_reader.h"

#include <gtest/gtest.h>

namespace {

std::optional<Picture> load(const Bytes& bytes) {
    return loadBmp24Image(writeTempFile("picture.bmp", bytes).c_str());
}

// Widths 1 and 5 pad each row by a byte, width 4 not at all: any slip in the row length
// shears the picture. Stored row y (0 the top) holds file row height - 1 - y of a bottom-up
// file; file rows at or past `filled` were never in the file and must be black.
TEST(Bmp24Reader, ReadsRowsTopFirstAndLeavesMissingRowsBlack) {
    Bytes shortFile = bmp24(3, 5);
    shortFile.resize(54 + 2 * 12 + 5); // two whole rows of 12 bytes and part of a third
    const struct {
        const char* what;
        Bytes bytes;
        int width, height, filled;
        bool bottomUp;
    } cases[] = {
        {"1 x 3", bmp24(1, 3), 1, 3, 3, true},
        {"5 x 2", bmp24(5, 2), 5, 2, 2, true},
        {"4 x 4", bmp24(4, 4), 4, 4, 4, true},
        {"top-down", bmp24(3, -4), 3, 4, 4, false},
        {"short", shortFile, 3, 5, 2, true},
        {"longer header",
         fileHeader(14 + 124) + infoHeader(2, 2, 24, 0, 0, 124) + patternRows(2, 2, 3), 2, 2, 2,
         true},
        {"offset past the end", fileHeader(5000) + infoHeader(2, 2, 24) + patternRows(2, 2, 3), 2,
         2, 0, true},
    };
    for (const auto& c : cases) {
        const std::optional<Picture> picture = load(c.bytes);
        ASSERT_TRUE(picture) << c.what;
        EXPECT_EQ(std::pair(picture->width, picture->height), std::pair(c.width, c.height))
            << c.what;
        EXPECT_EQ(picture->rowOrder, RowOrder::TopFirst);
        EXPECT_EQ(gridOf(picture->pixels), patternGrid(c.width, c.height, c.filled, c.bottomUp))
            << c.what;
    }
}

TEST(Bmp24Reader, RefusesWhatItCannotRead) {
    const Bytes good = bmp24(2, 2);
    const std::pair<const char*, Bytes> refused[] = {
        {"8-bit", fileHeader(54 + 1024) + infoHeader(2, 2, 8) + colourTable(256, 4) + Bytes(8)},
        {"no signature", Bytes{'X', 'M'} + Bytes(good.begin() + 2, good.end())},
        {"headers cut short", Bytes(good.begin(), good.begin() + 53)},
        {"compressed", fileHeader(54) + infoHeader(2, 2, 24, 1) + patternRows(2, 2, 3)},
        {"core header", fileHeader(26) + coreHeader(2, 2, 24) + patternRows(2, 2, 3) + Bytes(40)},
        {"claims 100000 x 100000", fileHeader(54) + infoHeader(100000, 100000, 24) + Bytes(6)},
        {"8193 wide", fileHeader(54) + infoHeader(8193, 1, 24) + Bytes(8)},
        {"8193 high upside down", fileHeader(54) + infoHeader(1, -8193, 24) + Bytes(8)},
        {"lowest height", fileHeader(54) + infoHeader(1, INT32_MIN, 24) + Bytes(8)},
        {"zero width", fileHeader(54) + infoHeader(0, 4, 24) + Bytes(8)},
        {"negative width", fileHeader(54) + infoHeader(-3, 4, 24) + Bytes(8)},
        {"zero height", fileHeader(54) + infoHeader(4, 0, 24) + Bytes(8)},
        {"empty", Bytes{}},
    };
    for (const auto& [what, bytes] : refused)
        EXPECT_FALSE(load(bytes)) << what;
    EXPECT_FALSE(loadBmp24Image(tempPath("no-such-file.bmp").c_str()));
    EXPECT_TRUE(load(fileHeader(54) + infoHeader(8192, 1, 24))); // the limit itself
}

} // namespace
