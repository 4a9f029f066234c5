#include "characters/hero_mesh.h"
#include "mesh_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using meshtest::expectRanges;
using meshtest::expectSoundIndices;

const std::array<float, 6> LO{-0.5098f, -0.3695f, -0.3751f, 0.0005f, 0.0005f, 0.0005f};
const std::array<float, 6> HI{0.2999f, 0.3665f, 0.6593f, 0.9995f, 0.9995f, 0.9995f};

bool samePosition(const MeshVertex& a, const MeshVertex& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// The crest's shift in one pose against pose 0, over the vertices that move.
struct Sway {
    std::vector<int> moved;
    double meanDy = 0, extremeDy = 0, maxDz = 0;
    int againstDirection = 0, xChanged = 0;
};

Sway swayOf(const MeshTable& pose, double direction) {
    const MeshTable& middle = HERO_POSES[HERO_POSE_MIDDLE];
    Sway s;
    for (int i = 0; i < HERO_VERTEX_COUNT; ++i) {
        const MeshVertex &a = middle.vertices[i], &b = pose.vertices[i];
        if (samePosition(a, b))
            continue;
        s.moved.push_back(i);
        double dy = b.y - a.y;
        s.meanDy += dy;
        if (dy * direction > s.extremeDy * direction)
            s.extremeDy = dy;
        s.againstDirection += dy * direction <= 0;
        s.xChanged += a.x != b.x;
        s.maxDz = std::max(s.maxDz, double(std::abs(b.z - a.z)));
    }
    if (!s.moved.empty())
        s.meanDy /= double(s.moved.size());
    return s;
}

TEST(HeroPoses, TheTablesKeepTheirLayoutAndTheCrestAloneSways) {
    const MeshTable& middle = HERO_POSES[HERO_POSE_MIDDLE];
    for (int p = 0; p < HERO_POSE_COUNT; ++p) {
        SCOPED_TRACE(p);
        const MeshTable& pose = HERO_POSES[p];
        expectSoundIndices(pose);
        meshtest::FieldRanges r = meshtest::rangesOf(pose);
        for (int k = 0; k < 6; ++k) {
            EXPECT_GE(r.lo[k], LO[k] - 1e-6f);
            EXPECT_LE(r.hi[k], HI[k] + 1e-6f);
        }
        int texturesDiffer = 0, trianglesDiffer = 0;
        for (int i = 0; i < HERO_VERTEX_COUNT; ++i) {
            const MeshVertex &a = middle.vertices[i], &b = pose.vertices[i];
            texturesDiffer += a.u != b.u || a.v != b.v || a.w != b.w;
        }
        for (int t = 0; t < HERO_TRIANGLE_COUNT; ++t) {
            const MeshTriangle &a = middle.triangles[t], &b = pose.triangles[t];
            trianglesDiffer += a.a != b.a || a.b != b.b || a.c != b.c;
        }
        EXPECT_EQ(texturesDiffer, 0);
        EXPECT_EQ(trianglesDiffer, 0);
    }
    // Pose 0 fills the whole box; its faces look outward (the body encloses ~0.2 units^3).
    expectRanges(middle, LO, HI, 1e-3f);
    EXPECT_GT(meshtest::outwardVolume(middle, {-0.1, 0, 0}), 0.15);

    Sway plus = swayOf(HERO_POSES[HERO_POSE_PLUS_Y], 1);
    Sway minus = swayOf(HERO_POSES[HERO_POSE_MINUS_Y], -1);
    EXPECT_EQ(plus.moved.size(), std::size_t(HERO_CREST_VERTEX_COUNT));
    EXPECT_EQ(minus.moved, plus.moved);
    for (int i : plus.moved) {
        EXPECT_GE(middle.vertices[i].z, 0.1f) << i;
        EXPECT_LE(middle.vertices[i].z, 0.66f) << i;
    }
    EXPECT_NEAR(plus.meanDy, 0.124, 0.005);
    EXPECT_NEAR(plus.extremeDy, 0.24, 0.005);
    EXPECT_NEAR(minus.meanDy, -0.078, 0.005);
    EXPECT_NEAR(minus.extremeDy, -0.20, 0.005);
    for (const Sway* s : {&plus, &minus}) {
        EXPECT_EQ(s->xChanged, 0);
        EXPECT_EQ(s->againstDirection, 0);
        EXPECT_LE(s->maxDz, 0.12);
    }
}

} // namespace
