#include "screens/results/column_diagram_drawing.h"

#include "platform/regional_format.h"

#include <algorithm>
#include <cmath>

namespace radirav {
namespace {

const QColor kAxisColor(0, 0, 0);
const QColor kGridColor(215, 215, 215);
const QColor kInsetBorderColor(110, 110, 110);
const QColor kEquilibriumColor(0, 0, 200);
const QColor kPseudoColor(0, 150, 200);
const QColor kOperatingColor(200, 0, 0);
const QColor kFeedColor(160, 0, 160);
const QColor kStepColor(0, 120, 0);
const QColor kFeedMarkColor(230, 120, 0);
const QColor kDiagonalColor(120, 120, 120);

// The surface with the window's unit: every size below is in design pixels times the unit.
class Pen {
public:
    Pen(DrawingSurface& surface, double unit) : s_(surface), u_(unit) {}

    double U(double designPixels) const { return designPixels * u_; }
    void Font(double designPoints) { s_.SetFontSize(designPoints * u_); }
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

Polyline ToScreen(const PlotFrame& f, const Polyline& data) {
    Polyline screen;
    screen.reserve(data.size());
    for (const PlotPoint p : data)
        screen.push_back(f.Screen(p));
    return screen;
}

Polyline Outline(const Box& box) {
    return {{box.left, box.top},
            {box.Right(), box.top},
            {box.Right(), box.Bottom()},
            {box.left, box.Bottom()},
            {box.left, box.top}};
}

// A curve of the plot: drawn inside its frame only, and kept clear of the labels.
void Curve(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const Polyline& data, const QColor& color,
           int width) {
    for (const Polyline& piece : ClipToBox(ToScreen(f, data), f.Area().Grown(0.5))) {
        pen.Lines(piece, color, width);
        labels.AvoidLine(piece);
    }
}

// Frame, grid, ticks with their numbers, and the two axis titles (x under the axis, y above it);
// every text is kept clear of the labels.
void Axes(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const std::vector<double>& xTicks,
          const std::vector<double>& yTicks, const QString& xTitle, const QString& yTitle,
          double tickPoints = 9) {
    pen.Font(tickPoints);
    const double bottom = f.top + f.height, right = f.left + f.width;
    for (const double t : xTicks) {
        const double x = f.ScreenX(t);
        pen.Line({x, f.top}, {x, bottom}, kGridColor);
        pen.Line({x, bottom}, {x, bottom + pen.U(5)}, kAxisColor);
        labels.AvoidLine({{x, bottom}, {x, bottom + pen.U(5)}});
        const QString label = RegionalNumber(t);
        labels.AvoidBox(pen.Text(x - pen.Width(label) / 2, bottom + pen.U(6), label, kAxisColor));
    }
    for (const double t : yTicks) {
        const double y = f.ScreenY(t);
        pen.Line({f.left, y}, {right, y}, kGridColor);
        pen.Line({f.left - pen.U(5), y}, {f.left, y}, kAxisColor);
        labels.AvoidLine({{f.left - pen.U(5), y}, {f.left, y}});
        const QString label = RegionalNumber(t);
        labels.AvoidBox(
            pen.Text(f.left - pen.U(8) - pen.Width(label), y - pen.Height() / 2, label, kAxisColor));
    }
    pen.Outline(f.Area(), kAxisColor);
    labels.AvoidLine(Outline(f.Area()));
    if (!xTitle.isEmpty()) {
        pen.Font(10);
        labels.AvoidBox(pen.Text(right - pen.Width(xTitle), bottom + pen.U(24), xTitle, kAxisColor));
    }
    if (!yTitle.isEmpty()) {
        pen.Font(10);
        labels.AvoidBox(pen.Text(f.left - pen.U(40), f.top - pen.Height() - pen.U(4), yTitle, kAxisColor));
    }
}

// A short sample of a line's colour and its name; returns its width.
double LegendEntry(Pen& pen, double x, double y, const QColor& color, const QString& name) {
    const double mid = y + pen.Height() / 2;
    pen.Line({x, mid}, {x + pen.U(24), mid}, color, 2);
    pen.Text(x + pen.U(30), y, name, kAxisColor);
    return pen.U(30) + pen.Width(name);
}

// Entries left to right from (left, top), a new row whenever the next would pass `right`.
void LegendRows(Pen& pen, double left, double top, double right,
                const std::vector<std::pair<QColor, QString>>& entries) {
    pen.Font(9);
    double x = left, y = top;
    for (const auto& [color, name] : entries) {
        const double width = pen.U(30) + pen.Width(name);
        if (x > left && x + width > right) {
            x = left;
            y += pen.U(20);
        }
        x += LegendEntry(pen, x, y, color, name) + pen.U(22);
    }
}

// Draws a label where the placer put it, with its leader.
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

// The name of a composition marked by a line from `top` dropped to `foot` on the x axis: beside
// the foot or the top of the line, or a little off with a thin line to the foot, or else (on the
// main diagram, whose corner near x = 0 is crowded) in the row under the tick numbers as near
// the line as it goes.
void CompositionLabel(Pen& pen, LabelPlacer& labels, PlotPoint foot, PlotPoint top, const QString& name,
                      bool rowUnderTicks) {
    pen.Font(9);
    const double w = pen.Width(name), h = pen.Height();
    std::vector<PlotPoint> corners{{foot.x + pen.U(3), foot.y - h - pen.U(2)},
                                   {foot.x - pen.U(3) - w, foot.y - h - pen.U(2)},
                                   {top.x + pen.U(3), top.y + pen.U(3)},
                                   {top.x - pen.U(3) - w, top.y - h - pen.U(3)}};
    for (const PlotPoint c : CornersAround({foot.x, foot.y - h}, w, h, Gaps(pen, {10, 20, 32, 48, 70})))
        corners.push_back(c);
    // Along the axis either way, in two rows above it.
    for (double off = pen.U(12); off < pen.U(200); off += pen.U(10)) {
        for (const double up : {pen.U(2), pen.U(16)}) {
            corners.push_back({foot.x + off, foot.y - h - up});
            corners.push_back({foot.x - off - w, foot.y - h - up});
        }
    }
    if (rowUnderTicks) {
        for (int k = 0; k <= 30; ++k) {
            corners.push_back({foot.x - w / 2 + pen.U(6) * k, foot.y + pen.U(25)});
            corners.push_back({foot.x - w / 2 - pen.U(6) * k, foot.y + pen.U(25)});
        }
    }
    // A label off the line is joined to its nearest point; the row under the ticks speaks for
    // itself, a leader there would cross the tick numbers.
    const LabelPlacer::Placed placed = labels.Place(w, h, corners, {top, foot}, pen.U(6));
    pen.Text(placed.box, name, kAxisColor);
    if (placed.leader && placed.box.top < foot.y)
        pen.Line(placed.leader->first, placed.leader->second, kDiagonalColor);
}

// Ticks of a logarithmic axis: its decades, and its ends where they stand clear of them.
std::vector<double> LogTicks(double from, double to) {
    std::vector<double> ticks = DecadeTicks(from, to);
    const auto clear = [&](double end) {
        return std::all_of(ticks.begin(), ticks.end(),
                           [end](double t) { return std::fabs(std::log10(t / end)) > 0.3; });
    };
    const bool fromClear = clear(from), toClear = clear(to);
    if (fromClear)
        ticks.insert(ticks.begin(), from);
    if (toClear)
        ticks.push_back(to);
    return ticks;
}

// The corner of the bottoms on logarithmic scales, with the stripping steps and the marks of xW
// and xF; returns nothing, everything it draws stays inside the inset's box.
void DrawInset(Pen& pen, const ColumnPicture& p, const BottomInset& inset) {
    const ColumnDiagramLayout& l = p.layout;
    const ColumnDiagram& d = p.diagram;
    pen.Fill(l.inset, Qt::white);
    pen.Outline(l.inset, kInsetBorderColor);
    LabelPlacer labels(l.inset, pen.U(2));
    pen.Font(9);
    labels.AvoidBox(pen.Text(l.inset.left + pen.U(6), l.inset.top + pen.U(4),
                             QStringLiteral("Низ колонны, логарифмические шкалы"), kAxisColor));
    const PlotFrame f = *InsetFrame(l, d);
    Axes(pen, labels, f, LogTicks(inset.xFrom, inset.xTo), LogTicks(inset.yFrom, inset.yTo), {}, {}, 8);

    const double low = std::min(inset.xFrom, inset.yFrom), high = std::max(inset.xTo, inset.yTo);
    Curve(pen, labels, f, {{low, low}, {high, high}}, kDiagonalColor, 1);
    Curve(pen, labels, f, inset.equilibrium, kEquilibriumColor, pen.Stroke(2));
    Curve(pen, labels, f, SampledInLogX(d.pseudoEquilibrium, 20), kPseudoColor, 1);
    Curve(pen, labels, f, inset.operating, kOperatingColor, pen.Stroke(2));
    Curve(pen, labels, f, SampledInLogX(d.feedLine, 20), kFeedColor, pen.Stroke(2));
    Curve(pen, labels, f, d.steps, kStepColor, pen.Stroke(1.5));
    if (d.feedStep &&
        l.insetPlot.Grown(1).Contains({f.ScreenX(d.feedStep->x), f.ScreenY(d.feedStep->y), 0, 0}))
        pen.Circle(f.Screen(*d.feedStep), pen.U(5), kFeedMarkColor, pen.Stroke(2));
    // The marks first, so that neither label lands on the other's line.
    const double axisY = f.top + f.height;
    const std::pair<double, QString> marks[] = {{d.xW, QStringLiteral("xW")}, {d.xF, QStringLiteral("xF")}};
    for (const auto& [x, name] : marks) {
        if (x > inset.xFrom && x < inset.xTo)
            Curve(pen, labels, f, {{x, std::min(x, inset.yTo)}, {x, inset.yFrom}}, kDiagonalColor, 1);
    }
    for (const auto& [x, name] : marks) {
        if (x > inset.xFrom && x < inset.xTo)
            CompositionLabel(pen, labels, {f.ScreenX(x), axisY}, f.Screen({x, std::min(x, inset.yTo)}), name,
                             false);
    }
}

void DrawDiagram(Pen& pen, const ColumnPicture& p) {
    const ColumnDiagramLayout& l = p.layout;
    const ColumnDiagram& d = p.diagram;
    const PlotFrame f = DiagramFrame(l);
    LabelPlacer labels({0, 0, l.profile.left - pen.U(60), l.buttonTop}, pen.U(2));
    pen.Font(11);
    labels.AvoidBox(pen.Text(f.left, pen.U(8),
                             QStringLiteral("Диаграмма y–x: %1 тарелок, питание на тарелке %2")
                                 .arg(p.result.requiredTrays)
                                 .arg(p.result.feedTray),
                             kAxisColor));
    const std::vector<double> ticks = AxisTicks(0, 1, 11);
    Axes(pen, labels, f, ticks, ticks, QStringLiteral("x — мольная доля НК в жидкости"),
         QStringLiteral("y — мольная доля НК в паре"));

    // Compositions marked by lines dropped from the diagonal to the axis.
    const std::pair<double, QString> marks[] = {
        {d.xW, QStringLiteral("xW")}, {d.xF, QStringLiteral("xF")}, {d.xP, QStringLiteral("xP")}};
    for (const auto& [x, name] : marks)
        Curve(pen, labels, f, {{x, x}, {x, 0}}, kDiagonalColor, 1);
    Curve(pen, labels, f, {{0, 0}, {1, 1}}, kDiagonalColor, 1);
    Curve(pen, labels, f, d.equilibrium, kEquilibriumColor, pen.Stroke(2));
    for (const PlotPoint point : d.tablePoints) {
        pen.Circle(f.Screen(point), pen.U(4), kEquilibriumColor, pen.Stroke(2));
        labels.AvoidBox(Box{f.ScreenX(point.x), f.ScreenY(point.y), 0, 0}.Grown(pen.U(5)));
    }
    Curve(pen, labels, f, d.pseudoEquilibrium, kPseudoColor, 1);
    Curve(pen, labels, f, d.strippingLine, kOperatingColor, pen.Stroke(2));
    Curve(pen, labels, f, d.rectifyingLine, kOperatingColor, pen.Stroke(2));
    Curve(pen, labels, f, d.feedLine, kFeedColor, pen.Stroke(2));
    // The staircase may climb past y = 1 on its last tray only in a broken input; clip it there.
    Curve(pen, labels, f, d.steps, kStepColor, 1);
    std::optional<PlotPoint> feedMark;
    if (d.feedStep) {
        feedMark = f.Screen({d.feedStep->x, std::min(d.feedStep->y, 1.0)});
        pen.Circle(*feedMark, pen.U(6), kFeedMarkColor, pen.Stroke(3));
        labels.AvoidBox(Box{feedMark->x, feedMark->y, 0, 0}.Grown(pen.U(8)));
    }
    if (d.inset) {
        DrawInset(pen, p, *d.inset);
        labels.AvoidBox(l.inset);
    }

    if (feedMark) {
        pen.Font(9);
        const QString text = QStringLiteral("питание, тарелка %1").arg(p.result.feedTray);
        const double w = pen.Width(text), h = pen.Height();
        const std::vector<PlotPoint> corners =
            CornersAround(*feedMark, w, h, Gaps(pen, {9, 18, 30, 46, 66, 92, 124, 160}));
        PlacedText(pen, labels.Place(w, h, corners, {*feedMark}, pen.U(12)), text, kFeedMarkColor,
                   kFeedMarkColor);
    }
    for (const auto& [x, name] : marks)
        CompositionLabel(pen, labels, {f.ScreenX(x), f.top + f.height}, f.Screen({x, x}), name, true);

    const int kind = p.state.EquilibriumKind.value_or(0);
    const QString curve =
        kind == kKindConstantAlfa
            ? QStringLiteral("равновесие, ALFA = %1").arg(RegionalNumber(p.state.Alfa.value_or(0)))
        : kind == kKindAntoine ? QStringLiteral("равновесие по Антуану, %1 мм рт. ст.")
                                     .arg(RegionalNumber(p.state.InputParams[param::kPRES].Value))
                               : QStringLiteral("равновесие по %1 точкам").arg(kind);
    LegendRows(pen, f.left, f.top + f.height + pen.U(44), f.left + f.width + pen.U(40),
               {{kEquilibriumColor, curve},
                {kPseudoColor, QStringLiteral("псевдоравновесие (КПД тарелок)")},
                {kOperatingColor, QStringLiteral("рабочие линии")},
                {kFeedColor, QStringLiteral("линия питания")},
                {kStepColor, QStringLiteral("ступени — реальные тарелки")}});
}

void DrawProfile(Pen& pen, const ColumnPicture& p) {
    const Box& area = p.layout.profile;
    const double trays = std::max(1, p.result.requiredTrays);
    const PlotFrame f = ProfileFrame(p.layout, p.result.requiredTrays);
    LabelPlacer labels(area, pen.U(2));
    pen.Font(11);
    pen.Text(f.left, pen.U(8), QStringLiteral("Профиль колонны по тарелкам"), kAxisColor);
    Axes(pen, labels, f, AxisTicks(0, trays + 1, 11, 1), AxisTicks(0, 1, 6),
         QStringLiteral("номер тарелки (снизу)"), QStringLiteral("x, y, КПД"));
    Polyline x, y, efficiency;
    for (const TrayRecord& tray : p.result.trays) {
        x.push_back({static_cast<double>(tray.number), tray.x});
        y.push_back({static_cast<double>(tray.number), tray.yOut});
        efficiency.push_back({static_cast<double>(tray.number), tray.Ea});
    }
    Curve(pen, labels, f, x, kOperatingColor, pen.Stroke(2));
    Curve(pen, labels, f, y, kEquilibriumColor, pen.Stroke(2));
    Curve(pen, labels, f, efficiency, kStepColor, pen.Stroke(2));
    if (p.result.feedTray > 0) {
        Curve(pen, labels, f, {{double(p.result.feedTray), 0}, {double(p.result.feedTray), 1}},
              kFeedMarkColor, pen.Stroke(2));
        pen.Font(9);
        const QString text = QStringLiteral("питание");
        const PlotPoint anchor{f.ScreenX(p.result.feedTray), f.top + pen.U(2)};
        const double w = pen.Width(text), h = pen.Height();
        std::vector<PlotPoint> corners{{anchor.x + pen.U(4), anchor.y}, {anchor.x - pen.U(4) - w, anchor.y}};
        for (const PlotPoint c : CornersAround(anchor, w, h, Gaps(pen, {6, 20, 40, 70})))
            corners.push_back(c);
        PlacedText(pen, labels.Place(w, h, corners, {anchor}, pen.U(12)), text, kFeedMarkColor,
                   kFeedMarkColor);
    }
    LegendRows(pen, f.left, f.top + f.height + pen.U(44), f.left + f.width,
               {{kOperatingColor, QStringLiteral("x — жидкость")},
                {kEquilibriumColor, QStringLiteral("y — пар")},
                {kStepColor, QStringLiteral("КПД тарелки")}});
}

void DrawReflux(Pen& pen, const ColumnPicture& p) {
    const Box& area = p.layout.reflux;
    pen.Font(11);
    pen.Text(area.left, area.top - pen.U(50),
             QStringLiteral("Число тарелок и тарелка питания от флегмового числа R"), kAxisColor);
    if (p.study == nullptr) {
        pen.Text(area.left + pen.U(20), area.top + pen.U(20), QStringLiteral("Расчёт…"), kDiagonalColor);
        return;
    }
    const RefluxStudy& study = *p.study;
    const RefluxCurves curves = BuildRefluxCurves(study.sweep);
    std::vector<double> yTicks = AxisTicks(0, std::max(10.0, curves.maxTrays), 6);
    if (yTicks.back() < curves.maxTrays)
        yTicks.push_back(2 * yTicks.back() - yTicks[yTicks.size() - 2]);
    // The minimum reflux lies just left of the default range; the plot reaches back to show it.
    double from = study.range.from;
    if (study.minimumReflux) {
        const double minimum = *study.minimumReflux;
        if (minimum < from && minimum > from - 0.25 * (study.range.to - from))
            from = minimum - 0.02 * (study.range.to - from);
    }
    const PlotFrame f{area.left, area.top, area.width, area.height, from, study.range.to, 0, yTicks.back()};
    LabelPlacer labels(area, pen.U(2));
    Axes(pen, labels, f, AxisTicks(from, study.range.to, 9), yTicks, QStringLiteral("флегмовое число R"),
         QStringLiteral("тарелки"));
    for (const Polyline& line : curves.trays)
        Curve(pen, labels, f, line, kEquilibriumColor, pen.Stroke(2));
    for (const Polyline& line : curves.feed)
        Curve(pen, labels, f, line, kFeedMarkColor, pen.Stroke(2));

    const double R = p.state.InputParams[param::kR].Value;
    std::vector<std::pair<double, std::pair<QColor, QString>>> verticals{
        {R, {kOperatingColor, QStringLiteral("R = %1").arg(RegionalNumber(R))}}};
    if (study.minimumReflux)
        verticals.push_back(
            {*study.minimumReflux,
             {kDiagonalColor,
              QStringLiteral("Rmin = %1").arg(RegionalNumber(*study.minimumReflux, 'f', 3))}});
    for (const auto& [value, look] : verticals) {
        if (value >= f.xFrom && value <= f.xTo)
            Curve(pen, labels, f, {{value, f.yFrom}, {value, f.yTo}}, look.first, pen.Stroke(2));
    }
    pen.Font(9);
    for (const auto& [value, look] : verticals) {
        if (value < f.xFrom || value > f.xTo)
            continue;
        const double w = pen.Width(look.second), h = pen.Height();
        const PlotPoint anchor{f.ScreenX(value), f.top + pen.U(4)};
        // Beside its line at any height, or else off it with a leader.
        std::vector<PlotPoint> corners;
        for (double down = 0; down < f.height - h; down += pen.U(6)) {
            corners.push_back({anchor.x + pen.U(4), anchor.y + down});
            corners.push_back({anchor.x - pen.U(4) - w, anchor.y + down});
        }
        for (double down = 0; down < f.height - h; down += pen.U(8)) {
            for (double off = pen.U(16); off < pen.U(200); off += pen.U(12)) {
                corners.push_back({anchor.x + off, anchor.y + down});
                corners.push_back({anchor.x - off - w, anchor.y + down});
            }
        }
        PlacedText(pen,
                   labels.Place(w, h, corners, {{anchor.x, f.top}, {anchor.x, f.top + f.height}}, pen.U(12)),
                   look.second, look.first, look.first);
    }

    const double legendY = f.top + f.height + pen.U(44);
    pen.Font(9);
    const QString minimum =
        !study.reachesTheTop ? QStringLiteral("ни одно R не доводит колонну до дистиллята за 300 тарелок")
        : study.minimumReflux
            ? QStringLiteral("Rmin = %1 (асимптота)").arg(RegionalNumber(*study.minimumReflux, 'f', 3))
            : QStringLiteral("Rmin не найдено");
    const double minimumLeft = f.left + f.width - pen.Width(minimum);
    pen.Text(minimumLeft, legendY, minimum, kDiagonalColor);
    LegendRows(pen, f.left, legendY, minimumLeft - pen.U(20),
               {{kEquilibriumColor, QStringLiteral("требуемое число тарелок")},
                {kFeedMarkColor, QStringLiteral("тарелка питания")}});
}

} // namespace

void DrawColumnPicture(DrawingSurface& surface, const ColumnPicture& picture) {
    surface.Cls();
    Pen pen(surface, picture.layout.unit);
    DrawDiagram(pen, picture);
    DrawProfile(pen, picture);
    DrawReflux(pen, picture);
}

} // namespace radirav
