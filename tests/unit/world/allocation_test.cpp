// A long stretch of play advances the world without a single heap allocation: walking,
// turning, jumping onto walls, eating, the enemies' steps, lost lives and new games.
#include "alloc/allocation_counter.h"
#include "support/test_world.h"

namespace {

using Allocations = WorldTest;

TEST_F(Allocations, AThousandTicksOfPlayAllocateNothing) {
    int contacts = 0, eaten = 0;
    testsupport::startCountingAllocations();
    for (int tick = 0; tick < 1000; ++tick) {
        if (world.screen != Screen::Play)
            world.pressSpace(); // after a lost life or a game, straight back in
        world.holdKeys(KEY_UP | KEY_CTRL | (tick % 80 < 40 ? KEY_LEFT : KEY_RIGHT));
        world.releaseKeys(tick % 80 < 40 ? KEY_RIGHT : KEY_LEFT);
        if (tick % 100 == 50)
            world.hero.position = world.enemies.list[0].position; // into an enemy's way
        FrameNews news = frame();
        contacts += news.enemyContact;
        eaten += news.applesEaten;
    }
    EXPECT_EQ(testsupport::stopCountingAllocations(), 0);
    EXPECT_GT(eaten, 0) << "the walk must eat";
    EXPECT_GT(contacts, 0) << "the walk must meet the enemies";
}

} // namespace
