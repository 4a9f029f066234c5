// The command line: the options a run takes, and every kind of bad argument.
#include "platform/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

// Parses into options left over from an earlier run: parsing must start afresh.
bool parse(std::vector<const char*> args, RunOptions& options, std::string& error) {
    options.headless = true;
    options.ticks = 5;
    args.insert(args.begin(), "munchora");
    return ParseOptions(int(args.size()), args.data(), options, error);
}

// The options as short words; those at their defaults are left out but the size.
std::string describe(const RunOptions& o) {
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

TEST(Options, ReadsEveryOption) {
    const struct {
        std::vector<const char*> args;
        const char* options;
    } cases[] = {
        {{}, "1280x720"},
        {{"--headless", "--script", "s.txt", "--trace", "t.json", "--ticks", "40", "--size",
          "320x240", "--frame-times", "f.txt"},
         "headless script=s.txt trace=t.json frames=f.txt ticks=40 320x240 given"},
        {{"--ticks", "0"}, "ticks=0 1280x720"},
        {{"--window"}, "1280x720 window=0x0"}, // the last size used
        {{"--window=64x16384", "--size", "1x1"}, "1x1 given window=64x16384"},
        {{"--trace", "--headless"}, "trace=--headless 1280x720"}, // a value, whatever it looks like
    };
    for (const auto& c : cases) {
        RunOptions options;
        std::string error;
        EXPECT_TRUE(parse(c.args, options, error)) << error;
        EXPECT_EQ(describe(options), c.options);
    }
}

TEST(Options, RejectsBadArgumentsSayingWhy) {
    const struct {
        std::vector<const char*> args;
        const char* error;
    } cases[] = {
        {{"--fullscreen"}, "unknown option '--fullscreen'"},
        {{"s.txt"}, "unknown option 's.txt'"},
        {{"--script"}, "option --script needs a value"},
        {{"--trace", ""}, "option --trace needs a file name"},
        {{"--ticks", "-1"}, "--ticks needs a number from 0 to 1000000000, not '-1'"},
        {{"--ticks", "12a"}, "--ticks needs a number from 0 to 1000000000, not '12a'"},
        {{"--ticks", "1000000001"},
         "--ticks needs a number from 0 to 1000000000, not '1000000001'"},
        {{"--size", "640"}, "--size needs WIDTHxHEIGHT, each from 1 to 16384, not '640'"},
        {{"--size", "0x480"}, "--size needs WIDTHxHEIGHT, each from 1 to 16384, not '0x480'"},
        {{"--size", "640x"}, "--size needs WIDTHxHEIGHT, each from 1 to 16384, not '640x'"},
        {{"--size", "640x480x2"},
         "--size needs WIDTHxHEIGHT, each from 1 to 16384, not '640x480x2'"},
        {{"--headless", "--headless"}, "option --headless given twice"},
        {{"--ticks", "1", "--ticks", "2"}, "option --ticks given twice"},
        {{"--window=63x600"}, "--window= needs WIDTHxHEIGHT, each from 64 to 16384, not '63x600'"},
        {{"--window="}, "--window= needs WIDTHxHEIGHT, each from 64 to 16384, not ''"},
        {{"--window=800"}, "--window= needs WIDTHxHEIGHT, each from 64 to 16384, not '800'"},
        {{"--window", "800x600"}, "unknown option '800x600'"},
        {{"--windows"}, "unknown option '--windows'"},
        {{"--window", "--window=800x600"}, "option --window=800x600 given twice"},
    };
    for (const auto& c : cases) {
        RunOptions options;
        std::string error;
        EXPECT_FALSE(parse(c.args, options, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
} // namespace platform
