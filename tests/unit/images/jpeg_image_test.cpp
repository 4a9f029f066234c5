// The JPEG reader: colour, grey and CMYK pictures, files cut short or empty or not JPEG at
// all, and headers that claim more than the game will take.
#include "jpeg_bytes.h"

#include "images/jpeg_image.h"
#include "images/jpeg_rows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Decoded JPEG values are near, not equal, to what was encoded.
void expectNear(const unsigned char* p, int r, int g, int b, const std::string& where) {
    EXPECT_NEAR(p[0], r, 6) << where;
    EXPECT_NEAR(p[1], g, 6) << where;
    EXPECT_NEAR(p[2], b, 6) << where;
}

TEST(JpegImage, DecodesColourTopRowFirst) {
    JpegImage image;
    ASSERT_TRUE(image.load(writeTempFile("colour.jpg", twoBandJpeg(640, 480)).c_str()));
    EXPECT_STREQ(jpegLastError, "");
    EXPECT_EQ(image.width, 640);
    EXPECT_EQ(image.height, 480);
    EXPECT_EQ(image.palette, nullptr);
    expectNear(image.pixels, 200, 30, 40, "first pixel");
    expectNear(image.pixels + (640 * 480 - 1) * 3, 20, 40, 210, "last pixel");
}

TEST(JpegImage, AFileCutInHalfStillLoads) {
    Bytes file = twoBandJpeg(320, 240);
    file.resize(file.size() / 2);
    JpegImage image;
    ASSERT_TRUE(image.load(writeTempFile("half.jpg", file).c_str()));
    EXPECT_EQ(image.height, 240);
    expectNear(image.pixels, 200, 30, 40, "top rows were in the file");
}

TEST(JpegImage, GreyPicturesKeepOneBytePerPixelAndAPalette) {
    Bytes grey;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            grey.push_back(static_cast<unsigned char>(x * 16 + 8));
    JpegImage image;
    ASSERT_TRUE(image.load(
        writeTempFile("grey.jpg", encodeJpeg(16, 8, 1, JCS_GRAYSCALE, grey.data())).c_str()));
    ASSERT_NE(image.palette, nullptr);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(image.palette[4 * i], i);
        ASSERT_EQ(image.palette[4 * i + 2], i);
        ASSERT_EQ(image.palette[4 * i + 3], 0);
    }
    for (int i = 0; i < 16 * 8; ++i)
        EXPECT_NEAR(image.pixels[i], grey[i], 4) << i;
}

TEST(JpegRows, CmykTakesTheKeyOffEachChannel) {
    const unsigned char row[] = {200, 100, 50, 255, 200, 100, 50, 155, 0, 0, 0, 0};
    unsigned char out[9] = {};
    ASSERT_EQ(appendJpegRow(JCS_CMYK, row, 3, 4, out), 9u);
    const unsigned char expected[] = {200, 100, 50, 100, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(out[i], expected[i]) << i;
    EXPECT_EQ(appendJpegRow(JCS_YCbCr, row, 3, 3, out), 0u);
}

TEST(JpegImage, CmykPicturesBecomeRgb) {
    Bytes cmyk;
    for (int i = 0; i < 16 * 16; ++i)
        cmyk.insert(cmyk.end(), {200, 100, 50, 155});
    JpegImage image;
    ASSERT_TRUE(image.load(
        writeTempFile("cmyk.jpg", encodeJpeg(16, 16, 4, JCS_CMYK, cmyk.data())).c_str()));
    expectNear(image.pixels + (16 * 16 - 1) * 3, 100, 0, 0, "last pixel");
}

TEST(JpegImage, FailuresLeaveLibjpegsMessage) {
    JpegImage image;
    EXPECT_FALSE(image.load(writeTempFile("empty.jpg", Bytes{}).c_str()));
    EXPECT_STREQ(jpegLastError, "Empty input file");
    EXPECT_FALSE(image.load(writeTempFile("text.jpg", Bytes(100, 'x')).c_str()));
    EXPECT_STRNE(jpegLastError, "");
    EXPECT_EQ(image.pixels, nullptr);
}

// A 16 x 16 picture whose frame header is rewritten to claim 9000 x 9000: refused before
// any pixel block is allocated.
TEST(JpegImage, RefusesPicturesOverTheSideLimit) {
    Bytes file = twoBandJpeg(16, 16);
    for (std::size_t i = 0; i + 9 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == 0xC0) { // start of frame: height, width at +5
            file[i + 5] = file[i + 7] = 9000 >> 8;
            file[i + 6] = file[i + 8] = 9000 & 0xFF;
            break;
        }
    }
    JpegImage image;
    EXPECT_FALSE(image.load(writeTempFile("huge.jpg", file).c_str()));
    EXPECT_STREQ(jpegLastError, "Maximum supported image dimension is 8192 pixels");
}

TEST(JpegImage, AFileThatCannotBeOpenedLeavesThePictureAlone) {
    JpegImage image;
    ASSERT_TRUE(image.load(writeTempFile("keep.jpg", twoBandJpeg(8, 8)).c_str()));
    EXPECT_FALSE(image.load(tempPath("missing.jpg").c_str()));
    EXPECT_FALSE(image.load((std::string(300, 'a') + ".jpg").c_str()));
    EXPECT_EQ(image.width, 8);
    EXPECT_NE(image.pixels, nullptr);
    image.release();
    EXPECT_FALSE(image.loaded);
    EXPECT_EQ(image.pixels, nullptr);
}

TEST(JpegImage, ReadsFromMemoryAsFromAFile) {
    const Bytes file = twoBandJpeg(24, 16);
    ImageStream stream("unused");
    ASSERT_TRUE(stream.openMemory(file.data(), file.size()));
    JpegImage image;
    ASSERT_TRUE(image.read(stream));
    EXPECT_EQ(image.width, 24);
    expectNear(image.pixels + (24 * 16 - 1) * 3, 20, 40, 210, "last pixel");
}

} // namespace
