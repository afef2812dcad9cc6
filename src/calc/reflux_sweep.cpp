#include "calc/reflux_sweep.h"

#include "calc/column.h"
#include "calc/minimum_reflux.h"
#include "model/checks.h"

#include <algorithm>

namespace radirav {

namespace {

ColumnResult WithReflux(const ProgramState& state, double R) {
    ColumnOptions options;
    options.reflux = static_cast<float>(R);
    options.explainTrayLimit = false;
    return CalculateColumn(state, options);
}

bool ReachesTheTop(const ProgramState& state, double R) {
    return WithReflux(state, R).stop == CalcStop::None;
}

double LargestReflux() {
    return ParamUpperBound(param::kR);
}

// The smallest R at or above the minimum reflux rMin that reaches the top, by doubling then
// bisection to a relative 1e-4; none where no R the check accepts does.
std::optional<double> SmallestReachingAbove(const ProgramState& state, std::optional<double> rMin) {
    if (!rMin || *rMin >= LargestReflux())
        return std::nullopt;
    double low = *rMin;
    if (low > 0.0 && ReachesTheTop(state, low))
        return low;
    double high = std::max(2.0 * low, low + 0.01);
    while (!ReachesTheTop(state, std::min(high, LargestReflux()))) {
        if (high >= LargestReflux())
            return std::nullopt;
        low = high;
        high *= 2.0;
    }
    high = std::min(high, LargestReflux());
    while (high - low > 1e-4 * high) {
        const double middle = 0.5 * (low + high);
        (ReachesTheTop(state, middle) ? high : low) = middle;
    }
    return high;
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
    return SmallestReachingAbove(state, MinimumReflux(state));
}

RefluxStudyPlan PlanRefluxStudy(const ProgramState& state) {
    RefluxStudyPlan plan;
    const std::optional<double> rMin = MinimumReflux(state);
    plan.smallestReaching = SmallestReachingAbove(state, rMin);
    if (plan.smallestReaching)
        plan.minimumReflux = rMin;
    const double R = state.InputParams[param::kR].Value;
    const double largest = LargestReflux();
    RefluxRange& range = plan.range;
    if (plan.smallestReaching) {
        range.from = std::min(*plan.smallestReaching, R);
        range.to = std::max(5.0 * *plan.smallestReaching, 1.25 * R);
    } else {
        range.from = R / 5.0;
        range.to = 5.0 * R;
    }
    range.to = std::min(range.to, largest); // from <= R <= to for every R the check accepts
    return plan;
}

RefluxStudy StudyRefluxOf(const ProgramState& state) {
    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    RefluxStudy study;
    study.reachesTheTop = plan.smallestReaching.has_value();
    study.minimumReflux = plan.minimumReflux;
    study.range = plan.range;
    study.sweep = SweepReflux(state, study.range.from, study.range.to, kDefaultRefluxPoints);
    return study;
}

} // namespace radirav
