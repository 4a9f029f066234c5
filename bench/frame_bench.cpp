// Whole frames of play on Mesa's software rasteriser: the game brought up as at start-up
// (minus window, music and cursor) on an offscreen context, then ticks of play (a walk that
// turns, jumps and eats) timed one by one with glFinish, so each time includes the pixels.
// Reports the median and the 99th percentile frame time in milliseconds at three sizes.
//
// Needs the game's data: MUNCHORA_RUN_DIR (default "run" in the working directory) is copied
// into a temporary folder that becomes the working directory.
#include "app/game_state.h"
#include "platform/gl_context.h"

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SURFACE_WIDTH = 1920;
constexpr int SURFACE_HEIGHT = 1080;
constexpr int FRAMES = 300;

bool makeContext() {
    static bool made = false;
    if (made)
        return true;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, SURFACE_WIDTH, SURFACE_HEIGHT,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context || SDL_GL_MakeCurrent(window, context) != 0)
        return false;
    const char* runDir = std::getenv("MUNCHORA_RUN_DIR");
    char folder[] = "/tmp/munchora-bench-XXXXXX";
    if (!mkdtemp(folder))
        return false;
    std::filesystem::copy(runDir ? runDir : "run", folder);
    made = chdir(folder) == 0;
    return made;
}

std::unique_ptr<GameState> startGame(int width, int height) {
    auto game = std::make_unique<GameState>();
    glViewport(0, 0, width, height);
    game->setViewport(width, height);
    game->initGlState();
    game->board.init();
    game->hero.board = &game->board;
    game->hero.game = game.get();
    game->hero.init();
    platform::BuildFontLists(0, 255, 1000, 30);
    game->enemies.board = &game->board;
    game->enemies.hero = &game->hero;
    game->enemies.game = game.get();
    game->enemies.init();
    game->loadTitleImage();
    game->waitingForSpace = 0;
    return game;
}

double percentile(std::vector<double> times, double fraction) {
    std::sort(times.begin(), times.end());
    return times[size_t(fraction * double(times.size() - 1))];
}

void BM_PlayFrame(benchmark::State& state) {
    if (!makeContext()) {
        state.SkipWithError("no offscreen GL context or no game data");
        return;
    }
    const int width = int(state.range(0)), height = int(state.range(1));
    std::vector<double> times;
    for (auto _ : state) {
        auto game = startGame(width, height);
        KeyFlags = KEY_UP | KEY_LEFT | KEY_CTRL;
        times.clear();
        for (int frame = 0; frame < FRAMES; ++frame) {
            if (frame % 40 == 20)
                KeyFlags ^= KEY_LEFT | KEY_RIGHT;
            auto start = std::chrono::steady_clock::now();
            game->tick();
            glFinish();
            std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            times.push_back(took.count());
        }
        KeyFlags = 0;
    }
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p99_ms"] = percentile(times, 0.99);
    state.counters["frames"] = FRAMES;
}

BENCHMARK(BM_PlayFrame)
    ->Args({64, 64})
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
