#pragma once

#include "model/equilibrium_points.h"
#include "model/program_state.h"

#include <cstdint>
#include <string>

// Geometry of the graph editor, in its drawing units: the ruled point table (columns "N", "Xr",
// "Yr", "Alfa") and the x-y diagram whose plotted points the mouse picks.
namespace radirav {

// Where the x-y diagram of the points stands on the screen that draws it, in that screen's
// drawing units: the frame's left and top corner and its side. Set once, at program start.
struct GraphFrame {
    int GraphLeft = 450;
    int GraphTop = 45;
    int GraphSize = 300;
};

inline constexpr int TableLeft = 40;
inline constexpr int TableTop = 20;
inline constexpr int NumberColumnWidth = 30;
inline constexpr int ColumnWidth = 100; // each of "Xr", "Yr", "Alfa"
inline constexpr int RowHeight = 18;

// Lower end of the table's vertical rules: the header row and one row per point.
constexpr int TableBottom(int pointCount) {
    return TableTop + (pointCount + 1) * RowHeight;
}

// A click this close to a plotted point (strictly less, in both directions) picks it.
inline constexpr int kPickTolerance = 5;

struct ScreenPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Mole fractions (x, y) in 0..1 onto the square diagram frame with top-left corner (left, top)
// and side `size`: (left + x size, (top + size) - y size), rounded to the nearest integer with
// ties to even, kept inside the 16-bit range for coordinates far outside 0..1.
ScreenPoint ToScreen(float x, float y, int left, int top, int size);

// Where the diagram drew each point (1..count), so that a click can pick it.
struct PlottedPoints {
    Table1<int, kEqSlots> PointScreenX, PointScreenY;
    int count = 0;
};

// The first plotted point (1..count) within the tolerance of the click; 0: none.
int PickPlottedPoint(const PlottedPoints& points, int x, int y);

struct TableCell {
    int row = 0; // point number, 0: none
    PointColumn column = PointColumn::None;
};

// Editing: the x or y cell under the click (column bounds exclusive); none outside rows 1..N.
TableCell PickTableCell(int x, int y, int pointCount);
// Removal: the row of any click between TableLeft and TableLeft + 3 ColumnWidth; 0: none.
int PickTableRow(int x, int y, int pointCount);

struct AlfaCell {
    std::string text; // at most 12 characters
    int x = 0;        // where the text starts: left-aligned in the "Alfa" column of row i
    int y = 0;
};

// The "Alfa" cell of point i, recomputed in double precision from the re-read texts (EqX/EqY
// take Val of their texts, as the editor's redraw does): "   ???" for a coordinate outside 0..1,
// "  ???" where x = 0 or y = 1, otherwise up to 15 significant digits with a "0" before a point.
AlfaCell FormatAlfaCell(ProgramState& state, int i);

} // namespace radirav
