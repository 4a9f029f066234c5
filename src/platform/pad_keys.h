// Game controllers as the keys the game knows. One table maps each pad control to the key
// the main window gets for it (D-pad and left stick: arrows; A: Ctrl; Start: Space; Back:
// F2; Y: F3; X: Shift; B: none). The left stick counts as the D-pad once it leans past a
// dead zone. State is kept per pad: a direction held on two pads stays held until both let
// go, and a pad only ever releases keys it pressed itself. While a dialog other than the
// main window takes the input, a pad's presses go to that dialog as pad buttons instead.
// Pads are named by any int (SDL's instance id, a script's pad number).
#pragma once

#include "platform/dialog.h"

#include <array>
#include <bitset>
#include <string_view>
#include <vector>

namespace platform {

enum class PadAxis { LeftX, LeftY };

constexpr int PAD_AXIS_MIN = -32768;
constexpr int PAD_AXIS_MAX = 32767;
// How far the stick leans before it counts as a direction (a quarter of its travel):
// resting sticks drift, and a diagonal lean should give both of its directions.
constexpr int PAD_DEAD_ZONE = 8000;

// The key the main window gets for a pad button, or 0 for none.
int PadButtonKey(PadButton button);

// The script names of the buttons and axes ("A", "Start", "Up", "LeftX", ...), read
// without regard to case; false for an unknown name.
bool PadButtonFromName(std::string_view name, PadButton& button);
bool PadAxisFromName(std::string_view name, PadAxis& axis);

struct PadAction {
    enum class Kind {
        KeyDown, // key goes down in the main window
        KeyUp,   // key goes up in the main window
        Button,  // button was pressed for the active dialog (not the main window)
    };
    Kind kind = Kind::KeyDown;
    int key = 0;
    PadButton button = PadButton::A;
};

using PadActions = std::vector<PadAction>;

class PadKeys {
public:
    // A button or an axis of pad changed; mainActive says whether the main window takes
    // the input now. Returns what the change does, in order.
    PadActions Button(int pad, PadButton button, bool down, bool mainActive);
    PadActions Axis(int pad, PadAxis axis, int value, bool mainActive);
    // The pad is gone: every key it held goes up.
    PadActions Detach(int pad);
    // Every key the pads hold in the main window goes up (the window lost the focus); the
    // buttons still down must be let go and pressed again to count.
    PadActions ReleaseAll();

private:
    static constexpr size_t BUTTON_COUNT = 10;
    struct Pad {
        int id = 0;
        std::bitset<BUTTON_COUNT> buttons; // physically down
        int leftX = 0, leftY = 0;
        std::bitset<BUTTON_COUNT> held;     // buttons and stick directions, as last seen
        std::bitset<BUTTON_COUNT> pressing; // held buttons whose key went to the main window
    };
    Pad& pad(int id);
    PadActions update(Pad& pad, bool mainActive);
    void release(Pad& pad, size_t button, PadActions& actions);
    bool keyHeldElsewhere(const Pad& except, int key) const;

    std::vector<Pad> pads_;
};

} // namespace platform
