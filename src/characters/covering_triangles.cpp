#include "characters/covering_triangles.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Twice a triangle's area in square pixels below which the sign of its winding, and so
// which side of an edge is inside, could be a rounding error: the cross products of window
// coordinates up to 4096 carry errors near 1e-9.
constexpr double LEAST_DOUBLE_AREA = 1e-6;

// modelView * projection reduced to what places a corner on screen: the coefficients of
// (x, y, z, 1) giving clip x, y and w, and the viewport's centre and half size.
struct ScreenMapping {
    double x[4], y[4], w[4];
    double centreX, centreY, halfWidth, halfHeight;
};

ScreenMapping screenMappingOf(const MeshView& view) {
    ScreenMapping s{};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k) {
            const double eye = view.modelView.at(row, k);
            s.x[row] += eye * view.projection.at(k, 0);
            s.y[row] += eye * view.projection.at(k, 1);
            s.w[row] += eye * view.projection.at(k, 3);
        }
    s.halfWidth = view.viewport[2] / 2.0;
    s.halfHeight = view.viewport[3] / 2.0;
    s.centreX = view.viewport[0] + s.halfWidth;
    s.centreY = view.viewport[1] + s.halfHeight;
    return s;
}

// Window coordinates beyond this many pixels are taken as anywhere, like a corner behind
// the eye: a triangle with such a corner is kept untested.
constexpr double FARTHEST = 1 << 29;

// For |v| < FARTHEST + 1, where the conversion to int is exact after truncating toward zero;
// cheaper than std::floor and std::ceil, which the compiler may not inline.
int floorToInt(double v) {
    const int truncated = int(v);
    return truncated - (v < truncated);
}

int ceilToInt(double v) {
    const int truncated = int(v);
    return truncated + (v > truncated);
}

WindowPoint anywhere() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, -int(FARTHEST), int(FARTHEST), -int(FARTHEST), int(FARTHEST)};
}

WindowPoint project(const ScreenMapping& s, const MeshVertex& v) {
    const double w = v.x * s.w[0] + v.y * s.w[1] + v.z * s.w[2] + s.w[3];
    if (!(w > 0))
        return anywhere();
    const double x =
        s.centreX + (v.x * s.x[0] + v.y * s.x[1] + v.z * s.x[2] + s.x[3]) / w * s.halfWidth;
    const double y =
        s.centreY + (v.x * s.y[0] + v.y * s.y[1] + v.z * s.y[2] + s.y[3]) / w * s.halfHeight;
    if (!(std::fabs(x) < FARTHEST && std::fabs(y) < FARTHEST))
        return anywhere();
    // Centre i + 0.5 lies within the margin of x when x - margin <= i + 0.5 <= x + margin.
    return {x,
            y,
            ceilToInt(x - COVER_MARGIN - 0.5),
            floorToInt(x + COVER_MARGIN - 0.5),
            ceilToInt(y - COVER_MARGIN - 0.5),
            floorToInt(y + COVER_MARGIN - 0.5)};
}

// One edge's line, inside positive: a centre is near when its distance outside, the edge
// function over the edge's length, is at most COVER_MARGIN; compared squared, without a root.
struct EdgeLine {
    double dx, dy, fromX, fromY, slackSquared;

    EdgeLine(const WindowPoint& from, const WindowPoint& to, double winding)
        : dx((to.x - from.x) * winding), dy((to.y - from.y) * winding), fromX(from.x),
          fromY(from.y), slackSquared(COVER_MARGIN * COVER_MARGIN * (dx * dx + dy * dy)) {}

    bool near(double x, double y) const {
        const double e = dx * (y - fromY) - dy * (x - fromX);
        return e >= 0 || e * e <= slackSquared;
    }
};

bool mayCover(const WindowPoint& a, const WindowPoint& b, const WindowPoint& c) {
    // The pixel centres within the margin of the bounding box.
    const int i0 = std::min({a.firstColumn, b.firstColumn, c.firstColumn});
    const int i1 = std::max({a.lastColumn, b.lastColumn, c.lastColumn});
    const int j0 = std::min({a.firstRow, b.firstRow, c.firstRow});
    const int j1 = std::max({a.lastRow, b.lastRow, c.lastRow});
    if (i1 < i0 || j1 < j0)
        return false;
    if ((std::int64_t(i1) - i0 + 1) * (std::int64_t(j1) - j0 + 1) > MAX_TESTED_CENTRES)
        return true;
    const double doubleArea = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (std::fabs(doubleArea) < LEAST_DOUBLE_AREA)
        return true;
    const double winding = doubleArea > 0 ? 1 : -1;
    const EdgeLine ab(a, b, winding), bc(b, c, winding), ca(c, a, winding);
    for (int i = i0; i <= i1; ++i)
        for (int j = j0; j <= j1; ++j) {
            const double x = i + 0.5, y = j + 0.5;
            if (ab.near(x, y) && bc.near(x, y) && ca.near(x, y))
                return true;
        }
    return false;
}

} // namespace

bool isLargeOnScreen(const MeshTable& mesh, const MeshView& view) {
    const ScreenMapping mapping = screenMappingOf(view);
    double minX = FARTHEST, maxX = -FARTHEST, minY = FARTHEST, maxY = -FARTHEST;
    const int stride = std::max(1, mesh.vertexCount / SAMPLED_CORNERS);
    for (int v = 0; v < mesh.vertexCount; v += stride) {
        const WindowPoint p = project(mapping, mesh.vertices[v]);
        if (std::isnan(p.x))
            return false;
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return (maxX - minX) * (maxY - minY) > LARGE_AREA_PER_TRIANGLE * mesh.triangleCount;
}

int selectCoveringTriangles(const MeshTable& mesh, const MeshView& view,
                            std::span<WindowPoint> corners, std::span<MeshTriangle> kept) {
    assert(corners.size() >= std::size_t(mesh.vertexCount));
    assert(kept.size() >= std::size_t(mesh.triangleCount));
    const ScreenMapping mapping = screenMappingOf(view);
    for (int v = 0; v < mesh.vertexCount; ++v)
        corners[v] = project(mapping, mesh.vertices[v]);
    int count = 0;
    for (int t = 0; t < mesh.triangleCount; ++t) {
        const MeshTriangle& triangle = mesh.triangles[t];
        assert(triangle.a < std::uint32_t(mesh.vertexCount) &&
               triangle.b < std::uint32_t(mesh.vertexCount) &&
               triangle.c < std::uint32_t(mesh.vertexCount));
        if (mayCover(corners[triangle.a], corners[triangle.b], corners[triangle.c]))
            kept[count++] = triangle;
    }
    return count;
}
