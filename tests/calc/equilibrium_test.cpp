#include "calc/equilibrium.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace radirav {
namespace {

TEST(ConstantAlfa, LeavesTemperatureAlone) {
    ProgramState state = testing::SampleWithAlfa(2.5);
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.3f, temperature, alfa), StopCause::None);
    EXPECT_EQ(alfa, 2.5);
    EXPECT_EQ(temperature, 81.9f);
}

// Eight points whose volatilities 5, 4, 2, 1.5 at x = 0.1, 0.3, 0.5, 0.7 bend at every point,
// so that each segment gives other values than its neighbours.
ProgramState BentTable(int count = 8) {
    ProgramState state;
    state.EquilibriumKind = count; // a tabulated kind is its point count
    state.EqPointCount = count;
    const float xs[] = {0.1f, 0.3f, 0.5f, 0.7f, 0.8f, 0.85f, 0.9f, 0.95f};
    const float alfas[] = {5, 4, 2, 1.5f, 1.4f, 1.3f, 1.2f, 1.1f};
    for (int i = 1; i <= count; ++i) {
        state.EqX[i] = i <= 8 ? xs[i - 1] : 0.95f + 0.0025f * static_cast<float>(i - 8);
        state.EqAlfa[i] = i <= 8 ? alfas[i - 1] : 1.1f;
    }
    return state;
}

struct InterpolationCase {
    const char* name;
    std::vector<float> xs; // successive trays
    double lastAlfa;       // worked by hand on the segment named
};

class TabulatedVolatility : public ::testing::TestWithParam<InterpolationCase> {};

TEST_P(TabulatedVolatility, InterpolatesForwardOnly) {
    ProgramState state = BentTable();
    EquilibriumModel model(state);
    float temperature = 50.0f;
    double alfa = 0;
    for (const float x : GetParam().xs)
        ASSERT_EQ(model.RelativeVolatility(x, temperature, alfa), StopCause::None);
    EXPECT_NEAR(alfa, GetParam().lastAlfa, 1e-6); // single-precision storage
    EXPECT_EQ(temperature, 50.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, TabulatedVolatility,
    ::testing::Values(InterpolationCase{"AtAnUpperEndGivesThePointValue", {0.3f}, 4.0},
                      InterpolationCase{"InsideASegment", {0.4f}, 3.0},                // (0.3, 4)-(0.5, 2)
                      InterpolationCase{"AtAPointTheSegmentStays", {0.3f, 0.2f}, 4.5}, // (0.1, 5)-(0.3, 4)
                      InterpolationCase{"BelowTheFirstPointExtrapolates", {0.0f}, 5.5},
                      InterpolationCase{"BeyondTheLastPointUsesTheLastSegment", {1.0f}, 1.0},
                      InterpolationCase{"SegmentNeverMovesBack", {0.6f, 0.2f}, 2.75}), // (0.5, 2)-(0.7, 1.5)
    [](const auto& info) { return std::string(info.param.name); });

struct TableSizeCase {
    const char* name;
    int count;
    StopCause stop;
};

class TableSizes : public ::testing::TestWithParam<TableSizeCase> {};

TEST_P(TableSizes, NeedTwoToTwentyPoints) {
    ProgramState state = BentTable(GetParam().count);
    EquilibriumModel model(state);
    float temperature = 50.0f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.2f, temperature, alfa), GetParam().stop);
    if (GetParam().stop == StopCause::None) {
        EXPECT_NEAR(alfa, 4.5, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, TableSizes,
                         ::testing::Values(TableSizeCase{"TwoPointsMakeOneSegment", 2, StopCause::None},
                                           TableSizeCase{"TwentyPoints", 20, StopCause::None},
                                           TableSizeCase{"MoreThanTheTableHolds", 21,
                                                         StopCause::NoUsableTable},
                                           TableSizeCase{"NoPoints", 0, StopCause::NoUsableTable}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TabulatedVolatility, ExtrapolatedToZeroOrBelowStops) {
    ProgramState state = BentTable();
    state.EqAlfa[1] = 1.0f; // line through (0.1, 1) and (0.3, 4): 1 - 1.5 = -0.5 at x = 0
    EquilibriumModel model(state);
    float temperature = 50.0f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.0f, temperature, alfa), StopCause::TableVolatility);
    EXPECT_NEAR(alfa, -0.5, 1e-6);
}

// Ideal mixture, independently: the bubble point is the temperature at which the partial pressures
// of Raoult's law add up to the column pressure, x P1(T) + (1 - x) P2(T) = PRES, with
// ln P = A - B / (T + C + 273.15); found here by bisection in double precision.
double BubblePointByBisection(double x, const double (&k)[6], double pressure) {
    auto excess = [&](double t) {
        const double p1 = std::exp(k[0] - k[1] / (t + k[2] + 273.15));
        const double p2 = std::exp(k[3] - k[4] / (t + k[5] + 273.15));
        return x * p1 + (1 - x) * p2 - pressure;
    };
    double low = -100, high = 400; // deg C; the excess rises with the temperature
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (excess(mid) > 0 ? high : low) = mid;
    }
    return (low + high) / 2;
}

struct BubbleCase {
    const char* name;
    float x;
};

class BubblePointVolatility : public ::testing::TestWithParam<BubbleCase> {};

