// The follow camera against its own geometry and against GLU's projection of the matrices it
// loads: where the eye stands, how it converges, which pixels points land on, and which
// scene points the pixels of text and the title picture stand for.
#include "camera/camera.h"
#include "camera/camera_draw.h"
#include "support/glu_pixel.h"
#include "support/headless_gl.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class FollowCamera : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testsupport::makeHeadlessGlContext());
        camera.viewport.resize(320, 240);
    }

    void settle(int frames) {
        for (int i = 0; i < frames; ++i)
            camera.follow(heroAt, headingOf(orientation));
        loadCamera(camera);
    }

    // The pixel GLU finds for p under the matrices the camera loaded, y counted downward.
    void gluPixel(const Vec3& p, double& x, double& y) {
        testsupport::gluPixel(camera.viewport.width, camera.viewport.height, p.x, p.y, p.z, x, y);
    }

    // The point on the picture plane through the target whose projection is v pixels right
    // of (or below) the window centre before truncation.
    Vec3 pointAtPixelOffset(double right, double down) {
        Vec3 forward, r, d;
        vecSub(forward, camera.target, camera.eye);
        double halfHeight = vecLength(forward) * std::tan(M_PI / 8);
        vecNormalize(forward);
        vecCross(r, Vec3{0, 0, -1}, forward);
        vecNormalize(r);
        vecCross(d, forward, r);
        double a = right * 2 * halfHeight * camera.viewport.aspect / camera.viewport.width;
        double b = down * 2 * halfHeight / camera.viewport.height;
        return Vec3{float(camera.target.x + r.x * a + d.x * b),
                    float(camera.target.y + r.y * a + d.y * b),
                    float(camera.target.z + r.z * a + d.z * b)};
    }

    Camera camera;
    Vec3 heroAt{-5.5f, -5.5f, 0.5f};
    Matrix4 orientation = [] {
        Matrix4 m;
        matIdentity(m);
        return m;
    }();
};

TEST_F(FollowCamera, FirstFrameStandsAShortWayBehindAndThreeAboveTheTarget) {
    settle(1);
    EXPECT_FLOAT_EQ(camera.target.x, -5.5f);
    EXPECT_FLOAT_EQ(camera.target.y, -5.5f);
    EXPECT_FLOAT_EQ(camera.target.z, 0.75f);
    EXPECT_NEAR(camera.eye.x, -5.9f, 1e-6);
    EXPECT_FLOAT_EQ(camera.eye.y, -5.5f);
    EXPECT_FLOAT_EQ(camera.eye.z, 3.75f);
}

TEST_F(FollowCamera, SettlesFourBehindAndThreeAboveAlongTheHeading) {
    settle(300);
    EXPECT_NEAR(camera.eye.x - camera.target.x, -4.0, 1e-4);
    EXPECT_NEAR(camera.eye.y - camera.target.y, 0.0, 1e-6);
    EXPECT_NEAR(camera.eye.z - camera.target.z, 3.0, 1e-6);

    // Turned to face +y, the view swings round after the Hero.
    orientation = turnedAboutZ(orientation, M_PI / 2);
    settle(1);
    EXPECT_GT(camera.eye.x - camera.target.x, -4.0);
    EXPECT_LT(camera.eye.y - camera.target.y, 0.0);
    settle(300);
    EXPECT_NEAR(camera.eye.x - camera.target.x, 0.0, 1e-4);
    EXPECT_NEAR(camera.eye.y - camera.target.y, -4.0, 1e-4);
}

TEST_F(FollowCamera, IgnoresTheHerosHeight) {
    settle(5);
    Vec3 eye = camera.eye;
    heroAt.z = 1.9f; // top of a jump
    camera.followDir = Vec3{0, 0, 0};
    settle(5);
    EXPECT_FLOAT_EQ(camera.target.z, 0.75f);
    EXPECT_FLOAT_EQ(camera.eye.z, eye.z);
}

TEST_F(FollowCamera, TargetProjectsToTheWindowCentre) {
    for (auto [w, h] : {std::pair{320, 240}, {161, 121}, {64, 64}}) {
        camera.viewport.resize(w, h);
        settle(3);
        int x = -1, y = -1;
        ASSERT_TRUE(camera.projectToScreen(camera.target, x, y));
        EXPECT_EQ(x, w / 2);
        EXPECT_EQ(y, h / 2);
    }
}

TEST_F(FollowCamera, ProjectionAgreesWithTheMatricesItLoads) {
    settle(40);
    const Vec3 points[] = {{-4.5f, -5.5f, 0.5f},
                           {-5.0f, -4.0f, 0.0f},
                           {-3.0f, -7.0f, 1.0f},
                           {-2.0f, -5.0f, 0.2f},
                           {-5.5f, -3.5f, 1.0f}};
    for (const Vec3& p : points) {
        int x = 0, y = 0;
        double gx = 0, gy = 0;
        ASSERT_TRUE(camera.projectToScreen(p, x, y));
        gluPixel(p, gx, gy);
        EXPECT_NEAR(x, gx, 1.0) << p.x << ", " << p.y << ", " << p.z;
        EXPECT_NEAR(y, gy, 1.0) << p.x << ", " << p.y << ", " << p.z;
    }
}

