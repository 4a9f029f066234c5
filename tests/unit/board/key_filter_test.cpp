// The keyboard filter and the tick: held-key bits, Space and Shift by screen, the switches,
// and the fixed order in which one tick applies the held keys.
#include "unit/board/rules_world.h"

#include "platform/dialog.h"
#include "support/headless_gl.h"

#include <cmath>

namespace {

using namespace platform;

class Keys : public RulesWorld {
protected:
    void SetUp() override {
        RulesWorld::SetUp();
        ASSERT_TRUE(testsupport::makeHeadlessGlContext()); // the tick draws a frame
    }
};

TEST_F(Keys, SpaceLeavesTheTitleAndClearsEveryHeldKey) {
    game().keyDown(VK_UP);
    game().keyDown(VK_CONTROL);
    game().score = 40;
    game().keyDown(VK_SPACE);
    EXPECT_EQ(KeyFlags, 0u);
    EXPECT_EQ(game().waitingForSpace, 0);
    EXPECT_EQ(game().score, 40);
    // While playing Space does nothing.
    game().keyDown(VK_LEFT);
    game().keyDown(VK_SPACE);
    EXPECT_EQ(KeyFlags, KEY_LEFT);
    EXPECT_EQ(game().waitingForSpace, 0);
}

TEST_F(Keys, SpaceAfterTheGameStartsANewOneWhereTheLastDeathLeftThings) {
    loadLevel(5);
    board().cells[BOARD_SIZE + 2] = CELL_EMPTY;
    game().gameOver = 1;
    game().lives = 0;
    game().score = 120;
    game().levelBannerOn = 0;
    hero().position = Vec3{-5.5f, -5.5f, 1.5f};
    game().enemies.list[1]->position = Vec3{2, 2, 0.4f};
    game().keyDown(VK_SPACE);
    EXPECT_EQ(game().gameOver, 0);
    EXPECT_EQ(game().waitingForSpace, 0);
    EXPECT_EQ(game().lives, 3);
    EXPECT_EQ(game().score, 0);
    EXPECT_EQ(board().level, 0);
    EXPECT_EQ(board().applesLeft, 93);
    EXPECT_EQ(game().levelBannerOn, 0);
    expectVec(hero().position, -5.5f, -5.5f, 1.5f);
    expectVec(game().enemies.list[1]->position, 2, 2, 0.4f);
}

TEST_F(Keys, ShiftClearsTheBestScoresOnlyAfterTheGame) {
    game().bestScores.set(0, "Ann", 300);
    game().keyDown(VK_SHIFT);
    EXPECT_EQ(game().bestScores.entry(0).name, "Ann");
    game().gameOver = 1;
    game().keyDown(VK_SHIFT);
    EXPECT_EQ(game().bestScores.entry(0).name, DEFAULT_ENTRY_NAME);
    EXPECT_EQ(game().bestScores.entry(0).score, 0);
}

TEST_F(Keys, EveryKeyDownOfTheSwitchesTogglesAgain) {
    game().keyDown(VK_F3);
    EXPECT_EQ(game().soundOn, 1); // the world starts silent
    game().keyDown(VK_F3);        // an auto-repeat
    EXPECT_EQ(game().soundOn, 0);
    game().keyDown(VK_F2);
    EXPECT_EQ(game().musicOn, 0);
    game().keyDown(VK_F2);
    EXPECT_EQ(game().musicOn, 1);
    EXPECT_EQ(KeyFlags, 0u);
}

TEST_F(Keys, ATickMovesBeforeItTurnsAndJumpsLast) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    game().keyDown(VK_UP);
    game().keyDown(VK_RIGHT);
    game().keyDown(VK_CONTROL);
    game().tick();
    expectVec(hero().position, 0.65f, 0.5f, 0.5f); // along the heading before the turn
    EXPECT_FLOAT_EQ(hero().orientation.m[1], -std::sin(0.13f));
    EXPECT_EQ(hero().jumping, 1);
    // Releasing a key clears only its own bit.
    game().keyUp(VK_RIGHT);
    game().keyUp(VK_SPACE);
    EXPECT_EQ(KeyFlags, KEY_UP | KEY_CTRL);
    game().keyUp(VK_UP);
    game().keyUp(VK_CONTROL);
    EXPECT_EQ(KeyFlags, 0u);
}

TEST_F(Keys, UpAndDownTogetherTakeTwoStepsEachTestedOnItsOwn) {
    openBoard();
    setCell(8, 8, CELL_WALL);
    hero().position = Vec3{0.65f, 1.3f, 0.5f}; // facing the wall
    game().keyDown(VK_UP);
    game().keyDown(VK_DOWN);
    game().tick(); // forward slides 0.3 along the wall, then backward steps away
    expectVec(hero().position, 0.5f, 1.0f, 0.5f);
}

TEST_F(Keys, AfterTheGameHeldKeysDoNothingButOnTheTitleTheyMove) {
    openBoard();
    hero().position = Vec3{0.5f, 0.5f, 0.5f};
    game().keyDown(VK_UP);
    game().gameOver = 1;
    game().tick();
    expectVec(hero().position, 0.5f, 0.5f, 0.5f);
    game().gameOver = 0; // the title screen after a lost life
    game().tick();
    expectVec(hero().position, 0.65f, 0.5f, 0.5f);
}

} // namespace
