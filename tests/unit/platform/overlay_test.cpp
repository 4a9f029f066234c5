// Drawing over the game's frame: the bitmap font's display lists, the overlays and the GL
// state they hand back. The screens a player sees (the name dialog, the window menu, the
// About box) are compared pixel for pixel by the reference runs; these tests hold what
// those runs never show. Every test draws into a WIDTH x HEIGHT framebuffer object of the
// headless context, whatever size the shared context has, cleared to black; pixels are
// R G B A bytes in memory, and boxes are in pixels with y downward.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/dialog.h"
#include "platform/font_face.h"
#include "platform/gl_context.h"
#include "platform/overlay.h"
#include "platform/overlay_dialog.h"
#include "platform/overlay_menu.h"
#include "support/headless_gl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::DialogControl;
using platform::Rect;
using Pixels = std::vector<uint32_t>;

constexpr int WIDTH = 320, HEIGHT = 200;
constexpr uint32_t BLACK = 0xFF000000, GREEN = 0xFF00FF00;

// The smallest box holding every pixel where a and b differ (right, bottom one past the
// last); empty when they are the same.
struct Box {
    int left = WIDTH, top = HEIGHT, right = 0, bottom = 0;
    bool empty() const { return right <= left; }
    bool inside(const Rect& r) const {
        return !empty() && left >= r.left && right <= r.right && top >= r.top && bottom <= r.bottom;
    }
};

Box Changed(const Pixels& a, const Pixels& b) {
    Box box;
    for (size_t i = 0; i < a.size(); ++i) {
        const int x = int(i % WIDTH), y = HEIGHT - 1 - int(i / WIDTH); // read bottom row first
        if (a[i] != b[i])
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
    }
    return box;
}

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
        glGenFramebuffers(1, &framebuffer_);
        glGenRenderbuffers(2, renderbuffers_);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        for (const auto& [i, format, point] : {std::tuple{0, GL_RGBA8, GL_COLOR_ATTACHMENT0},
                                               {1, GL_DEPTH_COMPONENT24, GL_DEPTH_ATTACHMENT}}) {
            glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[i]);
            glRenderbufferStorage(GL_RENDERBUFFER, format, WIDTH, HEIGHT);
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, point, GL_RENDERBUFFER, renderbuffers_[i]);
        }
        ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
        glViewport(0, 0, WIDTH, HEIGHT);
        Clear();
    }
    void TearDown() override {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer_);
        glDeleteRenderbuffers(2, renderbuffers_);
    }

    static void Clear() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    static Pixels Read() {
        Pixels pixels(size_t(WIDTH) * HEIGHT);
        glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    // The box of what was drawn since the last Clear.
    static Box Painted() { return Changed(Read(), Pixels(size_t(WIDTH) * HEIGHT, BLACK)); }

private:
    GLuint framebuffer_ = 0, renderbuffers_[2] = {0, 0};
};

// The font's lists for codes 0 to 254 at LIST_BASE, for a 30-pixel cell.
class FontLists : public DrawTest {
protected:
    static constexpr unsigned LIST_BASE = 1000;

    void SetUp() override {
        DrawTest::SetUp();
        ASSERT_TRUE(platform::BuildFontLists(0, 255, LIST_BASE, 30));
    }

    // Draws the text in green from x = 20 on the baseline y = 50; returns how far the
    // raster position moved.
    static float Draw(const std::string& text) {
        glColor3f(0, 1, 0);
        glWindowPos2i(20, HEIGHT - 50);
        glListBase(LIST_BASE);
        glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.data());
        GLfloat raster[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
        return raster[0] - 20;
    }
};

TEST_F(FontLists, Code255AndControlCodesDrawNothingAndCode255HasNoList) {
    for (const char code : {'\xff', '\x01', '\t', '\0'}) {
        EXPECT_FLOAT_EQ(Draw(std::string(1, code)), 0) << int(uint8_t(code));
        EXPECT_TRUE(Painted().empty()) << int(uint8_t(code));
    }
    EXPECT_TRUE(glIsList(LIST_BASE) && glIsList(LIST_BASE + 254));
    EXPECT_FALSE(glIsList(LIST_BASE + 255)) << "the lists of a neighbour stay its own";
}

// Letters stand on the baseline (row 49 is the last row above y = 50) at the raster
// position, in the raster colour only. Latin-1 0xE9 is 'e' with an acute accent: every
// pixel of the 'e', and marks above it.
TEST_F(FontLists, ALatin1AccentedLetterIsTheLetterWithItsAccentOnTheBaseline) {
    Draw("e");
    const Box plain = Painted();
    const Pixels plainPixels = Read();
    Clear();
    Draw("\xe9");
    const Box accented = Painted();
    const Pixels accentedPixels = Read();
    EXPECT_NEAR(plain.left, 20, 2);
    EXPECT_EQ(plain.bottom, 50);
    EXPECT_EQ(accented.bottom, 50);
    EXPECT_LT(accented.top, plain.top - 2);
    for (size_t i = 0; i < plainPixels.size(); ++i) {
        ASSERT_TRUE(accentedPixels[i] == BLACK || accentedPixels[i] == GREEN) << "pixel " << i;
        ASSERT_TRUE(plainPixels[i] != GREEN || accentedPixels[i] == GREEN) << "pixel " << i;
    }
}

