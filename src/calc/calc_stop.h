#pragma once

#include <optional>

namespace radirav {

// How a calculation ended. Every stop but None is shown on the results screen instead of the table.
enum class CalcStop {
    None,           // top of the column reached within the tray limit
    TrayLimit,      // tray 300 calculated without reaching the distillate composition
    InputDataError, // a value of the model left its physical domain, or arithmetic failed
    AntoineError,   // the Antoine constants give no usable volatility
};

// What exactly ended a calculation early: the quantity that left its domain, so that the
// student can be told which input to change.
enum class StopCause {
    None,
    // Before the first tray: the material balance and the section flows.
    NoDistillate,     // P <= 0: the feed is no richer than the bottoms
    NoBottoms,        // W <= 0: the feed is as rich as the distillate
    NoBoilUp,         // b = Q / (W RW) not a positive number
    ViscosityRatio,   // a ratio of molar masses or of viscosities below zero
    BalanceNotFinite, // the balance or the Wilke coefficients are not numbers
    // The equilibrium on a tray.
    NoUsableTable,        // fewer than 2 or more than 20 points
    TableVolatility,      // the interpolated volatility is zero or below
    AntoineExponent,      // a vapour pressure beyond exp(81)
    AntoineNoPressure,    // the vapour pressure of component 2 is zero
    AntoineVolatility,    // alpha below 1 at the bubble point
    AntoineNoBubblePoint, // no bubble point within the passes allowed
    BubblePointPressure,  // the partial pressure of component 2 is not positive
    // The tray model.
    VapourDensity,       // w < 0 or rho_v < 0
    SchmidtNumber,       // 1/Sc < 0
    ClearLiquidHeight,   // h < 0: the vapour blows the liquid off the tray
    VapourTransferUnits, // NG < 0: the vapour correlation past its bracket
    MixingModel,         // 1 + 4 lambda EOG / Pe < 0, or eta above 60
    NoTransfer,          // |eta| < 1e-19: the tray transfers nothing
    TrayNotFinite,       // a tray value is not a number
    // Physical bounds of the trays.
    VapourAboveOne,     // the vapour leaving a tray richer than the pure component
    VapourBelowZero,    // the vapour leaving a tray poorer than nothing
    LiquidOutsideRange, // the liquid of a tray outside 0..1
    BeyondEquilibrium,  // the vapour leaving a tray richer than the equilibrium with its inlet liquid
    // The tray limit.
    NoSeparation, // alpha so near 1 that even total reflux needs more than 300 trays
    Pinch,        // the trays stall where an operating line meets the equilibrium curve
    TraysWorkDry, // the trays stall because their efficiency vanished
    TooManyTrays, // still enriching at tray 300
};

enum class ColumnSection { Stripping, Rectifying };

struct StopReason {
    StopCause cause = StopCause::None;
    int tray = 0; // the tray on which it happened, 0 before the first tray
    ColumnSection section = ColumnSection::Stripping;
    double value = 0;                // the quantity that left its domain (or the stalled vapour)
    double bound = 0;                // what it is compared with (y* of the inlet liquid, 1, ...)
    double efficiency = 0;           // Ea of that tray, when it was calculated
    std::optional<double> minReflux; // the minimum reflux, for a pinch in the rectifying section
    double inletLiquid = 0;          // x flowing onto the tray, for a vapour beyond its equilibrium
    std::optional<double> tableEnd;  // x of the last tabulated point, when that liquid lies past it
    double reflux = 0;               // R of the input
    double boilUp = 0;               // b of the balance
    double alfa = 0, lambda = 0;     // volatility and mass transfer factor of a tray that stopped
};

// The stop a cause ends the calculation with.
CalcStop StopOf(StopCause cause);

} // namespace radirav
