// Script parsing: every event kind, key names, skipped lines, and hostile lines reported
// with their file name and line number; then the source that hands the events out.
#include "platform/dialog.h"
#include "platform/script.h"
#include "platform/script_source.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

namespace platform {
namespace {

using namespace std::string_literals;

Script parse(const std::string& text) {
    Script script;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "run.txt", script, error)) << error;
    return script;
}

// An event as a table names it: each field not named keeps its default.
struct Expected {
    ScriptAction action;
    int key = 0;
    const char* text = "";
    int width = 0, height = 0, pad = 0;
    PadButton button = PadButton::A;
    PadAxis axis = PadAxis::LeftX;
    int value = 0;
};

// Every field of a parsed or an expected event but its call and line.
template <class E> std::string fields(const E& e) {
    std::ostringstream out;
    out << "action " << int(e.action) << " key " << e.key << " text '" << e.text << "' size "
        << e.width << "x" << e.height << " pad " << e.pad << " button " << int(e.button) << " axis "
        << int(e.axis) << " value " << e.value;
    return out.str();
}

TEST(ScriptParse, ReadsEveryEventKindWithVerbsAndNamesInAnyCase) {
    using A = ScriptAction;
    using B = PadButton;
    const struct {
        const char* line;
        Expected event;
    } cases[] = {
        {"down Up", {.action = A::Down, .key = VK_UP}},
        {"UP up", {.action = A::Up, .key = VK_UP}},
        {"press escape", {.action = A::Press, .key = VK_ESCAPE}},
        {"Press RETURN", {.action = A::Press, .key = VK_RETURN}},
        {"press F11", {.action = A::Press, .key = VK_F11}},
        {"type  two words ", {.action = A::Type, .text = " two words "}}, // literally
        {"type Zoë ÿ", {.action = A::Type, .text = "Zo\xEB \xFF"}},       // as Latin-1
        {"screenshot shots/a b.png", {.action = A::Screenshot, .text = "shots/a b.png"}},
        {"resize 320 240", {.action = A::Resize, .width = 320, .height = 240}},
        {"quit", {.action = A::Quit}},
        {"pad down A", {.action = A::PadDown, .button = B::A}}, // pad 0 when none is named
        {"PAD UP start 15", {.action = A::PadUp, .pad = 15, .button = B::Start}},
        {"pad press Left 3", {.action = A::PadPress, .pad = 3, .button = B::Left}},
        {"pad axis LeftX -32768", {.action = A::PadAxis, .axis = PadAxis::LeftX, .value = -32768}},
        {"pad axis lefty 32767 2",
         {.action = A::PadAxis, .pad = 2, .axis = PadAxis::LeftY, .value = 32767}},
        {"pad attach", {.action = A::PadAttach}},
        {"pad detach 1", {.action = A::PadDetach, .pad = 1}},
        {"focus out", {.action = A::FocusOut}},
        {"focus IN", {.action = A::FocusIn}},
        {"minimise", {.action = A::Minimise}},
        {"restore", {.action = A::Restore}},
        {"window 800x600", {.action = A::WindowMode, .width = 800, .height = 600}},
        {"window full", {.action = A::WindowMode}}, // no size
    };
    for (const auto& c : cases) {
        const Script script = parse("7 " + std::string(c.line));
        ASSERT_EQ(script.events.size(), 1u) << c.line;
        EXPECT_EQ(script.events[0].call, 7);
        EXPECT_EQ(fields(script.events[0]), fields(c.event)) << c.line;
    }
    EXPECT_EQ(ScriptKeyCode("F12"), 0) << "only the keys a script may press";
    EXPECT_EQ(ScriptKeyCode("Upp"), 0);
}

TEST(ScriptParse, SkipsCommentsAndBlankLinesAndTakesCrLf) {
    const Script script = parse("# a comment\r\n\r\n   \t\n  # indented comment\n"
                                "\t10\tpress\tF2\t\r\n2 type abc\r\n");
    ASSERT_EQ(script.events.size(), 2u);
    EXPECT_EQ(script.events[0].call, 10);
    EXPECT_EQ(script.events[0].line, 5);
    EXPECT_EQ(script.events[1].text, "abc") << "the carriage return is not typed";
    EXPECT_EQ(script.lastCall(), 10) << "the largest call, not the last line's";
    EXPECT_EQ(parse("# nothing\n").lastCall(), 0);
}

