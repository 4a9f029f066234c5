// The cost of the game's rules per tick, drawing left out: the Hero's step test (a free step
// and a slide, which scans the board twice), one enemy step, and a whole tick of held keys,
// the Hero's moves and turns, five enemy steps and the contact test. The goal for the whole
// tick is under 20 microseconds, a thousandth of the 25 ms tick.
#include "app/game_state.h"
#include "enemies/random.h"
#include "platform/clock.h"
#include "platform/dialog.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// A game state wired for its rules on level 0, in a scratch folder of its own: the state
// saves "scores.dat" when it goes, and that must not land where the benchmark was started.
class RulesWorld {
public:
    RulesWorld() : home_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "munchora-bench-XXXXXX");
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder_ = pattern;
        std::filesystem::current_path(folder_);
        platform::ProgramClock().Reset(true);
        game = std::make_unique<GameState>();
        game->hero.board = &game->board;
        game->hero.game = game.get();
        game->enemies.board = &game->board;
        game->enemies.hero = &game->hero;
        game->enemies.game = game.get();
        game->soundOn = 0;
        game->bestScores.reset();
        game->board.level = 0;
        game->board.loadLevel();
        game->enemies.reset();
        randomState = 1;
        slideGuard = 0;
    }
    ~RulesWorld() {
        game.reset();
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(folder_);
    }

    std::unique_ptr<GameState> game;

private:
    std::filesystem::path home_;
    std::filesystem::path folder_;
};

// Cell (7, 5) of level 0 is an empty tile with walls ahead and behind in x.
void heroFreeStep(benchmark::State& state) {
    RulesWorld world;
    Hero& hero = world.game->hero;
    for (auto _ : state) {
        hero.position = Vec3{0.5f, -1.5f, 0.5f};
        benchmark::DoNotOptimize(hero.tryMove(Vec3{0.15f, 0, 0}));
    }
}
BENCHMARK(heroFreeStep);

void heroSlideAlongWall(benchmark::State& state) {
    RulesWorld world;
    Hero& hero = world.game->hero;
    for (auto _ : state) {
        hero.position = Vec3{0.7f, -1.5f, 0.5f};
        slideGuard = 0;
        benchmark::DoNotOptimize(hero.tryMove(Vec3{0.15f, 0, 0}));
    }
}
BENCHMARK(heroSlideAlongWall);

void enemyStep(benchmark::State& state) {
    RulesWorld world;
    Enemy& enemy = *world.game->enemies.list[0];
    for (auto _ : state) {
        enemy.step();
        benchmark::DoNotOptimize(enemy.position);
    }
}
BENCHMARK(enemyStep);

// Up and Left held: the Hero runs circles on the wall tops, where no enemy can reach it, so
// every tick is a play tick without the lost-life pause.
void wholeTickOfRules(benchmark::State& state) {
    RulesWorld world;
    GameState& game = *world.game;
    game.waitingForSpace = 0;
    game.hero.position = Vec3{0.5f, 0.5f, 1.5f};
    KeyFlags = 0;
    game.keyDown(platform::VK_UP);
    game.keyDown(platform::VK_LEFT);
    for (auto _ : state) {
        if (KeyFlags & KEY_UP)
            game.moveForward();
        if (KeyFlags & KEY_DOWN)
            game.moveBackward();
        if (KeyFlags & KEY_RIGHT)
            game.turnRight();
        if (KeyFlags & KEY_LEFT)
            game.turnLeft();
        for (auto& enemy : game.enemies.list)
            enemy->step();
        game.enemies.checkCollisions();
        benchmark::DoNotOptimize(game.hero.position);
    }
    if (game.lives != 3)
        state.SkipWithError("the Hero was caught: the tick measured a lost life");
}
BENCHMARK(wholeTickOfRules);

} // namespace
