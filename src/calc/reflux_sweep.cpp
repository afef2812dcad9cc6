#include "calc/reflux_sweep.h"

#include "calc/column.h"
#include "calc/minimum_reflux.h"
#include "model/checks.h"

#include <algorithm>
#include <cmath>

namespace radirav {

namespace {

ColumnResult WithReflux(const ProgramState& state, double R) {
    ColumnOptions options;
    options.reflux = static_cast<float>(R);
    options.explainTrayLimit = false;
    return CalculateColumn(state, options);
}

double LargestReflux() {
    return ParamUpperBound(param::kR);
}

// The working pieces of R from `scanned.from` to `scanned.to`.
std::vector<ValueRange> ScanReflux(const ProgramState& state, ValueRange scanned) {
    if (!(scanned.from < scanned.to))
        return {};
    const int count =
        static_cast<int>(std::ceil(std::log(scanned.to / scanned.from) / std::log(kRefluxScanStep))) + 1;
    const std::vector<double> values = LogValues(scanned.from, scanned.to, count);
    return FindWorkingRanges(state, kStudiedReflux, StudyRows(state, kStudiedReflux, values));
}

} // namespace

std::vector<RefluxPoint> SweepReflux(const ProgramState& state, double from, double to, int count) {
    std::vector<RefluxPoint> points;
    if (count < 1)
        return points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double R = count == 1 ? from : from + (to - from) * i / (count - 1);
        const ColumnResult result = WithReflux(state, R);
        points.push_back({static_cast<float>(R), result.requiredTrays, result.feedTray, result.stop});
    }
    return points;
}

std::optional<double> MinimumReflux(const ProgramState& state) {
    return MinimumReflux(state, CalculateColumn(state).balance);
}

std::optional<double> SmallestRefluxReachingTheTop(const ProgramState& state) {
    return PlanRefluxStudy(state).smallestReaching;
}

RefluxStudyPlan PlanRefluxStudy(const ProgramState& state) {
    RefluxStudyPlan plan;
    plan.scanned = {kSmallestScannedReflux, LargestReflux()};
    plan.working = ScanReflux(state, plan.scanned);
    if (!plan.working.empty()) {
        plan.smallestReaching = plan.working.front().from;
        plan.minimumReflux = MinimumReflux(state);
    }
    const double R = state.InputParams[param::kR].Value;
    RefluxRange& range = plan.range;
    if (plan.smallestReaching) {
        const double smallest = *plan.smallestReaching;
        double end = smallest;
        for (const ValueRange& piece : plan.working) {
            if (piece.from <= 5.0 * smallest)
                end = piece.to;
        }
        range.from = std::min(smallest, R);
        range.to =
            std::max({std::min(5.0 * smallest, end + 0.25 * (end - smallest)), 1.25 * smallest, 1.25 * R});
    } else {
        range.from = R / 5.0;
        range.to = 5.0 * R;
    }
    range.to = std::min(range.to, LargestReflux()); // from <= R <= to for every R the check accepts
    return plan;
}

double TraysTimesRefluxPlusOne(const StudyRow& row) {
    return row.trays * (static_cast<float>(row.value) + 1.0);
}

std::optional<RefluxOptimum> FindOptimumReflux(const std::vector<StudyRow>& rows,
                                               std::optional<double> minimumReflux) {
    std::optional<RefluxOptimum> best;
    int working = 0;
    for (const StudyRow& row : rows) {
        if (!row.Works())
            continue;
        ++working;
        const double product = TraysTimesRefluxPlusOne(row);
        if (!best || product < best->traysTimesRefluxPlusOne)
            best = RefluxOptimum{static_cast<float>(row.value), row.trays, product, std::nullopt};
    }
    if (working < 2)
        return std::nullopt; // one column is no comparison
    if (best && minimumReflux && *minimumReflux > 0.0)
        best->ratioToMinimum = best->R / *minimumReflux;
    return best;
}

} // namespace radirav
