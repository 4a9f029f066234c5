#include "overlay_test_canvas.h"

#include "platform/font_face.h"
#include "platform/font_glyph.h"
#include "platform/gl_context.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testcanvas::Box;
using testcanvas::Canvas;
using testcanvas::Rgba;

constexpr unsigned LIST_BASE = 1000;

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
        canvas.PixelProjection();
    }

    // Draws the text in green from the raster position (x, y), y counted from the top;
    // returns the window x of the raster position afterwards.
    float Draw(const std::string& text, int x = 20, int y = 50) {
        glColor3f(0, 1, 0);
        glRasterPos2i(x, y);
        glListBase(LIST_BASE);
        glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.data());
        GLfloat raster[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
        return raster[0];
    }

    Box Painted() {
        const std::vector<uint32_t> black(size_t(canvas.width()) * canvas.height(), Rgba(0, 0, 0));
        return testcanvas::Difference(canvas.Read(), black, canvas.width());
    }

    static inline bool built = false;
    Canvas canvas{160, 80};
};

TEST_F(FontListsTest, ListsCoverCodesZeroTo254AndNoMore) {
    EXPECT_TRUE(glIsList(LIST_BASE));
    EXPECT_TRUE(glIsList(LIST_BASE + 'A'));
    EXPECT_TRUE(glIsList(LIST_BASE + 254));
    EXPECT_FALSE(glIsList(LIST_BASE + 255));
}

TEST_F(FontListsTest, LetterIsPaintedInTheRasterColourAtTheRasterPosition) {
    Draw("A");
    const std::vector<uint32_t> pixels = canvas.Read();
    for (uint32_t pixel : pixels)
        ASSERT_TRUE(pixel == Rgba(0, 0, 0) || pixel == Rgba(0, 255, 0));
    const Box box = Painted();
    ASSERT_FALSE(box.empty());
    // Its left edge at the raster position, standing on the baseline (row 49 is the last
    // row above y = 50), no taller than the 30-pixel cell.
    EXPECT_NEAR(box.left, 20, 2);
    EXPECT_LE(box.right, 20 + 30);
    EXPECT_EQ(box.bottom, 50);
    EXPECT_GE(box.top, 50 - 30);
}

// A cell of 30 pixels is an em of about 27; a capital of Arial's is 0.716 em, 19 pixels.
// Sizing the em itself to 30 pixels would make it 21 or 22.
TEST_F(FontListsTest, CapitalHeightFitsAThirtyPixelCell) {
    Draw("H");
    const Box box = Painted();
    EXPECT_GE(box.bottom - box.top, 18);
    EXPECT_LE(box.bottom - box.top, 20);
}

TEST_F(FontListsTest, GlyphsAdvanceByTheirOwnWidths) {
    const float afterW = Draw("W");
    const float afterI = Draw("i");
    EXPECT_GT(afterW - 20, 1.5f * (afterI - 20));
    const float afterText = Draw("WiW");
    EXPECT_FLOAT_EQ(afterText - 20, 2 * (afterW - 20) + (afterI - 20));
}

TEST_F(FontListsTest, Code255AndControlCodesDrawNothingAndDoNotAdvance) {
    for (const std::string& text :
         std::initializer_list<std::string>{"\xff", "\x01", "\t", std::string(1, '\0')}) {
        EXPECT_FLOAT_EQ(Draw(text), 20) << int(uint8_t(text[0]));
        EXPECT_TRUE(Painted().empty()) << int(uint8_t(text[0]));
    }
}

// Latin-1 0xE9 is 'e' with an acute accent: the same letter, with marks above it.
TEST_F(FontListsTest, Latin1AccentedLetterIsTheLetterWithItsAccent) {
    Draw("e");
    const Box plain = Painted();
    const std::vector<uint32_t> plainPixels = canvas.Read();
    canvas.Clear(0, 0, 0);
    Draw("\xe9");
    const Box accented = Painted();
    const std::vector<uint32_t> accentedPixels = canvas.Read();
    ASSERT_FALSE(accented.empty());
    EXPECT_LT(accented.top, plain.top - 2);
    EXPECT_EQ(accented.bottom, plain.bottom);
    for (size_t i = 0; i < plainPixels.size(); ++i) {
        if (plainPixels[i] != Rgba(0, 0, 0)) {
            ASSERT_EQ(accentedPixels[i], plainPixels[i]) << "pixel " << i;
        }
    }
}

// The lists copy their rows under the unpack state of the moment: built under a caller's
// odd state they must still draw the same glyphs, and leave that state as it was.
TEST_F(FontListsTest, BuildingIgnoresAndRestoresTheCallersUnpackState) {
    Draw("Hg");
    const std::vector<uint32_t> expected = canvas.Read();
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

TEST(FontFamilyTest, BoldArialResolvesToAMetricCompatibleFile) {
    const platform::FontFile file = platform::MatchFont("Arial:bold");
    ASSERT_FALSE(file.path.empty());
    ASSERT_FALSE(file.families.empty());
    EXPECT_TRUE(platform::IsArialMetricFamily(file.families.front())) << file.families.front();
}

// FreeType rows run top-down with padding to the pitch; glBitmap wants them bottom-up and
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
