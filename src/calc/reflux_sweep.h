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

// The reflux ratio at which an operating line touches the equilibrium curve of the chosen kind
// (see MinimumReflux of the balance); the tray count grows without bound as R falls to it.
std::optional<double> MinimumReflux(const ProgramState& state);

// The smallest R (to a relative 1e-4, from above) whose column reaches the top within the tray
// limit. None when no R the reflux check accepts does.
std::optional<double> SmallestRefluxReachingTheTop(const ProgramState& state);

struct RefluxRange {
    double from = 0, to = 0;
};

// What the reflux study shows before it calculates.
struct RefluxStudyPlan {
    // None: no reflux ratio brings the column to the distillate within 300 trays.
    std::optional<double> smallestReaching;
    // The asymptote of the tray count, given only when some reflux reaches the distillate.
    std::optional<double> minimumReflux;
    // From the smallest R reaching the top to five times it, widened to hold the input's own R;
    // always inside the reflux check (0 < R <= 10000).
    RefluxRange range;
};

RefluxStudyPlan PlanRefluxStudy(const ProgramState& state);

inline constexpr int kDefaultRefluxPoints = 200;

// The reflux study of one input: minimum reflux, the range studied and the columns over it.
struct RefluxStudy {
    bool reachesTheTop = true; // some reflux ratio brings the column to the distillate
    std::optional<double> minimumReflux;
    RefluxRange range;
    std::vector<RefluxPoint> sweep;
};

// The study over the default range of PlanRefluxStudy, kDefaultRefluxPoints columns.
RefluxStudy StudyRefluxOf(const ProgramState& state);

} // namespace radirav
