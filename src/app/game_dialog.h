// The main window: a borderless window over the whole desktop that owns the OpenGL
// context, the 25 ms game timer and the one Game. Keys go to the keyboard filter,
// the timer to the game tick, size changes to the viewport. Enter does nothing; Escape or a
// close request ends the dialog and with it the program.
#pragma once

#include "app/game.h"
#include "platform/dialog.h"

#include <memory>

class GameTrace;

constexpr unsigned GAME_TIMER_ID = 17682;
constexpr unsigned GAME_TIMER_PERIOD_MS = 25;
constexpr unsigned ABOUT_COMMAND_ID = 16;

class GameDialog : public platform::Dialog {
public:
    GameDialog();
    ~GameDialog() override;

    bool OnInitDialog() override;
    bool PreTranslateMessage(const platform::Message& message) override;
    void OnTimer(unsigned id) override;
    void OnSize(int type, int cx, int cy) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnSysCommand(unsigned id) override;
    void OnActivate(bool active) override { game.setFocused(active); }
    void OnMinimise(bool minimised) override { game.setMinimised(minimised); }

    Game game;
    unsigned timerId = 0;
    long timerCalls = 0; // OnTimer calls so far, nested ones included: the trace's tick
    std::unique_ptr<GameTrace> trace;
};
