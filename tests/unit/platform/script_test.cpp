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
        {"5", "run.txt:1: unknown event '' (expected down, up, press, type, screenshot, resize "
              "or quit)"},
        {"5 jump", "run.txt:1: unknown event 'jump' (expected down, up, press, type, "
                   "screenshot, resize or quit)"},
        {"# ok\n5 press", "run.txt:2: unknown key '' (expected Up Down Left Right Ctrl Shift "
                          "Space F2 F3 Escape Return Backspace Alt)"},
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

} // namespace
} // namespace platform
