#pragma once

#include "calc/calc_stop.h"

namespace radirav {

// One calculated tray, counted from the bottom. Compositions are mole fractions of the more
// volatile component; the feed tray itself belongs to the stripping section.
struct TrayRecord {
    int number = 0;
    float x = 0;                 // liquid on the tray
    float y = 0;                 // vapour leaving it
    float yStar = 0;             // vapour in equilibrium with x
    float efficiency = 0;        // Murphree efficiency with entrainment, Ea
    float vapourVelocity = 0;    // w, m/s
    float fFactor = 0;           // F = w sqrt(rho_v)
    float clearLiquidHeight = 0; // h, m
    float weirLoad = 0;          // q, m3 of liquid per metre of weir and second
    float residenceTime = 0;     // tau, s
    ColumnSection section = ColumnSection::Stripping;
};

} // namespace radirav
