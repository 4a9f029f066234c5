// The message loop; see message_loop.h.
#include "platform/message_loop.h"

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_dispatch.h"
#include "platform/frame_timing.h"
#include "platform/run_state.h"
#include "platform/signals.h"
#include "platform/timer_schedule.h"
#include "platform/window_registry.h"

#include <algorithm>
#include <climits>

namespace platform {

namespace {

// How long a real-time loop without timers sleeps between looks at its sources.
constexpr uint32_t IDLE_WAIT_MS = 50;

bool endOfRunReached(const RunState& run) {
    return run.callLimit && run.mainCalls >= *run.callLimit;
}

bool pollSources(long call, Event& event) {
    for (EventSource* source : CurrentRun().sources)
        if (source->Next(call, event))
            return true;
    return false;
}

void waitForEvents(uint64_t ms) {
    const uint32_t wait = uint32_t(std::min<uint64_t>(ms, IDLE_WAIT_MS));
    for (EventSource* source : CurrentRun().sources)
        source->Wait(wait);
}

// The call number whose script events may be delivered now: the next call of the main
// window's timer once it is the next timer call to begin; with the virtual clock and no
// timer at all, everything left (nothing else could ever make them due).
long deliverableCall(const TimerEntry* next) {
    const RunState& run = CurrentRun();
    if (!next)
        return ProgramClock().isVirtual() ? LONG_MAX : run.mainCalls;
    return next->owner == windows::Main() ? run.mainCalls + 1 : run.mainCalls;
}

void callTimer(const TimerEntry& next) {
    const TimerEntry call = WindowTimers().Take(next, ProgramClock().Now());
    if (call.owner != windows::Main())
        return call.owner->OnTimer(call.id);
    ++CurrentRun().mainCalls;
    BeginTimedCall();
    call.owner->OnTimer(call.id);
    EndTimedCall();
}

} // namespace

void MessageLoop::Run(Dialog& dialog) {
    while (!dialog.ending_)
        Step(dialog);
}

void MessageLoop::Cancel(Dialog& dialog) {
    dialog.OnCancel();
    if (!dialog.ending_)
        dialog.EndDialog(IDCANCEL);
}

void MessageLoop::Step(Dialog& dialog) {
    RunState& run = CurrentRun();
    if (TakeCloseSignal() || endOfRunReached(run))
        run.closeRequested = true;
    if (run.closeRequested)
        return Cancel(dialog);

    const TimerEntry* next = WindowTimers().Next();
    Event event;
    if (pollSources(deliverableCall(next), event))
        return Dispatch(event);
    Clock& clock = ProgramClock();
    if (!next) {
        // Virtual time with nothing left to happen would spin for ever: the run is over.
        if (clock.isVirtual())
            return RequestClose();
        return waitForEvents(IDLE_WAIT_MS);
    }
    if (next->due > clock.Now()) {
        if (!clock.isVirtual())
            return waitForEvents(next->due - clock.Now());
        clock.AdvanceTo(next->due);
    }
    callTimer(*next);
}

} // namespace platform
