#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"

#include <vector>

namespace radirav {

// Material balance of the column: flows in kmol/s, compositions as mole fractions.
struct MaterialBalance {
    float P = 0;  // distillate flow
    float W = 0;  // bottoms flow
    float xP = 0; // distillate composition
    float xW = 0; // bottoms composition
    float b = 0;  // boil-up ratio, vapour from the reboiler per mole of bottoms
    float ys = 0; // vapour composition where the two operating lines meet
};

struct ColumnResult {
    CalcStop stop = CalcStop::None;
    MaterialBalance balance;
    int requiredTrays = 0;
    int feedTray = 0;
};

enum class ColumnSection { Stripping, Rectifying };

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
    ColumnSection section = ColumnSection::Stripping;
};

// Steps up the column from the bottom, tray by tray, until the vapour is richer than the
// distillate or 300 trays are calculated. Reads the input of `state`; writes TrayResults,
// RequiredTrays, FeedTray, InputError (set by every stop, the tray limit included), the
// TrayTemperature and, for the Antoine and tabulated kinds, Alfa of the last tray. With a
// `profile`, it is refilled with every tray calculated (up to the last whole tray on a stop).
ColumnResult CalculateColumn(ProgramState& state, std::vector<TrayRecord>* profile = nullptr);

} // namespace radirav
