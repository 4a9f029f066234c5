// The Hero: its turn (orientation), its place, its jump and its textures and normals.
//
// orientation is a row-major Matrix4 whose row 0 is the heading, the unit direction of
// forward movement, always horizontal. position is the centre of the model in world units:
// z is 0.5 on the floor, 1.5 on a wall top, up to 1.4 higher in a jump. Movement and eating
// live in hero_move.cpp; drawing, the jump and the bob in the characters folder.
#pragma once

#include "math/vec_math.h"

#include <cstdint>
#include <vector>

class Board;
class GameState;

class Hero {
public:
    Hero();
    virtual ~Hero() = default;

    void init();
    int loadTextures();
    // Tests a requested step against walls and apples; returns the displacement allowed.
    Vec3 tryMove(Vec3 d);
    void startJump();
    void updateGroundHeight();
    void draw();

    Matrix4 orientation;
    Vec3 position;
    Board* board = nullptr;
    uint32_t shadowTexture = 0;
    uint32_t heroTexture = 0;
    GameState* game = nullptr;
    int jumping = 0;
    int jumpCounter = 0;
    float groundHeight = 0.5f;
    std::vector<Vec3> normals;
};

// Program-wide state of the Hero's rules and animation; none of it is ever reset.
extern int slideGuard;    // 1 after a successful slide until the next wall hit
extern int bobPhase;      // idle bob, between -9 and 9
extern int bobStep;       // +1 or -1
extern int jumpDirection; // +1 rising, -1 falling
