#include "calc/minimum_reflux.h"

#include "calc/column.h"
#include "calc/equilibrium.h"
#include "calc/tray_model.h"

#include <algorithm>
#include <cmath>

namespace radirav {

// The feed is not modelled by a q-line from xF: the stripping operating line is fixed by the
// boil-up ratio b = Q / H, y = ((b + 1) x - xW) / b, and the sections switch where the vapour
// passes ys, the meeting point of the two operating lines. R only turns the rectifying line
// y = (R x + xP) / (R + 1) about (xP, xP), moving the switch point along the fixed stripping
// line. Both pieces must stay below y*(x). Past the first x where the stripping line reaches
// the curve (or y = xP), the rectifying line must carry the column, so
//   R_min = max over x in [x_strip, x_top] of (xP - y*) / (y* - x),
// the pinch at the switch point for a curve without inflexion and the tangent pinch for a
// tabulated curve such as ethanol-water near its azeotrope. The scan ends at x_top, where the
// equilibrium vapour reaches xP: a tray there already sends up the distillate, so no tray works
// on liquid richer than that, and a table is never read past its last point.
std::optional<double> MinimumReflux(const ProgramState& state, const MaterialBalance& mb) {
    if (!(std::isfinite(mb.b) && mb.b > 0.0f && mb.xW >= 0.0f && mb.xW < mb.xP && mb.xP < 1.0f))
        return std::nullopt;
    const double xW = mb.xW, xP = mb.xP, b = mb.b;
    EquilibriumModel equilibrium(state);
    const double xEnd = std::min(xP, static_cast<double>(equilibrium.TableEnd().value_or(1.0f)));
    if (!(xEnd > xW))
        return std::nullopt;

    // Scan upwards: the tabulated model only moves forward, the bubble point starts from the last.
    constexpr int kSteps = 4000;
    float temperature = state.InputParams[param::kFirstStripping + param::kT].Value;
    bool onRectifyingLine = false;
    double rMin = 0.0;
    for (int i = 0; i <= kSteps; ++i) {
        const auto x = static_cast<float>(xW + (xEnd - xW) * i / kSteps);
        double alfa = 0;
        if (equilibrium.RelativeVolatility(x, temperature, alfa) != StopCause::None)
            return std::nullopt;
        const double yStar = EquilibriumVapour(x, alfa);
        if (yStar >= xP)
            break;
        if (!onRectifyingLine) {
            const double yStripping = ((b + 1.0) * x - xW) / b;
            onRectifyingLine = yStripping >= yStar;
            if (!onRectifyingLine)
                continue;
        }
        if (!(yStar > x))
            return std::nullopt; // no operating line fits under the curve here
        rMin = std::max(rMin, (xP - yStar) / (yStar - x));
    }
    return rMin;
}

} // namespace radirav
