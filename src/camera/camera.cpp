// The follow camera's placement and its two window conversions. See camera.h.
#include "camera/camera.h"

#include <cmath>

namespace {

constexpr double FOLLOW_DISTANCE = 4.0;
constexpr float EYE_HEIGHT_ABOVE_TARGET = 3.0f;
constexpr float TARGET_HEIGHT = 0.75f;
constexpr float FOLLOW_DIVISOR = 10.0f; // followDir closes a tenth of the gap per frame
constexpr int ON_SCREEN_MARGIN = 300;   // pixels beyond each window edge

} // namespace

void Viewport::resize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    if (newHeight != 0)
        aspect = float(newWidth) / float(newHeight);
}

void Camera::follow(const Vec3& heroPosition, const Vec3& heading) {
    Vec3 goal = heading;
    vecNormalize(goal);
    target = Vec3{heroPosition.x, heroPosition.y, TARGET_HEIGHT};
    vecApproach(goal, followDir, FOLLOW_DIVISOR);
    Vec3 back;
    vecScaled(back, followDir, FOLLOW_DISTANCE);
    vecSub(eye, target, back);
    eye.z += EYE_HEIGHT_ABOVE_TARGET;
}

// The point is carried along its line of sight onto the picture plane through the target;
// its offsets there along the screen's right (R) and down (U) directions, measured against
// the plane's half height T = dist * tan(22.5 degrees), give the pixel:
//   x = W/2 + W * a / (2 * T * aspect),  y = H/2 + H * b / (2 * T).
bool Camera::projectToScreen(const Vec3& p, int& x, int& y) const {
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
    int w = viewport.width, h = viewport.height;
    x = w / 2 + int(std::trunc(w * a / (2.0 * halfHeight * viewport.aspect)));
    y = h / 2 + int(std::trunc(h * b / (2.0 * halfHeight)));
    return true;
}

bool Camera::isOnScreen(const Vec3& p) const {
    int x = 0, y = 0;
    if (!projectToScreen(p, x, y))
        return false;
    return x >= -ON_SCREEN_MARGIN && x <= viewport.width + ON_SCREEN_MARGIN &&
           y >= -ON_SCREEN_MARGIN && y <= viewport.height + ON_SCREEN_MARGIN;
}

// gluLookAt's frame: f toward the target, s = f x up to the right, u = s x f.
ViewVolume::ViewVolume(const Camera& camera)
    : eye_(camera.eye), tanHeight_(std::tan(HALF_FIELD_OF_VIEW)),
      tanWidth_(tanHeight_ * camera.viewport.aspect) {
    vecSub(forward_, camera.target, camera.eye);
    vecNormalize(forward_);
    vecCross(side_, forward_, camera.up);
    vecNormalize(side_);
    vecCross(upward_, side_, forward_);
}

// The sphere's centre lies `ahead` along f, `across` along s and `above` along u. A side of
// the view volume, say the top, is the plane above = ahead * tan(22.5 degrees); a point's
// distance past it is (above - ahead * tan) / sqrt(1 + tan^2), and the sphere is wholly
// past it when that exceeds the radius. Left and right use the half width, tan * aspect. A
// small margin keeps rounding on the safe side; a degenerate frame (NaN) never counts as
// outside.
bool ViewVolume::mayShow(const Vec3& centre, double radius) const {
    constexpr double MARGIN = 0.01;
    Vec3 offset;
    vecSub(offset, centre, eye_);
    const double ahead = vecDot(offset, forward_), across = vecDot(offset, side_),
                 above = vecDot(offset, upward_), r = radius + MARGIN;
    auto past = [ahead](double along, double tan) {
        return (along - ahead * tan) / std::sqrt(1 + tan * tan);
    };
    const bool outside = NEAR_PLANE - ahead > r || ahead - FAR_PLANE > r ||
                         past(above, tanHeight_) > r || past(-above, tanHeight_) > r ||
                         past(across, tanWidth_) > r || past(-across, tanWidth_) > r;
    return !outside;
}

// On the plane through the target facing the eye, half the window height spans
// Hh = D * tan(22.5 degrees) and half its width Hh * aspect. R points left on the screen and
// U down, so pixel (W/2, H/2) is the target and the edges are Hh * aspect and Hh away.
Vec3 Camera::pixelToWorld(int x, int y) const {
    int w = viewport.width, h = viewport.height;
    if (w <= 0 || h <= 0) // a minimised window has no pixels to place anything at
        return target;
    Vec3 toEye;
    vecSub(toEye, eye, target);
    double distance = vecLength(toEye);
    vecNormalize(toEye);
    double halfHeight = distance * std::tan(HALF_FIELD_OF_VIEW);
    double a = -((x - w / 2) * halfHeight / (w * 0.5)) * viewport.aspect;
    double b = (y - h / 2) * halfHeight / (h * 0.5);

    Vec3 left, down;
    vecCross(left, Vec3{0, 0, -1}, toEye);
    vecNormalize(left);
    vecCross(down, toEye, left);

    Vec3 alongDown, alongLeft, partial, out;
    vecScaled(alongDown, down, b);
    vecScaled(alongLeft, left, a);
    vecAdd(partial, target, alongDown);
    vecAdd(out, partial, alongLeft);
    return out;
}
