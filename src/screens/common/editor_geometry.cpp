#include "screens/common/editor_geometry.h"

#include "model/val.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace radirav {

namespace {

// The two-space ALFA marker of the editor table (the check screen's marker has one space).
constexpr const char* kNoAlfaCellMarker = "  ???";
constexpr std::size_t kAlfaCellLength = 12; // ColumnWidth / 8 characters less one, rounded to even

std::int16_t RoundToInt16(double value) {
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int16_t>(std::nearbyint(std::fmax(low, std::fmin(high, value)))); // ties to even
}

bool Between(int value, int low, int high) {
    return low < value && value < high;
}

int RowAt(int y, int pointCount) {
    if (y < TableTop)
        return 0;
    const int row = (y - TableTop) / RowHeight; // row 0 is the header
    return row >= 1 && row <= pointCount ? row : 0;
}

std::string GeneralForm(double value) {
    char buffer[40];
    std::string text(
        buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    if (!text.empty() && text[0] == '.')
        text.insert(0, "0");
    return text;
}

} // namespace

ScreenPoint ToScreen(float x, float y, int left, int top, int size) {
    // Single-precision products, as the coordinates are stored.
    const float sx = static_cast<float>(left) + x * static_cast<float>(size);
    const float sy = static_cast<float>(top + size) - y * static_cast<float>(size);
    return {RoundToInt16(sx), RoundToInt16(sy)};
}

int PickPlottedPoint(const PlottedPoints& points, int x, int y) {
    for (int i = 1; i <= points.count; ++i) {
        if (std::abs(points.PointScreenX[i] - x) < kPickTolerance &&
            std::abs(points.PointScreenY[i] - y) < kPickTolerance)
            return i;
    }
    return 0;
}

TableCell PickTableCell(int x, int y, int pointCount) {
    const int xColumn = TableLeft + NumberColumnWidth;
    PointColumn column = PointColumn::None;
    if (Between(x, xColumn, xColumn + ColumnWidth))
        column = PointColumn::X;
    else if (Between(x, xColumn + ColumnWidth, xColumn + 2 * ColumnWidth))
        column = PointColumn::Y;
    const int row = RowAt(y, pointCount);
    if (column == PointColumn::None || row == 0)
        return {};
    return {row, column};
}

int PickTableRow(int x, int y, int pointCount) {
    return Between(x, TableLeft, TableLeft + 3 * ColumnWidth) ? RowAt(y, pointCount) : 0;
}

AlfaCell FormatAlfaCell(ProgramState& state, int i) {
    state.EqX[i] = ToSingle(Val(state.EqXText[i]));
    state.EqY[i] = ToSingle(Val(state.EqYText[i]));
    const double x = state.EqX[i], y = state.EqY[i];
    AlfaCell cell;
    if (x > 1.0 || x < 0.0 || y > 1.0 || y < 0.0)
        cell.text = kOutOfRangeMarker;
    else if (std::fabs(x) > 1e-11 && std::fabs(y - 1.0) > 1e-11)
        cell.text = GeneralForm((1.0 - x) * y / x / (1.0 - y));
    else
        cell.text = kNoAlfaCellMarker;
    if (cell.text.size() > kAlfaCellLength)
        cell.text.resize(kAlfaCellLength); // ASCII only: digits, point, sign, exponent
    cell.x = TableLeft + NumberColumnWidth + 2 * ColumnWidth;
    cell.y = i * RowHeight + TableTop + 4;
    return cell;
}

} // namespace radirav
