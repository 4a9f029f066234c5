#include "characters/mesh_draw.h"

#include "characters/apple_mesh.h"
#include "characters/enemy_mesh.h"
#include "characters/hero_mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cassert>

namespace {

constexpr int MOST_VERTICES =
    std::max({HERO_VERTEX_COUNT, ENEMY_VERTEX_COUNT, APPLE_BODY_VERTEX_COUNT,
              APPLE_LEAF_VERTEX_COUNT, APPLE_STALK_VERTEX_COUNT});
constexpr int MOST_TRIANGLES =
    std::max({HERO_TRIANGLE_COUNT, ENEMY_TRIANGLE_COUNT, APPLE_BODY_TRIANGLE_COUNT,
              APPLE_LEAF_TRIANGLE_COUNT, APPLE_STALK_TRIANGLE_COUNT});

// A multisampled picture covers samples off the pixel centres, where the choice of
// triangles would no longer be exact (a GPU driver's settings may force one on the window).
bool isMultisampled() {
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    return sampleBuffers > 0;
}

} // namespace

MeshView currentMeshView() {
    MeshView view;
    glGetFloatv(GL_MODELVIEW_MATRIX, view.modelView.m);
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection.m);
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    return view;
}

void drawMesh(const MeshTable& mesh) {
    assert(mesh.vertexCount <= MOST_VERTICES && mesh.triangleCount <= MOST_TRIANGLES);
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), mesh.vertices);
    const MeshView view = currentMeshView();
    if (isMultisampled() || isLargeOnScreen(mesh, view)) {
        glDrawElements(GL_TRIANGLES, 3 * mesh.triangleCount, GL_UNSIGNED_INT, mesh.triangles);
        return;
    }
    std::array<WindowPoint, MOST_VERTICES> corners;
    std::array<MeshTriangle, MOST_TRIANGLES> kept;
    const int count = selectCoveringTriangles(mesh, view, corners, kept);
    if (count > 0)
        glDrawElements(GL_TRIANGLES, 3 * count, GL_UNSIGNED_INT, kept.data());
}
