// The pad mapping on its own: which key each control gives, the stick's dead zone, two pads
// holding the same direction, a pad going away, the focus going, and presses meant for a
// dialog; and the pad's name entry: the alphabet and what each button does to the text.
#include "platform/dialog.h"
#include "platform/pad_entry.h"
#include "platform/pad_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// Actions as short words: "+38" key down, "-38" key up, "b6" a button for the dialog.
std::string text(const PadActions& actions) {
    std::string out;
    for (const PadAction& action : actions) {
        if (!out.empty())
            out += ' ';
        if (action.kind == PadAction::Kind::KeyDown)
            out += "+" + std::to_string(action.key);
        else if (action.kind == PadAction::Kind::KeyUp)
            out += "-" + std::to_string(action.key);
        else
            out += "b" + std::to_string(static_cast<int>(action.button));
    }
    return out;
}

TEST(PadKeys, EachButtonGivesItsKeyAndBGivesNone) {
    const struct {
        PadButton button;
        int key;
    } table[] = {
        {PadButton::A, VK_CONTROL}, {PadButton::Start, VK_SPACE}, {PadButton::Back, VK_F2},
        {PadButton::Y, VK_F3},      {PadButton::X, VK_SHIFT},     {PadButton::Up, VK_UP},
        {PadButton::Down, VK_DOWN}, {PadButton::Left, VK_LEFT},   {PadButton::Right, VK_RIGHT}};
    for (const auto& row : table) {
        PadKeys pads;
        const std::string key = std::to_string(row.key);
        EXPECT_EQ(text(pads.Button(0, row.button, true, true)), "+" + key);
        EXPECT_EQ(text(pads.Button(0, row.button, true, true)), "") << "a repeat is no press";
        EXPECT_EQ(text(pads.Button(0, row.button, false, true)), "-" + key);
    }
    PadKeys pads;
    EXPECT_EQ(text(pads.Button(0, PadButton::B, true, true)), "");
    EXPECT_EQ(text(pads.Button(0, PadButton::B, false, true)), "");
}

TEST(PadKeys, TheStickWalksOnlyPastTheDeadZoneAndLetsGoWhenItComesBack) {
    PadKeys pads;
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, -PAD_DEAD_ZONE, true)), "") << "at the edge";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, -PAD_DEAD_ZONE - 1, true)), "+38");
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, -30000, true)), "") << "still up";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftX, 20000, true)), "+39") << "a diagonal";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, 32767, true)), "-38 +40") << "up to down";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftX, PAD_AXIS_MIN, true)), "+37 -39");
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftX, 300, true)), "-37");
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, -200, true)), "-40");
}

TEST(PadKeys, StickAndDPadOfOnePadHoldTheKeyTogether) {
    PadKeys pads;
    EXPECT_EQ(text(pads.Button(0, PadButton::Up, true, true)), "+38");
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, -20000, true)), "");
    EXPECT_EQ(text(pads.Button(0, PadButton::Up, false, true)), "") << "the stick still holds it";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, 0, true)), "-38");
}

TEST(PadKeys, TwoPadsDoNotReleaseEachOthersKeys) {
    PadKeys pads;
    EXPECT_EQ(text(pads.Button(1, PadButton::Up, true, true)), "+38");
    EXPECT_EQ(text(pads.Button(2, PadButton::Up, true, true)), "+38") << "each press counts";
    EXPECT_EQ(text(pads.Button(1, PadButton::Up, false, true)), "") << "pad 2 still walks";
    EXPECT_EQ(text(pads.Button(1, PadButton::Up, false, true)), "");
    EXPECT_EQ(text(pads.Button(2, PadButton::Up, false, true)), "-38");
    EXPECT_EQ(text(pads.Button(2, PadButton::A, false, true)), "") << "nothing it pressed";
}

TEST(PadKeys, ADetachedPadReleasesWhatItHeldAndNothingElse) {
    PadKeys pads;
    pads.Button(1, PadButton::Left, true, true);
    pads.Button(1, PadButton::A, true, true);
    pads.Button(2, PadButton::Left, true, true);
    EXPECT_EQ(text(pads.Detach(1)), "-17") << "Left is still held by pad 2";
    EXPECT_EQ(text(pads.Detach(1)), "") << "already gone";
    EXPECT_EQ(text(pads.Detach(2)), "-37");
    EXPECT_EQ(text(pads.Button(1, PadButton::A, true, true)), "+17") << "a new pad 1 starts afresh";
}

