// The maze of the current level: 15 x 15 cells, the level index, the apples still on the
// board, the pool of eaten-apple effects and the board's four texture names.
//
// World units: one cell is one unit; z is up. The cell at row r, column c (0..14) covers
// x in [r - 7, r - 6] and y in [c - 7, c - 6], its centre is (r - 6.5, c - 6.5); a wall
// fills z from 0 to 1 and the floor is z = 0. cells[r * 15 + c] holds the cell's code.
// The board owns nothing on the heap; its textures belong to the OpenGL context.
#pragma once

#include "math/vec_math.h"

#include <cstdint>

constexpr int BOARD_SIZE = 15;
constexpr int CELL_COUNT = BOARD_SIZE * BOARD_SIZE;
constexpr int LEVEL_COUNT = 20;
constexpr int MAX_BURSTS = 10;

constexpr uint8_t CELL_WALL = 0;
constexpr uint8_t CELL_EMPTY = 1;
constexpr uint8_t CELL_APPLE = 2;

// An axis-aligned box: minimum x, y, z, then maximum x, y, z.
struct Box3 {
    float minX, minY, minZ, maxX, maxY, maxZ;
};

// Strict overlap on all three axes: boxes that only touch do not overlap.
bool boxesOverlap(const Box3& a, const Box3& b);

// The solid block of the wall cell at (row, col).
Box3 wallBox(int row, int col);

// One slot of the eaten-apple effect.
struct AppleBurst {
    int active = 0;
    int age = 0;
    Vec3 position;
};

class Board {
public:
    virtual ~Board() = default;

    int init();
    void loadLevel();
    void addBurst(float x, float y, float z);
    int loadTextures();
    // Draws the board and advances its clock and effects (board_draw.cpp).
    void draw();

    uint8_t cellAt(int row, int col) const { return cells[row * BOARD_SIZE + col]; }

    uint8_t cells[CELL_COUNT] = {};
    int level = 0;
    uint32_t floorTexture = 0;
    uint32_t wallTexture = 0;
    uint32_t wallTopTexture = 0;
    uint32_t landscapeTexture = 0;
    int applesLeft = 0;
    AppleBurst bursts[MAX_BURSTS];
};

// The program-wide drawing clock: +10 per drawn board frame, never reset.
extern float boardClock;
