#include "report/column_diagram.h"

#include "support/sample_state.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace radirav {
namespace {

struct Kind {
    std::string name;
    ProgramState (*make)();
};
void PrintTo(const Kind& kind, std::ostream* os) {
    *os << kind.name;
}

class DiagramOfEachKind : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        state = GetParam().make();
        result = CalculateAndStore(state);
        ASSERT_EQ(result.stop, CalcStop::None);
        diagram = BuildColumnDiagram(state, result);
    }
    ProgramState state;
    ColumnResult result;
    ColumnDiagram diagram;
};

TEST_P(DiagramOfEachKind, StepsRunFromTheBottomsToAtLeastTheDistillate) {
    ASSERT_FALSE(diagram.steps.empty());
    EXPECT_FLOAT_EQ(diagram.steps.front().x, diagram.xW);
    EXPECT_FLOAT_EQ(diagram.steps.front().y, diagram.xW);
    EXPECT_GE(diagram.steps.back().y, diagram.xP);
    // One rise and one run per tray, the last tray rising only.
    EXPECT_EQ(diagram.steps.size(), 2 * static_cast<std::size_t>(result.requiredTrays));
    for (std::size_t i = 1; i < diagram.steps.size(); ++i) {
        const bool rise = i % 2 == 1;
        EXPECT_EQ(diagram.steps[i].x == diagram.steps[i - 1].x, rise) << "corner " << i;
        EXPECT_GE(diagram.steps[i].x, diagram.steps[i - 1].x) << "corner " << i;
        EXPECT_GT(diagram.steps[i].y + (rise ? 0 : 1), diagram.steps[i - 1].y) << "corner " << i;
    }
}

// The run after each tray ends on the operating line of the tray's section: the diagram's lines
// are the balance the calculation stepped along.
TEST_P(DiagramOfEachKind, EachRunEndsOnTheOperatingLineOfItsSection) {
    auto onLine = [](const Polyline& line, PlotPoint p) {
        const PlotPoint a = line.front(), b = line.back();
        return a.y + (b.y - a.y) * (p.x - a.x) / (b.x - a.x);
    };
    for (std::size_t i = 2; i < diagram.steps.size(); i += 2) {
        const int tray = static_cast<int>(i / 2); // the tray whose vapour the run carries
        // The feed tray's own vapour already meets the rectifying section's liquid.
        const Polyline& line = tray < result.feedTray ? diagram.strippingLine : diagram.rectifyingLine;
        EXPECT_NEAR(diagram.steps[i].y, onLine(line, diagram.steps[i]), 2e-4) << "after tray " << tray;
    }
    ASSERT_TRUE(diagram.feedStep.has_value());
    EXPECT_EQ(diagram.feedStep->y, result.trays[static_cast<std::size_t>(result.feedTray - 1)].y);
    // The feed line and both operating lines meet in one point.
    EXPECT_EQ(diagram.feedLine.back(), diagram.strippingLine.back());
    EXPECT_EQ(diagram.rectifyingLine.front(), diagram.strippingLine.back());
}

