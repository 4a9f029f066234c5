// The main dialog's real window; see main_window.h.
#include "platform/main_window.h"

#include "platform/application.h"
#include "platform/gl_context.h"
#include "platform/offscreen_target.h"
#include "platform/run_state.h"
#include "platform/settings.h"
#include "platform/window_registry.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

namespace platform::mainwindow {

namespace {

constexpr int OFFSCREEN_SURFACE_SIDE = 16;

struct Window {
    SDL_Window* handle = nullptr;
    IconPixels icon;
    bool openGl = false;
    int width = 0, height = 0; // the client area, drawable pixels
    int display = 0;           // the display the window belongs to
    bool windowed = false;     // a window of its own rather than over the whole display
    int windowWidth = DEFAULT_WINDOW_WIDTH, windowHeight = DEFAULT_WINDOW_HEIGHT; // its size
    bool remembers = false; // the mode and size go to the user's settings
};

Window& window() {
    static Window w;
    return w;
}

bool videoUp() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

bool realWindow() {
    return window().handle && !CurrentRun().offscreenSurface;
}

// Double-buffered RGBA with 8 bits a colour, a 24-bit depth and an 8-bit stencil buffer (the
// board marks its walls in it), compatibility profile
// (the game draws with the fixed-function pipeline).
void requestBuffers() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

// The display holding the mouse pointer, else the first.
int pointerDisplay() {
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    const SDL_Point pointer{x, y};
    for (int display = 0; display < SDL_GetNumVideoDisplays(); ++display) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(display, &bounds) == 0 && SDL_PointInRect(&pointer, &bounds))
            return display;
    }
    return 0;
}

