#include "app/game_trace.h"

#include "world/game_state.h"

namespace {

const char* screenName(Screen screen) {
    switch (screen) {
    case Screen::Title:
        return "title";
    case Screen::Play:
        return "play";
    case Screen::Over:
        return "over";
    }
    return "?";
}

void writeVec(std::FILE* file, const Vec3& v) {
    std::fprintf(file, "[%.9g,%.9g,%.9g]", double(v.x), double(v.y), double(v.z));
}

void writeEnemies(std::FILE* file, const EnemyGroup& enemies) {
    std::fputs(",\"enemies\":[", file);
    const char* separator = "";
    for (const Enemy& enemy : enemies.list) {
        std::fputs(separator, file);
        writeVec(file, enemy.position);
        separator = ",";
    }
    std::fputc(']', file);
}

void writeBest(std::FILE* file, const ScoreTable& table) {
    std::fputs(",\"best\":[", file);
    for (int i = 0; i < SCORE_ENTRY_COUNT; ++i) {
        std::fputs(i ? ",[" : "[", file);
        writeJsonString(file, table.entry(i).name.c_str());
        std::fprintf(file, ",%d]", table.entry(i).score);
    }
    std::fputc(']', file);
}

} // namespace

void writeJsonString(std::FILE* file, const char* text) {
    std::fputc('"', file);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == '"' || *p == '\\')
            std::fprintf(file, "\\%c", *p);
        else if (*p < 0x20 || *p >= 0x7F)
            std::fprintf(file, "\\u%04x", *p);
        else
            std::fputc(*p, file);
    }
    std::fputc('"', file);
}

GameTrace::GameTrace(const std::string& path) {
    if (path.empty())
        return;
    file_ = std::fopen(path.c_str(), "w");
    if (!file_)
        std::fprintf(stderr, "munchora: cannot write the trace file %s\n", path.c_str());
}

GameTrace::~GameTrace() {
    if (file_)
        std::fclose(file_);
}

void GameTrace::write(long tick, const GameState& game, bool paused) {
    if (!file_)
        return;
    const Hero& hero = game.hero;
    std::fprintf(file_,
                 "{\"tick\":%ld,\"screen\":\"%s\",\"keys\":%u,\"score\":%d,\"lives\":%d,"
                 "\"level\":%d,\"apples\":%d,\"bannerOn\":%d,\"bannerFrames\":%d,\"sound\":%d,"
                 "\"music\":%d,\"hero\":",
                 tick, screenName(game.screen), unsigned(game.keys), game.score, game.lives,
                 game.board.level, game.board.applesLeft, int(game.levelBannerOn),
                 game.levelBannerFrames, int(game.soundOn), int(game.musicOn));
    writeVec(file_, hero.position);
    std::fputs(",\"heading\":", file_);
    writeVec(file_, headingOf(hero.orientation));
    std::fprintf(file_,
                 ",\"jumping\":%d,\"jumpCounter\":%d,\"ground\":%.9g,\"bobPhase\":%d,"
                 "\"slideGuard\":%d,\"rng\":%u",
                 int(hero.jumping), hero.jumpCounter, double(hero.groundHeight), hero.bobPhase,
                 int(hero.slideGuard), unsigned(game.random.state()));
    writeEnemies(file_, game.enemies);
    writeBest(file_, game.bestScores);
    if (paused)
        std::fputs(",\"paused\":1", file_);
    std::fputs("}\n", file_);
    std::fflush(file_);
}
