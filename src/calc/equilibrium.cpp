#include "calc/equilibrium.h"

#include "calc/properties.h"

#include <cmath>

namespace radirav {

CalcStop StopOf(StopCause cause) {
    switch (cause) {
    case StopCause::None:
        return CalcStop::None;
    case StopCause::AntoineExponent:
    case StopCause::AntoineNoPressure:
    case StopCause::AntoineVolatility:
    case StopCause::AntoineNoBubblePoint:
        return CalcStop::AntoineError;
    case StopCause::NoSeparation:
    case StopCause::Pinch:
    case StopCause::TraysWorkDry:
    case StopCause::TooManyTrays:
        return CalcStop::TrayLimit;
    default:
        return CalcStop::InputDataError;
    }
}

EquilibriumModel::EquilibriumModel(const ProgramState& state)
    : kind_(state.EquilibriumKind.value_or(state.EqPointCount)), constantAlfa_(state.Alfa.value_or(0.0)),
      pressure_(state.InputParams[param::kPRES].Value), antoine_(state.AntoineValues), eqX_(&state.EqX),
      eqAlfa_(&state.EqAlfa), pointCount_(kind_) {}

std::optional<float> EquilibriumModel::TableEnd() const {
    if (RisesWithX() || kind_ < 2 || kind_ > kMaxEqPoints)
        return std::nullopt;
    return (*eqX_)[kind_];
}

StopCause EquilibriumModel::RelativeVolatility(float x, float& trayTemperature, double& alfa) {
    if (kind_ == kKindConstantAlfa) {
        alfa = constantAlfa_;
        return StopCause::None;
    }
    if (kind_ == kKindAntoine)
        return BubblePointVolatility(x, trayTemperature, alfa);
    if (kind_ < 2 || kind_ > kMaxEqPoints)
        return StopCause::NoUsableTable;
    alfa = InterpolatedVolatility(x); // stored in single precision
    // A straight line through two point volatilities, extended past the table, can fall to zero
    // or below: no vapour-liquid equilibrium has that, so the table does not describe this x.
    if (!(alfa > 0.0))
        return StopCause::TableVolatility;
    return StopCause::None;
}

// Successive substitution on the bubble point: alpha from the vapour pressures at the current
// temperature, then the temperature at which component 2 has the partial pressure the column
// pressure requires, p2 = PRES / (1 + (alpha - 1) x).
StopCause EquilibriumModel::BubblePointVolatility(float x, float& temperature, double& alfa) const {
    const float a2 = antoine_[4], b2 = antoine_[5], c2 = antoine_[6];
    for (int pass = 0; pass < kMaxBubblePointPasses; ++pass) {
        bool tooLarge = false;
        const float p1 = AntoinePressure(antoine_[1], antoine_[2], antoine_[3], temperature, tooLarge);
        if (tooLarge)
            return StopCause::AntoineExponent;
        const float p2sat = AntoinePressure(a2, b2, c2, temperature, tooLarge);
        if (tooLarge)
            return StopCause::AntoineExponent;
        if (p2sat == 0.0f)
            return StopCause::AntoineNoPressure;
        const float a = p1 / p2sat;
        alfa = a;
        const double p2 = pressure_ / ((static_cast<double>(a) * x + 1.0) - x);
        if (!(p2 > 0.0))
            return StopCause::BubblePointPressure; // includes the logarithm of zero
        const double next = b2 / (a2 - std::log(p2)) - c2 - 273.15;
        if (!std::isfinite(next))
            return StopCause::TrayNotFinite;
        const double change = std::fabs(next - temperature);
        temperature = static_cast<float>(next);
        if (change < 0.01)
            return a < 1.0f ? StopCause::AntoineVolatility : StopCause::None;
    }
    return StopCause::AntoineNoBubblePoint;
}

float EquilibriumModel::InterpolatedVolatility(float x) {
    const auto& X = *eqX_;
    const auto& A = *eqAlfa_;
    while (segment_ < pointCount_ - 1 && x > X[segment_ + 1])
        ++segment_;
    const int i = segment_;
    const double xd = x;
    return static_cast<float>(((xd - X[i]) * A[i + 1] + (static_cast<double>(X[i + 1]) - xd) * A[i]) /
                              (static_cast<double>(X[i + 1]) - X[i]));
}

} // namespace radirav
