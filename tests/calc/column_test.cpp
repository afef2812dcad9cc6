#include "calc/column.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

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
    const ColumnResult result = CalculateColumn(state);
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
