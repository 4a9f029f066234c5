// Window timers on an absolute schedule; see timer_schedule.h.
#include "platform/timer_schedule.h"

#include <algorithm>
#include <cassert>

namespace platform {

uint64_t NextDueTime(uint64_t due, unsigned period, uint64_t now) {
    assert(period > 0 && now >= due);
    const uint64_t next = due + period;
    if (next > now)
        return next;
    // Late by more than a period: skip to the first due time after now, for example
    // due 1025, period 25, now 2000: 1025 + 25 * (975 / 25 + 1) = 2025.
    return due + period * ((now - due) / period + 1);
}

void TimerSchedule::Set(Dialog* owner, unsigned id, unsigned periodMs, uint64_t now) {
    Kill(owner, id);
    entries_.push_back({owner, id, periodMs, now + periodMs, nextOrder_++});
}

void TimerSchedule::Kill(Dialog* owner, unsigned id) {
    std::erase_if(entries_, [&](const TimerEntry& e) { return e.owner == owner && e.id == id; });
}

void TimerSchedule::KillAll(Dialog* owner) {
    std::erase_if(entries_, [&](const TimerEntry& e) { return e.owner == owner; });
}

const TimerEntry* TimerSchedule::Next() const {
    auto earlier = [](const TimerEntry& a, const TimerEntry& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    };
    auto first = std::min_element(entries_.begin(), entries_.end(), earlier);
    return first == entries_.end() ? nullptr : &*first;
}

TimerEntry TimerSchedule::Take(const TimerEntry& entry, uint64_t now) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const TimerEntry& e) {
        return e.owner == entry.owner && e.id == entry.id;
    });
    assert(it != entries_.end());
    TimerEntry call = *it;
    it->due = NextDueTime(it->due, it->period, std::max(now, it->due));
    return call;
}

TimerSchedule& WindowTimers() {
    static TimerSchedule timers;
    return timers;
}

} // namespace platform
