// The offscreen drawing target: SDL's offscreen driver gives a single-buffered pbuffer that
// does not follow SDL_SetWindowSize, so frames are drawn into a framebuffer object of the
// client size instead (an RGBA8 colour and a 24-bit depth, 8-bit stencil renderbuffer),
// bound for the whole run and resized with the client area. Screenshots read it. Needs the
// GL context current; owns its GL objects.
#pragma once

namespace platform::offscreen {

// Creates and binds the target; false when the driver offers no framebuffer objects.
bool Create(int width, int height);
void Resize(int width, int height);
void Release();
bool Active();

// Ends a frame. Nothing presents an offscreen frame, so nothing would hold the program back
// while the rasteriser's threads fall behind, queueing frame after frame (at 1280x720 some
// 10 MB each); like a swap, this lets one frame be in flight and waits for the one before.
void EndFrame();

} // namespace platform::offscreen
