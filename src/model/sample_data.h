#pragma once

#include "model/program_state.h"

namespace radirav {

// Fills the labels, codes and the complete ethanol-water sample data set (15 tabulated points,
// Antoine constants). Leaves the tray type, the volatility choice and the entry flags alone.
void LoadSampleData(ProgramState& state);

} // namespace radirav
