#pragma once

#include "platform/drawing_surface.h"

#include <QSize>
#include <QString>
#include <string>

namespace radirav {

// Writes what `surface` holds, `size` pixels of it, as an SVG drawing when `path` ends in
// ".svg" and as a PNG image otherwise. False when the file cannot be written.
bool SavePicture(const DrawingSurface& surface, QSize size, const QString& path);

// Writes `text` (UTF-8) as the whole file. False when it cannot be written.
bool WriteTextFile(const QString& path, const std::string& text);

} // namespace radirav
