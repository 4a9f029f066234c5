// The JPEG reader: colour, grey and CMYK pictures, files cut short or empty or not JPEG at
// all, and headers that claim more than the game will take; each failure carries its text.
#include "jpeg_bytes.h"

#include "images/jpeg_reader.h"
#include "images/jpeg_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Decoded JPEG values are near, not equal, to what was encoded.
void expectNear(const unsigned char* p, int r, int g, int b, const std::string& where) {
    EXPECT_NEAR(p[0], r, 6) << where;
    EXPECT_NEAR(p[1], g, 6) << where;
    EXPECT_NEAR(p[2], b, 6) << where;
}

// Loads a file that must decode: tightly packed rows, top row first, no failure text.
Picture loaded(const char* name, const Bytes& file) {
    PictureReading reading = loadJpegImage(writeTempFile(name, file).c_str());
    EXPECT_EQ(reading.failure, "") << name;
    if (!reading.picture) {
        ADD_FAILURE() << name << " did not decode";
        return {};
    }
    const Picture& picture = *reading.picture;
    EXPECT_EQ(picture.rowOrder, RowOrder::TopFirst);
    EXPECT_EQ(picture.pixels.size(),
              static_cast<std::size_t>(picture.width) * picture.height * picture.bytesPerPixel);
    return std::move(*reading.picture);
}

std::string failureOf(const char* name, const Bytes& file) {
    const PictureReading reading = loadJpegImage(writeTempFile(name, file).c_str());
    EXPECT_FALSE(reading.picture) << name;
    return reading.failure;
}

TEST(JpegReader, DecodesColourTopRowFirst) {
    const Picture picture = loaded("colour.jpg", twoBandJpeg(640, 480));
    ASSERT_EQ(picture.width, 640);
    ASSERT_EQ(picture.height, 480);
    EXPECT_EQ(picture.bytesPerPixel, 3);
    expectNear(picture.pixel(0, 0), 200, 30, 40, "first pixel");
    expectNear(picture.pixel(639, 479), 20, 40, 210, "last pixel");
}

TEST(JpegReader, AFileCutInHalfStillLoads) {
    Bytes file = twoBandJpeg(320, 240);
    file.resize(file.size() / 2);
    const Picture picture = loaded("half.jpg", file);
    ASSERT_EQ(picture.height, 240);
    expectNear(picture.pixel(0, 0), 200, 30, 40, "top rows were in the file");
}

TEST(JpegReader, GreyPicturesKeepOneBytePerPixel) {
    Bytes grey;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            grey.push_back(static_cast<unsigned char>(x * 16 + 8 + y));
    const Picture picture = loaded("grey.jpg", encodeJpeg(16, 8, 1, JCS_GRAYSCALE, grey.data()));
    ASSERT_EQ(picture.bytesPerPixel, 1);
    ASSERT_EQ(picture.pixels.size(), grey.size());
    for (std::size_t i = 0; i < grey.size(); ++i)
        EXPECT_NEAR(picture.pixels[i], grey[i], 4) << i;
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

TEST(JpegReader, CmykPicturesBecomeRgb) {
    Bytes cmyk;
    for (int i = 0; i < 16 * 16; ++i)
        cmyk.insert(cmyk.end(), {200, 100, 50, 155});
    const Picture picture = loaded("cmyk.jpg", encodeJpeg(16, 16, 4, JCS_CMYK, cmyk.data()));
    ASSERT_EQ(picture.bytesPerPixel, 3);
    ASSERT_EQ(picture.width, 16);
    expectNear(picture.pixel(15, 15), 100, 0, 0, "last pixel");
}

// Each failed read keeps its own text: a later read, good or bad, does not change it.
TEST(JpegReader, FailuresCarryTheirOwnText) {
    const std::string empty = failureOf("empty.jpg", Bytes{});
    const std::string text = failureOf("text.jpg", Bytes(100, 'x'));
    loaded("good.jpg", twoBandJpeg(8, 8));
    EXPECT_EQ(empty, "Empty input file");
    EXPECT_NE(text, "");
    EXPECT_NE(text, empty);
    const std::string missing = tempPath("missing.jpg");
    EXPECT_EQ(loadJpegImage(missing.c_str()).failure, "Cannot open " + missing);
    const std::string tooLong = std::string(300, 'a') + ".jpg";
    EXPECT_FALSE(loadJpegImage(tooLong.c_str()).picture);
}

// A 16 x 16 picture whose frame header is rewritten to claim 9000 x 9000: refused before
// any pixel block is allocated.
TEST(JpegReader, RefusesPicturesOverTheSideLimit) {
    Bytes file = twoBandJpeg(16, 16);
    for (std::size_t i = 0; i + 9 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == 0xC0) { // start of frame: height, width at +5
            file[i + 5] = file[i + 7] = 9000 >> 8;
            file[i + 6] = file[i + 8] = 9000 & 0xFF;
            break;
        }
    }
    EXPECT_EQ(failureOf("huge.jpg", file), "Maximum supported image dimension is 8192 pixels");
}

TEST(JpegReader, ReadsFromMemoryAsFromAFile) {
    const Bytes file = twoBandJpeg(24, 16);
    ImageStream stream("unused");
    ASSERT_TRUE(stream.openMemory(file.data(), file.size()));
    const PictureReading reading = decodeJpegImage(stream);
    ASSERT_TRUE(reading.picture);
    EXPECT_EQ(reading.picture->width, 24);
    expectNear(reading.picture->pixel(23, 15), 20, 40, 210, "last pixel");
}

} // namespace
