// The apple's and the enemy's mesh tables: sound indices, the box each part fills and faces
// that look outward.
#include "characters/apple_mesh.h"
#include "characters/enemy_mesh.h"
#include "mesh_checks.h"

#include <gtest/gtest.h>

namespace {

struct ApplePart {
    int index;
    std::array<float, 3> lo, hi;
};

const ApplePart PARTS[] = {
    {APPLE_BODY, {-0.092f, -0.096f, -0.082f}, {0.092f, 0.096f, 0.082f}},
    {APPLE_LIGHT_LEAF, {0.004f, -0.022f, 0.083f}, {0.089f, 0.040f, 0.112f}},
    {APPLE_DARK_LEAF, {-0.088f, -0.035f, 0.076f}, {-0.004f, 0.034f, 0.124f}},
    {APPLE_STALK, {-0.024f, -0.006f, 0.065f}, {0.008f, 0.045f, 0.155f}},
};

// Every part: sound indices, its box, and faces looking away from the apple's centre
// (outward for the closed body and stalk, upward for the leaves on top).
TEST(AppleMeshes, EachPartKeepsItsLayoutSizeAndFacing) {
    for (const ApplePart& part : PARTS) {
        SCOPED_TRACE(part.index);
        const MeshTable& mesh = APPLE_MESHES[part.index];
        meshtest::expectSoundIndices(mesh);
        meshtest::FieldRanges r = meshtest::rangesOf(mesh);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(r.lo[k], part.lo[k], 1e-3f) << k;
            EXPECT_NEAR(r.hi[k], part.hi[k], 1e-3f) << k;
        }
        EXPECT_GT(meshtest::outwardVolume(mesh, {0, 0, 0}), 0);
    }
}

// x, y, z: standing on z = 0, centred on its z axis; u, v, w: the texture's reach.
TEST(EnemyMesh, TheTableKeepsItsLayoutSizeAndTextureReach) {
    meshtest::expectSoundIndices(ENEMY_MESH);
    meshtest::expectRanges(ENEMY_MESH, {-0.2378f, -0.25f, 0.f, 0.0902f, -0.1018f, -0.0058f},
                           {0.2378f, 0.25f, 0.4334f, 0.9098f, 1.1018f, 1.0058f}, 1e-3f);
    // Closed pieces looking outward enclose a positive volume, whatever the origin.
    EXPECT_GT(meshtest::outwardVolume(ENEMY_MESH, {0, 0, 0}), 0.01);
}

} // namespace
