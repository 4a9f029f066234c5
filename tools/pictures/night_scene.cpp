// The title background; see night_scene.h. Screen coordinates are pixels, y down; the maze
// floor is the plane below a camera at height 1 cell looking level at the horizon, so a
// pixel dy below the horizon sees the floor at depth z = focal / dy cells.
#include "night_scene.h"

#include "noise.h"

#include <array>
#include <cmath>

namespace {

constexpr int MAZE = 16; // cells of the maze, repeated across the floor

Colour rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

// A perfect maze by depth-first carving with a fixed seed. Each cell keeps whether its east
// and south walls stand.
struct Maze {
    std::array<std::array<bool, MAZE>, MAZE> east{}, south{};

    Maze() {
        for (auto& row : east)
            row.fill(true);
        for (auto& row : south)
            row.fill(true);
        std::array<std::array<bool, MAZE>, MAZE> seen{};
        std::array<std::pair<int, int>, MAZE * MAZE> stack{};
        int depth = 0, step = 0;
        stack[depth++] = {0, 0};
        seen[0][0] = true;
        while (depth > 0) {
            const auto [x, y] = stack[depth - 1];
            const int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            int options[4], count = 0;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dirs[d][0], ny = y + dirs[d][1];
                if (nx >= 0 && ny >= 0 && nx < MAZE && ny < MAZE && !seen[ny][nx])
                    options[count++] = d;
            }
            if (count == 0) {
                --depth;
                continue;
            }
            const int d = options[static_cast<int>(hashUnit(x, y, 300 + step++) * count)];
            const int nx = x + dirs[d][0], ny = y + dirs[d][1];
            if (d == 0)
                east[y][x] = false;
            else if (d == 1)
                east[y][nx] = false;
            else if (d == 2)
                south[y][x] = false;
            else
                south[ny][x] = false;
            seen[ny][nx] = true;
            stack[depth++] = {nx, ny};
        }
    }
};

const Maze& maze() {
    static const Maze instance;
    return instance;
}

int wrapCell(float v) {
    return ((static_cast<int>(std::floor(v)) % MAZE) + MAZE) % MAZE;
}

// Distance from floor point (x, z) to the nearest standing wall line of its cell.
float wallDistance(float x, float z) {
    const int cx = wrapCell(x), cz = wrapCell(z);
    const float fx = x - std::floor(x), fz = z - std::floor(z);
    float d = 1;
    if (maze().east[cz][cx])
        d = std::min(d, 1 - fx);
    if (maze().east[cz][(cx + MAZE - 1) % MAZE])
        d = std::min(d, fx);
    if (maze().south[cz][cx])
        d = std::min(d, 1 - fz);
    if (maze().south[(cz + MAZE - 1) % MAZE][cx])
        d = std::min(d, fz);
    return d;
}

Colour floorAt(float x, float z, float footprint) {
    Colour colour = rgb(10, 14, 30);
    // Lines thinner than a pixel flicker; widen them to the pixel's footprint on the floor.
    const float width = std::max(0.03f, footprint);
    const float d = wallDistance(x, z);
    colour = colour + rgb(60, 230, 255) * std::exp(-(d / width) * (d / width));
    colour = colour + rgb(30, 90, 200) * (0.35f * std::exp(-d / 0.18f));
    const int cx = static_cast<int>(std::floor(x)), cz = static_cast<int>(std::floor(z));
    if (hashUnit(cx, cz, 501) < 0.3f) { // an apple in this cell
        const float a = std::hypot(x - std::floor(x) - 0.5f, z - std::floor(z) - 0.5f);
        colour = colour + rgb(255, 60, 40) * (1 - smoothstep(0.12f, 0.16f + footprint, a));
        colour = colour + rgb(255, 80, 40) * (0.4f * std::exp(-a / 0.12f));
    }
    return colour;
}

Colour starAt(float px, float py) {
    constexpr float GRID = 7; // pixels a star cell
    const int gx = static_cast<int>(px / GRID), gy = static_cast<int>(py / GRID);
    if (hashUnit(gx, gy, 601) > 0.18f)
        return {};
    const float sx = (gx + 0.2f + 0.6f * hashUnit(gx, gy, 602)) * GRID;
    const float sy = (gy + 0.2f + 0.6f * hashUnit(gx, gy, 603)) * GRID;
    const float brightness = std::pow(hashUnit(gx, gy, 604), 3.0f);
    const float d2 = (px - sx) * (px - sx) + (py - sy) * (py - sy);
    return rgb(230, 235, 255) * (brightness * std::exp(-d2 / 0.8f));
}

Colour skyAt(float px, float py, float width, float height) {
    const float v = py / (TITLE_HORIZON * height);
    Colour sky = mix(rgb(6, 8, 30), rgb(70, 30, 100), std::pow(v, 2.5f));
    sky = sky + rgb(255, 90, 160) * (0.35f * std::exp(-(1 - v) * 14)); // glow on the horizon
    sky = sky + starAt(px, py) * (1 - v);
    const float mx = 0.84f * width, my = 0.2f * height, radius = 0.07f * height;
    const float d = std::hypot(px - mx, py - my);
    if (d < radius + 1) {
        const float crater = fractalNoise(px / 30, py / 30, 64, 4, 701);
        const Colour moon = rgb(250, 240, 200) * (0.8f + 0.25f * crater);
        sky = mix(sky, moon, clamp01(radius + 0.5f - d));
    }
    return sky + rgb(200, 190, 255) * (0.25f * std::exp(-std::max(0.0f, d - radius) / (radius)));
}

} // namespace

void paintNightScene(Canvas& canvas) {
    const float width = static_cast<float>(canvas.width());
    const float height = static_cast<float>(canvas.height());
    const float horizon = TITLE_HORIZON * height;
    const float focal = 0.9f * width;
    fill(canvas, 3, [&](float u, float v) {
        const float px = u * width, py = v * height;
        if (py <= horizon + 0.5f)
            return skyAt(px, py, width, height);
        const float z = focal / (py - horizon); // the floor lies 1 cell below the eye
        const float x = (px - width / 2) * z / focal + 0.5f;
        const float fog = std::exp(-z / 14);
        return mix(rgb(70, 30, 100), floorAt(x, z + 2, z / focal), fog);
    });
}
