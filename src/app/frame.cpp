// One frame: the camera, then either the play screen (board, enemies, Hero, the four
// counters and the level banner) or the title screen (the title picture, with the best
// scores after a game), then the swap. Drawing advances the world: the board's clock, the
// enemies' steps and contacts, the Hero's jump and bob, and the banner's count.
//
// Text and the title picture are placed by window pixel (origin top-left, y downward)
// through pixelToWorld, which finds the scene point seen at that pixel on the plane through
// the camera's target. Text comes from the font's display lists 1000..1254, one per byte.
#include "app/game_state.h"

#include "platform/system.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr GLuint FONT_LIST_BASE = 1000;
constexpr int BANNER_FRAMES = 100; // the banner shows on frames 1 .. 101 after it is set
constexpr double HALF_FIELD_OF_VIEW = 0.39269909262657166; // pi / 8

struct Colour {
    float r, g, b;
};

constexpr Colour GREEN{0, 1, 0};
constexpr Colour CYAN{0, 1, 1};
constexpr Colour RED{1, 0, 0};
constexpr Colour MAGENTA{1, 0, 1};
constexpr Colour YELLOW{1, 1, 0};

// The colour goes first: the raster position takes the current colour with it.
void drawText(const GameState& game, int x, int y, Colour colour, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

void drawText(const GameState& game, int x, int y, Colour colour, const char* format, ...) {
    Vec3 at;
    game.pixelToWorld(x, y, at);
    glColor3f(colour.r, colour.g, colour.b);
    glRasterPos3f(at.x, at.y, at.z);
    char text[256];
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length > int(sizeof text) - 1)
        length = int(sizeof text) - 1;
    if (length > 0)
        glCallLists(length, GL_UNSIGNED_BYTE, text);
}

// Text lies over everything, untextured, unaffected by depth.
void beginText() {
    glListBase(FONT_LIST_BASE);
    glDepthFunc(GL_ALWAYS);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
}

void endText() {
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
}

void drawCounters(const GameState& game) {
    int x = game.viewportWidth - 150;
    drawText(game, x, 100, GREEN, "Apples: %d", game.board.applesLeft);
    drawText(game, x, 150, CYAN, "Level: %d", game.board.level + 1);
    drawText(game, x, 200, RED, "Lives: %d", game.lives);
    drawText(game, x, 250, MAGENTA, "Scores: %d", game.score);
}

void drawLevelBanner(GameState& game) {
    if (game.levelBannerOn != 1) {
        game.levelBannerFrames = 0;
        return;
    }
    if (++game.levelBannerFrames > BANNER_FRAMES)
        game.levelBannerOn = 0;
    drawText(game, game.viewportWidth / 2 - 100, game.viewportHeight / 4, CYAN, "Level %d",
             game.board.level + 1);
}

void drawPlayScreen(GameState& game) {
    game.board.draw();
    if (game.gameOver == 0) {
        game.enemies.frame(); // may run the loss-of-life sequence, pause included
        game.hero.draw();
    }
    beginText();
    drawCounters(game);
    drawLevelBanner(game);
    endText();
}

void drawBestScores(const GameState& game) {
    int x = game.viewportWidth / 2 - 150;
    beginText();
    drawText(game, x, 50, YELLOW, "The Best:");
    for (int i = 1; i <= SCORE_ENTRY_COUNT; ++i) {
        const ScoreEntry& entry = game.bestScores.entry(i - 1);
        drawText(game, x, 100 + 50 * (i - 1), MAGENTA, "%d. %s : %d", i, entry.name.c_str(),
                 entry.score);
    }
    drawText(game, x, 350, YELLOW, "Press 'SHIFT' to clean the Scores");
    endText();
}

// The title picture fills the window, its first row at the top; under the decal texture
// environment it shows its own colours.
void drawTitleScreen(const GameState& game) {
    int w = game.viewportWidth, h = game.viewportHeight;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, game.titleTexture);
    Vec3 corners[4];
    game.pixelToWorld(0, 0, corners[0]);
    game.pixelToWorld(w, 0, corners[1]);
    game.pixelToWorld(w, h, corners[2]);
    game.pixelToWorld(0, h, corners[3]);
    static const float texCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(texCoords[i][0], texCoords[i][1]);
        glVertex3f(corners[i].x, corners[i].y, corners[i].z);
    }
    glEnd();
    if (game.gameOver == 1)
        drawBestScores(game);
}

} // namespace

void GameState::renderFrame() {
    updateCamera();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (waitingForSpace == 0)
        drawPlayScreen(*this);
    else
        drawTitleScreen(*this);
    glFlush();
    platform::SwapBuffers();
}

// On the plane through the target facing the eye, half the window height spans
// Hh = D * tan(22.5 degrees) and half its width Hh * aspect. R points left on the screen and
// U down, so pixel (W/2, H/2) is the target and the edges are Hh * aspect and Hh away.
void GameState::pixelToWorld(int x, int y, Vec3& out) const {
    int w = viewportWidth, h = viewportHeight;
    if (w <= 0 || h <= 0) { // a minimised window has no pixels to place anything at
        out = target;
        return;
    }
    Vec3 toEye;
    vecSub(toEye, eye, target);
    double distance = vecLength(toEye);
    vecNormalize(toEye);
    double halfHeight = distance * std::tan(HALF_FIELD_OF_VIEW);
    double a = -((x - w / 2) * halfHeight / (w * 0.5)) * aspect;
    double b = (y - h / 2) * halfHeight / (h * 0.5);

    Vec3 left, down;
    vecCross(left, Vec3{0, 0, -1}, toEye);
    vecNormalize(left);
    vecCross(down, toEye, left);

    Vec3 alongDown, alongLeft, partial;
    vecScaled(alongDown, down, b);
    vecScaled(alongLeft, left, a);
    vecAdd(partial, target, alongDown);
    vecAdd(out, partial, alongLeft);
}