TEST(PadKeys, LosingTheFocusReleasesEverythingAndHeldButtonsMustBePressedAgain) {
    PadKeys pads;
    pads.Button(0, PadButton::Up, true, true);
    pads.Axis(1, PadAxis::LeftX, 30000, true);
    EXPECT_EQ(text(pads.ReleaseAll()), "-38 -39");
    EXPECT_EQ(text(pads.ReleaseAll()), "");
    EXPECT_EQ(text(pads.Button(0, PadButton::Up, false, true)), "") << "released already";
    EXPECT_EQ(text(pads.Button(0, PadButton::Up, true, true)), "+38");
    EXPECT_EQ(text(pads.Axis(1, PadAxis::LeftX, 31000, true)), "") << "still the same lean";
}

TEST(PadKeys, PressesForADialogAreButtonsAndTheirReleasesGiveNoKeys) {
    PadKeys pads;
    EXPECT_EQ(text(pads.Button(0, PadButton::A, true, false)), "b0");
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, 20000, false)), "b7");
    EXPECT_EQ(text(pads.Button(0, PadButton::A, false, true)), "")
        << "the main window never saw it";
    EXPECT_EQ(text(pads.Axis(0, PadAxis::LeftY, 0, true)), "");
    EXPECT_EQ(text(pads.Button(0, PadButton::B, true, false)), "b1");
}

TEST(PadKeys, NamesAreReadInAnyCase) {
    PadButton button = PadButton::A;
    EXPECT_TRUE(PadButtonFromName("start", button));
    EXPECT_EQ(button, PadButton::Start);
    EXPECT_TRUE(PadButtonFromName("RIGHT", button));
    EXPECT_EQ(button, PadButton::Right);
    EXPECT_FALSE(PadButtonFromName("Guide", button));
    EXPECT_FALSE(PadButtonFromName("", button));
    PadAxis axis = PadAxis::LeftX;
    EXPECT_TRUE(PadAxisFromName("lefty", axis));
    EXPECT_EQ(axis, PadAxis::LeftY);
    EXPECT_FALSE(PadAxisFromName("RightX", axis));
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
    EXPECT_EQ(alphabet.front(), 'A');
}

TEST(PadEntry, UpAndDownChangeTheLastLetterAndWrapRound) {
    std::string name;
    EXPECT_EQ(EditWithPad(name, PadButton::Up), PadEdit::Changed);
    EXPECT_EQ(name, "A") << "an empty field gets the first letter";
    EditWithPad(name, PadButton::Up);
    EXPECT_EQ(name, "B");
    EditWithPad(name, PadButton::Down);
    EditWithPad(name, PadButton::Down);
    EXPECT_EQ(name, std::string(1, PadAlphabet().back())) << "down from the first wraps";
    EditWithPad(name, PadButton::Up);
    EXPECT_EQ(name, "A") << "up from the last wraps";
    name = "Bo~";
    EditWithPad(name, PadButton::Down);
    EXPECT_EQ(name, std::string("Bo") + PadAlphabet().back()) << "a typed sign outside it";
    name.clear();
    EditWithPad(name, PadButton::Down);
    EXPECT_EQ(name, std::string(1, PadAlphabet().back()));
}

TEST(PadEntry, RightAddsLeftAndBRemoveTheOthersAcceptCancelOrNothing) {
    std::string name = "Zo";
    EditWithPad(name, PadButton::Right);
    EXPECT_EQ(name, "ZoA");
    EditWithPad(name, PadButton::Left);
    EditWithPad(name, PadButton::B);
    EXPECT_EQ(name, "Z");
    EditWithPad(name, PadButton::B);
    EditWithPad(name, PadButton::Left);
    EXPECT_EQ(name, "") << "nothing to remove is no fault";
    name = "Ann";
    EXPECT_EQ(EditWithPad(name, PadButton::X), PadEdit::Changed);
    EXPECT_EQ(EditWithPad(name, PadButton::Y), PadEdit::Changed);
    EXPECT_EQ(name, "Ann");
    EXPECT_EQ(EditWithPad(name, PadButton::A), PadEdit::Accept);
    EXPECT_EQ(EditWithPad(name, PadButton::Start), PadEdit::Accept);
    EXPECT_EQ(EditWithPad(name, PadButton::Back), PadEdit::Cancel);
    EXPECT_EQ(name, "Ann");
}

} // namespace
} // namespace platform