TEST(ScriptParse, NamesFileAndLineOfAMalformedLine) {
    const std::string call = "expected a call number from 1 to 1000000000",
                      size = "resize needs a width and a height from 1 to 16384",
                      latin1 = "text is not UTF-8 of Latin-1 characters",
                      padNumber = "the pad number must be from 0 to 15, not ",
                      axis = "pad axis needs a value from -32768 to 32767",
                      window = "window needs 'full' or WIDTHxHEIGHT, each from 1 to 16384, not ",
                      events = " (expected down, up, press, type, screenshot, resize, quit, "
                               "pad, focus, minimise, restore or window)",
                      buttons = " (expected A B X Y Back Start Up Down Left Right)",
                      padEvents = " (expected down, up, press, axis, attach or detach)";
    const struct {
        std::string text;
        int line;
        std::string error;
    } cases[] = {
        {"1 press Up\n\nx press Up", 3, call},
        {"0 press Up", 1, call},
        {"-3 press Up", 1, call},
        {"1000000001 quit", 1, call},
        {"99999999999999999999 quit", 1, call},
        {"5", 1, "unknown event ''" + events},
        {"5 jump", 1, "unknown event 'jump'" + events},
        {"# ok\n5 press", 2,
         "unknown key '' (expected Up Down Left Right Ctrl Shift Space F2 F3 F11 Escape Return "
         "Backspace Alt)"},
        {"5 down Up Down", 1, "unexpected 'Down'"},
        {"5 quit now", 1, "unexpected 'now'"},
        {"5 type snow \xE2\x98\x83", 1, latin1},
        {"5 type broken \xC3", 1, latin1},
        {"5 screenshot", 1, "screenshot needs a file path"},
        {"4 screenshot a\0b.png"s, 1, "the path holds a NUL byte"},
        {"5 resize 100", 1, size},
        {"5 resize 0 100", 1, size},
        {"5 resize 100 16385", 1, size},
        {"5 resize 1e3 100", 1, size},
        {"5 resize 100 100 100", 1, "unexpected '100'"},
        {"1 pad", 1, "unknown pad event ''" + padEvents},
        {"1 pad hold A", 1, "unknown pad event 'hold'" + padEvents},
        {"1 pad down", 1, "unknown pad button ''" + buttons},
        {"1 pad down Guide", 1, "unknown pad button 'Guide'" + buttons},
        {"1 pad down A 16", 1, padNumber + "'16'"},
        {"1 pad down A -1", 1, padNumber + "'-1'"},
        {"1 pad attach x", 1, padNumber + "'x'"},
        {"1 pad down A 1 2", 1, "unexpected '2'"},
        {"1 pad axis RightX 0", 1, "unknown pad axis 'RightX' (expected LeftX or LeftY)"},
        {"1 pad axis LeftX", 1, axis},
        {"1 pad axis LeftX 32768", 1, axis},
        {"1 pad axis LeftX -32769", 1, axis},
        {"1 pad axis LeftX -", 1, axis},
        {"1 pad axis LeftX +5", 1, axis},
        {"1 focus", 1, "focus needs 'in' or 'out', not ''"},
        {"1 focus away", 1, "focus needs 'in' or 'out', not 'away'"},
        {"1 minimise now", 1, "unexpected 'now'"},
        {"1 window", 1, window + "''"},
        {"1 window 0x10", 1, window + "'0x10'"},
        {"1 window 800 600", 1, window + "'800'"},
        {"1 window full 2", 1, "unexpected '2'"},
    };
    for (const auto& c : cases) {
        Script script;
        std::string error;
        EXPECT_FALSE(ParseScript(c.text, "run.txt", script, error)) << c.text;
        EXPECT_EQ(error, "run.txt:" + std::to_string(c.line) + ": " + c.error);
    }
}

TEST(ScriptLoad, AMissingFileIsAnError) {
    Script script;
    std::string error;
    EXPECT_FALSE(LoadScript("no/such/script.txt", script, error));
    EXPECT_EQ(error, "no/such/script.txt: cannot read the script file");
    EXPECT_FALSE(LoadScript(".", script, error)) << "a folder is not a script";
}

// The events the source hands out before `call`, as "KIND KEY [alt]" or, for pads and
// windows, "KIND pPAD bBUTTON vVALUE WxH [full]".
std::string drain(ScriptEventSource& source, long call) {
    std::string out;
    for (Event e; source.Next(call, e);) {
        out += (out.empty() ? "" : ", ") + std::to_string(int(e.kind)) + " ";
        if (e.kind <= Event::Kind::Text)
            out += std::to_string(e.key) + e.text + (e.alt ? " alt" : "");
        else
            out += "p" + std::to_string(e.pad) + " b" + std::to_string(int(e.button)) + " v" +
                   std::to_string(e.value) + " " + std::to_string(e.width) + "x" +
                   std::to_string(e.height) + (e.fullscreen ? " full" : "");
    }
    return out;
}

TEST(ScriptSource, HoldsEventsBackUntilTheirCallAndSplitsPresses) {
    ScriptEventSource source(parse("3 press Up\n2 type hi\n3 down Alt\n3 press Space\n"
                                   "3 pad press Start 2\n3 pad axis LeftY -9000\n"
                                   "3 window full\n3 window 320x200\n"));
    EXPECT_EQ(drain(source, 1), "");
    EXPECT_EQ(drain(source, 2), "2 0hi") << "a line out of order still waits for its call";
    // Keys pressed while Alt is down are system keys; a pad press is a down and an up.
    EXPECT_EQ(drain(source, 3), "0 38, 1 38, 0 18 alt, 0 32 alt, 1 32 alt, 7 p2 b5 v0 0x0, "
                                "8 p2 b5 v0 0x0, 9 p0 b0 v-9000 0x0, 16 p0 b0 v0 0x0 full, "
                                "16 p0 b0 v0 320x200");
    EXPECT_EQ(drain(source, LONG_MAX), "");
}

} // namespace
} // namespace platform
