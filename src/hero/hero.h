// The Hero: its turn, its place, its jump and idle bob, and the slide guard of its walk.
//
// orientation is a row-major Matrix4 whose row 0 is the heading, the unit direction of
// forward movement, always horizontal. position is the centre of the model in world units:
// z is 0.5 on the floor, 1.5 on a wall top, up to 1.4 higher in a jump. The bob, the jump
// direction and the slide guard live as long as the Hero, which lives as long as the game:
// no lost life, level or new game resets them. Moving (tryMove) is hero_move.cpp; drawing
// is hero_draw.cpp.
#pragma once

#include "math/vec_math.h"

class Board;

// The centre of cell (1, 1) on the floor, where every level starts.
constexpr Vec3 HERO_START{-5.5f, -5.5f, 0.5f};

// What one requested step did. The board has already changed (apples eaten, the next level
// loaded); the owner adds the score, the lives and the rest.
struct HeroStep {
    Vec3 allowed;        // the displacement to add to position
    int applesEaten = 0; // in scan order; each is worth its points separately
    bool levelCleared = false;
};

class Hero {
public:
    Hero();

    // The start of a run: on the floor of the start cell, not jumping.
    void start();
    // Tests the step d against the board's walls and apples and eats what it reaches; does
    // not move the Hero, except back to HERO_START when the last apple starts a new level.
    HeroStep tryMove(Board& board, Vec3 d);
    // Turns the heading by angle radians about z.
    void turn(double angle);
    // Starts a jump unless one is running.
    void startJump();
    // A play frame: kept on the board, the ground height found, then one frame of the jump
    // or, standing, of the bob.
    void advance(const Board& board);

    Matrix4 orientation;
    Vec3 position;
    bool jumping = false;
    int jumpCounter = 0; // counts down once per frame of a jump, from 5
    float groundHeight = 0.5f;
    bool slideGuard = false; // set after a successful slide until the next wall hit
    int bobPhase = 0;        // idle bob, -9 .. 9
    int bobStep = 1;         // +1 or -1
    int jumpDirection = 1;   // +1 rising, -1 falling
    // Where the model stood in the last play frame: the jump height, or the ground plus
    // the bob, which moves only the picture.
    float modelHeight = 0.5f;

private:
    void updateGroundHeight(const Board& board);
    void stepJump();
    void stepBob();
};
