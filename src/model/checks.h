#pragma once

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

// Constant relative volatility: 1 < ALFA <= 1000000.
bool IsAlfaInRange(double alfa);
inline constexpr const char* kAlfaRangeText = "1 < ALFA <= 1000000";

std::uint8_t CheckAntoineConstants(ProgramState& state);
std::string DescribeAntoineRange(int index);

// Relative volatility of point i from EqX/EqY into EqAlfa/EqAlfaText (" ???" when x = 0 or
// y = 1, EqAlfa then unchanged).
void ComputePointAlfa(ProgramState& state, int index);

// Exchange sort of the points by ascending x (texts move with numbers), then every point's
// ALFA afresh and the "   ???" marker on coordinates outside 0..1.
void SortPointsAndComputeAlfa(ProgramState& state);

// Re-reads EqX/EqY from their texts, as the check screen does (a "   ???" point counts as 0).
void RereadPointTexts(ProgramState& state);

struct PointCheck {
    std::uint8_t point = 0; // failing point number, 0 when all rules pass
    int rule = 0;           // 1..5, see the captions
    std::string caption;    // the message line of the check screen
};

// The equilibrium-table rules: no " ???" ALFA; then for each point after the first, x and y
// strictly increasing, y not below x, both below 1.
PointCheck CheckEquilibriumPoints(ProgramState& state);

} // namespace radirav
