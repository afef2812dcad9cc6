#pragma once

#include "model/program_state.h"

#include <array>
#include <string_view>

// The names of the input: parameter codes and Antoine constant names, one table each.
namespace radirav {

// Codes of parameters 1..28, right-aligned in four characters as the report prints them. A code
// ending UK belongs to the rectifying section, one ending IS to the stripping section.
inline constexpr std::array<std::string_view, param::kCount> kParamCodes{
    "   F", "  XF", "  XP", "  XW", "  RW", "  M1", "  M2", "  DY", "  DX", "PRES",
    "   R", "   Q", "LSUK", "HPUK", " SUK", " TUK", "ROUK", "M1UK", "M2UK", " EUK",
    "LSIS", "HPIS", " SIS", " TIS", "ROIS", "M1IS", "M2IS", " EIS"};

// The code of parameter `index` without its leading blanks ("XF"): the key of a case file.
constexpr std::string_view ParamKey(int index) {
    const std::string_view code = kParamCodes[static_cast<std::size_t>(index - 1)];
    return code.substr(code.find_first_not_of(' '));
}

// The parameter number of a trimmed code, 0 when there is none.
constexpr int ParamIndexOfKey(std::string_view key) {
    for (int i = 1; i <= param::kCount; ++i) {
        if (ParamKey(i) == key)
            return i;
    }
    return 0;
}

// A1, B1, C1 of the more volatile component, then A2, B2, C2.
inline constexpr std::array<std::string_view, 6> kAntoineNames{"A1", "B1", "C1", "A2", "B2", "C2"};

} // namespace radirav
