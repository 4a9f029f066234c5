// The settings file: what a good file says, what a broken one leaves at its defaults, the
// round trip through the file, and where it lives for the user.
#include "platform/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace platform {
namespace {

using namespace std::string_literals;

TEST(Settings, ReadsTheWindowSectionAndKeepsTheDefaultOfWhatCannotBeUsed) {
    const Settings defaults, window{true, 800, 600};
    const struct {
        std::string text;
        Settings settings;
    } cases[] = {
        {"# mine\n[window]\r\n  mode = window \nwidth=800\nheight=600\n[other]\nmode=full\n",
         window},
        {"[window]\nwidth=abc\nheight=480\nmode=fullish\n", {false, 1280, 480}}, // one good
        {"[window]\nwidth=64\nheight=16384\n", {false, 64, 16384}},
        {"", defaults},
        {"mode=window\nwidth=800\n", defaults},            // outside the section
        {"[window]\nmode=Window\n", defaults},             // values are exact
        {"[window]\nwidth=63\nheight=16385\n", defaults},  // out of range
        {"[window]\nwidth=-800\nheight=1e3\n", defaults},  // not plain decimals
        {"[window]\nwidth=99999999999999999\n", defaults}, // too long to be a size
        {"[window]\nwidth\nmode\n=window\n", defaults},    // no key or no value
        {"[window\nmode=window\n", defaults},              // not a section header
        {"[window]\nmode=window\0\n"s, defaults},          // a NUL in the value
        {"\xff\xfe[window]\0\nmode=window"s, defaults},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettings(c.text), c.settings) << c.text;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::remove_all(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    const std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                          ("munchora-settings-" + std::to_string(::getpid()));
};

TEST_F(SettingsFile, SavedSettingsReadBackAndAMissingFileGivesDefaults) {
    const std::string path = (folder_ / "munchora" / "settings.ini").string();
    EXPECT_EQ(LoadSettings(path), Settings{});
    const Settings mine{true, 1024, 700};
    SaveSettings(path, mine); // makes the folders
    EXPECT_EQ(LoadSettings(path), mine);
    EXPECT_EQ(LoadSettings(folder_.string()), Settings{}) << "a folder is not a file";
    EXPECT_EQ(LoadSettings(""), Settings{});
}

TEST_F(SettingsFile, AnUnwritablePlaceIsSaidAndNotFatal) {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "munchora") << "a file where the folder should be";
    ::testing::internal::CaptureStderr();
    SaveSettings((folder_ / "munchora" / "settings.ini").string(), Settings{true, 900, 500});
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot save the settings"),
              std::string::npos);
}

TEST(SettingsPath, FollowsXdgConfigHomeElseHome) {
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string keptConfig = oldConfig ? oldConfig : "", keptHome = oldHome ? oldHome : "";
    setenv("HOME", "/home/ann", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(SettingsPath(), "/cfg/munchora/settings.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored, as the standard says
    EXPECT_EQ(SettingsPath(), "/home/ann/.config/munchora/settings.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsPath(), "/home/ann/.config/munchora/settings.ini");
    unsetenv("HOME");
    EXPECT_EQ(SettingsPath(), "") << "nowhere to keep them";
    oldConfig ? setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    oldHome ? setenv("HOME", keptHome.c_str(), 1) : unsetenv("HOME");
}

} // namespace
} // namespace platform
