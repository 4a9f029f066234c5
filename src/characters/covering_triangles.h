// The triangles of a mesh that can give a pixel in the view they are about to be drawn in.
//
// Without a GPU the driver's cost follows the number of triangles it is handed, and a model
// that is small on screen hands it thousands that fall between pixel centres: at 64x64 only
// 800-1,300 of the Hero's 8,469 triangles come near one. Leaving the others out changes no
// pixel. With multisampling, polygon smoothing and wide lines off, a filled triangle gives
// fragments only at the pixel centres it covers; elsewhere it writes neither colour, depth
// nor stencil, and the triangles drawn keep their order.
//
// The test is conservative, so the driver's rounding cannot make it wrong. Corners are
// projected here in double; the driver projects them in float and snaps window coordinates
// to 1/256 pixel. For the small triangles tested (windows up to a few thousand pixels wide)
// that moves a corner by less than 0.01 pixel: float's 2^-24 relative error on 4096 is
// 0.00024 pixel per operation, the snap at most 1/512 pixel per axis. Moving every corner
// by at most d moves every point of the triangle by at most d, so a pixel centre farther
// than d outside an edge's line is not covered. A triangle is dropped only when each pixel
// centre near it lies more than COVER_MARGIN (1/16 pixel, over six times that d) outside
// one of its edges.
//
// Kept untested, so always drawn: triangles with a corner at or behind the eye (w <= 0,
// where projecting is meaningless), nearly degenerate ones, and those whose bounding box
// holds more than MAX_TESTED_CENTRES pixel centres (they nearly always cover one). A small
// triangle far outside the viewport may be dropped: clipping would leave nothing of it.
//
// Testing pays only where many triangles fall between centres. A mesh large on screen
// (isLargeOnScreen) is drawn whole: the Hero at 640x480 and above gives 0.9-6 square
// pixels and 88-98 % of its triangles cover a centre, at 320x240 0.2-0.7 and 57-79 %, at
// 64x64 12-15 %.
//
// Matrices are as glGetFloatv returns them, which is Matrix4's layout: a model point p
// goes to clip coordinates p * modelView * projection. The viewport is x, y, width and
// height in pixels; pixel (i, j) has its centre at window coordinates (i + 0.5, j + 0.5).
#pragma once

#include "characters/mesh_table.h"
#include "math/vec_math.h"

#include <span>

constexpr double COVER_MARGIN = 1.0 / 16;
constexpr int MAX_TESTED_CENTRES = 4;
constexpr int SAMPLED_CORNERS = 64;
constexpr double LARGE_AREA_PER_TRIANGLE = 0.75;

struct MeshView {
    Matrix4 modelView;
    Matrix4 projection;
    int viewport[4] = {};
};

// Where a corner lands in window coordinates, and the columns and rows of the pixel centres
// within COVER_MARGIN of it (none, or one of each). A corner at or behind the eye, or
// absurdly far off screen, has NaN coordinates and every column and row.
struct WindowPoint {
    double x, y;
    int firstColumn, lastColumn, firstRow, lastRow;
};

// Whether the box around about SAMPLED_CORNERS of the mesh's projected corners holds more
// than LARGE_AREA_PER_TRIANGLE square pixels per triangle: then testing would keep nearly
// every triangle and the mesh is best drawn whole.
bool isLargeOnScreen(const MeshTable& mesh, const MeshView& view);

// Writes the mesh's triangles that may cover a pixel centre to kept, in the mesh's order,
// and returns how many. corners is scratch for the projected vertices. The caller gives
// one corner per mesh vertex and one kept entry per mesh triangle, so drawing a frame
// allocates nothing.
int selectCoveringTriangles(const MeshTable& mesh, const MeshView& view,
                            std::span<WindowPoint> corners, std::span<MeshTriangle> kept);
