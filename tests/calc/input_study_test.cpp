#include "calc/input_study.h"
#include "model/checks.h"
#include "model/entry.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

constexpr StudiedInput kFeed{StudiedKind::Parameter, param::kF};

bool WorksAt(const ProgramState& state, StudiedInput input, double value) {
    return CalculateWith(state, input, value).stop == CalcStop::None;
}

ProgramState FeedOf5_51() {
    ProgramState state = testing::SampleWithPoints();
    EnterParamValue(state, param::kF, "5.51");
    return state;
}

// The sample's tray counts: 59 trays and feed tray 10 with bubble caps, 65 and 12 with sieve trays.
TEST(InputStudy, OfTheTrayTypeGivesTheSamplesColumnOfEachType) {
    const InputStudy study = StudyInput(testing::SampleWithPoints("S"), {StudiedKind::TrayType, 0},
                                        {kBubbleCapValue, kSieveValue});
    ASSERT_EQ(study.rows.size(), 2u);
    EXPECT_EQ(study.studentValue, kSieveValue);
    EXPECT_EQ(std::make_pair(study.rows[0].trays, study.rows[0].feed), std::make_pair(59, 10));
    EXPECT_EQ(std::make_pair(study.rows[1].trays, study.rows[1].feed), std::make_pair(65, 12));
    // Sieve trays transfer less than bubble caps: a lower efficiency is why they need more trays.
    ASSERT_TRUE(study.rows[0].feedEfficiency && study.rows[1].feedEfficiency);
    EXPECT_LT(*study.rows[1].feedEfficiency, *study.rows[0].feedEfficiency);
    EXPECT_EQ(study.working,
              (std::vector<ValueRange>{{kBubbleCapValue, kBubbleCapValue}, {kSieveValue, kSieveValue}}));
}

// A larger feed at the same reboiler duty boils up less of the bottoms, until the stripping line
// meets the curve. The end of the working range is found between the rows, on the working side.
TEST(InputStudy, EndOfTheWorkingRangeLiesBetweenTheRowsOnTheWorkingSide) {
    const ProgramState state = testing::SampleWithPoints();
    const InputStudy study = StudyInput(state, kFeed, EvenValues(20.0, 0.5, 40)); // descending
    ASSERT_EQ(study.working.size(), 1u);
    const ValueRange piece = study.working.front();
    EXPECT_EQ(piece.from, 0.5);
    double lastWorking = 0, firstFailing = 20;
    for (const StudyRow& row : study.rows) {
        if (row.Works())
            lastWorking = std::max(lastWorking, row.value);
        else
            firstFailing = std::min(firstFailing, row.value);
        EXPECT_EQ(row.Works(), row.trays > 0) << row.value;
    }
    ASSERT_LT(lastWorking, firstFailing);
    EXPECT_GT(piece.to, lastWorking);
    EXPECT_LT(piece.to, firstFailing);
    const double tolerance = 1e-4 * (firstFailing - lastWorking);
    EXPECT_TRUE(WorksAt(state, kFeed, piece.to));
    EXPECT_FALSE(WorksAt(state, kFeed, piece.to + tolerance));
}

// At its own R of 5.25 the case calculates to 111 trays with feed tray 39; a study of R once
// found no reflux reaching the distillate, stepping over its window by doubling R.
TEST(RefluxStudyPlan, FindsTheNarrowWindowOfAFeedOf5_51) {
    const ProgramState state = FeedOf5_51();
    const ColumnResult own = CalculateColumn(state);
    EXPECT_EQ(std::make_pair(own.requiredTrays, own.feedTray), std::make_pair(111, 39));

    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    ASSERT_EQ(plan.working.size(), 1u);
    const ValueRange window = plan.working.front();
    // R 5.5 to 6.5 worked and 5 and 7 did not, in the study that missed the window.
    EXPECT_GT(window.from, 5.0);
    EXPECT_LE(window.from, 5.25);
    EXPECT_GE(window.to, 6.5);
    EXPECT_LT(window.to, 7.0);
    EXPECT_EQ(plan.smallestReaching, window.from);
    // The smallest working R to a ten-thousandth of the scan's 2 % step.
    EXPECT_FALSE(WorksAt(state, kStudiedReflux, window.from * (1.0 - 1e-5)));
    ASSERT_TRUE(plan.minimumReflux);
    EXPECT_LE(*plan.minimumReflux, window.from);
    // The rows show the window and a quarter past it, not five times its start.
    EXPECT_LE(plan.range.from, 5.25);
    EXPECT_GT(plan.range.to, window.to);
    EXPECT_LT(plan.range.to, 1.5 * window.to);
}

TEST(DefaultRefluxStudy, StaysInsideTheRefluxCheckWhereEveryRefluxWorks) {
    // The Antoine sample reaches the distillate in three trays from the stripping section alone,
    // whatever R: no minimum reflux, and the rows start where the scan of R starts, not at R = 0.
    const InputStudy study = DefaultStudy(testing::SampleWithAntoine(), kStudiedReflux);
    ASSERT_FALSE(study.rows.empty());
    EXPECT_EQ(study.rows.front().value, kSmallestScannedReflux);
    for (const StudyRow& row : study.rows)
        EXPECT_TRUE(IsParamInRange(param::kR, static_cast<float>(row.value))) << row.value;
    EXPECT_FALSE(study.minimumReflux);
    EXPECT_EQ(study.working.front().from, kSmallestScannedReflux);
}

