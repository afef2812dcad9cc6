#pragma once

#include "model/program_state.h"

namespace radirav {

// Fills the labels, codes and the complete ethanol-water sample data set (15 tabulated points,
// Antoine constants). Leaves the tray type, the volatility choice and the entry flags alone.
void LoadSampleData(ProgramState& state);

// Makes the loaded sample's 15 tabulated points the equilibrium of the next calculation, sorted
// and with their volatilities, as an accepted point table is; bubble-cap trays.
void UseSampleTabulatedEquilibrium(ProgramState& state);

} // namespace radirav
