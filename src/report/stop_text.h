#pragma once

#include "calc/calc_stop.h"
#include "calc/hydraulics.h"

#include <string>
#include <vector>

// What a student reads under a stopped calculation and beside a finished one: where the column
// failed, which quantity, and what usually helps, in Russian.
namespace radirav {

// One sentence or two; empty for a normal end.
std::string StopReasonText(const StopReason& reason);

// A few words for the cause, as a legend names the region of a study where it stops the
// columns: "пинч (рабочая линия касается равновесной)".
std::string StopCauseName(StopCause cause);

// One warning as a sentence: which trays, which quantity, how far outside its window.
std::string WarningText(const HydraulicWarning& warning);

} // namespace radirav
