#pragma once

#include "screens/results/column_diagram_drawing.h"
#include "screens/results/diagram_pen.h"

namespace radirav {

// The study of the picture's input in its place of the layout: the bands where no column works
// shaded by cause, trays and feed tray against the input (and N (R + 1) on an axis of its own
// for the reflux ratio), the student's value, the minimum reflux and the optimum marked, the
// picked column ringed, the legend and the study in words.
void DrawStudy(diagram::Pen& pen, const ColumnPicture& picture);

} // namespace radirav
