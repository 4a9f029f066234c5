// The Hero's step: a requested displacement is tested against the walls, turned into a
// slide along a wall or refused, and eats the apples it reaches; the last apple loads the
// next level and puts the Hero back at its start.
//
// One scan visits the cells in row-major order and, per cell, first eats an apple the
// eating box reaches and then tests a wall against the body box: the first wall hit ends
// the scan, so apples after it in scan order are left for a later step. A level change
// inside the scan carries on over the new layout with the boxes already made. World units
// as in board.h; boxes are single precision like every collision test.
#include "hero/hero.h"

#include "board/board.h"

#include <cmath>

namespace {

constexpr float HERO_HALF_WIDTH = 0.25f;
constexpr float EATING_HALF_HEIGHT = 0.25f;
constexpr float BODY_HALF_HEIGHT = 0.5f; // on the floor (z 0.5) the body fills 0 .. 1
constexpr float APPLE_HALF_WIDTH = 0.01f;
constexpr float APPLE_BOTTOM = 0.049f;
constexpr float APPLE_TOP = 0.51f;
constexpr float SLIDE_STEP = 0.3f; // twice a normal step of 0.15

Box3 boxAround(const Vec3& p, float halfHeight) {
    return Box3{p.x - HERO_HALF_WIDTH, p.y - HERO_HALF_WIDTH, p.z - halfHeight,
                p.x + HERO_HALF_WIDTH, p.y + HERO_HALF_WIDTH, p.z + halfHeight};
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

} // namespace

HeroStep Hero::tryMove(Board& board, Vec3 d) {
    HeroStep result;
    result.allowed = d;
    Vec3 p;
    vecAdd(p, position, d);
    const Box3 eatingBox = boxAround(p, EATING_HALF_HEIGHT);
    const Box3 bodyBox = boxAround(p, BODY_HALF_HEIGHT);
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            if (board.cellAt(row, col) == CELL_APPLE &&
                boxesOverlap(appleBox(row, col), eatingBox)) {
                board.eatApple(row, col);
                ++result.applesEaten;
                if (board.applesLeft <= 0) {
                    board.nextLevel();
                    position = HERO_START;
                    result.levelCleared = true;
                }
            }
            // Read again: a new layout may have a wall here.
            if (board.cellAt(row, col) != CELL_WALL || !boxesOverlap(wallBox(row, col), bodyBox))
                continue;
            if (slideGuard) {
                slideGuard = false;
                result.allowed = Vec3{};
                return result;
            }
            slideGuard = true;
            HeroStep slide =
                tryMove(board, slideAlong(position, cellCentre(row), cellCentre(col), d));
            slide.applesEaten += result.applesEaten;
            slide.levelCleared = slide.levelCleared || result.levelCleared;
            return slide;
        }
    }
    return result;
}
