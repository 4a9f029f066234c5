// Drawing the enemies and their shared texture. Every enemy steps first and is drawn only
// when its position projects within 300 pixels of the window, so an enemy far off screen
// still moves. The mesh is the compiled-in table, drawn in place as vertex arrays; the
// texture shows under the scene's decal environment, unlit.
//
// Each load of "Enemy1.bmp" (start-up and every lost life) makes a new texture name; the
// name it replaces is kept as retiredTexture until the enemies have been replaced by ones
// that use the new name, and is then deleted, so lost lives do not pile up textures.
#include "enemies/enemy_group.h"

#include "app/game_state.h"
#include "characters/mesh_table.h"
#include "images/texture_upload.h"

#include <GL/gl.h>

void Enemy::draw() {
    step();
    if (!game->isOnScreen(position))
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glMultMatrixf(orientation.m);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), vertices);
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), &vertices[0].u);
    glDrawElements(GL_TRIANGLES, 3 * triangleCount, GL_UNSIGNED_INT, indices);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

int EnemyGroup::loadTexture() {
    GLuint name = 0;
    if (!loadBmpTexture("Enemy1.bmp", GL_CLAMP, name))
        return 0; // the message has been shown; the enemies keep the name they have
    releaseRetiredTexture();
    retiredTexture = texture;
    texture = name;
    return 1;
}

void EnemyGroup::releaseRetiredTexture() {
    if (retiredTexture != 0)
        glDeleteTextures(1, &retiredTexture);
    retiredTexture = 0;
}
