// The main window's system menu: the items the game appends, opened with Alt+Space and
// drawn as an overlay. While it is open it takes the keys: Up and Down move the selection
// (over separators, which are items with empty text), Return chooses, Escape closes.
#pragma once

#include "platform/overlay.h"

#include <optional>
#include <string>

namespace platform::sysmenu {

void Append(const std::string& text, unsigned id);
// Removes every item and closes the menu (the main window is gone).
void Clear();

// Opens the menu with its first selectable item selected; a menu without one stays shut.
void Open();
void Close();
bool IsOpen();

// Handles a key pressed while the menu is open; returns the id of the chosen item when the
// key chose one (the menu is then closed).
std::optional<unsigned> HandleKey(int virtualKey);

// What the overlay draws; valid until the menu changes.
const MenuView& View();

} // namespace platform::sysmenu
