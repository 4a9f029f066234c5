// The Hero: a round yellow creature facing +x with big eyes, brows, a smile, stubby arms and
// feet, a little tail, and a three-lobed crest running from its forehead down its back.
//
// Vertex budget (it must come to 4 562 vertices and 8 469 triangles exactly):
//   body     closed sphere, 33 rings x 70 + 2 poles      2 312 v   2 * 33 * 70      = 4 620 t
//   eyes     2 open domes, 6 rings x 44 + pole           2 * 265   2 * 44 * (2*6-1) =   968
//   pupils   2 open domes, 3 rings x 26 + pole           2 * 79    2 * 26 * (2*3-1) =   260
//   brows    2 ridges, 3 lines x 28                      2 * 84    2 * 4 * (28-1)   =   216
//   mouth    1 ridge, 3 lines x 57                           171   4 * (57-1)       =   224
//   feet     2 open domes, 5 rings x 48 + pole           2 * 241   2 * 48 * (2*5-1) =   864
//   arms     2 open domes, 4 rings x 36 + pole           2 * 145   2 * 36 * (2*4-1) =   504
//   tail     open cone, 5 rings x 17 + tip                    86   17 * (2*5-1)     =   153
//   crest    arch of 11 x 33 stations + 2 end points         365   2 * 33 * (11-1)  =   660
// The open edges (dome rims, ridge edges, the crest's foot) are all buried in the body.
#include "hero_body.h"
#include "shapes.h"

#include <cassert>
#include <functional>
#include <numbers>

