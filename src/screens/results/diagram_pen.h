#pragma once

#include "platform/drawing_surface.h"
#include "report/plot_geometry.h"

#include <QColor>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

// What the plots of the column diagram window are drawn with: the drawing surface at the
// window's unit, and the frames, axes, curves, legends and texts every plot shares.
namespace radirav::diagram {

inline const QColor kAxisColor(0, 0, 0);
inline const QColor kGridColor(215, 215, 215);
inline const QColor kDiagonalColor(120, 120, 120);

// The surface with the window's unit: every size below is in design pixels times the unit.
class Pen {
public:
    Pen(DrawingSurface& surface, double unit) : s_(surface), u_(unit) {}

    double U(double designPixels) const { return designPixels * u_; }
    void Font(double designPoints) { s_.SetFontSize(designPoints * u_); }
    double FontPoints() const { return s_.FontSize() / u_; }
    double Width(const QString& text) const { return s_.TextWidth(text); }
    double Height() const { return s_.TextHeight(); }

    // Text with its top-left corner at (x, y); returns the box it covers.
    Box Text(double x, double y, const QString& text, const QColor& color) {
        s_.SetForeColor(color);
        s_.SetCurrentX(x);
        s_.SetCurrentY(y);
        const Box box{x, y, Width(text), Height()};
        s_.PrintText(text);
        return box;
    }
    Box Text(const Box& box, const QString& text, const QColor& color) {
        return Text(box.left, box.top, text, color);
    }

    void Line(PlotPoint a, PlotPoint b, const QColor& color, int width = 1) {
        s_.Line({a.x, a.y}, {b.x, b.y}, color, width);
    }
    void Lines(const Polyline& screen, const QColor& color, int width = 1) {
        for (std::size_t i = 1; i < screen.size(); ++i)
            Line(screen[i - 1], screen[i], color, width);
    }
    void Circle(PlotPoint centre, double radius, const QColor& color, int width) {
        s_.Circle({centre.x, centre.y}, radius, color, width);
    }
    void Fill(const Box& box, const QColor& color) {
        s_.Rectangle({box.left, box.top}, {box.Right(), box.Bottom()}, color, true);
    }
    void Outline(const Box& box, const QColor& color) {
        s_.Rectangle({box.left, box.top}, {box.Right(), box.Bottom()}, color, false);
    }
    int Stroke(double designWidth) const {
        return std::max(1, static_cast<int>(std::lround(designWidth * u_)));
    }

private:
    DrawingSurface& s_;
    double u_;
};

Polyline ToScreen(const PlotFrame& f, const Polyline& data);

// A curve of the plot: drawn inside its frame only, and kept clear of the labels.
void Curve(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const Polyline& data, const QColor& color,
           int width);

// How an axis writes the value of a tick.
using TickText = std::function<QString(double)>;
QString TickNumber(double value);

// Frame, grid, ticks with their numbers, and the two axis titles (x under the axis, y above it);
// every text is kept clear of the labels.
void Axes(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const std::vector<double>& xTicks,
          const std::vector<double>& yTicks, const QString& xTitle, const QString& yTitle,
          double tickPoints = 9, const TickText& xText = TickNumber);

// An entry of a legend: a line of the colour, a filled swatch or a ring, before its name.
struct LegendItem {
    enum class Sign { Line, Swatch, Ring };
    QColor color;
    QString name;
    Sign sign = Sign::Line;
};

// Entries left to right in `box`, a new row whenever the next would pass its right edge; rows
// that do not fit its height are left out.
void LegendRows(Pen& pen, const Box& box, const std::vector<LegendItem>& entries);

// Draws a label where the placer put it, with its leader.
void PlacedText(Pen& pen, const LabelPlacer::Placed& placed, const QString& text, const QColor& color,
                const QColor& leaderColor);

std::vector<double> Gaps(const Pen& pen, std::initializer_list<double> designGaps);

// `text` cut to `width` at the current font, ending in "…" when cut.
QString Fitted(const Pen& pen, const QString& text, double width);

// Sentences in the lines of `box`, broken between words (never inside a name and its value),
// at `points` or smaller down to `leastPoints` until they fit; what still does not fit ends the
// last line in "…".
void Prose(Pen& pen, const Box& box, const std::vector<QString>& sentences, const QColor& color,
           double points, double leastPoints);

} // namespace radirav::diagram
