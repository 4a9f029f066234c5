// The Hero's and the Enemies' pictures; see creature_pictures.h.
#include "creature_pictures.h"

#include "noise.h"

#include <cmath>

namespace {

Colour rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

Colour skinAt(float u, float v) {
    constexpr int SCALES = 12; // scales across the picture
    const CellDistance cell = cellNoise(u * SCALES, v * SCALES, SCALES, 91);
    const float hue = static_cast<float>(cell.cellId % 1000) / 1000.0f;
    Colour scale = mix(rgb(120, 40, 150), rgb(190, 30, 70), hue);
    // Each scale is domed: brightest at its seed point, darker towards its border.
    scale = scale * (1.15f - 0.6f * cell.nearest);
    const float crease = smoothstep(0.0f, 0.12f, cell.second - cell.nearest);
    Colour skin = mix(rgb(30, 8, 30), scale, crease);
    const float speckle = smoothstep(0.82f, 0.9f, fractalNoise(u * 48, v * 48, 48, 2, 97));
    return mix(skin, rgb(240, 200, 120), speckle * 0.6f);
}

struct Direction {
    float x, y, z;
};

float highlight(Direction ray, Direction light, float sharpness) {
    const float length = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);
    const float cosine = (ray.x * light.x + ray.y * light.y + ray.z * light.z) / length;
    return std::pow(std::max(cosine, 0.0f), sharpness);
}

Colour environment(Direction ray) {
    const float up = ray.y;
    Colour colour = up > 0 ? mix(rgb(235, 240, 250), rgb(120, 160, 230), std::sqrt(up))
                           : mix(rgb(200, 180, 150), rgb(90, 70, 50), std::sqrt(-up));
    colour = colour + rgb(255, 230, 200) * (0.5f * std::exp(-std::fabs(up) * 12)); // horizon glow
    colour = colour + rgb(255, 255, 255) * highlight(ray, {-0.5f, 0.7f, 0.6f}, 60);
    colour = colour + rgb(200, 220, 255) * (0.5f * highlight(ray, {0.7f, 0.3f, 0.4f}, 25));
    return colour;
}

Colour sphereAt(float u, float v) {
    const float x = u * 2 - 1, y = 1 - v * 2; // y up: the picture's top is the sky
    const float r2 = x * x + y * y;
    if (r2 >= 1) // outside the ball: what lies straight behind it
        return environment({0, 0, -1});
    const float nz = std::sqrt(1 - r2);
    return environment({2 * nz * x, 2 * nz * y, 2 * nz * nz - 1});
}

Colour shadowAt(float u, float v) {
    const float r = std::hypot(u - 0.5f, v - 0.5f) * 2; // 0 at the centre, 1 at the edges
    const float opacity = 0.75f * (1 - smoothstep(0.15f, 0.9f, r));
    const float coverage = opacity * 255;
    if (coverage < 0.5f)
        return {};
    const float grey = (256 - std::round(coverage)) / 255.0f;
    return {grey, grey, grey};
}

} // namespace

Canvas makeEnemySkin(int size) {
    return painted(size, size, 2, skinAt);
}

Canvas makeHeroEnvironment(int size) {
    return painted(size, size, 2, sphereAt);
}

// One sample a pixel: averaging would blend black (transparent) with white-ish (nearly
// transparent) rim pixels into mid greys, which the alpha rule reads as fairly opaque.
Canvas makeShadow(int size) {
    return painted(size, size, 1, shadowAt);
}
