// The enemy group's rules: creating the five enemies, stepping them each play frame and the
// contact test with the Hero, which runs the loss-of-life sequence.
//
// The group owns its enemies. A reset gives every slot a freshly initialised enemy; the
// objects of the five slots are made once and then re-initialised in place, so that resets
// (every lost life and level change) allocate nothing. Distances are in world units,
// computed in double precision from the stored floats.
#include "enemies/enemy_group.h"

#include "app/game_state.h"
#include "board/hero.h"
#include "board/sounds.h"
#include "characters/enemy_mesh.h"
#include "platform/system.h"

namespace {

constexpr double CONTACT_DISTANCE_SQUARED = 0.25; // closer than 0.5 units
constexpr uint32_t LOST_LIFE_PAUSE_MS = 1000;
constexpr float HERO_START_X = -5.5f; // centre of cell (1, 1); the Hero keeps its height
constexpr float HERO_START_Y = -5.5f;

double distanceSquared(const Vec3& a, const Vec3& b) {
    double dx = double(a.x) - b.x;
    double dy = double(a.y) - b.y;
    double dz = double(a.z) - b.z;
    return dx * dx + dy * dy + dz * dz;
}

// The loss-of-life sequence: the sound, new enemies at the centre, the Hero back at the start
// cell, one life less, a pause of a second, the title screen; the last life ends the game.
void loseLife(EnemyGroup& group) {
    GameState* game = group.game;
    Hero* hero = group.hero;
    game->playSound(SOUND_DEATH);
    group.loadTexture();
    group.reset();
    hero->position.x = HERO_START_X;
    hero->position.y = HERO_START_Y;
    --game->lives;
    platform::Sleep(LOST_LIFE_PAUSE_MS);
    game->waitingForSpace = 1;
    if (game->lives != 0)
        return;
    game->gameOver = 1;
    game->playSound(SOUND_GAME_OVER);
    game->enterBestScore();
}

} // namespace

int EnemyGroup::init() {
    loadTexture(); // a missing picture has been reported; the enemies still play
    reset();
    return 1;
}

void EnemyGroup::reset() {
    list.resize(ENEMY_COUNT);
    for (std::unique_ptr<Enemy>& enemy : list) {
        if (!enemy)
            enemy = std::make_unique<Enemy>();
        enemy->init();
        enemy->texture = texture;
        enemy->vertices = ENEMY_MESH.vertices;
        enemy->indices = ENEMY_MESH.triangles;
        enemy->triangleCount = ENEMY_TRIANGLE_COUNT;
        enemy->board = board;
        enemy->game = game;
    }
    releaseRetiredTexture(); // no enemy uses the texture a lost life replaced
}

void EnemyGroup::frame() {
    for (std::unique_ptr<Enemy>& enemy : list)
        enemy->draw(); // steps first, then draws when on screen
    checkCollisions();
}

void EnemyGroup::checkCollisions() {
    for (const std::unique_ptr<Enemy>& enemy : list) {
        if (distanceSquared(enemy->position, hero->position) < CONTACT_DISTANCE_SQUARED) {
            loseLife(*this);
            return; // one life per tick, however many enemies touch
        }
    }
}
