#include "platform/overlay_paint.h"

#include <GL/gl.h>

namespace platform {

Rect Inset(const Rect& rect, int by) {
    return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

void FillRect(const Rect& rect, Rgb color) {
    glColor3f(color.r, color.g, color.b);
    glRecti(rect.left, rect.top, rect.right, rect.bottom);
}

void FillGradient(const Rect& rect, Rgb left, Rgb right) {
    glBegin(GL_QUADS);
    glColor3f(left.r, left.g, left.b);
    glVertex2i(rect.left, rect.top);
    glVertex2i(rect.left, rect.bottom);
    glColor3f(right.r, right.g, right.b);
    glVertex2i(rect.right, rect.bottom);
    glVertex2i(rect.right, rect.top);
    glEnd();
}

void Edge(const Rect& rect, Rgb topLeft, Rgb bottomRight) {
    FillRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillRect({rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, topLeft);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom - 1}, bottomRight);
}

void RaisedBorder(const Rect& rect) {
    Edge(rect, palette::LIGHT, palette::DARK);
    Edge(Inset(rect, 1), palette::FACE, palette::SHADOW);
}

void SunkenBorder(const Rect& rect) {
    Edge(rect, palette::SHADOW, palette::LIGHT);
    Edge(Inset(rect, 1), palette::DARK, palette::FACE);
}

void DrawText(const UiFont& font, int x, int baseline, std::string_view text, Rgb color) {
    if (!font.ready || text.empty())
        return;
    // The raster colour is taken when the raster position is set. The position is set at
    // the top-left pixel's centre, which is always inside the window, and then moved with
    // an empty bitmap, so text that starts left of the window is still drawn where it
    // shows. Window y grows upward: moving down by (baseline - 0.5) rows is a negative dy.
    glColor3f(color.r, color.g, color.b);
    glRasterPos2f(0.5f, 0.5f);
    glBitmap(0, 0, 0, 0, static_cast<float>(x) - 0.5f, 0.5f - static_cast<float>(baseline),
             nullptr);
    glListBase(font.listBase);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

MnemonicText StripMnemonic(std::string_view label) {
    MnemonicText result;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size()) {
            ++i; // skip the marker; "&&" keeps the second '&' as a plain letter
            if (label[i] != '&' && result.underlined < 0)
                result.underlined = static_cast<int>(result.shown.size());
        } else if (label[i] == '&') {
            continue; // a lone '&' at the end marks nothing
        }
        result.shown += label[i];
    }
    return result;
}

void DrawLabel(const UiFont& font, int x, int baseline, std::string_view label, Rgb color) {
    const MnemonicText text = StripMnemonic(label);
    DrawText(font, x, baseline, text.shown, color);
    if (text.underlined < 0 || !font.ready)
        return;
    const std::string_view shown = text.shown;
    const int start = x + TextWidth(font, shown.substr(0, text.underlined));
    const int end = start + TextWidth(font, shown.substr(text.underlined, 1));
    FillRect({start, baseline + 1, end, baseline + 2}, color);
}

int CentredBaseline(const UiFont& font, const Rect& rect) {
    return rect.top + (rect.height() - font.height) / 2 + font.ascent;
}

} // namespace platform
