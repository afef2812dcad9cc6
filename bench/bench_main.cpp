// Timing of the column calculation and the report text on the sample data.

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "report/report_text.h"
#include "support/sample_state.h"

#include <benchmark/benchmark.h>

namespace radirav {
namespace {

// Every calculation starts from scratch, so one state serves all iterations.
void RunColumn(benchmark::State& bench, ProgramState state, int expectedTrays) {
    for (auto _ : bench) {
        const ColumnResult result = CalculateColumn(state);
        benchmark::DoNotOptimize(result);
    }
    if (state.RequiredTrays != expectedTrays)
        bench.SkipWithError("unexpected tray count");
    bench.counters["trays"] = state.RequiredTrays;
}

void SampleTable(benchmark::State& bench) {
    RunColumn(bench, testing::SampleWithPoints(), 59);
}
void Alfa3Limit(benchmark::State& bench) {
    RunColumn(bench, testing::SampleWithAlfa(3.0), kMaxTrays);
}

void Antoine(benchmark::State& bench) {
    ProgramState state = testing::SampleWithAntoine();
    CalculateColumn(state);
    RunColumn(bench, state, state.RequiredTrays);
}

// The same column handing out its 59 tray records.
void SampleTableProfile(benchmark::State& bench) {
    ProgramState state = testing::SampleWithPoints();
    std::vector<TrayRecord> profile;
    for (auto _ : bench) {
        const ColumnResult result = CalculateColumn(state, &profile);
        benchmark::DoNotOptimize(result);
    }
    bench.counters["trays"] = static_cast<double>(profile.size());
}

// 1000 reflux ratios over the default range of the sample (about 3.33 to 16.7).
void RefluxSweep1000(benchmark::State& bench) {
    const ProgramState state = testing::SampleWithPoints();
    const auto range = DefaultRefluxRange(state);
    if (!range) {
        bench.SkipWithError("no default range");
        return;
    }
    for (auto _ : bench) {
        auto points = SweepReflux(state, range->from, range->to, 1000);
        benchmark::DoNotOptimize(points);
    }
}

// The minimum reflux and the search for the smallest R reaching the top.
void DefaultRange(benchmark::State& bench) {
    const ProgramState state = testing::SampleWithPoints();
    for (auto _ : bench) {
        auto range = DefaultRefluxRange(state);
        benchmark::DoNotOptimize(range);
    }
}

void ReportText(benchmark::State& bench) {
    ProgramState state = testing::SampleWithPoints();
    CalculateColumn(state);
    const std::string date = FormatRussianDate({2026, 12, 7, 14, 35, 12});
    for (auto _ : bench) {
        auto documents = ReportDocuments(state, date);
        benchmark::DoNotOptimize(documents);
    }
}

BENCHMARK(SampleTable)->Name("CalculateColumn/SampleTable");
BENCHMARK(Alfa3Limit)->Name("CalculateColumn/Alfa3Limit");
BENCHMARK(Antoine)->Name("CalculateColumn/Antoine");
BENCHMARK(SampleTableProfile)->Name("CalculateColumn/SampleTableProfile");
BENCHMARK(RefluxSweep1000)->Name("RefluxSweep/Sample1000")->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultRange)->Name("RefluxSweep/DefaultRange")->Unit(benchmark::kMillisecond);
BENCHMARK(ReportText)->Name("ReportText");

} // namespace
} // namespace radirav

BENCHMARK_MAIN();
