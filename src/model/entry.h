#pragma once

#include "model/equilibrium_points.h" // EnterPointX/Y live there
#include "model/program_state.h"

#include <string>
#include <string_view>

// Storing what the student typed: every answer goes through NormalizeDecimalText, is kept as
// text, and its Val is stored beside it, so text and number never disagree.
namespace radirav {

void EnterParamValue(ProgramState& state, int index, std::string_view answer);

// A parameter as the group lists show it: the label padded to 62 characters, then the value
// as typed, so every value starts in column 63.
std::string ParamLine(const ProgramState& state, int index);
void EnterAntoineValue(ProgramState& state, int index, std::string_view answer);

} // namespace radirav
