// The uploads read back from a real GL context: what the player would see go wrong if a
// picture reached its texture badly: row order, grey widened to RGB, the shadow's alpha,
// the substitutes for unreadable Hero pictures, and the messages and texture names for
// unreadable files.
#include "bmp_bytes.h"
#include "jpeg_bytes.h"

#include "images/texture_upload.h"
#include "platform/run_state.h"
#include "support/headless_gl.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class TextureUpload : public testing::Test {
protected:
    void SetUp() override {
        platform::CurrentRun().headless = true; // message boxes become lines on stderr
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
    }

    static GLint levelWidth() {
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &value);
        return value;
    }
    // Level 0 of the bound texture, rows in the order GL keeps them (t = 0 first).
    static std::vector<unsigned char> texels(GLenum format, int components) {
        GLint height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<unsigned char> out(static_cast<std::size_t>(levelWidth()) * height *
                                       components);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, out.data());
        return out;
    }
    static std::array<int, 3> rgbAt(const std::vector<unsigned char>& rgb, std::size_t i) {
        return {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
    }
    static std::array<int, 3> pattern(int x, int fileRow) {
        unsigned char r, g, b;
        patternColour(x, fileRow, r, g, b);
        return {r, g, b};
    }
};

// A bottom-up file of 4 x 2: the file's second row is the picture's top and must be the
// texture's first row.
TEST_F(TextureUpload, BmpTextureStartsWithThePicturesTopRow) {
    GLuint name = 0;
    ASSERT_TRUE(loadBmpTexture(writeTempFile("board.bmp", bmp24(4, 2)).c_str(), GL_CLAMP, name));
    EXPECT_NE(name, 0u);
    ASSERT_EQ(levelWidth(), 4);
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(rgbAt(rgb, x), pattern(x, 1)) << x;
        EXPECT_EQ(rgbAt(rgb, 4 + x), pattern(x, 0)) << x;
    }
}

TEST_F(TextureUpload, UnreadableBmpShowsTheBoardMessageAndLeavesTheNameAlone) {
    const std::string eightBit = writeTempFile(
        "eight.bmp", fileHeader(54 + 1024) + infoHeader(2, 2, 8) + colourTable(256, 4) + Bytes(8));
    for (const std::string& path : {eightBit, tempPath("absent.bmp")}) {
        GLuint name = 777;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadBmpTexture(path.c_str(), GL_CLAMP, name));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Board: Can't load image\n");
        EXPECT_EQ(name, 777u);
    }
}

TEST_F(TextureUpload, TitleTextureStartsWithThePicturesTopRow) {
    loadTitleTexture(writeTempFile("First.jpg", twoBandJpeg(64, 32)).c_str());
    ASSERT_EQ(levelWidth(), 64);
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    EXPECT_NEAR(rgb.front(), 200, 6); // the red band is the top
    EXPECT_NEAR(rgb.back(), 210, 6);  // the blue band the bottom
}

TEST_F(TextureUpload, GreyTitleIsWidenedToRgb) {
    std::vector<unsigned char> grey(32 * 16);
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<unsigned char>(i % 32 * 8);
    const Bytes file = encodeJpeg(32, 16, 1, JCS_GRAYSCALE, grey.data());
    loadTitleTexture(writeTempFile("grey.jpg", file).c_str());
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    ASSERT_EQ(rgb.size(), grey.size() * 3);
    for (std::size_t i = 0; i < grey.size(); ++i) {
        EXPECT_NEAR(rgb[3 * i], grey[i], 4) << i;
        EXPECT_EQ(rgb[3 * i + 1], rgb[3 * i]) << i;
        EXPECT_EQ(rgb[3 * i + 2], rgb[3 * i]) << i;
    }
}

TEST_F(TextureUpload, MissingTitleStillGivesAnEmptyTextureSilently) {
    testing::internal::CaptureStderr();
    const GLuint name = loadTitleTexture(tempPath("absent.jpg").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(name, 0u);
    EXPECT_EQ(levelWidth(), 0);
}

// Black, near-black and white: alpha 0 (not drawn); (10, 10, 10) gives -floor(30 / 3) = -10,
// low byte 246; white gives -255, low byte 1.
TEST_F(TextureUpload, ShadowAlphaComesFromTheBrightness) {
    Bytes rows{0, 0, 0, 10, 10, 10, 255, 255, 255, 0, 0, 0};
    loadShadowTexture(writeTempFile("Shadow.bmp", infoHeader(4, 1, 24) + rows).c_str());
    const std::vector<unsigned char> pairs = texels(GL_LUMINANCE_ALPHA, 2);
    ASSERT_EQ(pairs.size(), 8u);
    EXPECT_EQ(pairs[1], 0);
    EXPECT_EQ(pairs[3], 246);
    EXPECT_EQ(pairs[5], 1);
    EXPECT_EQ(pairs[7], 0);
}

// The file's first row, the picture's bottom, must be the texture's first row.
TEST_F(TextureUpload, SphereMapKeepsTheDibRowOrder) {
    loadSphereMapTexture(
        writeTempFile("Hero.bmp", infoHeader(2, 2, 24) + patternRows(2, 2, 3)).c_str());
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    ASSERT_EQ(rgb.size(), 12u);
    for (int x = 0; x < 2; ++x) {
        EXPECT_EQ(rgbAt(rgb, x), pattern(x, 0)) << x;
        EXPECT_EQ(rgbAt(rgb, 2 + x), pattern(x, 1)) << x;
    }
}

TEST_F(TextureUpload, UnreadableHeroPicturesGetPlainSubstitutes) {
    const std::string missing = tempPath("absent.bmp");
    testing::internal::CaptureStderr();
    const GLuint shadow = loadShadowTexture(missing.c_str());
    ASSERT_EQ(levelWidth(), 1);
    EXPECT_EQ(texels(GL_LUMINANCE_ALPHA, 2)[1], 0); // fully transparent
    const GLuint sphere = loadSphereMapTexture(missing.c_str());
    ASSERT_EQ(levelWidth(), 1);
    EXPECT_EQ(texels(GL_RGB, 3), (std::vector<unsigned char>{192, 192, 192}));
    const std::string message = "Error: Failed to open DIB file " + missing + ".\n\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), message + message);
    EXPECT_NE(shadow, 0u);
    EXPECT_NE(shadow, sphere);
}

} // namespace
