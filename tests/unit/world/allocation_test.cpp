// A long stretch of play advances the world without a single heap allocation: walking,
// turning, jumping onto walls, eating, the enemies' steps, lost lives and new games.
#include "support/test_world.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

bool counting = false;
std::atomic<long> allocations{0};

void* countedMalloc(std::size_t size) {
    if (counting)
        ++allocations;
    return std::malloc(size ? size : 1);
}

} // namespace

// The replacements pair malloc with free; GCC cannot see that through inlined callers.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (void* p = countedMalloc(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return countedMalloc(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

using Allocations = WorldTest;

TEST_F(Allocations, AThousandTicksOfPlayAllocateNothing) {
    int contacts = 0, eaten = 0;
    counting = true;
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
    counting = false;
    EXPECT_EQ(allocations, 0);
    EXPECT_GT(eaten, 0) << "the walk must eat";
    EXPECT_GT(contacts, 0) << "the walk must meet the enemies";
}

} // namespace
