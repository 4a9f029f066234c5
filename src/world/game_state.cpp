// The world's rules per timer call: the held keys in their fixed order (Up, Down, Right,
// Left, Ctrl), scoring, the level change, the loss of a life, the Hero's and the banner's
// frames. See game_state.h for the order of a frame.
//
// A step is 0.15 units along the heading and a turn 0.13 rad about z, both single-precision
// values handed on as doubles. An apple is worth 5 points and every multiple of 500 points
// gives a life; so does every cleared level.
#include "world/game_state.h"

namespace {

constexpr double STEP = 0.15000000596046448; // 0.15f
constexpr double TURN = 0.12999999523162842; // 0.13f
constexpr int POINTS_PER_APPLE = 5;
constexpr int POINTS_PER_EXTRA_LIFE = 500; // one life per 100 apples
constexpr int STARTING_LIVES = 3;

} // namespace

void GameState::start() {
    score = 0;
    lives = STARTING_LIVES;
    board.start();
    hero.start();
    enemies.reset();
}

void GameState::pressSpace() {
    if (screen == Screen::Play)
        return;
    // A key held through the change acts again only with its next key-down.
    keys = 0;
    if (screen == Screen::Over) {
        lives = STARTING_LIVES;
        board.level = 0;
        board.loadLevel();
        score = 0;
    }
    screen = Screen::Play;
}

void GameState::pressShift() {
    if (screen == Screen::Over)
        bestScores.reset();
}

bool GameState::toggleMusic() {
    musicOn = !musicOn;
    return musicOn;
}

bool GameState::toggleSound() {
    soundOn = !soundOn;
    return soundOn;
}

FrameNews GameState::beginFrame() {
    FrameNews news;
    if (screen != Screen::Over) {
        if (keys & KEY_UP)
            moveHero(STEP, news);
        if (keys & KEY_DOWN)
            moveHero(-STEP, news);
        if (keys & KEY_RIGHT)
            hero.turn(-TURN);
        if (keys & KEY_LEFT)
            hero.turn(TURN);
        if (keys & KEY_CTRL)
            hero.startJump();
    }
    news.screen = screen;
    placeCamera();
    if (screen == Screen::Play) {
        board.advance(random);
        news.enemyContact = enemies.advance(board, random, hero.position);
    }
    return news;
}

bool GameState::loseLife() {
    enemies.reset();
    hero.position.x = HERO_START.x; // the Hero keeps its height
    hero.position.y = HERO_START.y;
    --lives;
    screen = lives == 0 ? Screen::Over : Screen::Title;
    return screen == Screen::Over;
}

void GameState::endFrame(Screen shown) {
    if (shown != Screen::Play)
        return;
    hero.advance(board);
    if (!levelBannerOn)
        levelBannerFrames = 0;
    else if (++levelBannerFrames > BANNER_FRAMES)
        levelBannerOn = false;
}

void GameState::placeCamera() {
    camera.follow(hero.position, headingOf(hero.orientation));
}

// tryMove may have put the Hero back at a level's start: the step adds to where it is now.
void GameState::moveHero(double distance, FrameNews& news) {
    Vec3 d;
    vecScaled(d, headingOf(hero.orientation), distance);
    HeroStep step = hero.tryMove(board, d);
    for (int i = 0; i < step.applesEaten; ++i)
        scoreApple();
    if (step.levelCleared)
        clearLevel();
    news.applesEaten += step.applesEaten;
    vecAdd(hero.position, hero.position, step.allowed);
}

void GameState::scoreApple() {
    score += POINTS_PER_APPLE;
    if (score % POINTS_PER_EXTRA_LIFE == 0)
        ++lives;
}

// The board has loaded the next layout and the Hero stands at its start: one more life,
// the banner for the new level, the enemies back at the centre.
void GameState::clearLevel() {
    ++lives;
    levelBannerOn = true;
    enemies.reset();
}
