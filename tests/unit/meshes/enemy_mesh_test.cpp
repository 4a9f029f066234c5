#include "characters/enemy_mesh.h"
#include "mesh_checks.h"

#include <gtest/gtest.h>

namespace {

// x, y, z: standing on z = 0, centred on its z axis; u, v, w: the texture's reach.
TEST(EnemyMesh, TheTableKeepsItsLayoutSizeAndTextureReach) {
    meshtest::expectSoundIndices(ENEMY_MESH);
    meshtest::expectRanges(ENEMY_MESH, {-0.2378f, -0.25f, 0.f, 0.0902f, -0.1018f, -0.0058f},
                           {0.2378f, 0.25f, 0.4334f, 0.9098f, 1.1018f, 1.0058f}, 1e-3f);
    // Closed pieces looking outward enclose a positive volume, whatever the origin.
    EXPECT_GT(meshtest::outwardVolume(ENEMY_MESH, {0, 0, 0}), 0.01);
}

} // namespace