// The optimum of the sample's default study against N (R + 1) scanned ten times finer, column by
// column, without the study.
TEST(DefaultRefluxStudy, OptimumIsTheLeastNTimesRPlusOneOfAFineScan) {
    const ProgramState state = testing::SampleWithPoints();
    const InputStudy study = DefaultStudy(state, kStudiedReflux);
    ASSERT_TRUE(study.optimum && study.minimumReflux);
    const RefluxOptimum optimum = *study.optimum;
    const double from = study.rows.front().value, to = study.rows.back().value;
    const double step = (to - from) / (study.rows.size() - 1);

    double bestProduct = 1e30, bestR = 0;
    ColumnOptions options;
    for (int i = 0; i <= 2000; ++i) {
        options.reflux = static_cast<float>(from + (to - from) * i / 2000);
        const ColumnResult column = CalculateColumn(state, options);
        const double product = column.requiredTrays * (*options.reflux + 1.0);
        if (column.stop == CalcStop::None && product < bestProduct) {
            bestProduct = product;
            bestR = *options.reflux;
        }
    }
    // The study's rows are ten times coarser: its N (R + 1) lies above the fine minimum by at most
    // the product's rise over a row or two. N steps down by whole trays, so the product is a saw
    // with nearly equal teeth about its minimum, and the two optima may sit on neighbouring teeth.
    EXPECT_NEAR(optimum.R, bestR, 3 * step);
    EXPECT_GE(optimum.traysTimesRefluxPlusOne, bestProduct);
    EXPECT_LE(optimum.traysTimesRefluxPlusOne, bestProduct * 1.02);
    EXPECT_NEAR(optimum.traysTimesRefluxPlusOne, optimum.trays * (optimum.R + 1.0), 1e-9);
    ASSERT_TRUE(optimum.ratioToMinimum);
    EXPECT_NEAR(*optimum.ratioToMinimum, optimum.R / *study.minimumReflux, 1e-12);
    // The course's rule of thumb puts the optimum a little above the minimum reflux.
    EXPECT_GT(*optimum.ratioToMinimum, 1.1);
    EXPECT_LT(*optimum.ratioToMinimum, 2.5);
}

struct DefaultValuesCase {
    const char* name;
    ProgramState (*make)();
    StudiedInput input;
};

class DefaultStudyValuesOf : public ::testing::TestWithParam<DefaultValuesCase> {};

// The values a study starts with hold the student's own and a case file would accept each of them.
TEST_P(DefaultStudyValuesOf, HoldTheStudentsValueInsideTheCheck) {
    const ProgramState state = GetParam().make();
    const StudiedInput input = GetParam().input;
    const std::vector<double> values = DefaultStudyValues(state, input);
    ASSERT_GE(values.size(), 2u);
    const double own = StudentValue(state, input);
    EXPECT_LE(std::min(values.front(), values.back()), own);
    EXPECT_GE(std::max(values.front(), values.back()), own);
    EXPECT_LT(values.front(), values.back());
    for (const double value : {values.front(), values.back()})
        EXPECT_TRUE(PassesInputCheck(state, input, value)) << value;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DefaultStudyValuesOf,
    ::testing::Values(DefaultValuesCase{"feed", [] { return testing::SampleWithPoints(); }, kFeed},
                      // Half of 0.95 above it is past 1: the end is drawn back.
                      DefaultValuesCase{"distillate near one",
                                        [] { return testing::SampleWithPoints(); },
                                        {StudiedKind::Parameter, param::kXP}},
                      DefaultValuesCase{"bottoms below the feed",
                                        [] { return testing::SampleWithPoints(); },
                                        {StudiedKind::Parameter, param::kXW}},
                      DefaultValuesCase{"entrainment of zero",
                                        [] {
                                            ProgramState state = testing::SampleWithPoints();
                                            EnterParamValue(state, param::kFirstStripping + param::kE, "0");
                                            return state;
                                        },
                                        {StudiedKind::Parameter, param::kFirstStripping + param::kE}},
                      DefaultValuesCase{
                          "alfa", [] { return testing::SampleWithAlfa(1.5); }, {StudiedKind::Alfa, 0}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav

namespace radirav {
namespace {

// ALFA is offered only where the calculation reads it; the 28 parameters and the tray type always.
TEST(StudiableInputs, OfferAlfaOnlyOnACaseOfConstantVolatility) {
    const StudiedInput alfa{StudiedKind::Alfa, 0}, tray{StudiedKind::TrayType, 0};
    const std::vector<StudiedInput> constant = StudiableInputs(testing::SampleWithAlfa(10));
    const std::vector<StudiedInput> tabulated = StudiableInputs(testing::SampleWithPoints());
    EXPECT_EQ(constant.size(), 30u);
    EXPECT_EQ(tabulated.size(), 29u);
    EXPECT_NE(std::find(constant.begin(), constant.end(), alfa), constant.end());
    EXPECT_EQ(std::find(tabulated.begin(), tabulated.end(), alfa), tabulated.end());
    EXPECT_EQ(tabulated.back(), tray);
    EXPECT_NE(std::find(tabulated.begin(), tabulated.end(), kStudiedReflux), tabulated.end());
}

} // namespace
} // namespace radirav
