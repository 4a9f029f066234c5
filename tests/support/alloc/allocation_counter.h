// Counts heap allocations: a test program that links this replaces the global operator new
// for its whole run. Counting happens only between start() and stop(), on the thread that
// started it, and skips the allocations the ignore filter claims (the GL driver's, say).
#pragma once

namespace testsupport {

// True for an allocation that does not count; called with the allocation in progress.
using AllocationFilter = bool (*)();

void startCountingAllocations(AllocationFilter ignore = nullptr);
// Stops counting; returns the allocations counted since the start.
long stopCountingAllocations();

} // namespace testsupport
