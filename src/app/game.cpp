// The game's start-up and end, its keyboard filter, and the timer call that advances the
// world and draws it. See game.h.
#include "app/game.h"

#include "app/name_dialog.h"
#include "camera/camera_draw.h"
#include "images/texture_upload.h"
#include "platform/dialog.h"
#include "platform/gl_context.h"
#include "platform/system.h"

#include <GL/gl.h>

namespace {

constexpr const char* TITLE_PICTURE = "First.jpg";
constexpr const char* EAT_SOUND = "eat.wav";
constexpr const char* DEATH_SOUND = "death.wav";
constexpr const char* GAME_OVER_SOUND = "over.wav";
constexpr uint32_t LOST_LIFE_PAUSE_MS = 1000;
const char* const NAME_OF_NOBODY = "SuperHero"; // stored for an empty or cancelled name

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

Game::~Game() {
    platform::ShowCursor(true);
    world.bestScores.save();
}

void Game::init(platform::Dialog& mainWindow) {
    setUpScene();
    world.bestScores.load();
    world.start();
    looks.board = loadBoardLook();
    looks.hero = loadHeroLook();
    platform::BuildFontLists(0, FONT_CODE_COUNT, FONT_LIST_BASE, FONT_PIXEL_HEIGHT);
    glListBase(FONT_LIST_BASE);
    music.Create(&mainWindow);
    music.start();
    loadEnemyLook(looks.enemies); // a missing picture has been reported; the enemies play on
    looks.titleTexture = loadTitleTexture(TITLE_PICTURE);
    platform::ShowCursor(false);
}

void Game::resize(int width, int height) {
    world.camera.viewport.resize(width, height);
    setUpScene();
}

// Before the context exists (the first size arrives while the window is placed) the GL
// calls do nothing, but the camera is placed all the same.
void Game::setUpScene() {
    setFixedGlState();
    world.placeCamera();
    world.placeCamera();
    loadCamera(world.camera);
}

void Game::keyDown(int virtualKey) {
    world.holdKeys(heldKeyBit(virtualKey));
    if (virtualKey == platform::VK_F2) {
        if (world.toggleMusic())
            music.start();
        else
            music.stop();
    } else if (virtualKey == platform::VK_F3) {
        world.toggleSound();
    } else if (virtualKey == platform::VK_SPACE) {
        world.pressSpace();
    } else if (virtualKey == platform::VK_SHIFT) {
        world.pressShift();
    }
}

void Game::keyUp(int virtualKey) {
    world.releaseKeys(heldKeyBit(virtualKey));
}

void Game::tick() {
    holdMusicWhilePaused();
    if (paused()) {
        drawFrame(world, Screen::Play, looks, true);
        return;
    }
    FrameNews news = world.beginFrame();
    if (news.applesEaten > 0)
        playSound(EAT_SOUND);
    if (news.enemyContact)
        loseLife();
    world.endFrame(news.screen);
    drawFrame(world, news.screen, looks, false);
}

// The music holds where it is while the game is paused and plays on from there after.
void Game::holdMusicWhilePaused() {
    if (paused() && !music.paused())
        music.pause();
    else if (!paused() && music.paused())
        music.resume();
}

void Game::playSound(const char* fileName) const {
    if (world.soundOn)
        platform::PlaySound(fileName);
}

// The enemies' picture is read again before they are reset; the thread then stands still
// for a second. The last life ends the game and asks for a name when the score earns a place.
void Game::loseLife() {
    playSound(DEATH_SOUND);
    loadEnemyLook(looks.enemies);
    bool over = world.loseLife();
    platform::Sleep(LOST_LIFE_PAUSE_MS);
    if (!over)
        return;
    playSound(GAME_OVER_SOUND);
    enterBestScore();
}

// The name dialog runs its own loop, in which the timer calls go on (the game-over screen
// with the best list). Whatever closed it (Return, Escape, the close box or the program
// ending), an empty name takes the place as "SuperHero", so the table that is saved never
// holds the shifted entry twice.
void Game::enterBestScore() {
    ScoreTable& table = world.bestScores;
    int place = table.findRank(world.score);
    if (place < 0)
        return;
    table.makeRoom(place);
    NameDialog dialog;
    dialog.DoModal();
    table.set(place, dialog.name.empty() ? NAME_OF_NOBODY : dialog.name, world.score);
}
