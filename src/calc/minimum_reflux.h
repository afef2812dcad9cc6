#pragma once

#include "model/program_state.h"

#include <optional>

namespace radirav {

struct MaterialBalance;

// The reflux ratio at which the rectifying operating line touches the equilibrium curve of the
// chosen kind, for the balance `mb` (only xW, xP and b matter): the tray count grows without
// bound as R falls to it. None when no operating line fits under the curve (the curve at or
// below the diagonal before the distillate is reached, or an unusable input).
std::optional<double> MinimumReflux(const ProgramState& state, const MaterialBalance& mb);

} // namespace radirav
