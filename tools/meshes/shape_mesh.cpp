#include "shape_mesh.h"

#include <algorithm>
#include <cassert>
#include <numbers>

Box boundsOf(const std::vector<P3>& points, int first, int count) {
    assert(count > 0);
    Box box{points[first], points[first]};
    for (int i = first; i < first + count; ++i)
        for (int k = 0; k < 3; ++k) {
            axis(box.lo, k) = std::min(axis(box.lo, k), axis(points[i], k));
            axis(box.hi, k) = std::max(axis(box.hi, k), axis(points[i], k));
        }
    return box;
}

AxisMap mapBox(const Box& from, const Box& to) {
    AxisMap map;
    for (int k = 0; k < 3; ++k) {
        double span = axis(from.hi, k) - axis(from.lo, k);
        assert(span > 0);
        axis(map.scale, k) = (axis(to.hi, k) - axis(to.lo, k)) / span;
        axis(map.offset, k) = axis(to.lo, k) - axis(from.lo, k) * axis(map.scale, k);
    }
    return map;
}

void ShapeMesh::addQuad(int a, int b, int c, int d) {
    triangles.push_back({a, b, c});
    triangles.push_back({a, c, d});
}

Piece ShapeMesh::add(const RingSurface& s) {
    assert(!s.rings.empty());
    const int n = int(s.rings.front().size());
    const int spans = s.closedRings ? n : n - 1;
    Piece piece{int(points.size()), 0, int(triangles.size()), 0};
    const int first = int(points.size());
    for (const auto& ring : s.rings) {
        assert(int(ring.size()) == n);
        points.insert(points.end(), ring.begin(), ring.end());
    }
    auto at = [&](int ring, int j) { return first + ring * n + (j % n); };
    const int ringCount = int(s.rings.size());
    for (int r = 0; r + 1 < ringCount; ++r)
        for (int j = 0; j < spans; ++j)
            addQuad(at(r, j), at(r, j + 1), at(r + 1, j + 1), at(r + 1, j));
    if (s.startPole) {
        int pole = int(points.size());
        points.push_back(s.firstPole);
        for (int j = 0; j < spans; ++j)
            triangles.push_back({pole, at(0, j + 1), at(0, j)});
    }
    if (s.endPole) {
        int pole = int(points.size());
        points.push_back(s.lastPole);
        for (int j = 0; j < spans; ++j)
            triangles.push_back({pole, at(ringCount - 1, j), at(ringCount - 1, j + 1)});
    }
    orientAwayFrom(s.inside, piece.firstTriangle);
    piece.vertexCount = int(points.size()) - piece.firstVertex;
    piece.triangleCount = int(triangles.size()) - piece.firstTriangle;
    texture.resize(points.size());
    return piece;
}

Piece ShapeMesh::add(const std::vector<P3>& piecePoints,
                     const std::vector<std::array<int, 3>>& faces, P3 inside) {
    Piece piece{int(points.size()), int(piecePoints.size()), int(triangles.size()),
                int(faces.size())};
    points.insert(points.end(), piecePoints.begin(), piecePoints.end());
    for (const auto& [a, b, c] : faces)
        triangles.push_back({piece.firstVertex + a, piece.firstVertex + b, piece.firstVertex + c});
    orientAwayFrom(inside, piece.firstTriangle);
    texture.resize(points.size());
    return piece;
}

void ShapeMesh::addPolygon(const std::vector<int>& loop, P3 inside) {
    const int firstTriangle = int(triangles.size());
    // Walk in from both ends of the loop alternately, so no corner collects a fan of slivers.
    int lo = 0, hi = int(loop.size()) - 1;
    bool advanceLow = true;
    while (hi - lo >= 2) {
        if (advanceLow) {
            triangles.push_back({loop[lo], loop[lo + 1], loop[hi]});
            ++lo;
        } else {
            triangles.push_back({loop[lo], loop[hi - 1], loop[hi]});
            --hi;
        }
        advanceLow = !advanceLow;
    }
    orientAwayFrom(inside, firstTriangle);
}

// All the piece's faces are stitched with one consistent winding; whether that winding looks
// out or in depends on the direction its rings run, so it is measured rather than assumed:
// the area-weighted game normals, summed against the direction away from `inside`.
void ShapeMesh::orientAwayFrom(P3 inside, int firstTriangle) {
    double outward = 0;
    for (int t = firstTriangle; t < int(triangles.size()); ++t) {
        const auto& [a, b, c] = triangles[t];
        P3 normal = cross(points[c] - points[a], points[b] - points[a]);
        P3 centre = (points[a] + points[b] + points[c]) * (1.0 / 3);
        outward += dot(normal, centre - inside);
    }
    assert(outward != 0);
    if (outward < 0)
        for (int t = firstTriangle; t < int(triangles.size()); ++t)
            std::swap(triangles[t][1], triangles[t][2]);
}

void ShapeMesh::transform(const AxisMap& map, int first, int count) {
    for (int i = first; i < first + count; ++i)
        points[i] = map(points[i]);
}

std::vector<P3> ellipseRing(P3 centre, P3 u, P3 v, double ru, double rv, int n, double phase) {
    std::vector<P3> ring(n);
    for (int j = 0; j < n; ++j) {
        double t = phase + 2 * std::numbers::pi * j / n;
        ring[j] = centre + u * (ru * std::cos(t)) + v * (rv * std::sin(t));
    }
    return ring;
}

void perpendicularPair(P3 axisDir, P3& u, P3& v) {
    P3 a = normalized(axisDir);
    P3 helper = std::abs(a.z) < 0.9 ? P3{0, 0, 1} : P3{1, 0, 0};
    u = normalized(cross(helper, a));
    v = cross(a, u);
}

void ShapeMesh::mapTextureToBox(const Box& box, double margin) {
    for (std::size_t i = 0; i < points.size(); ++i)
        for (int k = 0; k < 3; ++k) {
            double t = (axis(points[i], k) - axis(box.lo, k)) / (axis(box.hi, k) - axis(box.lo, k));
            axis(texture[i], k) = margin + (1 - 2 * margin) * t;
        }
}
