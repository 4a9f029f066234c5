// The main window's system menu; see system_menu.h.
#include "platform/system_menu.h"

#include "platform/dialog.h"

#include <vector>

namespace platform::sysmenu {

namespace {

struct Menu {
    MenuView view;
    std::vector<unsigned> ids;
    bool open = false;
};

Menu& menu() {
    static Menu m;
    return m;
}

bool selectable(int index) {
    return !menu().view.items[size_t(index)].empty();
}

// Moves the selection by step (+1 or -1), wrapping, to the next selectable item.
void moveSelection(int step) {
    const int count = int(menu().view.items.size());
    int index = menu().view.selected;
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (selectable(index)) {
            menu().view.selected = index;
            return;
        }
    }
}

} // namespace

void Append(const std::string& text, unsigned id) {
    menu().view.items.push_back(text);
    menu().ids.push_back(id);
}

void Clear() {
    menu() = Menu{};
}

void Open() {
    const int count = int(menu().view.items.size());
    for (int index = 0; index < count; ++index) {
        if (selectable(index)) {
            menu().view.selected = index;
            menu().open = true;
            return;
        }
    }
}

void Close() {
    menu().open = false;
}

bool IsOpen() {
    return menu().open;
}

std::optional<unsigned> HandleKey(int virtualKey) {
    switch (virtualKey) {
    case VK_UP:
        moveSelection(-1);
        break;
    case VK_DOWN:
        moveSelection(+1);
        break;
    case VK_ESCAPE:
        Close();
        break;
    case VK_RETURN:
        Close();
        return menu().ids[size_t(menu().view.selected)];
    default:
        break;
    }
    return std::nullopt;
}

const MenuView& View() {
    return menu().view;
}

} // namespace platform::sysmenu
