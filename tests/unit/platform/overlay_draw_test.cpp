#include "overlay_test_canvas.h"

#include "platform/dialog.h"
#include "platform/overlay.h"
#include "platform/overlay_dialog.h"
#include "platform/overlay_menu.h"
#include "platform/overlay_paint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::DialogControl;
using platform::DialogTemplate;
using testcanvas::Box;
using testcanvas::Canvas;
using testcanvas::Rgba;

constexpr int WIDTH = 320, HEIGHT = 200;
constexpr int NAME_FIELD = 1001;

DialogTemplate NameTemplate() {
    return {"Enter Your Name",
            200,
            40,
            true,
            {{DialogControl::Kind::Edit, NAME_FIELD, "", 10, 8, 180, 24}}};
}

bool Inside(const Box& box, const platform::Rect& rect) {
    return box.left >= rect.left && box.right <= rect.right && box.top >= rect.top &&
           box.bottom <= rect.bottom;
}

platform::Rect ControlRect(const platform::DialogLayout& layout, const DialogControl& control) {
    return {layout.body.left + control.x, layout.body.top + control.y,
            layout.body.left + control.x + control.width,
            layout.body.top + control.y + control.height};
}

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(canvas.ok()); }

    // The frame the game would present, with the overlays of `view` drawn over it.
    std::vector<uint32_t> Render(platform::OverlayView view) {
        canvas.Clear(0.2f, 0.4f, 0.6f);
        view.width = WIDTH;
        view.height = HEIGHT;
        platform::DrawOverlays(view);
        return canvas.Read();
    }

    std::vector<uint32_t> RenderDialog(const platform::Dialog& dialog, bool caret) {
        return Render({0, 0, {&dialog}, nullptr, caret});
    }

    std::vector<uint32_t> RenderMenu(const platform::MenuView& menu) {
        return Render({0, 0, {}, &menu, true});
    }

    Box Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
        return testcanvas::Difference(a, b, WIDTH);
    }

    Canvas canvas{WIDTH, HEIGHT};
};

TEST_F(OverlayTest, DialogIsCentredAndTheRestOfTheFrameIsUntouched) {
    const DialogTemplate nameTemplate = NameTemplate();
    const platform::Dialog dialog(&nameTemplate);
    const std::vector<uint32_t> plain = Render({});
    const Box box = Changed(plain, RenderDialog(dialog, true));
    ASSERT_FALSE(box.empty());
    EXPECT_NEAR(box.left, WIDTH - box.right, 1);
    EXPECT_NEAR(box.top, HEIGHT - box.bottom, 1);
    // The body is the template's size; frame and caption bar come on top of it.
    EXPECT_GE(box.right - box.left, nameTemplate.width);
    EXPECT_LE(box.right - box.left, nameTemplate.width + 12);
    EXPECT_GE(box.bottom - box.top, nameTemplate.height + 14);
    EXPECT_LE(box.bottom - box.top, nameTemplate.height + 40);
    const platform::DialogLayout layout = platform::LayoutDialog(nameTemplate, WIDTH, HEIGHT);
    EXPECT_EQ(box.left, layout.frame.left);
    EXPECT_EQ(box.top, layout.frame.top);
    EXPECT_EQ(box.right, layout.frame.right);
    EXPECT_EQ(box.bottom, layout.frame.bottom);
}

TEST_F(OverlayTest, HiddenDialogIsNotDrawn) {
    DialogTemplate hidden = NameTemplate();
    hidden.visible = false;
    const platform::Dialog dialog(&hidden);
    EXPECT_TRUE(Changed(Render({}), RenderDialog(dialog, true)).empty());
}

TEST_F(OverlayTest, EditFieldShowsItsTextAndACaretAfterIt) {
    const DialogTemplate nameTemplate = NameTemplate();
    platform::Dialog dialog(&nameTemplate);
    const platform::Rect field =
        ControlRect(platform::LayoutDialog(nameTemplate, WIDTH, HEIGHT), nameTemplate.controls[0]);
    const std::vector<uint32_t> empty = RenderDialog(dialog, false);
    dialog.SetDlgItemText(NAME_FIELD, "Jo");
    const std::vector<uint32_t> named = RenderDialog(dialog, false);
    const Box text = Changed(empty, named);
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(Inside(text, field));
    EXPECT_LT(text.left, field.left + 8); // text starts at the field's left

    const Box caret = Changed(named, RenderDialog(dialog, true));
    ASSERT_FALSE(caret.empty());
    EXPECT_TRUE(Inside(caret, field));
    EXPECT_EQ(caret.right - caret.left, 1);
    EXPECT_GE(caret.bottom - caret.top, 10);
    EXPECT_GE(caret.left, text.right);
    EXPECT_LE(caret.left, text.right + 3);
}

TEST_F(OverlayTest, LongNameScrollsSoItsEndAndTheCaretStayInTheField) {
    const DialogTemplate nameTemplate = NameTemplate();
    platform::Dialog dialog(&nameTemplate);
    const platform::Rect field =
        ControlRect(platform::LayoutDialog(nameTemplate, WIDTH, HEIGHT), nameTemplate.controls[0]);
    const std::vector<uint32_t> empty = RenderDialog(dialog, false);
    dialog.SetDlgItemText(NAME_FIELD, std::string(60, 'W') + "\xe9");
    const std::vector<uint32_t> named = RenderDialog(dialog, false);
    const Box caret = Changed(named, RenderDialog(dialog, true));
    EXPECT_TRUE(Inside(Changed(empty, named), platform::Rect{field.left + 2, field.top + 2,
                                                             field.right - 2, field.bottom - 2}));
    ASSERT_FALSE(caret.empty());
    EXPECT_TRUE(Inside(caret, field));
    EXPECT_GT(caret.left, field.right - 20);
}

