// The open windows: the main window, the modal dialogs running (a stack, innermost last)
// and the modeless ones, in the order they were opened. It decides which dialog takes the
// keyboard (the topmost visible modal dialog, else the main window) and which are drawn as
// overlays. It refers to dialogs and never owns them; a dialog leaves it when destroyed.
#pragma once

#include <vector>

namespace platform {

class Dialog;

namespace windows {

void Add(Dialog& dialog, bool modal);
void Remove(Dialog& dialog);
void SetMain(Dialog* dialog);
Dialog* Main();

// The dialog that takes keys: the topmost visible modal dialog, else the main window.
Dialog* Active();
// Visible dialogs other than the main window, bottom to top.
std::vector<const Dialog*> Overlays();
// Open modeless dialogs whose owner is owner, newest first (the order they are destroyed).
std::vector<Dialog*> OwnedBy(const Dialog& owner);

bool IsVisible(const Dialog& dialog);

} // namespace windows
} // namespace platform
