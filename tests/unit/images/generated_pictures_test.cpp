// The pictures the build paints into the run folder, read back by the game's own readers:
// each must load without a message, have power-of-two sides (no rescaling at start), be a
// picture rather than a flat fill, and the shadow must come out as a blob under the game's
// brightness-to-alpha rule.
#include "images/bmp24_reader.h"
#include "images/dib_reader.h"
#include "images/jpeg_reader.h"
#include "platform/run_state.h"
#include "support/run_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using testsupport::runFile;

// Power-of-two sides, and distinct colours among an 8 x 8 grid of samples.
void expectTexturePicture(const std::optional<Picture>& picture, const char* name) {
    ASSERT_TRUE(picture) << name;
    const auto powerOfTwo = [](int v) { return v > 0 && (v & (v - 1)) == 0; };
    EXPECT_TRUE(powerOfTwo(picture->width) && powerOfTwo(picture->height)) << name;
    std::set<int> colours;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const unsigned char* p =
                picture->pixel(x * picture->width / 8 + 3, y * picture->height / 8 + 3);
            colours.insert(p[0] << 16 | p[1] << 8 | p[2]);
        }
    EXPECT_GE(colours.size(), 16u) << name;
}

std::optional<Picture> loadQuietly(const char* name) {
    platform::CurrentRun().headless = true;
    testing::internal::CaptureStderr();
    std::optional<Picture> picture = loadDibImage(runFile(name).c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name;
    return picture;
}

TEST(GeneratedPictures, EveryTextureIsAPowerOfTwoPicture) {
    for (const char* name : {"wood.bmp", "board.bmp", "top.bmp", "LandScape.bmp", "Enemy1.bmp"})
        expectTexturePicture(loadBmp24Image(runFile(name).c_str()), name);
    expectTexturePicture(loadQuietly("Hero.bmp"), "Hero.bmp");
    const PictureReading title = loadJpegImage(runFile("First.jpg").c_str());
    expectTexturePicture(title.picture, "First.jpg");
    ASSERT_TRUE(title.picture) << title.failure;
    EXPECT_EQ(title.picture->bytesPerPixel, 3);
    EXPECT_GE(title.picture->width, 1024);
}

// Transparent at the edges, mostly opaque in the middle, fading outwards without a step.
// The alpha of a grey level is the low byte of -floor(level).
TEST(GeneratedPictures, ShadowIsASoftBlob) {
    const auto shadow = loadQuietly("Shadow.bmp");
    ASSERT_TRUE(shadow);
    const auto alphaAt = [&](int x, int y) {
        const unsigned char* p = shadow->pixel(x, y);
        return (256 - (p[0] + p[1] + p[2]) / 3) & 0xFF;
    };
    const int size = shadow->width, middle = size / 2;
    EXPECT_EQ(alphaAt(0, 0), 0);
    EXPECT_EQ(alphaAt(size - 1, middle), 0);
    EXPECT_GT(alphaAt(middle, middle), 128);
    for (int x = middle; x + 1 < size; ++x) {
        EXPECT_LE(alphaAt(x + 1, middle), alphaAt(x, middle)) << x;
        EXPECT_LE(alphaAt(x, middle) - alphaAt(x + 1, middle), 16) << x; // soft: no hard edge
    }
}

} // namespace
