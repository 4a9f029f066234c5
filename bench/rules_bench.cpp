// The cost of the game's rules per timer call, drawing left out: the Hero's step test (a
// free step and a slide, which scans the board twice), one enemy step, the held keys with
// the five enemies' steps and contact test, and a whole advance of the world (keys, camera,
// the board's frame with its apples' wobbles, the enemies, the Hero's bob and the banner).
// The goal for the whole advance is under 20 microseconds, a thousandth of the 25 ms tick.
#include "world/game_state.h"

#include <benchmark/benchmark.h>

namespace {

// Level 0, the Hero at its start cell, the enemies at the centre.
GameState startedWorld() {
    GameState world;
    world.start();
    return world;
}

// Cell (7, 5) of level 0 is an empty tile with walls ahead and behind in x.
void heroFreeStep(benchmark::State& state) {
    GameState world = startedWorld();
    Hero& hero = world.hero;
    for (auto _ : state) {
        hero.position = Vec3{0.5f, -1.5f, 0.5f};
        benchmark::DoNotOptimize(hero.tryMove(world.board, Vec3{0.15f, 0, 0}));
    }
}
BENCHMARK(heroFreeStep);

void heroSlideAlongWall(benchmark::State& state) {
    GameState world = startedWorld();
    Hero& hero = world.hero;
    for (auto _ : state) {
        hero.position = Vec3{0.7f, -1.5f, 0.5f};
        hero.slideGuard = false;
        benchmark::DoNotOptimize(hero.tryMove(world.board, Vec3{0.15f, 0, 0}));
    }
}
BENCHMARK(heroSlideAlongWall);

void enemyStep(benchmark::State& state) {
    GameState world = startedWorld();
    Enemy& enemy = world.enemies.list[0];
    for (auto _ : state) {
        enemy.step(world.board, world.random);
        benchmark::DoNotOptimize(enemy.position);
    }
}
BENCHMARK(enemyStep);

// Up and Left held: the Hero runs circles on the wall tops, where no enemy can reach it, so
// every call is a play frame without a lost life.
GameState circlingOnTheWalls() {
    GameState world = startedWorld();
    world.screen = Screen::Play;
    world.hero.position = Vec3{0.5f, 0.5f, 1.5f};
    world.hero.groundHeight = 1.5f;
    world.holdKeys(KEY_UP | KEY_LEFT);
    return world;
}

// The same work as the earlier measure of a tick: the Hero's step and turn, five enemy
// steps and the contact test.
void heldKeysAndEnemies(benchmark::State& state) {
    GameState world = circlingOnTheWalls();
    for (auto _ : state) {
        Vec3 d;
        vecScaled(d, headingOf(world.hero.orientation), 0.15000000596046448);
        HeroStep step = world.hero.tryMove(world.board, d);
        vecAdd(world.hero.position, world.hero.position, step.allowed);
        world.hero.turn(0.12999999523162842);
        benchmark::DoNotOptimize(
            world.enemies.advance(world.board, world.random, world.hero.position));
    }
}
BENCHMARK(heldKeysAndEnemies);

void wholeTickOfRules(benchmark::State& state) {
    GameState world = circlingOnTheWalls();
    for (auto _ : state) {
        FrameNews news = world.beginFrame();
        world.endFrame(news.screen);
        benchmark::DoNotOptimize(world.hero.position);
        if (news.enemyContact)
            state.SkipWithError("the Hero was caught: the tick measured a lost life");
    }
}
BENCHMARK(wholeTickOfRules);

} // namespace
