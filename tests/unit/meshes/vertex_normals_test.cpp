#include "characters/hero_mesh.h"
#include "characters/vertex_normals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

MeshVertex at(float x, float y, float z) {
    return MeshVertex{x, y, z, 0, 0, 0};
}

void expectVec(const Vec3& v, double x, double y, double z) {
    EXPECT_NEAR(v.x, x, 1e-6);
    EXPECT_NEAR(v.y, y, 1e-6);
    EXPECT_NEAR(v.z, z, 1e-6);
}

// Small meshes and the normal each must give at one vertex.
struct Case {
    const char* what;
    std::vector<MeshTriangle> triangles;
    std::vector<MeshVertex> vertices;
    int vertex;
    Vec3 normal;
};

// (pc - pa) x (pb - pa) = (0, 1, 0) x (1, 0, 0) = (0, 0, -1), doubled.
// In "weighted", at vertex 0 the first triangle's corner is pi/2 with face normal (0, 0, -1),
// the second's pi/4 with face normal (0, 1, 0): the sum (0, pi/4, -pi/2) points along
// (0, 1, -2). In "degenerate" corners 0 and 1 coincide: that face's normal is zero and adds
// nothing. In "rounding" the unit edge along (0.01, 0.013, 0.7) rounds to a float vector
// whose dot product with itself is 1.0000000333 in double, beyond acos's domain: the corner
// must count as angle 0, not poison vertex 0 with NaN.
TEST(VertexNormals, AreAngleWeightedSumsOfFaceNormalsScaledToLengthTwo) {
    const float s = float(2 / std::sqrt(5.0));
    const MeshVertex o = at(0, 0, 0), x = at(1, 0, 0), y = at(0, 1, 0);
    const MeshVertex far = at(0.01f, 0.013f, 0.7f);
    const Case cases[] = {
        {"one triangle", {{0, 1, 2}}, {o, x, y}, 1, {0, 0, -2}},
        {"unused", {{0, 1, 2}}, {o, x, y, at(5, 5, 5)}, 3, {0, 0, 0}},
        {"weighted",
         {{0, 1, 2}, {0, 3, 4}},
         {o, x, y, at(1, 0, 1), at(0, 0, 1)},
         0,
         {0, s, -2 * s}},
        {"degenerate", {{0, 1, 2}, {0, 3, 4}}, {o, o, y, x, y}, 0, {0, 0, -2}},
        {"degenerate's corner", {{0, 1, 2}, {0, 3, 4}}, {o, o, y, x, y}, 2, {0, 0, 0}},
        {"rounding", {{0, 1, 2}, {0, 3, 4}}, {o, far, far, x, y}, 0, {0, 0, -2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Vec3> normals{Vec3{9, 9, 9}}; // stale contents must be replaced
        buildVertexNormals(c.triangles.data(), int(c.triangles.size()), c.vertices.data(),
                           int(c.vertices.size()), normals);
        ASSERT_EQ(normals.size(), c.vertices.size());
        expectVec(normals[size_t(c.vertex)], c.normal.x, c.normal.y, c.normal.z);
    }
}

// The Hero's own normals: one per vertex, all of length 2, and pointing out of the model at
// its extremes (its top, bottom, front and back), which checks the tables' winding too.
TEST(VertexNormals, TheHerosNormalsHaveLengthTwoAndPointOutward) {
    const MeshTable& pose = HERO_POSES[HERO_POSE_MIDDLE];
    std::vector<Vec3> normals;
    buildVertexNormals(pose.triangles, pose.triangleCount, pose.vertices, pose.vertexCount,
                       normals);
    ASSERT_EQ(normals.size(), std::size_t(HERO_VERTEX_COUNT));
    int wrongLength = 0;
    for (const Vec3& n : normals)
        wrongLength += std::abs(vecLength(n) - 2) > 1e-5;
    EXPECT_EQ(wrongLength, 0);

    auto extreme = [&](auto key) {
        int best = 0;
        for (int i = 1; i < pose.vertexCount; ++i)
            if (key(pose.vertices[i]) > key(pose.vertices[best]))
                best = i;
        return normals[best];
    };
    EXPECT_GT(extreme([](const MeshVertex& v) { return v.z; }).z, 1.0);
    EXPECT_LT(extreme([](const MeshVertex& v) { return -v.z; }).z, -1.0);
    EXPECT_GT(extreme([](const MeshVertex& v) { return v.x; }).x, 1.0);
    EXPECT_LT(extreme([](const MeshVertex& v) { return -v.x; }).x, -1.0);
}

} // namespace
