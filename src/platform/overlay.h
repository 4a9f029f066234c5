// Drawing of everything the platform puts over the game's frame: the visible dialogs (About
// box, name entry), bottom to top, each centred over the window, and the main window's
// system menu when it is open. Called by SwapBuffers just before the frame is presented;
// it saves and restores every piece of OpenGL state it touches, so the game's state is the
// same after it as before.
#pragma once

#include <string>
#include <vector>

namespace platform {

class Dialog;

struct MenuView {
    std::vector<std::string> items; // the item texts; '&' marks the mnemonic letter
    int selected = 0;
};

struct OverlayView {
    int width = 0, height = 0;          // the window's client size in pixels
    std::vector<const Dialog*> dialogs; // visible dialogs, bottom to top
    const MenuView* menu = nullptr;     // the open system menu, or null
    bool caretVisible = true;           // blink phase of the edit field's caret
};

void DrawOverlays(const OverlayView& view);

// Writes width x height RGBA pixels, given bottom row first (as glReadPixels returns them),
// as a PNG file. Returns false when the file cannot be written.
bool WritePng(const char* path, int width, int height, const unsigned char* rgbaBottomUp);

} // namespace platform
