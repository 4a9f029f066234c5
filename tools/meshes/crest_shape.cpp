// The Hero's crest: a thin fin with three rounded lobes, standing on the body's middle line
// (y = 0) from the forehead down the back.
//
// It is an arch swept along the body: 33 stations, each an arch of 11 points from the fin's
// left foot over its top edge to its right foot, plus one point before the first station and
// one after the last to close the ends: 33 * 11 + 2 = 365 vertices and 2 * 33 * 10 = 660
// triangles. The feet of the arches are buried in the body, so the fin needs no bottom; they
// stay buried when the fin sways, which bends it most at the top.
#include "hero_body.h"
#include "shapes.h"

#include <cassert>
#include <numbers>

namespace {

constexpr int STATIONS = 33, ARCH_POINTS = 11;
constexpr double PI = std::numbers::pi;

// Where along the body a station stands, s in [0, 1] from front to back: the angle from +z
// over the top, positive towards the face.
double bodyAngle(double s) {
    return degrees(35) + (degrees(-48) - degrees(35)) * s;
}

P3 skinAt(double s, P3& normal) {
    double beta = bodyAngle(s);
    double phi = beta >= 0 ? 0 : PI;
    normal = HERO_BODY.normal(std::abs(beta), phi);
    return HERO_BODY.at(std::abs(beta), phi);
}

constexpr double BURIED = 0.03; // depth of the fin's foot under the skin

P3 footAt(double s, P3& normal) {
    return skinAt(s, normal) - normal * BURIED;
}

// Height of the fin's top edge above its foot: an envelope highest over the middle of the
// back, times three lobes with notches between them (lobe tops at s = 1/6, 1/2, 5/6).
double heightAt(double s) {
    constexpr double TALLEST = 0.36;
    double envelope = 0.12 + 0.88 * std::pow(std::sin(PI * s), 0.8);
    double lobe = std::pow(std::abs(std::sin(3 * PI * s)), 0.6);
    return TALLEST * envelope * (0.55 + 0.45 * lobe);
}

std::vector<P3> arch(double s) {
    P3 normal;
    P3 foot = footAt(s, normal);
    // The fin grows half along the skin's normal and half straight up, so its back part does
    // not stick out behind the Hero; each lobe's top is swept a little backwards.
    P3 up = normalized(normal + P3{0, 0, 1.2});
    double height = heightAt(s), halfWidth = 0.03 + 0.025 * height / 0.36;
    double sweep = 0.25 * height;
    std::vector<P3> points(ARCH_POINTS);
    for (int j = 0; j < ARCH_POINTS; ++j) {
        double a = -PI / 2 + PI * j / (ARCH_POINTS - 1);
        double rise = std::cos(a);
        points[j] = foot + P3{0, halfWidth * std::sin(a), 0} + up * (height * rise) +
                    P3{-sweep * rise * rise, 0, 0};
    }
    return points;
}

} // namespace

Piece addCrest(ShapeMesh& mesh) {
    RingSurface s;
    s.closedRings = false;
    for (int k = 0; k < STATIONS; ++k)
        s.rings.push_back(arch((k + 0.5) / STATIONS));
    P3 normal;
    s.startPole = s.endPole = true;
    s.firstPole = footAt(-0.5 / STATIONS, normal);
    s.lastPole = footAt(1 + 0.5 / STATIONS, normal);
    s.inside = HERO_BODY.centre;
    Piece p = mesh.add(s);
    assert(p.vertexCount == STATIONS * ARCH_POINTS + 2);
    assert(p.triangleCount == 2 * STATIONS * (ARCH_POINTS - 1));
    return p;
}
