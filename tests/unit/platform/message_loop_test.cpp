// The message loop with small dialogs on the virtual clock: timer calls and the script's
// call numbers, nested modal dialogs, key routing, the system menu and the orderly close.
#include "loop_fixture.h"

#include "platform/event_dispatch.h"
#include "platform/screenshot.h"
#include "platform/signals.h"
#include "platform/system.h"

#include <csignal>
#include <regex>

namespace platform::testing {
namespace {

using MainLoop = LoopTest;

// Script events arrive just before their call; text without a dialog is dropped.
TEST_F(MainLoop, TimerCallsJumpTheClockALongHandlerGivesOneLateCallAndEventsComeBeforeTheirCall) {
    main.onTick = [](long call) {
        if (call == 2)
            Sleep(1000);
    };
    EXPECT_EQ(run("1 type abc\n2 down Up\n2 up Up\n4 press F2\n", 4), IDCANCEL);
    EXPECT_EQ(Lines(log), "main:timer 17682 #1 @25, main:down 38, main:up 38, "
                          "main:timer 17682 #2 @50, main:timer 17682 #3 @1050, main:down 113, "
                          "main:up 113, main:timer 17682 #4 @1075, main:cancel, main:destroy");
    EXPECT_FALSE(main.isOpen());
}

TEST_F(MainLoop, ANestedDialogKeepsTheMainTimerRunningAndTakesTheKeys) {
    openEntryAt(2);
    run("3 type Bob\n4 press Up\n5 press Return\n", 6);
    // The game's key filter never sees keys meant for the dialog; Return's release comes
    // after the dialog is gone, as a person's would.
    EXPECT_EQ(Lines(log), "main:timer 17682 #1 @25, main:timer 17682 #2 @50, entry:text Bob, "
                          "main:timer 17682 #3 @75, entry:down 38, entry:up 38, "
                          "main:timer 17682 #4 @100, entry:down 13, entry:destroy, "
                          "main:entry 1 'Bob', main:up 13, main:timer 17682 #5 @125, "
                          "main:timer 17682 #6 @150, main:cancel, main:destroy");
}

// How the name entry opened at call 2 ends: by its own keys, or by a close of the game in
// any of its forms, which cancels the innermost dialog first and then the main window.
struct EntryEnd {
    const char* script;
    std::optional<long> calls;
    long sigtermAt; // 0: none
    const char* ends;
    long lastCall;
};

class EntryEnds : public LoopTest, public ::testing::WithParamInterface<EntryEnd> {};

TEST_P(EntryEnds, InTheRightOrderAfterTheRightCall) {
    const EntryEnd& c = GetParam();
    openEntryAt(2);
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        InstallCloseSignals();
    };
    main.onTick = [&c, entry = main.onTick](long call) {
        if (call == c.sigtermAt)
            std::raise(SIGTERM);
        entry(call);
    };
    run(c.script, c.calls);
    EXPECT_EQ(Lines(log, {"cancel", "destroy", "entry "}), c.ends) << c.script;
    EXPECT_EQ(CurrentRun().mainCalls, c.lastCall) << c.script;
}

constexpr const char* CANCELLED =
    "entry:cancel, entry:destroy, main:entry 2 '', main:cancel, main:destroy";
INSTANTIATE_TEST_SUITE_P(
    MainLoop, EntryEnds,
    ::testing::Values(
        EntryEnd{"3 type Bob\n4 press Escape\n", 5, 0, CANCELLED, 5}, // the text is not taken
        EntryEnd{"3 press Backspace\n3 type Zoë!\n4 press Backspace\n4 press Return\n", 5, 0,
                 "entry:destroy, main:entry 1 'Zo\xEB', main:cancel, main:destroy", 5},
        EntryEnd{"3 type Ann\n4 quit\n5 press Space\n", {}, 0, CANCELLED, 3},
        EntryEnd{"", 4, 0, CANCELLED, 4}, // the end of a run
        EntryEnd{"3 type Ann\n", {}, 4, CANCELLED, 4},
        EntryEnd{"", {}, 2, CANCELLED, 2}, // a close requested before the entry opens
        // Close on the window menu takes the Alt+F4 path.
        EntryEnd{"3 down Alt\n3 press Space\n3 up Alt\n3 press Down\n3 press Return\n", 9, 0,
                 CANCELLED, 2}));

TEST_F(MainLoop, AHiddenOwnedDialogKeepsItsTimerButGetsNoKeysAndGoesFirst) {
    const DialogTemplate hidden{"music", 0, 0, false, {}};
    LoggingDialog music("music", log, &hidden);
    main.onInit = [&] {
        main.SetTimer(GAME_TIMER, 25);
        music.Create(&main);
        music.SetTimer(1, 1000);
    };
    openEntryAt(30);
    run("41 press Escape\n", 81);
    EXPECT_EQ(Lines(log, {"#40 ", "#80 ", "destroy", "down", "up ", "cancel"}),
              "main:timer 17682 #40 @1000, music:timer 1 #40 @1000, entry:down 27, entry:cancel, "
              "entry:destroy, main:up 27, main:timer 17682 #80 @2000, "
              "music:timer 1 #80 @2000, main:cancel, music:destroy, main:destroy")
        << "the hidden dialog never takes a key, though it is newer than the main window";
    EXPECT_FALSE(music.isOpen());
}

// Alt+Space, then one key, dispatched as a player's keys arrive.
void menuKey(int key) {
    Dispatch({Event::Kind::KeyDown, VK_SPACE, true, {}, 0, 0});
    Dispatch({Event::Kind::KeyDown, key, false, {}, 0, 0});
}

TEST_F(MainLoop, TheSystemMenuTakesKeysAndReportsTheChosenItem) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.AppendSystemMenuItem("&Restore", 3);
        main.AppendSystemMenuItem("", 0);
        main.AppendSystemMenuItem("&About Munchora...", 16);
    };
    run("1 down Alt\n1 press Space\n1 up Alt\n1 press Up\n1 press Return\n"
        "2 down Alt\n2 press Space\n2 up Alt\n2 press Down\n2 press Down\n2 press Down\n"
        "2 press Return\n3 down Alt\n3 press Space\n3 up Alt\n3 press Escape\n3 press Left\n",
        3);
    EXPECT_EQ(Lines(log, {"down", "up ", "syscommand"}),
              "main:up 32, main:up 38, main:syscommand 16, main:up 13, main:up 32, main:up 40, "
              "main:up 40, main:up 40, main:syscommand 16, main:up 13, main:up 32, main:up 27, "
              "main:down 37, main:up 37")
        << "Up from the first item wraps to the last; Down goes over Close and Restore and "
           "skips the separator; key releases still reach the window";
    EXPECT_EQ(CurrentRun().mainCalls, 3);
}

