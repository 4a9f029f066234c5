// Pad controls to keys; see pad_keys.h.
#include "platform/pad_keys.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

struct ButtonInfo {
    PadButton button;
    std::string_view name;
    int key; // in the main window, 0 for none
};

// The one mapping table of pad buttons to the game's keys.
constexpr std::array<ButtonInfo, 10> BUTTONS{{
    {PadButton::A, "A", VK_CONTROL},
    {PadButton::B, "B", 0},
    {PadButton::X, "X", VK_SHIFT},
    {PadButton::Y, "Y", VK_F3},
    {PadButton::Back, "Back", VK_F2},
    {PadButton::Start, "Start", VK_SPACE},
    {PadButton::Up, "Up", VK_UP},
    {PadButton::Down, "Down", VK_DOWN},
    {PadButton::Left, "Left", VK_LEFT},
    {PadButton::Right, "Right", VK_RIGHT},
}};

constexpr bool tableInButtonOrder() {
    for (size_t i = 0; i < BUTTONS.size(); ++i)
        if (static_cast<size_t>(BUTTONS[i].button) != i)
            return false;
    return true;
}
static_assert(tableInButtonOrder(), "BUTTONS is indexed by PadButton");

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

size_t indexOf(PadButton button) {
    return static_cast<size_t>(button);
}

} // namespace

int PadButtonKey(PadButton button) {
    return BUTTONS[indexOf(button)].key;
}

bool PadButtonFromName(std::string_view name, PadButton& button) {
    for (const ButtonInfo& info : BUTTONS)
        if (sameWord(info.name, name)) {
            button = info.button;
            return true;
        }
    return false;
}

bool PadAxisFromName(std::string_view name, PadAxis& axis) {
    if (sameWord(name, "LeftX"))
        axis = PadAxis::LeftX;
    else if (sameWord(name, "LeftY"))
        axis = PadAxis::LeftY;
    else
        return false;
    return true;
}

PadKeys::Pad& PadKeys::pad(int id) {
    for (Pad& known : pads_)
        if (known.id == id)
            return known;
    pads_.push_back(Pad{});
    pads_.back().id = id;
    return pads_.back();
}

PadActions PadKeys::Button(int id, PadButton button, bool down, bool mainActive) {
    Pad& p = pad(id);
    p.buttons[indexOf(button)] = down;
    return update(p, mainActive);
}

PadActions PadKeys::Axis(int id, PadAxis axis, int value, bool mainActive) {
    Pad& p = pad(id);
    (axis == PadAxis::LeftX ? p.leftX : p.leftY) = value;
    return update(p, mainActive);
}

PadActions PadKeys::Detach(int id) {
    PadActions actions;
    for (size_t i = 0; i < pads_.size(); ++i) {
        if (pads_[i].id != id)
            continue;
        for (size_t button = 0; button < BUTTON_COUNT; ++button)
            release(pads_[i], button, actions);
        pads_.erase(pads_.begin() + long(i));
        break;
    }
    return actions;
}

PadActions PadKeys::ReleaseAll() {
    PadActions actions;
    for (Pad& p : pads_)
        for (size_t button = 0; button < BUTTON_COUNT; ++button)
            release(p, button, actions);
    return actions;
}

// Stick up is negative, as on every pad SDL knows.
PadActions PadKeys::update(Pad& p, bool mainActive) {
    std::bitset<BUTTON_COUNT> now = p.buttons;
    now[indexOf(PadButton::Left)] = now[indexOf(PadButton::Left)] || p.leftX < -PAD_DEAD_ZONE;
    now[indexOf(PadButton::Right)] = now[indexOf(PadButton::Right)] || p.leftX > PAD_DEAD_ZONE;
    now[indexOf(PadButton::Up)] = now[indexOf(PadButton::Up)] || p.leftY < -PAD_DEAD_ZONE;
    now[indexOf(PadButton::Down)] = now[indexOf(PadButton::Down)] || p.leftY > PAD_DEAD_ZONE;
    PadActions actions;
    for (size_t i = 0; i < BUTTON_COUNT; ++i) {
        if (now[i] == p.held[i])
            continue;
        p.held[i] = now[i];
        if (!now[i]) {
            release(p, i, actions);
            continue;
        }
        const ButtonInfo& info = BUTTONS[i];
        if (!mainActive) {
            actions.push_back({PadAction::Kind::Button, 0, info.button});
        } else if (info.key != 0) {
            p.pressing[i] = true;
            actions.push_back({PadAction::Kind::KeyDown, info.key, info.button});
        }
    }
    return actions;
}

void PadKeys::release(Pad& p, size_t button, PadActions& actions) {
    if (!p.pressing[button])
        return;
    p.pressing[button] = false;
    const int key = BUTTONS[button].key;
    if (!keyHeldElsewhere(p, key))
        actions.push_back({PadAction::Kind::KeyUp, key, BUTTONS[button].button});
}

bool PadKeys::keyHeldElsewhere(const Pad& except, int key) const {
    for (const Pad& p : pads_)
        for (size_t i = 0; i < BUTTON_COUNT; ++i)
            if (&p != &except && p.pressing[i] && BUTTONS[i].key == key)
                return true;
    return false;
}

} // namespace platform
