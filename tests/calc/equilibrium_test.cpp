#include "calc/equilibrium.h"
#include "calc/properties.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

TEST(ConstantAlfa, LeavesTemperatureAlone) {
    ProgramState state = testing::SampleWithAlfa(2.5);
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.3f, temperature, alfa), CalcStop::None);
    EXPECT_EQ(alfa, 2.5);
    EXPECT_EQ(temperature, 81.9f);
}

// Eight points; the first four carry volatilities 5, 4, 3, 2 at x = 0.1, 0.3, 0.5, 0.7.
ProgramState FourPointTable() {
    ProgramState state;
    state.EquilibriumKind = 8; // a tabulated kind is its point count
    state.EqPointCount = 8;
    const float xs[] = {0.1f, 0.3f, 0.5f, 0.7f, 0.8f, 0.85f, 0.9f, 0.95f};
    const float alfas[] = {5, 4, 3, 2, 1.8f, 1.6f, 1.4f, 1.2f};
    for (int i = 1; i <= 8; ++i) {
        state.EqX[i] = xs[i - 1];
        state.EqAlfa[i] = alfas[i - 1];
    }
    return state;
}

struct InterpolationCase {
    const char* name;
    std::vector<float> xs; // successive trays
    double lastAlfa;
};

class TabulatedVolatility : public ::testing::TestWithParam<InterpolationCase> {};

TEST_P(TabulatedVolatility, InterpolatesForwardOnly) {
    ProgramState state = FourPointTable();
    EquilibriumModel model(state);
    float temperature = 50.0f;
    double alfa = 0;
    for (const float x : GetParam().xs)
        ASSERT_EQ(model.RelativeVolatility(x, temperature, alfa), CalcStop::None);
    EXPECT_NEAR(alfa, GetParam().lastAlfa, 1e-5); // single-precision storage
    EXPECT_EQ(temperature, 50.0f);
}

INSTANTIATE_TEST_SUITE_P(Segments, TabulatedVolatility,
                         ::testing::Values(InterpolationCase{"AtAnUpperEndTheIndexStays", {0.3f}, 4.0},
                                           InterpolationCase{"InsideASegment", {0.4f}, 3.5},
                                           InterpolationCase{"BelowTheFirstPointExtrapolates", {0.0f}, 5.5},
                                           InterpolationCase{
                                               "BeyondTheLastPointUsesTheLastSegment", {1.0f}, 1.0},
                                           InterpolationCase{"SegmentNeverMovesBack", {0.6f, 0.2f}, 4.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TabulatedVolatility, ExtrapolatedToZeroOrBelowStops) {
    ProgramState state = FourPointTable();
    state.EqAlfa[1] = 1.0f; // line through (0.1, 1) and (0.3, 4): 1 - 1.5 = -0.5 at x = 0
    EquilibriumModel model(state);
    float temperature = 50.0f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.0f, temperature, alfa), CalcStop::InputDataError);
    EXPECT_NEAR(alfa, -0.5, 1e-6);
}

TEST(BubblePoint, ConvergesAndCarriesTheTemperature) {
    ProgramState state = testing::SampleWithAntoine();
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    ASSERT_EQ(model.RelativeVolatility(0.2f, temperature, alfa), CalcStop::None);
    EXPECT_GT(alfa, 1.0);
    // At the bubble point x P1 + (1 - x) P2 = PRES (ideal mixture, Raoult's law).
    bool flag = false;
    const float p1 = AntoinePressure(23, 1200, -120, temperature, flag);
    const float p2 = AntoinePressure(12, 1100, -145, temperature, flag);
    EXPECT_NEAR(0.2 * p1 + 0.8 * p2, 760.0, 760.0 * 0.002);
}

TEST(BubblePoint, SwappedComponentsGiveTheAntoineStop) {
    ProgramState state = testing::SampleWithAntoine();
    for (int i = 1; i <= 3; ++i)
        std::swap(state.AntoineValues[i], state.AntoineValues[i + 3]);
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.2f, temperature, alfa), CalcStop::AntoineError);
}

TEST(BubblePoint, HugeExponentGivesTheAntoineStop) {
    ProgramState state = testing::SampleWithAntoine();
    state.AntoineValues[1] = 90.0f; // exponent beyond 81 at any temperature
    EquilibriumModel model(state);
    float temperature = 81.9f;
    double alfa = 0;
    EXPECT_EQ(model.RelativeVolatility(0.2f, temperature, alfa), CalcStop::AntoineError);
}

} // namespace
} // namespace radirav
