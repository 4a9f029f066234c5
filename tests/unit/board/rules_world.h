// A GameState wired for its rules alone, without a window or OpenGL: the links init would
// set, level 0 loaded, the Hero at its start cell, five enemies at the centre, and the
// program-wide state (generator, slide guard, held keys) back at its start values. Each test
// runs in a scratch folder, since the game state saves "scores.dat" when it goes.
#pragma once

#include "app/game_state.h"
#include "enemies/random.h"
#include "platform/clock.h"
#include "unit/scores/scratch_folder.h"

#include <memory>

class RulesWorld : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        // The lost-life pause moves a virtual clock instead of blocking for a second.
        platform::ProgramClock().Reset(true);
        owned_ = std::make_unique<GameState>();
        GameState& g = *owned_;
        g.hero.board = &g.board;
        g.hero.game = &g;
        g.enemies.board = &g.board;
        g.enemies.hero = &g.hero;
        g.enemies.game = &g;
        g.soundOn = 0;
        g.bestScores.reset();
        loadLevel(0);
        g.hero.position = Vec3{-5.5f, -5.5f, 0.5f};
        g.enemies.reset();
        randomState = 1;
        slideGuard = 0;
        KeyFlags = 0;
    }
    void TearDown() override {
        owned_.reset();
        ScratchFolder::TearDown();
    }

    GameState& game() { return *owned_; }
    Board& board() { return owned_->board; }
    Hero& hero() { return owned_->hero; }

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

    // What the tick's forward or backward step does: the allowed part is added.
    Vec3 step(Vec3 d) {
        Vec3 allowed = hero().tryMove(d);
        vecAdd(hero().position, hero().position, allowed);
        return allowed;
    }

private:
    std::unique_ptr<GameState> owned_;
};

inline void expectVec(const Vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}
