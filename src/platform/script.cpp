// The script parser; see script.h. Works on the bytes in memory, so it can be fed anything.
#include "platform/script.h"

#include "platform/dialog.h"
#include "platform/latin1.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace platform {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 14> KEY_NAMES{{
    {"Up", VK_UP},
    {"Down", VK_DOWN},
    {"Left", VK_LEFT},
    {"Right", VK_RIGHT},
    {"Ctrl", VK_CONTROL},
    {"Shift", VK_SHIFT},
    {"Space", VK_SPACE},
    {"F2", VK_F2},
    {"F3", VK_F3},
    {"F11", VK_F11},
    {"Escape", VK_ESCAPE},
    {"Return", VK_RETURN},
    {"Backspace", VK_BACK},
    {"Alt", VK_MENU},
}};

constexpr std::array<std::pair<std::string_view, ScriptAction>, 12> VERBS{{
    {"down", ScriptAction::Down},
    {"up", ScriptAction::Up},
    {"press", ScriptAction::Press},
    {"type", ScriptAction::Type},
    {"screenshot", ScriptAction::Screenshot},
    {"resize", ScriptAction::Resize},
    {"quit", ScriptAction::Quit},
    {"pad", ScriptAction::PadDown},   // the word after it says which pad action
    {"focus", ScriptAction::FocusIn}, // the word after it says in or out
    {"minimise", ScriptAction::Minimise},
    {"restore", ScriptAction::Restore},
    {"window", ScriptAction::WindowMode},
}};

constexpr std::array<std::pair<std::string_view, ScriptAction>, 6> PAD_VERBS{{
    {"down", ScriptAction::PadDown},
    {"up", ScriptAction::PadUp},
    {"press", ScriptAction::PadPress},
    {"axis", ScriptAction::PadAxis},
    {"attach", ScriptAction::PadAttach},
    {"detach", ScriptAction::PadDetach},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Splits off the next blank-separated word of rest; rest keeps what follows the one blank
// after the word, so the remainder of a `type` line is kept literally.
std::string_view nextWord(std::string_view& rest) {
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end < rest.size() ? end + 1 : end);
    return word;
}

bool onlyBlanks(std::string_view s) {
    return std::all_of(s.begin(), s.end(), isBlank);
}

class LineParser {
public:
    LineParser(std::string_view line, ScriptEvent& event) : rest_(line), event_(event) {}

    // Returns an empty string on success, else what is wrong with the line.
    std::string parse() {
        if (!ParseDecimal(nextWord(rest_), 1, MAX_SCRIPT_CALL, event_.call))
            return "expected a call number from 1 to " + std::to_string(MAX_SCRIPT_CALL);
        const std::string_view verb = nextWord(rest_);
        auto found = std::find_if(VERBS.begin(), VERBS.end(),
                                  [&](const auto& v) { return sameWord(v.first, verb); });
        if (found == VERBS.end())
            return "unknown event '" + std::string(verb) +
                   "' (expected down, up, press, type, screenshot, resize, quit, pad, focus, "
                   "minimise, restore or window)";
        event_.action = found->second;
        return parseArguments();
    }

private:
    std::string parseArguments() {
        switch (event_.action) {
        case ScriptAction::Down:
        case ScriptAction::Up:
        case ScriptAction::Press:
            return parseKey();
        case ScriptAction::Type:
            return parseText();
        case ScriptAction::Screenshot:
            return parsePath();
        case ScriptAction::Resize:
            return parseSize();
        case ScriptAction::Quit:
        case ScriptAction::Minimise:
        case ScriptAction::Restore:
            return endOfLine();
        case ScriptAction::WindowMode:
            return parseWindowMode();
        case ScriptAction::FocusIn:
        case ScriptAction::FocusOut:
            return parseFocus();
        default:
            return parsePad();
        }
    }

    std::string parseFocus() {
        const std::string_view word = nextWord(rest_);
        if (sameWord(word, "in"))
            event_.action = ScriptAction::FocusIn;
        else if (sameWord(word, "out"))
            event_.action = ScriptAction::FocusOut;
        else
            return "focus needs 'in' or 'out', not '" + std::string(word) + "'";
        return endOfLine();
    }

    std::string parseWindowMode() {
        const std::string_view word = nextWord(rest_);
        if (!sameWord(word, "full") && !ParseSize(word, event_.width, event_.height))
            return "window needs 'full' or WIDTHxHEIGHT, each from 1 to " +
                   std::to_string(MAX_SCRIPT_SIZE) + ", not '" + std::string(word) + "'";
        return endOfLine();
    }

    std::string parsePad() {
        const std::string_view verb = nextWord(rest_);
        auto found = std::find_if(PAD_VERBS.begin(), PAD_VERBS.end(),
                                  [&](const auto& v) { return sameWord(v.first, verb); });
        if (found == PAD_VERBS.end())
            return "unknown pad event '" + std::string(verb) +
                   "' (expected down, up, press, axis, attach or detach)";
        event_.action = found->second;
        if (event_.action == ScriptAction::PadAxis) {
            if (std::string problem = parseAxis(); !problem.empty())
                return problem;
        } else if (event_.action != ScriptAction::PadAttach &&
                   event_.action != ScriptAction::PadDetach) {
            const std::string_view name = nextWord(rest_);
            if (!PadButtonFromName(name, event_.button))
                return "unknown pad button '" + std::string(name) +
                       "' (expected A B X Y Back Start Up Down Left Right)";
        }
        return parsePadNumber();
    }

    std::string parseAxis() {
        const std::string_view name = nextWord(rest_);
        if (!PadAxisFromName(name, event_.axis))
            return "unknown pad axis '" + std::string(name) + "' (expected LeftX or LeftY)";
        std::string_view number = nextWord(rest_);
        const bool negative = !number.empty() && number.front() == '-';
        if (negative)
            number.remove_prefix(1);
        long value = 0;
        if (!ParseDecimal(number, 0, negative ? -PAD_AXIS_MIN : PAD_AXIS_MAX, value))
            return "pad axis needs a value from " + std::to_string(PAD_AXIS_MIN) + " to " +
                   std::to_string(PAD_AXIS_MAX);
        event_.value = int(negative ? -value : value);
        return {};
    }

    std::string parsePadNumber() {
        const std::string_view number = nextWord(rest_);
        long pad = 0;
        if (!number.empty() && !ParseDecimal(number, 0, MAX_SCRIPT_PAD, pad))
            return "the pad number must be from 0 to " + std::to_string(MAX_SCRIPT_PAD) +
                   ", not '" + std::string(number) + "'";
        event_.pad = int(pad);
        return endOfLine();
    }

    std::string parseKey() {
        const std::string_view name = nextWord(rest_);
        event_.key = ScriptKeyCode(name);
        if (event_.key == 0)
            return "unknown key '" + std::string(name) +
                   "' (expected Up Down Left Right Ctrl Shift Space F2 F3 F11 Escape Return "
                   "Backspace Alt)";
        return endOfLine();
    }

    std::string parseText() {
        if (!AppendLatin1(rest_, event_.text))
            return "text is not UTF-8 of Latin-1 characters";
        return {};
    }

    std::string parsePath() {
        while (!rest_.empty() && isBlank(rest_.front()))
            rest_.remove_prefix(1);
        if (rest_.empty())
            return "screenshot needs a file path";
        if (rest_.find('\0') != std::string_view::npos)
            return "the path holds a NUL byte";
        event_.text = std::string(rest_);
        return {};
    }

    std::string parseSize() {
        long width = 0, height = 0;
        if (!ParseDecimal(nextWord(rest_), 1, MAX_SCRIPT_SIZE, width) ||
            !ParseDecimal(nextWord(rest_), 1, MAX_SCRIPT_SIZE, height))
            return "resize needs a width and a height from 1 to " + std::to_string(MAX_SCRIPT_SIZE);
        event_.width = int(width);
        event_.height = int(height);
        return endOfLine();
    }

    std::string endOfLine() const {
        return onlyBlanks(rest_) ? std::string() : "unexpected '" + std::string(rest_) + "'";
    }

    std::string_view rest_;
    ScriptEvent& event_;
};

bool skipped(std::string_view line) {
    size_t first = 0;
    while (first < line.size() && isBlank(line[first]))
        ++first;
    return first == line.size() || line[first] == '#';
}

} // namespace

