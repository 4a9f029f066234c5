// The event source of a player's run: SDL's events in real time. Keys become virtual-key
// codes (with Alt marked), typed text Latin-1, a window size change WindowSized, closing
// the window Quit, focus and minimising their own kinds; game controllers (SDL's
// game-controller API, so SDL's controller database and the user's own mappings in
// SDL_GAMECONTROLLERCONFIG apply) are opened when connected and their buttons and left
// stick become pad events. Other events are dropped.
#pragma once

#include "platform/event_source.h"

namespace platform {

class SdlEventSource : public EventSource {
public:
    // The desktop's events are always ready, whatever the timer call.
    bool Next(long call, Event& event) override;
    void Wait(uint32_t ms) override;
};

} // namespace platform
