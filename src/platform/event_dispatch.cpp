// Routing of events to windows; see event_dispatch.h.
#include "platform/event_dispatch.h"

#include "platform/dialog.h"
#include "platform/main_window.h"
#include "platform/run_state.h"
#include "platform/screenshot.h"
#include "platform/system_menu.h"
#include "platform/window_registry.h"

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
}

void routeKey(const Event& event) {
    const bool down = event.kind == Event::Kind::KeyDown;
    if (event.key == VK_F12) {
        if (down)
            screenshots::Request(screenshots::TimestampedName(std::time(nullptr)));
        return;
    }
    if (event.key == VK_MENU)
        return;
    if (down && sysmenu::IsOpen())
        return chooseFromMenu(event.key);
    if (down && event.alt)
        return systemKey(event.key);
    if (Dialog* active = windows::Active())
        active->PreTranslateMessage(
            {down ? MessageType::KeyDown : MessageType::KeyUp, event.key, {}});
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
        return mainwindow::NoteClientSize(event.width, event.height);
    case Event::Kind::Screenshot:
        return screenshots::Request(event.text);
    case Event::Kind::Quit:
        return RequestClose();
    }
}

} // namespace platform
