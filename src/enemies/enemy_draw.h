// The enemies' looks: one shared texture ("Enemy1.bmp") on the compiled-in mesh, unlit,
// under the scene's decal environment. Each load makes a new texture name and deletes the
// one it replaces, so lost lives, which load it again, do not pile textures up.
#pragma once

#include <cstdint>

class Camera;
class EnemyGroup;

struct EnemyLook {
    uint32_t texture = 0; // 0 until a load succeeds: the enemies are then drawn untextured
};

// Reads the picture into a new texture; when it cannot be read shows "Can't load image"
// (caption "Board"), keeps the texture it had and returns false.
bool loadEnemyLook(EnemyLook& look);

// Draws each enemy as the last play frame left it, when it lies within 300 pixels of the
// window (an enemy far off screen is skipped but has moved all the same).
void drawEnemies(const EnemyGroup& enemies, const EnemyLook& look, const Camera& camera);
