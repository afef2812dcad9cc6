#include "calc/hydraulics.h"

#include <algorithm>
#include <array>
#include <utility>

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

std::array<float, 4> ValuesOf(const TrayRecord& tray) {
    return {tray.h, tray.F, tray.q, tray.tau};
}

// Whether every tray lies inside every window: the common case, told apart in one pass over the
// smallest and largest value of each quantity, the four side by side in one vector register.
bool AllInside(const std::vector<TrayRecord>& trays, const std::array<HydraulicRange, 4>& ranges) {
    if (trays.empty())
        return true;
    std::array<float, 4> low = ValuesOf(trays.front()), high = low;
    for (const TrayRecord& tray : trays) {
        const std::array<float, 4> v = ValuesOf(tray);
        for (std::size_t i = 0; i < 4; ++i) {
            low[i] = low[i] < v[i] ? low[i] : v[i];
            high[i] = high[i] > v[i] ? high[i] : v[i];
        }
    }
    for (std::size_t q = 0; q < ranges.size(); ++q) {
        if (!(low[q] >= ranges[q].low && high[q] <= ranges[q].high))
            return false;
    }
    return true;
}

} // namespace

std::vector<HydraulicWarning> CheckHydraulics(const std::vector<TrayRecord>& trays, bool bubbleCap) {
    constexpr std::array kQuantities{HydraulicQuantity::ClearLiquidHeight, HydraulicQuantity::FFactor,
                                     HydraulicQuantity::WeirLoad, HydraulicQuantity::ResidenceTime};
    std::array<HydraulicRange, 4> ranges{};
    for (std::size_t q = 0; q < kQuantities.size(); ++q)
        ranges[q] = UsualRange(kQuantities[q], bubbleCap);
    if (AllInside(trays, ranges))
        return {};
    // One slot per quantity, side (below, above) and section, in the order the warnings come.
    std::array<HydraulicWarning, 16> slots{};
    for (std::size_t q = 0; q < kQuantities.size(); ++q) {
        for (std::size_t side = 0; side < 2; ++side) {
            for (std::size_t part = 0; part < 2; ++part) {
                HydraulicWarning& w = slots[q * 4 + side * 2 + part];
                w.quantity = kQuantities[q];
                w.below = side == 0;
                w.section = part == 0 ? ColumnSection::Stripping : ColumnSection::Rectifying;
                w.bound = w.below ? ranges[q].low : ranges[q].high;
            }
        }
    }
    for (const TrayRecord& tray : trays) {
        const std::array<float, 4> values = ValuesOf(tray);
        const std::size_t part = tray.section == ColumnSection::Stripping ? 0 : 1;
        for (std::size_t q = 0; q < values.size(); ++q) {
            const float value = values[q];
            const bool below = value < ranges[q].low;
            if (!below && !(value > ranges[q].high))
                continue;
            HydraulicWarning& w = slots[q * 4 + (below ? 0 : 2) + part];
            if (w.trayCount == 0 || (below ? value < w.extreme : value > w.extreme))
                w.extreme = value;
            if (w.trayCount++ == 0)
                w.firstTray = tray.number;
            w.lastTray = tray.number;
        }
    }
    std::vector<HydraulicWarning> warnings;
    for (const HydraulicWarning& w : slots) {
        if (w.trayCount > 0)
            warnings.push_back(w);
    }
    return warnings;
}

} // namespace radirav
