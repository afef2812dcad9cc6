#include "model/checks.h"

#include "model/param_codes.h"
#include "model/text.h"
#include "model/val.h"

#include <array>
#include <charconv>
#include <cmath>

namespace radirav {

namespace {

struct Range {
    float low;
    float high;
    bool lowIncluded;
    bool highIncluded;
};

bool Inside(float value, const Range& r) {
    const bool aboveLow = r.lowIncluded ? value >= r.low : value > r.low;
    const bool belowHigh = r.highIncluded ? value <= r.high : value < r.high;
    return aboveLow && belowHigh; // false for a value that is not a number
}

// Ranges of the 12 general parameters (index 1..12).
constexpr std::array<Range, 12> kGeneralRanges{{
    {0.0f, 100.0f, false, true},     // F, kg/s
    {0.0f, 1.0f, false, false},      // XF, mass fraction
    {0.0f, 1.0f, false, false},      // XP
    {0.0f, 1.0f, false, false},      // XW
    {50.0f, 4000.0f, false, true},   // RW, kJ/kg
    {1.0f, 1000.0f, true, true},     // M1, kg/kmol
    {1.0f, 1000.0f, true, true},     // M2
    {0.0001f, 10.0f, true, true},    // DY, cm2/s
    {1e-7f, 0.1f, true, true},       // DX, cm2/s
    {1e-7f, 100000.0f, true, true},  // PRES, mm Hg
    {0.0f, 10000.0f, false, true},   // R
    {0.0f, 1000000.0f, false, true}, // Q, kW
}};

// Ranges of the eight parameters of either section, in section order.
constexpr std::array<Range, param::kSectionCount> kSectionRanges{{
    {0.1f, 10.0f, true, true},     // weir length, m
    {0.01f, 0.1f, true, true},     // weir height, m
    {0.01f, 100.0f, true, true},   // working area, m2
    {-273.0f, 400.0f, true, true}, // mean temperature, deg C
    {100.0f, 4000.0f, true, true}, // liquid density, kg/m3
    {0.001f, 0.1f, true, true},    // vapour viscosity of component 1, cP
    {0.001f, 0.1f, true, true},    // vapour viscosity of component 2, cP
    {0.0f, 10.0f, true, true},     // entrainment, kmol/kmol
}};

constexpr std::array<Range, 3> kAntoineRanges{{
    {10.0f, 25.0f, true, true},    // A
    {100.0f, 5000.0f, true, true}, // B
    {-200.0f, 0.0f, true, true},   // C
}};

std::uint8_t Fail(ProgramState& state, int index) {
    state.InputError = true;
    return static_cast<std::uint8_t>(index);
}

float ValueOf(const ProgramState& state, int index) {
    return state.InputParams[index].Value;
}

const Range& RangeOf(int index) {
    if (index <= param::kGeneralCount)
        return kGeneralRanges[static_cast<std::size_t>(index - 1)];
    return kSectionRanges[static_cast<std::size_t>((index - param::kFirstRectifying) % param::kSectionCount)];
}

std::uint8_t CheckSection(ProgramState& state, int first) {
    state.InputError = false;
    for (int k = 0; k < param::kSectionCount; ++k) {
        if (!Inside(ValueOf(state, first + k), kSectionRanges[k]))
            return Fail(state, first + k);
    }
    return 0;
}

std::string NumberText(float value) {
    char buffer[48];
    const auto format =
        (value == 0.0f || std::fabs(value) >= 0.001f) ? std::chars_format::fixed : std::chars_format::general;
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, format).ptr);
}

std::string DescribeRange(const std::string& name, const Range& r) {
    return NumberText(r.low) + (r.lowIncluded ? " <= " : " < ") + name + (r.highIncluded ? " <= " : " < ") +
           NumberText(r.high);
}

} // namespace

std::uint8_t CheckGeneralParams(ProgramState& state) {
    using namespace param;
    state.InputError = false;
    for (const int i : {kXF, kXP, kXW}) {
        if (!Inside(ValueOf(state, i), kGeneralRanges[i - 1]))
            return Fail(state, i);
    }
    if (!Inside(ValueOf(state, kF), kGeneralRanges[kF - 1]))
        return Fail(state, kF);
    // A feed no richer than the bottoms leaves no distillate to draw (P = 0 at XF = XW).
    if (ValueOf(state, kXF) <= ValueOf(state, kXW))
        return Fail(state, kXW);
    if (ValueOf(state, kXF) > ValueOf(state, kXP))
        return Fail(state, kXP); // feed richer than the distillate
    for (int i = kRW; i <= kQ; ++i) {
        if (!Inside(ValueOf(state, i), kGeneralRanges[i - 1]))
            return Fail(state, i);
    }
    return 0;
}

std::uint8_t CheckRectifyingParams(ProgramState& state) {
    return CheckSection(state, param::kFirstRectifying);
}
std::uint8_t CheckStrippingParams(ProgramState& state) {
    return CheckSection(state, param::kFirstStripping);
}

std::uint8_t CheckGroupOf(ProgramState& state, int index) {
    if (index < param::kFirstRectifying)
        return CheckGeneralParams(state);
    if (index < param::kFirstStripping)
        return CheckRectifyingParams(state);
    return CheckStrippingParams(state);
}

bool IsParamInRange(int index, float value) {
    return Inside(value, RangeOf(index));
}

float ParamUpperBound(int index) {
    return RangeOf(index).high;
}

std::string DescribeParamRange(int index) {
    std::string text = DescribeRange(std::string(ParamKey(index)), RangeOf(index));
    if (index == param::kXW)
        text += ", XW < XF";
    if (index == param::kXP)
        text += ", XP >= XF";
    return text;
}

bool IsAlfaInRange(double alfa) {
    return alfa > 1.0 && alfa <= 1000000.0;
}

std::uint8_t CheckAntoineConstants(ProgramState& state) {
    state.InputError = false;
    for (int i = 1; i <= 6; ++i) {
        if (!Inside(state.AntoineValues[i], kAntoineRanges[static_cast<std::size_t>((i - 1) % 3)])) {
            return Fail(state, i);
        }
    }
    return 0;
}

std::string DescribeAntoineRange(int index) {
    return DescribeRange(std::string(kAntoineNames[static_cast<std::size_t>(index - 1)]),
                         kAntoineRanges[static_cast<std::size_t>((index - 1) % 3)]);
}

} // namespace radirav
