// The scripted event source; see script_source.h.
#include "platform/script_source.h"

#include "platform/dialog.h"

#include <algorithm>

namespace platform {

ScriptEventSource::ScriptEventSource(const Script& script) {
    for (const ScriptEvent& scriptEvent : script.events)
        add(scriptEvent);
    // Lines out of order still arrive by call number; within a call, in file order.
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.call < b.call; });
}

void ScriptEventSource::add(const ScriptEvent& scriptEvent) {
    Event event;
    event.key = scriptEvent.key;
    event.text = scriptEvent.text;
    event.width = scriptEvent.width;
    event.height = scriptEvent.height;
    event.pad = scriptEvent.pad;
    event.button = scriptEvent.button;
    event.axis = scriptEvent.axis;
    event.value = scriptEvent.value;
    event.fullscreen = scriptEvent.action == ScriptAction::WindowMode && scriptEvent.width == 0;
    auto push = [&](Event::Kind kind) {
        event.kind = kind;
        pending_.push_back({scriptEvent.call, event});
    };
    switch (scriptEvent.action) {
    case ScriptAction::Down:
        return push(Event::Kind::KeyDown);
    case ScriptAction::Up:
        return push(Event::Kind::KeyUp);
    case ScriptAction::Press:
        push(Event::Kind::KeyDown);
        return push(Event::Kind::KeyUp);
    case ScriptAction::Type:
        return push(Event::Kind::Text);
    case ScriptAction::Screenshot:
        return push(Event::Kind::Screenshot);
    case ScriptAction::Resize:
        return push(Event::Kind::Resize);
    case ScriptAction::Quit:
        return push(Event::Kind::Quit);
    case ScriptAction::PadDown:
        return push(Event::Kind::PadDown);
    case ScriptAction::PadUp:
        return push(Event::Kind::PadUp);
    case ScriptAction::PadPress:
        push(Event::Kind::PadDown);
        return push(Event::Kind::PadUp);
    case ScriptAction::PadAxis:
        return push(Event::Kind::PadAxis);
    case ScriptAction::PadAttach:
        return push(Event::Kind::PadAttached);
    case ScriptAction::PadDetach:
        return push(Event::Kind::PadDetached);
    case ScriptAction::FocusOut:
        return push(Event::Kind::FocusLost);
    case ScriptAction::FocusIn:
        return push(Event::Kind::FocusGained);
    case ScriptAction::Minimise:
        return push(Event::Kind::Minimised);
    case ScriptAction::Restore:
        return push(Event::Kind::Restored);
    case ScriptAction::WindowMode:
        return push(Event::Kind::WindowMode);
    }
}

bool ScriptEventSource::Next(long call, Event& event) {
    if (pending_.empty() || pending_.front().call > call)
        return false;
    event = std::move(pending_.front().event);
    pending_.pop_front();
    if (event.kind == Event::Kind::KeyDown || event.kind == Event::Kind::KeyUp) {
        if (event.key == VK_MENU)
            altHeld_ = event.kind == Event::Kind::KeyDown;
        event.alt = altHeld_;
    }
    return true;
}

} // namespace platform
