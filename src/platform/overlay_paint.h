// Drawing primitives of the overlays, in window pixels with the origin at the top-left and
// y growing downward (the projection set by DrawOverlays). A Rect covers the pixels from
// left to right - 1 and top to bottom - 1. Text is drawn from display lists with glBitmap:
// a baseline y puts the glyphs' lowest row (above descenders) on pixel row y - 1. GL state
// touched: current colour, raster position, list base (all saved by DrawOverlays).
#pragma once

#include "platform/dialog.h"
#include "platform/overlay_font.h"

#include <string>
#include <string_view>

namespace platform {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

constexpr Rgb FromBytes(int r, int g, int b) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
            static_cast<float>(b) / 255.0f};
}

// The classic desktop palette the dialogs are drawn in.
namespace palette {
constexpr Rgb FACE = FromBytes(212, 208, 200);
constexpr Rgb LIGHT = FromBytes(255, 255, 255);
constexpr Rgb SHADOW = FromBytes(128, 128, 128);
constexpr Rgb DARK = FromBytes(64, 64, 64);
constexpr Rgb TEXT = FromBytes(0, 0, 0);
constexpr Rgb WINDOW = FromBytes(255, 255, 255);
constexpr Rgb HIGHLIGHT = FromBytes(10, 36, 106);
constexpr Rgb HIGHLIGHT_TEXT = FromBytes(255, 255, 255);
constexpr Rgb CAPTION_LEFT = FromBytes(10, 36, 106);
constexpr Rgb CAPTION_RIGHT = FromBytes(166, 202, 240);
constexpr Rgb INACTIVE_LEFT = FromBytes(128, 128, 128);
constexpr Rgb INACTIVE_RIGHT = FromBytes(192, 192, 192);
} // namespace palette

Rect Inset(const Rect& rect, int by);

void FillRect(const Rect& rect, Rgb color);
// A left-to-right colour ramp over the rectangle.
void FillGradient(const Rect& rect, Rgb left, Rgb right);
// A one-pixel outline: top and left in topLeft, bottom and right in bottomRight.
void Edge(const Rect& rect, Rgb topLeft, Rgb bottomRight);
// Two nested edges: raised (light from the top-left) or sunken.
void RaisedBorder(const Rect& rect);
void SunkenBorder(const Rect& rect);

void DrawText(const UiFont& font, int x, int baseline, std::string_view text, Rgb color);

// Menu and button labels: '&' marks the next letter as the mnemonic, "&&" is a plain '&'.
struct MnemonicText {
    std::string shown;
    int underlined = -1; // index in shown of the mnemonic letter, -1 for none
};
MnemonicText StripMnemonic(std::string_view label);

// Draws the label with its '&' hidden and its mnemonic letter underlined.
void DrawLabel(const UiFont& font, int x, int baseline, std::string_view label, Rgb color);

// The baseline that centres one line of the font vertically in the rectangle.
int CentredBaseline(const UiFont& font, const Rect& rect);

} // namespace platform
