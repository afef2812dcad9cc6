#include "screens/common/equilibrium_drawing.h"

#include "model/text.h"
#include "platform/drawing_surface.h"
#include "screens/common/editor_geometry.h"

#include <algorithm>
#include <array>

namespace radirav {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kDiagonal(200, 100, 20);
constexpr double kCharWidth = 8; // drawing units per character, for centring

// The points a table can hold, whatever the count says.
int PlottedCount(const ProgramState& state) {
    return std::clamp(state.EqPointCount, 0, kMaxEqPoints);
}

void PrintAt(DrawingSurface& surface, double x, double y, const QString& text) {
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.Print(text);
}

// x of a text of `chars` characters centred in a column starting at `columnLeft`.
double Centred(double columnLeft, double columnWidth, std::size_t chars) {
    return columnLeft + (columnWidth - kCharWidth * static_cast<double>(chars)) / 2;
}

void PrintCentred(DrawingSurface& surface, double columnLeft, double columnWidth, double y,
                  const std::string& text) {
    PrintAt(surface, Centred(columnLeft, columnWidth, CharCount(text)), y, QString::fromStdString(text));
}

} // namespace

PlottedPoints DrawEquilibriumDiagram(DrawingSurface& surface, const ProgramState& state,
                                     const GraphFrame& frame, const QColor& background,
                                     const QColor& textAfter) {
    const int left = frame.GraphLeft, top = frame.GraphTop, size = frame.GraphSize;
    const double l = left, t = top, s = size;
    surface.Rectangle({l - 35, t - 10}, {l + s + 20, t + s + 20}, background, true);
    surface.Rectangle({l, t}, {l + s, t + s}, kBlue, false);

    const double step = s / 5;
    surface.SetForeColor(Qt::black);
    static const std::array<QString, 5> xLabels = {"0.2", "0.4", "0.6", "0.8", "X"};
    static const std::array<QString, 5> yLabels = {" Y", "0.8", "0.6", "0.4", "0.2"};
    for (int k = 1; k <= 5; ++k) {
        const double x = l + (k - 1) * step;
        surface.Line({x, t}, {x, t + s}, kBlue);
        const double labelX = k < 5 ? l + k * step - 12 : l + 5 * step - 4;
        PrintAt(surface, labelX, t + s + 5, xLabels[k - 1]);
    }
    for (int k = 1; k <= 5; ++k) {
        const double y = t + (k - 1) * step;
        surface.Line({l, y}, {l + s, y}, kBlue);
        PrintAt(surface, l - 40, y, " " + yLabels[k - 1]);
    }
    surface.Line({l, t + s}, {l + s, t}, kDiagonal);

    const int n = PlottedCount(state);
    PlottedPoints plotted;
    plotted.count = n;
    for (int i = 1; i <= n; ++i) {
        const ScreenPoint p = ToScreen(state.EqX[i], state.EqY[i], left, top, size);
        plotted.PointScreenX[i] = p.x;
        plotted.PointScreenY[i] = p.y;
    }
    auto at = [&plotted](int i) { return QPointF(plotted.PointScreenX[i], plotted.PointScreenY[i]); };

    if (n > 0) {
        // The polyline starts at the origin and ends at (1, 1) unless its end points lie there.
        int penWidth = 3;
        if (state.EqX[1] != 0.0f)
            surface.Line({l, t + s}, at(1), kGreen, penWidth);
        if (state.EqX[n] != 1.0f)
            surface.Line(at(n), {l + s, t}, kGreen, penWidth);
        for (int i = 1; i <= n; ++i) {
            if (i < n)
                surface.Line(at(i), at(i + 1), kGreen, penWidth);
            penWidth = 2; // only the first segment is drawn with the wide pen
            surface.Circle(at(i), 2, kRed, penWidth);
        }
    }
    surface.SetForeColor(textAfter);
    return plotted;
}

void DrawEquilibriumTable(DrawingSurface& surface, ProgramState& state) {
    const int n = PlottedCount(state);
    const QColor rule = surface.ForeColor();
    const double right = TableLeft + NumberColumnWidth + 3 * ColumnWidth;
    for (int j = 0; j <= n + 1; ++j) {
        const double y = TableTop + j * RowHeight;
        surface.Line({double(TableLeft), y}, {right, y}, rule);
    }
    const double bottom = TableBottom(n);
    surface.Line({double(TableLeft), double(TableTop)}, {double(TableLeft), bottom}, rule);
    for (int k = 0; k <= 3; ++k) {
        const double x = TableLeft + NumberColumnWidth + k * ColumnWidth;
        surface.Line({x, double(TableTop)}, {x, bottom}, rule);
    }

    const double xColumn = TableLeft + NumberColumnWidth;
    const double headerY = TableTop + 4;
    PrintCentred(surface, TableLeft, NumberColumnWidth, headerY, "N");
    PrintCentred(surface, xColumn, ColumnWidth, headerY, "Xr");
    PrintCentred(surface, xColumn + ColumnWidth, ColumnWidth, headerY, "Yr");
    PrintCentred(surface, xColumn + 2 * ColumnWidth, ColumnWidth, headerY, "Alfa");

    for (int i = 1; i <= n; ++i) {
        const double y = i * RowHeight + TableTop + 4;
        PrintCentred(surface, TableLeft, NumberColumnWidth, y, std::to_string(i));
        PrintCentred(surface, xColumn, ColumnWidth, y, TrimBlanks(state.EqXText[i]));
        PrintCentred(surface, xColumn + ColumnWidth, ColumnWidth, y, TrimBlanks(state.EqYText[i]));
        const AlfaCell alfa = FormatAlfaCell(state, i);
        PrintAt(surface, alfa.x, alfa.y, QString::fromStdString(alfa.text));
    }
}

} // namespace radirav
