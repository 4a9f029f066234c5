// Drawing the board once per play frame: the eaten-apple effects, two translucent
// landscape planes below the maze, then every cell in row-major order (wall blocks, floor
// tiles, spinning apples). t = clock * 0.001 scrolls the textures by 0.01 per frame; the
// clock itself, in degrees, spins the apples. Cells wholly outside the camera's view are
// left out: they would not give a pixel, and most of the maze is behind the camera or off
// to the side.
//
// What a wall covers skips the translucent planes and floor tiles: the outer sides and tops
// of the walls mark their pixels in the stencil buffer first, and the planes and tiles are
// drawn only where no wall is. The picture stays exactly as if they were drawn everywhere.
// Everything translucent lies at z <= 0 and the camera looks down from above the walls, so
// any wall pixel is nearer than any plane or tile behind it; a wall is opaque and drawn
// without blending, so the first wall fragment that passes the depth test replaces the
// colour, and one that fails does so behind something opaque drawn before it. Either way
// nothing of a plane or tile under a wall reaches the final picture, nor its depth, which a
// nearer wall has replaced. A software rasteriser saves the texturing and blending of those
// pixels (the planes and tiles took almost half of a 1280x720 frame, most of it under
// walls); their alpha test is left off because it never fails (alpha 0.5 and 0.3 times an
// opaque texture), and with it on the stencil test would come only after texturing.
//
// World units, z up; the cell at row r, column c spans x in [r - 7, r - 6], y in
// [c - 7, c - 6], walls z 0..1.
#include "board/board_draw.h"

#include "board/board.h"
#include "camera/camera.h"
#include "characters/apple_mesh.h"
#include "characters/mesh_draw.h"
#include "images/texture_upload.h"
#include "math/vec_math.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace {

constexpr float SCROLL_PER_CLOCK = 0.001f;
constexpr double QUARTER_PI = 0.7853981852531433; // 45 degrees, as a float
constexpr int BURST_COPIES = 8;
// A cell's block, floor tile and apple (0.16 from its centre at half height) all lie in the
// unit cube of the cell: its corners are sqrt(3) / 2 from the middle.
constexpr double CELL_REACH = 0.8660254037844386;

struct Corner {
    float x, y, z;
};

void vertex(const Corner& c) {
    glVertex3f(c.x, c.y, c.z);
}

// Eight apple bodies fly out along the compass directions: copy i at angle (i + 1) * 45
// degrees moves age * 0.05 along (cos, sin, -1) and shrinks from 1.5 to 0.5 of its size.
void drawBurst(const Vec3& position, int age) {
    Matrix4 turn;
    matIdentity(turn);
    for (int i = 0; i < BURST_COPIES; ++i) {
        turn = turnedAboutZ(turn, QUARTER_PI);
        Vec3 offset{turn.at(0, 0), turn.at(0, 1), turn.at(0, 2) - 1.0f};
        vecScale(offset, age * 0.05);
        glDisable(GL_TEXTURE_2D);
        glPushMatrix();
        glTranslatef(position.x + offset.x, position.y + offset.y, position.z + offset.z);
        glPushMatrix();
        float scale = float(1.5 - age * 0.05);
        glScalef(scale, scale, scale);
        glColor3f(float(std::fabs(std::sin(0.5 * i))), float(std::fabs(std::cos(0.25 * i))),
                  float(std::fabs(std::cos(0.33333334 * i))));
        drawMesh(APPLE_MESHES[APPLE_BODY]);
        glPopMatrix();
        glPopMatrix();
    }
}

// Two translucent landscape planes below the maze, scrolling in opposite directions.
void drawBackground(GLuint landscape, float t) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, landscape);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glColor4f(1, 1, 1, 0.5f);
    glBegin(GL_QUADS);
    glTexCoord2f(t, t);
    glVertex3f(50, 50, -5);
    glTexCoord2f(t + 20, t);
    glVertex3f(-50, 50, -5);
    glTexCoord2f(t + 20, t + 20);
    glVertex3f(-50, -50, -5);
    glTexCoord2f(t, t + 20);
    glVertex3f(50, -50, -5);
    glEnd();

    glColor4f(1, 1, 1, 0.5f);
    glBegin(GL_QUADS);
    glTexCoord2f(-t, -t);
    glVertex3f(50, 50, -3);
    glTexCoord2f(10 - t, -t);
    glVertex3f(-50, 50, -3);
    glTexCoord2f(10 - t, 10 - t);
    glVertex3f(-50, -50, -3);
    glTexCoord2f(-t, 10 - t);
    glVertex3f(50, -50, -3);
    glEnd();
}

