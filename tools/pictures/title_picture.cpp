// The title picture; see title_picture.h. Sizes and places are fractions of the picture so
// any size keeps the layout: the name at most 16 % of the height, the prompt 6.5 %, the keys
// 3.4 %.
//
// The game-over screen writes its best list over this picture at fixed window pixels: from
// x = W/2 - 150 and y = 25 to 360 in 30-pixel text, which at 1280 x 720 and above covers at
// most x from 38 % to 73 % of the width and y down to 51 % of the height. That block is kept
// calm (plain sky, dimmed further), the name stands to its left, high up, and the prompt
// lies below it, over the floor.
#include "title_picture.h"

#include "night_scene.h"
#include "text_mask.h"

#include <algorithm>
#include <functional>

namespace {

Colour rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

// Blends `paint(x, y)` over the canvas through the mask placed at (left, top).
void drawMask(Canvas& canvas, const TextMask& mask, int left, int top, float opacity,
              const std::function<Colour(int, int)>& paint) {
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (const float c = mask.at(x, y); c > 0)
                canvas.blend(left + x, top + y, paint(left + x, top + y), c * opacity);
}

// Darkens a soft-edged rectangle (fractions of the picture; the edges fade over `fade` of
// the height) by up to `strength`.
void dimArea(Canvas& canvas, float left, float top, float right, float bottom, float fade,
             float strength) {
    const float width = static_cast<float>(canvas.width());
    const float height = static_cast<float>(canvas.height());
    const float edge = fade * height;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const float px = static_cast<float>(x), py = static_cast<float>(y);
            const float inside = std::min(
                {px - left * width, right * width - px, py - top * height, bottom * height - py});
            if (inside > -edge)
                canvas.blend(x, y, Colour{}, strength * smoothstep(-edge, edge, inside));
        }
}

// Places the text centred on (centreX, centreY) with a soft shadow behind it.
void drawLine(Canvas& canvas, const TextMask& text, int centreX, int centreY, int shadowRadius,
              float shadowOpacity, const std::function<Colour(int, int)>& paint) {
    const int left = centreX - text.width / 2;
    const int top = centreY - text.height / 2;
    const TextMask shadow = blurred(text, shadowRadius);
    const int grow = 3 * shadowRadius;
    drawMask(canvas, shadow, left - grow, top - grow + shadowRadius / 2, shadowOpacity,
             [](int, int) { return Colour{}; });
    drawMask(canvas, text, left, top, 1, paint);
}

// Left of the list, as large as fits in the left 34 % of the width (16 % of the height at
// most), centred on (19 %, 20 %) of the picture.
void drawName(Canvas& canvas, const std::string& font) {
    const int height = canvas.height();
    const int widest = canvas.width() * 34 / 100;
    int size = height * 16 / 100;
    TextMask name = renderText(font, "Munchora", size);
    if (name.width > widest) {
        size = size * widest / name.width;
        name = renderText(font, "Munchora", size);
    }
    const int left = canvas.width() * 19 / 100 - name.width / 2;
    const int top = height * 20 / 100 - name.height / 2;
    const int glow = height / 40;
    drawMask(canvas, blurred(name, glow), left - 3 * glow, top - 3 * glow, 0.9f,
             [](int, int) { return rgb(255, 120, 30); });
    const float topY = static_cast<float>(top), span = static_cast<float>(name.height);
    drawLine(canvas, name, left + name.width / 2, top + name.height / 2, height / 180 + 1, 1.0f,
             [&](int, int y) {
                 return mix(rgb(255, 240, 150), rgb(235, 120, 20),
                            (static_cast<float>(y) - topY) / span);
             });
}

// A translucent dark band across the picture between rows top and bottom, so small text
// stays readable over the bright maze lines; its ends fade over a tenth of the width.
void darkenBand(Canvas& canvas, int top, int bottom, float strength) {
    const float fadeWidth = 0.1f * static_cast<float>(canvas.width());
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const float edge = static_cast<float>(std::min(x, canvas.width() - 1 - x));
            canvas.blend(x, y, Colour{}, strength * smoothstep(0, fadeWidth, edge));
        }
}

} // namespace

Canvas makeTitle(int width, int height, const std::string& fontPath) {
    Canvas canvas(width, height);
    paintNightScene(canvas);
    if (fontPath.empty())
        return canvas;
    dimArea(canvas, 0.38f, 0.0f, 0.74f, 0.5f, 0.08f, 0.35f); // where the best list goes
    drawName(canvas, fontPath);
    darkenBand(canvas, height * 755 / 1000, height * 845 / 1000, 0.45f);
    const TextMask prompt = renderText(fontPath, "Press SPACE to play", height * 65 / 1000);
    drawLine(canvas, prompt, width / 2, height * 80 / 100, height / 120 + 1, 1.0f,
             [](int, int) { return rgb(255, 255, 255); });
    darkenBand(canvas, height * 905 / 1000, height * 975 / 1000, 0.55f);
    const TextMask keys =
        renderText(fontPath, "Arrows move     Ctrl jumps     F2 music     F3 sound     Esc quits",
                   height * 34 / 1000);
    drawLine(canvas, keys, width / 2, height * 94 / 100, height / 200 + 1, 1.0f,
             [](int, int) { return rgb(200, 230, 255); });
    return canvas;
}
