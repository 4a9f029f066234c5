// The real window behind the main dialog: a borderless SDL window over the desktop, shown in
// the task bar and made for OpenGL, or, when drawing goes to an offscreen surface (headless
// runs, no display), SDL's offscreen window whose frames go to a framebuffer object of the
// client size (offscreen_target.h). Without the video subsystem (loop tests) there is no
// real window and only the client size is kept. Sizes are pixels; this module owns the SDL
// window. Internal to the platform layer.
#pragma once

#include "platform/dialog.h"

#include <cstdint>
#include <vector>

struct SDL_Window;

namespace platform::mainwindow {

// Creates the window for the main dialog at the desktop's bounds.
void Open(const char* caption);
void Close();

SDL_Window* Handle();
// False when no window with the requested OpenGL buffers could be made.
bool OpenGlCapable();

// The display's bounds; with an offscreen surface, the --size surface.
Rect DesktopRect();
Rect ClientRect();

// Moves and resizes the window (Move) or resizes it in place (Resize), then tells the main
// dialog through OnSize(0, width, height).
void Move(const Rect& rect);
void Resize(int width, int height);
// The window system resized the window: OnSize when the size really changed.
void NoteClientSize(int width, int height);

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
