// The message loop with small dialogs on the virtual clock: timer calls and the script's
// call numbers, nested modal dialogs, key and pad routing, keys released when the focus
// goes, the window menu and the orderly close.
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
    long calls;     // the end of the run, should the close not come
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
        EntryEnd{"3 type Ann\n4 quit\n5 press Space\n", 9, 0, CANCELLED, 3},
        EntryEnd{"", 4, 0, CANCELLED, 4},             // the end of a run
        EntryEnd{"3 type Ann\n", 9, 4, CANCELLED, 4}, // SIGTERM
        EntryEnd{"", 9, 2, CANCELLED, 2},             // SIGTERM before the entry opens
        // Close on the window menu takes the Alt+F4 path.
        EntryEnd{"3 down Alt\n3 press Space\n3 up Alt\n3 press Return\n", 9, 0, CANCELLED, 2}));

// The window menu: Alt+Space opens it on its last item (so Return alone opens the game's
// About box); Up skips the separators, Escape closes it, Return chooses; a letter chooses
// its item or moves through the items sharing it. Only key releases reach the window.
TEST_F(MainLoop, TheWindowMenuIsWorkedByArrowsAndLetters) {
    main.onInit = [this] {
        main.SetTimer(GAME_TIMER, 25);
        for (const auto& [label, id] : {std::pair{"&Restore", 3},
                                        {"", 0},
                                        {"&About Munchora...", 16},
                                        {"&Again", 17},
                                        {"&Once", 18}})
            main.AppendSystemMenuItem(label, id);
    };
    constexpr int MENU = -1; // Alt+Space
    const std::vector<std::vector<int>> letters{
        {MENU, 'A', 'A', 'A', VK_RETURN}, // About, Again, About again, chosen
        {MENU, 'o'}, // a lower-case code matches nothing: virtual keys are upper case
        {'O'},
        {MENU, 'N'}, // Minimize, the window's own first item
        {MENU, VK_RETURN}};
    main.onTick = [&](long call) {
        for (const int key : call > 3 ? letters[size_t(call - 4)] : std::vector<int>{})
            Dispatch({Event::Kind::KeyDown, key == MENU ? VK_SPACE : key, key == MENU, {}, 0, 0});
    };
    run("2 down Alt\n2 press Space\n2 up Alt\n2 press Up\n2 press Up\n2 press Up\n"
        "2 press Return\n3 down Alt\n3 press Space\n3 up Alt\n3 press Escape\n3 press Left\n",
        8);
    EXPECT_EQ(Lines(log, {"down", "up ", "syscommand"}),
              "main:up 32, main:up 38, main:up 38, main:up 38, main:syscommand 3, main:up 13, "
              "main:up 32, main:up 27, main:down 37, main:up 37, main:syscommand 16, "
              "main:syscommand 18, main:syscommand 61472, main:syscommand 18");
    EXPECT_EQ(CurrentRun().mainCalls, 8) << "minimising headless leaves the game running";
}

// F12, F11 and Alt+Return are the window's own keys; only Return's release, which may
// belong to a key the game saw go down, reaches it.
TEST_F(MainLoop, AltF4ClosesAndTheGameNeverSeesTheWindowsOwnKeys) {
    main.onTick = [](long call) {
        if (call == 1) {
            Dispatch({Event::Kind::KeyDown, VK_F12, false, {}, 0, 0});
            Dispatch({Event::Kind::KeyUp, VK_F12, false, {}, 0, 0});
        }
        if (call == 2)
            Dispatch({Event::Kind::KeyDown, VK_F4, true, {}, 0, 0});
    };
    run("1 press F11\n1 down Alt\n1 press Return\n1 up Alt\n");
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

// Losing the focus or being minimised releases every held key before saying so: Shift
// was released already, and the pad's A gives no second key-up.
TEST_F(MainLoop, LosingTheFocusOrMinimisingReleasesHeldKeysOnce) {
    main.logsTimer = false;
    run("1 down Up\n1 down Shift\n1 up Shift\n1 pad down A 1\n2 focus out\n2 focus out\n"
        "2 pad up A 1\n3 focus in\n3 focus in\n3 down Left\n4 minimise\n5 restore\n5 restore\n",
        5);
    EXPECT_EQ(Lines(log), "main:down 38, main:down 16, main:up 16, main:down 17, main:up 38, "
                          "main:up 17, main:deactivate, main:activate, main:down 37, main:up 37, "
                          "main:minimise, main:restore, main:cancel, main:destroy");
}

// Back cancels the name; a dialog without a field takes A as Return and B as Escape. The
// key the main window got from a stick goes up there, even while a dialog is open.
TEST_F(MainLoop, PadButtonsInDialogsAndAStickHeldIntoADialogLeavesNoKeyBehind) {
    static const DialogTemplate about{"About", 100, 50, true, {}};
    main.logsTimer = false;
    openEntryAt(2);
    main.onTick = [this, entry = main.onTick](long now) {
        entry(now);
        if (now != 6 && now != 8)
            return;
        LoggingDialog box("about", log, &about);
        log.push_back("main:about " + std::to_string(box.DoModal()));
    };
    run("1 pad axis LeftX -30000\n3 pad press Up\n3 pad axis LeftX 0\n4 pad press Back\n"
        "7 pad press X\n7 pad press A\n9 pad press B\n",
        10);
    EXPECT_EQ(Lines(log), "main:down 37, entry:pad 6, main:up 37, entry:pad 4, entry:cancel, "
                          "entry:destroy, main:entry 2 '', about:pad 2, about:pad 0, "
                          "about:destroy, main:about 1, about:pad 1, about:cancel, about:destroy, "
                          "main:about 2, main:cancel, main:destroy");
}

} // namespace
} // namespace platform::testing
