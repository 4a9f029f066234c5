// The follow camera: every frame it loads the 45 degree perspective and places the eye
// behind and above the Hero along followDir, a smoothed copy of the Hero's heading, so that a
// turn swings the view after it with a lag. It also projects scene points to window pixels
// for the enemies' on-screen test.
//
// World units, z up. Window pixels count from the top-left corner, x to the right and y
// downward. The camera values live in GameState; followDir is program-wide and never reset.
#include "app/game_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

Vec3 followDir{0, 0, 0};

namespace {

constexpr double FIELD_OF_VIEW_DEGREES = 45.0;
constexpr double NEAR_PLANE = 0.5;
constexpr double FAR_PLANE = 100.0;
constexpr double FOLLOW_DISTANCE = 4.0;
constexpr float EYE_HEIGHT_ABOVE_TARGET = 3.0f;
constexpr float TARGET_HEIGHT = 0.75f;
constexpr float FOLLOW_DIVISOR = 10.0f; // followDir closes a tenth of the gap per frame
constexpr int ON_SCREEN_MARGIN = 300;   // pixels beyond each window edge
constexpr double HALF_FIELD_OF_VIEW = 0.39269909262657166; // pi / 8, half of 45 degrees

Vec3 headingOf(const Matrix4& orientation) {
    return Vec3{orientation.m[0], orientation.m[1], orientation.m[2]};
}

} // namespace

void GameState::updateCamera() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW_DEGREES, aspect, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    Vec3 heading = headingOf(hero.orientation);
    vecNormalize(heading);
    target = Vec3{hero.position.x, hero.position.y, TARGET_HEIGHT}; // jumps do not move it
    vecApproach(heading, followDir, FOLLOW_DIVISOR);

    Vec3 back;
    vecScaled(back, followDir, FOLLOW_DISTANCE);
    vecSub(eye, target, back);
    eye.z += EYE_HEIGHT_ABOVE_TARGET;
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, cameraUp.x, cameraUp.y,
              cameraUp.z);
}

// The point is carried along its line of sight onto the picture plane through the target;
// its offsets there along the screen's right (R) and down (U) directions, measured against
// the plane's half height T = dist * tan(22.5 degrees), give the pixel:
//   x = W/2 + W * a / (2 * T * aspect),  y = H/2 + H * b / (2 * T).
bool GameState::projectToScreen(const Vec3& p, int& x, int& y) const {
    Vec3 forward;
    vecSub(forward, target, eye);
    double dist = vecLength(forward);
    vecNormalize(forward);

    Vec3 right, down;
    vecCross(right, Vec3{0, 0, -1}, forward);
    vecNormalize(right);
    vecCross(down, forward, right);

    Vec3 targetDown, targetRight;
    vecAdd(targetDown, target, down);
    vecAdd(targetRight, target, right);
    Plane picture, eyePlane;
    planeFromPoints(picture, targetDown, targetRight, target);
    planeFromPointNormal(eyePlane, eye, forward);

    auto side = [&eyePlane](const Vec3& q) {
        return double(eyePlane.a) * q.x + double(eyePlane.b) * q.y + double(eyePlane.c) * q.z +
               eyePlane.d;
    };
    if (side(target) * side(p) <= 0.0) // p is not strictly in front of the eye
        return false;

    Vec3 ray, hit, offset;
    vecSub(ray, p, eye);
    rayPlaneIntersect(ray, picture, eye, hit);
    vecSub(offset, hit, target);

    double a = vecDot(right, offset);
    Vec3 alongRight, rest;
    vecScaled(alongRight, right, a);
    vecSub(rest, offset, alongRight);
    double b = vecLength(rest);
    if (vecDot(down, offset) < 0.0)
        b = -b;

    double halfHeight = dist * std::tan(HALF_FIELD_OF_VIEW);
    int w = viewportWidth, h = viewportHeight;
    x = w / 2 + int(std::trunc(w * a / (2.0 * halfHeight * aspect)));
    y = h / 2 + int(std::trunc(h * b / (2.0 * halfHeight)));
    return true;
}

bool GameState::isOnScreen(const Vec3& p) const {
    int x = 0, y = 0;
    if (!projectToScreen(p, x, y))
        return false;
    return x >= -ON_SCREEN_MARGIN && x <= viewportWidth + ON_SCREEN_MARGIN &&
           y >= -ON_SCREEN_MARGIN && y <= viewportHeight + ON_SCREEN_MARGIN;
}
