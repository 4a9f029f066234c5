// Vectors, planes and 4x4 matrices of 32-bit floats, and their free functions.
//
// The world is right-handed with z up. A Matrix4 holds element (row r, column c) at index
// 4r + c; points are row vectors transformed as p' = p * M, which is the memory layout
// glMultMatrixf expects, so row 0 of an orientation matrix is the object's local x axis (its
// heading). Functions that compute a vector, plane or matrix write it through their first
// argument; scalars come in as doubles and every stored component is rounded to float.
// Nothing here allocates.
#pragma once

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

struct Plane {
    float a = 0, b = 0, c = 0, d = 0;
};

struct Matrix4 {
    float m[16] = {};
    float& at(int row, int col) { return m[4 * row + col]; }
    float at(int row, int col) const { return m[4 * row + col]; }
};

double vecDot(const Vec3& a, const Vec3& b);
void vecCross(Vec3& out, const Vec3& a, const Vec3& b);
void vecNegate(Vec3& v);
void vecScale(Vec3& v, double s);
void vecScaled(Vec3& out, const Vec3& v, double s);
void vecAdd(Vec3& out, const Vec3& a, const Vec3& b);
void vecSub(Vec3& out, const Vec3& a, const Vec3& b);
double vecLength(const Vec3& v);
// Divides v by its length; a vector shorter than 1e-7 (or NaN) is left unchanged.
void vecNormalize(Vec3& v);
// Moves each component of v 1/divisor of the way toward goal.
void vecApproach(const Vec3& goal, Vec3& v, float divisor);

void planeFromPointNormal(Plane& out, const Vec3& point, const Vec3& normal);
// Normal (p1 - p0) x (p2 - p0), not normalised.
void planeFromPoints(Plane& out, const Vec3& p0, const Vec3& p1, const Vec3& p2);
// Where the line through p along direction meets the plane; the caller guarantees that the
// direction is not parallel to the plane.
void rayPlaneIntersect(const Vec3& direction, const Plane& plane, const Vec3& p, Vec3& out);

void matIdentity(Matrix4& m);
// Writes the rotation for the angles (ax, ay, az) radians into the upper-left 3x3 block,
// each column scaled by the block's previous diagonal element (1 on a fresh identity).
void matRotateXYZ(Matrix4& m, double ax, double ay, double az);
// out = a * b; out must be distinct from a and b.
void matMultiply(Matrix4& out, const Matrix4& a, const Matrix4& b);

// Row 0 of an orientation: the direction the object faces.
Vec3 headingOf(const Matrix4& orientation);
// orientation * Rz(angle), built on a fresh identity: a turn by angle radians about z,
// counter-clockwise seen from above.
Matrix4 turnedAboutZ(const Matrix4& orientation, double angle);

// count RGB pixels to count (255, alpha) pairs, alpha the low byte of -floor((r+g+b)/3):
// black becomes transparent, near-black nearly opaque, brighter pixels more transparent.
void rgbToLuminanceAlpha(int count, const unsigned char* rgb, unsigned char* out);
