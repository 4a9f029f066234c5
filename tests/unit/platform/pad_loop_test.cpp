// Pads, focus and the window mode through the message loop, as a scripted run delivers
// them: pad input walking the main window, keys released when the focus goes, a pad
// entering a name in the name dialog, and F11, Alt+Return and `window` switching modes.
#include "loop_fixture.h"

#include "platform/options.h"

#include <gtest/gtest.h>

namespace platform::testing {
namespace {

constexpr unsigned GAME_TIMER = 17682;

// The log without the timer lines.
Log withoutTimers(const Log& log) {
    Log kept;
    for (const std::string& line : log)
        if (line.find(":timer ") == std::string::npos)
            kept.push_back(line);
    return kept;
}

class PadLoop : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        main.onInit = [this] { main.SetTimer(GAME_TIMER, 25); };
    }

    void run(const std::string& script, long calls) {
        useScript(script);
        CurrentRun().callLimit = calls;
        main.DoModal();
    }

    // At main-timer call `call`, opens the name-entry dialog and logs how it ended.
    void openEntryAt(long call) {
        main.onTick = [this, call](long now) {
            if (now != call)
                return;
            EntryDialog entry(log);
            const int result = entry.DoModal();
            log.push_back("main:entry " + std::to_string(result) + " '" + entry.name + "'");
        };
    }

    LoggingDialog main{"main", log};
};

TEST_F(PadLoop, PadInputReachesTheMainWindowAsItsKeys) {
    run("1 pad attach\n1 pad down Up\n2 pad press A 1\n2 pad axis LeftX 20000\n"
        "3 pad up Up\n3 pad axis LeftX 0\n3 pad detach 1\n",
        3);
    const Log expected{"main:down 38", "main:down 17", "main:up 17",  "main:down 39",
                       "main:up 38",   "main:up 39",   "main:cancel", "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected);
}

TEST_F(PadLoop, LosingTheFocusReleasesEveryHeldKeyBeforeSayingSo) {
    run("1 down Up\n1 down Shift\n1 up Shift\n1 pad down A 1\n"
        "2 focus out\n2 focus out\n2 pad up A 1\n3 focus in\n3 focus in\n",
        3);
    const Log expected{"main:down 38", "main:down 16", "main:up 16",      "main:down 17",
                       "main:up 38",   "main:up 17",   "main:deactivate", "main:activate",
                       "main:cancel",  "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected)
        << "Shift was released already; the pad's A gives no second key-up";
}

TEST_F(PadLoop, MinimisingReleasesHeldKeysAndRestoreComesOnce) {
    run("1 down Left\n2 minimise\n3 restore\n3 restore\n", 3);
    const Log expected{"main:down 37", "main:up 37",  "main:minimise",
                       "main:restore", "main:cancel", "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected);
}

TEST_F(PadLoop, APadAloneEntersANameAndTheGameSeesNoneOfIt) {
    openEntryAt(2);
    run("3 pad press Up\n3 pad press Right\n3 pad axis LeftY -30000\n3 pad axis LeftY 0\n"
        "4 pad press Up\n4 pad press B\n4 pad press Right\n4 type x\n5 pad press Start\n",
        6);
    const Log expected{
        "entry:pad 6",   "entry:pad 9",        "entry:pad 6",  "entry:pad 6",
        "entry:pad 1",   "entry:pad 9",        "entry:text x", "entry:pad 5",
        "entry:destroy", "main:entry 1 'AAx'", "main:cancel",  "main:destroy",
    };
    EXPECT_EQ(withoutTimers(log), expected) << "A, AA, AB, AC, A, AA, typed x, accepted";
}

TEST_F(PadLoop, BackCancelsTheNameAndAStickHeldIntoTheDialogLeavesNoKeyBehind) {
    openEntryAt(2);
    run("1 pad axis LeftX -30000\n3 pad press Up\n3 pad axis LeftX 0\n4 pad press Back\n", 5);
    const Log expected{"main:down 37",    "entry:pad 6",  "main:up 37",
                       "entry:pad 4",     "entry:cancel", "entry:destroy",
                       "main:entry 2 ''", "main:cancel",  "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected)
        << "the key the main window got goes up there, even while the dialog is open";
}

TEST_F(PadLoop, ADialogWithoutAFieldTakesAAsReturnAndBAsEscape) {
    static const DialogTemplate about{"About", 100, 50, true, {}};
    main.onTick = [this](long now) {
        if (now != 1 && now != 3)
            return;
        LoggingDialog box("about", log, &about);
        log.push_back("main:about " + std::to_string(box.DoModal()));
    };
    run("2 pad press X\n2 pad press A\n4 pad press B\n", 5);
    const Log expected{"about:pad 2", "about:pad 0",  "about:destroy", "main:about 1",
                       "about:pad 1", "about:cancel", "about:destroy", "main:about 2",
                       "main:cancel", "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected);
}

TEST_F(PadLoop, F11AltReturnAndWindowSwitchTheModeAndTheGameSeesOnlyTheSize) {
    // The display is the 1280x720 surface, or the display of a video driver an earlier test
    // started.
    SetOptions(RunOptions{});
    const Rect display = Dialog::GetDesktopRect();
    const std::string full =
        "main:size 0 " + std::to_string(display.width()) + "x" + std::to_string(display.height());
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.MoveWindow(main.GetDesktopRect());
    };
    run("1 window 800x600\n2 press F11\n3 press F11\n4 down Alt\n4 press Return\n4 up Alt\n"
        "5 window full\n5 window 640x480\n",
        5);
    const Log expected{full,          "main:size 0 800x600", full, "main:size 0 800x600",
                       full,          "main:up 13",          full, "main:size 0 640x480",
                       "main:cancel", "main:destroy"};
    EXPECT_EQ(withoutTimers(log), expected)
        << "F11 back to the last size; Alt+Return too; only Return's release reaches the game";
}

} // namespace
} // namespace platform::testing
