// Hero::tryMove: walls that block, the slide along them and its guard, eating, and the
// level change that happens inside the step.
#include "support/test_world.h"

namespace {

class HeroMove : public WorldTest {
protected:
    HeroStep tryMove(Vec3 d) { return hero().tryMove(board(), d); }
    // What the world's step does with it: the allowed part is added.
    HeroStep step(Vec3 d) {
        HeroStep result = tryMove(d);
        vecAdd(hero().position, hero().position, result.allowed);
        return result;
    }
    bool& slideGuard() { return hero().slideGuard; }
};

const Vec3 FORWARD{0.15f, 0, 0};

// A wall at cell (8, 8), which covers x and y from 1 to 2, on an otherwise open board.
class HeroAtWall : public HeroMove {
protected:
    void SetUp() override {
        HeroMove::SetUp();
        openBoard();
        setCell(8, 8, CELL_WALL);
    }
};

TEST_F(HeroMove, AFreeStepIsAllowedWhole) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    HeroStep result = tryMove(Vec3{0.15f, -0.05f, 0});
    expectVec(result.allowed, 0.15f, -0.05f, 0);
    EXPECT_EQ(result.applesEaten, 0);
    expectVec(hero().position, 0.5f, 0.5f, 0.5f); // the caller moves the Hero
    EXPECT_FALSE(slideGuard());
}

TEST_F(HeroAtWall, AWallAcrossXTurnsTheStepIntoASlideAlongY) {
    hero().position = Vec3{0.65f, 1.3f, 0.5f};        // the wall lies ahead in x
    expectVec(tryMove(FORWARD).allowed, 0, -0.3f, 0); // no y component: minus
    EXPECT_TRUE(slideGuard());
    slideGuard() = false;
    expectVec(tryMove(Vec3{0.15f, 0.01f, 0}).allowed, 0, 0.3f, 0);
}

TEST_F(HeroAtWall, AWallAcrossYTurnsTheStepIntoASlideAlongX) {
    hero().position = Vec3{1.3f, 0.65f, 0.5f};
    expectVec(tryMove(Vec3{0, 0.15f, 0}).allowed, -0.3f, 0, 0);
    slideGuard() = false;
    expectVec(tryMove(Vec3{0.02f, 0.15f, 0}).allowed, 0.3f, 0, 0);
    // Diagonally at the corner both distances are equal: that slides along x too.
    slideGuard() = false;
    hero().position = Vec3{0.65f, 0.65f, 0.5f};
    expectVec(tryMove(Vec3{0.15f, 0.15f, 0}).allowed, 0.3f, 0, 0);
}

TEST_F(HeroAtWall, ASlideIntoAnotherWallIsRefusedAndClearsTheGuard) {
    setCell(7, 7, CELL_WALL); // blocks the slide towards -y
    hero().position = Vec3{0.65f, 1.3f, 0.5f};
    expectVec(tryMove(FORWARD).allowed, 0, 0, 0);
    EXPECT_FALSE(slideGuard());
}

TEST_F(HeroAtWall, PressingOnAlternatesBetweenSlideAndRefusal) {
    for (int r = 3; r <= 11; ++r)
        setCell(8, r, CELL_WALL); // a long wall at x = 1
    hero().position = Vec3{0.65f, 1.5f, 0.5f};
    for (int tick = 0; tick < 6; ++tick) {
        Vec3 allowed = step(FORWARD).allowed;
        EXPECT_FLOAT_EQ(allowed.y, tick % 2 == 0 ? -0.3f : 0.0f) << "tick " << tick;
        EXPECT_EQ(allowed.x, 0.0f);
    }
    EXPECT_FLOAT_EQ(hero().position.y, 1.5f - 0.9f);
}

TEST_F(HeroAtWall, TheFirstWallHitAfterASuccessfulSlideIsRefused) {
    hero().position = Vec3{0.65f, 1.3f, 0.5f};
    step(FORWARD); // slides to y 1.0, the guard stays set
    hero().position = Vec3{-3, -3, 0.5f};
    for (int i = 0; i < 10; ++i)
        step(Vec3{0, 0.15f, 0}); // free steps leave the guard alone
    EXPECT_TRUE(slideGuard());
    hero().position = Vec3{0.65f, 1.3f, 0.5f};
    expectVec(tryMove(FORWARD).allowed, 0, 0, 0);
    EXPECT_FALSE(slideGuard());
}

TEST_F(HeroAtWall, AnAppleBeforeTheWallIsEatenEvenWhenTheStepIsRefused) {
    putApple(7, 8); // centre (0.5, 1.5), just in front of the wall
    putApple(9, 9); // keeps the level going
    hero().position = Vec3{0.605f, 1.5f, 0.5f};
    slideGuard() = true;
    HeroStep result = tryMove(FORWARD);
    expectVec(result.allowed, 0, 0, 0);
    EXPECT_EQ(result.applesEaten, 1);
    EXPECT_EQ(board().cellAt(7, 8), CELL_EMPTY);
    EXPECT_EQ(board().applesLeft, 1);
    EXPECT_TRUE(board().bursts[0].active);
    expectVec(board().bursts[0].position, 0.5f, 1.5f, 0.5f);
}

TEST_F(HeroMove, TheLastAppleStartsTheNextLevel) {
    loadLevel(3);
    for (int i = 0; i < CELL_COUNT; ++i)
        if (board().cells[i] == CELL_APPLE && i != BOARD_SIZE + 2)
            board().cells[i] = CELL_EMPTY;
    board().applesLeft = 1; // the apple at (1, 2), centre (-5.5, -4.5)
    hero().position = Vec3{-5.65f, -4.5f, 0.5f};
    HeroStep result = step(FORWARD);
    EXPECT_TRUE(result.levelCleared);
    EXPECT_EQ(result.applesEaten, 1);
    EXPECT_EQ(board().level, 4);
    EXPECT_EQ(board().applesLeft, 132);
    expectVec(result.allowed, 0.15f, 0, 0);
    expectVec(hero().position, -5.5f + 0.15f, -5.5f, 0.5f); // the new start plus the step
    for (const AppleBurst& burst : board().bursts)
        EXPECT_FALSE(burst.active);
}

TEST_F(HeroMove, OnTheWallTopsNothingBlocksAndNothingIsEaten) {
    const Vec3 intoTheRing{-0.6f, 0, 0};
    const Vec3 overTheApple{0, 0.01f, 0}; // stays over the apple of cell (1, 1)
    hero().position = Vec3{-5.5f, -5.5f, 1.5f};
    expectVec(tryMove(intoTheRing).allowed, -0.6f, 0, 0);
    expectVec(tryMove(overTheApple).allowed, 0, 0.01f, 0);
    EXPECT_EQ(board().applesLeft, 93);
    EXPECT_FALSE(slideGuard());
    // The same steps on the floor: the ring blocks the step and its slide; the apple goes.
    hero().position.z = 0.5f;
    expectVec(tryMove(intoTheRing).allowed, 0, 0, 0);
    tryMove(overTheApple);
    EXPECT_EQ(board().applesLeft, 92);
}

} // namespace
