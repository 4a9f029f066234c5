// SDL key codes to virtual-key codes; see sdl_keys.h.
#include "platform/sdl_keys.h"

#include "platform/dialog.h"

#include <SDL.h>

namespace platform {

namespace {

// Virtual-key codes of the letters and digits are their upper-case ASCII codes; F1 is 112.
constexpr int VK_F1 = 112;

int namedKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    default:
        return 0;
    }
}

} // namespace

int VirtualKeyFromSdl(int sdlKeycode) {
    const SDL_Keycode key = sdlKeycode;
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    return namedKey(key);
}

} // namespace platform
