#include "game_fixture.h"

#include "images/texture_upload.h"
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

std::unique_ptr<Game> startGame(int width, int height) {
    enterGameFolder();
    auto game = std::make_unique<Game>();
    glViewport(0, 0, width, height);
    game->resize(width, height);
    game->world.bestScores.load();
    game->world.start();
    game->looks.board = loadBoardLook();
    game->looks.hero = loadHeroLook();
    platform::BuildFontLists(0, FONT_CODE_COUNT, FONT_LIST_BASE, FONT_PIXEL_HEIGHT);
    loadEnemyLook(game->looks.enemies);
    game->looks.titleTexture = loadTitleTexture("First.jpg");
    return game;
}

} // namespace apptest
