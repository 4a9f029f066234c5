// The board's textures; see board_pictures.h. Texture coordinates u (right) and v (down)
// run over [0, 1); noise coordinates are u or v times the noise period.
#include "board_pictures.h"

#include "noise.h"

#include <cmath>

namespace {

constexpr float PI = 3.14159265f;

Colour rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

// Four planks across; rings are vertical streaks bent by low-frequency noise.
Colour woodAt(float u, float v) {
    constexpr int PLANKS = 4;
    const float plank = std::floor(u * PLANKS);
    const float across = u * PLANKS - plank; // 0..1 inside the plank
    const float bend = fractalNoise(u * 4, v * 4, 4, 4, 11 + static_cast<unsigned>(plank)) * 3;
    const float rings = 0.5f + 0.5f * std::sin((across * 3 + bend) * 2 * PI);
    const float fibre = fractalNoise(u * 64, v * 4, 64, 3, 29);
    const float grain = std::pow(rings, 3.0f) * 0.7f + fibre * 0.3f;
    Colour wood = mix(rgb(196, 140, 84), rgb(112, 62, 28), grain);
    // The seam: darker in the outer 4 % of each plank, shading towards it.
    const float edge = std::min(across, 1 - across);
    wood = wood * (0.55f + 0.45f * smoothstep(0.0f, 0.04f, edge));
    return wood * (0.92f + 0.08f * hashUnit(static_cast<int>(plank), 0, 5));
}

// Marble-like veins: the zero crossings of a sine of warped noise.
float veins(float u, float v, unsigned seed) {
    const float warp = fractalNoise(u * 4, v * 4, 4, 5, seed) * 6;
    return std::pow(1 - std::fabs(std::sin((u + v) * 2 * PI + warp)), 12.0f);
}

Colour tileAt(float u, float v) {
    const int tx = static_cast<int>(u * 2), ty = static_cast<int>(v * 2);
    const float fu = u * 2 - tx, fv = v * 2 - ty; // position inside the tile
    const bool light = (tx + ty) % 2 == 0;
    Colour stone = light ? rgb(214, 190, 150) : rgb(70, 92, 112);
    stone = stone * (0.9f + 0.2f * fractalNoise(u * 16, v * 16, 16, 4, light ? 3 : 4));
    stone = mix(stone, light ? rgb(236, 222, 196) : rgb(120, 146, 168), veins(u, v, 7) * 0.6f);
    // Bevel: light from the top left, so the top and left rims are brighter.
    const float rim = 0.08f;
    if (fu < rim || fv < rim)
        stone = stone * 1.18f;
    else if (fu > 1 - rim || fv > 1 - rim)
        stone = stone * 0.72f;
    const float grout = std::min(std::min(fu, 1 - fu), std::min(fv, 1 - fv));
    return mix(rgb(34, 30, 28), stone, smoothstep(0.005f, 0.02f, grout));
}

Colour topAt(float u, float v) {
    const float du = u - 0.5f, dv = v - 0.5f;
    const float warp = fractalNoise(u * 4, v * 4, 4, 4, 41) * 0.08f;
    const float radius = std::sqrt(du * du + dv * dv) + warp;
    const float rings = std::pow(0.5f + 0.5f * std::sin(radius * 28 * 2 * PI), 2.0f);
    Colour wood = mix(rgb(232, 190, 130), rgb(170, 112, 60), rings * 0.8f);
    wood = wood * (0.9f + 0.1f * fractalNoise(u * 32, v * 32, 32, 3, 43));
    // A bevelled frame 6 % wide: top-left rim lit, bottom-right rim in shade.
    const float frame = 0.06f;
    if (u < frame || v < frame)
        wood = wood * 1.15f;
    else if (u > 1 - frame || v > 1 - frame)
        wood = wood * 0.7f;
    return wood;
}

// Height of a ridge line (0 top of picture, 1 bottom) at u, wrapping with u.
float ridge(float u, int period, unsigned seed, float base, float amplitude) {
    return base - amplitude * fractalNoise(u * period, 0.5f, period, 5, seed);
}

Colour landscapeAt(float u, float v) {
    Colour sky = mix(rgb(40, 70, 150), rgb(250, 190, 140), smoothstep(0.05f, 0.62f, v));
    const float cloud = smoothstep(0.55f, 0.8f, fractalNoise(u * 8, v * 16, 8, 5, 61));
    sky = mix(sky, rgb(255, 236, 220), cloud * (1 - smoothstep(0.3f, 0.6f, v)) * 0.7f);
    const float far = ridge(u, 6, 71, 0.62f, 0.3f);
    const float near = ridge(u, 4, 73, 0.8f, 0.22f);
    if (v > near) {
        const float shade = fractalNoise(u * 32, v * 16, 32, 4, 79);
        return mix(rgb(60, 120, 50), rgb(30, 80, 36), shade) * (1 - 0.4f * (v - near));
    }
    if (v > far) {
        // Distant mountains fade into the haze towards their foot; snow on the high peaks.
        Colour rock = mix(rgb(70, 90, 140), rgb(150, 150, 180), smoothstep(far, 0.75f, v));
        const float snowLine = 0.42f + 0.05f * fractalNoise(u * 24, 0.5f, 24, 3, 75);
        rock = mix(rock, rgb(240, 240, 250),
                   0.85f * (1 - smoothstep(snowLine - 0.01f, snowLine + 0.01f, v)));
        return rock;
    }
    return sky;
}

} // namespace

Canvas makeWood(int size) {
    return painted(size, size, 2, woodAt);
}

Canvas makeBoardTiles(int size) {
    return painted(size, size, 2, tileAt);
}

Canvas makeWallTop(int size) {
    return painted(size, size, 2, topAt);
}

Canvas makeLandscape(int width, int height) {
    return painted(width, height, 2, landscapeAt);
}
