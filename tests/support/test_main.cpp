// The main of every unit-test program: tests run headless (offscreen video, no audio
// device) unless the environment already says otherwise, and find the game's generated
// data through MUNCHORA_RUN_DIR.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("MUNCHORA_RUN_DIR", MUNCHORA_TEST_RUN_DIR, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
