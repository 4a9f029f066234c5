// Hash-based noise; see noise.h. The integer hash is a multiply-xorshift mix; its bits are
// well spread, which is all a texture needs.
#include "noise.h"

#include <cmath>

namespace {

unsigned hash(int x, int y, unsigned seed) {
    unsigned h = static_cast<unsigned>(x) * 0x8da6b343u ^ static_cast<unsigned>(y) * 0xd8163841u ^
                 seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

int wrap(int v, int period) {
    return ((v % period) + period) % period;
}

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

float hashUnit(int x, int y, unsigned seed) {
    return static_cast<float>(hash(x, y, seed) >> 8) / 16777216.0f; // 24 bits -> [0, 1)
}

float valueNoise(float x, float y, int period, unsigned seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = wrap(static_cast<int>(fx), period), y0 = wrap(static_cast<int>(fy), period);
    const int x1 = wrap(x0 + 1, period), y1 = wrap(y0 + 1, period);
    const float tx = fade(x - fx), ty = fade(y - fy);
    const float top = hashUnit(x0, y0, seed) * (1 - tx) + hashUnit(x1, y0, seed) * tx;
    const float bottom = hashUnit(x0, y1, seed) * (1 - tx) + hashUnit(x1, y1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

float fractalNoise(float x, float y, int period, int octaves, unsigned seed) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, period, seed + static_cast<unsigned>(i)) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

CellDistance cellNoise(float x, float y, int period, unsigned seed) {
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    CellDistance out{1e9f, 1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = wrap(cx + dx, period), gy = wrap(cy + dy, period);
            const float px = static_cast<float>(cx + dx) + hashUnit(gx, gy, seed);
            const float py = static_cast<float>(cy + dy) + hashUnit(gx, gy, seed + 1);
            const float d = std::hypot(px - x, py - y);
            if (d < out.nearest) {
                out.second = out.nearest;
                out.nearest = d;
                out.cellId = hash(gx, gy, seed + 2);
            } else if (d < out.second) {
                out.second = d;
            }
        }
    }
    return out;
}
