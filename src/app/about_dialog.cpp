#include "app/about_dialog.h"

#include "resources/about_texts.h"

namespace {

constexpr int ICON_CONTROL_ID = 128;
constexpr int VERSION_TEXT_ID = 1001;
constexpr int SECOND_LINE_ID = 1002;

platform::DialogTemplate makeLayout() {
    using Kind = platform::DialogControl::Kind;
    platform::DialogTemplate about;
    about.caption = ABOUT_CAPTION;
    about.width = 353; // 235 x 55 units
    about.height = 89;
    about.controls = {
        {Kind::Icon, ICON_CONTROL_ID, "", 16, 28, 32, 32},
        {Kind::Static, VERSION_TEXT_ID, ABOUT_VERSION_TEXT, 60, 16, 190, 14},
        {Kind::Static, SECOND_LINE_ID, ABOUT_SECOND_LINE, 60, 41, 200, 14},
        {Kind::Button, platform::IDOK, "OK", 267, 11, 75, 23},
    };
    return about;
}

} // namespace

AboutDialog::AboutDialog(platform::Dialog* parent) : platform::Dialog(&layout(), parent) {}

const platform::DialogTemplate& AboutDialog::layout() {
    static const platform::DialogTemplate about = makeLayout();
    return about;
}
