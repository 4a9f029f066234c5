// Hero::tryMove: walls that block, the slide along them and its guard, eating, the extra
// lives and the level change that happens inside the step.
#include "unit/board/rules_world.h"

#include "board/layouts.h"

namespace {

using HeroMove = RulesWorld;

const Vec3 FORWARD{0.15f, 0, 0};

// A wall at cell (8, 8), which covers x and y from 1 to 2, on an otherwise open board.
class HeroAtWall : public RulesWorld {
protected:
    void SetUp() override {
        RulesWorld::SetUp();
        openBoard();
        setCell(8, 8, CELL_WALL);
    }
};

TEST_F(HeroMove, AFreeStepIsAllowedWhole) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    Vec3 allowed = hero().tryMove(Vec3{0.15f, -0.05f, 0});
    expectVec(allowed, 0.15f, -0.05f, 0);
    expectVec(hero().position, 0.5f, 0.5f, 0.5f); // the caller moves the Hero
    EXPECT_EQ(slideGuard, 0);
}

TEST_F(HeroAtWall, AWallAcrossXTurnsTheStepIntoASlideAlongY) {
    hero().position = Vec3{0.65f, 1.3f, 0.5f};       // the wall lies ahead in x
    expectVec(hero().tryMove(FORWARD), 0, -0.3f, 0); // no y component: minus
    EXPECT_EQ(slideGuard, 1);
    slideGuard = 0;
    expectVec(hero().tryMove(Vec3{0.15f, 0.01f, 0}), 0, 0.3f, 0);
}

TEST_F(HeroAtWall, AWallAcrossYTurnsTheStepIntoASlideAlongX) {
    hero().position = Vec3{1.3f, 0.65f, 0.5f};
    expectVec(hero().tryMove(Vec3{0, 0.15f, 0}), -0.3f, 0, 0);
    slideGuard = 0;
    expectVec(hero().tryMove(Vec3{0.02f, 0.15f, 0}), 0.3f, 0, 0);
    // Diagonally at the corner both distances are equal: that slides along x too.
    slideGuard = 0;
    hero().position = Vec3{0.65f, 0.65f, 0.5f};
    expectVec(hero().tryMove(Vec3{0.15f, 0.15f, 0}), 0.3f, 0, 0);
}

TEST_F(HeroAtWall, ASlideIntoAnotherWallIsRefusedAndClearsTheGuard) {
    setCell(7, 7, CELL_WALL); // blocks the slide towards -y
    hero().position = Vec3{0.65f, 1.3f, 0.5f};
    expectVec(hero().tryMove(FORWARD), 0, 0, 0);
    EXPECT_EQ(slideGuard, 0);
}

TEST_F(HeroAtWall, PressingOnAlternatesBetweenSlideAndRefusal) {
    for (int r = 3; r <= 11; ++r)
        setCell(8, r, CELL_WALL); // a long wall at x = 1
    hero().position = Vec3{0.65f, 1.5f, 0.5f};
    for (int tick = 0; tick < 6; ++tick) {
        Vec3 allowed = step(FORWARD);
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
    EXPECT_EQ(slideGuard, 1);
    hero().position = Vec3{0.65f, 1.3f, 0.5f};
    expectVec(hero().tryMove(FORWARD), 0, 0, 0);
    EXPECT_EQ(slideGuard, 0);
}

TEST_F(HeroAtWall, AnAppleBeforeTheWallIsEatenEvenWhenTheStepIsRefused) {
    putApple(7, 8); // centre (0.5, 1.5), just in front of the wall
    putApple(9, 9); // keeps the level going
    hero().position = Vec3{0.605f, 1.5f, 0.5f};
    slideGuard = 1;
    expectVec(hero().tryMove(FORWARD), 0, 0, 0);
    EXPECT_EQ(board().cellAt(7, 8), CELL_EMPTY);
    EXPECT_EQ(board().applesLeft, 1);
    EXPECT_EQ(game().score, 5);
    EXPECT_EQ(board().bursts[0].active, 1);
    expectVec(board().bursts[0].position, 0.5f, 1.5f, 0.5f);
}

TEST_F(HeroMove, EveryFiveHundredPointsGiveALife) {
    openBoard();
    for (int c = 2; c <= 12; ++c)
        putApple(7, c); // centres (0.5, c - 6.5), one unit apart
    hero().position = Vec3{0.5f, -5.5f, 0.5f};
    game().score = 490;
    const int lives = game().lives;
    const int extraLives[] = {0, 1, 1, 1}; // after 495, 500, 505 and 510 points
    for (int extra : extraLives) {
        step(Vec3{0, 1.0f, 0});
        EXPECT_EQ(game().lives, lives + extra) << "at " << game().score;
    }
    EXPECT_EQ(game().score, 510);
    game().score = 995;
    step(Vec3{0, 1.0f, 0});
    EXPECT_EQ(game().lives, lives + 2);
}

TEST_F(HeroMove, TheLastAppleStartsTheNextLevel) {
    loadLevel(3);
    for (int i = 0; i < CELL_COUNT; ++i)
        if (board().cells[i] == CELL_APPLE && i != BOARD_SIZE + 2)
            board().cells[i] = CELL_EMPTY;
    board().applesLeft = 1; // the apple at (1, 2), centre (-5.5, -4.5)
    game().levelBannerOn = 0;
    game().lives = 2;
    for (auto& enemy : game().enemies.list)
        enemy->position = Vec3{3, 3, 0.3f};
    hero().position = Vec3{-5.65f, -4.5f, 0.5f};
    Vec3 allowed = step(FORWARD);
    EXPECT_EQ(board().level, 4);
    EXPECT_EQ(board().applesLeft, 132);
    EXPECT_EQ(game().lives, 3);
    EXPECT_EQ(game().levelBannerOn, 1);
    EXPECT_EQ(game().score, 5);
    for (auto& enemy : game().enemies.list)
        expectVec(enemy->position, 0, 0, 0.75f);
    expectVec(allowed, 0.15f, 0, 0);
    expectVec(hero().position, -5.5f + 0.15f, -5.5f, 0.5f); // the new start plus the step
    for (const AppleBurst& burst : board().bursts)
        EXPECT_EQ(burst.active, 0);
}

TEST_F(HeroMove, AfterTheLastLayoutTheFirstComesAgain) {
    loadLevel(19);
    openBoard();
    putApple(1, 2);
    hero().position = Vec3{-5.65f, -4.5f, 0.5f};
    step(FORWARD);
    EXPECT_EQ(board().level, 0);
    EXPECT_EQ(board().applesLeft, 93);
}

TEST_F(HeroMove, OnTheWallTopsNothingBlocksAndNothingIsEaten) {
    const Vec3 intoTheRing{-0.6f, 0, 0};
    const Vec3 overTheApple{0, 0.01f, 0}; // stays over the apple of cell (1, 1)
    hero().position = Vec3{-5.5f, -5.5f, 1.5f};
    expectVec(hero().tryMove(intoTheRing), -0.6f, 0, 0);
    expectVec(hero().tryMove(overTheApple), 0, 0.01f, 0);
    EXPECT_EQ(board().applesLeft, 93);
    EXPECT_EQ(slideGuard, 0);
    // The same steps on the floor: the ring blocks the step and its slide; the apple goes.
    hero().position.z = 0.5f;
    expectVec(hero().tryMove(intoTheRing), 0, 0, 0);
    hero().tryMove(overTheApple);
    EXPECT_EQ(board().applesLeft, 92);
}

} // namespace
