// The render scale's controller; see render_scale.h. A frame's cost is taken to grow with
// its pixels, the square of the scale, so a window at scale s predicts a[s] (s' / s)^2 at
// the step s' above; the fixed part of a frame makes that a cautious guess.
#include "platform/render_scale.h"

namespace platform {

namespace {

constexpr int STEP_COUNT = sizeof RenderScale::STEPS / sizeof RenderScale::STEPS[0];

} // namespace

RenderScale::RenderScale(std::optional<float> fixed) : fixed_(fixed) {}

void RenderScale::noteFrame(double busyMs) {
    if (fixed_)
        return;
    sumMs_ += busyMs;
    if (++frames_ < WINDOW_FRAMES)
        return;
    judgeWindow(sumMs_ / frames_);
    frames_ = 0;
    sumMs_ = 0;
}

void RenderScale::judgeWindow(double averageMs) {
    ++windowsSinceChange_;
    if (averageMs > FRAME_BUDGET_MS && step_ + 1 < STEP_COUNT) {
        // Taking back a step up that did not hold: wait twice as long before the next.
        if (lastChangeWasUp_ && windowsSinceChange_ <= 2 && waitWindows_ < LONGEST_WAIT_WINDOWS)
            waitWindows_ *= 2;
        ++step_;
        lastChangeWasUp_ = false;
        windowsSinceChange_ = 0;
        return;
    }
    if (step_ == 0 || windowsSinceChange_ < waitWindows_)
        return;
    const double grow = double(STEPS[step_ - 1]) / STEPS[step_];
    if (averageMs * grow * grow < FRAME_BUDGET_MS * ROOM_TO_STEP_UP) {
        --step_;
        lastChangeWasUp_ = true;
        windowsSinceChange_ = 0;
    }
}

} // namespace platform
