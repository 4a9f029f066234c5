// SwapBuffers: the end of every frame. The game has drawn and flushed its scene; here the
// visible dialogs and the system menu are drawn over it, any screenshot that is due is read
// back from the finished frame (overlays included), and the frame is presented.
#include "platform/system.h"

#include "platform/clock.h"
#include "platform/gl_context.h"
#include "platform/main_window.h"
#include "platform/overlay.h"
#include "platform/screenshot.h"
#include "platform/system_menu.h"
#include "platform/window_registry.h"

#include <SDL_opengl.h>

#include <cstdio>
#include <vector>

namespace platform {

namespace {

// The edit field's caret is shown for 500 ms and hidden for 500 ms.
constexpr uint64_t CARET_BLINK_MS = 500;

void drawOverlays(const Rect& client) {
    OverlayView view;
    view.width = client.width();
    view.height = client.height();
    view.dialogs = windows::Overlays();
    view.menu = sysmenu::IsOpen() ? &sysmenu::View() : nullptr;
    view.caretVisible = ProgramClock().Now() / CARET_BLINK_MS % 2 == 0;
    DrawOverlays(view);
}

void saveScreenshots(const Rect& client) {
    const std::vector<std::string> paths = screenshots::TakeRequests();
    if (paths.empty() || client.width() <= 0 || client.height() <= 0)
        return;
    std::vector<unsigned char> pixels(size_t(client.width()) * size_t(client.height()) * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, client.width(), client.height(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPopClientAttrib();
    for (const std::string& path : paths)
        if (!WritePng(path.c_str(), client.width(), client.height(), pixels.data()))
            std::fprintf(stderr, "munchora: cannot write the screenshot %s\n", path.c_str());
}

} // namespace

void SwapBuffers() {
    if (!HasGlContext())
        return;
    const Rect client = mainwindow::ClientRect();
    drawOverlays(client);
    saveScreenshots(client);
    mainwindow::Present();
}

} // namespace platform
