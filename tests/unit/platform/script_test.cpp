// Script parsing: every event kind, key names, skipped lines, and hostile lines reported
// with their file name and line number.
#include "platform/dialog.h"
#include "platform/script.h"
#include "platform/script_source.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace platform {
namespace {

Script parse(const std::string& text) {
    Script script;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "run.txt", script, error)) << error;
    return script;
}

std::string errorOf(const std::string& text) {
    Script script;
    std::string error;
    EXPECT_FALSE(ParseScript(text, "run.txt", script, error)) << text;
    return error;
}

TEST(ScriptParse, ReadsEveryEventKind) {
    const Script script = parse("1 down Up\n"
                                "2 up Up\n"
                                "3 press Space\n"
                                "4 type  two words \n"
                                "5 screenshot shots/a b.png\n"
                                "6 resize 320 240\n"
                                "7 quit\n");
    ASSERT_EQ(script.events.size(), 7u);
    EXPECT_EQ(script.events[0].action, ScriptAction::Down);
    EXPECT_EQ(script.events[0].key, VK_UP);
    EXPECT_EQ(script.events[1].action, ScriptAction::Up);
    EXPECT_EQ(script.events[2].action, ScriptAction::Press);
    EXPECT_EQ(script.events[2].key, VK_SPACE);
    EXPECT_EQ(script.events[3].action, ScriptAction::Type);
    EXPECT_EQ(script.events[3].text, " two words ") << "the rest of the line, literally";
    EXPECT_EQ(script.events[4].text, "shots/a b.png");
    EXPECT_EQ(script.events[5].width, 320);
    EXPECT_EQ(script.events[5].height, 240);
    EXPECT_EQ(script.events[6].action, ScriptAction::Quit);
    EXPECT_EQ(script.events[6].call, 7);
    EXPECT_EQ(script.events[6].line, 7);
    EXPECT_EQ(script.lastCall(), 7);
}

TEST(ScriptParse, KnowsEveryKeyNameInAnyCase) {
    const struct {
        const char* name;
        int code;
    } keys[] = {{"Up", VK_UP},         {"Down", VK_DOWN},     {"Left", VK_LEFT},
                {"Right", VK_RIGHT},   {"Ctrl", VK_CONTROL},  {"Shift", VK_SHIFT},
                {"Space", VK_SPACE},   {"F2", VK_F2},         {"F3", VK_F3},
                {"Escape", VK_ESCAPE}, {"Return", VK_RETURN}, {"Backspace", VK_BACK},
                {"Alt", VK_MENU},      {"escape", VK_ESCAPE}, {"RETURN", VK_RETURN}};
    for (const auto& key : keys) {
        const Script script = parse("1 PRESS " + std::string(key.name));
        ASSERT_EQ(script.events.size(), 1u);
        EXPECT_EQ(script.events[0].key, key.code) << key.name;
    }
    EXPECT_EQ(ScriptKeyCode("F12"), 0) << "only the keys a script may press";
    EXPECT_EQ(ScriptKeyCode("Upp"), 0);
}

TEST(ScriptParse, SkipsCommentsAndBlankLinesAndTakesCrLf) {
    const Script script = parse("# a comment\r\n\r\n   \t\n  # indented comment\n"
                                "\t10\tpress\tF2\t\r\n12 type abc\r\n");
    ASSERT_EQ(script.events.size(), 2u);
    EXPECT_EQ(script.events[0].call, 10);
    EXPECT_EQ(script.events[0].line, 5);
    EXPECT_EQ(script.events[1].text, "abc") << "the carriage return is not typed";
    EXPECT_TRUE(parse("").events.empty());
    EXPECT_EQ(parse("").lastCall(), 0);
}

TEST(ScriptParse, TypedTextBecomesLatin1) {
    EXPECT_EQ(parse("1 type Zoë ÿ").events[0].text, "Zo\xEB \xFF");
    EXPECT_EQ(errorOf("1 type snow \xE2\x98\x83"),
              "run.txt:1: text is not UTF-8 of Latin-1 characters");
    EXPECT_EQ(errorOf("1 type broken \xC3"), "run.txt:1: text is not UTF-8 of Latin-1 characters");
}

