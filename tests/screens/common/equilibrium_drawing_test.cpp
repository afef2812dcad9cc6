#include "screens/common/equilibrium_drawing.h"

#include "model/equilibrium_points.h"
#include "platform/drawing_surface.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace radirav {
namespace {

const QColor kWhite(255, 255, 255), kBlue(0, 0, 255), kGreen(0, 255, 0), kRed(255, 0, 0);

// `count` points rising from x = first in steps of 0.1, typed as the student would.
ProgramState PointsFrom(int count, double first) {
    ProgramState state;
    state.EqPointCount = count;
    for (int i = 1; i <= count; ++i) {
        const double x = first + 0.1 * (i - 1);
        EnterPointX(state, i, std::to_string(x));
        EnterPointY(state, i, std::to_string(x + 0.5 * x * (1 - x)));
    }
    return state;
}

void ExpectTextAt(const DrawingSurface& surface, const QString& text, QPointF at) {
    for (const DrawOp& op : surface.Ops()) {
        if (op.kind == DrawOp::Kind::Text && op.text == text) {
            EXPECT_EQ(op.from, at) << text.toStdString();
            return;
        }
    }
    ADD_FAILURE() << "no text " << text.toStdString();
}

int LinesLike(const DrawingSurface& surface, QPointF from, QPointF to, const QColor& color, int width) {
    int count = 0;
    for (const DrawOp& op : surface.Ops())
        count += op.kind == DrawOp::Kind::Line && op.from == from && op.to == to && op.color == color &&
                 op.penWidth == width;
    return count;
}

TEST(EquilibriumTable, EightPointsHaveTenRulesAcrossAndFiveDownEndingAt182) {
    ProgramState state = PointsFrom(8, 0.05);
    DrawingSurface surface;
    surface.SetForeColor(kBlue);
    DrawEquilibriumTable(surface, state);
    for (int j = 0; j <= 9; ++j)
        EXPECT_EQ(LinesLike(surface, {40, 20.0 + 18 * j}, {370, 20.0 + 18 * j}, kBlue, 1), 1) << j;
    for (const double x : {40, 70, 170, 270, 370})
        EXPECT_EQ(LinesLike(surface, {x, 20}, {x, 182}, kBlue, 1), 1) << x;
    EXPECT_EQ(LinesLike(surface, {40, 200}, {370, 200}, kBlue, 1), 0);
    // Centred at 8 units a character.
    ExpectTextAt(surface, "N", {51, 24});
    ExpectTextAt(surface, "Xr", {112, 24});
    ExpectTextAt(surface, "Alfa", {304, 24});
    ExpectTextAt(surface, "8", {51, 168});
}

struct CellCase {
    const char* name;
    const char* x; // stored as the editor stores a typed cell: no marker until the next sort
    QString xShown;
    double xAt; // row 1 at y 42
    QString alfa;
};

class EquilibriumTableRow : public ::testing::TestWithParam<CellCase> {};

TEST_P(EquilibriumTableRow, ShowsTheTextCentredAndTheAlfaCellLeftAligned) {
    ProgramState state = PointsFrom(8, 0.15);
    StorePointCell(state, 1, PointColumn::X, GetParam().x, true);
    StorePointCell(state, 1, PointColumn::Y, "0.75", true);
    DrawingSurface surface;
    DrawEquilibriumTable(surface, state);
    ExpectTextAt(surface, GetParam().xShown, {GetParam().xAt, 42});
    ExpectTextAt(surface, GetParam().alfa, {270, 42});
}

INSTANTIATE_TEST_SUITE_P(Cells, EquilibriumTableRow,
                         ::testing::Values(CellCase{"quarter", "0.25", "0.25", 104, "9"},
                                           CellCase{"typed beyond one", "1,5", "1.5", 108, "   ???"},
                                           CellCase{"marked reads as zero", "   ???", "???", 108, "  ???"}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(EquilibriumDiagram, FrameGridLabelsMarksAndTheWideFirstSegment) {
    ProgramState state = PointsFrom(8, 0.1);
    EnterPointX(state, 1, "0.5");
    EnterPointY(state, 1, "0.75");
    EnterPointX(state, 2, "0.6");
    EnterPointY(state, 2, "0.8");
    EnterPointX(state, 3, "0.7");
    EnterPointY(state, 3, "0.9");
    DrawingSurface surface;
    const PlottedPoints plotted =
        DrawEquilibriumDiagram(surface, state, GraphFrame{450, 45, 300}, kWhite, kBlue);
    const DrawOp& background = surface.Ops().at(0);
    EXPECT_TRUE(background.filled && background.color == kWhite);
    EXPECT_EQ(background.from, QPointF(415, 35));
    EXPECT_EQ(background.to, QPointF(770, 365));
    EXPECT_EQ(LinesLike(surface, {510, 45}, {510, 345}, kBlue, 1), 1);
    EXPECT_EQ(LinesLike(surface, {450, 105}, {750, 105}, kBlue, 1), 1);
    EXPECT_EQ(LinesLike(surface, {450, 345}, {750, 45}, QColor(200, 100, 20), 1), 1);
    ExpectTextAt(surface, "0.2", {498, 350});
    ExpectTextAt(surface, "X", {746, 350});
    ExpectTextAt(surface, "  Y", {410, 45});
    ExpectTextAt(surface, " 0.2", {410, 285});

    // (0.5, 0.75) lies at 450 + 150, 345 - 225.
    EXPECT_EQ(plotted.PointScreenX[1], 600);
    EXPECT_EQ(plotted.PointScreenY[1], 120);
    EXPECT_EQ(LinesLike(surface, {600, 120}, {630, 105}, kGreen, 3), 1);
    EXPECT_EQ(LinesLike(surface, {630, 105}, {660, 75}, kGreen, 2), 1);
    int marks = 0;
    for (const DrawOp& op : surface.Ops()) {
        if (op.kind == DrawOp::Kind::Circle) {
            EXPECT_EQ(op.from, QPointF(plotted.PointScreenX[marks + 1], plotted.PointScreenY[marks + 1]));
            EXPECT_TRUE(op.radius == 2 && op.color == kRed && op.penWidth == 2);
            ++marks;
        }
    }
    EXPECT_EQ(marks, 8);
    EXPECT_EQ(surface.ForeColor(), kBlue);
}

struct EndCase {
    const char* name;
    const char* firstX;
    const char* lastX;
    int fromOrigin;
    int toTopRight;
};

class EquilibriumDiagramEnds : public ::testing::TestWithParam<EndCase> {};

TEST_P(EquilibriumDiagramEnds, JoinTheCornersUnlessThePointsLieThere) {
    ProgramState state = PointsFrom(8, 0.1);
    EnterPointX(state, 1, GetParam().firstX);
    EnterPointX(state, 8, GetParam().lastX);
    EnterPointY(state, 8, GetParam().lastX);
    DrawingSurface surface;
    const PlottedPoints plotted =
        DrawEquilibriumDiagram(surface, state, GraphFrame{450, 45, 300}, kWhite, kBlue);
    const QPointF first(plotted.PointScreenX[1], plotted.PointScreenY[1]);
    const QPointF last(plotted.PointScreenX[8], plotted.PointScreenY[8]);
    EXPECT_EQ(LinesLike(surface, {450, 345}, first, kGreen, 3), GetParam().fromOrigin);
    EXPECT_EQ(LinesLike(surface, last, {750, 45}, kGreen, 3), GetParam().toTopRight);
}

INSTANTIATE_TEST_SUITE_P(Ends, EquilibriumDiagramEnds,
                         ::testing::Values(EndCase{"inside both ends", "0.05", "0.95", 1, 1},
                                           EndCase{"first point at the origin", "0", "0.95", 0, 1},
                                           EndCase{"last point at one", "0.05", "1", 1, 0}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
