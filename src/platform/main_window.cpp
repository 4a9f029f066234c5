// The main dialog's real window; see main_window.h.
#include "platform/main_window.h"

#include "platform/application.h"
#include "platform/gl_context.h"
#include "platform/offscreen_target.h"
#include "platform/run_state.h"
#include "platform/window_registry.h"

#include <SDL.h>

#include <cstdio>

namespace platform::mainwindow {

namespace {

constexpr int OFFSCREEN_SURFACE_SIDE = 16;

struct Window {
    SDL_Window* handle = nullptr;
    IconPixels icon;
    bool openGl = false;
    int width = 0, height = 0; // the client area
};

Window& window() {
    static Window w;
    return w;
}

bool videoUp() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

// Double-buffered RGBA with 8 bits a colour and a 24-bit depth buffer, compatibility profile
// (the game draws with the fixed-function pipeline).
void requestBuffers() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
}

void setSize(int width, int height) {
    Window& w = window();
    w.width = width;
    w.height = height;
    if (offscreen::Active())
        offscreen::Resize(width, height);
    if (Dialog* main = windows::Main())
        main->OnSize(0, width, height);
}

} // namespace

void Open(const char* caption) {
    Window& w = window();
    const Rect area = DesktopRect();
    w.width = area.width();
    w.height = area.height();
    if (!videoUp())
        return;
    requestBuffers();
    const Uint32 flags = SDL_WINDOW_BORDERLESS;
    // An offscreen window's own surface is never drawn to (frames go to a framebuffer object
    // of the client size), so it is kept tiny instead of holding a second frame's worth of
    // colour and depth: 16 MB at 1920x1080.
    const int surfaceWidth = CurrentRun().offscreenSurface ? OFFSCREEN_SURFACE_SIDE : w.width;
    const int surfaceHeight = CurrentRun().offscreenSurface ? OFFSCREEN_SURFACE_SIDE : w.height;
    w.handle = SDL_CreateWindow(caption, area.left, area.top, surfaceWidth, surfaceHeight,
                                flags | SDL_WINDOW_OPENGL);
    w.openGl = w.handle != nullptr;
    if (!w.handle) {
        // No visual with those buffers: the game still gets its window and runs undrawn.
        std::fprintf(stderr, "munchora: no OpenGL window: %s\n", SDL_GetError());
        w.handle = SDL_CreateWindow(caption, area.left, area.top, w.width, w.height, flags);
    }
}

void Close() {
    ReleaseGlContext();
    if (window().handle)
        SDL_DestroyWindow(window().handle);
    window() = Window{};
}

const IconPixels& Icon() {
    return window().icon;
}

SDL_Window* Handle() {
    return window().handle;
}

bool OpenGlCapable() {
    return window().openGl;
}

Rect DesktopRect() {
    SDL_Rect bounds;
    if (CurrentRun().offscreenSurface || !videoUp() || SDL_GetDisplayBounds(0, &bounds) != 0)
        return {0, 0, Options().width, Options().height};
    return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

Rect ClientRect() {
    return {0, 0, window().width, window().height};
}

void Move(const Rect& rect) {
    if (window().handle && !CurrentRun().offscreenSurface) {
        SDL_SetWindowPosition(window().handle, rect.left, rect.top);
        SDL_SetWindowSize(window().handle, rect.width(), rect.height());
    }
    setSize(rect.width(), rect.height());
}

void Resize(int width, int height) {
    if (window().handle && !CurrentRun().offscreenSurface)
        SDL_SetWindowSize(window().handle, width, height);
    setSize(width, height);
}

void NoteClientSize(int width, int height) {
    if (width != window().width || height != window().height)
        setSize(width, height);
}

bool Minimize() {
    if (!window().handle || CurrentRun().offscreenSurface)
        return false;
    SDL_MinimizeWindow(window().handle);
    return true;
}

void SetIcon(const uint32_t* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0)
        return;
    window().icon = {{rgba, rgba + size_t(width) * size_t(height)}, width, height};
    if (!window().handle)
        return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon)
        return;
    SDL_SetWindowIcon(window().handle, icon);
    SDL_FreeSurface(icon);
}

void Present() {
    if (window().handle && !CurrentRun().offscreenSurface)
        SDL_GL_SwapWindow(window().handle);
    else
        offscreen::EndFrame();
}

} // namespace platform::mainwindow
