// How large the 3D scene is drawn, as a fraction of the window's size on each side.
//
// Fixed, the scale never changes. Automatic, it follows the frames: the busy time of each
// timer call (rules, drawing, presenting) is gathered in windows of WINDOW_FRAMES; a window
// whose average runs over FRAME_BUDGET_MS steps the scale down one step, and one whose
// average, scaled by the pixels the next step up would add, still fits with room to spare
// steps it up. A step up that has to be taken back within two windows doubles the wait
// before the next try, so the scale settles instead of flickering between two steps. Pure
// logic: the times come from the caller.
#pragma once

#include <optional>

namespace platform {

class RenderScale {
public:
    static constexpr float STEPS[] = {1.0f, 0.85f, 0.7f, 0.6f, 0.5f, 0.4f};
    static constexpr int WINDOW_FRAMES = 16;
    static constexpr double FRAME_BUDGET_MS = 22.0; // under the 25 ms tick, with margin
    static constexpr double ROOM_TO_STEP_UP = 0.85; // a step up must be predicted this far under
    static constexpr int FIRST_WAIT_WINDOWS = 2;    // windows between a step down and a try up
    static constexpr int LONGEST_WAIT_WINDOWS = 64;

    // nullopt: automatic; otherwise that scale, for good.
    explicit RenderScale(std::optional<float> fixed = std::nullopt);

    void noteFrame(double busyMs);
    float scale() const { return fixed_ ? *fixed_ : STEPS[step_]; }

private:
    void judgeWindow(double averageMs);

    std::optional<float> fixed_;
    int step_ = 0;
    int frames_ = 0;
    double sumMs_ = 0;
    int windowsSinceChange_ = 0;
    int waitWindows_ = FIRST_WAIT_WINDOWS;
    bool lastChangeWasUp_ = false;
};

} // namespace platform
