// The schedule of every window timer: which timer is due next and when it is due again.
//
// Times are milliseconds of the program clock. Each timer keeps an absolute schedule: its
// next due time is the previous due time + its period, so calls do not drift. A late call
// never piles up: when a call is taken so late that the following due time has passed too,
// that due time is skipped and the schedule resynchronises on the first due time after the
// call, so at most one call is ever pending. The schedule refers to its owners and never
// owns them; a window kills its timers when it is destroyed.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

class Dialog;

struct TimerEntry {
    Dialog* owner = nullptr;
    unsigned id = 0;
    unsigned period = 0;
    uint64_t due = 0;
    uint64_t order = 0; // breaks ties between timers due at the same time: set first, first
};

// The due time after a call taken at now of a timer that was due at due (now >= due).
uint64_t NextDueTime(uint64_t due, unsigned period, uint64_t now);

class TimerSchedule {
public:
    // Starts (or restarts) owner's timer id; the first call is due one period from now.
    void Set(Dialog* owner, unsigned id, unsigned periodMs, uint64_t now);
    void Kill(Dialog* owner, unsigned id);
    void KillAll(Dialog* owner);
    void Clear() { entries_.clear(); }

    // The timer due first, or null when there is none.
    const TimerEntry* Next() const;
    // Takes the call of timer entry at now: moves the timer to its next due time and
    // returns the call to make (a copy, as the handler may change the schedule).
    TimerEntry Take(const TimerEntry& entry, uint64_t now);

private:
    std::vector<TimerEntry> entries_;
    uint64_t nextOrder_ = 0;
};

TimerSchedule& WindowTimers();

} // namespace platform
