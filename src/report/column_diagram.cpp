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

} // namespace radirav

namespace radirav {

namespace {

// The inset's size as fractions of the diagram's side, largest and smallest, and its foot above
// the x axis.
constexpr double kInsetMaxWidth = 0.45, kInsetMaxHeight = 0.44;
constexpr double kInsetMinWidth = 0.3, kInsetMinHeight = 0.28;
constexpr double kInsetFoot = 0.02;
// The smallest inset, drawing units at the designed size, that holds its title, its tick
// numbers and a plot.
constexpr double kInsetLeastWidth = 150, kInsetLeastHeight = 130;
constexpr double kInsetPlaceStep = 0.005;

// The stretches of x in which a line passes through the band of y from `low` to `high`, each
// widened by `clear`.
std::vector<std::pair<double, double>> BlockedInBand(const std::vector<Polyline>& lines, double low,
                                                     double high, double clear) {
    std::vector<std::pair<double, double>> blocked;
    for (const Polyline& line : lines) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const PlotPoint a = line[i], b = line[i + 1];
            double t0 = 0, t1 = 1;
            if (a.y == b.y) {
                if (a.y < low || a.y > high)
                    continue;
            } else {
                const double ta = (low - a.y) / (b.y - a.y), tb = (high - a.y) / (b.y - a.y);
                t0 = std::max(0.0, std::min(ta, tb));
                t1 = std::min(1.0, std::max(ta, tb));
                if (t0 > t1)
                    continue;
            }
            const double x0 = a.x + t0 * (b.x - a.x), x1 = a.x + t1 * (b.x - a.x);
            blocked.push_back({std::min(x0, x1) - clear, std::max(x0, x1) + clear});
        }
    }
    return blocked;
}

// The inset in the diagram's data units: the largest box standing on the x axis with its
// top-left corner under the diagonal that no line crosses. Tried for each left edge in turn;
// the box as wide as its free stretch allows, as high as the diagonal over its left edge.
std::optional<Box> PlaceInsetInData(const std::vector<Polyline>& lines, double clear, double leastWidth,
                                    double leastHeight) {
    std::optional<Box> best;
    double bestScore = 0;
    for (double left = kInsetPlaceStep; left < 1; left += kInsetPlaceStep) {
        const double top = std::min(left - 2 * clear, kInsetFoot + kInsetMaxHeight);
        const double height = top - kInsetFoot;
        if (height < leastHeight)
            continue;
        double right = std::min(1 - clear, left + kInsetMaxWidth);
        bool free = true;
        for (const auto& [from, to] : BlockedInBand(lines, kInsetFoot, top, clear)) {
            if (from <= left && to >= left)
                free = false;
            else if (from > left)
                right = std::min(right, from);
        }
        const double width = right - left;
        if (!free || width < leastWidth)
            continue;
        // As square as it can be, the larger of equals.
        const double score =
            std::min(width / kInsetMaxWidth, height / kInsetMaxHeight) + 1e-3 * width * height;
        if (score > bestScore) {
            bestScore = score;
            best = Box{left, top, width, height};
        }
    }
    return best;
}

} // namespace

std::vector<Polyline> DiagramLines(const ColumnDiagram& d) {
    std::vector<Polyline> lines{d.equilibrium,   d.pseudoEquilibrium, d.rectifyingLine,
                                d.strippingLine, d.feedLine,          d.steps,
                                {{0, 0}, {1, 1}}};
    for (const double x : {d.xW, d.xF, d.xP})
        lines.push_back({{x, x}, {x, 0}});
    return lines;
}

PlotFrame ColumnDiagramLayout::InsetFrame(const BottomInset& inset) const {
    return {insetPlot.left, insetPlot.top, insetPlot.width, insetPlot.height,
            inset.xFrom,    inset.xTo,     inset.yFrom,     inset.yTo,
            true,           true};
}

PlotFrame ColumnDiagramLayout::ProfileFrame(int trays) const {
    const double across = std::max(1, trays) + 1;
    return {profile.left, profile.top, profile.width, profile.height, 0, across, 0, 1};
}

std::vector<Box> ColumnDiagramLayout::TextAndControls() const {
    return {diagramBlock, profileBlock, studyBlock,    diagramLegend, profileLegend, studyLegend, studyWords,
            studyChoice,  rangeButton,  columnFigures, savePicture,   saveCase,      saveNote,    close};
}

