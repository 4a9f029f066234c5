// The replaced operator new behind allocation_counter.h. The replacements pair malloc with
// free. The nothrow form is replaced too: LLVM allocates with it and frees with the plain
// delete, and under AddressSanitizer an unreplaced form would come from its own allocator.
#include "alloc/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

thread_local bool counting = false;
std::atomic<long> allocations{0};
testsupport::AllocationFilter ignored = nullptr;

void* countedMalloc(std::size_t size) {
    if (counting && !(ignored && ignored()))
        ++allocations;
    return std::malloc(size ? size : 1);
}

} // namespace

namespace testsupport {

void startCountingAllocations(AllocationFilter ignore) {
    ignored = ignore;
    allocations = 0;
    counting = true;
}

long stopCountingAllocations() {
    counting = false;
    return allocations;
}

} // namespace testsupport

// GCC cannot see through inlined callers that these pairs match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (void* p = countedMalloc(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return countedMalloc(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
