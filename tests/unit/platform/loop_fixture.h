// A headless run for loop tests: the virtual clock, a script as the only event source, and
// a main window with the game's 25 ms timer whose dialogs log what reaches them. No real
// window is made unless a test starts the video subsystem itself.
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

// The lines that contain one of the words (all lines by default), joined by ", ".
inline std::string Lines(const Log& log, std::initializer_list<const char*> words = {""}) {
    std::string joined;
    for (const std::string& line : log)
        for (const char* word : words)
            if (line.find(word) != std::string::npos) {
                joined += (joined.empty() ? "" : ", ") + line;
                break;
            }
    return joined;
}

// A dialog that logs its handlers as "NAME:what".
class LoggingDialog : public Dialog {
public:
    LoggingDialog(std::string name, Log& log, const DialogTemplate* dialogTemplate = nullptr)
        : Dialog(dialogTemplate), name_(std::move(name)), log_(log) {}

    std::function<void()> onInit;          // called from OnInitDialog
    std::function<void(long call)> onTick; // called from OnTimer with the main timer's call
    bool logsTimer = true;

    bool OnInitDialog() override {
        if (onInit)
            onInit();
        return true;
    }
    bool PreTranslateMessage(const Message& message) override {
        const char* kinds[] = {"down ", "up ", "text "};
        note(kinds[int(message.type)] +
             (message.type == MessageType::Text ? message.text : std::to_string(message.key)));
        return Dialog::PreTranslateMessage(message);
    }
    bool PreTranslatePad(PadButton button) override {
        note("pad " + std::to_string(static_cast<int>(button)));
        return Dialog::PreTranslatePad(button);
    }
    // "NAME:timer ID #CALL @MS", CALL the main timer's call number.
    void OnTimer(unsigned id) override {
        const long call = CurrentRun().mainCalls;
        if (logsTimer)
            note("timer " + std::to_string(id) + " #" + std::to_string(call) + " @" +
                 std::to_string(ProgramClock().Now()));
        if (onTick)
            onTick(call);
    }
    void OnCancel() override {
        note("cancel");
        Dialog::OnCancel();
    }
    void OnDestroy() override { note("destroy"); }
    void OnSysCommand(unsigned id) override { note("syscommand " + std::to_string(id)); }
    void OnActivate(bool active) override { note(active ? "activate" : "deactivate"); }
    void OnMinimise(bool minimised) override { note(minimised ? "minimise" : "restore"); }

private:
    void note(const std::string& what) { log_.push_back(name_ + ":" + what); }

    std::string name_;
    Log& log_;
};

// The name-entry shape: one edit field, id 1001; name is set by data exchange.
class EntryDialog : public LoggingDialog {
public:
    explicit EntryDialog(Log& log) : LoggingDialog("entry", log, &entry) {}
    void DoDataExchange() override { name = GetDlgItemText(1001); }
    std::string name;

private:
    static inline const DialogTemplate entry{
        "Enter Your Name", 186, 26, true, {{DialogControl::Kind::Edit, 1001, "", 9, 6, 169, 12}}};
};

constexpr unsigned GAME_TIMER = 17682;

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRun();
        CurrentRun().headless = true;
        ProgramClock().Reset(true);
        main.onInit = [this] { main.SetTimer(GAME_TIMER, 25); };
    }
    void TearDown() override { ResetRun(); }

    // Runs the main window for `calls` calls of its timer, or until it is closed.
    int run(const std::string& script, std::optional<long> calls = {}) {
        std::string error;
        EXPECT_TRUE(ParseScript(script, "test.txt", script_, error)) << error;
        source_ = std::make_unique<ScriptEventSource>(script_);
        CurrentRun().sources = {source_.get()};
        CurrentRun().callLimit = calls;
        return main.DoModal();
    }

    // At main-timer call `call`, opens the name-entry dialog and logs how it ended as
    // "main:entry RESULT 'NAME'".
    void openEntryAt(long call) {
        main.onTick = [this, call](long now) {
            if (now != call)
                return;
            EntryDialog entry(log);
            const int result = entry.DoModal();
            log.push_back("main:entry " + std::to_string(result) + " '" + entry.name + "'");
        };
    }

    Log log;
    LoggingDialog main{"main", log};

private:
    Script script_;
    std::unique_ptr<ScriptEventSource> source_;
};

} // namespace platform::testing
