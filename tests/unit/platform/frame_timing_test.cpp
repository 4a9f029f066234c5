// Frame timing for the benchmarks: one line per outermost timer call, start-up taken at the
// end of the first call.
#include "platform/frame_timing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::vector<std::string> lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(FrameTiming, NestedCallsCountWithinTheirOuterCall) {
    const std::string path = "frame-times-" + std::to_string(getpid()) + ".txt";
    StartFrameTiming(path);
    BeginTimedCall();
    BeginTimedCall(); // a modal dialog's loop calling the timer again
    EndTimedCall();
    EndTimedCall();
    BeginTimedCall();
    EndTimedCall();
    WriteFrameTimes();
    const std::vector<std::string> written = lines(path);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].rfind("startup_ms ", 0), 0u);
    EXPECT_EQ(written[1].rfind("frame_ms ", 0), 0u);
    EXPECT_EQ(written[2].rfind("frame_ms ", 0), 0u);
    EXPECT_GE(std::stod(written[0].substr(11)), std::stod(written[1].substr(9)));
    std::remove(path.c_str());
}

} // namespace
} // namespace platform