// The lists copy their rows under the unpack state of the moment: built under a caller's
// odd state they must still draw the same glyphs, and leave that state as it was.
TEST_F(FontLists, BuildingIgnoresAndRestoresTheCallersUnpackState) {
    Draw("Hg");
    const Pixels expected = Read();
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
    Clear();
    Draw("Hg");
    EXPECT_TRUE(Read() == expected);
}

TEST(FontFamily, OnlyArialAndItsMetricTwinsKeepTheGameLayout) {
    for (const char* family : {"Arial", "Liberation Sans", "Arimo"})
        EXPECT_TRUE(platform::IsArialMetricFamily(family)) << family;
    for (const char* family :
         {"DejaVu Sans", "Liberation Serif", "Liberation Sans Narrow", "Arial Black", "arial", ""})
        EXPECT_FALSE(platform::IsArialMetricFamily(family)) << family;
}

using Overlay = DrawTest;

// A name too long for its field scrolls: its end and the caret stay inside the field.
TEST_F(Overlay, ALongNameScrollsAndItsEndAndTheCaretStayInTheField) {
    const platform::DialogTemplate name{
        "Enter Your Name", 200, 40, true, {{DialogControl::Kind::Edit, 1001, "", 10, 8, 180, 24}}};
    platform::Dialog dialog(&name);
    const auto draw = [&](bool caret) {
        Clear();
        platform::DrawOverlays({WIDTH, HEIGHT, {&dialog}, nullptr, caret});
        return Read();
    };
    const Rect body = platform::LayoutDialog(name, WIDTH, HEIGHT).body;
    const Rect field{body.left + 10, body.top + 8, body.left + 190, body.top + 32};
    const Pixels empty = draw(false);
    dialog.SetDlgItemText(1001, std::string(60, 'W') + "\xe9");
    const Pixels shown = draw(false);
    const Box caret = Changed(shown, draw(true));
    EXPECT_TRUE(Changed(empty, shown)
                    .inside({field.left + 2, field.top + 2, field.right - 2, field.bottom - 2}));
    EXPECT_TRUE(caret.inside(field));
    EXPECT_GT(caret.left, field.right - 20);
}

template <size_t N> std::array<GLfloat, N> Floats(GLenum name) {
    std::array<GLfloat, N> values{};
    glGetFloatv(name, values.data());
    return values;
}

// The overlays are drawn when the game's frame is finished, under the state the game
// draws with, and must hand all of it back. The game's viewport here covers only the
// lower-left part of the window: the dialog is still centred on the whole window.
TEST_F(Overlay, GameStateIsTheSameAfterwardsAndTheDialogCentredInTheWindow) {
    glViewport(0, 0, 200, 150);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -0.75, 0.75, 0.5, 100);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, -3);
    for (const GLenum capability : {GL_DEPTH_TEST, GL_TEXTURE_2D})
        glEnable(capability);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_FLAT);
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glListBase(1000);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2); // the overlay font uses 1
    glEnableClientState(GL_VERTEX_ARRAY);
    const auto projection = Floats<16>(GL_PROJECTION_MATRIX);
    const auto modelview = Floats<16>(GL_MODELVIEW_MATRIX);

    const std::vector<DialogControl> controls{
        {DialogControl::Kind::Edit, 1001, "", 8, 8, 130, 22},
        {DialogControl::Kind::Button, platform::IDOK, "OK", 8, 8, 40, 20}};
    const platform::DialogTemplate name{"Name", 150, 40, true, controls};
    const platform::Dialog dialog(&name);
    const platform::MenuView menu{{"&Restore", "", "&About MunchoraR..."}, 2};
    platform::DrawOverlays({WIDTH, HEIGHT, {&dialog}, nullptr, true});
    const Box box = Painted();
    platform::DrawOverlays({WIDTH, HEIGHT, {&dialog}, &menu, true});

    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_NEAR(box.left, WIDTH - box.right, 1);
    EXPECT_NEAR(box.top, HEIGHT - box.bottom, 1);
    for (const GLenum capability : {GL_DEPTH_TEST, GL_TEXTURE_2D, GL_VERTEX_ARRAY})
        EXPECT_TRUE(glIsEnabled(capability)) << capability;
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    const std::pair<GLenum, GLint> values[] = {
        {GL_DEPTH_FUNC, GL_LEQUAL},       {GL_SHADE_MODEL, GL_FLAT},
        {GL_MATRIX_MODE, GL_MODELVIEW},   {GL_LIST_BASE, 1000},
        {GL_UNPACK_ALIGNMENT, 2},         {GL_PROJECTION_STACK_DEPTH, 1},
        {GL_MODELVIEW_STACK_DEPTH, 1},    {GL_ATTRIB_STACK_DEPTH, 0},
        {GL_CLIENT_ATTRIB_STACK_DEPTH, 0}};
    for (const auto& [name, value] : values) {
        GLint now = 0;
        glGetIntegerv(name, &now);
        EXPECT_EQ(now, value) << name;
    }
    EXPECT_EQ(Floats<16>(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(Floats<16>(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(Floats<4>(GL_CURRENT_COLOR), (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(Floats<4>(GL_VIEWPORT), (std::array<GLfloat, 4>{0, 0, 200, 150}));
}

} // namespace
