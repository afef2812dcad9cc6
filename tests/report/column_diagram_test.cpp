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
    EXPECT_EQ(diagram.feedStep->y, result.trays[static_cast<std::size_t>(result.feedTray - 1)].yOut);
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

} // namespace
} // namespace radirav

namespace radirav {
namespace {

// The ALFA 10 sample: 15 trays with the feed on the 11th; the 11 stripping steps lie below
// x = 0.03, two or three pixels wide on the whole diagram.
class BottomInsetOfTheSample : public ::testing::Test {
protected:
    void SetUp() override {
        state = testing::SampleWithAlfa(10);
        result = CalculateColumn(state);
        diagram = BuildColumnDiagram(state, result);
        ASSERT_EQ(result.feedTray, 11);
        ASSERT_TRUE(diagram.inset.has_value());
    }
    // Width and height on the screen of the step of each stripping tray, `frame` mapping it.
    std::vector<std::pair<double, double>> StripSteps(const PlotFrame& frame) const {
        std::vector<std::pair<double, double>> steps;
        for (int tray = 1; tray <= result.feedTray; ++tray) {
            const TrayRecord& t = profile[static_cast<std::size_t>(tray - 1)];
            const double below = tray == 1 ? diagram.xW : profile[static_cast<std::size_t>(tray - 2)].yOut;
            const double next = profile[static_cast<std::size_t>(tray)].x;
            steps.push_back({std::fabs(frame.ScreenX(next) - frame.ScreenX(t.x)),
                             std::fabs(frame.ScreenY(t.yOut) - frame.ScreenY(below))});
        }
        return steps;
    }
    ProgramState state;
    ColumnResult result;
    const std::vector<TrayRecord>& profile = result.trays;
    ColumnDiagram diagram;
};

TEST_F(BottomInsetOfTheSample, HoldsEveryStrippingStepBetweenRoundEnds) {
    const BottomInset& inset = *diagram.inset;
    for (int tray = 1; tray <= result.feedTray; ++tray)
        EXPECT_LT(profile[static_cast<std::size_t>(tray - 1)].x, 0.03) << tray;
    EXPECT_LE(inset.xFrom, diagram.xW);
    EXPECT_GE(inset.xTo, diagram.feedStep->x);
    EXPECT_LE(inset.yFrom, diagram.xW);
    EXPECT_GE(inset.yTo, diagram.feedStep->y);
    // xW = 0.000235 and the feed step at (0.0296, 0.206), a fifth more above.
    EXPECT_DOUBLE_EQ(inset.xFrom, 2e-4);
    EXPECT_DOUBLE_EQ(inset.xTo, 0.05);
    EXPECT_DOUBLE_EQ(inset.yFrom, 2e-4);
    EXPECT_DOUBLE_EQ(inset.yTo, 0.5);
    // y = 10 x / (1 + 9 x) on its curve, the stripping line through (xW, xW).
    for (const PlotPoint p : inset.equilibrium)
        EXPECT_NEAR(p.y, 10 * p.x / (1 + 9 * p.x), 1e-5) << p.x;
    EXPECT_NEAR(inset.operating.front().x, diagram.xW, 1e-12);
    EXPECT_NEAR(inset.operating.front().y, diagram.xW, 1e-12);
}

// Counted on the screen at the window's designed size: every stripping step of the inset is at
// least 6 pixels wide and high, two pen widths clear, where most of them are under 3 pixels wide
// on the whole diagram.
TEST_F(BottomInsetOfTheSample, MakesTheStrippingStepsCountableOnTheDesignedWindow) {
    const ColumnDiagramLayout layout = LayOutColumnDiagram(1238, 715);
    const Box& d = layout.diagram;
    const Box& p = layout.insetPlot;
    const BottomInset& inset = *diagram.inset;
    const PlotFrame whole{d.left, d.top, d.width, d.height, 0, 1, 0, 1};
    const PlotFrame enlarged{p.left,    p.top,       p.width,   p.height, inset.xFrom,
                             inset.xTo, inset.yFrom, inset.yTo, true,     true};
    int narrowOnTheWhole = 0;
    for (const auto& [width, height] : StripSteps(whole))
        narrowOnTheWhole += width < 3 ? 1 : 0;
    EXPECT_GE(narrowOnTheWhole, 6);
    int tray = 1;
    for (const auto& [width, height] : StripSteps(enlarged)) {
        EXPECT_GE(width, 6) << "tray " << tray;
        EXPECT_GE(height, 6) << "tray " << tray;
        ++tray;
    }
}

struct LayoutCase {
    std::string name;
    double width, height; // the window's inside
    ProgramState (*make)();
};
void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagramLayoutAt : public ::testing::TestWithParam<LayoutCase> {};

// Whatever the window's size, from an 800 x 600 screen up, every text and control has a place of
// its own inside the window, and the inset hides no line of the diagram, the composition marks
// included, while it stays under the diagonal.
TEST_P(DiagramLayoutAt, GivesEveryTextAndControlItsOwnPlaceAndHidesNoLine) {
    const LayoutCase& size = GetParam();
    ProgramState state = size.make();
    const ColumnResult result = CalculateColumn(state);
    const ColumnDiagram diagram = BuildColumnDiagram(state, result);
    const ColumnDiagramLayout l = LayOutColumnDiagram(size.width, size.height, &diagram);
    const Box window{0, 0, size.width, size.height};
    const std::vector<Box> boxes = l.TextAndControls();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(window.Contains(boxes[i])) << "box " << i;
        EXPECT_GT(boxes[i].width, 0) << "box " << i;
        for (std::size_t k = i + 1; k < boxes.size(); ++k)
            EXPECT_FALSE(boxes[i].Intersects(boxes[k])) << "boxes " << i << " and " << k;
    }
    // A saved picture's signature takes the bottom row, under everything drawn.
    EXPECT_TRUE(window.Contains(l.signature));
    for (const Box& drawn : {l.diagramBlock, l.diagramLegend, l.profileBlock, l.studyLegend, l.studyWords})
        EXPECT_FALSE(drawn.Intersects(l.signature));

