#include "model/point_entry.h"

#include "model/text.h"
#include "model/val.h"

#include <cmath>

namespace radirav {

std::optional<int> PointCountFromAnswer(std::string_view answer) {
    const double value = Val(NormalizeDecimalText(answer));
    if (!std::isfinite(value) || value < -32768.5 || value > 32767.5)
        return std::nullopt;                    // beyond a 16-bit count
    const double count = std::nearbyint(value); // ties to even in the default rounding mode
    if (count < kMinEqPoints || count > kMaxEqPoints)
        return std::nullopt;
    return static_cast<int>(count);
}

} // namespace radirav

namespace radirav {

std::string PointListLine(const ProgramState& state, int k) {
    const std::string number = std::to_string(k);
    return "   X[" + number + "]=" + state.EqXText[k] + PadSpaces(state.EqXText[k], 50) + "Y[" + number +
           "]=" + state.EqYText[k];
}

std::string PointCheckRow(const ProgramState& state, int i) {
    const std::string number = std::to_string(i);
    const std::string sx = " X [ " + number + " ] = " + state.EqXText[i];
    const std::string sy = " Y [ " + number + " ] = " + state.EqYText[i];
    const std::string sa = " ALFA [ " + number + " ] = " + state.EqAlfaText[i];
    return sx + PadSpaces(sx, 20) + Spaces(10) + sy + PadSpaces(sy, 20) + Spaces(10) + sa;
}

} // namespace radirav
