#pragma once

#include "calc/column.h"
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

// Where the column diagram window draws what, for an inside of `width` x `height` drawing
// units. The design is 1240 x 710; `unit` is the window's size relative to it (within 0.75 and
// 2), and text, gaps and control sizes grow with it. Every box that holds text or a control
// stands clear of every other; a plot's box is its plot area, its tick numbers and axis titles
// round it within its block.
struct ColumnDiagramLayout {
    double unit = 1;
    Box diagram;   // plot area of the y-x diagram, a square
    Box inset;     // the enlarged corner of the bottoms, inside the diagram; empty without room
    Box insetPlot; // its plot area, inside it with room for its title and tick numbers
    Box profile;   // plot area of the tray profile
    Box study;     // plot area of the study of one input
    // Each plot with its title, its tick numbers and its axis titles.
    Box diagramBlock, profileBlock, studyBlock;
    Box diagramLegend, profileLegend, studyLegend; // rows of legend entries
    Box studyWords;                                // the study said in words, two lines
    // Controls: the input studied and its range above the study, the figures of the column
    // picked on its curve under its words, and the bottom row.
    Box studyChoice, rangeButton, columnFigures;
    Box savePicture, saveCase, saveNote, close;
    // A saved picture carries the student, the system and the date where the bottom row stands,
    // and the name of the input studied in the row of its choice.
    Box signature, studyTitle;

    // The plot frame of the y-x diagram, and of the inset's logarithmic scales.
    PlotFrame DiagramFrame() const {
        return {diagram.left, diagram.top, diagram.width, diagram.height, 0, 1, 0, 1};
    }
    PlotFrame InsetFrame(const BottomInset& inset) const;
    // The plot frame of the tray profile of a column of `trays` trays: tray numbers across,
    // compositions and efficiencies 0..1 up.
    PlotFrame ProfileFrame(int trays) const;

    // Every box above that holds text or a control, the inset aside (it lies in the diagram).
    std::vector<Box> TextAndControls() const;
};

// The layout for an inside of `width` x `height`. With `diagram`, the inset takes the largest
// place under the diagonal that none of the diagram's lines crosses (the composition marks
// included); without room for it the inset is left empty.
ColumnDiagramLayout LayOutColumnDiagram(double width, double height, const ColumnDiagram* diagram = nullptr);

// The lines of the diagram in its data units, the composition marks (drops from the diagonal to
// the x axis at xW, xF and xP) and the diagonal included: what the inset must not hide.
std::vector<Polyline> DiagramLines(const ColumnDiagram& diagram);

// The tray a click at `where` (drawing units) points at: the nearest step of the staircase within
// `reach`, in the inset where it shows them, or the nearest tray along the profile; none elsewhere.
std::optional<int> TrayAt(const ColumnDiagram& diagram, const ColumnDiagramLayout& layout, int trays,
                          PlotPoint where, double reach);

} // namespace radirav
