#include "overlay_test_canvas.h"

#include "platform/dialog.h"
#include "platform/main_window.h"
#include "platform/overlay.h"
#include "platform/overlay_dialog.h"
#include "platform/overlay_menu.h"
#include "platform/overlay_paint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::DialogControl;
using platform::DialogTemplate;
using platform::Rect;
using testcanvas::Box;
using testcanvas::Pixels;

constexpr int WIDTH = 320, HEIGHT = 200;
constexpr int FIELD_ID = 1001;

const DialogTemplate NAME{
    "Enter Your Name", 200, 40, true, {{DialogControl::Kind::Edit, FIELD_ID, "", 10, 8, 180, 24}}};

bool Inside(const Box& box, const Rect& rect) {
    return !box.empty() && box.left >= rect.left && box.right <= rect.right &&
           box.top >= rect.top && box.bottom <= rect.bottom;
}

Rect ControlRect(const DialogTemplate& dialogTemplate, size_t index) {
    const Rect body = platform::LayoutDialog(dialogTemplate, WIDTH, HEIGHT).body;
    const DialogControl& control = dialogTemplate.controls[index];
    return {body.left + control.x, body.top + control.y, body.left + control.x + control.width,
            body.top + control.y + control.height};
}

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(canvas.ok()); }

    // The game's frame (one flat colour) with the overlays of `view` drawn over it.
    Pixels Render(std::vector<const platform::Dialog*> dialogs,
                  const platform::MenuView* menu = nullptr, bool caret = true) {
        canvas.Clear(0.2f, 0.4f, 0.6f);
        platform::DrawOverlays({WIDTH, HEIGHT, std::move(dialogs), menu, caret});
        return canvas.Read();
    }

    static Box Changed(const Pixels& a, const Pixels& b) {
        return testcanvas::Difference(a, b, WIDTH);
    }

    testcanvas::Canvas canvas{WIDTH, HEIGHT};
};

TEST_F(OverlayTest, DialogIsCentredAndTheRestOfTheFrameIsUntouched) {
    const platform::Dialog dialog(&NAME);
    const Box box = Changed(Render({}), Render({&dialog}));
    EXPECT_NEAR(box.left, WIDTH - box.right, 1);
    EXPECT_NEAR(box.top, HEIGHT - box.bottom, 1);
    // The body is the template's size; the frame and caption bar come on top of it.
    EXPECT_GE(box.right - box.left, NAME.width);
    EXPECT_LE(box.right - box.left, NAME.width + 12);
    EXPECT_GE(box.bottom - box.top, NAME.height + 14);
    EXPECT_LE(box.bottom - box.top, NAME.height + 40);
}

TEST_F(OverlayTest, EditFieldShowsItsTextAndACaretAfterIt) {
    platform::Dialog dialog(&NAME);
    const Rect field = ControlRect(NAME, 0);
    const Pixels empty = Render({&dialog}, nullptr, false);
    dialog.SetDlgItemText(FIELD_ID, "Jo");
    const Pixels named = Render({&dialog}, nullptr, false);
    const Box text = Changed(empty, named);
    EXPECT_TRUE(Inside(text, field));
    EXPECT_LT(text.left, field.left + 8);

    const Box caret = Changed(named, Render({&dialog}));
    EXPECT_TRUE(Inside(caret, field));
    EXPECT_EQ(caret.right - caret.left, 1);
    EXPECT_GE(caret.bottom - caret.top, 10);
    EXPECT_GE(caret.left, text.right);
    EXPECT_LE(caret.left, text.right + 3);

    // A name too long for the field scrolls: its end and the caret stay inside.
    dialog.SetDlgItemText(FIELD_ID, std::string(60, 'W') + "\xe9");
    const Pixels longName = Render({&dialog}, nullptr, false);
    const Box longCaret = Changed(longName, Render({&dialog}));
    EXPECT_TRUE(Inside(Changed(empty, longName),
                       {field.left + 2, field.top + 2, field.right - 2, field.bottom - 2}));
    EXPECT_TRUE(Inside(longCaret, field));
    EXPECT_GT(longCaret.left, field.right - 20);
}

