#include "resources/app_icon.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {

using IconPixels = std::array<uint32_t, APP_ICON_SIZE * APP_ICON_SIZE>;

uint32_t packRgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const uint8_t bytes[4] = {r, g, b, a};
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

bool inCircle(double x, double y, double cx, double cy, double radius) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// The mouth is a wedge opening to the right: within 35 degrees of the +x axis.
bool inMouth(double x, double y, double cx, double cy) {
    return x > cx && std::fabs(std::atan2(y - cy, x - cx)) < 0.61;
}

// Pixel centres at (col + 0.5, row + 0.5); the face is centred at (13, 16) with radius 12.5,
// the apple at (27, 17) with radius 4.
uint32_t iconPixel(int col, int row) {
    double x = col + 0.5, y = row + 0.5;
    if (inCircle(x, y, 11.5, 10.5, 2.2))
        return packRgba(20, 20, 20, 255); // eye
    if (inCircle(x, y, 13, 16, 12.5) && !inMouth(x, y, 13, 16)) {
        bool rim = !inCircle(x, y, 13, 16, 11.3);
        return rim ? packRgba(200, 150, 0, 255) : packRgba(255, 220, 30, 255);
    }
    if (inCircle(x, y, 27, 17, 4))
        return packRgba(210, 30, 30, 255);
    if (col == 27 && row >= 10 && row < 13)
        return packRgba(40, 150, 40, 255); // apple stalk
    return packRgba(0, 0, 0, 0);
}

IconPixels makeIcon() {
    IconPixels pixels{};
    for (int row = 0; row < APP_ICON_SIZE; ++row)
        for (int col = 0; col < APP_ICON_SIZE; ++col)
            pixels[row * APP_ICON_SIZE + col] = iconPixel(col, row);
    return pixels;
}

} // namespace

const uint32_t* appIconPixels() {
    static const IconPixels pixels = makeIcon();
    return pixels.data();
}
