// The timer schedule: absolute due times, no drift, no pile-up after a stall, and several
// timers taken in due-time order.
#include "platform/timer_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

Dialog* const A = reinterpret_cast<Dialog*>(0x10);
Dialog* const B = reinterpret_cast<Dialog*>(0x20);

TEST(TimerSchedule, LateCallsDoNotShiftTheSchedule) {
    TimerSchedule timers;
    timers.Set(A, 1, 25, 0);
    // Every call is taken 7 ms late; the due times stay on the 25 ms grid.
    for (uint64_t n = 1; n <= 1000; ++n) {
        const TimerEntry* next = timers.Next();
        ASSERT_NE(next, nullptr);
        ASSERT_EQ(next->due, 25 * n);
        timers.Take(*next, next->due + 7);
    }
}

TEST(TimerSchedule, AStallGivesOneCallThenResynchronises) {
    EXPECT_EQ(NextDueTime(1000, 25, 1000), 1025u);
    EXPECT_EQ(NextDueTime(1000, 25, 1024), 1025u);
    EXPECT_EQ(NextDueTime(1000, 25, 1025), 1050u) << "a due time that has come is not pending";
    EXPECT_EQ(NextDueTime(1025, 25, 2000), 2025u);
    EXPECT_EQ(NextDueTime(1025, 25, 2010), 2025u);

    TimerSchedule timers;
    timers.Set(A, 1, 25, 0);
    timers.Take(*timers.Next(), 25);
    // The handler of the call at 25 ms blocked for a second: one late call at 1025, then
    // back on the grid.
    const TimerEntry* late = timers.Next();
    ASSERT_EQ(late->due, 50u);
    timers.Take(*late, 1025);
    EXPECT_EQ(timers.Next()->due, 1050u);
}

TEST(TimerSchedule, TimersInterleaveByDueTimeAndTiesKeepTheirOrder) {
    TimerSchedule timers;
    timers.Set(B, 1, 1000, 0);
    timers.Set(A, 7, 250, 0);
    std::vector<std::string> calls;
    for (int i = 0; i < 10; ++i) {
        const TimerEntry* next = timers.Next();
        calls.push_back((next->owner == A ? "A@" : "B@") + std::to_string(next->due));
        timers.Take(*next, next->due);
    }
    const std::vector<std::string> expected{"A@250",  "A@500",  "A@750",  "B@1000", "A@1000",
                                            "A@1250", "A@1500", "A@1750", "B@2000", "A@2000"};
    EXPECT_EQ(calls, expected);
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

} // namespace
} // namespace platform
