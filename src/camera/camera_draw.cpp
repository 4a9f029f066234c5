#include "camera/camera_draw.h"

#include "camera/camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

void loadCamera(const Camera& camera) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW_DEGREES, camera.viewport.aspect, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vec3 &eye = camera.eye, &target = camera.target, &up = camera.up;
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
}
