#include "calc/input_study.h"

#include "model/checks.h"

#include <algorithm>
#include <cmath>

namespace radirav {

namespace {

// Halvings of the distance to the student's value before an end that still fails settles on it.
constexpr int kDrawBackSteps = 30;

// `end`, or the first of the points halfway back towards the student's value that passes.
double DrawnBack(const ProgramState& state, StudiedInput input, double own, double end) {
    for (int i = 0; i < kDrawBackSteps; ++i) {
        if (PassesInputCheck(state, input, end))
            return end;
        end = own + 0.5 * (end - own);
    }
    return own;
}

// A minimum reflux of zero is none: the stripping section alone reaches the distillate.
std::optional<double> Positive(std::optional<double> minimumReflux) {
    return minimumReflux && *minimumReflux > 0.0 ? minimumReflux : std::nullopt;
}

// The minimum reflux of a study of R, when some row works.
std::optional<double> MinimumRefluxOfRows(const ProgramState& state, const std::vector<StudyRow>& rows) {
    if (std::none_of(rows.begin(), rows.end(), [](const StudyRow& row) { return row.Works(); }))
        return std::nullopt;
    return Positive(MinimumReflux(state));
}

ValueRange RangeOfRows(const std::vector<StudyRow>& rows) {
    if (rows.empty())
        return {};
    const auto [low, high] = std::minmax_element(
        rows.begin(), rows.end(), [](const StudyRow& a, const StudyRow& b) { return a.value < b.value; });
    return {low->value, high->value};
}

} // namespace

InputStudy StudyInput(const ProgramState& state, StudiedInput input, const std::vector<double>& values) {
    InputStudy study;
    study.input = input;
    study.studentValue = StudentValue(state, input);
    study.rows = StudyRows(state, input, values);
    study.working = FindWorkingRanges(state, input, study.rows);
    study.searched = RangeOfRows(study.rows);
    if (input == kStudiedReflux) {
        study.minimumReflux = MinimumRefluxOfRows(state, study.rows);
        study.optimum = FindOptimumReflux(study.rows, study.minimumReflux);
    }
    return study;
}

std::vector<double> DefaultStudyValues(const ProgramState& state, StudiedInput input) {
    if (input.kind == StudiedKind::TrayType)
        return {kBubbleCapValue, kSieveValue};
    if (input == kStudiedReflux) {
        const RefluxRange range = PlanRefluxStudy(state).range;
        return EvenValues(range.from, range.to, kDefaultRefluxPoints);
    }
    const double own = StudentValue(state, input);
    const double upper = input.kind == StudiedKind::Alfa ? 1000000.0 : ParamUpperBound(input.index);
    const double half = own != 0.0 ? 0.5 * std::fabs(own) : 0.01 * upper;
    return EvenValues(DrawnBack(state, input, own, own - half), DrawnBack(state, input, own, own + half),
                      kDefaultStudyPoints);
}

InputStudy DefaultStudy(const ProgramState& state, StudiedInput input) {
    if (!(input == kStudiedReflux))
        return StudyInput(state, input, DefaultStudyValues(state, input));
    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    InputStudy study;
    study.input = input;
    study.studentValue = StudentValue(state, input);
    study.rows = StudyRows(state, input, EvenValues(plan.range.from, plan.range.to, kDefaultRefluxPoints));
    study.working = plan.working;
    study.searched = plan.scanned;
    study.minimumReflux = Positive(plan.minimumReflux);
    study.optimum = FindOptimumReflux(study.rows, study.minimumReflux);
    return study;
}

std::vector<StudiedInput> StudiableInputs(const ProgramState& state) {
    std::vector<StudiedInput> inputs;
    for (int index = 1; index <= param::kCount; ++index)
        inputs.push_back({StudiedKind::Parameter, index});
    for (const StudiedInput other :
         {StudiedInput{StudiedKind::Alfa, 0}, StudiedInput{StudiedKind::TrayType, 0}}) {
        if (IsStudiedInputRead(state, other))
            inputs.push_back(other);
    }
    return inputs;
}

} // namespace radirav
