// The Hero between steps: the jump's heights and its landing on a wall, the idle bob and
// the height the model is drawn at, the ground under the Hero and the clamp to the board.
#include "support/test_world.h"

#include <vector>

namespace {

class HeroMotion : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        openBoard();
        hero().position = Vec3{0.5f, 0.5f, 0.5f};
    }
    // The stored heights of one whole jump started now.
    std::vector<float> jumpHeights() {
        hero().startJump();
        std::vector<float> heights;
        while (hero().jumping && heights.size() < 20) {
            hero().advance(board());
            heights.push_back(hero().position.z);
        }
        return heights;
    }
};

TEST_F(HeroMotion, AJumpRisesSevenFramesFallsFourAndLandsOnTheTwelfth) {
    const float expected[] = {0.7f, 0.9f, 1.1f, 1.3f, 1.5f, 1.7f,
                              1.9f, 1.7f, 1.5f, 1.3f, 1.1f, 0.5f};
    std::vector<float> heights = jumpHeights();
    ASSERT_EQ(heights.size(), 12u);
    for (size_t i = 0; i < heights.size(); ++i)
        EXPECT_NEAR(heights[i], expected[i], 1e-5) << "frame " << i + 1;
    EXPECT_EQ(hero().jumpCounter, -7);
    EXPECT_EQ(hero().jumpDirection, 1);
    // The second jump is the same: nothing of the first is left over.
    EXPECT_EQ(jumpHeights().size(), 12u);
}

TEST_F(HeroMotion, ARunningJumpIsNotRestartedAndFreezesTheBob) {
    hero().bobPhase = 4;
    hero().startJump();
    hero().advance(board());
    hero().advance(board());
    hero().startJump(); // Ctrl still held
    EXPECT_EQ(hero().jumpCounter, 3);
    EXPECT_EQ(hero().bobPhase, 4);
    EXPECT_FLOAT_EQ(hero().modelHeight, hero().position.z); // the jump moves the model itself
}

TEST_F(HeroMotion, OnlyAJumpEndingOverAWallLandsOnItsTopUntilTheFootLeavesEveryWall) {
    setCell(8, 8, CELL_WALL); // x and y from 1 to 2
    hero().position = Vec3{1.5f, 1.5f, 0.5f};
    hero().advance(board()); // standing inside it does not lift the Hero
    EXPECT_FLOAT_EQ(hero().groundHeight, 0.5f);
    EXPECT_FLOAT_EQ(hero().position.z, 0.5f);
    std::vector<float> heights = jumpHeights();
    EXPECT_FLOAT_EQ(heights.back(), 1.5f);
    EXPECT_FLOAT_EQ(hero().groundHeight, 1.5f);
    hero().position.x = 0.8f; // the foot still overlaps the wall
    hero().advance(board());
    EXPECT_FLOAT_EQ(hero().position.z, 1.5f);
    hero().position.x = 0.75f; // the foot only touches it now
    hero().advance(board());
    EXPECT_FLOAT_EQ(hero().position.z, 0.5f);
}

TEST_F(HeroMotion, TheBobTakesThirtySixFramesAndMovesOnlyTheModel) {
    std::vector<int> phases;
    for (int frame = 0; frame < 37; ++frame) {
        const int before = hero().bobPhase;
        hero().advance(board());
        EXPECT_FLOAT_EQ(hero().position.z, 0.5f);
        EXPECT_FLOAT_EQ(hero().modelHeight, float(0.5 + before * 0.0125)) << frame;
        phases.push_back(hero().bobPhase);
    }
    EXPECT_EQ(phases[8], 9);
    EXPECT_EQ(phases[9], 8); // turned on the frame whose phase was 9
    EXPECT_EQ(phases[26], -9);
    EXPECT_EQ(phases[35], 0);
    EXPECT_EQ(phases[36], 1);
}

TEST_F(HeroMotion, TheHeroIsKeptOverTheOuterRingOfCells) {
    hero().position = Vec3{-9.0f, 7.6f, 0.5f};
    hero().advance(board());
    EXPECT_FLOAT_EQ(hero().position.x, -6.5f);
    EXPECT_FLOAT_EQ(hero().position.y, 7.5f);
}

} // namespace
