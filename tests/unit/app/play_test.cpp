// Whole timer calls on a real (headless) context: drawn play frames allocate nothing, a lost
// life gives the enemies a new texture while the old one is deleted, and the keyboard filter
// turns keys into the world's held keys and actions.
#include "game_fixture.h"

#include "alloc/allocation_counter.h"
#include "platform/dialog.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>

namespace {

// Only our own code's allocations count: the software rasteriser (Mesa and its LLVM)
// allocates as it compiles drawing state, inside our GL calls.
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

TEST(Play, DrawnPlayFramesAllocateNothing) {
    auto game = apptest::startGame(160, 120);
    game->world.screen = Screen::Play;
    // Walk in circles near the start, jumping all the time: turning, stepping, sliding along
    // walls, eating, landing on wall tops, with the board, enemies, Hero and HUD drawn.
    game->world.keys = KEY_UP | KEY_LEFT | KEY_CTRL;
    madeByTheGlDriver(); // the first backtrace loads its unwinder
    testsupport::startCountingAllocations(madeByTheGlDriver);
    for (int tick = 0; tick < 80; ++tick) {
        if (tick % 40 == 20)
            game->world.keys ^= KEY_LEFT | KEY_RIGHT;
        game->tick();
    }
    const long allocations = testsupport::stopCountingAllocations();
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
