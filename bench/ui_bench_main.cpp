// Timing of the graph editor's full redraw (table, check, sort and diagram of 20 points) and of
// the column diagram window's redraw when the student resizes it.
// Runs the real window on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "model/equilibrium_points.h"
#include "platform/qt_platform.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/recording_navigator.h"
#include "screens/results/column_diagram_window.h"
#include "support/sample_state.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <string>

namespace radirav {
namespace {

void RefreshEditorTwentyPoints(benchmark::State& bench) {
    ProgramState state = testing::SampleWithPoints();
    // Five more points up to the largest table, between the sample's top points.
    for (const char* x : {"0.91", "0.92", "0.93", "0.94", "0.95"}) {
        InsertPoint(state, x, std::to_string(std::stod(x) + 0.01).c_str());
    }
    QtPlatform machine;
    testing::RecordingNavigator navigator; // nothing leads anywhere: the redraw alone is timed
    Form13 editor(state, machine.Get(), navigator);
    for (auto _ : bench) {
        editor.RefreshEditor();
        benchmark::DoNotOptimize(editor.Surface().Ops().size());
    }
    if (state.EqPointCount != kMaxEqPoints || state.InputError)
        bench.SkipWithError("the table is not 20 sound points");
    bench.counters["drawOps"] = static_cast<double>(editor.Surface().Ops().size());
}

BENCHMARK(RefreshEditorTwentyPoints)->Unit(benchmark::kMicrosecond);

// The sample's 59 trays with the reflux study drawn, between the designed size and a window
// maximised on 1920 x 1080: layout, label placement and every line, as a resize redraws them,
// and the painting of the result.
void ColumnDiagramResize(benchmark::State& bench) {
    ProgramState state = testing::SampleWithPoints();
    QtPlatform machine;
    testing::RecordingNavigator navigator;
    ColumnDiagramWindow window(state, machine.Get(),
                               std::make_shared<HeldColumn>(HeldColumn{CalculateColumn(state), {}}),
                               navigator);
    window.show(); // a hidden window takes its size only when shown
    window.StudyNow();
    bool large = false;
    QImage picture(1920, 1061, QImage::Format_RGB32);
    for (auto _ : bench) {
        window.resize(large ? QSize(1238, 715) : QSize(1920, 1061));
        large = !large;
        QPainter painter(&picture);
        window.Surface().Paint(painter, window.rect());
    }
    bench.counters["drawOps"] = static_cast<double>(window.Surface().Ops().size());
}

BENCHMARK(ColumnDiagramResize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace radirav

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
