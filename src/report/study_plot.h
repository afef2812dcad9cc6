#pragma once

#include "calc/input_study.h"
#include "report/plot_geometry.h"

#include <optional>
#include <vector>

// A study of one input drawn against that input: the curves of the working columns, the bands
// where no column works shaded by what stopped them, and the frame they are drawn in, which a
// click on the plot is read back through.
namespace radirav {

// A stretch of the input in which the rows stop for one cause.
struct FailingBand {
    double from = 0, to = 0;
    StopCause cause = StopCause::None;
    bool operator==(const FailingBand&) const = default;
};

struct StudyCurves {
    // Required trays, feed tray and, for the reflux ratio, N (R + 1) against the input; a row
    // that stops breaks each line.
    std::vector<Polyline> trays, feed, volume;
    // In ascending order. A band runs from the edge of a working piece (or halfway to the next
    // row of another cause) to the next; the first and last reach the ends of the drawn range.
    std::vector<FailingBand> failing;
    double from = 0, to = 0; // the input's range drawn
    double maxTrays = 0, maxVolume = 0;
};

// The tray type is not a scale: its two values are drawn as categories half a unit apart from
// the ends.
StudyCurves BuildStudyCurves(const InputStudy& study);

// Where a study is drawn in `area` (drawing units): the trays from zero to a round number at
// least the largest, the input across its range, reaching back to the minimum reflux when that
// lies just left of it; N (R + 1) on its own axis from zero.
struct StudyPlot {
    PlotFrame frame;
    std::vector<double> xTicks, yTicks;
    std::optional<PlotFrame> volumeFrame; // a reflux study with working rows only
    std::vector<double> volumeTicks;
};
StudyPlot PlanStudyPlot(const Box& area, const InputStudy& study, const StudyCurves& curves);

// The row whose value is drawn nearest `where` across, when `where` lies in the plot (or within
// `reach` of it). A click picks the column of that row, working or not.
std::optional<std::size_t> StudyRowAt(const InputStudy& study, const StudyPlot& plot, PlotPoint where,
                                      double reach);

} // namespace radirav
