// The one record of the game world: board, Hero, enemies, music host, counters, best
// scores, camera and viewport values and the flags that select the screen.
//
// Screens: title (waitingForSpace 1, gameOver 0), play (waitingForSpace 0) and game over
// (waitingForSpace 1, gameOver 1). The tick applies the held keys (KeyFlags) and then draws
// one frame; the drawing itself advances the world (enemies, jump, bob, banner). GameState
// owns its members by value; the Hero and the enemy group link back to it and to the board.
#pragma once

#include "board/board.h"
#include "board/hero.h"
#include "enemies/enemy_group.h"
#include "math/vec_math.h"
#include "music/music_dialog.h"
#include "scores/score_table.h"

#include <cstdint>

namespace platform {
class Dialog;
}

// Held keys, program-wide.
constexpr uint32_t KEY_UP = 0x01;
constexpr uint32_t KEY_DOWN = 0x02;
constexpr uint32_t KEY_RIGHT = 0x04;
constexpr uint32_t KEY_LEFT = 0x08;
constexpr uint32_t KEY_CTRL = 0x10;
extern uint32_t KeyFlags;

// The camera's smoothed viewing direction, program-wide, never reset.
extern Vec3 followDir;

class GameState {
public:
    GameState() = default;
    virtual ~GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    // mainWindow owns the music host window.
    int init(platform::Dialog& mainWindow);
    void setViewport(int width, int height);
    int initGlState();

    // The keyboard filter's key-down and key-up actions for one virtual-key code.
    void keyDown(int virtualKey);
    void keyUp(int virtualKey);
    // One 25 ms tick: held keys, then one frame.
    void tick();

    void moveForward();
    void moveBackward();
    void turnLeft();
    void turnRight();
    void jump();
    void toggleMusic();
    void toggleSound();
    void playSound(int code);
    void renderFrame();
    void enterBestScore();
    void loadTitleImage();

    void updateCamera();
    bool projectToScreen(const Vec3& p, int& x, int& y) const;
    bool isOnScreen(const Vec3& p) const;
    void pixelToWorld(int x, int y, Vec3& out) const;

    int musicOn = 1;
    int soundOn = 1;
    Vec3 cameraUp{0, 0, 1};
    Vec3 eye{15, 15, 15};
    Vec3 target{0, 0, 0};
    float aspect = 1.0f;
    int viewportWidth = 0;
    int viewportHeight = 0;
    Board board;
    int levelBannerOn = 1;
    int levelBannerFrames = 0;
    Hero hero;
    EnemyGroup enemies;
    MusicDialog music;
    int lives = 3;
    int gameOver = 0;
    int score = 0;
    ScoreTable bestScores;
    uint32_t titleTexture = 0;
    int waitingForSpace = 1;
};