// Above the diagonal up to the distillate; ethanol-water's table falls below it past the
// azeotrope near x = 0.9.
TEST_P(DiagramOfEachKind, TheEquilibriumCurveRunsFromCornerToCornerAboveTheDiagonalUpToTheDistillate) {
    ASSERT_GE(diagram.equilibrium.size(), 101u);
    EXPECT_NEAR(diagram.equilibrium.front().y, 0.0, 1e-6);
    EXPECT_NEAR(diagram.equilibrium.back().y, 1.0, 1e-6);
    for (const PlotPoint p : diagram.equilibrium) {
        if (p.x <= diagram.xP) {
            EXPECT_GE(p.y, p.x - 1e-6) << "x " << p.x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SampleColumn, DiagramOfEachKind,
    ::testing::Values(Kind{"tabulated points", [] { return testing::SampleWithPoints(); }},
                      Kind{"Antoine constants", [] { return testing::SampleWithAntoine(); }},
                      Kind{"constant alfa", [] { return testing::SampleWithAlfa(10); }}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(ColumnDiagramCurve, ConstantAlfaIsTheIdealCurveAndPointsLieOnTheTabulatedOne) {
    ProgramState alfa = testing::SampleWithAlfa(2.5);
    ColumnResult result = CalculateColumn(alfa);
    const ColumnDiagram ideal = BuildColumnDiagram(alfa, result);
    // y = 2.5 * 0.4 / (1 + 1.5 * 0.4) = 0.625 by hand.
    EXPECT_NEAR(ideal.equilibrium[40].y, 0.625, 1e-6);
    EXPECT_TRUE(ideal.tablePoints.empty());

    ProgramState points = testing::SampleWithPoints();
    result = CalculateColumn(points);
    const ColumnDiagram table = BuildColumnDiagram(points, result);
    ASSERT_EQ(table.tablePoints.size(), 15u);
    for (const PlotPoint p : table.tablePoints) {
        const auto on = std::find_if(table.equilibrium.begin(), table.equilibrium.end(),
                                     [&](PlotPoint c) { return c.x == p.x; });
        ASSERT_NE(on, table.equilibrium.end()) << "x " << p.x;
        EXPECT_NEAR(on->y, p.y, 1e-5) << "x " << p.x;
    }
}

struct TickCase {
    std::string name;
    double from, to;
    int maxCount;
    double minStep;
    std::vector<double> ticks;
};
void PrintTo(const TickCase& tick, std::ostream* os) {
    *os << tick.name;
}

class AxisTicksOf : public ::testing::TestWithParam<TickCase> {};

TEST_P(AxisTicksOf, AreRoundStepsInsideTheRange) {
    const TickCase& c = GetParam();
    const std::vector<double> ticks = AxisTicks(c.from, c.to, c.maxCount, c.minStep);
    ASSERT_EQ(ticks.size(), c.ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], c.ticks[i], 1e-12) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Axes, AxisTicksOf,
    ::testing::Values(
        TickCase{"mole fractions by fifths", 0, 1, 6, 0, {0, 0.2, 0.4, 0.6, 0.8, 1}},
        TickCase{"mole fractions by tenths", 0, 1, 11, 0, {0, .1, .2, .3, .4, .5, .6, .7, .8, .9, 1}},
        TickCase{"reflux from an odd start", 0.37, 5.2, 6, 0, {1, 2, 3, 4, 5}},
        TickCase{"trays up to the limit", 0, 300, 7, 0, {0, 50, 100, 150, 200, 250, 300}},
        TickCase{"empty range", 2, 2, 5, 0, {2}},
        TickCase{"tray numbers stay whole", 0, 4, 11, 1, {0, 1, 2, 3, 4}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// Ranges a student can type into the reflux range box, or that the arithmetic can reach: the
// ticks must come back (a range one ulp wide once looped for ever), finite, ascending, at least
// one and no more than asked, and inside the range up to the rounding of a whole step.
struct HostileRange {
    std::string name;
    double from, to;
    int maxCount;
    double minStep;
};
void PrintTo(const HostileRange& range, std::ostream* os) {
    *os << range.name;
}

class AxisTicksOfHostileRange : public ::testing::TestWithParam<HostileRange> {};

TEST_P(AxisTicksOfHostileRange, AreFewFiniteAndAscending) {
    const HostileRange& c = GetParam();
    const std::vector<double> ticks = AxisTicks(c.from, c.to, c.maxCount, c.minStep);
    ASSERT_GE(ticks.size(), 1u);
    ASSERT_LE(ticks.size(), static_cast<std::size_t>(std::max(c.maxCount, 1)));
    const double slack = std::isfinite(c.to - c.from) ? 1e-6 * (c.to - c.from) + 1e-15 * std::fabs(c.to) : 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_TRUE(std::isfinite(ticks[i])) << i;
        if (i > 0) {
            EXPECT_GT(ticks[i], ticks[i - 1]) << i;
        }
        if (c.to > c.from) {
            EXPECT_GE(ticks[i], c.from - slack) << i;
            EXPECT_LE(ticks[i], c.to + slack) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Axes, AxisTicksOfHostileRange,
    ::testing::Values(
        HostileRange{"one ulp wide", 1, std::nextafter(1.0, 2.0), 9, 0},
        HostileRange{"one ulp wide far from zero", 1e15, std::nextafter(1e15, 2e15), 9, 0},
        HostileRange{"a few ulps wide", 3, 3 + 8 * std::numeric_limits<double>::epsilon(), 9, 0},
        HostileRange{"subnormal width", 5e-324, 1e-323, 9, 0},
        HostileRange{"width beyond the largest double", -1.7e308, 1.7e308, 6, 0},
        HostileRange{"up to the largest double", 1.1e74, 1.7976931348581422e308, 47, 0},
        HostileRange{"step wider than the range", 0.3, 0.7, 6, 1},
        HostileRange{"infinite minimum step", 0, 10, 6, std::numeric_limits<double>::infinity()},
        HostileRange{"reversed", 5, 1, 6, 0}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(RefluxCurves, BreakWhereTheColumnStops) {
    const std::vector<RefluxPoint> sweep{{1.0f, 300, 0, CalcStop::TrayLimit},
                                         {1.5f, 40, 12, CalcStop::None},
                                         {2.0f, 30, 9, CalcStop::None},
                                         {2.5f, 0, 0, CalcStop::InputDataError},
                                         {3.0f, 20, 7, CalcStop::None}};
    const RefluxCurves curves = BuildRefluxCurves(sweep);
    ASSERT_EQ(curves.trays.size(), 2u);
    EXPECT_EQ(curves.trays[0], (Polyline{{1.5, 40}, {2.0, 30}}));
    EXPECT_EQ(curves.feed[1], (Polyline{{3.0, 7}}));
    EXPECT_EQ(curves.maxTrays, 40);
}

} // namespace
} // namespace radirav
