// Timing of the column calculation and the report text on the sample data.

#include "calc/column.h"
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
BENCHMARK(ReportText)->Name("ReportText");

} // namespace
} // namespace radirav

BENCHMARK_MAIN();
