// Pad name entry; see pad_entry.h.
#include "platform/pad_entry.h"

namespace platform {

namespace {

// The one alphabet table. Codes 0xD7 and 0xF7 (times and divide) are signs, not letters;
// 0xFF has no glyph in the game's font.
constexpr std::string_view ALPHABET =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "abcdefghijklmnopqrstuvwxyz"
    "0123456789"
    " .-'!?&"
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6"
    "\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF"
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6"
    "\xF8\xF9\xFA\xFB\xFC\xFD\xFE";

// The letter step places from letter along the alphabet; a letter outside it (typed on a
// keyboard) counts as just before the first one, so up gives the first letter and down the
// last.
char stepLetter(char letter, int step) {
    const size_t at = ALPHABET.find(letter);
    if (at == std::string_view::npos)
        return step > 0 ? ALPHABET.front() : ALPHABET.back();
    const long size = long(ALPHABET.size());
    return ALPHABET[size_t((long(at) + step % size + size) % size)];
}

void changeLast(std::string& text, int step) {
    if (text.empty())
        text.push_back(step > 0 ? ALPHABET.front() : ALPHABET.back());
    else
        text.back() = stepLetter(text.back(), step);
}

} // namespace

std::string_view PadAlphabet() {
    return ALPHABET;
}

PadEdit EditWithPad(std::string& text, PadButton button) {
    switch (button) {
    case PadButton::Up:
        changeLast(text, 1);
        break;
    case PadButton::Down:
        changeLast(text, -1);
        break;
    case PadButton::Right:
        text.push_back(ALPHABET.front());
        break;
    case PadButton::Left:
    case PadButton::B:
        if (!text.empty())
            text.pop_back();
        break;
    case PadButton::A:
    case PadButton::Start:
        return PadEdit::Accept;
    case PadButton::Back:
        return PadEdit::Cancel;
    case PadButton::X:
    case PadButton::Y:
        break;
    }
    return PadEdit::Changed;
}

} // namespace platform
