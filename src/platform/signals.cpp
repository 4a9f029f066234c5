// Close signals; see signals.h.
#include "platform/signals.h"

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t closeSignal = 0;

void onSignal(int) {
    closeSignal = 1;
}

} // namespace

void InstallCloseSignals() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND; // the second one kills a program that hangs on exit
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TakeCloseSignal() {
    if (!closeSignal)
        return false;
    closeSignal = 0;
    return true;
}

} // namespace platform
