#include "screens/results/column_diagram_drawing.h"

#include "platform/regional_format.h"
#include "screens/results/diagram_pen.h"
#include "screens/results/study_drawing.h"

#include <algorithm>
#include <cmath>

namespace radirav {
namespace {

using namespace diagram;

const QColor kInsetBorderColor(110, 110, 110);
const QColor kEquilibriumColor(0, 0, 200);
const QColor kPseudoColor(0, 150, 200);
const QColor kOperatingColor(200, 0, 0);
const QColor kFeedColor(160, 0, 160);
const QColor kStepColor(0, 120, 0);
const QColor kFeedMarkColor(230, 120, 0);

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

// The inset's title in its frame: whole when it fits, else shorter.
QString InsetTitle(const Pen& pen, double width) {
    for (const QString& title : {QStringLiteral("Низ колонны, логарифмические шкалы"),
                                 QStringLiteral("Низ колонны, лог. шкалы"), QStringLiteral("Низ колонны")}) {
        if (pen.Width(title) <= width)
            return title;
    }
    return Fitted(pen, QStringLiteral("Низ колонны"), width);
}

// The corner of the bottoms on logarithmic scales, with the stripping steps and the marks of xW
// and xF; everything it draws stays inside the inset's box.
void DrawInset(Pen& pen, const ColumnPicture& p, const BottomInset& inset) {
    const ColumnDiagramLayout& l = p.layout;
    const ColumnDiagram& d = p.diagram;
    pen.Fill(l.inset, Qt::white);
    pen.Outline(l.inset, kInsetBorderColor);
    LabelPlacer labels(l.inset, pen.U(2));
    pen.Font(9);
    labels.AvoidBox(pen.Text(l.inset.left + pen.U(6), l.inset.top + pen.U(4),
                             InsetTitle(pen, l.inset.width - pen.U(12)), kAxisColor));
    const PlotFrame f = l.InsetFrame(inset);
    // An end tick across whose number would touch its neighbour's is left out.
    std::vector<double> xTicks = LogTicks(inset.xFrom, inset.xTo);
    pen.Font(8);
    const auto crowded = [&](double a, double b) {
        return std::fabs(f.ScreenX(a) - f.ScreenX(b)) <
               (pen.Width(TickNumber(a)) + pen.Width(TickNumber(b))) / 2 + pen.U(4);
    };
    if (xTicks.size() > 2 && xTicks.back() == inset.xTo && crowded(xTicks.back(), xTicks[xTicks.size() - 2]))
        xTicks.pop_back();
    if (xTicks.size() > 2 && xTicks.front() == inset.xFrom && crowded(xTicks[0], xTicks[1]))
        xTicks.erase(xTicks.begin());
    Axes(pen, labels, f, xTicks, LogTicks(inset.yFrom, inset.yTo), {}, {}, 8);

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
    const PlotFrame f = l.DiagramFrame();
    LabelPlacer labels(l.diagramBlock, pen.U(2));
    pen.Font(11);
    const QString title = QStringLiteral("Диаграмма y–x: %1 тарелок, питание на тарелке %2")
                              .arg(p.result.requiredTrays)
                              .arg(p.result.feedTray);
    labels.AvoidBox(
        pen.Text(f.left, pen.U(8), Fitted(pen, title, l.diagramBlock.Right() - f.left), kAxisColor));
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
    if (d.inset && l.inset.width > 0) {
        DrawInset(pen, p, *d.inset);
        labels.AvoidBox(l.inset);
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
    std::vector<LegendItem> legend{{kEquilibriumColor, curve},
                                   {kPseudoColor, QStringLiteral("псевдоравновесие (КПД тарелок)")},
                                   {kOperatingColor, QStringLiteral("рабочие линии")},
                                   {kFeedColor, QStringLiteral("линия питания")},
                                   {kStepColor, QStringLiteral("ступени — реальные тарелки")}};
    // The feed tray's ring is named in the legend: the corner where it stands is crowded with
    // steps and lines, and no label there would stand clear of them.
    if (feedMark)
        legend.push_back({kFeedMarkColor, QStringLiteral("питание, тарелка %1").arg(p.result.feedTray),
                          LegendItem::Sign::Ring});
    LegendRows(pen, l.diagramLegend, legend);
}

void DrawProfile(Pen& pen, const ColumnPicture& p) {
    const ColumnDiagramLayout& l = p.layout;
    const PlotFrame f = l.ProfileFrame(p.result.requiredTrays);
    LabelPlacer labels(l.profile, pen.U(2));
    pen.Font(11);
    pen.Text(f.left, pen.U(8), QStringLiteral("Профиль колонны по тарелкам"), kAxisColor);
    Axes(pen, labels, f, AxisTicks(f.xFrom, f.xTo, 11, 1), AxisTicks(0, 1, 6),
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
    LegendRows(pen, l.profileLegend,
               {{kOperatingColor, QStringLiteral("x — жидкость")},
                {kEquilibriumColor, QStringLiteral("y — пар")},
                {kStepColor, QStringLiteral("КПД тарелки")}});
}

} // namespace

void DrawColumnPicture(DrawingSurface& surface, const ColumnPicture& picture) {
    surface.Cls();
    Pen pen(surface, picture.layout.unit);
    DrawDiagram(pen, picture);
    DrawProfile(pen, picture);
    DrawStudy(pen, picture);
    if (!picture.signature.isEmpty()) {
        const Box& row = picture.layout.signature;
        pen.Font(9);
        pen.Text(row.left, row.top + (row.height - pen.Height()) / 2,
                 Fitted(pen, picture.signature, row.width), kAxisColor);
    }
}

} // namespace radirav
