// Placing things by window pixel: pixelToWorld against GLU's projection of the camera's
// matrices, so a corner that comes out mirrored or scaled is caught.
#include "game_fixture.h"
#include "support/glu_pixel.h"

#include <gtest/gtest.h>

namespace {

// The window pixel (y downward) at which GLU shows p under the loaded matrices.
void gluPixel(const GameState& game, const Vec3& p, double& x, double& y) {
    testsupport::gluPixel(game.viewportWidth, game.viewportHeight, p.x, p.y, p.z, x, y);
}

TEST(PixelToWorld, CornersAndCentreLandOnTheirPixels) {
    apptest::enterGameFolder();
    for (auto [w, h] : {std::pair{320, 240}, {160, 120}, {200, 300}}) {
        GameState game;
        game.hero.position = Vec3{-5.5f, -5.5f, 0.5f};
        game.setViewport(w, h);
        for (int i = 0; i < 20; ++i)
            game.updateCamera();
        const int pixels[][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}, {w / 2, h / 2}, {w - 150, 100}};
        for (const auto& pixel : pixels) {
            Vec3 p;
            game.pixelToWorld(pixel[0], pixel[1], p);
            double x = 0, y = 0;
            gluPixel(game, p, x, y);
            EXPECT_NEAR(x, pixel[0], 0.01) << w << "x" << h << " at " << pixel[0];
            EXPECT_NEAR(y, pixel[1], 0.01) << w << "x" << h << " at " << pixel[1];
        }
        Vec3 centre;
        game.pixelToWorld(w / 2, h / 2, centre);
        EXPECT_FLOAT_EQ(centre.x, game.target.x);
        EXPECT_FLOAT_EQ(centre.y, game.target.y);
        EXPECT_FLOAT_EQ(centre.z, game.target.z);
    }
}

TEST(PixelToWorld, AMinimisedWindowPlacesEverythingAtTheTarget) {
    apptest::enterGameFolder();
    GameState game;
    game.setViewport(320, 240);
    game.setViewport(320, 0);
    EXPECT_FLOAT_EQ(game.aspect, 320.0f / 240.0f); // the previous aspect is kept
    game.updateCamera();
    Vec3 p;
    game.pixelToWorld(0, 0, p);
    EXPECT_FLOAT_EQ(p.x, game.target.x);
    EXPECT_FLOAT_EQ(p.z, game.target.z);
}

} // namespace
