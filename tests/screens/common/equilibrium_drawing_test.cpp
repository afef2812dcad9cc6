#include "screens/common/equilibrium_drawing.h"

#include "model/equilibrium_points.h"
#include "platform/drawing_surface.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace radirav {
namespace {

const QColor kYellow(255, 255, 0), kWhite(255, 255, 255), kBlue(0, 0, 255), kGreen(0, 255, 0),
    kRed(255, 0, 0);

// `count` points on a bowed curve from (first, ...) in even steps of 0.1, typed as the student would.
ProgramState PointsFrom(int count, double first = 0.05) {
    ProgramState state;
    state.EqPointCount = count;
    for (int i = 1; i <= count; ++i) {
        const double x = first + 0.1 * (i - 1);
        EnterPointX(state, i, std::to_string(x));
        EnterPointY(state, i, std::to_string(x + 0.5 * x * (1 - x)));
    }
    return state;
}

std::vector<DrawOp> OpsOf(const DrawingSurface& surface, DrawOp::Kind kind) {
    std::vector<DrawOp> found;
    for (const DrawOp& op : surface.Ops())
        if (op.kind == kind)
            found.push_back(op);
    return found;
}

const DrawOp* TextAt(const DrawingSurface& surface, const QString& text) {
    for (const DrawOp& op : surface.Ops())
        if (op.kind == DrawOp::Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

bool HasLine(const DrawingSurface& surface, QPointF from, QPointF to, const QColor& color, int width) {
    for (const DrawOp& op : OpsOf(surface, DrawOp::Kind::Line))
        if (op.from == from && op.to == to && op.color == color && op.penWidth == width)
            return true;
    return false;
}

TEST(EquilibriumTable, EightPointsHaveTenHorizontalRulesAndVerticalRulesEndingAt182) {
    ProgramState state = PointsFrom(8);
    DrawingSurface surface;
    surface.SetForeColor(kBlue);
    DrawEquilibriumTable(surface, state);
    int horizontal = 0;
    std::vector<double> verticalX;
    for (const DrawOp& op : OpsOf(surface, DrawOp::Kind::Line)) {
        EXPECT_EQ(op.color, kBlue) << "rules take the current text colour";
        if (op.from.y() == op.to.y()) {
            EXPECT_EQ(op.from.x(), 40);
            EXPECT_EQ(op.to.x(), 370);
            EXPECT_EQ(op.from.y(), 20 + 18 * horizontal);
            ++horizontal;
        } else {
            EXPECT_EQ(op.from.y(), 20);
            EXPECT_EQ(op.to.y(), 182);
            verticalX.push_back(op.from.x());
        }
    }
    EXPECT_EQ(horizontal, 10);
    EXPECT_EQ(verticalX, (std::vector<double>{40, 70, 170, 270, 370}));
}

struct CellCase {
    const char* name;
    const char* x;
    const char* y;
    // What the row shows and where (row 1 at y = 42).
    QString xShown;
    double xAt;
    QString alfa;
};

class EquilibriumTableRow : public ::testing::TestWithParam<CellCase> {};

TEST_P(EquilibriumTableRow, ShowsTheTextsCentredAndTheAlfaCell) {
    ProgramState state = PointsFrom(8, 0.15);
    // As the editor stores a typed cell: no out-of-range marker until the next sort.
    StorePointCell(state, 1, PointColumn::X, GetParam().x, true);
    StorePointCell(state, 1, PointColumn::Y, GetParam().y, true);
    DrawingSurface surface;
    DrawEquilibriumTable(surface, state);
    const DrawOp* x = TextAt(surface, GetParam().xShown);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->from, QPointF(GetParam().xAt, 42));
    const DrawOp* alfa = TextAt(surface, GetParam().alfa);
    ASSERT_NE(alfa, nullptr);
    EXPECT_EQ(alfa->from, QPointF(270, 42)); // left-aligned in the "Alfa" column
}

INSTANTIATE_TEST_SUITE_P(
    Cells, EquilibriumTableRow,
    ::testing::Values(CellCase{"half and three quarters", "0.5", "0.75", "0.5", 70 + (100 - 24) / 2.0, "3"},
                      CellCase{"x typed outside the range", "1,5", "0.75", "1.5", 70 + (100 - 24) / 2.0,
                               "   ???"},
                      CellCase{"x marked out of range reads as zero", "   ???", "0.75", "???",
                               70 + (100 - 24) / 2.0, "  ???"},
                      CellCase{"y of one", "0.04", "1", "0.04", 70 + (100 - 32) / 2.0, "  ???"}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST(EquilibriumTable, HeaderAndTwoDigitNumbersAreCentredAtEightUnitsACharacter) {
    ProgramState state = PointsFrom(10);
    DrawingSurface surface;
    DrawEquilibriumTable(surface, state);
    const std::vector<std::pair<QString, QPointF>> expected = {
        {"N", {51, 24}}, {"Xr", {112, 24}}, {"Yr", {212, 24}}, {"Alfa", {304, 24}}, {"10", {47, 204}}};
    for (const auto& [text, at] : expected) {
        const DrawOp* op = TextAt(surface, text);
        ASSERT_NE(op, nullptr) << text.toStdString();
        EXPECT_EQ(op->from, at) << text.toStdString();
    }
}

TEST(EquilibriumDiagram, FrameGridLabelsAndDiagonalSitOnTheFrame) {
    ProgramState state = PointsFrom(8);
    DrawingSurface surface;
    DrawEquilibriumDiagram(surface, state, 450, 45, 300, kYellow, kBlue);
    const DrawOp& background = surface.Ops().at(0);
    EXPECT_TRUE(background.filled);
    EXPECT_EQ(background.color, kYellow);
    EXPECT_EQ(background.from, QPointF(415, 35));
    EXPECT_EQ(background.to, QPointF(770, 365));
    EXPECT_TRUE(HasLine(surface, {510, 45}, {510, 345}, kBlue, 1));
    EXPECT_TRUE(HasLine(surface, {450, 105}, {750, 105}, kBlue, 1));
    EXPECT_TRUE(HasLine(surface, {450, 345}, {750, 45}, QColor(200, 100, 20), 1));
    const std::vector<std::pair<QString, QPointF>> labels = {{"0.2", {498, 350}},
                                                             {"0.8", {678, 350}},
                                                             {"X", {746, 350}},
                                                             {"  Y", {410, 45}},
                                                             {" 0.2", {410, 285}}};
    for (const auto& [text, at] : labels) {
        const DrawOp* op = TextAt(surface, text);
        ASSERT_NE(op, nullptr) << text.toStdString();
        EXPECT_EQ(op->from, at) << text.toStdString();
        EXPECT_EQ(op->color, QColor(Qt::black));
    }
    EXPECT_EQ(surface.ForeColor(), kBlue);
}

TEST(EquilibriumDiagram, StoresPointPositionsAndDrawsTheFirstSegmentWideThenNarrow) {
    ProgramState state = PointsFrom(8, 0.1);
    EnterPointX(state, 1, "0.5");
    EnterPointY(state, 1, "0.75");
    EnterPointX(state, 2, "0.6");
    EnterPointY(state, 2, "0.8");
    EnterPointX(state, 3, "0.7");
    EnterPointY(state, 3, "0.9");
    DrawingSurface surface;
    DrawEquilibriumDiagram(surface, state, 450, 45, 300, kWhite, QColor(Qt::black));
    EXPECT_EQ(state.PointScreenX[1], 600);
    EXPECT_EQ(state.PointScreenY[1], 120); // 345 - 0.75 * 300
    EXPECT_EQ(state.PointScreenX[2], 630);
    EXPECT_EQ(state.PointScreenY[2], 105);
    EXPECT_TRUE(HasLine(surface, {600, 120}, {630, 105}, kGreen, 3));
    EXPECT_TRUE(HasLine(surface, {630, 105}, {660, 75}, kGreen, 2));
    const auto circles = OpsOf(surface, DrawOp::Kind::Circle);
    ASSERT_EQ(circles.size(), 8u);
    EXPECT_EQ(circles[0].from, QPointF(600, 120));
    EXPECT_EQ(circles[0].radius, 2);
    EXPECT_EQ(circles[0].color, kRed);
    EXPECT_EQ(circles[0].penWidth, 2);
}

struct EndCase {
    const char* name;
    const char* firstX;
    const char* lastX;
    bool fromOrigin;
    bool toTopRight;
};

class EquilibriumDiagramEnds : public ::testing::TestWithParam<EndCase> {};

TEST_P(EquilibriumDiagramEnds, JoinTheCornersUnlessThePointsLieThere) {
    ProgramState state = PointsFrom(8, 0.1);
    EnterPointX(state, 1, GetParam().firstX);
    EnterPointY(state, 1, GetParam().firstX);
    EnterPointX(state, 8, GetParam().lastX);
    EnterPointY(state, 8, GetParam().lastX);
    DrawingSurface surface;
    DrawEquilibriumDiagram(surface, state, 450, 45, 300, kWhite, QColor(Qt::black));
    const QPointF first(state.PointScreenX[1], state.PointScreenY[1]);
    const QPointF last(state.PointScreenX[8], state.PointScreenY[8]);
    EXPECT_EQ(HasLine(surface, {450, 345}, first, kGreen, 3), GetParam().fromOrigin);
    EXPECT_EQ(HasLine(surface, last, {750, 45}, kGreen, 3), GetParam().toTopRight);
}

INSTANTIATE_TEST_SUITE_P(Ends, EquilibriumDiagramEnds,
                         ::testing::Values(EndCase{"inside both ends", "0.05", "0.95", true, true},
                                           EndCase{"first point at the origin", "0", "0.95", false, true},
                                           EndCase{"last point at one", "0.05", "1", true, false}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