// The client size in drawable pixels: the GL drawable of a real window, which on a
// high-density display is larger than its logical size.
void drawableSize(int& width, int& height) {
    SDL_GL_GetDrawableSize(window().handle, &width, &height);
    if (width <= 0 || height <= 0)
        SDL_GetWindowSize(window().handle, &width, &height);
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

void remember() {
    const Window& w = window();
    if (w.remembers)
        SaveSettings(SettingsPath(), {w.windowed, w.windowWidth, w.windowHeight});
}

// The mode to start in: --window wins; a desktop run then follows the user's settings.
void chooseStartMode() {
    Window& w = window();
    const RunOptions& options = Options();
    w.remembers = !CurrentRun().headless && videoUp() && !CurrentRun().offscreenSurface;
    if (w.remembers) {
        const Settings settings = LoadSettings(SettingsPath());
        w.windowed = settings.windowed;
        w.windowWidth = settings.windowWidth;
        w.windowHeight = settings.windowHeight;
    }
    if (options.windowed) {
        w.windowed = true;
        if (options.windowWidth > 0) {
            w.windowWidth = options.windowWidth;
            w.windowHeight = options.windowHeight;
        }
    }
}

void createWindow(const char* caption) {
    Window& w = window();
    requestBuffers();
    const Rect area = DesktopRect();
    Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
    int x = area.left, y = area.top, width = area.width(), height = area.height();
    if (CurrentRun().offscreenSurface) {
        // An offscreen window's own surface is never drawn to (frames go to a framebuffer
        // object of the client size), so it is kept tiny instead of holding a second
        // frame's worth of colour and depth: 16 MB at 1920x1080.
        width = height = OFFSCREEN_SURFACE_SIDE;
        flags |= SDL_WINDOW_BORDERLESS;
    } else if (w.windowed) {
        flags |= SDL_WINDOW_RESIZABLE;
        x = y = int(SDL_WINDOWPOS_CENTERED_DISPLAY(w.display));
        width = w.windowWidth;
        height = w.windowHeight;
    } else {
        flags |= SDL_WINDOW_BORDERLESS;
    }
    w.handle = SDL_CreateWindow(caption, x, y, width, height, flags | SDL_WINDOW_OPENGL);
    if (!w.handle) {
        // Without a stencil buffer every stencil test passes: the same picture, only the
        // board's skipping of what walls hide is lost.
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        w.handle = SDL_CreateWindow(caption, x, y, width, height, flags | SDL_WINDOW_OPENGL);
    }
    w.openGl = w.handle != nullptr;
    if (!w.handle) {
        // No visual with those buffers: the game still gets its window and runs undrawn.
        std::fprintf(stderr, "munchora: no OpenGL window: %s\n", SDL_GetError());
        w.handle = SDL_CreateWindow(caption, x, y, width, height, flags);
    }
}

// The window takes the size and place of its mode; the client size follows.
void applyMode() {
    Window& w = window();
    if (realWindow()) {
        SDL_Window* handle = w.handle;
        w.display = std::max(0, SDL_GetWindowDisplayIndex(handle));
        SDL_SetWindowBordered(handle, w.windowed ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowResizable(handle, w.windowed ? SDL_TRUE : SDL_FALSE);
        if (w.windowed) {
            SDL_SetWindowSize(handle, w.windowWidth, w.windowHeight);
            SDL_SetWindowPosition(handle, int(SDL_WINDOWPOS_CENTERED_DISPLAY(w.display)),
                                  int(SDL_WINDOWPOS_CENTERED_DISPLAY(w.display)));
        } else {
            const Rect area = DesktopRect();
            SDL_SetWindowPosition(handle, area.left, area.top);
            SDL_SetWindowSize(handle, area.width(), area.height());
        }
        int width = 0, height = 0;
        drawableSize(width, height);
        return setSize(width, height);
    }
    const Rect area = DesktopRect();
    if (w.windowed)
        setSize(w.windowWidth, w.windowHeight);
    else
        setSize(area.width(), area.height());
}

} // namespace

void Open(const char* caption) {
    Window& w = window();
    w.display = videoUp() && !CurrentRun().offscreenSurface ? pointerDisplay() : 0;
    chooseStartMode();
    if (videoUp())
        createWindow(caption);
    if (realWindow()) {
        drawableSize(w.width, w.height);
    } else {
        const Rect area = DesktopRect();
        w.width = w.windowed ? w.windowWidth : area.width();
        w.height = w.windowed ? w.windowHeight : area.height();
    }
}

void Close() {
    remember();
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
    if (CurrentRun().offscreenSurface || !videoUp() ||
        SDL_GetDisplayBounds(window().display, &bounds) != 0)
        return {0, 0, Options().width, Options().height};
    return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

Rect ClientRect() {
    return {0, 0, window().width, window().height};
}

void Move(const Rect& rect) {
    if (window().windowed)
        return setSize(window().width, window().height);
    if (realWindow()) {
        SDL_SetWindowPosition(window().handle, rect.left, rect.top);
        SDL_SetWindowSize(window().handle, rect.width(), rect.height());
        int width = 0, height = 0;
        drawableSize(width, height);
        return setSize(width, height);
    }
    setSize(rect.width(), rect.height());
}

void Resize(int width, int height) {
    if (realWindow()) {
        SDL_SetWindowSize(window().handle, width, height);
        drawableSize(width, height);
    }
    setSize(width, height);
}

void NoteClientSize() {
    Window& w = window();
    if (!realWindow())
        return;
    if (w.windowed)
        SDL_GetWindowSize(w.handle, &w.windowWidth, &w.windowHeight);
    int width = 0, height = 0;
    drawableSize(width, height);
    if (width != w.width || height != w.height)
        setSize(width, height);
}

bool Minimize() {
    if (!window().handle || CurrentRun().offscreenSurface)
        return false;
    SDL_MinimizeWindow(window().handle);
    return true;
}

void SetWindowMode(bool windowed, int width, int height) {
    Window& w = window();
    w.windowed = windowed;
    if (windowed && width > 0 && height > 0) {
        w.windowWidth = width;
        w.windowHeight = height;
    }
    applyMode();
    remember();
}

void ToggleWindowMode() {
    SetWindowMode(!window().windowed, 0, 0);
}

bool Windowed() {
    return window().windowed;
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
    if (realWindow())
        SDL_GL_SwapWindow(window().handle);
    else
        offscreen::EndFrame();
}

} // namespace platform::mainwindow
