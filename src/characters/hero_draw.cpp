// The Hero's start-up, textures and drawing. Drawing also advances the Hero's vertical
// animation: the jump (stored z rises 0.2 per frame for seven frames, falls for four, then
// lands on the ground height) and, when not jumping, the idle bob, which moves only the
// picture and picks the pose. After the model a translucent shadow square follows the bob.
//
// World units, z up; the orientation matrix is row-major with row 0 the heading and goes to
// glMultMatrixf as stored. Ground height is 0.5 over the floor and 1.5 on a wall top. Shading
// is left flat after the first drawing (the scene never goes back to smooth).
#include "board/board.h"
#include "board/hero.h"
#include "characters/hero_mesh.h"
#include "characters/vertex_normals.h"
#include "images/texture_upload.h"

#include <GL/gl.h>

#include <cstdlib>

int bobPhase = 0;
int bobStep = 1;
int jumpDirection = 1;

namespace {

constexpr float BOARD_MIN = -6.5f; // centres of the outer ring of cells
constexpr float BOARD_MAX = 7.5f;
constexpr float FLOOR_HEIGHT = 0.5f;
constexpr float WALL_TOP_HEIGHT = 1.5f;
constexpr float FOOT_HALF_WIDTH = 0.25f;
constexpr int JUMP_START_COUNTER = 5;
constexpr double JUMP_STEP = 0.2;
constexpr double BOB_SCALE = 0.0125;        // picture offset per bob phase
constexpr double SHADOW_BOB_SCALE = 0.0625; // the shadow moves five times as far
constexpr int BOB_LIMIT = 8;                // the step turns on phases 9 and -9
constexpr float ALPHA_THRESHOLD = 0.0001f;

const Vec3 START_POSITION{-5.5f, -5.5f, 0.5f}; // centre of cell (1, 1) on the floor

float clampToBoard(float v) {
    if (v <= BOARD_MIN)
        return BOARD_MIN;
    if (v >= BOARD_MAX)
        return BOARD_MAX;
    return v;
}

// Near the middle of the bob the crest leans to +y, on the way it stands upright, near the
// top and bottom it leans to -y.
const MeshTable& poseFor(int phase) {
    int size = std::abs(phase);
    if (size <= 2)
        return HERO_POSES[HERO_POSE_PLUS_Y];
    if (size <= 6)
        return HERO_POSES[HERO_POSE_MIDDLE];
    return HERO_POSES[HERO_POSE_MINUS_Y];
}

void drawShadow(GLuint texture, float x, float y, float z) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, ALPHA_THRESHOLD);
    glEnable(GL_ALPHA_TEST);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(0.7f, 0.9f, 0.1f, 0.99f);
    float h = float(bobPhase * SHADOW_BOB_SCALE + z + 0.1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0.5f, 0.5f, h);
    glTexCoord2f(1, 0);
    glVertex3f(0.5f, -0.5f, h);
    glTexCoord2f(1, 1);
    glVertex3f(-0.5f, -0.5f, h);
    glTexCoord2f(0, 1);
    glVertex3f(-0.5f, 0.5f, h);
    glEnd();
    glPopMatrix();
}

} // namespace

void Hero::init() {
    groundHeight = FLOOR_HEIGHT;
    jumping = 0;
    position = START_POSITION;
    const MeshTable& pose = HERO_POSES[HERO_POSE_MIDDLE];
    buildVertexNormals(pose.triangles, pose.triangleCount, pose.vertices, pose.vertexCount,
                       normals);
    loadTextures();
}

// Sphere-mapped texture coordinates are texture-unit state: set once, they stay for the run
// and take effect whenever generation is enabled (only while the Hero is drawn).
int Hero::loadTextures() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_TEXTURE_2D);
    shadowTexture = loadShadowTexture("Shadow.bmp");
    heroTexture = loadSphereMapTexture("Hero.bmp");
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    return 1;
}

void Hero::startJump() {
    if (jumping == 0) {
        jumping = 1;
        jumpCounter = JUMP_START_COUNTER;
    }
}

// Only a jump lifts the Hero onto a wall; standing or walking over a wall keeps the height
// it has, and leaving every wall drops it to the floor at once.
void Hero::updateGroundHeight() {
    Box3 foot{position.x - FOOT_HALF_WIDTH, position.y - FOOT_HALF_WIDTH, 0.0f,
              position.x + FOOT_HALF_WIDTH, position.y + FOOT_HALF_WIDTH, 1.0f};
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            if (board->cellAt(row, col) != CELL_WALL || !boxesOverlap(foot, wallBox(row, col)))
                continue;
            if (jumping == 1)
                groundHeight = WALL_TOP_HEIGHT;
            return;
        }
    }
    groundHeight = FLOOR_HEIGHT;
}

void Hero::draw() {
    position.x = clampToBoard(position.x);
    position.y = clampToBoard(position.y);
    updateGroundHeight();

    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, heroTexture);
    glColor3f(1, 1, 0);
    glPushMatrix();
    if (jumping == 1) {
        // The counter as it stood when this frame began: the fall starts once it is below 0
        // (after the seventh rise) and the jump ends once it is below -5 (the twelfth frame).
        int counter = jumpCounter;
        position.z = float(position.z + jumpDirection * JUMP_STEP);
        if (counter < 0)
            jumpDirection = -1;
        if (counter < -5) {
            jumping = 0;
            position.z = groundHeight;
            jumpDirection = 1;
        }
        glTranslatef(position.x, position.y, position.z);
        jumpCounter = counter - 1;
    } else {
        position.z = groundHeight;
        glTranslatef(position.x, position.y, float(groundHeight + bobPhase * BOB_SCALE));
        if (std::abs(bobPhase) > BOB_LIMIT)
            bobStep = -bobStep;
        bobPhase += bobStep;
    }
    glMultMatrixf(orientation.m);

    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glShadeModel(GL_FLAT);
    glNormalPointer(GL_FLOAT, 0, normals.data());
    const MeshTable& pose = poseFor(bobPhase);
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), pose.vertices);
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), &pose.vertices[0].u);
    glDrawElements(GL_TRIANGLES, 3 * pose.triangleCount, GL_UNSIGNED_INT, pose.triangles);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);

    drawShadow(shadowTexture, position.x, position.y, position.z);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
}
