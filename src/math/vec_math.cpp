#include "math/vec_math.h"

#include <cassert>
#include <cmath>

double vecDot(const Vec3& a, const Vec3& b) {
    return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z;
}

void vecCross(Vec3& out, const Vec3& a, const Vec3& b) {
    Vec3 r;
    r.x = float(double(a.y) * b.z - double(a.z) * b.y);
    r.y = float(double(a.z) * b.x - double(a.x) * b.z);
    r.z = float(double(a.x) * b.y - double(a.y) * b.x);
    out = r;
}

void vecNegate(Vec3& v) {
    vecScale(v, -1.0);
}

void vecScale(Vec3& v, double s) {
    vecScaled(v, v, s);
}

void vecScaled(Vec3& out, const Vec3& v, double s) {
    out = Vec3{float(v.x * s), float(v.y * s), float(v.z * s)};
}

void vecAdd(Vec3& out, const Vec3& a, const Vec3& b) {
    out = Vec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

void vecSub(Vec3& out, const Vec3& a, const Vec3& b) {
    out = Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

double vecLength(const Vec3& v) {
    return std::sqrt(vecDot(v, v));
}

void vecNormalize(Vec3& v) {
    double length = vecLength(v);
    if (!(length >= 1e-7)) // also true for NaN
        return;
    vecScale(v, 1.0 / length);
}

void vecApproach(const Vec3& goal, Vec3& v, float divisor) {
    double f = 1.0 / divisor;
    v.x = float(v.x + f * (double(goal.x) - v.x));
    v.y = float(v.y + f * (double(goal.y) - v.y));
    v.z = float(v.z + f * (double(goal.z) - v.z));
}

void planeFromPointNormal(Plane& out, const Vec3& point, const Vec3& normal) {
    out = Plane{normal.x, normal.y, normal.z, float(-vecDot(point, normal))};
}

void planeFromPoints(Plane& out, const Vec3& p0, const Vec3& p1, const Vec3& p2) {
    Vec3 e1, e2, n;
    vecSub(e1, p1, p0);
    vecSub(e2, p2, p0);
    vecCross(n, e1, e2);
    planeFromPointNormal(out, p0, n);
}

void rayPlaneIntersect(const Vec3& direction, const Plane& plane, const Vec3& p, Vec3& out) {
    double num = double(plane.a) * p.x + double(plane.b) * p.y + double(plane.c) * p.z + plane.d;
    double den = double(plane.a) * direction.x + double(plane.b) * direction.y +
                 double(plane.c) * direction.z;
    double t = num / den;
    out = Vec3{float(p.x - t * direction.x), float(p.y - t * direction.y),
               float(p.z - t * direction.z)};
}

void matIdentity(Matrix4& m) {
    m = Matrix4{};
    for (int i = 0; i < 4; ++i)
        m.at(i, i) = 1.0f;
}

void matRotateXYZ(Matrix4& m, double ax, double ay, double az) {
    double cx = std::cos(ax), sx = std::sin(ax);
    double cy = std::cos(ay), sy = std::sin(ay);
    double cz = std::cos(az), sz = std::sin(az);
    double s0 = m.at(0, 0), s1 = m.at(1, 1), s2 = m.at(2, 2);
    m.at(0, 0) = float(s0 * cy * cz);
    m.at(0, 1) = float(s1 * (sx * sy * cz + cx * sz));
    m.at(0, 2) = float(s2 * (sx * sz - cx * sy * cz));
    m.at(1, 0) = float(-s0 * cy * sz);
    m.at(1, 1) = float(s1 * (cx * cz - sx * sy * sz));
    m.at(1, 2) = float(s2 * (cx * sy * sz + sx * cz));
    m.at(2, 0) = float(s0 * sy);
    m.at(2, 1) = float(-s1 * sx * cy);
    m.at(2, 2) = float(s2 * cx * cy);
}

void matMultiply(Matrix4& out, const Matrix4& a, const Matrix4& b) {
    assert(&out != &a && &out != &b);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += double(a.at(i, k)) * b.at(k, j);
            out.at(i, j) = float(sum);
        }
    }
}

Vec3 headingOf(const Matrix4& orientation) {
    return Vec3{orientation.m[0], orientation.m[1], orientation.m[2]};
}

Matrix4 turnedAboutZ(const Matrix4& orientation, double angle) {
    Matrix4 rotation;
    matIdentity(rotation);
    matRotateXYZ(rotation, 0.0, 0.0, angle);
    Matrix4 turned;
    matMultiply(turned, orientation, rotation);
    return turned;
}

void rgbToLuminanceAlpha(int count, const unsigned char* rgb, unsigned char* out) {
    for (int i = 0; i < count; ++i) {
        int sum = rgb[3 * i] + rgb[3 * i + 1] + rgb[3 * i + 2];
        // (r + g + b) * -1/3 truncated toward zero is -floor((r + g + b) / 3); its low byte
        // is the alpha: 0 for black, 226 for (30, 30, 30), 1 for white.
        int alpha = int(float(sum) * -0.33333334f);
        out[2 * i] = 255;
        out[2 * i + 1] = static_cast<unsigned char>(alpha & 0xFF);
    }
}
