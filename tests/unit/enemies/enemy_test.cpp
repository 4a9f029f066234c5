// The enemies' rules: the order and number of the generator's draws per step, the wall
// test, enemies trapped at the centre, and the contact that costs a life.
#include "support/test_world.h"

#include <cmath>
#include <vector>

namespace {

class Enemies : public WorldTest {
protected:
    Enemy& enemy(int i) { return world.enemies.list[size_t(i)]; }
    void stepAll() {
        for (Enemy& e : world.enemies.list)
            e.step(board(), world.random);
    }
};

// The generator's values that one step drew, replayed from a copy taken before the step.
std::vector<int> drawsBetween(Random before, const Random& after) {
    std::vector<int> values;
    while (before.state() != after.state() && values.size() < 10)
        values.push_back(before.next());
    return values;
}

TEST_F(Enemies, EachStepDrawsInOrderTurnWhenBlockedDriftChanceAndRandomTurn) {
    Enemy& enemy = this->enemy(0);
    int seen[5] = {};
    for (int i = 0; i < 3000; ++i) {
        const Enemy before = enemy;
        const Random state = world.random;
        enemy.step(board(), world.random);
        std::vector<int> draws = drawsBetween(state, world.random);
        ASSERT_GE(draws.size(), 2u);
        ASSERT_LE(draws.size(), 4u);
        ++seen[draws.size()];

        const bool moved =
            enemy.position.x != before.position.x || enemy.position.y != before.position.y;
        const size_t drift = moved ? 0 : 1;
        const int chance = int(draws[drift + 1] / 32768.0 * 100.0);
        EXPECT_EQ(draws.size(), 2u + !moved + (chance < 5)) << "step " << i;
        // The drift follows its draw: above the middle it pushes up, below it down.
        if (std::abs(draws[drift] - 16384) > 2000 && std::abs(before.verticalSpeed) < 0.005f) {
            EXPECT_EQ(enemy.verticalSpeed > before.verticalSpeed, draws[drift] > 16384) << i;
        }
        if (moved) {
            Vec3 forward{before.orientation.m[0], before.orientation.m[1], 0};
            vecScale(forward, 0.11538462420187086);
            EXPECT_EQ(enemy.position.x, before.position.x + forward.x);
            EXPECT_EQ(enemy.position.y, before.position.y + forward.y);
        }
        EXPECT_GE(enemy.position.z, 0.2f);
        EXPECT_LE(enemy.position.z, 1.0f);
        EXPECT_FLOAT_EQ(enemy.orientation.m[2], 0.0f); // turns are about z only
    }
    EXPECT_GT(seen[2], 0);
    EXPECT_GT(seen[3], 0);
    EXPECT_GT(seen[4], 0);
}

TEST_F(Enemies, OnlyOverlappingWallsBlock) {
    openBoard();
    setCell(8, 8, CELL_WALL); // x and y from 1 to 2
    putApple(7, 8);
    Enemy& enemy = this->enemy(0);
    enemy.position = Vec3{0.75f, 1.5f, 0.5f}; // its box touches the wall's face
    EXPECT_FALSE(enemy.blockedAt(board(), Vec3{}));
    EXPECT_TRUE(enemy.blockedAt(board(), Vec3{0.001f, 0, 0}));
    EXPECT_FALSE(enemy.blockedAt(board(), Vec3{-0.3f, 0, 0})); // the apple cell is no obstacle
    enemy.position.z = 1.25f;                                  // above the wall top
    EXPECT_FALSE(enemy.blockedAt(board(), Vec3{0.5f, 0, 0}));
    enemy.position.z = 1.0f;
    EXPECT_TRUE(enemy.blockedAt(board(), Vec3{0.5f, 0, 0}));
}

TEST_F(Enemies, AWallAtTheCentreKeepsThemThereOnLayouts9And14And16) {
    for (int level : {9, 14, 16, 0}) {
        loadLevel(level);
        world.enemies.reset();
        for (int tick = 0; tick < 400; ++tick)
            stepAll();
        int away = 0;
        for (const Enemy& e : world.enemies.list)
            away += e.position.x != 0.0f || e.position.y != 0.0f;
        if (level == 0)
            EXPECT_EQ(away, ENEMY_COUNT) << "the open first level";
        else
            EXPECT_EQ(away, 0) << "level index " << level;
    }
}

TEST_F(Enemies, ResetPutsAllFiveBackAtTheCentreAsNew) {
    for (Enemy& e : world.enemies.list) {
        e.position = Vec3{4, 4, 0.3f};
        e.verticalSpeed = 0.2f;
        e.orientation = turnedAboutZ(e.orientation, 1.0);
    }
    world.enemies.reset();
    for (const Enemy& e : world.enemies.list) {
        expectVec(e.position, 0, 0, 0.75f);
        EXPECT_EQ(e.verticalSpeed, 0.0f);
        expectVec(headingOf(e.orientation), 1, 0, 0);
    }
}

TEST_F(Enemies, HalfAUnitAwayIsSafeAndAnyCloserTouchesInAllThreeDimensions) {
    for (Enemy& e : world.enemies.list)
        e.position = Vec3{3.5f, 3.5f, 0.75f}; // out of the way
    enemy(2).position = Vec3{1, 1, 0.75f};
    EXPECT_FALSE(world.enemies.touches(Vec3{1.5f, 1, 0.75f}));
    EXPECT_TRUE(world.enemies.touches(Vec3{1.4999f, 1, 0.75f}));
    enemy(0).position = Vec3{-2, -2, 1.0f};
    EXPECT_FALSE(world.enemies.touches(Vec3{-2, -2, 1.5f}));   // on a wall top: 0.5 above
    EXPECT_TRUE(world.enemies.touches(Vec3{-1.7f, -2, 1.3f})); // 0.36 away in x and z
}

TEST_F(Enemies, AFrameStepsEveryEnemyThenTestsTheContactAndKeepsWhatItShowed) {
    Random reference = world.random;
    GameState copy = world;
    for (Enemy& e : copy.enemies.list)
        e.step(copy.board, reference);
    const bool touched = world.enemies.advance(board(), world.random, Vec3{0, 0, 0.75f});
    EXPECT_TRUE(touched) << "the Hero stands where the enemies started";
    EXPECT_EQ(world.random.state(), reference.state());
    for (int i = 0; i < ENEMY_COUNT; ++i) {
        expectVec(enemy(i).position, copy.enemies.list[size_t(i)].position.x,
                  copy.enemies.list[size_t(i)].position.y, copy.enemies.list[size_t(i)].position.z);
        expectVec(world.enemies.shown[size_t(i)].position, enemy(i).position.x, enemy(i).position.y,
                  enemy(i).position.z);
    }
    world.enemies.reset(); // a lost life: the frame still shows them where they were
    EXPECT_FLOAT_EQ(world.enemies.shown[0].position.x, copy.enemies.list[0].position.x);
}

} // namespace
