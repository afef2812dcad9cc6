#include "screens/results/diagram_pen.h"

#include "platform/regional_format.h"
#include "report/line_breaks.h"

#include <QStringList>

namespace radirav::diagram {

namespace {

Polyline OutlineOf(const Box& box) {
    return {{box.left, box.top},
            {box.Right(), box.top},
            {box.Right(), box.Bottom()},
            {box.left, box.Bottom()},
            {box.left, box.top}};
}

// `sentence` in lines no wider than `width`, broken at blanks; the blanks that bind a name to
// its value are no-break spaces and stay.
QStringList Wrapped(const Pen& pen, const QString& sentence, double width) {
    const QString bound = QString::fromStdString(BindNamesToValues(sentence.toStdString()));
    QStringList lines;
    QString line;
    for (const QString& word : bound.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && pen.Width(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

Polyline ToScreen(const PlotFrame& f, const Polyline& data) {
    Polyline screen;
    screen.reserve(data.size());
    for (const PlotPoint p : data)
        screen.push_back(f.Screen(p));
    return screen;
}

void Curve(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const Polyline& data, const QColor& color,
           int width) {
    for (const Polyline& piece : ClipToBox(ToScreen(f, data), f.Area().Grown(0.5))) {
        pen.Lines(piece, color, width);
        labels.AvoidLine(piece);
    }
}

QString TickNumber(double value) {
    return RegionalNumber(value);
}

void Axes(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const std::vector<double>& xTicks,
          const std::vector<double>& yTicks, const QString& xTitle, const QString& yTitle, double tickPoints,
          const TickText& xText) {
    pen.Font(tickPoints);
    const double bottom = f.top + f.height, right = f.left + f.width;
    for (const double t : xTicks) {
        const double x = f.ScreenX(t);
        pen.Line({x, f.top}, {x, bottom}, kGridColor);
        pen.Line({x, bottom}, {x, bottom + pen.U(5)}, kAxisColor);
        labels.AvoidLine({{x, bottom}, {x, bottom + pen.U(5)}});
        const QString label = xText(t);
        labels.AvoidBox(pen.Text(x - pen.Width(label) / 2, bottom + pen.U(6), label, kAxisColor));
    }
    for (const double t : yTicks) {
        const double y = f.ScreenY(t);
        pen.Line({f.left, y}, {right, y}, kGridColor);
        pen.Line({f.left - pen.U(5), y}, {f.left, y}, kAxisColor);
        labels.AvoidLine({{f.left - pen.U(5), y}, {f.left, y}});
        const QString label = TickNumber(t);
        labels.AvoidBox(
            pen.Text(f.left - pen.U(8) - pen.Width(label), y - pen.Height() / 2, label, kAxisColor));
    }
    pen.Outline(f.Area(), kAxisColor);
    labels.AvoidLine(OutlineOf(f.Area()));
    if (!xTitle.isEmpty()) {
        pen.Font(10);
        labels.AvoidBox(pen.Text(right - pen.Width(xTitle), bottom + pen.U(24), xTitle, kAxisColor));
    }
    if (!yTitle.isEmpty()) {
        pen.Font(10);
        labels.AvoidBox(pen.Text(f.left - pen.U(40), f.top - pen.Height() - pen.U(4), yTitle, kAxisColor));
    }
}

void LegendRows(Pen& pen, const Box& box, const std::vector<LegendItem>& entries) {
    // The rows the entries take at the current font.
    const auto rows = [&] {
        int count = 1;
        double x = box.left;
        for (const LegendItem& entry : entries) {
            const double width = pen.U(30) + pen.Width(entry.name);
            if (x > box.left && x + width > box.Right()) {
                x = box.left;
                ++count;
            }
            x += width + pen.U(22);
        }
        return count;
    };
    // A smaller font before an entry is left out.
    for (double points = 9; points >= 7; points -= 0.5) {
        pen.Font(points);
        if ((rows() - 1) * (pen.Height() + pen.U(3)) + pen.Height() <= box.height)
            break;
    }
    double x = box.left, y = box.top;
    for (const LegendItem& entry : entries) {
        const double width = pen.U(30) + pen.Width(entry.name);
        if (x > box.left && x + width > box.Right()) {
            x = box.left;
            y += pen.Height() + pen.U(3);
        }
        if (y + pen.Height() > box.Bottom())
            return;
        const double mid = y + pen.Height() / 2;
        if (entry.sign == LegendItem::Sign::Swatch) {
            pen.Fill({x, mid - pen.U(6), pen.U(24), pen.U(12)}, entry.color);
            pen.Outline({x, mid - pen.U(6), pen.U(24), pen.U(12)}, kDiagonalColor);
        } else if (entry.sign == LegendItem::Sign::Ring) {
            pen.Circle({x + pen.U(12), mid}, pen.U(5), entry.color, pen.Stroke(2));
        } else {
            pen.Line({x, mid}, {x + pen.U(24), mid}, entry.color, 2);
        }
        pen.Text(x + pen.U(30), y, Fitted(pen, entry.name, box.Right() - x - pen.U(30)), kAxisColor);
        x += width + pen.U(22);
    }
}

void PlacedText(Pen& pen, const LabelPlacer::Placed& placed, const QString& text, const QColor& color,
                const QColor& leaderColor) {
    pen.Text(placed.box, text, color);
    if (placed.leader)
        pen.Line(placed.leader->first, placed.leader->second, leaderColor);
}

std::vector<double> Gaps(const Pen& pen, std::initializer_list<double> designGaps) {
    std::vector<double> gaps;
    for (const double g : designGaps)
        gaps.push_back(pen.U(g));
    return gaps;
}

QString Fitted(const Pen& pen, const QString& text, double width) {
    if (pen.Width(text) <= width)
        return text;
    const QString ellipsis = QStringLiteral("…");
    for (qsizetype n = text.size() - 1; n > 0; --n) {
        const QString cut = text.left(n).trimmed() + ellipsis;
        if (pen.Width(cut) <= width)
            return cut;
    }
    return {};
}

void Prose(Pen& pen, const Box& box, const std::vector<QString>& sentences, const QColor& color,
           double points, double leastPoints) {
    QStringList lines;
    for (double size = points; size >= leastPoints - 1e-9; size -= 0.5) {
        pen.Font(size);
        lines.clear();
        for (const QString& sentence : sentences)
            lines << Wrapped(pen, sentence, box.width);
        if (lines.size() * pen.Height() <= box.height)
            break;
    }
    const auto fit = static_cast<qsizetype>(std::floor(box.height / pen.Height()));
    if (lines.size() > fit) {
        lines = lines.mid(0, fit);
        if (!lines.isEmpty())
            lines.back() = Fitted(pen, lines.back() + QStringLiteral("…"), box.width);
    }
    double y = box.top;
    for (const QString& line : lines) {
        pen.Text(box.left, y, Fitted(pen, line, box.width), color);
        y += pen.Height();
    }
}

} // namespace radirav::diagram
