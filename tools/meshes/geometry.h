// Double-precision points and boxes for the mesh generator.
//
// The generator designs its shapes in doubles (world units, z up, models facing +x) and
// rounds to the tables' 32-bit floats only when it writes them out.
#pragma once

#include <cmath>
#include <vector>

struct P3 {
    double x = 0, y = 0, z = 0;
};

inline P3 operator+(P3 a, P3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline P3 operator-(P3 a, P3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline P3 operator*(P3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline P3 cross(P3 a, P3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(P3 a) {
    return std::sqrt(dot(a, a));
}
inline P3 normalized(P3 a) {
    return a * (1.0 / length(a));
}
inline double& axis(P3& p, int i) {
    return i == 0 ? p.x : i == 1 ? p.y : p.z;
}
inline double axis(const P3& p, int i) {
    return i == 0 ? p.x : i == 1 ? p.y : p.z;
}

// An axis-aligned box: the extents a shape must fill.
struct Box {
    P3 lo, hi;
};

Box boundsOf(const std::vector<P3>& points, int first, int count);

// The per-axis linear map that takes box `from` onto box `to`; it keeps orientation, so the
// winding of the mapped triangles stays outward.
struct AxisMap {
    P3 scale, offset;
    P3 operator()(P3 p) const {
        return {p.x * scale.x + offset.x, p.y * scale.y + offset.y, p.z * scale.z + offset.z};
    }
};
AxisMap mapBox(const Box& from, const Box& to);
