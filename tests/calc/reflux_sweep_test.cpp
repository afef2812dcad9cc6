#include "calc/reflux_sweep.h"
#include "model/entry.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

struct MinimumRefluxCase {
    const char* name;
    ProgramState (*make)();
    double rMin; // independent calculation from the sample's xP, xW and b
};

class MinimumRefluxOfTheSample : public ::testing::TestWithParam<MinimumRefluxCase> {};

// Tolerance 1e-3 relative: the curve is scanned in 4000 steps of x.
TEST_P(MinimumRefluxOfTheSample, IsThePinchAndTheAsymptoteOfTheTrayCount) {
    const ProgramState state = GetParam().make();
    const std::optional<double> rMin = MinimumReflux(state);
    ASSERT_TRUE(rMin);
    EXPECT_NEAR(*rMin, GetParam().rMin, 1e-3 * GetParam().rMin);

    // Just below it the column never reaches the top; the smallest reflux that does lies above it.
    EXPECT_EQ(SweepReflux(state, 0.995 * *rMin, 0.995 * *rMin, 1).front().stop, CalcStop::TrayLimit);
    const std::optional<double> reaching = SmallestRefluxReachingTheTop(state);
    ASSERT_TRUE(reaching);
    EXPECT_GE(*reaching, *rMin);
    EXPECT_EQ(SweepReflux(state, *reaching, *reaching, 1).front().stop, CalcStop::None);
}

INSTANTIATE_TEST_SUITE_P(
    Pinches, MinimumRefluxOfTheSample,
    ::testing::Values(
        // Constant ALFA 10: the operating lines meet on the curve at x = 0.10508, y* = 0.54006.
        MinimumRefluxCase{"AlfaTenPinchesAtTheSwitchPoint", [] { return testing::SampleWithAlfa(10.0); },
                          0.78480},
        // Ethanol-water table: tangent pinch at x = 0.8276, below the azeotrope.
        MinimumRefluxCase{"TableTouchesNearTheAzeotrope", [] { return testing::SampleWithPoints(); },
                          3.27351}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MinimumReflux, NoneForADistillateBeyondTheAzeotrope) {
    ProgramState state = testing::SampleWithPoints();
    EnterParamValue(state, param::kXP, "0.97"); // xP = 0.927 > 0.8943
    EXPECT_FALSE(MinimumReflux(state));
    EXPECT_FALSE(PlanRefluxStudy(state).smallestReaching);
}

TEST(RefluxSweep, TraysFallAsRefluxGrowsUpToTwiceTheSmallestAndKeepTheSampleFigures) {
    const ProgramState state = testing::SampleWithPoints();
    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    ASSERT_TRUE(plan.smallestReaching);
    const RefluxRange* range = &plan.range;
    EXPECT_NEAR(range->to, 5.0 * range->from, 1e-9);
    const std::vector<RefluxPoint> points = SweepReflux(state, range->from, 2.0 * range->from, 60);
    ASSERT_EQ(points.size(), 60u);
    EXPECT_FLOAT_EQ(points.back().R, static_cast<float>(2.0 * range->from));
    EXPECT_GT(points.front().trays, 200);
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_EQ(points[i].stop, CalcStop::None) << points[i].R;
        EXPECT_LE(points[i].trays, points[i - 1].trays) << points[i].R;
        EXPECT_LE(points[i].feed, points[i - 1].feed) << points[i].R;
    }
    // The sample's own reflux 5.25: 59 trays, feed tray 10.
    const RefluxPoint sample = SweepReflux(state, 5.25, 5.25, 1).front();
    EXPECT_EQ(sample.trays, 59);
    EXPECT_EQ(sample.feed, 10);
}

} // namespace
} // namespace radirav
