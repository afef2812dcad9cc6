#include "calc/hydraulics.h"

#include <array>

namespace radirav {

// Usual operating windows of cross-flow trays in the froth regime, the regime the tray model's
// correlations (those of the AIChE Bubble-Tray Design Manual, 1958) were fitted in, as the design
// literature that reports them sets them out (Lockett, Distillation Tray Fundamentals, 1986;
// Kister, Distillation Design, 1992), rounded outwards:
// - clear liquid height 10..100 mm: below about 10 mm the tray works nearly dry (spray regime,
//   where the efficiency correlations no longer hold); above the highest weir (100 mm) the
//   pressure drop and the liquid backing up the downcomer become excessive;
// - F-factor on the working area, kg^1/2 m^-1/2 s^-1: bubble caps 0.5..2.5, sieve trays 0.8..3.0;
//   below it not every cap works, or a sieve tray weeps; above it entrainment nears flooding;
// - weir load 2..90 m3 per hour and metre of weir (5.6e-4..0.025 m3/(m s)): below it the liquid
//   does not spread over the tray, above it a single-pass tray needs more passes;
// - liquid residence time on the tray 1..60 s: below 1 s the liquid crosses too fast to be
//   contacted, above a minute the tray holds a nearly stagnant pool.
HydraulicRange UsualRange(HydraulicQuantity quantity, bool bubbleCap) {
    switch (quantity) {
    case HydraulicQuantity::ClearLiquidHeight:
        return {0.01f, 0.1f};
    case HydraulicQuantity::FFactor:
        return bubbleCap ? HydraulicRange{0.5f, 2.5f} : HydraulicRange{0.8f, 3.0f};
    case HydraulicQuantity::WeirLoad:
        return {2.0f / 3600.0f, 90.0f / 3600.0f};
    case HydraulicQuantity::ResidenceTime:
        return {1.0f, 60.0f};
    }
    return {};
}

namespace {

float ValueOf(const TrayRecord& tray, HydraulicQuantity quantity) {
    switch (quantity) {
    case HydraulicQuantity::ClearLiquidHeight:
        return tray.clearLiquidHeight;
    case HydraulicQuantity::FFactor:
        return tray.fFactor;
    case HydraulicQuantity::WeirLoad:
        return tray.weirLoad;
    case HydraulicQuantity::ResidenceTime:
        return tray.residenceTime;
    }
    return 0;
}

} // namespace

std::vector<HydraulicWarning> CheckHydraulics(const std::vector<TrayRecord>& trays, bool bubbleCap) {
    constexpr std::array kQuantities{HydraulicQuantity::ClearLiquidHeight, HydraulicQuantity::FFactor,
                                     HydraulicQuantity::WeirLoad, HydraulicQuantity::ResidenceTime};
    std::vector<HydraulicWarning> warnings;
    for (const HydraulicQuantity quantity : kQuantities) {
        const HydraulicRange range = UsualRange(quantity, bubbleCap);
        for (const bool below : {true, false}) {
            for (const ColumnSection section : {ColumnSection::Stripping, ColumnSection::Rectifying}) {
                HydraulicWarning warning{quantity, below, section, 0,
                                         0,        0,     0,       below ? range.low : range.high};
                for (const TrayRecord& tray : trays) {
                    const float value = ValueOf(tray, quantity);
                    if (tray.section != section || !(below ? value < range.low : value > range.high))
                        continue;
                    if (warning.trayCount == 0 || (below ? value < warning.extreme : value > warning.extreme))
                        warning.extreme = value;
                    if (warning.trayCount++ == 0)
                        warning.firstTray = tray.number;
                    warning.lastTray = tray.number;
                }
                if (warning.trayCount > 0)
                    warnings.push_back(warning);
            }
        }
    }
    return warnings;
}

} // namespace radirav
