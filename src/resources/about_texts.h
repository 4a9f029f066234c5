// The program's fixed texts: its name (the caption of its message boxes), the window menu's
// About item and the About box's lines.
#pragma once

constexpr const char* APP_NAME = "Munchora";
constexpr const char* ABOUT_MENU_TEXT = "&About MunchoraR...";
constexpr const char* ABOUT_CAPTION = "About Munchora";
constexpr const char* ABOUT_VERSION_TEXT = "Munchora Version 1.0";
constexpr const char* ABOUT_SECOND_LINE = "Eat every apple, dodge the five.";
