// The one record of the game world and the rules that advance it: the board, the Hero, the
// enemies, the camera, the generator, the held keys, the counters, the level banner, the
// best scores and the screen being shown.
//
// A timer call advances the world in the order a frame needs it: beginFrame applies the held
// keys and places the camera and, in play, moves the board's clock and the enemies; the
// owner then applies what it reports (sounds, a lost life with its pause and, at the end of
// a game, the name entry, during which further frames run); endFrame finishes a play frame
// with the Hero's jump or bob and the banner's count. Only then is the frame drawn, from
// this record alone. Nothing here touches OpenGL or the platform.
#pragma once

#include "board/board.h"
#include "camera/camera.h"
#include "enemies/enemy_group.h"
#include "hero/hero.h"
#include "math/random.h"
#include "scores/score_table.h"

#include <cstdint>

// Held keys, as bits of GameState::keys.
constexpr uint32_t KEY_UP = 0x01;
constexpr uint32_t KEY_DOWN = 0x02;
constexpr uint32_t KEY_RIGHT = 0x04;
constexpr uint32_t KEY_LEFT = 0x08;
constexpr uint32_t KEY_CTRL = 0x10;

// What is on screen: the title picture, the maze in play, or the title picture with the
// best scores after a game.
enum class Screen { Title, Play, Over };

constexpr int BANNER_FRAMES = 100; // "Level n" shows on frames 1 .. 101 after it is set

// What beginFrame reports to the owner.
struct FrameNews {
    Screen screen = Screen::Title; // the screen this frame shows, whatever happens in it
    int applesEaten = 0;
    bool enemyContact = false; // an enemy touches the Hero: a life is to be lost
};

class GameState {
public:
    // A fresh run: score 0, 3 lives, level 0, the Hero at its start, the enemies at theirs.
    void start();

    // The keyboard's part: held keys and the one-shot actions of Space, Shift, F2 and F3.
    void holdKeys(uint32_t bits) { keys |= bits; }
    void releaseKeys(uint32_t bits) { keys &= ~bits; }
    // Leaves the title or game-over screen; after a game, starts a new one.
    void pressSpace();
    // On the game-over screen: the best scores back to their defaults.
    void pressShift();
    // Return the new setting.
    bool toggleMusic();
    bool toggleSound();

    FrameNews beginFrame();
    // Applies an enemy's contact: the enemies back at the centre, the Hero back at its start
    // cell at its height, one life less, the title screen; true when that was the last life
    // and the game is over.
    bool loseLife();
    void endFrame(Screen shown);

    // One placement of the camera behind the Hero.
    void placeCamera();
    // Whether a play frame that has just ended shows the level banner.
    bool bannerShown() const { return levelBannerOn || levelBannerFrames > BANNER_FRAMES; }

    bool musicOn = true;
    bool soundOn = true;
    Camera camera;
    Board board;
    bool levelBannerOn = true;
    int levelBannerFrames = 0; // play frames the banner has shown
    Hero hero;
    EnemyGroup enemies;
    int lives = 3;
    int score = 0;
    ScoreTable bestScores;
    Screen screen = Screen::Title;
    uint32_t keys = 0;
    Random random;

private:
    void moveHero(double distance, FrameNews& news);
    void scoreApple();
    void clearLevel();
};
