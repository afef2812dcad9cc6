#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "model/program_state.h"
#include "platform/drawing_surface.h"
#include "report/column_diagram.h"

#include <optional>
#include <vector>

namespace radirav {

// Everything the column diagram window draws, laid out by `layout`.
struct ColumnPicture {
    const ProgramState& state;
    const ColumnResult& result;
    const ColumnDiagram& diagram;
    const ColumnDiagramLayout& layout;
    // The reflux study; none while it is being computed.
    const RefluxStudy* study = nullptr;
};

// Draws the y-x diagram with its inset, the tray profile and the reflux study on `surface`.
// Labels are placed clear of each other and of the lines.
void DrawColumnPicture(DrawingSurface& surface, const ColumnPicture& picture);

} // namespace radirav
