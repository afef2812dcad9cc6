#pragma once

#include "calc/tray_record.h"

#include <vector>

namespace radirav {

// The tray quantities whose usual design window the trays are held against.
enum class HydraulicQuantity { ClearLiquidHeight, FFactor, WeirLoad, ResidenceTime };

struct HydraulicRange {
    float low = 0, high = 0;
};

// The usual window of a quantity on bubble-cap or sieve trays (units of TrayRecord).
HydraulicRange UsualRange(HydraulicQuantity quantity, bool bubbleCap);

// Trays of one section whose quantity lies on one side outside its window.
struct HydraulicWarning {
    HydraulicQuantity quantity = HydraulicQuantity::ClearLiquidHeight;
    bool below = true; // below the window, else above it
    ColumnSection section = ColumnSection::Stripping;
    int firstTray = 0, lastTray = 0, trayCount = 0;
    float extreme = 0; // the value furthest outside
    float bound = 0;   // the edge of the window it crossed
};

// One warning per quantity, side and section that has trays outside the window, in the order
// of HydraulicQuantity, stripping section first.
std::vector<HydraulicWarning> CheckHydraulics(const std::vector<TrayRecord>& trays, bool bubbleCap);

} // namespace radirav
