// The apple: a slightly flattened ball with dimples at both poles, two leaves and a bent
// stalk on its top (+z). Each part is built at about its size and then fitted exactly to the
// box the board's drawing expects of it.
//
// Budgets: body 5 rings x 8 + 2 poles = 42 v, 2 * 5 * 8 = 80 t; leaf (below) 15 v, 16 t;
// stalk 7 rings x 7 + 2 end points = 51 v, 2 * 7 * 7 = 98 t.
#include "shapes.h"

#include <cassert>
#include <numbers>

namespace {

constexpr double PI = std::numbers::pi;

ShapeMesh body() {
    ShapeMesh mesh;
    RingSurface s;
    for (int k = 1; k <= 5; ++k) {
        double theta = PI * k / 6;
        // A touch wider above the middle than below, like most apples.
        double r = std::sin(theta) * (1 + 0.08 * std::cos(theta));
        s.rings.push_back(ellipseRing({0, 0, std::cos(theta)}, {1, 0, 0}, {0, 1, 0}, r, r, 8));
    }
    s.startPole = s.endPole = true;
    s.firstPole = {0, 0, 0.6}; // the dimples round the stalk and below
    s.lastPole = {0, 0, -0.75};
    s.inside = {0, 0, 0};
    Piece p = mesh.add(s);
    assert(p.vertexCount == 42 && p.triangleCount == 80);
    return mesh;
}

// Faces between two chains of point indices that share their first and last points,
// walking along both by the parameter t of each point; n + m - 2 triangles for chains of
// n and m points.
void stitch(const std::vector<int>& a, const std::vector<int>& b, const std::vector<double>& t,
            std::vector<std::array<int, 3>>& faces) {
    std::size_t i = 0, j = 0;
    while (i + 1 < a.size() || j + 1 < b.size()) {
        bool stepB = j + 1 < b.size() && (i + 1 == a.size() || t[b[j + 1]] <= t[a[i + 1]]);
        std::array<int, 3> f =
            stepB ? std::array{a[i], b[j], b[j + 1]} : std::array{a[i], b[j], a[i + 1]};
        stepB ? ++j : ++i;
        if (f[0] != f[1] && f[1] != f[2] && f[0] != f[2])
            faces.push_back(f);
    }
}

// A leaf pointing along `heading` (radians round z) and rising by `rise` over its length:
// base (0) and tip (1) on the outline, three midrib points inside (2..4), five outline points
// along each edge (5..9, 10..14). Each half is the polygon between the midrib and one edge:
// 5 + 7 - 2 = 10 corners, 8 triangles.
ShapeMesh leaf(double heading, double rise) {
    P3 along{std::cos(heading), std::sin(heading), 0}, across{-along.y, along.x, 0}, up{0, 0, 1};
    auto midrib = [&](double t) { return along * t + up * (rise * t * (1.4 - 0.4 * t)); };
    std::vector<P3> points{midrib(0), midrib(1)};
    std::vector<double> t{0, 1};
    for (int i = 1; i <= 3; ++i) {
        points.push_back(midrib(i / 4.0));
        t.push_back(i / 4.0);
    }
    for (double side : {1.0, -1.0})
        for (int i = 1; i <= 5; ++i) {
            double s = i / 6.0, half = 0.22 * std::pow(std::sin(PI * s), 0.8);
            // The halves fold down a little from the midrib.
            points.push_back(midrib(s) + across * (side * half) - up * (0.25 * half));
            t.push_back(s);
        }
    std::vector<std::array<int, 3>> faces;
    stitch({0, 2, 3, 4, 1}, {0, 5, 6, 7, 8, 9, 1}, t, faces);
    stitch({0, 2, 3, 4, 1}, {0, 10, 11, 12, 13, 14, 1}, t, faces);
    ShapeMesh mesh;
    Piece p = mesh.add(points, faces, midrib(0.5) - up);
    assert(p.vertexCount == 15 && p.triangleCount == 16);
    return mesh;
}

P3 bezier(P3 a, P3 b, P3 c, double t) {
    return a * ((1 - t) * (1 - t)) + b * (2 * t * (1 - t)) + c * (t * t);
}

// The stalk: a thin tube rising out of the top dimple and bending over towards +y and -x.
ShapeMesh stalk() {
    P3 p0{0, 0, 0.04}, p1{0, 0, 0.13}, p2{-0.026, 0.045, 0.15};
    P3 bendAxis = normalized(cross(p1 - p0, p2 - p1));
    RingSurface s;
    for (int k = 0; k < 7; ++k) {
        double t = k / 6.0;
        P3 along = normalized(bezier(p0, p1, p2, t + 1e-4) - bezier(p0, p1, p2, t));
        double r = 0.007 - 0.0015 * t;
        s.rings.push_back(
            ellipseRing(bezier(p0, p1, p2, t), bendAxis, cross(along, bendAxis), r, r, 7));
    }
    s.startPole = s.endPole = true;
    s.firstPole = p0 - P3{0, 0, 0.004};
    s.lastPole = p2 + normalized(p2 - p1) * 0.004;
    s.inside = bezier(p0, p1, p2, 0.5);
    ShapeMesh mesh;
    Piece p = mesh.add(s);
    assert(p.vertexCount == 51 && p.triangleCount == 98);
    return mesh;
}

void fit(ShapeMesh& mesh, const Box& box) {
    mesh.transformAll(mapBox(boundsOf(mesh.points, 0, int(mesh.points.size())), box));
    mesh.mapTextureToBox(box, 0);
}

} // namespace

std::array<ShapeMesh, 4> buildApple() {
    std::array<ShapeMesh, 4> parts{body(), leaf(PI / 180 * 25, 0.2), leaf(PI / 180 * 190, 0.45),
                                   stalk()};
    fit(parts[0], {{-0.092, -0.096, -0.082}, {0.092, 0.096, 0.082}});
    fit(parts[1], {{0.004, -0.022, 0.083}, {0.089, 0.040, 0.112}});
    fit(parts[2], {{-0.088, -0.035, 0.076}, {-0.004, 0.034, 0.124}});
    fit(parts[3], {{-0.024, -0.006, 0.065}, {0.008, 0.045, 0.155}});
    return parts;
}