TEST_F(OverlayTest, OnlyTheTopmostDialogShowsTheCaret) {
    const DialogTemplate nameTemplate = NameTemplate();
    DialogTemplate lower = NameTemplate();
    lower.width = 300;
    lower.height = 150;
    lower.controls[0].y = 110;
    const platform::Dialog below(&lower), above(&nameTemplate);
    const platform::Rect field =
        ControlRect(platform::LayoutDialog(nameTemplate, WIDTH, HEIGHT), nameTemplate.controls[0]);
    const Box caret = Changed(Render({0, 0, {&below, &above}, nullptr, false}),
                              Render({0, 0, {&below, &above}, nullptr, true}));
    ASSERT_FALSE(caret.empty());
    EXPECT_TRUE(Inside(caret, field));
}

TEST_F(OverlayTest, IconIsAnAppleInItsControl) {
    DialogTemplate about{"About Munchora", 240, 60, true, {}};
    const platform::Dialog plainDialog(&about);
    const std::vector<uint32_t> plain = RenderDialog(plainDialog, false);
    about.controls = {{DialogControl::Kind::Icon, 128, "", 12, 14, 32, 32}};
    const platform::Dialog iconDialog(&about);
    const std::vector<uint32_t> withIcon = RenderDialog(iconDialog, false);
    const Box icon = Changed(plain, withIcon);
    ASSERT_FALSE(icon.empty());
    const platform::Rect rect =
        ControlRect(platform::LayoutDialog(about, WIDTH, HEIGHT), about.controls[0]);
    EXPECT_TRUE(Inside(icon, rect));
    EXPECT_GT(icon.right - icon.left, 24);
    int red = 0;
    for (uint32_t pixel : withIcon) {
        const uint8_t* rgba = reinterpret_cast<const uint8_t*>(&pixel);
        red += rgba[0] > 150 && rgba[1] < 60 && rgba[2] < 60;
    }
    EXPECT_GT(red, 32 * 32 / 3);
}

// Rows of the menu painted in the selection colour.
std::vector<int> HighlightRows(const std::vector<uint32_t>& pixels) {
    const platform::Rgb highlight = platform::palette::HIGHLIGHT;
    const uint32_t color = Rgba(int(highlight.r * 255 + 0.5f), int(highlight.g * 255 + 0.5f),
                                int(highlight.b * 255 + 0.5f));
    std::vector<int> rows;
    for (int y = 0; y < HEIGHT; ++y)
        if (pixels[size_t(y) * WIDTH + 40] == color)
            rows.push_back(y);
    return rows;
}

TEST_F(OverlayTest, MenuIsAtTheTopLeftWithTheSelectedItemHighlighted) {
    platform::MenuView menu{{"&Restore", "&Close\tAlt+F4", "", "&About MunchoraR..."}, 0};
    const std::vector<uint32_t> first = RenderMenu(menu);
    const Box box = Changed(Render({}), first);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);

    const platform::MenuLayout layout = platform::LayoutMenu(menu, platform::GetUiFonts().regular);
    for (const int selected : {0, 3}) {
        menu.selected = selected;
        const std::vector<int> rows = HighlightRows(RenderMenu(menu));
        ASSERT_FALSE(rows.empty()) << selected;
        EXPECT_EQ(rows.front(), layout.items[size_t(selected)].top) << selected;
        EXPECT_EQ(rows.back(), layout.items[size_t(selected)].bottom - 1) << selected;
    }
}

TEST_F(OverlayTest, MnemonicMarkerIsHiddenAndItsLetterUnderlined) {
    const std::vector<uint32_t> plain = RenderMenu({{"About"}, 1});
    const Box underline = Changed(plain, RenderMenu({{"&About"}, 1}));
    ASSERT_FALSE(underline.empty());
    EXPECT_EQ(underline.bottom - underline.top, 1);
    EXPECT_GE(underline.right - underline.left, 5); // as wide as the 'A'
    EXPECT_LE(underline.right - underline.left, 12);
}

TEST(MnemonicTest, AmpersandMarksTheLetterAfterIt) {
    const struct {
        const char* label;
        const char* shown;
        int underlined;
    } cases[] = {
        {"&About", "About", 0},
        {"Mi&nimize", "Minimize", 2},
        {"Salt && Pepper", "Salt & Pepper", -1},
        {"A&&B &Copy", "A&B Copy", 4},
        {"Trailing&", "Trailing", -1},
        {"Plain", "Plain", -1},
        {"&One &Two", "One Two", 0},
    };
    for (const auto& c : cases) {
        const platform::MnemonicText text = platform::StripMnemonic(c.label);
        EXPECT_EQ(text.shown, c.shown) << c.label;
        EXPECT_EQ(text.underlined, c.underlined) << c.label;
    }
}

} // namespace
