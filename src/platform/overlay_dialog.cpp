#include "platform/overlay_dialog.h"

#include "platform/overlay_icon.h"
#include "platform/overlay_paint.h"

#include <algorithm>
#include <cassert>
#include <string>
#include <string_view>

namespace platform {

namespace {

constexpr int BORDER = 3;       // two bevel lines and one line of face colour
constexpr int CAPTION = 18;     // caption bar height
constexpr int CAPTION_GAP = 1;  // face-coloured line between caption and body
constexpr int CLOSE_WIDTH = 16; // the close box: 16 x 14 with a 2-pixel margin
constexpr int CLOSE_HEIGHT = 14;
constexpr int TEXT_INDENT = 4; // caption and edit text start this far from their edge

Rect ControlRect(const DialogLayout& layout, const DialogControl& control) {
    const int left = layout.body.left + control.x, top = layout.body.top + control.y;
    return {left, top, left + control.width, top + control.height};
}

// The close box's cross: two diagonals of 2 x 1 pixel steps across 8 x 7 pixels.
void DrawCross(const Rect& box) {
    const int left = box.left + (box.width() - 8) / 2, top = box.top + (box.height() - 7) / 2;
    for (int i = 0; i < 7; ++i) {
        FillRect({left + i, top + i, left + i + 2, top + i + 1}, palette::TEXT);
        FillRect({left + 6 - i, top + i, left + 8 - i, top + i + 1}, palette::TEXT);
    }
}

void DrawCaption(const DialogLayout& layout, const std::string& caption, const UiFont& font,
                 bool active) {
    if (active)
        FillGradient(layout.caption, palette::CAPTION_LEFT, palette::CAPTION_RIGHT);
    else
        FillGradient(layout.caption, palette::INACTIVE_LEFT, palette::INACTIVE_RIGHT);
    const Rgb text = active ? palette::HIGHLIGHT_TEXT : palette::FACE;
    DrawText(font, layout.caption.left + TEXT_INDENT, CentredBaseline(font, layout.caption),
             caption, text);
    FillRect(layout.closeBox, palette::FACE);
    RaisedBorder(layout.closeBox);
    DrawCross(layout.closeBox);
}

// The visible end of a text too long for its field, as a field that scrolls to its caret.
std::string_view VisibleTail(const UiFont& font, std::string_view text, int width) {
    while (!text.empty() && TextWidth(font, text) > width)
        text.remove_prefix(1);
    return text;
}

// The pad's cursor: the letter it changes (the last one) drawn lit, as a selection.
void DrawPadLetter(const UiFont& font, int x, int baseline, std::string_view shown) {
    if (shown.empty())
        return;
    const int left = x + TextWidth(font, shown.substr(0, shown.size() - 1));
    const std::string_view letter = shown.substr(shown.size() - 1);
    const int top = baseline - font.ascent;
    FillRect({left, top, left + std::max(TextWidth(font, letter), 2), top + font.height},
             palette::HIGHLIGHT);
    DrawText(font, left, baseline, letter, palette::HIGHLIGHT_TEXT);
}

void DrawEdit(const Rect& rect, const std::string& text, const UiFont& font, bool caret,
              bool padCursor) {
    FillRect(rect, palette::WINDOW);
    SunkenBorder(rect);
    // Inside the two-pixel border: the text indent on the left, and on the right room for
    // the caret one pixel after the text.
    const Rect inner = Inset(rect, 2);
    const int x = rect.left + TEXT_INDENT;
    const std::string_view shown = VisibleTail(font, text, inner.right - 2 - x);
    const int baseline = CentredBaseline(font, inner);
    DrawText(font, x, baseline, shown, palette::TEXT);
    if (padCursor)
        DrawPadLetter(font, x, baseline, shown);
    if (caret) {
        const int caretX = x + TextWidth(font, shown) + 1;
        FillRect({caretX, baseline - font.ascent, caretX + 1, baseline - font.ascent + font.height},
                 palette::TEXT);
    }
}

void DrawButton(const Rect& rect, const DialogControl& control, const UiFont& font) {
    FillRect(rect, palette::FACE);
    Rect bevel = rect;
    if (control.id == IDOK) { // the default button wears a dark outline
        Edge(rect, palette::TEXT, palette::TEXT);
        bevel = Inset(rect, 1);
    }
    RaisedBorder(bevel);
    const int textWidth = TextWidth(font, StripMnemonic(control.text).shown);
    DrawLabel(font, rect.left + (rect.width() - textWidth) / 2, CentredBaseline(font, rect),
              control.text, palette::TEXT);
}

void DrawControl(const Dialog& dialog, const DialogLayout& layout, const DialogControl& control,
                 const UiFont& font, bool active, bool caret) {
    const Rect rect = ControlRect(layout, control);
    switch (control.kind) {
    case DialogControl::Kind::Static:
        DrawText(font, rect.left, rect.top + font.ascent, control.text, palette::TEXT);
        break;
    case DialogControl::Kind::Edit:
        DrawEdit(rect, dialog.GetDlgItemText(control.id), font, caret,
                 active && dialog.padEditing());
        break;
    case DialogControl::Kind::Button:
        DrawButton(rect, control, font);
        break;
    case DialogControl::Kind::Icon:
        DrawAppIcon(rect);
        break;
    }
}

} // namespace

DialogLayout LayoutDialog(const DialogTemplate& dialogTemplate, int windowWidth, int windowHeight) {
    assert(dialogTemplate.width >= 0 && dialogTemplate.height >= 0);
    // Frame: the body plus a border all round, the caption bar and the line under it.
    const int width = dialogTemplate.width + 2 * BORDER;
    const int height = dialogTemplate.height + 2 * BORDER + CAPTION + CAPTION_GAP;
    DialogLayout layout;
    layout.frame.left = (windowWidth - width) / 2;
    layout.frame.top = (windowHeight - height) / 2;
    layout.frame.right = layout.frame.left + width;
    layout.frame.bottom = layout.frame.top + height;
    const Rect inner = Inset(layout.frame, BORDER);
    layout.caption = {inner.left, inner.top, inner.right, inner.top + CAPTION};
    layout.closeBox = {inner.right - 2 - CLOSE_WIDTH, inner.top + 2, inner.right - 2,
                       inner.top + 2 + CLOSE_HEIGHT};
    layout.body = {inner.left, layout.caption.bottom + CAPTION_GAP, inner.right, inner.bottom};
    return layout;
}

void DrawDialogBox(const Dialog& dialog, const DialogLayout& layout, const UiFonts& fonts,
                   bool active, bool caretVisible) {
    const DialogTemplate& dialogTemplate = *dialog.dialogTemplate();
    FillRect(layout.frame, palette::FACE);
    RaisedBorder(layout.frame);
    DrawCaption(layout, dialogTemplate.caption, fonts.bold, active);
    for (const DialogControl& control : dialogTemplate.controls)
        DrawControl(dialog, layout, control, fonts.regular, active, active && caretVisible);
}

} // namespace platform
