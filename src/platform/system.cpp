// Message boxes, the cursor and the headless flag; see system.h. The clock's stand-ins are
// in clock.cpp, SwapBuffers in frame_present.cpp, PlaySound with the audio device.
#include "platform/system.h"

#include "platform/main_window.h"
#include "platform/run_state.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

void MessageBox(const char* text, const char* caption) {
    text = text ? text : "";
    caption = caption ? caption : "";
    // With no screen to show it on (and SDL's box would block a headless run for ever),
    // the box is one line on standard error, answered at once.
    const RunState& run = CurrentRun();
    if (!run.headless && !run.offscreenSurface && SDL_WasInit(SDL_INIT_VIDEO) &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, mainwindow::Handle()) ==
            0)
        return;
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

void ShowCursor(bool show) {
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool IsHeadless() {
    return CurrentRun().headless;
}

} // namespace platform
