// The open windows; see window_registry.h.
#include "platform/window_registry.h"

#include "platform/dialog.h"

#include <algorithm>

namespace platform::windows {

namespace {

struct Entry {
    Dialog* dialog;
    bool modal;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> list;
    return list;
}

Dialog*& mainWindow() {
    static Dialog* main = nullptr;
    return main;
}

} // namespace

void Add(Dialog& dialog, bool modal) {
    entries().push_back({&dialog, modal});
}

void Remove(Dialog& dialog) {
    std::erase_if(entries(), [&](const Entry& e) { return e.dialog == &dialog; });
    if (mainWindow() == &dialog)
        mainWindow() = nullptr;
}

void SetMain(Dialog* dialog) {
    mainWindow() = dialog;
}

Dialog* Main() {
    return mainWindow();
}

bool IsVisible(const Dialog& dialog) {
    return !dialog.dialogTemplate() || dialog.dialogTemplate()->visible;
}

Dialog* Active() {
    const auto& list = entries();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->modal && it->dialog != Main() && IsVisible(*it->dialog))
            return it->dialog;
    return Main();
}

std::vector<const Dialog*> Overlays() {
    std::vector<const Dialog*> shown;
    for (const Entry& e : entries())
        if (e.dialog != Main() && IsVisible(*e.dialog))
            shown.push_back(e.dialog);
    return shown;
}

std::vector<Dialog*> OwnedBy(const Dialog& owner) {
    std::vector<Dialog*> owned;
    for (const Entry& e : entries())
        if (!e.modal && e.dialog->parent() == &owner)
            owned.insert(owned.begin(), e.dialog);
    return owned;
}

} // namespace platform::windows
