// The keyboard's part of the rules: Space and Shift by screen, the switches, and the fixed
// order in which one timer call applies the held keys.
#include "support/test_world.h"

#include <cmath>

namespace {

using Keys = WorldTest;

TEST_F(Keys, SpaceLeavesTheTitleAndClearsEveryHeldKey) {
    world.holdKeys(KEY_UP | KEY_CTRL);
    world.score = 40;
    world.pressSpace();
    EXPECT_EQ(world.keys, 0u);
    EXPECT_EQ(world.screen, Screen::Play);
    EXPECT_EQ(world.score, 40);
    // While playing Space does nothing.
    world.holdKeys(KEY_LEFT);
    world.pressSpace();
    EXPECT_EQ(world.keys, KEY_LEFT);
    EXPECT_EQ(world.screen, Screen::Play);
}

TEST_F(Keys, SpaceAfterTheGameStartsANewOneWhereTheLastDeathLeftThings) {
    loadLevel(5);
    board().cells[BOARD_SIZE + 2] = CELL_EMPTY;
    world.screen = Screen::Over;
    world.lives = 0;
    world.score = 120;
    world.levelBannerOn = false;
    hero().position = Vec3{-5.5f, -5.5f, 1.5f};
    world.enemies.list[1].position = Vec3{2, 2, 0.4f};
    world.pressSpace();
    EXPECT_EQ(world.screen, Screen::Play);
    EXPECT_EQ(world.lives, 3);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(board().level, 0);
    EXPECT_EQ(board().applesLeft, 93);
    EXPECT_FALSE(world.levelBannerOn);
    expectVec(hero().position, -5.5f, -5.5f, 1.5f);
    expectVec(world.enemies.list[1].position, 2, 2, 0.4f);
}

TEST_F(Keys, ShiftClearsTheBestScoresOnlyAfterTheGame) {
    world.bestScores.set(0, "Ann", 300);
    world.pressShift();
    EXPECT_EQ(world.bestScores.entry(0).name, "Ann");
    world.screen = Screen::Over;
    world.pressShift();
    EXPECT_EQ(world.bestScores.entry(0).name, DEFAULT_ENTRY_NAME);
    EXPECT_EQ(world.bestScores.entry(0).score, 0);
}

TEST_F(Keys, ATickMovesBeforeItTurnsAndJumpsLast) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    world.holdKeys(KEY_UP | KEY_RIGHT | KEY_CTRL);
    world.beginFrame();
    expectVec(hero().position, 0.65f, 0.5f, 0.5f); // along the heading before the turn
    EXPECT_FLOAT_EQ(hero().orientation.m[1], -std::sin(0.13f));
    EXPECT_TRUE(hero().jumping);
    world.releaseKeys(KEY_RIGHT);
    EXPECT_EQ(world.keys, KEY_UP | KEY_CTRL);
}

TEST_F(Keys, UpAndDownTogetherTakeTwoStepsEachTestedOnItsOwn) {
    openBoard();
    setCell(8, 8, CELL_WALL);
    hero().position = Vec3{0.65f, 1.3f, 0.5f}; // facing the wall
    world.holdKeys(KEY_UP | KEY_DOWN);
    world.beginFrame(); // forward slides 0.3 along the wall, then backward steps away
    expectVec(hero().position, 0.5f, 1.0f, 0.5f);
}

TEST_F(Keys, AfterTheGameHeldKeysDoNothingButOnTheTitleTheyMove) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    world.holdKeys(KEY_UP);
    world.screen = Screen::Over;
    world.beginFrame();
    expectVec(hero().position, 0.5f, 0.5f, 0.5f);
    world.screen = Screen::Title; // after a lost life
    world.beginFrame();
    expectVec(hero().position, 0.65f, 0.5f, 0.5f);
}

} // namespace
