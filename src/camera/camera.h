// The follow camera and the window it looks through.
//
// Every frame the camera looks at the Hero from behind and above along followDir, a copy
// of the Hero's heading that closes a tenth of the gap per frame, so a turn swings the view
// after it with a lag; followDir is never reset. The projection is a 45 degree vertical
// field of view at the viewport's aspect, near plane 0.5, far plane 100.
//
// World units, z up. Window pixels count from the top-left corner, x to the right and y
// downward. Nothing here touches OpenGL: camera_draw.h loads the camera into it.
#pragma once

#include "math/vec_math.h"

constexpr double FIELD_OF_VIEW_DEGREES = 45.0;
constexpr double HALF_FIELD_OF_VIEW = 0.39269909262657166; // pi / 8, in radians
constexpr double NEAR_PLANE = 0.5;
constexpr double FAR_PLANE = 100.0;

// The client area in pixels. A zero height (a minimised window) keeps the previous aspect
// instead of dividing by zero.
struct Viewport {
    int width = 0;
    int height = 0;
    float aspect = 1.0f;

    void resize(int newWidth, int newHeight);
};

class Camera {
public:
    // One frame's placement: the target over the Hero's position (its height ignored, so
    // jumps do not move the view), the eye 4 units back along followDir and 3 above.
    void follow(const Vec3& heroPosition, const Vec3& heading);

    // The window pixel at which p is seen; false when p is not strictly in front of the eye.
    bool projectToScreen(const Vec3& p, int& x, int& y) const;
    // Whether p projects within 300 pixels of the window, edges included.
    bool isOnScreen(const Vec3& p) const;
    // The scene point seen at pixel (x, y) on the plane through the target that faces the
    // eye; placing text and the title picture rests on it.
    Vec3 pixelToWorld(int x, int y) const;

    Vec3 up{0, 0, 1};
    Vec3 eye{15, 15, 15};
    Vec3 target{0, 0, 0};
    Vec3 followDir{0, 0, 0}; // horizontal, at most 1 long
    Viewport viewport;
};

// What one frame of the camera can see, for leaving out what it cannot: the eye's frame as
// gluLookAt builds it and the slopes of the perspective's sides. Made once a frame.
class ViewVolume {
public:
    explicit ViewVolume(const Camera& camera);

    // Whether anything within radius of centre may be seen: false only when that sphere lies
    // wholly outside the view volume (nearer than the near plane, beyond the far one or past
    // a side), so that what it holds can be left undrawn without a pixel changing.
    bool mayShow(const Vec3& centre, double radius) const;

private:
    Vec3 eye_, forward_, side_, upward_;
    double tanHeight_, tanWidth_;
};
