// Colour arithmetic and the canvas; see canvas.h.
#include "canvas.h"

#include <algorithm>

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
