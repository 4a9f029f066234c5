// Picking the triangles that can give a pixel: a triangle that covers a pixel centre is
// always kept, one that stays clear of every centre by more than the margin is dropped,
// and the view's matrices and viewport place the corners where OpenGL would.
#include "characters/covering_triangles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// An 8x8 viewport at (2, 1) with identity matrices: model (x, y) lands at window
// (6 + 4x, 5 + 4y), so window points are easy to write down.
constexpr int VIEWPORT[4] = {2, 1, 8, 8};

MeshView plainView() {
    MeshView view;
    matIdentity(view.modelView);
    matIdentity(view.projection);
    std::copy(VIEWPORT, VIEWPORT + 4, view.viewport);
    return view;
}

MeshVertex atWindow(double x, double y) {
    return MeshVertex{float((x - 6) / 4), float((y - 5) / 4), 0, 0, 0, 0};
}

struct Window {
    double x, y;
};

// Runs the selection over one triangle per entry of corners (three window points each) and
// says which survive.
std::vector<int> keptOf(const std::vector<Window>& corners, const MeshView& view = plainView()) {
    std::vector<MeshVertex> vertices;
    for (const Window& w : corners)
        vertices.push_back(atWindow(w.x, w.y));
    std::vector<MeshTriangle> triangles;
    for (std::uint32_t i = 0; i + 2 < vertices.size(); i += 3)
        triangles.push_back({i, i + 1, i + 2});
    const MeshTable mesh{vertices.data(), int(vertices.size()), triangles.data(),
                         int(triangles.size())};
    std::vector<WindowPoint> scratch(vertices.size());
    std::vector<MeshTriangle> kept(triangles.size());
    const int count = selectCoveringTriangles(mesh, view, scratch, kept);
    std::vector<int> which;
    for (int k = 0; k < count; ++k)
        which.push_back(int(kept[k].a / 3));
    return which;
}

// The window is 8x8 at (2, 1): centres at x = 2.5 .. 9.5, y = 1.5 .. 8.5.
// 0: a speck around the centre (4.5, 3.5);   1: a speck between four centres;
// 2: a right triangle whose long side x + y = 7.95 passes 0.035 pixel outside the centre
//    (4.5, 3.5), inside the margin;          3: the same side at x + y = 7.9, 0.071 pixel
//    outside: the centre lies in its bounding box but not near it;
// 4: triangle 2 wound the other way;         5: triangle 3 wound the other way.
TEST(CoveringTriangles, KeepsWhatCoversOrNearlyCoversACentreInMeshOrder) {
    const std::vector<Window> corners = {
        {4.4, 3.4}, {4.6, 3.4},  {4.5, 3.6},  // 0
        {5.9, 4.9}, {6.1, 4.9},  {6.0, 5.1},  // 1
        {3.8, 3.0}, {4.95, 3.0}, {3.8, 4.15}, // 2
        {3.8, 3.0}, {4.9, 3.0},  {3.8, 4.1},  // 3
        {3.8, 3.0}, {3.8, 4.15}, {4.95, 3.0}, // 4
        {3.8, 3.0}, {3.8, 4.1},  {4.9, 3.0},  // 5
    };
    EXPECT_EQ(keptOf(corners), (std::vector<int>{0, 2, 4}));
}

// A corner at or behind the eye has no place on screen: its triangle is kept, however small
// the other corners make it look. With w = -z (a perspective projection's last column) the
// third corner sits at z = +0.1, behind the eye, the first two in front.
TEST(CoveringTriangles, KeepsTrianglesReachingBehindTheEye) {
    MeshView view = plainView();
    view.projection.at(2, 3) = -1;
    view.projection.at(3, 3) = 0;
    const MeshVertex corners[] = {{0.01f, 0.01f, -1, 0, 0, 0},   {0.02f, 0.01f, -1, 0, 0, 0},
                                  {0.01f, 0.02f, 0.1f, 0, 0, 0}, {0.01f, 0.01f, -1, 0, 0, 0},
                                  {0.02f, 0.01f, -1, 0, 0, 0},   {0.01f, 0.02f, -1, 0, 0, 0}};
    const MeshTriangle triangles[] = {{0, 1, 2}, {3, 4, 5}};
    const MeshTable mesh{corners, 6, triangles, 2};
    WindowPoint scratch[6];
    MeshTriangle kept[2];
    // Triangle 1, wholly in front, lands near window (6.04, 5.04), between centres.
    ASSERT_EQ(selectCoveringTriangles(mesh, view, scratch, kept), 1);
    EXPECT_EQ(kept[0].c, 2u);
}

