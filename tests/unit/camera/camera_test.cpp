// The follow camera against its own geometry and against GLU's projection of the matrices it
// loads: where the eye stands, how it converges, and which pixels points land on.
#include "app/game_state.h"
#include "support/glu_pixel.h"
#include "support/headless_gl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <unistd.h>

namespace {

// GameState saves the best scores when it ends: keep that out of the build tree.
class TemporaryFolder : public ::testing::Environment {
public:
    void SetUp() override {
        char pattern[] = "/tmp/munchora-camera-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        ASSERT_EQ(chdir(pattern), 0);
    }
};
const auto* const folder = ::testing::AddGlobalTestEnvironment(new TemporaryFolder);

class Camera : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
        followDir = Vec3{0, 0, 0};
        game.hero.position = Vec3{-5.5f, -5.5f, 0.5f};
        game.setViewport(320, 240);
    }

    void settle(int frames) {
        for (int i = 0; i < frames; ++i)
            game.updateCamera();
    }

    // The pixel GLU finds for p under the matrices the camera loaded, y counted downward.
    void gluPixel(const Vec3& p, double& x, double& y) {
        testsupport::gluPixel(game.viewportWidth, game.viewportHeight, p.x, p.y, p.z, x, y);
    }

    // The point on the picture plane through the target whose projection is v pixels right
    // of (or below) the window centre before truncation.
    Vec3 pointAtPixelOffset(double right, double down) {
        Vec3 forward, r, d;
        vecSub(forward, game.target, game.eye);
        double halfHeight = vecLength(forward) * std::tan(M_PI / 8);
        vecNormalize(forward);
        vecCross(r, Vec3{0, 0, -1}, forward);
        vecNormalize(r);
        vecCross(d, forward, r);
        double a = right * 2 * halfHeight * game.aspect / game.viewportWidth;
        double b = down * 2 * halfHeight / game.viewportHeight;
        return Vec3{float(game.target.x + r.x * a + d.x * b),
                    float(game.target.y + r.y * a + d.y * b),
                    float(game.target.z + r.z * a + d.z * b)};
    }

    GameState game;
};

TEST_F(Camera, FirstFrameStandsAShortWayBehindAndThreeAboveTheTarget) {
    game.updateCamera();
    EXPECT_FLOAT_EQ(game.target.x, -5.5f);
    EXPECT_FLOAT_EQ(game.target.y, -5.5f);
    EXPECT_FLOAT_EQ(game.target.z, 0.75f);
    EXPECT_NEAR(game.eye.x, -5.9f, 1e-6);
    EXPECT_FLOAT_EQ(game.eye.y, -5.5f);
    EXPECT_FLOAT_EQ(game.eye.z, 3.75f);
}

TEST_F(Camera, SettlesFourBehindAndThreeAboveAlongTheHeading) {
    settle(300);
    EXPECT_NEAR(game.eye.x - game.target.x, -4.0, 1e-4);
    EXPECT_NEAR(game.eye.y - game.target.y, 0.0, 1e-6);
    EXPECT_NEAR(game.eye.z - game.target.z, 3.0, 1e-6);

    // Turned to face +y, the view swings round after the Hero.
    matIdentity(game.hero.orientation);
    matRotateXYZ(game.hero.orientation, 0, 0, M_PI / 2);
    game.updateCamera();
    EXPECT_GT(game.eye.x - game.target.x, -4.0);
    EXPECT_LT(game.eye.y - game.target.y, 0.0);
    settle(300);
    EXPECT_NEAR(game.eye.x - game.target.x, 0.0, 1e-4);
    EXPECT_NEAR(game.eye.y - game.target.y, -4.0, 1e-4);
}

TEST_F(Camera, IgnoresTheHerosHeight) {
    settle(5);
    Vec3 eye = game.eye;
    game.hero.position.z = 1.9f; // top of a jump
    followDir = Vec3{0, 0, 0};
    settle(5);
    EXPECT_FLOAT_EQ(game.target.z, 0.75f);
    EXPECT_FLOAT_EQ(game.eye.z, eye.z);
}

TEST_F(Camera, TargetProjectsToTheWindowCentre) {
    for (auto [w, h] : {std::pair{320, 240}, {161, 121}, {64, 64}}) {
        game.setViewport(w, h);
        settle(3);
        int x = -1, y = -1;
        ASSERT_TRUE(game.projectToScreen(game.target, x, y));
        EXPECT_EQ(x, w / 2);
        EXPECT_EQ(y, h / 2);
    }
}

TEST_F(Camera, ProjectionAgreesWithTheMatricesItLoads) {
    settle(40);
    const Vec3 points[] = {{-4.5f, -5.5f, 0.5f},
                           {-5.0f, -4.0f, 0.0f},
                           {-3.0f, -7.0f, 1.0f},
                           {-2.0f, -5.0f, 0.2f},
                           {-5.5f, -3.5f, 1.0f}};
    for (const Vec3& p : points) {
        int x = 0, y = 0;
        double gx = 0, gy = 0;
        ASSERT_TRUE(game.projectToScreen(p, x, y));
        gluPixel(p, gx, gy);
        EXPECT_NEAR(x, gx, 1.0) << p.x << ", " << p.y << ", " << p.z;
        EXPECT_NEAR(y, gy, 1.0) << p.x << ", " << p.y << ", " << p.z;
    }
}

TEST_F(Camera, OnScreenReachesExactlyThreeHundredPixelsBeyondEachEdge) {
    settle(40);
    const int w = game.viewportWidth, h = game.viewportHeight;
    // Offsets from the centre half way between whole pixels, so truncation is unambiguous.
    struct Case {
        double right, down;
        int x, y;
        bool onScreen;
    };
    const Case cases[] = {
        {-(w / 2 + 300.5), 0, -300, h / 2, true},     {-(w / 2 + 301.5), 0, -301, h / 2, false},
        {w - w / 2 + 300.5, 0, w + 300, h / 2, true}, {w - w / 2 + 301.5, 0, w + 301, h / 2, false},
        {0, -(h / 2 + 300.5), w / 2, -300, true},     {0, -(h / 2 + 301.5), w / 2, -301, false},
        {0, h - h / 2 + 300.5, w / 2, h + 300, true}, {0, h - h / 2 + 301.5, w / 2, h + 301, false},
    };
    for (const Case& c : cases) {
        Vec3 p = pointAtPixelOffset(c.right, c.down);
        int x = 0, y = 0;
        ASSERT_TRUE(game.projectToScreen(p, x, y));
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(game.isOnScreen(p), c.onScreen) << c.x << ", " << c.y;
    }
}

TEST_F(Camera, PointsBehindTheEyeAreNeverOnScreen) {
    settle(40);
    Vec3 back, behind;
    vecSub(back, game.eye, game.target);
    vecAdd(behind, game.eye, back); // straight behind: it would project to the centre
    int x = 0, y = 0;
    EXPECT_FALSE(game.projectToScreen(behind, x, y));
    EXPECT_FALSE(game.isOnScreen(behind));
    EXPECT_FALSE(game.isOnScreen(game.eye));
    EXPECT_TRUE(game.isOnScreen(game.target));
}

} // namespace
