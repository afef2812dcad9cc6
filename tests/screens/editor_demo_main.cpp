// Test tool: the real graph editor on the sample's tabulated equilibrium, with the y of point 8
// typed one place off, for screenshots of the window on a virtual display.
#include "model/equilibrium_points.h"
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
    radirav::StorePointCell(state, 8, radirav::PointColumn::Y, "0.05826", true);
    flow.OpenGraphEditor();
    return QApplication::exec();
}