    ASSERT_GT(l.inset.width, 0);
    EXPECT_TRUE(l.diagram.Contains(l.inset));
    EXPECT_TRUE(l.inset.Contains(l.insetPlot));
    const PlotFrame f = l.DiagramFrame();
    EXPECT_LT(f.ScreenY((l.inset.left - f.left) / f.width), l.inset.top) << "the diagonal over its left edge";
    for (const Polyline& line : DiagramLines(diagram)) {
        const Polyline screen = [&] {
            Polyline points;
            for (const PlotPoint p : line)
                points.push_back(f.Screen(p));
            return points;
        }();
        for (std::size_t i = 0; i + 1 < screen.size(); ++i)
            EXPECT_FALSE(SegmentMeetsBox(screen[i], screen[i + 1], l.inset))
                << "segment from (" << line[i].x << ", " << line[i].y << ") to (" << line[i + 1].x << ", "
                << line[i + 1].y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, DiagramLayoutAt,
    ::testing::Values(
        LayoutCase{"800 by 600 screen points", 798, 574, [] { return testing::SampleWithPoints(); }},
        LayoutCase{"800 by 600 screen alfa 10", 798, 574, [] { return testing::SampleWithAlfa(10); }},
        LayoutCase{"default at 1024 by 768 points", 1012, 715, [] { return testing::SampleWithPoints(); }},
        LayoutCase{"default at 1024 by 768 Antoine sieve", 1012, 715,
                   [] { return testing::SampleWithAntoine("S"); }},
        LayoutCase{"maximised at 1920 by 1080 points", 1920, 1057,
                   [] { return testing::SampleWithPoints(); }},
        LayoutCase{"maximised at 1920 by 1080 alfa 10", 1920, 1057,
                   [] { return testing::SampleWithAlfa(10); }},
        LayoutCase{"smallest window points", 780, 540, [] { return testing::SampleWithPoints(); }}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// With composition marks all across the lower corner there is no room: the inset is left out
// rather than laid over a mark.
TEST(DiagramLayout, LeavesTheInsetOutWhereItWouldHideAMark) {
    ColumnDiagram crowded;
    crowded.xW = 0.2;
    crowded.xF = 0.45;
    crowded.xP = 0.7;
    EXPECT_EQ(LayOutColumnDiagram(1238, 715, &crowded).inset.width, 0);
    crowded.xP = 0.99;
    EXPECT_GT(LayOutColumnDiagram(1238, 715, &crowded).inset.width, 0);
}

TEST(DiagramLayout, GrowsWithTheWindow) {
    const ColumnDiagramLayout designed = LayOutColumnDiagram(1238, 715);
    const ColumnDiagramLayout maximised = LayOutColumnDiagram(1920, 1061);
    EXPECT_NEAR(designed.unit, 1, 0.01);
    EXPECT_GT(maximised.unit, 1.4);
    EXPECT_GT(maximised.diagram.width, 1.4 * designed.diagram.width);
    EXPECT_GT(maximised.study.height, 1.4 * designed.study.height);
}

} // namespace
} // namespace radirav
