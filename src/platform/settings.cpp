// The settings file; see settings.h.
#include "platform/settings.h"

#include "platform/script.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {

namespace {

// A settings file is a few lines; anything longer is not ours and only the start is read.
constexpr std::streamsize MAX_SETTINGS_BYTES = 65536;

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

void readSide(std::string_view value, int& side) {
    long number = 0;
    if (ParseDecimal(value, MIN_WINDOW_SIDE, MAX_SCRIPT_SIZE, number))
        side = int(number);
}

void readLine(std::string_view line, bool inWindow, Settings& settings) {
    const size_t equals = line.find('=');
    if (!inWindow || equals == std::string_view::npos)
        return;
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (key == "mode" && (value == "window" || value == "full"))
        settings.windowed = value == "window";
    else if (key == "width")
        readSide(value, settings.windowWidth);
    else if (key == "height")
        readSide(value, settings.windowHeight);
}

} // namespace

Settings ParseSettings(std::string_view text) {
    Settings settings;
    bool inWindow = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.front() == '[')
            inWindow = line == "[window]";
        else
            readLine(line, inWindow, settings);
    }
    return settings;
}

std::string FormatSettings(const Settings& settings) {
    return "[window]\nmode=" + std::string(settings.windowed ? "window" : "full") +
           "\nwidth=" + std::to_string(settings.windowWidth) +
           "\nheight=" + std::to_string(settings.windowHeight) + "\n";
}

std::string SettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (config && std::filesystem::path(config).is_absolute()) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home)
            return {};
        folder = std::filesystem::path(home) / ".config";
    }
    return (folder / "munchora" / "settings.ini").string();
}

Settings LoadSettings(const std::string& path) {
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored))
        return {};
    std::ifstream in(path, std::ios::binary);
    std::string text(size_t(MAX_SETTINGS_BYTES), '\0');
    in.read(text.data(), MAX_SETTINGS_BYTES);
    text.resize(size_t(in.gcount()));
    return ParseSettings(text);
}

void SaveSettings(const std::string& path, const Settings& settings) {
    if (path.empty())
        return;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << FormatSettings(settings);
    out.flush();
    if (!out)
        std::fprintf(stderr, "munchora: cannot save the settings in %s\n", path.c_str());
}

} // namespace platform
