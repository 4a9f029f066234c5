// The five enemies, their shared texture and the contact test with the Hero.
//
// The group owns its enemies (list order is the order of stepping, drawing and contact
// testing); it links to the board, the Hero and the game without owning them. It is reset at
// start, after every lost life and at every level change.
#pragma once

#include "enemies/enemy.h"

#include <cstdint>
#include <memory>
#include <vector>

class Board;
class Hero;
class GameState;

constexpr int ENEMY_COUNT = 5;

class EnemyGroup {
public:
    virtual ~EnemyGroup() = default;

    int init();
    void reset();
    void frame();
    void checkCollisions();
    // Reads "Enemy1.bmp" into a new texture (enemy_draw.cpp); 1 loaded, 0 failed. The name
    // it replaces becomes retiredTexture.
    int loadTexture();
    // Deletes retiredTexture; called once reset has given every enemy the new name.
    void releaseRetiredTexture();

    std::vector<std::unique_ptr<Enemy>> list;
    uint32_t texture = 0;
    uint32_t retiredTexture = 0; // the previous texture, until no enemy uses it
    Board* board = nullptr;
    Hero* hero = nullptr;
    GameState* game = nullptr;
};
