// Bending the Hero's crest sideways for poses 1 and 2.
//
// Each crest vertex turns about the x axis through a pivot line 0.1 below the crest's lowest
// point, by an angle that grows with its height h above that line:
//   angle(h) = a0 * (h / hTop)^q,
// so q = 0 tilts the fin rigidly and a larger q bends it more at the top. a0 fixes the shift
// of the farthest-moved vertex, q the average shift; both are found by bisection. Turning
// keeps x and moves the top down only by h (1 - cos angle), a few hundredths here.
#include "shapes.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

struct Bend {
    double pivotZ, topHeight;
};

struct Shift {
    double extreme, mean; // signed y shifts: farthest in the bend's direction, average
};

std::vector<P3> bend(const std::vector<P3>& points, const Piece& crest, const Bend& b, double a0,
                     double q) {
    std::vector<P3> out = points;
    for (int i = crest.firstVertex; i < crest.firstVertex + crest.vertexCount; ++i) {
        double h = points[i].z - b.pivotZ, y = points[i].y;
        double a = a0 * std::pow(h / b.topHeight, q);
        out[i].y = y * std::cos(a) + h * std::sin(a);
        out[i].z = b.pivotZ - y * std::sin(a) + h * std::cos(a);
    }
    return out;
}

Shift measure(const std::vector<P3>& from, const std::vector<P3>& to, const Piece& crest,
              double direction) {
    Shift s{0, 0};
    for (int i = crest.firstVertex; i < crest.firstVertex + crest.vertexCount; ++i) {
        double dy = to[i].y - from[i].y;
        if (dy * direction > s.extreme * direction)
            s.extreme = dy;
        s.mean += dy / crest.vertexCount;
    }
    return s;
}

// Solves f(x) = goal on [lo, hi] for an f that rises with x.
template <class F> double bisect(F f, double goal, double lo, double hi) {
    for (int i = 0; i < 60; ++i) {
        double mid = (lo + hi) / 2;
        (f(mid) < goal ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

} // namespace

std::vector<P3> swayCrest(const std::vector<P3>& points, const Piece& crest, Sway sway) {
    Box box = boundsOf(points, crest.firstVertex, crest.vertexCount);
    Bend b{box.lo.z - 0.1, box.hi.z - (box.lo.z - 0.1)};
    double direction = sway.extreme > 0 ? 1 : -1;
    auto angleFor = [&](double q) {
        auto reach = [&](double a) {
            return measure(points, bend(points, crest, b, direction * a, q), crest, direction)
                       .extreme *
                   direction;
        };
        return direction * bisect(reach, std::abs(sway.extreme), 0, 1.2);
    };
    // The mean's share of the extreme shift falls as the bend moves up (q grows), so its
    // negative rises, as bisect wants.
    auto lostShare = [&](double q) {
        auto bent = bend(points, crest, b, angleFor(q), q);
        return -measure(points, bent, crest, direction).mean / sway.extreme;
    };
    double share = sway.mean / sway.extreme;
    assert(lostShare(0) <= -share && lostShare(8) >= -share);
    double q = bisect(lostShare, -share, 0, 8);
    return bend(points, crest, b, angleFor(q), q);
}
