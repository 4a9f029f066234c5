// The game state's side of the keyboard and the tick: the key-down and key-up table that
// turns keys into held-key bits (KeyFlags) and one-shot actions, the tick that applies the
// held keys, the Hero's moves and turns, the sound and music switches and the entry of a
// new best score.
//
// A step is 0.15 units along the heading and a turn 0.13 rad about z, both single-precision
// values handed on as doubles. The heading is row 0 of the Hero's orientation.
#include "app/game_state.h"
#include "board/sounds.h"
#include "platform/dialog.h"
#include "platform/system.h"
#include "scores/name_dialog.h"

uint32_t KeyFlags = 0;

namespace {

constexpr double STEP = 0.15000000596046448;    // 0.15f
constexpr double TURN = 0.12999999523162842;    // 0.13f
const char* const NAME_OF_NOBODY = "SuperHero"; // stored for an empty or cancelled name

Vec3 heroHeading(const Hero& hero) {
    return Vec3{hero.orientation.m[0], hero.orientation.m[1], hero.orientation.m[2]};
}

void moveHero(Hero& hero, double distance) {
    Vec3 d;
    vecScaled(d, heroHeading(hero), distance);
    Vec3 allowed = hero.tryMove(d);
    // tryMove may have put the Hero back at a level's start: add to where it is now.
    vecAdd(hero.position, hero.position, allowed);
}

void turnHero(Hero& hero, double angle) {
    Matrix4 rotation;
    matIdentity(rotation);
    matRotateXYZ(rotation, 0.0, 0.0, angle);
    Matrix4 turned;
    matMultiply(turned, hero.orientation, rotation);
    hero.orientation = turned;
}

uint32_t heldKeyBit(int virtualKey) {
    switch (virtualKey) {
    case platform::VK_UP:
        return KEY_UP;
    case platform::VK_DOWN:
        return KEY_DOWN;
    case platform::VK_LEFT:
        return KEY_LEFT;
    case platform::VK_RIGHT:
        return KEY_RIGHT;
    case platform::VK_CONTROL:
        return KEY_CTRL;
    default:
        return 0;
    }
}

} // namespace

void GameState::keyDown(int virtualKey) {
    KeyFlags |= heldKeyBit(virtualKey);
    if (virtualKey == platform::VK_F2) {
        toggleMusic();
    } else if (virtualKey == platform::VK_F3) {
        toggleSound();
    } else if (virtualKey == platform::VK_SPACE && waitingForSpace == 1) {
        // A key held through the change acts again only with its next key-down.
        KeyFlags = 0;
        waitingForSpace = 0;
        if (gameOver == 1) {
            gameOver = 0;
            lives = 3;
            board.level = 0;
            board.loadLevel();
            score = 0;
        }
    } else if (virtualKey == platform::VK_SHIFT && gameOver == 1) {
        bestScores.reset();
    }
}

void GameState::keyUp(int virtualKey) {
    KeyFlags &= ~heldKeyBit(virtualKey);
}

void GameState::tick() {
    if (gameOver == 0) {
        if (KeyFlags & KEY_UP)
            moveForward();
        if (KeyFlags & KEY_DOWN)
            moveBackward();
        if (KeyFlags & KEY_RIGHT)
            turnRight();
        if (KeyFlags & KEY_LEFT)
            turnLeft();
        if (KeyFlags & KEY_CTRL)
            jump();
    }
    renderFrame();
}

void GameState::moveForward() {
    moveHero(hero, STEP);
}

void GameState::moveBackward() {
    moveHero(hero, -STEP);
}

void GameState::turnLeft() {
    turnHero(hero, TURN);
}

void GameState::turnRight() {
    turnHero(hero, -TURN);
}

void GameState::jump() {
    hero.startJump();
}

void GameState::toggleMusic() {
    musicOn = !musicOn;
    if (musicOn)
        music.start();
    else
        music.stop();
}

void GameState::toggleSound() {
    soundOn = !soundOn;
}

void GameState::playSound(int code) {
    if (soundOn == 0)
        return;
    if (code == SOUND_EAT)
        platform::PlaySound("eat.wav");
    else if (code == SOUND_DEATH)
        platform::PlaySound("death.wav");
    else if (code == SOUND_GAME_OVER)
        platform::PlaySound("over.wav");
}

void GameState::enterBestScore() {
    int place = bestScores.findRank(score);
    if (place < 0)
        return;
    bestScores.makeRoom(place);
    // Run to the end whatever closed it: Return, Escape, the close box or the program
    // ending. An empty name (nothing accepted) takes the place as "SuperHero", so the table
    // that is saved never holds the shifted entry twice.
    NameDialog dialog;
    dialog.DoModal();
    bestScores.set(place, dialog.name.empty() ? NAME_OF_NOBODY : dialog.name, score);
}
