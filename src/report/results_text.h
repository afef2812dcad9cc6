#pragma once

#include "model/program_state.h"

#include <string>
#include <vector>

// Text of the results table, shared by the results window and the printed report.
namespace radirav {

// `value` with exactly `decimals` digits after the separator, at least one before it, no
// grouping, right-aligned in `width` characters (returned unpadded when it is longer).
std::string FormatResultNumber(float value, int width, int decimals, char decimalSeparator = '.');

// "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      "
std::string TrayCountLine(int requiredTrays, int feedTray);

inline constexpr const char* kResultsTitleLine = "                                 ПАРАМЕТРЫ РАБОТЫ ТАРЕЛОК";

// The two header lines and the twelve ruled rows (the mass transfer factor and the Peclet
// number are computed but not shown).
std::vector<std::string> ResultsTableLines(const ProgramState& state, char decimalSeparator = '.');

} // namespace radirav
