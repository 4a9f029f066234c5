// The player's own settings, kept between runs in $XDG_CONFIG_HOME/munchora/settings.ini
// (~/.config/munchora/settings.ini when the variable is unset or not absolute): whether the
// game runs in a window of its own and that window's size, in pixels.
//
//     [window]
//     mode=window        (or full: the borderless window over the display)
//     width=1280
//     height=720
//
// The file is hostile input: a missing, empty, unreadable or broken file, unknown keys and
// values out of range all leave the defaults in place, and nothing about it is ever fatal.
// Headless runs never read nor write it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

constexpr int MIN_WINDOW_SIDE = 64;
constexpr int DEFAULT_WINDOW_WIDTH = 1280;
constexpr int DEFAULT_WINDOW_HEIGHT = 720;

struct Settings {
    bool windowed = false;
    int windowWidth = DEFAULT_WINDOW_WIDTH; // MIN_WINDOW_SIDE .. MAX_SCRIPT_SIZE
    int windowHeight = DEFAULT_WINDOW_HEIGHT;
    bool operator==(const Settings&) const = default;
};

// Reads the text of a settings file; what it cannot use keeps its default.
Settings ParseSettings(std::string_view text);
std::string FormatSettings(const Settings& settings);

// Where the settings live for this user; empty when neither XDG_CONFIG_HOME nor HOME says.
std::string SettingsPath();

// Reads the file at path (defaults when it cannot); writes it, making its folder. A failure
// to write is said on standard error and otherwise ignored.
Settings LoadSettings(const std::string& path);
void SaveSettings(const std::string& path, const Settings& settings);

} // namespace platform
