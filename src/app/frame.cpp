#include "app/frame.h"

#include "camera/camera_draw.h"
#include "platform/scene_target.h"
#include "platform/system.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>

namespace {

struct Colour {
    float r, g, b;
};

constexpr Colour GREEN{0, 1, 0};
constexpr Colour CYAN{0, 1, 1};
constexpr Colour RED{1, 0, 0};
constexpr Colour MAGENTA{1, 0, 1};
constexpr Colour YELLOW{1, 1, 0};
constexpr Colour WHITE{1, 1, 1}; // stands out over the yellow Hero in the middle

// The colour goes first: the raster position takes the current colour with it.
void drawText(const Camera& camera, int x, int y, Colour colour, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

void drawText(const Camera& camera, int x, int y, Colour colour, const char* format, ...) {
    Vec3 at = camera.pixelToWorld(x, y);
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

// "Paused" centred on the window: the raster position moves left by half the text's width,
// measured by drawing the text once with colour writes off.
void drawPausedMark(const Camera& camera) {
    const Viewport& viewport = camera.viewport;
    Vec3 at = camera.pixelToWorld(viewport.width / 2, viewport.height / 2 + FONT_PIXEL_HEIGHT / 3);
    static const char TEXT[] = "Paused";
    const GLsizei length = sizeof TEXT - 1;
    glColor3f(WHITE.r, WHITE.g, WHITE.b);
    glRasterPos3f(at.x, at.y, at.z);
    GLfloat start[4], end[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, start);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glCallLists(length, GL_UNSIGNED_BYTE, TEXT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, end);
    glRasterPos3f(at.x, at.y, at.z);
    glBitmap(0, 0, 0, 0, -(end[0] - start[0]) / 2, 0, nullptr);
    glCallLists(length, GL_UNSIGNED_BYTE, TEXT);
}

void drawCounters(const GameState& world) {
    const Camera& camera = world.camera;
    int x = camera.viewport.width - 150;
    drawText(camera, x, 100, GREEN, "Apples: %d", world.board.applesLeft);
    drawText(camera, x, 150, CYAN, "Level: %d", world.board.level + 1);
    drawText(camera, x, 200, RED, "Lives: %d", world.lives);
    drawText(camera, x, 250, MAGENTA, "Scores: %d", world.score);
}

void drawLevelBanner(const GameState& world) {
    if (!world.bannerShown())
        return;
    const Viewport& viewport = world.camera.viewport;
    drawText(world.camera, viewport.width / 2 - 100, viewport.height / 4, CYAN, "Level %d",
             world.board.level + 1);
}

// The maze, the enemies and the Hero at the render scale; the text over them at full size.
void drawPlayScreen(const GameState& world, const Looks& looks, bool paused) {
    platform::BeginScene();
    drawBoard(world.board, looks.board, world.camera);
    drawEnemies(world.enemies, looks.enemies, world.camera);
    drawHero(world.hero, looks.hero);
    platform::EndScene();
    beginText();
    drawCounters(world);
    drawLevelBanner(world);
    if (paused)
        drawPausedMark(world.camera);
    endText();
}

void drawBestScores(const GameState& world) {
    const Camera& camera = world.camera;
    int x = camera.viewport.width / 2 - 150;
    beginText();
    drawText(camera, x, 50, YELLOW, "The Best:");
    for (int i = 1; i <= SCORE_ENTRY_COUNT; ++i) {
        const ScoreEntry& entry = world.bestScores.entry(i - 1);
        drawText(camera, x, 100 + 50 * (i - 1), MAGENTA, "%d. %s : %d", i, entry.name.c_str(),
                 entry.score);
    }
    drawText(camera, x, 350, YELLOW, "Press 'SHIFT' to clean the Scores");
    endText();
}

// The title picture fills the window, its first row at the top; under the decal texture
// environment it shows its own colours. Nothing lies behind it and the text goes over it, so
// the title screen neither tests nor clears depth: at 1920x1080 software GL draws the frame
// in 10 ms instead of 12.
void drawTitleScreen(const GameState& world, bool gameOver, GLuint titleTexture) {
    const Camera& camera = world.camera;
    int w = camera.viewport.width, h = camera.viewport.height;
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, titleTexture);
    const Vec3 corners[4] = {camera.pixelToWorld(0, 0), camera.pixelToWorld(w, 0),
                             camera.pixelToWorld(w, h), camera.pixelToWorld(0, h)};
    static const float texCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(texCoords[i][0], texCoords[i][1]);
        glVertex3f(corners[i].x, corners[i].y, corners[i].z);
    }
    glEnd();
    glEnable(GL_DEPTH_TEST);
    if (gameOver)
        drawBestScores(world);
}

} // namespace

void setFixedGlState() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.1f, 0.1f, 0.5f, 0.0f);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHTING); // nothing is lit: colours come from glColor and the textures
}

void drawFrame(const GameState& world, Screen shown, const Looks& looks, bool paused) {
    loadCamera(world.camera);
    if (shown == Screen::Play) {
        drawPlayScreen(world, looks, paused);
    } else {
        glClear(GL_COLOR_BUFFER_BIT);
        drawTitleScreen(world, shown == Screen::Over, looks.titleTexture);
    }
    glFlush();
    platform::SwapBuffers();
}