// The body's colour differs from cell to cell: (|sin(r c / 15)|, |cos(r^2 / 15)|,
// |sin(c^2 / 15)|); each apple wobbles by up to 20 degrees around its steady spin.
void drawApple(int row, int col, float x0, float y0, int wobble, float clock) {
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x0 + 0.5f, y0 + 0.5f, 0.5f);
    glRotatef(float(wobble / 32768.0 * 20.0 + clock), 0.1f, 0.1f, 1.0f);
    glPushMatrix();
    const double step = 0.06666667;
    glColor3f(float(std::fabs(std::sin(row * col * step))),
              float(std::fabs(std::cos(row * row * step))),
              float(std::fabs(std::sin(col * col * step))));
    drawMesh(APPLE_MESHES[APPLE_BODY]);
    glColor3f(0.1f, 0.8f, 0.1f);
    drawMesh(APPLE_MESHES[APPLE_LIGHT_LEAF]);
    glColor3f(0.0f, 0.5f, 0.0f);
    drawMesh(APPLE_MESHES[APPLE_DARK_LEAF]);
    glColor3f(0.1f, 0.1f, 0.1f);
    drawMesh(APPLE_MESHES[APPLE_STALK]);
    glPopMatrix();
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);
}

// A mostly transparent floor tile (alpha 0.3) through which the landscape shows.
void drawFloor(GLuint floorTexture, float t, const Corner& a, const Corner& b, const Corner& c,
               const Corner& d) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_STENCIL_TEST);
    glEnable(GL_BLEND);
    glColor4f(1, 1, 1, 0.3f);
    glBindTexture(GL_TEXTURE_2D, floorTexture);
    glBegin(GL_QUADS);
    glTexCoord2f(-t, -t);
    vertex(a);
    glTexCoord2f(1 - t, -t);
    vertex(b);
    glTexCoord2f(1 - t, 1 - t);
    vertex(c);
    glTexCoord2f(-t, 1 - t);
    vertex(d);
    glEnd();
}

struct TexturedCorner {
    float s, t;
    const Corner* corner;
};

void quad(const TexturedCorner (&corners)[4]) {
    glBegin(GL_QUADS);
    for (const TexturedCorner& c : corners) {
        glTexCoord2f(c.s, c.t);
        vertex(*c.corner);
    }
    glEnd();
}

struct CellCorners {
    Corner a, b, c, d, e, f, g, h; // a..d on the floor, e..h above them at z = 1
};

CellCorners cornersOf(float x0, float y0) {
    float x1 = x0 + 1, y1 = y0 + 1;
    return {{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0},
            {x0, y0, 1}, {x1, y0, 1}, {x1, y1, 1}, {x0, y1, 1}};
}

// A wall block's quads: its sides facing -y, +x, -x and +y, each scrolling its own way (along
// t, along s, diagonally, along s against t), then its top, which stays still.
struct WallQuads {
    TexturedCorner sides[4][4];
    TexturedCorner top[4];
};

WallQuads wallQuads(float t, const CellCorners& k) {
    return {{{{0, t, &k.e}, {1, t, &k.f}, {1, t + 1, &k.b}, {0, t + 1, &k.a}},
             {{t, 0, &k.f}, {t + 1, 0, &k.g}, {t + 1, 1, &k.c}, {t, 1, &k.b}},
             {{t, t, &k.e}, {t + 1, t, &k.h}, {t + 1, t + 1, &k.d}, {t, t + 1, &k.a}},
             {{t, -t, &k.g}, {t + 1, -t, &k.h}, {t + 1, 1 - t, &k.d}, {t, 1 - t, &k.c}}},
            {{0, 0, &k.e}, {1, 0, &k.f}, {1, 1, &k.g}, {0, 1, &k.h}}};
}

