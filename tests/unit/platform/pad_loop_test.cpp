// Pads and focus through the message loop, as a scripted run delivers them: pad input
// walking the main window, keys released when the focus goes or the window is minimised,
// and pad presses going to a dialog with no key left behind.
#include "loop_fixture.h"

#include <gtest/gtest.h>

namespace platform::testing {
namespace {

// A run of three calls and what reached the main window other than its timer.
struct KeyRun {
    const char* script;
    const char* reached;
};

class PadLoop : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        main.logsTimer = false;
    }
};

class PadKeyRuns : public PadLoop, public ::testing::WithParamInterface<KeyRun> {};

TEST_P(PadKeyRuns, ReachTheMainWindowAsItsKeys) {
    run(GetParam().script, 3);
    EXPECT_EQ(Lines(log), std::string(GetParam().reached) + ", main:cancel, main:destroy");
}

INSTANTIATE_TEST_SUITE_P(
    PadLoop, PadKeyRuns,
    ::testing::Values(
        KeyRun{"1 pad attach\n1 pad down Up\n2 pad press A 1\n2 pad axis LeftX 20000\n"
               "3 pad up Up\n3 pad axis LeftX 0\n3 pad detach 1\n",
               "main:down 38, main:down 17, main:up 17, main:down 39, main:up 38, main:up 39"},
        // Losing the focus releases every held key before saying so: Shift was released
        // already, and the pad's A gives no second key-up.
        KeyRun{"1 down Up\n1 down Shift\n1 up Shift\n1 pad down A 1\n2 focus out\n"
               "2 focus out\n2 pad up A 1\n3 focus in\n3 focus in\n",
               "main:down 38, main:down 16, main:up 16, main:down 17, main:up 38, main:up 17, "
               "main:deactivate, main:activate"},
        KeyRun{"1 down Left\n2 minimise\n3 restore\n3 restore\n",
               "main:down 37, main:up 37, main:minimise, main:restore"}));

TEST_F(PadLoop, BackCancelsTheNameAndAStickHeldIntoTheDialogLeavesNoKeyBehind) {
    openEntryAt(2);
    run("1 pad axis LeftX -30000\n3 pad press Up\n3 pad axis LeftX 0\n4 pad press Back\n", 5);
    EXPECT_EQ(Lines(log), "main:down 37, entry:pad 6, main:up 37, entry:pad 4, entry:cancel, "
                          "entry:destroy, main:entry 2 '', main:cancel, main:destroy")
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
    EXPECT_EQ(Lines(log), "about:pad 2, about:pad 0, about:destroy, main:about 1, about:pad 1, "
                          "about:cancel, about:destroy, main:about 2, main:cancel, main:destroy");
}

} // namespace
} // namespace platform::testing