TEST_P(BubblePointVolatility, MatchesTheBubblePointOfRaoultsLaw) {
    const double k[6] = {23, 1200, -120, 12, 1100, -145}; // the sample's constants
    ProgramState state = testing::SampleWithAntoine();
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    ASSERT_EQ(model.RelativeVolatility(GetParam().x, temperature, alfa), StopCause::None);
    const double t = BubblePointByBisection(GetParam().x, k, 760);
    const double u1 = t + k[2] + 273.15, u2 = t + k[5] + 273.15; // kelvin shifted by C
    const double expected = std::exp(k[0] - k[1] / u1 - k[3] + k[4] / u2);
    // The iteration stops once a pass moves the temperature less than 0.01 K, and alpha belongs to
    // the temperature before that last move: up to 0.02 K away, times d ln(alpha)/dT.
    const double slope = std::fabs(k[1] / (u1 * u1) - k[4] / (u2 * u2));
    EXPECT_NEAR(temperature, t, 0.01);
    EXPECT_NEAR(alfa / expected, 1.0, 0.02 * slope);
}

INSTANTIATE_TEST_SUITE_P(Liquids, BubblePointVolatility,
                         ::testing::Values(BubbleCase{"PureLessVolatile", 0.0f},
                                           BubbleCase{"Bottoms", 0.0002f}, BubbleCase{"Lean", 0.05f},
                                           BubbleCase{"Rich", 0.8f}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AntoineStopCase {
    const char* name;
    float constants[6];
    float pressure;
    StopCause stop;
};

class BubblePointStops : public ::testing::TestWithParam<AntoineStopCase> {};

TEST_P(BubblePointStops, EndWithTheirMessage) {
    ProgramState state = testing::SampleWithAntoine();
    for (int i = 1; i <= 6; ++i)
        state.AntoineValues[i] = GetParam().constants[i - 1];
    state.InputParams[param::kPRES].Value = GetParam().pressure;
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.2f, temperature, alfa), GetParam().stop);
}

INSTANTIATE_TEST_SUITE_P(
    Constants, BubblePointStops,
    ::testing::Values(
        AntoineStopCase{
            "SwappedComponents", {12, 1100, -145, 23, 1200, -120}, 760, StopCause::AntoineVolatility},
        AntoineStopCase{"HugeExponent", {90, 1200, -120, 12, 1100, -145}, 760, StopCause::AntoineExponent},
        // Alike components: alpha is exactly 1, no separation but no error either.
        AntoineStopCase{"IdenticalComponents", {12, 1100, -145, 12, 1100, -145}, 760, StopCause::None},
        // No pressure: the partial pressure of component 2 is 0 and has no logarithm.
        AntoineStopCase{"ZeroPressure", {23, 1200, -120, 12, 1100, -145}, 0, StopCause::BubblePointPressure}),
    [](const auto& info) { return std::string(info.param.name); });

// A bubble-point iteration that converges slowly: for pure component 1 (x = 1) and equal C, each
// pass shrinks the temperature error by 1 - B1/B2 = 0.99. Passes are counted here by redoing the
// successive substitution in double precision.
constexpr double kSlow[6] = {6.776, 50, 0, 12, 5000, 0};

int PassesToConverge(double t) {
    for (int pass = 1; pass < 100000; ++pass) {
        const double p1 = std::exp(kSlow[0] - kSlow[1] / (t + kSlow[2] + 273.15));
        const double p2sat = std::exp(kSlow[3] - kSlow[4] / (t + kSlow[5] + 273.15));
        const double p2 = 760 / (p1 / p2sat); // x = 1
        const double next = kSlow[4] / (kSlow[3] - std::log(p2)) - kSlow[5] - 273.15;
        const double change = std::fabs(next - t);
        t = static_cast<float>(next);
        if (change < 0.01)
            return pass;
    }
    return 0;
}

// The lowest start temperature that needs at least `passes` passes (more passes the farther the
// start lies above the bubble point, about 77 deg C), by bisection.
double FirstStartNeeding(int passes) {
    double low = 80, high = 400;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (PassesToConverge(mid) >= passes ? high : low) = mid;
    }
    return high;
}

// A start temperature in the middle of those that need exactly `passes` passes.
float StartNeeding(int passes) {
    return static_cast<float>((FirstStartNeeding(passes) + FirstStartNeeding(passes + 1)) / 2);
}

TEST(BubblePoint, GivesUpAfterTheLastAllowedPass) {
    ProgramState state = testing::SampleWithAntoine();
    for (int i = 1; i <= 6; ++i)
        state.AntoineValues[i] = static_cast<float>(kSlow[i - 1]);
    const int limit = EquilibriumModel::kMaxBubblePointPasses;
    for (const auto& [passes, stop] :
         {std::pair{limit, StopCause::None}, std::pair{limit + 1, StopCause::AntoineNoBubblePoint}}) {
        float temperature = StartNeeding(passes);
        ASSERT_EQ(PassesToConverge(temperature), passes);
        EquilibriumModel model(state);
        double alfa = 0;
        EXPECT_EQ(model.RelativeVolatility(1.0f, temperature, alfa), stop) << passes << " passes";
    }
}

} // namespace
} // namespace radirav
