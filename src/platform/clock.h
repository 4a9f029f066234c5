// The program's clock: milliseconds since start-up, either real (a steady clock) or virtual
// (it moves only when the message loop jumps it to a timer's due time and when Sleep is
// called). Times are 64-bit milliseconds so nothing wraps here; GetTickCount hands out the
// low 32 bits, which wrap after 49 days as the game's time arithmetic expects. Internal to the platform layer; one clock per program.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

class Clock {
public:
    // Starts again at 0, real or virtual.
    void Reset(bool virtualTime);
    bool isVirtual() const { return virtual_; }
    uint64_t Now() const;
    // Virtual time only: jumps forward to ms (never backwards).
    void AdvanceTo(uint64_t ms);
    // Real: blocks the thread; virtual: advances the clock without waiting.
    void Pause(uint32_t ms);

private:
    bool virtual_ = false;
    uint64_t virtualNow_ = 0;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

Clock& ProgramClock();

} // namespace platform
