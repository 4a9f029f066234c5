// The main window's system menu, opened with Alt+Space and drawn as an overlay: the window's
// own items (Minimize, Close) and after them the items the game appends. While it is open it
// takes the keys: Up and Down move the selection (over separators, which are items with
// empty text), Return chooses, Escape closes, and an item's underlined letter chooses it
// (or, when several items share the letter, selects the next of them).
#pragma once

#include "platform/overlay.h"

#include <optional>
#include <string>

namespace platform::sysmenu {

// Appends one of the game's items; before the first of them a separator is put in, unless
// that item is one.
void Append(const std::string& text, unsigned id);
// Back to the window's own items alone, closed (the main window is gone).
void Reset();

// Carries out a window item's command after the main window has seen it: SC_MINIMIZE
// iconifies the window, SC_CLOSE is a close request (the same path as Alt+F4). Other ids
// are the game's own and need nothing more.
void RunWindowCommand(unsigned id);

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
