// The timer schedule (absolute due times, no drift, no pile-up after a stall, several timers
// in due-time order) and the frame timing of the benchmarks (one line per outermost timer
// call, start-up taken at the end of the first call). Times in milliseconds.
#include "platform/frame_timing.h"
#include "platform/timer_schedule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

Dialog* const A = reinterpret_cast<Dialog*>(0x10);
Dialog* const B = reinterpret_cast<Dialog*>(0x20);

// After a stall the next due time is the first grid time still to come: one late call,
// then back on the grid; a due time that has come is not pending.
TEST(TimerSchedule, AStallGivesOneCallThenResynchronises) {
    const struct {
        uint64_t due, now, next;
    } cases[] = {{1000, 1000, 1025}, {1000, 1024, 1025}, {1000, 1025, 1050},
                 {50, 1025, 1050},   {1025, 2000, 2025}, {1025, 2010, 2025}};
    for (const auto& c : cases)
        EXPECT_EQ(NextDueTime(c.due, 25, c.now), c.next) << c.due << " at " << c.now;
}

// Every call is taken 7 ms late; the due times stay on their grids.
TEST(TimerSchedule, TimersInterleaveByDueTimeOnTheirGridsAndTiesKeepTheirOrder) {
    TimerSchedule timers;
    timers.Set(B, 1, 1000, 0);
    timers.Set(A, 7, 250, 0);
    std::string calls;
    for (int i = 0; i < 10; ++i) {
        const TimerEntry* next = timers.Next();
        calls += (next->owner == A ? " A@" : " B@") + std::to_string(next->due);
        timers.Take(*next, next->due + 7);
    }
    EXPECT_EQ(calls, " A@250 A@500 A@750 B@1000 A@1000 A@1250 A@1500 A@1750 B@2000 A@2000");
}

TEST(TimerSchedule, SetRestartsAndKillRemoves) {
    TimerSchedule timers;
    timers.Set(A, 1, 25, 0);
    timers.Set(A, 1, 100, 10);
    EXPECT_EQ(timers.Next()->due, 110u) << "setting an id again replaces the timer";
    timers.Set(B, 1, 50, 0);
    timers.Kill(B, 1);
    EXPECT_EQ(timers.Next()->owner, A);
    timers.Set(A, 2, 5, 0);
    timers.KillAll(A);
    EXPECT_EQ(timers.Next(), nullptr);
}

// Lines "startup_ms T", then "frame_ms T" for each outermost call, then the render scale.
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
    std::ifstream in(path);
    const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
    std::remove(path.c_str());
    ASSERT_EQ(words.size(), 10u);
    EXPECT_EQ(words[0] + " " + words[2] + " " + words[4] + " " + words[6] + " " + words[8],
              "startup_ms frame_ms frame_ms render_scale calls_ms");
    EXPECT_GE(std::stod(words[1]), std::stod(words[3]));
}

} // namespace
} // namespace platform
