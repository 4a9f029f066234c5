// One wandering enemy: where it is, where it heads and how fast it drifts up and down.
//
// position is the centre of the enemy's base in world units (z its height above the floor,
// kept within [0.2, 1.0]); row 0 of orientation is the heading, turned only about z. Each
// step draws 2, 3 or 4 numbers from the game's generator in a fixed order (a turn when
// blocked, the height drift, the chance of a random turn, and that turn), so the sequence
// is part of the rules.
#pragma once

#include "math/random.h"
#include "math/vec_math.h"

class Board;

class Enemy {
public:
    // At the board's centre, 0.75 up, heading along +x, not drifting.
    void start();
    // One wandering step: forward unless a wall is in the way (then a random turn), the
    // height drift, and now and then a random right-angle turn.
    void step(const Board& board, Random& random);
    // True when the enemy's box, moved by d, overlaps a wall.
    bool blockedAt(const Board& board, const Vec3& d) const;

    Vec3 position;
    Matrix4 orientation;
    float verticalSpeed = 0;
};
