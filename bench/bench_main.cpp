// Timing of the column calculation, the studies of one input and the report text on the sample
// data.

#include "calc/column.h"
#include "calc/input_study.h"
#include "calc/reflux_sweep.h"
#include "report/report_text.h"
#include "support/sample_state.h"

#include <benchmark/benchmark.h>

namespace radirav {
namespace {

// Every calculation starts from scratch, so one state serves all iterations; each hands out
// its tray records and warnings.
void RunColumn(benchmark::State& bench, const ProgramState& state, int expectedTrays) {
    int trays = 0;
    for (auto _ : bench) {
        const ColumnResult result = CalculateColumn(state);
        trays = result.requiredTrays;
        benchmark::DoNotOptimize(result);
    }
    if (trays != expectedTrays)
        bench.SkipWithError("unexpected tray count");
    bench.counters["trays"] = trays;
}

void SampleTable(benchmark::State& bench) {
    RunColumn(bench, testing::SampleWithPoints(), 59);
}
void Alfa3Limit(benchmark::State& bench) {
    RunColumn(bench, testing::SampleWithAlfa(3.0), kMaxTrays);
}

void Antoine(benchmark::State& bench) {
    const ProgramState state = testing::SampleWithAntoine();
    RunColumn(bench, state, CalculateColumn(state).requiredTrays);
}

// 1000 reflux ratios over the default range of the sample (about 3.33 to 16.7).
void RefluxSweep1000(benchmark::State& bench) {
    const ProgramState state = testing::SampleWithPoints();
    const RefluxStudyPlan plan = PlanRefluxStudy(state);
    for (auto _ : bench) {
        auto points = SweepReflux(state, plan.range.from, plan.range.to, 1000);
        benchmark::DoNotOptimize(points);
    }
}

// A study of the feed flow the batch calculator lists: 1000 columns and the ends of the range in
// which they work. Around the sample's 2.78 kg/s every column works; from 0.5 to 10 kg/s the
// columns past 5.55 kg/s run to the tray limit, their stripping line on the equilibrium curve, and
// the end of the working range is found between two rows.
void FeedStudy1000(benchmark::State& bench, double from, double to) {
    const ProgramState state = testing::SampleWithPoints();
    const StudiedInput feed{StudiedKind::Parameter, param::kF};
    const std::vector<double> values = EvenValues(from, to, 1000);
    for (auto _ : bench) {
        auto study = StudyInput(state, feed, values);
        benchmark::DoNotOptimize(study);
    }
}
void FeedAroundTheSample(benchmark::State& bench) {
    FeedStudy1000(bench, 1.39, 4.17);
}
void FeedPastTheWorkingRange(benchmark::State& bench) {
    FeedStudy1000(bench, 0.5, 10.0);
}

// The minimum reflux and the scan of R over its whole check for the working window.
void StudyPlan(benchmark::State& bench) {
    const ProgramState state = testing::SampleWithPoints();
    for (auto _ : bench) {
        auto plan = PlanRefluxStudy(state);
        benchmark::DoNotOptimize(plan);
    }
}

void ReportText(benchmark::State& bench) {
    ProgramState state = testing::SampleWithPoints();
    CalculateAndStore(state);
    const std::string date = FormatRussianDate({2026, 12, 7, 14, 35, 12});
    for (auto _ : bench) {
        auto documents = ReportDocuments(state, date);
        benchmark::DoNotOptimize(documents);
    }
}

BENCHMARK(SampleTable)->Name("CalculateColumn/SampleTable");
BENCHMARK(Alfa3Limit)->Name("CalculateColumn/Alfa3Limit");
BENCHMARK(Antoine)->Name("CalculateColumn/Antoine");
BENCHMARK(RefluxSweep1000)->Name("RefluxSweep/Sample1000")->Unit(benchmark::kMillisecond);
BENCHMARK(StudyPlan)->Name("RefluxSweep/StudyPlan")->Unit(benchmark::kMillisecond);
BENCHMARK(FeedAroundTheSample)->Name("InputStudy/Feed1000")->Unit(benchmark::kMillisecond);
BENCHMARK(FeedPastTheWorkingRange)
    ->Name("InputStudy/FeedPastTheWorkingRange1000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ReportText)->Name("ReportText");

} // namespace
} // namespace radirav

BENCHMARK_MAIN();