TEST(ScriptParse, NamesFileAndLineOfAMalformedLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 press Up\n\nx press Up", "run.txt:3: expected a call number from 1 to 1000000000"},
        {"0 press Up", "run.txt:1: expected a call number from 1 to 1000000000"},
        {"-3 press Up", "run.txt:1: expected a call number from 1 to 1000000000"},
        {"1000000001 quit", "run.txt:1: expected a call number from 1 to 1000000000"},
        {"99999999999999999999 quit", "run.txt:1: expected a call number from 1 to 1000000000"},
        {"5", "run.txt:1: unknown event '' (expected down, up, press, type, screenshot, resize, "
              "quit, pad, focus, minimise, restore or window)"},
        {"5 jump", "run.txt:1: unknown event 'jump' (expected down, up, press, type, "
                   "screenshot, resize, quit, pad, focus, minimise, restore or window)"},
        {"# ok\n5 press", "run.txt:2: unknown key '' (expected Up Down Left Right Ctrl Shift "
                          "Space F2 F3 F11 Escape Return Backspace Alt)"},
        {"5 down Up Down", "run.txt:1: unexpected 'Down'"},
        {"5 quit now", "run.txt:1: unexpected 'now'"},
        {"5 screenshot", "run.txt:1: screenshot needs a file path"},
        {"5 resize 100", "run.txt:1: resize needs a width and a height from 1 to 16384"},
        {"5 resize 0 100", "run.txt:1: resize needs a width and a height from 1 to 16384"},
        {"5 resize 100 16385", "run.txt:1: resize needs a width and a height from 1 to 16384"},
        {"5 resize 100 100 100", "run.txt:1: unexpected '100'"},
        {"5 resize 1e3 100", "run.txt:1: resize needs a width and a height from 1 to 16384"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.text), c.error) << c.text;
}

TEST(ScriptParse, ReadsPadFocusAndWindowEvents) {
    const Script script = parse("1 pad down A\n"
                                "2 PAD UP start 3\n"
                                "3 pad press Left 15\n"
                                "4 pad axis LeftX -32768\n"
                                "5 pad axis lefty 32767 2\n"
                                "6 pad attach\n"
                                "7 pad detach 1\n"
                                "8 focus out\n"
                                "9 focus IN\n"
                                "10 minimise\n"
                                "11 restore\n"
                                "12 window 800x600\n"
                                "13 window full\n"
                                "14 press F11\n");
    ASSERT_EQ(script.events.size(), 14u);
    const ScriptAction actions[] = {
        ScriptAction::PadDown,    ScriptAction::PadUp,    ScriptAction::PadPress,
        ScriptAction::PadAxis,    ScriptAction::PadAxis,  ScriptAction::PadAttach,
        ScriptAction::PadDetach,  ScriptAction::FocusOut, ScriptAction::FocusIn,
        ScriptAction::Minimise,   ScriptAction::Restore,  ScriptAction::WindowMode,
        ScriptAction::WindowMode, ScriptAction::Press};
    for (size_t i = 0; i < script.events.size(); ++i)
        EXPECT_EQ(script.events[i].action, actions[i]) << "line " << i + 1;
    EXPECT_EQ(script.events[0].button, PadButton::A);
    EXPECT_EQ(script.events[0].pad, 0) << "the first pad when none is named";
    EXPECT_EQ(script.events[1].button, PadButton::Start);
    EXPECT_EQ(script.events[1].pad, 3);
    EXPECT_EQ(script.events[2].button, PadButton::Left);
    EXPECT_EQ(script.events[2].pad, 15);
    EXPECT_EQ(script.events[3].axis, PadAxis::LeftX);
    EXPECT_EQ(script.events[3].value, -32768);
    EXPECT_EQ(script.events[4].axis, PadAxis::LeftY);
    EXPECT_EQ(script.events[4].value, 32767);
    EXPECT_EQ(script.events[4].pad, 2);
    EXPECT_EQ(script.events[6].pad, 1);
    EXPECT_EQ(script.events[11].width, 800);
    EXPECT_EQ(script.events[11].height, 600);
    EXPECT_EQ(script.events[12].width, 0) << "full has no size";
    EXPECT_EQ(script.events[13].key, VK_F11);
}

