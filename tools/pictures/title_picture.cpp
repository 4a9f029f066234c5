// The title picture; see title_picture.h. Text sizes are fractions of the picture's height
// so any size keeps the layout: the name 21 %, the prompt 6.5 %, the keys 3.4 %.
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

// Places the text centred on row `centreY` with a soft shadow behind it.
void drawLine(Canvas& canvas, const TextMask& text, int centreY, int shadowRadius,
              float shadowOpacity, const std::function<Colour(int, int)>& paint) {
    const int left = (canvas.width() - text.width) / 2;
    const int top = centreY - text.height / 2;
    const TextMask shadow = blurred(text, shadowRadius);
    const int grow = 3 * shadowRadius;
    drawMask(canvas, shadow, left - grow, top - grow + shadowRadius / 2, shadowOpacity,
             [](int, int) { return Colour{}; });
    drawMask(canvas, text, left, top, 1, paint);
}

void drawName(Canvas& canvas, const std::string& font) {
    const int height = canvas.height();
    const TextMask name = renderText(font, "Munchora", height * 21 / 100);
    const int left = (canvas.width() - name.width) / 2;
    const int top = height * 29 / 100 - name.height / 2;
    const int glow = height / 40;
    drawMask(canvas, blurred(name, glow), left - 3 * glow, top - 3 * glow, 0.9f,
             [](int, int) { return rgb(255, 120, 30); });
    const float topY = static_cast<float>(top), span = static_cast<float>(name.height);
    drawLine(canvas, name, top + name.height / 2, height / 180 + 1, 1.0f, [&](int, int y) {
        return mix(rgb(255, 240, 150), rgb(235, 120, 20), (static_cast<float>(y) - topY) / span);
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
    drawName(canvas, fontPath);
    const TextMask prompt = renderText(fontPath, "Press SPACE to play", height * 65 / 1000);
    drawLine(canvas, prompt, height * 49 / 100, height / 120 + 1, 1.0f,
             [](int, int) { return rgb(255, 255, 255); });
    darkenBand(canvas, height * 905 / 1000, height * 975 / 1000, 0.55f);
    const TextMask keys =
        renderText(fontPath, "Arrows move     Ctrl jumps     F2 music     F3 sound     Esc quits",
                   height * 34 / 1000);
    drawLine(canvas, keys, height * 94 / 100, height / 200 + 1, 1.0f,
             [](int, int) { return rgb(200, 230, 255); });
    return canvas;
}
