#pragma once

#include "calc/calc_stop.h"

#include <array>

namespace radirav {

// Parameters of one column section (rectifying or stripping) as the tray model uses them.
struct SectionParams {
    float weirLength = 0;        // LS, m
    float weirHeight = 0;        // HP, m
    float trayArea = 0;          // S, working area, m2
    float temperature = 0;       // mean temperature, deg C
    float liquidDensity = 0;     // RO, kg/m3
    float viscosity1 = 0;        // gas-state viscosity of component 1, cP
    float viscosity2 = 0;        // of component 2, cP
    float entrainment = 0;       // e, kmol per kmol of liquid
    double phi12 = 0, phi21 = 0; // Wilke mixing coefficients of the vapour viscosity
};

// Column-wide values the tray model reads.
struct ColumnConstants {
    float diffusivityVapour = 0; // DY, cm2/s
    float diffusivityLiquid = 0; // DX, cm2/s
    float pressure = 0;          // PRES, mm Hg
    float m1 = 0, m2 = 0;        // molar masses, kg/kmol
    bool bubbleCap = true;       // tray type "K"; otherwise sieve trays
};

// The fourteen performance parameters of a tray, in the order of the result labels:
// w, F, q, h, tau, lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea.
using TrayRow = std::array<float, 14>;

struct TrayConditions {
    float x = 0;           // liquid mole fraction on the tray
    double alfa = 0;       // local relative volatility
    float vapourFlow = 0;  // V, kmol/s
    float liquidFlow = 0;  // L, kmol/s, entrainment included
    float temperature = 0; // tray temperature, deg C
};

// Equilibrium vapour y* = alpha x / (1 + (alpha - 1) x), evaluated as x alpha k with the
// single-precision factor k = 1 / (1 + (alpha - 1) x), as the tray model does.
inline float EquilibriumFactor(float x, double alfa) {
    return static_cast<float>(1.0 / (1.0 + (alfa - 1.0) * x));
}
inline float EquilibriumVapour(float x, double alfa) {
    return static_cast<float>(x * alfa * EquilibriumFactor(x, alfa));
}

// Why a tray could not be calculated, with the value that left its domain.
struct TrayFault {
    StopCause cause = StopCause::None;
    double value = 0;
    explicit operator bool() const { return cause != StopCause::None; }
};

// One tray: the performance parameters and the vapour leaving it (y in: vapour entering from
// below; y out: vapour leaving). Any value outside its physical domain, or not finite, is a
// fault (each one an input-data stop). `yStar`, when given, receives the equilibrium vapour of the
// tray's liquid, set before any fault.
TrayFault ComputeTray(const TrayConditions& tray, const SectionParams& section, const ColumnConstants& column,
                      float& y, TrayRow& row, float* yStar = nullptr);

} // namespace radirav
