#include "calc/column.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace radirav {
namespace {

struct ProfileCase {
    const char* name;
    ProgramState (*make)();
};

class TrayProfile : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(TrayProfile, AgreesWithTheResultTableAndTheMurphreeStep) {
    ProgramState state = GetParam().make();
    const ColumnResult result = CalculateAndStore(state);
    const std::vector<TrayRecord>& profile = result.trays;
    ASSERT_EQ(result.stop, CalcStop::None);
    ASSERT_EQ(static_cast<int>(profile.size()), state.RequiredTrays);
    ASSERT_GT(state.FeedTray, 1);

    // The first, feed and top trays are the three columns of the result table (rows w, F, h, Ea).
    const int trays[] = {1, state.FeedTray, state.RequiredTrays};
    for (int column = 1; column <= 3; ++column) {
        const TrayRecord& tray = profile[static_cast<std::size_t>(trays[column - 1] - 1)];
        SCOPED_TRACE(tray.number);
        EXPECT_EQ(tray.w, state.TrayResults(1, column));
        EXPECT_EQ(tray.F, state.TrayResults(2, column));
        EXPECT_EQ(tray.h, state.TrayResults(4, column));
        EXPECT_EQ(tray.Ea, state.TrayResults(14, column));
    }

    // Each tray moves the vapour entering it towards y* by Ea; the bottom vapour is xW.
    float yIn = result.balance.xW;
    for (const TrayRecord& tray : profile) {
        SCOPED_TRACE(tray.number);
        EXPECT_EQ(tray.number, &tray - profile.data() + 1);
        EXPECT_EQ(tray.section,
                  tray.number > state.FeedTray ? ColumnSection::Rectifying : ColumnSection::Stripping);
        EXPECT_GT(tray.yStar, tray.x);
        EXPECT_NEAR(tray.yOut, yIn + tray.Ea * (tray.yStar - yIn), 2e-7f);
        yIn = tray.yOut;
    }
    EXPECT_GT(profile.back().yOut, result.balance.xP);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, TrayProfile,
    ::testing::Values(ProfileCase{"TableBubbleCap", [] { return testing::SampleWithPoints(); }},
                      ProfileCase{"TableSieve", [] { return testing::SampleWithPoints("S"); }},
                      ProfileCase{"Alfa10", [] { return testing::SampleWithAlfa(10.0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayProfile, EndsWithTheLastWholeTrayOfALimitStop) {
    ProgramState state = testing::SampleWithAlfa(3.0);
    const ColumnResult result = CalculateColumn(state);
    EXPECT_EQ(result.stop, CalcStop::TrayLimit);
    EXPECT_EQ(result.trays.size(), static_cast<std::size_t>(kMaxTrays));
}

} // namespace
} // namespace radirav
