// The message loop with small dialogs on the virtual clock: timer calls and the script's
// call numbers, nested modal dialogs, key routing, the system menu and the orderly close.
#include "loop_fixture.h"

#include "platform/event_dispatch.h"
#include "platform/main_window.h"
#include "platform/screenshot.h"
#include "platform/signals.h"
#include "platform/system.h"
#include "platform/system_menu.h"

#include <csignal>
#include <regex>

namespace platform::testing {
namespace {

constexpr unsigned GAME_TIMER = 17682;

// The log without the lines of other dialogs' and other timers' noise: only lines that
// contain one of the words.
Log only(const Log& log, std::initializer_list<const char*> words) {
    Log kept;
    for (const std::string& line : log)
        for (const char* word : words)
            if (line.find(word) != std::string::npos) {
                kept.push_back(line);
                break;
            }
    return kept;
}

class MainLoop : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        main.onInit = [this] { main.SetTimer(GAME_TIMER, 25); };
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

TEST_F(MainLoop, TimerCallsJumpTheVirtualClockAndTheRunEndsAfterTheLastCall) {
    CurrentRun().callLimit = 3;
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    const Log expected{"main:timer 17682 call 1 at 25", "main:timer 17682 call 2 at 50",
                       "main:timer 17682 call 3 at 75", "main:cancel", "main:destroy"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(main.isOpen());
}

TEST_F(MainLoop, ScriptEventsArriveJustBeforeTheirCall) {
    useScript("2 down Up\n2 up Up\n4 press F2\n");
    CurrentRun().callLimit = 4;
    main.DoModal();
    const Log expected{"main:timer 17682 call 1 at 25",
                       "main:down 38",
                       "main:up 38",
                       "main:timer 17682 call 2 at 50",
                       "main:timer 17682 call 3 at 75",
                       "main:down 113",
                       "main:up 113",
                       "main:timer 17682 call 4 at 100",
                       "main:cancel",
                       "main:destroy"};
    EXPECT_EQ(log, expected);
}

TEST_F(MainLoop, ANestedDialogKeepsTheMainTimerRunningAndTakesTheKeys) {
    openEntryAt(2);
    useScript("3 type Bob\n4 press Up\n5 press Return\n");
    CurrentRun().callLimit = 6;
    main.DoModal();
    const Log expected{
        "main:timer 17682 call 1 at 25",
        "main:timer 17682 call 2 at 50",
        "entry:text Bob",
        "main:timer 17682 call 3 at 75", // nested: the entry dialog is still open
        "entry:down 38",
        "entry:up 38", // the game's key filter never sees keys meant for the dialog
        "main:timer 17682 call 4 at 100",
        "entry:down 13",
        "entry:destroy",
        "main:entry 1 'Bob'",
        "main:up 13", // the release comes after the dialog is gone, as a person's would
        "main:timer 17682 call 5 at 125",
        "main:timer 17682 call 6 at 150",
        "main:cancel",
        "main:destroy",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(MainLoop, EscapeCancelsTheDialogWithoutTakingItsText) {
    openEntryAt(1);
    useScript("2 type Bob\n3 press Escape\n");
    CurrentRun().callLimit = 3;
    main.DoModal();
    EXPECT_EQ(only(log, {"entry 2"}), Log{"main:entry 2 ''"});
}

TEST_F(MainLoop, BackspaceRemovesTheLastCharacter) {
    openEntryAt(1);
    useScript("2 press Backspace\n2 type Zoë!\n3 press Backspace\n3 press Return\n");
    CurrentRun().callLimit = 3;
    main.DoModal();
    EXPECT_EQ(only(log, {"entry 1"}), Log{"main:entry 1 'Zo\xEB'"});
}

TEST_F(MainLoop, ACloseRequestCancelsTheInnermostDialogFirst) {
    openEntryAt(2);
    useScript("3 type Ann\n4 quit\n5 press Space\n");
    main.DoModal();
    const Log expected{"entry:cancel", "entry:destroy", "main:entry 2 ''", "main:cancel",
                       "main:destroy"};
    EXPECT_EQ(only(log, {"cancel", "destroy", "entry 2"}), expected);
    EXPECT_EQ(CurrentRun().mainCalls, 3) << "nothing after the close request";
}

TEST_F(MainLoop, TheEndOfARunInsideANestedDialogCancelsIt) {
    openEntryAt(2);
    CurrentRun().callLimit = 4;
    main.DoModal();
    const Log expected{"main:timer 17682 call 3 at 75",
                       "main:timer 17682 call 4 at 100",
                       "entry:cancel",
                       "entry:destroy",
                       "main:entry 2 ''",
                       "main:cancel"};
    EXPECT_EQ(only(log, {"call 3", "call 4", "cancel", "entry:destroy", "entry 2"}), expected);
}

TEST_F(MainLoop, TypingOutsideADialogDoesNothing) {
    useScript("1 type abc\n1 press Up\n");
    CurrentRun().callLimit = 1;
    main.DoModal();
    EXPECT_EQ(only(log, {"text", "38"}), (Log{"main:down 38", "main:up 38"}));
}

TEST_F(MainLoop, ALongHandlerGivesOneLateCallAndTheScheduleResynchronises) {
    main.onTick = [](long call) {
        if (call == 2)
            Sleep(1000);
    };
    CurrentRun().callLimit = 4;
    main.DoModal();
    const Log expected{"main:timer 17682 call 1 at 25", "main:timer 17682 call 2 at 50",
                       "main:timer 17682 call 3 at 1050", "main:timer 17682 call 4 at 1075"};
    EXPECT_EQ(only(log, {"timer"}), expected);
}

TEST_F(MainLoop, AHiddenOwnedDialogKeepsItsTimerButGetsNoKeysAndGoesFirst) {
    const DialogTemplate hidden{"music", 0, 0, false, {}};
    LoggingDialog music("music", log, &hidden);
    main.onInit = [&] {
        main.SetTimer(GAME_TIMER, 25);
        music.Create(&main);
        music.SetTimer(1, 1000);
    };
    openEntryAt(30);
    useScript("41 press Escape\n");
    CurrentRun().callLimit = 81;
    main.DoModal();
    const Log expected{"main:timer 17682 call 40 at 1000",
                       "music:timer 1 call 40 at 1000",
                       "entry:down 27",
                       "entry:cancel",
                       "entry:destroy",
                       "main:up 27",
                       "main:timer 17682 call 80 at 2000",
                       "music:timer 1 call 80 at 2000",
                       "main:cancel",
                       "music:destroy",
                       "main:destroy"};
    EXPECT_EQ(only(log, {"call 40 ", "call 80 ", "destroy", "down", "up ", "cancel"}), expected)
        << "the hidden dialog never takes a key, though it is newer than the main window";
    EXPECT_FALSE(music.isOpen());
}

TEST_F(MainLoop, TheSystemMenuTakesKeysAndReportsTheChosenItem) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.AppendSystemMenuItem("&Restore", 3);
        main.AppendSystemMenuItem("", 0);
        main.AppendSystemMenuItem("&About Munchora...", 16);
    };
    useScript("1 down Alt\n1 press Space\n1 up Alt\n1 press Up\n1 press Return\n"
              "2 down Alt\n2 press Space\n2 up Alt\n2 press Down\n2 press Down\n"
              "2 press Down\n2 press Return\n"
              "3 down Alt\n3 press Space\n3 up Alt\n3 press Escape\n3 press Left\n");
    CurrentRun().callLimit = 3;
    main.DoModal();
    const Log expected{"main:up 32",         "main:up 38", "main:syscommand 16", "main:up 13",
                       "main:up 32",         "main:up 40", "main:up 40",         "main:up 40",
                       "main:syscommand 16", "main:up 13", "main:up 32",         "main:up 27",
                       "main:down 37",       "main:up 37"};
    EXPECT_EQ(only(log, {"down", "up ", "syscommand"}), expected)
        << "Up from the first item wraps to the last; Down goes over Close and Restore and "
           "skips the separator; key releases still reach the window";
    EXPECT_EQ(CurrentRun().mainCalls, 3);
}

// Alt+Space, then one key, dispatched as a player's keys arrive.
void menuKey(int key) {
    Dispatch({Event::Kind::KeyDown, VK_SPACE, true, {}, 0, 0});
    Dispatch({Event::Kind::KeyDown, key, false, {}, 0, 0});
}

TEST_F(MainLoop, TheWindowItemsComeFirstAndCloseTakesTheAltF4Path) {
    openEntryAt(3);
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.AppendSystemMenuItem("&About Munchora...", 16);
        EXPECT_EQ(sysmenu::View().items, (std::vector<std::string>{"Mi&nimize", "&Close\tAlt+F4",
                                                                   "", "&About Munchora..."}))
            << "a separator sets the game's items apart";
    };
    main.onTick = [entry = main.onTick](long call) {
        if (call == 1)
            menuKey('N'); // Minimize by its letter: headless, nothing to iconify
        if (call == 2)
            menuKey(VK_RETURN); // the first item is Minimize
        entry(call);            // 3: the name entry, during which the menu closes the game
    };
    useScript("4 down Alt\n4 press Space\n4 up Alt\n4 press Down\n4 press Return\n");
    CurrentRun().callLimit = 10;
    main.DoModal();
    const Log expected{"main:syscommand 61472", "main:syscommand 61472", "main:syscommand 61536",
                       "entry:cancel",          "entry:destroy",         "main:entry 2 ''",
                       "main:cancel",           "main:destroy"};
    EXPECT_EQ(only(log, {"syscommand", "cancel", "destroy", "entry 2"}), expected)
        << "Close cancels the innermost dialog first, as Alt+F4 does";
    EXPECT_EQ(CurrentRun().mainCalls, 3)
        << "Minimize left the game running; the close came before call 4";
    EXPECT_FALSE(platform::mainwindow::Minimize()) << "no real window to iconify";
}

TEST_F(MainLoop, AnUnderlinedLetterChoosesItsItemOrCyclesThroughItemsSharingIt) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.AppendSystemMenuItem("", 0);
        main.AppendSystemMenuItem("&About Munchora...", 16);
        main.AppendSystemMenuItem("&Again", 17);
        main.AppendSystemMenuItem("&Once", 18);
    };
    main.onTick = [](long call) {
        if (call == 1) {
            menuKey('A'); // two items: the first is selected, nothing chosen
            Dispatch({Event::Kind::KeyDown, 'A', false, {}, 0, 0}); // then the second
            Dispatch({Event::Kind::KeyDown, 'A', false, {}, 0, 0}); // and round again
            Dispatch({Event::Kind::KeyDown, VK_RETURN, false, {}, 0, 0});
        }
        if (call == 2)
            menuKey('o'); // a lower-case code matches nothing: virtual keys are upper case
        if (call == 3)
            Dispatch({Event::Kind::KeyDown, 'O', false, {}, 0, 0});
    };
    CurrentRun().callLimit = 3;
    main.DoModal();
    EXPECT_EQ(only(log, {"syscommand"}), (Log{"main:syscommand 16", "main:syscommand 18"}));
}

