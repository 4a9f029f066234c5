// Vector, plane and matrix functions: the edge cases the movement, camera and meshes lean
// on (tiny vectors, the turn matrices, planes and the ray test, the shadow's alpha).
#include "math/vec_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

void expectVec(const Vec3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

// Vectors up to 1e-7 long (and NaN ones) are left as they are; longer ones get length one.
TEST(VecMath, NormalizeDividesByTheLengthButLeavesTinyZeroAndNanVectorsAlone) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<Vec3, Vec3> cases[] = {
        {{0, 0, 0}, {0, 0, 0}},
        {{5e-8f, 0, 0}, {5e-8f, 0, 0}},
        {{0, 3e-8f, -4e-8f}, {0, 3e-8f, -4e-8f}},
        {{3, 0, 4}, {0.6f, 0, 0.8f}},
        {{2e-7f, 0, 0}, {1, 0, 0}}, // just above the threshold
    };
    for (auto [v, expected] : cases) {
        vecNormalize(v);
        expectVec(v, expected.x, expected.y, expected.z);
    }
    Vec3 v{nan, 1, 0};
    vecNormalize(v);
    EXPECT_TRUE(std::isnan(v.x));
    EXPECT_EQ(v.y, 1.0f);
}

TEST(VecMath, ApproachMovesAFractionOfTheWay) {
    const Vec3 goal{10, 20, -30};
    Vec3 v{0, 0, 0};
    vecApproach(goal, v, 10.0f);
    expectVec(v, 1, 2, -3);
    vecApproach(goal, v, 1.0f);
    expectVec(v, 10, 20, -30);
    Vec3 same = goal;
    vecApproach(goal, same, 7.0f);
    expectVec(same, 10, 20, -30);
}

TEST(VecMath, TurnAboutZRotatesTheHeadingCounterClockwise) {
    Matrix4 identity, rotation, product;
    matIdentity(identity);
    matIdentity(rotation);
    matRotateXYZ(rotation, 0, 0, 0.12999999523162842);
    matMultiply(product, identity, rotation);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(product.m[i], rotation.m[i]) << "element " << i;
    EXPECT_FLOAT_EQ(rotation.at(0, 0), std::cos(0.13f));
    EXPECT_FLOAT_EQ(rotation.at(0, 1), std::sin(0.13f));
    EXPECT_EQ(rotation.at(0, 2), 0.0f);
    EXPECT_FLOAT_EQ(rotation.at(1, 0), -std::sin(0.13f));
    EXPECT_EQ(rotation.at(2, 2), 1.0f);
    EXPECT_EQ(rotation.at(3, 3), 1.0f);
}

TEST(VecMath, PlanesAndTheRayTest) {
    Plane floor;
    planeFromPoints(floor, Vec3{0, 0, 0}, Vec3{1, 0, 0}, Vec3{0, 1, 0});
    EXPECT_EQ(floor.a, 0.0f);
    EXPECT_EQ(floor.b, 0.0f);
    EXPECT_EQ(floor.c, 1.0f);
    EXPECT_EQ(floor.d, 0.0f);
    Plane raised;
    planeFromPointNormal(raised, Vec3{7, 8, 2}, Vec3{0, 0, 2});
    EXPECT_EQ(raised.d, -4.0f);

    Vec3 hit;
    rayPlaneIntersect(Vec3{0, 0, 1}, floor, Vec3{2, 3, 5}, hit);
    expectVec(hit, 2, 3, 0);
    rayPlaneIntersect(Vec3{1, 0, 1}, floor, Vec3{2, 3, 5}, hit);
    expectVec(hit, -3, 3, 0);
    rayPlaneIntersect(Vec3{0, 0, -1}, raised, Vec3{1, 1, 0}, hit);
    expectVec(hit, 1, 1, 2);
}

TEST(VecMath, LuminanceAlphaIsTheLowByteOfMinusTheMean) {
    const unsigned char rgb[] = {0, 0, 0, 30, 30, 30, 255, 255, 255, 1, 1, 2, 10, 20, 31};
    unsigned char out[10] = {};
    rgbToLuminanceAlpha(5, rgb, out);
    const unsigned char alpha[] = {0, 226, 1, 255, 236}; // -0, -30, -255, -1, -20
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(out[2 * i], 255) << "pixel " << i;
        EXPECT_EQ(out[2 * i + 1], alpha[i]) << "pixel " << i;
    }
}

} // namespace
