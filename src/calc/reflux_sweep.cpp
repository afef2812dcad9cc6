#include "calc/reflux_sweep.h"

#include "calc/column.h"
#include "calc/equilibrium.h"
#include "calc/tray_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace radirav {

namespace {

// Sets R of a working copy; the text keeps saying the same number.
void SetReflux(ProgramState& state, float R) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, R).ptr;
    state.InputValueTexts[param::kR].assign(text, end);
    state.InputParams[param::kR].Value = R;
}

bool ReachesTheTop(ProgramState& work, double R) {
    SetReflux(work, static_cast<float>(R));
    return CalculateColumn(work).stop == CalcStop::None;
}

} // namespace

std::vector<RefluxPoint> SweepReflux(const ProgramState& state, double from, double to, int count) {
    std::vector<RefluxPoint> points;
    if (count < 1)
        return points;
    points.reserve(static_cast<std::size_t>(count));
    ProgramState work = state; // one copy; every calculation starts from scratch
    for (int i = 0; i < count; ++i) {
        const double R = count == 1 ? from : from + (to - from) * i / (count - 1);
        SetReflux(work, static_cast<float>(R));
        const ColumnResult result = CalculateColumn(work);
        points.push_back({work.InputParams[param::kR].Value, work.RequiredTrays, work.FeedTray, result.stop});
    }
    return points;
}

// The feed is not modelled by a q-line from xF: the stripping operating line is fixed by the
// boil-up ratio b = Q / H, y = ((b + 1) x - xW) / b, and the sections switch where the vapour
// passes ys, the meeting point of the two operating lines. R only turns the rectifying line
// y = (R x + xP) / (R + 1) about (xP, xP), moving the switch point along the fixed stripping
// line. Both pieces must stay below y*(x). Past the first x where the stripping line reaches
// the curve (or y = xP), the rectifying line must carry the column, so
//   R_min = max over x in [x_strip, xP] of (xP - y*) / (y* - x),
// the pinch at the switch point for a curve without inflexion and the tangent pinch for a
// tabulated curve such as ethanol-water near its azeotrope. The saturated-liquid formula with
// y*(xF) would ignore b and so give a reflux this column need not reach.
std::optional<double> MinimumReflux(const ProgramState& state) {
    ProgramState work = state;
    const ColumnResult column = CalculateColumn(work);
    const MaterialBalance& mb = column.balance;
    if (!(std::isfinite(mb.b) && mb.b > 0.0f && mb.xW >= 0.0f && mb.xW < mb.xP && mb.xP < 1.0f))
        return std::nullopt;
    const double xW = mb.xW, xP = mb.xP, b = mb.b;

    // Scan upwards: the tabulated model only moves forward, the bubble point starts from the last.
    constexpr int kSteps = 4000;
    EquilibriumModel equilibrium(state);
    float temperature = state.InputParams[param::kFirstStripping + param::kT].Value;
    bool onRectifyingLine = false;
    double rMin = 0.0;
    for (int i = 0; i <= kSteps; ++i) {
        const auto x = static_cast<float>(xW + (xP - xW) * i / kSteps);
        double alfa = 0;
        if (equilibrium.RelativeVolatility(x, temperature, alfa) != CalcStop::None)
            return std::nullopt;
        const double yStar = EquilibriumVapour(x, alfa);
        if (!onRectifyingLine) {
            const double yStripping = ((b + 1.0) * x - xW) / b;
            onRectifyingLine = yStripping >= std::min(yStar, xP);
            if (!onRectifyingLine)
                continue;
        }
        if (!(yStar > x))
            return std::nullopt; // no operating line fits under the curve here
        rMin = std::max(rMin, (xP - yStar) / (yStar - x));
    }
    return rMin;
}

std::optional<double> SmallestRefluxReachingTheTop(const ProgramState& state) {
    const std::optional<double> rMin = MinimumReflux(state);
    if (!rMin)
        return std::nullopt;
    ProgramState work = state;
    double low = *rMin;
    if (ReachesTheTop(work, low))
        return low;
    double high = std::max(2.0 * low, low + 0.01);
    for (int doubling = 0; !ReachesTheTop(work, high); ++doubling) {
        if (doubling == 30)
            return std::nullopt;
        low = high;
        high *= 2.0;
    }
    while (high - low > 1e-4 * high) {
        const double middle = 0.5 * (low + high);
        (ReachesTheTop(work, middle) ? high : low) = middle;
    }
    return high;
}

std::optional<RefluxRange> DefaultRefluxRange(const ProgramState& state) {
    const std::optional<double> from = SmallestRefluxReachingTheTop(state);
    if (!from)
        return std::nullopt;
    const double to = *from > 0.0 ? 5.0 * *from : 5.0 * state.InputParams[param::kR].Value;
    return RefluxRange{*from, to};
}

} // namespace radirav
