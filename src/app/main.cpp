#include "model/program_state.h"
#include "platform/qt_application.h"
#include "platform/qt_platform.h"
#include "screens/flow/screen_flow.h"
#include "screens/input/start_case.h"

#include <QApplication>
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
    radirav::PrepareQtApplication(app);
    // The program ends only through its own end buttons, never because its last window closed
    // between two screens.
    QApplication::setQuitOnLastWindowClosed(false);

    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    radirav::ScreenFlow flow(state, qtPlatform.Get());
    // `radirav FILE.case` starts with that case in place of the sample.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        radirav::LoadStartCase(state, qtPlatform.Get().dialogs, arguments.at(1));
    flow.ShowTitle();
    return QApplication::exec();
}
