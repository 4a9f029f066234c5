// The JPEG reader: colour, grey and CMYK pictures, from a file or from memory, files cut
// short or empty or not JPEG at all, and headers that claim more than the game will take;
// each failure carries its own text.
#include "jpeg_bytes.h"

#include "images/jpeg_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// Decodes a picture that must load: tightly packed rows, top row first, no failure text.
Picture loaded(const Bytes& file, const char* what) {
    PictureReading reading = loadJpegImage(writeTempFile("picture.jpg", file).c_str());
    EXPECT_EQ(reading.failure, "") << what;
    const Picture& p = reading.picture ? *reading.picture : Picture{};
    EXPECT_EQ(p.rowOrder, RowOrder::TopFirst);
    EXPECT_TRUE(p.height > 0 && p.pixels.size() == p.rowBytes() * p.height) << what;
    return p;
}

std::string failureOf(const Bytes& file) {
    const PictureReading reading = loadJpegImage(writeTempFile("failing.jpg", file).c_str());
    EXPECT_FALSE(reading.picture);
    return reading.failure;
}

// Decoded JPEG values are near, not equal, to what was encoded.
void expectNear(const unsigned char* p, Rgb expected, const std::string& where) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(p[i], expected[i], 6) << where;
}

TEST(JpegReader, ColourAndCmykComeOutRgbTopRowFirst) {
    const Bytes file = twoBandJpeg(640, 480);
    ImageStream stream("unused");
    ASSERT_TRUE(stream.openMemory(file.data(), file.size()));
    const PictureReading fromMemory = decodeJpegImage(stream);
    ASSERT_TRUE(fromMemory.picture);
    for (const Picture& picture : {loaded(file, "from a file"), *fromMemory.picture}) {
        ASSERT_EQ(std::tuple(picture.width, picture.height, picture.bytesPerPixel),
                  std::tuple(640, 480, 3));
        expectNear(picture.pixel(0, 0), {200, 30, 40}, "first pixel");
        expectNear(picture.pixel(639, 479), {20, 40, 210}, "last pixel");
    }
    const Picture half = loaded(Bytes(file.begin(), file.begin() + long(file.size() / 2)), "half");
    ASSERT_EQ(half.height, 480);
    expectNear(half.pixel(0, 0), {200, 30, 40}, "the top rows of a file cut in half");

    // The key comes off each channel: (200, 100, 50) less 255 - 155 is (100, 0, 0).
    Bytes cmyk;
    for (int i = 0; i < 16 * 16; ++i)
        cmyk.insert(cmyk.end(), {200, 100, 50, 155});
    const Picture rgb = loaded(encodeJpeg(16, 16, 4, JCS_CMYK, cmyk.data()), "CMYK");
    ASSERT_EQ(std::pair(rgb.width, rgb.bytesPerPixel), std::pair(16, 3));
    expectNear(rgb.pixel(15, 15), {100, 0, 0}, "CMYK");
}

TEST(JpegReader, GreyPicturesKeepOneBytePerPixel) {
    Bytes grey;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            grey.push_back(static_cast<unsigned char>(x * 16 + 8 + y));
    const Picture picture = loaded(encodeJpeg(16, 8, 1, JCS_GRAYSCALE, grey.data()), "grey");
    ASSERT_EQ(std::pair(picture.bytesPerPixel, picture.pixels.size()), std::pair(1, grey.size()));
    for (std::size_t i = 0; i < grey.size(); ++i)
        EXPECT_NEAR(picture.pixels[i], grey[i], 4) << i;
}

// Each failed read keeps its own text: a later read, good or bad, does not change it.
TEST(JpegReader, FailuresCarryTheirOwnText) {
    const std::string empty = failureOf(Bytes{});
    const std::string text = failureOf(Bytes(100, 'x'));
    loaded(twoBandJpeg(8, 8), "good");
    EXPECT_EQ(empty, "Empty input file");
    EXPECT_NE(text, "");
    EXPECT_NE(text, empty);
    const std::string missing = tempPath("missing.jpg");
    EXPECT_EQ(loadJpegImage(missing.c_str()).failure, "Cannot open " + missing);
    EXPECT_FALSE(loadJpegImage((std::string(300, 'a') + ".jpg").c_str()).picture);

    // A 16 x 16 picture whose frame header claims 9000 x 9000: refused before any pixel
    // block is allocated.
    Bytes huge = twoBandJpeg(16, 16);
    const Bytes marker{0xFF, 0xC0}; // start of frame: height, width at +5
    const auto frame = std::search(huge.begin(), huge.end(), marker.begin(), marker.end());
    ASSERT_LT(frame + 9, huge.end());
    frame[5] = frame[7] = 9000 >> 8;
    frame[6] = frame[8] = 9000 & 0xFF;
    EXPECT_EQ(failureOf(huge), "Maximum supported image dimension is 8192 pixels");
}

} // namespace
