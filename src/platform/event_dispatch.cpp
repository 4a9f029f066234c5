// Routing of events to windows; see event_dispatch.h.
#include "platform/event_dispatch.h"

#include "platform/dialog.h"
#include "platform/main_window.h"
#include "platform/run_state.h"
#include "platform/screenshot.h"
#include "platform/system_menu.h"
#include "platform/window_registry.h"

#include <algorithm>
#include <ctime>

namespace platform {

namespace {

void chooseFromMenu(int key) {
    const auto chosen = sysmenu::HandleKey(key);
    if (!chosen || !windows::Main())
        return;
    windows::Main()->OnSysCommand(*chosen);
    sysmenu::RunWindowCommand(*chosen);
}

void systemKey(int key) {
    if (key == VK_F4)
        RequestClose();
    else if (key == VK_SPACE)
        sysmenu::Open();
    else if (key == VK_RETURN)
        mainwindow::ToggleWindowMode();
}

// Keeps the keys held down in the main window, so that losing the focus can release them.
void noteMainKey(int key, bool down) {
    std::vector<int>& held = CurrentRun().heldKeys;
    const auto found = std::find(held.begin(), held.end(), key);
    if (down && found == held.end())
        held.push_back(key);
    else if (!down && found != held.end())
        held.erase(found);
}

void sendToMain(MessageType type, int key) {
    if (Dialog* main = windows::Main())
        main->PreTranslateMessage({type, key, {}});
}

bool mainTakesInput() {
    return windows::Main() && windows::Active() == windows::Main() && !sysmenu::IsOpen();
}

void deliver(const PadActions& actions) {
    for (const PadAction& action : actions) {
        if (action.kind == PadAction::Kind::KeyDown) {
            sendToMain(MessageType::KeyDown, action.key);
        } else if (action.kind == PadAction::Kind::KeyUp) {
            sendToMain(MessageType::KeyUp, action.key);
        } else if (Dialog* active = windows::Active();
                   active && active != windows::Main() && !sysmenu::IsOpen()) {
            active->PreTranslatePad(action.button);
        }
    }
}

void routePad(const Event& event) {
    PadKeys& pads = CurrentRun().pads;
    switch (event.kind) {
    case Event::Kind::PadDown:
    case Event::Kind::PadUp:
        return deliver(pads.Button(event.pad, event.button, event.kind == Event::Kind::PadDown,
                                   mainTakesInput()));
    case Event::Kind::PadAxis:
        return deliver(pads.Axis(event.pad, event.axis, event.value, mainTakesInput()));
    case Event::Kind::PadDetached:
        return deliver(pads.Detach(event.pad));
    default: // an attached pad needs nothing until it is used
        return;
    }
}

// Every key the main window holds goes up: a window without the focus hears no releases.
void releaseHeldKeys() {
    RunState& run = CurrentRun();
    const std::vector<int> held = std::move(run.heldKeys);
    run.heldKeys.clear();
    for (int key : held)
        sendToMain(MessageType::KeyUp, key);
    deliver(run.pads.ReleaseAll());
}

void changeFocus(bool focused) {
    RunState& run = CurrentRun();
    if (run.focused == focused)
        return;
    run.focused = focused;
    if (!focused)
        releaseHeldKeys();
    if (Dialog* main = windows::Main())
        main->OnActivate(focused);
}

void changeMinimised(bool minimised) {
    RunState& run = CurrentRun();
    if (run.minimised == minimised)
        return;
    run.minimised = minimised;
    if (minimised)
        releaseHeldKeys();
    if (Dialog* main = windows::Main())
        main->OnMinimise(minimised);
}

void routeKey(const Event& event) {
    const bool down = event.kind == Event::Kind::KeyDown;
    if (event.key == VK_F12) {
        if (down)
            screenshots::Request(screenshots::TimestampedName(std::time(nullptr)));
        return;
    }
    if (event.key == VK_F11) {
        if (down)
            mainwindow::ToggleWindowMode();
        return;
    }
    if (event.key == VK_MENU)
        return;
    if (down && sysmenu::IsOpen())
        return chooseFromMenu(event.key);
    if (down && event.alt)
        return systemKey(event.key);
    Dialog* active = windows::Active();
    if (!active)
        return;
    if (active == windows::Main())
        noteMainKey(event.key, down);
    active->PreTranslateMessage({down ? MessageType::KeyDown : MessageType::KeyUp, event.key, {}});
}

void routeText(const std::string& text) {
    Dialog* active = windows::Active();
    if (sysmenu::IsOpen() || !active || active == windows::Main())
        return;
    active->PreTranslateMessage({MessageType::Text, 0, text});
}

} // namespace

void Dispatch(const Event& event) {
    switch (event.kind) {
    case Event::Kind::KeyDown:
    case Event::Kind::KeyUp:
        return routeKey(event);
    case Event::Kind::Text:
        return routeText(event.text);
    case Event::Kind::Resize:
        return mainwindow::Resize(event.width, event.height);
    case Event::Kind::WindowSized:
        return mainwindow::NoteClientSize();
    case Event::Kind::Screenshot:
        return screenshots::Request(event.text);
    case Event::Kind::Quit:
        return RequestClose();
    case Event::Kind::PadDown:
    case Event::Kind::PadUp:
    case Event::Kind::PadAxis:
    case Event::Kind::PadAttached:
    case Event::Kind::PadDetached:
        return routePad(event);
    case Event::Kind::FocusGained:
    case Event::Kind::FocusLost:
        return changeFocus(event.kind == Event::Kind::FocusGained);
    case Event::Kind::Minimised:
    case Event::Kind::Restored:
        return changeMinimised(event.kind == Event::Kind::Minimised);
    case Event::Kind::WindowMode:
        return mainwindow::SetWindowMode(!event.fullscreen, event.width, event.height);
    }
}

} // namespace platform
