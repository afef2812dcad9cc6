#include "report/column_diagram.h"

#include "calc/equilibrium.h"
#include "calc/properties.h"
#include "calc/tray_model.h"

#include <algorithm>
#include <cmath>

namespace radirav {
namespace {

constexpr int kCurveSteps = 100;

// Liquid compositions for the curve: an even grid, and the tabulated points so that the curve
// passes through each of them.
std::vector<double> CurveAbscissae(const ProgramState& state, bool tabulated) {
    std::vector<double> xs;
    for (int i = 0; i <= kCurveSteps; ++i)
        xs.push_back(static_cast<double>(i) / kCurveSteps);
    if (tabulated) {
        for (int i = 1; i <= state.EqPointCount; ++i)
            xs.push_back(state.EqX[i]);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

// y* of the model the calculation uses at each of the ascending `xs`; the bubble-point
// temperature of each x starts the next.
Polyline EquilibriumCurve(const ProgramState& state, const std::vector<double>& xs) {
    EquilibriumModel model(state);
    float temperature = state.InputParams[param::kFirstStripping + param::kT].Value;
    Polyline curve;
    for (const double x : xs) {
        double alfa = 0;
        if (model.RelativeVolatility(static_cast<float>(x), temperature, alfa) != StopCause::None ||
            !std::isfinite(alfa))
            continue;
        curve.push_back({x, EquilibriumVapour(static_cast<float>(x), alfa)});
    }
    return curve;
}

// The largest of 1, 2 and 5 times a power of ten at or below `value` (> 0), and the smallest at
// or above it, up to 1.
double RoundBelow(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value) + 1e-9));
    for (const double factor : {5.0, 2.0}) {
        if (factor * power <= value * (1 + 1e-9))
            return factor * power;
    }
    return power;
}

double RoundAbove(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value) - 1e-9));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= value * (1 - 1e-9))
            return std::min(1.0, factor * power);
    }
    return std::min(1.0, 10 * power);
}

constexpr int kInsetCurvePoints = 80;
constexpr int kInsetLinePoints = 60;
// The inset reaches a little past the feed tray's step, so that its top corner stands clear of
// the inset's edge.
constexpr double kInsetHeadroom = 1.2;

std::optional<BottomInset> BuildBottomInset(const ProgramState& state, const ColumnDiagram& d) {
    if (!d.feedStep || d.steps.empty() || !(d.xW > 0))
        return std::nullopt;
    double lowestX = d.xW, lowestY = d.xW;
    for (const PlotPoint p : d.steps) {
        if (p.x > 0)
            lowestX = std::min(lowestX, p.x);
        if (p.y > 0)
            lowestY = std::min(lowestY, p.y);
    }
    BottomInset inset;
    inset.xFrom = RoundBelow(lowestX);
    inset.yFrom = RoundBelow(lowestY);
    inset.xTo = std::max(RoundAbove(d.feedStep->x * kInsetHeadroom), inset.xFrom * 10);
    inset.yTo = std::max(RoundAbove(d.feedStep->y * kInsetHeadroom), inset.yFrom * 10);
    std::vector<double> xs;
    const double first = std::log10(inset.xFrom), last = std::log10(inset.xTo);
    for (int i = 0; i <= kInsetCurvePoints; ++i)
        xs.push_back(std::pow(10.0, first + (last - first) * i / kInsetCurvePoints));
    inset.equilibrium = EquilibriumCurve(state, xs);
    Polyline operating = d.strippingLine;
    operating.push_back(d.rectifyingLine.back());
    inset.operating = SampledInLogX(operating, kInsetLinePoints);
    return inset;
}

} // namespace

ColumnDiagram BuildColumnDiagram(const ProgramState& state, const ColumnResult& column) {
    const std::vector<TrayRecord>& profile = column.trays;
    const MaterialBalance& balance = column.balance;
    ColumnDiagram d;
    const bool tabulated = !EquilibriumModel(state).RisesWithX();
    d.xW = balance.xW;
    d.xP = balance.xP;
    d.xF = MassToMoleFraction(state.InputParams[param::kXF].Value, state.InputParams[param::kM1].Value,
                              state.InputParams[param::kM2].Value);
    d.equilibrium = EquilibriumCurve(state, CurveAbscissae(state, tabulated));
    if (tabulated) {
        for (int i = 1; i <= state.EqPointCount; ++i)
            d.tablePoints.push_back({state.EqX[i], state.EqY[i]});
    }

    // Operating lines: stripping y = ((b + 1) x - xW) / b, rectifying y = (R x + xP) / (R + 1),
    // which ends on the diagonal at xP; they meet at the vapour composition ys.
    const double b = balance.b, ys = balance.ys;
    const double xMeet = (ys * b + d.xW) / (b + 1.0);
    d.strippingLine = {{d.xW, d.xW}, {xMeet, ys}};
    d.rectifyingLine = {{xMeet, ys}, {d.xP, d.xP}};
    d.feedLine = {{d.xF, d.xF}, {xMeet, ys}};

    // The vapour entering the bottom tray is as rich as the bottoms.
    if (!profile.empty())
        d.steps.push_back({profile.front().x, d.xW});
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const TrayRecord& tray = profile[i];
        d.steps.push_back({tray.x, tray.yOut});
        d.pseudoEquilibrium.push_back({tray.x, tray.yOut});
        if (tray.number == column.feedTray)
            d.feedStep = PlotPoint{tray.x, tray.yOut};
        if (i + 1 < profile.size())
            d.steps.push_back({profile[i + 1].x, tray.yOut});
    }
    d.inset = BuildBottomInset(state, d);
    return d;
}

