#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Controls made and coloured as the windows design them.
namespace radirav {

// Back colour (and text colour when given) as 0xBBGGRR; the widget fills its background.
void PaintControl(QWidget* widget, std::uint32_t back, std::optional<std::uint32_t> fore = std::nullopt);

// Plain-text label placed in pixels.
QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font);

// Graphical-style button: its back colour shows.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                        const QFont& font);

// Every row of `list` `pixels` high, whatever the font's own line height.
void SetListRowHeight(QListWidget* list, int pixels);

// Left edge that centres a control `width` wide in `container` pixels.
inline int CentredLeft(int container, int width) {
    return (container - width) / 2;
}

} // namespace radirav
