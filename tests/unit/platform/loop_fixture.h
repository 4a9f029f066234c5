// A headless run for loop tests: the virtual clock, a script as the only event source and
// test dialogs that log what reaches them. No real window is made unless a test starts
// the video subsystem itself.
#pragma once

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/run_state.h"
#include "platform/script.h"
#include "platform/script_source.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

// What reached the test dialogs, in order, as short lines such as "main:down 38".
using Log = std::vector<std::string>;

// The lines that contain one of the words (all lines when none is given), joined by ", ".
std::string Lines(const Log& log, std::initializer_list<const char*> words = {});

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRun();
        CurrentRun().headless = true;
        ProgramClock().Reset(true);
    }
    void TearDown() override { ResetRun(); }

    void useScript(const std::string& text) {
        std::string error;
        ASSERT_TRUE(ParseScript(text, "test.txt", script_, error)) << error;
        source_ = std::make_unique<ScriptEventSource>(script_);
        CurrentRun().sources = {source_.get()};
    }

    Log log;

private:
    Script script_;
    std::unique_ptr<ScriptEventSource> source_;
};

// A dialog that logs its handlers as "NAME:what".
class LoggingDialog : public Dialog {
public:
    LoggingDialog(std::string name, Log& log, const DialogTemplate* dialogTemplate = nullptr)
        : Dialog(dialogTemplate), name_(std::move(name)), log_(log) {}

    bool PreTranslateMessage(const Message& message) override;
    void OnTimer(unsigned id) override; // "NAME:timer ID #CALL @MS", CALL the main timer's
    void OnSize(int type, int cx, int cy) override;
    void OnDestroy() override { note("destroy"); }
    void OnCancel() override;
    void OnSysCommand(unsigned id) override { note("syscommand " + std::to_string(id)); }
    bool PreTranslatePad(PadButton button) override;
    void OnActivate(bool active) override { note(active ? "activate" : "deactivate"); }
    void OnMinimise(bool minimised) override { note(minimised ? "minimise" : "restore"); }

    // Called from OnTimer with the main timer's call number.
    std::function<void(long call)> onTick;
    // Called from OnInitDialog.
    std::function<void()> onInit;
    bool OnInitDialog() override;

protected:
    void note(const std::string& what) { log_.push_back(name_ + ":" + what); }

private:
    std::string name_;
    Log& log_;
};

// The name-entry shape: one edit field, id 1001; name is set by data exchange.
class EntryDialog : public LoggingDialog {
public:
    EntryDialog(Log& log) : LoggingDialog("entry", log, &entryTemplate()) {}
    void DoDataExchange() override { name = GetDlgItemText(1001); }
    static const DialogTemplate& entryTemplate();
    std::string name;
};

constexpr unsigned GAME_TIMER = 17682;

// A main window that sets the game's 25 ms timer when it opens.
class MainLoopTest : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        main.onInit = [this] { main.SetTimer(GAME_TIMER, 25); };
    }

    // Runs the main window for `calls` calls of its timer, or until it is closed.
    int run(const std::string& script, std::optional<long> calls = {}) {
        useScript(script);
        CurrentRun().callLimit = calls;
        return main.DoModal();
    }

    // At main-timer call `call`, opens the name-entry dialog and logs how it ended as
    // "main:entry RESULT 'NAME'".
    void openEntryAt(long call);

    LoggingDialog main{"main", log};
};

} // namespace platform::testing
