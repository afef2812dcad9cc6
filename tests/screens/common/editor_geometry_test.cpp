#include "screens/common/editor_geometry.h"

#include <gtest/gtest.h>

#include <string>

namespace radirav {
namespace {

struct ScreenCase {
    const char* name;
    float x, y;
    int left, top, size;
    int screenX, screenY;
};

class DiagramMapping : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(DiagramMapping, PutsZeroBottomLeftAndRoundsHalvesToEven) {
    const auto& c = GetParam();
    const ScreenPoint p = ToScreen(c.x, c.y, c.left, c.top, c.size);
    EXPECT_EQ(p.x, c.screenX);
    EXPECT_EQ(p.y, c.screenY);
}

// The diagram frame of both screens: left 450, top 45, side 300.
INSTANTIATE_TEST_SUITE_P(
    Frame, DiagramMapping,
    ::testing::Values(ScreenCase{"OriginIsTheBottomLeftCorner", 0, 0, 450, 45, 300, 450, 345},
                      ScreenCase{"OneOneIsTheTopRightCorner", 1, 1, 450, 45, 300, 750, 45},
                      ScreenCase{"SampleTopPoint", 0.8943f, 0.8943f, 450, 45, 300, 718, 77}, // 718.29, 76.71
                      ScreenCase{"HalfUnitRoundsDownToEven", 0.5f, 0.5f, 0, 0, 5, 2, 2},     // 2.5 -> 2
                      ScreenCase{"HalfUnitRoundsUpToEven", 0.5f, 0.5f, 1, 0, 3, 2, 2}, // 2.5 -> 2, 1.5 -> 2
                      ScreenCase{"FarOutsideStaysInSixteenBits", 1e30f, -1e30f, 450, 45, 300, 32767, 32767}),
    [](const auto& info) { return std::string(info.param.name); });

PlottedPoints TwoPlottedPoints() {
    PlottedPoints points;
    points.count = 2;
    points.PointScreenX[1] = 500;
    points.PointScreenY[1] = 300;
    points.PointScreenX[2] = 506;
    points.PointScreenY[2] = 296;
    return points;
}

struct PickCase {
    const char* name;
    int x, y;
    int point;
};

class PointPicking : public ::testing::TestWithParam<PickCase> {};

TEST_P(PointPicking, TakesTheFirstMarkStrictlyWithinFive) {
    EXPECT_EQ(PickPlottedPoint(TwoPlottedPoints(), GetParam().x, GetParam().y), GetParam().point);
}

INSTANTIATE_TEST_SUITE_P(Clicks, PointPicking,
                         ::testing::Values(PickCase{"FourRightPicks", 504, 300, 1},
                                           PickCase{"FiveLeftDoesNot", 495, 300, 0},
                                           PickCase{"FiveBelowDoesNot", 500, 305, 0},
                                           PickCase{"FourAboveAndLeftPicks", 496, 296, 1},
                                           PickCase{"TwoMarksWithinFiveGiveTheLowerNumber", 503, 298, 1},
                                           PickCase{"OnlyTheSecondMarkIsNear", 510, 293, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CellCase {
    const char* name;
    int x, y;
    int row;
    PointColumn column;
    int removalRow;
};

class TableClicks : public ::testing::TestWithParam<CellCase> {};

TEST_P(TableClicks, PickTheCellToEditOrTheRowToRemove) {
    const auto& c = GetParam();
    const TableCell cell = PickTableCell(c.x, c.y, 8);
    EXPECT_EQ(cell.row, c.row);
    EXPECT_EQ(cell.column, c.column);
    EXPECT_EQ(PickTableRow(c.x, c.y, 8), c.removalRow);
}

// Eight points; x column 70..170, y column 170..270 (bounds excluded), row r at 20 + 18 r.
INSTANTIATE_TEST_SUITE_P(
    EightPoints, TableClicks,
    ::testing::Values(CellCase{"XOfRowOne", 100, 40, 1, PointColumn::X, 1},
                      CellCase{"YOfRowEight", 200, 181, 8, PointColumn::Y, 8},
                      CellCase{"LeftBoundOfXIsOutside", 70, 40, 0, PointColumn::None, 1},
                      CellCase{"BorderBetweenXAndYIsOutside", 170, 40, 0, PointColumn::None, 1},
                      CellCase{"RightBoundOfYIsOutside", 270, 40, 0, PointColumn::None, 1},
                      CellCase{"NumberColumnOnlyRemoves", 50, 40, 0, PointColumn::None, 1},
                      CellCase{"RemovalEndsBeforeThreeColumnWidths", 340, 40, 0, PointColumn::None, 0},
                      CellCase{"HeaderRowIsNoRow", 100, 37, 0, PointColumn::None, 0},
                      CellCase{"BelowTheLastRowIsNoRow", 100, 182, 0, PointColumn::None, 0},
                      CellCase{"AboveTheTableIsNoRow", 100, 5, 0, PointColumn::None, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableBottom, EightPointsEndTheVerticalRulesAt182) {
    EXPECT_EQ(TableBottom(8), 182);
}

struct AlfaCellCase {
    const char* name;
    const char* x;
    const char* y;
    const char* text;
};

class AlfaCells : public ::testing::TestWithParam<AlfaCellCase> {};

TEST_P(AlfaCells, ShowTheVolatilityOrAMarker) {
    ProgramState state;
    state.EqPointCount = 3;
    state.EqXText[3] = GetParam().x;
    state.EqYText[3] = GetParam().y;
    const AlfaCell cell = FormatAlfaCell(state, 3);
    EXPECT_EQ(cell.text, GetParam().text);
    EXPECT_EQ(cell.x, 270); // left-aligned in the "Alfa" column
    EXPECT_EQ(cell.y, 78);  // row 3
    EXPECT_EQ(state.EqX[3], static_cast<float>(std::stod(std::string("0") + GetParam().x)))
        << "the text is re-read";
}

// (1 - x) y / x / (1 - y), worked by hand; one third is cut to 12 characters.
INSTANTIATE_TEST_SUITE_P(
    Points, AlfaCells,
    ::testing::Values(AlfaCellCase{"HalfAndThreeQuartersShowThree", "0.5", "0.75", "3"},
                      AlfaCellCase{"BelowOneGetsALeadingZero", "0.5", "0.25", "0.3333333333"},
                      AlfaCellCase{"VapourOfOneHasNoAlfa", "0.5", "1", "  ???"},
                      AlfaCellCase{"LiquidOfZeroHasNoAlfa", "0", "0.2", "  ???"},
                      AlfaCellCase{"ZeroVapourShowsZero", "0.5", "0", "0"},
                      AlfaCellCase{"OutOfRangeShowsTheCoordinateMarker", "1.5", "0.9", "   ???"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
