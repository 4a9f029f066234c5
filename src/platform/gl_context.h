// The OpenGL context of the main window: double-buffered RGBA with 24 bits of colour and
// 24 of depth, compatibility profile (the game draws with the fixed-function pipeline). In
// headless runs it draws into an offscreen surface of the --size given, through a
// framebuffer object that follows resizes, on Mesa's software rasteriser.
#pragma once

namespace platform {

class Dialog;

enum class GlSetup {
    Ready,              // context created and current
    NoPixelFormat,      // no visual with the requested buffers exists
    PixelFormatRefused, // the window would not take the visual
};

// Creates the context on the main window and makes it current on this thread.
GlSetup CreateGlContext(Dialog& mainWindow);

// Makes no context current and deletes the context, if there is one.
void ReleaseGlContext();

// True between a successful CreateGlContext and ReleaseGlContext.
bool HasGlContext();

// Builds display lists listBase + code for the character codes first .. first + count - 1
// from a bold sans-serif face about pixelHeight pixels high, each drawing its glyph with
// glBitmap at the raster position and advancing it. Codes are Latin-1. Returns false (and
// leaves the lists empty) when no font can be found.
bool BuildFontLists(int first, int count, unsigned listBase, int pixelHeight);

} // namespace platform
