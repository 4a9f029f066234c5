// The 24-bit reader: row order and padding, what it refuses, and short or hostile files.
#include "bmp_bytes.h"

#include "images/image_limits.h"
#include "images/rgb_image.h"

#include <gtest/gtest.h>

namespace {

// Image row y holds file row (rows - 1 - y) of a bottom-up file.
void expectPattern(RgbImage& image, bool bottomUp, int filledFileRows) {
    for (int y = 0; y < image.height(); ++y) {
        const int fileRow = bottomUp ? image.height() - 1 - y : y;
        for (int x = 0; x < image.width(); ++x) {
            unsigned char r = 0, g = 0, b = 0;
            if (fileRow < filledFileRows)
                patternColour(x, fileRow, r, g, b);
            const RgbPixel p = image.pixelAt(x, y);
            ASSERT_EQ(p.red, r) << x << "," << y;
            ASSERT_EQ(p.green, g) << x << "," << y;
            ASSERT_EQ(p.blue, b) << x << "," << y;
        }
    }
}

struct SizeCase {
    int width;
    int height;
};

class RgbImageRows : public testing::TestWithParam<SizeCase> {};

// Width 1 has 1 byte of padding a row, width 5 has 1 (15 -> 16), width 4 none: any slip in
// the row length shears the picture.
TEST_P(RgbImageRows, ReadsBottomUpRowsTopFirst) {
    const auto [width, height] = GetParam();
    RgbImage image;
    ASSERT_TRUE(image.load(writeTempFile("rows.bmp", bmp24(width, height)).c_str()));
    EXPECT_EQ(image.width(), width);
    EXPECT_EQ(image.height(), height);
    expectPattern(image, true, height);
    EXPECT_EQ(image.data(), &image.pixelAt(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Widths, RgbImageRows,
                         testing::Values(SizeCase{1, 3}, SizeCase{5, 2}, SizeCase{4, 4},
                                         SizeCase{7, 1}));

TEST(RgbImage, TurnsTopDownFilesOver) {
    RgbImage image;
    ASSERT_TRUE(image.load(writeTempFile("topdown.bmp", bmp24(3, -4)).c_str()));
    EXPECT_EQ(image.height(), 4);
    expectPattern(image, false, 4);
}

TEST(RgbImage, RowsMissingFromAShortFileStayBlack) {
    Bytes file = bmp24(3, 5);
    file.resize(54 + 2 * 12 + 5); // two whole rows of 12 bytes and part of a third
    RgbImage image;
    ASSERT_TRUE(image.load(writeTempFile("short.bmp", file).c_str()));
    expectPattern(image, true, 2); // image rows 4 and 3 filled, 0 to 2 black
}

TEST(RgbImage, HonoursThePixelOffsetOfLongerHeaders) {
    const Bytes file =
        fileHeader(14 + 124) + infoHeader(2, 2, 24, 0, 0, 124) + patternRows(2, 2, 3);
    RgbImage image;
    ASSERT_TRUE(image.load(writeTempFile("v5.bmp", file).c_str()));
    expectPattern(image, true, 2);
}

TEST(RgbImage, RefusesWhatItCannotRead) {
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
    for (const auto& [what, bytes] : refused) {
        RgbImage image;
        EXPECT_FALSE(image.load(writeTempFile("refused.bmp", bytes).c_str())) << what;
        EXPECT_EQ(image.width(), 0) << what;
    }
    RgbImage image;
    EXPECT_FALSE(image.load(tempPath("no-such-file.bmp").c_str()));
}

TEST(RgbImage, AccessOutsideThePictureGoesToTheSparePixel) {
    RgbImage image;
    ASSERT_TRUE(image.setSize(4, 3));
    image.pixelAt(4, 0) = RgbPixel{9, 8, 7};     // lost to the picture...
    const RgbPixel spare = image.pixelAt(-1, 0); // ...but read back through any outside access
    EXPECT_EQ(spare.red, 9);
    EXPECT_EQ(&image.pixelAt(0, 3), &image.pixelAt(-1, 0));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.pixelAt(x, y).red, 0);
}

TEST(RgbImage, SizesAndClearing) {
    RgbImage image;
    EXPECT_FALSE(image.setSize(MAX_PICTURE_SIDE + 1, 1));
    EXPECT_FALSE(image.setSize(1, -1));
    ASSERT_TRUE(image.setSize(2, 2));
    image.pixelAt(1, 1) = RgbPixel{1, 2, 3};
    image.clear();
    EXPECT_EQ(image.pixelAt(1, 1).blue, 0);
    ASSERT_TRUE(image.setSize(0, 0));
    EXPECT_EQ(image.data(), &image.pixelAt(0, 0)); // the spare pixel stands in
}

} // namespace
