// The five enemies and their contact with the Hero.
//
// List order is the order of stepping, drawing and contact testing. `shown` keeps the
// enemies as the last play frame stepped them: the frame shows them there even when their
// contact with the Hero has sent them all back to the centre since.
#pragma once

#include "enemies/enemy.h"

#include <array>

constexpr int ENEMY_COUNT = 5;

class EnemyGroup {
public:
    // All five back at the centre, as new.
    void reset();
    // A play frame: every enemy steps; true when one of them then touches the Hero (one
    // contact a frame, however many touch).
    bool advance(const Board& board, Random& random, const Vec3& heroPosition);
    // Whether any enemy is closer than half a unit to the Hero, in all three dimensions.
    bool touches(const Vec3& heroPosition) const;

    std::array<Enemy, ENEMY_COUNT> list;
    std::array<Enemy, ENEMY_COUNT> shown;
};
