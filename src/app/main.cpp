#include "model/program_state.h"
#include "model/sample_data.h"
#include "platform/qt_platform.h"
#include "screens/input/form1_title.h"
#include "screens/input/input_flow.h"
#include "screens/results/form11_results.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs("radirav: нет графического дисплея (DISPLAY и WAYLAND_DISPLAY не заданы); "
                   "расчёт без окон: radirav-calc\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // The program ends only through its own end buttons, never because its last window closed
    // between two screens.
    QApplication::setQuitOnLastWindowClosed(false);

    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    const radirav::Platform platform = qtPlatform.Get();
    // Screens beyond the first-run input are not wired yet: their buttons stay hidden.
    radirav::InputFlow flow(state, platform);

    // Hidden flag for screenshots: the calculation window with the sample results, no title.
    if (QApplication::arguments().contains(QStringLiteral("--demo-results"))) {
        radirav::LoadSampleData(state);
        radirav::UseSampleTabulatedEquilibrium(state);
        auto* form11 = new radirav::Form11(state, platform, {});
        form11->PrepareForDirectResults();
        form11->Calculate();
        form11->show();
    } else {
        flow.ShowTitle();
    }
    return QApplication::exec();
}
