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

// y* of the model the calculation uses; the bubble-point temperature of each x starts the next.
Polyline EquilibriumCurve(const ProgramState& state, bool tabulated) {
    EquilibriumModel model(state);
    float temperature = state.InputParams[param::kFirstStripping + param::kT].Value;
    Polyline curve;
    for (const double x : CurveAbscissae(state, tabulated)) {
        double alfa = 0;
        if (model.RelativeVolatility(static_cast<float>(x), temperature, alfa) != StopCause::None ||
            !std::isfinite(alfa))
            continue;
        curve.push_back({x, EquilibriumVapour(static_cast<float>(x), alfa)});
    }
    return curve;
}

} // namespace

ColumnDiagram BuildColumnDiagram(const ProgramState& state, const ColumnResult& column) {
    const std::vector<TrayRecord>& profile = column.trays;
    const MaterialBalance& balance = column.balance;
    ColumnDiagram d;
    const int kind = state.EquilibriumKind.value_or(0);
    const bool tabulated = kind != kKindConstantAlfa && kind != kKindAntoine;
    d.xW = balance.xW;
    d.xP = balance.xP;
    d.xF = MassToMoleFraction(state.InputParams[param::kXF].Value, state.InputParams[param::kM1].Value,
                              state.InputParams[param::kM2].Value);
    d.equilibrium = EquilibriumCurve(state, tabulated);
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
        d.steps.push_back({tray.x, tray.y});
        d.pseudoEquilibrium.push_back({tray.x, tray.y});
        if (tray.number == column.feedTray)
            d.feedStep = PlotPoint{tray.x, tray.y};
        if (i + 1 < profile.size())
            d.steps.push_back({profile[i + 1].x, tray.y});
    }
    return d;
}

std::vector<double> AxisTicks(double from, double to, int maxCount, double minStep) {
    std::vector<double> ticks;
    if (!(to > from) || maxCount < 2)
        return {from};
    const double rough = (to - from) / (maxCount - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (power * factor >= rough * (1 - 1e-9)) {
            step = power * factor;
            break;
        }
    }
    step = std::max(step, minStep);
    // A width below the smallest double or beyond the largest leaves no usable step.
    if (!(step > 0) || !std::isfinite(step))
        return {from};
    // Whole multiples of the step, so 0.1 + 0.2 prints as 0.3. The count is bounded by maxCount
    // rather than by k: far from zero k + 1 can round back to k (a range a few ulps wide).
    const double first = std::ceil(from / step - 1e-9);
    for (int i = 0; i < maxCount; ++i) {
        const double tick = (first + i) * step;
        if (tick > to + step * 1e-9 || !std::isfinite(tick)) // the tolerance itself may overflow
            break;
        if (ticks.empty() || tick > ticks.back())
            ticks.push_back(tick == 0 ? 0.0 : tick);
    }
    if (ticks.empty())
        ticks.push_back(from);
    return ticks;
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
