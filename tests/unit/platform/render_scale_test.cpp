// The render scale's controller on made-up frame times (a frame's cost given by a model of
// the scale), and the --render-scale and --real-clock options.
#include "platform/options.h"
#include "platform/render_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <vector>

namespace {

using platform::RenderScale;

// Runs frames whose busy time the model gives for the scale in force; returns the scales
// seen, frame by frame.
std::vector<float> run(RenderScale& scale, int frames, const std::function<double(float)>& cost) {
    std::vector<float> seen;
    for (int i = 0; i < frames; ++i) {
        seen.push_back(scale.scale());
        scale.noteFrame(cost(scale.scale()));
    }
    return seen;
}

// The scale changes seen after the first `settle` frames.
int changesAfter(const std::vector<float>& seen, size_t settle) {
    int changes = 0;
    for (size_t i = settle + 1; i < seen.size(); ++i)
        changes += seen[i] != seen[i - 1];
    return changes;
}

TEST(RenderScale, FramesThatFitKeepFullSize) {
    RenderScale scale;
    for (float s : run(scale, 2000, [](float) { return 20.0; }))
        ASSERT_EQ(s, 1.0f);
}

TEST(RenderScale, SlowFramesStepDownAtOnceUntilTheyFitAndStayThere) {
    // Fill-bound frames: 45 ms at full size, a fifth of it fixed.
    auto cost = [](float s) { return 9.0 + 36.0 * s * s; };
    RenderScale scale;
    std::vector<float> seen = run(scale, 4000, cost);
    EXPECT_LT(seen[RenderScale::DOWN_FRAMES], 1.0f) << "a few slow frames are enough";
    EXPECT_LT(cost(seen.back()), RenderScale::FRAME_BUDGET_MS);
    // 0.6 costs 21.96 ms, too close to the budget to step up to; 0.7 would cost 26.6 ms.
    EXPECT_EQ(seen.back(), 0.5f);
    EXPECT_EQ(changesAfter(seen, 400), 0);
}

TEST(RenderScale, AWindowFarTooLargeCostsTwoSlowFrames) {
    // A desktop-sized window on a slow machine: 50 ms at full size; below it, 8 ms fixed (the
    // calls and the stretch to the window) and the scene's pixels.
    auto cost = [](float s) { return s == 1.0f ? 50.0 : 8.0 + 42.0 * s * s; };
    RenderScale scale;
    std::vector<float> seen = run(scale, 2000, cost);
    EXPECT_EQ(seen[1], 1.0f);
    EXPECT_EQ(seen[2], 0.4f) << "straight to the step that fits";
    EXPECT_EQ(changesAfter(seen, 2), 0);
}

TEST(RenderScale, TheHeaviestViewOfALargeWindowGoesBelowFourTenthsAndStays) {
    // A real 1920x1080 window on two cores: 70 ms at full size; below it 13 ms fixed (the
    // stretch, presenting, the calls), and the scene's pixels, 13 ms of them at 0.4.
    auto cost = [](float s) { return s == 1.0f ? 70.0 : 13.0 + 13.0 * (s / 0.4) * (s / 0.4); };
    RenderScale scale;
    std::vector<float> seen = run(scale, 4000, cost);
    EXPECT_EQ(seen.back(), 0.3f) << "0.4 costs 26 ms, over the tick";
    EXPECT_LT(cost(seen.back()), RenderScale::FRAME_BUDGET_MS);
    EXPECT_EQ(changesAfter(seen, 20), 0);
}

TEST(RenderScale, OneSlowFrameAmongFastOnesIsNoReasonToStepDown) {
    // Shaders compiling, or the machine busy elsewhere for a moment.
    int frame = 0;
    auto cost = [&frame](float) { return ++frame % 10 == 0 ? 60.0 : 12.0; };
    RenderScale scale;
    for (float s : run(scale, 2000, cost))
        ASSERT_EQ(s, 1.0f);
}

TEST(RenderScale, NeverBelowTheFloor) {
    const float floor = RenderScale::STEPS[std::size(RenderScale::STEPS) - 1];
    RenderScale scale;
    std::vector<float> seen = run(scale, 2000, [](float) { return 100.0; });
    EXPECT_EQ(seen.back(), floor);
    for (float s : seen)
        EXPECT_GE(s, floor);
}

TEST(RenderScale, AFailedStepUpWaitsLongerEachTimeSoItDoesNotFlicker) {
    // The prediction says the step up fits; it does not (something costs more at full size).
    auto cost = [](float s) { return s == 1.0f ? 30.0 : 8.0; };
    RenderScale scale;
    std::vector<float> seen = run(scale, 20000, cost);
    std::vector<size_t> upSteps; // the tries of full size
    for (size_t i = 1; i < seen.size(); ++i)
        if (seen[i] == 1.0f && seen[i - 1] < 1.0f)
            upSteps.push_back(i);
    ASSERT_GE(upSteps.size(), 4u);
    std::vector<size_t> gaps;
    for (size_t k = 1; k < upSteps.size(); ++k)
        gaps.push_back(upSteps[k] - upSteps[k - 1]);
    EXPECT_GT(gaps[1], gaps[0]);
    EXPECT_GT(gaps[2], gaps[1]);
    for (size_t k = 1; k < gaps.size(); ++k)
        EXPECT_GE(gaps[k], gaps[k - 1]) << k;
    // In the end a try comes at most every LONGEST_WAIT_WINDOWS windows: a failed try costs
    // two windows of slow frames in sixty-odd.
    EXPECT_GE(gaps.back(), size_t(RenderScale::LONGEST_WAIT * RenderScale::UP_FRAMES));
}

TEST(RenderScale, RoomRegainedStepsBackUp) {
    bool heavy = true;
    auto cost = [&heavy](float s) { return (heavy ? 60.0 : 12.0) * s * s; };
    RenderScale scale;
    run(scale, 1000, cost);
    EXPECT_LT(scale.scale(), 1.0f);
    heavy = false;
    run(scale, 3000, cost);
    EXPECT_EQ(scale.scale(), 1.0f);
}

TEST(RenderScale, AStepUpLeavesRoomForTheSlowerFrames) {
    // Far too slow at full size, and below it just as the prediction says from 0.4.
    auto costFrom = [](double atFourTenths) {
        return [atFourTenths](float s) {
            const double grow = s / 0.4;
            return s == 1.0f ? 50.0 : atFourTenths * (0.3 + 0.7 * grow * grow);
        };
    };
    // 12.5 ms at 0.4 predicts 17.4 ms at 0.5: under the budget, but with no room.
    RenderScale crowded;
    std::vector<float> seen = run(crowded, 4000, costFrom(12.5));
    EXPECT_EQ(seen.back(), 0.4f);
    EXPECT_EQ(changesAfter(seen, 2), 0) << "straight to 0.4, and there it stays";
    // 10 ms predicts 13.9 ms at 0.5, which then predicts 18.2 ms at 0.6.
    RenderScale roomy;
    seen = run(roomy, 4000, costFrom(10.0));
    EXPECT_EQ(seen.back(), 0.5f);
    EXPECT_EQ(changesAfter(seen, 1000), 0);
}

TEST(RenderScale, AFixedScaleIgnoresTheFrames) {
    RenderScale scale(0.5f);
    for (float s : run(scale, 1000, [](float) { return 100.0; }))
        ASSERT_EQ(s, 0.5f);
}

// Each command line and the scale it gives: nullopt is automatic, NAN is an error.
TEST(RenderScaleOption, AutoForAPlayerOneForHeadlessRunsOrAsGivenAndNothingElse) {
    const std::pair<std::vector<const char*>, std::optional<float>> lines[] = {
        {{}, std::nullopt},
        {{"--headless"}, 1.0f},
        {{"--headless", "--render-scale", "auto"}, std::nullopt},
        {{"--render-scale", "0.5", "--real-clock"}, 0.5f},
        {{"--render-scale", ".25"}, 0.25f},
        {{"--render-scale"}, NAN},
        {{"--render-scale", "1", "--render-scale", "1"}, NAN},
    };
    for (const auto& [args, scale] : lines) {
        std::vector<const char*> argv{"munchora"};
        argv.insert(argv.end(), args.begin(), args.end());
        platform::RunOptions options;
        std::string error;
        const bool parsed = platform::ParseOptions(int(argv.size()), argv.data(), options, error);
        EXPECT_EQ(parsed, !(scale && std::isnan(*scale))) << args.size() << error;
        if (parsed) {
            EXPECT_EQ(options.renderScale, scale) << args.size();
        }
    }
    for (const char* bad : {"0", "0.2", "1.01", "2", "-0.5", "0.5x", "1e-1", "0..5", "", " 0.5",
                            "Auto", "nan", "0.500000000"}) {
        const char* argv[] = {"munchora", "--render-scale", bad};
        platform::RunOptions options;
        std::string error;
        EXPECT_FALSE(platform::ParseOptions(3, argv, options, error)) << bad;
        EXPECT_NE(error.find("--render-scale"), std::string::npos) << bad;
    }
}

} // namespace
