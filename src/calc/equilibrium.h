#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"

#include <optional>

namespace radirav {

// Relative volatility alpha of the liquid on each tray, for the equilibrium kind chosen:
// constant ALFA, bubble point of an ideal mixture from Antoine constants, or linear
// interpolation of the tabulated point volatilities.
class EquilibriumModel {
public:
    // Passes of the bubble-point iteration before the Antoine constants are declared unusable.
    static constexpr int kMaxBubblePointPasses = 500;

    explicit EquilibriumModel(const ProgramState& state);

    // Alpha for liquid mole fraction x. In the Antoine kind the tray temperature (deg C) is the
    // starting guess and is replaced by the bubble point. Tabulated kind: the segment only
    // moves forward from tray to tray; an interpolated alpha of zero or below is an input error.
    // Returns what stopped it (StopOf gives the stop), StopCause::None when alpha is usable.
    StopCause RelativeVolatility(float x, float& trayTemperature, double& alfa);

    // Constant ALFA and an ideal mixture give a y*(x) that rises with x; a table need not.
    bool RisesWithX() const { return kind_ == kKindConstantAlfa || kind_ == kKindAntoine; }
    // The last tabulated liquid mole fraction: past it a table is only extrapolated. None for
    // the other kinds and for a table too short to use.
    std::optional<float> TableEnd() const;

private:
    StopCause BubblePointVolatility(float x, float& trayTemperature, double& alfa) const;
    float InterpolatedVolatility(float x);

    int kind_;
    double constantAlfa_;
    float pressure_;
    Table1<float, 6> antoine_;
    const Table1<float, kEqSlots>* eqX_;
    const Table1<float, kEqSlots>* eqAlfa_;
    int pointCount_;
    int segment_ = 1;
};

} // namespace radirav
