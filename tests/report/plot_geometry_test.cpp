#include "report/plot_geometry.h"

#include "support/test_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace radirav {
namespace {

const Box kSquare{0, 0, 10, 10};

struct ClipCase {
    std::string name;
    Polyline line;
    std::vector<Polyline> pieces;
};
void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.name;
}

class ClippedToTheBox : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClippedToTheBox, KeepsOnlyWhatIsInside) {
    const std::vector<Polyline> pieces = ClipToBox(GetParam().line, kSquare);
    ASSERT_EQ(pieces.size(), GetParam().pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_EQ(pieces[i].size(), GetParam().pieces[i].size()) << "piece " << i;
        for (std::size_t k = 0; k < pieces[i].size(); ++k) {
            EXPECT_NEAR(pieces[i][k].x, GetParam().pieces[i][k].x, 1e-12) << i << "," << k;
            EXPECT_NEAR(pieces[i][k].y, GetParam().pieces[i][k].y, 1e-12) << i << "," << k;
        }
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Lines, ClippedToTheBox,
    ::testing::Values(ClipCase{"inside whole", {{1, 1}, {5, 5}, {9, 2}}, {{{1, 1}, {5, 5}, {9, 2}}}},
                      ClipCase{"crossing", {{-5, 5}, {15, 5}}, {{{0, 5}, {10, 5}}}},
                      ClipCase{"leaving and coming back",
                               {{5, 5}, {5, 20}, {8, 5}},
                               {{{5, 5}, {5, 10}}, {{7.0, 10}, {8, 5}}}},
                      ClipCase{"outside", {{20, 20}, {30, 25}}, {}},
                      ClipCase{"broken by a point off the log axis",
                               {{1, 1}, {2, 2}, {kNaN, 3}, {4, 4}, {5, 5}},
                               {{{1, 1}, {2, 2}}, {{4, 4}, {5, 5}}}},
                      ClipCase{"one point", {{1, 1}}, {}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(PlotFrameOnLogAxes, MapsDecadesEvenlyAndNothingAtOrBelowZero) {
    const PlotFrame f{0, 0, 300, 200, 1e-4, 0.1, 1e-3, 1, true, true};
    EXPECT_DOUBLE_EQ(f.ScreenX(1e-4), 0);
    EXPECT_NEAR(f.ScreenX(1e-3), 100, 1e-9);
    EXPECT_NEAR(f.ScreenX(0.1), 300, 1e-9);
    EXPECT_NEAR(f.ScreenY(1e-2), 200 - 200.0 / 3, 1e-9); // one decade of three up
    EXPECT_TRUE(std::isnan(f.ScreenX(0)));
    EXPECT_TRUE(std::isnan(f.ScreenY(-0.5)));
    const PlotFrame linear{10, 20, 100, 100, 0, 1, 0, 1};
    EXPECT_DOUBLE_EQ(linear.ScreenX(0.25), 35);
    EXPECT_DOUBLE_EQ(linear.ScreenY(0.25), 95);
}

TEST(DecadeTicks, ArePowersOfTenInsideTheRange) {
    EXPECT_EQ(DecadeTicks(1e-4, 0.1).size(), 4u);
    EXPECT_NEAR(DecadeTicks(3e-4, 0.5).front(), 1e-3, 1e-18);
    EXPECT_NEAR(DecadeTicks(3e-4, 0.5).back(), 0.1, 1e-15);
    EXPECT_TRUE(DecadeTicks(0, 1).empty());
    EXPECT_TRUE(DecadeTicks(2, 1).empty());
}

// A straight operating line y = 2x - 0.001 sampled for a logarithmic x axis keeps its ends and
// stays on the line.
TEST(SampledInLogX, AddsPointsOnTheSegmentEvenlyInDecades) {
    const Polyline line{{0.001, 0.001}, {0.1, 0.199}};
    const Polyline sampled = SampledInLogX(line, 4);
    ASSERT_EQ(sampled.size(), 5u);
    EXPECT_EQ(sampled.front(), line.front());
    EXPECT_EQ(sampled.back(), line.back());
    EXPECT_NEAR(sampled[2].x, 0.01, 1e-12);
    for (const PlotPoint p : sampled)
        EXPECT_NEAR(p.y, 2 * p.x - 0.001, 1e-12);
}

TEST(LabelPlacer, TakesTheFirstFreePlaceAndKeepsItsLabelsApart) {
    LabelPlacer labels({0, 0, 100, 100}, 1);
    labels.AvoidLine({{0, 10}, {100, 10}}); // a horizontal curve at y = 10
    // Across the curve, then clear below it.
    const Box first = labels.Place(20, 8, {{10, 5}, {10, 20}, {10, 40}}).box;
    EXPECT_EQ(first.top, 20);
    // The same places again: the first label now holds the second one.
    const Box second = labels.Place(20, 8, {{10, 5}, {10, 20}, {10, 40}}).box;
    EXPECT_EQ(second.top, 40);
    // Outside the bounds is never taken.
    const Box third = labels.Place(20, 8, {{95, 60}, {50, 60}}).box;
    EXPECT_EQ(third.left, 50);
}

TEST(LabelPlacer, WithNoFreePlaceTakesTheLeastCoveredOne) {
    LabelPlacer labels({0, 0, 100, 100});
    labels.AvoidLine({{0, 10}, {100, 10}});
    labels.AvoidLine({{0, 30}, {100, 30}});
    labels.AvoidBox({0, 50, 100, 10});
    labels.AvoidLine({{0, 55}, {100, 55}});
    // Across two lines, across one, across the box and its line.
    EXPECT_EQ(labels.Collisions({10, 5, 20, 30}), 2);
    EXPECT_EQ(labels.Collisions({10, 45, 20, 30}), 2);
    const Box box = labels.Place(20, 30, {{10, 5}, {10, 12}, {10, 45}}).box;
    EXPECT_EQ(box.top, 12);
}

// A label off what it names gets a leader, and no leader may cross another label.
TEST(LabelPlacer, JoinsAStandingOffLabelByALeaderThatCrossesNoOtherLabel) {
    LabelPlacer close({0, 0, 200, 100});
    EXPECT_FALSE(close.Place(10, 10, {{12, 45}}, {{10, 50}}, 5).leader.has_value());

    LabelPlacer labels({0, 0, 200, 100});
    labels.AvoidBox({40, 40, 20, 20}); // another label, between the point and the first place
    const LabelPlacer::Placed far = labels.Place(10, 10, {{80, 45}, {80, 80}}, {{10, 48}}, 5);
    EXPECT_EQ(far.box.top, 80); // the leader to (80, 45) would cross the other label
    ASSERT_TRUE(far.leader.has_value());
    EXPECT_EQ(far.leader->first, (PlotPoint{10, 48}));
    EXPECT_EQ(far.leader->second, (PlotPoint{80, 80}));
    // A segment named: the leader starts at its nearest point.
    const LabelPlacer::Placed beside = labels.Place(10, 10, {{150, 10}}, {{100, 0}, {100, 100}}, 5);
    ASSERT_TRUE(beside.leader.has_value());
    EXPECT_EQ(beside.leader->first, (PlotPoint{100, 15}));
}

// The leader of "Rmin" ran along the foot of "R = 5.25" and across its line: a leader keeps the
// clearance of every label and crosses no line but the one it starts on.
TEST(LabelPlacer, RunsNoLeaderUnderALabelNorAcrossAnotherLine) {
    LabelPlacer labels({0, 0, 200, 100}, 2);
    labels.AvoidBox({40, 44, 30, 10}); // a label ending one pixel above the first leader's path
    const LabelPlacer::Placed under = labels.Place(10, 10, {{80, 50}, {80, 70}}, {{10, 55}}, 5);
    EXPECT_EQ(under.box.top, 70);

    LabelPlacer crossing({0, 0, 200, 100}, 2);
    crossing.AvoidLine({{10, 0}, {10, 100}}); // the line the label names
    crossing.AvoidLine({{50, 0}, {50, 100}}); // another mark's line
    const LabelPlacer::Placed beside = crossing.Place(10, 10, {{80, 45}, {25, 60}}, {{10, 0}, {10, 100}}, 5);
    EXPECT_EQ(beside.box.left, 25);
    ASSERT_TRUE(beside.leader.has_value());
    EXPECT_EQ(beside.leader->first.x, 10);
}

TEST(CornersAround, PutsTheLabelOnEachSideAtEachGap) {
    const std::vector<PlotPoint> corners = CornersAround({50, 50}, 20, 10, {5});
    ASSERT_EQ(corners.size(), 8u);
    EXPECT_EQ(corners[0], (PlotPoint{55, 45})); // right, centred
    EXPECT_EQ(corners[2], (PlotPoint{40, 35})); // above, centred
    EXPECT_EQ(corners[4], (PlotPoint{25, 45})); // left
    EXPECT_EQ(corners[6], (PlotPoint{40, 55})); // below
}

} // namespace
} // namespace radirav
