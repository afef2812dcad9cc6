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

// Whether `value` lies ten times beyond `bound` or more, on the side `below` says: a tray that far
// outside its usual window cannot work at all.
bool FarOutside(double value, double bound, bool below);

// What a value of `quantity` outside its usual window on the `below` side means for a tray, as
// the end of a sentence (": …."); `far` when it lies ten times beyond.
std::string RangeConsequence(HydraulicQuantity quantity, bool below, bool far);

} // namespace radirav
