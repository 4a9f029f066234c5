// Script parsing: verbs and names in any case, skipped lines, and hostile lines reported
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

std::string errorOf(const std::string& text) {
    Script script;
    std::string error;
    EXPECT_FALSE(ParseScript(text, "run.txt", script, error)) << text;
    return error;
}

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

// What no loop test's script shows: any case, text as typed and as Latin-1, pad and axis bounds.
TEST(ScriptParse, ReadsVerbsAndNamesInAnyCaseTextLiterallyAndPadNumbers) {
    using A = ScriptAction;
    const struct {
        const char* line;
        Expected event;
    } cases[] = {
        {"UP up", {.action = A::Up, .key = VK_UP}},
        {"type  two words ", {.action = A::Type, .text = " two words "}}, // literally
        {"type Zoë ÿ", {.action = A::Type, .text = "Zo\xEB \xFF"}},       // as Latin-1
        {"screenshot shots/a b.png", {.action = A::Screenshot, .text = "shots/a b.png"}},
        {"pad down A", {.action = A::PadDown}}, // pad 0 when none is named
        {"PAD UP start 15", {.action = A::PadUp, .pad = 15, .button = PadButton::Start}},
        {"pad axis LeftX -32768", {.action = A::PadAxis, .value = -32768}},
        {"pad axis lefty 32767 2",
         {.action = A::PadAxis, .pad = 2, .axis = PadAxis::LeftY, .value = 32767}},
        {"pad detach 1", {.action = A::PadDetach, .pad = 1}},
        {"focus IN", {.action = A::FocusIn}},
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
                      padNumber = "the pad number must be from 0 to 15, not ",
                      window = "window needs 'full' or WIDTHxHEIGHT, each from 1 to 16384, not ",
                      events = " (expected down, up, press, type, screenshot, resize, quit, "
                               "pad, focus, minimise, restore or window)",
                      buttons = " (expected A B X Y Back Start Up Down Left Right)",
                      padEvents = " (expected down, up, press, axis, attach or detach)";
    // Each message with the one-line scripts that must give it.
    const struct {
        std::string error;
        std::vector<std::string> texts;
    } cases[] = {
        {call, {"0 press Up", "-3 press Up", "1000000001 quit", "99999999999999999999 quit"}},
        {"unknown event ''" + events, {"5"}},
        {"unknown event 'jump'" + events, {"5 jump"}},
        {"unexpected 'x'",
         {"5 down Up x", "5 quit x", "1 minimise x", "5 resize 100 100 x", "1 pad down A 1 x",
          "1 window full x"}},
        {"text is not UTF-8 of Latin-1 characters",
         {"5 type snow \xE2\x98\x83", "5 type broken \xC3"}},
        {"screenshot needs a file path", {"5 screenshot"}},
        {"the path holds a NUL byte", {"4 screenshot a\0b.png"s}},
        {"resize needs a width and a height from 1 to 16384",
         {"5 resize 100", "5 resize 0 100", "5 resize 100 16385", "5 resize 1e3 100"}},
        {"unknown pad event ''" + padEvents, {"1 pad"}},
        {"unknown pad event 'hold'" + padEvents, {"1 pad hold A"}},
        {"unknown pad button ''" + buttons, {"1 pad down"}},
        {"unknown pad button 'Guide'" + buttons, {"1 pad down Guide"}},
        {padNumber + "'16'", {"1 pad down A 16"}},
        {padNumber + "'-1'", {"1 pad down A -1"}},
        {padNumber + "'x'", {"1 pad attach x"}},
        {"unknown pad axis 'RightX' (expected LeftX or LeftY)", {"1 pad axis RightX 0"}},
        {"pad axis needs a value from -32768 to 32767",
         {"1 pad axis LeftX", "1 pad axis LeftX 32768", "1 pad axis LeftX -32769",
          "1 pad axis LeftX -", "1 pad axis LeftX +5"}},
        {"focus needs 'in' or 'out', not ''", {"1 focus"}},
        {"focus needs 'in' or 'out', not 'away'", {"1 focus away"}},
        {window + "''", {"1 window"}},
        {window + "'0x10'", {"1 window 0x10"}},
        {window + "'800'", {"1 window 800 600"}},
    };
    for (const auto& c : cases)
        for (const std::string& text : c.texts)
            EXPECT_EQ(errorOf(text), "run.txt:1: " + c.error) << text;
    EXPECT_EQ(errorOf("1 press Up\n\nx press Up"), "run.txt:3: " + call);
    EXPECT_EQ(errorOf("# ok\n5 press"), "run.txt:2: unknown key '' (expected Up Down Left Right "
                                        "Ctrl Shift Space F2 F3 F11 Escape Return Backspace Alt)");
}

TEST(ScriptLoad, AMissingFileIsAnError) {
    Script script;
    std::string error;
    EXPECT_FALSE(LoadScript("no/such/script.txt", script, error));
    EXPECT_EQ(error, "no/such/script.txt: cannot read the script file");
    EXPECT_FALSE(LoadScript(".", script, error)) << "a folder is not a script";
}

// The events the source hands out before `call`, as "KIND KEY [alt]" or "KIND pPAD".
std::string drain(ScriptEventSource& source, long call) {
    std::string out;
    for (Event e; source.Next(call, e);)
        out += (out.empty() ? "" : ", ") + std::to_string(int(e.kind)) + " " +
               (e.kind >= Event::Kind::PadDown ? "p" + std::to_string(e.pad)
                                               : std::to_string(e.key) + e.text) +
               (e.alt ? " alt" : "");
    return out;
}

// Keys pressed while Alt is down are system keys; a press is a down and an up, on a pad too.
TEST(ScriptSource, HoldsEventsBackUntilTheirCallAndSplitsPresses) {
    ScriptEventSource source(
        parse("3 press Up\n2 type hi\n3 down Alt\n3 press Space\n3 pad press Start 2\n"));
    EXPECT_EQ(drain(source, 1), "");
    EXPECT_EQ(drain(source, 2), "2 0hi") << "a line out of order still waits for its call";
    EXPECT_EQ(drain(source, 3), "0 38, 1 38, 0 18 alt, 0 32 alt, 1 32 alt, 7 p2, 8 p2");
    EXPECT_EQ(drain(source, LONG_MAX), "");
}

} // namespace
} // namespace platform
