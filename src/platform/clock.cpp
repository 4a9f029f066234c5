// The real and the virtual clock, and the GetTickCount and Sleep stand-ins built on them.
#include "platform/clock.h"

#include "platform/system.h"

#include <cassert>
#include <thread>

namespace platform {

void Clock::Reset(bool virtualTime) {
    virtual_ = virtualTime;
    virtualNow_ = 0;
    start_ = std::chrono::steady_clock::now();
}

uint64_t Clock::Now() const {
    if (virtual_)
        return virtualNow_;
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Clock::AdvanceTo(uint64_t ms) {
    assert(virtual_);
    if (ms > virtualNow_)
        virtualNow_ = ms;
}

void Clock::Pause(uint32_t ms) {
    if (virtual_)
        virtualNow_ += ms;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Clock& ProgramClock() {
    static Clock clock;
    return clock;
}

uint32_t GetTickCount() {
    return uint32_t(ProgramClock().Now());
}

void Sleep(uint32_t milliseconds) {
    ProgramClock().Pause(milliseconds);
}

} // namespace platform
