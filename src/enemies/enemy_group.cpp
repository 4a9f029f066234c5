// The enemy group's rules: the five enemies' start, their steps each play frame and the
// contact test with the Hero. Distances are in world units, computed in double precision
// from the stored floats.
#include "enemies/enemy_group.h"

namespace {

constexpr double CONTACT_DISTANCE_SQUARED = 0.25; // closer than 0.5 units

double distanceSquared(const Vec3& a, const Vec3& b) {
    double dx = double(a.x) - b.x;
    double dy = double(a.y) - b.y;
    double dz = double(a.z) - b.z;
    return dx * dx + dy * dy + dz * dz;
}

} // namespace

void EnemyGroup::reset() {
    for (Enemy& enemy : list)
        enemy.start();
}

bool EnemyGroup::advance(const Board& board, Random& random, const Vec3& heroPosition) {
    for (Enemy& enemy : list)
        enemy.step(board, random);
    shown = list;
    return touches(heroPosition);
}

bool EnemyGroup::touches(const Vec3& heroPosition) const {
    for (const Enemy& enemy : list)
        if (distanceSquared(enemy.position, heroPosition) < CONTACT_DISTANCE_SQUARED)
            return true;
    return false;
}
