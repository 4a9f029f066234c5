// System services the game is written against: clock, pause, message boxes, cursor,
// sound effects and the frame swap, under the names the game calls them by.
//
// The clock is real in a player's run and virtual in a headless scripted run, where every
// 25 ms timer call advances it by 25 ms and Sleep advances it without waiting. Message boxes
// are SDL message boxes on a desktop and one line "CAPTION: TEXT" on standard error in
// headless runs. None of these functions expose an SDL type.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the program started, 32 bits (wraps after 49 days).
uint32_t GetTickCount();

// Blocks the calling thread; the window neither repaints nor handles input meanwhile.
void Sleep(uint32_t milliseconds);

// A box with one OK button that returns when answered.
void MessageBox(const char* text, const char* caption);

// Shows or hides the mouse cursor over the game window.
void ShowCursor(bool show);

// Plays a WAV file from the working directory in the background; a new sound cuts off the
// one still playing. A missing or unreadable file plays nothing.
void PlaySound(const char* fileName);

// Ends a frame: draws the visible dialogs over it, presents it and takes any screenshot
// that is due for it.
void SwapBuffers();

// True in a headless run (offscreen surface, virtual clock, no audio device needed).
bool IsHeadless();

} // namespace platform
