#pragma once

#include <QFont>
#include <QString>

namespace radirav {

// The installed family for a designed one: the family itself when installed, otherwise the
// nearest installed family that can write Cyrillic (fixed pitch for fixed-pitch designs).
QString InstalledFamily(const QString& designed);

// A fixed-pitch family with Cyrillic, the designed one when installed.
QString FixedPitchCyrillicFamily(const QString& designed);

QFont ScreenFont(const QString& designed, double points, bool bold = false, bool italic = false);

// Lowers the point size of `font` until the widest of the lines of `text` fits in `width`
// pixels: a substitute family is often wider than the designed one.
QFont FitFontToWidth(QFont font, const QString& text, int width);

} // namespace radirav
