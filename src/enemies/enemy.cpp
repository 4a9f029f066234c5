// An enemy's rules: its start state, one wandering step per play frame and its wall test.
//
// Each step draws 2, 3 or 4 numbers from the shared generator in a fixed order (a turn when
// blocked, the height drift, the chance of a random turn, and that turn), so the sequence is
// part of the rules. Turns are about z only and build their rotation on a fresh identity,
// as the Hero's do; the heading is row 0 of orientation. The constants are single-precision
// values; expressions are evaluated in double precision and rounded when stored, as the
// vector functions do.
#include "enemies/enemy.h"

#include "board/board.h"
#include "enemies/random.h"

namespace {

constexpr double FORWARD_STEP = 0.11538462420187086; // about 3/26 of a cell
constexpr double TURN_PROBE = 0.07500000298023224;   // 0.075f
constexpr double EIGHTH_TURN = 0.7853981852531433;   // 0.7853982f, pi / 4
constexpr double QUARTER_TURN = 1.5707963705062866;  // 1.5707964f, pi / 2
constexpr double DRIFT_GAIN = 7.5;
constexpr double DRIFT_DAMPING = 0.01666666753590107; // 0.016666668f, 1 / 60
constexpr float HIGHEST = 1.0f;
constexpr float LOWEST = 0.2f;
constexpr int RANDOM_TURN_PERCENT = 5;
constexpr float HALF_SIZE = 0.25f;

// One fresh generator value scaled into [0, 1).
double unitRandom() {
    return nextRandom() / 32768.0;
}

// trunc(u * n): an integer 0 .. n - 1.
int randomBelow(int n) {
    return int(unitRandom() * n);
}

Vec3 headingOf(const Matrix4& m) {
    return Vec3{m.m[0], m.m[1], m.m[2]};
}

// orientation * Rz(angle), the turn by angle counter-clockwise seen from above.
Matrix4 turned(const Matrix4& orientation, double angle) {
    Matrix4 rotation;
    matIdentity(rotation);
    matRotateXYZ(rotation, 0.0, 0.0, angle);
    Matrix4 result;
    matMultiply(result, orientation, rotation);
    return result;
}

} // namespace

int Enemy::init() {
    matIdentity(orientation);
    position = Vec3{0.0f, 0.0f, 0.75f};
    verticalSpeed = 0.0f;
    return 1;
}

void Enemy::step() {
    Vec3 forward;
    vecScaled(forward, headingOf(orientation), FORWARD_STEP);
    if (blockedAt(forward))
        orientation = turned(orientation, randomBelow(8) * EIGHTH_TURN);
    else
        vecAdd(position, position, forward);

    verticalSpeed = float(((unitRandom() - 0.5) * DRIFT_GAIN + verticalSpeed) * DRIFT_DAMPING);
    position.z = float(double(position.z) + verticalSpeed);
    if (position.z > HIGHEST)
        position.z = HIGHEST;
    if (position.z < LOWEST)
        position.z = LOWEST;

    if (randomBelow(100) >= RANDOM_TURN_PERCENT)
        return;
    // The candidate turn is kept only when a short probe along its heading is free.
    Matrix4 candidate = turned(orientation, randomBelow(4) * QUARTER_TURN);
    Vec3 probe;
    vecScaled(probe, headingOf(candidate), TURN_PROBE);
    if (!blockedAt(probe))
        orientation = candidate;
}

bool Enemy::blockedAt(const Vec3& d) const {
    Vec3 p;
    vecAdd(p, position, d);
    const Box3 box{p.x - HALF_SIZE, p.y - HALF_SIZE, p.z - HALF_SIZE,
                   p.x + HALF_SIZE, p.y + HALF_SIZE, p.z + HALF_SIZE};
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            if (board->cellAt(row, col) == CELL_WALL && boxesOverlap(wallBox(row, col), box))
                return true;
    return false;
}
