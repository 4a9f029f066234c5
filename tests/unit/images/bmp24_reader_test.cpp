// The 24-bit reader: row order and padding, what it refuses, and short or hostile files.
#include "bmp_bytes.h"

#include "images/bmp24_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::optional<Picture> load(const char* name, const Bytes& bytes) {
    return loadBmp24Image(writeTempFile(name, bytes).c_str());
}

// Stored row y (0 the top) holds file row (height - 1 - y) of a bottom-up file; file rows
// at or past filledFileRows were never in the file and must be black.
void expectPattern(const Picture& picture, bool bottomUp, int filledFileRows) {
    ASSERT_EQ(picture.rowOrder, RowOrder::TopFirst);
    ASSERT_EQ(picture.bytesPerPixel, 3);
    ASSERT_EQ(picture.pixels.size(), static_cast<std::size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y) {
        const int fileRow = bottomUp ? picture.height - 1 - y : y;
        for (int x = 0; x < picture.width; ++x) {
            unsigned char r = 0, g = 0, b = 0;
            if (fileRow < filledFileRows)
                patternColour(x, fileRow, r, g, b);
            const unsigned char* p = picture.pixel(x, y);
            ASSERT_EQ((std::array<int, 3>{p[0], p[1], p[2]}), (std::array<int, 3>{r, g, b}))
                << x << "," << y;
        }
    }
}

struct SizeCase {
    int width;
    int height;
};

class Bmp24Rows : public testing::TestWithParam<SizeCase> {};

// Width 1 has 1 byte of padding a row, width 5 has 1 (15 -> 16), width 4 none: any slip in
// the row length shears the picture.
TEST_P(Bmp24Rows, ReadsBottomUpRowsTopFirst) {
    const auto [width, height] = GetParam();
    const std::optional<Picture> picture = load("rows.bmp", bmp24(width, height));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, width);
    EXPECT_EQ(picture->height, height);
    expectPattern(*picture, true, height);
}

INSTANTIATE_TEST_SUITE_P(Widths, Bmp24Rows,
                         testing::Values(SizeCase{1, 3}, SizeCase{5, 2}, SizeCase{4, 4},
                                         SizeCase{7, 1}));

TEST(Bmp24Reader, TurnsTopDownFilesOver) {
    const std::optional<Picture> picture = load("topdown.bmp", bmp24(3, -4));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->height, 4);
    expectPattern(*picture, false, 4);
}

TEST(Bmp24Reader, RowsMissingFromAShortFileStayBlack) {
    Bytes file = bmp24(3, 5);
    file.resize(54 + 2 * 12 + 5); // two whole rows of 12 bytes and part of a third
    const std::optional<Picture> picture = load("short.bmp", file);
    ASSERT_TRUE(picture);
    expectPattern(*picture, true, 2); // stored rows 4 and 3 filled, 0 to 2 black
}

TEST(Bmp24Reader, HonoursThePixelOffsetOfLongerHeaders) {
    const Bytes file =
        fileHeader(14 + 124) + infoHeader(2, 2, 24, 0, 0, 124) + patternRows(2, 2, 3);
    const std::optional<Picture> picture = load("v5.bmp", file);
    ASSERT_TRUE(picture);
    expectPattern(*picture, true, 2);
}

// A pixel-data offset past the end of the file reads no rows: the headers were good, so the
// picture loads, all black.
TEST(Bmp24Reader, AnOffsetPastTheEndGivesABlackPicture) {
    const std::optional<Picture> picture =
        load("far.bmp", fileHeader(5000) + infoHeader(2, 2, 24) + patternRows(2, 2, 3));
    ASSERT_TRUE(picture);
    expectPattern(*picture, true, 0);
}

TEST(Bmp24Reader, RefusesWhatItCannotRead) {
    const Bytes good = bmp24(2, 2);
    const std::vector<std::pair<const char*, Bytes>> refused = {
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
        EXPECT_FALSE(load("refused.bmp", bytes)) << what;
    EXPECT_FALSE(loadBmp24Image(tempPath("no-such-file.bmp").c_str()));
    EXPECT_TRUE(load("8192.bmp", fileHeader(54) + infoHeader(8192, 1, 24))); // the limit itself
}

} // namespace