namespace {

constexpr double PI = std::numbers::pi;

void addBody(ShapeMesh& mesh) {
    constexpr int RINGS = 33, SEGMENTS = 70;
    RingSurface s;
    for (int k = 1; k <= RINGS; ++k) {
        double theta = PI * k / (RINGS + 1);
        std::vector<P3> ring(SEGMENTS);
        for (int j = 0; j < SEGMENTS; ++j)
            ring[j] = HERO_BODY.at(theta, 2 * PI * j / SEGMENTS);
        s.rings.push_back(ring);
    }
    s.startPole = s.endPole = true;
    s.firstPole = HERO_BODY.at(0, 0);
    s.lastPole = HERO_BODY.at(PI, 0);
    s.inside = HERO_BODY.centre;
    Piece p = mesh.add(s);
    assert(p.vertexCount == 2312 && p.triangleCount == 4620);
}

// An ellipsoidal dome round `dir`, from its pole (centre + dir * along) down to the polar
// angle alphaMax, left open there: across1 and across2 are its radii along u and v.
struct Dome {
    P3 centre, dir, u, v;
    double along, across1, across2;
    int rings, segments;
    double alphaMax;
};

Piece addDome(ShapeMesh& mesh, const Dome& d) {
    RingSurface s;
    for (int k = 1; k <= d.rings; ++k) {
        double a = d.alphaMax * k / d.rings;
        s.rings.push_back(ellipseRing(d.centre + d.dir * (d.along * std::cos(a)), d.u, d.v,
                                      d.across1 * std::sin(a), d.across2 * std::sin(a),
                                      d.segments));
    }
    s.startPole = true;
    s.firstPole = d.centre + d.dir * d.along;
    s.inside = d.centre;
    Piece p = mesh.add(s);
    assert(p.vertexCount == 1 + d.rings * d.segments);
    assert(p.triangleCount == d.segments * (2 * d.rings - 1));
    return p;
}

Dome roundDome(P3 centre, P3 dir, double along, double across, int rings, int segments,
               double alphaMax) {
    Dome d{centre, normalized(dir), {}, {}, along, across, across, rings, segments, alphaMax};
    perpendicularPair(d.dir, d.u, d.v);
    return d;
}

// Eyes sit high on the front, close together; the pupils look forward and a little inward,
// which reads as attentive rather than startled.
void addEyes(ShapeMesh& mesh) {
    for (double side : {-1.0, 1.0}) {
        double theta = degrees(58), phi = side * degrees(26);
        P3 n = HERO_BODY.normal(theta, phi);
        P3 eye = HERO_BODY.at(theta, phi) - n * 0.035;
        constexpr double EYE_RADIUS = 0.1;
        addDome(mesh, roundDome(eye, n, EYE_RADIUS, EYE_RADIUS, 6, 44, degrees(118)));
        P3 look = normalized(n * 0.6 + P3{0.8, -side * 0.1, -0.05});
        P3 pupil = eye + look * (EYE_RADIUS - 0.025);
        addDome(mesh, roundDome(pupil, look, 0.045, 0.05, 3, 26, degrees(115)));
    }
}

// A raised ridge along a path on the skin, param t in [-1, 1]: three lines of `count` points,
// the outer two just under the skin, the middle one raised and sinking into the skin at both
// ends so the ridge has no open ends to see into.
Piece addRidge(ShapeMesh& mesh, const std::function<P3(double)>& thetaPhi, int count,
               double halfWidth, double height) {
    RingSurface s;
    s.closedRings = false;
    s.rings.assign(3, std::vector<P3>(count));
    for (int i = 0; i < count; ++i) {
        double t = -1 + 2.0 * i / (count - 1), dt = 1e-4;
        P3 at = thetaPhi(t), ahead = thetaPhi(t + dt);
        P3 skin = HERO_BODY.at(at.x, at.y), n = HERO_BODY.normal(at.x, at.y);
        P3 across = normalized(cross(n, HERO_BODY.at(ahead.x, ahead.y) - skin));
        double rise = height * (1 - t * t * t * t) - 0.006;
        s.rings[0][i] = skin + across * halfWidth - n * 0.006;
        s.rings[1][i] = skin + n * rise;
        s.rings[2][i] = skin - across * halfWidth - n * 0.006;
    }
    s.inside = HERO_BODY.centre;
    Piece p = mesh.add(s);
    assert(p.vertexCount == 3 * count && p.triangleCount == 4 * (count - 1));
    return p;
}

void addBrowsAndSmile(ShapeMesh& mesh) {
    for (double side : {-1.0, 1.0})
        addRidge(
            mesh,
            [side](double t) {
                return P3{degrees(33 + 5 * t * t), side * degrees(26 + 15 * t), 0};
            },
            28, 0.014, 0.02);
    // The middle of the smile hangs lowest (largest angle from +z), its corners turn up.
    addRidge(
        mesh,
        [](double t) {
            return P3{degrees(97 - 11 * t * t), degrees(32 * t), 0};
        },
        57, 0.016, 0.018);
}

// Feet: flattened domes hanging below the front of the body, open at the top inside it.
void addFeet(ShapeMesh& mesh) {
    for (double side : {-1.0, 1.0}) {
        Dome foot{{0.02, side * 0.17, -0.29},
                  {0, 0, -1},
                  {0, 1, 0},
                  {1, 0, 0},
                  0.085,
                  0.10,
                  0.15,
                  5,
                  48,
                  degrees(170)};
        addDome(mesh, foot);
    }
}

void addArms(ShapeMesh& mesh) {
    for (double side : {-1.0, 1.0}) {
        double theta = degrees(100), phi = side * degrees(78);
        P3 n = HERO_BODY.normal(theta, phi);
        P3 dir = n * 0.5 + P3{0.3, 0, -0.8};
        addDome(mesh, roundDome(HERO_BODY.at(theta, phi) - n * 0.03, dir, 0.085, 0.055, 4, 36,
                                degrees(150)));
    }
}

// A short pointed tail low on the back: rings from the tip to a base buried in the body.
void addTail(ShapeMesh& mesh) {
    constexpr int RINGS = 5, SEGMENTS = 17;
    constexpr double LENGTH = 0.11, BASE_RADIUS = 0.05;
    double theta = degrees(105), phi = PI;
    P3 n = HERO_BODY.normal(theta, phi);
    P3 base = HERO_BODY.at(theta, phi) - n * 0.03, dir = normalized(n + P3{0, 0, 0.5});
    P3 u, v;
    perpendicularPair(dir, u, v);
    RingSurface s;
    for (int k = 1; k <= RINGS; ++k) {
        double t = double(k) / RINGS;
        double r = BASE_RADIUS * std::pow(t, 0.7);
        s.rings.push_back(ellipseRing(base + dir * (LENGTH * (1 - t)), u, v, r, r, SEGMENTS));
    }
    s.startPole = true;
    s.firstPole = base + dir * LENGTH;
    s.inside = base;
    Piece p = mesh.add(s);
    assert(p.vertexCount == 86 && p.triangleCount == 153);
}

// The finished Hero fills exactly this box (all three poses stay inside it).
const Box HERO_EXTENTS{{-0.5098, -0.3695, -0.3751}, {0.2999, 0.3665, 0.6593}};

} // namespace

HeroShape buildHero() {
    HeroShape hero;
    ShapeMesh& mesh = hero.mesh;
    addBody(mesh);
    addEyes(mesh);
    addBrowsAndSmile(mesh);
    addFeet(mesh);
    addArms(mesh);
    addTail(mesh);
    hero.crest = addCrest(mesh);
    assert(mesh.points.size() == 4562 && mesh.triangles.size() == 8469);
    assert(hero.crest.vertexCount == 365);
    mesh.transformAll(mapBox(boundsOf(mesh.points, 0, int(mesh.points.size())), HERO_EXTENTS));
    // The game replaces the texture coordinates by sphere mapping; these are the position in
    // the box, kept 0.0005 clear of the texels' edges, and the same for all poses.
    mesh.mapTextureToBox(HERO_EXTENTS, 0.0005);
    // Pose 1 leans further (0.24 at the top edge, 0.124 on average) than pose 2 (0.20 and
    // 0.078, more of a bend), so the sway looks like a swing rather than a mirror flip.
    hero.poses = {mesh.points, swayCrest(mesh.points, hero.crest, {0.24, 0.124}),
                  swayCrest(mesh.points, hero.crest, {-0.20, -0.078})};
    return hero;
}
