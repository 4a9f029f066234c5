// Drawing the enemies: each at its position, turned by its orientation (row-major, handed
// to glMultMatrixf as stored), from the mesh's tables in place as vertex arrays.
#include "enemies/enemy_draw.h"

#include "camera/camera.h"
#include "characters/enemy_mesh.h"
#include "characters/mesh_draw.h"
#include "enemies/enemy_group.h"
#include "images/texture_upload.h"

#include <GL/gl.h>

namespace {

void drawEnemy(const Enemy& enemy, GLuint texture) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(enemy.position.x, enemy.position.y, enemy.position.z);
    glMultMatrixf(enemy.orientation.m);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), &ENEMY_MESH.vertices[0].u);
    drawMesh(ENEMY_MESH);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

} // namespace

bool loadEnemyLook(EnemyLook& look) {
    GLuint name = 0;
    if (!loadBmpTexture("Enemy1.bmp", GL_CLAMP, name))
        return false;
    if (look.texture != 0)
        glDeleteTextures(1, &look.texture);
    look.texture = name;
    return true;
}

void drawEnemies(const EnemyGroup& enemies, const EnemyLook& look, const Camera& camera) {
    for (const Enemy& enemy : enemies.shown)
        if (camera.isOnScreen(enemy.position))
            drawEnemy(enemy, look.texture);
}
