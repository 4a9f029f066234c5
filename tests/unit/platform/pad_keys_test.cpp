// The pad mapping on its own: a held control gives one key-down, the stick's dead zone, two
// pads holding the same direction, a pad going away, the focus going, and presses meant for
// a dialog; and the pad's name entry: the alphabet and what each button does to the text.
#include "platform/dialog.h"
#include "platform/pad_entry.h"
#include "platform/pad_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

using enum PadButton;
using enum PadAxis;

// What the pads give, as short words: "+38" key down, "-38" key up, "b6" a dialog button.
class PadKeysTest : public ::testing::Test {
protected:
    static std::string text(const PadActions& actions) {
        std::string out;
        for (const PadAction& a : actions)
            out += (out.empty() ? "" : " ") +
                   (a.kind == PadAction::Kind::Button
                        ? "b" + std::to_string(static_cast<int>(a.button))
                        : (a.kind == PadAction::Kind::KeyDown ? "+" : "-") + std::to_string(a.key));
        return out;
    }
    // toMain: the main window has the keys, not a dialog.
    std::string down(int pad, PadButton button, bool toMain = true) {
        return text(pads.Button(pad, button, true, toMain));
    }
    std::string up(int pad, PadButton b) { return text(pads.Button(pad, b, false, true)); }
    std::string lean(int pad, PadAxis axis, int value, bool toMain = true) {
        return text(pads.Axis(pad, axis, value, toMain));
    }

    PadKeys pads;
};

TEST_F(PadKeysTest, TheStickWalksOnlyPastTheDeadZoneAndLetsGoWhenItComesBack) {
    EXPECT_EQ(lean(0, LeftY, -PAD_DEAD_ZONE), "") << "at the edge";
    EXPECT_EQ(lean(0, LeftY, -PAD_DEAD_ZONE - 1), "+38");
    EXPECT_EQ(lean(0, LeftY, -30000), "") << "still up";
    EXPECT_EQ(lean(0, LeftX, 20000), "+39") << "a diagonal";
    EXPECT_EQ(lean(0, LeftY, 32767), "-38 +40") << "up to down";
    EXPECT_EQ(lean(0, LeftX, PAD_AXIS_MIN), "+37 -39");
    EXPECT_EQ(lean(0, LeftX, 300), "-37");
    EXPECT_EQ(lean(0, LeftY, -200), "-40");
}

// A key goes up when the last control holding it lets go: the stick and the D-pad of one
// pad, several pads, or a pad going away with what it held.
TEST_F(PadKeysTest, AKeyIsHeldWhileAnyControlOfAnyPadHoldsIt) {
    EXPECT_EQ(down(0, Up), "+38");
    EXPECT_EQ(lean(0, LeftY, -20000), "");
    EXPECT_EQ(up(0, Up), "") << "the stick still holds it";
    EXPECT_EQ(down(2, Up), "+38") << "each pad's press counts";
    EXPECT_EQ(lean(0, LeftY, 0), "") << "pad 2 still walks";
    EXPECT_EQ(up(0, Up), "") << "released already";
    EXPECT_EQ(up(2, A), "") << "nothing it pressed";
    EXPECT_EQ(down(1, A), "+17");
    EXPECT_EQ(text(pads.Detach(2)), "-38");
    EXPECT_EQ(text(pads.Detach(2)), "") << "already gone";
    EXPECT_EQ(down(2, A), "+17") << "a new pad 2 starts afresh";
    EXPECT_EQ(text(pads.Detach(1)), "") << "A is still held by pad 2";
    EXPECT_EQ(up(2, A), "-17");
}

// A repeat is no second press, and B gives no key.
TEST_F(PadKeysTest, LosingTheFocusReleasesEverythingAndHeldButtonsMustBePressedAgain) {
    down(0, Up);
    lean(1, LeftX, 30000);
    EXPECT_EQ(text(pads.ReleaseAll()), "-38 -39");
    EXPECT_EQ(text(pads.ReleaseAll()), "");
    EXPECT_EQ(up(0, Up), "") << "released already";
    EXPECT_EQ(down(0, Up), "+38");
    EXPECT_EQ(down(0, Up), "");
    EXPECT_EQ(lean(1, LeftX, 31000), "") << "still the same lean";
    EXPECT_EQ(down(0, B) + up(0, B), "");
}

TEST_F(PadKeysTest, PressesForADialogAreButtonsAndTheirReleasesGiveNoKeys) {
    EXPECT_EQ(down(0, A, false), "b0");
    EXPECT_EQ(lean(0, LeftY, 20000, false), "b7");
    EXPECT_EQ(up(0, A), "") << "the main window never saw it";
    EXPECT_EQ(lean(0, LeftY, 0), "");
    EXPECT_EQ(down(0, B, false), "b1");
}

TEST(PadEntry, TheAlphabetHasEveryKindOfLetterOnceAndOnlyDrawableOnes) {
    const std::string_view alphabet = PadAlphabet();
    for (char c : std::string_view("AZaz09 ")) // capitals, small letters, digits, space
        EXPECT_NE(alphabet.find(c), std::string_view::npos) << c;
    for (unsigned char c : {0xC0, 0xC9, 0xD1, 0xDF, 0xE9, 0xF1, 0xFE}) // À É Ñ ß é ñ þ
        EXPECT_NE(alphabet.find(char(c)), std::string_view::npos) << int(c);
    for (unsigned char c : {0xD7, 0xF7, 0xFF, 0x00, 0x09}) // × ÷, no glyph, controls
        EXPECT_EQ(alphabet.find(char(c)), std::string_view::npos) << int(c);
    for (size_t i = 0; i < alphabet.size(); ++i)
        EXPECT_EQ(alphabet.find(alphabet[i]), i) << "each letter once: " << i;
}

TEST(PadEntry, EachButtonEditsTheLastLetterOrEndsTheEntry) {
    const std::string last(1, PadAlphabet().back());
    const struct {
        std::string before;
        PadButton button;
        std::string after;
        PadEdit result = PadEdit::Changed;
    } cases[] = {
        {"", Up, "A"},     // an empty field gets the first letter
        {"A", Down, last}, // wraps round, both ways
        {last, Up, "A"},
        {"", Down, last},
        {"Bo~", Down, "Bo" + last}, // a typed sign outside the alphabet
        {"Zo", Right, "ZoA"},
        {"ZoA", Left, "Zo"},
        {"Zo", B, "Z"},
        {"", B, ""}, // nothing to remove is no fault
        {"", Left, ""},
        {"Ann", X, "Ann"},
        {"Ann", A, "Ann", PadEdit::Accept},
        {"Ann", Start, "Ann", PadEdit::Accept},
        {"Ann", Back, "Ann", PadEdit::Cancel},
    };
    for (const auto& c : cases) {
        std::string name = c.before;
        EXPECT_EQ(EditWithPad(name, c.button), c.result) << c.before << " " << int(c.button);
        EXPECT_EQ(name, c.after) << c.before << " " << int(c.button);
    }
}

} // namespace
} // namespace platform
