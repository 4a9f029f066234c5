// The Hero's movement rules: a requested step is tested against the walls, turned into a
// slide along a wall or refused, and eats the apples it reaches, which scores, grants lives
// and moves the game to the next level.
//
// World units as in board.h; boxes are single precision like every collision test. tryMove
// never moves the Hero itself: the caller adds the returned displacement to position.
// slideGuard is program-wide and lives as long as the program.
#include "app/game_state.h"
#include "board/board.h"
#include "board/hero.h"
#include "board/sounds.h"

#include <cmath>

int slideGuard = 0;

namespace {

constexpr float HERO_HALF_WIDTH = 0.25f;
constexpr float EATING_HALF_HEIGHT = 0.25f;
constexpr float BODY_HALF_HEIGHT = 0.5f; // on the floor (z 0.5) the body fills 0 .. 1
constexpr float APPLE_HALF_WIDTH = 0.01f;
constexpr float APPLE_BOTTOM = 0.049f;
constexpr float APPLE_TOP = 0.51f;
constexpr float SLIDE_STEP = 0.3f; // twice a normal step of 0.15
constexpr int POINTS_PER_APPLE = 5;
constexpr int POINTS_PER_EXTRA_LIFE = 500;  // one life per 100 apples
const Vec3 LEVEL_START{-5.5f, -5.5f, 0.5f}; // centre of cell (1, 1) on the floor

Box3 boxAround(const Vec3& p, float halfHeight) {
    return Box3{p.x - HERO_HALF_WIDTH, p.y - HERO_HALF_WIDTH, p.z - halfHeight,
                p.x + HERO_HALF_WIDTH, p.y + HERO_HALF_WIDTH, p.z + halfHeight};
}

float cellCentre(int index) {
    return float(index) - 6.5f;
}

Box3 appleBox(int row, int col) {
    float cx = cellCentre(row);
    float cy = cellCentre(col);
    return Box3{cx - APPLE_HALF_WIDTH, cy - APPLE_HALF_WIDTH, APPLE_BOTTOM,
                cx + APPLE_HALF_WIDTH, cy + APPLE_HALF_WIDTH, APPLE_TOP};
}

// The slide along the wall whose centre is (cx, cy): along y when the wall lies mainly
// across x from the Hero, along x otherwise; only a strictly positive request picks +. The
// distances are exact in double precision, so a near tie is decided by the true values.
Vec3 slideAlong(const Vec3& heroAt, float cx, float cy, const Vec3& d) {
    if (std::fabs(double(cy) - heroAt.y) < std::fabs(double(cx) - heroAt.x))
        return Vec3{0.0f, d.y > 0.0f ? SLIDE_STEP : -SLIDE_STEP, d.z};
    return Vec3{d.x > 0.0f ? SLIDE_STEP : -SLIDE_STEP, 0.0f, d.z};
}

// The last apple is gone: the next layout (after the last one the first again), one more
// life, the banner, the enemies back at the centre and the Hero back at the start.
void nextLevel(Hero& hero) {
    Board* board = hero.board;
    GameState* game = hero.game;
    ++board->level;
    ++game->lives;
    game->levelBannerOn = 1;
    if (board->level == LEVEL_COUNT)
        board->level = 0;
    board->loadLevel();
    game->enemies.reset();
    hero.position = LEVEL_START;
}

void eatApple(Hero& hero, int row, int col) {
    Board* board = hero.board;
    GameState* game = hero.game;
    game->playSound(SOUND_EAT);
    board->cells[row * BOARD_SIZE + col] = CELL_EMPTY;
    --board->applesLeft;
    game->score += POINTS_PER_APPLE;
    if (game->score % POINTS_PER_EXTRA_LIFE == 0)
        ++game->lives;
    board->addBurst(cellCentre(row), cellCentre(col), 0.5f);
    if (board->applesLeft <= 0)
        nextLevel(hero);
}

} // namespace

Hero::Hero() {
    matIdentity(orientation);
}

Vec3 Hero::tryMove(Vec3 d) {
    Vec3 p;
    vecAdd(p, position, d);
    const Box3 eatingBox = boxAround(p, EATING_HALF_HEIGHT);
    const Box3 bodyBox = boxAround(p, BODY_HALF_HEIGHT);
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            if (board->cellAt(row, col) == CELL_APPLE &&
                boxesOverlap(appleBox(row, col), eatingBox))
                eatApple(*this, row, col);
            // Read again: eating may have loaded a new layout with a wall here.
            if (board->cellAt(row, col) != CELL_WALL || !boxesOverlap(wallBox(row, col), bodyBox))
                continue;
            if (slideGuard == 1) {
                slideGuard = 0;
                return Vec3{};
            }
            slideGuard = 1;
            return tryMove(slideAlong(position, cellCentre(row), cellCentre(col), d));
        }
    }
    return d;
}
