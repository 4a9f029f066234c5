// The pictures the build paints into the run folder, read back by the game's own readers:
// each must load without a message, have the sides the uploads expect, and the shadow must
// come out as a blob under the game's brightness-to-alpha rule.
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

// Distinct colours among an 8 x 8 grid of samples.
int distinctColours(const Picture& picture) {
    std::set<int> colours;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const unsigned char* p =
                picture.pixel(x * picture.width / 8 + 3, y * picture.height / 8 + 3);
            colours.insert(p[0] << 16 | p[1] << 8 | p[2]);
        }
    return static_cast<int>(colours.size());
}

bool powerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

std::optional<Picture> loadQuietly(const char* name) {
    platform::CurrentRun().headless = true;
    testing::internal::CaptureStderr();
    std::optional<Picture> picture = loadDibImage(runFile(name).c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name;
    return picture;
}

// The alpha the Hero's shadow conversion gives a grey level: low byte of -floor(level).
int alphaOf(const Picture& picture, int x, int y) {
    const unsigned char* p = picture.pixel(x, y);
    return (256 - (p[0] + p[1] + p[2]) / 3) & 0xFF;
}

TEST(GeneratedPictures, BoardAndEnemyTexturesAreTwentyFourBitPowersOfTwo) {
    for (const char* name : {"wood.bmp", "board.bmp", "top.bmp", "LandScape.bmp", "Enemy1.bmp"}) {
        const std::optional<Picture> picture = loadBmp24Image(runFile(name).c_str());
        ASSERT_TRUE(picture) << name;
        EXPECT_TRUE(powerOfTwo(picture->width) && powerOfTwo(picture->height)) << name;
        EXPECT_GE(distinctColours(*picture), 16) << name; // a picture, not a flat fill
    }
}

TEST(GeneratedPictures, HeroSphereMapLoads) {
    const auto hero = loadQuietly("Hero.bmp");
    ASSERT_TRUE(hero);
    EXPECT_TRUE(powerOfTwo(hero->width) && powerOfTwo(hero->height));
}

// Transparent at the edges, mostly opaque in the middle, fading outwards without a step.
TEST(GeneratedPictures, ShadowIsASoftBlob) {
    const auto shadow = loadQuietly("Shadow.bmp");
    ASSERT_TRUE(shadow);
    const int size = shadow->width, middle = size / 2;
    EXPECT_EQ(alphaOf(*shadow, 0, 0), 0);
    EXPECT_EQ(alphaOf(*shadow, size - 1, middle), 0);
    EXPECT_GT(alphaOf(*shadow, middle, middle), 128);
    for (int x = middle; x + 1 < size; ++x) {
        const int inner = alphaOf(*shadow, x, middle), outer = alphaOf(*shadow, x + 1, middle);
        EXPECT_LE(outer, inner) << x;
        EXPECT_LE(inner - outer, 16) << x; // soft: no hard edge
    }
}

TEST(GeneratedPictures, TitleIsAColourJpeg) {
    const PictureReading title = loadJpegImage(runFile("First.jpg").c_str());
    ASSERT_TRUE(title.picture) << title.failure;
    EXPECT_EQ(title.picture->bytesPerPixel, 3);
    EXPECT_GE(title.picture->width, 1024);
    EXPECT_TRUE(powerOfTwo(title.picture->width) &&
                powerOfTwo(title.picture->height)); // no rescaling at start
}

} // namespace
