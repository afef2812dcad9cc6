#include "report/study_plot.h"

#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

constexpr StudiedInput kFeed{StudiedKind::Parameter, param::kF};

StudyRow Row(double value, int trays, int feed, StopCause cause = StopCause::None) {
    StudyRow row;
    row.value = value;
    row.cause = cause;
    row.stop = cause == StopCause::None ? CalcStop::None : StopOf(cause);
    row.trays = row.Works() ? trays : 0;
    row.feed = row.Works() ? feed : 0;
    return row;
}

InputStudy Study(StudiedInput input, std::vector<StudyRow> rows, std::vector<ValueRange> working) {
    InputStudy study;
    study.input = input;
    study.rows = std::move(rows);
    study.working = std::move(working);
    return study;
}

// Lines break where a column stops; the stopped stretches are shaded by their cause, from the
// edge of the working piece found between the rows, and halfway between rows of two causes.
TEST(StudyCurves, BreakAtStoppedRowsAndShadeTheirStretchesByCause) {
    const InputStudy study =
        Study(kFeed,
              {Row(1, 0, 0, StopCause::Pinch), Row(2, 40, 12), Row(3, 30, 9),
               Row(4, 0, 0, StopCause::ClearLiquidHeight), Row(5, 20, 7),
               Row(6, 0, 0, StopCause::ClearLiquidHeight), Row(7, 0, 0, StopCause::TooManyTrays)},
              {{1.6, 3.2}, {4.9, 5}});
    const StudyCurves curves = BuildStudyCurves(study);
    ASSERT_EQ(curves.trays.size(), 2u);
    EXPECT_EQ(curves.trays[0], (Polyline{{2, 40}, {3, 30}}));
    EXPECT_EQ(curves.feed[1], (Polyline{{5, 7}}));
    EXPECT_EQ(curves.maxTrays, 40);
    EXPECT_TRUE(curves.volume.empty()); // N (R + 1) belongs to the reflux ratio
    EXPECT_EQ(curves.failing, (std::vector<FailingBand>{{1, 1.6, StopCause::Pinch},
                                                        {3.2, 4.9, StopCause::ClearLiquidHeight},
                                                        {5, 6.5, StopCause::ClearLiquidHeight},
                                                        {6.5, 7, StopCause::TooManyTrays}}));
    EXPECT_EQ(curves.from, 1);
    EXPECT_EQ(curves.to, 7);
}

// The reflux ratio adds N (R + 1), proportional to the column's volume: 40 trays at R = 3 are
// 160, 30 at R = 4 are 150.
TEST(StudyCurves, OfTheRefluxRatioCarryTheColumnsVolume) {
    const InputStudy study = Study(kStudiedReflux, {Row(3, 40, 12), Row(4, 30, 9)}, {{3, 4}});
    const StudyCurves curves = BuildStudyCurves(study);
    ASSERT_EQ(curves.volume.size(), 1u);
    EXPECT_EQ(curves.volume[0], (Polyline{{3, 160}, {4, 150}}));
    EXPECT_EQ(curves.maxVolume, 160);
    const StudyPlot plot = PlanStudyPlot({0, 0, 400, 200}, study, curves);
    ASSERT_TRUE(plot.volumeFrame.has_value());
    EXPECT_GE(plot.volumeFrame->yTo, 160);
    EXPECT_GE(plot.frame.yTo, 40);
}

// The tray types are categories: each has its own stretch, a stopped one shaded across it.
TEST(StudyCurves, GiveEachTrayTypeAStretchOfItsOwn) {
    const InputStudy study = Study({StudiedKind::TrayType, 0},
                                   {Row(kBubbleCapValue, 59, 10), Row(kSieveValue, 0, 0, StopCause::Pinch)},
                                   {{kBubbleCapValue, kBubbleCapValue}});
    const StudyCurves curves = BuildStudyCurves(study);
    EXPECT_EQ(curves.from, -0.5);
    EXPECT_EQ(curves.to, 1.5);
    EXPECT_EQ(curves.failing, (std::vector<FailingBand>{{0.5, 1.5, StopCause::Pinch}}));
    EXPECT_EQ(PlanStudyPlot({0, 0, 400, 200}, study, curves).xTicks,
              (std::vector<double>{kBubbleCapValue, kSieveValue}));
}

// A click picks the row drawn nearest it across, working or not, and nothing off the plot.
TEST(StudyRowAt, PicksTheNearestRowAcrossInsideThePlot) {
    const InputStudy study =
        Study(kFeed, {Row(1, 50, 10), Row(2, 40, 12), Row(3, 0, 0, StopCause::Pinch)}, {{1, 2.5}});
    const StudyPlot plot = PlanStudyPlot({100, 50, 200, 100}, study, BuildStudyCurves(study));
    ASSERT_EQ(plot.frame.ScreenX(1), 100);
    ASSERT_EQ(plot.frame.ScreenX(3), 300);
    EXPECT_EQ(StudyRowAt(study, plot, {190, 140}, 5), std::optional<std::size_t>(1));
    EXPECT_EQ(StudyRowAt(study, plot, {270, 60}, 5), std::optional<std::size_t>(2));
    EXPECT_EQ(StudyRowAt(study, plot, {97, 100}, 5), std::optional<std::size_t>(0));
    EXPECT_EQ(StudyRowAt(study, plot, {200, 170}, 5), std::nullopt);
    EXPECT_EQ(StudyRowAt(study, plot, {90, 100}, 5), std::nullopt);
}

} // namespace
} // namespace radirav
