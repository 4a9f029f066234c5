// One wandering enemy: where it is, where it heads and how fast it drifts up and down.
//
// position is the centre of the enemy's base in world units (z its height above the floor,
// kept within [0.2, 1.0]); row 0 of orientation is the heading, turned only about z. The
// enemy points at the compiled-in mesh and at the board and game it belongs to; it owns none
// of them.
#pragma once

#include "math/vec_math.h"

#include <cstdint>

class Board;
class GameState;
struct MeshVertex;
struct MeshTriangle;

class Enemy {
public:
    virtual ~Enemy() = default;

    int init();
    void step();
    bool blockedAt(const Vec3& d) const;
    // Steps, then draws when on screen (enemy_draw.cpp).
    void draw();

    Vec3 position;
    Matrix4 orientation;
    Board* board = nullptr;
    GameState* game = nullptr;
    uint32_t texture = 0;
    float verticalSpeed = 0;
    const MeshVertex* vertices = nullptr;
    const MeshTriangle* indices = nullptr;
    int triangleCount = 0;
};
