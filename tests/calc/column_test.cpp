#include "calc/column.h"
#include "model/entry.h"
#include "model/equilibrium_points.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace radirav {
namespace {

using testing::SampleWithAlfa;
using testing::SampleWithAntoine;
using testing::SampleWithPoints;

struct TrayCountCase {
    const char* name;
    ProgramState state;
    CalcStop stop;
    int requiredTrays;
    int feedTray;
};

class SampleTrayCounts : public ::testing::TestWithParam<TrayCountCase> {};

TEST_P(SampleTrayCounts, GiveTheKnownTrayAndFeedNumbers) {
    ProgramState state = GetParam().state;
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, GetParam().stop);
    EXPECT_EQ(state.RequiredTrays, GetParam().requiredTrays);
    EXPECT_EQ(state.FeedTray, GetParam().feedTray);
    EXPECT_EQ(state.InputError, GetParam().stop != CalcStop::None);
}

INSTANTIATE_TEST_SUITE_P(
    EthanolWater, SampleTrayCounts,
    ::testing::Values(TrayCountCase{"PointsBubbleCap", SampleWithPoints("K"), CalcStop::None, 59, 10},
                      TrayCountCase{"PointsSieve", SampleWithPoints("S"), CalcStop::None, 65, 12},
                      TrayCountCase{"Alfa3HitsTheLimit", SampleWithAlfa(3.0), CalcStop::TrayLimit, 300, 0},
                      TrayCountCase{"Alfa10BubbleCap", SampleWithAlfa(10.0), CalcStop::None, 15, 11}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav

namespace radirav {
namespace {

TEST(MaterialBalance, MatchesTheEthanolWaterFigures) {
    ProgramState state = testing::SampleWithPoints();
    const MaterialBalance mb = CalculateAndStore(state).balance;
    // Figures quoted to five significant digits.
    EXPECT_NEAR(mb.P, 0.005447, 5e-7);
    EXPECT_NEAR(mb.W, 0.14148, 5e-6);
    EXPECT_NEAR(mb.xP, 0.88144, 5e-6);
    EXPECT_NEAR(mb.xW, 0.00023487, 5e-9);
    EXPECT_NEAR(mb.b, 0.24104, 5e-6);
    EXPECT_NEAR(mb.ys, 0.16872, 5e-6);
}

TEST(CalculateColumn, StartsFromScratchEveryTime) {
    ProgramState state = testing::SampleWithPoints();
    CalculateAndStore(state);
    const TrayResultTable first = state.TrayResults;
    state.TrayResults(1, 1) = 99.0f;
    state.InputError = true;
    CalculateAndStore(state);
    EXPECT_EQ(state.TrayResults, first);
    EXPECT_FALSE(state.InputError);
}

TEST(CalculateColumn, KeepsFirstFeedAndTopTrayColumns) {
    ProgramState state = testing::SampleWithPoints();
    CalculateAndStore(state);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_GT(state.TrayResults(1, j), 0.0f) << "velocity of column " << j;
        EXPECT_GT(state.TrayResults(14, j), 0.0f) << "efficiency of column " << j;
        EXPECT_LT(state.TrayResults(14, j), 1.0f) << "efficiency of column " << j;
    }
    // The rectifying section above the feed carries other flows than the stripping section.
    EXPECT_NE(state.TrayResults(1, 3), state.TrayResults(1, 2));
}

TEST(CalculateColumn, FeedOnTheFirstTrayFillsTheFirstColumnFromTheFeedColumn) {
    ProgramState state = testing::SampleWithAlfa(100.0);
    EnterParamValue(state, param::kXW, "0.05"); // rich bottoms and a steep equilibrium: tray 1 passes ys
    const ColumnResult result = CalculateAndStore(state);
    ASSERT_EQ(result.stop, CalcStop::None);
    ASSERT_EQ(state.FeedTray, 1);
    for (int i = 1; i <= kResultRows; ++i)
        EXPECT_EQ(state.TrayResults(i, 1), state.TrayResults(i, 2)) << i;
}

TEST(CalculateColumn, VapourJumpingPastFeedAndTopOnOneTrayHasNoFeedTray) {
    ProgramState state = testing::SampleWithAlfa(1000000.0);
    EnterParamValue(state, param::kXP, "0.1");
    EnterParamValue(state, param::kXF, "0.05");
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, CalcStop::None);
    EXPECT_EQ(state.RequiredTrays, 1);
    EXPECT_EQ(state.FeedTray, 0);
    for (int i = 1; i <= kResultRows; ++i) {
        EXPECT_EQ(state.TrayResults(i, 2), 0.0f) << i;
        // The first tray is the top tray: its column shows that tray, not zeros.
        EXPECT_EQ(state.TrayResults(i, 1), state.TrayResults(i, 3)) << i;
    }
    EXPECT_GT(state.TrayResults(1, 1), 0.0f);
}

TEST(CalculateColumn, TableWhoseVolatilityExtrapolatesBelowZeroStops) {
    // A first point (0.2337, 0) has ALFA 0; the line from it to (0.2608, 0.558), ALFA 3.578,
    // reaches -30.8 at the bottoms composition xW = 0.000235.
    ProgramState state = testing::SampleWithPoints();
    state.EqX[1] = 0.2337f;
    state.EqY[1] = 0.0f;
    state.EqX[2] = 0.2608f;
    state.EqY[2] = 0.558f;
    ComputePointAlfa(state, 1);
    ComputePointAlfa(state, 2);
    ASSERT_EQ(state.EqAlfa[1], 0.0f);
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, CalcStop::InputDataError);
    EXPECT_TRUE(state.InputError);
}

TEST(CalculateColumn, AntoineSampleReachesTheTop) {
    ProgramState state = testing::SampleWithAntoine();
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, CalcStop::None);
    EXPECT_GT(state.RequiredTrays, state.FeedTray);
    EXPECT_GT(state.FeedTray, 0);
    EXPECT_GT(*state.Alfa, 1.0) << "the volatility of the last tray is kept";
}

