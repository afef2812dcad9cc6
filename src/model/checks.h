#pragma once

#include "model/equilibrium_points.h"
#include "model/program_state.h"

#include <cstdint>
#include <string>

// Range checks of the typed input. Each check clears InputError, tests in a fixed order and, at
// the first failure, sets InputError and returns the 1-based number of the failing item (0 when
// everything passes). Values and bounds compare in single precision, so a value typed exactly as
// a bound is inside; a value that cannot be compared (not a number) fails.
namespace radirav {

std::uint8_t CheckGeneralParams(ProgramState& state);
std::uint8_t CheckRectifyingParams(ProgramState& state);
std::uint8_t CheckStrippingParams(ProgramState& state);
// The check of the group that parameter `index` belongs to.
std::uint8_t CheckGroupOf(ProgramState& state, int index);

// The accepted range of parameter `index` in words, e.g. "0 < XF < 1" (for messages).
std::string DescribeParamRange(int index);
// Whether `value` lies in the own range of parameter `index`, before the cross-checks of the
// compositions (XW <= XF <= XP).
bool IsParamInRange(int index, float value);

// Constant relative volatility: 1 < ALFA <= 1000000.
bool IsAlfaInRange(double alfa);
inline constexpr const char* kAlfaRangeText = "1 < ALFA <= 1000000";

std::uint8_t CheckAntoineConstants(ProgramState& state);
std::string DescribeAntoineRange(int index);

} // namespace radirav
