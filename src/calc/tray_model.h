#pragma once

#include "calc/calc_stop.h"
#include "calc/tray_record.h"

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

// A section ready for its trays: its parameters, the column-wide values, and the parts of the
// tray model's expressions that depend on them alone, worked out once for every tray of the
// section. Each is the leading part of its expression as the model evaluates it, so a tray comes
// out to the last bit as if it were worked from scratch.
struct TraySection {
    TraySection() = default;
    TraySection(const SectionParams& params, const ColumnConstants& column);

    SectionParams params;
    ColumnConstants column;
    double densityFactor = 0;   // PRES * 0.01603 of rho_v = PRES * 0.01603 * M / (T + 273.15)
    double heightBase = 0;      // the weir's part of the clear liquid height
    double mixingWeir = 0;      // the weir's part of DE on bubble caps
    double vapourUnitsBase = 0; // the weir's part of NG
    double liquidDiffusion = 0; // sqrt(DX)
    double flowPathSquared = 0; // S * S / LS / LS, the flow path S / LS squared
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

// The tray model on the liquid x of a tray, the vapour yIn entering it from below and the
// liquid's volatility alfa (passed by value, in registers: each tray waits for the one below),
// with T, V and L of `tray` set: records the three and fills every quantity from k to the vapour
// leaving, in order. Any value outside its physical domain, or not finite, is a fault (each one
// an input-data stop); the tray then names the step in `stoppedAt`, and the quantities after it
// are left as they were. y* is set before any fault.
TrayFault ComputeTray(TrayRecord& tray, const TraySection& section, float x, float yIn, double alfa);

} // namespace radirav
