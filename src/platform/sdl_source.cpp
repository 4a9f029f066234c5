// SDL events as the loop's events; see sdl_source.h.
#include "platform/sdl_source.h"

#include "platform/latin1.h"
#include "platform/sdl_keys.h"

#include <SDL.h>

namespace platform {

namespace {

bool translateKey(const SDL_KeyboardEvent& key, Event& event) {
    event.key = VirtualKeyFromSdl(key.keysym.sym);
    event.kind = key.type == SDL_KEYDOWN ? Event::Kind::KeyDown : Event::Kind::KeyUp;
    event.alt = (key.keysym.mod & KMOD_ALT) != 0;
    return event.key != 0;
}

bool translateText(const SDL_TextInputEvent& input, Event& event) {
    event.kind = Event::Kind::Text;
    event.text.clear();
    AppendLatin1(input.text, event.text); // characters beyond Latin-1 cannot be shown
    return !event.text.empty();
}

bool translateWindow(const SDL_WindowEvent& window, Event& event) {
    if (window.event != SDL_WINDOWEVENT_SIZE_CHANGED)
        return false;
    event.kind = Event::Kind::WindowSized;
    event.width = window.data1;
    event.height = window.data2;
    return true;
}

bool translate(const SDL_Event& sdl, Event& event) {
    switch (sdl.type) {
    case SDL_QUIT:
        event.kind = Event::Kind::Quit;
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return translateKey(sdl.key, event);
    case SDL_TEXTINPUT:
        return translateText(sdl.text, event);
    case SDL_WINDOWEVENT:
        return translateWindow(sdl.window, event);
    default:
        return false;
    }
}

} // namespace

bool SdlEventSource::Next(long /*call*/, Event& event) {
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl))
        if (translate(sdl, event))
            return true;
    return false;
}

void SdlEventSource::Wait(uint32_t ms) {
    SDL_WaitEventTimeout(nullptr, int(ms));
}

} // namespace platform
