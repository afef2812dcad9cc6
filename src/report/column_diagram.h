#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "model/program_state.h"

#include <optional>
#include <vector>

namespace radirav {

// A point of a plot in data units (mole fractions on the y-x diagram, trays or R elsewhere).
struct PlotPoint {
    double x = 0, y = 0;
    bool operator==(const PlotPoint&) const = default;
};
using Polyline = std::vector<PlotPoint>;

// The y-x diagram of one calculated column, every line in mole fractions of the more volatile
// component.
struct ColumnDiagram {
    Polyline equilibrium;       // y* of the chosen kind over 0..1 (the table's polyline for points)
    Polyline tablePoints;       // the tabulated points themselves; empty for the other kinds
    Polyline pseudoEquilibrium; // the vapour each real tray gives: y = y_below + E (y* - y_below)
    Polyline rectifyingLine;    // from the meeting point to (xP, xP)
    Polyline strippingLine;     // from (xW, xW) to the meeting point
    Polyline feedLine;          // from (xF, xF) to the meeting point
    Polyline steps;             // (xW, xW), then up to each tray's vapour and across to the next liquid
    std::optional<PlotPoint> feedStep; // top corner of the feed tray's step
    double xW = 0, xF = 0, xP = 0;
};

// Lines of the diagram of the input `state` as calculated into `column`.
ColumnDiagram BuildColumnDiagram(const ProgramState& state, const ColumnResult& column);

// Round tick values (1, 2 or 5 times a power of ten apart, never closer than `minStep`) covering
// [from, to] with at most `maxCount` ticks.
std::vector<double> AxisTicks(double from, double to, int maxCount, double minStep = 0);

// A data range drawn into a rectangle of drawing units; y grows upwards in data, downwards on
// the screen.
struct PlotFrame {
    double left = 0, top = 0, width = 1, height = 1;
    double xFrom = 0, xTo = 1, yFrom = 0, yTo = 1;

    double ScreenX(double x) const { return left + (x - xFrom) / (xTo - xFrom) * width; }
    double ScreenY(double y) const { return top + height - (y - yFrom) / (yTo - yFrom) * height; }
};

// Required trays and feed tray of a reflux study as two polylines against R; points that stop
// (tray limit, input error) are left out and break the line.
struct RefluxCurves {
    std::vector<Polyline> trays, feed;
    double maxTrays = 0;
};
RefluxCurves BuildRefluxCurves(const std::vector<RefluxPoint>& sweep);

} // namespace radirav
