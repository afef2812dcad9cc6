#pragma once

#include "model/program_state.h"

#include <optional>
#include <string>
#include <string_view>

// Typing a tabulated equilibrium: how many pairs, and the lines the points are shown in.
namespace radirav {

// The typed answer normalised, read with Val and rounded to a whole number with halves going to
// the even neighbour (7.5 -> 8, 20.5 -> 20). Nothing when that number is outside 8..20: also for
// what no 16-bit count can hold (70000, 1e39, an infinity).
std::optional<int> PointCountFromAnswer(std::string_view answer);

// Point k while typing: "   X[k]=" x, padded by the x text alone to column 50, then "Y[k]=" y.
std::string PointListLine(const ProgramState& state, int k);

// Point i on the check screen: x, y and ALFA in columns starting at characters 1, 31 and 61
// (a longer text pushes the next column right rather than being cut).
std::string PointCheckRow(const ProgramState& state, int i);

} // namespace radirav
