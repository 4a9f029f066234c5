#include "overlay_test_canvas.h"

#include "platform/font_face.h"
#include "platform/font_glyph.h"
#include "platform/gl_context.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testcanvas::Box;
using testcanvas::Pixels;

constexpr unsigned LIST_BASE = 1000;
constexpr int WIDTH = 160, HEIGHT = 80;
constexpr uint32_t BLACK = 0xFF000000, GREEN = 0xFF00FF00; // bytes R, G, B, A

class FontListsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
        built = platform::BuildFontLists(0, 255, LIST_BASE, 30);
    }

    void SetUp() override {
        ASSERT_TRUE(canvas.ok());
        ASSERT_TRUE(built);
        canvas.Clear(0, 0, 0);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, WIDTH, HEIGHT, 0, -1, 1); // pixels, y downward
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    // Draws the text in green at raster position (20, 50) as the game's HUD does; returns
    // how far the raster position moved.
    float Draw(const std::string& text) {
        glColor3f(0, 1, 0);
        glRasterPos2i(20, 50);
        glListBase(LIST_BASE);
        glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.data());
        GLfloat raster[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
        return raster[0] - 20;
    }

    Box Painted() const { return testcanvas::Difference(canvas.Read(), blank, WIDTH); }

    static inline bool built = false;
    testcanvas::Canvas canvas{WIDTH, HEIGHT};
    const Pixels blank = Pixels(size_t(WIDTH) * HEIGHT, BLACK);
};

TEST_F(FontListsTest, ListsCoverCodesZeroTo254AndNoMore) {
    EXPECT_TRUE(glIsList(LIST_BASE));
    EXPECT_TRUE(glIsList(LIST_BASE + 254));
    EXPECT_FALSE(glIsList(LIST_BASE + 255));
}

// The letter stands on the baseline (row 49 is the last row above y = 50) at the raster
// position, in the raster colour only. A 30-pixel cell is an em of about 27 pixels and a
// capital of Arial's 0.716 em, 19 pixels; an em of 30 would make it 21 or 22.
TEST_F(FontListsTest, LetterIsPaintedInTheRasterColourOnTheBaseline) {
    Draw("H");
    for (uint32_t pixel : canvas.Read())
        ASSERT_TRUE(pixel == BLACK || pixel == GREEN);
    const Box box = Painted();
    EXPECT_NEAR(box.left, 20, 2);
    EXPECT_LE(box.right, 20 + 24);
    EXPECT_EQ(box.bottom, 50);
    EXPECT_GE(box.bottom - box.top, 18);
    EXPECT_LE(box.bottom - box.top, 20);
}

TEST_F(FontListsTest, GlyphsAdvanceByTheirOwnWidths) {
    const float w = Draw("W"), i = Draw("i");
    EXPECT_GT(w, 1.5f * i);
    EXPECT_FLOAT_EQ(Draw("WiW"), 2 * w + i);
}

TEST_F(FontListsTest, Code255AndControlCodesDrawNothingAndDoNotAdvance) {
    for (const char code : {'\xff', '\x01', '\t', '\0'}) {
        EXPECT_FLOAT_EQ(Draw(std::string(1, code)), 0) << int(uint8_t(code));
        EXPECT_TRUE(Painted().empty()) << int(uint8_t(code));
    }
}

// Latin-1 0xE9 is 'e' with an acute accent: every pixel of the 'e', and marks above it.
TEST_F(FontListsTest, Latin1AccentedLetterIsTheLetterWithItsAccent) {
    Draw("e");
    const Box plain = Painted();
    const Pixels plainPixels = canvas.Read();
    canvas.Clear(0, 0, 0);
    Draw("\xe9");
    const Box accented = Painted();
    const Pixels accentedPixels = canvas.Read();
    EXPECT_LT(accented.top, plain.top - 2);
    EXPECT_EQ(accented.bottom, plain.bottom);
    for (size_t i = 0; i < plainPixels.size(); ++i) {
        if (plainPixels[i] == GREEN) {
            ASSERT_EQ(accentedPixels[i], GREEN) << "pixel " << i;
        }
    }
}

// The lists copy their rows under the unpack state of the moment: built under a caller's
// odd state they must still draw the same glyphs, and leave that state as it was.
TEST_F(FontListsTest, BuildingIgnoresAndRestoresTheCallersUnpackState) {
    Draw("Hg");
    const Pixels expected = canvas.Read();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
    const bool rebuilt = platform::BuildFontLists(0, 255, LIST_BASE, 30);
    GLint alignment = 0, rowLength = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(alignment, 4);
    EXPECT_EQ(rowLength, 7);
    canvas.Clear(0, 0, 0);
    Draw("Hg");
    EXPECT_TRUE(canvas.Read() == expected);
}

TEST(FontFamilyTest, OnlyArialAndItsMetricTwinsKeepTheGameLayout) {
    for (const char* family : {"Arial", "Liberation Sans", "Arimo"})
        EXPECT_TRUE(platform::IsArialMetricFamily(family)) << family;
    for (const char* family :
         {"DejaVu Sans", "Liberation Serif", "Liberation Sans Narrow", "Arial Black", "arial", ""})
        EXPECT_FALSE(platform::IsArialMetricFamily(family)) << family;
}

// FreeType rows run top-down padded to the pitch; glBitmap wants them bottom-up and
// packed to whole bytes.
TEST(GlyphRowsTest, RowsAreFlippedAndPaddingDropped) {
    const uint8_t topDown[] = {
        0xF0, 0x80, 0xEE, 0xEE, // row 0: 9 bits wide, two bytes, then pitch padding
        0x01, 0x00, 0xEE, 0xEE, // row 1
        0xAA, 0x80, 0xEE, 0xEE, // row 2
    };
    const std::vector<uint8_t> bits = platform::FlipMonoRows(topDown, 9, 3, 4);
    EXPECT_EQ(bits, (std::vector<uint8_t>{0xAA, 0x80, 0x01, 0x00, 0xF0, 0x80}));
}

} // namespace
