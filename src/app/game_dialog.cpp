// The main window's handlers: start-up in its fixed order, the keyboard filter, the timer
// tick with its trace line, size changes and the orderly end of the OpenGL context.
#include "app/game_dialog.h"

#include "app/about_dialog.h"
#include "app/game_trace.h"
#include "platform/application.h"
#include "platform/gl_context.h"
#include "platform/system.h"
#include "resources/about_texts.h"
#include "resources/app_icon.h"

#include <GL/gl.h>

namespace {

// The low four bits of a system command carry the system's own flags.
constexpr unsigned SYSTEM_COMMAND_MASK = ~0xFu;

void reportGlSetup(platform::GlSetup setup) {
    if (setup == platform::GlSetup::NoPixelFormat)
        platform::MessageBox("ChoosePixelFormat failed", APP_NAME);
    else if (setup == platform::GlSetup::PixelFormatRefused)
        platform::MessageBox("SetPixelFormat failed", APP_NAME);
}

} // namespace

GameDialog::GameDialog() : trace(std::make_unique<GameTrace>(platform::Options().tracePath)) {}

GameDialog::~GameDialog() = default;

// Start-up continues whatever the context's fate: without one nothing is drawn, but the
// timer, the keys and the music still run.
bool GameDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    AppendSystemMenuItem(ABOUT_MENU_TEXT, ABOUT_COMMAND_ID);
    SetIcon(appIconPixels(), APP_ICON_SIZE, APP_ICON_SIZE);
    MoveWindow(GetDesktopRect());
    reportGlSetup(platform::CreateGlContext(*this));
    game.init(*this);
    timerId = SetTimer(GAME_TIMER_ID, GAME_TIMER_PERIOD_MS);
    return true;
}

bool GameDialog::PreTranslateMessage(const platform::Message& message) {
    if (message.type == platform::MessageType::KeyDown)
        game.keyDown(message.key);
    else if (message.type == platform::MessageType::KeyUp)
        game.keyUp(message.key);
    return platform::Dialog::PreTranslateMessage(message);
}

// The tick's number is taken on entry and its line written on return, so a tick run nested
// inside this one (by the name dialog's loop) has a higher number and an earlier line.
void GameDialog::OnTimer(unsigned /*id*/) {
    long tick = ++timerCalls;
    game.tick();
    trace->write(tick, game.world, game.paused());
}

// The first size arrives while the window is moved over the desktop, before the context
// exists; its GL calls then do nothing, but the viewport size is recorded for init.
void GameDialog::OnSize(int /*type*/, int cx, int cy) {
    glViewport(0, 0, cx, cy);
    platform::Rect client = GetClientRect();
    game.resize(client.width(), client.height());
}

void GameDialog::OnDestroy() {
    platform::Dialog::OnDestroy();
    KillTimer(timerId);
    platform::ReleaseGlContext();
}

void GameDialog::OnSysCommand(unsigned id) {
    if ((id & SYSTEM_COMMAND_MASK) == ABOUT_COMMAND_ID) {
        AboutDialog about(this);
        about.DoModal();
    }
}
