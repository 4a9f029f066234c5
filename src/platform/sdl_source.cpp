// SDL events as the loop's events; see sdl_source.h.
#include "platform/sdl_source.h"

#include "platform/latin1.h"
#include "platform/sdl_keys.h"

#include <SDL.h>

#include <utility>

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
    switch (window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        event.kind = Event::Kind::WindowSized;
        event.width = window.data1;
        event.height = window.data2;
        return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        event.kind = Event::Kind::FocusGained;
        return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        event.kind = Event::Kind::FocusLost;
        return true;
    case SDL_WINDOWEVENT_MINIMIZED:
        event.kind = Event::Kind::Minimised;
        return true;
    case SDL_WINDOWEVENT_RESTORED:
        event.kind = Event::Kind::Restored;
        return true;
    default:
        return false;
    }
}

// The pad buttons the game uses; the others (shoulders, sticks pressed, guide) do nothing.
constexpr std::pair<SDL_GameControllerButton, PadButton> PAD_BUTTONS[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::A},
    {SDL_CONTROLLER_BUTTON_B, PadButton::B},
    {SDL_CONTROLLER_BUTTON_X, PadButton::X},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::Y},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
};

bool padButton(Uint8 sdlButton, PadButton& button) {
    for (const auto& [sdl, ours] : PAD_BUTTONS) {
        if (sdl == sdlButton) {
            button = ours;
            return true;
        }
    }
    return false;
}

// A connected controller is opened so that its events arrive; it is named by its instance
// id from then on. SDL closes what is still open when it shuts down.
bool attachPad(int deviceIndex, Event& event) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return false;
    event.kind = Event::Kind::PadAttached;
    event.pad = int(SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)));
    return true;
}

bool detachPad(int instance, Event& event) {
    if (SDL_GameController* controller = SDL_GameControllerFromInstanceID(instance))
        SDL_GameControllerClose(controller);
    event.kind = Event::Kind::PadDetached;
    event.pad = instance;
    return true;
}

bool translatePadButton(const SDL_ControllerButtonEvent& input, Event& event) {
    event.kind = input.state == SDL_PRESSED ? Event::Kind::PadDown : Event::Kind::PadUp;
    event.pad = int(input.which);
    return padButton(input.button, event.button);
}

bool translatePadAxis(const SDL_ControllerAxisEvent& input, Event& event) {
    if (input.axis != SDL_CONTROLLER_AXIS_LEFTX && input.axis != SDL_CONTROLLER_AXIS_LEFTY)
        return false;
    event.kind = Event::Kind::PadAxis;
    event.pad = int(input.which);
    event.axis = input.axis == SDL_CONTROLLER_AXIS_LEFTX ? PadAxis::LeftX : PadAxis::LeftY;
    event.value = input.value;
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
    case SDL_CONTROLLERDEVICEADDED:
        return attachPad(sdl.cdevice.which, event);
    case SDL_CONTROLLERDEVICEREMOVED:
        return detachPad(sdl.cdevice.which, event);
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        return translatePadButton(sdl.cbutton, event);
    case SDL_CONTROLLERAXISMOTION:
        return translatePadAxis(sdl.caxis, event);
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