TEST_F(OverlayTest, TheIconControlShowsTheWindowIconPixelForPixelScaledWhole) {
    // A 4 x 2 icon: opaque colours, a clear pixel and a half-clear one that is left out.
    const std::vector<uint32_t> icon{0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0x00FFFFFF,
                                     0xFF00FF00, 0x7F0000FF, 0xFF0000FF, 0xFF000000};
    const DialogTemplate about{
        "About", 100, 40, true, {{DialogControl::Kind::Icon, 128, "", 10, 5, 9, 5}}};
    const platform::Dialog dialog(&about);
    const Pixels before = Render({&dialog});
    platform::mainwindow::SetIcon(icon.data(), 4, 2);
    const Pixels pixels = Render({&dialog});
    platform::mainwindow::Close(); // forgets the icon again

    const Rect area = ControlRect(about, 0);
    const int scale = 2; // the largest whole factor for 4 x 2 in 9 x 5
    EXPECT_TRUE(Inside(Changed(before, pixels),
                       {area.left, area.top, area.left + 4 * scale, area.top + 2 * scale}));
    for (int y = 0; y < 2 * scale; ++y)
        for (int x = 0; x < 4 * scale; ++x) {
            const size_t at = size_t(area.top + y) * WIDTH + size_t(area.left + x);
            const uint32_t source = icon[size_t(y / scale) * 4 + size_t(x / scale)];
            EXPECT_EQ(pixels[at], source >= 0x80000000 ? source : before[at]) << x << "," << y;
        }
}

TEST_F(OverlayTest, MenuIsAtTheTopLeftWithTheSelectedItemHighlighted) {
    platform::MenuView menu{{"&Restore", "&Close\tAlt+F4", "", "&About MunchoraR..."}, 0};
    const Box box = Changed(Render({}), Render({}, &menu));
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);

    const platform::MenuLayout layout = platform::LayoutMenu(menu, platform::GetUiFonts().regular);
    const platform::Rgb highlight = platform::palette::HIGHLIGHT;
    const uint32_t highlighted = 0xFF000000 | uint32_t(highlight.b * 255 + 0.5f) << 16 |
                                 uint32_t(highlight.g * 255 + 0.5f) << 8 |
                                 uint32_t(highlight.r * 255 + 0.5f);
    for (const int selected : {0, 3}) {
        menu.selected = selected;
        const Pixels pixels = Render({}, &menu);
        std::vector<int> rows; // rows in the selection colour, looked at in column 40
        for (int y = 0; y < HEIGHT; ++y)
            if (pixels[size_t(y) * WIDTH + 40] == highlighted)
                rows.push_back(y);
        ASSERT_FALSE(rows.empty()) << selected;
        EXPECT_EQ(rows.front(), layout.items[size_t(selected)].top) << selected;
        EXPECT_EQ(rows.back(), layout.items[size_t(selected)].bottom - 1) << selected;
    }
}

TEST_F(OverlayTest, MnemonicMarkerIsHiddenAndItsLetterUnderlined) {
    const platform::MenuView plain{{"About"}, 1}, marked{{"&About"}, 1};
    const Box underline = Changed(Render({}, &plain), Render({}, &marked));
    EXPECT_EQ(underline.bottom - underline.top, 1);
    EXPECT_GE(underline.right - underline.left, 5); // as wide as the 'A'
    EXPECT_LE(underline.right - underline.left, 12);
}

TEST(MnemonicTest, AmpersandMarksTheLetterAfterIt) {
    const struct {
        const char *label, *shown;
        int underlined;
    } cases[] = {
        {"&About", "About", 0},
        {"Mi&nimize", "Minimize", 2},
        {"Salt && Pepper", "Salt & Pepper", -1},
        {"A&&B &Copy", "A&B Copy", 4},
        {"Trailing&", "Trailing", -1},
        {"&One &Two", "One Two", 0},
    };
    for (const auto& c : cases) {
        const platform::MnemonicText text = platform::StripMnemonic(c.label);
        EXPECT_EQ(text.shown, c.shown) << c.label;
        EXPECT_EQ(text.underlined, c.underlined) << c.label;
    }
}

} // namespace
