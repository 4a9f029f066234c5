// A world for the rules' tests, without a window or OpenGL: started as a run starts (level
// 0, the Hero at its start cell, the enemies at the centre), with helpers that reshape the
// board.
#pragma once

#include "world/game_state.h"

#include <gtest/gtest.h>

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override { world.start(); }

    Board& board() { return world.board; }
    Hero& hero() { return world.hero; }

    void loadLevel(int level) {
        board().level = level;
        board().loadLevel();
    }
    // Only the outer ring of walls; every other cell empty floor.
    void openBoard() {
        for (int r = 0; r < BOARD_SIZE; ++r)
            for (int c = 0; c < BOARD_SIZE; ++c)
                setCell(r, c, r == 0 || c == 0 || r == 14 || c == 14 ? CELL_WALL : CELL_EMPTY);
        board().applesLeft = 0;
    }
    void setCell(int row, int col, uint8_t code) { board().cells[row * BOARD_SIZE + col] = code; }
    void putApple(int row, int col) {
        setCell(row, col, CELL_APPLE);
        ++board().applesLeft;
    }
    // One whole timer call of the rules, a lost life applied as the game applies it.
    FrameNews frame() {
        FrameNews news = world.beginFrame();
        if (news.enemyContact)
            world.loseLife();
        world.endFrame(news.screen);
        return news;
    }

    GameState world;
};

inline void expectVec(const Vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}
