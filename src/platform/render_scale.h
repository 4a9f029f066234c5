// How large the 3D scene is drawn, as a fraction of the window's size on each side.
//
// Fixed, the scale never changes. Automatic, it follows the frames that draw a scene: the
// busy time of each such timer call (rules, drawing, presenting) is averaged over a few
// frames at a time. A few frames over FRAME_BUDGET_MS step the scale straight down to the
// largest step that would fit, taking a frame's cost to grow with its pixels (the square of
// the scale); a longer run of frames that would still fit, with room to spare, one step up
// steps it up. A step up that has to be taken back soon doubles the wait before the next
// try, so the scale settles instead of flickering between two steps. Pure logic: the times
// come from the caller.
#pragma once

#include <optional>

namespace platform {

class RenderScale {
public:
    static constexpr float STEPS[] = {1.0f, 0.85f, 0.7f, 0.6f, 0.5f, 0.4f};
    static constexpr double FRAME_BUDGET_MS = 22.0; // under the 25 ms tick, with margin
    static constexpr int DOWN_FRAMES = 4;           // frames averaged before stepping down
    static constexpr int UP_FRAMES = 16;            // frames averaged before stepping up
    static constexpr double ROOM_TO_STEP_UP = 0.85; // a step up must be predicted this far under
    static constexpr int FIRST_WAIT = 2;            // up-windows between a change and a try up
    static constexpr int LONGEST_WAIT = 64;

    // nullopt: automatic; otherwise that scale, for good.
    explicit RenderScale(std::optional<float> fixed = std::nullopt);

    void noteFrame(double busyMs);
    float scale() const { return fixed_ ? *fixed_ : STEPS[step_]; }

private:
    void stepDownToFit(double averageMs);
    void tryStepUp(double averageMs);

    std::optional<float> fixed_;
    int step_ = 0;
    int downFrames_ = 0, upFrames_ = 0;
    double downSumMs_ = 0, upSumMs_ = 0;
    int windowsSinceChange_ = 0; // up-windows
    int wait_ = FIRST_WAIT;
    bool lastChangeWasUp_ = false;
};

} // namespace platform