TEST_F(MainLoop, ALetterChoosesItsItemOrCyclesThroughItemsSharingIt) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        main.AppendSystemMenuItem("&About Munchora...", 16);
        main.AppendSystemMenuItem("&Again", 17);
        main.AppendSystemMenuItem("&Once", 18);
    };
    main.onTick = [](long call) {
        if (call == 1) {
            menuKey('A'); // two items: the first is selected, nothing chosen
            for (const int key : {int('A'), int('A'), VK_RETURN}) // the second, round again, chosen
                Dispatch({Event::Kind::KeyDown, key, false, {}, 0, 0});
        }
        if (call == 2)
            menuKey('o'); // a lower-case code matches nothing: virtual keys are upper case
        if (call == 3)
            Dispatch({Event::Kind::KeyDown, 'O', false, {}, 0, 0});
        if (call == 4)
            menuKey('N'); // Minimize, the window's own first item
        if (call == 5)
            menuKey(VK_RETURN);
    };
    run("", 5);
    EXPECT_EQ(Lines(log, {"syscommand"}), "main:syscommand 16, main:syscommand 18, "
                                          "main:syscommand 61472, main:syscommand 61472");
    EXPECT_EQ(CurrentRun().mainCalls, 5) << "minimising headless leaves the game running";
}

// F12, F11 and Alt+Return are the window's own keys; only Return's release, which may
// belong to a key the game saw go down, reaches it.
TEST_F(MainLoop, AltF4ClosesAndTheGameNeverSeesTheWindowsOwnKeys) {
    main.onTick = [](long call) {
        if (call == 1)
            for (const auto& [kind, key, alt] : {std::tuple{Event::Kind::KeyDown, VK_F12, false},
                                                 {Event::Kind::KeyUp, VK_F12, false},
                                                 {Event::Kind::KeyDown, VK_F11, false},
                                                 {Event::Kind::KeyUp, VK_F11, false},
                                                 {Event::Kind::KeyDown, VK_RETURN, true},
                                                 {Event::Kind::KeyUp, VK_RETURN, false}})
                Dispatch({kind, key, alt, {}, 0, 0});
        if (call == 2)
            Dispatch({Event::Kind::KeyDown, VK_F4, true, {}, 0, 0});
    };
    main.DoModal();
    EXPECT_EQ(Lines(log, {"down", "up "}), "main:up 13");
    EXPECT_EQ(CurrentRun().mainCalls, 2);
    const auto shots = screenshots::TakeRequests();
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_TRUE(std::regex_match(shots[0], std::regex(R"(screenshot-\d{8}-\d{6}\.png)")))
        << shots[0];
}

TEST_F(MainLoop, HeadlessMessageBoxesAreOneLineOnStandardError) {
    ::testing::internal::CaptureStderr();
    MessageBox("ChoosePixelFormat failed", "Munchora");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Munchora: ChoosePixelFormat failed\n");
}

} // namespace
} // namespace platform::testing
