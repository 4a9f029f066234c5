#include "platform/overlay_icon.h"

#include "platform/main_window.h"
#include "platform/overlay_paint.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr uint8_t OPAQUE_FROM = 128; // alpha from which a pixel is drawn

struct Pixel {
    uint8_t r, g, b, a;
    bool operator==(const Pixel&) const = default;
};

Pixel PixelAt(const mainwindow::IconPixels& icon, int column, int row) {
    Pixel pixel;
    std::memcpy(&pixel, &icon.rgba[size_t(row) * size_t(icon.width) + size_t(column)],
                sizeof pixel);
    return pixel;
}

// One row of the icon; runs of one colour become one quad.
void DrawRow(const mainwindow::IconPixels& icon, int row, const Rect& area, int scale) {
    for (int column = 0; column < icon.width;) {
        const Pixel pixel = PixelAt(icon, column, row);
        int end = column + 1;
        while (end < icon.width && PixelAt(icon, end, row) == pixel)
            ++end;
        if (pixel.a >= OPAQUE_FROM)
            FillRect({area.left + column * scale, area.top + row * scale, area.left + end * scale,
                      area.top + (row + 1) * scale},
                     FromBytes(pixel.r, pixel.g, pixel.b));
        column = end;
    }
}

} // namespace

void DrawAppIcon(const Rect& area) {
    const mainwindow::IconPixels& icon = mainwindow::Icon();
    if (icon.width <= 0 || icon.height <= 0)
        return;
    const int scale = std::max(1, std::min(area.width() / icon.width, area.height() / icon.height));
    for (int row = 0; row < icon.height; ++row)
        DrawRow(icon, row, area, scale);
}

} // namespace platform
