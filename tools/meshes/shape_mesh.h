// A triangle mesh under construction, made of pieces, for the mesh generator.
//
// Every piece is a "ring surface": equal-sized rings of points stitched into quads (two
// triangles each), optionally closed by a pole point before the first ring and after the
// last. Closed rings and pole fans give spheres, domes, tubes and cones; open rings give
// strips, arches and sheets. Each piece is wound so that its faces look away from a point
// the caller names inside it: stored corners (a, b, c) have (pc - pa) x (pb - pa) pointing
// outward, the order the game's normal computation expects.
#pragma once

#include "geometry.h"

#include <array>
#include <vector>

struct Piece {
    int firstVertex = 0, vertexCount = 0;
    int firstTriangle = 0, triangleCount = 0;
};

struct RingSurface {
    std::vector<std::vector<P3>> rings;
    bool closedRings = true; // each ring is a loop (last point joins the first)
    bool startPole = false, endPole = false;
    P3 firstPole, lastPole;
    P3 inside; // the faces look away from this point
};

class ShapeMesh {
public:
    std::vector<P3> points;
    std::vector<P3> texture; // (u, v, w) per point, filled by each shape's own mapping
    std::vector<std::array<int, 3>> triangles;

    Piece add(const RingSurface& surface);
    // A piece given as points and faces (indices into `piecePoints`), facing away from
    // `inside`.
    Piece add(const std::vector<P3>& piecePoints, const std::vector<std::array<int, 3>>& faces,
              P3 inside);
    // A flat polygon over the given loop of existing vertices, cut into a zigzag strip of
    // triangles (no extra vertex), facing away from `inside`.
    void addPolygon(const std::vector<int>& loop, P3 inside);
    void transform(const AxisMap& map, int first, int count);
    void transformAll(const AxisMap& map) { transform(map, 0, int(points.size())); }
    // Texture coordinates (u, v, w) = the position within `box`, squeezed into
    // [margin, 1 - margin].
    void mapTextureToBox(const Box& box, double margin);

private:
    void addQuad(int a, int b, int c, int d); // corners in order round the quad
    void orientAwayFrom(P3 inside, int firstTriangle);
};

// Points round an ellipse: centre + u * ru cos(t) + v * rv sin(t) for t = phase + 2 pi j / n.
std::vector<P3> ellipseRing(P3 centre, P3 u, P3 v, double ru, double rv, int n, double phase = 0);
// Two unit vectors perpendicular to `axis` and to each other, u x v = axis.
void perpendicularPair(P3 axis, P3& u, P3& v);
