// The real window behind the main dialog, in one of two modes: the borderless window over
// the whole display (the start unless told otherwise), or a window of its own: decorated,
// resizable, centred on the same display, 1280x720 or the last size used. It opens on the
// display holding the mouse pointer. When drawing goes to an offscreen surface (headless
// runs, no display) it is SDL's offscreen window whose frames go to a framebuffer object of
// the client size (offscreen_target.h), and the modes only change that size. Without the
// video subsystem (loop tests) there is no real window and only the client size is kept.
//
// The client size is in drawable pixels (on a high-density display more than the window's
// logical size); window sizes and positions are the window system's logical units. A
// desktop run remembers the mode and the window's size in the user's settings
// (settings.h); a headless run starts from --window and never touches them. This module
// owns the SDL window. Internal to the platform layer.
#pragma once

#include "platform/dialog.h"

#include <cstdint>
#include <vector>

struct SDL_Window;

namespace platform::mainwindow {

// Creates the window for the main dialog, in the mode the options and settings give.
void Open(const char* caption);
void Close();

SDL_Window* Handle();
// False when no window with the requested OpenGL buffers could be made.
bool OpenGlCapable();

// The bounds of the window's display; with an offscreen surface, the --size surface.
Rect DesktopRect();
Rect ClientRect();

// Moves and resizes the window (Move) or resizes it in place (Resize), then tells the main
// dialog through OnSize(0, width, height). In a window of its own a move keeps the size
// the player gave the window (the move only says where the borderless window goes).
void Move(const Rect& rect);
void Resize(int width, int height);
// The window system resized the window: OnSize when the drawable size really changed.
void NoteClientSize();

// A window of its own of width x height (0 x 0: the last size used), or the borderless
// window over the display; ToggleWindowMode switches between the two (F11, Alt+Return).
void SetWindowMode(bool windowed, int width, int height);
void ToggleWindowMode();
bool Windowed();

// Iconifies a real window; false when there is none to iconify (an offscreen surface or no
// video: headless runs go on drawing their frames, as a minimised game goes on running).
bool Minimize();

// Sets the window's icon and keeps a copy, which dialogs draw as the application icon
// (Icon() is empty until an icon is set). Pixels as Dialog::SetIcon.
void SetIcon(const uint32_t* rgba, int width, int height);
struct IconPixels {
    std::vector<uint32_t> rgba;
    int width = 0, height = 0;
};
const IconPixels& Icon();

// Shows the finished frame (the offscreen surface is never shown).
void Present();

} // namespace platform::mainwindow
