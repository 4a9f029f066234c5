#include "overlay_test_canvas.h"

#include "platform/dialog.h"
#include "platform/overlay.h"

#include <gtest/gtest.h>

#include <array>

namespace {

template <size_t N> std::array<GLfloat, N> Floats(GLenum name) {
    std::array<GLfloat, N> values{};
    glGetFloatv(name, values.data());
    return values;
}

GLint Int(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

// The overlays are drawn when the game's frame is finished, under the state the game
// draws with, and must hand all of it back. The game's viewport here covers only the
// lower-left part of the window: the dialog is still centred on the whole window.
TEST(OverlayStateTest, GameStateIsTheSameAfterwardsAndTheDialogCentredInTheWindow) {
    testcanvas::Canvas canvas(240, 180);
    ASSERT_TRUE(canvas.ok());
    canvas.Clear(0, 0, 0);
    glViewport(0, 0, 200, 150);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -0.75, 0.75, 0.5, 100);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, -3);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_FLAT);
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glListBase(1000);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    const auto projection = Floats<16>(GL_PROJECTION_MATRIX);
    const auto modelview = Floats<16>(GL_MODELVIEW_MATRIX);
    const testcanvas::Pixels before = canvas.Read();

    const platform::DialogTemplate name{
        "Enter Your Name",
        150,
        40,
        true,
        {{platform::DialogControl::Kind::Edit, 1001, "", 8, 8, 130, 22},
         {platform::DialogControl::Kind::Button, platform::IDOK, "OK", 8, 8, 40, 20}}};
    const platform::Dialog dialog(&name);
    const platform::MenuView menu{{"&Restore", "", "&About MunchoraR..."}, 2};
    platform::DrawOverlays({240, 180, {&dialog}, nullptr, true});
    const testcanvas::Box box = testcanvas::Difference(before, canvas.Read(), 240);
    platform::DrawOverlays({240, 180, {&dialog}, &menu, true});

    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_NEAR(box.left, 240 - box.right, 1);
    EXPECT_NEAR(box.top, 180 - box.bottom, 1);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(Int(GL_DEPTH_FUNC), GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(Int(GL_SHADE_MODEL), GL_FLAT);
    EXPECT_EQ(Int(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(Floats<16>(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(Floats<16>(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(Floats<4>(GL_CURRENT_COLOR), (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(Int(GL_LIST_BASE), 1000);
    EXPECT_EQ(Floats<4>(GL_VIEWPORT), (std::array<GLfloat, 4>{0, 0, 200, 150}));
    EXPECT_EQ(Int(GL_UNPACK_ALIGNMENT), 1);
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_EQ(Int(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

} // namespace
