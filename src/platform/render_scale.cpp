// The render scale's controller; see render_scale.h. A frame at scale s that took a ms is
// predicted to take a (s' / s)^2 at scale s'; the fixed part of a frame (rules, text,
// presenting) makes that a cautious guess going up and an optimistic one going down, which
// the next few frames correct.
#include "platform/render_scale.h"

namespace platform {

namespace {

constexpr int STEP_COUNT = sizeof RenderScale::STEPS / sizeof RenderScale::STEPS[0];

double predicted(double ms, float from, float to) {
    const double grow = double(to) / from;
    return ms * grow * grow;
}

} // namespace

RenderScale::RenderScale(std::optional<float> fixed) : fixed_(fixed) {}

void RenderScale::noteFrame(double busyMs) {
    if (fixed_)
        return;
    downSumMs_ += busyMs;
    upSumMs_ += busyMs;
    if (++downFrames_ == DOWN_FRAMES) {
        const double average = downSumMs_ / DOWN_FRAMES;
        downFrames_ = 0;
        downSumMs_ = 0;
        if (average > FRAME_BUDGET_MS && step_ + 1 < STEP_COUNT) {
            stepDownToFit(average);
            return;
        }
    }
    if (++upFrames_ == UP_FRAMES) {
        tryStepUp(upSumMs_ / UP_FRAMES);
        upFrames_ = 0;
        upSumMs_ = 0;
    }
}

// Taking back a step up that did not hold: wait twice as long before the next.
void RenderScale::stepDownToFit(double averageMs) {
    if (lastChangeWasUp_ && windowsSinceChange_ < 2 && wait_ < LONGEST_WAIT)
        wait_ *= 2;
    const float from = STEPS[step_];
    do
        ++step_;
    while (step_ + 1 < STEP_COUNT && predicted(averageMs, from, STEPS[step_]) > FRAME_BUDGET_MS);
    lastChangeWasUp_ = false;
    windowsSinceChange_ = 0;
    upFrames_ = 0;
    upSumMs_ = 0;
}

void RenderScale::tryStepUp(double averageMs) {
    if (step_ == 0 || ++windowsSinceChange_ < wait_)
        return;
    if (predicted(averageMs, STEPS[step_], STEPS[step_ - 1]) < FRAME_BUDGET_MS * ROOM_TO_STEP_UP) {
        --step_;
        lastChangeWasUp_ = true;
        windowsSinceChange_ = 0;
    }
}

} // namespace platform
