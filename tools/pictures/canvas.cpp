// Colour arithmetic and the canvas; see canvas.h.
#include "canvas.h"

#include <algorithm>
#include <cmath>

Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour operator*(Colour a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
Colour mix(Colour a, Colour b, float t) {
    return a * (1 - t) + b * t;
}

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * height) {}

void Canvas::blend(int x, int y, Colour colour, float alpha) {
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    at(x, y) = mix(at(x, y), colour, clamp01(alpha));
}

namespace {

// How much of the unit pixel [i, i + 1) lies inside [from, to).
float overlap(int i, float from, float to) {
    return std::max(0.0f, std::min(to, i + 1.0f) - std::max(from, static_cast<float>(i)));
}

} // namespace

Canvas resampled(const Canvas& source, int width, int height) {
    Canvas out(width, height);
    const float sx = static_cast<float>(source.width()) / width;
    const float sy = static_cast<float>(source.height()) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float x0 = x * sx, x1 = x0 + sx, y0 = y * sy, y1 = y0 + sy;
            Colour sum;
            for (int iy = static_cast<int>(y0); iy < std::ceil(y1) && iy < source.height(); ++iy)
                for (int ix = static_cast<int>(x0); ix < std::ceil(x1) && ix < source.width(); ++ix)
                    sum = sum + source.at(ix, iy) * (overlap(ix, x0, x1) * overlap(iy, y0, y1));
            out.at(x, y) = sum * (1 / (sx * sy));
        }
    }
    return out;
}
