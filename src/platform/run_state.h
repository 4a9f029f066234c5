// The state of the running program that the message loop consults: where events come from,
// how many calls the main window's timer has begun, when the run ends and whether a close
// request is pending. App::Run fills it from the command line; tests fill it themselves.
// The event sources are not owned.
#pragma once

#include "platform/event_source.h"
#include "platform/pad_keys.h"

#include <optional>
#include <vector>

namespace platform {

struct RunState {
    bool headless = false;         // virtual clock, offscreen surface, boxes on stderr
    bool offscreenSurface = false; // drawing goes to an offscreen surface (headless or no display)
    std::vector<EventSource*> sources;
    std::optional<long> callLimit; // the run ends after this many main-timer calls
    long mainCalls = 0;            // main-timer calls begun so far, nested ones included
    bool closeRequested = false;
    // What the platform believes of the main window's input, so that keys can be released
    // when the focus goes: the keys held down in it (the keyboard's), the pads' state, and
    // whether it has the focus and is minimised.
    std::vector<int> heldKeys;
    PadKeys pads;
    bool focused = true;
    bool minimised = false;
};

RunState& CurrentRun();

// Back to a fresh run (no sources, no limit, no calls, nothing requested).
void ResetRun();

// Asks the program to end: every modal dialog is cancelled, innermost first, then the main
// window's OnCancel; the loops return and the program leaves through its usual path.
void RequestClose();

} // namespace platform
