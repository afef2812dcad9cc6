// Test tool: the real results window with the sample's tabulated equilibrium already calculated,
// for screenshots of the window on a virtual display.
#include "model/program_state.h"
#include "model/sample_data.h"
#include "platform/qt_platform.h"
#include "screens/flow/screen_flow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    radirav::ScreenFlow flow(state, qtPlatform.Get());
    radirav::LoadSampleData(state);
    radirav::UseSampleTabulatedEquilibrium(state);
    flow.CalculateAndShow();
    return QApplication::exec();
}
