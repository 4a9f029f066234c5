// The running program's loop state; see run_state.h.
#include "platform/run_state.h"

namespace platform {

RunState& CurrentRun() {
    static RunState run;
    return run;
}

void ResetRun() {
    CurrentRun() = RunState{};
}

void RequestClose() {
    CurrentRun().closeRequested = true;
}

} // namespace platform