TEST(ScriptParse, RefusesMalformedPadFocusAndWindowEvents) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 pad", "run.txt:1: unknown pad event '' (expected down, up, press, axis, attach or "
                  "detach)"},
        {"1 pad hold A", "run.txt:1: unknown pad event 'hold' (expected down, up, press, axis, "
                         "attach or detach)"},
        {"1 pad down", "run.txt:1: unknown pad button '' (expected A B X Y Back Start Up Down "
                       "Left Right)"},
        {"1 pad down Guide", "run.txt:1: unknown pad button 'Guide' (expected A B X Y Back "
                             "Start Up Down Left Right)"},
        {"1 pad down A 16", "run.txt:1: the pad number must be from 0 to 15, not '16'"},
        {"1 pad down A -1", "run.txt:1: the pad number must be from 0 to 15, not '-1'"},
        {"1 pad down A 1 2", "run.txt:1: unexpected '2'"},
        {"1 pad attach x", "run.txt:1: the pad number must be from 0 to 15, not 'x'"},
        {"1 pad axis RightX 0", "run.txt:1: unknown pad axis 'RightX' (expected LeftX or LeftY)"},
        {"1 pad axis LeftX", "run.txt:1: pad axis needs a value from -32768 to 32767"},
        {"1 pad axis LeftX 32768", "run.txt:1: pad axis needs a value from -32768 to 32767"},
        {"1 pad axis LeftX -32769", "run.txt:1: pad axis needs a value from -32768 to 32767"},
        {"1 pad axis LeftX -", "run.txt:1: pad axis needs a value from -32768 to 32767"},
        {"1 pad axis LeftX +5", "run.txt:1: pad axis needs a value from -32768 to 32767"},
        {"1 focus", "run.txt:1: focus needs 'in' or 'out', not ''"},
        {"1 focus away", "run.txt:1: focus needs 'in' or 'out', not 'away'"},
        {"1 minimise now", "run.txt:1: unexpected 'now'"},
        {"1 window", "run.txt:1: window needs 'full' or WIDTHxHEIGHT, each from 1 to 16384, "
                     "not ''"},
        {"1 window 0x10", "run.txt:1: window needs 'full' or WIDTHxHEIGHT, each from 1 to "
                          "16384, not '0x10'"},
        {"1 window 800 600", "run.txt:1: window needs 'full' or WIDTHxHEIGHT, each from 1 to "
                             "16384, not '800'"},
        {"1 window full 2", "run.txt:1: unexpected '2'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.text), c.error) << c.text;
}

TEST(ScriptParse, ScreenshotPathWithNulIsRefused) {
    const std::string text("4 screenshot a\0b.png", 20);
    EXPECT_EQ(errorOf(text), "run.txt:1: the path holds a NUL byte");
}

TEST(ScriptLoad, AMissingFileIsAnError) {
    Script script;
    std::string error;
    EXPECT_FALSE(LoadScript("no/such/script.txt", script, error));
    EXPECT_EQ(error, "no/such/script.txt: cannot read the script file");
    EXPECT_FALSE(LoadScript(".", script, error)) << "a folder is not a script";
}

std::vector<Event> drain(ScriptEventSource& source, long call) {
    std::vector<Event> events;
    Event event;
    while (source.Next(call, event))
        events.push_back(event);
    return events;
}

TEST(ScriptSource, HoldsEventsBackUntilTheirCallAndSplitsPress) {
    ScriptEventSource source(parse("3 press Up\n2 type hi\n3 down Alt\n3 press Space\n"));
    EXPECT_TRUE(drain(source, 1).empty());
    const auto second = drain(source, 2);
    ASSERT_EQ(second.size(), 1u) << "a line out of order still waits for its call";
    EXPECT_EQ(second[0].kind, Event::Kind::Text);
    const auto third = drain(source, 3);
    ASSERT_EQ(third.size(), 5u);
    EXPECT_EQ(third[0].kind, Event::Kind::KeyDown);
    EXPECT_EQ(third[1].kind, Event::Kind::KeyUp);
    EXPECT_FALSE(third[1].alt);
    EXPECT_EQ(third[2].key, VK_MENU);
    EXPECT_EQ(third[3].key, VK_SPACE);
    EXPECT_TRUE(third[3].alt) << "keys pressed while Alt is down are system keys";
    EXPECT_TRUE(third[4].alt);
    EXPECT_TRUE(drain(source, LONG_MAX).empty());
}

TEST(ScriptSource, PadPressIsADownAndAnUpOfTheSamePad) {
    ScriptEventSource source(parse("1 pad press Start 2\n1 pad axis LeftY -9000\n"
                                   "1 window full\n1 window 320x200\n"));
    const auto events = drain(source, 1);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, Event::Kind::PadDown);
    EXPECT_EQ(events[1].kind, Event::Kind::PadUp);
    EXPECT_EQ(events[1].button, PadButton::Start);
    EXPECT_EQ(events[1].pad, 2);
    EXPECT_EQ(events[2].kind, Event::Kind::PadAxis);
    EXPECT_EQ(events[2].value, -9000);
    EXPECT_TRUE(events[3].fullscreen);
    EXPECT_FALSE(events[4].fullscreen);
    EXPECT_EQ(events[4].width, 320);
}

} // namespace
} // namespace platform
