// The maze of the current level: 15 x 15 cells, the level index, the apples still on the
// board, the pool of eaten-apple effects and the board's clock, with what the last frame
// showed of them (each burst's age, each apple's wobble).
//
// World units: one cell is one unit; z is up. The cell at row r, column c (0..14) covers
// x in [r - 7, r - 6] and y in [c - 7, c - 6], its centre is (r - 6.5, c - 6.5); a wall
// fills z from 0 to 1 and the floor is z = 0. cells[r * 15 + c] holds the cell's code.
// Box arithmetic is single precision, so the same boxes give the same answer everywhere.
#pragma once

#include "math/random.h"
#include "math/vec_math.h"

#include <cstdint>

constexpr int BOARD_SIZE = 15;
constexpr int CELL_COUNT = BOARD_SIZE * BOARD_SIZE;
constexpr int LEVEL_COUNT = 20;
constexpr int MAX_BURSTS = 10;

constexpr uint8_t CELL_WALL = 0;
constexpr uint8_t CELL_EMPTY = 1;
constexpr uint8_t CELL_APPLE = 2;

// The low edge of row (or column) index along x (or y): the board spans -7 .. 8.
constexpr float cellLow(int index) {
    return float(index - 7);
}
constexpr float cellCentre(int index) {
    return float(index) - 6.5f;
}

// An axis-aligned box: minimum x, y, z, then maximum x, y, z.
struct Box3 {
    float minX, minY, minZ, maxX, maxY, maxZ;
};

// Strict overlap on all three axes: boxes that only touch do not overlap.
bool boxesOverlap(const Box3& a, const Box3& b);

// The solid block of the cell at (row, col) when it is a wall.
Box3 wallBox(int row, int col);

// One slot of the eaten-apple effect. shownAge is the age the last board frame drew it at,
// -1 when that frame did not draw it.
struct AppleBurst {
    bool active = false;
    int age = 0;
    Vec3 position;
    int shownAge = -1;
};

class Board {
public:
    // Level 0, its layout loaded.
    void start();
    // Copies layout `level` into the cells, recounts the apples, stops every effect.
    void loadLevel();
    // The next layout (after the last one the first again), loaded.
    void nextLevel();
    // Takes the apple at (row, col): the cell becomes floor and an effect starts there.
    void eatApple(int row, int col);
    void addBurst(float x, float y, float z);
    // A board frame: the clock moves on, each running effect ages (and shows its age before
    // that), and each apple draws its wobble from the generator, in row-major order.
    void advance(Random& random);

    uint8_t cellAt(int row, int col) const { return cells[row * BOARD_SIZE + col]; }
    // True when box overlaps the block of any wall cell.
    bool touchesWall(const Box3& box) const;

    uint8_t cells[CELL_COUNT] = {};
    int level = 0;
    int applesLeft = 0;
    AppleBurst bursts[MAX_BURSTS];
    // +10 per board frame, never reset: t = clock * 0.001 scrolls the textures and the
    // clock itself, in degrees, spins the apples.
    float clock = 0.0f;
    // Each apple cell's draw from the generator in the last board frame, 0 .. 32767.
    uint16_t wobble[CELL_COUNT] = {};
};
