#include "model/checks.h"
#include "model/entry.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "model/val.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace radirav {
namespace {

using Answers = std::vector<std::pair<int, const char*>>; // parameter number, typed answer

struct GroupCase {
    const char* name;
    Answers answers;
    int expectedIndex; // 0: the group passes
};

ProgramState SampleAnswering(const Answers& answers) {
    ProgramState state;
    LoadSampleData(state);
    for (const auto& [index, text] : answers)
        EnterParamValue(state, index, text);
    return state;
}

class GroupChecks : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupChecks, ReportTheFirstBadParameter) {
    ProgramState state = SampleAnswering(GetParam().answers);
    const int first = GetParam().answers.empty() ? 1 : GetParam().answers.front().first;
    state.InputError = !GetParam().expectedIndex; // the check must overwrite a stale flag
    EXPECT_EQ(CheckGroupOf(state, first), GetParam().expectedIndex);
    EXPECT_EQ(state.InputError, GetParam().expectedIndex != 0);
}

Answers AllGeneralCancelled() {
    Answers answers;
    for (int i = 1; i <= 12; ++i)
        answers.emplace_back(i, "");
    return answers;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GroupChecks,
    ::testing::Values(GroupCase{"SampleGeneralPasses", {{1, "2.78"}}, 0},
                      GroupCase{"CancelledGeneralFailsOnFeedFraction", AllGeneralCancelled(), 2},
                      GroupCase{
                          "FeedPoorerThanBottomsFailsOnBottoms", {{2, "0.5"}, {3, "0.95"}, {4, "0.6"}}, 4},
                      GroupCase{"FeedRicherThanDistillateFailsOnDistillate", {{2, "0.97"}}, 3},
                      // XF = XW leaves no distillate to draw: P = (XF - XW) F / (XP - XW) = 0.
                      GroupCase{"FeedAsPoorAsBottomsFailsOnBottoms", {{2, "0.0006"}}, 4},
                      GroupCase{"FeedAsRichAsDistillatePasses", {{2, "0.95"}}, 0},
                      GroupCase{"FractionOfOneFails", {{3, "1"}}, 3},
                      GroupCase{"FeedFlowAboveHundredFails", {{1, "100,5"}}, 1},
                      GroupCase{"FeedFlowOfHundredPasses", {{1, "100"}}, 0},
                      GroupCase{"HeatOfVaporisationOfFiftyFails", {{5, "50"}}, 5},
                      GroupCase{"MolarMassBelowOneFails", {{7, "0.5"}}, 7},
                      GroupCase{"DiffusivityTypedWithCommaAtBoundPasses", {{9, "0,1"}}, 0},
                      GroupCase{"DiffusivityAboveBoundFails", {{9, "0.11"}}, 9},
                      GroupCase{"PressureBeyondSinglePrecisionFails", {{10, "1e39"}}, 10},
                      GroupCase{"ZeroRefluxFails", {{11, "0"}}, 11},
                      GroupCase{"DutyAboveMillionFails", {{12, "1000001"}}, 12},
                      GroupCase{"TemperatureOfMinus273Passes", {{16, "-273"}}, 0},
                      GroupCase{"TemperatureOfMinus273AndAHalfFails", {{16, "-273.5"}}, 16},
                      GroupCase{"ZeroEntrainmentPasses", {{28, "0"}}, 0},
                      GroupCase{"StrippingWeirLengthBelowBoundFails", {{21, "0.09"}}, 21},
                      GroupCase{"RectifyingViscosityAboveBoundFails", {{19, "0.2"}}, 19},
                      GroupCase{"FirstBadSectionValueWins", {{14, "1"}, {18, "1"}}, 14},
                      GroupCase{"TextWithoutNumberFails", {{22, "много"}}, 22}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescribeParamRange, NamesTheCodeAndItsBounds) {
    EXPECT_EQ(DescribeParamRange(2), "0 < XF < 1");
    EXPECT_EQ(DescribeParamRange(1), "0 < F <= 100");
    EXPECT_EQ(DescribeParamRange(24), "-273 <= TIS <= 400");
    EXPECT_EQ(DescribeParamRange(4), "0 < XW < 1, XW < XF");
    // The last general and the first section parameter, each from its own table.
    EXPECT_EQ(DescribeParamRange(12), "0 < Q <= 1000000");
    EXPECT_EQ(DescribeParamRange(13), "0.1 <= LSUK <= 10");
}

struct AntoineCase {
    const char* name;
    std::vector<std::pair<int, const char*>> answers;
    int expectedIndex;
};

class AntoineChecks : public ::testing::TestWithParam<AntoineCase> {};

TEST_P(AntoineChecks, ReportTheFirstConstantOutOfRange) {
    ProgramState state;
    LoadSampleData(state);
    for (const auto& [index, text] : GetParam().answers)
        EnterAntoineValue(state, index, text);
    EXPECT_EQ(CheckAntoineConstants(state), GetParam().expectedIndex);
    EXPECT_EQ(state.InputError, GetParam().expectedIndex != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AntoineChecks,
    ::testing::Values(AntoineCase{"SamplePasses", {}, 0}, AntoineCase{"ALowerBound", {{1, "10"}}, 0},
                      AntoineCase{"AUpperBound", {{1, "25"}}, 0}, AntoineCase{"ABelow", {{1, "9.99"}}, 1},
                      AntoineCase{"AAbove", {{1, "25.01"}}, 1}, AntoineCase{"CZeroPasses", {{3, "0"}}, 0},
                      AntoineCase{"CPositiveFails", {{6, "0.001"}}, 6},
                      AntoineCase{"CLowerBoundPasses", {{6, "-200"}}, 0},
                      AntoineCase{"CBelowFails", {{3, "-200.5"}}, 3},
                      AntoineCase{"BWithCommaIsSmall", {{2, "1,200"}}, 2},
                      AntoineCase{"FirstOfTwoBadWins", {{1, "5"}, {6, "5"}}, 1},
                      AntoineCase{"CancelledFails", {{4, ""}}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckAntoineConstants, JudgesValuesThatAreNotFiniteOutOfRange) {
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN(),
                    kInf = std::numeric_limits<float>::infinity();
    for (const auto& [k, value] : std::initializer_list<std::pair<int, float>>{
             {1, kNan}, {2, kInf}, {3, -kInf}, {4, -kInf}, {5, kNan}, {6, kNan}}) {
        ProgramState state;
        LoadSampleData(state);
        state.AntoineValues[k] = value;
        EXPECT_EQ(CheckAntoineConstants(state), k) << k;
        EXPECT_TRUE(state.InputError);
    }
}

} // namespace
} // namespace radirav