// The cell each side of a wall block faces, as (row, column) steps, in wallQuads' order.
constexpr int SIDE_STEPS[4][2] = {{0, -1}, {1, 0}, {-1, 0}, {0, 1}};

void drawWall(const BoardLook& look, float t, const CellCorners& k) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, look.wallTexture);
    const WallQuads quads = wallQuads(t, k);
    for (const auto& side : quads.sides)
        quad(side);
    glBindTexture(GL_TEXTURE_2D, look.wallTopTexture);
    quad(quads.top);
}

// Which cells the camera may show, row-major.
using ShownCells = std::array<bool, CELL_COUNT>;

ShownCells shownCells(const Camera& camera) {
    const ViewVolume view(camera);
    ShownCells shown;
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            shown[row * BOARD_SIZE + col] =
                view.mayShow(Vec3{cellCentre(row), cellCentre(col), 0.5f}, CELL_REACH);
    return shown;
}

bool isWall(const Board& board, int row, int col) {
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE &&
           board.cellAt(row, col) == CELL_WALL;
}

// Sets the stencil to 1 under the tops and outer sides of the walls: quads with the very
// corners the walls are drawn with, under the same matrices, so the same pixels whatever
// the rasteriser makes of a quad (its two triangles cover the quad's pixels either way). A
// side between two blocks shows only where their tops and outer sides do too, and is left
// out. Texturing is off: with colour writes off the rasteriser would still sample the
// texture, an eighth of a 1280x720 frame.
void markWalls(const Board& board, const ShownCells& shown, float t) {
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDisable(GL_DEPTH_TEST); // which also leaves the depth buffer alone
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col) {
            if (!isWall(board, row, col) || !shown[row * BOARD_SIZE + col])
                continue;
            const CellCorners k = cornersOf(cellLow(row), cellLow(col));
            const WallQuads quads = wallQuads(t, k);
            for (int side = 0; side < 4; ++side)
                if (!isWall(board, row + SIDE_STEPS[side][0], col + SIDE_STEPS[side][1]))
                    quad(quads.sides[side]);
            quad(quads.top);
        }
    glEnable(GL_DEPTH_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_EQUAL, 0, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void drawCell(const Board& board, const BoardLook& look, int row, int col, float t) {
    float x0 = cellLow(row), y0 = cellLow(col);
    uint8_t code = board.cellAt(row, col);
    if (code == CELL_WALL) {
        drawWall(look, t, cornersOf(x0, y0));
        return;
    }
    if (code == CELL_APPLE)
        drawApple(row, col, x0, y0, board.wobble[row * BOARD_SIZE + col], board.clock);
    if (code == CELL_APPLE || code == CELL_EMPTY) {
        CellCorners k = cornersOf(x0, y0);
        drawFloor(look.floorTexture, t, k.a, k.b, k.c, k.d);
    }
}

} // namespace

void drawBoard(const Board& board, const BoardLook& look, const Camera& camera) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    float t = board.clock * SCROLL_PER_CLOCK;
    for (const AppleBurst& burst : board.bursts)
        if (burst.shownAge >= 0)
            drawBurst(burst.position, burst.shownAge);
    const ShownCells shown = shownCells(camera);
    markWalls(board, shown, t);
    drawBackground(look.landscapeTexture, t);
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            if (shown[row * BOARD_SIZE + col])
                drawCell(board, look, row, col, t);
    glDisable(GL_BLEND);
    glDisable(GL_STENCIL_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
}

// All four repeat: the walls, tiles and planes scroll their textures across them.
BoardLook loadBoardLook() {
    struct Picture {
        const char* file;
        uint32_t BoardLook::*name;
    };
    const Picture pictures[] = {
        {"wood.bmp", &BoardLook::wallTexture},
        {"board.bmp", &BoardLook::floorTexture},
        {"top.bmp", &BoardLook::wallTopTexture},
        {"LandScape.bmp", &BoardLook::landscapeTexture},
    };
    BoardLook look;
    for (const Picture& picture : pictures) {
        GLuint name = 0;
        if (!loadBmpTexture(picture.file, GL_REPEAT, name))
            break;
        look.*picture.name = name;
    }
    return look;
}
