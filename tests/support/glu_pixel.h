// Where GLU shows a point: the reference the camera and window-placement tests compare
// against, independent of the game's own projection code.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

namespace testsupport {

// The window pixel (x right, y downward from the top-left corner) at which the point
// (px, py, pz) appears under the currently loaded matrices in a width x height viewport.
inline void gluPixel(int width, int height, double px, double py, double pz, double& x, double& y) {
    double model[16], projection[16], z;
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const GLint viewport[4] = {0, 0, width, height};
    gluProject(px, py, pz, model, projection, viewport, &x, &y, &z);
    y = height - y;
}

} // namespace testsupport
