#pragma once

#include "calc/hydraulics.h"
#include "model/program_state.h"

#include <vector>

namespace radirav {

class Printer;
class Clock;

// Prints the input and the results of the last calculation in the report's fixed-pitch font,
// one print document per report page, dated by `clock`, with the calculation's `warnings` after
// the table.
void PrintReport(const ProgramState& state, const std::vector<HydraulicWarning>& warnings, Printer& printer,
                 Clock& clock);

} // namespace radirav
