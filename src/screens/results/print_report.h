#pragma once

#include "model/program_state.h"

namespace radirav {

class Printer;
class Clock;

// Prints the input and the results of the last calculation in the report's fixed-pitch font,
// one print document per report page, dated by `clock`.
void PrintReport(const ProgramState& state, Printer& printer, Clock& clock);

} // namespace radirav
