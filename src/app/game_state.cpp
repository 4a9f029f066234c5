// The game state's life: start-up in its fixed order (GL state and camera, best scores,
// counters, board, Hero, font, music, enemies, title picture, hidden cursor), the viewport
// and the fixed OpenGL state every drawing part relies on, and the orderly end (cursor back,
// best scores saved).
//
// GL conventions set here for the whole run: unpack alignment 1, decal texturing, the vertex
// array enabled, modelview current, depth test LEQUAL, lighting off. Drawing parts that change
// the texture environment put GL_DECAL back when they are done.
#include "app/game_state.h"

#include "images/texture_upload.h"
#include "platform/gl_context.h"
#include "platform/system.h"

#include <GL/gl.h>

namespace {

constexpr int FONT_FIRST_CODE = 0;
constexpr int FONT_CODE_COUNT = 255; // codes 0..254; 255 has no list and draws nothing
constexpr GLuint FONT_LIST_BASE = 1000;
constexpr int FONT_PIXEL_HEIGHT = 30;
constexpr const char* TITLE_PICTURE = "First.jpg";

} // namespace

GameState::~GameState() {
    platform::ShowCursor(true);
    bestScores.save();
}

int GameState::init(platform::Dialog& mainWindow) {
    initGlState();
    bestScores.load();
    score = 0;
    lives = 3;
    board.init();
    hero.board = &board;
    hero.game = this;
    hero.init();
    platform::BuildFontLists(FONT_FIRST_CODE, FONT_CODE_COUNT, FONT_LIST_BASE, FONT_PIXEL_HEIGHT);
    glListBase(FONT_LIST_BASE);
    music.Create(&mainWindow);
    music.start();
    enemies.board = &board;
    enemies.hero = &hero;
    enemies.game = this;
    enemies.init();
    loadTitleImage();
    platform::ShowCursor(false);
    return 1;
}

// A zero height (a minimised window) keeps the previous aspect instead of dividing by zero.
void GameState::setViewport(int width, int height) {
    viewportWidth = width;
    viewportHeight = height;
    if (height != 0)
        aspect = float(width) / float(height);
}

int GameState::initGlState() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.1f, 0.1f, 0.5f, 0.0f);
    updateCamera();
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHTING); // nothing is lit: colours come from glColor and the textures
    updateCamera();
    return 1;
}

void GameState::loadTitleImage() {
    titleTexture = loadTitleTexture(TITLE_PICTURE);
}
