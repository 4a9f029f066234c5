// The main window's system menu; see system_menu.h.
#include "platform/system_menu.h"

#include "platform/dialog.h"
#include "platform/main_window.h"
#include "platform/overlay_paint.h"
#include "platform/run_state.h"

#include <cctype>
#include <vector>

namespace platform::sysmenu {

namespace {

// The items a window menu has that make sense for a borderless window over the desktop: it
// cannot be moved, sized, maximised or restored, only iconified and closed.
constexpr size_t WINDOW_ITEMS = 2;

struct Menu {
    MenuView view{{"Mi&nimize", "&Close\tAlt+F4"}, 0};
    std::vector<unsigned> ids{SC_MINIMIZE, SC_CLOSE};
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

// The items whose underlined letter is the key's, in menu order.
std::vector<int> itemsWithMnemonic(int virtualKey) {
    std::vector<int> found;
    const std::vector<std::string>& items = menu().view.items;
    for (int index = 0; index < int(items.size()); ++index) {
        const MnemonicText text = StripMnemonic(items[size_t(index)]);
        if (text.underlined >= 0 && std::toupper(static_cast<unsigned char>(
                                        text.shown[size_t(text.underlined)])) == virtualKey)
            found.push_back(index);
    }
    return found;
}

// One item with the letter is chosen; several take turns being selected.
std::optional<unsigned> chooseByMnemonic(int virtualKey) {
    const std::vector<int> found = itemsWithMnemonic(virtualKey);
    if (found.size() == 1) {
        Close();
        return menu().ids[size_t(found.front())];
    }
    for (int index : found) {
        if (index > menu().view.selected) {
            menu().view.selected = index;
            return std::nullopt;
        }
    }
    if (!found.empty())
        menu().view.selected = found.front();
    return std::nullopt;
}

} // namespace

// The game's items are set apart from the window's own by a separator.
void Append(const std::string& text, unsigned id) {
    if (menu().ids.size() == WINDOW_ITEMS && !text.empty())
        Append("", 0);
    menu().view.items.push_back(text);
    menu().ids.push_back(id);
}

void Reset() {
    menu() = Menu{};
}

void RunWindowCommand(unsigned id) {
    if (id == SC_MINIMIZE)
        mainwindow::Minimize();
    else if (id == SC_CLOSE)
        RequestClose();
}

// The menu opens on the game's own last item, so Alt+Space and Return open the About box as
// they always have; the arrows reach Minimize and Close.
void Open() {
    for (int index = int(menu().view.items.size()) - 1; index >= 0; --index) {
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
        return chooseByMnemonic(virtualKey);
    }
    return std::nullopt;
}

const MenuView& View() {
    return menu().view;
}

} // namespace platform::sysmenu
