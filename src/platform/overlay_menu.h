// The main window's system menu drawn as a drop-down box at the window's top-left corner:
// a raised frame, one row per item, the selected item highlighted. An empty item text is a
// separator line; a tab splits an item into its label and a right-aligned shortcut. Sizes
// are pixels, y grows downward.
#pragma once

#include "platform/dialog.h"
#include "platform/overlay.h"
#include "platform/overlay_font.h"

#include <vector>

namespace platform {

struct MenuLayout {
    Rect frame;
    std::vector<Rect> items; // one row per item, in order
};

MenuLayout LayoutMenu(const MenuView& menu, const UiFont& font);

void DrawMenu(const MenuView& menu, const MenuLayout& layout, const UiFont& font);

} // namespace platform
