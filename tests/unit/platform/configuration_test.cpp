// The run's configuration: the command line (the options a run takes, and every kind of
// bad argument refused saying why) and the settings file (what a good file says, what a
// broken one leaves at its defaults, the round trip through the file, where it lives).
#include "platform/options.h"
#include "platform/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

using namespace std::string_literals;

// The options as short words, those at their defaults left out but the size; or
// "error: WHY". Parsing goes into options left over from an earlier run: it must start
// afresh.
std::string parse(std::vector<const char*> args) {
    RunOptions o;
    o.headless = true;
    o.ticks = 5;
    std::string error;
    args.insert(args.begin(), "munchora");
    if (!ParseOptions(int(args.size()), args.data(), o, error))
        return "error: " + error;
    std::string out = o.headless ? "headless " : "";
    for (const auto& [name, path] :
         {std::pair{"script", o.scriptPath}, {"trace", o.tracePath}, {"frames", o.frameTimesPath}})
        out += path.empty() ? "" : std::string(name) + "=" + path + " ";
    out += o.ticks ? "ticks=" + std::to_string(*o.ticks) + " " : "";
    out += std::to_string(o.width) + "x" + std::to_string(o.height) + (o.sizeGiven ? " given" : "");
    if (o.windowed)
        out += " window=" + std::to_string(o.windowWidth) + "x" + std::to_string(o.windowHeight);
    return out;
}

TEST(Options, ReadsEveryOptionAndRefusesBadArgumentsSayingWhy) {
    const std::string ticks = "error: --ticks needs a number from 0 to 1000000000, not ",
                      size = "error: --size needs WIDTHxHEIGHT, each from 1 to 16384, not ",
                      window = "error: --window= needs WIDTHxHEIGHT, each from 64 to 16384, not ";
    const struct {
        std::vector<const char*> args;
        std::string options;
    } cases[] = {
        {{}, "1280x720"},
        {{"--headless", "--script", "s.txt", "--trace", "t.json", "--ticks", "40", "--size",
          "320x240", "--frame-times", "f.txt"},
         "headless script=s.txt trace=t.json frames=f.txt ticks=40 320x240 given"},
        {{"--ticks", "0"}, "ticks=0 1280x720"},
        {{"--window"}, "1280x720 window=0x0"}, // the last size used
        {{"--window=64x16384", "--size", "1x1"}, "1x1 given window=64x16384"},
        {{"--trace", "--headless"}, "trace=--headless 1280x720"}, // a value, whatever it looks like
        {{"s.txt"}, "error: unknown option 's.txt'"},
        {{"--windows"}, "error: unknown option '--windows'"},
        {{"--window", "800x600"}, "error: unknown option '800x600'"},
        {{"--script"}, "error: option --script needs a value"},
        {{"--trace", ""}, "error: option --trace needs a file name"},
        {{"--headless", "--headless"}, "error: option --headless given twice"},
        {{"--ticks", "1", "--ticks", "2"}, "error: option --ticks given twice"},
        {{"--window", "--window=800x600"}, "error: option --window=800x600 given twice"},
        {{"--ticks", "-1"}, ticks + "'-1'"},
        {{"--ticks", "12a"}, ticks + "'12a'"},
        {{"--ticks", "1000000001"}, ticks + "'1000000001'"},
        {{"--size", "640"}, size + "'640'"},
        {{"--size", "0x480"}, size + "'0x480'"},
        {{"--size", "640x"}, size + "'640x'"},
        {{"--size", "640x480x2"}, size + "'640x480x2'"},
        {{"--window=63x600"}, window + "'63x600'"},
        {{"--window="}, window + "''"},
        {{"--window=800"}, window + "'800'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.args), c.options) << (c.args.empty() ? "" : c.args[0]);
}

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

// Saving makes the folders; a place that cannot be written is said and is not fatal.
TEST(SettingsFile, SavedSettingsReadBackAndAMissingOrUnwritablePlaceIsNoFault) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("munchora-settings-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "munchora" / "settings.ini").string();
    EXPECT_EQ(LoadSettings(path), Settings{});
    const Settings mine{true, 1024, 700};
    SaveSettings(path, mine);
    EXPECT_EQ(LoadSettings(path), mine);
    EXPECT_EQ(LoadSettings(folder.string()), Settings{}) << "a folder is not a file";
    EXPECT_EQ(LoadSettings(""), Settings{});
    std::filesystem::remove_all(folder / "munchora");
    std::ofstream(folder / "munchora") << "a file where the folder should be";
    ::testing::internal::CaptureStderr();
    SaveSettings(path, Settings{true, 900, 500});
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot save the settings"),
              std::string::npos);
    std::filesystem::remove_all(folder);
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
