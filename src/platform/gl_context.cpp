// The main window's OpenGL context; see gl_context.h. The buffers are requested when the
// window is made (main_window.cpp), since SDL picks the visual then: a window that could not
// be made for OpenGL means no pixel format, a context the window would not take means the
// format was refused.
#include "platform/gl_context.h"

#include "platform/main_window.h"
#include "platform/offscreen_target.h"
#include "platform/run_state.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

namespace {

SDL_GLContext& context() {
    static SDL_GLContext current = nullptr;
    return current;
}

} // namespace

GlSetup CreateGlContext(Dialog& /*mainWindow*/) {
    SDL_Window* window = mainwindow::Handle();
    if (!window || !mainwindow::OpenGlCapable())
        return GlSetup::NoPixelFormat;
    context() = SDL_GL_CreateContext(window);
    if (!context()) {
        std::fprintf(stderr, "munchora: no OpenGL context: %s\n", SDL_GetError());
        return GlSetup::PixelFormatRefused;
    }
    const Rect client = mainwindow::ClientRect();
    if (CurrentRun().offscreenSurface && !offscreen::Create(client.width(), client.height())) {
        std::fprintf(stderr, "munchora: no framebuffer object for the offscreen surface\n");
        ReleaseGlContext();
        return GlSetup::PixelFormatRefused;
    }
    return GlSetup::Ready;
}

void ReleaseGlContext() {
    if (!context())
        return;
    offscreen::Release();
    SDL_GL_MakeCurrent(mainwindow::Handle(), nullptr);
    SDL_GL_DeleteContext(context());
    context() = nullptr;
}

bool HasGlContext() {
    return context() != nullptr;
}

} // namespace platform
