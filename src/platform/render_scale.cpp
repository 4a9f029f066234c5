// The render scale's controller; see render_scale.h. A frame at scale s that took a ms is
// predicted to take a (F + (1 - F) (s' / s)^2) at scale s', F the fixed share; the next few
// frames correct a wrong guess either way.
#include "platform/render_scale.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

constexpr int STEP_COUNT = sizeof RenderScale::STEPS / sizeof RenderScale::STEPS[0];

double predicted(double ms, float from, float to) {
    const double grow = double(to) / from;
    return ms * (RenderScale::FIXED_SHARE + (1 - RenderScale::FIXED_SHARE) * grow * grow);
}

// The mean of the middle two of four frames.
double middleOf(const double (&frames)[RenderScale::DOWN_FRAMES]) {
    static_assert(RenderScale::DOWN_FRAMES == 4);
    double sorted[RenderScale::DOWN_FRAMES];
    std::copy(std::begin(frames), std::end(frames), sorted);
    std::sort(std::begin(sorted), std::end(sorted));
    return (sorted[1] + sorted[2]) / 2;
}

} // namespace

RenderScale::RenderScale(std::optional<float> fixed) : fixed_(fixed) {}

void RenderScale::noteFrame(double busyMs) {
    if (fixed_)
        return;
    const double previous = previousMs_;
    previousMs_ = busyMs;
    if (previous > FAR_OVER_MS && busyMs > FAR_OVER_MS && canStepDown()) {
        stepDownToFit(std::min(previous, busyMs));
        return;
    }
    downMs_[downFrames_] = busyMs;
    upSumMs_ += busyMs;
    if (++downFrames_ == DOWN_FRAMES) {
        downFrames_ = 0;
        const double typical = middleOf(downMs_);
        if (typical > FRAME_BUDGET_MS && canStepDown()) {
            stepDownToFit(typical);
            return;
        }
    }
    if (++upFrames_ == UP_FRAMES) {
        tryStepUp(upSumMs_ / UP_FRAMES);
        upFrames_ = 0;
        upSumMs_ = 0;
    }
}

bool RenderScale::canStepDown() const {
    return step_ + 1 < STEP_COUNT;
}

// Taking back a step up that did not hold: wait twice as long before the next.
void RenderScale::stepDownToFit(double typicalMs) {
    if (lastChangeWasUp_ && windowsSinceChange_ < 2 && wait_ < LONGEST_WAIT)
        wait_ *= 2;
    const float from = STEPS[step_];
    do
        ++step_;
    while (canStepDown() && predicted(typicalMs, from, STEPS[step_]) > FRAME_BUDGET_MS);
    lastChangeWasUp_ = false;
    windowsSinceChange_ = 0;
    downFrames_ = upFrames_ = 0;
    upSumMs_ = previousMs_ = 0;
}

void RenderScale::tryStepUp(double averageMs) {
    if (step_ == 0 || ++windowsSinceChange_ < wait_)
        return;
    if (predicted(averageMs, STEPS[step_], STEPS[step_ - 1]) < FRAME_BUDGET_MS * ROOM_TO_STEP_UP) {
        --step_;
        lastChangeWasUp_ = true;
        windowsSinceChange_ = 0;
        previousMs_ = 0;
    }
}

} // namespace platform
