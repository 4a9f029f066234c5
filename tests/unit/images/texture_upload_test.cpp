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

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class TextureUpload : public testing::Test {
protected:
    void SetUp() override {
        platform::CurrentRun().headless = true; // message boxes become lines on stderr
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
    }
    static GLint level(GLenum parameter) {
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
        return value;
    }
    // Level 0 of the bound texture, rows in the order GL keeps them (t = 0 first).
    static std::vector<unsigned char> texels(GLenum format, int components) {
        std::vector<unsigned char> out(std::size_t(level(GL_TEXTURE_WIDTH)) *
                                       level(GL_TEXTURE_HEIGHT) * components);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, out.data());
        return out;
    }
};

// A bottom-up file: the 24-bit BMP texture starts with the picture's top row (the file's
// last), the sphere map keeps the DIB's order (the file's first row first).
TEST_F(TextureUpload, RowsReachTheTextureInTheReadersOrder) {
    GLuint name = 0;
    ASSERT_TRUE(loadBmpTexture(writeTempFile("board.bmp", bmp24(4, 2)).c_str(), GL_CLAMP, name));
    EXPECT_NE(name, 0u);
    EXPECT_EQ(gridOf(texels(GL_RGB, 3)), patternGrid(4, 2, 2, true));
    loadSphereMapTexture(writeTempFile("Hero.bmp", bmp24(2, 2)).c_str());
    EXPECT_EQ(gridOf(texels(GL_RGB, 3)), patternGrid(2, 2, 2));
}

// A grey title, darker row by row: widened to RGB, top row first.
TEST_F(TextureUpload, TitleIsWidenedToRgbTopRowFirst) {
    std::vector<unsigned char> grey(32 * 16);
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<unsigned char>(255 - i / 32 * 16);
    const Bytes file = encodeJpeg(32, 16, 1, JCS_GRAYSCALE, grey.data());
    loadTitleTexture(writeTempFile("First.jpg", file).c_str());
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    ASSERT_EQ(rgb.size(), grey.size() * 3);
    for (std::size_t i = 0; i < grey.size(); ++i) // three equal bytes near the grey level
        EXPECT_TRUE(std::abs(rgb[3 * i] - grey[i]) <= 4 && rgb[3 * i + 1] == rgb[3 * i] &&
                    rgb[3 * i + 2] == rgb[3 * i])
            << i << ": " << int(grey[i]) << " gave " << int(rgb[3 * i]);
}

// Black, near-black and white: alpha 0 (not drawn); (10, 10, 10) gives -floor(30 / 3) = -10,
// low byte 246; white gives -255, low byte 1.
TEST_F(TextureUpload, ShadowAlphaComesFromTheBrightness) {
    Bytes rows{0, 0, 0, 10, 10, 10, 255, 255, 255, 0, 0, 0};
    loadShadowTexture(writeTempFile("Shadow.bmp", infoHeader(4, 1, 24) + rows).c_str());
    const std::vector<unsigned char> pairs = texels(GL_LUMINANCE_ALPHA, 2);
    ASSERT_EQ(pairs.size(), 8u);
    EXPECT_EQ((std::vector<int>{pairs[1], pairs[3], pairs[5], pairs[7]}),
              (std::vector<int>{0, 246, 1, 0}));
}

// The board's message, the name left alone; the title empty and silent; the Hero's pictures
// plain substitutes after the reader's message.
TEST_F(TextureUpload, UnreadableFilesGiveTheirMessagesAndFallbacks) {
    const std::string eightBit = writeTempFile(
        "eight.bmp", fileHeader(54 + 1024) + infoHeader(2, 2, 8) + colourTable(256, 4) + Bytes(8));
    const std::string missing = tempPath("absent.bmp");
    for (const std::string& path : {eightBit, missing}) {
        GLuint name = 777;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadBmpTexture(path.c_str(), GL_CLAMP, name));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Board: Can't load image\n");
        EXPECT_EQ(name, 777u);
    }
    testing::internal::CaptureStderr();
    EXPECT_NE(loadTitleTexture(tempPath("absent.jpg").c_str()), 0u);
    EXPECT_EQ(level(GL_TEXTURE_WIDTH), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStderr();
    const GLuint shadow = loadShadowTexture(missing.c_str());
    ASSERT_EQ(level(GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(texels(GL_LUMINANCE_ALPHA, 2)[1], 0); // fully transparent
    const GLuint sphere = loadSphereMapTexture(missing.c_str());
    ASSERT_EQ(level(GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(texels(GL_RGB, 3), (std::vector<unsigned char>{192, 192, 192}));
    const std::string message = "Error: Failed to open DIB file " + missing + ".\n\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), message + message);
    EXPECT_NE(shadow, 0u);
    EXPECT_NE(shadow, sphere);
}

} // namespace
