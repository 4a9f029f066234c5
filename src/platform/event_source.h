// What the message loop takes its input from: the desktop (SDL events, real time) or a
// script (virtual or real time). Events carry virtual-key codes, Latin-1 text, pad input
// and changes of the main window's state; the
// loop routes them (see message_loop.h). Sources are owned by whoever sets up the run.
#pragma once

#include "platform/pad_keys.h"

#include <cstdint>
#include <string>

namespace platform {

struct Event {
    enum class Kind {
        KeyDown,     // key; an auto-repeat is one more KeyDown
        KeyUp,       // key
        Text,        // text, Latin-1
        Resize,      // a request: the client area becomes width x height
        WindowSized, // the window system changed the client area to width x height
        Screenshot,  // text: the path of the next presented frame
        Quit,        // a close request, as closing the window
        PadDown,     // pad's button went down
        PadUp,       // pad's button went up
        PadAxis,     // pad's axis is now at value (PAD_AXIS_MIN .. PAD_AXIS_MAX)
        PadAttached, // pad was connected
        PadDetached, // pad was disconnected
        FocusGained, // the main window got the keyboard focus
        FocusLost,   // the main window lost the keyboard focus
        Minimised,   // the main window was minimised
        Restored,    // the main window came back from being minimised
        WindowMode,  // a window of its own of width x height (0 x 0: the last size used),
                     // or with fullscreen the borderless window over the display
    };
    Kind kind = Kind::Quit;
    int key = 0;
    bool alt = false; // Alt was held: the key is a system key
    std::string text;
    int width = 0, height = 0;
    int pad = 0; // which pad, for the Pad kinds
    PadButton button = PadButton::A;
    PadAxis axis = PadAxis::LeftX;
    int value = 0;
    bool fullscreen = false;
};

class EventSource {
public:
    virtual ~EventSource() = default;
    // Takes the next event that may be delivered before the main window's timer call
    // number call begins; false when there is none yet.
    virtual bool Next(long call, Event& event) = 0;
    // Waits up to ms of real time for an event to arrive (a source that is only polled
    // does not wait).
    virtual void Wait(uint32_t /*ms*/) {}
};

} // namespace platform
