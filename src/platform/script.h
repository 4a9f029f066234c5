// Scripts: the input of a scripted run, one event per line, numbered by the call of the
// main window's timer before which it is delivered (the first call after start-up is 1).
//
//     T down KEY | T up KEY | T press KEY    a key goes down, up, or down and up
//     T type TEXT                            the rest of the line, as typed text
//     T screenshot PATH                      save the frame presented by call T
//     T resize W H                           the client area becomes W x H pixels
//     T quit                                 a close request
//     T pad down|up|press BUTTON [PAD]       a game controller's button
//     T pad axis AXIS VALUE [PAD]            its left stick moves to VALUE
//     T pad attach [PAD] | T pad detach [PAD]  a controller is connected or disconnected
//     T focus out | T focus in               the window loses or gets the keyboard focus
//     T minimise | T restore                 the window is minimised or restored
//     T window WxH | T window full           a window of its own of W x H pixels, or the
//                                            borderless window over the display
//
// KEY is one of Up Down Left Right Ctrl Shift Space F2 F3 F11 Escape Return Backspace Alt;
// BUTTON one of A B X Y Back Start Up Down Left Right (the last four the D-pad); AXIS LeftX
// or LeftY; VALUE from -32768 to 32767 (negative: left or up); PAD a number from 0 to
// MAX_SCRIPT_PAD, 0 when left out. Verbs and names are read without regard to case. Blank lines and
// lines whose first non-blank character is # are skipped. The file is UTF-8; typed text is kept as
// Latin-1. A script is hostile input: every malformed line is an error naming the file and line.
#pragma once

#include "platform/pad_keys.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class ScriptAction {
    Down,
    Up,
    Press,
    Type,
    Screenshot,
    Resize,
    Quit,
    PadDown,
    PadUp,
    PadPress,
    PadAxis,
    PadAttach,
    PadDetach,
    FocusOut,
    FocusIn,
    Minimise,
    Restore,
    WindowMode,
};

struct ScriptEvent {
    long call = 0; // 1 .. MAX_SCRIPT_CALL
    ScriptAction action = ScriptAction::Quit;
    int key = 0;               // a virtual-key code, for Down, Up and Press
    std::string text;          // Type: Latin-1 text; Screenshot: the path
    int width = 0, height = 0; // Resize; WindowMode (0 x 0 for full)
    int pad = 0;               // the Pad actions
    PadButton button = PadButton::A;
    PadAxis axis = PadAxis::LeftX;
    int value = 0; // PadAxis
    int line = 0;
};

constexpr long MAX_SCRIPT_CALL = 1000000000;
constexpr int MAX_SCRIPT_SIZE = 16384; // largest resize side, in pixels
constexpr int MAX_SCRIPT_PAD = 15;

struct Script {
    std::vector<ScriptEvent> events; // in file order
    // The largest call number named, 0 for a script without events.
    long lastCall() const;
};

// Parses script text; name is the file name used in messages. On the first malformed line
// returns false with error set to "NAME:LINE: what is wrong".
bool ParseScript(std::string_view text, std::string_view name, Script& script, std::string& error);

// Reads and parses the file at path; a file that cannot be read is an error too.
bool LoadScript(const std::string& path, Script& script, std::string& error);

// Reads a decimal number from minimum to maximum: digits only, no sign, no blanks.
bool ParseDecimal(std::string_view text, long minimum, long maximum, long& value);

// Reads WIDTHxHEIGHT, each side from 1 to MAX_SCRIPT_SIZE.
bool ParseSize(std::string_view text, int& width, int& height);

// The virtual-key code of a script KEY name, or 0 for an unknown name.
int ScriptKeyCode(std::string_view name);

} // namespace platform
