#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "model/program_state.h"
#include "report/plot_geometry.h"

#include <optional>
#include <vector>

namespace radirav {

// The corner of the y-x diagram round the bottoms composition, enlarged on logarithmic scales
// so that the stripping section's steps, crowded near x = 0 on the whole diagram, can be
// counted: from below xW to beyond the feed tray's step, each end 1, 2 or 5 times a power of ten
// and the range at least a decade.
struct BottomInset {
    double xFrom = 1e-4, xTo = 1, yFrom = 1e-4, yTo = 1;
    Polyline equilibrium; // y* of the chosen kind, sampled evenly in log10(x) over the inset
    Polyline operating;   // the stripping line, then the rectifying one, sampled in log10(x)
};

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
    std::optional<BottomInset> inset; // none without a stripping step to show
};

// Lines of the diagram of the input `state` as calculated into `column`.
ColumnDiagram BuildColumnDiagram(const ProgramState& state, const ColumnResult& column);

// Required trays and feed tray of a reflux study as two polylines against R; points that stop
// (tray limit, input error) are left out and break the line.
struct RefluxCurves {
    std::vector<Polyline> trays, feed;
    double maxTrays = 0;
};
RefluxCurves BuildRefluxCurves(const std::vector<RefluxPoint>& sweep);

// Where the column diagram window draws what, for an inside of `width` x `height` drawing
// units. The design is 1240 x 710; `unit` is the window's size relative to it (within 0.75 and
// 2), and text, gaps and button sizes grow with it.
struct ColumnDiagramLayout {
    double unit = 1;
    Box diagram;   // plot area of the y-x diagram, a square
    Box inset;     // the inset, inside the diagram's lower right, under the diagonal
    Box insetPlot; // its plot area, inside it with room for its title and tick numbers
    Box profile;   // plot area of the tray profile
    Box reflux;    // plot area of the reflux study
    double buttonTop = 0, buttonHeight = 0;
};
ColumnDiagramLayout LayOutColumnDiagram(double width, double height);

// How the window maps data into its plots: the y-x diagram, its inset (logarithmic, none without
// one) and the tray profile of a column of `trays` trays.
PlotFrame DiagramFrame(const ColumnDiagramLayout& layout);
std::optional<PlotFrame> InsetFrame(const ColumnDiagramLayout& layout, const ColumnDiagram& diagram);
PlotFrame ProfileFrame(const ColumnDiagramLayout& layout, int trays);

// The tray a click at `where` (drawing units) points at: the nearest step of the staircase within
// `reach`, in the inset where it shows them, or the nearest tray along the profile; none elsewhere.
std::optional<int> TrayAt(const ColumnDiagram& diagram, const ColumnDiagramLayout& layout, int trays,
                          PlotPoint where, double reach);

} // namespace radirav
