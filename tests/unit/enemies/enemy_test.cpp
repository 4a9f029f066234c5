// The enemies' rules: the shared generator, the order and number of its draws per step,
// the wall test, enemies trapped at the centre, and the contact that costs a life.
#include "unit/board/rules_world.h"

#include "characters/enemy_mesh.h"
#include "platform/clock.h"

namespace {

TEST(Random, StartsFromStateOneAndWrapsModulo2To32) {
    ASSERT_EQ(randomState, 1u); // nothing has drawn yet in this program
    const int first[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int expected : first)
        EXPECT_EQ(nextRandom(), expected);
    randomState = 0xFFFFFFFFu;
    nextRandom();
    EXPECT_EQ(randomState, 0xFFFFFFFFu * 214013u + 2531011u);
}

using Enemies = RulesWorld;

// The generator's values that one step drew, replayed from its state before the step.
std::vector<int> drawsBetween(uint32_t before, uint32_t after) {
    std::vector<int> values;
    uint32_t saved = randomState;
    randomState = before;
    while (randomState != after && values.size() < 10)
        values.push_back(nextRandom());
    randomState = saved;
    return values;
}

TEST_F(Enemies, EachStepDrawsInOrderTurnWhenBlockedDriftChanceAndRandomTurn) {
    Enemy& enemy = *game().enemies.list[0];
    int seen[5] = {};
    for (int i = 0; i < 3000; ++i) {
        const Enemy before = enemy;
        const uint32_t state = randomState;
        enemy.step();
        std::vector<int> draws = drawsBetween(state, randomState);
        ASSERT_GE(draws.size(), 2u);
        ASSERT_LE(draws.size(), 4u);
        ++seen[draws.size()];

        const bool moved =
            enemy.position.x != before.position.x || enemy.position.y != before.position.y;
        const size_t drift = moved ? 0 : 1;
        const int chance = int(draws[drift + 1] / 32768.0 * 100.0);
        EXPECT_EQ(draws.size(), 2u + !moved + (chance < 5)) << "step " << i;
        const double u = draws[drift] / 32768.0;
        EXPECT_EQ(enemy.verticalSpeed,
                  float(((u - 0.5) * 7.5 + before.verticalSpeed) * double(0.016666668f)));
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
    Enemy& enemy = *game().enemies.list[0];
    enemy.position = Vec3{0.75f, 1.5f, 0.5f}; // its box touches the wall's face
    EXPECT_FALSE(enemy.blockedAt(Vec3{}));
    EXPECT_TRUE(enemy.blockedAt(Vec3{0.001f, 0, 0}));
    EXPECT_FALSE(enemy.blockedAt(Vec3{-0.3f, 0, 0})); // the apple cell is no obstacle
    enemy.position.z = 1.25f;                         // above the wall top
    EXPECT_FALSE(enemy.blockedAt(Vec3{0.5f, 0, 0}));
    enemy.position.z = 1.0f;
    EXPECT_TRUE(enemy.blockedAt(Vec3{0.5f, 0, 0}));
}

TEST_F(Enemies, AWallAtTheCentreKeepsThemThereOnLayouts9And14And16) {
    for (int level : {9, 14, 16, 0}) {
        loadLevel(level);
        game().enemies.reset();
        for (int tick = 0; tick < 400; ++tick)
            for (auto& enemy : game().enemies.list)
                enemy->step();
        int away = 0;
        for (auto& enemy : game().enemies.list)
            away += enemy->position.x != 0.0f || enemy->position.y != 0.0f;
        if (level == 0)
            EXPECT_EQ(away, ENEMY_COUNT) << "the open first level";
        else
            EXPECT_EQ(away, 0) << "level index " << level;
    }
}

TEST_F(Enemies, ResetMakesFiveFreshEnemiesLinkedToTheGame) {
    game().enemies.texture = 77;
    for (auto& enemy : game().enemies.list)
        enemy->position = Vec3{4, 4, 0.3f};
    game().enemies.reset();
    ASSERT_EQ(game().enemies.list.size(), size_t(ENEMY_COUNT));
    for (auto& enemy : game().enemies.list) {
        expectVec(enemy->position, 0, 0, 0.75f);
        EXPECT_EQ(enemy->verticalSpeed, 0.0f);
        EXPECT_EQ(enemy->orientation.m[0], 1.0f);
        EXPECT_EQ(enemy->orientation.m[5], 1.0f);
        EXPECT_EQ(enemy->texture, 77u);
        EXPECT_EQ(enemy->board, &board());
        EXPECT_EQ(enemy->game, &game());
        EXPECT_EQ(enemy->vertices, ENEMY_MESH.vertices);
        EXPECT_EQ(enemy->indices, ENEMY_MESH.triangles);
        EXPECT_EQ(enemy->triangleCount, 626);
    }
}

class Contact : public RulesWorld {
protected:
    void SetUp() override {
        RulesWorld::SetUp();
        game().waitingForSpace = 0;
        for (auto& enemy : game().enemies.list)
            enemy->position = Vec3{3.5f, 3.5f, 0.75f}; // out of the way
    }
    Enemy& enemy(int i) { return *game().enemies.list[size_t(i)]; }
};

TEST_F(Contact, HalfAUnitAwayIsSafeAndAnyCloserCostsALife) {
    enemy(2).position = Vec3{1, 1, 0.75f};
    hero().position = Vec3{1.5f, 1, 0.75f};
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 3);
    EXPECT_EQ(game().waitingForSpace, 0);

    hero().position = Vec3{1.4999f, 1, 0.75f};
    const uint64_t before = platform::ProgramClock().Now();
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 2);
    EXPECT_EQ(game().waitingForSpace, 1);
    EXPECT_EQ(game().gameOver, 0);
    expectVec(hero().position, -5.5f, -5.5f, 0.75f); // the height is kept
    for (int i = 0; i < ENEMY_COUNT; ++i)
        expectVec(enemy(i).position, 0, 0, 0.75f);
    EXPECT_EQ(platform::ProgramClock().Now() - before, 1000u);
}

TEST_F(Contact, HeightCountsInTheDistance) {
    enemy(0).position = Vec3{1, 1, 1.0f};
    hero().position = Vec3{1, 1, 1.5f}; // on a wall top: exactly 0.5 above
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 3);
    hero().position = Vec3{1.3f, 1, 1.3f}; // 0.36 away in x and z together
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 2);
}

TEST_F(Contact, ManyEnemiesTouchingCostOneLife) {
    for (int i = 0; i < ENEMY_COUNT; ++i)
        enemy(i).position = Vec3{2, 2, 0.5f};
    hero().position = Vec3{2, 2, 0.5f};
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 2);
}

TEST_F(Contact, TheLastLifeEndsTheGameWithoutANameForANoScore) {
    game().lives = 1;
    enemy(4).position = hero().position;
    game().enemies.checkCollisions();
    EXPECT_EQ(game().lives, 0);
    EXPECT_EQ(game().gameOver, 1);
    EXPECT_EQ(game().waitingForSpace, 1);
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i)
        EXPECT_EQ(game().bestScores.entry(i).name, DEFAULT_ENTRY_NAME);
}

} // namespace
