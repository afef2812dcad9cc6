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

TEST(RefluxStudyPlan, Alfa3ReachesTheDistillateWithNoReflux) {
    // The stripping line meets the curve just above xW whatever R is; past R = 968 the rectifying
    // trays blow dry. No minimum reflux is offered, and the range still holds the case's R.
    const RefluxStudyPlan plan = PlanRefluxStudy(testing::SampleWithAlfa(3.0));
    EXPECT_FALSE(plan.smallestReaching);
    EXPECT_FALSE(plan.minimumReflux);
    EXPECT_LE(plan.range.from, 5.25);
    EXPECT_GE(plan.range.to, 5.25);
}

TEST(RefluxStudyPlan, RangeHoldsTheStudentsOwnRefluxAndStaysInsideTheCheck) {
    // ALFA = 10: the smallest reaching R is just above Rmin = 0.7848, five times that is 3.93,
    // short of the sample's 5.25.
    for (const char* R : {"5.25", "0.05", "10000"}) {
        ProgramState state = testing::SampleWithAlfa(10.0);
        EnterParamValue(state, param::kR, R);
        const RefluxStudyPlan plan = PlanRefluxStudy(state);
        const double own = state.InputParams[param::kR].Value;
        EXPECT_LE(plan.range.from, own) << R;
        EXPECT_GE(plan.range.to, own) << R;
        EXPECT_GT(plan.range.from, 0.0) << R;
        EXPECT_LE(plan.range.to, 10000.0) << R;
    }
}

TEST(MinimumReflux, ScansOnlyWhatTheTableCovers) {
    // Eight points ending at x = 0.7, y = 0.9605: the curve reaches xP = 0.881 near x = 0.26, so
    // the scan stops there instead of extrapolating past the last point (where the interpolated
    // volatility falls below 1 and no operating line would fit).
    const ProgramState state = testing::SampleWithShortTable();
    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    ASSERT_TRUE(plan.minimumReflux);
    ASSERT_TRUE(plan.smallestReaching);
    EXPECT_GE(*plan.smallestReaching, *plan.minimumReflux);
    EXPECT_EQ(SweepReflux(state, *plan.smallestReaching, *plan.smallestReaching, 1).front().stop,
              CalcStop::None);
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
