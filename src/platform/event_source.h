// What the message loop takes its input from: the desktop (SDL events, real time) or a
// script (virtual or real time). Events carry virtual-key codes and Latin-1 text; the
// loop routes them (see message_loop.h). Sources are owned by whoever sets up the run.
#pragma once

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
    };
    Kind kind = Kind::Quit;
    int key = 0;
    bool alt = false; // Alt was held: the key is a system key
    std::string text;
    int width = 0, height = 0;
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