long Script::lastCall() const {
    long last = 0;
    for (const ScriptEvent& event : events)
        last = std::max(last, event.call);
    return last;
}

bool ParseDecimal(std::string_view text, long minimum, long maximum, long& value) {
    // 12 digits cannot overflow a 64-bit long and are more than any limit here needs.
    if (text.empty() || text.size() > 12)
        return false;
    long result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return result >= minimum && result <= maximum;
}

bool ParseSize(std::string_view text, int& width, int& height) {
    const size_t x = text.find('x');
    long w = 0, h = 0;
    if (x == std::string_view::npos || !ParseDecimal(text.substr(0, x), 1, MAX_SCRIPT_SIZE, w) ||
        !ParseDecimal(text.substr(x + 1), 1, MAX_SCRIPT_SIZE, h))
        return false;
    width = int(w);
    height = int(h);
    return true;
}

int ScriptKeyCode(std::string_view name) {
    for (const auto& [keyName, code] : KEY_NAMES)
        if (sameWord(keyName, name))
            return code;
    return 0;
}

bool ParseScript(std::string_view text, std::string_view name, Script& script, std::string& error) {
    script.events.clear();
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (skipped(line))
            continue;
        ScriptEvent event;
        event.line = lineNumber;
        const std::string problem = LineParser(line, event).parse();
        if (!problem.empty()) {
            error = std::string(name) + ":" + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        script.events.push_back(std::move(event));
    }
    return true;
}

bool LoadScript(const std::string& path, Script& script, std::string& error) {
    std::error_code ignored;
    std::ifstream in(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, ignored) || !in) {
        error = path + ": cannot read the script file";
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        error = path + ": cannot read the script file";
        return false;
    }
    return ParseScript(text, path, script, error);
}

} // namespace platform
