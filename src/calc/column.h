#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"

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

// Steps up the column from the bottom, tray by tray, until the vapour is richer than the
// distillate or 300 trays are calculated. Reads the input of `state`; writes TrayResults,
// RequiredTrays, FeedTray, InputError (set by every stop, the tray limit included), the
// TrayTemperature and, for the Antoine and tabulated kinds, Alfa of the last tray.
ColumnResult CalculateColumn(ProgramState& state);

} // namespace radirav
