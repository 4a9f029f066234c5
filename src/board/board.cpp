// The board's rules: the strict box overlap every collision test uses, loading a layout,
// eating an apple, the eaten-apple effects and the board's clock.
#include "board/board.h"

#include "board/layouts.h"

#include <cmath>

namespace {

constexpr float CLOCK_STEP = 10.0f;
constexpr int BURST_LAST_AGE = 20; // an effect shows on 21 frames, ages 0 .. 20
constexpr float BURST_HEIGHT = 0.5f;

// Overlap on one axis: the half extents together reach past the distance of the centres.
// A shared face gives equality, which does not count.
bool spansOverlap(float minA, float maxA, float minB, float maxB) {
    float centreA = (minA + maxA) * 0.5f;
    float centreB = (minB + maxB) * 0.5f;
    float halfA = (maxA - minA) * 0.5f;
    float halfB = (maxB - minB) * 0.5f;
    return halfA + halfB > std::fabs(centreA - centreB);
}

} // namespace

bool boxesOverlap(const Box3& a, const Box3& b) {
    return spansOverlap(a.minX, a.maxX, b.minX, b.maxX) &&
           spansOverlap(a.minY, a.maxY, b.minY, b.maxY) &&
           spansOverlap(a.minZ, a.maxZ, b.minZ, b.maxZ);
}

Box3 wallBox(int row, int col) {
    return Box3{cellLow(row), cellLow(col), 0.0f, cellLow(row) + 1, cellLow(col) + 1, 1.0f};
}

void Board::start() {
    level = 0;
    loadLevel();
}

void Board::loadLevel() {
    const Layout& layout = LEVEL_LAYOUTS[level];
    applesLeft = 0;
    for (int i = 0; i < CELL_COUNT; ++i) {
        cells[i] = layout[i];
        if (cells[i] == CELL_APPLE)
            ++applesLeft;
    }
    // Positions keep their old values: an inactive slot's position is never read.
    for (AppleBurst& burst : bursts) {
        burst.active = false;
        burst.age = 0;
    }
}

void Board::nextLevel() {
    level = (level + 1) % LEVEL_COUNT;
    loadLevel();
}

void Board::eatApple(int row, int col) {
    cells[row * BOARD_SIZE + col] = CELL_EMPTY;
    --applesLeft;
    addBurst(cellCentre(row), cellCentre(col), BURST_HEIGHT);
}

void Board::addBurst(float x, float y, float z) {
    for (AppleBurst& burst : bursts) {
        if (!burst.active) {
            burst.age = 0;
            burst.active = true;
            burst.position = Vec3{x, y, z};
            return;
        }
    }
    // All ten effects are running: this one is dropped.
}

void Board::advance(Random& random) {
    clock += CLOCK_STEP;
    for (AppleBurst& burst : bursts) {
        burst.shownAge = burst.active ? burst.age : -1;
        if (burst.active && ++burst.age > BURST_LAST_AGE) {
            burst.age = 0;
            burst.active = false;
        }
    }
    for (int i = 0; i < CELL_COUNT; ++i)
        if (cells[i] == CELL_APPLE)
            wobble[i] = uint16_t(random.next());
}

bool Board::touchesWall(const Box3& box) const {
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            if (cellAt(row, col) == CELL_WALL && boxesOverlap(wallBox(row, col), box))
                return true;
    return false;
}
