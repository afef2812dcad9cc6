#pragma once

#include "calc/calc_stop.h"
#include "model/program_state.h"

#include <optional>
#include <vector>

namespace radirav {

// One calculation of the reflux study: the column of the input with reflux ratio R.
struct RefluxPoint {
    float R = 0;
    int trays = 0; // RequiredTrays (300 at the tray limit)
    int feed = 0;  // FeedTray, 0 when none
    CalcStop stop = CalcStop::None;
};

// Required trays and feed tray for `count` reflux ratios spread evenly from `from` to `to`
// (both included; one point is `from` alone). Everything but R is the input of `state`.
std::vector<RefluxPoint> SweepReflux(const ProgramState& state, double from, double to, int count);

// The reflux ratio at which an operating line touches the equilibrium curve of the chosen kind:
// the tray count grows without bound as R falls to it. None when no reflux lets the column
// reach the distillate (curve at or below the diagonal before xP, or an unusable input).
std::optional<double> MinimumReflux(const ProgramState& state);

// The smallest R (to a relative 1e-4, from above) whose column reaches the top within the tray
// limit; the study's default range runs from it to five times it. None when no R up to 2^30
// times the minimum reaches the top.
std::optional<double> SmallestRefluxReachingTheTop(const ProgramState& state);

struct RefluxRange {
    double from = 0, to = 0;
};

// From the smallest R reaching the top to five times it; when every R reaches it (the smallest
// is 0), up to five times the input's R instead.
std::optional<RefluxRange> DefaultRefluxRange(const ProgramState& state);

inline constexpr int kDefaultRefluxPoints = 200;

} // namespace radirav
