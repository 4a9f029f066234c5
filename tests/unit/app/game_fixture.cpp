#include "game_fixture.h"

#include "platform/gl_context.h"
#include "support/headless_gl.h"
#include "support/run_dir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace apptest {

void enterGameFolder() {
    static bool entered = false;
    if (entered)
        return;
    ASSERT_TRUE(testsupport::makeHeadlessGlContext(320, 240));
    const std::filesystem::path runDir = testsupport::runFile("");
    ASSERT_TRUE(std::filesystem::exists(runDir / "wood.bmp")) << runDir;
    char pattern[] = "/tmp/munchora-app-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::filesystem::copy(runDir, pattern, std::filesystem::copy_options::recursive);
    ASSERT_EQ(chdir(pattern), 0);
    entered = true;
}

std::unique_ptr<GameState> startGame(int width, int height) {
    enterGameFolder();
    auto game = std::make_unique<GameState>();
    glViewport(0, 0, width, height);
    game->setViewport(width, height);
    game->initGlState();
    game->bestScores.load();
    game->board.init();
    game->hero.board = &game->board;
    game->hero.game = game.get();
    game->hero.init();
    platform::BuildFontLists(0, 255, 1000, 30);
    game->enemies.board = &game->board;
    game->enemies.hero = &game->hero;
    game->enemies.game = game.get();
    game->enemies.init();
    game->loadTitleImage();
    return game;
}

} // namespace apptest
