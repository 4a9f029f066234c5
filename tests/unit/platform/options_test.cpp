// The command line: the options a run takes, and every kind of bad argument.
#include "platform/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

bool parse(std::vector<const char*> args, RunOptions& options, std::string& error) {
    args.insert(args.begin(), "munchora");
    return ParseOptions(int(args.size()), args.data(), options, error);
}

TEST(Options, ReadsEveryOption) {
    RunOptions options;
    std::string error;
    ASSERT_TRUE(parse({"--headless", "--script", "s.txt", "--trace", "t.json", "--ticks", "40",
                       "--size", "320x240", "--frame-times", "f.txt"},
                      options, error))
        << error;
    EXPECT_TRUE(options.headless);
    EXPECT_EQ(options.scriptPath, "s.txt");
    EXPECT_EQ(options.tracePath, "t.json");
    EXPECT_EQ(options.ticks, 40);
    EXPECT_EQ(options.width, 320);
    EXPECT_EQ(options.height, 240);
    EXPECT_TRUE(options.sizeGiven);
    EXPECT_EQ(options.frameTimesPath, "f.txt");
}

TEST(Options, DefaultsWithoutArguments) {
    RunOptions options;
    options.headless = true; // parsing starts afresh
    std::string error;
    ASSERT_TRUE(parse({}, options, error));
    EXPECT_FALSE(options.headless);
    EXPECT_FALSE(options.ticks);
    EXPECT_EQ(options.width, 1280);
    EXPECT_EQ(options.height, 720);
    EXPECT_FALSE(options.sizeGiven);
    EXPECT_FALSE(options.windowed);
}

TEST(Options, WindowWithOrWithoutItsSize) {
    RunOptions options;
    std::string error;
    ASSERT_TRUE(parse({"--window"}, options, error)) << error;
    EXPECT_TRUE(options.windowed);
    EXPECT_EQ(options.windowWidth, 0) << "the last size used";
    ASSERT_TRUE(parse({"--window=800x600", "--size", "320x200"}, options, error)) << error;
    EXPECT_TRUE(options.windowed);
    EXPECT_EQ(options.windowWidth, 800);
    EXPECT_EQ(options.windowHeight, 600);
    EXPECT_EQ(options.width, 320) << "--size stays the headless surface";
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

TEST(Options, AValueThatLooksLikeAnOptionIsTakenAsTheValue) {
    RunOptions options;
    std::string error;
    ASSERT_TRUE(parse({"--trace", "--headless"}, options, error)) << error;
    EXPECT_EQ(options.tracePath, "--headless");
    EXPECT_FALSE(options.headless);
}

} // namespace
} // namespace platform