TEST(CalculateColumn, EfficiencyOvershootThatStepsBelowZeroStops) {
    // Found by fuzzing. A wide rectifying tray at R = 1 has Ea = 2.17 above the feed; it overshoots
    // a table whose curve flattens to y = 0.66 at x = 0.52 and lies under the operating line, so
    // the trays step back down until the vapour reads -0.115 (tray 59) and the liquid -1.11.
    // That column was once reported finished with 60 trays and EMV = -2.5e15 on the top tray.
    ProgramState state = testing::SampleWithPoints();
    EnterParamValue(state, param::kR, "1");
    EnterParamValue(state, param::kFirstRectifying + param::kS, "2");
    const float points[][2] = {{0.07f, 0.3891f},   {0.096f, 0.5f},     {0.18f, 0.6564f}, {0.5198f, 0.6599f},
                               {0.5732f, 0.6841f}, {0.6763f, 0.7385f}, {0.7472f, 0.78f}, {0.8943f, 0.8943f}};
    state.EqPointCount = 8;
    for (int i = 1; i <= 8; ++i) {
        state.EqX[i] = points[i - 1][0];
        state.EqY[i] = points[i - 1][1];
    }
    for (int i = 1; i <= 8; ++i)
        ComputePointAlfa(state, i);
    ASSERT_EQ(CheckEquilibriumPoints(state).point, 0) << "the table itself is acceptable";

    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, CalcStop::InputDataError);
    EXPECT_TRUE(state.InputError);
    for (const TrayRecord& tray : result.trays) {
        EXPECT_GE(tray.x, 0.0f) << "tray " << tray.number;
        EXPECT_GE(tray.yOut, 0.0f) << "tray " << tray.number;
    }
}

struct ErrorStopCase {
    const char* name;
    std::vector<std::pair<int, const char*>> answers;
    CalcStop stop;
};

class ColumnErrorStops : public ::testing::TestWithParam<ErrorStopCase> {};

TEST_P(ColumnErrorStops, EndWithTheirMessageInsteadOfACrash) {
    ProgramState state = testing::SampleWithAlfa(10.0);
    for (const auto& [index, text] : GetParam().answers)
        EnterParamValue(state, index, text);
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, GetParam().stop);
    EXPECT_TRUE(state.InputError);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ColumnErrorStops,
    ::testing::Values(ErrorStopCase{"EqualCompositionsDivideByZero",
                                    {{2, "0.5"}, {3, "0.5"}, {4, "0.5"}},
                                    CalcStop::InputDataError},
                      ErrorStopCase{"NoBottomsHeat", {{5, "0"}}, CalcStop::InputDataError},
                      ErrorStopCase{"NegativeViscosityRatio", {{18, "-0.01"}}, CalcStop::InputDataError},
                      ErrorStopCase{"NegativeStrippingViscosity", {{26, "-0.01"}}, CalcStop::InputDataError},
                      ErrorStopCase{"ZeroMolarMass", {{7, "0"}}, CalcStop::InputDataError},
                      ErrorStopCase{"ZeroTrayArea", {{23, "0"}}, CalcStop::InputDataError},
                      ErrorStopCase{"InfinitePressure", {{10, "1e39"}}, CalcStop::InputDataError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculateColumn, ZeroRefluxPutsTheFeedAtTheTopAndNeverDividesByIt) {
    // With R = 0 the operating lines meet at the distillate composition, so the feed test
    // cannot fire below the top and the rectifying line (which divides by R) is never used.
    ProgramState state = testing::SampleWithAlfa(10.0);
    EnterParamValue(state, param::kR, "0");
    const ColumnResult result = CalculateAndStore(state);
    EXPECT_EQ(result.stop, CalcStop::TrayLimit);
    EXPECT_EQ(state.FeedTray, 0);
    for (int i = 1; i <= kResultRows; ++i)
        for (int j = 1; j <= kResultColumns; ++j)
            EXPECT_TRUE(std::isfinite(state.TrayResults(i, j)));
}

TEST(CalculateColumn, AntoineConstantsOfSwappedComponentsStop) {
    ProgramState state = testing::SampleWithAntoine();
    for (int i = 1; i <= 3; ++i)
        std::swap(state.AntoineValues[i], state.AntoineValues[i + 3]);
    EXPECT_EQ(CalculateAndStore(state).stop, CalcStop::AntoineError);
    EXPECT_TRUE(state.InputError);
}

} // namespace
} // namespace radirav
