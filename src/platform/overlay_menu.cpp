#include "platform/overlay_menu.h"

#include "platform/overlay_paint.h"

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

constexpr int BORDER = 3;       // two bevel lines and one line of face colour
constexpr int ITEM_HEIGHT = 19; // a text row
constexpr int SEPARATOR_HEIGHT = 9;
constexpr int LABEL_INDENT = 20; // room on the left where check marks would go
constexpr int SHORTCUT_GAP = 24; // between a label and its shortcut
constexpr int RIGHT_MARGIN = 20;
constexpr int MIN_TEXT_WIDTH = 100;

struct ItemParts {
    std::string_view label, shortcut;
};

ItemParts Split(std::string_view item) {
    const size_t tab = item.find('\t');
    if (tab == std::string_view::npos)
        return {item, {}};
    return {item.substr(0, tab), item.substr(tab + 1)};
}

// Labels and shortcuts each line up in a column: the box is as wide as the widest of each.
int ContentWidth(const MenuView& menu, const UiFont& font) {
    int labels = 0, shortcuts = 0;
    for (const std::string& item : menu.items) {
        const ItemParts parts = Split(item);
        labels = std::max(labels, TextWidth(font, StripMnemonic(parts.label).shown));
        shortcuts = std::max(shortcuts, TextWidth(font, parts.shortcut));
    }
    const int text = shortcuts > 0 ? labels + SHORTCUT_GAP + shortcuts : labels;
    return LABEL_INDENT + std::max(text, MIN_TEXT_WIDTH) + RIGHT_MARGIN;
}

void DrawSeparator(const Rect& row) {
    const int middle = row.top + row.height() / 2;
    FillRect({row.left + 1, middle - 1, row.right - 1, middle}, palette::SHADOW);
    FillRect({row.left + 1, middle, row.right - 1, middle + 1}, palette::LIGHT);
}

void DrawItem(std::string_view item, const Rect& row, const UiFont& font, bool selected) {
    if (selected)
        FillRect(row, palette::HIGHLIGHT);
    const Rgb color = selected ? palette::HIGHLIGHT_TEXT : palette::TEXT;
    const ItemParts parts = Split(item);
    const int baseline = CentredBaseline(font, row);
    DrawLabel(font, row.left + LABEL_INDENT, baseline, parts.label, color);
    const int shortcutX = row.right - RIGHT_MARGIN - TextWidth(font, parts.shortcut);
    DrawText(font, shortcutX, baseline, parts.shortcut, color);
}

} // namespace

MenuLayout LayoutMenu(const MenuView& menu, const UiFont& font) {
    MenuLayout layout;
    const int width = ContentWidth(menu, font);
    int y = BORDER;
    for (const std::string& item : menu.items) {
        const int height = item.empty() ? SEPARATOR_HEIGHT : ITEM_HEIGHT;
        layout.items.push_back({BORDER, y, BORDER + width, y + height});
        y += height;
    }
    layout.frame = {0, 0, width + 2 * BORDER, y + BORDER};
    return layout;
}

void DrawMenu(const MenuView& menu, const MenuLayout& layout, const UiFont& font) {
    FillRect(layout.frame, palette::FACE);
    RaisedBorder(layout.frame);
    for (size_t i = 0; i < menu.items.size(); ++i) {
        if (menu.items[i].empty())
            DrawSeparator(layout.items[i]);
        else
            DrawItem(menu.items[i], layout.items[i], font, static_cast<int>(i) == menu.selected);
    }
}

} // namespace platform
