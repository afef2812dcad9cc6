#pragma once

#include "calc/column.h"
#include "calc/input_study.h"
#include "model/program_state.h"
#include "platform/drawing_surface.h"
#include "report/column_diagram.h"

#include <QString>
#include <optional>

namespace radirav {

// Everything the column diagram window draws, laid out by `layout`.
struct ColumnPicture {
    const ProgramState& state;
    const ColumnResult& result;
    const ColumnDiagram& diagram;
    const ColumnDiagramLayout& layout;
    StudiedInput input;                // the input the study varies
    const InputStudy* study = nullptr; // none while it is being made
    std::optional<std::size_t> picked; // the row whose column's figures are shown
    // A saved picture only, where the window has its controls: the student, the system and the
    // date under the drawing, and the input studied over its plot.
    QString signature, studyTitle;
};

// Draws the y-x diagram with its inset, the tray profile and the study on `surface`. Labels are
// placed clear of each other and of the lines; every text keeps to its box of the layout.
void DrawColumnPicture(DrawingSurface& surface, const ColumnPicture& picture);

} // namespace radirav
