// Name entry with a game controller: the pad edits an edit field in place. The cursor is on
// the field's last letter: up and down change it through one alphabet (wrapping round),
// right adds a letter after it, left or B removes it, A or Start accepts the field (as
// Return) and Back cancels (as Escape). Text is Latin-1, one byte a character.
#pragma once

#include "platform/dialog.h"

#include <string>
#include <string_view>

namespace platform {

// The letters the pad offers, in order: capitals, small letters, digits, space, a few
// signs, and the Latin-1 letters the game's font draws.
std::string_view PadAlphabet();

enum class PadEdit {
    Changed, // the text was edited (or left as it was, for a key with nothing to do)
    Accept,  // the field is accepted as it stands
    Cancel,  // the dialog is cancelled
};

// Applies one pad button to text.
PadEdit EditWithPad(std::string& text, PadButton button);

} // namespace platform
