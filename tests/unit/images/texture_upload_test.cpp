// The uploads read back from a real GL context: wrap modes and filters per texture, the
// picture's size and texels (row order, grey widened to RGB, shadow alpha), the substitutes
// for unreadable Hero pictures, and the messages for unreadable files.
#include "bmp_bytes.h"
#include "jpeg_bytes.h"

#include "images/texture_upload.h"
#include "platform/run_state.h"
#include "support/headless_gl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TextureUpload : public testing::Test {
protected:
    void SetUp() override {
        platform::CurrentRun().headless = true; // message boxes become lines on stderr
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
    }

    static GLint parameter(GLenum which) {
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
        return value;
    }
    static GLint levelWidth(int level = 0) {
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &value);
        return value;
    }
    static GLuint bound() {
        GLint value = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
        return static_cast<GLuint>(value);
    }
    static std::vector<unsigned char> texels(GLenum format, int components) {
        GLint height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<unsigned char> out(static_cast<std::size_t>(levelWidth()) * height *
                                       components);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, out.data());
        return out;
    }
    void expectMipmapped(GLuint name, GLint wrap) {
        EXPECT_NE(name, 0u);
        EXPECT_EQ(bound(), name);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), wrap);
        EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), wrap);
        EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
        EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        GLint alignment = 0;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        EXPECT_EQ(alignment, 1);
    }
    void expectLinearHeroTexture(GLuint name) {
        EXPECT_EQ(bound(), name);
        EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT); // the default, left alone
        EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    }
};

TEST_F(TextureUpload, BmpTextureTakesTheGivenWrapAndTheTopRowFirst) {
    for (const GLint wrap : {GL_CLAMP, GL_REPEAT}) {
        GLuint name = 0;
        ASSERT_TRUE(loadBmpTexture(writeTempFile("board.bmp", bmp24(4, 2)).c_str(), wrap, name));
        expectMipmapped(name, wrap);
        EXPECT_EQ(levelWidth(), 4);
        EXPECT_EQ(levelWidth(2), 1); // the chain goes down to 1 x 1
        const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
        unsigned char r, g, b;
        patternColour(0, 1, r, g, b); // the file's second row is the picture's top
        EXPECT_EQ(rgb[0], r);
        EXPECT_EQ(rgb[1], g);
        EXPECT_EQ(rgb[2], b);
    }
}

TEST_F(TextureUpload, UnreadableBmpShowsTheBoardMessageAndMakesNoTexture) {
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

TEST_F(TextureUpload, TitleTextureIsClampedAndMipmapped) {
    const GLuint name = loadTitleTexture(writeTempFile("First.jpg", twoBandJpeg(64, 32)).c_str());
    expectMipmapped(name, GL_CLAMP);
    EXPECT_EQ(levelWidth(), 64);
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    EXPECT_NEAR(rgb[0], 200, 6); // top row first: the red band
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

TEST_F(TextureUpload, MissingTitleStillGivesATextureName) {
    testing::internal::CaptureStderr();
    const GLuint name = loadTitleTexture(tempPath("absent.jpg").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // the title fails silently
    expectMipmapped(name, GL_CLAMP);
    EXPECT_EQ(levelWidth(), 0);
}

// Black, near-black and white: alpha 0 (not drawn); (10, 10, 10) gives -floor(30 / 3) = -10,
// low byte 246; white gives -255, low byte 1.
TEST_F(TextureUpload, ShadowAlphaComesFromTheBrightness) {
    Bytes rows{0, 0, 0, 10, 10, 10, 255, 255, 255, 0, 0, 0};
    const GLuint name =
        loadShadowTexture(writeTempFile("Shadow.bmp", infoHeader(4, 1, 24) + rows).c_str());
    expectLinearHeroTexture(name);
    const std::vector<unsigned char> pairs = texels(GL_LUMINANCE_ALPHA, 2);
    ASSERT_EQ(pairs.size(), 8u);
    EXPECT_EQ(pairs[1], 0);
    EXPECT_EQ(pairs[3], 246);
    EXPECT_EQ(pairs[5], 1);
}

TEST_F(TextureUpload, SphereMapKeepsTheDibRowOrder) {
    const GLuint name = loadSphereMapTexture(
        writeTempFile("Hero.bmp", infoHeader(2, 2, 24) + patternRows(2, 2, 3)).c_str());
    expectLinearHeroTexture(name);
    const std::vector<unsigned char> rgb = texels(GL_RGB, 3);
    unsigned char r, g, b;
    patternColour(0, 0, r, g, b); // the file's first row, the picture's bottom
    EXPECT_EQ(rgb[0], r);
    EXPECT_EQ(rgb[2], b);
}

TEST_F(TextureUpload, UnreadableHeroPicturesGetPlainSubstitutes) {
    const std::string missing = tempPath("absent.bmp");
    testing::internal::CaptureStderr();
    const GLuint shadow = loadShadowTexture(missing.c_str());
    expectLinearHeroTexture(shadow);
    ASSERT_EQ(levelWidth(), 1);
    EXPECT_EQ(texels(GL_LUMINANCE_ALPHA, 2)[1], 0); // fully transparent
    const GLuint sphere = loadSphereMapTexture(missing.c_str());
    expectLinearHeroTexture(sphere);
    ASSERT_EQ(levelWidth(), 1);
    EXPECT_EQ(texels(GL_RGB, 3), (std::vector<unsigned char>{192, 192, 192}));
    const std::string message = "Error: Failed to open DIB file " + missing + ".\n\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), message + message);
    EXPECT_NE(shadow, sphere);
}

} // namespace
