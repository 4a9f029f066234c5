// The event source of a scripted run: the script's events, each held back until the main
// window's timer call it names is the next to begin. `press` becomes a key-down and a
// key-up (`pad press` a button's down and up); Alt held by `down Alt` marks the keys that follow as
// system keys until `up Alt`.
#pragma once

#include "platform/event_source.h"
#include "platform/script.h"

#include <deque>

namespace platform {

class ScriptEventSource : public EventSource {
public:
    explicit ScriptEventSource(const Script& script);
    bool Next(long call, Event& event) override;

private:
    struct Pending {
        long call;
        Event event;
    };
    void add(const ScriptEvent& scriptEvent);

    std::deque<Pending> pending_; // by call number, file order within a call
    bool altHeld_ = false;
};

} // namespace platform
