#include "characters/vertex_normals.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// The triangles around one vertex, in increasing triangle order, each with the vertex's
// corner angle in it (radians).
struct Corners {
    std::vector<int> faces;
    std::vector<double> angles;
};

Vec3 position(const MeshVertex& v) {
    return Vec3{v.x, v.y, v.z};
}

Vec3 unitEdge(const Vec3& from, const Vec3& to) {
    Vec3 e;
    vecSub(e, to, from);
    vecNormalize(e);
    return e;
}

// Rounding in the unit edges can put the cosine of a near-flat corner just outside [-1, 1];
// such a corner is taken as 0 or pi instead of NaN.
double cornerAngle(double cosine) {
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

Vec3 addTriangle(const MeshTriangle& t, const MeshVertex* vertices, std::vector<Corners>& corners,
                 int face) {
    Vec3 pa = position(vertices[t.a]), pb = position(vertices[t.b]), pc = position(vertices[t.c]);
    Vec3 e1 = unitEdge(pa, pb), e2 = unitEdge(pa, pc), e3 = unitEdge(pb, pc);
    const std::uint32_t ids[3] = {t.a, t.b, t.c};
    const double angles[3] = {cornerAngle(vecDot(e1, e2)), cornerAngle(-vecDot(e1, e3)),
                              cornerAngle(vecDot(e3, e2))};
    for (int k = 0; k < 3; ++k) {
        corners[ids[k]].faces.push_back(face);
        corners[ids[k]].angles.push_back(angles[k]);
    }
    Vec3 normal;
    vecCross(normal, e2, e1);
    vecNormalize(normal);
    return normal;
}

} // namespace

void buildVertexNormals(const MeshTriangle* triangles, int triangleCount,
                        const MeshVertex* vertices, int vertexCount, std::vector<Vec3>& normals) {
    assert(triangleCount >= 0 && vertexCount >= 0);
    std::vector<Vec3> faceNormals(triangleCount);
    std::vector<Corners> corners(vertexCount);
    for (int f = 0; f < triangleCount; ++f) {
        const MeshTriangle& t = triangles[f];
        assert(t.a < std::uint32_t(vertexCount) && t.b < std::uint32_t(vertexCount) &&
               t.c < std::uint32_t(vertexCount));
        faceNormals[f] = addTriangle(t, vertices, corners, f);
    }
    normals.assign(vertexCount, Vec3{});
    for (int v = 0; v < vertexCount; ++v) {
        const Corners& around = corners[v];
        if (around.faces.empty())
            continue;
        Vec3 sum, term;
        for (std::size_t k = 0; k < around.faces.size(); ++k) {
            vecScaled(term, faceNormals[around.faces[k]], around.angles[k]);
            vecAdd(sum, sum, term);
        }
        vecNormalize(sum);
        vecScale(sum, 2.0);
        normals[v] = sum;
    }
}
