#pragma once

#include "calc/calc_stop.h"
#include "calc/study_rows.h"
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

// The smallest R of the scan of the whole reflux check whose column reaches the top within the
// tray limit (see RefluxStudyPlan). None when no R the scan tries does.
std::optional<double> SmallestRefluxReachingTheTop(const ProgramState& state);

// Below this a reflux ratio designs no column a course would build; the scan of R starts there.
inline constexpr double kSmallestScannedReflux = 0.01;
// The scan of R steps by this factor, so that a working window 2 % wide is not stepped over.
inline constexpr double kRefluxScanStep = 1.02;

struct RefluxRange {
    double from = 0, to = 0;
};

// What the reflux study shows before it calculates. R is scanned in even steps of log R from
// kSmallestScannedReflux to the top of its check, 10000: the working window of a column can be
// narrow, bounded below by the pinch or trays that work dry, and above by trays that flood.
struct RefluxStudyPlan {
    // Where the columns reach the top; edges to a ten-thousandth of the scan's step.
    std::vector<ValueRange> working;
    ValueRange scanned;
    // None: no reflux ratio brings the column to the distillate within 300 trays.
    std::optional<double> smallestReaching;
    // The asymptote of the tray count, given only when some reflux reaches the distillate; 0
    // when the stripping section alone reaches it.
    std::optional<double> minimumReflux;
    // From the smallest R reaching the top to five times it, or to a quarter past the end of the
    // working window when that ends sooner; widened to hold the input's own R; always inside
    // the reflux check (0 < R <= 10000).
    RefluxRange range;
};

RefluxStudyPlan PlanRefluxStudy(const ProgramState& state);

inline constexpr int kDefaultRefluxPoints = 200;

// The course's criterion of the best reflux: N (R + 1), proportional to the column's volume
// (the trays, and the vapour flow (R + 1) P that sets its cross-section).
double TraysTimesRefluxPlusOne(const StudyRow& row);

struct RefluxOptimum {
    double R = 0;
    int trays = 0;
    double traysTimesRefluxPlusOne = 0;
    std::optional<double> ratioToMinimum; // R over the minimum reflux, when there is one
};

// The working row of a reflux study whose N (R + 1) is smallest (the first of equals); none when
// fewer than two rows work.
std::optional<RefluxOptimum> FindOptimumReflux(const std::vector<StudyRow>& rows,
                                               std::optional<double> minimumReflux);

} // namespace radirav
