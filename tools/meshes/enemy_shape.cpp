// The Enemy: a domed creature with a scalloped skirt of eight tentacle tips and two horns
// curving up and out from its brow. It faces +x and stands on z = 0 round its local z axis.
//
// Vertex budget (319 vertices, 626 triangles):
//   dome   top pole + 11 rings x 24, bottom closed flat   265 v   24 + 2*24*10 + 22 = 526 t
//   horns  2 closed cones: base point, 5 rings x 5, tip   2 * 27  2 * 2*5*5         = 100 t
// 24 segments put a tentacle tip every 45 degrees, so the skirt is the same seen from
// +x, -x, +y and -y and the model stays centred on its axis.
//
// Texture: the dome is unrolled from above, (rho, phi) with rho the angle from straight up
// in right angles (1 at the dome's equator, more on the skirt) and phi the angle round z;
// the texture's top (v) points forwards and its left (u) to the Enemy's left, so a picture
// laid on the Enemy reads upright from the chase camera behind it.
#include "geometry.h"
#include "shapes.h"

#include <cassert>
#include <cmath>
#include <numbers>

namespace {

constexpr double PI = std::numbers::pi;
constexpr int SEGMENTS = 24;
constexpr double DOME_CENTRE_Z = 0.10, DOME_RADIUS = 0.2, DOME_HEIGHT = 0.31;

const Box ENEMY_EXTENTS{{-0.2378, -0.25, 0}, {0.2378, 0.25, 0.4334}};

P3 domePoint(double theta, double phi) {
    // The upper dome leans a little forward, like a head lowered to charge.
    double lean = 0.03 * std::max(0.0, std::cos(theta));
    return {DOME_RADIUS * std::sin(theta) * std::cos(phi) + lean,
            DOME_RADIUS * std::sin(theta) * std::sin(phi),
            DOME_CENTRE_Z + DOME_HEIGHT * std::cos(theta)};
}

std::vector<P3> ring(double radius, double lobes, double z, double lift) {
    std::vector<P3> r(SEGMENTS);
    for (int j = 0; j < SEGMENTS; ++j) {
        double phi = 2 * PI * j / SEGMENTS, wave = std::cos(8 * phi);
        double rr = radius * (1 + lobes * wave);
        r[j] = {rr * std::cos(phi), rr * std::sin(phi), z + lift * (1 - wave) / 2};
    }
    return r;
}

void addDome(ShapeMesh& mesh) {
    RingSurface s;
    std::vector<double> rhos;
    for (int k = 1; k <= 7; ++k) {
        double theta = PI / 180 * 96 * k / 7;
        std::vector<P3> r(SEGMENTS);
        for (int j = 0; j < SEGMENTS; ++j)
            r[j] = domePoint(theta, 2 * PI * j / SEGMENTS);
        s.rings.push_back(r);
        rhos.push_back(theta / (PI / 2));
    }
    // Skirt: flaring out to the tentacle tips, which alone touch the ground.
    s.rings.push_back(ring(0.215, 0.10, 0.035, 0.0));
    s.rings.push_back(ring(0.235, 0.14, 0.0, 0.015));
    // Underside, unseen: flat, mapped back towards the middle of the picture.
    s.rings.push_back(ring(0.15, 0, 0.005, 0));
    s.rings.push_back(ring(0.07, 0, 0.005, 0));
    for (double rho : {1.22, 1.34, 1.0, 0.5})
        rhos.push_back(rho);
    s.startPole = true;
    s.firstPole = domePoint(0, 0);
    s.inside = {0, 0, DOME_CENTRE_Z};
    Piece p = mesh.add(s);
    // While building, texture.x holds rho; phi comes from the position.
    for (int i = 0; i < p.vertexCount - 1; ++i)
        mesh.texture[p.firstVertex + i].x = rhos[i / SEGMENTS];
    std::vector<int> bottom(SEGMENTS);
    for (int j = 0; j < SEGMENTS; ++j)
        bottom[j] = p.firstVertex + 10 * SEGMENTS + j;
    mesh.addPolygon(bottom, s.inside);
    assert(p.vertexCount == 265 && int(mesh.triangles.size()) == 526);
}

P3 bezier(P3 a, P3 b, P3 c, double t) {
    return a * ((1 - t) * (1 - t)) + b * (2 * t * (1 - t)) + c * (t * t);
}

// A horn: a pentagonal cone along a quadratic curve from a base buried in the dome, first
// out along the dome's normal, then up and sideways.
void addHorn(ShapeMesh& mesh, double side) {
    constexpr int RINGS = 5, SIDES = 5;
    double theta = PI / 180 * 42, phi = side * PI / 180 * 58;
    P3 skin = domePoint(theta, phi);
    P3 normal = normalized(skin - P3{0, 0, DOME_CENTRE_Z});
    P3 p0 = skin - normal * 0.04, p1 = skin + normal * 0.07;
    P3 p2 = p1 + P3{0.01, side * 0.11, 0.06};
    P3 bendAxis = normalized(cross(p1 - p0, p2 - p1));
    RingSurface s;
    for (int k = 0; k < RINGS; ++k) {
        double t = 0.85 * k / (RINGS - 1), dt = 1e-4;
        P3 along = normalized(bezier(p0, p1, p2, t + dt) - bezier(p0, p1, p2, t));
        double radius = 0.042 * (1 - 0.75 * t / 0.85);
        s.rings.push_back(ellipseRing(bezier(p0, p1, p2, t), bendAxis, cross(along, bendAxis),
                                      radius, radius, SIDES));
    }
    s.startPole = s.endPole = true;
    s.firstPole = p0;
    s.lastPole = p2;
    s.inside = bezier(p0, p1, p2, 0.4);
    Piece p = mesh.add(s);
    assert(p.vertexCount == 27 && p.triangleCount == 50);
    for (int i = p.firstVertex; i < p.firstVertex + p.vertexCount; ++i) {
        P3 d = mesh.points[i] - P3{0, 0, DOME_CENTRE_Z};
        mesh.texture[i].x = std::atan2(std::hypot(d.x, d.y), d.z) / (PI / 2);
    }
}

// u across (to the Enemy's left), v along the heading; scaled so they span the ranges the
// texture clamps at: u in [0.0902, 0.9098], v in [-0.1018, 1.1018]. w is the height,
// w = -0.0058 + 1.0116 z / 0.4334.
void mapTexture(ShapeMesh& mesh) {
    double acrossMax = 0, alongMax = 0;
    std::vector<P3> plane(mesh.points.size());
    for (std::size_t i = 0; i < mesh.points.size(); ++i) {
        double phi = std::atan2(mesh.points[i].y, mesh.points[i].x);
        double rho = mesh.texture[i].x;
        plane[i] = {-rho * std::sin(phi), rho * std::cos(phi), 0};
        acrossMax = std::max(acrossMax, std::abs(plane[i].x));
        alongMax = std::max(alongMax, std::abs(plane[i].y));
    }
    for (std::size_t i = 0; i < mesh.points.size(); ++i)
        mesh.texture[i] = {0.5 + 0.4098 * plane[i].x / acrossMax,
                           0.5 + 0.6018 * plane[i].y / alongMax,
                           -0.0058 + 1.0116 * mesh.points[i].z / ENEMY_EXTENTS.hi.z};
}

} // namespace

ShapeMesh buildEnemy() {
    ShapeMesh mesh;
    addDome(mesh);
    addHorn(mesh, -1);
    addHorn(mesh, 1);
    assert(mesh.points.size() == 319 && mesh.triangles.size() == 626);
    mesh.transformAll(mapBox(boundsOf(mesh.points, 0, int(mesh.points.size())), ENEMY_EXTENTS));
    mapTexture(mesh);
    return mesh;
}