// The model-view matrix applies first, then the projection, both in the row-vector layout
// glGetFloatv returns. Moving the model by +0.25 in x and then halving x puts window x at
// 6 + 4 * (x + 0.25) / 2 = 6.5 + 2x: a speck at model x 0.45 .. 0.55 covers the centre
// (7.5, 3.5). Halving first would give 7 + 2x, between centres, as a move of +0.5 does.
TEST(CoveringTriangles, PlacesCornersThroughModelViewThenProjection) {
    MeshView view = plainView();
    view.modelView.at(3, 0) = 0.25f;
    view.projection.at(0, 0) = 0.5f;
    const MeshVertex corners[] = {
        {0.45f, -0.4f, 0, 0, 0, 0}, {0.55f, -0.4f, 0, 0, 0, 0}, {0.5f, -0.35f, 0, 0, 0, 0}};
    const MeshTriangle triangles[] = {{0, 1, 2}};
    const MeshTable mesh{corners, 3, triangles, 1};
    WindowPoint scratch[3];
    MeshTriangle kept[1];
    EXPECT_EQ(selectCoveringTriangles(mesh, view, scratch, kept), 1);
    view.modelView.at(3, 0) = 0.5f;
    EXPECT_EQ(selectCoveringTriangles(mesh, view, scratch, kept), 0);
}

// Large on screen: more than 3/4 square pixel of the mesh's box per triangle. Two
// triangles over a 4x4 pixel square give each 8; with 20 more in the same box, 16 / 22 =
// 0.73 is not enough. A corner behind the eye makes the box unknown: not large.
TEST(CoveringTriangles, CallsAMeshLargeOnScreenFromTheBoxOfItsCorners) {
    std::vector<MeshVertex> corners = {atWindow(3, 3), atWindow(7, 3), atWindow(7, 7),
                                       atWindow(3, 7)};
    std::vector<MeshTriangle> triangles = {{0, 1, 2}, {0, 2, 3}};
    auto mesh = [&] {
        return MeshTable{corners.data(), int(corners.size()), triangles.data(),
                         int(triangles.size())};
    };
    EXPECT_TRUE(isLargeOnScreen(mesh(), plainView()));
    for (std::uint32_t i = 0; i < 20; ++i)
        triangles.push_back({0, 1, 2});
    EXPECT_FALSE(isLargeOnScreen(mesh(), plainView()));
    triangles.resize(2);
    MeshView perspective = plainView();
    perspective.projection.at(2, 3) = -1; // w = -z + 1: the eye plane at z = 1
    corners[3].z = 2;
    EXPECT_FALSE(isLargeOnScreen(mesh(), perspective));
    corners[3].z = 0;
    EXPECT_TRUE(isLargeOnScreen(mesh(), perspective));
}

// Distance from p to the closed triangle abc, worked out here independently.
double distanceToSegment(Window p, Window a, Window b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double distanceToTriangle(Window p, Window a, Window b, Window c) {
    auto side = [&](Window u, Window v) {
        return (v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x);
    };
    const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
    if ((s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0))
        return 0;
    return std::min(
        {distanceToSegment(p, a, b), distanceToSegment(p, b, c), distanceToSegment(p, c, a)});
}

// Thousands of small random triangles against the distance to every centre of the window:
// one that covers or touches a centre must be kept. Of those within 2x2 centres and farther
// than 0.07 pixel from every one (0.07 - 1/16 is left for rounding), nearly all must be
// dropped: each edge's line is tested on its own, so a centre just off a sharp corner can
// be within the margin of both lines there and still keep its triangle.
TEST(CoveringTriangles, AgreesWithTheDistanceToTheNearestCentre) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(3, 8), jitter(-0.8, 0.8);
    std::vector<Window> corners;
    for (int t = 0; t < 4000; ++t) {
        const Window middle{place(random), place(random)};
        for (int k = 0; k < 3; ++k)
            corners.push_back({middle.x + jitter(random), middle.y + jitter(random)});
    }
    const std::vector<int> kept = keptOf(corners);
    int covering = 0, clear = 0, clearButKept = 0;
    for (int t = 0; t < 4000; ++t) {
        const Window a = corners[3 * t], b = corners[3 * t + 1], c = corners[3 * t + 2];
        double nearest = 1e9;
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 8; ++j)
                nearest = std::min(nearest, distanceToTriangle({2.5 + i, 1.5 + j}, a, b, c));
        const bool isKept = std::binary_search(kept.begin(), kept.end(), t);
        const double doubleArea = std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
        const double wide = std::max({a.x, b.x, c.x}) - std::min({a.x, b.x, c.x});
        const double high = std::max({a.y, b.y, c.y}) - std::min({a.y, b.y, c.y});
        if (nearest == 0) {
            EXPECT_TRUE(isKept) << "triangle " << t << " covers a centre";
            ++covering;
        } else if (nearest > 0.07 && wide < 1.8 && high < 1.8 && doubleArea > 1e-3) {
            clearButKept += isKept;
            ++clear;
        }
    }
    // Both kinds must be common for the check to mean anything.
    EXPECT_GT(covering, 400);
    EXPECT_GT(clear, 400);
    EXPECT_LT(clearButKept, clear / 100);
}

} // namespace
