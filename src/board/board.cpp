// The board's rules: the strict box overlap every collision test uses, the wall box of a
// cell, loading a layout and starting an eaten-apple effect. Drawing is board_draw.cpp.
//
// Box arithmetic is single precision throughout, so the same boxes give the same answer on
// every machine; cells follow the world grid of board.h.
#include "board/board.h"

#include "board/layouts.h"

#include <cmath>

float boardClock = 0.0f;

namespace {

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
    return Box3{float(row - 7), float(col - 7), 0.0f, float(row - 6), float(col - 6), 1.0f};
}

int Board::init() {
    level = 0;
    loadLevel();
    loadTextures(); // a missing picture has been reported; the board still plays
    return 1;
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
        burst.active = 0;
        burst.age = 0;
    }
}

void Board::addBurst(float x, float y, float z) {
    for (AppleBurst& burst : bursts) {
        if (burst.active == 0) {
            burst.age = 0;
            burst.active = 1;
            burst.position = Vec3{x, y, z};
            return;
        }
    }
    // All ten effects are running: this one is dropped.
}
