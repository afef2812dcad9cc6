#pragma once

#include "model/program_state.h"
#include "screens/common/editor_geometry.h"

#include <QColor>

namespace radirav {

class DrawingSurface;

// The x-y diagram of the tabulated points on `surface`: background, blue frame and grid with
// their labels, the diagonal, the polyline through the points with a red circle at each. The
// frame stands where `frame` says, in the surface's drawing units. Gives every point's position,
// for picking. `background` is yellow on the results window, white on the graph editor;
// `textAfter` is the text colour left behind (blue on the results window, black on the editor).
PlottedPoints DrawEquilibriumDiagram(DrawingSurface& surface, const ProgramState& state,
                                     const GraphFrame& frame, const QColor& background,
                                     const QColor& textAfter);

// The editor's ruled table of the points: rules, header "N" "Xr" "Yr" "Alfa", one row per point
// with its number, x and y texts centred and its Alfa cell.
void DrawEquilibriumTable(DrawingSurface& surface, ProgramState& state);

} // namespace radirav
