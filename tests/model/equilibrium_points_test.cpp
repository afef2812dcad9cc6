#include "model/equilibrium_points.h"
#include "model/sample_data.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace radirav {
namespace {

// A table of eight points that passes every rule, to be spoiled one point at a time.
ProgramState EightGoodPoints() {
    ProgramState state;
    LoadSampleData(state);
    state.EqPointCount = 8;
    const char* xs[] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"};
    const char* ys[] = {"0.3", "0.45", "0.55", "0.62", "0.7", "0.77", "0.83", "0.9"};
    for (int i = 1; i <= 8; ++i) {
        EnterPointX(state, i, xs[i - 1]);
        EnterPointY(state, i, ys[i - 1]);
    }
    return state;
}

struct PointCase {
    const char* name;
    std::vector<std::tuple<int, const char*, const char*>> points; // index, x, y
    int point;
    int rule;
    const char* caption;
};

class PointChecks : public ::testing::TestWithParam<PointCase> {};

// The check screen's order: sort, re-read the texts, check.
TEST_P(PointChecks, FindTheFirstBrokenRuleAfterSorting) {
    ProgramState state = EightGoodPoints();
    for (const auto& [i, x, y] : GetParam().points) {
        EnterPointX(state, i, x);
        EnterPointY(state, i, y);
    }
    SortPointsAndComputeAlfa(state);
    RereadPointTexts(state);
    state.InputError = GetParam().point == 0; // a stale flag must be overwritten
    const PointCheck check = CheckEquilibriumPoints(state);
    EXPECT_EQ(check.point, GetParam().point);
    EXPECT_EQ(check.rule, GetParam().rule);
    EXPECT_EQ(check.caption, GetParam().caption);
    EXPECT_EQ(state.InputError, GetParam().point != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PointChecks,
    ::testing::Values(
        PointCase{"GoodTablePasses", {}, 0, 0, ""},
        PointCase{"VapourOfOneHasNoAlfa", {{5, "0.5", "1"}}, 5, 5, " ОШИБКА :     X[5] = 0 или Y[5] = 1"},
        PointCase{"LiquidOfZeroHasNoAlfaBeforeOrdering",
                  {{8, "0", "0.2"}},
                  1,
                  5,
                  " ОШИБКА :     X[1] = 0 или Y[1] = 1"},
        PointCase{"EqualXFailsAtTheLaterPoint",
                  {{4, "0.3", "0.6"}},
                  4,
                  1,
                  " ОШИБКА :     X[4] < X[3] или X[4] = 0"},
        PointCase{"FallingYFails", {{4, "0.4", "0.5"}}, 4, 2, " ОШИБКА :     Y[4] < Y[3] или Y[4] = 0"},
        PointCase{"VapourBelowLiquidFails",
                  {{8, "0.8", "0.85"}, {7, "0.75", "0.8"}, {6, "0.7", "0.72"}, {5, "0.65", "0.64"}},
                  5,
                  3,
                  " ОШИБКА :      Y[5] < X[5]"},
        PointCase{"LiquidOfOneWithLeanerVapourFailsOnOrder",
                  {{8, "1", "0.95"}},
                  8,
                  3,
                  " ОШИБКА :      Y[8] < X[8]"},
        PointCase{"OutOfRangeLiquidRereadsAsZero",
                  {{3, "1.5", "0.99"}},
                  8,
                  1,
                  " ОШИБКА :     X[8] < X[7] или X[8] = 0"},
        // A first point outside 0..1 re-reads as 0 where no ordering rule looks: it fails on its own.
        PointCase{
            "NegativeLowestLiquidFails", {{1, "-0,5", "0.17"}}, 1, 5, " ОШИБКА :     X[1] = 0 или Y[1] = 1"},
        PointCase{
            "LowestVapourAboveOneFails", {{1, "0.1", "1.2"}}, 1, 5, " ОШИБКА :     X[1] = 0 или Y[1] = 1"},
        PointCase{
            "NegativeLowestVapourFails", {{1, "0.1", "-0.3"}}, 1, 5, " ОШИБКА :     X[1] = 0 или Y[1] = 1"},
        // The lowest point is held to y >= x like every other: (0.0006, 0) lies under the diagonal.
        PointCase{
            "LowestVapourBelowItsLiquidFails", {{1, "0.0006", "0"}}, 1, 3, " ОШИБКА :      Y[1] < X[1]"},
        PointCase{"LowestPointOnTheDiagonalPasses", {{1, "0.01", "0.01"}}, 0, 0, ""},
        PointCase{"VapourAboveOneAtALaterPointFailsOnOrder",
                  {{6, "0.6", "1.5"}},
                  6,
                  2,
                  " ОШИБКА :     Y[6] < Y[5] или Y[6] = 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckEquilibriumPoints, RejectsALiquidOfOneAboveTheOtherPoints) {
    ProgramState state = EightGoodPoints();
    SortPointsAndComputeAlfa(state);
    state.EqX[8] = 1.0f; // only reachable by editing numbers: typed 1 with y = 1 has no ALFA
    state.EqY[8] = 1.0f;
    const PointCheck check = CheckEquilibriumPoints(state);
    EXPECT_EQ(check.rule, 4);
    EXPECT_EQ(check.caption, " ОШИБКА :     X[8] >= 1 или Y[8] > = 1");
}

TEST(CheckEquilibriumPoints, RejectsANegativeFirstPointAlsoBeforeTheTextsAreReread) {
    // The editor checks right after the sort: the number is still the typed -0.5.
    ProgramState state = EightGoodPoints();
    EnterPointX(state, 1, "-0.5");
    SortPointsAndComputeAlfa(state);
    ASSERT_EQ(state.EqX[1], -0.5f);
    EXPECT_EQ(CheckEquilibriumPoints(state).point, 1);
}

TEST(PointAlfa, IsComputedWhenEnteredAndMarkedWhenUndefined) {
    ProgramState state;
    state.EqPointCount = 2;
    EnterPointX(state, 1, "0.25");
    EnterPointY(state, 1, "0.5");
    ComputePointAlfa(state, 1);
    EXPECT_EQ(state.EqAlfaText[1], " 3"); // 0.75 * 0.5 / 0.25 / 0.5
    EXPECT_FLOAT_EQ(state.EqAlfa[1], 3.0f);
    EnterPointX(state, 1, "0");
    ComputePointAlfa(state, 1);
    EXPECT_EQ(state.EqAlfaText[1], " ???");
    EXPECT_FLOAT_EQ(state.EqAlfa[1], 3.0f) << "an undefined ALFA leaves the number alone";
}

TEST(SortPointsAndComputeAlfa, MovesTextsWithNumbersAndMarksOutOfRange) {
    ProgramState state;
    state.EqPointCount = 3;
    EnterPointX(state, 1, "0.6");
    EnterPointY(state, 1, "0.8");
    EnterPointX(state, 2, "1,5");
    EnterPointY(state, 2, "0.9");
    EnterPointX(state, 3, "0.2");
    EnterPointY(state, 3, "0.4");
    EXPECT_EQ(state.EqXText[2], "   ???");
    SortPointsAndComputeAlfa(state);
    EXPECT_EQ(state.EqXText[1], "0.2");
    EXPECT_EQ(state.EqYText[1], "0.4");
    EXPECT_EQ(state.EqXText[2], "0.6");
    EXPECT_EQ(state.EqXText[3], "   ???");
    EXPECT_EQ(state.EqX[3], 1.5f) << "the typed number sorts, the marker shows";
}

TEST(InsertPoint, AddsPointNPlusOneAndStopsAtTwenty) {
    ProgramState state = EightGoodPoints();
    ASSERT_TRUE(InsertPoint(state, "0,05", "0.2"));
    EXPECT_EQ(state.EqPointCount, 9);
    EXPECT_EQ(state.EqXText[9], "0.05");
    EXPECT_EQ(state.EqX[9], 0.05f);
    EXPECT_EQ(state.EqY[9], 0.2f);
    EXPECT_EQ(state.EqAlfaText[9], " 4.75"); // 0.95 * 0.2 / 0.05 / 0.8
    SortPointsAndComputeAlfa(state);
    EXPECT_EQ(state.EqXText[1], "0.05") << "the sort puts the new point in its place";
    for (int n = 10; n <= kMaxEqPoints; ++n)
        ASSERT_TRUE(InsertPoint(state, "0.9", "0.95"));
    EXPECT_FALSE(InsertPoint(state, "0.99", "0.995"));
    EXPECT_EQ(state.EqPointCount, kMaxEqPoints);
}

TEST(RemovePoint, MovesTheLaterPointsDownOnePlace) {
    ProgramState state = EightGoodPoints();
    ASSERT_TRUE(InsertPoint(state, "0.9", "0.95"));
    SortPointsAndComputeAlfa(state);
    const ProgramState before = state;
    RemovePoint(state, 3); // removing point 3 of 9 leaves 8, old 4..9 now 3..8
    EXPECT_EQ(state.EqPointCount, 8);
    EXPECT_EQ(state.EqXText[2], before.EqXText[2]);
    for (int i = 3; i <= 8; ++i) {
        EXPECT_EQ(state.EqXText[i], before.EqXText[i + 1]) << i;
        EXPECT_EQ(state.EqY[i], before.EqY[i + 1]) << i;
        EXPECT_EQ(state.EqAlfaText[i], before.EqAlfaText[i + 1]) << i;
    }
    RemovePoint(state, 9);
    RemovePoint(state, 0);
    EXPECT_EQ(state.EqPointCount, 8) << "an index outside 1..N removes nothing";
}

TEST(StorePointCell, NormalisesOnEnterAndStoresAsTypedOnClick) {
    ProgramState state = EightGoodPoints();
    ASSERT_TRUE(StorePointCell(state, 2, PointColumn::X, "0,35", true));
    EXPECT_EQ(state.EqXText[2], "0.35");
    EXPECT_EQ(state.EqX[2], 0.35f);
    ASSERT_TRUE(StorePointCell(state, 2, PointColumn::Y, "0,35", false));
    EXPECT_EQ(state.EqYText[2], "0,35");
    EXPECT_EQ(state.EqY[2], 0.0f) << "Val stops at the comma";
    EXPECT_FALSE(StorePointCell(state, 9, PointColumn::X, "0.5", true));
    EXPECT_FALSE(StorePointCell(state, 1, PointColumn::None, "0.5", true));
    EXPECT_EQ(state.EqXText[1], "0.1");
}

} // namespace
} // namespace radirav
