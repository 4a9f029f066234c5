// The Hero's motion between steps: turning, the jump and the idle bob, its ground height
// and the clamp that keeps it on the board.
//
// A jump lifts the stored z by 0.2 per frame for seven frames, lowers it for four and lands
// on the twelfth on the ground height found then: 0.5 over the floor, 1.5 over a wall. The
// bob moves the model, not the stored z, by 0.0125 per phase; the phase runs 0, 1, .. 9, 8,
// .. -9, -8, .. and so on, 36 frames to a full bob.
#include "hero/hero.h"

#include "board/board.h"

#include <cstdlib>

namespace {

constexpr float BOARD_MIN = -6.5f; // centres of the outer ring of cells
constexpr float BOARD_MAX = 7.5f;
constexpr float FLOOR_HEIGHT = 0.5f;
constexpr float WALL_TOP_HEIGHT = 1.5f;
constexpr float FOOT_HALF_WIDTH = 0.25f;
constexpr int JUMP_START_COUNTER = 5;
constexpr double JUMP_STEP = 0.2;
constexpr double BOB_SCALE = 0.0125; // model offset per bob phase
constexpr int BOB_LIMIT = 8;         // the step turns on phases 9 and -9

float clampToBoard(float v) {
    if (v <= BOARD_MIN)
        return BOARD_MIN;
    if (v >= BOARD_MAX)
        return BOARD_MAX;
    return v;
}

} // namespace

Hero::Hero() {
    matIdentity(orientation);
}

void Hero::start() {
    groundHeight = FLOOR_HEIGHT;
    jumping = false;
    position = HERO_START;
}

void Hero::turn(double angle) {
    orientation = turnedAboutZ(orientation, angle);
}

void Hero::startJump() {
    if (!jumping) {
        jumping = true;
        jumpCounter = JUMP_START_COUNTER;
    }
}

void Hero::advance(const Board& board) {
    position.x = clampToBoard(position.x);
    position.y = clampToBoard(position.y);
    updateGroundHeight(board);
    if (jumping)
        stepJump();
    else
        stepBob();
}

// Only a jump lifts the Hero onto a wall; standing or walking over a wall keeps the height
// it has, and leaving every wall drops it to the floor at once.
void Hero::updateGroundHeight(const Board& board) {
    Box3 foot{position.x - FOOT_HALF_WIDTH, position.y - FOOT_HALF_WIDTH, 0.0f,
              position.x + FOOT_HALF_WIDTH, position.y + FOOT_HALF_WIDTH, 1.0f};
    if (!board.touchesWall(foot))
        groundHeight = FLOOR_HEIGHT;
    else if (jumping)
        groundHeight = WALL_TOP_HEIGHT;
}

// The counter as it stood when this frame began: the fall starts once it is below 0 (after
// the seventh rise) and the jump ends once it is below -5 (the twelfth frame).
void Hero::stepJump() {
    int counter = jumpCounter;
    position.z = float(position.z + jumpDirection * JUMP_STEP);
    if (counter < 0)
        jumpDirection = -1;
    if (counter < -5) {
        jumping = false;
        position.z = groundHeight;
        jumpDirection = 1;
    }
    modelHeight = position.z;
    jumpCounter = counter - 1;
}

void Hero::stepBob() {
    position.z = groundHeight;
    modelHeight = float(groundHeight + bobPhase * BOB_SCALE);
    if (std::abs(bobPhase) > BOB_LIMIT)
        bobStep = -bobStep;
    bobPhase += bobStep;
}
