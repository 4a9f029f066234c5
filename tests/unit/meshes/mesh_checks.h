// Checks shared by the mesh table tests: the index table's soundness, the ranges of every
// vertex field, and which way the faces look.
#pragma once

#include "characters/mesh_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace meshtest {

// Lowest and highest value of each of the six vertex fields (x, y, z, u, v, w).
struct FieldRanges {
    std::array<float, 6> lo, hi;
};

inline FieldRanges rangesOf(const MeshTable& mesh) {
    FieldRanges r;
    r.lo.fill(1e9f);
    r.hi.fill(-1e9f);
    for (int i = 0; i < mesh.vertexCount; ++i) {
        const MeshVertex& v = mesh.vertices[i];
        const float fields[6] = {v.x, v.y, v.z, v.u, v.v, v.w};
        for (int k = 0; k < 6; ++k) {
            r.lo[k] = std::min(r.lo[k], fields[k]);
            r.hi[k] = std::max(r.hi[k], fields[k]);
        }
    }
    return r;
}

// Each field's range must reach `lo` and `hi` to within `tolerance` and not pass them.
inline void expectRanges(const MeshTable& mesh, const std::array<float, 6>& lo,
                         const std::array<float, 6>& hi, float tolerance) {
    FieldRanges r = rangesOf(mesh);
    const char* names[6] = {"x", "y", "z", "u", "v", "w"};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(names[k]);
        EXPECT_GE(r.lo[k], lo[k] - 1e-6f);
        EXPECT_LE(r.hi[k], hi[k] + 1e-6f);
        EXPECT_NEAR(r.lo[k], lo[k], tolerance);
        EXPECT_NEAR(r.hi[k], hi[k], tolerance);
    }
}

// Every index in range, every vertex used by some triangle, no triangle naming a vertex twice.
inline void expectSoundIndices(const MeshTable& mesh) {
    std::vector<bool> used(mesh.vertexCount, false);
    int outOfRange = 0, repeating = 0;
    for (int t = 0; t < mesh.triangleCount; ++t) {
        const MeshTriangle& f = mesh.triangles[t];
        for (std::uint32_t i : {f.a, f.b, f.c}) {
            if (i >= std::uint32_t(mesh.vertexCount))
                ++outOfRange;
            else
                used[i] = true;
        }
        if (f.a == f.b || f.b == f.c || f.a == f.c)
            ++repeating;
    }
    EXPECT_EQ(outOfRange, 0);
    EXPECT_EQ(repeating, 0);
    EXPECT_EQ(std::count(used.begin(), used.end(), false), 0) << "unused vertices";
}

// The volume the faces enclose, counted positive when they look outward by the game's rule
// (the normal of corners a, b, c is (pc - pa) x (pb - pa)): each face adds the signed volume
// of the tetrahedron it makes with `origin`.
inline double outwardVolume(const MeshTable& mesh, std::array<double, 3> origin) {
    double volume = 0;
    for (int t = 0; t < mesh.triangleCount; ++t) {
        const MeshTriangle& f = mesh.triangles[t];
        std::array<std::array<double, 3>, 3> p;
        const MeshVertex* corners[3] = {&mesh.vertices[f.a], &mesh.vertices[f.b],
                                        &mesh.vertices[f.c]};
        for (int i = 0; i < 3; ++i)
            p[i] = {corners[i]->x - origin[0], corners[i]->y - origin[1],
                    corners[i]->z - origin[2]};
        // pa . ((pc - pa) x (pb - pa)) = pa . (pc x pb), the game normal's orientation.
        const auto &a = p[0], &b = p[1], &c = p[2];
        volume += (a[0] * (c[1] * b[2] - c[2] * b[1]) + a[1] * (c[2] * b[0] - c[0] * b[2]) +
                   a[2] * (c[0] * b[1] - c[1] * b[0])) /
                  6;
    }
    return volume;
}

} // namespace meshtest