TEST_F(MainLoop, AltF4ClosesAndF12TakesAScreenshotWithoutTheGameSeeingIt) {
    main.onTick = [](long call) {
        if (call == 1) {
            Dispatch({Event::Kind::KeyDown, VK_F12, false, {}, 0, 0});
            Dispatch({Event::Kind::KeyUp, VK_F12, false, {}, 0, 0});
        }
        if (call == 2)
            Dispatch({Event::Kind::KeyDown, VK_F4, true, {}, 0, 0});
    };
    main.DoModal();
    EXPECT_TRUE(only(log, {"down", "up "}).empty());
    EXPECT_EQ(CurrentRun().mainCalls, 2);
    const auto shots = screenshots::TakeRequests();
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_TRUE(std::regex_match(shots[0], std::regex(R"(screenshot-\d{8}-\d{6}\.png)")))
        << shots[0];
}

TEST_F(MainLoop, SigtermIsACloseRequestThroughTheSameOrderlyPath) {
    openEntryAt(2);
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        InstallCloseSignals();
    };
    useScript("3 type Ann\n");
    main.onTick = [this, entry = main.onTick](long call) {
        if (call == 4)
            std::raise(SIGTERM);
        entry(call);
    };
    main.DoModal();
    const Log expected{"entry:cancel", "entry:destroy", "main:entry 2 ''", "main:cancel",
                       "main:destroy"};
    EXPECT_EQ(only(log, {"cancel", "destroy", "entry 2"}), expected);
    EXPECT_EQ(CurrentRun().mainCalls, 4);
}

TEST_F(MainLoop, AResizeReachesTheMainWindow) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.MoveWindow({0, 0, 640, 480});
    };
    useScript("2 resize 320 200\n");
    CurrentRun().callLimit = 2;
    main.DoModal();
    EXPECT_EQ(only(log, {"size"}), (Log{"main:size 0 640x480", "main:size 0 320x200"}));
}

TEST_F(MainLoop, ADialogOpenedAfterTheCloseRequestIsCancelledAtOnce) {
    main.onInit = [this] {
        RequestClose();
        EntryDialog entry(log);
        log.push_back("main:entry " + std::to_string(entry.DoModal()));
    };
    main.DoModal();
    const Log expected{"entry:cancel", "entry:destroy", "main:entry 2", "main:cancel",
                       "main:destroy"};
    EXPECT_EQ(log, expected);
}

TEST_F(MainLoop, HeadlessMessageBoxesAreOneLineOnStandardError) {
    ::testing::internal::CaptureStderr();
    MessageBox("ChoosePixelFormat failed", "Munchora");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Munchora: ChoosePixelFormat failed\n");
}

} // namespace
} // namespace platform::testing
