// One timer call of the world: what moves on which screen, scoring and the level change,
// the loss of a life and the end of a game, and the level banner's count.
#include "support/test_world.h"

#include <cmath>

namespace {

class Frames : public WorldTest {
protected:
    void play() { world.screen = Screen::Play; }
    // Enemies far from the Hero's walk, so a frame is all play.
    void sendEnemiesAway() {
        for (Enemy& e : world.enemies.list)
            e.position = Vec3{6.5f, 6.5f, 0.75f};
    }
};

TEST_F(Frames, OnTheTitleOnlyTheCameraMoves) {
    const GameState before = world;
    FrameNews news = frame();
    EXPECT_EQ(news.screen, Screen::Title);
    EXPECT_EQ(world.random.state(), before.random.state());
    EXPECT_EQ(world.board.clock, 0.0f);
    EXPECT_EQ(world.hero.bobPhase, 0);
    EXPECT_EQ(world.levelBannerFrames, 0);
    EXPECT_NE(world.camera.followDir.x, before.camera.followDir.x);
}

TEST_F(Frames, APlayFrameMovesTheBoardTheEnemiesTheHeroAndTheBanner) {
    play();
    frame();
    EXPECT_EQ(world.board.clock, 10.0f);
    EXPECT_EQ(world.hero.bobPhase, 1);
    EXPECT_EQ(world.levelBannerFrames, 1);
    EXPECT_NE(world.enemies.list[0].position.z, 0.75f);
}

TEST_F(Frames, EveryFiveHundredPointsAndEveryLevelGiveALife) {
    play();
    sendEnemiesAway();
    openBoard();
    for (int c = 2; c <= 12; ++c)
        putApple(7, c); // centres (0.5, c - 6.5), one unit apart
    hero().position = Vec3{0.5f, -5.5f, 0.5f};
    hero().turn(1.5707963705062866); // facing +y
    world.score = 490;
    world.holdKeys(KEY_UP);
    const int lives = world.lives;
    int eaten = 0;
    for (int tick = 0; tick < 100 && board().level == 0; ++tick) {
        sendEnemiesAway();
        eaten += frame().applesEaten;
        if (board().level == 0) {
            ASSERT_EQ(world.lives, lives + (world.score >= 500)) << "at " << world.score;
        }
    }
    EXPECT_EQ(eaten, 11);
    // The eleventh apple was the last: 545 points, the next level, one more life, the banner.
    EXPECT_EQ(world.score, 545);
    EXPECT_EQ(board().level, 1);
    EXPECT_EQ(world.lives, lives + 2);
    EXPECT_TRUE(world.levelBannerOn);
    for (const Enemy& e : world.enemies.list) // back at the centre, then one step
        EXPECT_LT(std::hypot(e.position.x, e.position.y), 0.12) << e.position.x;
}

TEST_F(Frames, AContactCostsALifeAndShowsThePlayFrameItHappenedIn) {
    play();
    world.levelBannerOn = false;
    hero().position = Vec3{0, 0, 0.75f}; // where the enemies start
    FrameNews news = world.beginFrame();
    ASSERT_TRUE(news.enemyContact);
    EXPECT_EQ(news.screen, Screen::Play);
    EXPECT_FALSE(world.loseLife());
    world.endFrame(news.screen);
    EXPECT_EQ(world.lives, 2);
    EXPECT_EQ(world.screen, Screen::Title);
    expectVec(hero().position, -5.5f, -5.5f, 0.5f); // back at the start, then on its floor
    for (const Enemy& e : world.enemies.list)
        expectVec(e.position, 0, 0, 0.75f);
    EXPECT_NE(world.enemies.shown[0].position.z, 0.75f); // as the frame stepped them
    EXPECT_EQ(hero().bobPhase, 1);                       // the rest of the frame was still play
}

TEST_F(Frames, TheBannerShowsOnHundredAndOnePlayFramesAndResumesAfterAPause) {
    play();
    sendEnemiesAway();
    int shown = 0;
    for (int i = 0; i < 50; ++i) {
        sendEnemiesAway();
        frame();
        shown += world.bannerShown();
    }
    world.screen = Screen::Title; // title frames leave the count alone
    frame();
    EXPECT_EQ(world.levelBannerFrames, 50);
    play();
    for (int i = 0; i < 60; ++i) {
        sendEnemiesAway();
        frame();
        shown += world.bannerShown();
    }
    EXPECT_EQ(shown, 101);
    EXPECT_FALSE(world.levelBannerOn);
    EXPECT_EQ(world.levelBannerFrames, 0);
}

} // namespace