RefluxCurves BuildRefluxCurves(const std::vector<RefluxPoint>& sweep) {
    RefluxCurves curves;
    bool broken = true;
    for (const RefluxPoint& point : sweep) {
        if (point.stop != CalcStop::None) {
            broken = true;
            continue;
        }
        if (broken) {
            curves.trays.emplace_back();
            curves.feed.emplace_back();
            broken = false;
        }
        curves.trays.back().push_back({point.R, static_cast<double>(point.trays)});
        curves.feed.back().push_back({point.R, static_cast<double>(point.feed)});
        curves.maxTrays = std::max(curves.maxTrays, static_cast<double>(point.trays));
    }
    return curves;
}

} // namespace radirav

namespace radirav {

ColumnDiagramLayout LayOutColumnDiagram(double width, double height) {
    ColumnDiagramLayout layout;
    const double u = std::clamp(std::min(width / 1240.0, height / 710.0), 0.75, 2.0);
    layout.unit = u;
    // Above each plot its title and the axis title; below it the tick numbers and the axis
    // title (40), then the legend (44 for two rows under the diagram, one under the others).
    const double top = 60 * u, left = 70 * u, buttons = 48 * u, gap = 110 * u, margin = 30 * u;
    const double side =
        std::max(100.0, std::min(height - top - 84 * u - buttons, (width - left - gap - margin) / 1.9));
    layout.diagram = {left, top, side, side};
    // Under the diagonal, where no line of the diagram runs (the composition marks pass behind).
    layout.inset = {left + 0.53 * side, top + 0.54 * side, 0.45 * side, 0.44 * side};
    layout.insetPlot = {layout.inset.left + 48 * u, layout.inset.top + 26 * u, layout.inset.width - 64 * u,
                        layout.inset.height - 45 * u};
    const double rightLeft = layout.diagram.Right() + gap;
    const double rightWidth = std::max(100.0, width - rightLeft - margin);
    const double plots = std::max(100.0, height - buttons - top - 64 * u - 50 * u - 64 * u);
    const double profileHeight = 0.52 * plots;
    layout.profile = {rightLeft, top, rightWidth, profileHeight};
    layout.reflux = {rightLeft, top + profileHeight + 114 * u, rightWidth, plots - profileHeight};
    layout.buttonTop = height - 42 * u;
    layout.buttonHeight = 32 * u;
    return layout;
}

PlotFrame DiagramFrame(const ColumnDiagramLayout& l) {
    return {l.diagram.left, l.diagram.top, l.diagram.width, l.diagram.height, 0, 1, 0, 1};
}

std::optional<PlotFrame> InsetFrame(const ColumnDiagramLayout& l, const ColumnDiagram& diagram) {
    if (!diagram.inset)
        return std::nullopt;
    const BottomInset& inset = *diagram.inset;
    return PlotFrame{l.insetPlot.left,
                     l.insetPlot.top,
                     l.insetPlot.width,
                     l.insetPlot.height,
                     inset.xFrom,
                     inset.xTo,
                     inset.yFrom,
                     inset.yTo,
                     true,
                     true};
}

PlotFrame ProfileFrame(const ColumnDiagramLayout& l, int trays) {
    const double count = std::max(1, trays);
    return {l.profile.left, l.profile.top, l.profile.width, l.profile.height, 0, count + 1, 0, 1};
}

namespace {

double DistanceToSegment(PlotPoint p, PlotPoint a, PlotPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The staircase's corners are (x1, xW), (x1, y1), (x2, y1), (x2, y2), ...: segments 2n - 2 and
// 2n - 1 (from 0) are the rise and the run of tray n.
std::optional<int> StepAt(const Polyline& steps, const PlotFrame& frame, PlotPoint where, double reach) {
    std::optional<int> tray;
    double nearest = reach;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const double d = DistanceToSegment(where, frame.Screen(steps[i - 1]), frame.Screen(steps[i]));
        if (d <= nearest) {
            nearest = d;
            tray = static_cast<int>((i - 1) / 2) + 1;
        }
    }
    return tray;
}

} // namespace

std::optional<int> TrayAt(const ColumnDiagram& diagram, const ColumnDiagramLayout& layout, int trays,
                          PlotPoint where, double reach) {
    const Box at{where.x, where.y, 0, 0};
    if (const std::optional<PlotFrame> inset = InsetFrame(layout, diagram);
        inset && layout.inset.Contains(at))
        return StepAt(diagram.steps, *inset, where, reach);
    if (layout.diagram.Grown(reach).Contains(at))
        return StepAt(diagram.steps, DiagramFrame(layout), where, reach);
    if (trays >= 1 && layout.profile.Grown(reach).Contains(at)) {
        const PlotFrame frame = ProfileFrame(layout, trays);
        const long nearest = std::lround((where.x - frame.left) / frame.width * (frame.xTo - frame.xFrom));
        return static_cast<int>(std::clamp<long>(nearest, 1, trays));
    }
    return std::nullopt;
}

} // namespace radirav