TEST_F(FollowCamera, OnScreenReachesExactlyThreeHundredPixelsBeyondEachEdge) {
    settle(40);
    const int w = camera.viewport.width, h = camera.viewport.height;
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
        ASSERT_TRUE(camera.projectToScreen(p, x, y));
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(camera.isOnScreen(p), c.onScreen) << c.x << ", " << c.y;
    }
}

TEST_F(FollowCamera, PointsBehindTheEyeAreNeverOnScreen) {
    settle(40);
    Vec3 back, behind;
    vecSub(back, camera.eye, camera.target);
    vecAdd(behind, camera.eye, back); // straight behind: it would project to the centre
    int x = 0, y = 0;
    EXPECT_FALSE(camera.projectToScreen(behind, x, y));
    EXPECT_FALSE(camera.isOnScreen(behind));
    EXPECT_FALSE(camera.isOnScreen(camera.eye));
    EXPECT_TRUE(camera.isOnScreen(camera.target));
}

TEST_F(FollowCamera, PixelsOfTheWindowLandOnTheirPixelsAgain) {
    for (auto [w, h] : {std::pair{320, 240}, {160, 120}, {200, 300}}) {
        camera.viewport.resize(w, h);
        settle(20);
        const int pixels[][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}, {w / 2, h / 2}, {w - 150, 100}};
        for (const auto& pixel : pixels) {
            Vec3 p = camera.pixelToWorld(pixel[0], pixel[1]);
            double x = 0, y = 0;
            gluPixel(p, x, y);
            EXPECT_NEAR(x, pixel[0], 0.01) << w << "x" << h << " at " << pixel[0];
            EXPECT_NEAR(y, pixel[1], 0.01) << w << "x" << h << " at " << pixel[1];
        }
        Vec3 centre = camera.pixelToWorld(w / 2, h / 2);
        EXPECT_FLOAT_EQ(centre.x, camera.target.x);
        EXPECT_FLOAT_EQ(centre.y, camera.target.y);
        EXPECT_FLOAT_EQ(centre.z, camera.target.z);
    }
}

TEST_F(FollowCamera, AMinimisedWindowKeepsItsAspectAndPlacesEverythingAtTheTarget) {
    camera.viewport.resize(320, 0);
    EXPECT_FLOAT_EQ(camera.viewport.aspect, 320.0f / 240.0f);
    settle(1);
    Vec3 p = camera.pixelToWorld(0, 0);
    EXPECT_FLOAT_EQ(p.x, camera.target.x);
    EXPECT_FLOAT_EQ(p.z, camera.target.z);
}

} // namespace

// Whether any point of the sphere falls inside the view volume of the loaded matrices:
// points on three great circles and the centre, in clip coordinates.
bool glSeesSomeOf(const Vec3& centre, double radius) {
    double model[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    auto inside = [&](double x, double y, double z) {
        double eye[4], clip[4];
        for (int i = 0; i < 4; ++i)
            eye[i] = model[i] * x + model[4 + i] * y + model[8 + i] * z + model[12 + i];
        for (int i = 0; i < 4; ++i)
            clip[i] = projection[i] * eye[0] + projection[4 + i] * eye[1] +
                      projection[8 + i] * eye[2] + projection[12 + i] * eye[3];
        const double w = clip[3];
        return w > 0 && std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w &&
               std::fabs(clip[2]) <= w;
    };
    if (inside(centre.x, centre.y, centre.z))
        return true;
    for (int step = 0; step < 360; step += 3) {
        const double a = step * M_PI / 180, c = radius * std::cos(a), s = radius * std::sin(a);
        if (inside(centre.x + c, centre.y + s, centre.z) ||
            inside(centre.x + c, centre.y, centre.z + s) ||
            inside(centre.x, centre.y + c, centre.z + s))
            return true;
    }
    return false;
}

// Over the whole board and beyond, in four headings and two window shapes: a cell-sized
// sphere the camera calls unseen never has a point in the view volume, the ones round the
// target are seen, and most of the board is left out.
TEST_F(FollowCamera, SpheresCalledUnseenHaveNoPointInView) {
    for (auto [w, h] : {std::pair{320, 240}, {100, 300}}) {
        camera.viewport.resize(w, h);
        for (int turn = 0; turn < 4; ++turn) {
            orientation = turnedAboutZ(orientation, M_PI / 2 + 0.3);
            settle(20);
            const ViewVolume view(camera);
            int unseen = 0, spheres = 0;
            for (float x = -9.5f; x <= 9.5f; x += 0.5f)
                for (float y = -9.5f; y <= 9.5f; y += 0.5f)
                    for (float z : {-1.0f, 0.5f, 3.0f}) {
                        const Vec3 centre{x, y, z};
                        ++spheres;
                        if (view.mayShow(centre, 0.87))
                            continue;
                        ++unseen;
                        ASSERT_FALSE(glSeesSomeOf(centre, 0.87))
                            << x << ", " << y << ", " << z << " turn " << turn;
                    }
            EXPECT_GT(unseen, spheres / 3) << "turn " << turn;
            EXPECT_TRUE(view.mayShow(camera.target, 0.01));
            EXPECT_TRUE(view.mayShow(camera.eye, 1.0)) << "the near plane is within reach";
        }
    }
}
