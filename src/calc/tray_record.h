#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"

#include <array>

namespace radirav {

// The steps of one tray's calculation, in the order the column takes them: the liquid from the
// operating line, its volatility, then the tray model from the equilibrium to the vapour leaving.
enum class TrayStep {
    Liquid,               // x from the operating line of the tray's section
    Volatility,           // alpha of that liquid (the equilibrium model)
    EquilibriumFactor,    // k
    MassTransferFactor,   // lambda
    EquilibriumVapour,    // y*
    VapourMolarMass,      // M of the vapour entering
    VapourDensity,        // rho_v
    VapourVelocity,       // w
    FFactor,              // F
    VapourViscosity,      // mu
    SchmidtReciprocal,    // r
    SchmidtNumber,        // Sc
    LiquidMolarMass,      // M of the liquid
    LiquidVolumeFlow,     // QL
    WeirLoad,             // q
    ClearLiquidHeight,    // h
    MixingCoefficient,    // DE
    ResidenceTime,        // tau
    VapourTransferUnits,  // NG
    LiquidTransferUnits,  // NL
    OverallTransferUnits, // NOG
    PointEfficiency,      // EOG
    PecletNumber,         // Pe
    MixingRoot,           // g
    MixingExponent,       // eta
    MixingSum,            // s
    MurphreeEfficiency,   // EMV
    EntrainedEfficiency,  // Ea
    VapourLeaving,        // y out
};

// One tray, counted from the bottom, as the column calculated it: the inputs and every quantity
// of the tray model in the order the model computes them. Compositions are mole fractions of the
// more volatile component; the feed tray itself belongs to the stripping section. Single
// precision where the model stores a value, double where it keeps one.
struct TrayRecord {
    int number = 0;
    ColumnSection section = ColumnSection::Stripping; // whose parameters and operating line it used
    // The step that stopped the calculation on this tray; meaningful only for the tray a stop
    // names (ColumnResult::stoppedTray). Quantities after it were not calculated.
    TrayStep stoppedAt = TrayStep::VapourLeaving;

    // Inputs.
    float x = 0;     // liquid on the tray
    float yIn = 0;   // vapour entering from below
    double alfa = 0; // local relative volatility
    float T = 0;     // tray temperature for the vapour density, deg C
    float V = 0;     // vapour flow of the section, kmol/s
    float L = 0;     // liquid flow of the section with the entrainment, kmol/s

    // Equilibrium.
    float k = 0;      // 1 / (1 + (alpha - 1) x)
    float lambda = 0; // mass transfer factor m V / L, m = alpha k^2 the slope of the curve
    float yStar = 0;  // vapour in equilibrium with x
    // Vapour.
    float vapourMolarMass = 0; // of the vapour entering, kg/kmol
    double rhoV = 0;           // vapour density, kg/m3
    float w = 0;               // vapour velocity on the working area, m/s
    float F = 0;               // F-factor w sqrt(rho_v), kg^1/2 m^-1/2 s^-1
    double mu = 0;             // vapour viscosity, cP
    float r = 0;               // 1/Sc
    float Sc = 0;              // Schmidt number of the vapour
    // Liquid.
    float liquidMolarMass = 0; // kg/kmol
    float QL = 0;              // liquid volume flow, m3/s
    float q = 0;               // weir load, m3 per metre of weir and second
    float h = 0;               // clear liquid height, m
    float DE = 0;              // longitudinal mixing coefficient of the liquid, m2/s
    float tau = 0;             // liquid residence time, s
    // Mass transfer and mixing.
    float NG = 0;   // transfer units of the vapour phase
    float NL = 0;   // transfer units of the liquid phase
    float NOG = 0;  // overall transfer units, vapour phase
    float EOG = 0;  // point efficiency
    float Pe = 0;   // Peclet number of the liquid's longitudinal mixing
    double g = 0;   // 1 + 4 lambda EOG / Pe
    double eta = 0; // mixing exponent (sqrt(g) - 1) Pe / 2
    double s = 0;   // Pe + eta
    float EMV = 0;  // Murphree vapour efficiency
    float Ea = 0;   // Murphree efficiency with entrainment
    float yOut = 0; // vapour leaving the tray, entering the one above
};

// The rows of the results table (TrayResults, ResultLabels) in their order: w, F, q, h, tau,
// lambda, Pe, Sc, NL, NG, NOG, EOG, EMV, Ea.
inline constexpr std::array<float TrayRecord::*, kResultRows> kResultRowQuantities{
    &TrayRecord::w,      &TrayRecord::F,   &TrayRecord::q,   &TrayRecord::h,  &TrayRecord::tau,
    &TrayRecord::lambda, &TrayRecord::Pe,  &TrayRecord::Sc,  &TrayRecord::NL, &TrayRecord::NG,
    &TrayRecord::NOG,    &TrayRecord::EOG, &TrayRecord::EMV, &TrayRecord::Ea};

} // namespace radirav
