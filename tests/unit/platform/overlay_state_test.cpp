#include "overlay_test_canvas.h"

#include "platform/dialog.h"
#include "platform/overlay.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using platform::DialogControl;

template <size_t N> std::array<GLfloat, N> Floats(GLenum name) {
    std::array<GLfloat, N> values{};
    glGetFloatv(name, values.data());
    return values;
}

template <size_t N> std::array<GLint, N> Ints(GLenum name) {
    std::array<GLint, N> values{};
    glGetIntegerv(name, values.data());
    return values;
}

// The state the game's drawing is set up with, as it stands when a frame ends; the overlays
// are drawn at that moment and must hand all of it back.
void GameLikeState() {
    glViewport(0, 0, 200, 150);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -0.75, 0.75, 0.5, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, -3);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glDisable(GL_BLEND);
    glShadeModel(GL_FLAT);
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    glListBase(1000);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
}

TEST(OverlayStateTest, GameStateIsTheSameAfterTheOverlays) {
    testcanvas::Canvas canvas(240, 180);
    ASSERT_TRUE(canvas.ok());
    GameLikeState();
    const auto projection = Floats<16>(GL_PROJECTION_MATRIX);
    const auto modelview = Floats<16>(GL_MODELVIEW_MATRIX);
    const auto color = Floats<4>(GL_CURRENT_COLOR);

    const platform::DialogTemplate nameTemplate{
        "Enter Your Name",
        150,
        40,
        true,
        {{DialogControl::Kind::Edit, 1001, "", 8, 8, 130, 22},
         {DialogControl::Kind::Button, platform::IDOK, "OK", 8, 8, 40, 20}}};
    const platform::Dialog dialog(&nameTemplate);
    const platform::MenuView menu{{"&Restore", "", "&About MunchoraR..."}, 2};
    platform::DrawOverlays({240, 180, {&dialog}, &menu, true});

    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(Ints<1>(GL_DEPTH_FUNC)[0], GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(Ints<1>(GL_SHADE_MODEL)[0], GL_FLAT);
    EXPECT_EQ(Ints<1>(GL_MATRIX_MODE)[0], GL_MODELVIEW);
    EXPECT_EQ(Floats<16>(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(Floats<16>(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(Floats<4>(GL_CURRENT_COLOR), color);
    EXPECT_EQ(Ints<1>(GL_LIST_BASE)[0], 1000);
    EXPECT_EQ(Ints<4>(GL_VIEWPORT), (std::array<GLint, 4>{0, 0, 200, 150}));
    EXPECT_EQ(Ints<1>(GL_UNPACK_ALIGNMENT)[0], 1);
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    GLint envMode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
    EXPECT_EQ(envMode, GL_DECAL);
    EXPECT_EQ(Ints<1>(GL_PROJECTION_STACK_DEPTH)[0], 1);
    EXPECT_EQ(Ints<1>(GL_MODELVIEW_STACK_DEPTH)[0], 1);
    EXPECT_EQ(Ints<1>(GL_ATTRIB_STACK_DEPTH)[0], 0);
}

// Overlays are drawn in window pixels whatever the game's viewport and projection: the
// dialog is centred in the window even when the game's viewport covers only part of it.
TEST(OverlayStateTest, DialogIsPlacedByWindowPixelsNotByTheGamesViewport) {
    testcanvas::Canvas canvas(240, 180);
    ASSERT_TRUE(canvas.ok());
    canvas.Clear(0, 0, 0);
    GameLikeState(); // a 200 x 150 viewport at the lower-left corner
    const std::vector<uint32_t> before = canvas.Read();
    const platform::DialogTemplate box{"Box", 100, 60, true, {}};
    const platform::Dialog dialog(&box);
    platform::DrawOverlays({240, 180, {&dialog}, nullptr, true});
    const testcanvas::Box changed = testcanvas::Difference(before, canvas.Read(), 240);
    ASSERT_FALSE(changed.empty());
    EXPECT_NEAR(changed.left, 240 - changed.right, 1);
    EXPECT_NEAR(changed.top, 180 - changed.bottom, 1);
}

} // namespace
