// Whole timer calls on a real (headless) context: drawn play frames allocate nothing, a lost
// life gives the enemies a new texture while the old one is deleted, and the keyboard filter
// turns keys into the world's held keys and actions.
#include "game_fixture.h"

#include "platform/dialog.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>
#include <new>

namespace {

// Only this thread's allocations count, and only those our own code makes: the software
// rasteriser (Mesa and its LLVM) allocates as it compiles drawing state, on its threads and
// inside our GL calls.
thread_local bool countingAllocations = false;
std::atomic<long> allocations{0};

bool inTheGlDriver(const void* address) {
    Dl_info info;
    if (!dladdr(address, &info) || !info.dli_fname)
        return false;
    const char* name = info.dli_fname;
    return std::strstr(name, "_dri.so") || std::strstr(name, "LLVM") ||
           std::strstr(name, "libGL") || std::strstr(name, "glapi") || std::strstr(name, "gallium");
}

// The driver reaches operator new through the C++ library and LLVM, a few calls deep.
bool madeByTheGlDriver() {
    void* frames[16];
    int count = backtrace(frames, 16);
    for (int i = 1; i < count; ++i)
        if (inTheGlDriver(frames[i]))
            return true;
    return false;
}

void* countedMalloc(std::size_t size) {
    if (countingAllocations && !madeByTheGlDriver())
        ++allocations;
    return std::malloc(size ? size : 1);
}

} // namespace

// The replacements pair malloc with free; GCC cannot see that through inlined callers. The
// nothrow form is replaced too: LLVM allocates with it and frees with the plain delete, and
// under AddressSanitizer an unreplaced form would come from its own allocator, not malloc.
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

TEST(Play, DrawnPlayFramesAllocateNothing) {
    auto game = apptest::startGame(160, 120);
    game->world.screen = Screen::Play;
    // Walk in circles near the start, jumping all the time: turning, stepping, sliding along
    // walls, eating, landing on wall tops, with the board, enemies, Hero and HUD drawn.
    game->world.keys = KEY_UP | KEY_LEFT | KEY_CTRL;
    madeByTheGlDriver(); // the first backtrace loads its unwinder
    allocations = 0;
    countingAllocations = true;
    for (int tick = 0; tick < 80; ++tick) {
        if (tick % 40 == 20)
            game->world.keys ^= KEY_LEFT | KEY_RIGHT;
        game->tick();
    }
    countingAllocations = false;
    ASSERT_EQ(game->world.lives, 3) << "the walk must stay clear of the enemies to be all play";
    ASSERT_LT(game->world.board.applesLeft, 93) << "the walk must eat";
    EXPECT_EQ(allocations, 0);
}

TEST(Play, ALostLifeReplacesTheEnemyTextureAndDeletesTheOldOne) {
    auto game = apptest::startGame(160, 120);
    const GLuint old = game->looks.enemies.texture;
    ASSERT_NE(old, 0u);
    ASSERT_TRUE(glIsTexture(old));
    game->world.screen = Screen::Play;
    game->world.hero.position = Vec3{0, 0, 0.75f}; // where the enemies start
    game->tick();

    ASSERT_EQ(game->world.lives, 2);
    const GLuint now = game->looks.enemies.texture;
    EXPECT_NE(now, old);
    EXPECT_TRUE(glIsTexture(now));
    EXPECT_FALSE(glIsTexture(old));
}

TEST(Play, TheKeyboardFilterHoldsArrowsAndCtrlAndActsOnTheOthers) {
    auto game = apptest::startGame(160, 120);
    using namespace platform;
    const std::pair<int, uint32_t> held[] = {{VK_UP, KEY_UP},
                                             {VK_DOWN, KEY_DOWN},
                                             {VK_RIGHT, KEY_RIGHT},
                                             {VK_LEFT, KEY_LEFT},
                                             {VK_CONTROL, KEY_CTRL}};
    for (auto [key, bit] : held) {
        game->keyDown(key);
        EXPECT_EQ(game->world.keys, bit) << key;
        game->keyUp(key);
        game->keyUp(VK_SPACE); // keys without a key-up action change nothing
        EXPECT_EQ(game->world.keys, 0u) << key;
    }
    game->keyDown(VK_F3);
    EXPECT_FALSE(game->world.soundOn);
    game->keyDown(VK_SPACE);
    EXPECT_EQ(game->world.screen, Screen::Play);
    game->keyDown(VK_RETURN); // Enter does nothing
    EXPECT_EQ(game->world.screen, Screen::Play);
}

} // namespace
