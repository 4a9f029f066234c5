// How large the 3D scene is drawn, as a fraction of the window's size on each side.
//
// Fixed, the scale never changes. Automatic, it follows the frames that draw a scene: the
// busy time of each such timer call (rules, drawing, presenting) is taken a few frames at a
// time. A few frames over FRAME_BUDGET_MS (the middle ones, so that one slow frame, a shader
// compiling or the machine busy elsewhere, does not count) step the scale straight down to
// the largest step that would fit; two frames in a row far over it are enough, so that a
// window far too large for the machine costs two slow frames, not four. A frame is taken as
// a fixed part (the calls, the text, the stretch a scaled scene adds) and a part that grows
// with the scene's pixels, the square of the scale. A longer run of frames that would still
// fit, with room to spare, one step up steps it up. A step up that has to be taken back
// soon doubles the wait before the next try, so the scale settles instead of flickering
// between two steps. Pure logic: the times come from the caller.
#pragma once

#include <optional>

namespace platform {

class RenderScale {
public:
    // The last step is the floor. At 1920x1080 on two cores a scene at 0.4 runs 25-30 ms in
    // the heaviest views of a real window, the stretch to the window alone 7-8 ms of it; 0.3
    // draws 0.09 / 0.16 = 56 % of the pixels of 0.4, and those views take 22-25 ms.
    static constexpr float STEPS[] = {1.0f, 0.85f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f};
    static constexpr double FRAME_BUDGET_MS = 22.0; // under the 25 ms tick, with margin
    static constexpr int DOWN_FRAMES = 4;           // frames whose middle two decide a step down
    static constexpr double FAR_OVER_MS = 1.5 * FRAME_BUDGET_MS; // two such frames step down
    // The fixed part of a frame, as a share of it. At 1920x1080 on two cores, a scene at 0.4
    // takes 17 ms of which the stretch to the window is 6 ms and the calls 2 ms; at full size
    // the frame takes 50 ms, so a share of 0.3 takes 50 ms straight to 0.4 (50 * (0.3 + 0.7 *
    // 0.16) = 20.6 ms), where the pure square would stop at 0.6 and need four more frames.
    static constexpr double FIXED_SHARE = 0.3;
    static constexpr int UP_FRAMES = 16; // frames averaged before stepping up
    // A step up must be predicted this far under the budget (16.5 ms). The average hides the
    // slow frames, which at 1920x1080 on two cores run a third over it, and the prediction
    // errs low going up: from 0.4 at 13.1 ms it gives 0.5 18.3 ms, which then takes 20, and
    // its slowest frames passed the 25 ms tick.
    static constexpr double ROOM_TO_STEP_UP = 0.75;
    static constexpr int FIRST_WAIT = 2; // up-windows between a change and a try up
    static constexpr int LONGEST_WAIT = 64;

    // nullopt: automatic; otherwise that scale, for good.
    explicit RenderScale(std::optional<float> fixed = std::nullopt);

    void noteFrame(double busyMs);
    float scale() const { return fixed_ ? *fixed_ : STEPS[step_]; }
    bool automatic() const { return !fixed_; }

private:
    bool canStepDown() const;
    void stepDownToFit(double typicalMs);
    void tryStepUp(double averageMs);

    std::optional<float> fixed_;
    int step_ = 0;
    int downFrames_ = 0, upFrames_ = 0;
    double downMs_[DOWN_FRAMES] = {};
    double upSumMs_ = 0;
    double previousMs_ = 0;      // the frame before, at the scale in force; 0 after a change
    int windowsSinceChange_ = 0; // up-windows
    int wait_ = FIRST_WAIT;
    bool lastChangeWasUp_ = false;
};

} // namespace platform
