// An enemy's rules: its start state, one wandering step per play frame and its wall test.
//
// The constants are single-precision values; expressions are evaluated in double precision
// and rounded when stored, as the vector functions do.
#include "enemies/enemy.h"

#include "board/board.h"

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
const Vec3 START{0.0f, 0.0f, 0.75f}; // the corner shared by the four centre cells

} // namespace

void Enemy::start() {
    matIdentity(orientation);
    position = START;
    verticalSpeed = 0.0f;
}

void Enemy::step(const Board& board, Random& random) {
    Vec3 forward;
    vecScaled(forward, headingOf(orientation), FORWARD_STEP);
    if (blockedAt(board, forward))
        orientation = turnedAboutZ(orientation, random.below(8) * EIGHTH_TURN);
    else
        vecAdd(position, position, forward);

    verticalSpeed = float(((random.nextUnit() - 0.5) * DRIFT_GAIN + verticalSpeed) * DRIFT_DAMPING);
    position.z = float(double(position.z) + verticalSpeed);
    if (position.z > HIGHEST)
        position.z = HIGHEST;
    if (position.z < LOWEST)
        position.z = LOWEST;

    if (random.below(100) >= RANDOM_TURN_PERCENT)
        return;
    // The candidate turn is kept only when a short probe along its heading is free.
    Matrix4 candidate = turnedAboutZ(orientation, random.below(4) * QUARTER_TURN);
    Vec3 probe;
    vecScaled(probe, headingOf(candidate), TURN_PROBE);
    if (!blockedAt(board, probe))
        orientation = candidate;
}

bool Enemy::blockedAt(const Board& board, const Vec3& d) const {
    Vec3 p;
    vecAdd(p, position, d);
    return board.touchesWall(Box3{p.x - HALF_SIZE, p.y - HALF_SIZE, p.z - HALF_SIZE,
                                  p.x + HALF_SIZE, p.y + HALF_SIZE, p.z + HALF_SIZE});
}