ColumnDiagramLayout LayOutColumnDiagram(double width, double height, const ColumnDiagram* diagram) {
    ColumnDiagramLayout l;
    const double u = std::clamp(std::min(width / 1240.0, height / 710.0), 0.75, 2.0);
    l.unit = u;
    // Design units, scaled. Above each plot its title and its y axis title; below it its tick
    // numbers and x axis title (44), then its legend.
    const double top = 60 * u, left = 70 * u, gap = 110 * u, rightMargin = 56 * u;
    const double tickRows = 44 * u, legendRow = 20 * u, bottomRow = 48 * u;
    const double side = std::max(100.0, std::min(height - top - tickRows - 3 * legendRow - bottomRow,
                                                 (width - left - gap - rightMargin) / 1.9));
    l.diagram = {left, top, side, side};
    l.diagramBlock = {left - 66 * u, 4 * u, side + 66 * u + 36 * u, top - 4 * u + side + tickRows - 2 * u};
    l.diagramLegend = {left, l.diagram.Bottom() + tickRows, side + 36 * u, 3 * legendRow};

    // The right column: the profile, the study's controls, the study, its legend, its words and
    // the figures of a column picked on it.
    const double rightLeft = l.diagram.Right() + gap;
    const double rightWidth = std::max(100.0, width - rightLeft - rightMargin);
    const double textLeft = rightLeft - 40 * u, textWidth = width - 12 * u - textLeft;
    const double controlRow = 28 * u, titleRow = 28 * u, wordsHeight = 46 * u, figuresHeight = 32 * u;
    const double studyLegendHeight = 2 * legendRow + 6 * u;
    const double fixed = top + tickRows + legendRow + 8 * u + controlRow + titleRow + tickRows +
                         studyLegendHeight + wordsHeight + 2 * u + figuresHeight + 6 * u + bottomRow;
    const double plots = std::max(100.0, height - fixed);
    l.profile = {rightLeft, top, rightWidth, 0.42 * plots};
    l.profileBlock = {rightLeft - 66 * u, 4 * u, width - 10 * u - (rightLeft - 66 * u),
                      l.profile.Bottom() + tickRows - 2 * u - 4 * u};
    l.profileLegend = {rightLeft, l.profile.Bottom() + tickRows, rightWidth, legendRow};
    const double controlsTop = l.profileLegend.Bottom() + 8 * u;
    const double rangeWidth = 140 * u;
    l.rangeButton = {width - 12 * u - rangeWidth, controlsTop, rangeWidth, controlRow};
    l.studyChoice = {textLeft, controlsTop, l.rangeButton.left - 10 * u - textLeft, controlRow};
    l.studyTitle = {textLeft, controlsTop, textWidth, controlRow};
    l.study = {rightLeft, controlsTop + controlRow + titleRow, rightWidth, plots - l.profile.height};
    l.studyBlock = {l.profileBlock.left, controlsTop + controlRow + 2 * u, l.profileBlock.width,
                    titleRow - 2 * u + l.study.height + tickRows - 2 * u};
    l.studyLegend = {textLeft, l.study.Bottom() + tickRows, textWidth, studyLegendHeight};
    l.studyWords = {textLeft, l.studyLegend.Bottom(), textWidth, wordsHeight};
    l.columnFigures = {textLeft, l.studyWords.Bottom() + 2 * u, textWidth, figuresHeight};

    // The bottom row: the two saves with the note of the last, and the close.
    const double buttonTop = height - 42 * u, buttonHeight = 32 * u, saveWidth = 190 * u;
    l.savePicture = {20 * u, buttonTop, saveWidth, buttonHeight};
    l.saveCase = {l.savePicture.Right() + 14 * u, buttonTop, saveWidth, buttonHeight};
    l.close = {width - 12 * u - rangeWidth, buttonTop, rangeWidth, buttonHeight};
    l.saveNote = {l.saveCase.Right() + 12 * u, buttonTop - 1 * u, l.close.left - 24 * u - l.saveCase.Right(),
                  buttonHeight + 2 * u};
    l.signature = {20 * u, buttonTop, width - 32 * u, buttonHeight};

    // The inset: its designed place without a diagram to keep clear of, else the largest free one.
    Box inset{0.53, 0.46, 0.45, 0.44}; // left, top, width, height in the diagram's data
    bool placed = true;
    if (diagram != nullptr) {
        // The diagonal is not among the lines tried: the box keeps under it by construction.
        std::vector<Polyline> lines = DiagramLines(*diagram);
        std::erase(lines, Polyline{{0, 0}, {1, 1}});
        const auto free =
            PlaceInsetInData(lines, 6 * u / side, std::max(kInsetMinWidth, kInsetLeastWidth * u / side),
                             std::max(kInsetMinHeight, kInsetLeastHeight * u / side));
        placed = free.has_value();
        if (free)
            inset = {free->left, free->top, free->width, free->height};
    }
    if (placed) {
        l.inset = {l.diagram.left + inset.left * side, l.diagram.Bottom() - inset.top * side,
                   inset.width * side, inset.height * side};
        l.insetPlot = {l.inset.left + 48 * u, l.inset.top + 26 * u, l.inset.width - 64 * u,
                       l.inset.height - 45 * u};
    }
    return l;
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
    if (diagram.inset && layout.inset.width > 0 && layout.inset.Contains(at))
        return StepAt(diagram.steps, layout.InsetFrame(*diagram.inset), where, reach);
    if (layout.diagram.Grown(reach).Contains(at))
        return StepAt(diagram.steps, layout.DiagramFrame(), where, reach);
    if (trays >= 1 && layout.profile.Grown(reach).Contains(at)) {
        const PlotFrame frame = layout.ProfileFrame(trays);
        const long nearest = std::lround((where.x - frame.left) / frame.width * (frame.xTo - frame.xFrom));
        return static_cast<int>(std::clamp<long>(nearest, 1, trays));
    }
    return std::nullopt;
}

} // namespace radirav
