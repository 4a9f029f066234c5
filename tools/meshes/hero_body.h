// The Hero's round body, shared by the pieces that sit on it (eyes, crest, ...).
//
// An ellipsoid a little flatter below its middle than above; theta is the angle from +z,
// phi the angle round z from +x (the Hero faces +x). Design units are world units; the
// finished Hero is fitted to its exact extents afterwards, which moves things by ~1%.
#pragma once

#include "geometry.h"
#include "shape_mesh.h"

#include <numbers>

struct HeroBody {
    P3 centre{-0.105, 0, 0};
    double rx = 0.365, ry = 0.365, rzTop = 0.35, rzBottom = 0.33;

    double rz(double theta) const { return std::cos(theta) >= 0 ? rzTop : rzBottom; }
    P3 at(double theta, double phi) const {
        return centre + P3{rx * std::sin(theta) * std::cos(phi),
                           ry * std::sin(theta) * std::sin(phi), rz(theta) * std::cos(theta)};
    }
    // The ellipsoid's gradient direction: the outward surface normal.
    P3 normal(double theta, double phi) const {
        P3 d = at(theta, phi) - centre;
        double z2 = rz(theta) * rz(theta);
        return normalized({d.x / (rx * rx), d.y / (ry * ry), d.z / z2});
    }
};

inline const HeroBody HERO_BODY;

inline double degrees(double d) {
    return d * std::numbers::pi / 180;
}

// The crest on the body's back (crest_shape.cpp): 365 vertices, 660 triangles.
Piece addCrest(ShapeMesh& mesh);
